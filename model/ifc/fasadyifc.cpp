// The glazed panels of curtain walls: each one a piece of fixed glazing,
// its size from the panel's quantities or its extruded shape.

#include "model/ifc/czytnikifc.h"

#include <QRegularExpression>

#include <algorithm>
#include <cmath>

namespace {

// A panel of glass by its names or material, never one called opaque.
bool Przeszklony(const QString& tekst) {
    static const QRegularExpression szklo(
        QStringLiteral("glaz|glass|szk[lł]|szyb|vitr|verglas|glas\\b"),
        QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression pelny(
        QStringLiteral("solid|opaque|spandrel|pe[lł]n|nieprzezrocz|blind|empty|pust"),
        QRegularExpression::CaseInsensitiveOption);
    return szklo.match(tekst).hasMatch() && !pelny.match(tekst).hasMatch();
}

} // namespace

// The three extents of a shape made of a rectangle swept along a line,
// in the model's unit: the first such item of the product's shape, through
// mapped items too.
std::vector<int64_t> TCzytnikIfc::BrylyWyciagniete(int64_t produkt) const {
    std::vector<int64_t> reprezentacje, bryly;
    if (const auto ksztalt = p_.Atrybut(produkt, 6).Odwolanie())
        for (const TWartoscStep& r : p_.Atrybut(*ksztalt, 2).Elementy())
            if (const auto n = r.Odwolanie())
                reprezentacje.push_back(*n);
    for (std::size_t i = 0; i < reprezentacje.size() && i < 16; ++i) {
        for (const TWartoscStep& e : p_.Atrybut(reprezentacje[i], 3).Elementy()) {
            const auto n = e.Odwolanie();
            if (!n)
                continue;
            if (p_.JestTypu(*n, "IFCMAPPEDITEM")) {
                if (const auto mapa = p_.Atrybut(*n, 0).Odwolanie())
                    if (const auto r = p_.Atrybut(*mapa, 1).Odwolanie())
                        reprezentacje.push_back(*r);
            } else if (p_.JestTypu(*n, "IFCEXTRUDEDAREASOLID")) {
                bryly.push_back(*n);
            }
        }
    }
    return bryly;
}

std::optional<std::array<double, 3>> TCzytnikIfc::ProstokatBryly(int64_t bryla) const {
    const auto profil = p_.Atrybut(bryla, 0).Odwolanie();
    if (!profil || !p_.JestTypu(*profil, "IFCRECTANGLEPROFILEDEF"))
        return std::nullopt;
    const auto x = p_.Atrybut(*profil, 3).Liczba();
    const auto y = p_.Atrybut(*profil, 4).Liczba();
    const auto z = p_.Atrybut(bryla, 3).Liczba();
    if (!x || !y || !z)
        return std::nullopt;
    return std::array<double, 3>{*x, *y, *z};
}

std::optional<std::array<double, 3>> TCzytnikIfc::WymiaryBryly(int64_t produkt) const {
    for (int64_t n : BrylyWyciagniete(produkt))
        if (const auto w = ProstokatBryly(n))
            return w;
    return std::nullopt;
}

void TCzytnikIfc::PaneleFasad(TModelIfc& m) {
    QHash<int64_t, QString> materialy; // element → its material's name
    for (int64_t r : p_.Instancje("IFCRELASSOCIATESMATERIAL")) {
        const auto mat = p_.Atrybut(r, 5).Odwolanie();
        if (!mat || !p_.JestTypu(*mat, "IFCMATERIAL"))
            continue;
        for (const TWartoscStep& e : p_.Atrybut(r, 4).Elementy())
            if (const auto n = e.Odwolanie())
                materialy.insert(*n, p_.Atrybut(*mat, 0).Tekst());
    }
    for (const char* typ : {"IFCPLATE", "IFCPLATESTANDARDCASE"}) {
        for (int64_t e : p_.Instancje(typ)) {
            // Only a curtain wall's panels (a steel plate is no glazing).
            int64_t fasada = nadrzedne_.value(e, 0);
            for (int i = 0; fasada && i < 4 && !p_.JestTypu(fasada, "IFCCURTAINWALL"); ++i)
                fasada = nadrzedne_.value(fasada, 0);
            if (!fasada || !p_.JestTypu(fasada, "IFCCURTAINWALL"))
                continue;
            TOknoIfc o;
            o.numer = e;
            o.globalId = p_.Atrybut(e, 0).Tekst().trimmed();
            o.nazwa = p_.Atrybut(e, 2).Tekst();
            TNazwyIfc nazwy;
            nazwy.tag = p_.Atrybut(e, 7).Tekst().trimmed();
            const int64_t t = typy_.value(e, 0);
            if (t)
                nazwy.typ = p_.Atrybut(t, 2).Tekst().trimmed();
            if (!Przeszklony(nazwy.typ + QLatin1Char(' ') + o.nazwa + QLatin1Char(' ') +
                             materialy.value(e) + QLatin1Char(' ') + materialy.value(t)))
                continue;
            Wlasciwosci(e, o, nazwy);
            o.symbol = NazwaOknaIfc(nazwy, o.nazwa);
            // The panel's two larger extents; its thickness the third.
            std::optional<double> szer = DlugoscIlosci(e, "Width");
            std::optional<double> wys = DlugoscIlosci(e, "Height");
            if (!szer || !wys) {
                if (const auto w = WymiaryBryly(e)) {
                    std::array<double, 3> d = *w;
                    std::sort(d.begin(), d.end());
                    szer = d[1];
                    wys = d[2];
                }
            }
            auto mm = [&](std::optional<double> x) -> std::optional<int64_t> {
                if (!x || !(*x > 0) || !std::isfinite(*x * mm_) || *x * mm_ > 1e9)
                    return std::nullopt;
                return static_cast<int64_t>(std::llround(*x * mm_));
            };
            o.szerokosc = mm(szer);
            o.wysokosc = mm(wys);
            o.fasada = true; // one fixed pane: type 1001, "stałe w ramie"
            o.kondygnacja = Kondygnacja(fasada);
            const TUklad u = UmieszczenieProduktu(e);
            o.x = u.o[0];
            o.y = u.o[1];
            o.z = u.o[2];
            // Outwards from the curtain wall's face (its Y axis), turned
            // out of the building with the windows.
            o.normalna = Jednostkowy(UmieszczenieProduktu(fasada).y).value_or(W3{0, 1, 0});
            m.okna.append(o);
        }
    }
}

std::optional<std::pair<double, double>> TCzytnikIfc::Okrag(int64_t produkt, bool* ksztalt) const {
    std::optional<std::pair<double, double>> w;
    const std::vector<int64_t> bryly = BrylyWyciagniete(produkt);
    if (ksztalt)
        *ksztalt = !bryly.empty();
    for (const int64_t n : bryly) {
        const auto profil = p_.Atrybut(n, 0).Odwolanie();
        if (!profil)
            return std::nullopt;
        const QByteArray t = p_.Typ(*profil);
        double a = 0, b = 0;
        if (t == "IFCCIRCLEPROFILEDEF" || t == "IFCCIRCLEHOLLOWPROFILEDEF") {
            a = b = p_.Atrybut(*profil, 3).Liczba().value_or(0);
        } else if (t == "IFCELLIPSEPROFILEDEF") {
            a = p_.Atrybut(*profil, 3).Liczba().value_or(0);
            b = p_.Atrybut(*profil, 4).Liczba().value_or(0);
        } else {
            return std::nullopt;
        }
        const double s = 2 * a * mm_, h = 2 * b * mm_;
        if (!(s > 0) || !(h > 0) || s > 1e9 || h > 1e9)
            return std::nullopt;
        // The widest of the solids: the frame's ring round the glass.
        if (!w || s * h > w->first * w->second)
            w = std::pair{s, h};
    }
    return w;
}

// A product's width and height (mm) from its extruded rectangle set in the
// model: the extent nearest the vertical is the height, the wider of the
// other two the width (the third, a wall's or frame's depth, left out).
std::optional<std::pair<double, double>> TCzytnikIfc::WymiaryWidoku(int64_t produkt) {
    const TUklad produktu = UmieszczenieProduktu(produkt);
    for (const int64_t n : BrylyWyciagniete(produkt)) {
        const auto wymiary = ProstokatBryly(n);
        if (!wymiary)
            continue;
        const auto [x, y, g] = *wymiary;
        const auto profil = p_.Atrybut(n, 0).Odwolanie();
        const auto polozenie = p_.Atrybut(n, 1).Odwolanie();
        const TUklad bryly = produktu.Zlozony(polozenie ? Osie(*polozenie) : TUklad());
        const auto pp = p_.Atrybut(*profil, 2).Odwolanie();
        const TUklad u = pp ? Osie(*pp) : TUklad();
        const W3 kierunek = Wspolrzedne(p_.Atrybut(n, 2)).value_or(W3{0, 0, 1});
        // The three edges in the model's axes, with their lengths (mm).
        const std::array<std::pair<W3, double>, 3> krawedzie{
            std::pair{bryly.Kierunek(u.x), x * mm_}, std::pair{bryly.Kierunek(u.y), y * mm_},
            std::pair{bryly.Kierunek(Jednostkowy(kierunek).value_or(W3{0, 0, 1})), g * mm_}};
        std::size_t pion = 0;
        for (std::size_t k = 1; k < 3; ++k)
            if (std::abs(krawedzie[k].first[2]) > std::abs(krawedzie[pion].first[2]))
                pion = k;
        double szer = 0;
        for (std::size_t k = 0; k < 3; ++k)
            if (k != pion)
                szer = std::max(szer, krawedzie[k].second);
        const double wys = krawedzie[pion].second;
        if (szer > 0 && wys > 0 && std::isfinite(szer) && std::isfinite(wys))
            return std::pair{szer, wys};
    }
    return std::nullopt;
}
