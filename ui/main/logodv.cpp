#include "ui/main/logodv.h"

#include <QPainter>

QPixmap LogoDV() {
    QPixmap obraz(48, 24);
    obraz.fill(Qt::white);
    QPainter p(&obraz);
    p.setPen(QPen(QColor(0, 51, 153), 2));
    p.drawRect(1, 1, 45, 21);
    QFont f = p.font();
    f.setBold(true);
    f.setPixelSize(13);
    p.setFont(f);
    p.drawText(obraz.rect(), Qt::AlignCenter, QStringLiteral("D&V"));
    return obraz;
}
