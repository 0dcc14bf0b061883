#include "model/pliki/plikprojektu.h"
#include "model/projekt/polecenia/dodajokno.h"
#include "model/projekt/polecenia/ustawpola.h"
#include "model/projekt/polecenia/ustawpoziomy.h"
#include "model/projekt/polecenia/ustawprojekt.h"
#include "model/projekt/polecenia/ustawwszystkim.h"
#include "model/projekt/polecenia/usunokno.h"
#include "model/projekt/polecenia/zmiensymbol.h"
#include "model/projekt/projektotwarty.h"
#include "tests/common/projektytestowe.h"
#include "tests/common/zbieracz.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// The project field by field as its file holds it, and its windows'
// identities in list order.
struct TStan {
    QByteArray pola;
    QList<TIdOkna> id;
    bool operator==(const TStan&) const = default;
};

TStan Stan(const TProjektOtwarty& p) {
    TStan s{ZapiszProjektDoBajtow(*p.Projekt()).value_or(QByteArray()), {}};
    for (int i = 0; i < p.Projekt()->LiczbaOkienWLiscie(); ++i)
        s.id << p.Projekt()->Okno(i)->Id();
    return s;
}

const TOkno& Okno(const TProjektOtwarty& p, const char* symbol) {
    return *p.Projekt()->GetOkno(QString::fromLatin1(symbol));
}

} // namespace

class TestProjektOtwarty : public QObject {
    Q_OBJECT

    QTemporaryDir katalog;

    // A saved project of three windows A, B, C (B with counts on two
    // levels, C with Lg and d of its own), open.
    QString Zapisany(TProjektOtwarty& p, const QString& nazwa = QStringLiteral("p.tmv")) {
        const QString sciezka = ZapiszTestowy(katalog.filePath(nazwa), [](TZestawienieStolarki& z) {
            z.SetParter(true);
            z.SetLiczbaPieter(1);
            for (const char* s : {"A", "B", "C"}) {
                z.AddOkno(QString::fromLatin1(s));
                TOkno& o = *z.GetOkno(QString::fromLatin1(s));
                o.Szerokosc = 1200;
                o.Wysokosc = 1500;
                o.Ug = 1.1;
                o.Uf = 1.3;
            }
            TOkno& b = *z.GetOkno(QStringLiteral("B"));
            b.SetLiczba(POZIOM_PARTER, 2, 3);
            b.SetLiczba(QStringLiteral("1"), 4, 5);
            z.GetOkno(QStringLiteral("C"))->dRamy = 80;
            z.GetOkno(QStringLiteral("C"))->Lg = 3000;
        });
        return !sciezka.isEmpty() && p.Otworz(sciezka).Ok() ? sciezka : QString();
    }

private slots:
    void initTestCase() {
        QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));
        QVERIFY(katalog.isValid());
    }

    // Every kind of change done, taken back to the project as it was, field
    // by field and window by window, and made again to the same.
    void polecenia_data() {
        QTest::addColumn<QString>("rodzaj");
        for (const char* r :
             {"pola", "dodaj", "powiel", "usun", "symbol", "wielkosc liter", "wszystkim Ug",
              "wszystkim d", "wszystkim skrzydła", "poziomy", "dane"})
            QTest::newRow(r) << QString::fromUtf8(r);
    }
    void polecenia() {
        QFETCH(QString, rodzaj);
        TProjektOtwarty p;
        QVERIFY(!Zapisany(p).isEmpty());
        const TStan przed = Stan(p);
        const TIdOkna b = Okno(p, "B").Id();
        std::unique_ptr<TPolecenie> polecenie;
        if (rodzaj == "pola") {
            TOkno nowe = Okno(p, "B");
            nowe.Szerokosc = 900;
            nowe.SetLiczba(POZIOM_PARTER, 2, 7);
            polecenie = std::make_unique<TUstawPolaOkna>(b, nowe);
        } else if (rodzaj == "dodaj") {
            polecenie = std::make_unique<TDodajOkno>(QStringLiteral(" D "));
        } else if (rodzaj == "powiel") {
            polecenie = std::make_unique<TDodajOkno>(QStringLiteral("D"), b, QStringLiteral("B"));
        } else if (rodzaj == "usun") {
            polecenie = std::make_unique<TUsunOkno>(b, QStringLiteral("B"));
        } else if (rodzaj == "symbol") {
            polecenie = std::make_unique<TZmienSymbol>(b, QStringLiteral("B"), QStringLiteral("Z"));
        } else if (rodzaj == "wielkosc liter") {
            polecenie = std::make_unique<TZmienSymbol>(b, QStringLiteral("B"), QStringLiteral("b"));
        } else if (rodzaj == "wszystkim Ug") {
            TOkno nowe = Okno(p, "B");
            nowe.Ug = 0.5;
            nowe.BudowaSzyby = QStringLiteral("4/12Kr/4/12Kr/4");
            nowe.PowlokiSzyby = QStringLiteral("2:0,03;5:0,03");
            QCOMPARE(p.Wykonaj(std::make_unique<TUstawPolaOkna>(b, nowe)), WYNIK_OK);
            polecenie = std::make_unique<TPrzypiszWszystkim>(TCoWszystkim::Ug, b);
        } else if (rodzaj == "wszystkim skrzydła") {
            TOkno nowe = Okno(p, "B");
            nowe.RodzajSkrzydla[0] = RODZAJ_PLYCINA;
            QCOMPARE(p.Wykonaj(std::make_unique<TUstawPolaOkna>(b, nowe)), WYNIK_OK);
            polecenie = std::make_unique<TPrzypiszWszystkim>(TCoWszystkim::RodzajeSkrzydel, b);
        } else if (rodzaj == "wszystkim d") {
            polecenie =
                std::make_unique<TPrzypiszWszystkim>(TCoWszystkim::dRamy, Okno(p, "C").Id());
        } else if (rodzaj == "poziomy") {
            polecenie = std::make_unique<TUstawPoziomy>(TPoziomyBudynku{true, false, 0, false});
        } else {
            TDaneProjektu d = *p.Projekt();
            d.Firma = QStringLiteral("Łęg");
            d.TemperaturaWewnetrzna = 16;
            polecenie = std::make_unique<TUstawDaneProjektu>(d);
        }
        const TStan poczatek = Stan(p); // after a step of its own, where there is one
        QCOMPARE(p.Wykonaj(std::move(polecenie)), WYNIK_OK);
        QVERIFY(p.Zmieniony());
        const TStan po = Stan(p);
        QVERIFY(!(po == poczatek));
        QVERIFY(p.Cofnij());
        QCOMPARE(Stan(p), poczatek);
        QVERIFY(p.Ponow());
        QCOMPARE(Stan(p), po);
        while (p.Cofnij()) {
        }
        QCOMPARE(Stan(p), przed);
        QVERIFY(!p.Zmieniony());

        // What each does, in the project itself.
        QVERIFY(p.Ponow());
        if (rodzaj == "dodaj")
            QCOMPARE(p.Projekt()->Okno(3)->Symbol(), QStringLiteral("D"));
        if (rodzaj == "powiel")
            QCOMPARE(Okno(p, "D").GetLiczba(QStringLiteral("1"), 4), 5);
        if (rodzaj == "wszystkim d") {
            // Every window's Lg follows the new d at once; the one the value
            // came from keeps its own.
            QCOMPARE(Okno(p, "A").dRamy, 80.0);
            QCOMPARE(Okno(p, "A").Lg, 2.0 * 1200 + 2 * 1500 - 8 * 80);
            QCOMPARE(Okno(p, "C").Lg, 3000.0);
        }
        if (rodzaj == "wszystkim Ug") {
            // The build-up goes with its Ug (the second step).
            QVERIFY(p.Ponow());
            QCOMPARE(Okno(p, "A").BudowaSzyby, QStringLiteral("4/12Kr/4/12Kr/4"));
            QCOMPARE(Okno(p, "C").PowlokiSzyby, QStringLiteral("2:0,03;5:0,03"));
        }
        if (rodzaj == "wszystkim skrzydła") {
            // C's one sash becomes a panel: no glass edge left of its 3000.
            QVERIFY(p.Ponow());
            QCOMPARE(Okno(p, "C").RodzajSkrzydla[0], RODZAJ_PLYCINA);
            QCOMPARE(Okno(p, "C").Lg, 0.0);
        }
        if (rodzaj == "poziomy") {
            QCOMPARE(Okno(p, "B").GetLiczba(POZIOM_PARTER, 2), 0);
            QCOMPARE(p.Projekt()->Poziomy(), QStringList{POZIOM_PODPIWNICZENIE});
        }
    }

    // A command that finds nothing to change is not recorded; one that cannot
    // be done leaves the project as it was.
    void bezZmian() {
        TProjektOtwarty p;
        QVERIFY(!Zapisany(p).isEmpty());
        const TStan przed = Stan(p);
        const TIdOkna b = Okno(p, "B").Id();
        QCOMPARE(p.Wykonaj(std::make_unique<TUstawPolaOkna>(b, Okno(p, "B"))), WYNIK_BEZ_ZMIAN);
        QCOMPARE(p.Wykonaj(std::make_unique<TUstawPoziomy>(p.Projekt()->PoziomyBudynku())),
                 WYNIK_BEZ_ZMIAN);
        QCOMPARE(p.Wykonaj(std::make_unique<TUstawDaneProjektu>(*p.Projekt())), WYNIK_BEZ_ZMIAN);
        QCOMPARE(p.Wykonaj(std::make_unique<TPrzypiszWszystkim>(TCoWszystkim::Ug, b)),
                 WYNIK_BEZ_ZMIAN);
        QCOMPARE(p.Wykonaj(std::make_unique<TDodajOkno>(QStringLiteral("b"))), WYNIK_DUPLIKAT);
        QCOMPARE(p.Wykonaj(std::make_unique<TZmienSymbol>(b, "B", "c")), WYNIK_DUPLIKAT);
        std::vector<std::unique_ptr<TPolecenie>> grupa;
        grupa.push_back(std::make_unique<TDodajOkno>(QStringLiteral("D")));
        grupa.push_back(std::make_unique<TDodajOkno>(QStringLiteral("a")));
        QCOMPARE(p.Wykonaj(std::make_unique<TGrupaPolecen>(QStringLiteral("g"), std::move(grupa))),
                 WYNIK_DUPLIKAT);
        QCOMPARE(Stan(p), przed);
        QCOMPARE(p.Historia().Liczba(), 0);
        QVERIFY(!p.Zmieniony());
    }

    // Steps address windows by identity: taken back in any order after
    // windows before them went and came back, each finds its own.
    void tozsamosc() {
        TProjektOtwarty p;
        QVERIFY(!Zapisany(p).isEmpty());
        const TIdOkna c = Okno(p, "C").Id();
        TOkno nowe = Okno(p, "C");
        nowe.Ug = 0.6;
        QCOMPARE(p.Wykonaj(std::make_unique<TUstawPolaOkna>(c, nowe)), WYNIK_OK);
        QCOMPARE(p.Wykonaj(std::make_unique<TUsunOkno>(Okno(p, "A").Id(), "A")), WYNIK_OK);
        QCOMPARE(p.Wykonaj(std::make_unique<TDodajOkno>(QStringLiteral("A"))), WYNIK_OK);
        QCOMPARE(p.Projekt()->IndeksOknaId(c), 1);
        QVERIFY(p.Cofnij() && p.Cofnij());
        QCOMPARE(p.Projekt()->Okno(0)->Symbol(), QStringLiteral("A")); // back at its place
        QVERIFY(p.Cofnij());
        QCOMPARE(Okno(p, "C").Ug, 1.1);
        QCOMPARE(Okno(p, "C").Id(), c);
        // A step for a window that is gone cannot be done.
        QCOMPARE(p.Wykonaj(std::make_unique<TUsunOkno>(9'999'999, "X")), WYNIK_BLAD);
    }

    // At most 200 steps; the saved place is kept while a step leads back to
    // it and lost when it is dropped or left behind.
    void historia() {
        TProjektOtwarty p;
        p.Nowy();
        for (int i = 0; i < THistoria::LIMIT + 5; ++i)
            QCOMPARE(p.Wykonaj(std::make_unique<TDodajOkno>(QString::number(i))), WYNIK_OK);
        QCOMPARE(p.Historia().Liczba(), THistoria::LIMIT);
        QCOMPARE(p.Historia().NazwaCofniecia(), QStringLiteral("dodanie okna 204"));
        int cofniete = 0;
        while (p.Cofnij())
            ++cofniete;
        QCOMPARE(cofniete, THistoria::LIMIT);
        QCOMPARE(p.Projekt()->LiczbaOkienWLiscie(), 5);
        QVERIFY(p.Zmieniony()); // the new project's state lies before the steps kept
        QVERIFY(p.ZapiszJako(katalog.filePath(QStringLiteral("h.tmv"))).Ok());
        QVERIFY(p.Ponow());
        QVERIFY(p.Zmieniony());
        QVERIFY(p.Cofnij());
        QVERIFY(!p.Zmieniony());
        QVERIFY(p.Ponow());
        QCOMPARE(p.Wykonaj(std::make_unique<TDodajOkno>(QStringLiteral("x"))), WYNIK_OK);
        while (p.Cofnij()) {
        }
        QVERIFY(!p.Zmieniony()); // passed on the way back
        QVERIFY(p.Ponow() && p.Ponow());
        QVERIFY(p.Zapisz().Ok());
        QVERIFY(p.Cofnij() && p.Cofnij());
        QCOMPARE(p.Wykonaj(std::make_unique<TDodajOkno>(QStringLiteral("y"))), WYNIK_OK);
        while (p.Cofnij()) {
        }
        QVERIFY(p.Zmieniony()); // the saved state lay among the steps replaced
    }

    // "Zapisz jako" that fails keeps the project's name and path; a file
    // written by someone else since it was read is not overwritten unasked.
    void zapis() {
        TProjektOtwarty p;
        const QString sciezka = Zapisany(p);
        QVERIFY(!sciezka.isEmpty());
        QCOMPARE(p.Wykonaj(std::make_unique<TDodajOkno>(QStringLiteral("D"))), WYNIK_OK);
        const TWynikPliku w = p.ZapiszJako(katalog.filePath(QStringLiteral("brak/x.tmv")));
        QCOMPARE(w.kod, TWynikPliku::Kod::Blad);
        QVERIFY(w.powod.contains(QStringLiteral("nie istnieje")));
        QCOMPARE(p.Sciezka(), sciezka);
        QVERIFY(p.Zmieniony());

        QFile f(sciezka);
        QVERIFY(f.open(QIODevice::Append));
        f.write("[Inny]\r\nKlucz=1\r\n");
        f.close();
        QCOMPARE(p.Zapisz().kod, TWynikPliku::Kod::ZmienionyNaDysku);
        QVERIFY(p.Zmieniony());
        QVERIFY(p.Zapisz(true).Ok());
        QVERIFY(!p.Zmieniony());
        QVERIFY(p.Zapisz().Ok()); // its own writing is no change by another
    }

    // Two programs at one file: the second is told, may open it read-only,
    // and saves it only under another name; the lock goes with the project.
    void blokada() {
        const QString blokady = katalog.filePath(QStringLiteral("blokady"));
        TProjektOtwarty a, b;
        a.UzywajBlokady(blokady);
        b.UzywajBlokady(blokady);
        const QString sciezka = Zapisany(a, QStringLiteral("wspolny.tmv"));
        QVERIFY(!sciezka.isEmpty());
        QCOMPARE(b.Otworz(sciezka).kod, TWynikPliku::Kod::ZajetyGdzieIndziej);
        QVERIFY(!b.Otwarty());
        QVERIFY(b.Otworz(QDir::cleanPath(sciezka + QStringLiteral("/../wspolny.tmv")), true).Ok());
        QVERIFY(b.TylkoDoOdczytu());
        QVERIFY(b.ZapisWymagaNazwy());
        QCOMPARE(b.ZapiszJako(sciezka).kod, TWynikPliku::Kod::ZajetyGdzieIndziej);
        QVERIFY(b.ZapiszJako(katalog.filePath(QStringLiteral("kopia.tmv"))).Ok());
        QVERIFY(!b.TylkoDoOdczytu());
        a.Zamknij();
        b.Zamknij();
        QVERIFY(b.Otworz(sciezka).Ok());
        QCOMPARE(a.Otworz(sciezka).kod, TWynikPliku::Kod::ZajetyGdzieIndziej);
    }

    // The recovery copy follows the project's state: written while it
    // differs from its file (with what the panel holds), gone once undo
    // brings it back; restored, it opens under its project's name.
    void odzysk() {
        const QString folder = katalog.filePath(QStringLiteral("odzysk"));
        auto kopie = [&] {
            return QDir(folder).entryList({QStringLiteral("*.tmv")}, QDir::Files).size();
        };
        auto wlasny = std::make_unique<TProjektOtwarty>();
        TProjektOtwarty& p = *wlasny;
        p.UzywajOdzysku(folder);
        const QString sciezka = Zapisany(p);
        QVERIFY(!sciezka.isEmpty());
        QVERIFY(p.ZapiszOdzysk());
        QCOMPARE(kopie(), 0);
        TOkno z = Okno(p, "A");
        z.Szerokosc = 777;
        const TStan przed = Stan(p);
        QVERIFY(p.ZapiszOdzysk(std::make_unique<TUstawPolaOkna>(z.Id(), z)));
        QCOMPARE(kopie(), 1);
        QCOMPARE(Stan(p), przed); // the panel's change is no change of the project
        QCOMPARE(p.Wykonaj(std::make_unique<TUstawPolaOkna>(z.Id(), z)), WYNIK_OK);
        QVERIFY(p.ZapiszOdzysk());
        QVERIFY(p.Cofnij());
        QCOMPARE(kopie(), 0);
        QVERIFY(p.Ponow());
        QVERIFY(p.ZapiszOdzysk());

        // Another program sees it only once this one is gone without
        // closing, and restores it.
        TProjektOtwarty inny;
        inny.UzywajOdzysku(folder);
        QVERIFY(inny.Odzysk()->Pozostawione().empty());
        wlasny.reset();
        const std::vector<TKopiaOdzysku> pozostawione = inny.Odzysk()->Pozostawione();
        QCOMPARE(pozostawione.size(), std::size_t(1));
        QCOMPARE(pozostawione[0].plik, sciezka);
        QVERIFY(inny.Przywroc(pozostawione[0]).Ok());
        QCOMPARE(inny.Sciezka(), sciezka);
        QVERIFY(inny.Zmieniony());
        QCOMPARE(Okno(inny, "A").Szerokosc, 777.0);
        // Closed without saving, the copy goes.
        inny.Zamknij();
        QCOMPARE(kopie(), 0);
    }

    // A project opened by a relative path is known by its absolute one, and
    // so is its recovery copy: restored in a program started elsewhere, it
    // names the same file; when that file changed since the copy was made,
    // saving over it asks first (ZmienionyNaDysku), nothing written.
    void odzyskZWzglednejSciezki() {
        const QString folder = katalog.filePath(QStringLiteral("odzysk-wzgledny"));
        QVERIFY(QDir().mkpath(katalog.filePath(QStringLiteral("w"))));
        const QString plik = ZapiszTestowy(katalog.filePath(QStringLiteral("w/dom.tmv")),
                                           [](TZestawienieStolarki& z) { z.AddOkno("A"); });
        QVERIFY(!plik.isEmpty());
        const QString bylyFolder = QDir::currentPath();
        QVERIFY(QDir::setCurrent(katalog.path()));
        auto wlasny = std::make_unique<TProjektOtwarty>();
        wlasny->UzywajOdzysku(folder);
        QVERIFY(wlasny->Otworz(QStringLiteral("w/dom.tmv")).Ok());
        QVERIFY(QDir::setCurrent(bylyFolder));
        QCOMPARE(wlasny->Sciezka(), QFileInfo(plik).absoluteFilePath());
        TOkno a = Okno(*wlasny, "A");
        a.Szerokosc = 900;
        QCOMPARE(wlasny->Wykonaj(std::make_unique<TUstawPolaOkna>(a.Id(), a)), WYNIK_OK);
        QVERIFY(wlasny->ZapiszOdzysk());
        wlasny.reset(); // gone without closing

        // Another project written to that file meanwhile.
        const QByteArray inny = [] {
            TZestawienieStolarki z;
            z.AddOkno(QStringLiteral("INNE"));
            return ZapiszProjektDoBajtow(z).value_or(QByteArray());
        }();
        QFile f(plik);
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(inny) == inny.size());
        f.close();

        TProjektOtwarty drugi;
        drugi.UzywajOdzysku(folder);
        const std::vector<TKopiaOdzysku> k = drugi.Odzysk()->Pozostawione();
        QCOMPARE(k.size(), std::size_t(1));
        QCOMPARE(k[0].plik, QFileInfo(plik).absoluteFilePath());
        QVERIFY(drugi.Przywroc(k[0]).Ok());
        QCOMPARE(drugi.Zapisz().kod, TWynikPliku::Kod::ZmienionyNaDysku);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), inny);
        f.close();
        // Told yes, it is written.
        QVERIFY(drugi.Zapisz(true).Ok());
        drugi.Zamknij();
    }

    // A copy whose description is missing, or a description without its
    // copy, is never left unlisted.
    void odzyskNiepelny() {
        const QString folder = katalog.filePath(QStringLiteral("niepelny"));
        QVERIFY(QDir().mkpath(folder));
        TZestawienieStolarki z;
        z.AddOkno(QStringLiteral("X"));
        QCOMPARE(ZapiszProjekt(z, folder + QStringLiteral("/bez-opisu.tmv")), WYNIK_OK);
        QFile opis(folder + QStringLiteral("/bez-kopii.ini"));
        QVERIFY(opis.open(QIODevice::WriteOnly));
        opis.write("[General]\nPlik=/x.tmv\n");
        opis.close();
        TOdzysk odzysk(folder);
        const std::vector<TKopiaOdzysku> k = odzysk.Pozostawione();
        QCOMPARE(k.size(), std::size_t(1));
        QCOMPARE(k[0].id, QStringLiteral("bez-opisu"));
        QCOMPARE(k[0].nazwa, QStringLiteral("bez nazwy"));
        QVERIFY(!QFile::exists(opis.fileName()));
    }
};

QTEST_GUILESS_MAIN(TestProjektOtwarty)
#include "tst_projektotwarty.moc"
