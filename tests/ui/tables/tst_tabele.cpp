#include "ui/tables/listaskrzydel.h"
#include "ui/tables/tabdr.h"
#include "ui/tables/tabpsig.h"
#include "ui/tables/tabuf.h"
#include "ui/tables/tabug.h"
#include "ui/tables/typokna.h"

#include "model/dane/produktydv.h"
#include "model/obliczenia/wycena.h"
#include "model/zestawienie.h"
#include <QButtonGroup>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>

#include <QRadioButton>
#include <QtTest>

namespace {

void Klik(QButtonGroup* g, int id) {
    g->button(id)->click();
}

} // namespace

class TestTabele : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland)); }

    void ugNormy() {
        TUgTabForm f;
        QCOMPARE(f.Strony->currentIndex(), 1); // the first opening: the manufacturer's page
        f.show();
        QCOMPARE(f.Wartosc(), QStringLiteral("1"));
        QCOMPARE(f.ZrodloWartosci(), 2);
        QCOMPARE(f.KodID(), 21);
        f.RadioButton2->click();
        QCOMPARE(f.Wartosc(), QStringLiteral("0,6"));
        QCOMPARE(f.KodID(), 20);

        f.Strony->setCurrentIndex(0);
        QCOMPARE(f.ZrodloWartosci(), 1);
        QCOMPARE(f.KodID(), 10);
        Klik(f.SzkloEmisyjnoscUgRG, 2);
        Klik(f.WymiaryUgRG, 2);
        Klik(f.RodzajGazuUgRG, 1);
        QCOMPARE(f.Wartosc(), QStringLiteral("1,7"));
        QCOMPARE(f.WymiaryUgRG->button(2)->text(), QStringLiteral("4 - 12 - 4"));
        // Double to triple with dimension row 5: row 1 and its triple value.
        Klik(f.WymiaryUgRG, 4);
        Klik(f.TypOszkleniaUgRG, 1);
        QCOMPARE(f.WymiaryUgRG->checkedId(), 0);
        QCOMPARE(f.SzkloEmisyjnoscUgRG->button(1)->text(),
                 QStringLiteral("dwie szyby pokryte - emisyjność <=0.4"));
        QCOMPARE(f.Wartosc(), QStringLiteral("2,1"));
        Klik(f.SzkloEmisyjnoscUgRG, 4);
        Klik(f.WymiaryUgRG, 2);
        Klik(f.RodzajGazuUgRG, 2);
        QCOMPARE(f.Wartosc(), QStringLiteral("0,5"));
        // The empty fourth row of triple glazing falls back to row 1.
        Klik(f.WymiaryUgRG, 3);
        QCOMPARE(f.WymiaryUgRG->checkedId(), 0);
        QCOMPARE(f.WymiaryUgRG->button(3)->text(), QString());
        // Reopening resets glass and dimensions, keeps the gas.
        Klik(f.SzkloEmisyjnoscUgRG, 3);
        f.hide();
        f.show();
        QCOMPARE(f.SzkloEmisyjnoscUgRG->checkedId(), 0);
        QCOMPARE(f.WymiaryUgRG->checkedId(), 0);
        QCOMPARE(f.RodzajGazuUgRG->checkedId(), 2);
        QCOMPARE(f.Strony->currentIndex(), 0);
    }

    void ufDrewnoIMetal() {
        TUfTabForm f;
        f.resize(900, 700);
        f.show();
        QCOMPARE(f.Wartosc(), QStringLiteral("1,21"));
        QCOMPARE(f.KodID(), 20);
        QCOMPARE(NazwaMaterialuRamy(f.WybranyMaterial()), QStringLiteral("PCV"));
        Klik(f.RamyDV, 8);
        QCOMPARE(f.Wartosc(), QStringLiteral("1,5"));
        QCOMPARE(f.KodID(), 24);
        QCOMPARE(NazwaMaterialuRamy(f.WybranyMaterial()), QStringLiteral("drewno"));

        f.Strony->setCurrentIndex(0);
        Klik(f.SztuczneMatTypRG, 1);
        QCOMPARE(f.Wartosc(), QStringLiteral("2,2"));
        Klik(f.RodzajRamyGB, 1);
        QCOMPARE(f.Wartosc(), QStringLiteral("0"));
        QVERIFY(f.DrewnianaChart->isVisible());
        // Its points where they are drawn once the chart is laid out.
        QTRY_VERIFY(!f.DrewnianaChart->chart()->plotArea().isEmpty());
        // Softwood (series 2) at 60 mm.
        QTest::mouseClick(f.DrewnianaChart->viewport(), Qt::LeftButton, {},
                          f.DrewnianaChart->PozycjaPunktu(1, 3));
        QCOMPARE(f.Wartosc(), QStringLiteral("1,88"));
        QCOMPARE(f.ZrodloWartosci(), 1);
        QCOMPARE(f.KodID(), 10);
        QCOMPARE(NazwaMaterialuRamy(f.WybranyMaterial()), QStringLiteral("drewno"));

        Klik(f.RodzajRamyGB, 2);
        QCOMPARE(f.Wartosc(), QStringLiteral("5,9"));
        QVERIFY(!f.MetalowaChart->isVisible());
        QVERIFY(!f.PodpowiedzST->isVisible());
        QCOMPARE(NazwaMaterialuRamy(f.WybranyMaterial()), QStringLiteral("metal"));
        Klik(f.MetalPrzeklTermGb, 1);
        QVERIFY(f.MetalowaChart->isVisible());
        QTRY_VERIFY(!f.MetalowaChart->chart()->plotArea().isEmpty());
        QTest::mouseClick(f.MetalowaChart->viewport(), Qt::LeftButton, {},
                          f.MetalowaChart->PozycjaPunktu(0, 16));
        QCOMPARE(f.Wartosc(), QStringLiteral("2,48"));
        QTest::mouseClick(f.MetalowaChart->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(f.Wartosc(), QStringLiteral("0"));
        Klik(f.RodzajRamyGB, 0);
        QCOMPARE(f.Wartosc(), QStringLiteral("2,2"));
        QCOMPARE(NazwaMaterialuRamy(f.WybranyMaterial()), QStringLiteral("PCV"));
        // A wood value is not kept across openings.
        Klik(f.RodzajRamyGB, 1);
        QTest::mouseClick(f.DrewnianaChart->viewport(), Qt::LeftButton, {},
                          f.DrewnianaChart->PozycjaPunktu(0, 0));
        QCOMPARE(f.Wartosc(), QStringLiteral("2,7"));
        f.hide();
        f.show();
        QCOMPARE(f.Wartosc(), QStringLiteral("0"));
    }

    void psig_data() {
        QTest::addColumn<int>("strona");
        QTest::addColumn<int>("a");
        QTest::addColumn<int>("b");
        QTest::addColumn<QString>("wartosc");
        QTest::newRow("metal bez przekładki, niepokryte") << 0 << 2 << 0 << "0";
        QTest::newRow("z przekładką, potrójne niskoemisyjne") << 0 << 1 << 2 << "0,08";
        QTest::newRow("drewno, niepokryte") << 0 << 0 << 0 << "0,04";
        QTest::newRow("PCV, polimery") << 1 << 1 << 2 << "0,04";
        QTest::newRow("aluminiowa, stalowa") << 1 << 2 << 1 << "0,12";
    }
    void psig() {
        QFETCH(int, strona);
        QFETCH(int, a);
        QFETCH(int, b);
        QFETCH(QString, wartosc);
        TPsigTabForm f;
        f.show();
        f.Strony->setCurrentIndex(strona);
        if (strona == 0) {
            Klik(f.MaterialRamyGB, a);
            Klik(f.OszklenieGB, b);
        } else {
            Klik(f.RodzajRamyDVGB, a);
            Klik(f.RamkaDVRG, b);
        }
        QCOMPARE(f.Wartosc(), wartosc);
        // Switching pages and back keeps each page's selections.
        f.Strony->setCurrentIndex(1 - strona);
        f.Strony->setCurrentIndex(strona);
        QCOMPARE(f.Wartosc(), wartosc);
    }

    void dR() {
        const char* const oczekiwane[5][4] = {{"0,08", "0,08", "0,08", "0,08"},
                                              {"0,0925", "0,115", "0,1275", "0,14"},
                                              {"0,1155", "0,165", "0,1925", "0,22"},
                                              {"0,148", "0,22", "0,26", "0,3"},
                                              {"0,1795", "0,265", "0,3125", "0,36"}};
        TdRTabForm f;
        f.show();
        QCOMPARE(f.Wartosc(), QStringLiteral("0,1927"));
        f.Strony->setCurrentIndex(0);
        for (int k = 0; k < 5; ++k) {
            Klik(f.KategorieGB, k);
            for (int t = 0; t < 4; ++t) {
                Klik(f.TypZaluzjiRG, t);
                QCOMPARE(f.Wartosc(), QString::fromLatin1(oczekiwane[k][t]));
            }
        }
        f.Strony->setCurrentIndex(1);
        QCOMPARE(f.Wartosc(), QStringLiteral("0,1927"));
    }

    void typOkna() {
        TFTypOkna f;
        QCOMPARE(f.LiczbaSkrzydelPC->count(), 8);
        QCOMPARE(f.LiczbaSkrzydelPC->tabText(4), QStringLiteral("5-skrzydłowe"));
        QCOMPARE(f.findChildren<QLabel*>(QRegularExpression("^skrz\\dImg\\d{3}$")).size(), 82);
        QCOMPARE(f.WybranyTyp(), 0);
        auto* obraz = f.findChild<QLabel*>("skrz5Img037");
        QVERIFY(obraz);
        QCOMPARE(obraz->cursor().shape(), Qt::PointingHandCursor);
        QTest::mouseClick(obraz, Qt::LeftButton);
        QCOMPARE(f.WybranyTyp(), 5037);
        QCOMPARE(f.WybranyIMG->pixmap().size(), QSize(59, 65));
        QSignalSpy bledy(&f, &TFTypOkna::blad);
        f.KliknijObraz(9001);
        QCOMPARE(f.WybranyTyp(), 1001);
        QCOMPARE(bledy.count(), 1);
        QCOMPARE(bledy.first().first().toString(),
                 QStringLiteral("Brak zdefiniowanego kodu dla wybranego typu okna!"));
        f.SetSkrzydlo("3", "odchylne");
        QCOMPARE(f.GetSkrzydlo("3"), QStringLiteral("odchylne"));
        // A row without a kind name opens the drop-down with nothing selected.
        f.show();
        f.SkrzydlaVLE->setCurrentCell(1, 1);
        emit f.SkrzydlaVLE->cellClicked(1, 1);
        QCOMPARE(f.SkrzydlaVLE->SkrzydloCB->currentIndex(), -1);
    }

    void obrazyTypow_data() {
        QTest::addColumn<int>("kod");
        QTest::addColumn<QSize>("rozmiar");
        QTest::newRow("1001") << 1001 << QSize(41, 41);
        QTest::newRow("3003") << 3003 << QSize(41, 41);
        QTest::newRow("2001") << 2001 << QSize(52, 41);
        QTest::newRow("3001") << 3001 << QSize(65, 41);
        QTest::newRow("5001") << 5001 << QSize(90, 41);
        QTest::newRow("5002") << 5002 << QSize(41, 90);
        QTest::newRow("5037") << 5037 << QSize(59, 65);
        QTest::newRow("8001") << 8001 << QSize(79, 41);
    }
    void obrazyTypow() {
        QFETCH(int, kod);
        QFETCH(QSize, rozmiar);
        const QImage obraz = ObrazTypuOkna(kod).toImage();
        QCOMPARE(obraz.size(), rozmiar);
        QCOMPARE(obraz.pixel(1, 1), qRgb(0, 0, 0));
        QCOMPARE(obraz.pixel(4, 4), qRgb(255, 255, 255));
    }

    // Every glass and frame the manufacturer's pages offer, as the buttons
    // give them, can be priced from the list.
    void produktyDVMajaCene() {
        TUgTabForm ug;
        TUfTabForm uf;
        ug.show();
        uf.show();
        QList<std::pair<int, double>> szkla;
        for (QRadioButton* b : {ug.RadioButton1, ug.RadioButton2}) {
            QTest::mouseClick(b, Qt::LeftButton);
            szkla << std::pair{ug.KodID(), ug.Wartosc().replace(',', '.').toDouble()};
        }
        QCOMPARE(szkla.size(), SzklaDV().size());
        QCOMPARE(uf.RamyDV->buttons().size(), RamyDV().size());
        TZestawienieStolarki p;
        p.KursEuro = 4.3;
        for (int i = 0; i < uf.RamyDV->buttons().size(); ++i) {
            Klik(uf.RamyDV, i);
            for (const auto& [kodSzkla, ugDV] : szkla) {
                TOkno o("O");
                o.TypOkna = 1001;
                o.Szerokosc = 1000;
                o.Wysokosc = 1400;
                o.ZrodloUg = o.ZrodloUf = ZrodloDV;
                o.Ug = ugDV;
                o.SzkloKodID = kodSzkla;
                o.RamaKodID = uf.KodID();
                o.MaterialRamy = uf.WybranyMaterial();
                // Not every opening kind is offered in every line: one is enough.
                TWycena w;
                for (int rodzaj = 0; rodzaj < LICZBA_RODZAJOW_SKRZYDEL && w.Cena <= 0; ++rodzaj) {
                    o.RodzajSkrzydla[0] = rodzaj;
                    w = CenaDV(p, o);
                }
                // The TM74 aluminium frame (25) has its table, but the list prices
                // no size of it.
                const bool bezCen =
                    o.RamaKodID == 25 &&
                    w.Komunikat.startsWith(QStringLiteral("Brak wyspecyfikowanej ceny"));
                QVERIFY2(w.Cena > 0 || bezCen, qPrintable(QStringLiteral("%1/%2: %3")
                                                              .arg(o.RamaKodID)
                                                              .arg(kodSzkla)
                                                              .arg(w.Komunikat)));
                QVERIFY(RamaDV(o.RamaKodID) && SzkloDV(kodSzkla));
            }
        }
    }
};

QTEST_MAIN(TestTabele)
#include "tst_tabele.moc"
