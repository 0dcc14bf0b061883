#pragma once

#include <QPicture>
#include <QRectF>
#include <QSize>

class QPainter;

// A recorded page: its size is the page in screen pixels, its resolution
// the client's units per inch, so that fonts keep their physical size in
// whatever unit the client draws.
class TStronaObraz : public QPicture {
public:
    TStronaObraz(QSize piksele, int jednostekNaCal);

protected:
    int metric(PaintDeviceMetric m) const override;

private:
    QSize piksele_;
    int dpi_;
};

// The mapping of every page canvas: `jednostki` of the client onto
// `piksele` of the device, logical (0, 0) at the corner of the paper
// (`przesuniecie` is where the device's own origin lies on the paper).
void OdwzorujStrone(QPainter& p, QSize jednostki, QSize piksele, QPoint przesuniecie = {});

// Plays a recorded page into a rectangle of any painter: a sheet on the
// screen, a thumbnail, an image.
void OdtworzStrone(QPainter& p, const QPicture& strona, const QRectF& cel);
