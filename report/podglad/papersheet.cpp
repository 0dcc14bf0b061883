#include "report/podglad/papersheet.h"

#include <QPaintEvent>
#include <QPainter>

namespace {

// The largest off-screen picture a sheet may have (a sheet of A4 at 500 %
// of a 96-dpi screen is about 22 million pixels).
constexpr qint64 MAX_PIKSELI = 120LL * 1000 * 1000;
constexpr int MAX_BOKU = 32767;

} // namespace

TPaperSheet::TPaperSheet(QWidget* rodzic) : QWidget(rodzic) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(paperWidth_ + Dodatek(), paperHeight_ + Dodatek());
}

void TPaperSheet::SetPaperColor(const QColor& c) {
    paperColor_ = c;
    Invalidate();
}

void TPaperSheet::SetBorderColor(const QColor& c) {
    borderColor_ = c;
    ramaNieaktualna_ = true;
    update();
}

void TPaperSheet::SetBorderSize(int n) {
    borderSize_ = std::max(0, n);
    SetPaperSize(paperWidth_, paperHeight_);
    ramaNieaktualna_ = papierNieaktualny_ = true;
    update();
}

void TPaperSheet::SetShadowColor(const QColor& c) {
    shadowColor_ = c;
    ramaNieaktualna_ = true;
    update();
}

void TPaperSheet::SetShadowSize(int n) {
    shadowSize_ = std::max(0, n);
    SetPaperSize(paperWidth_, paperHeight_);
    ramaNieaktualna_ = papierNieaktualny_ = true;
    update();
}

void TPaperSheet::SetMarker(const QColor& c) {
    if (c == marker_)
        return;
    marker_ = c;
    update();
}

bool TPaperSheet::SetPaperSize(int szerokosc, int wysokosc) {
    szerokosc = std::max(1, szerokosc);
    wysokosc = std::max(1, wysokosc);
    const int w = szerokosc + Dodatek();
    const int h = wysokosc + Dodatek();
    if (w > MAX_BOKU || h > MAX_BOKU || static_cast<qint64>(w) * h > MAX_PIKSELI)
        return false;
    if (szerokosc == paperWidth_ && wysokosc == paperHeight_ && size() == QSize(w, h))
        return true;
    QImage nowy(w, h, QImage::Format_RGB32);
    if (nowy.isNull())
        return false;
    paperWidth_ = szerokosc;
    paperHeight_ = wysokosc;
    bufor_ = std::move(nowy);
    ramaNieaktualna_ = papierNieaktualny_ = true;
    resize(w, h);
    update();
    return true;
}

QRect TPaperSheet::PaperRect() const {
    return QRect(borderSize_, borderSize_, paperWidth_, paperHeight_);
}

void TPaperSheet::Invalidate() {
    papierNieaktualny_ = true;
    update();
}

bool TPaperSheet::Bufor() {
    if (bufor_.size() != size()) {
        bufor_ = QImage(size(), QImage::Format_RGB32);
        ramaNieaktualna_ = papierNieaktualny_ = true;
    }
    return !bufor_.isNull();
}

void TPaperSheet::paintEvent(QPaintEvent* zdarzenie) {
    // A sheet without its picture paints nothing.
    if (!Bufor())
        return;
    if (ramaNieaktualna_) {
        QPainter p(&bufor_);
        const QColor tlo = palette().color(backgroundRole());
        const int w = width(), h = height(), s = shadowSize_;
        const int rw = w - s, rh = h - s; // border and paper
        // The shadow: a strip along the right edge from s below the top and
        // along the bottom from s right of the left edge; the two corners
        // it leaves are the background.
        p.fillRect(QRect(rw, 0, s, s), tlo);
        p.fillRect(QRect(0, rh, s, s), tlo);
        p.fillRect(QRect(rw, s, s, h - s), shadowColor_);
        p.fillRect(QRect(s, rh, w - s, s), shadowColor_);
        for (int i = 0; i < borderSize_; ++i) {
            p.setPen(borderColor_);
            p.drawRect(QRect(i, i, rw - 2 * i - 1, rh - 2 * i - 1));
        }
        ramaNieaktualna_ = false;
    }
    if (papierNieaktualny_) {
        QPainter p(&bufor_);
        const QRect papier = PaperRect();
        p.fillRect(papier, paperColor_);
        p.setClipRect(papier);
        emit OnPaint(&p, papier);
        papierNieaktualny_ = false;
    }
    QPainter ekran(this);
    ekran.drawImage(zdarzenie->rect(), bufor_, zdarzenie->rect());
    if (marker_.isValid()) {
        ekran.setPen(marker_);
        ekran.drawRect(PaperRect().adjusted(-1, -1, 0, 0));
    }
}
