#include "model/rysunek.h"

#include "model/zestawienie.h"

#include <QVector>

#include <algorithm>
#include <array>
#include <climits>
#include <cmath>
#include <numbers>

namespace {

struct Punkt {
    int x, y;
};

void Lamana(TKanwa& k, std::initializer_list<Punkt> punkty) {
    auto it = punkty.begin();
    k.PrzesunDo(it->x, it->y);
    for (++it; it != punkty.end(); ++it)
        k.LiniaDo(it->x, it->y);
}

// trunc of a double that may lie far outside int: clamped, never undefined.
int Obetnij(double x) {
    if (!(x > INT_MIN / 2))
        return INT_MIN / 2;
    if (!(x < INT_MAX / 2))
        return INT_MAX / 2;
    return static_cast<int>(std::trunc(x));
}

// An ellipse of 96 chords.
void Elipsa(TKanwa& k, double cx, double cy, double rx, double ry) {
    if (!(rx > 0) || !(ry > 0))
        return;
    constexpr int N = 96;
    k.PrzesunDo(Najblizsza(cx + rx), Najblizsza(cy));
    for (int i = 1; i <= N; ++i) {
        const double t = 2 * std::numbers::pi * i / N;
        k.LiniaDo(Najblizsza(cx + rx * std::cos(t)), Najblizsza(cy + ry * std::sin(t)));
    }
}

} // namespace

int Najblizsza(double x) {
    const double n = std::nearbyint(x);
    if (!(n > INT_MIN / 2))
        return INT_MIN / 2;
    if (!(n < INT_MAX / 2))
        return INT_MAX / 2;
    return static_cast<int>(n);
}

void RysujSkrzydlo(TKanwa& k, int l, int t, int r, int b, int rodzaj) {
    k.Prostokat(l, t, r, b);
    if (rodzaj == RODZAJ_PLYCINA) {
        // An opaque panel: filled grey, its raised field inside.
        k.UstawPedzel(200, 200, 200);
        k.WypelnijProstokat(l + 1, t + 1, r - 1, b - 1);
        const int m = std::max(2, Najblizsza(0.12 * std::min(r - l, b - t)));
        if (r - l > 2 * m && b - t > 2 * m)
            k.Prostokat(l + m, t + m, r - m, b - m);
        k.UstawPedzel(255, 255, 255);
        return;
    }
    if (rodzaj < 0 || rodzaj > 11)
        return;
    const int cx = Najblizsza(l + (r - l) * 0.5);
    const int cy = Najblizsza(t + (b - t) * 0.5);
    switch (rodzaj) {
    case 0:
    case 1:
        Lamana(k, {{Najblizsza(l + 0.4 * (r - l)), cy}, {Najblizsza(l + 0.6 * (r - l)), cy}});
        Lamana(k, {{cx, Najblizsza(t + 0.4 * (b - t))}, {cx, Najblizsza(t + 0.6 * (b - t))}});
        break;
    case 2:
        Lamana(k, {{l, t}, {r, cy}, {l, b}});
        break;
    case 3:
        Lamana(k, {{r, t}, {l, cy}, {r, b}});
        break;
    case 4:
        Lamana(k, {{l, b}, {cx, t}, {r, b}});
        break;
    case 5:
        Lamana(k, {{l, t}, {r, cy}, {l, b}, {cx, t}, {r, b}});
        break;
    case 6:
        Lamana(k, {{r, t}, {l, cy}, {r, b}, {cx, t}, {l, b}});
        break;
    case 7:
        Lamana(k, {{cx, t}, {r, cy}, {cx, b}, {l, cy}, {cx, t}, {cx, b}});
        break;
    case 8:
        Lamana(k, {{l, cy}, {cx, t}, {r, cy}, {cx, b}, {l, cy}, {r, cy}});
        break;
    case 9:
        Lamana(k, {{l, t}, {cx, b}, {r, t}});
        break;
    case 10:
        Lamana(k, {{r, t}, {cx, b}, {l, t}, {r, cy}, {l, b}});
        break;
    case 11:
        Lamana(k, {{l, t}, {cx, b}, {r, t}, {l, cy}, {r, b}});
        break;
    default:
        break;
    }
}

bool RysujOkno(const TOkno& o, TKanwa& k, int szerokosc, int wysokosc) {
    k.UstawPedzel(255, 255, 255);
    k.WypelnijProstokat(0, 0, szerokosc, wysokosc);
    const double W = o.Szerokosc;
    const double H = o.Wysokosc;
    // Only a window of positive size has a picture (a negative or undefined
    // size would give a negative scale).
    if (!(W > 0) || !(H > 0))
        return true;

    const int mx = Najblizsza(0.1 * szerokosc);
    const int my = Najblizsza(0.1 * wysokosc);
    const double aw = szerokosc - 2 * mx;
    const double ah = wysokosc - 2 * my;
    double sw = 0, sh = 0;
    if (aw * H >= ah * W) {
        sh = ah;
        sw = ah * W / H;
    } else {
        sw = aw;
        sh = aw * H / W;
    }
    const int x0 = Najblizsza(szerokosc - sw) / 2;
    const int y0 = Najblizsza(wysokosc - sh) / 2;
    const int x1 = x0 + Najblizsza(sw);
    const int y1 = y0 + Najblizsza(sh);
    int f = std::min(Najblizsza(0.08 * sw), Najblizsza(0.08 * sh));
    // The sashes' field: the frame's inside, a round window's the rectangle
    // inscribed in its glass.
    double px = x0, py = y0, pw = sw, ph = sh;
    if (o.Okragle()) {
        const double cx = x0 + sw / 2, cy = y0 + sh / 2;
        Elipsa(k, cx, cy, sw / 2, sh / 2);
        Elipsa(k, cx, cy, sw / 2 - f, sh / 2 - f);
        pw = std::max(0.0, (sw - 2 * f) / std::numbers::sqrt2);
        ph = std::max(0.0, (sh - 2 * f) / std::numbers::sqrt2);
        px = cx - pw / 2;
        py = cy - ph / 2;
        f = 0;
    } else {
        k.Prostokat(x0, y0, x1, y1);
    }

    const int n = o.Okragle() ? 0 : o.LiczbaNawiewnikow;
    if (n >= 1) {
        const int p = Obetnij(sw / n);
        const int l = Obetnij(o.SzerokoscNawiewnika * sw / W);
        const int wciecie = (p - l) / 2;
        const int y = y0 + f / 2;
        int x = x0;
        // At most one stroke per pixel of the frame: more would only overdraw.
        const int ile = std::min(n, std::max(1, Najblizsza(sw)));
        for (int i = 0; i < ile; ++i, x += p) {
            k.PrzesunDo(x + wciecie, y);
            k.LiniaDo(x + p - wciecie, y);
        }
    }

    const QVector<TKomorka> komorki = KomorkiSkrzydel(o.TypOkna);
    if (komorki.isEmpty()) {
        // Said in the picture: a message box from a paint would interrupt
        // every repaint.
        k.Tekst(Najblizsza(px) + f + 2, Najblizsza(py) + f + 2, KOMUNIKAT_BRAK_RYSUNKU);
    } else {
        // Cells beyond the eight stored sash kinds have no kind to draw.
        for (int i = 0; i < komorki.size() && i < MAX_SKRZYDEL; ++i) {
            const TPrzedzial& kx = komorki[i].kolumny;
            const TPrzedzial& ky = komorki[i].wiersze;
            const int lewa = kx.od == 1 ? Najblizsza(px) + f
                                        : Najblizsza(px + pw * (kx.od - 1) / kx.n + f / 2.0);
            const int prawa = kx.do_ == kx.n ? Najblizsza(px + pw - f)
                                             : Najblizsza(px + pw * kx.do_ / kx.n - f / 2.0);
            const int gora = ky.od == 1 ? Najblizsza(py) + f
                                        : Najblizsza(py + ph * (ky.od - 1) / ky.n + f / 2.0);
            const int dol = ky.do_ == ky.n ? Najblizsza(py + ph - f)
                                           : Najblizsza(py + ph * ky.do_ / ky.n - f / 2.0);
            RysujSkrzydlo(k, lewa, gora, prawa, dol, o.RodzajSkrzydla[static_cast<std::size_t>(i)]);
        }
    }
    if (o.JestDV())
        k.Tekst(5, 5, QStringLiteral("D&V"));
    return !komorki.isEmpty();
}
