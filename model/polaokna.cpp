#include "model/polaokna.h"

#include "model/obliczenia/wt2021.h"
#include "model/obliczenia/wt2021lato.h"

namespace {

TPoleOkna Liczbowe(const QByteArray& klucz, TRodzajPola rodzaj, double (*liczba)(const TOkno&),
                   void (*ustaw)(TOkno&, double), double domyslna = 0) {
    TPoleOkna p;
    p.klucz = klucz;
    p.rodzaj = rodzaj;
    p.liczba = liczba;
    p.ustawLiczbe = ustaw;
    p.domyslna = domyslna;
    return p;
}

// A member as a field of the table.
#define DZIESIETNA(pole, domyslna_)                                                                \
    Liczbowe(                                                                                      \
        #pole, TRodzajPola::Dziesietna, [](const TOkno& o) { return double(o.pole); },             \
        [](TOkno& o, double x) { o.pole = x; }, domyslna_)
#define CALKOWITA(pole)                                                                            \
    Liczbowe(                                                                                      \
        #pole, TRodzajPola::Calkowita, [](const TOkno& o) { return double(o.pole); },              \
        [](TOkno& o, double x) { o.pole = static_cast<int32_t>(x); })

TPoleOkna Tekstowe(const QByteArray& klucz, TRodzajPola rodzaj, QString (*tekst)(const TOkno&),
                   void (*ustaw)(TOkno&, const QString&), const QString& domyslny = QString()) {
    TPoleOkna p;
    p.klucz = klucz;
    p.rodzaj = rodzaj;
    p.tekst = tekst;
    p.ustawTekst = ustaw;
    p.domyslnyTekst = domyslny;
    return p;
}

TPoleOkna Nazwowe(const QByteArray& klucz, QString (*tekst)(const TOkno&),
                  int32_t (*kod)(const QString&, bool*), void (*ustawKod)(TOkno&, int32_t),
                  const QString& domyslny) {
    TPoleOkna p = Tekstowe(klucz, TRodzajPola::Nazwa, tekst, nullptr, domyslny);
    p.kod = kod;
    p.ustawKod = ustawKod;
    return p;
}

// A source name that matches none is "Inny".
int32_t KodZrodla(const QString& nazwa, bool* ok) {
    *ok = true;
    return IndeksZrodla(nazwa);
}

template <int I> TPoleOkna Skrzydlo() {
    TPoleOkna p = Nazwowe(
        "RodzajSkrzydlaNr" + QByteArray::number(I + 1),
        [](const TOkno& o) { return o.RodzajSkrzydlaNazwa(I); }, KodRodzajuSkrzydla,
        [](TOkno& o, int32_t k) { o.RodzajSkrzydla[I] = k; }, NazwaRodzajuSkrzydla(0));
    p.etykieta = QStringLiteral("sposób otwierania skrzydła %1").arg(I + 1);
    p.grupa = "RodzajSkrzydla";
    p.indeksWGrupie = I;
    return p;
}

TPoleOkna Nazwane(TPoleOkna p, const QString& etykieta) {
    p.etykieta = etykieta;
    return p;
}

TPoleOkna Gdy(TPoleOkna p, bool (*zapisywane)(const TOkno&)) {
    p.zapisywane = zapisywane;
    return p;
}

bool ZBudowaSzyby(const TOkno& o) {
    return !o.BudowaSzyby.isEmpty();
}

std::vector<TPoleOkna> Zbuduj() {
    std::vector<TPoleOkna> p;
    TPoleOkna symbol = Tekstowe(
        "Symbol", TRodzajPola::Tekst, [](const TOkno& o) { return o.Symbol(); }, nullptr);
    symbol.czytane = false;
    symbol.tozsamosc = true;
    symbol.etykieta = QStringLiteral("symbol okna");
    p.push_back(symbol);
    p.push_back(DZIESIETNA(Szerokosc, 0));
    p.push_back(DZIESIETNA(Wysokosc, 0));
    TPoleOkna typ =
        Nazwane(Nazwowe(
                    "TypOkna", [](const TOkno& o) { return o.TypOknaNazwa(); }, KodTypuOkna,
                    [](TOkno& o, int32_t k) { o.TypOkna = k; }, NazwaTypuOkna(TYP_OKNA_DOMYSLNY)),
                QStringLiteral("typ okna"));
    typ.zKodem = true;
    typ.liczba = [](const TOkno& o) {
        return double(o.TypOkna);
    };
    p.push_back(typ);
    p.push_back(Skrzydlo<0>());
    p.push_back(Skrzydlo<1>());
    p.push_back(Skrzydlo<2>());
    p.push_back(Skrzydlo<3>());
    p.push_back(Skrzydlo<4>());
    p.push_back(Skrzydlo<5>());
    p.push_back(Skrzydlo<6>());
    p.push_back(Skrzydlo<7>());
    p.push_back(DZIESIETNA(Ug, 0));
    p.push_back(Nazwowe(
        "ZrodloUg", [](const TOkno& o) { return NazwaZrodla(o.ZrodloUg); }, KodZrodla,
        [](TOkno& o, int32_t k) { o.ZrodloUg = static_cast<uint8_t>(k); },
        NazwaZrodla(ZrodloInny)));
    p.push_back(CALKOWITA(SzkloKodID));
    // The build-up its Ug came from, only where it did.
    p.push_back(Gdy(
        Nazwane(Tekstowe(
                    "BudowaSzyby", TRodzajPola::Tekst, [](const TOkno& o) { return o.BudowaSzyby; },
                    [](TOkno& o, const QString& s) { o.BudowaSzyby = s; }),
                QStringLiteral("budowa szyby")),
        ZBudowaSzyby));
    p.push_back(Gdy(Nazwane(Tekstowe(
                                "PowlokiSzyby", TRodzajPola::Tekst,
                                [](const TOkno& o) { return o.PowlokiSzyby; },
                                [](TOkno& o, const QString& s) { o.PowlokiSzyby = s; }),
                            QStringLiteral("powłoki szyby")),
                    ZBudowaSzyby));
    p.push_back(Gdy(DZIESIETNA(WypelnienieGazem, 90), ZBudowaSzyby));
    p.push_back(DZIESIETNA(Uf, 0));
    p.push_back(Nazwowe(
        "ZrodloUf", [](const TOkno& o) { return NazwaZrodla(o.ZrodloUf); }, KodZrodla,
        [](TOkno& o, int32_t k) { o.ZrodloUf = static_cast<uint8_t>(k); },
        NazwaZrodla(ZrodloInny)));
    p.push_back(CALKOWITA(RamaKodID));
    p.push_back(Nazwane(Nazwowe(
                            "MaterialRamy", [](const TOkno& o) { return o.MaterialRamyNazwa(); },
                            KodMaterialuRamy, [](TOkno& o, int32_t k) { o.MaterialRamy = k; },
                            NazwaMaterialuRamy(MATERIAL_PCV)),
                        QStringLiteral("materiał ramy")));
    p.push_back(DZIESIETNA(Psi_g, 0));
    p.push_back(Gdy(DZIESIETNA(Up, 0), [](const TOkno& o) { return o.Up != 0; }));
    p.push_back(Gdy(DZIESIETNA(Psi_p, 0), [](const TOkno& o) { return o.Psi_p != 0; }));
    p.push_back(DZIESIETNA(dRamy, 0));
    p.push_back(Gdy(DZIESIETNA(dSlupka, 0), [](const TOkno& o) { return o.dSlupka != 0; }));
    p.push_back(Gdy(CALKOWITA(Ksztalt), [](const TOkno& o) { return o.Ksztalt != 0; }));
    p.push_back(DZIESIETNA(Lg, 0));
    p.push_back(DZIESIETNA(dR, 0));
    p.push_back(CALKOWITA(LiczbaNawiewnikow));
    p.push_back(CALKOWITA(SzerokoscNawiewnika));
    p.push_back(DZIESIETNA(CenaOkna, 0));
    p.push_back(
        Nazwane(Nazwowe(
                    "Rodzaj", [](const TOkno& o) { return NazwaRodzaju(o.Rodzaj); }, KodRodzaju,
                    [](TOkno& o, int32_t k) { o.Rodzaj = k; }, NazwaRodzaju(RODZAJ_OKNO)),
                QStringLiteral("rodzaj")));
    // The summer rule: gn (-1 unknown), the shading device, a typed fC.
    TPoleOkna g = DZIESIETNA(g, -1);
    g.brakPonizejZera = true;
    p.push_back(g);
    p.push_back(Nazwane(Nazwowe(
                            "Oslona", [](const TOkno& o) { return NazwaOslony(o.Oslona); },
                            KodOslony, [](TOkno& o, int32_t k) { o.Oslona = k; }, NazwaOslony(0)),
                        QStringLiteral("osłona")));
    TPoleOkna fC = DZIESIETNA(fC, -1);
    fC.brakPonizejZera = true;
    p.push_back(fC);
    TPoleOkna liczby;
    liczby.rodzaj = TRodzajPola::Liczby;
    p.push_back(liczby);
    // The model's windows an imported entry stands for, only where it has them.
    p.push_back(Gdy(
        Nazwane(Tekstowe(
                    "GlobalIdIfc", TRodzajPola::Tekst, [](const TOkno& o) { return o.GlobalIdIfc; },
                    [](TOkno& o, const QString& s) { o.GlobalIdIfc = s; }),
                QStringLiteral("identyfikatory IFC")),
        [](const TOkno& o) { return !o.GlobalIdIfc.isEmpty(); }));
    TPoleOkna uwagi = Tekstowe(
        "Uwagi", TRodzajPola::Wiersze, [](const TOkno& o) { return o.Uwagi; },
        [](TOkno& o, const QString& s) { o.Uwagi = s; });
    uwagi.etykieta = QStringLiteral("Uwagi");
    p.push_back(uwagi);
    return p;
}

#undef DZIESIETNA
#undef CALKOWITA

} // namespace

const std::vector<TPoleOkna>& PolaOkna() {
    static const std::vector<TPoleOkna> pola = Zbuduj();
    return pola;
}

QByteArray KluczLiczby(const QString& poziom, int kierunek) {
    QByteArray nazwa;
    if (poziom == POZIOM_PODPIWNICZENIE)
        nazwa = "LiczbaNaPodpiwniczenieNaStrone";
    else if (poziom == POZIOM_PARTER)
        nazwa = "LiczbaNaParterNaStrone";
    else if (poziom == POZIOM_PODDASZE)
        nazwa = "LiczbaNaPoddaszeNaStrone";
    else
        nazwa = "LiczbaNaPietro" + poziom.toLatin1() + "NaStrone";
    return nazwa + QByteArray::number(kierunek);
}
