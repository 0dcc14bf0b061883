#include "plikprojektu.h"

#include "liczby.h"
#include "plikprofilu.h"
#include "powiadomienia.h"
#include "wersja.h"

#include <QFile>
#include <QRegularExpression>
#include <QSaveFile>

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace {

// Larger files are refused rather than read into memory.
constexpr qint64 MAX_ROZMIAR_PLIKU = 256LL * 1024 * 1024;

const QString INFO = QStringLiteral("Info");
const QString PROJEKT = QStringLiteral("Projekt");
const QString OKNA = QStringLiteral("Okna");
const QString PREFIKS_OKNA = QStringLiteral("Okno");
const QString FORMAT_DATY = QStringLiteral("yyyy-MM-dd");

QString KluczLiczby(const QString& poziom, int kierunek) {
    QString nazwa;
    if (poziom == POZIOM_PODPIWNICZENIE)
        nazwa = QStringLiteral("LiczbaNaPodpiwniczenieNaStrone");
    else if (poziom == POZIOM_PARTER)
        nazwa = QStringLiteral("LiczbaNaParterNaStrone");
    else if (poziom == POZIOM_PODDASZE)
        nazwa = QStringLiteral("LiczbaNaPoddaszeNaStrone");
    else
        nazwa = QStringLiteral("LiczbaNaPietro") + poziom + QStringLiteral("NaStrone");
    return nazwa + QString::number(kierunek);
}

QString KluczSkrzydla(int i) {
    return QStringLiteral("RodzajSkrzydlaNr%1").arg(i + 1);
}

void ZapiszOkno(TPlikProfilu& plik, const QString& sekcja, int numer, const TOkno& o,
                const QStringList& poziomy, const QLocale& locale) {
    auto liczba = [&](const char* klucz, double x) {
        plik.Zapisz(sekcja, QLatin1String(klucz), TekstOgolny(x, locale));
    };
    auto tekst = [&](const char* klucz, const QString& s) {
        plik.Zapisz(sekcja, QLatin1String(klucz), s);
    };
    plik.ZapiszLiczbe(sekcja, QStringLiteral("Numer"), numer);
    tekst("Symbol", o.Symbol());
    liczba("Szerokosc", o.Szerokosc);
    liczba("Wysokosc", o.Wysokosc);
    tekst("TypOkna", o.TypOknaNazwa());
    for (int i = 0; i < MAX_SKRZYDEL; ++i)
        plik.Zapisz(sekcja, KluczSkrzydla(i), o.RodzajSkrzydlaNazwa(i));
    liczba("Ug", o.Ug);
    tekst("ZrodloUg", NazwaZrodla(o.ZrodloUg));
    plik.ZapiszLiczbe(sekcja, QStringLiteral("SzkloKodID"), o.SzkloKodID);
    liczba("Uf", o.Uf);
    tekst("ZrodloUf", NazwaZrodla(o.ZrodloUf));
    plik.ZapiszLiczbe(sekcja, QStringLiteral("RamaKodID"), o.RamaKodID);
    tekst("MaterialRamy", o.MaterialRamyNazwa());
    liczba("Psi_g", o.Psi_g);
    liczba("dRamy", o.dRamy);
    liczba("Lg", o.Lg);
    liczba("dR", o.dR);
    plik.ZapiszLiczbe(sekcja, QStringLiteral("LiczbaNawiewnikow"), o.LiczbaNawiewnikow);
    plik.ZapiszLiczbe(sekcja, QStringLiteral("SzerokoscNawiewnika"), o.SzerokoscNawiewnika);
    liczba("CenaOkna", o.CenaOkna);
    for (const QString& poziom : poziomy) {
        for (int d = 0; d < LICZBA_KIERUNKOW; ++d)
            plik.ZapiszLiczbe(sekcja, KluczLiczby(poziom, d), o.GetLiczba(poziom, d));
    }
    tekst("Uwagi", o.Uwagi);
}

TPlikProfilu ZbudujPlik(const TZestawienieStolarki& p, const QLocale& locale) {
    TPlikProfilu plik;
    plik.Zapisz(INFO, QStringLiteral("Program"), QStringLiteral("Termivo"));
    plik.Zapisz(INFO, QStringLiteral("Version"), WersjaProgramu());

    auto tekst = [&](const char* klucz, const QString& s) {
        plik.Zapisz(PROJEKT, QLatin1String(klucz), s);
    };
    auto liczba = [&](const char* klucz, double x) {
        plik.Zapisz(PROJEKT, QLatin1String(klucz), TekstOgolny(x, locale));
    };
    tekst("TytulProjektu", p.TytulProjektu);
    tekst("Firma", p.Firma);
    tekst("Projekt", p.Projekt);
    tekst("Obiekt", p.Obiekt);
    tekst("Inwestor", p.Inwestor);
    tekst("Projektant", p.Projektant);
    tekst("Data", p.Data.date().toString(FORMAT_DATY));
    plik.ZapiszFlage(PROJEKT, QStringLiteral("Podpiwniczenie"), p.Podpiwniczenie());
    plik.ZapiszFlage(PROJEKT, QStringLiteral("Parter"), p.Parter());
    plik.ZapiszLiczbe(PROJEKT, QStringLiteral("LiczbaPieter"), p.LiczbaPieter());
    plik.ZapiszFlage(PROJEKT, QStringLiteral("Poddasze"), p.Poddasze());
    liczba("KursEuro", p.KursEuro);
    liczba("StawkaVat", p.StawkaVat);
    liczba("DVPromocjaKlima", p.DVPromocjaKlima);
    liczba("DVPromocjaKobaltowe", p.DVPromocjaKobaltowe);
    liczba("DVPromocjaDVline", p.DVPromocjaDVline);
    liczba("DVPromocjaForma", p.DVPromocjaForma);
    liczba("RabatDodatkowy", p.RabatDodatkowy);
    liczba("CenaMontazuOkna", p.CenaMontazuOkna);
    tekst("ZakresCzynnosci", p.ZakresCzynnosci);

    plik.ZapiszLiczbe(OKNA, QStringLiteral("Liczba"), p.LiczbaOkienWLiscie());
    const QStringList poziomy = p.Poziomy();
    for (int i = 0; i < p.LiczbaOkienWLiscie(); ++i)
        ZapiszOkno(plik, PREFIKS_OKNA + QString::number(i), i, *p.Okno(i), poziomy, locale);
    return plik;
}

double CzytajDziesietna(const TPlikProfilu& plik, const QString& sekcja, const char* klucz,
                        double domyslna, const QLocale& locale) {
    double x = 0;
    return CzytajLiczbeDziesietna(plik.CzytajTekst(sekcja, QLatin1String(klucz)), &x, locale)
               ? x
               : domyslna;
}

QDateTime CzytajDate(const TPlikProfilu& plik, const QLocale& locale) {
    const QString tekst = plik.CzytajTekst(PROJEKT, QStringLiteral("Data"));
    QDate data = QDate::fromString(tekst, FORMAT_DATY);
    if (!data.isValid())
        data = locale.toDate(tekst, QLocale::ShortFormat);
    if (!data.isValid())
        return QDateTime::currentDateTime();
    return QDateTime(data, QTime(0, 0));
}

// The window sections Okno0 … Okno(n−1) that the file really has, in order.
std::vector<std::pair<int, QString>> SekcjeOkien(const TPlikProfilu& plik, int32_t n) {
    static const QRegularExpression wzor(QStringLiteral("^okno(0|[1-9][0-9]{0,9})$"),
                                         QRegularExpression::CaseInsensitiveOption);
    std::vector<std::pair<int, QString>> wynik;
    for (const QString& nazwa : plik.Sekcje()) {
        const auto m = wzor.match(nazwa);
        if (!m.hasMatch())
            continue;
        bool ok = false;
        const qlonglong i = m.captured(1).toLongLong(&ok);
        if (ok && i < n)
            wynik.emplace_back(static_cast<int>(i), nazwa);
    }
    std::sort(wynik.begin(), wynik.end());
    return wynik;
}

void CzytajOkno(const TPlikProfilu& plik, const QString& s, TOkno& o, const QStringList& poziomy,
                const QLocale& locale) {
    auto dziesietna = [&](const char* klucz, double domyslna) {
        return CzytajDziesietna(plik, s, klucz, domyslna, locale);
    };
    auto tekst = [&](const char* klucz) {
        return plik.CzytajTekst(s, QLatin1String(klucz));
    };
    o.Szerokosc = dziesietna("Szerokosc", 0);
    o.Wysokosc = dziesietna("Wysokosc", 0);
    o.SetTypOknaNazwa(plik.CzytajTekst(s, QStringLiteral("TypOkna"), NazwaTypuOkna(1001)));
    for (int i = 0; i < MAX_SKRZYDEL; ++i)
        o.SetRodzajSkrzydlaNazwa(i, plik.CzytajTekst(s, KluczSkrzydla(i), NazwaRodzajuSkrzydla(0)));
    o.Ug = dziesietna("Ug", 0);
    o.ZrodloUg = static_cast<uint8_t>(IndeksZrodla(tekst("ZrodloUg")));
    o.SzkloKodID = plik.CzytajLiczbe(s, QStringLiteral("SzkloKodID"), 0);
    o.Uf = dziesietna("Uf", 0);
    o.ZrodloUf = static_cast<uint8_t>(IndeksZrodla(tekst("ZrodloUf")));
    o.RamaKodID = plik.CzytajLiczbe(s, QStringLiteral("RamaKodID"), 0);
    o.SetMaterialRamyNazwa(
        plik.CzytajTekst(s, QStringLiteral("MaterialRamy"), NazwaMaterialuRamy(MATERIAL_PCV)));
    o.Psi_g = dziesietna("Psi_g", 0);
    o.dRamy = dziesietna("dRamy", 0);
    o.Lg = dziesietna("Lg", 0);
    o.dR = dziesietna("dR", 0);
    o.LiczbaNawiewnikow = plik.CzytajLiczbe(s, QStringLiteral("LiczbaNawiewnikow"), 0);
    o.SzerokoscNawiewnika = plik.CzytajLiczbe(s, QStringLiteral("SzerokoscNawiewnika"), 0);
    o.CenaOkna = dziesietna("CenaOkna", 0);
    for (const QString& poziom : poziomy) {
        for (int d = 0; d < LICZBA_KIERUNKOW; ++d)
            o.SetLiczba(poziom, d, plik.CzytajLiczbe(s, KluczLiczby(poziom, d), 0));
    }
    o.Uwagi = tekst("Uwagi");
}

void ZglosBlad(const QString& tytul, const QString& tresc) {
    Powiadom({TRodzajKomunikatu::Blad, tytul, tresc});
}

} // namespace

bool CzytajLiczbeDziesietna(const QString& tekst, double* wynik, const QLocale& locale) {
    QString t = tekst.trimmed();
    if (t.isEmpty())
        return false;
    t.replace(locale.decimalPoint(), QStringLiteral("."));
    t.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double x = QLocale::c().toDouble(t, &ok);
    if (!ok || !std::isfinite(x))
        return false;
    *wynik = x;
    return true;
}

int32_t ZapiszProjekt(const TZestawienieStolarki& projekt, const QString& sciezka,
                      const QLocale& locale) {
    const QByteArray bajty = ZbudujPlik(projekt, locale).DoBajtow();
    QSaveFile plik(sciezka);
    if (!plik.open(QIODevice::WriteOnly))
        return WYNIK_BLAD;
    if (plik.write(bajty) != bajty.size()) {
        plik.cancelWriting();
        return WYNIK_BLAD;
    }
    return plik.commit() ? WYNIK_OK : WYNIK_BLAD;
}

int32_t WczytajProjekt(TZestawienieStolarki& p, const QString& sciezka, const QLocale& locale) {
    QFile f(sciezka);
    if (!f.open(QIODevice::ReadOnly))
        return WYNIK_BLAD;
    if (f.size() > MAX_ROZMIAR_PLIKU) {
        ZglosBlad(QStringLiteral("Błąd"),
                  QStringLiteral("Plik jest zbyt duży, by mógł być projektem Termivo!"));
        return WYNIK_BLAD;
    }
    const QByteArray bajty = f.read(MAX_ROZMIAR_PLIKU + 1);
    if (f.error() != QFileDevice::NoError || bajty.size() > MAX_ROZMIAR_PLIKU)
        return WYNIK_BLAD;
    const TPlikProfilu plik = TPlikProfilu::ZBajtow(bajty);

    const QString program = plik.CzytajTekst(INFO, QStringLiteral("Program"));
    if (!program.isEmpty() && program.compare(QStringLiteral("Termivo"), Qt::CaseInsensitive)) {
        ZglosBlad(QStringLiteral("Error"), QStringLiteral("Plik nie jest formatu Termivo!"));
        return WYNIK_BLAD;
    }

    p.TytulProjektu = plik.CzytajTekst(PROJEKT, QStringLiteral("TytulProjektu"));
    p.Firma = plik.CzytajTekst(PROJEKT, QStringLiteral("Firma"));
    p.Projekt = plik.CzytajTekst(PROJEKT, QStringLiteral("Projekt"));
    p.Obiekt = plik.CzytajTekst(PROJEKT, QStringLiteral("Obiekt"));
    p.Inwestor = plik.CzytajTekst(PROJEKT, QStringLiteral("Inwestor"));
    p.Projektant = plik.CzytajTekst(PROJEKT, QStringLiteral("Projektant"));
    p.Data = CzytajDate(plik, locale);

    p.SetPodpiwniczenie(plik.CzytajFlage(PROJEKT, QStringLiteral("Podpiwniczenie"), false));
    p.SetParter(plik.CzytajFlage(PROJEKT, QStringLiteral("Parter"), false));
    int32_t pietra = plik.CzytajLiczbe(PROJEKT, QStringLiteral("LiczbaPieter"), 0);
    if (pietra > MAX_LICZBA_PIETER) {
        Powiadom({TRodzajKomunikatu::Ostrzezenie, QStringLiteral("Informacja"),
                  QStringLiteral("Liczba pięter w pliku (%1) przekracza dopuszczalną wartość "
                                 "%2. Przyjęto %2.")
                      .arg(pietra)
                      .arg(MAX_LICZBA_PIETER)});
        pietra = MAX_LICZBA_PIETER;
    }
    p.SetLiczbaPieter(pietra);
    if (p.LiczbaPieter() > 0)
        p.SetParter(true);
    p.SetPoddasze(plik.CzytajFlage(PROJEKT, QStringLiteral("Poddasze"), false));

    p.KursEuro = CzytajDziesietna(plik, PROJEKT, "KursEuro", 0, locale);
    p.StawkaVat = CzytajDziesietna(plik, PROJEKT, "StawkaVat", 0, locale);
    p.DVPromocjaKlima = CzytajDziesietna(plik, PROJEKT, "DVPromocjaKlima", 30, locale);
    p.DVPromocjaKobaltowe = CzytajDziesietna(plik, PROJEKT, "DVPromocjaKobaltowe", 30, locale);
    p.DVPromocjaDVline = CzytajDziesietna(plik, PROJEKT, "DVPromocjaDVline", 33, locale);
    p.DVPromocjaForma = CzytajDziesietna(plik, PROJEKT, "DVPromocjaForma", 50, locale);
    p.RabatDodatkowy = CzytajDziesietna(plik, PROJEKT, "RabatDodatkowy", 0, locale);
    p.CenaMontazuOkna = CzytajDziesietna(plik, PROJEKT, "CenaMontazuOkna", 0, locale);
    p.ZakresCzynnosci = plik.CzytajTekst(PROJEKT, QStringLiteral("ZakresCzynnosci"));

    const int32_t liczba = plik.CzytajLiczbe(OKNA, QStringLiteral("Liczba"), 0);
    const QStringList poziomy = p.Poziomy();
    for (const auto& numerISekcja : SekcjeOkien(plik, liczba)) {
        const QString& sekcja = numerISekcja.second;
        const QString symbol = plik.CzytajTekst(sekcja, QStringLiteral("Symbol"));
        if (symbol.isEmpty() || p.AddOkno(symbol) != WYNIK_OK || p.FindOkno(symbol) != WYNIK_OK)
            continue;
        CzytajOkno(plik, sekcja, *p.BiezaceOkno(), poziomy, locale);
    }
    return WYNIK_OK;
}
