#include "model/obliczenia/uw.h"
#include "model/pliki/kodowanie.h"
#include "model/pliki/plikprofilu.h"
#include "model/pliki/plikprojektu.h"
#include "model/polaokna.h"
#include "model/powiadomienia.h"
#include "model/tekst.h"
#include "tests/common/zbieracz.h"

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QByteArray Czytaj(const QString& sciezka) {
    QFile f(sciezka);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool Zapisz(const QString& sciezka, const QByteArray& bajty) {
    QFile f(sciezka);
    return f.open(QIODevice::WriteOnly) && f.write(bajty) == bajty.size();
}

QString Dane(const QString& nazwa) {
    return qEnvironmentVariable("TERMIVO_TEST_DATA") + QStringLiteral("/model/dane/") + nazwa;
}

// A project with every field and every level set.
void Wypelnij(TZestawienieStolarki& p) {
    p.TytulProjektu = "Zestawienie stolarki okiennej";
    p.Firma = "Pracownia „Łęg” Sp. z o.o.";
    p.Projekt = "Dom jednorodzinny";
    p.Obiekt = "ul. Źródlana 5, Łódź";
    p.Inwestor = "Zofia Żółkiewska";
    p.Projektant = "mgr inż. arch. Ścibor";
    p.Data = QDateTime(QDate(2026, 12, 8), QTime(0, 0));
    p.SetPodpiwniczenie(true);
    p.SetParter(true);
    p.SetLiczbaPieter(2);
    p.SetPoddasze(true);
    p.KursEuro = 4.2512;
    p.StawkaVat = 23;
    p.DVPromocjaKlima = 31.5;
    p.DVPromocjaKobaltowe = 29;
    p.DVPromocjaDVline = 0.00001;
    p.DVPromocjaForma = 99.9999999999999;
    p.RabatDodatkowy = 2.5;
    p.CenaMontazuOkna = 45.9;
    p.ZakresCzynnosci = "montaż, obróbki; \"ciepły\" montaż";
    p.TemperaturaWewnetrzna = 15.9;
    p.AddOkno("O1");
    p.AddOkno("Ł2");
    TOkno& o = *p.GetOkno("O1");
    o.Szerokosc = 1200.5;
    o.Wysokosc = 1500;
    o.TypOkna = 5037;
    for (int i = 0; i < MAX_SKRZYDEL; ++i)
        o.RodzajSkrzydla[static_cast<std::size_t>(i)] = (i * 5) % 12;
    o.MaterialRamy = 1;
    o.Ug = 0.6;
    o.ZrodloUg = 2;
    o.SzkloKodID = 20;
    o.Uf = 1.21;
    o.ZrodloUf = 1;
    o.RamaKodID = 10;
    o.Psi_g = 0.04;
    o.dRamy = 70.5;
    o.Lg = -1;
    o.dR = 0.15;
    o.LiczbaNawiewnikow = 2;
    o.SzerokoscNawiewnika = 353;
    o.CenaOkna = -1;
    o.Uwagi = "\"ala ma kota\",\"x,y\"";
    int n = 1;
    for (const QString& poziom : p.Poziomy())
        for (int d = 0; d < LICZBA_KIERUNKOW; ++d)
            o.SetLiczba(poziom, d, n++);
    TOkno& l = *p.GetOkno("Ł2");
    l.TypOkna = 2001;
    l.RodzajSkrzydla.fill(4); // slots 3 to 8 too
    l.CenaOkna = 1234.56;
    l.Rodzaj = 2; // okno dachowe
}

// Every field the file holds, by the table the reader and writer use.
void PorownajOkna(const TOkno& a, const TOkno& b) {
    for (const TPoleOkna& pole : PolaOkna()) {
        switch (pole.rodzaj) {
        case TRodzajPola::Dziesietna:
        case TRodzajPola::Calkowita:
            QVERIFY2(pole.liczba(a) == pole.liczba(b), pole.klucz.constData());
            break;
        case TRodzajPola::Liczby:
            QCOMPARE(a.LiczbaOkien, b.LiczbaOkien);
            break;
        default:
            QVERIFY2(pole.tekst(a) == pole.tekst(b), pole.klucz.constData());
        }
    }
    // Codes outside the catalogue have no name: compared as codes too.
    QCOMPARE(a.TypOkna, b.TypOkna);
    QCOMPARE(a.RodzajSkrzydla, b.RodzajSkrzydla);
    QCOMPARE(a.MaterialRamy, b.MaterialRamy);
}

void PorownajProjekty(TZestawienieStolarki& a, TZestawienieStolarki& b) {
    QCOMPARE(a.TytulProjektu, b.TytulProjektu);
    QCOMPARE(a.Firma, b.Firma);
    QCOMPARE(a.Projekt, b.Projekt);
    QCOMPARE(a.Obiekt, b.Obiekt);
    QCOMPARE(a.Inwestor, b.Inwestor);
    QCOMPARE(a.Projektant, b.Projektant);
    QCOMPARE(a.Data.date(), b.Data.date());
    QCOMPARE(a.Poziomy(), b.Poziomy());
    QCOMPARE(a.KursEuro, b.KursEuro);
    QCOMPARE(a.StawkaVat, b.StawkaVat);
    QCOMPARE(a.DVPromocjaKlima, b.DVPromocjaKlima);
    QCOMPARE(a.DVPromocjaKobaltowe, b.DVPromocjaKobaltowe);
    QCOMPARE(a.DVPromocjaDVline, b.DVPromocjaDVline);
    QCOMPARE(a.DVPromocjaForma, b.DVPromocjaForma);
    QCOMPARE(a.RabatDodatkowy, b.RabatDodatkowy);
    QCOMPARE(a.CenaMontazuOkna, b.CenaMontazuOkna);
    QCOMPARE(a.ZakresCzynnosci, b.ZakresCzynnosci);
    QCOMPARE(a.LiczbaOkienWLiscie(), b.LiczbaOkienWLiscie());
    for (int i = 0; i < a.LiczbaOkienWLiscie(); ++i)
        PorownajOkna(*a.Okno(i), *b.Okno(i));
}

// The version line changes with every release; the rest of a file does not.
QByteArray BezWersji(QByteArray b) {
    const qsizetype i = b.indexOf("Version=");
    if (i >= 0)
        b.remove(i, b.indexOf("\r\n", i) - i);
    return b;
}

} // namespace

class TestPlikProjektu : public QObject {
    Q_OBJECT

    QTemporaryDir katalog;
    QString Sciezka(const QString& nazwa) const { return katalog.filePath(nazwa); }

    // Loads a file given as text (UTF-8 here, Windows-1250 on disk, CR LF).
    int32_t WczytajTekst(TZestawienieStolarki& p, const QString& tekst) {
        QString t = tekst;
        t.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
        const QString s = Sciezka("tekst.tmv");
        if (!Zapisz(s, DoCp1250(t)))
            return -100;
        return WczytajProjekt(p, s);
    }

private slots:
    void initTestCase() {
        QVERIFY(katalog.isValid());
        QVERIFY(Cp1250Dostepne());
    }
    void init() { QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland)); }

    void zapisIOdczyt_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::newRow("przecinek") << QLocale(QLocale::Polish, QLocale::Poland);
        QTest::newRow("kropka") << QLocale(QLocale::English, QLocale::UnitedStates);
    }
    void zapisIOdczyt() {
        QFETCH(QLocale, locale);
        QLocale::setDefault(locale);
        TZbieraczKomunikatow zbieracz;
        TZestawienieStolarki a;
        Wypelnij(a);
        const QString s = Sciezka("pelny.tmv");
        QCOMPARE(ZapiszProjekt(a, s), 0);
        TZestawienieStolarki b;
        QCOMPARE(WczytajProjekt(b, s), 0);
        PorownajProjekty(a, b);
        const QString s2 = Sciezka("pelny2.tmv");
        QCOMPARE(ZapiszProjekt(b, s2), 0);
        QCOMPARE(Czytaj(s2), Czytaj(s));
        QCOMPARE(zbieracz.ile(), 0);
    }

    // The committed file: Windows-1250, CR LF, written on a Polish locale.
    void plikWzorcowy() {
        const QByteArray wzor = Czytaj(Dane("wzorcowy.tmv"));
        QVERIFY(!wzor.isEmpty());
        QVERIFY(wzor.contains("Firma=Pracownia \x84\xA3\xEAg\x94 Sp. z o.o.\r\n"));
        QVERIFY(wzor.contains("Szerokosc=1200,5\r\n"));
        QVERIFY(!wzor.contains("\n[") || wzor.count("\r\n[") == wzor.count("\n["));
        TZestawienieStolarki a;
        Wypelnij(a);
        const QString s = Sciezka("wzorcowy.tmv");
        QCOMPARE(ZapiszProjekt(a, s), 0);
        QCOMPARE(BezWersji(Czytaj(s)), BezWersji(wzor));
        TZestawienieStolarki b;
        QCOMPARE(WczytajProjekt(b, Dane("wzorcowy.tmv")), 0);
        PorownajProjekty(a, b);
    }

    void wersjaWInfo() {
        TZestawienieStolarki a;
        const QString s = Sciezka("wersja.tmv");
        QCOMPARE(ZapiszProjekt(a, s), 0);
        QVERIFY(QString::fromLatin1(Czytaj(s)).contains(
            QRegularExpression(QStringLiteral("\\[Info\\]\r\nProgram=Termivo\r\n"
                                              "Version=\\d+\\.\\d+\\.\\d+\\.\\d+\r\n"))));
    }

    void separatorDziesietny_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("ug");
        QTest::newRow("kropka na polskim") << QLocale(QLocale::Polish, QLocale::Poland) << "1.1";
        QTest::newRow("przecinek na polskim") << QLocale(QLocale::Polish, QLocale::Poland) << "1,1";
        QTest::newRow("kropka na angielskim") << QLocale(QLocale::English) << "1.1";
        QTest::newRow("przecinek na angielskim") << QLocale(QLocale::English) << "1,1";
        QTest::newRow("wykładnik") << QLocale(QLocale::Polish, QLocale::Poland) << "11E-1";
    }
    void separatorDziesietny() {
        QFETCH(QLocale, locale);
        QFETCH(QString, ug);
        QLocale::setDefault(locale);
        TZestawienieStolarki p;
        QCOMPARE(WczytajTekst(p, "[Projekt]\nDVPromocjaKlima=" + ug +
                                     "\n[Okna]\nLiczba=1\n[Okno0]\nSymbol=A\nUg=" + ug + "\n"),
                 0);
        QCOMPARE(p.Okno(0)->Ug, 1.1);
        QCOMPARE(p.DVPromocjaKlima, 1.1);
    }

    void wartosciNiepoprawne() {
        TZestawienieStolarki p;
        TZbieraczKomunikatow zbieracz;
        QCOMPARE(WczytajTekst(p, "[Projekt]\nDVPromocjaForma=abc\nKursEuro=1.000,5\n"
                                 "StawkaVat=nan\nRabatDodatkowy=inf\nData=jutro\n"
                                 "[Okna]\nLiczba=1\n[Okno0]\nSymbol=A\nTypOkna=10 skrzydłowe\n"
                                 "MaterialRamy=stal\nZrodloUg=producent\nSzkloKodID=x\n"
                                 "LiczbaNawiewnikow=1,5\n"),
                 0);
        QCOMPARE(p.DVPromocjaForma, 50.0);
        QCOMPARE(p.KursEuro, 0.0);
        QCOMPARE(p.StawkaVat, 0.0);
        QCOMPARE(p.RabatDodatkowy, 0.0);
        QVERIFY(qAbs(p.Data.secsTo(QDateTime::currentDateTime())) < 60);
        const TOkno& o = *p.Okno(0);
        QCOMPARE(o.TypOkna, 1001);
        QCOMPARE(o.MaterialRamyNazwa(), QStringLiteral("PCV"));
        QCOMPARE(o.ZrodloUg, uint8_t(0));
        QCOMPARE(o.SzkloKodID, 0);
        QCOMPARE(o.LiczbaNawiewnikow, 0);
        // The names it does not know are said; numbers that are none are not.
        QCOMPARE(zbieracz.ile(), 1);
        QCOMPARE(zbieracz.ostatni(),
                 QStringLiteral("Plik zawiera nazwy, których program nie zna; przyjęto wartości "
                                "domyślne: okno A – typ okna „10 skrzydłowe”, okno A – materiał "
                                "ramy „stal”."));
    }

    void daty_data() {
        QTest::addColumn<QString>("tekst");
        QTest::newRow("ISO") << "2026-03-07";
        QTest::newRow("krótka polska") << QLocale(QLocale::Polish, QLocale::Poland)
                                              .toString(QDate(2026, 3, 7), QLocale::ShortFormat);
    }
    void daty() {
        QFETCH(QString, tekst);
        TZestawienieStolarki p;
        TZbieraczKomunikatow zbieracz;
        QCOMPARE(WczytajTekst(p, "[Projekt]\nData=" + tekst + "\n"), 0);
        QCOMPARE(p.Data.date(), QDate(2026, 3, 7));
        QCOMPARE(zbieracz.ostatni(), KOMUNIKAT_NIEKOMPLETNY_BEZ_OKIEN); // no [Okna]
    }

    void poziomy() {
        TZestawienieStolarki p;
        QCOMPARE(WczytajTekst(p, "[Projekt]\nParter=0\nLiczbaPieter=2\nPoddasze=0\n"
                                 "[Okna]\nLiczba=1\n[Okno0]\nSymbol=A\n"
                                 "LiczbaNaParterNaStrone2=5\nLiczbaNaPietro2NaStrone7=3\n"
                                 "LiczbaNaPietro3NaStrone0=9\nLiczbaNaPoddaszeNaStrone1=4\n"
                                 "LiczbaNaPietro1NaStrone1=-1\nLiczbaNaPietro1NaStrone2=-2\n"),
                 0);
        QVERIFY(p.Parter());
        const TOkno& o = *p.Okno(0);
        QCOMPARE(o.GetLiczba("parter", 2), 5);
        QCOMPARE(o.GetLiczba("2", 7), 3);
        QCOMPARE(o.GetLiczba("poddasze", 1), 0);
        QCOMPARE(o.GetLiczba("1", 1), 0);
        QCOMPARE(o.GetLiczba("1", 2), -2);
        QCOMPARE(o.SumaOkien(), 6);
    }

    void bezPoddaszaBezKluczy() {
        TZestawienieStolarki p;
        p.SetParter(true);
        p.AddOkno("A");
        const QString s = Sciezka("bez_poddasza.tmv");
        QCOMPARE(ZapiszProjekt(p, s), 0);
        const QByteArray b = Czytaj(s);
        QCOMPARE(b.count("LiczbaNaParterNaStrone"), 8);
        QVERIFY(!b.contains("Poddasze"
                            "NaStrone"));
        QVERIFY(!b.contains("Podpiwniczenie"
                            "NaStrone"));
        QVERIFY(!b.contains("LiczbaNaPietro"));
    }

    void sekcjeOkien() {
        TZestawienieStolarki p;
        TZbieraczKomunikatow zbieracz;
        QCOMPARE(WczytajTekst(p, "[Okna]\nLiczba=3\n[Okno2]\nSymbol=C\n[Okno0]\nSymbol=A\n"
                                 "[Okno3]\nSymbol=D\n[Okno01]\nSymbol=E\n"),
                 0);
        QCOMPARE(p.LiczbaOkienWLiscie(), 2);
        QCOMPARE(p.Okno(0)->Symbol(), QStringLiteral("A"));
        QCOMPARE(p.Okno(1)->Symbol(), QStringLiteral("C"));
        QCOMPARE(zbieracz.ile(), 2);
        QCOMPARE(zbieracz.komunikaty[0].tresc, KOMUNIKAT_NIEKOMPLETNY.arg(2).arg(3));
        QCOMPARE(zbieracz.ostatni(), KOMUNIKAT_POMINIETE.arg(QStringLiteral(
                                         "Okno3 (poza liczbą okien podaną w sekcji [Okna])")));
    }

    void powtorzonySymbol() {
        TZestawienieStolarki p;
        TZbieraczKomunikatow zbieracz;
        QCOMPARE(WczytajTekst(p, "[Okna]\nLiczba=2\n[Okno0]\nSymbol=O1\nUg=1\n"
                                 "[Okno1]\nSymbol=o1\nUg=2\n"),
                 0);
        QCOMPARE(p.LiczbaOkienWLiscie(), 1);
        QCOMPARE(p.Okno(0)->Ug, 1.0);
        QCOMPARE(zbieracz.ile(), 1);
        QCOMPARE(zbieracz.ostatni(),
                 KOMUNIKAT_POMINIETE.arg(QStringLiteral("Okno1 (symbol „o1” powtarza się)")));
    }

    void innyProgram_data() {
        QTest::addColumn<QString>("program");
        QTest::addColumn<int>("wynik");
        QTest::newRow("Arvo-K") << "Arvo-K" << -1;
        QTest::newRow("małe litery") << "termivo" << 0;
        QTest::newRow("pusty") << "" << 0;
    }
    void innyProgram() {
        QFETCH(QString, program);
        QFETCH(int, wynik);
        TZbieraczKomunikatow zbieracz;
        TZestawienieStolarki p;
        QCOMPARE(WczytajTekst(p, "[Info]\nProgram=" + program +
                                     "\n[Okna]\nLiczba=1\n"
                                     "[Okno0]\nSymbol=A\nUwagi=\n"),
                 wynik);
        QCOMPARE(zbieracz.ile(), wynik ? 1 : 0);
        if (wynik) {
            QCOMPARE(zbieracz.komunikaty[0].tytul, QStringLiteral("Błąd"));
            QCOMPARE(zbieracz.ostatni(), QStringLiteral("Plik nie jest formatu Termivo!"));
            QCOMPARE(p.LiczbaOkienWLiscie(), 0);
        }
    }

    void plikNieczytelny() {
        TZestawienieStolarki p;
        QCOMPARE(WczytajProjekt(p, Sciezka("nie_ma.tmv")), -1);
        QCOMPARE(WczytajProjekt(p, katalog.path()), -1);
    }

    void zapisNadpisujeIZawodzi() {
        const QString s = Sciezka("stary.tmv");
        QVERIFY(Zapisz(s, "[Stara]\r\nKlucz=1\r\n[Okno7]\r\nSymbol=X\r\n"));
        TZestawienieStolarki p;
        QCOMPARE(ZapiszProjekt(p, s), 0);
        const QByteArray b = Czytaj(s);
        QVERIFY(!b.contains("Stara"));
        QVERIFY(!b.contains("Okno7"));
        QCOMPARE(ZapiszProjekt(p, Sciezka("brak/katalogu.tmv")), -1);
        QVERIFY(!QFile::exists(Sciezka("brak/katalogu.tmv")));
        QCOMPARE(ZapiszProjekt(p, katalog.path()), -1);
    }

    // Every Polish letter and "€" survive a file; a character the code page
    // lacks stops the save before anything is written, naming where it is.
    void znakiDoZapisu_data() {
        QTest::addColumn<QString>("pole");
        QTest::addColumn<QString>("tekst");
        QTest::addColumn<bool>("zapisane");
        QTest::addColumn<QString>("gdzie");
        const QString litery = QStringLiteral("aąbcćdeęfghijklłmnńoóprsśtuwyzźż "
                                              "AĄBCĆDEĘFGHIJKLŁMNŃOÓPRSŚTUWYZŹŻ €");
        QTest::newRow("litery w firmie") << "Firma" << litery << true << "";
        QTest::newRow("litery w uwagach") << "Uwagi" << litery << true << "";
        QTest::newRow("litery w symbolu") << "Symbol"
                                          << "Łąka-Źż€" << true << "";
        QTest::newRow("cyrylica w symbolu") << "Symbol"
                                            << "Ж1" << false << "symbol okna „Ж1”";
        QTest::newRow("emoji w uwagach") << "Uwagi"
                                         << "dom 🏠" << false << "pole „Uwagi” okna „O1”";
        QTest::newRow("cyrylica w firmie") << "Firma"
                                           << "Я" << false << "pole „Firma” projektu";
    }
    void znakiDoZapisu() {
        QFETCH(QString, pole);
        QFETCH(QString, tekst);
        QFETCH(bool, zapisane);
        QFETCH(QString, gdzie);
        const QString s = Sciezka("znaki.tmv");
        const QByteArray stary("[Info]\r\nProgram=Termivo\r\n[Okna]\r\nLiczba=0\r\n");
        QVERIFY(Zapisz(s, stary));
        TZbieraczKomunikatow zbieracz;
        TZestawienieStolarki p;
        p.AddOkno(pole == "Symbol" ? tekst : QStringLiteral("O1"));
        p.AddOkno(QStringLiteral("Я1"));
        p.DelOkno(QStringLiteral("Я1")); // only what the project holds counts
        if (pole == "Firma")
            p.Firma = tekst;
        if (pole == "Uwagi")
            p.Okno(0)->Uwagi = tekst;
        if (!zapisane) {
            QCOMPARE(ZapiszProjekt(p, s), -1);
            QCOMPARE(Czytaj(s), stary);
            QCOMPARE(zbieracz.ile(), 1);
            QVERIFY2(zbieracz.ostatni().contains(gdzie), qPrintable(zbieracz.ostatni()));
            return;
        }
        QCOMPARE(ZapiszProjekt(p, s), 0);
        TZestawienieStolarki q;
        QCOMPARE(WczytajProjekt(q, s), 0);
        PorownajProjekty(p, q);
        QCOMPARE(zbieracz.ile(), 0);
    }

    // The new content goes to a temporary file beside the old one; when that
    // cannot be made (here: its name would be too long) the old file stays.
    void nieudanyZapisZostawiaStaryPlik() {
        const QString s = Sciezka(QString(250, QLatin1Char('d')));
        const QByteArray stary("[Info]\r\nProgram=Termivo\r\n");
        QVERIFY(Zapisz(s, stary));
        TZestawienieStolarki p;
        p.AddOkno(QStringLiteral("O1"));
        QCOMPARE(ZapiszProjekt(p, s), -1);
        QCOMPARE(Czytaj(s), stary);
    }

    void plikZbytDuzy() {
        const QString s = Sciezka("duzy.tmv");
        {
            QFile f(s);
            QVERIFY(f.open(QIODevice::WriteOnly));
            QVERIFY(f.resize(TPlikProfilu::MAX_ROZMIAR + 1));
        }
        TZbieraczKomunikatow zbieracz;
        TZestawienieStolarki p;
        QCOMPARE(WczytajProjekt(p, s), -1);
        QCOMPARE(zbieracz.ostatni(),
                 QStringLiteral("Plik jest zbyt duży, by mógł być projektem Termivo!"));
        QFile::remove(s);
    }

    void uwagiZachowujaCudzyslowy() {
        TZestawienieStolarki p;
        p.AddOkno("A");
        p.Okno(0)->Uwagi = ZlaczWiersze({"pierwsza", "druga linia"});
        QCOMPARE(p.Okno(0)->Uwagi, QStringLiteral("pierwsza,\"druga linia\""));
        p.AddOkno("B");
        p.Okno(1)->Uwagi = "\"ala ma kota\",\"x,y\"";
        const QString s = Sciezka("uwagi.tmv");
        QCOMPARE(ZapiszProjekt(p, s), 0);
        QVERIFY(Czytaj(s).contains("Uwagi=pierwsza,\"druga linia\"\r\n"));
        TZestawienieStolarki q;
        QCOMPARE(WczytajProjekt(q, s), 0);
        QCOMPARE(RozdzielWiersze(q.Okno(1)->Uwagi), (QStringList{"ala ma kota", "x,y"}));
        QCOMPARE(q.Okno(0)->Uwagi, p.Okno(0)->Uwagi);
    }

    // Texts of any length come back whole (a reader that kept 2047
    // characters would lose the rest at the next save).
    void dlugieTekstyWracajaCale() {
        TZestawienieStolarki p;
        QStringList wiersze;
        for (int i = 0; i < 700; ++i)
            wiersze << QStringLiteral("uwaga %1 żółć").arg(i, 5);
        p.AddOkno("A");
        p.Okno(0)->Uwagi = ZlaczWiersze(wiersze);
        QVERIFY(p.Okno(0)->Uwagi.size() > 10000);
        p.Firma = QString(10000, QLatin1Char('F'));
        p.ZakresCzynnosci = QStringLiteral("montaż ").repeated(2000).trimmed();
        const QString s = Sciezka("dlugie.tmv");
        QCOMPARE(ZapiszProjekt(p, s), 0);
        TZestawienieStolarki q;
        QCOMPARE(WczytajProjekt(q, s), 0);
        QCOMPARE(q.Okno(0)->Uwagi, p.Okno(0)->Uwagi);
        QCOMPARE(q.Firma, p.Firma);
        QCOMPARE(q.ZakresCzynnosci, p.ZakresCzynnosci);
    }

    // A file that is no project is refused, whatever it holds.
    void nieProjekt_data() {
        QTest::addColumn<QByteArray>("bajty");
        QByteArray docx("PK\x03\x04\x14\x00\x06\x00", 8);
        docx += "[Content_Types].xml";
        QTest::newRow("binarny z sekcją") << docx + "\n[Okna]\nLiczba=1\n";
        QTest::newRow("tekst bez sekcji") << QByteArray("Szanowni Państwo,\r\noferta=okna\r\n");
        QTest::newRow("pusty") << QByteArray();
        QTest::newRow("obce sekcje") << QByteArray("[General]\r\nJezyk=pl\r\n");
    }
    void nieProjekt() {
        QFETCH(QByteArray, bajty);
        TZbieraczKomunikatow zbieracz;
        TZestawienieStolarki p;
        QCOMPARE(WczytajProjektZBajtow(p, bajty), -1);
        QCOMPARE(zbieracz.ile(), 1);
        QCOMPARE(zbieracz.komunikaty[0].tytul, QStringLiteral("Błąd"));
        QCOMPARE(zbieracz.ostatni(), KOMUNIKAT_NIE_PROJEKT);
        QCOMPARE(p.LiczbaOkienWLiscie(), 0);
    }

    // A project cut short keeps the windows that survived and says so.
    void niekompletny_data() {
        QTest::addColumn<QByteArray>("koniec"); // where the file is cut
        QTest::addColumn<int>("wczytane");
        QTest::newRow("w środku okna") << QByteArray("Ug=") << 2;
        QTest::newRow("przed uwagami ostatniego") << QByteArray("Uwagi=") << 3;
        QTest::newRow("brak sekcji") << QByteArray("[Okno2]") << 2;
        QTest::newRow("w środku linii") << QByteArray("LiczbaNaParter") << 3;
        QTest::newRow("w sekcji Projekt") << QByteArray("Obiekt=") << 0;
        QTest::newRow("przed sekcją Okna") << QByteArray("[Okna]") << 0;
        QTest::newRow("przed liczbą okien") << QByteArray("Liczba=") << 0;
    }
    void niekompletny() {
        QFETCH(QByteArray, koniec);
        QFETCH(int, wczytane);
        TZestawienieStolarki a;
        a.SetParter(true);
        for (const char* s : {"O1", "O2", "O3"})
            a.AddOkno(QString::fromLatin1(s));
        const std::optional<QByteArray> calosc = ZapiszProjektDoBajtow(a);
        QVERIFY(calosc);
        const qsizetype okno1 = calosc->indexOf("[Okno1]");
        const qsizetype ciecie = koniec == "Uwagi=" || koniec == "LiczbaNaParter"
                                     ? calosc->lastIndexOf(koniec) + (koniec == "Uwagi=" ? 0 : 8)
                                 : koniec == "Ug=" ? calosc->indexOf(koniec, okno1)
                                                   : calosc->indexOf(koniec);
        TZbieraczKomunikatow zbieracz;
        TZestawienieStolarki p;
        TOdczytProjektu odczyt;
        QCOMPARE(WczytajProjektZBajtow(p, calosc->left(ciecie), QLocale(), &odczyt), 0);
        QVERIFY(odczyt.niekompletny);
        QVERIFY(odczyt.Ostrzezenie());
        QCOMPARE(p.LiczbaOkienWLiscie(), wczytane);
        QCOMPARE(zbieracz.ile(), 1);
        QCOMPARE(zbieracz.komunikaty[0].tytul, QStringLiteral("Informacja"));
        QCOMPARE(zbieracz.ostatni(), wczytane == 0 ? KOMUNIKAT_NIEKOMPLETNY_BEZ_OKIEN
                                                   : KOMUNIKAT_NIEKOMPLETNY.arg(wczytane).arg(3));
        // The whole file is no such case.
        TZestawienieStolarki q;
        QCOMPARE(WczytajProjektZBajtow(q, *calosc, QLocale(), &odczyt), 0);
        QVERIFY(!odczyt.Ostrzezenie());
        QCOMPARE(zbieracz.ile(), 1);
    }

    // The committed file cut at every line end and at many bytes: each part
    // either reads as the whole project or is reported as damaged.
    void cieciaPrawdziwegoPliku() {
        const QByteArray calosc = Czytaj(Dane("wzorcowy.tmv"));
        QVERIFY(calosc.size() > 1000);
        TZestawienieStolarki wzor;
        QCOMPARE(WczytajProjektZBajtow(wzor, calosc), 0);
        const QByteArray wzorBajty = ZapiszProjektDoBajtow(wzor).value_or(QByteArray());
        QList<qsizetype> ciecia;
        for (qsizetype i = calosc.indexOf('\n'); i >= 0; i = calosc.indexOf('\n', i + 1))
            ciecia << i + 1 << i; // after the line end, and between CR and LF
        QRandomGenerator los(2026);
        for (int i = 0; i < 400; ++i)
            ciecia << los.bounded(calosc.size());
        TZbieraczKomunikatow zbieracz;
        for (const qsizetype c : ciecia) {
            TZestawienieStolarki p;
            TOdczytProjektu odczyt;
            const int32_t wynik = WczytajProjektZBajtow(p, calosc.left(c), QLocale(), &odczyt);
            const bool calyProjekt =
                wynik == 0 && ZapiszProjektDoBajtow(p).value_or(QByteArray()) == wzorBajty;
            QVERIFY2(wynik != 0 || calyProjekt || odczyt.Ostrzezenie(),
                     qPrintable(QStringLiteral("cięcie po %1 bajtach nie zgłoszone").arg(c)));
        }
        TZestawienieStolarki p;
        TOdczytProjektu odczyt;
        QCOMPARE(WczytajProjektZBajtow(p, calosc, QLocale(), &odczyt), 0);
        QVERIFY(!odczyt.Ostrzezenie());
    }

    // Files of other programs and of hand: keys left out (the same in every
    // window, or in one window that is not the last) and keys in another
    // order read whole, without a word; a last window lacking what all the
    // others have is reported.
    void plikiInnychProgramow_data() {
        QTest::addColumn<QString>("tekst");
        QTest::addColumn<bool>("uszkodzony");
        const QString naglowek = QStringLiteral("[Projekt]\nParter=1\n[Okna]\nLiczba=3\n");
        QTest::newRow("bez uwag nigdzie")
            << naglowek + "[Okno0]\nSymbol=A\nUg=1\n[Okno1]\nSymbol=B\nUg=1\n"
                          "[Okno2]\nSymbol=C\nUg=1\n"
            << false;
        QTest::newRow("inna kolejność")
            << naglowek + "[Okno2]\nUwagi=x\nSymbol=C\n[Okno0]\nUg=1\nSymbol=A\nUwagi=\n"
                          "[Okno1]\nSzerokosc=1\nUwagi=\nSymbol=B\n"
            << false;
        QTest::newRow("brak klucza w środku")
            << naglowek + "[Okno0]\nSymbol=A\nUg=1\nUwagi=\n[Okno1]\nSymbol=B\nUwagi=\n"
                          "[Okno2]\nSymbol=C\nUg=1\nUwagi=\n"
            << false;
        QTest::newRow("ostatnie rzadsze")
            << naglowek + "[Okno0]\nSymbol=A\nUg=1\nCenaOkna=5\nLiczbaNaParterNaStrone0=1\n"
                          "[Okno1]\nSymbol=B\nUg=1\nCenaOkna=5\nLiczbaNaParterNaStrone0=1\n"
                          "[Okno2]\nSymbol=C\nLiczbaNaParterNaStrone1=2\n"
            << false;
        QTest::newRow("ostatnie bez uwag")
            << naglowek + "[Okno0]\nSymbol=A\nUwagi=\n[Okno1]\nSymbol=B\nUwagi=\n"
                          "[Okno2]\nSymbol=C\n"
            << true;
        QTest::newRow("bez końca linii")
            << naglowek + "[Okno0]\nSymbol=A\n[Okno1]\nSymbol=B\n[Okno2]\nSymbol=C" << true;
    }
    void plikiInnychProgramow() {
        QFETCH(QString, tekst);
        QFETCH(bool, uszkodzony);
        TZbieraczKomunikatow zbieracz;
        TZestawienieStolarki p;
        TOdczytProjektu odczyt;
        QByteArray bajty = DoCp1250(tekst);
        bajty.replace("\n", "\r\n");
        QCOMPARE(WczytajProjektZBajtow(p, bajty, QLocale(), &odczyt), 0);
        QCOMPARE(p.LiczbaOkienWLiscie(), 3);
        QCOMPARE(odczyt.niekompletny, uszkodzony);
        QCOMPARE(zbieracz.ile(), uszkodzony ? 1 : 0);
    }

    // A whole file of another program with one window and no remarks line
    // is whole: only positive evidence calls a file cut.
    void jednoOknoBezUwag() {
        TZbieraczKomunikatow zbieracz;
        TZestawienieStolarki p;
        TOdczytProjektu odczyt;
        QCOMPARE(WczytajProjektZBajtow(p,
                                       "[Info]\r\nVersion=2.0\r\n[Projekt]\r\nParter=1\r\n"
                                       "[Okna]\r\nLiczba=1\r\n[Okno0]\r\nSymbol=O1\r\nUg=1\r\n",
                                       QLocale(), &odczyt),
                 0);
        QVERIFY(!odczyt.niekompletny);
        QCOMPARE(zbieracz.ile(), 0);
    }

    // Values no window has are kept as the file holds them, named once
    // (the first ten, and how many more), and give no Uw.
    void wartosciSpozaZakresu() {
        TZbieraczKomunikatow zbieracz;
        TZestawienieStolarki p;
        QString tekst = QStringLiteral("[Projekt]\nParter=1\nMetodaUw=7\nStawkaVat=230\n[Okna]\n"
                                       "Liczba=12\n[Okno0]\nSymbol=O1\nSzerokosc=1000\n"
                                       "Wysokosc=1000\nUg=1\nUf=1\ndR=-0,5\nPsi_g=1E300\n"
                                       "g=1,5\nUwagi=\n");
        for (int i = 1; i < 12; ++i)
            tekst += QStringLiteral("[Okno%1]\nSymbol=P%1\nCenaOkna=-5\nUwagi=\n").arg(i);
        QCOMPARE(WczytajTekst(p, tekst), 0);
        const TOkno& o = *p.GetOkno(QStringLiteral("O1"));
        QCOMPARE(o.dR, -0.5);
        QCOMPARE(o.Psi_g, 1e300);
        QCOMPARE(o.g, 1.5);
        QCOMPARE(zbieracz.ile(), 1);
        QCOMPARE(
            zbieracz.ostatni(),
            QStringLiteral("Plik zawiera wartości spoza dopuszczalnych zakresów. Zachowano je, "
                           "ale okna z nimi nie mają Uw ani oceny WT 2021 (brak danych), "
                           "dopóki ich nie poprawisz: projekt – nieznana metoda obliczania Uw "
                           "7 (przyjęto: szacunkowa (z pola okna)), projekt – Stawka VAT = "
                           "230 (dopuszczalne od 0 do 100 %), okno O1 – Psi_g = 1E300 "
                           "(dopuszczalne od 0 do 1 W/mK), okno O1 – dR = -0,5 (dopuszczalne "
                           "od 0 do 1 m²K/W), okno O1 – g = 1,5 (dopuszczalne od 0 do 1), "
                           "okno P1 – cena = -5 (dopuszczalne od 0 do 1000000000 zł), okno "
                           "P2 – cena = -5 (dopuszczalne od 0 do 1000000000 zł), okno P3 – "
                           "cena = -5 (dopuszczalne od 0 do 1000000000 zł), okno P4 – cena = "
                           "-5 (dopuszczalne od 0 do 1000000000 zł), okno P5 – cena = -5 "
                           "(dopuszczalne od 0 do 1000000000 zł) i 6 innych."));
        QVERIFY(!ObliczUw(o, p).uw);
    }

    // The method of Uw: a file without it keeps the estimate its numbers
    // were made with; what is no method is the estimate too.
    void metodaUw_data() {
        QTest::addColumn<QByteArray>("wiersz");
        QTest::addColumn<int>("metoda");
        QTest::newRow("brak klucza") << QByteArray() << 0;
        QTest::newRow("geometria") << QByteArray("MetodaUw=1\r\n") << 1;
        QTest::newRow("szacunek") << QByteArray("MetodaUw=0\r\n") << 0;
        QTest::newRow("nieznana") << QByteArray("MetodaUw=7\r\n") << 0;
    }
    void metodaUw() {
        QFETCH(QByteArray, wiersz);
        QFETCH(int, metoda);
        TZestawienieStolarki p;
        p.MetodaUw = 1;
        TZbieraczKomunikatow zbieracz;
        QCOMPARE(WczytajProjektZBajtow(p, "[Projekt]\r\nParter=1\r\n" + wiersz +
                                              "[Okna]\r\nLiczba=0\r\n"),
                 0);
        QCOMPARE(p.MetodaUw, metoda);
        // An unknown method is named once, with the one taken instead.
        QCOMPARE(zbieracz.ile(), wiersz == "MetodaUw=7\r\n" ? 1 : 0);
        if (zbieracz.ile())
            QVERIFY(zbieracz.ostatni().endsWith(
                QStringLiteral("projekt – nieznana metoda obliczania Uw 7 (przyjęto: szacunkowa (z "
                               "pola okna)).")));
        TZestawienieStolarki q;
        QCOMPARE(WczytajProjektZBajtow(q, ZapiszProjektDoBajtow(p).value_or(QByteArray())), 0);
        QCOMPARE(q.MetodaUw, metoda);
    }

    // Numbers written by hand with their thousands apart, as Polish writes
    // them (a space, or the code page's no-break space), read whole.
    void grupyCyfr() {
        QByteArray bajty = DoCp1250(QStringLiteral(
            "[Projekt]\nParter=1\nKursEuro=4 321,5\n[Okna]\nLiczba=1\n[Okno0]\nSymbol=A\n"
            "Szerokosc=1 200\nWysokosc=2\u00a0400\nLiczbaNaParterNaStrone0=1 200\n"
            "Lg=12 00\n"));
        bajty.replace("\n", "\r\n");
        TZestawienieStolarki p;
        TZbieraczKomunikatow zbieracz;
        QCOMPARE(WczytajProjektZBajtow(p, bajty), 0);
        const TOkno& o = *p.GetOkno(QStringLiteral("A"));
        QCOMPARE(p.KursEuro, 4321.5);
        // Read whole, then kept and named as beyond the rate's range.
        QCOMPARE(zbieracz.ile(), 1);
        QVERIFY(zbieracz.ostatni().contains(QStringLiteral("Kurs EURO = 4321,5")));
        QCOMPARE(o.Szerokosc, 1200.0);
        QCOMPARE(o.Wysokosc, 2400.0);
        QCOMPARE(o.GetLiczba(QStringLiteral("parter"), 0), 1200);
        QCOMPARE(o.Lg, 0.0); // no group of three: no number, the default
    }

    // Windows that cannot be read are named with their sections, and the
    // project is damaged: saving it over its file would lose them.
    void pominieteOkna() {
        TZbieraczKomunikatow zbieracz;
        TZestawienieStolarki p;
        QCOMPARE(WczytajTekst(p, "[Okna]\nLiczba=3\n[Okno0]\nSymbol=O1\nUwagi=\n"
                                 "[Okno1]\nSymbol=\nUwagi=\n[Okno2]\nSymbol=o1 \nUwagi=\n"
                                 "[Okno3]\nSymbol=O4\nUwagi=\n"),
                 0);
        QCOMPARE(p.LiczbaOkienWLiscie(), 1);
        QCOMPARE(zbieracz.ile(), 1);
        QCOMPARE(zbieracz.ostatni(), KOMUNIKAT_POMINIETE.arg(QStringLiteral(
                                         "Okno1 (brak symbolu), Okno2 (symbol „o1” powtarza się), "
                                         "Okno3 (poza liczbą okien podaną w sekcji [Okna])")));
        TOdczytProjektu odczyt;
        TZestawienieStolarki q;
        QCOMPARE(WczytajProjektZBajtow(q, "[Okna]\r\nLiczba=1\r\n[Okno0]\r\nSymbol=\r\n", QLocale(),
                                       &odczyt),
                 0);
        QVERIFY(!odczyt.niekompletny);
        QCOMPARE(odczyt.pominietych, 1);
        QVERIFY(odczyt.Ostrzezenie());
    }

    // A name the catalogue does not know is told, with its window; the
    // value stays the default.
    void nieznaneNazwy() {
        TZbieraczKomunikatow zbieracz;
        TZestawienieStolarki p;
        QCOMPARE(WczytajTekst(p, "[Okna]\nLiczba=1\n[Okno0]\nSymbol=O3\nTypOkna=9 skrzydłowe\n"
                                 "MaterialRamy=PCV\nUwagi=\n"),
                 0);
        QCOMPARE(p.GetOkno(QStringLiteral("O3"))->TypOkna, 1001);
        QCOMPARE(zbieracz.ile(), 1);
        QVERIFY2(zbieracz.ostatni().contains(QStringLiteral("okno O3 – typ okna „9 skrzydłowe”")),
                 qPrintable(zbieracz.ostatni()));
    }

    // A building stored with an attic but no ground floor reads with one,
    // as the project panel shows it.
    void poddaszeZParterem() {
        TZestawienieStolarki p;
        QCOMPARE(WczytajTekst(p, "[Projekt]\nParter=0\nPoddasze=1\n[Okna]\nLiczba=0\n"), 0);
        QVERIFY(p.Parter());
        QVERIFY(p.Poddasze());
    }

    // Decimals are written with a comma or a point only: a locale with
    // another separator writes a point, and the file reads back whole.
    void separatorInnegoLocale() {
        TZestawienieStolarki a;
        a.AddOkno(QStringLiteral("O1"));
        a.GetOkno(QStringLiteral("O1"))->Ug = 1.1;
        a.KursEuro = 4.25;
        const QLocale arabski(QLocale::Arabic, QLocale::Egypt);
        QVERIFY(arabski.decimalPoint() != QLatin1String(","));
        QVERIFY(arabski.decimalPoint() != QLatin1String("."));
        const QByteArray bajty = ZapiszProjektDoBajtow(a, arabski).value_or(QByteArray());
        QVERIFY(bajty.contains("Ug=1.1\r\n"));
        QVERIFY(bajty.contains("KursEuro=4.25\r\n"));
        TZestawienieStolarki b;
        QCOMPARE(WczytajProjektZBajtow(b, bajty, arabski), 0);
        QCOMPARE(b.GetOkno(QStringLiteral("O1"))->Ug, 1.1);
        QCOMPARE(b.KursEuro, 4.25);
    }

    // Why a save failed, in the user's words.
    void powodBleduZapisu() {
        TZestawienieStolarki p;
        QString powod;
        QCOMPARE(ZapiszProjekt(p, Sciezka("brak/katalogu.tmv"), QLocale(), &powod), -1);
        QVERIFY2(powod.startsWith(QStringLiteral("folder ")) && powod.contains("nie istnieje"),
                 qPrintable(powod));
        QCOMPARE(ZapiszProjekt(p, katalog.path(), QLocale(), &powod), -1);
        QVERIFY2(powod.startsWith(QStringLiteral("pod tą nazwą jest folder")), qPrintable(powod));
    }

    // Numbers that a damaged file may hold cost neither time nor memory.
    void plikWrogi() {
        TZbieraczKomunikatow zbieracz;
        TZestawienieStolarki p;
        // Its time: bench/bench_wrogie.cpp.
        QCOMPARE(WczytajTekst(p, "[Projekt]\nLiczbaPieter=2000000000\n"
                                 "[Okna]\nLiczba=2147483647\n[Okno0]\nSymbol=A\n"
                                 "[Okno2147483646]\nSymbol=B\n[Okno99999999999]\nSymbol=C\n"),
                 0);
        QCOMPARE(p.LiczbaPieter(), MAX_LICZBA_PIETER);
        QCOMPARE(zbieracz.ile(), 2); // the floors cut down, the windows missing
        QVERIFY(zbieracz.komunikaty[0].tresc.contains("2000000000"));
        QCOMPARE(p.LiczbaOkienWLiscie(), 2);
        TZestawienieStolarki q;
        QCOMPARE(WczytajTekst(q, "[Projekt]\nLiczbaPieter=-4\n[Okna]\nLiczba=-1\n"
                                 "[Okno0]\nSymbol=A\n"),
                 0);
        QCOMPARE(q.LiczbaPieter(), 0);
        QCOMPARE(q.LiczbaOkienWLiscie(), 0);
    }
};

QTEST_GUILESS_MAIN(TestPlikProjektu)
#include "tst_plikprojektu.moc"
