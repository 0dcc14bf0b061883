// The window editor's show step: every control from the window, and what
// is worked out of it (Uw, its terms, the verdicts, the price, the picture).
#include "model/liczby.h"
#include "model/obliczenia/geometria.h"
#include "model/obliczenia/podpowiedzi.h"
#include "model/obliczenia/uw.h"
#include "model/obliczenia/wt2021.h"
#include "model/obliczenia/wt2021lato.h"
#include "model/obliczenia/wycena.h"
#include "model/obliczenia/zaokraglenia.h"
#include "model/tekst.h"
#include "model/zestawienie.h"
#include "report/raport/kanwaqpainter.h"
#include "ui/main/edytorokna.h"
#include "ui/main/etykieta.h"
#include "ui/main/polaliczbowe.h"
#include "ui/main/siatkapieter.h"
#include "ui/tables/listaskrzydel.h"
#include "ui/tables/tabdr.h"
#include "ui/tables/tabpsig.h"
#include "ui/tables/tabuf.h"
#include "ui/tables/tabug.h"
#include "ui/tables/typokna.h"
#include "uslugi/dialogi.h"
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>
#include <array>
#include <cmath>

void TEdytorOkna::PokazUg() {
    const TOkno& o = bufor_.Okno();
    // A Ug computed from the glazing's build-up says so, the build-up in its tip.
    if (o.BudowaSzyby.isEmpty()) {
        DostawcaUgST->setText(NazwaZrodla(o.ZrodloUg));
        DostawcaUgST->setToolTip(QString());
    } else {
        DostawcaUgST->setText(QStringLiteral("PN-EN 673"));
        DostawcaUgST->setToolTip(
            QStringLiteral("Ug obliczone z budowy szyby %1%2, wypełnienie gazem %3%")
                .arg(o.BudowaSzyby,
                     o.PowlokiSzyby.isEmpty() ? QString()
                                              : QStringLiteral(", powłoki %1").arg(o.PowlokiSzyby),
                     TekstOgolny(o.WypelnienieGazem)));
    }
    SzkloKodIdST->setText(QString::number(o.SzkloKodID));
}

void TEdytorOkna::PokazUf() {
    DostawcaUfST->setText(NazwaZrodla(bufor_.Okno().ZrodloUf));
    RamaKodIdST->setText(QString::number(bufor_.Okno().RamaKodID));
}

void TEdytorOkna::Rysuj(const TOkno& okno) {
    QPixmap obraz(SZEROKOSC_RYSUNKU, WYSOKOSC_RYSUNKU);
    {
        QPainter p(&obraz);
        TKanwaQPainter kanwa(p);
        RysujOkno(okno, kanwa, SZEROKOSC_RYSUNKU, WYSOKOSC_RYSUNKU);
    }
    OknoImage->setPixmap(obraz);
}

void TEdytorOkna::PokazCene(const TZestawienieStolarki& projekt, const TOkno& okno) {
    BrakWycenyBBtn->setEnabled(false);
    BrakWycenyBBtn->setToolTip(QString());
    BrakWycenyBBtn->setStatusTip(QString());
    const bool dv = okno.JestDV();
    DVImage->setVisible(dv);
    CenaEd->setReadOnly(dv);
    // The reason of no price is the price calculation's, shown here only.
    const TWycena wycena = CenaNetto(projekt, okno);
    const double cena = wycena.Cena;
    CenaEd->setText(cena != -1 ? TekstSetnych(cena) : TEKST_BRAK_CENY);
    if (dv) {
        // The price shown, to the grosz: the window's own should it stop
        // being list-priced.
        bufor_.UstawCeneZCennika(cena != -1 ? ZaokraglijDoSetnych(cena) : -1);
        BrakWycenyBBtn->setEnabled(BrakCeny(CenaEd->text()) || !wycena.Komunikat.isEmpty());
        BrakWycenyBBtn->setToolTip(wycena.Komunikat);
        BrakWycenyBBtn->setStatusTip(wycena.Komunikat);
    }
}

void TEdytorOkna::PokazGeometrieTekst(const QStringList& krotko, const QStringList& pelny) {
    // The parts on the first line while they fit, the rest on the second:
    // a part is never broken.
    const QFontMetrics miara(GeometriaST->font());
    const int szerokosc = GeometriaST->width() - 2 * GeometriaST->margin();
    const QString odstep = QStringLiteral(" · ");
    QString linie;
    QString linia;
    for (const QString& c : krotko) {
        const QString dluzsza = linia.isEmpty() ? c : linia + odstep + c;
        if (!linia.isEmpty() && miara.horizontalAdvance(dluzsza) > szerokosc) {
            linie += linia + QLatin1Char('\n');
            linia = c;
        } else {
            linia = dluzsza;
        }
    }
    GeometriaST->setText(linie + linia);
    GeometriaST->setToolTip(pelny.join(QLatin1Char('\n')));
}

void TEdytorOkna::PokazGeometrie(const TZestawienieStolarki& projekt, const TOkno& okno) {
    QStringList krotko, pelny;
    const TMetodaUw metoda = projekt.Metoda();
    const bool zGeometrii = metoda == TMetodaUw::Geometryczna;
    pelny << QStringLiteral("Metoda obliczania Uw: %1")
                 .arg(TZestawienieStolarki::NazwaMetodyUw(metoda));
    const TUw uw = ObliczUw(okno, metoda);
    if (okno.Okragle())
        pelny << QStringLiteral("Okno okrągłe: Aw = π/4 · szerokość · wysokość = %1 m²")
                     .arg(TekstStaly(PoleOkna(okno), 12, 4));
    if (!uw.uw) {
        // Why there is none, where the Uw field says "brak danych".
        if (!uw.brak.isEmpty()) {
            krotko << uw.brak;
            pelny << QStringLiteral("Brak Uw: ") + uw.brak;
        }
        PokazGeometrieTekst(krotko, pelny);
        return;
    }
    // The other method's value beside the one the project judges by.
    const TUw inna = ObliczUw(okno, zGeometrii ? TMetodaUw::Szacunkowa : TMetodaUw::Geometryczna);
    if (inna.uw) {
        const QString t =
            (zGeometrii ? QStringLiteral("szacunek: %1") : QStringLiteral("z geometrii: %1"))
                .arg(TekstStaly(*inna.uw, 4, 2));
        krotko << t;
        pelny << QStringLiteral("Uw %1 W/m²K").arg(t);
    }
    // The terms of the Uw shown, for a check by hand.
    const TSkladnikiUw& s = uw.skladniki;
    krotko << QStringLiteral("Ag %1 m², Af %2 m²")
                  .arg(TekstStaly(s.ag, 12, 2), TekstStaly(s.af, 12, 2));
    pelny << QStringLiteral("Ag = %1 m², Af = %2 m², lg = %3 m (%4), udział szyb %5%")
                 .arg(TekstStaly(s.ag, 12, 4), TekstStaly(s.af, 12, 4), TekstStaly(s.lg, 12, 3),
                      s.lgWpisane ? QStringLiteral("Lg wpisane")
                                  : QStringLiteral("Lg z geometrii okna"),
                      TekstStaly(100 * s.ag / s.aw, 4, 1));
    if (s.ap > 0) {
        krotko << QStringLiteral("Ap %1 m²").arg(TekstStaly(s.ap, 12, 2));
        pelny << QStringLiteral("płyciny: Ap = %1 m², lp = %2 m")
                     .arg(TekstStaly(s.ap, 12, 4), TekstStaly(s.lp, 12, 3));
    }
    if (okno.dSlupka > 0 && zGeometrii)
        pelny << QStringLiteral("słupki i ślemiona %1 mm").arg(TekstOgolny(okno.dSlupka));
    // Which Lg the Uw took, where the typed one differs from the glass edge
    // the geometry has.
    const std::optional<double> krawedz = KrawedzSzybOkna(okno);
    if (s.lgWpisane && krawedz && *krawedz >= 0 && std::abs(okno.Lg - *krawedz) >= 0.5) {
        krotko << QStringLiteral("Lg wpisane ≠ %1 mm").arg(TekstOgolny(std::round(*krawedz)));
        pelny << QStringLiteral("Do Uw przyjęto wpisane Lg = %1 mm; obwód szyb z geometrii okna "
                                "to %2 mm")
                     .arg(TekstOgolny(okno.Lg), TekstOgolny(std::round(*krawedz)));
    }
    PokazGeometrieTekst(krotko, pelny);
}

void TEdytorOkna::PokazOcene(QLabel* etykieta, const QString& tekst, bool spelnia, bool nieSpelnia,
                             const QString& pelny) {
    if (auto* skracana = qobject_cast<TEtykietaSkracana*>(etykieta))
        skracana->UstawTekst(tekst, pelny);
    else
        etykieta->setText(tekst);
    QPalette p = etykieta->palette();
    p.setColor(QPalette::WindowText,
               spelnia      ? QColor(0x1b, 0x7a, 0x2e)
               : nieSpelnia ? QColor(0xc6, 0x28, 0x28)
                            : palette().color(QPalette::Disabled, QPalette::WindowText));
    etykieta->setPalette(p);
}

void TEdytorOkna::Pokaz(const TZestawienieStolarki& projekt, const TOkno& okno) {
    bufor_.Pokaz(okno);
    SymbolOknaEd->setText(okno.Symbol());
    SzerokoscEd->setText(TekstOgolny(okno.Szerokosc));
    WysokoscEd->setText(TekstOgolny(okno.Wysokosc));
    OkragleCB->setChecked(okno.Okragle());
    TypOknaCB->setCurrentIndex(TypOknaCB->findText(okno.TypOknaNazwa()));
    MaterialRamyCB->setCurrentIndex(MaterialRamyCB->findText(okno.MaterialRamyNazwa()));
    UgEd->setText(TekstOgolny(okno.Ug));
    UfEd->setText(TekstOgolny(okno.Uf));
    PokazUg();
    PokazUf();
    PsiGEd->setText(TekstOgolny(okno.Psi_g));
    dRamyEd->setText(TekstOgolny(okno.dRamy));
    dSlupkaEd->setText(TekstOgolny(okno.dSlupka));
    UpEd->setText(TekstOgolny(okno.Up));
    PsiPEd->setText(TekstOgolny(okno.Psi_p));
    const bool plyciny = PlycinyOkna(okno) != 0 || okno.Up != 0 || okno.Psi_p != 0;
    PlycinyPanel->setVisible(plyciny);
    NaglowekRoletyST->setVisible(!plyciny);
    LgEd->setText(TekstOgolny(okno.Lg));
    dREd->setText(TekstOgolny(okno.dR));
    gEd->setText(TekstG(okno));
    fCEd->setText(okno.fC >= 0 ? TekstOgolny(okno.fC) : QString());
    // A code no list holds shows as no choice and stays as it is.
    OslonaCB->setCurrentIndex(okno.Oslona < OslonaCB->count() ? okno.Oslona : -1);
    for (int i = 0; i < MAX_SKRZYDEL; ++i)
        SkrzydlaVLE->item(i, 1)->setText(okno.RodzajSkrzydlaNazwa(i));
    SkrzydloCB->hide();
    // The type's sashes; the other rows keep their kinds out of sight.
    SkrzydlaVLE->PokazSkrzydla(LiczbaSkrzydel(okno.TypOkna));
    SzerokoscNawiewnikaED->setText(QString::number(okno.SzerokoscNawiewnika));
    {
        // The count as the window holds it, also one the field's 0–20 does
        // not (a file's 25): shown as it is, kept unless the user changes it.
        const QSignalBlocker cisza(LiczbaNawiewnikowSE);
        LiczbaNawiewnikowSE->setRange(std::min(0, okno.LiczbaNawiewnikow),
                                      std::max(MAX_NAWIEWNIKOW, okno.LiczbaNawiewnikow));
        LiczbaNawiewnikowSE->setValue(okno.LiczbaNawiewnikow);
    }
    OknaNaKondSG->Pokaz(projekt, okno);
    UwagiMemo->clear();
    UwagiMemo->setPlainText(RozdzielWiersze(okno.Uwagi).join(QLatin1Char('\n')));
    UwagiMemo->document()->setModified(false);

    RodzajCB->setCurrentIndex(okno.Rodzaj);
    const std::optional<double> uw = ObliczUw(okno, projekt).uw;
    UwOknaEd->setText(uw ? TekstStaly(*uw, 4, 2) : QStringLiteral("brak danych"));
    PokazGeometrie(projekt, okno);
    const TOcenaWT wt = OcenWT2021(okno, projekt);
    PokazOcene(WT2021ST, KrotkiTekstOcenyWT(wt), wt.wynik == TWynikWT::Spelnia,
               wt.wynik == TWynikWT::NieSpelnia, TekstOcenyWT(wt));
    const TOcenaLato lato = OcenLato2021(okno, projekt);
    PokazOcene(Lato2021ST, TekstOcenyLato(lato), lato.wynik == TWynikLato::Spelnia,
               lato.wynik == TWynikLato::NieSpelnia);
    PokazCene(projekt, okno);
    Rysuj(okno);
    // The suggestion and the vent rule fill the fields only; the window
    // keeps its own values until the user commits others. The rule acts on
    // every show alike, whatever window was shown before.
    if (!(okno.Lg >= 0))
        PodpowiedzLg(false);
    RegulaNawiewnikow(false);
}
