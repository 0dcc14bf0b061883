#include "model/obliczenia/srednie.h"

#include "model/obliczenia/geometria.h"
#include "model/obliczenia/uw.h"
#include "model/obliczenia/zaokraglenia.h"
#include "model/okno.h"
#include "model/zestawienie.h"

#include <cmath>

TPoleSztuki PoleSztuki(const TOkno& o) {
    TPoleSztuki p;
    p.m2 = PoleOkna(o);
    // A circle's area is no decimal: a project with one sums in doubles.
    if (o.Okragle())
        return p;
    const std::optional<TDziesietna> w = TDziesietna::Z(o.Szerokosc);
    const std::optional<TDziesietna> h = TDziesietna::Z(o.Wysokosc);
    if (w && h)
        p.mm2 = w->Razy(*h);
    return p;
}

void TSumaOkien::Dodaj(long long sztuk, const TOkno& o, std::optional<double> uw) {
    Dodaj(sztuk, PoleSztuki(o), uw);
}

void TSumaOkien::Dodaj(long long sztuk, const TPoleSztuki& p, std::optional<double> uw) {
    sztuk_ += sztuk;
    const double a = static_cast<double>(sztuk) * p.m2;
    pole_ += a;
    if (mm2_) {
        const auto iloczyn = p.mm2 ? p.mm2->Razy(TDziesietna::Calkowita(sztuk)) : std::nullopt;
        mm2_ = iloczyn ? mm2_->Plus(*iloczyn) : std::nullopt;
    }
    if (uw) {
        poleZUw_ += a;
        poleRazyUw_ += a * *uw;
    }
}

std::optional<TDziesietna> TSumaOkien::PoleDokladne() const {
    return mm2_ ? mm2_->Razy(TDziesietna::Ulamek(1, 6)) : std::nullopt;
}

double TSumaOkien::Pole() const {
    const std::optional<TDziesietna> pole = PoleDokladne();
    return pole ? pole->Double() : pole_;
}

std::optional<double> TSumaOkien::Srednia() const {
    if (poleZUw_ == 0)
        return std::nullopt;
    const double u = poleRazyUw_ / poleZUw_;
    return std::isfinite(u) ? std::optional<double>(u) : std::nullopt;
}

TUsrednie USrednie(const TZestawienieStolarki& p) {
    TUsrednie u;
    TSumaOkien suma;
    for (int i = 0; i < p.LiczbaOkienWLiscie(); ++i) {
        const TOkno& o = *p.Okno(i);
        const std::optional<double> uw = ObliczUw(o, p).uw;
        ++(uw ? u.okien : u.bezDanych);
        suma.Dodaj(o.SumaOkien(), o, uw);
    }
    u.u = suma.Srednia();
    return u;
}

QString TekstZakresuUsr(const TUsrednie& u) {
    const int wszystkich = u.okien + u.bezDanych;
    if (wszystkich == 0)
        return QStringLiteral("(brak okien)");
    QString t = QStringLiteral("(%1 z %2 %3")
                    .arg(u.okien)
                    .arg(wszystkich)
                    .arg(wszystkich == 1 ? QStringLiteral("okna") : QStringLiteral("okien"));
    if (u.bezDanych > 0)
        t += QStringLiteral("; %1 bez danych").arg(u.bezDanych);
    return t + QLatin1Char(')');
}

double PowierzchniaOkien(const TZestawienieStolarki& p) {
    TSumaOkien suma;
    for (int i = 0; i < p.LiczbaOkienWLiscie(); ++i)
        suma.Dodaj(p.Okno(i)->SumaOkien(), *p.Okno(i), std::nullopt);
    const std::optional<TDziesietna> pole = suma.PoleDokladne();
    return pole ? pole->Zaokraglona(2).Double() : ZaokraglijDoSetnych(suma.Pole());
}
