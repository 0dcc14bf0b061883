#include "report/raport/ukladtekstu.h"

#include <QFontMetricsF>
#include <QHash>
#include <QPaintDevice>
#include <QRawFont>
#include <QTextLayout>

#include <algorithm>
#include <cmath>

namespace {

const QString WIELOKROPEK = QStringLiteral("\u2026");

} // namespace

TMiaryLinii MiaryLinii(const QFont& pismo, const QPaintDevice* urzadzenie) {
    static QHash<QString, std::pair<qreal, qreal>> naEm; // winAscent, winDescent per em
    const QString klucz = pismo.key();
    auto it = naEm.find(klucz);
    if (it == naEm.end()) {
        std::pair<qreal, qreal> w{0, 0};
        const QRawFont surowa = QRawFont::fromFont(pismo);
        const QByteArray os2 = surowa.fontTable("OS/2");
        if (os2.size() >= 78 && surowa.unitsPerEm() > 0) {
            auto u16 = [&](int o) {
                return (static_cast<uchar>(os2[o]) << 8) | static_cast<uchar>(os2[o + 1]);
            };
            w = {u16(74) / surowa.unitsPerEm(), u16(76) / surowa.unitsPerEm()};
        }
        it = naEm.insert(klucz, w);
    }
    const QFontMetricsF m(pismo, urzadzenie);
    TMiaryLinii miary{m.ascent(), m.ascent() + m.descent()};
    const qreal px = pismo.pointSizeF() > 0 && urzadzenie
                         ? pismo.pointSizeF() * urzadzenie->logicalDpiY() / 72
                         : pismo.pixelSize();
    if (it->first > 0 && px > 0) {
        const qreal wznios = std::round(it->first * px);
        miary.ascent = std::max(miary.ascent, wznios);
        miary.wysokosc = std::max(miary.wysokosc, wznios + std::round(it->second * px));
    }
    return miary;
}

TUklad Uloz(const QString& tekst, const QFont& pismo, const QPaintDevice* urzadzenie,
            qreal szerokosc, qreal wysokosc, qreal wasko, qreal waska) {
    TUklad wynik;
    if (szerokosc <= 0 || tekst.isEmpty())
        return wynik;
    QString t = tekst;
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    t.replace(QLatin1Char('\n'), QChar::LineSeparator);
    QTextLayout uklad(t, pismo, urzadzenie);
    QTextOption opcje;
    opcje.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    uklad.setTextOption(opcje);
    const QFontMetricsF miary(pismo, urzadzenie);
    const TMiaryLinii linia = MiaryLinii(pismo, urzadzenie);
    qreal y = 0;
    bool obciety = false;
    qreal szerokoscOstatniej = szerokosc;
    uklad.beginLayout();
    for (;;) {
        QTextLine l = uklad.createLine();
        if (!l.isValid())
            break;
        l.setLineWidth(szerokosc);
        const qreal wys = linia.wysokosc;
        qreal szer = szerokosc;
        if (y + wys > wasko && waska < szerokosc) {
            szer = std::max<qreal>(1, waska);
            l.setLineWidth(szer);
        }
        if (wysokosc >= 0 && y + wys > wysokosc + 0.01) {
            obciety = true;
            break;
        }
        QString tekstLinii = t.mid(l.textStart(), l.textLength());
        while (!tekstLinii.isEmpty() &&
               (tekstLinii.back().isSpace() || tekstLinii.back() == QChar::LineSeparator))
            tekstLinii.chop(1);
        wynik.linie.append({tekstLinii, y, linia.ascent});
        szerokoscOstatniej = szer;
        y += wys;
    }
    uklad.endLayout();
    if (obciety && !wynik.linie.isEmpty()) {
        QString& ostatnia = wynik.linie.last().tekst;
        while (!ostatnia.isEmpty() &&
               miary.horizontalAdvance(ostatnia + WIELOKROPEK) > szerokoscOstatniej)
            ostatnia.chop(1);
        while (!ostatnia.isEmpty() && ostatnia.back().isSpace())
            ostatnia.chop(1);
        ostatnia += WIELOKROPEK;
    }
    wynik.wysokosc = static_cast<int>(std::ceil(y));
    return wynik;
}

namespace {

// The label's lines, each word-wrapped, from y on; y is moved past them.
void DodajEtykiete(TUklad& u, qreal& y, const QString& tekst, const QFont& pismo,
                   const QPaintDevice* urzadzenie, qreal szerokosc, qreal punkty) {
    const TMiaryLinii linia = MiaryLinii(pismo, urzadzenie);
    if (tekst.trimmed().isEmpty()) {
        y += linia.wysokosc;
        return;
    }
    const TUklad zawiniety = Uloz(tekst, pismo, urzadzenie, szerokosc, -1, 1e9, szerokosc);
    for (const TLinia& l : zawiniety.linie)
        u.linie.append({l.tekst, y + l.y, l.ascent, punkty});
    y += zawiniety.wysokosc;
}

qsizetype Wciecie(const QString& tekst) {
    qsizetype n = 0;
    while (n < tekst.size() && tekst[n] == QLatin1Char(' '))
        ++n;
    return n;
}

TUklad KolumnaPrzy(const QList<TWierszKolumny>& wiersze, const std::function<QFont(qreal)>& pismo,
                   const QPaintDevice* urzadzenie, qreal szerokosc, qreal punkty) {
    TUklad u;
    qreal y = 0;
    const QFont f = pismo(punkty);
    const QFontMetricsF miary(f, urzadzenie);
    for (const TWierszKolumny& w : wiersze) {
        QStringList linie = w.etykieta.split(QStringLiteral("\r\n"));
        const QString ostatnia = linie.takeLast();
        for (const QString& l : linie)
            DodajEtykiete(u, y, l, f, urzadzenie, szerokosc, punkty);
        if (w.wartosc.isEmpty()) {
            DodajEtykiete(u, y, ostatnia, f, urzadzenie, szerokosc, punkty);
            continue;
        }
        const TMiaryLinii linia = MiaryLinii(f, urzadzenie);
        if (miary.horizontalAdvance(ostatnia + w.wartosc) <= szerokosc) {
            u.linie.append({ostatnia + w.wartosc, y, linia.ascent, punkty});
            y += linia.wysokosc;
            continue;
        }
        // The value on a line of its own, as far in as its label begins.
        if (!ostatnia.trimmed().isEmpty())
            DodajEtykiete(u, y, ostatnia, f, urzadzenie, szerokosc, punkty);
        QString wartosc = ostatnia.left(Wciecie(ostatnia)) + w.wartosc;
        if (miary.horizontalAdvance(wartosc) > szerokosc)
            wartosc = w.wartosc;
        qreal mniej = punkty;
        while (mniej > 1 &&
               QFontMetricsF(pismo(mniej), urzadzenie).horizontalAdvance(wartosc) > szerokosc)
            mniej -= 0.25;
        const TMiaryLinii wlasna = MiaryLinii(pismo(mniej), urzadzenie);
        u.linie.append({wartosc, y, wlasna.ascent, mniej});
        y += wlasna.wysokosc;
    }
    u.wysokosc = static_cast<int>(std::ceil(y));
    return u;
}

} // namespace

TUklad UlozKolumne(const QList<TWierszKolumny>& wiersze, const std::function<QFont(qreal)>& pismo,
                   const QPaintDevice* urzadzenie, qreal szerokosc, qreal wysokosc, qreal punkty,
                   qreal najmniejsze) {
    for (qreal p = punkty;; p -= 0.5) {
        TUklad u = KolumnaPrzy(wiersze, pismo, urzadzenie, szerokosc, p);
        if (u.wysokosc <= wysokosc + 0.01 || p - 0.5 < najmniejsze)
            return u;
    }
}

QString TekstKolumny(const QList<TWierszKolumny>& wiersze) {
    QStringList linie;
    for (const TWierszKolumny& w : wiersze)
        linie << w.etykieta + w.wartosc;
    return linie.join(QStringLiteral("\r\n"));
}
