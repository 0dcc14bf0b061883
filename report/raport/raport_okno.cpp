// The report's block of one window: its picture, values and verdicts.
#include "report/raport/raport.h"

#include "model/liczby.h"
#include "model/obliczenia/geometria.h"
#include "model/obliczenia/pieniadze.h"
#include "model/obliczenia/uw.h"
#include "model/obliczenia/wt2021.h"
#include "model/obliczenia/wt2021lato.h"
#include "model/rysunek.h"
#include "model/tekst.h"
#include "model/zestawienie.h"
#include "report/raport/dokument.h"
#include "report/raport/kanwaqpainter.h"
#include "report/raport/raportwspolne.h"
#include "report/raport/ukladtekstu.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

// What the Uw was computed from, for a check by hand: the glazing's
// build-up where its Ug came from one, a round window's area, and in the
// geometric method the
// areas, edges and mullions. Empty when there is nothing to say.
QString Skladniki(const TOkno& o, const TUw& uw, TMetodaUw metoda) {
    QString t;
    if (o.Okragle())
        t += QStringLiteral("okno okrągłe: Aw = %1 m2").arg(TekstStaly(PoleOkna(o), 12, 4)) + NL;
    if (!o.BudowaSzyby.isEmpty())
        t += QStringLiteral("Ug z budowy szyby (PN-EN 673):") + NL +
             QStringLiteral("%1%2, gaz %3%")
                 .arg(o.BudowaSzyby,
                      o.PowlokiSzyby.isEmpty() ? QString()
                                               : QStringLiteral(", powłoki %1").arg(o.PowlokiSzyby),
                      Ogolna(o.WypelnienieGazem)) +
             NL;
    if (metoda != TMetodaUw::Geometryczna || !uw.uw)
        return t;
    const TSkladnikiUw& s = uw.skladniki;
    t += QStringLiteral("Uw z geometrii okna:") + NL +
         QStringLiteral("Ag = %1 m2, Af = %2 m2")
             .arg(TekstStaly(s.ag, 12, 4), TekstStaly(s.af, 12, 4)) +
         NL;
    if (s.ap > 0)
        t += QStringLiteral("Ap = %1 m2, lp = %2 m")
                 .arg(TekstStaly(s.ap, 12, 4), TekstStaly(s.lp, 12, 3)) +
             NL + QStringLiteral("Up = %1 W/m2K").arg(Ogolna(o.Up)) + NL +
             QStringLiteral("Psi_p = %1 W/mK").arg(Ogolna(o.Psi_p)) + NL;
    t += QStringLiteral("lg = %1 m (%2)")
             .arg(TekstStaly(s.lg, 12, 3),
                  s.lgWpisane ? QStringLiteral("Lg wpisane") : QStringLiteral("z geometrii"));
    if (o.dSlupka > 0)
        t += NL + QStringLiteral("słupki i ślemiona %1 mm").arg(Ogolna(o.dSlupka));
    return t + NL;
}

// Lg as typed, or the geometry's to a tenth of a millimetre (a circle's
// edge has no end of digits).
double LgDoRaportu(const TOkno& o) {
    const double lg = LgOkna(o).value_or(0);
    return o.Lg >= 0 ? lg : std::round(lg * 10) / 10;
}

} // namespace

void TRaport::RysujBlokOkna(const TOkno& o) {
    QPainter* p = dokument_.Plotno();
    if (!p)
        return;
    const int t = ObszarTresci.top();
    const int l = ObszarTresci.left();
    const int wysokosc = MmY(WYSOKOSC_BLOKU);
    const int koniec = l + MmX(SZEROKOSC_BLOKU);
    p->setPen(QPen(Qt::black, 0));
    p->setBrush(Qt::NoBrush);
    // The outline; a line the block above or the frame has drawn already
    // is not drawn again.
    const int prawa = l + ObszarTresci.width();
    const int dol = t + wysokosc;
    if (t != dolBloku_)
        p->drawLine(l, t, prawa, t);
    p->drawLine(l, t, l, dol);
    p->drawLine(prawa, t, prawa, dol);
    if (dol < Dol())
        p->drawLine(l, dol, prawa, dol);
    dolBloku_ = dol;
    // Each column's text ends at the next column; the symbol and material
    // lines at the values' column where they come down beside it.
    const int x50 = l + MmX(500);
    const int x85 = l + MmX(850);
    const int x120 = l + MmX(1200);
    const int wcieta = MmX(20);
    const int gora = t + MmY(80);

    // The symbol whole: a long one in a smaller size, the picture keeps
    // its room.
    int rozmiarSymbolu = 14;
    for (; rozmiarSymbolu > 6; --rozmiarSymbolu) {
        const int lewaTekstu = l + MmX(20);
        const int goraTekstu = t + MmY(5);
        if (Uloz(o.Symbol(), Pismo(rozmiarSymbolu), p->device(), MmX(SZEROKOSC_BLOKU - 40), -1,
                 gora - goraTekstu, x50 - lewaTekstu)
                .wysokosc <= MmY(200))
            break;
    }
    int dy = RysujTekst(false, l, t, MmX(SZEROKOSC_BLOKU), wysokosc, o.Symbol(), rozmiarSymbolu,
                        gora, x50);
    const QString material = QStringLiteral("(") + o.MaterialRamyNazwa() +
                             (o.dR > 0 ? QStringLiteral(" + żaluzja/roleta") : QString()) +
                             QStringLiteral(")");
    dy += RysujTekst(false, l, t + dy, MmX(SZEROKOSC_BLOKU - 10), wysokosc - dy, material, 8, gora,
                     x50);
    dy += MmY(10);
    p = dokument_.Plotno();

    // The picture, as strokes straight onto the page in the pixels of the
    // bitmap it stands for, clipped to it.
    const QRect obraz(l + MmX(10), t + dy, MmX(480), MmY(580) - dy);
    if (p && obraz.width() > 0 && obraz.height() > 0) {
        p->save();
        p->translate(obraz.topLeft());
        p->setClipRect(QRect(QPoint(0, 0), obraz.size()), Qt::IntersectClip);
        {
            TKanwaQPainter kanwa(*p);
            kanwa.UstawPedzel(255, 255, 255);
            kanwa.WypelnijProstokat(0, 0, obraz.width(), obraz.height());
            RysujOkno(o, kanwa, obraz.width(), obraz.height());
        }
        p->restore();
        p->setClipping(false);
    }

    // The values: every number whole with its unit, the labels may wrap.
    const QString mm = QStringLiteral(" mm");
    const QString wm2k = QStringLiteral(" W/m2K");
    QList<TWierszKolumny> wartosci{
        {QStringLiteral(" Wymiary:"), QString()},
        {QStringLiteral("   szerokość: "), Ogolna(o.Szerokosc) + mm},
        {QStringLiteral("   wysokość: "), Ogolna(o.Wysokosc) + mm},
        {},
        {QStringLiteral(" Ug: "), Ogolna(o.Ug) + wm2k},
        {QStringLiteral(" Uf: "), Ogolna(o.Uf) + wm2k},
        {QStringLiteral(" Psi_g: "), Ogolna(o.Psi_g) + QStringLiteral(" W/mK")},
        {QStringLiteral(" d: "), Ogolna(o.dRamy) + mm},
        {QStringLiteral(" Lg: "), LgOkna(o) ? Ogolna(LgDoRaportu(o)) + mm : QStringLiteral("–")},
        {QStringLiteral(" dR: "), Ogolna(o.dR) + QStringLiteral(" m2K/W")},
    };
    if (DodajWycene) {
        const double cena = CenaNetto(projekt_, o).Cena;
        wartosci.append(TWierszKolumny{});
        wartosci.append({QStringLiteral(" Szacunkowa cena") + NL + QStringLiteral(" netto okna:") +
                             NL + QStringLiteral("     "),
                         cena == -1 ? QStringLiteral("brak")
                                    : TekstSetnych(cena) + QStringLiteral(" zł/szt.")});
    }
    RysujKolumne(x50, gora, x85 + wcieta - x50, MmY(WYSOKOSC_BLOKU - 80 - 10), wartosci, 8);

    // The counts, then Uw and its verdict below them: the counts take the
    // room those leave.
    const int szer85 = x120 + wcieta - x85;
    // The window's Uw with its shutter; where it has one, the verdict (or a
    // line of its own) gives the window's own Uw too, the one judged.
    const TUw uw = ObliczUw(o, projekt_);
    const TOcenaWT wt = OcenWT2021(o, projekt_);
    const QString tekstUw =
        uw.uw ? QStringLiteral(" ") + Stala(*uw.uw, 4) + wm2k : QStringLiteral(" brak danych");
    const QString ocena = DodajWT2021
                              ? QStringLiteral(" ") + TekstOcenyWT(wt) + NL + QStringLiteral(" ") +
                                    TekstOcenyLato(OcenLato2021(o, projekt_))
                          : uw.zRoleta && uw.uw ? QStringLiteral(" ") + TekstUwZRoleta(wt)
                                                : QString();
    const QString etykietaUw = QStringLiteral(" Uw okna:");
    const int podUw = MmY(30) + WysokoscTekstu(szer85, etykietaUw, 10) +
                      WysokoscTekstu(szer85, tekstUw, 12) + MmY(10) +
                      (ocena.isEmpty() ? 0 : WysokoscTekstu(szer85, ocena, 8));
    const QList<TWierszKolumny> liczby{
        {QStringLiteral(" Łączna liczba okien") + NL + QStringLiteral(" na wszystkich kond.:") +
             NL + QStringLiteral("    "),
         QString::number(o.SumaOkien()) + QStringLiteral(" szt.")},
        {},
        {QStringLiteral(" Nawiewniki:"), QString()},
        {QStringLiteral("   liczba: "), QString::number(o.LiczbaNawiewnikow)},
        {QStringLiteral("   szerokość: "), QString::number(o.SzerokoscNawiewnika) + mm},
    };
    int dy2 =
        MmY(80) +
        RysujKolumne(x85, gora, szer85, std::max(MmY(100), wysokosc - MmY(80) - podUw), liczby, 8) +
        MmY(30);
    dy2 += RysujTekst(false, x85, t + dy2, szer85, wysokosc - dy2, etykietaUw, 10);
    dy2 += RysujKolumne(x85, t + dy2, szer85, wysokosc - dy2, {{QString(), tekstUw}}, 12);
    if (!ocena.isEmpty())
        RysujTekst(false, x85, t + dy2, szer85, wysokosc - dy2, ocena, 8);

    // The terms of the Uw, then the remarks: they take what the page gives
    // beside the block's columns.
    QString uwagi = Skladniki(o, uw, projekt_.Metoda());
    if (!uwagi.isEmpty())
        uwagi += NL;
    uwagi += QStringLiteral("Uwagi:") + NL;
    for (const QString& w : RozdzielWiersze(o.Uwagi))
        uwagi += w + NL;
    RysujTekst(false, x120, gora, std::max(koniec, l + ObszarTresci.width()) - x120,
               MmY(WYSOKOSC_BLOKU - 80 - 10), uwagi, 8);

    ObszarTresci.setTop(t + wysokosc); // the bottom stays
}
