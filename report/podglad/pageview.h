#pragma once

#include "report/podglad/pagerecorder.h"
#include "report/podglad/pagestore.h"
#include "report/podglad/papersetup.h"
#include "report/podglad/papiery.h"
#include "report/podglad/sheetoptions.h"
#include "report/strony/jednostki.h"

#include <QAbstractScrollArea>
#include <QFont>
#include <QPicture>

class QImage;
class QPainter;
class QPrinter;
class TPaperSheet;

enum TZoomState { zsZoomOther, zsZoomToWidth, zsZoomToHeight, zsZoomToFit };

// TPageView: records a document page by page (TPageRecorder, on the paper
// of TPaperSetup) and shows one page at a time on a sheet of paper, zoomed,
// with keyboard, wheel and drag navigation. Sizes and coordinates of the
// client are in Units. Thumbnail strips and other views follow its signals.
class TPageView : public QAbstractScrollArea {
    Q_OBJECT

public:
    explicit TPageView(QWidget* rodzic = nullptr);
    ~TPageView() override;

    static constexpr int MARGINES = 10; // around the sheet, in pixels

    // Document recording.
    void BeginDoc() { rejestrator_.BeginDoc(); }
    void NewPage() { rejestrator_.NewPage(); }
    void EndDoc() { rejestrator_.EndDoc(); }
    void Abort() { rejestrator_.Abort(); }
    QPainter* Canvas() { return rejestrator_.Canvas(); }
    double FontScale() const { return rejestrator_.FontScale(); }
    int PageCount() const { return rejestrator_.PageCount(); }
    const QPicture* PageMetafile(int n);
    int CurrentPage() const { return biezaca_; }
    void SetCurrentPage(int n);
    TRecordingState RecordingState() const { return rejestrator_.RecordingState(); }
    bool Aborted() const { return rejestrator_.Aborted(); }
    TPageStore& Store() { return strony_; }
    TPaperSetup& Paper() { return papier_; }
    const TPaperSetup& Paper() const { return papier_; }

    // Units and paper.
    TUnits Units() const { return papier_.Units(); }
    void SetUnits(TUnits u);
    TPaperType PaperType() const { return papier_.PaperType(); }
    void SetPaperType(TPaperType t) { papier_.SetPaperType(t); }
    int PaperWidth() const { return papier_.PaperWidth(); }
    int PaperHeight() const { return papier_.PaperHeight(); }
    void SetPaperSize(int w, int h) { papier_.SetPaperSize(w, h); }
    Qt::Orientation Orientation() const { return papier_.Orientation(); }
    void SetOrientation(Qt::Orientation o) { papier_.SetOrientation(o); }
    QRect PageBounds() const { return papier_.PageBounds(); }
    // The page in screen pixels.
    QSize PagePixels() const { return papier_.PagePixels(); }

    // The printer side.
    static bool PrinterInstalled() { return TPaperSetup::PrinterInstalled(); }
    QPrinter& Printer() { return papier_.Printer(); }
    QString PrinterFormName() { return papier_.PrinterFormName(); }
    void SetPrinterFormName(const QString& nazwa) { papier_.SetPrinterFormName(nazwa); }
    bool UsePrinterOptions() const { return papier_.UsePrinterOptions(); }
    void SetUsePrinterOptions(bool b) { papier_.SetUsePrinterOptions(b); }
    bool DirectPrint() const { return rejestrator_.DirectPrint(); }
    void SetDirectPrint(bool b) { rejestrator_.SetDirectPrint(b); }
    QString PrintJobTitle() const { return rejestrator_.PrintJobTitle(); }
    void SetPrintJobTitle(const QString& t) { rejestrator_.SetPrintJobTitle(t); }
    bool UseTempFile() const { return strony_.UseTempFile(); }
    void SetUseTempFile(bool b) { strony_.SetUseTempFile(b); }
    void ApplyPaperToPrinter(QPrinter& drukarka) const { papier_.ApplyPaperToPrinter(drukarka); }

    // Zoom.
    int Zoom() const { return zoom_; }
    void SetZoom(int z);
    int ZoomMin() const { return zoomMin_; }
    void SetZoomMin(int z);
    int ZoomMax() const { return zoomMax_; }
    void SetZoomMax(int z);
    TZoomState ZoomState() const { return stanZoomu_; }
    void SetZoomState(TZoomState s);
    void SetZoomSavePos(bool b) { zachowajPozycje_ = b; }

    bool Annotation() const { return adnotacja_; }
    void SetAnnotation(bool b);
    TSheetOptions& PaperView() { return opcje_; }
    QFont Font() const { return rejestrator_.Font(); }
    void SetFont(const QFont& f) { rejestrator_.SetFont(f); }
    TPaperSheet* Sheet() const { return arkusz_; }

    // Drawing bitmaps on the open page, in Units.
    QPoint DrawGraphic(int x, int y, const QImage& obraz) {
        return rejestrator_.DrawGraphic(x, y, obraz);
    }
    void DrawGraphicFit(const QRect& prostokat, const QImage& obraz, bool srodek,
                        bool tylkoZmniejsz, bool proporcjonalnie) {
        rejestrator_.DrawGraphicFit(prostokat, obraz, srodek, tylkoZmniejsz, proporcjonalnie);
    }

    // Draws page n (1-based) into a rectangle of any painter.
    void RysujStrone(QPainter& p, int n, const QRectF& cel);

signals:
    void OnBeginDoc();
    void OnEndDoc();
    void OnNewPage();
    void OnEndPage();
    void OnAbort();
    void OnChange();
    void OnZoomChange();
    void OnPrintProgress(int strona, int procent, bool* przerwij);
    void OnBeforePrint();
    void OnAfterPrint();
    void OnAnnotation(int strona, QPainter* plotno);
    // "Not enough memory to create a new page" and the like.
    void OnError(const QString& tresc);

protected:
    // Opens the painter on a new page picture; false when it cannot.
    virtual bool RozpocznijStrone(QPainter& p, QPicture& obraz);

    void resizeEvent(QResizeEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void wheelEvent(QWheelEvent* e) override;
    void scrollContentsBy(int dx, int dy) override;
    bool eventFilter(QObject* obiekt, QEvent* e) override;

private:
    // Fits the sheet to the view; false when it cannot take the size.
    bool Dopasuj();
    QSize RozmiarArkusza(QSize obszar, int* zoomPapieru) const;
    void UlozArkusz();
    void ListaZmieniona();
    void StronaZmieniona(int i);
    void OdswiezAdnotacje();
    void RysujArkusz(QPainter* p, const QRect& papier);
    void Przewin(QScrollBar* pasek, int o);
    bool MoznaPrzewijac() const;

    TPageStore strony_;
    TPaperSetup papier_;
    TPageRecorder rejestrator_;
    TSheetOptions opcje_;
    TPaperSheet* arkusz_ = nullptr;

    int zoom_ = 100;
    int zoomMin_ = 10;
    int zoomMax_ = 500;
    int zoomKrok_ = 10;
    TZoomState stanZoomu_ = zsZoomToFit;
    bool zachowajPozycje_ = true;
    bool adnotacja_ = false;

    int biezaca_ = 0;
    QPicture adnotacjaObraz_;
    bool jestAdnotacja_ = false;
    TKolkoMyszy kolko_;
    bool ciagniecie_ = false;
    QPoint ostatniPunkt_;
    bool dopasowywanie_ = false;
};
