#include "ui/main/etykieta.h"

#include <QFontMetrics>

TEtykietaSkracana::TEtykietaSkracana(QWidget* rodzic) : QLabel(rodzic) {
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    setTextFormat(Qt::PlainText);
}

void TEtykietaSkracana::UstawTekst(const QString& tekst, const QString& pelny) {
    tekst_ = tekst;
    setToolTip(pelny.isEmpty() ? tekst : pelny);
    Skroc();
    updateGeometry();
}

QSize TEtykietaSkracana::minimumSizeHint() const {
    return {0, fontMetrics().height() + 2 * margin()};
}

QSize TEtykietaSkracana::sizeHint() const {
    return {fontMetrics().horizontalAdvance(tekst_) + 2 * margin(),
            fontMetrics().height() + 2 * margin()};
}

void TEtykietaSkracana::resizeEvent(QResizeEvent* zdarzenie) {
    QLabel::resizeEvent(zdarzenie);
    Skroc();
}

void TEtykietaSkracana::Skroc() {
    const QString widoczny =
        fontMetrics().elidedText(tekst_, Qt::ElideRight, contentsRect().width());
    if (text() != widoczny)
        setText(widoczny);
}
