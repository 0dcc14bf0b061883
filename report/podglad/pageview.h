#pragma once

#include "jednostki.h"
#include "pagestore.h"
#include "papiery.h"
#include "sheetoptions.h"

#include <QAbstractScrollArea>
#include <QFont>
#include <QPicture>

#include <memory>

class QImage;
class QPainter;
class QPrinter;
class TPaperSheet;
class TThumbnailStrip;

enum TZoomState { zsZoomOther, zsZoomToWidth, zsZoomToHeight, zsZoomToFit };

// idle, recording a preview, or printing directly
enum class TRecordingState { Idle, Recording, Printing };

// A page picture: its size is the page in screen pixels, its resolution the
// page's units per inch, so that fonts keep their physical size whatever
// unit the client draws in.
class TStronaObraz : public QPicture {
public:
    TStronaObraz(QSize piksele, int jednostekNaCal);

protected:
    int metric(PaintDeviceMetric m) const override;

private:
    QSize piksele_;
    int dpi_;
};

// TPageView: records a document page by page as pictures and shows one page
// at a time on a sheet of paper, zoomed, with keyboard, wheel and drag
// navigation. Sizes and coordinates of the client are in Units.
class TPageView : public QAbstractScrollArea {
    Q_OBJECT

public:
    explicit TPageView(QWidget* rodzic = nullptr);
    ~TPageView() override;

    static constexpr int MARGINES = 10; // around the sheet, in pixels

    // Document recording.
    void BeginDoc();
    void NewPage();
    void EndDoc();
    void Abort();
    QPainter* Canvas() const;
    int PageCount() const;
    const QPicture* PageMetafile(int n);
    int CurrentPage() const { return biezaca_; }
    void SetCurrentPage(int n);
    TRecordingState RecordingState() const { return stan_; }
    bool Aborted() const { return przerwany_; }
    TPageStore& Store() { return strony_; }

    // Units and paper.
    TUnits Units() const { return jednostki_; }
    void SetUnits(TUnits u);
    TPaperType PaperType() const { return papier_; }
    void SetPaperType(TPaperType t);
    int PaperWidth() const { return szer_; }
    int PaperHeight() const { return wys_; }
    void SetPaperWidth(int w);
    void SetPaperHeight(int h);
    void SetPaperSize(int w, int h);
    Qt::Orientation Orientation() const { return orientacja_; }
    void SetOrientation(Qt::Orientation o);
    QRect PageBounds() const { return QRect(0, 0, szer_, wys_); }
    // The page in screen pixels.
    QSize PagePixels() const;

    // The printer side.
    static bool PrinterInstalled();
    QPrinter& Printer();
    QString PrinterFormName();
    void SetPrinterFormName(const QString& nazwa);
    bool UsePrinterOptions() const { return opcjeDrukarki_; }
    void SetUsePrinterOptions(bool b) { opcjeDrukarki_ = b; }
    bool DirectPrint() const { return bezposrednio_; }
    void SetDirectPrint(bool b);
    bool FastPrint() const { return szybko_; }
    void SetFastPrint(bool b) { szybko_ = b; }
    QString PrintJobTitle() const { return tytulZadania_; }
    void SetPrintJobTitle(const QString& t) { tytulZadania_ = t; }
    bool UseTempFile() const { return strony_.UseTempFile(); }
    void SetUseTempFile(bool b) { strony_.SetUseTempFile(b); }
    // Gives the printer this view's paper and orientation.
    void ApplyPaperToPrinter(QPrinter& drukarka) const;
    // Plays the recorded pages (the printer's page range, else all) to a
    // printer, or a PDF file through a printer in PDF mode; false when it
    // could not start or was aborted.
    bool Print(QPrinter& drukarka);
    // Writes every recorded page into a PDF file: the same pictures, text as
    // text. False when the device cannot take it.
    bool SaveToPdf(QIODevice& wyjscie, const QString& tytul = QString());

    // Zoom.
    int Zoom() const { return zoom_; }
    void SetZoom(int z);
    int ZoomMin() const { return zoomMin_; }
    void SetZoomMin(int z);
    int ZoomMax() const { return zoomMax_; }
    void SetZoomMax(int z);
    int ZoomStep() const { return zoomKrok_; }
    void SetZoomStep(int z) { zoomKrok_ = std::max(1, z); }
    TZoomState ZoomState() const { return stanZoomu_; }
    void SetZoomState(TZoomState s);
    bool ZoomSavePos() const { return zachowajPozycje_; }
    void SetZoomSavePos(bool b) { zachowajPozycje_ = b; }

    bool Annotation() const { return adnotacja_; }
    void SetAnnotation(bool b);
    TSheetOptions& PaperView() { return opcje_; }
    QFont Font() const { return czcionka_; }
    void SetFont(const QFont& f) { czcionka_ = f; }
    TPaperSheet* Sheet() const { return arkusz_; }

    // Drawing bitmaps on the open page, in Units.
    QPoint DrawGraphic(int x, int y, const QImage& obraz);
    void DrawGraphicFit(const QRect& prostokat, const QImage& obraz, bool srodek,
                        bool tylkoZmniejsz, bool proporcjonalnie);

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
    void OnAutoCustomForm(const QString& nazwa, bool dodany);
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
    friend class TThumbnailStrip;
    void PodlaczPasek(TThumbnailStrip* pasek);
    void OdlaczPasek(TThumbnailStrip* pasek);

    bool OtworzStrone();
    bool ZamknijStrone();
    void UstawOdwzorowanie(QPainter& p, QSize piksele, QPoint przesuniecie = {});
    void OpcjeDrukarki();
    void RozmiarZTabeli();
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
    TSheetOptions opcje_;
    TPaperSheet* arkusz_ = nullptr;
    QList<TThumbnailStrip*> paski_;

    TUnits jednostki_ = mmHiMetric;
    TPaperType papier_ = pA4;
    Qt::Orientation orientacja_ = Qt::Vertical; // portrait
    int szer_ = 0;
    int wys_ = 0;
    int zoom_ = 100;
    int zoomMin_ = 10;
    int zoomMax_ = 500;
    int zoomKrok_ = 10;
    TZoomState stanZoomu_ = zsZoomToFit;
    bool zachowajPozycje_ = true;
    bool bezposrednio_ = false;
    bool opcjeDrukarki_ = false;
    bool szybko_ = true;
    bool adnotacja_ = false;
    QString tytulZadania_;
    QFont czcionka_;
    QString formularz_; // printer form last applied

    TRecordingState stan_ = TRecordingState::Idle;
    bool przerwany_ = false;
    int biezaca_ = 0;
    int wyslane_ = 0; // pages sent in direct mode
    std::unique_ptr<TStronaObraz> obraz_;
    std::unique_ptr<QPainter> plotno_;
    std::unique_ptr<QPainter> drukarkaPlotno_;
    std::unique_ptr<QPrinter> drukarka_;
    QPicture adnotacjaObraz_;
    bool jestAdnotacja_ = false;
    int resztaKolka_ = 0;
    bool ciagniecie_ = false;
    QPoint ostatniPunkt_;
    bool dopasowywanie_ = false;
};
