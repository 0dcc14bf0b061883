#include "model/ifc/modelifc.h"

#include "model/ifc/step.h"
#include "model/katalog.h"

#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QSet>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr qint64 MAKS_ROZMIAR = qint64(512) << 20;
constexpr int MAKS_GLEBOKOSC_UMIESZCZENIA = 64;

using W3 = std::array<double, 3>;

W3 Plus(const W3& a, const W3& b) {
    return {a[0] + b[0], a[1] + b[1], a[2] + b[2]};
}
W3 Razy(const W3& a, double k) {
    return {a[0] * k, a[1] * k, a[2] * k};
}
double Iloczyn(const W3& a, const W3& b) {
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}
W3 Wektorowy(const W3& a, const W3& b) {
    return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}
std::optional<W3> Jednostkowy(const W3& a) {
    const double d = std::sqrt(Iloczyn(a, a));
    if (!(d > 1e-12) || !std::isfinite(d))
        return std::nullopt;
    return Razy(a, 1 / d);
}

// A placement: its origin and axes in the model's coordinates.
struct TUklad {
    W3 o{0, 0, 0};
    W3 x{1, 0, 0};
    W3 y{0, 1, 0};
    W3 z{0, 0, 1};

    W3 Punkt(const W3& p) const {
        return Plus(o, Plus(Razy(x, p[0]), Plus(Razy(y, p[1]), Razy(z, p[2]))));
    }
    W3 Kierunek(const W3& k) const {
        return Plus(Razy(x, k[0]), Plus(Razy(y, k[1]), Razy(z, k[2])));
    }
    TUklad Zlozony(const TUklad& lokalny) const {
        return {Punkt(lokalny.o), Kierunek(lokalny.x), Kierunek(lokalny.y), Kierunek(lokalny.z)};
    }
};

bool Rowne(const QString& a, const char* b) {
    return a.compare(QLatin1String(b), Qt::CaseInsensitive) == 0;
}

class TCzytnikIfc {
public:
    explicit TCzytnikIfc(const TPlikStep& p) : p_(p) {}

    bool Czytaj(TModelIfc& m, QString* powod);

private:
    // The coordinates of a point or a direction (3 of them, missing ones 0).
    std::optional<W3> Wspolrzedne(const TWartoscStep& odwolanie) const {
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

    TUklad Osie(int64_t numer) const {
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

    // The chain of local placements, each relative to the one it names.
    TUklad Umieszczenie(int64_t numer, int glebokosc = 0) {
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
        umieszczenia_.insert(numer, u);
        return u;
    }

    TUklad UmieszczenieProduktu(int64_t produkt) {
        const auto r = p_.Atrybut(produkt, 5).Odwolanie();
        return r ? Umieszczenie(*r) : TUklad();
    }

    void Jednostki();
    void Polnoc(TModelIfc& m);
    void Relacje();
    void WlasciwosciTypu(int64_t typ, TOknoIfc& o);
    void Wlasciwosci(int64_t element, TOknoIfc& o);
    void UkladSkrzydel(int64_t element, const QByteArray& typElementu, TOknoIfc& o);
    int Kondygnacja(int64_t element) const;
    // Whether the element fills an opening in a roof (or a roof slab).
    bool WDachu(int64_t element) const;
    QVector<std::pair<QString, QString>> ZestawWlasciwosci(int64_t zestaw) const;
    std::optional<double> DlugoscIlosci(int64_t element, const char* nazwa) const;

    const TPlikStep& p_;
    double mm_ = 1000; // millimetres in the model's length unit
    QHash<int64_t, TUklad> umieszczenia_;
    QHash<int64_t, int64_t> zawarte_;              // element → spatial structure
    QHash<int64_t, int64_t> nadrzedne_;            // part → whole (aggregation)
    QHash<int64_t, int64_t> otworDlaWypelnienia_;  // window → opening
    QHash<int64_t, int64_t> elementDlaOtworu_;     // opening → wall
    QHash<int64_t, int64_t> typy_;                 // element → its type
    QHash<int64_t, QVector<int64_t>> wlasciwosci_; // element → property sets
    QHash<int64_t, int> kondygnacje_;              // storey instance → index
};

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
                if (!a || a->size() < 4 || !Rowne(a->at(1).Tekst(), "LENGTHUNIT"))
                    continue;
                const QString przedrostek = a->at(2).Tekst();
                mm_ = Rowne(przedrostek, "MILLI")   ? 1
                      : Rowne(przedrostek, "CENTI") ? 10
                      : Rowne(przedrostek, "DECI")  ? 100
                      : Rowne(przedrostek, "KILO")  ? 1e6
                                                    : 1000;
                return;
            }
            if (p_.JestTypu(*n, "IFCCONVERSIONBASEDUNIT")) {
                const auto a = p_.Atrybuty(*n, "IFCCONVERSIONBASEDUNIT");
                if (!a || a->size() < 4 || !Rowne(a->at(1).Tekst(), "LENGTHUNIT"))
                    continue;
                // 0.3048 of the SI unit it names (a foot), 0.0254 (an inch).
                const auto miara = a->at(3).Odwolanie();
                if (!miara)
                    continue;
                const auto wartosc = p_.Atrybut(*miara, 0).Liczba();
                double podstawa = 1000;
                if (const auto si = p_.Atrybut(*miara, 1).Odwolanie()) {
                    const QString pr = p_.Atrybut(*si, 2, "IFCSIUNIT").Tekst();
                    podstawa = Rowne(pr, "MILLI") ? 1 : Rowne(pr, "CENTI") ? 10 : 1000;
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
        if (!a || a->size() < 6 || !Rowne(a->at(1).Tekst(), "Model"))
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
            if (p_.JestTypu(e, plyta) && Rowne(p_.Atrybut(e, 8, plyta).Tekst(), "ROOF"))
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

void UstawZWlasciwosci(const QVector<std::pair<QString, QString>>& wl, TOknoIfc& o) {
    for (const auto& [klucz, wartosc] : wl) {
        if (Rowne(klucz, "Pset_WindowCommon.Reference") ||
            Rowne(klucz, "Pset_DoorCommon.Reference")) {
            if (!wartosc.trimmed().isEmpty())
                o.odniesienie = wartosc.trimmed();
        } else if (Rowne(klucz, "Pset_WindowCommon.ThermalTransmittance") ||
                   Rowne(klucz, "Pset_DoorCommon.ThermalTransmittance")) {
            bool ok = false;
            const double u = wartosc.toDouble(&ok);
            if (ok && u > 0 && std::isfinite(u))
                o.uwModelu = u;
        } else if (Rowne(klucz, "Pset_WindowCommon.IsExternal") ||
                   Rowne(klucz, "Pset_DoorCommon.IsExternal")) {
            o.wewnetrzne = Rowne(wartosc, "F");
        }
    }
}

} // namespace

void TCzytnikIfc::WlasciwosciTypu(int64_t typ, TOknoIfc& o) {
    for (const TWartoscStep& e : p_.Atrybut(typ, 5).Elementy())
        if (const auto n = e.Odwolanie())
            UstawZWlasciwosci(ZestawWlasciwosci(*n), o);
}

// The element's own sets win over its type's.
void TCzytnikIfc::Wlasciwosci(int64_t element, TOknoIfc& o) {
    if (const int64_t t = typy_.value(element, 0))
        WlasciwosciTypu(t, o);
    for (int64_t z : wlasciwosci_.value(element))
        UstawZWlasciwosci(ZestawWlasciwosci(z), o);
}

std::optional<double> TCzytnikIfc::DlugoscIlosci(int64_t element, const char* nazwa) const {
    for (int64_t z : wlasciwosci_.value(element)) {
        if (!p_.JestTypu(z, "IFCELEMENTQUANTITY"))
            continue;
        for (const TWartoscStep& e : p_.Atrybut(z, 5).Elementy()) {
            const auto n = e.Odwolanie();
            if (!n || !p_.JestTypu(*n, "IFCQUANTITYLENGTH"))
                continue;
            if (Rowne(p_.Atrybut(*n, 0).Tekst(), nazwa))
                if (const auto x = p_.Atrybut(*n, 3).Liczba())
                    return *x;
        }
    }
    return std::nullopt;
}

namespace {

// IFC tells left and right as seen from outside; the schedule's sash
// kinds and their order are seen from inside, where the window opens.
uint8_t RodzajSkrzydla(const QString& ruch) {
    static const std::pair<const char*, uint8_t> mapa[] = {
        {"FIXEDCASEMENT", 1},
        {"SIDEHUNGLEFTHAND", 3},
        {"SIDEHUNGRIGHTHAND", 2},
        {"TILTANDTURNLEFTHAND", 6},
        {"TILTANDTURNRIGHTHAND", 5},
        {"BOTTOMHUNG", 4},
        {"TOPHUNG", 9},
        {"PIVOTHORIZONTAL", 8},
        {"PIVOTVERTICAL", 7},
    };
    for (const auto& [nazwa, kod] : mapa)
        if (Rowne(ruch, nazwa))
            return kod;
    return 0;
}

// The cells of a partitioning, sash by sash from the left (as seen from
// inside) and from the top, as the type catalogue writes them.
const char* KomorkiPodzialu(const QString& podzial) {
    static const std::pair<const char*, const char*> mapa[] = {
        {"SINGLE_PANEL", "1/1 x 1/1"},
        {"DOUBLE_PANEL_VERTICAL", "1/2 x 1/1; 2/2 x 1/1"},
        {"DOUBLE_PANEL_HORIZONTAL", "1/1 x 1/2; 1/1 x 2/2"},
        {"TRIPLE_PANEL_VERTICAL", "1/3 x 1/1; 2/3 x 1/1; 3/3 x 1/1"},
        {"TRIPLE_PANEL_HORIZONTAL", "1/1 x 1/3; 1/1 x 2/3; 1/1 x 3/3"},
        {"TRIPLE_PANEL_BOTTOM", "1/2 x 1/2; 2/2 x 1/2; 1/1 x 2/2"},
        {"TRIPLE_PANEL_TOP", "1/1 x 1/2; 1/2 x 2/2; 2/2 x 2/2"},
        // Left and right seen from outside are right and left inside.
        {"TRIPLE_PANEL_LEFT", "1/2 x 1/2; 1/2 x 2/2; 2/2 x 1/1"},
        {"TRIPLE_PANEL_RIGHT", "1/2 x 1/1; 2/2 x 1/2; 2/2 x 2/2"},
    };
    for (const auto& [nazwa, komorki] : mapa)
        if (Rowne(podzial, nazwa))
            return komorki;
    return nullptr;
}

int32_t TypZKomorek(const char* komorki) {
    static const QHash<QString, int32_t> typy = [] {
        QHash<QString, int32_t> t;
        for (const TTypOknaRec& r : TypyOkien()) {
            QStringList k;
            for (const TKomorka& c : KomorkiSkrzydel(r.Kod))
                k << QStringLiteral("%1-%2/%3 x %4-%5/%6")
                         .arg(c.kolumny.od)
                         .arg(c.kolumny.do_)
                         .arg(c.kolumny.n)
                         .arg(c.wiersze.od)
                         .arg(c.wiersze.do_)
                         .arg(c.wiersze.n);
            t.insert(k.join(QLatin1Char(';')), r.Kod);
        }
        return t;
    }();
    QStringList k;
    for (const QString& c : QString::fromLatin1(komorki).split(QLatin1Char(';'))) {
        static const QRegularExpression wzor(QStringLiteral("(\\d+)/(\\d+) x (\\d+)/(\\d+)"));
        const auto m = wzor.match(c);
        if (!m.hasMatch())
            return 0;
        k << QStringLiteral("%1-%1/%2 x %3-%3/%4")
                 .arg(m.captured(1), m.captured(2), m.captured(3), m.captured(4));
    }
    return typy.value(k.join(QLatin1Char(';')), 0);
}

// Which sash of a layout a panel position names (from inside), or -1.
int SkrzydloPozycji(const QString& pozycja, int skrzydel, const QString& podzial) {
    const bool pionowy = podzial.contains(QStringLiteral("VERTICAL"), Qt::CaseInsensitive);
    if (Rowne(pozycja, "LEFT"))
        return pionowy ? skrzydel - 1 : -1;
    if (Rowne(pozycja, "RIGHT"))
        return pionowy ? 0 : -1;
    if (Rowne(pozycja, "MIDDLE"))
        return skrzydel == 3 ? 1 : -1;
    if (Rowne(pozycja, "TOP"))
        return pionowy ? -1 : 0;
    if (Rowne(pozycja, "BOTTOM"))
        return pionowy ? -1 : skrzydel - 1;
    return -1;
}

} // namespace

void TCzytnikIfc::UkladSkrzydel(int64_t element, const QByteArray& typElementu, TOknoIfc& o) {
    // IFC4 keeps the partitioning on the window or its type; IFC2x3 as
    // the style's OperationType.
    QString podzial;
    if (typElementu.startsWith("IFCWINDOW"))
        podzial = p_.Atrybut(element, 11).Tekst();
    const int64_t typ = typy_.value(element, 0);
    QVector<std::pair<QString, QString>> panele; // operation, position
    if (typ) {
        const QByteArray t = p_.Typ(typ);
        if (podzial.isEmpty() || Rowne(podzial, "NOTDEFINED") || Rowne(podzial, "USERDEFINED")) {
            if (t == "IFCWINDOWSTYLE")
                podzial = p_.Atrybut(typ, 9).Tekst();
            else if (t == "IFCWINDOWTYPE")
                podzial = p_.Atrybut(typ, 10).Tekst();
        }
        for (const TWartoscStep& e : p_.Atrybut(typ, 5).Elementy()) {
            const auto n = e.Odwolanie();
            if (n && p_.JestTypu(*n, "IFCWINDOWPANELPROPERTIES"))
                panele.append({p_.Atrybut(*n, 4).Tekst(), p_.Atrybut(*n, 5).Tekst()});
        }
    }
    const char* komorki = KomorkiPodzialu(podzial);
    if (!komorki && panele.size() >= 1 && panele.size() <= 3)
        komorki = KomorkiPodzialu(panele.size() == 1   ? QStringLiteral("SINGLE_PANEL")
                                  : panele.size() == 2 ? QStringLiteral("DOUBLE_PANEL_VERTICAL")
                                                       : QStringLiteral("TRIPLE_PANEL_VERTICAL"));
    const int32_t kod = komorki ? TypZKomorek(komorki) : 0;
    o.typOkna = kod ? kod : 1001;
    o.skrzydla.fill(0);
    const int skrzydel = LiczbaSkrzydel(o.typOkna);
    if (panele.isEmpty()) {
        o.bezUkladu = true;
        return;
    }
    // Panels by position where they give one, else in the order written.
    QVector<bool> zajete(skrzydel, false);
    QVector<std::pair<QString, QString>> bezMiejsca;
    for (const auto& [ruch, pozycja] : panele) {
        const int s = SkrzydloPozycji(pozycja, skrzydel, podzial);
        if (s >= 0 && !zajete[s]) {
            zajete[s] = true;
            o.skrzydla[static_cast<std::size_t>(s)] = RodzajSkrzydla(ruch);
        } else {
            bezMiejsca.append({ruch, pozycja});
        }
    }
    for (const auto& [ruch, pozycja] : bezMiejsca) {
        const auto wolne = std::find(zajete.begin(), zajete.end(), false);
        if (wolne == zajete.end())
            break;
        *wolne = true;
        o.skrzydla[static_cast<std::size_t>(wolne - zajete.begin())] = RodzajSkrzydla(ruch);
    }
    Q_UNUSED(typElementu);
}

namespace {

// A door a designer keeps in the window schedule: a glazed balcony or
// terrace door, as its type or name says.
bool DrzwiBalkonowe(const QString& tekst) {
    static const QRegularExpression wzor(
        QStringLiteral("balkon|taras|balcony|terrace|patio|french|porte.?fen|przeszklon|"
                       "glazed|fenster.?t|hs-?portal"),
        QRegularExpression::CaseInsensitiveOption);
    return wzor.match(tekst).hasMatch();
}

} // namespace

bool TCzytnikIfc::Czytaj(TModelIfc& m, QString* powod) {
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
    QVector<std::pair<int64_t, QByteArray>> elementy;
    QSet<int64_t> widziane;
    for (const char* typ : {"IFCWINDOW", "IFCWINDOWSTANDARDCASE", "IFCDOOR", "IFCDOORSTANDARDCASE"})
        for (int64_t e : p_.Instancje(typ))
            if (!widziane.contains(e)) {
                widziane.insert(e);
                elementy.append({e, QByteArray(typ)});
            }
    for (const auto& element : elementy) {
        const int64_t e = element.first;
        const QByteArray& typ = element.second;
        const auto a = p_.Atrybuty(e, typ);
        if (!a)
            continue;
        TOknoIfc o;
        o.numer = e;
        o.nazwa = a->size() > 2 ? a->at(2).Tekst() : QString();
        o.odniesienie = a->size() > 7 ? a->at(7).Tekst().trimmed() : QString();
        if (const int64_t t = typy_.value(e, 0))
            o.typ = p_.Atrybut(t, 2).Tekst().trimmed();
        if (typ.startsWith("IFCDOOR")) {
            if (!DrzwiBalkonowe(o.typ + QLatin1Char(' ') + o.nazwa)) {
                ++m.drzwiPominiete;
                continue;
            }
            o.drzwi = true;
        }
        // Revit's tags are element ids, no window references.
        static const QRegularExpression liczba(QStringLiteral("^\\d+$"));
        if (liczba.match(o.odniesienie).hasMatch())
            o.odniesienie.clear();
        Wlasciwosci(e, o);
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
        UkladSkrzydel(e, typ, o);
        o.kondygnacja = Kondygnacja(e);
        const TUklad u = UmieszczenieProduktu(e);
        const W3 srodek = Plus(u.o, Razy(u.x, static_cast<double>(o.szerokosc.value_or(0)) / 2));
        o.x = srodek[0];
        o.y = srodek[1];
        o.z = srodek[2];
        o.normalna = Jednostkowy(u.y).value_or(W3{0, 1, 0});
        o.dachowe = std::abs(o.normalna[2]) > std::sin(60 * std::numbers::pi / 180) || WDachu(e);
        m.okna.append(o);
    }

    // A window with no storey of its own goes to the storey its height is in.
    for (TOknoIfc& o : m.okna) {
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

    // Outwards: away from the middle of the storey's walls and windows.
    // Exporters disagree on the sign of a window's Y axis, so it is decided
    // for each window from where it stands.
    QVector<W3> srodki(m.kondygnacje.size() + 1, W3{0, 0, 0});
    QVector<int> liczby(m.kondygnacje.size() + 1, 0);
    auto dodaj = [&](int k, const W3& p) {
        for (int i : {k, static_cast<int>(m.kondygnacje.size())}) {
            if (i < 0)
                continue;
            srodki[i] = Plus(srodki[i], p);
            ++liczby[i];
        }
    };
    for (const char* typ : {"IFCWALL", "IFCWALLSTANDARDCASE", "IFCCURTAINWALL"})
        for (int64_t s : p_.Instancje(typ))
            dodaj(Kondygnacja(s), UmieszczenieProduktu(s).o);
    for (const TOknoIfc& o : m.okna)
        dodaj(o.kondygnacja, W3{o.x, o.y, o.z});
    for (TOknoIfc& o : m.okna) {
        int k = o.kondygnacja >= 0 && liczby[o.kondygnacja] > 1
                    ? o.kondygnacja
                    : static_cast<int>(m.kondygnacje.size());
        if (liczby[k] == 0)
            continue;
        const W3 c = Razy(srodki[k], 1.0 / liczby[k]);
        const double strona = (o.x - c[0]) * o.normalna[0] + (o.y - c[1]) * o.normalna[1];
        if (strona < 0 && !o.dachowe)
            o.normalna = Razy(o.normalna, -1);
        if (o.dachowe && o.normalna[2] < 0)
            o.normalna = Razy(o.normalna, -1);
    }
    Q_UNUSED(powod);
    return true;
}

} // namespace

bool CzytajModelIfc(const QByteArray& bajty, TModelIfc* model, QString* powod,
                    const std::function<bool(qint64, qint64)>& postep) {
    TPlikStep plik;
    if (!plik.Czytaj(bajty, powod, postep))
        return false;
    TModelIfc m;
    m.schemat = plik.Schemat();
    TCzytnikIfc czytnik(plik);
    if (!czytnik.Czytaj(m, powod))
        return false;
    *model = std::move(m);
    return true;
}

bool CzytajModelIfcZPliku(const QString& sciezka, TModelIfc* model, QString* powod,
                          const std::function<bool(qint64, qint64)>& postep) {
    QFile f(sciezka);
    if (!f.open(QIODevice::ReadOnly)) {
        if (powod)
            *powod = f.errorString();
        return false;
    }
    if (f.size() > MAKS_ROZMIAR) {
        if (powod)
            *powod = QStringLiteral("plik jest większy niż 512 MiB");
        return false;
    }
    if (f.size() == 0) {
        if (powod)
            *powod = QStringLiteral("plik jest pusty");
        return false;
    }
    // Mapped: the bytes stay the file's, read as they are needed.
    uchar* dane = f.map(0, f.size());
    const QByteArray bajty =
        dane ? QByteArray::fromRawData(reinterpret_cast<const char*>(dane), f.size()) : f.readAll();
    const bool ok = CzytajModelIfc(bajty, model, powod, postep);
    return ok;
}

QStringList ProponowanePoziomy(const QVector<TKondygnacjaIfc>& kondygnacje) {
    static const QRegularExpression strych(QStringLiteral("poddasz|strych|dach|attic|loft"),
                                           QRegularExpression::CaseInsensitiveOption);
    QStringList poziomy;
    int pietro = -1; // -1: no ground floor yet
    for (qsizetype i = 0; i < kondygnacje.size(); ++i) {
        const TKondygnacjaIfc& k = kondygnacje[i];
        if (k.rzedna < -0.5) {
            poziomy << QStringLiteral("podpiwniczenie");
        } else if (i + 1 == kondygnacje.size() && pietro >= 0 && strych.match(k.nazwa).hasMatch()) {
            poziomy << QStringLiteral("poddasze");
        } else if (pietro < 0) {
            poziomy << QStringLiteral("parter");
            pietro = 0;
        } else {
            poziomy << QString::number(++pietro);
        }
    }
    return poziomy;
}

double Azymut(const std::array<double, 3>& n, double polnoc) {
    // North in the model's plane, and east a quarter turn clockwise from it.
    const double a = polnoc * std::numbers::pi / 180;
    const double nx = -std::sin(a), ny = std::cos(a);
    const double ex = ny, ey = -nx;
    double az = std::atan2(n[0] * ex + n[1] * ey, n[0] * nx + n[1] * ny) * 180 / std::numbers::pi;
    if (az < 0)
        az += 360;
    return az >= 360 ? 0 : az;
}

int KierunekNormalnej(const std::array<double, 3>& n, double polnoc) {
    if (!(std::hypot(n[0], n[1]) > 1e-9))
        return 0; // straight up: counted as north
    return static_cast<int>(std::floor((Azymut(n, polnoc) + 22.5) / 45)) % 8;
}
