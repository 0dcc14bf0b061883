#include "app/czcionki.h"
#include "model/pliki/plikprojektu.h"
#include "model/zestawienie.h"
#include "report/podglad/pageview.h"
#include "report/podglad/thumbnailstrip.h"
#include "report/prvform/prnprvform.h"
#include "report/raport/czcionki.h"
#include "report/raport/raport.h"
#include "tests/common/dialogiskrypt.h"
#include "tests/common/projektytestowe.h"
#include "tests/common/slowapdf.h"
#include "tests/common/zdarzenia.h"
#include "ui/main/drzewoprojektu.h"
#include "ui/main/glowna.h"
#include "ui/main/polecenia.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QPainter>
#include <QPrinter>
#include <QProcess>
#include <QProgressDialog>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QSplitter>
#include <QStatusBar>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTimer>
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

class TestPrvForm : public QObject {
    Q_OBJECT

    std::unique_ptr<TDialogiSkrypt> d;
    std::unique_ptr<TMainForm> f;
    QTemporaryDir katalog;

    // A saved project of n windows O1 … On, as `zmien` makes it, open in the
    // shown main window.
    void Projekt(int n, const std::function<void(TZestawienieStolarki&)>& zmien = {}) {
        f->show();
        f->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.get()));
        const QString plik =
            ZapiszTestowy(katalog.filePath(QStringLiteral("projekt%1.tmv").arg(++projektow)),
                          [&](TZestawienieStolarki& p) {
                              for (int i = 1; i <= n; ++i)
                                  p.AddOkno(QStringLiteral("O%1").arg(i));
                              if (zmien)
                                  zmien(p);
                          });
        QVERIFY(!plik.isEmpty() && f->OtworzPlik(plik));
    }
    int projektow = 0;
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
        QTest::mouseClick(pasek->widgetForAction(f->Polecenia->FilePrintPreviewTA), Qt::LeftButton);
        QVERIFY(bylo);
    }

    // "Zapisz PDF..." of the preview: the pages every print is compared with.
    QList<TSlowoPdf> WzorPdf() {
        const QString pdf = katalog.filePath(QStringLiteral("wzor.pdf"));
        Podglad([&](TPrnPrvForm& p) {
            d->pliki << pdf;
            QTest::mouseClick(p.ZapiszPdfBtn, Qt::LeftButton);
        });
        return SlowaPdf(pdf);
    }
    // What the print progress box says while pages go out, and (when set)
    // clicks its "Anuluj" as a user does the first time it shows.
    QStringList postep;
    bool anuluj = false;
    std::unique_ptr<QTimer> podgladPostepu;
    void SledzPostep() {
        postep.clear();
        podgladPostepu = std::make_unique<QTimer>();
        podgladPostepu->setInterval(0);
        connect(podgladPostepu.get(), &QTimer::timeout, this, [this] {
            for (QWidget* w : QApplication::topLevelWidgets()) {
                auto* p = qobject_cast<QProgressDialog*>(w);
                if (!p || !p->isVisible())
                    continue;
                if (postep.isEmpty() || postep.last() != p->labelText())
                    postep << p->labelText();
                if (anuluj) {
                    anuluj = false;
                    QTest::mouseClick(p->findChild<QPushButton*>(QStringLiteral("AnulujBtn")),
                                      Qt::LeftButton);
                }
            }
        });
        podgladPostepu->start();
    }

    // The print dialog answered: a PDF file at that resolution.
    void DrukDoPdf(const QString& pdf, int dpi) {
        d->przyDrukowaniu = [pdf, dpi](QPrinter& drukarka) {
            drukarka.setOutputFormat(QPrinter::PdfFormat);
            drukarka.setOutputFileName(pdf);
            drukarka.setResolution(dpi);
            return true;
        };
    }

private slots:
    void initTestCase() {
        QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));
        QVERIFY(katalog.isValid());
        ZarejestrujTahome();
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
        // Remarks and the D&V mark: texts and a picture clipped in every block.
        Projekt(9, [](TZestawienieStolarki& p) {
            for (int i = 0; i < p.LiczbaOkienWLiscie(); ++i) {
                TOkno& o = *p.Okno(i);
                o.Uwagi = QStringLiteral("okno salonu,szyba bezpieczna");
                o.Szerokosc = 1500;
                o.Wysokosc = 1500;
                o.ZrodloUg = o.ZrodloUf = i % 2 ? ZrodloDV : ZrodloInny;
            }
        });
        Podglad([this](TPrnPrvForm& p) {
            QCOMPARE(p.PageView->PageCount(), 4);
            QCOMPARE(p.PageNavigator->count(), 4);
            for (int i = 0; i < 4; ++i)
                QCOMPARE(p.PageNavigator->tabText(i), QString::number(i + 1));
            QCOMPARE(p.windowTitle(), f->windowTitle());
            QCOMPARE(p.FontCB->currentText(), DomyslnaCzcionkaRaportu());
            // Each family once, without the foundry telling copies apart.
            QStringList rodziny;
            for (int i = 0; i < p.FontCB->count(); ++i)
                rodziny << p.FontCB->itemText(i);
            QCOMPARE(QSet<QString>(rodziny.begin(), rodziny.end()).size(), rodziny.size());
            QVERIFY(!rodziny.join(QLatin1Char('|')).contains(QStringLiteral(" [")));
            QVERIFY(p.DrukujBtn->isEnabled());
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

    // The tables by storey and direction keep every border at any zoom:
    // three tables of six rows (heading, four storeys, total), seven rules each.
    void tabeleWKazdymPowiekszeniu() {
        Projekt(3, [](TZestawienieStolarki& p) {
            p.SetParter(true);
            p.SetLiczbaPieter(2);
            p.SetPoddasze(true);
        });
        Podglad([](TPrnPrvForm& p) {
            QTest::mouseClick(p.DodajOrientacjeCB, Qt::LeftButton);
            for (const double skala : {0.5, 0.65, 0.8, 1.0, 1.5}) {
                const QSize rozmiar = (QSizeF(p.PageView->PagePixels()) * skala).toSize();
                QImage strona(rozmiar, QImage::Format_RGB32);
                strona.fill(Qt::white);
                QPainter malarz(&strona);
                p.PageView->RysujStrone(malarz, 2, QRectF(strona.rect()));
                malarz.end();
                // Rows dark over most of the tables' width.
                const int lewa = qRound(25 * 96 / 25.4 * skala);
                const int prawa = qRound(180 * 96 / 25.4 * skala);
                int linie = 0;
                bool poprzednia = false;
                for (int y = 0; y < strona.height(); ++y) {
                    int tusz = 0;
                    for (int x = lewa; x < prawa; ++x)
                        tusz += qGray(strona.pixel(x, y)) < 200;
                    const bool pelna = tusz > (prawa - lewa) * 9 / 10;
                    linie += pelna && !poprzednia;
                    poprzednia = pelna;
                }
                // The frame's top and bottom, the rule under the heading, 21 in the tables.
                QVERIFY2(linie == 24, qPrintable(QStringLiteral("%1: %2").arg(skala).arg(linie)));
            }
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
        // Offered beside the project, under its name.
        QCOMPARE(d->katalogiDialogow.last(),
                 katalog.filePath(QFileInfo(f->NazwaPliku()).completeBaseName() + ".pdf"));
        QCOMPARE(StronyPdf(pdf), 4);
        // Said in the main window's status bar once the preview closed.
        QCOMPARE(f->statusBar()->currentMessage(),
                 QStringLiteral("Zapisano zestawienie w pliku PDF %1")
                     .arg(QDir::toNativeSeparators(pdf)));
    }

    // "Drukuj..." and Ctrl+P put on the paper, at the printer's resolution,
    // the words of "Zapisz PDF..." at the same places (within 0.5 mm).
    void drukJakPdf_data() {
        QTest::addColumn<int>("dpi");
        QTest::newRow("300 dpi") << 300;
        QTest::newRow("1200 dpi") << 1200;
    }
    void drukJakPdf() {
        QFETCH(int, dpi);
        Projekt(5, [](TZestawienieStolarki& p) {
            p.Okno(0)->Uwagi = QStringLiteral("okno salonu,szyba bezpieczna");
        });
        const QList<TSlowoPdf> wzor = WzorPdf();
        QVERIFY(wzor.size() > 100);

        const QString zPodgladu = katalog.filePath(QStringLiteral("podglad%1.pdf").arg(dpi));
        DrukDoPdf(zPodgladu, dpi);
        SledzPostep();
        Podglad([&](TPrnPrvForm& p) {
            QTest::mouseClick(p.DrukujBtn, Qt::LeftButton);
            QCOMPARE(p.windowTitle(), f->windowTitle());
        });
        const double roznica = RoznicaSlow(wzor, SlowaPdf(zPodgladu));
        QVERIFY2(roznica >= 0 && roznica < 0.5, qPrintable(QString::number(roznica)));
        // The progress box counts the pages printed.
        QVERIFY2(postep.contains(QStringLiteral("Drukowanie strony 3 z 3")),
                 qPrintable(postep.join(QLatin1Char('\n'))));

        const QString zCtrlP = katalog.filePath(QStringLiteral("ctrlp%1.pdf").arg(dpi));
        DrukDoPdf(zCtrlP, dpi);
        f->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.get()));
        QTest::keyClick(f.get(), Qt::Key_P, Qt::ControlModifier);
        const double roznica2 = RoznicaSlow(wzor, SlowaPdf(zCtrlP));
        QVERIFY2(roznica2 >= 0 && roznica2 < 0.5, qPrintable(QString::number(roznica2)));
    }

    // A page range of the print dialog: only those pages, the caption's
    // count and percentage both of the range.
    void drukZakresu() {
        Projekt(9);
        const QString pdf = katalog.filePath(QStringLiteral("zakres.pdf"));
        d->przyDrukowaniu = [pdf](QPrinter& drukarka) {
            drukarka.setOutputFormat(QPrinter::PdfFormat);
            drukarka.setOutputFileName(pdf);
            drukarka.setPrintRange(QPrinter::PageRange);
            drukarka.setFromTo(2, 3);
            return true;
        };
        SledzPostep();
        Podglad([&](TPrnPrvForm& p) { QTest::mouseClick(p.DrukujBtn, Qt::LeftButton); });
        const QList<TSlowoPdf> slowa = SlowaPdf(pdf);
        QCOMPARE(slowa.last().strona, 2);
        QVERIFY(std::any_of(slowa.begin(), slowa.end(), [](const TSlowoPdf& s) {
            return s.strona == 1 && s.tekst == QStringLiteral("O1");
        }));
        QVERIFY2(postep.contains(QStringLiteral("Drukowanie strony 2 z 2")),
                 qPrintable(postep.join(QLatin1Char('\n'))));
    }

    // Ctrl+P of a long schedule: "Anuluj" of the progress box, clicked,
    // stops the job after its page; nothing is said to have failed, and a
    // PDF file of the first pages is not left to pass for the whole report.
    void anulowanieDruku() {
        Projekt(60);
        const QString pdf = katalog.filePath(QStringLiteral("anulowany.pdf"));
        DrukDoPdf(pdf, 300);
        anuluj = true;
        SledzPostep();
        QTest::keyClick(f.get(), Qt::Key_P, Qt::ControlModifier);
        podgladPostepu.reset();
        QVERIFY(!anuluj);
        QVERIFY(!postep.isEmpty());
        QVERIFY(!QFile::exists(pdf));
        QCOMPARE(d->komunikaty.size(), 1);
        QCOMPARE(d->komunikaty[0].rodzaj, TRodzajKomunikatu::Informacja);
        QCOMPARE(d->OstatniKomunikat(),
                 QStringLiteral("Drukowania do pliku nie dokończono: plik %1 nie został zapisany.")
                     .arg(QDir::toNativeSeparators(pdf)));
    }

    // The window as it opens: the page view has the keys, the normal size is
    // a real one; the wheel over the thumbnails moves one row a notch.
    void otwarcie() {
        Projekt(120);
        Podglad([](TPrnPrvForm& p) {
            QVERIFY(p.PageView->hasFocus());
            QTest::keyClick(p.PageView, Qt::Key_PageDown);
            QCOMPARE(p.PageView->CurrentPage(), 2);
            p.Podzial->setSizes({400, 700});
            QTRY_VERIFY(p.ThumbnailStrip->PerLine() >= 2);
            QScrollBar* pasek = p.ThumbnailStrip->verticalScrollBar();
            QVERIFY(pasek->maximum() > 0);
            TThumbnail* pierwsza = p.ThumbnailStrip->Thumbnail(1);
            TThumbnail* podNia = p.ThumbnailStrip->Thumbnail(1 + p.ThumbnailStrip->PerLine());
            const int wiersz = podNia->y() - pierwsza->y();
            Kolko(p.ThumbnailStrip->viewport(), QPoint(20, 20), -120);
            QCOMPARE(pasek->value(), wiersz);
        });
        TPrnPrvForm okno(*d);
        QVERIFY(okno.normalGeometry().width() >= 800 || okno.width() >= 800);
        QVERIFY(okno.normalGeometry().height() >= 600 || okno.height() >= 600);
    }

    // A page setup confirmed while the report is still being built takes
    // effect: paper and margins.
    void ustawieniaWTrakcieBudowy() {
        Projekt(120);
        d->przyUstawieniach = [](QPageLayout& u) {
            u.setPageSize(QPageSize(QPageSize::A5));
            u.setOrientation(QPageLayout::Landscape);
            u.setMargins(QMarginsF(10, 10, 10, 10));
            return true;
        };
        Podglad([](TPrnPrvForm& p) {
            // Clicked from within the build, between two pages.
            bool klikniete = false;
            auto polaczenie = connect(p.PageView, &TPageView::OnNewPage, &p, [&] {
                if (!klikniete && p.PageView->PageCount() == 3) {
                    klikniete = true;
                    QTimer::singleShot(0, p.UstStronyBtn,
                                       [&p] { QTest::mouseClick(p.UstStronyBtn, Qt::LeftButton); });
                }
            });
            WybierzZListy(p.FontCB, QStringLiteral("DejaVu Serif"));
            disconnect(polaczenie);
            QVERIFY(klikniete);
            QCOMPARE(p.PageView->PaperType(), pA5);
            QVERIFY(p.PageView->PageBounds().width() > p.PageView->PageBounds().height());
        });
    }
};

QTEST_MAIN(TestPrvForm)
#include "tst_prvform.moc"
