#pragma once

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

inline QByteArray Czytaj(const QString& sciezka) {
    QFile f(sciezka);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline bool Zapisz(const QString& sciezka, const QByteArray& bajty) {
    QFile f(sciezka);
    return f.open(QIODevice::WriteOnly) && f.write(bajty) == bajty.size();
}

inline QString Dane(const QString& nazwa) {
    return qEnvironmentVariable("TERMIVO_TEST_DATA") + QStringLiteral("/model/dane/") + nazwa;
}

// A project with every field and every level set.
inline void Wypelnij(TZestawienieStolarki& p) {
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
inline void PorownajOkna(const TOkno& a, const TOkno& b) {
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

inline void PorownajProjekty(TZestawienieStolarki& a, TZestawienieStolarki& b) {
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
inline QByteArray BezWersji(QByteArray b) {
    const qsizetype i = b.indexOf("Version=");
    if (i >= 0)
        b.remove(i, b.indexOf("\r\n", i) - i);
    return b;
}

} // namespace

// What the tests of project files share: a folder of their own and a file given as text.
class TTestPlikuProjektu : public QObject {
protected:
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

    void initTestCaseWspolne() {
        QVERIFY(katalog.isValid());
        QVERIFY(Cp1250Dostepne());
    }
    void initWspolne() { QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland)); }
};
