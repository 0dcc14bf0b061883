#pragma once

#include "report/strony/strona.h"

#include <QObject>
#include <QPainter>

#include <functional>
#include <memory>

class QPagedPaintDevice;

// TPageOutput: a document sent page by page straight onto a paged device
// (a printer, a PDF file) in the client's units. The page of `strona`
// units, `jednostekNaCal` of them to the inch, maps onto the device's own
// resolution with (0, 0) at the corner of the paper, and point sizes keep
// their physical size when multiplied by FontScale(). Pages outside the
// range are laid out on nothing, so the pages sent keep the numbers and the
// places they have in the whole document.
class TPageOutput : public QObject {
    Q_OBJECT

public:
    TPageOutput(QPagedPaintDevice& urzadzenie, QSize strona, int jednostekNaCal);
    ~TPageOutput() override;

    // Pages `od` … `doStrony` (1-based, inclusive) go to the device; 0
    // sends everything from `od` on.
    void SetRange(int od, int doStrony);

    // Starts the device and opens page 1; false when the device cannot start.
    bool Begin();
    // Finishes the open page and opens the next.
    void NewPage();
    // Finishes the last page and the device; false when it failed or was aborted.
    bool End();
    // Stops at once: the device gets no further page (a printer's job is
    // cancelled through przyPrzerwaniu while it is still open).
    void Abort();

    // The canvas of the open page; nullptr with none.
    QPainter* Canvas();
    // What a point size is multiplied by on this canvas.
    double FontScale() const { return skalaPisma_; }
    bool Active() const { return aktywne_; }
    bool Aborted() const { return przerwane_; }
    // The open page's number in the document.
    int Page() const { return strona_; }
    int PagesSent() const { return wyslane_; }
    // The document's pages, once the client knows them; then the pages the
    // range sends (0 while the count is not known).
    void SetPageCount(int stron) { stron_ = stron; }
    int PagesToSend() const;

    // Run on Abort() while the device is still being painted.
    std::function<void()> przyPrzerwaniu;

signals:
    // After every page sent: how many have gone, the percentage of the range
    // done, and a flag the handler may set to stop.
    void OnPrintProgress(int strona, int procent, bool* przerwij);

private:
    bool WZakresie(int strona) const;
    void Otworz();
    void Zamknij();
    void Przygotuj(QPainter& p);

    QPagedPaintDevice& urzadzenie_;
    QSize jednostki_;
    QSize piksele_;       // the page in the device's pixels
    QPoint przesuniecie_; // the device's origin on the paper
    double skalaPisma_ = 1;
    int od_ = 1;
    int do_ = 0;
    QPainter plotno_;
    // The canvas of a page outside the range: a picture thrown away.
    std::unique_ptr<TStronaObraz> pominieta_;
    QPainter pominietaPlotno_;
    bool aktywne_ = false;
    bool przerwane_ = false;
    bool udane_ = true;
    int strona_ = 0;
    int wyslane_ = 0;
    int stron_ = 0;
};
