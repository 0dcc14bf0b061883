#include "report/strony/strona.h"

#include <QPainter>

#include <algorithm>

TStronaObraz::TStronaObraz(QSize piksele, int jednostekNaCal)
    : piksele_(piksele), dpi_(std::max(1, jednostekNaCal)) {
    setBoundingRect(QRect(QPoint(0, 0), piksele));
}

int TStronaObraz::metric(PaintDeviceMetric m) const {
    switch (m) {
    case PdmDpiX:
    case PdmDpiY:
    case PdmPhysicalDpiX:
    case PdmPhysicalDpiY:
        return dpi_;
    case PdmWidth:
        return piksele_.width();
    case PdmHeight:
        return piksele_.height();
    default:
        return QPicture::metric(m);
    }
}

void OdwzorujStrone(QPainter& p, QSize jednostki, QSize piksele, QPoint przesuniecie) {
    p.setWindow(QRect(QPoint(0, 0), jednostki));
    p.setViewport(QRect(-przesuniecie, piksele));
}

void OdtworzStrone(QPainter& p, const QPicture& strona, const QRectF& cel) {
    const QSizeF zrodlo = strona.boundingRect().size();
    if (zrodlo.isEmpty() || cel.isEmpty())
        return;
    p.save();
    p.translate(cel.topLeft());
    p.scale(cel.width() / zrodlo.width(), cel.height() / zrodlo.height());
    p.drawPicture(0, 0, strona);
    p.restore();
}
