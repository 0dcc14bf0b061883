// The maximum heat transfer coefficients of windows and doors in force since
// 1 January 2021.
//
// Source: Rozporządzenie Ministra Infrastruktury z dnia 12 kwietnia 2002 r. w
// sprawie warunków technicznych, jakim powinny odpowiadać budynki i ich
// usytuowanie (t.j. Dz.U. z 2022 r. poz. 1225 ze zm.), § 328 ust. 1 and
// załącznik nr 2, pkt 1.5, tabela: "Okna, drzwi balkonowe i drzwi zewnętrzne",
// the column "od 31 grudnia 2020 r." An amendment is one edit of this table.

#include "model/dane/wt2021_dane.h"

const TRodzajWT RODZAJE_WT2021[] = {
    // okna (z wyjątkiem okien połaciowych), drzwi balkonowe i powierzchnie
    // przezroczyste nieotwieralne: ti >= 16 °C 0,9; ti < 16 °C 1,4
    {"okno", 0.9, 1.4},
    {"drzwi balkonowe", 0.9, 1.4},
    // okna połaciowe: 1,1 and 1,4
    {"okno dachowe", 1.1, 1.4},
    // okna w przegrodach wewnętrznych oddzielających pomieszczenia
    // ogrzewane od nieogrzewanych: 1,1
    {"okno w ścianie wewnętrznej", 1.1, 1.1},
    // drzwi wejściowe do budynków i garaży: 1,3
    {"drzwi zewnętrzne", 1.3, 1.3},
    // okna pomieszczeń nieogrzewanych: bez wymagań
    {"pomieszczenie nieogrzewane", -1, -1},
};

const std::size_t LICZBA_RODZAJOW_WT2021 = sizeof(RODZAJE_WT2021) / sizeof(RODZAJE_WT2021[0]);
