#include "report/raport/kanwaqpainter.h"

#include <QFontMetrics>

TKanwaQPainter::TKanwaQPainter(QPainter& p) : p_(p) {
    p_.setPen(QPen(Qt::black, 0));
    p_.setBrush(Qt::white);
}

void TKanwaQPainter::UstawPedzel(int r, int g, int b) {
    p_.setBrush(QColor(r, g, b));
}

// Rectangles span (l, t) up to but not including (r, b), as on a bitmap canvas.
void TKanwaQPainter::WypelnijProstokat(int l, int t, int r, int b) {
    p_.fillRect(QRect(QPoint(l, t), QPoint(r - 1, b - 1)), p_.brush());
}

void TKanwaQPainter::Prostokat(int l, int t, int r, int b) {
    p_.fillRect(QRect(QPoint(l, t), QPoint(r - 1, b - 1)), p_.brush());
    p_.drawRect(QRect(QPoint(l, t), QPoint(r - 2, b - 2)));
}

void TKanwaQPainter::PrzesunDo(int x, int y) {
    pioro_ = QPoint(x, y);
}

void TKanwaQPainter::LiniaDo(int x, int y) {
    const QPoint koniec(x, y);
    if (koniec != pioro_) {
        // The end point itself is not painted: stop one pixel short.
        const QPointF d = QPointF(koniec - pioro_);
        const double dl = std::max(std::abs(d.x()), std::abs(d.y()));
        const QPointF przed = QPointF(koniec) - d / dl;
        p_.drawLine(QPointF(pioro_), przed);
    }
    pioro_ = koniec;
}

void TKanwaQPainter::Tekst(int x, int y, const QString& tekst) {
    const QFontMetrics m(p_.font());
    p_.fillRect(QRect(x, y, m.horizontalAdvance(tekst), m.height()), p_.brush());
    p_.drawText(QPoint(x, y + m.ascent()), tekst);
}
