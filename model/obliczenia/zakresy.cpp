#include "model/obliczenia/zakresy.h"

#include "model/liczby.h"
#include "model/okno.h"
#include "model/polaokna.h"
#include "model/polaprojektu.h"
#include "model/powiadomienia.h"
#include "model/tekst.h"
#include "model/zestawienie.h"

#include <utility>
#include <vector>

namespace {

// Generous bounds of what a real window or project can hold: a window of
// 100 m, a frame of 1 m, a Ug or Uf of 10 W/m²K (single glazing is about
// 5,8), an edge bridge of 1 W/mK (the worst spacers are about 0,1), a
// shutter of 1 m²K/W (the standard's largest is about 0,3).
const TZakresWartosci ZAKRESY[] = {
    {"Szerokosc", 0, 100000, false, false, "szerokość", "mm"},
    {"Wysokosc", 0, 100000, false, false, "wysokość", "mm"},
    {"Ug", 0, 10, false, false, "Ug", "W/m²K"},
    {"Uf", 0, 10, false, false, "Uf", "W/m²K"},
    {"Psi_g", 0, 1, false, false, "Psi_g", "W/mK"},
    {"Up", 0, 10, false, false, "Up", "W/m²K"},
    {"Psi_p", 0, 1, false, false, "Psi_p", "W/mK"},
    {"dRamy", 0, 1000, false, false, "d", "mm"},
    {"dSlupka", 0, 1000, false, false, "szerokość słupka", "mm"},
    {"WypelnienieGazem", 0, 100, false, false, "wypełnienie gazem", "%"},
    {"Lg", 0, 1e7, false, true, "Lg", "mm"},
    {"dR", 0, 1, false, false, "dR", "m²K/W"},
    {"g", 0, 1, true, false, "g", ""},
    {"fC", 0, 1, true, false, "fC", ""},
    {"CenaOkna", 0, 1e9, true, false, "cena", "zł"},
    {"KursEuro", 0, 1000, false, false, "Kurs EURO", "zł"},
    {"StawkaVat", 0, 100, false, false, "Stawka VAT", "%"},
    {"RabatDodatkowy", 0, 100, false, false, "Rabat dodatkowy", "%"},
    {"DVPromocjaKlima", 0, 100, false, false, "Okna klima PCV", "%"},
    {"DVPromocjaKobaltowe", 0, 100, false, false, "Okna KOBALTOWE PCV", "%"},
    {"DVPromocjaDVline", 0, 100, false, false, "Okna DVline PCV", "%"},
    {"DVPromocjaForma", 0, 100, false, false, "Okna forma PCV", "%"},
    {"CenaMontazuOkna", 0, 1e6, false, false, "Cena montażu", "zł"},
    {"TemperaturaWewnetrzna", 0, 60, false, false, "ti", "°C"},
};

// The fields Uw is computed from, each with its range.
struct TCieplne {
    const TZakresWartosci* zakres;
    double TOkno::*pole;
};
const TCieplne* Cieplne() {
    static const TCieplne pola[] = {{ZakresWartosci("Szerokosc"), &TOkno::Szerokosc},
                                    {ZakresWartosci("Wysokosc"), &TOkno::Wysokosc},
                                    {ZakresWartosci("Ug"), &TOkno::Ug},
                                    {ZakresWartosci("Uf"), &TOkno::Uf},
                                    {ZakresWartosci("Psi_g"), &TOkno::Psi_g},
                                    {ZakresWartosci("Up"), &TOkno::Up},
                                    {ZakresWartosci("Psi_p"), &TOkno::Psi_p},
                                    {ZakresWartosci("dRamy"), &TOkno::dRamy},
                                    {ZakresWartosci("dSlupka"), &TOkno::dSlupka},
                                    {ZakresWartosci("Lg"), &TOkno::Lg},
                                    {ZakresWartosci("dR"), &TOkno::dR},
                                    {nullptr, nullptr}};
    return pola;
}

QString Liczba(double x) {
    return TekstOgolny(x);
}

} // namespace

const TZakresWartosci* ZakresWartosci(QByteArrayView klucz) {
    for (const TZakresWartosci& z : ZAKRESY)
        if (z.klucz == klucz)
            return &z;
    return nullptr;
}

bool WZakresie(const TZakresWartosci& z, double x) {
    if (z.minusJedenToBrak && x == -1)
        return true;
    if (z.ujemnaToZnacznik && x < 0)
        return true;
    return x >= z.min && x <= z.max; // false for NaN
}

QString OpisZakresu(const TZakresWartosci& z) {
    const QString jednostka =
        *z.jednostka ? QLatin1Char(' ') + QString::fromUtf8(z.jednostka) : QString();
    return QStringLiteral("od %1 do %2%3").arg(Liczba(z.min), Liczba(z.max), jednostka);
}

QString OpisWartosciSpozaZakresu(const TZakresWartosci& z, double x) {
    return QStringLiteral("%1 = %2 (dopuszczalne %3)")
        .arg(QString::fromUtf8(z.etykieta), Liczba(x), OpisZakresu(z));
}

QStringList SpozaZakresu(const TOkno& o) {
    // The window's fields that have a range, found once.
    static const std::vector<std::pair<const TPoleOkna*, const TZakresWartosci*>> pola = [] {
        std::vector<std::pair<const TPoleOkna*, const TZakresWartosci*>> w;
        for (const TPoleOkna& pole : PolaOkna())
            if (const TZakresWartosci* z = ZakresWartosci(pole.klucz);
                z && pole.rodzaj == TRodzajPola::Dziesietna)
                w.emplace_back(&pole, z);
        return w;
    }();
    QStringList wynik;
    for (const auto& [pole, z] : pola) {
        const double x = pole->liczba(o);
        if (!WZakresie(*z, x))
            wynik << OpisWartosciSpozaZakresu(*z, x);
    }
    return wynik;
}

QStringList SpozaZakresu(const TZestawienieStolarki& p) {
    QStringList wynik;
    for (const TPoleProjektu& pole : PolaProjektu()) {
        if (pole.rodzaj != TRodzajPolaProjektu::Dziesietna)
            continue;
        const TZakresWartosci* z = ZakresWartosci(pole.klucz);
        const double x = pole.liczba(p);
        if (z && !WZakresie(*z, x))
            wynik << OpisWartosciSpozaZakresu(*z, x);
    }
    return wynik;
}

QStringList CieplneSpozaZakresu(const TOkno& o) {
    QStringList wynik;
    for (const TCieplne* c = Cieplne(); c->zakres; ++c)
        if (!WZakresie(*c->zakres, o.*(c->pole)))
            wynik << OpisWartosciSpozaZakresu(*c->zakres, o.*(c->pole));
    return wynik;
}

QStringList WartosciSpozaZakresu(const TZestawienieStolarki& p) {
    QStringList wynik;
    for (const QString& w : SpozaZakresu(p))
        wynik << QStringLiteral("projekt – ") + w;
    for (int i = 0; i < p.LiczbaOkienWLiscie(); ++i)
        for (const QString& w : SpozaZakresu(*p.Okno(i)))
            wynik << QStringLiteral("okno %1 – %2").arg(p.Okno(i)->Symbol(), w);
    return wynik;
}

void ZglosSpozaZakresu(const QStringList& wartosci) {
    if (wartosci.isEmpty())
        return;
    constexpr int NAZWANYCH = 10;
    Powiadom({TRodzajKomunikatu::Ostrzezenie, QStringLiteral("Informacja"),
              QStringLiteral("Plik zawiera wartości spoza dopuszczalnych zakresów. Zachowano je, "
                             "ale okna z nimi nie mają Uw ani oceny WT 2021 (brak danych), dopóki "
                             "ich nie poprawisz: %1.")
                  .arg(ListaZReszta(wartosci.mid(0, NAZWANYCH), wartosci.size() - NAZWANYCH))});
}
