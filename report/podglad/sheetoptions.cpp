#include "report/podglad/sheetoptions.h"

#include "report/podglad/papersheet.h"

#include <QGuiApplication>
#include <QMenu>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>
#include <QPixmap>

namespace {

// A hand seen from its back: four fingers over the palm and a thumb at the
// left; closed, the fingers are folded down to knuckles.
QCursor Dlon(bool zamknieta) {
    QPixmap obraz(32, 32);
    obraz.fill(Qt::transparent);
    QPainter p(&obraz);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath dlon;
    dlon.addRoundedRect(QRectF(9, zamknieta ? 13 : 14, 15, 12), 4, 4);
    for (int i = 0; i < 4; ++i) {
        const double x = 9.5 + i * 3.6;
        const double dlugosc = zamknieta ? 4.5 : (i == 1 || i == 2 ? 12 : 10);
        dlon.addRoundedRect(QRectF(x, 16 - dlugosc, 3.4, dlugosc + 2), 1.7, 1.7);
    }
    QPainterPath kciuk;
    if (zamknieta)
        kciuk.addRoundedRect(QRectF(6, 15, 6, 4), 2, 2);
    else
        kciuk.addRoundedRect(QRectF(4, 15, 8, 3.4), 1.7, 1.7);
    const QPainterPath calosc = dlon.united(kciuk);
    p.setPen(QPen(Qt::black, 1.2));
    p.setBrush(Qt::white);
    p.drawPath(calosc);
    p.end();
    return QCursor(obraz, 16, 16);
}

} // namespace

const QCursor& KursorOtwartejDloni() {
    static const QCursor k = Dlon(false);
    return k;
}

const QCursor& KursorZamknietejDloni() {
    static const QCursor k = Dlon(true);
    return k;
}

TSheetOptions::TSheetOptions(QObject* rodzic)
    : QObject(rodzic), shadowColor_(QGuiApplication::palette().color(QPalette::Dark)),
      cursor_(Qt::ArrowCursor), dragCursor_(KursorOtwartejDloni()),
      grabCursor_(KursorZamknietejDloni()) {}

void TSheetOptions::SetPaperColor(const QColor& c) {
    paperColor_ = c;
    emit changed();
}

void TSheetOptions::SetBorderColor(const QColor& c) {
    borderColor_ = c;
    emit changed();
}

void TSheetOptions::SetBorderWidth(int w) {
    borderWidth_ = std::max(0, w);
    emit changed();
}

void TSheetOptions::SetShadowColor(const QColor& c) {
    shadowColor_ = c;
    emit changed();
}

void TSheetOptions::SetShadowWidth(int w) {
    shadowWidth_ = std::max(0, w);
    emit changed();
}

void TSheetOptions::SetCursor(const QCursor& c) {
    cursor_ = c;
    emit changed();
}

void TSheetOptions::SetDragCursor(const QCursor& c) {
    dragCursor_ = c;
    emit changed();
}

void TSheetOptions::SetGrabCursor(const QCursor& c) {
    grabCursor_ = c;
    emit changed();
}

void TSheetOptions::SetPopupMenu(QMenu* m) {
    popupMenu_ = m;
    emit changed();
}

void TSheetOptions::Apply(TPaperSheet& sheet) const {
    sheet.SetPaperColor(paperColor_);
    sheet.SetBorderColor(borderColor_);
    sheet.SetBorderSize(borderWidth_);
    sheet.SetShadowColor(shadowColor_);
    sheet.SetShadowSize(shadowWidth_);
}
