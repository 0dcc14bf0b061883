#include "report/strony/jednostki.h"

#include <QGuiApplication>
#include <QScreen>

#include <climits>
#include <cmath>
#include <cstdint>

namespace {

int64_t Przelicz(int64_t wartosc, int64_t na, int64_t z) {
    if (z <= 0)
        return wartosc;
    const int64_t iloczyn = wartosc * na;
    // Nearest integer, an exact half away from zero.
    const int64_t polowa = z / 2;
    return iloczyn >= 0 ? (iloczyn + polowa) / z : -((-iloczyn + polowa) / z);
}

int W32(int64_t x) {
    return static_cast<int>(x < INT_MIN ? INT_MIN : x > INT_MAX ? INT_MAX : x);
}

int Konwertuj(int wartosc, TUnits z, TUnits do_, int ppiZrodla, int ppiEkranu) {
    if (z == do_ && (z != mmPixel || ppiZrodla <= 0 || ppiZrodla == ppiEkranu))
        return wartosc;
    const int64_t v = wartosc;
    if (z == mmLoMetric && do_ == mmHiMetric)
        return W32(v * 10);
    if (z == mmLoEnglish && do_ == mmHiEnglish)
        return W32(v * 10);
    if (z == mmPoints && do_ == mmTWIPS)
        return W32(v * 20);
    if (z == mmHiMetric && do_ == mmLoMetric)
        return W32(v / 10);
    if (z == mmHiEnglish && do_ == mmLoEnglish)
        return W32(v / 10);
    if (z == mmTWIPS && do_ == mmPoints)
        return W32(v / 20);
    const int zrodlo = JednostekNaCal(z, ppiZrodla > 0 ? ppiZrodla : ppiEkranu);
    const int cel = JednostekNaCal(do_, ppiEkranu);
    return W32(Przelicz(v, cel, zrodlo));
}

int Ppi(bool poziomo) {
    const QScreen* ekran = QGuiApplication::primaryScreen();
    if (!ekran)
        return 96;
    const double ppi = poziomo ? ekran->logicalDotsPerInchX() : ekran->logicalDotsPerInchY();
    return ppi >= 1 ? static_cast<int>(ppi + 0.5) : 96;
}

} // namespace

int EkranPpiX() {
    return Ppi(true);
}

int EkranPpiY() {
    return Ppi(false);
}

int JednostekNaCal(TUnits jednostka, int ppi) {
    switch (jednostka) {
    case mmPixel:
        return ppi;
    case mmLoMetric:
        return 254;
    case mmHiMetric:
        return 2540;
    case mmLoEnglish:
        return 100;
    case mmHiEnglish:
        return 1000;
    case mmTWIPS:
        return 1440;
    case mmPoints:
        return 72;
    }
    return ppi;
}

int PrzeliczJednostki(int wartosc, TUnits z, TUnits do_, int ppi) {
    return Konwertuj(wartosc, z, do_, ppi, ppi);
}

int ConvertX(int wartosc, TUnits z, TUnits do_, int ppiZrodla) {
    return Konwertuj(wartosc, z, do_, ppiZrodla, EkranPpiX());
}

int ConvertY(int wartosc, TUnits z, TUnits do_, int ppiZrodla) {
    return Konwertuj(wartosc, z, do_, ppiZrodla, EkranPpiY());
}

void ConvertPoints(QPoint* punkty, int ile, TUnits z, TUnits do_) {
    for (int i = 0; i < ile; ++i)
        punkty[i] = QPoint(ConvertX(punkty[i].x(), z, do_), ConvertY(punkty[i].y(), z, do_));
}

QRect ConvertRect(const QRect& r, TUnits z, TUnits do_) {
    QPoint rogi[2] = {r.topLeft(), QPoint(r.left() + r.width(), r.top() + r.height())};
    ConvertPoints(rogi, 2, z, do_);
    return QRect(rogi[0], QSize(rogi[1].x() - rogi[0].x(), rogi[1].y() - rogi[0].y()));
}

int Setne(double mm) {
    return static_cast<int>(std::lround(mm * 100));
}

QSize MmNaJednostki(const QSizeF& mm, TUnits do_) {
    return QSize(ConvertX(Setne(mm.width()), mmHiMetric, do_),
                 ConvertY(Setne(mm.height()), mmHiMetric, do_));
}

QSizeF JednostkiNaMm(const QSize& rozmiar, TUnits z) {
    return QSizeF(ConvertX(rozmiar.width(), z, mmHiMetric) / 100.0,
                  ConvertY(rozmiar.height(), z, mmHiMetric) / 100.0);
}

int TKolkoMyszy::Zapadki(int kat) {
    reszta_ += kat;
    const int zapadki = reszta_ / 120; // towards zero: the remainder keeps its sign
    reszta_ -= zapadki * 120;
    return zapadki;
}
