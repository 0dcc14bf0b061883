#include "oprogramie.h"
#include "pomoc.h"
#include "splash.h"
#include "wersja.h"

#include <QLabel>
#include <QTimer>
#include <QtTest>

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
        QCOMPARE(o.Version->text(), QStringLiteral("Version: ") + WersjaProgramu());
        QVERIFY(QRegularExpression(QStringLiteral("^Version: \\d+\\.\\d+\\.\\d+\\.\\d+$"))
                    .match(o.Version->text())
                    .hasMatch());
        QCOMPARE(o.ProductName->text(), QStringLiteral("Termivo"));
        QCOMPARE(o.findChild<QLabel*>("StaticText1")->text(),
                 QStringLiteral("Is fecit cui prodest."));
        QCOMPARE(o.WWWLab->cursor().shape(), Qt::PointingHandCursor);
    }

    void brakDokumentu() {
        QVERIFY(!OtworzDokument(DOKUMENT_PDF));
        QVERIFY(!OtworzDokument(DOKUMENT_WORD));
    }
};

QTEST_MAIN(TestPowloka)
#include "tst_powloka.moc"
