#include "dialogiskrypt.h"
#include "glowna.h"
#include "pageview.h"
#include "prnprvform.h"
#include "raport.h"
#include "thumbnailstrip.h"
#include "zdarzenia.h"
#include "zestawienie.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QPainter>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabBar>
#include <QTemporaryDir>
#include <QToolBar>
#include <QtTest>

#include <functional>
#include <memory>

namespace {

int StronyPdf(const QString& pdf) {
    QProcess p;
    p.start(QStringLiteral("pdfinfo"), {pdf});
    p.waitForFinished(60000);
    const QRegularExpressionMatch m = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)"))
                                          .match(QString::fromUtf8(p.readAllStandardOutput()));
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

} // namespace

class TestOknoPodgladu : public QObject {
    Q_OBJECT

    std::unique_ptr<TDialogiSkrypt> d;
    std::unique_ptr<TMainForm> f;
    QTemporaryDir katalog;

    // A saved project of n windows, open in the shown main window.
    void Projekt(int n) {
        f->show();
        f->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.get()));
        f->Nowy();
        for (int i = 1; i <= n; ++i) {
            d->teksty << QStringLiteral("O%1").arg(i);
            f->DodajOkno();
        }
    }
    // Opens the preview with the toolbar button; `dalej` acts in it once built.
    void Podglad(const std::function<void(TPrnPrvForm&)>& dalej) {
        bool bylo = false;
        d->przyOknie = [&](QDialog& okno) {
            auto* p = qobject_cast<TPrnPrvForm*>(&okno);
            if (!p)
                return false;
            bylo = true;
            p->setWindowState(Qt::WindowNoState);
            p->resize(1100, 800);
            [&] {
                QVERIFY(QTest::qWaitForWindowExposed(p));
                QTRY_VERIFY(p->PageView->PageCount() > 0 &&
                            p->PageView->RecordingState() == TRecordingState::Idle);
                dalej(*p);
            }();
            return false;
        };
        QToolBar* pasek = f->findChild<QToolBar*>(QStringLiteral("ToolBar1"));
        QTest::mouseClick(pasek->widgetForAction(f->FilePrintPreviewTA), Qt::LeftButton);
        QVERIFY(bylo);
    }

private slots:
    void initTestCase() {
        QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));
        QVERIFY(katalog.isValid());
    }
    void init() {
        d = std::make_unique<TDialogiSkrypt>();
        f = std::make_unique<TMainForm>(*d);
    }
    void cleanup() {
        f.reset();
        d.reset();
    }

    // Nine windows on A4 with 20 mm margins: the summary, then 4, 4 and 1 blocks.
    void dziewiecOkien() {
        Projekt(9);
        // Remarks and the D&V mark: texts and a picture clipped in every block.
        for (int i = 0; i < f->Projekt()->LiczbaOkienWLiscie(); ++i) {
            TOkno& o = *f->Projekt()->Okno(i);
            o.Uwagi = QStringLiteral("okno salonu,szyba bezpieczna");
            o.Szerokosc = 1500;
            o.Wysokosc = 1500;
            o.ZrodloUg = o.ZrodloUf = i % 2 ? ZrodloDV : ZrodloInny;
        }
        Podglad([this](TPrnPrvForm& p) {
            QCOMPARE(p.PageView->PageCount(), 4);
            QCOMPARE(p.PageNavigator->count(), 4);
            for (int i = 0; i < 4; ++i)
                QCOMPARE(p.PageNavigator->tabText(i), QString::number(i + 1));
            QCOMPARE(p.windowTitle(), f->windowTitle());
            QCOMPARE(p.FontCB->currentText(), DomyslnaCzcionkaRaportu());
            QVERIFY(!p.DrukujBtn->isEnabled() || TPageView::PrinterInstalled());
            QCOMPARE(p.ThumbnailStrip->Count(), 4);
            // Tabs and thumbnails show pages.
            QTabBar* t = p.PageNavigator;
            QTest::mouseClick(t, Qt::LeftButton, {}, t->tabRect(2).center());
            QCOMPARE(p.PageView->CurrentPage(), 3);
            TThumbnail* druga = p.ThumbnailStrip->Thumbnail(2);
            QTest::mouseClick(druga, Qt::LeftButton, {}, druga->rect().center());
            QCOMPARE(p.PageView->CurrentPage(), 2);
            QCOMPARE(t->currentIndex(), 1);
            // Every block of a page is outlined whole, also after clipped texts.
            QImage strona(p.PageView->PagePixels(), QImage::Format_RGB32);
            strona.fill(Qt::white);
            QPainter malarz(&strona);
            p.PageView->RysujStrone(malarz, 2, QRectF(strona.rect()));
            malarz.end();
            const int lewa = qRound(20 * 96 / 25.4), prawa = strona.width() - lewa;
            int liniePelne = 0;
            for (int y = 0; y < strona.height(); ++y) {
                int tusz = 0;
                for (int x = lewa + 2; x < prawa - 2; ++x)
                    tusz += qGray(strona.pixel(x, y)) < 128;
                liniePelne += tusz > (prawa - lewa) * 95 / 100;
            }
            // The frame at top and bottom, the rule under the heading, the top of
            // the first block and the bottoms of all four.
            QCOMPARE(liniePelne, 8);
        });
    }

    void zoomIJegoOdbicie() {
        Projekt(1);
        Podglad([](TPrnPrvForm& p) {
            QCOMPARE(p.ZoomComboBox->currentText(), QStringLiteral("%100"));
            WybierzZListy(p.ZoomComboBox, QStringLiteral("%150"));
            QCOMPARE(p.PageView->Zoom(), 150);
            WybierzZListy(p.ZoomComboBox, QStringLiteral("Cała strona"));
            QCOMPARE(p.PageView->ZoomState(), zsZoomToFit);
            QCOMPARE(p.ZoomComboBox->currentText(), QStringLiteral("Cała strona"));
            WybierzZListy(p.ZoomComboBox, QStringLiteral("%100"));
            p.PageView->setFocus();
            QTest::keyClick(p.PageView, Qt::Key_Plus, Qt::KeypadModifier);
            QTest::keyClick(p.PageView, Qt::Key_Plus, Qt::KeypadModifier);
            QCOMPARE(p.PageView->Zoom(), 120);
            QCOMPARE(p.ZoomComboBox->currentIndex(), -1);
        });
    }

    // Every option rebuilds the report; a page setup cancelled does not.
    void opcjeOdbudowuja() {
        Projekt(2);
        Podglad([this](TPrnPrvForm& p) {
            QSignalSpy budowy(p.PageView, &TPageView::OnBeginDoc);
            const uint przed = p.PageView->PageMetafile(1)->size();
            QTest::mouseClick(p.DodajCeneM2CB, Qt::LeftButton);
            QCOMPARE(budowy.count(), 1);
            const uint zM2 = p.PageView->PageMetafile(1)->size();
            QVERIFY(zM2 > przed);
            QTest::mouseClick(p.DodajCeneMontazuCB, Qt::LeftButton);
            QCOMPARE(budowy.count(), 2);
            QVERIFY(p.PageView->PageMetafile(1)->size() > zM2);
            QCOMPARE(p.PageView->PageCount(), 2);
            QTest::mouseClick(p.DodajOrientacjeCB, Qt::LeftButton); // one page of tables more
            QCOMPARE(p.PageView->PageCount(), 3);
            QTest::mouseClick(p.DodajOrientacjeCB, Qt::LeftButton);
            QCOMPARE(p.PageView->PageCount(), 2);
            // The two rebuilds for the tables are left out of the count below.
            budowy.removeLast();
            budowy.removeLast();
            WybierzZListy(p.FontCB, QStringLiteral("DejaVu Serif"));
            QCOMPARE(budowy.count(), 3);
            d->przyUstawieniach = [](QPageLayout&) {
                return false;
            };
            QTest::mouseClick(p.UstStronyBtn, Qt::LeftButton);
            QCOMPARE(budowy.count(), 3);
            // Margins of 60 mm at the sides leave no room for a block.
            d->przyUstawieniach = [](QPageLayout& u) {
                u.setMargins(QMarginsF(60, 20, 60, 20));
                return true;
            };
            QTest::mouseClick(p.UstStronyBtn, Qt::LeftButton);
            QCOMPARE(budowy.count(), 4);
            QCOMPARE(d->OstatniKomunikat(), TRaport::KOMUNIKAT_ZA_MALA_STRONA);
            QCOMPARE(p.PageView->PageCount(), 1);
            QCOMPARE(p.PageNavigator->count(), 1);
            // Landscape A5 afterwards: the page takes its size.
            d->przyUstawieniach = [](QPageLayout& u) {
                u.setPageSize(QPageSize(QPageSize::A5));
                u.setOrientation(QPageLayout::Landscape);
                u.setMargins(QMarginsF(10, 10, 10, 10));
                return true;
            };
            QTest::mouseClick(p.UstStronyBtn, Qt::LeftButton);
            QCOMPARE(p.PageView->PaperType(), pA5);
            QVERIFY(p.PageView->PageBounds().width() > p.PageView->PageBounds().height());
        });
        // Kept for the rest of the run.
        QCOMPARE(f->UkladStrony().pageSize().id(), QPageSize::A5);
    }

    void zapisPdf() {
        Projekt(9);
        const QString pdf = katalog.filePath(QStringLiteral("podglad.pdf"));
        Podglad([&](TPrnPrvForm& p) {
            d->pliki << pdf;
            QVERIFY(p.ZapiszPdfBtn->isEnabled());
            QTest::mouseClick(p.ZapiszPdfBtn, Qt::LeftButton);
        });
        QCOMPARE(d->katalogiDialogow.last(),
                 QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
                     .filePath(QStringLiteral("bez nazwy.pdf")));
        QCOMPARE(StronyPdf(pdf), 4);
    }

    // Ctrl+P: the print dialog, then the report printed (here into a PDF).
    void drukowanieZOknaGlownego() {
        Projekt(5);
        const QString pdf = katalog.filePath(QStringLiteral("druk.pdf"));
        d->przyDrukowaniu = [&](QPrinter& drukarka) {
            drukarka.setOutputFormat(QPrinter::PdfFormat);
            drukarka.setOutputFileName(pdf);
            return true;
        };
        QTest::keyClick(f.get(), Qt::Key_P, Qt::ControlModifier);
        QCOMPARE(StronyPdf(pdf), 3);
    }
};

QTEST_MAIN(TestOknoPodgladu)
#include "tst_oknopodgladu.moc"
