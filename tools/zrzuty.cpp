// termivo-zrzuty OUT_DIR: renders every state of the program worth looking
// at into PNG files, off screen, with the Polish locale and the fonts of the
// system, so that anyone can see the windows as a user does.
// Exits with 3 when the project panel or the window editor needs a scroll bar
// or shows a control outside the main window's client area, or a dialog does
// not fit a 1024 × 768 screen.

#include "tools/zrzuty_narzedzia.h"

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

using namespace zrzuty;

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
        // Also beside the pictures: the package ships it as the manual's
        // example.
        if (ZapiszProjekt(p, przyklad) != WYNIK_OK ||
            ZapiszProjekt(p, QDir(katalog).filePath(QStringLiteral("Dom pod Lipami.tmv"))) !=
                WYNIK_OK ||
            !f.OtworzPlik(przyklad)) {
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
        // A round window: its circle, glass and sash.
        TZestawienieStolarki r;
        r.AddOkno(QStringLiteral("OK1"));
        TOkno& k = *r.GetOkno(QStringLiteral("OK1"));
        k.Ksztalt = KSZTALT_OKRAGLY;
        k.TypOkna = 1001;
        k.RodzajSkrzydla[0] = 2;
        k.Szerokosc = k.Wysokosc = 900;
        k.Ug = 0.6;
        k.Uf = 1.3;
        k.Psi_g = 0.04;
        k.dRamy = 100;
        k.Lg = -1;
        if (ZapiszProjekt(r, skrajne) != WYNIK_OK || !f.Zamknij() || !f.OtworzPlik(skrajne)) {
            std::fprintf(stderr, "cannot open the project of a round window\n");
            return 1;
        }
        Wybierz(f, QStringLiteral("OK1"));
        Zapisz(f.ElementStolarkiPanel, QStringLiteral("edytor_okragle_sam"));
        niemieszczace += Nieczytelne(f.ElementStolarkiPanel, QStringLiteral("edytor (okrągłe)"));
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
    // The whole catalogue for the manual, at a readable size, each sheet
    // lower than a page: one to four sashes, five, six to eight.
    ZapiszObraz(ArkuszTypow(1, 4), QStringLiteral("typy_okien_1_4"));
    ZapiszObraz(ArkuszTypow(5, 5), QStringLiteral("typy_okien_5"));
    ZapiszObraz(ArkuszTypow(6, 8), QStringLiteral("typy_okien_6_8"));
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
            // A round window (its opening a circle) and a roof window whose
            // height the model gives as its vertical extent.
            "#11=IFCWINDOW('k',$,'O3',$,$,$,$,'O3',0.9,0.9,.WINDOW.,.SINGLE_PANEL.,$);\n"
            "#12=IFCOPENINGELEMENT('l',$,$,$,$,$,#13,$,$);\n"
            "#13=IFCPRODUCTDEFINITIONSHAPE($,$,(#14));\n"
            "#14=IFCSHAPEREPRESENTATION($,'Body','SweptSolid',(#15));\n"
            "#15=IFCEXTRUDEDAREASOLID(#16,$,$,0.3);\n"
            "#16=IFCCIRCLEPROFILEDEF(.AREA.,$,$,0.45);\n"
            "#17=IFCRELFILLSELEMENT('m',$,$,$,#12,#11);\n"
            "#20=IFCSLAB('n',$,'Dach',$,$,$,$,$,.ROOF.);\n"
            "#21=IFCOPENINGELEMENT('o',$,$,$,$,$,$,$,$);\n"
            "#22=IFCRELVOIDSELEMENT('p',$,$,$,#20,#21);\n"
            "#23=IFCRELFILLSELEMENT('q',$,$,$,#21,#24);\n"
            "#24=IFCWINDOW('r',$,'O4',$,$,$,#25,'O4',0.677,0.78,.SKYLIGHT.,.SINGLE_PANEL.,$);\n"
            "#25=IFCPRODUCTDEFINITIONSHAPE($,$,(#26));\n"
            "#26=IFCSHAPEREPRESENTATION($,'Body','SweptSolid',(#27));\n"
            "#27=IFCEXTRUDEDAREASOLID(#28,#29,$,0.1);\n"
            "#28=IFCRECTANGLEPROFILEDEF(.AREA.,$,$,0.78,1.18);\n"
            "#29=IFCAXIS2PLACEMENT3D(#30,#31,#32);\n"
            "#30=IFCCARTESIANPOINT((0.,0.,0.));\n"
            "#31=IFCDIRECTION((0.,-0.573576436,0.819152044));\n"
            "#32=IFCDIRECTION((1.,0.,0.));\n"
            "#33=IFCRELCONTAINEDINSPATIALSTRUCTURE('s',$,$,$,(#11,#24),#4);\n"
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
        // A user's file, not the home folder of the machine making the
        // pictures.
        drukarka.setOutputFileName(QStringLiteral("/home/projektant/Projekty/Dom pod Lipami.pdf"));
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
              QStringLiteral("Dom pod Lipami.tmv"), QDateTime(QDate(2026, 12, 9), QTime(14, 32)),
              QByteArray()}},
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
