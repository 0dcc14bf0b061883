#include "tools/zrzuty_narzedzia.h"

#include "report/raport/czcionki.h"

#include "model/katalog.h"

#include "app/czcionki.h"
#include "app/oprogramie.h"
#include "model/obliczenia/uw.h"
#include "model/pliki/plikprojektu.h"
#include "model/tekst.h"
#include "model/zestawienie.h"
#include "report/podglad/pageview.h"
#include "report/prvform/prnprvform.h"
#include "report/raport/raport.h"
#include "ui/main/drzewoprojektu.h"
#include "ui/main/edytorokna.h"
#include "ui/main/etykieta.h"
#include "ui/main/glowna.h"
#include "ui/main/importifcform.h"
#include "ui/main/odzyskform.h"
#include "ui/main/panelprojektu.h"
#include "ui/main/siatkapieter.h"
#include "ui/tables/listaskrzydel.h"
#include "ui/tables/tabdr.h"
#include "ui/tables/tabpsig.h"
#include "ui/tables/tabuf.h"
#include "ui/tables/tabug.h"
#include "ui/tables/typokna.h"
#include "uslugi/postep.h"
#include "uslugi/tlumaczenia.h"
#include "uslugi/ustawieniastrony.h"

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>

#include <cstdio>
#include <cstring>

namespace zrzuty {

QString katalog;
int zapisane = 0;
int niezapisane = 0;
int niemieszczace = 0;

// A dialog, with a title bar of up to 30 pixels, fits a 1024 × 768 screen.
void NaEkranie(QWidget* okno, const QString& nazwa) {
    QCoreApplication::processEvents();
    if (okno->width() > 1024 || okno->height() > 768 - 30) {
        std::fprintf(stderr, "%s: %d×%d nie mieści się na ekranie 1024×768\n", qPrintable(nazwa),
                     okno->width(), okno->height());
        ++niemieszczace;
    }
}

// The picture as OUT_DIR/nazwa.png, counted.
void ZapiszObraz(const QImage& obraz, const QString& nazwa) {
    const QString sciezka = QDir(katalog).filePath(nazwa + QStringLiteral(".png"));
    if (obraz.save(sciezka)) {
        ++zapisane;
        std::printf("%s\n", sciezka.toUtf8().constData());
    } else {
        std::fprintf(stderr, "nie zapisano %s\n", sciezka.toUtf8().constData());
        ++niezapisane;
    }
}

// Where widgets stand within one of their ancestors: the rectangle they
// cover together.
QRect Obszar(const QWidget* wzgledem, const QList<const QWidget*>& widzety) {
    QRect r;
    for (const QWidget* w : widzety)
        r |= QRect(w->mapTo(wzgledem, QPoint(0, 0)), w->size());
    return r;
}

void Zapisz(QWidget* w, const QString& nazwa) {
    QCoreApplication::processEvents();
    ZapiszObraz(w->grab().toImage(), nazwa);
}

// Sample windows: one, three and eight sashes, a D&V window, vents and remarks.
void Przyklady(TZestawienieStolarki& p) {
    p.TytulProjektu = QStringLiteral("Dom jednorodzinny „Pod Lipami”");
    p.Firma = QStringLiteral("Pracownia Projektowa Łęg & Syn");
    p.Projekt = QStringLiteral("Projekt wykonawczy");
    p.Obiekt = QStringLiteral("ul. Źródlana 5, Łódź");
    p.Inwestor = QStringLiteral("Zofia Żółkiewska");
    p.Projektant = QStringLiteral("mgr inż. arch. Ścibor");
    p.Data = QDateTime(QDate(2026, 12, 9), QTime(0, 0));
    p.SetParter(true);
    p.SetLiczbaPieter(1);
    p.SetPoddasze(true);
    p.KursEuro = 4.3;
    p.StawkaVat = 8;
    p.CenaMontazuOkna = 45;
    p.ZakresCzynnosci = QStringLiteral("montaż, obróbki, parapety");
    // Measured from the windows' geometry: the big one's panels need it.
    p.MetodaUw = static_cast<int32_t>(TMetodaUw::Geometryczna);
    struct Wzor {
        const char* symbol;
        int typ;
        double w, h;
        bool dv;
        int nawiewniki;
        const char* uwagi;
    };
    const Wzor wzory[] = {
        {"O1", 1001, 900, 1500, false, 0, ""},
        {"O2", 3001, 2100, 1500, false, 2, "okno salonu,szyba bezpieczna"},
        {"O3", 8001, 3600, 2200, false, 0, ""},
        {"DV1", 2001, 1500, 1500, true, 1, "okno z katalogu D&V"},
    };
    for (const Wzor& w : wzory) {
        const QString s = QString::fromUtf8(w.symbol);
        p.AddOkno(s);
        TOkno& o = *p.GetOkno(s);
        o.TypOkna = w.typ;
        o.Szerokosc = w.w;
        o.Wysokosc = w.h;
        for (int k = 0; k < MAX_SKRZYDEL; ++k)
            o.RodzajSkrzydla[static_cast<std::size_t>(k)] =
                (k * 5 + 3) % RODZAJ_PLYCINA; // glazed kinds only
        o.Ug = w.dv ? 0.6 : 1.1;
        o.Uf = w.dv ? 1.21 : 1.3;
        o.Psi_g = 0.04;
        o.dRamy = 70;
        o.Lg = 4520;
        o.LiczbaNawiewnikow = w.nawiewniki;
        o.SzerokoscNawiewnika = w.nawiewniki ? 350 : 0;
        if (w.dv) {
            o.ZrodloUg = o.ZrodloUf = ZrodloDV;
            o.SzkloKodID = 20;
            o.RamaKodID = 20;
            o.CenaOkna = -1;
        }
        o.Uwagi =
            ZlaczWiersze(QString::fromUtf8(w.uwagi).split(QLatin1Char(','), Qt::SkipEmptyParts));
        o.SetLiczba(POZIOM_PARTER, 0, 2);
        o.SetLiczba(QStringLiteral("1"), 4, 1);
    }
    // The living room's window has a roller shutter: both its values shown.
    p.GetOkno(QStringLiteral("O2"))->dR = 0.15;
    // The big one has mullions of their own and two opaque panels.
    TOkno& o3 = *p.GetOkno(QStringLiteral("O3"));
    o3.dSlupka = 110;
    o3.RodzajSkrzydla[6] = o3.RodzajSkrzydla[7] = RODZAJ_PLYCINA;
    o3.Up = 0.9;
    o3.Psi_p = 0.05;
    o3.Lg = -1;
    // The one-sash window's Ug from its build-up.
    TOkno& o1 = *p.GetOkno(QStringLiteral("O1"));
    o1.BudowaSzyby = QStringLiteral("4/16Ar/4");
    o1.PowlokiSzyby = QStringLiteral("3:0,03");
}

// Every page as the printer gets it.
void ZapiszStrony(TPageView& widok, const QString& nazwa) {
    for (int n = 1; n <= widok.PageCount(); ++n) {
        QImage strona(widok.PagePixels(), QImage::Format_RGB32);
        strona.fill(Qt::white);
        QPainter p(&strona);
        widok.RysujStrone(p, n, QRectF(strona.rect()));
        p.end();
        ZapiszObraz(strona, QStringLiteral("%1_strona%2").arg(nazwa).arg(n));
        // For the manual: the page's upper part within its margins, at full
        // size (a whole page would be scaled down below a legible size).
        const int margines = strona.width() / 12;
        ZapiszObraz(
            strona.copy(margines, margines, strona.width() - 2 * margines, strona.height() / 2),
            QStringLiteral("%1_strona%2_wycinek").arg(nazwa).arg(n));
    }
}

// The steps of the manual's first project, each a part of the panel it is
// about: the building's storeys, the window's size and sashes, its storeys
// and directions, its Uw and verdicts.
void Kroki(TMainForm& f) {
    QCoreApplication::processEvents();
    QWidget* e = f.ElementStolarkiPanel;
    // The editor's controls, by their names.
    auto k = [e](const char* nazwa) {
        return e->findChild<QWidget*>(QLatin1String(nazwa));
    };
    const QRect skrzydla = Obszar(e, {k("SkrzydlaVLE")});
    // From the label "Rodzaj:" left of its list to the panel's right edge.
    const int lewa = std::min(skrzydla.left(),
                              Obszar(e, {k("RodzajCB")}).left() -
                                  e->fontMetrics().horizontalAdvance(QStringLiteral("Rodzaj: "))) -
                     8;
    const QRect prawa(lewa, 0, e->width() - lewa, skrzydla.bottom() + 6);
    ZapiszObraz(e->grab(prawa).toImage(), QStringLiteral("krok_wymiary"));
    ZapiszObraz(k("OknaNaKondSG")->grab().toImage(), QStringLiteral("krok_sztuki"));
    // Uw and every line under it, whole: each label as wide as its text.
    QRect uw = Obszar(
        e, {k("UwOknaEd"), k("RefreshUwOkna"), k("Lato2021ST"), k("WT2021ST"), k("GeometriaST")});
    for (const char* nazwa : {"WT2021ST", "Lato2021ST", "GeometriaST"}) {
        const auto* l = qobject_cast<const QLabel*>(k(nazwa));
        const QRect r = Obszar(e, {l});
        int szerokosc = 0;
        for (const QString& linia : l->text().split(QLatin1Char('\n')))
            szerokosc = std::max(szerokosc, l->fontMetrics().horizontalAdvance(linia));
        uw |= QRect(r.topLeft(), QSize(szerokosc + 4, r.height()));
    }
    ZapiszObraz(e->grab(QRect(0, uw.top() - 4, uw.right() + 8, uw.height() + 8)).toImage(),
                QStringLiteral("krok_uw"));
    const QWidget* parter = f.StolarkaPanel->findChild<QWidget*>(QStringLiteral("ParterCB"));
    ZapiszObraz(parter->parentWidget()->grab().toImage(), QStringLiteral("krok_budynek"));
}

// Counts, and names on stderr, what does not fit a shown panel: a scroll bar
// it needs, or a shown control lying outside the client area or outside the
// part of the panel in view.
int Niemieszczace(TMainForm& f, QWidget* panel, const QString& nazwa) {
    QCoreApplication::processEvents();
    int n = 0;
    auto* przewijanie = qobject_cast<QScrollArea*>(panel->parentWidget()->parentWidget());
    if (!przewijanie || !panel->isVisible())
        return 0;
    if (przewijanie->verticalScrollBar()->isVisible() ||
        przewijanie->horizontalScrollBar()->isVisible()) {
        std::fprintf(stderr, "%s: potrzebny pasek przewijania (%d×%d, widać %d×%d)\n",
                     qPrintable(nazwa), panel->minimumSizeHint().width(),
                     panel->minimumSizeHint().height(), przewijanie->viewport()->width(),
                     przewijanie->viewport()->height());
        ++n;
    }
    const QRect klient(0, 0, f.width(), f.height());
    const QRect widac = Obszar(&f, {przewijanie->viewport()});
    for (QWidget* w : panel->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(panel) || w->isWindow() || w->size().isEmpty())
            continue;
        const QRect r = Obszar(&f, {w});
        if (!klient.contains(r) || !widac.contains(r)) {
            std::fprintf(stderr, "%s: %s %s poza oknem (%d,%d %d×%d)\n", qPrintable(nazwa),
                         w->metaObject()->className(), qPrintable(w->objectName()), r.x(), r.y(),
                         r.width(), r.height());
            ++n;
        }
    }
    return n;
}

// Counts, and names on stderr, the texts of a shown panel that do not read
// whole: a field's text wider than its field, a one-line label's wider
// than the label, a shortened label's ("…") cut.
int Nieczytelne(QWidget* panel, const QString& nazwa) {
    QCoreApplication::processEvents();
    int n = 0;
    auto zglos = [&](const QWidget* w, const QString& tekst) {
        std::fprintf(stderr, "%s: %s %s nie mieści tekstu „%s”\n", qPrintable(nazwa),
                     w->metaObject()->className(), qPrintable(w->objectName()), qPrintable(tekst));
        ++n;
    };
    for (QLineEdit* e : panel->findChildren<QLineEdit*>()) {
        if (!e->isVisibleTo(panel) || e->text().isEmpty())
            continue;
        QStyleOptionFrame opcje;
        opcje.initFrom(e);
        opcje.lineWidth = e->hasFrame() ? e->style()->pixelMetric(QStyle::PM_DefaultFrameWidth) : 0;
        const QRect wnetrze = e->style()->subElementRect(QStyle::SE_LineEditContents, &opcje, e);
        const QMargins m = e->textMargins();
        // QLineEdit keeps two pixels each side of its text.
        if (e->fontMetrics().horizontalAdvance(e->text()) >
            wnetrze.width() - m.left() - m.right() - 4)
            zglos(e, e->text());
    }
    for (QLabel* l : panel->findChildren<QLabel*>()) {
        if (!l->isVisibleTo(panel) || l->wordWrap() || l->text().isEmpty() ||
            l->textFormat() == Qt::RichText || Qt::mightBeRichText(l->text()))
            continue;
        if (auto* s = qobject_cast<TEtykietaSkracana*>(l)) {
            if (s->text() != s->Tekst())
                zglos(l, s->Tekst());
            continue;
        }
        for (const QString& wiersz : l->text().split(QLatin1Char('\n')))
            if (l->fontMetrics().horizontalAdvance(wiersz) > l->contentsRect().width())
                zglos(l, wiersz);
    }
    return n;
}

void Wybierz(TMainForm& f, const QString& tekst) {
    QTreeWidgetItem* k = f.StolarkaTree->topLevelItem(0);
    if (k->text(0) == tekst)
        f.StolarkaTree->setCurrentItem(k);
    for (int i = 0; i < k->childCount(); ++i)
        if (k->child(i)->text(0) == tekst)
            f.StolarkaTree->setCurrentItem(k->child(i));
}

QImage ArkuszTypow(int od, int doSkrzydel) {
    constexpr int KOLUMN = 8, KOMORKA = 80, PODPIS = 26, NAGLOWEK = 24;
    QFont pismo(DomyslnaCzcionkaRaportu());
    pismo.setPixelSize(10);
    QFont naglowek = pismo;
    naglowek.setBold(true);
    naglowek.setPixelSize(12);
    // Rows first, to know the sheet's height.
    std::vector<std::vector<int>> grupy;
    int wysokosc = 0;
    for (int n = od; n <= doSkrzydel; ++n) {
        std::vector<int> kody;
        for (const TTypOknaRec& t : TypyOkien())
            if (t.Kod / 1000 == n)
                kody.push_back(t.Kod);
        wysokosc +=
            NAGLOWEK + ((static_cast<int>(kody.size()) + KOLUMN - 1) / KOLUMN) * (KOMORKA + PODPIS);
        grupy.push_back(kody);
    }
    QImage arkusz(KOLUMN * KOMORKA, wysokosc, QImage::Format_RGB32);
    arkusz.fill(Qt::white);
    QPainter p(&arkusz);
    int y = 0;
    for (std::size_t g = 0; g < grupy.size(); ++g) {
        p.setFont(naglowek);
        p.setPen(Qt::black);
        p.drawText(QRect(0, y, arkusz.width(), NAGLOWEK), Qt::AlignLeft | Qt::AlignVCenter,
                   QStringLiteral("Okna %1-skrzydłowe").arg(od + static_cast<int>(g)));
        y += NAGLOWEK;
        p.setFont(pismo);
        for (std::size_t i = 0; i < grupy[g].size(); ++i) {
            const int kod = grupy[g][i];
            const int x = static_cast<int>(i % KOLUMN) * KOMORKA;
            const int gora = y + static_cast<int>(i / KOLUMN) * (KOMORKA + PODPIS);
            const QPixmap obraz = ObrazTypuOkna(kod).scaled(
                KOMORKA - 10, KOMORKA - 10, Qt::KeepAspectRatio, Qt::SmoothTransformation);
            p.drawPixmap(x + (KOMORKA - obraz.width()) / 2, gora + (KOMORKA - obraz.height()) / 2,
                         obraz);
            p.drawText(QRect(x, gora + KOMORKA, KOMORKA, PODPIS), Qt::AlignHCenter | Qt::AlignTop,
                       QString::number(kod));
        }
        y += ((static_cast<int>(grupy[g].size()) + KOLUMN - 1) / KOLUMN) * (KOMORKA + PODPIS);
    }
    return arkusz;
}

} // namespace zrzuty
