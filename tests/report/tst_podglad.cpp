#include "report/podglad/pageview.h"
#include "report/podglad/papersheet.h"
#include "report/podglad/thumbnailstrip.h"
#include "tests/common/slowapdf.h"
#include "tests/common/zdarzenia.h"

#include <QPainter>
#include <QPrinter>
#include <QProcess>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// A document of n pages, each with its number in large type.
void Nagraj(TPageView& v, int n) {
    v.BeginDoc();
    for (int i = 1; i <= n; ++i) {
        if (i > 1)
            v.NewPage();
        QPainter* p = v.Canvas();
        if (!p)
            continue; // aborted
        QFont f(QStringLiteral("DejaVu Sans"));
        f.setPointSizeF(40 * v.FontScale());
        p->setFont(f);
        p->drawText(QPoint(v.PaperWidth() / 4, v.PaperHeight() / 4), QString::number(i));
    }
    v.EndDoc();
}

// The rows holding ink in an image: first and last.
QPair<int, int> WierszeTuszu(const QImage& obraz) {
    int gora = -1, dol = -1;
    for (int y = 0; y < obraz.height(); ++y) {
        for (int x = 0; x < obraz.width(); ++x) {
            if (qGray(obraz.pixel(x, y)) < 128) {
                if (gora < 0)
                    gora = y;
                dol = y;
                break;
            }
        }
    }
    return {gora, dol};
}

QImage Odtworz(TPageView& v, int n) {
    QImage obraz(v.PagePixels(), QImage::Format_RGB32);
    obraz.fill(Qt::white);
    QPainter p(&obraz);
    v.RysujStrone(p, n, QRectF(QPointF(0, 0), QSizeF(v.PagePixels())));
    return obraz;
}

// A view that cannot open a canvas for its second page.
class TWidokBezPamieci : public TPageView {
public:
    int otwarte = 0;

protected:
    bool RozpocznijStrone(QPainter& p, QPicture& obraz) override {
        return ++otwarte != 2 && TPageView::RozpocznijStrone(p, obraz);
    }
};

} // namespace

class TestPodglad : public QObject {
    Q_OBJECT

private slots:
    void stanyNagrywania() {
        TPageView v;
        QSignalSpy poczatek(&v, &TPageView::OnBeginDoc);
        v.NewPage();
        v.EndDoc();
        QCOMPARE(v.PageCount(), 0);
        QCOMPARE(v.RecordingState(), TRecordingState::Idle);
        v.BeginDoc();
        v.BeginDoc(); // ignored while a document is open
        QCOMPARE(poczatek.count(), 1);
        QVERIFY(v.Canvas());
        QCOMPARE(v.PageCount(), 0); // page 1 is open, not finished
        for (int i = 0; i < 3; ++i)
            v.NewPage();
        v.EndDoc();
        QCOMPARE(v.PageCount(), 4);
        QCOMPARE(v.CurrentPage(), 1);
        QVERIFY(v.PageMetafile(4));
        QVERIFY(!v.PageMetafile(5));
        QVERIFY(!v.PageMetafile(0));
        // Abort empties the list but leaves the document open.
        v.BeginDoc();
        v.NewPage();
        QSignalSpy przerwanie(&v, &TPageView::OnAbort);
        v.Abort();
        v.Abort();
        QCOMPARE(przerwanie.count(), 1);
        QCOMPARE(v.PageCount(), 0);
        QCOMPARE(v.RecordingState(), TRecordingState::Recording);
        v.NewPage();
        v.EndDoc();
        QCOMPARE(v.PageCount(), 1);
    }

    void stronaBezPamieci() {
        TWidokBezPamieci v;
        QSignalSpy bledy(&v, &TPageView::OnError);
        v.BeginDoc();
        v.NewPage(); // the second page cannot be opened
        QCOMPARE(bledy.count(), 1);
        QCOMPARE(bledy.at(0).at(0).toString(),
                 QStringLiteral("Not enough memory to create a new page"));
        QVERIFY(!v.Canvas());
        QCOMPARE(v.RecordingState(), TRecordingState::Recording);
        v.NewPage();
        QVERIFY(v.Canvas());
        v.EndDoc();
        QCOMPARE(v.PageCount(), 2);
    }

    // A 12-point text is as tall on the page whatever unit it was drawn in.
    void czcionkaWKazdejJednostce_data() {
        QTest::addColumn<int>("jednostka");
        QTest::newRow("piksele") << int(mmPixel);
        QTest::newRow("0,1 mm") << int(mmLoMetric);
        QTest::newRow("twipsy") << int(mmTWIPS);
    }
    void czcionkaWKazdejJednostce() {
        QFETCH(int, jednostka);
        TPageView v;
        v.SetUnits(static_cast<TUnits>(jednostka));
        v.BeginDoc();
        QPainter* p = v.Canvas();
        p->setFont(QFont(QStringLiteral("DejaVu Sans"), 12));
        p->drawText(QRect(v.PaperWidth() / 10, v.PaperHeight() / 10, v.PaperWidth() / 2,
                          v.PaperHeight() / 4),
                    Qt::TextWordWrap, QStringLiteral("HÓW"));
        v.EndDoc();
        const auto [gora, dol] = WierszeTuszu(Odtworz(v, 1));
        // Capitals of 12 pt at 96 pixels per inch: about 12 pixels high.
        const int wysokosc = dol - gora + 1;
        QVERIFY2(wysokosc >= 11 && wysokosc <= 16, qPrintable(QString::number(wysokosc)));
        QVERIFY(qAbs(gora - v.PagePixels().height() / 10) < 8);
    }

    // What is recorded plays back as if it had been drawn directly.
    void odtworzenieJakRysunek() {
        TPageView v;
        v.SetUnits(mmPixel);
        auto rysuj = [](QPainter& p) {
            p.setPen(QPen(Qt::black, 0));
            p.drawRect(40, 40, 300, 200);
            p.drawLine(40, 300, 500, 330);
            p.fillRect(QRect(60, 400, 120, 80), QColor(200, 30, 30));
            p.setFont(QFont(QStringLiteral("DejaVu Sans"), 10));
            p.drawText(QRect(60, 60, 260, 120), Qt::TextWordWrap,
                       QStringLiteral("Zażółć gęślą jaźń"));
        };
        v.BeginDoc();
        rysuj(*v.Canvas());
        v.EndDoc();
        QImage wprost(v.PagePixels(), QImage::Format_RGB32);
        wprost.fill(Qt::white);
        {
            QPainter p(&wprost);
            rysuj(p);
        }
        QCOMPARE(Odtworz(v, 1), wprost);
    }

    void przechowalnia_data() {
        QTest::addColumn<bool>("plik");
        QTest::newRow("pamięć") << false;
        QTest::newRow("plik tymczasowy") << true;
    }
    void przechowalnia() {
        QFETCH(bool, plik);
        TPageStore s;
        QVERIFY(s.SetUseTempFile(plik));
        auto strona = [](int n) {
            QPicture obraz;
            QPainter p(&obraz);
            for (int i = 0; i < n; ++i)
                p.drawLine(i, 0, i, 100);
            return obraz;
        };
        for (int i = 1; i <= 3; ++i)
            QVERIFY(s.Append(strona(i)));
        const QString nazwa = s.TempFileName();
        QCOMPARE(!nazwa.isEmpty(), plik);
        if (plik)
            QVERIFY(QFileInfo(nazwa).fileName().startsWith(QStringLiteral("TMV")));
        const qint64 o2 = s.Offset(1), o3 = s.Offset(2), przed = s.StreamSize();
        QVERIFY(s.Page(0));
        // Page 1 grows: pages 2 and 3 move by the difference and stay as they were.
        QVERIFY(s.SetPage(0, strona(40)));
        const qint64 roznica = s.StreamSize() - przed;
        QVERIFY(roznica > 0);
        QCOMPARE(s.Offset(1), o2 + roznica);
        QCOMPARE(s.Offset(2), o3 + roznica);
        QCOMPARE(s.Page(2)->size(), strona(3).size());
        QCOMPARE(s.Page(0)->size(), strona(40).size());
        // and shrinks back
        QVERIFY(s.SetPage(0, strona(1)));
        QCOMPARE(s.StreamSize(), przed);
        QCOMPARE(s.Page(1)->size(), strona(2).size());
        // Switching the stream keeps the pages.
        QVERIFY(s.SetUseTempFile(!plik));
        QCOMPARE(s.Count(), 3);
        QCOMPARE(s.Page(2)->size(), strona(3).size());
        if (plik)
            QVERIFY(!QFile::exists(nazwa));
        const QString drugi = s.TempFileName();
        s.Clear();
        QCOMPARE(s.Count(), 0);
        QVERIFY(!s.Page(0));
        if (!drugi.isEmpty())
            QVERIFY(!QFile::exists(drugi));
    }

    void jednostki_data() {
        QTest::addColumn<int>("wartosc");
        QTest::addColumn<int>("z");
        QTest::addColumn<int>("do_");
        QTest::addColumn<int>("wynik");
        QTest::newRow("cal na 0,1 mm") << 1000 << int(mmHiEnglish) << int(mmLoMetric) << 254;
        QTest::newRow("cal na 0,01 mm") << 1000 << int(mmHiEnglish) << int(mmHiMetric) << 2540;
        QTest::newRow("reszta odrzucona") << 15 << int(mmHiMetric) << int(mmLoMetric) << 1;
        QTest::newRow("ujemna reszta") << -15 << int(mmHiMetric) << int(mmLoMetric) << -1;
        QTest::newRow("punkty na twipsy") << 7 << int(mmPoints) << int(mmTWIPS) << 140;
        QTest::newRow("zaokrąglenie") << 1 << int(mmLoMetric) << int(mmLoEnglish) << 0;
        QTest::newRow("połowa od zera") << 127 << int(mmLoMetric) << int(mmPoints) << 36;
        QTest::newRow("duże bez przepełnienia")
            << 100000000 << int(mmTWIPS) << int(mmHiMetric) << 176388889;
        QTest::newRow("poza zakresem")
            << 2000000000 << int(mmLoMetric) << int(mmHiMetric) << INT_MAX;
        QTest::newRow("ta sama") << 12345 << int(mmTWIPS) << int(mmTWIPS) << 12345;
    }
    void jednostki() {
        QFETCH(int, wartosc);
        QFETCH(int, z);
        QFETCH(int, do_);
        QFETCH(int, wynik);
        QCOMPARE(ConvertX(wartosc, TUnits(z), TUnits(do_)), wynik);
        QCOMPARE(ConvertY(wartosc, TUnits(z), TUnits(do_)), wynik);
    }

    void papiery() {
        int liczba = 0;
        for (int i = 0; i < pCustom; ++i) {
            const int id = Papier(TPaperType(i)).id;
            QCOMPARE(id, i < 47 ? i + 1 : i + 3);
            QCOMPARE(PapierOId(id), TPaperType(i));
            ++liczba;
        }
        QCOMPARE(liczba + 1, 67);
        QCOMPARE(Papier(pLetter).szerokosc, 8500);
        QCOMPARE(Papier(pEnvDL).wysokosc, 2200);
        QCOMPARE(Papier(pA5).jednostka, mmLoMetric);
        QCOMPARE(Papier(pCustom).id, 256);
        QCOMPARE(PapierOId(48), pCustom);

        TPageView v;
        v.SetUnits(mmLoMetric);
        v.SetPaperSize(2100, 2970);
        QCOMPARE(v.PaperType(), pA4);
        v.SetPaperSize(2100, 2971);
        QCOMPARE(v.PaperType(), pCustom);
        v.SetPaperSize(0, 40000);
        QCOMPARE(v.PaperWidth(), 1);
        QCOMPARE(v.PaperHeight(), 32767);
        v.SetPaperType(pA5);
        v.SetOrientation(Qt::Horizontal);
        QCOMPARE(v.PageBounds(), QRect(0, 0, 2100, 1480));
        v.SetPaperSize(2970, 2100); // compared in portrait
        QCOMPARE(v.PaperType(), pA4);
        v.SetPrinterFormName(QStringLiteral("a3"));
        QCOMPARE(v.PageBounds(), QRect(0, 0, 4200, 2970));
        v.SetUnits(mmLoEnglish);
        QCOMPARE(v.PageBounds(), QRect(0, 0, 1654, 1169));
    }

    void zoomOgraniczony() {
        TPageView v;
        QSignalSpy zmiany(&v, &TPageView::OnZoomChange);
        v.SetZoom(1000);
        QCOMPARE(v.Zoom(), 500);
        QCOMPARE(v.ZoomState(), zsZoomOther);
        QCOMPARE(zmiany.count(), 1);
        v.SetZoom(500);
        QCOMPARE(zmiany.count(), 1);
        v.SetZoomMax(300);
        QCOMPARE(v.Zoom(), 300);
        v.SetZoomMin(400); // above the maximum: refused
        QCOMPARE(v.ZoomMin(), 10);
    }

    // The sheet in the view for each zoom state: its size, the zoom it shows,
    // the scroll bars, and its place.
    void dopasowanie_data() {
        QTest::addColumn<int>("stan");
        QTest::addColumn<QSize>("widok");
        QTest::addColumn<bool>("poziomy");
        QTest::addColumn<bool>("pionowy");
        QTest::newRow("szerokość, wysoki widok")
            << int(zsZoomToWidth) << QSize(400, 900) << false << false;
        QTest::newRow("szerokość, niski widok")
            << int(zsZoomToWidth) << QSize(600, 400) << false << true;
        QTest::newRow("wysokość") << int(zsZoomToHeight) << QSize(900, 500) << false << false;
        QTest::newRow("cała strona") << int(zsZoomToFit) << QSize(700, 500) << false << false;
        QTest::newRow("cała strona, wąski")
            << int(zsZoomToFit) << QSize(300, 900) << false << false;
        QTest::newRow("100%, mały widok") << int(zsZoomOther) << QSize(500, 500) << true << true;
        QTest::newRow("100%, wąski widok") << int(zsZoomOther) << QSize(500, 1300) << true << false;
    }
    void dopasowanie() {
        QFETCH(int, stan);
        QFETCH(QSize, widok);
        QFETCH(bool, poziomy);
        QFETCH(bool, pionowy);
        TPageView v;
        v.resize(widok);
        v.SetUnits(mmPixel);
        v.SetZoomSavePos(false);
        Nagraj(v, 1);
        if (stan == zsZoomOther)
            v.SetZoom(100);
        else
            v.SetZoomState(TZoomState(stan));
        v.show();
        QVERIFY(QTest::qWaitForWindowExposed(&v));
        const TPaperSheet* a = v.Sheet();
        const QSize strona = v.PagePixels(); // A4: 794 × 1123 at 96 pixels per inch
        const int b = a->Dodatek();
        QCOMPARE(v.horizontalScrollBar()->isVisible(), poziomy);
        QCOMPARE(v.verticalScrollBar()->isVisible(), pionowy);
        const QSize obszar = v.viewport()->size() - QSize(20, 20);
        if (stan == zsZoomToWidth || (stan == zsZoomToFit && widok.height() * strona.width() >
                                                                 widok.width() * strona.height()))
            QCOMPARE(a->width(), obszar.width());
        else if (stan != zsZoomOther)
            QCOMPARE(a->height(), obszar.height());
        else
            QCOMPARE(a->size(), strona + QSize(b, b));
        QCOMPARE(v.Zoom(), qRound(a->PaperHeight() * 100.0 / strona.height()));
        // Centred where smaller than the area, else from the margin.
        if (!poziomy)
            QVERIFY(qAbs(a->x() - (10 + (obszar.width() - a->width()) / 2)) <= 1);
        else
            QCOMPARE(a->x(), 10);
        if (!pionowy)
            QVERIFY(qAbs(a->y() - (10 + (obszar.height() - a->height()) / 2)) <= 1);
        else
            QCOMPARE(a->y(), 10);
        QCOMPARE(a->cursor().shape(), (poziomy || pionowy) ? Qt::BitmapCursor : Qt::ArrowCursor);
    }

    // Keys, wheel and drag as the user gives them to the shown view.
    void nawigacja() {
        TPageView v;
        v.resize(500, 500);
        v.SetUnits(mmPixel);
        Nagraj(v, 5);
        v.SetZoom(100);
        v.show();
        QVERIFY(QTest::qWaitForWindowExposed(&v));
        QScrollBar* pion = v.verticalScrollBar();
        QScrollBar* poziom = v.horizontalScrollBar();
        QTest::mouseClick(v.Sheet(), Qt::LeftButton, {}, QPoint(50, 50));
        QVERIFY(v.hasFocus());
        const QPoint srodek = v.viewport()->rect().center();
        Kolko(v.viewport(), srodek, -60);
        QCOMPARE(pion->value(), 0);
        Kolko(v.viewport(), srodek, -60); // two halves make a notch
        QCOMPARE(pion->value(), pion->singleStep());
        Kolko(v.viewport(), srodek, -240);
        QCOMPARE(pion->value(), 3 * pion->singleStep());
        Kolko(v.viewport(), srodek, -120, Qt::ShiftModifier);
        QCOMPARE(v.CurrentPage(), 2);
        Kolko(v.viewport(), srodek, 120, Qt::ShiftModifier);
        QCOMPARE(v.CurrentPage(), 1);
        QTest::mousePress(v.viewport(), Qt::MiddleButton, {}, srodek);
        Kolko(v.viewport(), srodek, -120);
        QTest::mouseRelease(v.viewport(), Qt::MiddleButton, {}, srodek);
        QCOMPARE(v.CurrentPage(), 2);
        Kolko(v.viewport(), srodek, -120, Qt::ControlModifier);
        QCOMPARE(v.Zoom(), 90);
        QTest::keyClick(&v, Qt::Key_Plus, Qt::KeypadModifier);
        QTest::keyClick(&v, Qt::Key_Plus, Qt::KeypadModifier);
        QCOMPARE(v.Zoom(), 110);
        QTest::keyClick(&v, Qt::Key_Minus, Qt::KeypadModifier);
        QCOMPARE(v.Zoom(), 100);
        QTest::keyClick(&v, Qt::Key_PageDown, Qt::ControlModifier);
        QCOMPARE(v.CurrentPage(), 5);
        QTest::keyClick(&v, Qt::Key_PageUp);
        QCOMPARE(v.CurrentPage(), 4);
        QTest::keyClick(&v, Qt::Key_PageUp, Qt::ControlModifier);
        QCOMPARE(v.CurrentPage(), 1);
        QTest::keyClick(&v, Qt::Key_End, Qt::ControlModifier);
        QCOMPARE(pion->value(), pion->maximum());
        QTest::keyClick(&v, Qt::Key_Home, Qt::ControlModifier);
        QCOMPARE(pion->value(), 0);
        QTest::keyClick(&v, Qt::Key_Right);
        QCOMPARE(poziom->value(), poziom->singleStep());
        QTest::keyClick(&v, Qt::Key_Right, Qt::ShiftModifier);
        QCOMPARE(poziom->value(), poziom->singleStep() + 1);
        QTest::keyClick(&v, Qt::Key_End);
        QCOMPARE(poziom->value(), poziom->maximum());
        QTest::keyClick(&v, Qt::Key_Home);
        QCOMPARE(poziom->value(), 0);
        QTest::keyClick(&v, Qt::Key_Down, Qt::ControlModifier);
        QCOMPARE(pion->value(), std::min(pion->maximum(), v.viewport()->height()));
        // Dragging the sheet up and left scrolls down and right.
        pion->setValue(0);
        QWidget* a = v.Sheet();
        QCOMPARE(a->cursor().shape(), Qt::BitmapCursor);
        // The mouse moves over the screen; the sheet moves under it.
        QWidget* w = v.viewport();
        QTest::mousePress(a, Qt::LeftButton, {}, a->mapFrom(w, QPoint(200, 200)));
        QTest::mouseMove(w, QPoint(170, 150));
        QTest::mouseMove(w, QPoint(150, 100));
        QTest::mouseRelease(w, Qt::LeftButton, {}, QPoint(150, 100));
        QCOMPARE(pion->value(), 100);
        QCOMPARE(poziom->value(), 50);
    }

    void miniatury() {
        QWidget okno;
        auto* v = new TPageView(&okno);
        auto* pasek = new TThumbnailStrip(&okno);
        pasek->setGeometry(0, 0, 230, 400);
        v->setGeometry(230, 0, 400, 400);
        v->SetUnits(mmPixel);
        pasek->SetPageView(v);
        Nagraj(*v, 7);
        okno.resize(630, 400);
        okno.show();
        QVERIFY(QTest::qWaitForWindowExposed(&okno));
        QCOMPARE(pasek->Count(), 7);
        const int wLinii = pasek->PerLine();
        QVERIFY(wLinii >= 2);
        TThumbnail* trzecia = pasek->Thumbnail(3);
        QTest::mouseClick(trzecia, Qt::LeftButton, {}, trzecia->Sheet()->geometry().center());
        QCOMPARE(v->CurrentPage(), 3);
        QVERIFY(pasek->hasFocus());
        QTest::mouseClick(pasek->Thumbnail(2), Qt::LeftButton, {},
                          pasek->Thumbnail(2)->LabelRect().center());
        QCOMPARE(v->CurrentPage(), 2);
        QTest::keyClick(pasek, Qt::Key_Down);
        QCOMPARE(v->CurrentPage(), 2 + wLinii);
        QTest::keyClick(pasek, Qt::Key_Left);
        QCOMPARE(v->CurrentPage(), 1 + wLinii);
        QTest::keyClick(pasek, Qt::Key_PageDown, Qt::ControlModifier);
        QCOMPARE(v->CurrentPage(), 7);
        QTest::keyClick(pasek, Qt::Key_Right); // past the last: stays
        QCOMPARE(v->CurrentPage(), 7);
        QTest::keyClick(pasek, Qt::Key_PageUp);
        QCOMPARE(v->CurrentPage(), 6);
        Nagraj(*v, 2); // thumbnails follow the page count
        QCOMPARE(pasek->Count(), 2);
        QCOMPARE(v->CurrentPage(), 1); // a new document starts at its first page
    }

    // The direct mode draws every page straight onto the printer, at the
    // printer's resolution: the page's number lands where it was drawn, a
    // quarter of the way across and down an A5 sheet, whatever the dpi.
    void drukBezposredni_data() {
        QTest::addColumn<int>("dpi");
        QTest::newRow("300 dpi") << 300;
        QTest::newRow("1200 dpi") << 1200;
    }
    void drukBezposredni() {
        QFETCH(int, dpi);
        QTemporaryDir katalog;
        const QString pdf = katalog.filePath(QStringLiteral("wprost.pdf"));
        TPageView v;
        v.SetUnits(mmLoMetric);
        v.SetPaperType(pA5);
        v.SetDirectPrint(true);
        v.SetPrintJobTitle(QStringLiteral("Termivo - zestawienie stolarki"));
        v.Printer().setOutputFormat(QPrinter::PdfFormat);
        v.Printer().setOutputFileName(pdf);
        v.Printer().setResolution(dpi);
        v.ApplyPaperToPrinter(v.Printer());
        QList<int> postep;
        connect(&v, &TPageView::OnPrintProgress, this,
                [&postep](int strona, int procent, bool*) { postep << strona << procent; });
        Nagraj(v, 3);
        QCOMPARE(v.PageCount(), 3);
        QCOMPARE(postep, (QList<int>{1, 100, 2, 100, 3, 100}));
        QCOMPARE(v.Printer().docName(), QStringLiteral("Termivo - zestawienie stolarki"));
        const QList<TSlowoPdf> slowa = SlowaPdf(pdf);
        QCOMPARE(slowa.size(), 3);
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(slowa[i].strona, i + 1);
            QCOMPARE(slowa[i].tekst, QString::number(i + 1));
            // 148 × 210 mm: the baseline at 52.5 mm, the digit 40 points
            // (14 mm) high at most, starting at 37 mm.
            QVERIFY2(qAbs(slowa[i].mm.left() - 37) < 1.5,
                     qPrintable(QString::number(slowa[i].mm.left())));
            QVERIFY(slowa[i].mm.bottom() > 50 && slowa[i].mm.bottom() < 56);
            QVERIFY(slowa[i].mm.height() > 10 && slowa[i].mm.height() < 18);
        }
        // A range of the printer's: pages 2 and 3 only; aborting stops after
        // the page that asked.
        v.Printer().setFromTo(2, 3);
        postep.clear();
        Nagraj(v, 3);
        QCOMPARE(postep, (QList<int>{1, 50, 2, 100}));
        QCOMPARE(SlowaPdf(pdf).size(), 2);
        QCOMPARE(SlowaPdf(pdf).first().tekst, QStringLiteral("2"));
        v.Printer().setFromTo(0, 0);
        connect(&v, &TPageView::OnPrintProgress, this, [](int strona, int, bool* przerwij) {
            if (strona == 1)
                *przerwij = true;
        });
        QSignalSpy przerwania(&v, &TPageView::OnAbort);
        Nagraj(v, 3);
        QCOMPARE(przerwania.count(), 1);
        QVERIFY(v.Aborted());
    }
};

QTEST_MAIN(TestPodglad)
#include "tst_podglad.moc"
