#pragma once

#include "model/katalog.h"

#include <QString>
#include <QVector>

#include <array>
#include <cstdint>
#include <optional>

class TZestawienieStolarki;

// Level texts and their rows.
inline const QString POZIOM_PODPIWNICZENIE = QStringLiteral("podpiwniczenie");
inline const QString POZIOM_PARTER = QStringLiteral("parter");
inline const QString POZIOM_PODDASZE = QStringLiteral("poddasze");
constexpr int WIERSZ_PODPIWNICZENIA = 0;
constexpr int WIERSZ_PARTERU = 1;
constexpr int WIERSZ_PODDASZA = 2;
constexpr int LICZBA_STALYCH_WIERSZY = 3;

// A window's outline (TOkno::Ksztalt).
constexpr int32_t KSZTALT_PROSTOKATNY = 0;
constexpr int32_t KSZTALT_OKRAGLY = 1;

using TWierszLiczby = std::array<int32_t, LICZBA_KIERUNKOW>;

// Counts of one window: one row per level (basement, ground floor, attic,
// then floors 1..n), one column per direction (0 N … 7 NW). Only the rows
// that hold a count other than 0 are kept, so a building of many floors
// costs a window nothing for the floors it has no pieces on. Copies share
// their rows until one of them changes.
class TLiczbaOkien {
public:
    struct TWiersz {
        int32_t wiersz = 0;
        TWierszLiczby liczby{};
        bool operator==(const TWiersz&) const = default;
    };

    explicit TLiczbaOkien(int wiersze = LICZBA_STALYCH_WIERSZY);

    // The rows the window has (3 + the building's floors).
    int Wiersze() const { return wierszy_; }
    // 0 outside the rows or the directions.
    int32_t Liczba(int wiersz, int kierunek) const;
    // Outside the rows or the directions nothing is stored.
    void Ustaw(int wiersz, int kierunek, int32_t n);
    // Rows that remain keep their counts, rows added start at zero.
    void ZmienLiczbeWierszy(int wiersze);
    // Summed wide: huge counts from a file cannot overflow.
    long long Suma() const;
    // The rows holding a count other than 0, in row order.
    const QVector<TWiersz>& Niezerowe() const { return niezerowe_; }

    bool operator==(const TLiczbaOkien&) const = default;

private:
    int32_t wierszy_ = LICZBA_STALYCH_WIERSZY;
    QVector<TWiersz> niezerowe_;
};

// A window's identity within the open project: given when the window is
// created or read, kept by undo and redo, never written to a file. 0 is no
// window.
using TIdOkna = uint64_t;

// Row of a level text: 0, 1, 2 for the three named levels (ignoring letter
// case), k + 2 for a floor number k >= 1, -1 for anything else.
int LevelIndex(const QString& poziom);
// The level text of floor k.
inline QString PoziomPietra(int k) {
    return QString::number(k);
}

// One window of a joinery schedule. The fields are the user's inputs; Uw,
// areas and prices are computed from them by the calculations
// (model/obliczenia/). The symbol is changed only through the
// project, which keeps its windows' symbols unique.
class TOkno {
public:
    explicit TOkno(const QString& symbol);

    const QString& Symbol() const { return Symbol_; }
    TIdOkna Id() const { return Id_; }

    double Szerokosc = 0; // mm
    double Wysokosc = 0;  // mm
    // The outline: a rectangle W × H, or (KSZTALT_OKRAGLY) the circle or
    // ellipse inscribed in it.
    int32_t Ksztalt = KSZTALT_PROSTOKATNY;
    int32_t TypOkna = TYP_OKNA_DOMYSLNY;
    int32_t MaterialRamy = MATERIAL_PCV;
    std::array<int32_t, MAX_SKRZYDEL> RodzajSkrzydla{};
    double Uf = 0;
    uint8_t ZrodloUf = ZrodloInny;
    int32_t RamaKodID = 0;
    double Ug = 0;
    uint8_t ZrodloUg = ZrodloInny;
    int32_t SzkloKodID = 0;
    // The glazing's build-up its Ug was computed from by PN-EN 673
    // ("4/16Ar/4"), its coatings ("3:0,03") and gas fill (%); empty when the
    // Ug was typed or taken from a table.
    QString BudowaSzyby;
    QString PowlokiSzyby;
    double WypelnienieGazem = 90;
    double Psi_g = 0;
    // Opaque panels (sashes of the kind "płycina"): their U and the linear
    // bridge of their edge.
    double Up = 0;    // W/m²K
    double Psi_p = 0; // W/mK
    double dRamy = 0; // mm
    // Mullions and transoms between sashes, mm; 0: as wide as d.
    double dSlupka = 0;
    double Lg = 0; // mm; below 0: to be suggested again
    double dR = 0;
    TLiczbaOkien LiczbaOkien;
    int32_t LiczbaNawiewnikow = 0;
    int32_t SzerokoscNawiewnika = 0; // mm
    double CenaOkna = 0;             // zł net; -1 for a list-priced window
    int32_t Rodzaj = 0;              // kind of element (wt2021.h): okno, drzwi balkonowe, ...
    double g = -1;                   // total solar energy transmittance gn, 0…1; -1 unknown
    int32_t Oslona = 0;              // shading device (wt2021lato.h); 0 none
    double fC = -1;                  // fC typed for the window; -1: the device's
    QString Uwagi;                   // comma text
    // The GlobalIds of the building model's windows this entry stands for
    // (comma separated); empty for a window not imported from a model.
    QString GlobalIdIfc;

    QString TypOknaNazwa() const;
    void SetTypOknaNazwa(const QString& nazwa);
    QString RodzajSkrzydlaNazwa(int i) const;
    void SetRodzajSkrzydlaNazwa(int i, const QString& nazwa);
    QString MaterialRamyNazwa() const;
    void SetMaterialRamyNazwa(const QString& nazwa);

    int32_t GetLiczba(const QString& poziom, int kierunek) const;
    void SetLiczba(const QString& poziom, int kierunek, int32_t n);
    int32_t SumaOkien() const;

    // Glazing and frame both from the manufacturer's range: priced from the list.
    bool JestDV() const { return ZrodloUg == ZrodloDV && ZrodloUf == ZrodloDV; }
    bool Okragle() const { return Ksztalt == KSZTALT_OKRAGLY; }
    // The width between sashes the geometry takes: dSlupka, or d without one.
    double SzerokoscSlupka() const { return dSlupka > 0 ? dSlupka : dRamy; }

private:
    friend class TZestawienieStolarki;
    QString Symbol_;
    TIdOkna Id_ = 0;
};
