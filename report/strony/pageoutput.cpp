#include "report/strony/pageoutput.h"

#include <QPagedPaintDevice>

#include <cmath>

TPageOutput::TPageOutput(QPagedPaintDevice& urzadzenie, QSize strona, int jednostekNaCal)
    : urzadzenie_(urzadzenie), jednostki_(strona) {
    const int naCal = std::max(1, jednostekNaCal);
    const int dpiX = std::max(1, urzadzenie.logicalDpiX());
    const int dpiY = std::max(1, urzadzenie.logicalDpiY());
    piksele_ = QSize(static_cast<int>(std::lround(double(strona.width()) * dpiX / naCal)),
                     static_cast<int>(std::lround(double(strona.height()) * dpiY / naCal)));
    przesuniecie_ = urzadzenie.pageLayout().paintRectPixels(dpiX).topLeft();
    // Fonts resolve their points at the device's resolution; the mapping then
    // scales them once more by its pixels per unit.
    skalaPisma_ = double(naCal) / dpiY;
}

TPageOutput::~TPageOutput() {
    if (pominietaPlotno_.isActive())
        pominietaPlotno_.end();
    if (plotno_.isActive())
        plotno_.end();
}

void TPageOutput::SetRange(int od, int doStrony) {
    od_ = std::max(1, od);
    do_ = doStrony > 0 ? std::max(doStrony, od_) : 0;
}

bool TPageOutput::WZakresie(int strona) const {
    return strona >= od_ && (do_ == 0 || strona <= do_);
}

bool TPageOutput::Begin() {
    if (aktywne_)
        return true;
    przerwane_ = false;
    udane_ = true;
    strona_ = 0;
    wyslane_ = 0;
    if (!plotno_.begin(&urzadzenie_))
        return false;
    aktywne_ = true;
    Otworz();
    return true;
}

void TPageOutput::Przygotuj(QPainter& p) {
    p.resetTransform();
    p.setClipping(false);
    OdwzorujStrone(p, jednostki_, piksele_, przesuniecie_);
    QFont f(QStringLiteral("Arial"));
    f.setPointSizeF(8 * skalaPisma_);
    p.setFont(f);
    p.setPen(QPen(Qt::black, 0));
    p.setBrush(Qt::NoBrush);
}

void TPageOutput::Otworz() {
    ++strona_;
    if (WZakresie(strona_)) {
        if (wyslane_ > 0 && !urzadzenie_.newPage())
            udane_ = false;
        Przygotuj(plotno_);
        return;
    }
    // Laid out as on the device, at its resolution, and dropped.
    pominieta_ = std::make_unique<TStronaObraz>(piksele_, urzadzenie_.logicalDpiY());
    if (pominietaPlotno_.begin(pominieta_.get()))
        Przygotuj(pominietaPlotno_);
}

void TPageOutput::Zamknij() {
    if (pominietaPlotno_.isActive()) {
        pominietaPlotno_.end();
        pominieta_.reset();
        return;
    }
    ++wyslane_;
    const int razem = std::max(PagesToSend(), wyslane_);
    bool przerwij = false;
    emit OnPrintProgress(wyslane_, wyslane_ * 100 / std::max(1, razem), &przerwij);
    if (przerwij)
        Abort();
}

int TPageOutput::PagesToSend() const {
    const int ostatnia = do_ > 0 && stron_ > 0 ? std::min(do_, stron_) : do_ > 0 ? do_ : stron_;
    return ostatnia > 0 ? std::max(0, ostatnia - od_ + 1) : 0;
}

void TPageOutput::NewPage() {
    if (!aktywne_ || przerwane_)
        return;
    Zamknij();
    if (!przerwane_)
        Otworz();
}

bool TPageOutput::End() {
    if (!aktywne_)
        return false;
    if (!przerwane_)
        Zamknij();
    if (pominietaPlotno_.isActive())
        pominietaPlotno_.end();
    if (plotno_.isActive())
        udane_ = plotno_.end() && udane_;
    aktywne_ = false;
    return udane_ && !przerwane_;
}

void TPageOutput::Abort() {
    if (!aktywne_ || przerwane_)
        return;
    przerwane_ = true;
    if (przyPrzerwaniu)
        przyPrzerwaniu();
    if (pominietaPlotno_.isActive())
        pominietaPlotno_.end();
    pominieta_.reset();
}

QPainter* TPageOutput::Canvas() {
    if (!aktywne_ || przerwane_)
        return nullptr;
    if (pominietaPlotno_.isActive())
        return &pominietaPlotno_;
    return plotno_.isActive() ? &plotno_ : nullptr;
}
