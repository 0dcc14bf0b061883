#include "model/polaprojektu.h"

#include "model/zestawienie.h"

namespace {

TPoleProjektu Tekst(const char* klucz, const QString& etykieta, const QString& raport,
                    QString (*tekst)(const TZestawienieStolarki&),
                    void (*ustaw)(TZestawienieStolarki&, const QString&)) {
    TPoleProjektu p;
    p.klucz = klucz;
    p.etykieta = etykieta;
    p.etykietaRaportu = raport;
    p.tekst = tekst;
    p.ustawTekst = ustaw;
    return p;
}

TPoleProjektu Liczba(const char* klucz, TRodzajPolaProjektu rodzaj,
                     double (*liczba)(const TZestawienieStolarki&),
                     void (*ustaw)(TZestawienieStolarki&, double), double domyslna = 0,
                     const QString& etykieta = QString()) {
    TPoleProjektu p;
    p.klucz = klucz;
    p.etykieta = etykieta;
    p.rodzaj = rodzaj;
    p.liczba = liczba;
    p.ustawLiczbe = ustaw;
    p.domyslna = domyslna;
    return p;
}

#define TEKST(pole, etykieta, raport)                                                              \
    Tekst(                                                                                         \
        #pole, QStringLiteral(etykieta), QStringLiteral(raport),                                   \
        [](const TZestawienieStolarki& p) { return p.pole; },                                      \
        [](TZestawienieStolarki& p, const QString& s) { p.pole = s; })
#define DZIESIETNA(pole, domyslna, etykieta)                                                       \
    Liczba(                                                                                        \
        #pole, TRodzajPolaProjektu::Dziesietna,                                                    \
        [](const TZestawienieStolarki& p) { return p.pole; },                                      \
        [](TZestawienieStolarki& p, double x) { p.pole = x; }, domyslna, QStringLiteral(etykieta))
#define POZIOM(pole, etykieta)                                                                     \
    Liczba(                                                                                        \
        #pole, TRodzajPolaProjektu::Flaga,                                                         \
        [](const TZestawienieStolarki& p) { return p.pole() ? 1.0 : 0.0; },                        \
        [](TZestawienieStolarki& p, double x) { p.Set##pole(x != 0); }, 0,                         \
        QStringLiteral(etykieta))

std::vector<TPoleProjektu> Zbuduj() {
    std::vector<TPoleProjektu> pola;
    pola.push_back(TEKST(TytulProjektu, "Tytuł projektu", "Tytuł projektu: "));
    pola.push_back(TEKST(Firma, "Firma", "Firma: "));
    pola.push_back(TEKST(Projekt, "Projekt", "Projekt: "));
    pola.push_back(TEKST(Obiekt, "Obiekt", "Obiekt: "));
    pola.push_back(TEKST(Inwestor, "Inwestor", "Inwestor: "));
    pola.push_back(TEKST(Projektant, "Opracował", "Projektant: "));
    TPoleProjektu data = Tekst(
        "Data", QStringLiteral("Data"), QStringLiteral("Data: "),
        [](const TZestawienieStolarki& p) {
            return p.Data.date().toString(QStringLiteral("yyyy-MM-dd"));
        },
        nullptr);
    data.rodzaj = TRodzajPolaProjektu::Data;
    pola.push_back(data);
    pola.push_back(POZIOM(Podpiwniczenie, "Podpiwniczenie"));
    pola.push_back(POZIOM(Parter, "Parter"));
    TPoleProjektu pietra = Liczba(
        "LiczbaPieter", TRodzajPolaProjektu::Calkowita,
        [](const TZestawienieStolarki& p) { return double(p.LiczbaPieter()); },
        [](TZestawienieStolarki& p, double x) { p.SetLiczbaPieter(static_cast<int32_t>(x)); }, 0,
        QStringLiteral("Liczba pięter"));
    pietra.zPoziomami = true;
    pola.push_back(pietra);
    pola.push_back(POZIOM(Poddasze, "Poddasze"));
    pola.push_back(DZIESIETNA(KursEuro, 0, "Kurs EURO [zł]"));
    pola.push_back(DZIESIETNA(StawkaVat, 0, "Stawka VAT [%]"));
    pola.push_back(DZIESIETNA(DVPromocjaKlima, 30, "Okna klima PCV [%]"));
    pola.push_back(DZIESIETNA(DVPromocjaKobaltowe, 30, "Okna KOBALTOWE PCV [%]"));
    pola.push_back(DZIESIETNA(DVPromocjaDVline, 33, "Okna DVline PCV [%]"));
    pola.push_back(DZIESIETNA(DVPromocjaForma, 50, "Okna forma PCV [%]"));
    pola.push_back(DZIESIETNA(RabatDodatkowy, 0, "Rabat dodatkowy [%]"));
    pola.push_back(
        DZIESIETNA(CenaMontazuOkna, 0, "Cena netto montażu okna za metr bieżący obwodu [zł]"));
    pola.push_back(TEKST(ZakresCzynnosci, "Zakres czynności objętych wyceną", ""));
    pola.push_back(DZIESIETNA(TemperaturaWewnetrzna, 20, "Temperatura wewnętrzna ti [°C]"));
    // A file without it keeps the estimate its numbers were made with.
    TPoleProjektu metoda = Liczba(
        "MetodaUw", TRodzajPolaProjektu::Calkowita,
        [](const TZestawienieStolarki& p) { return double(p.Metoda()); },
        [](TZestawienieStolarki& p, double x) { p.MetodaUw = x == 1 ? 1 : 0; }, 0,
        QStringLiteral("Metoda obliczania Uw"));
    metoda.nazwa = [](const TZestawienieStolarki& p) {
        return TZestawienieStolarki::NazwaMetodyUw(p.Metoda());
    };
    pola.push_back(metoda);
    return pola;
}

#undef TEKST
#undef DZIESIETNA
#undef POZIOM

} // namespace

const std::vector<TPoleProjektu>& PolaProjektu() {
    static const std::vector<TPoleProjektu> pola = Zbuduj();
    return pola;
}

const TPoleProjektu* PoleProjektu(QByteArrayView klucz) {
    for (const TPoleProjektu& p : PolaProjektu())
        if (p.klucz == klucz)
            return &p;
    return nullptr;
}
