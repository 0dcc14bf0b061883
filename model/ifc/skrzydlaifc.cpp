#include "model/ifc/skrzydlaifc.h"

#include "model/ifc/step.h"
#include "model/katalog.h"

#include <QHash>
#include <QRegularExpression>
#include <QStringList>

#include <algorithm>

namespace {

// The schedule's sash kind for a panel's operation, 0 for none known.
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
        if (RowneStep(ruch, nazwa))
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
        if (RowneStep(podzial, nazwa))
            return komorki;
    return nullptr;
}

// The catalogue's type whose sash cells are these, 0 for none.
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
    if (RowneStep(pozycja, "LEFT"))
        return pionowy ? skrzydel - 1 : -1;
    if (RowneStep(pozycja, "RIGHT"))
        return pionowy ? 0 : -1;
    if (RowneStep(pozycja, "MIDDLE"))
        return skrzydel == 3 ? 1 : -1;
    if (RowneStep(pozycja, "TOP"))
        return pionowy ? -1 : 0;
    if (RowneStep(pozycja, "BOTTOM"))
        return pionowy ? -1 : skrzydel - 1;
    return -1;
}

} // namespace

TUkladSkrzydelIfc UkladSkrzydelIfc(const QString& podzial, const QVector<TPanelIfc>& panele) {
    TUkladSkrzydelIfc w;
    const char* komorki = KomorkiPodzialu(podzial);
    // No partitioning: as many sashes as panels, one above another where
    // every panel says TOP, MIDDLE or BOTTOM, else side by side; the
    // positions then place the panels as they would in that partitioning.
    QString uzyty = podzial;
    if (!komorki && panele.size() >= 1 && panele.size() <= 3) {
        const bool poziomy =
            panele.size() > 1 && std::all_of(panele.begin(), panele.end(), [](const TPanelIfc& p) {
                return RowneStep(p.pozycja, "TOP") || RowneStep(p.pozycja, "MIDDLE") ||
                       RowneStep(p.pozycja, "BOTTOM");
            });
        const QString kierunek =
            poziomy ? QStringLiteral("_HORIZONTAL") : QStringLiteral("_VERTICAL");
        uzyty = panele.size() == 1   ? QStringLiteral("SINGLE_PANEL")
                : panele.size() == 2 ? QStringLiteral("DOUBLE_PANEL") + kierunek
                                     : QStringLiteral("TRIPLE_PANEL") + kierunek;
        komorki = KomorkiPodzialu(uzyty);
    }
    const int32_t kod = komorki ? TypZKomorek(komorki) : 0;
    w.typOkna = kod ? kod : 1001;
    const int skrzydel = LiczbaSkrzydel(w.typOkna);
    if (panele.isEmpty()) {
        w.bezUkladu = true;
        return w;
    }
    // Panels by position where they give one, else in the order written.
    QVector<bool> zajete(skrzydel, false);
    QVector<const TPanelIfc*> bezMiejsca;
    for (const TPanelIfc& p : panele) {
        const int s = SkrzydloPozycji(p.pozycja, skrzydel, uzyty);
        if (s >= 0 && !zajete[s]) {
            zajete[s] = true;
            w.skrzydla[static_cast<std::size_t>(s)] = RodzajSkrzydla(p.ruch);
        } else {
            bezMiejsca.append(&p);
        }
    }
    for (const TPanelIfc* p : bezMiejsca) {
        const auto wolne = std::find(zajete.begin(), zajete.end(), false);
        if (wolne == zajete.end())
            break;
        *wolne = true;
        w.skrzydla[static_cast<std::size_t>(wolne - zajete.begin())] = RodzajSkrzydla(p->ruch);
    }
    return w;
}
