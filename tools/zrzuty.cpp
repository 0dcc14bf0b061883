// termivo-zrzuty OUT_DIR: renders every state of the program worth looking
// at into PNG files, off screen, with the Polish locale and the fonts of the
// system, so that anyone can see the windows as a user does.
// Exits with 3 when the project panel or the window editor needs a scroll bar
// or shows a control outside the main window's client area, or a dialog does
// not fit a 1024 × 768 screen.

#include "app/czcionki.h"
#include "app/oprogramie.h"
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
#include "uslugi/dialogi.h"
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

namespace {

// Dialogs that answer nothing: the tool only looks.
class TDialogiCiche : public TDialogi {
public:
    void Komunikat(QWidget*, TRodzajKomunikatu, const QString&, const QString& t) override {
        std::fprintf(stderr, "komunikat: %s\n", t.toUtf8().constData());
    }
    Odpowiedz Pytanie(QWidget*, const QString&, const QString&) override { return Odpowiedz::Nie; }
    Odpowiedz Potwierdzenie(QWidget*, const QString&, const QString&) override {
        return Odpowiedz::Nie;
    }
    std::optional<QString> Tekst(QWidget*, const QString&, const QString&, const QString&,
                                 int) override {
        return symbole.isEmpty() ? std::nullopt : std::optional<QString>(symbole.takeFirst());
    }
    QString PlikDoOtwarcia(QWidget*, const QString&, const QString&, const QString&) override {
        return QString();
    }
    QString PlikDoZapisu(QWidget*, const QString&, const QString&, const QString&) override {
        return QString();
    }
    bool UstawieniaStrony(QWidget*, QPageLayout&) override { return false; }
    bool Drukuj(QWidget*, QPrinter&) override { return false; }
    bool JestDrukarka() override { return true; }
    bool Pokaz(QDialog& okno) override {
        okno.show();
        return przyOknie ? przyOknie(okno) : false;
    }
    void Zakoncz() override {}

    QStringList symbole;
    std::function<bool(QDialog&)> przyOknie;
};

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
    p.SetParter(true);
    p.SetLiczbaPieter(1);
    p.SetPoddasze(true);
    p.KursEuro = 4.3;
    p.StawkaVat = 8;
    p.CenaMontazuOkna = 45;
    p.ZakresCzynnosci = QStringLiteral("montaż, obróbki, parapety");
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
            o.RodzajSkrzydla[static_cast<std::size_t>(k)] = (k * 5 + 3) % LICZBA_RODZAJOW_SKRZYDEL;
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
    const QRect uw = Obszar(e, {k("UwOknaEd"), k("Lato2021ST"), k("WT2021ST")});
    ZapiszObraz(e->grab(QRect(0, uw.top() - 4, skrzydla.left() - 12, uw.height() + 30)).toImage(),
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

} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Termivo"));
    QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));
    ZaladujTlumaczeniaQt(app);
    ZarejestrujTahome();
    if (argc != 2) {
        std::fprintf(stderr, "Usage: termivo-zrzuty OUT_DIR\n");
        return 2;
    }
    katalog = QString::fromLocal8Bit(argv[1]);
    if (!QDir().mkpath(katalog)) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }
    TDialogiCiche dialogi;
    TMainForm f(dialogi);
    f.show();
    Zapisz(&f, QStringLiteral("glowne_bez_projektu"));
    // The manual's pictures show what they are about, at full size: the
    // start page's corner, the panels alone, the dialogs no wider than
    // its page.
    QCoreApplication::processEvents();
    ZapiszObraz(f.grab(QRect(0, 0, 640, 290)).toImage(), QStringLiteral("glowne_start"));

    // The sample project opened as a file of a user's is.
    const QTemporaryDir tymczasowy;
    const QString przyklad = tymczasowy.filePath(QStringLiteral("Dom pod Lipami.tmv"));
    {
        TZestawienieStolarki p;
        Przyklady(p);
        if (ZapiszProjekt(p, przyklad) != WYNIK_OK || !f.OtworzPlik(przyklad)) {
            std::fprintf(stderr, "cannot open the sample project\n");
            return 1;
        }
    }
    Zapisz(&f, QStringLiteral("panel_projektu"));
    Zapisz(f.StolarkaPanel, QStringLiteral("panel_projektu_sam"));
    niemieszczace += Niemieszczace(f, f.StolarkaPanel, QStringLiteral("panel projektu"));
    niemieszczace += Nieczytelne(f.StolarkaPanel, QStringLiteral("panel projektu"));
    for (const char* s : {"O1", "O2", "O3", "DV1"}) {
        Wybierz(f, QString::fromUtf8(s));
        Zapisz(&f, QStringLiteral("edytor_%1").arg(QString::fromUtf8(s)));
        Zapisz(f.ElementStolarkiPanel, QStringLiteral("edytor_%1_sam").arg(QString::fromUtf8(s)));
        if (std::strcmp(s, "O2") == 0)
            Kroki(f);
        niemieszczace += Niemieszczace(f, f.ElementStolarkiPanel,
                                       QStringLiteral("edytor ") + QString::fromUtf8(s));
        niemieszczace +=
            Nieczytelne(f.ElementStolarkiPanel, QStringLiteral("edytor ") + QString::fromUtf8(s));
    }
    // The longest values the fields are made to show whole, at the smallest
    // size: nine characters of a thermal value, seven of a size, ten of a
    // price.
    {
        const QString skrajne = tymczasowy.filePath(QStringLiteral("Wartości skrajne.tmv"));
        TZestawienieStolarki p;
        p.AddOkno(QStringLiteral("X1"));
        TOkno& o = *p.GetOkno(QStringLiteral("X1"));
        o.Szerokosc = 12345.5;
        o.Wysokosc = 23456.5;
        o.Ug = 0.0000001;
        o.Uf = 1.2345678;
        o.Psi_g = 0.0123456;
        o.dRamy = 123.456;
        o.Lg = 1234567;
        o.dR = 0.123456;
        o.g = 0.123456;
        o.fC = 0.987654;
        o.CenaOkna = 1234567.89;
        if (ZapiszProjekt(p, skrajne) != WYNIK_OK || !f.Zamknij() || !f.OtworzPlik(skrajne)) {
            std::fprintf(stderr, "cannot open the project of extreme values\n");
            return 1;
        }
        Wybierz(f, QStringLiteral("X1"));
        Zapisz(&f, QStringLiteral("edytor_skrajne"));
        niemieszczace += Nieczytelne(f.ElementStolarkiPanel, QStringLiteral("edytor (skrajne)"));
        // Without a Uw: the field says so whole.
        o.Ug = 0;
        if (ZapiszProjekt(p, skrajne) != WYNIK_OK || !f.Zamknij() || !f.OtworzPlik(skrajne)) {
            std::fprintf(stderr, "cannot open the project of extreme values\n");
            return 1;
        }
        Wybierz(f, QStringLiteral("X1"));
        niemieszczace += Nieczytelne(f.ElementStolarkiPanel, QStringLiteral("edytor (bez Uw)"));
        if (!f.Zamknij() || !f.OtworzPlik(przyklad)) {
            std::fprintf(stderr, "cannot open the sample project\n");
            return 1;
        }
    }
    // The same on a large screen: the panels take the room they get.
    f.resize(1600, 1000);
    Wybierz(f, QFileInfo(przyklad).fileName());
    Zapisz(&f, QStringLiteral("panel_projektu_duze"));
    niemieszczace += Niemieszczace(f, f.StolarkaPanel, QStringLiteral("panel projektu (duże)"));
    Wybierz(f, QStringLiteral("O2"));
    Zapisz(&f, QStringLiteral("edytor_O2_duze"));
    niemieszczace += Niemieszczace(f, f.ElementStolarkiPanel, QStringLiteral("edytor (duże)"));
    f.resize(f.minimumSize());
    dialogi.przyOknie = [](QDialog& okno) {
        auto* podglad = qobject_cast<TPrnPrvForm*>(&okno);
        if (!podglad)
            return false;
        okno.setWindowState(Qt::WindowNoState);
        okno.resize(1280, 1000);
        QCoreApplication::processEvents();
        podglad->GenerujRaport();
        ZapiszStrony(*podglad->PageView, QStringLiteral("raport"));
        Zapisz(&okno, QStringLiteral("podglad_strona1"));
        podglad->PageView->SetCurrentPage(2);
        Zapisz(&okno, QStringLiteral("podglad_strona2"));
        podglad->DodajWyceneCB->setChecked(true);
        podglad->DodajCeneMontazuCB->setChecked(true);
        podglad->DodajCeneM2CB->setChecked(true);
        podglad->DodajOrientacjeCB->setChecked(true);
        podglad->GenerujRaport();
        ZapiszStrony(*podglad->PageView, QStringLiteral("raport_opcje"));
        podglad->PageView->SetZoomState(zsZoomToWidth);
        Zapisz(&okno, QStringLiteral("podglad_opcje"));
        // For the manual, pieces no wider than its page takes at full size:
        // the toolbar's buttons, its options, and the window below them.
        QCoreApplication::processEvents();
        const QRect przyciski = Obszar(&okno, {podglad->UstStronyBtn, podglad->ZapiszPdfBtn,
                                               podglad->ZoomComboBox, podglad->FontCB});
        const QRect opcje = Obszar(&okno, {podglad->DodajWyceneCB, podglad->DodajCeneMontazuCB,
                                           podglad->DodajCeneM2CB, podglad->DodajOrientacjeCB,
                                           podglad->DodajWT2021CB});
        const int dol = std::max(przyciski.bottom(), opcje.bottom()) + 6;
        ZapiszObraz(okno.grab(QRect(0, 0, przyciski.right() + 8, dol)).toImage(),
                    QStringLiteral("podglad_przyciski"));
        ZapiszObraz(okno.grab(QRect(opcje.left() - 6, 0, opcje.width() + 12, dol)).toImage(),
                    QStringLiteral("podglad_pasek_opcji"));
        podglad->PageView->SetZoomState(zsZoomToFit);
        okno.resize(720, 820);
        QCoreApplication::processEvents();
        ZapiszObraz(okno.grab(QRect(0, dol, 720, okno.height() - dol)).toImage(),
                    QStringLiteral("podglad_strony"));
        return false;
    };
    f.PodgladWydruku();
    dialogi.przyOknie = [](QDialog& okno) {
        if (okno.objectName() != QLatin1String("OrientacjeForm"))
            return false;
        Zapisz(&okno, QStringLiteral("zestawienie_wg_stron"));
        okno.resize(700, 380);
        Zapisz(&okno, QStringLiteral("zestawienie_wg_stron_male"));
        NaEkranie(&okno, okno.objectName());
        return false;
    };
    f.ZestawienieWgStron();
    {
        // The progress of a print job, as a long schedule shows it.
        TPostep postep(QStringLiteral("Drukowanie"), &f);
        postep.Krok(120, 1251, QStringLiteral("Drukowanie strony 120 z 1251"));
        Zapisz(&postep, QStringLiteral("postep_druku"));
        NaEkranie(&postep, QStringLiteral("postep druku"));
    }
    dialogi.przyOknie = [](QDialog& okno) {
        if (okno.objectName() != QLatin1String("PrzegladOkienForm"))
            return false;
        Zapisz(&okno, QStringLiteral("przeglad_okien"));
        okno.resize(700, 360);
        Zapisz(&okno, QStringLiteral("przeglad_okien_male"));
        NaEkranie(&okno, okno.objectName());
        return false;
    };
    f.PrzegladOkien();
    // The reference dialogs, every page, and the type chooser, every tab.
    TUgTabForm ug(&f);
    TUfTabForm uf(&f);
    TPsigTabForm psig(&f);
    TdRTabForm dr(&f);
    TFTypOkna typ(&f);
    const std::pair<TDialogTabeli*, const char*> tabele[] = {
        {&ug, "tabela_ug"}, {&uf, "tabela_uf"}, {&psig, "tabela_psig"}, {&dr, "tabela_dr"}};
    for (const auto& [okno, nazwa] : tabele) {
        okno->show();
        for (int i = 0; i < okno->Strony->count(); ++i) {
            okno->Strony->setCurrentIndex(i);
            Zapisz(okno, QStringLiteral("%1_strona%2").arg(QLatin1String(nazwa)).arg(i + 1));
            NaEkranie(okno, QLatin1String(nazwa));
        }
        okno->hide();
    }
    // The wood and metal charts of the frame table.
    uf.show();
    uf.Strony->setCurrentIndex(TDialogTabeli::PolskaNorma);
    uf.RodzajRamyGB->button(1)->click();
    Zapisz(&uf, QStringLiteral("tabela_uf_drewno"));
    uf.RodzajRamyGB->button(2)->click();
    uf.MetalPrzeklTermGb->button(1)->click();
    Zapisz(&uf, QStringLiteral("tabela_uf_metal"));
    // For the manual, no wider than its page takes at full size.
    uf.resize(std::max(uf.minimumSizeHint().width(), 720), uf.height());
    Zapisz(&uf, QStringLiteral("tabela_uf_metal_waska"));
    uf.RodzajRamyGB->button(1)->click();
    Zapisz(&uf, QStringLiteral("tabela_uf_drewno_waska"));
    NaEkranie(&uf, QStringLiteral("tabela_uf"));
    uf.hide();
    typ.show();
    for (int i = 0; i < typ.LiczbaSkrzydelPC->count(); ++i) {
        typ.LiczbaSkrzydelPC->setCurrentIndex(i);
        Zapisz(&typ, QStringLiteral("typ_okna_%1").arg(i + 1));
        NaEkranie(&typ, QStringLiteral("typ okna"));
    }
    typ.hide();
    // The import of a building model: what it found, before anything is made.
    {
        const QByteArray ifc =
            "ISO-10303-21;HEADER;FILE_SCHEMA(('IFC4'));ENDSEC;DATA;\n"
            "#1=IFCBUILDINGSTOREY('a',$,'Piwnica',$,$,$,$,$,.ELEMENT.,-2.8);\n"
            "#2=IFCBUILDINGSTOREY('b',$,'Parter',$,$,$,$,$,.ELEMENT.,0.);\n"
            "#3=IFCBUILDINGSTOREY('c',$,'Pi\\X2\\0119\\X0\\tro',$,$,$,$,$,.ELEMENT.,3.);\n"
            "#4=IFCBUILDINGSTOREY('d',$,'Poddasze',$,$,$,$,$,.ELEMENT.,6.);\n"
            "#5=IFCWINDOW('e',$,'O1',$,$,$,$,'O1',1.5,1.2,.WINDOW.,.DOUBLE_PANEL_VERTICAL.,$);\n"
            "#6=IFCWINDOW('f',$,'O1',$,$,$,$,'O1',1.5,1.2,.WINDOW.,.DOUBLE_PANEL_VERTICAL.,$);\n"
            "#7=IFCWINDOW('g',$,'O2',$,$,$,$,'O2',1.2,0.9,.WINDOW.,.SINGLE_PANEL.,$);\n"
            "#8=IFCDOOR('h',$,'Drzwi',$,$,$,$,$,2.1,0.9,$,$,$);\n"
            "#9=IFCRELCONTAINEDINSPATIALSTRUCTURE('i',$,$,$,(#5,#6),#2);\n"
            "#10=IFCRELCONTAINEDINSPATIALSTRUCTURE('j',$,$,$,(#7),#3);\n"
            "ENDSEC;END-ISO-10303-21;\n";
        TModelIfc model;
        QString powod;
        if (CzytajModelIfc(ifc, &model, &powod)) {
            TImportIfcForm import(model, dialogi, &f);
            import.show();
            Zapisz(&import, QStringLiteral("import_ifc"));
            NaEkranie(&import, import.objectName());
            import.hide();
        } else {
            std::fprintf(stderr, "import IFC: %s\n", qPrintable(powod));
            ++niezapisane;
        }
    }
    // Qt's own dialogs the program opens, in Polish.
    {
        QPrinter drukarka(QPrinter::HighResolution);
        QPrintDialog druk(&drukarka, &f);
        druk.show();
        for (QAbstractButton* b : druk.findChildren<QAbstractButton*>())
            if (b->text().startsWith(QStringLiteral("&Opcje")))
                b->click();
        Zapisz(&druk, QStringLiteral("dialog_drukowania"));
        for (QTabWidget* karty : druk.findChildren<QTabWidget*>()) {
            for (int i = 1; i < karty->count(); ++i) {
                karty->setCurrentIndex(i);
                Zapisz(&druk, QStringLiteral("dialog_drukowania_%1").arg(i + 1));
            }
        }
        druk.hide();
        // With no printer installed, the program's own page setup.
        TUstawieniaStronyForm strona(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                                 QMarginsF(20, 20, 20, 20),
                                                 QPageLayout::Millimeter),
                                     &f);
        strona.show();
        Zapisz(&strona, QStringLiteral("ustawienia_strony"));
        NaEkranie(&strona, strona.objectName());
        strona.hide();
    }
    TAboutBox oProgramie(&f);
    oProgramie.show();
    Zapisz(&oProgramie, QStringLiteral("o_programie"));
    oProgramie.hide();

    // Forty windows that fail WT 2021 never widen the project panel.
    f.Zamknij();
    // The start page with the recent projects, and the recovery offered at
    // start-up, for the manual.
    QCoreApplication::processEvents();
    ZapiszObraz(f.grab(QRect(0, 0, 640, 400)).toImage(), QStringLiteral("glowne_ostatnie"));
    {
        TOdzysk odzysk(tymczasowy.filePath(QStringLiteral("odzysk")));
        TOdzyskForm odzyskForm(
            {{QStringLiteral("1"), tymczasowy.filePath(QStringLiteral("odzysk/1.tmv")),
              QStringLiteral("/home/projektant/Projekty/Dom pod Lipami.tmv"),
              QStringLiteral("Dom pod Lipami.tmv"), QDateTime(QDate(2026, 12, 9), QTime(14, 32))}},
            odzysk, dialogi, &f);
        odzyskForm.show();
        Zapisz(&odzyskForm, QStringLiteral("odzysk"));
        NaEkranie(&odzyskForm, QStringLiteral("odzysk"));
        odzyskForm.hide();
    }
    const QString czterdziesci = tymczasowy.filePath(QStringLiteral("40 okien.tmv"));
    {
        TZestawienieStolarki p;
        Przyklady(p);
        for (int i = 1; i <= 40; ++i) {
            const QString s = QStringLiteral("OKNO-NIESPELNIAJACE-%1").arg(i);
            p.AddOkno(s);
            p.CopyOknoParams(QStringLiteral("O1"), s);
        }
        if (ZapiszProjekt(p, czterdziesci) != WYNIK_OK || !f.OtworzPlik(czterdziesci)) {
            std::fprintf(stderr, "cannot open the project of forty windows\n");
            return 1;
        }
    }
    Zapisz(&f, QStringLiteral("panel_projektu_40_okien"));
    niemieszczace += Niemieszczace(f, f.StolarkaPanel, QStringLiteral("panel projektu (40 okien)"));

    std::printf("%d obrazów\n", zapisane);
    if (niemieszczace > 0)
        return 3;
    return zapisane > 0 && niezapisane == 0 ? 0 : 1;
}
