#include "arkusze.h"

#include "katalog.h"
#include "kolejnosc.h"
#include "liczby.h"
#include "orientacje.h"
#include "polaprojektu.h"
#include "tekst.h"
#include "wt2021.h"
#include "zestawienie.h"

#include <QLocale>

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

TArkusz ArkuszOkien(const TZestawienieStolarki& p) {
    TArkusz a;
    a.nazwa = QStringLiteral("Okna");
    a.filtr = true;
    const QStringList poziomy = p.Poziomy();
    a.naglowki = QStringList{QStringLiteral("Symbol"),        QStringLiteral("Typ okna"),
                             QStringLiteral("Materiał ramy"), QStringLiteral("Szerokość [mm]"),
                             QStringLiteral("Wysokość [mm]"), QStringLiteral("Pole 1 szt. [m²]"),
                             QStringLiteral("Ug [W/m²K]"),    QStringLiteral("źródło Ug"),
                             QStringLiteral("Uf [W/m²K]"),    QStringLiteral("źródło Uf"),
                             QStringLiteral("Psi_g [W/mK]"),  QStringLiteral("d [mm]"),
                             QStringLiteral("Lg [mm]"),       QStringLiteral("dR [m²K/W]"),
                             QStringLiteral("Uw [W/m²K]")} +
                 poziomy +
                 QStringList{QStringLiteral("Sztuk razem"),
                             QStringLiteral("Pole razem [m²]"),
                             QStringLiteral("Nawiewniki: liczba"),
                             QStringLiteral("Nawiewniki: szerokość [mm]"),
                             QStringLiteral("Cena netto 1 szt. [zł]"),
                             QStringLiteral("Wartość netto [zł]"),
                             QStringLiteral("Rodzaj"),
                             QStringLiteral("Umax [W/m²K]"),
                             QStringLiteral("Wynik WT 2021"),
                             QStringLiteral("Uwagi")};
    const int kUw = 14;
    const int kSztuk = kUw + 1 + static_cast<int>(poziomy.size());
    const int kPole = kSztuk + 1;
    const int kWartosc = kSztuk + 5;

    const std::vector<const TOkno*> kolejno = KolejnoscRaportu(p);
    a.wiersze.reserve(p.LiczbaOkienWLiscie());
    std::vector<double> sumyPoziomow(static_cast<std::size_t>(poziomy.size()), 0);
    for (const TOkno* okno : kolejno) {
        const TOkno& o = *okno;
        const double pole1 = o.Szerokosc * o.Wysokosc / 1e6;
        const double cena = p.CenaNetto(o).Cena;
        const TOcenaWT wt = OcenWT2021(o, p.TemperaturaWewnetrzna);
        QVector<TKomorkaArkusza> w{K::Tekst(o.Symbol()),
                                   K::Tekst(o.TypOknaNazwa()),
                                   K::Tekst(o.MaterialRamyNazwa()),
                                   K::Liczba(o.Szerokosc),
                                   K::Liczba(o.Wysokosc),
                                   K::Liczba(pole1, 2),
                                   K::Liczba(o.Ug),
                                   K::Tekst(NazwaZrodla(o.ZrodloUg)),
                                   K::Liczba(o.Uf),
                                   K::Tekst(NazwaZrodla(o.ZrodloUf)),
                                   K::Liczba(o.Psi_g),
                                   K::Liczba(o.dRamy),
                                   K::Liczba(o.LgObliczeniowe()),
                                   K::Liczba(o.dR),
                                   K::Liczba(o.Uw(), 2)};
        for (int k = 0; k < poziomy.size(); ++k) {
            int64_t n = 0;
            for (int d = 0; d < LICZBA_KIERUNKOW; ++d)
                n += o.GetLiczba(poziomy[k], d);
            sumyPoziomow[static_cast<std::size_t>(k)] += static_cast<double>(n);
            w << K::Liczba(static_cast<double>(n));
        }
        w << K::Liczba(o.SumaOkien()) << K::Liczba(o.SumaOkien() * pole1, 2)
          << K::Liczba(o.LiczbaNawiewnikow) << K::Liczba(o.SzerokoscNawiewnika)
          << (cena == -1 ? TKomorkaArkusza() : K::Liczba(cena, 2))
          << (cena == -1 ? TKomorkaArkusza() : K::Liczba(cena * o.SumaOkien(), 2))
          << K::Tekst(NazwaRodzaju(o.Rodzaj))
          << (wt.umax < 0 ? TKomorkaArkusza() : K::Liczba(wt.umax, 2))
          << K::Tekst(TekstWynikuWT(wt.wynik))
          << K::Tekst(RozdzielWiersze(o.Uwagi).join(QLatin1Char('\n')));
        a.wiersze << w;
    }

    // Totals: sums of pieces, areas and values; the mean Uw weighted by
    // area. The values given are the program's own.
    const int n = static_cast<int>(a.wiersze.size());
    auto zakres = [n](int k) {
        return KolumnaArkusza(k) + QStringLiteral("2:") + KolumnaArkusza(k) +
               QString::number(n + 1);
    };
    auto suma = [&](int k, double wartosc, int miejsca = -1) {
        return K::Formula(QStringLiteral("SUM(") + zakres(k) + QLatin1Char(')'), wartosc, miejsca);
    };
    a.razem.resize(a.naglowki.size());
    a.razem[0] = K::Tekst(RAZEM);
    if (n > 0)
        a.razem[kUw] =
            K::Formula(QStringLiteral("SUMPRODUCT(%1,%2)/SUM(%2)").arg(zakres(kUw), zakres(kPole)),
                       p.USrednie(), 2);
    else
        a.razem[kUw] = K::Liczba(0, 2);
    for (int k = 0; k < poziomy.size(); ++k)
        a.razem[kUw + 1 + k] = suma(kUw + 1 + k, sumyPoziomow[static_cast<std::size_t>(k)]);
    int64_t sztuk = 0;
    for (int i = 0; i < p.LiczbaOkienWLiscie(); ++i)
        sztuk += p.Okno(i)->SumaOkien();
    a.razem[kSztuk] = suma(kSztuk, static_cast<double>(sztuk));
    a.razem[kPole] = suma(kPole, p.PowierzchniaOkien(), 2);
    a.razem[kWartosc] = suma(kWartosc, p.SumyCen().SumaCenOkien, 2);
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
        switch (pole.rodzaj) {
        case TRodzajPolaProjektu::Tekst:
        case TRodzajPolaProjektu::Data:
            w << K::Tekst(pole.tekst(p));
            break;
        case TRodzajPolaProjektu::Flaga:
            w << K::Tekst(pole.liczba(p) != 0 ? QStringLiteral("tak") : QStringLiteral("nie"));
            break;
        case TRodzajPolaProjektu::Calkowita:
        case TRodzajPolaProjektu::Dziesietna:
            w << K::Liczba(pole.liczba(p));
            break;
        }
        a.wiersze << w;
    }
    const TSumyCen sumy = p.SumyCen();
    const std::pair<QString, double> razem[] = {
        {QStringLiteral("Średni ważony współczynnik przenikania ciepła Uśr [W/m²K]"), p.USrednie()},
        {QStringLiteral("Łączna cena netto wszystkich wycenionych okien [zł]"), sumy.SumaCenOkien},
        {QStringLiteral("Łączna cena netto montażu wszystkich okien [zł]"), sumy.SumaCenMontazu},
        {QStringLiteral("Łączne pole powierzchni wszystkich okien [m²]"), p.PowierzchniaOkien()},
        {QStringLiteral("Cena netto za metr kwadratowy okna (z montażem) [zł/m²]"),
         sumy.CenaZaM2Netto},
    };
    for (const auto& [etykieta, wartosc] : razem)
        a.wiersze << QVector<TKomorkaArkusza>{K::Tekst(etykieta), K::Liczba(wartosc, 2)};
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
