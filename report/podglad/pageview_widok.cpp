// The page view on the screen: fitting the sheet, zoom, keys, wheel, drag.

#include "report/podglad/pageview.h"

#include "report/podglad/papersheet.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QScrollBar>
#include <QStyle>
#include <QWheelEvent>

#include <cmath>

namespace {

constexpr int KROK_PRZEWIJANIA = 20; // pixels per arrow key or wheel notch

int Procent(const QScrollBar* s) {
    return s->maximum() > 0 ? s->value() * 100 / s->maximum() : 0;
}

} // namespace

// The sheet for a view area: its size, and the zoom its paper shows.
QSize TPageView::RozmiarArkusza(QSize obszar, int* zoomPapieru) const {
    const QSize strona = PagePixels();
    const int pw = std::max(1, strona.width()), ph = std::max(1, strona.height());
    const int b = arkusz_->Dodatek();
    TZoomState stan = stanZoomu_;
    if (stan == zsZoomToFit) {
        stan = static_cast<double>(obszar.height()) / std::max(1, obszar.width()) >
                       static_cast<double>(ph) / pw
                   ? zsZoomToWidth
                   : zsZoomToHeight;
    }
    QSize arkusz;
    int papierWys = 0;
    switch (stan) {
    case zsZoomToWidth: {
        const int papierSzer = std::max(1, obszar.width() - b);
        papierWys = static_cast<int>(static_cast<qint64>(papierSzer) * ph / pw);
        arkusz = QSize(papierSzer + b, papierWys + b);
        break;
    }
    case zsZoomToHeight: {
        papierWys = std::max(1, obszar.height() - b);
        const int papierSzer = static_cast<int>(static_cast<qint64>(papierWys) * pw / ph);
        arkusz = QSize(papierSzer + b, papierWys + b);
        break;
    }
    default:
        papierWys = static_cast<int>(static_cast<qint64>(ph) * zoom_ / 100);
        arkusz = QSize(static_cast<int>(static_cast<qint64>(pw) * zoom_ / 100) + b, papierWys + b);
        break;
    }
    *zoomPapieru =
        stanZoomu_ == zsZoomOther ? zoom_ : static_cast<int>(std::lround(papierWys * 100.0 / ph));
    return arkusz;
}

bool TPageView::Dopasuj() {
    if (dopasowywanie_ || strony_.Count() == 0)
        return true;
    dopasowywanie_ = true;
    const int hProcent = Procent(horizontalScrollBar());
    const int vProcent = Procent(verticalScrollBar());
    // The whole client area, whatever bars show now.
    const int grubosc = verticalScrollBar()->sizeHint().width();
    const int gruboscPozioma = horizontalScrollBar()->sizeHint().height();
    QSize klient = maximumViewportSize();
    if (verticalScrollBarPolicy() == Qt::ScrollBarAlwaysOn)
        klient.rwidth() += grubosc;
    if (horizontalScrollBarPolicy() == Qt::ScrollBarAlwaysOn)
        klient.rheight() += gruboscPozioma;
    QSize obszar(klient.width() - 2 * MARGINES, klient.height() - 2 * MARGINES);
    int zoom = zoom_;
    QSize arkusz = RozmiarArkusza(obszar, &zoom);
    bool poziomy = arkusz.width() > obszar.width();
    bool pionowy = arkusz.height() > obszar.height();
    if (poziomy || pionowy) {
        // A scroll bar takes its thickness from the other direction's area.
        if (poziomy)
            obszar.rheight() -= gruboscPozioma;
        if (pionowy)
            obszar.rwidth() -= grubosc;
        arkusz = RozmiarArkusza(obszar, &zoom);
        const bool poziomy2 = arkusz.width() > obszar.width();
        const bool pionowy2 = arkusz.height() > obszar.height();
        if (poziomy2 && !poziomy)
            obszar.rheight() -= gruboscPozioma;
        if (pionowy2 && !pionowy)
            obszar.rwidth() -= grubosc;
        poziomy = poziomy2;
        pionowy = pionowy2;
    }
    const int b = arkusz_->Dodatek();
    if (!arkusz_->SetPaperSize(arkusz.width() - b, arkusz.height() - b)) {
        dopasowywanie_ = false;
        return false;
    }
    const bool zmianaZoomu = zoom != zoom_;
    zoom_ = zoom;
    setHorizontalScrollBarPolicy(poziomy ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(pionowy ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    const QSize widok(obszar.width() + 2 * MARGINES, obszar.height() + 2 * MARGINES);
    horizontalScrollBar()->setRange(0, std::max(0, arkusz.width() + 2 * MARGINES - widok.width()));
    verticalScrollBar()->setRange(0, std::max(0, arkusz.height() + 2 * MARGINES - widok.height()));
    for (QScrollBar* s : {horizontalScrollBar(), verticalScrollBar()})
        s->setSingleStep(KROK_PRZEWIJANIA);
    horizontalScrollBar()->setPageStep(widok.width());
    verticalScrollBar()->setPageStep(widok.height());
    if (zachowajPozycje_) {
        horizontalScrollBar()->setValue(horizontalScrollBar()->maximum() * hProcent / 100);
        verticalScrollBar()->setValue(verticalScrollBar()->maximum() * vProcent / 100);
    }
    UlozArkusz();
    arkusz_->setCursor(MoznaPrzewijac() ? opcje_.DragCursor() : opcje_.Cursor());
    arkusz_->Invalidate();
    dopasowywanie_ = false;
    if (zmianaZoomu)
        emit OnZoomChange();
    return true;
}

// Centred where the sheet is smaller than the area, else from the margin
// less what is scrolled.
void TPageView::UlozArkusz() {
    const QSize widok = viewport()->size();
    const QSize arkusz = arkusz_->size();
    const int x = arkusz.width() < widok.width() - 2 * MARGINES
                      ? MARGINES + (widok.width() - 2 * MARGINES - arkusz.width()) / 2
                      : MARGINES - horizontalScrollBar()->value();
    const int y = arkusz.height() < widok.height() - 2 * MARGINES
                      ? MARGINES + (widok.height() - 2 * MARGINES - arkusz.height()) / 2
                      : MARGINES - verticalScrollBar()->value();
    arkusz_->move(x, y);
}

bool TPageView::MoznaPrzewijac() const {
    return horizontalScrollBar()->maximum() > 0 || verticalScrollBar()->maximum() > 0;
}

void TPageView::scrollContentsBy(int, int) {
    UlozArkusz();
}

void TPageView::resizeEvent(QResizeEvent* e) {
    QAbstractScrollArea::resizeEvent(e);
    Dopasuj();
    UlozArkusz();
}

void TPageView::SetZoom(int z) {
    z = std::clamp(z, zoomMin_, zoomMax_);
    if (z == zoom_ && stanZoomu_ == zsZoomOther)
        return;
    const int poprzedni = zoom_;
    const TZoomState poprzedniStan = stanZoomu_;
    zoom_ = z;
    stanZoomu_ = zsZoomOther;
    // A sheet that cannot take the size keeps the previous zoom.
    if (!Dopasuj()) {
        zoom_ = poprzedni;
        stanZoomu_ = poprzedniStan;
        Dopasuj();
        return;
    }
    emit OnZoomChange();
}

void TPageView::SetZoomMin(int z) {
    if (z < 1 || z > zoomMax_)
        return;
    zoomMin_ = z;
    if (stanZoomu_ == zsZoomOther && zoom_ < z)
        SetZoom(z);
}

void TPageView::SetZoomMax(int z) {
    if (z < zoomMin_)
        return;
    zoomMax_ = z;
    if (stanZoomu_ == zsZoomOther && zoom_ > z)
        SetZoom(z);
}

void TPageView::SetZoomState(TZoomState s) {
    if (s == stanZoomu_)
        return;
    stanZoomu_ = s;
    Dopasuj();
    emit OnZoomChange();
}

void TPageView::Przewin(QScrollBar* pasek, int o) {
    pasek->setValue(pasek->value() + o);
}

void TPageView::keyPressEvent(QKeyEvent* e) {
    const bool ctrl = e->modifiers() & Qt::ControlModifier;
    const bool shift = e->modifiers() & Qt::ShiftModifier;
    QScrollBar* h = horizontalScrollBar();
    QScrollBar* v = verticalScrollBar();
    switch (e->key()) {
    case Qt::Key_Home:
        ctrl ? v->setValue(0) : h->setValue(0);
        break;
    case Qt::Key_End:
        ctrl ? v->setValue(v->maximum()) : h->setValue(h->maximum());
        break;
    case Qt::Key_Left:
    case Qt::Key_Right: {
        const int krok = ctrl ? viewport()->width() : shift ? 1 : h->singleStep();
        Przewin(h, e->key() == Qt::Key_Left ? -krok : krok);
        break;
    }
    case Qt::Key_Up:
    case Qt::Key_Down: {
        const int krok = ctrl ? viewport()->height() : shift ? 1 : v->singleStep();
        Przewin(v, e->key() == Qt::Key_Up ? -krok : krok);
        break;
    }
    case Qt::Key_PageDown:
        SetCurrentPage(ctrl ? PageCount() : biezaca_ + 1);
        break;
    case Qt::Key_PageUp:
        SetCurrentPage(ctrl ? 1 : biezaca_ - 1);
        break;
    case Qt::Key_Plus:
    case Qt::Key_Minus:
        if (!(e->modifiers() & Qt::KeypadModifier)) {
            QAbstractScrollArea::keyPressEvent(e);
            return;
        }
        SetZoom(zoom_ + (e->key() == Qt::Key_Plus ? zoomKrok_ : -zoomKrok_));
        break;
    default:
        QAbstractScrollArea::keyPressEvent(e);
        return;
    }
    e->accept();
}

void TPageView::wheelEvent(QWheelEvent* e) {
    const QPoint kat = e->angleDelta();
    const int zapadki = kolko_.Zapadki(kat.y() != 0 ? kat.y() : kat.x());
    const bool strony = (e->modifiers() & Qt::ShiftModifier) || (e->buttons() & Qt::MiddleButton);
    const bool zoom = e->modifiers() & Qt::ControlModifier;
    // Turning towards the user is negative: down, the next page, zoom out.
    for (int i = 0; i < std::abs(zapadki); ++i) {
        const bool kuSobie = zapadki < 0;
        if (zoom)
            SetZoom(zoom_ + (kuSobie ? -zoomKrok_ : zoomKrok_));
        else if (strony)
            SetCurrentPage(biezaca_ + (kuSobie ? 1 : -1));
        else
            Przewin(verticalScrollBar(), kuSobie ? verticalScrollBar()->singleStep()
                                                 : -verticalScrollBar()->singleStep());
    }
    e->accept();
}

// The sheet's mouse events are the view's: pressing focuses the view,
// dragging with the left button scrolls.
bool TPageView::eventFilter(QObject* obiekt, QEvent* e) {
    const bool przeciaganie =
        obiekt == viewport() && ciagniecie_ &&
        (e->type() == QEvent::MouseMove || e->type() == QEvent::MouseButtonRelease);
    if (obiekt != arkusz_ && !przeciaganie)
        return QAbstractScrollArea::eventFilter(obiekt, e);
    switch (e->type()) {
    case QEvent::MouseButtonPress: {
        auto* m = static_cast<QMouseEvent*>(e);
        setFocus(Qt::MouseFocusReason);
        if (m->button() == Qt::RightButton && opcje_.PopupMenu()) {
            opcje_.PopupMenu()->popup(m->globalPosition().toPoint());
            return true;
        }
        if (m->button() == Qt::LeftButton) {
            ciagniecie_ = true;
            ostatniPunkt_ = m->globalPosition().toPoint();
            if (MoznaPrzewijac())
                arkusz_->setCursor(opcje_.GrabCursor());
        }
        return true;
    }
    case QEvent::MouseMove: {
        auto* m = static_cast<QMouseEvent*>(e);
        if (!ciagniecie_ || !(m->buttons() & Qt::LeftButton))
            return false;
        const QPoint punkt = m->globalPosition().toPoint();
        const QPoint d = punkt - ostatniPunkt_;
        ostatniPunkt_ = punkt;
        QPoint poz = arkusz_->pos();
        const QSize widok = viewport()->size();
        if (horizontalScrollBar()->maximum() > 0)
            Przewin(horizontalScrollBar(), -d.x());
        else
            poz.setX(std::clamp(poz.x() + d.x(), MARGINES,
                                std::max(MARGINES, widok.width() - MARGINES - arkusz_->width())));
        if (verticalScrollBar()->maximum() > 0)
            Przewin(verticalScrollBar(), -d.y());
        else
            poz.setY(std::clamp(poz.y() + d.y(), MARGINES,
                                std::max(MARGINES, widok.height() - MARGINES - arkusz_->height())));
        if (horizontalScrollBar()->maximum() == 0 || verticalScrollBar()->maximum() == 0) {
            const QPoint teraz = arkusz_->pos();
            arkusz_->move(horizontalScrollBar()->maximum() == 0 ? poz.x() : teraz.x(),
                          verticalScrollBar()->maximum() == 0 ? poz.y() : teraz.y());
        }
        return true;
    }
    case QEvent::MouseButtonRelease:
        ciagniecie_ = false;
        arkusz_->setCursor(MoznaPrzewijac() ? opcje_.DragCursor() : opcje_.Cursor());
        return true;
    default:
        return false;
    }
}
