// Reading project files (.tmv): a file of this program, of the original, of
// another program or written by hand, whole or cut, into a project.

#include "model/liczby.h"
#include "model/obliczenia/zakresy.h"
#include "model/pliki/bezpiecznyzapis.h"
#include "model/pliki/kodowanie.h"
#include "model/pliki/plikprofilu.h"
#include "model/pliki/plikprojektu.h"
#include "model/pliki/poziomypliku.h"
#include "model/pliki/urwanie.h"
#include "model/polaokna.h"
#include "model/polaprojektu.h"
#include "model/powiadomienia.h"
#include "model/tekst.h"

#include <QFile>

#include <algorithm>
#include <cstring>
#include <unordered_map>
#include <utility>
#include <vector>

using namespace plik_projektu;

namespace {

// Larger files are refused rather than read into memory.
constexpr qint64 MAX_ROZMIAR_PLIKU = TPlikProfilu::MAX_ROZMIAR;

// Decimal value straight from the file's bytes; only a value that is not
// plain ASCII (a locale's own separator) needs decoding first.
bool CzytajDziesietnaZBajtow(QByteArrayView t, double* wynik, const QLocale& locale) {
    return CzytajLiczbe(t, wynik) || CzytajLiczbe(ZCp1250(t), wynik, locale);
}

double CzytajDziesietna(const TSekcjaProfilu* s, const char* klucz, double domyslna,
                        const QLocale& locale) {
    const auto w = s ? s->Surowa(klucz) : std::nullopt;
    double x = 0;
    return w && CzytajDziesietnaZBajtow(*w, &x, locale) ? x : domyslna;
}

QString CzytajTekst(const TSekcjaProfilu* s, const char* klucz,
                    const QString& domyslny = QString()) {
    return s ? s->Tekst(klucz, domyslny) : domyslny;
}

int32_t CzytajCalkowita(const TSekcjaProfilu* s, const char* klucz, int32_t domyslna) {
    return s ? s->Liczba(klucz, domyslna) : domyslna;
}

bool CzytajFlage(const TSekcjaProfilu* s, const char* klucz) {
    return s && s->Flaga(klucz, false);
}

QDateTime CzytajDate(const TSekcjaProfilu* s, const QLocale& locale) {
    const QString tekst = CzytajTekst(s, "Data");
    QDate data = QDate::fromString(tekst, FORMAT_DATY);
    if (!data.isValid())
        data = locale.toDate(tekst, QLocale::ShortFormat);
    // A project without a date keeps none: no one is told today's date as
    // the date of the schedule.
    if (!data.isValid())
        return QDateTime();
    return QDateTime(data, QTime(0, 0));
}

// Number i of a section named "Okno" + i, as the reader would name it; -1 for
// any other name.
qint64 NumerSekcjiOkna(QByteArrayView nazwa) {
    if (nazwa.size() < 5 || nazwa.size() > 14 ||
        !sekcyjne::RowneBezWielkosci()(nazwa.first(4), QByteArrayView("okno")))
        return -1;
    const QByteArrayView cyfry = nazwa.sliced(4);
    if (cyfry.size() > 1 && cyfry[0] == '0')
        return -1;
    qint64 n = 0;
    for (char c : cyfry) {
        if (c < '0' || c > '9')
            return -1;
        n = n * 10 + (c - '0');
    }
    return n;
}

// The window sections Okno0 … Okno(n−1) that the file really has, in order
// (a count far beyond them costs nothing), and the names of those numbered
// at n or above, which no count covers.
struct TSekcjeOkien {
    std::vector<std::pair<qint64, const TSekcjaProfilu*>> kolejno;
    std::vector<const TSekcjaProfilu*> poza;
};

TSekcjeOkien SekcjeOkien(const TPlikProfilu& plik, int32_t n) {
    TSekcjeOkien wynik;
    for (int i = 0; i < plik.LiczbaSekcji(); ++i) {
        const TSekcjaProfilu& s = plik.SekcjaNr(i);
        const qint64 numer = NumerSekcjiOkna(s.SurowaNazwa());
        if (numer >= 0 && numer < n)
            wynik.kolejno.emplace_back(numer, &s);
        else if (numer >= n)
            wynik.poza.push_back(&s);
    }
    std::sort(wynik.kolejno.begin(), wynik.kolejno.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    return wynik;
}

// What a key of a window section stands for: a field of the table, or the
// count of a level's row and a direction.
struct TZnaczenieKlucza {
    int pole = -1;   // index in PolaOkna(), or -1
    int wiersz = -1; // count: the level's row
    int kierunek = 0;
};

// The place of the counts among the fields.
std::size_t PoleLiczb() {
    static const std::size_t nr = [] {
        const std::vector<TPoleOkna>& pola = PolaOkna();
        for (std::size_t i = 0; i < pola.size(); ++i)
            if (pola[i].rodzaj == TRodzajPola::Liczby)
                return i;
        return pola.size();
    }();
    return nr;
}

using TMapaKluczy = std::unordered_map<QByteArrayView, TZnaczenieKlucza, sekcyjne::HashBezWielkosci,
                                       sekcyjne::RowneBezWielkosci>;

// The keys of a window section: in the order the writer puts them, where a
// file of this program has them, and by name for any other order.
struct TIndeksKluczy {
    std::vector<std::pair<QByteArrayView, TZnaczenieKlucza>> kolejno;
    TMapaKluczy mapa;
};

TIndeksKluczy IndeksKluczy(const QVector<TPoziomPliku>& poziomy) {
    TIndeksKluczy indeks;
    auto dodaj = [&indeks](QByteArrayView klucz, TZnaczenieKlucza z) {
        indeks.kolejno.emplace_back(klucz, z);
        indeks.mapa.emplace(klucz, z);
    };
    dodaj("Numer", TZnaczenieKlucza{}); // written, never read
    const std::vector<TPoleOkna>& pola = PolaOkna();
    for (std::size_t i = 0; i < pola.size(); ++i) {
        if (pola[i].rodzaj == TRodzajPola::Liczby) {
            for (const TPoziomPliku& pp : poziomy) {
                for (int d = 0; d < LICZBA_KIERUNKOW; ++d)
                    dodaj(pp.klucze[static_cast<std::size_t>(d)],
                          TZnaczenieKlucza{-1, pp.wiersz, d});
            }
        } else {
            dodaj(pola[i].klucz, TZnaczenieKlucza{pola[i].czytane ? static_cast<int>(i) : -1});
        }
    }
    return indeks;
}

// What a key of the section stands for: the next key in the writer's order
// is compared byte by byte, any other is looked up by name.
const TZnaczenieKlucza* Znaczenie(const TIndeksKluczy& indeks, QByteArrayView klucz,
                                  std::size_t& nastepny) {
    if (nastepny < indeks.kolejno.size()) {
        const QByteArrayView oczekiwany = indeks.kolejno[nastepny].first;
        if (oczekiwany.size() == klucz.size() &&
            std::memcmp(oczekiwany.data(), klucz.data(), static_cast<std::size_t>(klucz.size())) ==
                0)
            return &indeks.kolejno[nastepny++].second;
    }
    const auto it = indeks.mapa.find(klucz);
    return it == indeks.mapa.end() ? nullptr : &it->second;
}

// The names each field met (their bytes in the file) and their codes: a
// catalogue's few names are looked up once each.
struct TKodNazwy {
    int32_t kod = 0;
    bool ok = false;
};
using TZnanaNazwa = std::unordered_map<QByteArrayView, TKodNazwy, sekcyjne::HashBezWielkosci>;

// The section's lines one by one, each looked up once; of repeated keys the
// first counts. What the section lacks keeps the new window's default.
void CzytajOkno(const TSekcjaProfilu& s, TOkno& o, const TIndeksKluczy& indeks,
                std::vector<TZnanaNazwa>& nazwy, std::vector<char>& przeczytane,
                std::vector<char>& liczby, const QLocale& locale, QStringList& nieznane) {
    const std::vector<TPoleOkna>& pola = PolaOkna();
    // Which fields and counts this section gave already (made once for all).
    przeczytane.assign(pola.size(), 0);
    liczby.assign(static_cast<std::size_t>(o.LiczbaOkien.Wiersze()) * LICZBA_KIERUNKOW, 0);
    std::size_t nastepny = 0;
    for (int i = 0; i < s.LiczbaWpisow(); ++i) {
        const TZnaczenieKlucza* znaczenie = Znaczenie(indeks, s.Klucz(i), nastepny);
        if (!znaczenie || (znaczenie->pole < 0 && znaczenie->wiersz < 0))
            continue; // unknown, or a key that is not read
        const TZnaczenieKlucza& z = *znaczenie;
        const QByteArrayView wartosc = s.Wartosc(i);
        if (z.pole < 0) {
            przeczytane[PoleLiczb()] = 1;
            const std::size_t nr =
                static_cast<std::size_t>(z.wiersz) * LICZBA_KIERUNKOW + z.kierunek;
            if (z.wiersz < 0 || z.wiersz >= o.LiczbaOkien.Wiersze() || liczby[nr])
                continue;
            liczby[nr] = 1;
            int32_t n = 0;
            // A count of -1 is ignored, as SetLiczba does.
            if (CzytajLiczbeCalkowita(wartosc, &n) && n != -1)
                o.LiczbaOkien.Ustaw(z.wiersz, z.kierunek, n);
            continue;
        }
        const auto nr = static_cast<std::size_t>(z.pole);
        if (przeczytane[nr])
            continue;
        przeczytane[nr] = 1;
        const TPoleOkna& pole = pola[nr];
        OdwiedzPole(
            pole,
            TPrzypadki{[&](pole::Dziesietna) {
                           double x = 0;
                           pole.ustawLiczbe(
                               o, CzytajDziesietnaZBajtow(wartosc, &x, locale) ? x : pole.domyslna);
                       },
                       [&](pole::Calkowita) {
                           int32_t n = 0;
                           pole.ustawLiczbe(o,
                                            CzytajLiczbeCalkowita(wartosc, &n) ? n : pole.domyslna);
                       },
                       [&](pole::Nazwa) {
                           // Names repeat from window to window: each is looked up once.
                           TZnanaNazwa& znane = nazwy[nr];
                           auto it = znane.find(wartosc);
                           if (it == znane.end() && znane.size() < 256) {
                               TKodNazwy k;
                               k.kod = pole.kod(ZCp1250(wartosc), &k.ok);
                               it = znane.emplace(wartosc, k).first;
                           }
                           TKodNazwy znana;
                           if (it != znane.end())
                               znana = it->second;
                           else
                               znana.kod = pole.kod(ZCp1250(wartosc), &znana.ok);
                           if (znana.ok) // a name that matches none leaves the value as it was
                               pole.ustawKod(o, znana.kod);
                           else if (!wartosc.isEmpty() && nieznane.size() < 10)
                               nieznane << QStringLiteral("okno %1 – %2 „%3”")
                                               .arg(o.Symbol(), pole.etykieta, ZCp1250(wartosc));
                           else if (!wartosc.isEmpty())
                               nieznane << QString(); // counted, not named
                       },
                       // The counts are read by their own keys above.
                       [&](pole::Liczby) {},
                       [&](auto) {
                           pole.ustawTekst(o, ZCp1250(wartosc));
                       }});
    }
}

// The fields a section that gives no window has, as CzytajOkno marks them.
void ObecnePola(const TSekcjaProfilu& s, const TIndeksKluczy& indeks,
                std::vector<char>& przeczytane) {
    przeczytane.assign(PolaOkna().size(), 0);
    std::size_t nastepny = 0;
    for (int i = 0; i < s.LiczbaWpisow(); ++i) {
        const TZnaczenieKlucza* z = Znaczenie(indeks, s.Klucz(i), nastepny);
        if (z && z->pole >= 0)
            przeczytane[static_cast<std::size_t>(z->pole)] = 1;
        else if (z && z->wiersz >= 0)
            przeczytane[PoleLiczb()] = 1;
    }
}

// Values no window or project may hold are kept as the file has them (the
// user corrects them, nothing is lost), named once, and give no number made
// of them: such a window has no Uw (brak danych). An unknown method of Uw is
// named too; the project takes the estimate, as a file without one does.
void ZglosSpozaZakresu(const TZestawienieStolarki& p, const TSekcjaProfilu* projekt) {
    QStringList wartosci = WartosciSpozaZakresu(p);
    const int32_t metoda = CzytajCalkowita(projekt, "MetodaUw", 0);
    if (metoda != 0 && metoda != 1)
        wartosci.prepend(QStringLiteral("projekt – nieznana metoda obliczania Uw %1 (przyjęto: %2)")
                             .arg(metoda)
                             .arg(TZestawienieStolarki::NazwaMetodyUw(p.Metoda())));
    ::ZglosSpozaZakresu(wartosci);
}

// How many of the windows left out a message names.
constexpr int MAX_NAZWANYCH_POMINIETYCH = 10;

void ZglosBlad(const QString& tytul, const QString& tresc) {
    Powiadom({TRodzajKomunikatu::Blad, tytul, tresc});
}

} // namespace

int32_t CzytajBajtyProjektu(const QString& sciezka, QByteArray* bajty, QString* powod) {
    QFile f(sciezka);
    if (!f.open(QIODevice::ReadOnly)) {
        if (powod)
            *powod = PowodBleduOdczytu(f.fileName(), f.errorString());
        return WYNIK_BLAD;
    }
    if (f.size() > MAX_ROZMIAR_PLIKU) {
        ZglosBlad(QStringLiteral("Błąd"),
                  QStringLiteral("Plik jest zbyt duży, by mógł być projektem Termivo!"));
        return WYNIK_BLAD;
    }
    *bajty = f.read(MAX_ROZMIAR_PLIKU + 1);
    if (f.error() != QFileDevice::NoError || bajty->size() > MAX_ROZMIAR_PLIKU) {
        if (powod)
            *powod = PowodBleduOdczytu(f.fileName(), f.errorString());
        return WYNIK_BLAD;
    }
    return WYNIK_OK;
}

int32_t WczytajProjekt(TZestawienieStolarki& p, const QString& sciezka, const QLocale& locale,
                       TOdczytProjektu* odczyt) {
    QByteArray bajty;
    if (CzytajBajtyProjektu(sciezka, &bajty) != WYNIK_OK)
        return WYNIK_BLAD;
    return WczytajProjektZBajtow(p, bajty, locale, odczyt);
}

int32_t WczytajProjektZBajtow(TZestawienieStolarki& p, const QByteArray& bajty,
                              const QLocale& locale, TOdczytProjektu* odczyt) {
    if (!Cp1250Dostepne()) {
        ZglosBlad(QStringLiteral("Błąd"),
                  QStringLiteral("Brak konwersji tekstu ze strony kodowej Windows-1250: projektu "
                                 "nie można odczytać."));
        return WYNIK_BLAD;
    }
    const TPlikProfilu plik(bajty);
    const TSekcjaProfilu* info = plik.Sekcja("Info");
    const TSekcjaProfilu* projekt = plik.Sekcja("Projekt");
    const TSekcjaProfilu* okna = plik.Sekcja("Okna");
    // Bytes no text has, or none of the project's sections: some other
    // file, which must neither open nor be saved over as a project.
    if (bajty.contains('\0') || (!info && !projekt && !okna)) {
        ZglosBlad(QStringLiteral("Błąd"), KOMUNIKAT_NIE_PROJEKT);
        return WYNIK_BLAD;
    }

    const QString program = CzytajTekst(info, "Program");
    if (!program.isEmpty() && program.compare(QStringLiteral("Termivo"), Qt::CaseInsensitive)) {
        ZglosBlad(QStringLiteral("Błąd"), QStringLiteral("Plik nie jest formatu Termivo!"));
        return WYNIK_BLAD;
    }

    // The header's texts and numbers from the table; the date and the
    // levels, whose rules tie them together, by hand.
    for (const TPoleProjektu& pole : PolaProjektu())
        OdwiedzPole(pole,
                    TPrzypadki{[&](pole::Tekst) {
                                   pole.ustawTekst(p, CzytajTekst(projekt, pole.klucz.constData()));
                               },
                               [&](pole::Dziesietna) {
                                   pole.ustawLiczbe(p, CzytajDziesietna(projekt,
                                                                        pole.klucz.constData(),
                                                                        pole.domyslna, locale));
                               },
                               [&](pole::Calkowita) {
                                   if (!pole.zPoziomami)
                                       pole.ustawLiczbe(
                                           p, CzytajCalkowita(projekt, pole.klucz.constData(),
                                                              static_cast<int32_t>(pole.domyslna)));
                               },
                               // The date and the levels below.
                               [&](auto) {
                               }});
    p.Data = CzytajDate(projekt, locale);
    p.SetPodpiwniczenie(CzytajFlage(projekt, "Podpiwniczenie"));
    p.SetParter(CzytajFlage(projekt, "Parter"));
    int32_t pietra = CzytajCalkowita(projekt, "LiczbaPieter", 0);
    if (pietra > MAX_LICZBA_PIETER) {
        Powiadom({TRodzajKomunikatu::Ostrzezenie, QStringLiteral("Informacja"),
                  QStringLiteral("Liczba pięter w pliku (%1) przekracza dopuszczalną wartość "
                                 "%2. Przyjęto %2.")
                      .arg(pietra)
                      .arg(MAX_LICZBA_PIETER)});
        pietra = MAX_LICZBA_PIETER;
    }
    p.SetLiczbaPieter(pietra);
    p.SetPoddasze(CzytajFlage(projekt, "Poddasze"));
    // The ground floor stays while there are floors or an attic above it,
    // as the project panel has it: a project shown is a project unchanged.
    if (p.LiczbaPieter() > 0 || p.Poddasze())
        p.SetParter(true);

    const int32_t liczba = CzytajCalkowita(okna, "Liczba", 0);
    const QVector<TPoziomPliku> poziomy = PoziomyPliku(p);
    const TIndeksKluczy indeks = IndeksKluczy(poziomy);
    std::vector<TZnanaNazwa> nazwy(PolaOkna().size());
    std::vector<char> przeczytane, liczby;
    TSekcjeOkien sekcje = SekcjeOkien(plik, liczba);
    TOdczytProjektu wynik;
    QStringList nieznane; // names of the catalogue the file has wrong
    wynik.zadeklarowane = liczba;
    auto pomin = [&wynik](const TSekcjaProfilu& s, const QString& powod) {
        if (++wynik.pominietych <= MAX_NAZWANYCH_POMINIETYCH)
            wynik.pominiete << s.Nazwa() + QStringLiteral(" (") + powod + QLatin1Char(')');
    };
    bool zaDuzo = false;
    if (sekcje.kolejno.size() > static_cast<std::size_t>(MAX_LICZBA_OKIEN)) {
        zaDuzo = true;
        sekcje.kolejno.resize(static_cast<std::size_t>(MAX_LICZBA_OKIEN));
    }
    p.Zarezerwuj(static_cast<int>(sekcje.kolejno.size()));
    TUrwanieOkien urwanie;
    for (std::size_t i = 0; i < sekcje.kolejno.size(); ++i) {
        const TSekcjaProfilu& sekcja = *sekcje.kolejno[i].second;
        const QString symbol = sekcja.Tekst("Symbol");
        if (symbol.isEmpty()) {
            pomin(sekcja, QStringLiteral("brak symbolu"));
            ObecnePola(sekcja, indeks, przeczytane);
        } else if (p.AddOkno(symbol) != WYNIK_OK) {
            pomin(sekcja, QStringLiteral("symbol „%1” powtarza się").arg(PrzytnijSymbol(symbol)));
            ObecnePola(sekcja, indeks, przeczytane);
        } else {
            // The window just added is the last one.
            CzytajOkno(sekcja, *p.Okno(p.LiczbaOkienWLiscie() - 1), indeks, nazwy, przeczytane,
                       liczby, locale, nieznane);
        }
        urwanie.Sekcja(przeczytane, i + 1 == sekcje.kolejno.size());
    }
    for (const TSekcjaProfilu* s : sekcje.poza)
        pomin(*s, QStringLiteral("poza liczbą okien podaną w sekcji [Okna]"));
    wynik.wczytane = p.LiczbaOkienWLiscie();

    TSladyUrwania slady;
    slady.bezKoncaLinii = BezKoncaLinii(bajty);
    slady.mniejSekcjiNizZadeklarowano = static_cast<qint64>(sekcje.kolejno.size()) < liczba;
    slady.bezListyOkien = !(okna && okna->Surowa("Liczba"));
    slady.urwaneOstatnieOkno = urwanie.Urwane();
    const bool bezListy = slady.bezListyOkien;
    wynik.niekompletny = zaDuzo || plik.Obciety() || slady.Urwany();
    if (zaDuzo || plik.Obciety())
        Powiadom({TRodzajKomunikatu::Informacja, QStringLiteral("Informacja"),
                  QStringLiteral("Plik projektu zawiera więcej danych, niż program może wczytać "
                                 "(najwyżej %1 okien); wczytano %2 okien.")
                      .arg(MAX_LICZBA_OKIEN)
                      .arg(wynik.wczytane)});
    else if (wynik.niekompletny)
        Powiadom({TRodzajKomunikatu::Informacja, QStringLiteral("Informacja"),
                  bezListy ? KOMUNIKAT_NIEKOMPLETNY_BEZ_OKIEN
                           : KOMUNIKAT_NIEKOMPLETNY.arg(wynik.wczytane).arg(wynik.zadeklarowane)});
    ZglosSpozaZakresu(p, projekt);
    if (!nieznane.isEmpty()) {
        QStringList nazwane = nieznane;
        nazwane.removeAll(QString());
        const QString lista = ListaZReszta(nazwane, nieznane.size() - nazwane.size());
        Powiadom({TRodzajKomunikatu::Ostrzezenie, QStringLiteral("Informacja"),
                  QStringLiteral("Plik zawiera nazwy, których program nie zna; przyjęto "
                                 "wartości domyślne: %1.")
                      .arg(lista)});
    }
    if (wynik.pominietych > 0) {
        const QString lista =
            ListaZReszta(wynik.pominiete, wynik.pominietych - wynik.pominiete.size());
        Powiadom({TRodzajKomunikatu::Ostrzezenie, QStringLiteral("Informacja"),
                  KOMUNIKAT_POMINIETE.arg(lista)});
    }
    if (odczyt)
        *odczyt = wynik;
    return WYNIK_OK;
}
