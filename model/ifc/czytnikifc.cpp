#include "model/ifc/czytnikifc.h"

#include "model/ifc/kierunki.h"
#include "model/ifc/skrzydlaifc.h"

#include <QRegularExpression>
#include <QSet>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <numbers>

namespace {

constexpr int MAKS_GLEBOKOSC_UMIESZCZENIA = 64;

} // namespace

std::optional<W3> TCzytnikIfc::Wspolrzedne(const TWartoscStep& odwolanie) const {
    const auto n = odwolanie.Odwolanie();
    if (!n)
        return std::nullopt;
    const auto a = p_.Atrybuty(*n);
    if (!a || a->isEmpty())
        return std::nullopt;
    const QVector<TWartoscStep>& l = a->front().Elementy();
    if (l.isEmpty() || l.size() > 3)
        return std::nullopt;
    W3 w{0, 0, 0};
    for (qsizetype i = 0; i < l.size(); ++i) {
        const auto x = l[i].Liczba();
        if (!x)
            return std::nullopt;
        w[static_cast<std::size_t>(i)] = *x;
    }
    return w;
}

TUklad TCzytnikIfc::Osie(int64_t numer) const {
    TUklad u;
    const QByteArray typ = p_.Typ(numer);
    const auto a = p_.Atrybuty(numer);
    if (!a || a->isEmpty())
        return u;
    if (const auto o = Wspolrzedne(a->at(0)))
        u.o = Razy(*o, mm_);
    const bool trzy = typ == "IFCAXIS2PLACEMENT3D";
    W3 z{0, 0, 1};
    if (trzy && a->size() > 1)
        if (const auto k = Wspolrzedne(a->at(1)))
            z = Jednostkowy(*k).value_or(z);
    W3 x{1, 0, 0};
    const int indeksX = trzy ? 2 : 1;
    if (a->size() > indeksX)
        if (const auto k = Wspolrzedne(a->at(indeksX)))
            x = *k;
    // X perpendicular to Z; a reference along Z takes the usual one.
    x = Plus(x, Razy(z, -Iloczyn(x, z)));
    auto xj = Jednostkowy(x);
    if (!xj)
        xj = Jednostkowy(std::abs(z[0]) < 0.9 ? Plus(W3{1, 0, 0}, Razy(z, -z[0]))
                                              : Plus(W3{0, 1, 0}, Razy(z, -z[1])));
    u.x = xj.value_or(W3{1, 0, 0});
    u.z = z;
    u.y = Wektorowy(z, u.x);
    return u;
}

TUklad TCzytnikIfc::Umieszczenie(int64_t numer, int glebokosc) {
    const auto it = umieszczenia_.constFind(numer);
    if (it != umieszczenia_.constEnd())
        return *it;
    TUklad u;
    if (glebokosc < MAKS_GLEBOKOSC_UMIESZCZENIA && p_.JestTypu(numer, "IFCLOCALPLACEMENT")) {
        const auto a = p_.Atrybuty(numer);
        if (a && a->size() >= 2) {
            TUklad wzgledem;
            if (const auto r = a->at(0).Odwolanie())
                wzgledem = Umieszczenie(*r, glebokosc + 1);
            if (const auto l = a->at(1).Odwolanie())
                u = wzgledem.Zlozony(Osie(*l));
            else
                u = wzgledem;
        }
    }
    // Only the placements others are placed in are kept: a window's own is
    // asked for once, and a model of many windows would keep them all.
    if (glebokosc > 0)
        umieszczenia_.insert(numer, u);
    return u;
}

TUklad TCzytnikIfc::UmieszczenieProduktu(int64_t produkt) {
    const auto r = p_.Atrybut(produkt, 5).Odwolanie();
    return r ? Umieszczenie(*r) : TUklad();
}

void TCzytnikIfc::Jednostki() {
    for (int64_t projekt : p_.Instancje("IFCPROJECT")) {
        const auto przydzial = p_.Atrybut(projekt, 8).Odwolanie();
        if (!przydzial)
            continue;
        for (const TWartoscStep& j : p_.Atrybut(*przydzial, 0).Elementy()) {
            const auto n = j.Odwolanie();
            if (!n)
                continue;
            if (p_.JestTypu(*n, "IFCSIUNIT")) {
                const auto a = p_.Atrybuty(*n, "IFCSIUNIT");
                if (!a || a->size() < 4 || !RowneStep(a->at(1).Tekst(), "LENGTHUNIT"))
                    continue;
                const QString przedrostek = a->at(2).Tekst();
                mm_ = RowneStep(przedrostek, "MILLI")   ? 1
                      : RowneStep(przedrostek, "CENTI") ? 10
                      : RowneStep(przedrostek, "DECI")  ? 100
                      : RowneStep(przedrostek, "KILO")  ? 1e6
                                                        : 1000;
                return;
            }
            if (p_.JestTypu(*n, "IFCCONVERSIONBASEDUNIT")) {
                const auto a = p_.Atrybuty(*n, "IFCCONVERSIONBASEDUNIT");
                if (!a || a->size() < 4 || !RowneStep(a->at(1).Tekst(), "LENGTHUNIT"))
                    continue;
                // 0.3048 of the SI unit it names (a foot), 0.0254 (an inch).
                const auto miara = a->at(3).Odwolanie();
                if (!miara)
                    continue;
                const auto wartosc = p_.Atrybut(*miara, 0).Liczba();
                double podstawa = 1000;
                if (const auto si = p_.Atrybut(*miara, 1).Odwolanie()) {
                    const QString pr = p_.Atrybut(*si, 2, "IFCSIUNIT").Tekst();
                    podstawa = RowneStep(pr, "MILLI") ? 1 : RowneStep(pr, "CENTI") ? 10 : 1000;
                }
                if (wartosc && *wartosc > 0 && std::isfinite(*wartosc))
                    mm_ = *wartosc * podstawa;
                return;
            }
        }
    }
}

void TCzytnikIfc::Polnoc(TModelIfc& m) {
    for (int64_t k : p_.Instancje("IFCGEOMETRICREPRESENTATIONCONTEXT")) {
        const auto a = p_.Atrybuty(k, "IFCGEOMETRICREPRESENTATIONCONTEXT");
        if (!a || a->size() < 6 || !RowneStep(a->at(1).Tekst(), "Model"))
            continue;
        const auto n = Wspolrzedne(a->at(5));
        if (!n || !(std::hypot((*n)[0], (*n)[1]) > 1e-9))
            continue;
        m.polnoc = std::atan2(-(*n)[0], (*n)[1]) * 180 / std::numbers::pi;
        m.polnocZModelu = true;
        return;
    }
}

void TCzytnikIfc::Relacje() {
    for (int64_t r : p_.Instancje("IFCRELCONTAINEDINSPATIALSTRUCTURE")) {
        const auto a = p_.Atrybuty(r);
        if (!a || a->size() < 6)
            continue;
        const auto struktura = a->at(5).Odwolanie();
        if (!struktura)
            continue;
        for (const TWartoscStep& e : a->at(4).Elementy())
            if (const auto n = e.Odwolanie())
                zawarte_.insert(*n, *struktura);
    }
    for (int64_t r : p_.Instancje("IFCRELAGGREGATES")) {
        const auto a = p_.Atrybuty(r);
        if (!a || a->size() < 6)
            continue;
        const auto calosc = a->at(4).Odwolanie();
        if (!calosc)
            continue;
        for (const TWartoscStep& e : a->at(5).Elementy())
            if (const auto n = e.Odwolanie())
                nadrzedne_.insert(*n, *calosc);
    }
    for (int64_t r : p_.Instancje("IFCRELFILLSELEMENT")) {
        const auto a = p_.Atrybuty(r);
        if (a && a->size() >= 6 && a->at(4).Odwolanie() && a->at(5).Odwolanie())
            otworDlaWypelnienia_.insert(*a->at(5).Odwolanie(), *a->at(4).Odwolanie());
    }
    for (int64_t r : p_.Instancje("IFCRELVOIDSELEMENT")) {
        const auto a = p_.Atrybuty(r);
        if (a && a->size() >= 6 && a->at(4).Odwolanie() && a->at(5).Odwolanie())
            elementDlaOtworu_.insert(*a->at(5).Odwolanie(), *a->at(4).Odwolanie());
    }
    for (int64_t r : p_.Instancje("IFCRELDEFINESBYTYPE")) {
        const auto a = p_.Atrybuty(r);
        if (!a || a->size() < 6 || !a->at(5).Odwolanie())
            continue;
        for (const TWartoscStep& e : a->at(4).Elementy())
            if (const auto n = e.Odwolanie())
                typy_.insert(*n, *a->at(5).Odwolanie());
    }
    for (int64_t r : p_.Instancje("IFCRELDEFINESBYPROPERTIES")) {
        const auto a = p_.Atrybuty(r);
        if (!a || a->size() < 6 || !a->at(5).Odwolanie())
            continue;
        for (const TWartoscStep& e : a->at(4).Elementy())
            if (const auto n = e.Odwolanie())
                wlasciwosci_[*n].append(*a->at(5).Odwolanie());
    }
}

// The storey an element stands on: the structure containing it (a space
// or another part of a storey leads up to it), else through the opening
// it fills, the wall that opening voids and that wall's storey.
int TCzytnikIfc::Kondygnacja(int64_t element) const {
    int64_t e = element;
    for (int krok = 0; krok < 4; ++krok) {
        int64_t s = zawarte_.value(e, 0);
        for (int i = 0; s && i < 16; ++i) {
            const auto k = kondygnacje_.constFind(s);
            if (k != kondygnacje_.constEnd())
                return *k;
            s = nadrzedne_.value(s, 0);
        }
        const int64_t otwor = otworDlaWypelnienia_.value(e, 0);
        const int64_t sciana = otwor ? elementDlaOtworu_.value(otwor, 0) : 0;
        if (!sciana)
            return -1;
        e = sciana;
    }
    return -1;
}

bool TCzytnikIfc::WDachu(int64_t element) const {
    const int64_t otwor = otworDlaWypelnienia_.value(element, 0);
    int64_t e = otwor ? elementDlaOtworu_.value(otwor, 0) : 0;
    for (int i = 0; e && i < 8; ++i, e = nadrzedne_.value(e, 0)) {
        if (p_.JestTypu(e, "IFCROOF"))
            return true;
        for (const char* plyta : {"IFCSLAB", "IFCSLABSTANDARDCASE"})
            if (p_.JestTypu(e, plyta) && RowneStep(p_.Atrybut(e, 8, plyta).Tekst(), "ROOF"))
                return true;
    }
    return false;
}

QVector<std::pair<QString, QString>> TCzytnikIfc::ZestawWlasciwosci(int64_t zestaw) const {
    QVector<std::pair<QString, QString>> w;
    if (!p_.JestTypu(zestaw, "IFCPROPERTYSET"))
        return w;
    const QString nazwa = p_.Atrybut(zestaw, 2).Tekst();
    for (const TWartoscStep& e : p_.Atrybut(zestaw, 4).Elementy()) {
        const auto n = e.Odwolanie();
        if (!n || !p_.JestTypu(*n, "IFCPROPERTYSINGLEVALUE"))
            continue;
        const auto a = p_.Atrybuty(*n);
        if (!a || a->size() < 3)
            continue;
        const TWartoscStep& v = a->at(2);
        QString tekst = v.Tekst();
        if (const auto x = v.Liczba())
            tekst = QString::number(*x, 'g', 15);
        w.append({nazwa + QLatin1Char('.') + a->at(0).Tekst(), tekst});
    }
    return w;
}

namespace {

void UstawZWlasciwosci(const QVector<std::pair<QString, QString>>& wl, TOknoIfc& o, TNazwyIfc& n) {
    for (const auto& [klucz, wartosc] : wl) {
        if (RowneStep(klucz, "Pset_WindowCommon.Reference") ||
            RowneStep(klucz, "Pset_DoorCommon.Reference")) {
            if (!wartosc.trimmed().isEmpty())
                n.odniesienie = wartosc.trimmed();
        } else if (RowneStep(klucz, "Pset_WindowCommon.ThermalTransmittance") ||
                   RowneStep(klucz, "Pset_DoorCommon.ThermalTransmittance")) {
            bool ok = false;
            const double u = wartosc.toDouble(&ok);
            if (ok && u > 0 && std::isfinite(u))
                o.uwModelu = u;
        } else if (RowneStep(klucz, "Pset_WindowCommon.IsExternal") ||
                   RowneStep(klucz, "Pset_DoorCommon.IsExternal")) {
            o.wewnetrzne = RowneStep(wartosc, "F");
            o.zewnetrzne = RowneStep(wartosc, "T");
        } else if (RowneStep(klucz, "Pset_DoorCommon.GlazingAreaFraction")) {
            bool ok = false;
            const double u = wartosc.toDouble(&ok);
            if (ok && u >= 0 && u <= 1)
                o.udzialSzyb = static_cast<float>(u);
        } else if (!wartosc.trimmed().isEmpty()) {
            // Revit's marks, in whatever set its exporter puts them.
            const QString nazwa = klucz.section(QLatin1Char('.'), -1);
            if (RowneStep(nazwa, "Type Mark"))
                n.znakTypu = wartosc.trimmed();
            else if (RowneStep(nazwa, "Mark"))
                n.znak = wartosc.trimmed();
        }
    }
}

} // namespace

void TCzytnikIfc::WlasciwosciTypu(int64_t typ, TOknoIfc& o, TNazwyIfc& n) {
    for (const TWartoscStep& e : p_.Atrybut(typ, 5).Elementy())
        if (const auto z = e.Odwolanie())
            UstawZWlasciwosci(ZestawWlasciwosci(*z), o, n);
}

// The element's own sets win over its type's.
void TCzytnikIfc::Wlasciwosci(int64_t element, TOknoIfc& o, TNazwyIfc& n) {
    if (const int64_t t = typy_.value(element, 0))
        WlasciwosciTypu(t, o, n);
    for (int64_t z : wlasciwosci_.value(element))
        UstawZWlasciwosci(ZestawWlasciwosci(z), o, n);
}

std::optional<double> TCzytnikIfc::DlugoscIlosci(int64_t element, const char* nazwa) const {
    for (int64_t z : wlasciwosci_.value(element)) {
        if (!p_.JestTypu(z, "IFCELEMENTQUANTITY"))
            continue;
        for (const TWartoscStep& e : p_.Atrybut(z, 5).Elementy()) {
            const auto n = e.Odwolanie();
            if (!n || !p_.JestTypu(*n, "IFCQUANTITYLENGTH"))
                continue;
            if (RowneStep(p_.Atrybut(*n, 0).Tekst(), nazwa))
                if (const auto x = p_.Atrybut(*n, 3).Liczba())
                    return *x;
        }
    }
    return std::nullopt;
}

void TCzytnikIfc::UkladSkrzydel(int64_t element, const QByteArray& typElementu, TOknoIfc& o) {
    // IFC4 keeps the partitioning on the window or its type; IFC2x3 as
    // the style's OperationType.
    QString podzial;
    if (typElementu.startsWith("IFCWINDOW"))
        podzial = p_.Atrybut(element, 11).Tekst();
    QVector<TPanelIfc> panele;
    if (const int64_t typ = typy_.value(element, 0)) {
        const QByteArray t = p_.Typ(typ);
        if (podzial.isEmpty() || RowneStep(podzial, "NOTDEFINED") ||
            RowneStep(podzial, "USERDEFINED")) {
            if (t == "IFCWINDOWSTYLE")
                podzial = p_.Atrybut(typ, 9).Tekst();
            else if (t == "IFCWINDOWTYPE")
                podzial = p_.Atrybut(typ, 10).Tekst();
        }
        for (const TWartoscStep& e : p_.Atrybut(typ, 5).Elementy()) {
            const auto n = e.Odwolanie();
            if (n && p_.JestTypu(*n, "IFCWINDOWPANELPROPERTIES"))
                panele.append({p_.Atrybut(*n, 4).Tekst(), p_.Atrybut(*n, 5).Tekst()});
            // The lining's transom (6) and mullion (7): one width for both
            // here, the wider, as the frame is the worse conductor.
            if (n && p_.JestTypu(*n, "IFCWINDOWLININGPROPERTIES"))
                for (int indeks : {6, 7})
                    if (const auto x = p_.Atrybut(*n, indeks).Liczba();
                        x && *x > 0 && std::isfinite(*x * mm_) && *x * mm_ <= 1000)
                        o.slupek = std::max(o.slupek.value_or(0), *x * mm_);
        }
    }
    const TUkladSkrzydelIfc u = UkladSkrzydelIfc(podzial, panele);
    o.typOkna = u.typOkna;
    o.skrzydla = u.skrzydla;
    o.bezUkladu = u.bezUkladu;
}

namespace {

// A door a designer keeps in the window schedule as a balcony door: a
// glazed balcony or terrace door, as its type or name says (in Polish,
// English or German: "Terrassentür" written "Terrassentuer"). A glazed door
// in doubt is a balcony door: judged at 0,9, not at an entrance door's 1,3.
bool DrzwiBalkonowe(const QString& tekst) {
    static const QRegularExpression wzor(
        QStringLiteral(
            "balkon|taras|terrass|balcony|terrace|patio|french|porte.?fen|przeszklon|"
            "glazed|glass|szklan|verglast|fenster.?t|hs-?portal|schiebe|hebe|sliding|przesuw"),
        QRegularExpression::CaseInsensitiveOption);
    return wzor.match(tekst).hasMatch();
}

// A door that slides, folds, lifts or swings both ways: a terrace door, by
// its operation (the door's own, else its type's or style's).
bool RuchTarasowy(const QString& ruch) {
    static const QRegularExpression wzor(QStringLiteral("SLIDING|FOLDING|LIFTING|SWING_FIXED|"
                                                        "DOUBLE_SWING|SWING_LEFT_FIXED"),
                                         QRegularExpression::CaseInsensitiveOption);
    return wzor.match(ruch).hasMatch();
}

} // namespace

QString TCzytnikIfc::Wspolny(const QString& tekst) {
    if (tekst.isEmpty())
        return QString();
    const auto it = teksty_.constFind(tekst);
    if (it != teksty_.constEnd())
        return *it;
    // A model of as many names as windows gains nothing from keeping them.
    if (teksty_.size() < 4096)
        teksty_.insert(tekst, tekst);
    return tekst;
}

void TCzytnikIfc::Czytaj(TModelIfc& m) {
    Jednostki();
    Polnoc(m);
    Relacje();
    // Storeys by elevation (their placement's height where none is given).
    struct TK {
        int64_t numer;
        QString nazwa;
        double rzedna;
    };
    QVector<TK> kondygnacje;
    for (int64_t s : p_.Instancje("IFCBUILDINGSTOREY")) {
        const auto a = p_.Atrybuty(s);
        if (!a)
            continue;
        QString nazwa = a->size() > 2 ? a->at(2).Tekst() : QString();
        if (nazwa.isEmpty() && a->size() > 7)
            nazwa = a->at(7).Tekst();
        std::optional<double> rzedna = a->size() > 9 ? a->at(9).Liczba() : std::nullopt;
        const double mm = rzedna ? *rzedna * mm_ : UmieszczenieProduktu(s).o[2];
        kondygnacje.append({s, nazwa, mm / 1000});
    }
    std::stable_sort(kondygnacje.begin(), kondygnacje.end(),
                     [](const TK& a, const TK& b) { return a.rzedna < b.rzedna; });
    for (const TK& k : kondygnacje) {
        kondygnacje_.insert(k.numer, static_cast<int>(m.kondygnacje.size()));
        m.kondygnacje.append({k.numer, k.nazwa, k.rzedna, 0});
    }

    // Windows, then glazed doors; other doors only counted.
    // An instance is of one type but a complex one of several: each once,
    // found by a sorted list rather than a set of every window.
    QVector<std::pair<int64_t, const char*>> elementy;
    const char* const typyOkien[] = {"IFCWINDOW", "IFCWINDOWSTANDARDCASE", "IFCDOOR",
                                     "IFCDOORSTANDARDCASE"};
    std::vector<int64_t> numery;
    for (const char* typ : typyOkien)
        for (int64_t e : p_.Instancje(typ))
            numery.push_back(e);
    std::sort(numery.begin(), numery.end());
    QSet<int64_t> wielokrotne, widziane;
    for (std::size_t i = 1; i < numery.size(); ++i)
        if (numery[i] == numery[i - 1])
            wielokrotne.insert(numery[i]);
    numery = {};
    for (const char* typ : typyOkien)
        for (int64_t e : p_.Instancje(typ))
            if (!wielokrotne.contains(e)) {
                elementy.append({e, typ});
            } else if (!widziane.contains(e)) {
                widziane.insert(e);
                elementy.append({e, typ});
            }
    m.okna.reserve(elementy.size());
    for (const auto& element : elementy) {
        const int64_t e = element.first;
        const QByteArray typ = QByteArray::fromRawData(
            element.second, static_cast<qsizetype>(std::strlen(element.second)));
        const auto a = p_.Atrybuty(e, typ);
        if (!a)
            continue;
        TOknoIfc o;
        o.numer = e;
        o.globalId = a->size() > 0 ? a->at(0).Tekst().trimmed() : QString();
        // Names repeat from window to window: one copy of each is kept.
        o.nazwa = Wspolny(a->size() > 2 ? a->at(2).Tekst() : QString());
        TNazwyIfc nazwy;
        nazwy.tag = a->size() > 7 ? a->at(7).Tekst().trimmed() : QString();
        if (const int64_t t = typy_.value(e, 0))
            nazwy.typ = p_.Atrybut(t, 2).Tekst().trimmed();
        Wlasciwosci(e, o, nazwy);
        o.symbol = Wspolny(NazwaOknaIfc(nazwy, o.nazwa));
        if (typ.startsWith("IFCDOOR")) {
            // Doors the model calls inner are no part of the schedule, even
            // sliding ones (a pocket door). Glazed balcony and terrace doors
            // by name, operation, or an exterior door at least half glass;
            // other doors the model calls exterior are entrance doors; the
            // rest left out.
            QString ruch = a->size() > 11 ? a->at(11).Tekst() : QString();
            if (const int64_t t = typy_.value(e, 0);
                ruch.isEmpty() || RowneStep(ruch, "NOTDEFINED"))
                ruch = p_.Typ(t) == "IFCDOORSTYLE" ? p_.Atrybut(t, 8).Tekst()
                                                   : p_.Atrybut(t, 10).Tekst();
            if (o.wewnetrzne) {
                ++m.drzwiPominiete;
                continue;
            }
            if (DrzwiBalkonowe(nazwy.typ + QLatin1Char(' ') + o.nazwa) || RuchTarasowy(ruch) ||
                (o.zewnetrzne && o.udzialSzyb >= 0.5f)) {
                o.drzwi = true;
            } else if (o.zewnetrzne) {
                o.drzwiZewnetrzne = true;
            } else {
                ++m.drzwiPominiete;
                continue;
            }
        }
        auto dlugosc = [&](int indeks, const char* ilosc) -> std::optional<int64_t> {
            std::optional<double> x = a->size() > indeks ? a->at(indeks).Liczba() : std::nullopt;
            if (!x || !(*x > 0))
                x = DlugoscIlosci(e, ilosc);
            if (!x || !(*x > 0) || !std::isfinite(*x * mm_) || *x * mm_ > 1e9)
                return std::nullopt;
            return static_cast<int64_t>(std::llround(*x * mm_));
        };
        o.wysokosc = dlugosc(8, "Height");
        o.szerokosc = dlugosc(9, "Width");
        const TUklad u = UmieszczenieProduktu(e);
        const bool wDachu = WDachu(e);
        auto mm = [](double x) {
            return static_cast<int64_t>(std::llround(x));
        };
        if (wDachu || std::abs(u.y[2]) > 0.5) {
            // A window in a roof is measured in its own plane: some
            // exporters give its vertical extent as its height (Revit's
            // skylights, 635 mm for 1170), and its opening is often cut
            // plumb through the roof.
            if (const auto w = WymiaryWPlaszczyznie(e, u);
                w && w->first <= 1e9 && w->second <= 1e9) {
                if (!o.szerokosc || !o.wysokosc) {
                    o.szerokosc = mm(w->first);
                    o.wysokosc = mm(w->second);
                } else if (static_cast<double>(*o.wysokosc) < 0.9 * w->second) {
                    o.wysokosc = mm(w->second);
                    o.wysokoscZBryly = true;
                }
            } else if (const int64_t otwor = otworDlaWypelnienia_.value(e, 0);
                       otwor && (!o.szerokosc || !o.wysokosc)) {
                // The opening's profile: what is cut through the roof.
                if (const auto b = WymiaryBryly(otwor); b && (*b)[0] > 0 && (*b)[1] > 0 &&
                                                        (*b)[0] * mm_ <= 1e9 &&
                                                        (*b)[1] * mm_ <= 1e9) {
                    o.szerokosc = mm((*b)[0] * mm_);
                    o.wysokosc = mm((*b)[1] * mm_);
                }
            }
        }
        // A round window by its opening, else its body; with no size given,
        // the circle's.
        if (!typ.startsWith("IFCDOOR")) {
            const int64_t otwor = otworDlaWypelnienia_.value(e, 0);
            // The opening decides where it has a shape to read.
            std::pair<double, double> kolo{0, 0};
            bool otworMaKsztalt = false;
            if (const auto k = otwor ? Okrag(otwor, &otworMaKsztalt) : std::nullopt)
                kolo = *k;
            else if (const auto b = otworMaKsztalt ? std::nullopt : Okrag(e))
                kolo = *b;
            o.okragle = kolo.first > 0;
            if (o.okragle && (!o.szerokosc || !o.wysokosc)) {
                o.szerokosc = mm(kolo.first);
                o.wysokosc = mm(kolo.second);
            }
        }
        // No size given: that of the opening it fills, else of its own body.
        if (!o.szerokosc || !o.wysokosc) {
            const int64_t otwor = otworDlaWypelnienia_.value(e, 0);
            std::pair<double, double> w{0, 0};
            if (const auto z = otwor ? WymiaryWidoku(otwor) : std::nullopt)
                w = *z;
            else if (const auto b = WymiaryWidoku(e))
                w = *b;
            if (w.first > 0 && w.second > 0 && w.first <= 1e9 && w.second <= 1e9) {
                o.szerokosc = static_cast<int64_t>(std::llround(w.first));
                o.wysokosc = static_cast<int64_t>(std::llround(w.second));
            }
        }
        UkladSkrzydel(e, typ, o);
        o.kondygnacja = Kondygnacja(e);
        const W3 srodek = Plus(u.o, Razy(u.x, static_cast<double>(o.szerokosc.value_or(0)) / 2));
        o.x = srodek[0];
        o.y = srodek[1];
        o.z = srodek[2];
        o.normalna = Jednostkowy(u.y).value_or(W3{0, 1, 0});
        o.dachowe = std::abs(o.normalna[2]) > std::sin(60 * std::numbers::pi / 180) || wDachu;
        m.okna.append(o);
    }

    PaneleFasad(m);

    // A window with no storey of its own goes to the storey its height is in.
    for (TOknoIfc& o : m.okna) {
        o.bezKondygnacji = o.kondygnacja < 0;
        if (o.kondygnacja < 0 && !m.kondygnacje.isEmpty()) {
            int k = 0;
            for (int i = 0; i < m.kondygnacje.size(); ++i)
                if (m.kondygnacje[i].rzedna * 1000 <= o.z + 1)
                    k = i;
            o.kondygnacja = k;
        }
        if (o.kondygnacja >= 0)
            ++m.kondygnacje[o.kondygnacja].okien;
    }

    QVector<std::pair<int, W3>> sciany;
    for (const char* typ : {"IFCWALL", "IFCWALLSTANDARDCASE", "IFCCURTAINWALL"})
        for (int64_t s : p_.Instancje(typ))
            sciany.append({Kondygnacja(s), UmieszczenieProduktu(s).o});
    StronyZWnetrza(m);
    ZwrocNaZewnatrz(m, sciany);
}
