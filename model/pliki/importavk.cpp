#include "model/pliki/importavk.h"

#include "model/liczby.h"
#include "model/obliczenia/zakresy.h"
#include "model/pliki/bezpiecznyzapis.h"
#include "model/pliki/kodowanie.h"
#include "model/powiadomienia.h"
#include "model/tekst.h"

#include <QFile>

#include <algorithm>
#include <cmath>

namespace {

// Larger files are no Arvo-K projects.
constexpr qint64 MAX_ROZMIAR = 64LL * 1024 * 1024;

// Reads the file line by line as the layout asks; past the end every line is
// empty and the reader says so.
class TCzytnikLinii {
public:
    explicit TCzytnikLinii(const QByteArray& b) : dane_(b) {}

    bool Koniec() const { return poz_ >= dane_.size(); }

    QString Tekst() { return ZCp1250(Linia()); }
    void Pomin() { Linia(); }

    // Blanks, tabs and line ends before the number are skipped; the number is
    // the following run of up to 32 characters above the space, the rest of
    // its line is dropped. Past the end of the file it is 0.
    bool Liczba(int64_t* n) {
        while (!Koniec() && (dane_[poz_] == ' ' || dane_[poz_] == '\t' || dane_[poz_] == '\r' ||
                             dane_[poz_] == '\n'))
            ++poz_;
        if (Koniec()) {
            *n = 0;
            zaKoncem_ = true;
            return true;
        }
        const qsizetype start = poz_;
        while (!Koniec() && poz_ - start < 32 && static_cast<unsigned char>(dane_[poz_]) > ' ')
            ++poz_;
        const QByteArray slowo = dane_.mid(start, poz_ - start);
        const int wiersz = nr_ + 1;
        Linia();
        bool ok = false;
        *n = slowo.toLongLong(&ok, 10);
        if (!ok)
            blad_ = QStringLiteral("w wierszu %1 pliku powinna być liczba, a jest „%2”")
                        .arg(wiersz)
                        .arg(ZCp1250(slowo.left(32)));
        return ok;
    }
    // Why the last number could not be read.
    const QString& Blad() const { return blad_; }
    // Whether the last number was looked for past the end of the file.
    bool ZaKoncem() const { return zaKoncem_; }

private:
    QByteArray Linia() {
        if (Koniec())
            return QByteArray();
        ++nr_;
        qsizetype koniec = dane_.indexOf('\n', poz_);
        if (koniec < 0)
            koniec = dane_.size();
        QByteArray l = dane_.mid(poz_, koniec - poz_);
        if (l.endsWith('\r'))
            l.chop(1);
        poz_ = koniec + 1;
        return l;
    }

    const QByteArray& dane_;
    qsizetype poz_ = 0;
    int nr_ = 0; // lines read
    QString blad_;
    bool zaKoncem_ = false;
};

int Kierunek(const QString& orientacja) {
    static const char* const nazwy[LICZBA_KIERUNKOW] = {"N", "N-E", "E", "S-E",
                                                        "S", "S-W", "W", "N-W"};
    for (int i = 0; i < LICZBA_KIERUNKOW; ++i) {
        if (RowneBezWielkosci(orientacja, QLatin1String(nazwy[i])))
            return i;
    }
    return 0;
}

// Metres in the user's notation, 0 when not a number, to two decimals with
// halves away from zero.
double Metry(const QString& tekst, const QLocale& locale) {
    double x = 0;
    if (!CzytajLiczbe(tekst, &x, locale))
        return 0;
    return std::copysign(std::floor(std::fabs(x * 100) + 0.5), x) / 100;
}

} // namespace

int32_t ImportujArvoK(TZestawienieStolarki& p, const QByteArray& bajty, const QLocale& locale,
                      QString* powod) {
    TCzytnikLinii c(bajty);
    auto blad = [&] {
        if (powod)
            *powod = c.Blad();
        return WYNIK_BLAD;
    };
    const QString parter = POZIOM_PARTER;
    c.Pomin();
    int64_t bezSymbolu = 0;
    int64_t scian = 0;
    if (!c.Liczba(&scian))
        return blad();
    // A project has at least its count of walls: a file that ends before it
    // (empty, or one line of anything) is no Arvo-K project.
    if (c.ZaKoncem()) {
        if (powod)
            *powod = QStringLiteral("plik kończy się przed liczbą ścian (wiersz 2); to nie jest "
                                    "projekt Arvo-K");
        return WYNIK_BLAD;
    }
    c.Pomin();
    // Counts beyond the lines present end at the end of the file.
    for (int64_t s = 0; s < scian && !c.Koniec(); ++s) {
        for (int i = 0; i < 4; ++i)
            c.Pomin();
        const int kierunek = Kierunek(c.Tekst());
        int64_t otworow = 0;
        if (!c.Liczba(&otworow))
            return blad();
        c.Pomin();
        for (int64_t o = 0; o < otworow && !c.Koniec(); ++o) {
            c.Pomin();
            const QString symbolOtworu = c.Tekst();
            const double wysokosc = Metry(c.Tekst(), locale);
            const double szerokosc = Metry(c.Tekst(), locale);
            int64_t sztuk = 0;
            if (!c.Liczba(&sztuk))
                return blad();
            const bool drzwi = RowneBezWielkosci(c.Tekst(), QStringLiteral("TRUE"));
            for (int i = 0; i < 3; ++i)
                c.Pomin();
            const QString symbol = drzwi ? symbolOtworu + QStringLiteral(" (drzwi)") : symbolOtworu;
            // Without a symbol an opening cannot become a window; the user is told.
            if (PrzytnijSymbol(symbol).isEmpty()) {
                ++bezSymbolu;
                continue;
            }
            TOkno* znalezione = p.GetOkno(symbol);
            if (!znalezione && p.AddOkno(symbol) == WYNIK_OK)
                znalezione = p.GetOkno(symbol);
            if (!znalezione)
                continue;
            TOkno& okno = *znalezione;
            okno.Szerokosc = szerokosc * 1000;
            okno.Wysokosc = wysokosc * 1000;
            const int64_t suma = okno.GetLiczba(parter, kierunek) + sztuk;
            okno.SetLiczba(parter, kierunek,
                           static_cast<int32_t>(std::clamp<int64_t>(suma, INT32_MIN, INT32_MAX)));
        }
        c.Pomin();
        c.Pomin();
    }
    c.Pomin();
    // Sizes no window has (a negative width, say) are kept and named.
    ZglosSpozaZakresu(WartosciSpozaZakresu(p));
    if (bezSymbolu > 0)
        Powiadom({TRodzajKomunikatu::Ostrzezenie, QStringLiteral("Import z ARVO K"),
                  QStringLiteral("Pominięto otwory bez symbolu (%1): nie można z nich utworzyć "
                                 "okien.")
                      .arg(bezSymbolu)});
    return WYNIK_OK;
}

int32_t ImportujArvoKZPliku(TZestawienieStolarki& p, const QString& sciezka, const QLocale& locale,
                            QString* powod) {
    QFile f(sciezka);
    const bool otwarty = f.open(QIODevice::ReadOnly);
    if (otwarty && f.size() > MAX_ROZMIAR) {
        if (powod)
            *powod = QStringLiteral("plik jest zbyt duży, by mógł być projektem Arvo-K");
        return WYNIK_BLAD;
    }
    const QByteArray bajty = otwarty ? f.readAll() : QByteArray();
    if (!otwarty || f.error() != QFileDevice::NoError) {
        if (powod)
            *powod = PowodBleduOdczytu(f.fileName(), f.errorString());
        return WYNIK_BLAD;
    }
    return ImportujArvoK(p, bajty, locale, powod);
}
