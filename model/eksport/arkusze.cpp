#include "model/eksport/arkusze.h"

#include "model/katalog.h"
#include "model/kolejnosc.h"
#include "model/liczby.h"
#include "model/obliczenia/dziesietne.h"
#include "model/obliczenia/geometria.h"
#include "model/obliczenia/orientacje.h"
#include "model/obliczenia/pieniadze.h"
#include "model/obliczenia/srednie.h"
#include "model/obliczenia/uw.h"
#include "model/obliczenia/wt2021.h"
#include "model/obliczenia/wt2021lato.h"
#include "model/polaprojektu.h"
#include "model/tekst.h"
#include "model/zestawienie.h"

#include <QLocale>

#include <algorithm>
#include <cmath>

namespace {

using K = TKomorkaArkusza;

const QString RAZEM = QStringLiteral("Razem");

// A cell's text in a CSV file: numbers with the decimal comma.
QString TekstCsv(const TKomorkaArkusza& k, const QLocale& przecinek) {
    switch (k.rodzaj) {
    case TKomorkaArkusza::Rodzaj::Pusta:
        return QString();
    case TKomorkaArkusza::Rodzaj::Tekst:
        break;
    case TKomorkaArkusza::Rodzaj::Liczba:
    case TKomorkaArkusza::Rodzaj::Formula:
        return k.miejsca < 0 ? TekstOgolny(k.liczba, przecinek)
                             : TekstStaly(k.liczba, 15, k.miejsca, przecinek);
    }
    QString t = k.tekst;
    // A text a spreadsheet would take for a formula is marked as text.
    static const QString formuly = QStringLiteral("=+-@\t\r");
    if (!t.isEmpty() && formuly.contains(t.front()))
        t.prepend(QLatin1Char('\''));
    if (t.contains(QLatin1Char(';')) || t.contains(QLatin1Char('"')) ||
        t.contains(QLatin1Char('\n')) || t.contains(QLatin1Char('\r')))
        t = QLatin1Char('"') + t.replace(QLatin1Char('"'), QStringLiteral("\"\"")) +
            QLatin1Char('"');
    return t;
}

} // namespace

QString KolumnaArkusza(int kolumna) {
    QString litery;
    for (int k = kolumna + 1; k > 0; k = (k - 1) / 26)
        litery.prepend(QChar(u'A' + (k - 1) % 26));
    return litery;
}

namespace {

// A number cell, or an empty one (and a word of it) for a value that is no
// finite number: a sheet never holds INF or NAN.
TKomorkaArkusza LiczbaLubNic(TArkusz& a, const TOkno& o, const QString& naglowek, double x,
                             int miejsca = -1) {
    if (std::isfinite(x))
        return K::Liczba(x, miejsca);
    a.ostrzezenia << QStringLiteral("okno %1 (%2)").arg(o.Symbol(), naglowek);
    return TKomorkaArkusza();
}

// A sum as exact as a spreadsheet makes it (Neumaier's compensated sum):
// the value given to a formula is the one the client computes.
class TSuma {
public:
    void Dodaj(double x) {
        const double t = suma_ + x;
        reszta_ += std::fabs(suma_) >= std::fabs(x) ? (suma_ - t) + x : (x - t) + suma_;
        suma_ = t;
    }
    double Wynik() const { return suma_ + reszta_; }

private:
    double suma_ = 0;
    double reszta_ = 0;
};

// The storey columns are headed as text: "piętro 1", not the number 1.
QString NaglowekPoziomu(const QString& poziom) {
    return LevelIndex(poziom) > WIERSZ_PODDASZA ? QStringLiteral("piętro ") + poziom : poziom;
}

// The opening kinds of the type's sashes: "1: uchylne; 2: stałe w ramie".
QString SposobyOtwierania(const TOkno& o) {
    QStringList s;
    const int skrzydel = LiczbaSkrzydel(o.TypOkna);
    for (int i = 0; i < skrzydel; ++i)
        s << QStringLiteral("%1: %2").arg(i + 1).arg(o.RodzajSkrzydlaNazwa(i));
    return s.join(QStringLiteral("; "));
}

} // namespace

TArkusz ArkuszOkien(const TZestawienieStolarki& p) {
    TArkusz a;
    a.nazwa = QStringLiteral("Okna");
    a.filtr = true;
    const QStringList poziomy = p.Poziomy();
    QStringList naglowkiPoziomow;
    for (const QString& poziom : poziomy)
        naglowkiPoziomow << NaglowekPoziomu(poziom);
    a.naglowki =
        QStringList{QStringLiteral("Symbol"),        QStringLiteral("Typ okna"),
                    QStringLiteral("Materiał ramy"), QStringLiteral("Szerokość [mm]"),
                    QStringLiteral("Wysokość [mm]"), QStringLiteral("Pole 1 szt. [m²]"),
                    QStringLiteral("Ug [W/m²K]"),    QStringLiteral("źródło Ug"),
                    QStringLiteral("Uf [W/m²K]"),    QStringLiteral("źródło Uf"),
                    QStringLiteral("Psi_g [W/mK]"),  QStringLiteral("d [mm]"),
                    QStringLiteral("Lg [mm]"),       QStringLiteral("dR [m²K/W]"),
                    QStringLiteral("Uw [W/m²K]")} +
        naglowkiPoziomow +
        QStringList{
            QStringLiteral("Sztuk razem"), QStringLiteral("Pole razem [m²]"),
            QStringLiteral("Nawiewniki: liczba"), QStringLiteral("Nawiewniki: szerokość [mm]"),
            QStringLiteral("Cena netto 1 szt. [zł]"), QStringLiteral("Wartość netto [zł]"),
            QStringLiteral("Rodzaj"), QStringLiteral("Umax [W/m²K]"),
            QStringLiteral("Wynik WT 2021"), QStringLiteral("Cena brutto 1 szt. [zł]"),
            QStringLiteral("Wartość brutto [zł]"), QStringLiteral("Brak ceny – powód"),
            QStringLiteral("Sposoby otwierania"), QStringLiteral("g"), QStringLiteral("Osłona"),
            QStringLiteral("fC"), QStringLiteral("g·fC"), QStringLiteral("Wynik WT 2021 latem"),
            QStringLiteral("Uwagi"), QStringLiteral("Uw bez rolety – ocena WT 2021 [W/m²K]"),
            QStringLiteral("Brak Uw – powód"),
            // The terms of the Uw, for a check by hand (the
            // mullions in the geometric method only).
            QStringLiteral("Ag [m²]"), QStringLiteral("Af [m²]"), QStringLiteral("Ap [m²]"),
            QStringLiteral("lg [m]"), QStringLiteral("lp [m]"),
            QStringLiteral("Słupki i ślemiona [mm]"), QStringLiteral("Up [W/m²K]"),
            QStringLiteral("Psi_p [W/mK]"), QStringLiteral("Budowa szyby (PN-EN 673)")};
    const int kUw = 14;
    const int kSztuk = kUw + 1 + static_cast<int>(poziomy.size());
    const int kPole = kSztuk + 1;
    const int kWartosc = kSztuk + 5;
    const int kBrutto = kSztuk + 10;

    QVector<int> wiersze; // of the counts, level by level
    for (const QString& poziom : poziomy)
        wiersze << LevelIndex(poziom);
    const std::vector<const TOkno*> kolejno = KolejnoscRaportu(p);
    a.wiersze.reserve(p.LiczbaOkienWLiscie());
    for (const TOkno* okno : kolejno) {
        const TOkno& o = *okno;
        const TCenaOkna cena = CenaOkna(p, o);
        const TUw uw = ObliczUw(o, p);
        const TOcenaWT wt = OcenWT2021(o, p);
        const TOcenaLato lato = OcenLato2021(o, p);
        auto liczba = [&](int k, double x, int miejsca = -1) {
            return LiczbaLubNic(a, o, a.naglowki[k], x, miejsca);
        };
        auto kwota = [&](int k, std::optional<double> x) {
            return x ? liczba(k, *x, 2) : TKomorkaArkusza();
        };
        const std::optional<double> lg = LgOkna(o);
        QVector<TKomorkaArkusza> w{K::Tekst(o.Symbol()),
                                   K::Tekst(o.TypOknaNazwa()),
                                   K::Tekst(o.MaterialRamyNazwa()),
                                   liczba(3, o.Szerokosc),
                                   liczba(4, o.Wysokosc),
                                   liczba(5, PoleOkna(o), 2),
                                   liczba(6, o.Ug),
                                   K::Tekst(NazwaZrodla(o.ZrodloUg)),
                                   liczba(8, o.Uf),
                                   K::Tekst(NazwaZrodla(o.ZrodloUf)),
                                   liczba(10, o.Psi_g),
                                   liczba(11, o.dRamy),
                                   lg ? liczba(12, *lg) : TKomorkaArkusza(),
                                   liczba(13, o.dR),
                                   uw.uw ? K::Liczba(*uw.uw, 2) : TKomorkaArkusza()};
        for (int k = 0; k < poziomy.size(); ++k) {
            int64_t n = 0;
            for (int d = 0; d < LICZBA_KIERUNKOW; ++d)
                n += o.LiczbaOkien.Liczba(wiersze[k], d);
            w << K::Liczba(static_cast<double>(n));
        }
        TSumaOkien pole;
        pole.Dodaj(o.SumaOkien(), o, std::nullopt);
        w << K::Liczba(o.SumaOkien()) << liczba(kPole, pole.Pole(), 2)
          << K::Liczba(o.LiczbaNawiewnikow) << K::Liczba(o.SzerokoscNawiewnika)
          << (cena.Jest() ? liczba(kWartosc - 1, cena.netto.Cena, 2) : TKomorkaArkusza())
          << kwota(kWartosc, cena.wartoscNetto) << K::Tekst(NazwaRodzaju(o.Rodzaj))
          << (wt.umax < 0 ? TKomorkaArkusza() : K::Liczba(wt.umax, 2))
          << K::Tekst(TekstWynikuWT(wt.wynik)) << kwota(kBrutto - 1, cena.brutto)
          << kwota(kBrutto, cena.wartoscBrutto)
          << K::Tekst(cena.Jest()                      ? QString()
                      : cena.netto.Komunikat.isEmpty() ? QStringLiteral("cena nie podana")
                                                       : cena.netto.Komunikat)
          << K::Tekst(SposobyOtwierania(o)) << (o.g >= 0 ? K::Liczba(o.g) : TKomorkaArkusza())
          << K::Tekst(NazwaOslony(o.Oslona)) << K::Liczba(lato.fc)
          << (lato.gfc >= 0 ? K::Liczba(lato.gfc, 2) : TKomorkaArkusza())
          << K::Tekst(TekstWynikuLato(lato.wynik))
          << K::Tekst(RozdzielWiersze(o.Uwagi).join(QLatin1Char('\n')))
          << (uw.uwOkna ? K::Liczba(*uw.uwOkna, 2) : TKomorkaArkusza()) << K::Tekst(uw.brak);
        const TSkladnikiUw& s = uw.skladniki;
        auto skladnik = [&uw](double x) {
            return uw.uw ? K::Liczba(x) : TKomorkaArkusza();
        };
        w << skladnik(s.ag) << skladnik(s.af) << skladnik(s.ap) << skladnik(s.lg) << skladnik(s.lp)
          << (uw.uw && s.slupek > 0 ? K::Liczba(s.slupek) : TKomorkaArkusza())
          << (PlycinyOkna(o) || o.Up ? K::Liczba(o.Up) : TKomorkaArkusza())
          << (PlycinyOkna(o) || o.Psi_p ? K::Liczba(o.Psi_p) : TKomorkaArkusza())
          << K::Tekst(o.BudowaSzyby.isEmpty()
                          ? QString()
                          : o.BudowaSzyby +
                                (o.PowlokiSzyby.isEmpty()
                                     ? QString()
                                     : QStringLiteral(", powłoki ") + o.PowlokiSzyby) +
                                QStringLiteral(", gaz %1%").arg(TekstOgolny(o.WypelnienieGazem)));
        a.wiersze << w;
    }

    // Totals: sums of pieces, areas and values, the mean Uw weighted by
    // area over the windows with thermal data. Each formula's value is the
    // one it computes from the cells above it, exactly; a project with no
    // windows, or none with data, has no formula that could not compute.
    const int n = static_cast<int>(a.wiersze.size());
    a.razem.resize(a.naglowki.size());
    a.razem[0] = K::Tekst(RAZEM);
    if (n == 0)
        return a;
    auto zakres = [n](int k) {
        return KolumnaArkusza(k) + QStringLiteral("2:") + KolumnaArkusza(k) +
               QString::number(n + 1);
    };
    auto sumaKolumny = [&](int k) {
        TSuma s;
        for (const QVector<TKomorkaArkusza>& w : a.wiersze)
            if (w[k].rodzaj == TKomorkaArkusza::Rodzaj::Liczba)
                s.Dodaj(w[k].liczba);
        return s.Wynik();
    };
    auto suma = [&](int k, int miejsca = -1) {
        a.razem[k] = K::Formula(QStringLiteral("SUM(") + zakres(k) + QLatin1Char(')'),
                                sumaKolumny(k), miejsca);
    };
    TSuma licznik, mianownik;
    for (const QVector<TKomorkaArkusza>& w : a.wiersze)
        if (w[kUw].rodzaj == TKomorkaArkusza::Rodzaj::Liczba &&
            w[kPole].rodzaj == TKomorkaArkusza::Rodzaj::Liczba) {
            licznik.Dodaj(w[kUw].liczba * w[kPole].liczba);
            mianownik.Dodaj(w[kPole].liczba);
        }
    const double srednia = licznik.Wynik() / mianownik.Wynik();
    if (mianownik.Wynik() != 0 && std::isfinite(srednia))
        a.razem[kUw] = K::Formula(
            QStringLiteral("SUMPRODUCT(%1,%2)/SUMIF(%1,\"<>\",%2)").arg(zakres(kUw), zakres(kPole)),
            srednia, 2);
    for (int k = kUw + 1; k <= kSztuk; ++k)
        suma(k);
    for (int k : {kPole, kWartosc})
        suma(k, 2);
    // The gross of the total net, as the VAT act has it: the net to the
    // grosz, times the rate, a half grosz up (exact in a spreadsheet too:
    // whole grosze times a rate of few digits, a half held exactly).
    const TSumyCen sumy = SumyCen(p);
    a.razem[kBrutto] =
        K::Formula(QStringLiteral("ROUND(ROUND(SUM(%1)*100,0)*%2/100,0)/100")
                       .arg(zakres(kWartosc), TekstOgolny(100 + p.StawkaVat, QLocale::c())),
                   sumy.SumaCenOkienBrutto, 2);
    return a;
}

TArkusz ArkuszSztuk(const TZestawienieStolarki& p) {
    TArkusz a;
    a.nazwa = QStringLiteral("Kondygnacje i strony");
    a.filtr = true;
    a.naglowki = QStringList{QStringLiteral("Symbol"), QStringLiteral("Kondygnacja")};
    for (const QString& k : SKROTY_KIERUNKOW)
        a.naglowki << k;
    a.naglowki << QStringLiteral("Razem");
    const QStringList poziomy = p.Poziomy();
    for (const TOkno* o : KolejnoscRaportu(p))
        for (const QString& poziom : poziomy) {
            QVector<TKomorkaArkusza> w{K::Tekst(o->Symbol()), K::Tekst(NaglowekPoziomu(poziom))};
            int64_t razem = 0;
            for (int d = 0; d < LICZBA_KIERUNKOW; ++d) {
                const int32_t n = o->GetLiczba(poziom, d);
                razem += n;
                w << K::Liczba(n);
            }
            w << K::Liczba(static_cast<double>(razem));
            a.wiersze << w;
        }
    return a;
}

TArkusz ArkuszStron(const TZestawienieStron& z) {
    TArkusz a;
    a.nazwa = QStringLiteral("Strony świata");
    a.filtr = true;
    // The headings of the table's CSV, which scripts may read by name.
    a.naglowki = QStringList{QStringLiteral("Kondygnacja"), QStringLiteral("Strona"),
                             QStringLiteral("Sztuk"), QStringLiteral("Pole [m2]"),
                             QStringLiteral("Uw [W/m2K]")};
    const QString razem = QStringLiteral("razem");
    auto wiersz = [&](const QString& kondygnacja, const QString& strona, const TKomorkaStron& k) {
        a.wiersze << QVector<TKomorkaArkusza>{
            K::Tekst(kondygnacja), K::Tekst(strona), K::Liczba(static_cast<double>(k.Sztuk)),
            K::Liczba(k.Pole, 2), k.Uw ? K::Liczba(*k.Uw, 2) : TKomorkaArkusza()};
    };
    // Every storey's directions that have windows and its total, then every
    // direction's and the building's.
    for (const TWierszStron& w : z.Kondygnacje) {
        for (std::size_t d = 0; d < LICZBA_KIERUNKOW; ++d)
            if (w.Strony[d].Sztuk > 0)
                wiersz(w.Kondygnacja, SKROTY_KIERUNKOW[d], w.Strony[d]);
        wiersz(w.Kondygnacja, razem, w.Razem);
    }
    for (std::size_t d = 0; d < LICZBA_KIERUNKOW; ++d)
        if (z.Strony[d].Sztuk > 0)
            wiersz(razem, SKROTY_KIERUNKOW[d], z.Strony[d]);
    wiersz(razem, razem, z.Razem);
    return a;
}

TArkusz ArkuszProjektu(const TZestawienieStolarki& p) {
    TArkusz a;
    a.nazwa = QStringLiteral("Projekt");
    a.naglowki = QStringList{QStringLiteral("Dane"), QStringLiteral("Wartość")};
    for (const TPoleProjektu& pole : PolaProjektu()) {
        QVector<TKomorkaArkusza> w{K::Tekst(pole.etykieta)};
        OdwiedzPole(pole, TPrzypadki{[&](pole::Tekst) { w << K::Tekst(pole.tekst(p)); },
                                     [&](pole::Data) { w << K::Tekst(pole.tekst(p)); },
                                     [&](pole::Flaga) {
                                         w << K::Tekst(pole.liczba(p) != 0 ? QStringLiteral("tak")
                                                                           : QStringLiteral("nie"));
                                     },
                                     // Numbers; one with a name by its name.
                                     [&](auto) {
                                         if (pole.nazwa)
                                             w << K::Tekst(pole.nazwa(p));
                                         else
                                             w << K::Liczba(pole.liczba(p));
                                     }});
        a.wiersze << w;
    }
    const TSumyCen sumy = SumyCen(p);
    const TUsrednie u = USrednie(p);
    a.wiersze << QVector<TKomorkaArkusza>{
        K::Tekst(QStringLiteral("Średni ważony współczynnik przenikania ciepła Uśr [W/m²K]")),
        u.u ? K::Liczba(*u.u, 2) : TKomorkaArkusza()};
    a.wiersze << QVector<TKomorkaArkusza>{K::Tekst(QStringLiteral("Uśr obejmuje")),
                                          K::Tekst(TekstZakresuUsr(u))};
    const std::pair<QString, double> razem[] = {
        {QStringLiteral("Łączna cena netto wszystkich wycenionych okien [zł]"), sumy.SumaCenOkien},
        {QStringLiteral("Łączna cena brutto wszystkich wycenionych okien [zł]"),
         sumy.SumaCenOkienBrutto},
        {QStringLiteral("Łączna cena netto montażu wszystkich okien [zł]"), sumy.SumaCenMontazu},
        {QStringLiteral("Łączna cena brutto montażu wszystkich okien [zł]"),
         sumy.SumaCenMontazuBrutto},
        {QStringLiteral("Łączne pole powierzchni wszystkich okien [m²]"), PowierzchniaOkien(p)},
        {QStringLiteral("Cena netto za metr kwadratowy okna (z montażem) [zł/m²]"),
         sumy.CenaZaM2Netto},
        {QStringLiteral("Cena brutto za metr kwadratowy okna (z montażem) [zł/m²]"),
         sumy.CenaZaM2Brutto},
    };
    for (const auto& [etykieta, wartosc] : razem)
        a.wiersze << QVector<TKomorkaArkusza>{K::Tekst(etykieta), K::Liczba(wartosc, 2)};
    const TZgodnoscWT z = ZgodnoscWT2021(p);
    a.wiersze << QVector<TKomorkaArkusza>{K::Tekst(QStringLiteral("Zgodność z WT 2021")),
                                          K::Tekst(TekstZgodnosciWT(z))};
    if (!z.bezDanych.isEmpty())
        a.wiersze << QVector<TKomorkaArkusza>{K::Tekst(QStringLiteral("Bez danych cieplnych")),
                                              K::Tekst(TekstBezDanychWT(z))};
    a.wiersze << QVector<TKomorkaArkusza>{K::Tekst(QStringLiteral("Zgodność z WT 2021 latem")),
                                          K::Tekst(TekstZgodnosciLato(ZgodnoscLato2021(p)))};
    return a;
}

QByteArray CsvArkusza(const TArkusz& a) {
    const QLocale przecinek(QLocale::Polish, QLocale::Poland);
    QString csv;
    auto wiersz = [&](const QVector<TKomorkaArkusza>& komorki) {
        for (int i = 0; i < komorki.size(); ++i) {
            if (i > 0)
                csv += QLatin1Char(';');
            csv += TekstCsv(komorki[i], przecinek);
        }
        csv += QStringLiteral("\r\n");
    };
    QVector<TKomorkaArkusza> naglowek;
    for (const QString& n : a.naglowki)
        naglowek << K::Tekst(n);
    wiersz(naglowek);
    for (const QVector<TKomorkaArkusza>& w : a.wiersze)
        wiersz(w);
    if (!a.razem.isEmpty())
        wiersz(a.razem);
    return QByteArray("\xEF\xBB\xBF") + csv.toUtf8();
}

QByteArray ZestawienieWgStronCsv(const TZestawienieStron& z) {
    return CsvArkusza(ArkuszStron(z));
}
