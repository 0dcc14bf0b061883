#include "ui/main/ikony.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

// Colours of one picture; the disabled picture takes each as a light grey of
// the same brightness order, so its shapes still read.
struct TPedzel {
    bool wylaczona = false;

    QColor operator()(QColor c) const {
        if (!wylaczona)
            return c;
        const int g = 150 + qGray(c.rgb()) * 95 / 255;
        return QColor(g, g, g, c.alpha());
    }
};

const QColor KONTUR(0x2e, 0x3a, 0x4c);
const QColor PAPIER(0xff, 0xff, 0xff);
const QColor ZOLTY(0xf2, 0xb7, 0x3a);
const QColor NIEBIESKI(0x2f, 0x6f, 0xc0);
const QColor ZIELONY(0x2f, 0x9e, 0x44);
const QColor CZERWONY(0xd3, 0x2f, 0x2f);
const QColor SZKLO(0xbf, 0xdc, 0xf5);
const QColor DREWNO(0xa8, 0x73, 0x3f);

void Kontur(QPainter& p, const TPedzel& k, qreal grubosc = 1.2) {
    p.setPen(QPen(k(KONTUR), grubosc, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

// A sheet of paper with a folded corner in the box x, y, w, h.
void Kartka(QPainter& p, const TPedzel& k, qreal x, qreal y, qreal w, qreal h) {
    QPainterPath kartka;
    kartka.moveTo(x, y);
    kartka.lineTo(x + w - 5, y);
    kartka.lineTo(x + w, y + 5);
    kartka.lineTo(x + w, y + h);
    kartka.lineTo(x, y + h);
    kartka.closeSubpath();
    Kontur(p, k);
    p.setBrush(k(PAPIER));
    p.drawPath(kartka);
    p.setBrush(k(QColor(0xd8, 0xdd, 0xe6)));
    p.drawPolygon(
        QPolygonF({QPointF(x + w - 5, y), QPointF(x + w - 5, y + 5), QPointF(x + w, y + 5)}));
}

// Lines of text on a sheet.
void Wiersze(QPainter& p, const TPedzel& k, qreal x, qreal y, qreal w, int n) {
    p.setPen(QPen(k(QColor(0x7a, 0x86, 0x99)), 1));
    for (int i = 0; i < n; ++i)
        p.drawLine(QPointF(x, y + 3 * i), QPointF(x + w, y + 3 * i));
}

// A window: frame, two panes and a mullion, in the box x, y, w, h.
void Okienko(QPainter& p, const TPedzel& k, qreal x, qreal y, qreal w, qreal h) {
    Kontur(p, k, 1.4);
    p.setBrush(k(PAPIER));
    p.drawRect(QRectF(x, y, w, h));
    p.setBrush(k(SZKLO));
    p.setPen(QPen(k(KONTUR), 1));
    const qreal pol = (w - 5) / 2;
    p.drawRect(QRectF(x + 2, y + 2, pol, h - 4));
    p.drawRect(QRectF(x + 3 + pol, y + 2, pol, h - 4));
}

void Znak(QPainter& p, const TPedzel& k, QPointF srodek, QColor barwa, bool plus) {
    p.setPen(QPen(k(PAPIER), 1));
    p.setBrush(k(barwa));
    p.drawEllipse(srodek, 5.5, 5.5);
    p.setPen(QPen(k(PAPIER), 2, Qt::SolidLine, Qt::FlatCap));
    if (plus) {
        p.drawLine(srodek - QPointF(3, 0), srodek + QPointF(3, 0));
        p.drawLine(srodek - QPointF(0, 3), srodek + QPointF(0, 3));
    } else {
        p.drawLine(srodek - QPointF(2.5, 2.5), srodek + QPointF(2.5, 2.5));
        p.drawLine(srodek + QPointF(-2.5, 2.5), srodek + QPointF(2.5, -2.5));
    }
}

// A curved arrow turning back (to the left) or forward, mirrored.
void Strzalka(QPainter& p, const TPedzel& k, bool wstecz) {
    p.save();
    if (!wstecz) {
        p.translate(24, 0);
        p.scale(-1, 1);
    }
    QPainterPath luk;
    luk.moveTo(7, 9);
    luk.cubicTo(12, 4, 21, 6, 20, 13);
    luk.cubicTo(19.5, 17, 15, 19.5, 10, 19);
    p.setPen(QPen(k(NIEBIESKI), 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(luk);
    p.setPen(Qt::NoPen);
    p.setBrush(k(NIEBIESKI));
    p.drawPolygon(QPolygonF({QPointF(2.5, 10), QPointF(10, 4.5), QPointF(10.5, 13)}));
    p.restore();
}

// Draws the picture in a 24 × 24 box.
void Rysuj(QPainter& p, TIkona ikona, const TPedzel& k) {
    switch (ikona) {
    case TIkona::Nowy:
        Kartka(p, k, 5, 2.5, 14, 19);
        p.setPen(Qt::NoPen);
        p.setBrush(k(ZOLTY));
        p.drawEllipse(QPointF(17, 18), 4, 4);
        break;
    case TIkona::Otworz: {
        Kontur(p, k);
        p.setBrush(k(ZOLTY.darker(115)));
        p.drawPolygon(QPolygonF({QPointF(2, 5), QPointF(9, 5), QPointF(11, 7), QPointF(20, 7),
                                 QPointF(20, 19), QPointF(2, 19)}));
        p.setBrush(k(ZOLTY));
        p.drawPolygon(
            QPolygonF({QPointF(5, 10), QPointF(23, 10), QPointF(20, 19), QPointF(2, 19)}));
        break;
    }
    case TIkona::Zapisz:
        Kontur(p, k);
        p.setBrush(k(NIEBIESKI));
        p.drawRoundedRect(QRectF(3, 3, 18, 18), 2, 2);
        p.setBrush(k(PAPIER));
        p.drawRect(QRectF(6.5, 3, 11, 7));
        p.setBrush(k(QColor(0x3a, 0x3a, 0x3a)));
        p.drawRect(QRectF(7.5, 14, 9, 7));
        p.setPen(Qt::NoPen);
        p.setBrush(k(PAPIER));
        p.drawRect(QRectF(13, 15.5, 2, 4));
        break;
    case TIkona::Zamknij:
        Kartka(p, k, 3, 2.5, 13, 17);
        Wiersze(p, k, 5.5, 8, 8, 3);
        Znak(p, k, QPointF(17, 17), CZERWONY, false);
        break;
    case TIkona::Import:
        Kartka(p, k, 3, 2.5, 13, 17);
        Wiersze(p, k, 5.5, 8, 8, 3);
        p.setPen(QPen(k(PAPIER), 1));
        p.setBrush(k(ZIELONY));
        p.drawEllipse(QPointF(17, 17), 5.5, 5.5);
        p.setPen(QPen(k(PAPIER), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawLine(QPointF(17, 13.5), QPointF(17, 20));
        p.drawPolyline(QPolygonF({QPointF(14, 17.5), QPointF(17, 20.5), QPointF(20, 17.5)}));
        break;
    case TIkona::Podglad:
        Kartka(p, k, 3, 2.5, 14, 19);
        Wiersze(p, k, 5.5, 8, 9, 4);
        p.setPen(QPen(k(KONTUR), 1.6));
        p.setBrush(k(QColor(0xe8, 0xf3, 0xfd, 230)));
        p.drawEllipse(QPointF(14.5, 13.5), 4.5, 4.5);
        p.setPen(QPen(k(KONTUR), 3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(18, 17), QPointF(21.5, 20.5));
        break;
    case TIkona::Wytnij:
        p.setPen(QPen(k(QColor(0x70, 0x78, 0x84)), 1.8, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(8, 2.5), QPointF(15.5, 15));
        p.drawLine(QPointF(16, 2.5), QPointF(8.5, 15));
        p.setPen(QPen(k(CZERWONY), 2));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(7, 18), 3.3, 3.3);
        p.drawEllipse(QPointF(17, 18), 3.3, 3.3);
        break;
    case TIkona::Kopiuj:
        Kartka(p, k, 3, 2.5, 11, 14);
        Wiersze(p, k, 5, 7.5, 6, 2);
        Kartka(p, k, 10, 7.5, 11, 14);
        Wiersze(p, k, 12, 12.5, 6, 3);
        break;
    case TIkona::Wklej:
        Kontur(p, k);
        p.setBrush(k(DREWNO));
        p.drawRoundedRect(QRectF(4, 4, 16, 18), 1.5, 1.5);
        p.setBrush(k(QColor(0xc9, 0xcd, 0xd3)));
        p.drawRoundedRect(QRectF(8, 2, 8, 4), 1, 1);
        Kartka(p, k, 7, 8, 10, 12);
        Wiersze(p, k, 9, 12, 5, 3);
        break;
    case TIkona::DodajOkno:
        Okienko(p, k, 2, 3, 15, 16);
        Znak(p, k, QPointF(17.5, 17.5), ZIELONY, true);
        break;
    case TIkona::UsunOkno:
        Okienko(p, k, 2, 3, 15, 16);
        Znak(p, k, QPointF(17.5, 17.5), CZERWONY, false);
        break;
    case TIkona::PowielOkno:
        Okienko(p, k, 2, 2, 12, 13);
        Okienko(p, k, 9, 9, 13, 13);
        break;
    case TIkona::Kalkulator:
        Kontur(p, k);
        p.setBrush(k(QColor(0x4a, 0x55, 0x66)));
        p.drawRoundedRect(QRectF(5, 2, 14, 20), 2, 2);
        p.setBrush(k(QColor(0xc8, 0xe6, 0xc9)));
        p.setPen(Qt::NoPen);
        p.drawRect(QRectF(7, 4, 10, 4.5));
        p.setBrush(k(PAPIER));
        for (int r = 0; r < 3; ++r)
            for (int c = 0; c < 3; ++c)
                p.drawRect(QRectF(7 + 3.6 * c, 10.5 + 3.6 * r, 2.6, 2.6));
        break;
    case TIkona::Cofnij:
    case TIkona::Ponow:
        Strzalka(p, k, ikona == TIkona::Cofnij);
        break;
    case TIkona::SpelniaWT:
    case TIkona::BrakWymaganWT: {
        const bool spelnia = ikona == TIkona::SpelniaWT;
        p.setPen(Qt::NoPen);
        p.setBrush(k(spelnia ? ZIELONY : QColor(0xc3, 0xc8, 0xd0)));
        p.drawEllipse(QPointF(12, 12), 9.5, 9.5);
        p.setPen(QPen(k(PAPIER), 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        if (spelnia)
            p.drawPolyline(QPolygonF({QPointF(7, 12.5), QPointF(10.5, 16), QPointF(17, 8.5)}));
        else
            p.drawLine(QPointF(7.5, 12), QPointF(16.5, 12));
        break;
    }
    case TIkona::NieSpelniaWT:
    case TIkona::BrakDanychWT:
    case TIkona::Pomoc: {
        const bool blad = ikona == TIkona::NieSpelniaWT;
        p.setPen(Qt::NoPen);
        p.setBrush(k(blad                     ? CZERWONY
                     : ikona == TIkona::Pomoc ? NIEBIESKI
                                              : QColor(0x8a, 0x92, 0x9e)));
        p.drawEllipse(QPointF(12, 12), 9.5, 9.5);
        QFont f = p.font();
        f.setBold(true);
        f.setPixelSize(15);
        p.setFont(f);
        p.setPen(k(PAPIER));
        p.drawText(QRectF(2, 2, 20, 20), Qt::AlignCenter,
                   blad ? QStringLiteral("!") : QStringLiteral("?"));
        break;
    }
    }
}

QPixmap Obraz(TIkona ikona, int bok, bool wylaczona) {
    QPixmap obraz(bok, bok);
    obraz.fill(Qt::transparent);
    QPainter p(&obraz);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(bok / 24.0, bok / 24.0);
    Rysuj(p, ikona, TPedzel{wylaczona});
    return obraz;
}

} // namespace

QIcon IkonaPolecenia(TIkona ikona) {
    QIcon wynik;
    for (int bok : {16, 22, 24, 32, 48}) {
        wynik.addPixmap(Obraz(ikona, bok, false), QIcon::Normal);
        wynik.addPixmap(Obraz(ikona, bok, false), QIcon::Active);
        wynik.addPixmap(Obraz(ikona, bok, true), QIcon::Disabled);
    }
    return wynik;
}
