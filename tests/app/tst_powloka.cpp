#include "app/oprogramie.h"
#include "app/pomoc.h"
#include "app/splash.h"
#include "model/wersja.h"
#include "tests/common/zdarzenia.h"
#include "uslugi/dialogi.h"
#include "uslugi/tlumaczenia.h"
#include "uslugi/ustawieniastrony.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDesktopServices>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPrintDialog>
#include <QPrinter>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <memory>

// What the desktop was asked to open.
class TOtwarte : public QObject {
    Q_OBJECT

public:
    QList<QUrl> adresy;

public slots:
    void Otworz(const QUrl& adres) { adresy << adres; }
};

class TestPowloka : public QObject {
    Q_OBJECT

private slots:
    void splashPoKliknieciu() {
        TSplashForm s;
        s.show();
        QVERIFY(s.isVisible());
        QVERIFY(s.CloseTimer->isActive());
        QCOMPARE(s.CloseTimer->interval(), 3500);
        QCOMPARE(s.size(), QSize(400, 500));
        QVERIFY(s.windowFlags() & Qt::FramelessWindowHint);
        QVERIFY(s.windowFlags() & Qt::WindowStaysOnTopHint);
        // The picture passes the click on to the window.
        QTest::mouseClick(s.findChild<QLabel*>("SplashImg"), Qt::LeftButton);
        QVERIFY(!s.isVisible());
    }

    void splashPoCzasie() {
        TSplashForm s;
        QElapsedTimer czas;
        czas.start();
        s.show();
        QTRY_VERIFY_WITH_TIMEOUT(!s.isVisible(), 15000);
        QVERIFY(czas.elapsed() >= 3400);
    }

    void obrazy() {
        TSplashForm s;
        const QPixmap splash = s.findChild<QLabel*>("SplashImg")->pixmap();
        QCOMPARE(splash.size(), QSize(400, 500));
        TAboutBox o;
        QCOMPARE(o.findChild<QLabel*>("ProgramIcon")->pixmap().size(), QSize(197, 94));
        QCOMPARE(o.findChild<QLabel*>("Image1")->pixmap().size(), QSize(337, 160));
    }

    void oProgramie() {
        TAboutBox o;
        QCOMPARE(o.windowTitle(), QStringLiteral("O programie"));
        QCOMPARE(o.Version->text(), QStringLiteral("Wersja: ") + WersjaProgramu());
        QVERIFY(QRegularExpression(QStringLiteral("^Wersja: \\d+\\.\\d+\\.\\d+\\.\\d+$"))
                    .match(o.Version->text())
                    .hasMatch());
        QCOMPARE(o.ProductName->text(), QStringLiteral("Termivo"));
        QCOMPARE(o.findChild<QLabel*>("StaticText1")->text(),
                 QStringLiteral("Is fecit cui prodest."));
        QCOMPARE(o.WWWLab->cursor().shape(), Qt::PointingHandCursor);
        // The publisher's lines end left of the first column the picture draws on.
        o.show();
        auto* obraz = o.findChild<QLabel*>("Image1");
        const QImage tlo = obraz->pixmap().toImage();
        int tloMin = 255, rysunek = tlo.width();
        for (int y = 0; y < tlo.height(); ++y)
            tloMin = std::min(tloMin, qGray(tlo.pixel(0, y)));
        for (int x = 0; x < tlo.width() && rysunek == tlo.width(); ++x)
            for (int y = 0; y < tlo.height(); ++y)
                if (qGray(tlo.pixel(x, y)) < tloMin - 20)
                    rysunek = x;
        const QList<QLabel*> napisy = obraz->findChildren<QLabel*>();
        QCOMPARE(napisy.size(), 7);
        for (QLabel* l : napisy) {
            QVERIFY(l->geometry().bottom() < obraz->height());
            const int koniec =
                l->x() + l->contentsRect().left() + l->fontMetrics().horizontalAdvance(l->text());
            QVERIFY2(koniec < rysunek, qPrintable(l->text()));
        }
    }

    // Qt's own dialogs and menus speak Polish.
    void polskieTekstyQt() {
        QVERIFY(ZaladujTlumaczeniaQt(*QCoreApplication::instance()));
        QLineEdit pole;
        std::unique_ptr<QMenu> menu(pole.createStandardContextMenu());
        QStringList teksty;
        for (QAction* a : menu->actions())
            teksty << a->text();
        QVERIFY(teksty.contains(QStringLiteral("S&kopiuj\tCtrl+C")));
        QFileDialog plik;
        QCOMPARE(plik.labelText(QFileDialog::Reject), QStringLiteral("Anuluj"));
        // What Qt's Polish translation lacks: the print dialog's page range
        // and two-sided printing.
        QPrinter drukarka(QPrinter::HighResolution);
        QPrintDialog druk(&drukarka);
        QStringList przyciski;
        for (const QAbstractButton* b : druk.findChildren<QAbstractButton*>())
            przyciski << b->text();
        for (const char* t : {"Strony", "Wyłączony", "Wzdłuż dłuższej krawędzi"})
            QVERIFY2(przyciski.contains(QString::fromUtf8(t)), qPrintable(przyciski.join(u'|')));
        for (const char* t : {"Pages", "Off", "Long side binding"})
            QVERIFY(!przyciski.contains(QString::fromUtf8(t)));
    }

    // The program's own boxes in Polish: the close question and the symbol
    // box, their buttons clicked as a user clicks them.
    void pytaniaPoPolsku() {
        TDialogiQt dialogi;
        QString tytul;
        QStringList przyciski;
        auto kliknij = [&](const QString& ktory) {
            QTimer::singleShot(0, [&, ktory] {
                QWidget* okno = QApplication::activeModalWidget();
                QVERIFY(okno);
                tytul = okno->windowTitle();
                przyciski.clear();
                QAbstractButton* cel = nullptr;
                for (QAbstractButton* b : okno->findChildren<QAbstractButton*>()) {
                    przyciski << b->text();
                    if (b->text() == ktory)
                        cel = b;
                }
                QVERIFY(cel);
                QTest::mouseClick(cel, Qt::LeftButton);
            });
        };
        kliknij(QStringLiteral("Anuluj"));
        QCOMPARE(dialogi.Potwierdzenie(nullptr, QStringLiteral("Potwierdzenie"),
                                       QStringLiteral("Czy chcesz zapisać zmiany?")),
                 TDialogi::Odpowiedz::Anuluj);
        QCOMPARE(tytul, QStringLiteral("Potwierdzenie"));
        QCOMPARE(przyciski, (QStringList{"&Tak", "&Nie", "Anuluj"}));
        kliknij(QStringLiteral("&Nie"));
        QCOMPARE(dialogi.Potwierdzenie(nullptr, QStringLiteral("Potwierdzenie"), QString()),
                 TDialogi::Odpowiedz::Nie);
        kliknij(QStringLiteral("Anuluj"));
        QVERIFY(!dialogi.Tekst(nullptr, QStringLiteral("Symbol okna"),
                               QStringLiteral("Podaj symbol nowego okna:"), QString(), 255));
        QCOMPARE(przyciski, (QStringList{"OK", "Anuluj"}));
    }

    // With no printer installed the system's page setup cannot open: the
    // program's own takes the paper, orientation and margins as clicked.
    void ustawieniaStronyBezDrukarki() {
        TDialogiQt dialogi;
        if (dialogi.JestDrukarka())
            QSKIP("a printer is installed: the system's page setup opens");
        QPageLayout uklad(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                          QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter);
        QTimer::singleShot(0, [] {
            auto* okno = qobject_cast<TUstawieniaStronyForm*>(QApplication::activeModalWidget());
            QVERIFY(okno);
            QCOMPARE(okno->windowTitle(), QStringLiteral("Ustawienia strony"));
            WybierzZListy(okno->PapierCB, QStringLiteral("A5 (148 × 210 mm)"));
            QTest::mouseClick(okno->PoziomaRB, Qt::LeftButton);
            okno->LewyED->setFocus();
            okno->LewyED->selectAll();
            QTest::keyClicks(okno->LewyED, QStringLiteral("12,5"));
            for (QAbstractButton* b : okno->findChildren<QAbstractButton*>())
                if (b->text() == QStringLiteral("OK"))
                    QTest::mouseClick(b, Qt::LeftButton);
        });
        QVERIFY(dialogi.UstawieniaStrony(nullptr, uklad));
        QCOMPARE(uklad.pageSize().id(), QPageSize::A5);
        QCOMPARE(uklad.orientation(), QPageLayout::Landscape);
        QCOMPARE(uklad.margins(QPageLayout::Millimeter), QMarginsF(12.5, 20, 20, 20));
    }

    // A document present is handed to the desktop; one absent is not.
    void dokumenty() {
        QTemporaryDir katalog;
        QVERIFY(katalog.isValid());
        TOtwarte otwarte;
        QDesktopServices::setUrlHandler(QStringLiteral("file"), &otwarte, "Otworz");
        QVERIFY(!OtworzDokument(DOKUMENT_PDF, katalog.path()));
        QVERIFY(otwarte.adresy.isEmpty());
        QFile plik(katalog.filePath(DOKUMENT_PDF));
        QVERIFY(plik.open(QIODevice::WriteOnly));
        plik.close();
        QVERIFY(OtworzDokument(DOKUMENT_PDF, katalog.path()));
        QVERIFY(!OtworzDokument(DOKUMENT_WORD, katalog.path()));
        QCOMPARE(otwarte.adresy, QList<QUrl>{QUrl::fromLocalFile(plik.fileName())});
        // Installed by the package: bin/ and share/doc/termivo/ side by side.
        QDir pakiet(katalog.path());
        QVERIFY(pakiet.mkpath(QStringLiteral("usr/bin")) &&
                pakiet.mkpath(QStringLiteral("usr/share/doc/termivo")));
        QFile opis(pakiet.filePath(QStringLiteral("usr/share/doc/termivo/") + DOKUMENT_PDF));
        QVERIFY(opis.open(QIODevice::WriteOnly));
        opis.close();
        QVERIFY(OtworzDokument(DOKUMENT_PDF, pakiet.filePath(QStringLiteral("usr/bin"))));
        QCOMPARE(otwarte.adresy.last(), QUrl::fromLocalFile(opis.fileName()));
        QVERIFY(!JestDokument(DOKUMENT_WORD, pakiet.filePath(QStringLiteral("usr/bin"))));

        // F1 on a desktop without a PDF viewer (xdg-mime names none): the
        // user is told where the manual is and how to open it; with one,
        // it opens and nothing is said.
        const QByteArray sciezkaPrzed = qgetenv("PATH");
        QDir narzedzia(katalog.filePath(QStringLiteral("narzedzia")));
        QVERIFY(narzedzia.mkpath(QStringLiteral(".")));
        qputenv("PATH", QFile::encodeName(narzedzia.path()));
        const QString bin = pakiet.filePath(QStringLiteral("usr/bin"));
        const int przed = static_cast<int>(otwarte.adresy.size());
        QCOMPARE(
            PokazDokument(DOKUMENT_PDF, bin),
            QStringLiteral("Nie ma programu, który otworzyłby opis programu. Opis jest w pliku "
                           "%1; otwórz go przeglądarką plików PDF (na przykład evince lub "
                           "okular).")
                .arg(QDir::toNativeSeparators(opis.fileName())));
        QCOMPARE(otwarte.adresy.size(), przed);
        QFile xdg(narzedzia.filePath(QStringLiteral("xdg-mime")));
        QVERIFY(xdg.open(QIODevice::WriteOnly));
        xdg.write("#!/bin/sh\necho org.gnome.Evince.desktop\n");
        xdg.close();
        QVERIFY(xdg.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        QCOMPARE(PokazDokument(DOKUMENT_PDF, bin), QString());
        QCOMPARE(otwarte.adresy.size(), przed + 1);
        QVERIFY(PokazDokument(DOKUMENT_WORD, bin)
                    .startsWith(QStringLiteral("Nie znaleziono opisu programu: brak pliku ")));
        qputenv("PATH", sciezkaPrzed);
        QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    }
};

QTEST_MAIN(TestPowloka)
#include "tst_powloka.moc"
