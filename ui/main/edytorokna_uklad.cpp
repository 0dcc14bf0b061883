// The controls of the window editor and their layout; what they do is in
// edytorokna.cpp.

#include "ui/main/edytorokna.h"

#include "ui/main/edytorokna_pomoc.h"
#include "uslugi/polenotatki.h"

#include "model/liczby.h"
#include "model/obliczenia/wt2021.h"
#include "model/obliczenia/wt2021lato.h"
#include "ui/main/etykieta.h"
#include "ui/main/logodv.h"
#include "ui/main/siatkapieter.h"
#include "ui/tables/listaskrzydel.h"

#include <QCheckBox>
#include <QComboBox>
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
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

QLineEdit* PoleLiczby(const char* nazwa, const QString& podpowiedz, QWidget* rodzic) {
    auto* e = new QLineEdit(rodzic);
    e->setObjectName(QLatin1String(nazwa));
    e->setToolTip(podpowiedz);
    e->setAlignment(Qt::AlignRight);
    e->setMaximumWidth(70);
    return e;
}

QPushButton* Przycisk(const char* nazwa, const QString& tytul, const QString& podpowiedz,
                      QWidget* rodzic) {
    auto* b = new QPushButton(tytul, rodzic);
    b->setObjectName(QLatin1String(nazwa));
    b->setToolTip(podpowiedz);
    return b;
}

// A field at least as wide as `wzor` needs: the longest value it is
// expected to show whole (its frame and margins added).
void Mieszczace(QLineEdit* e, const QString& wzor) {
    e->setMinimumWidth(e->fontMetrics().horizontalAdvance(wzor) + 10);
}

// A button no wider than its longest line needs.
void Waski(QPushButton* b) {
    int szerokosc = 0;
    for (const QString& linia : b->text().split(QLatin1Char('\n')))
        szerokosc = std::max(szerokosc, b->fontMetrics().horizontalAdvance(linia));
    b->setMaximumWidth(szerokosc + 10);
}

// The editor as a designer's form: the picture with Uw, price and vents
// beside dimensions, type and sashes; the thermal values in two columns;
// the storey grid and the remarks side by side at the bottom.
void TEdytorOkna::UtworzPola() {
    auto* glowny = new QVBoxLayout(this);
    glowny->setContentsMargins(4, 2, 4, 2);
    glowny->setSpacing(2);

    auto* symbol = new QHBoxLayout;
    symbol->addWidget(new QLabel(QStringLiteral("Symbol okna:"), this));
    SymbolOknaEd = new QLineEdit(this);
    SymbolOknaEd->setObjectName(QStringLiteral("SymbolOknaEd"));
    SymbolOknaEd->setReadOnly(true);
    SymbolOknaEd->setToolTip(
        QStringLiteral("Niepowtarzalny symbol okna w ramach zestawienia stolarki"));
    SymbolOknaEd->setMaximumWidth(200);
    symbol->addWidget(SymbolOknaEd);
    ZmSymbBitBtn = Przycisk("ZmSymbBitBtn", QStringLiteral("Zmień symbol"),
                            QStringLiteral("Zmiana symbolu bieżącego okna"), this);
    symbol->addWidget(ZmSymbBitBtn);
    symbol->addSpacing(12);
    symbol->addWidget(new QLabel(QStringLiteral("Rodzaj:"), this));
    RodzajCB = new QComboBox(this);
    RodzajCB->setObjectName(QStringLiteral("RodzajCB"));
    RodzajCB->setToolTip(QStringLiteral("Rodzaj elementu, od którego zależy wymagany "
                                        "współczynnik Umax według WT 2021"));
    for (int i = 0; i < LiczbaRodzajow(); ++i)
        RodzajCB->addItem(NazwaRodzaju(i));
    symbol->addWidget(RodzajCB);
    symbol->addStretch();
    glowny->addLayout(symbol);

    auto* gora = new QHBoxLayout;
    gora->setSpacing(6);
    auto* lewa = new QVBoxLayout;
    lewa->setSpacing(2);
    OknoImage = new QLabel(this);
    OknoImage->setObjectName(QStringLiteral("OknoImage"));
    OknoImage->setFixedSize(SZEROKOSC_RYSUNKU, WYSOKOSC_RYSUNKU);
    lewa->addWidget(OknoImage);
    auto* uw = new QHBoxLayout;
    uw->addWidget(new QLabel(QStringLiteral("Uw ="), this));
    UwOknaEd = new QLineEdit(this);
    UwOknaEd->setObjectName(QStringLiteral("UwOknaEd"));
    UwOknaEd->setReadOnly(true);
    QFont pogrubiona = UwOknaEd->font();
    pogrubiona.setBold(true);
    UwOknaEd->setFont(pogrubiona);
    // Wide enough for its longest text, "brak danych", in bold.
    UwOknaEd->setFixedWidth(
        QFontMetrics(pogrubiona).horizontalAdvance(QStringLiteral("brak danych")) + 16);
    UwOknaEd->setToolTip(
        QStringLiteral("Wypadkowy współczynnik przenikania ciepła przez projektowane okno"));
    uw->addWidget(UwOknaEd);
    uw->addWidget(new QLabel(QStringLiteral("W/m²K"), this));
    RefreshUwOkna = Przycisk(
        "RefreshUwOkna", QStringLiteral("  Przelicz Uw"),
        QStringLiteral("Przelicza wypadkowy współczynnik przenikania ciepła przez projektowane "
                       "okno"),
        this);
    uw->addWidget(RefreshUwOkna);
    uw->addStretch();
    lewa->addLayout(uw);
    // Where a window has a shutter, the line gives the value judged (the
    // window without it, beside the field's Uw with it) and its tooltip both.
    WT2021ST = new TEtykietaSkracana(this);
    WT2021ST->setObjectName(QStringLiteral("WT2021ST"));
    lewa->addWidget(WT2021ST);
    Lato2021ST = new QLabel(this);
    Lato2021ST->setObjectName(QStringLiteral("Lato2021ST"));
    Lato2021ST->setToolTip(QStringLiteral("Letnia zasada WT 2021: g·fC nie większe niż 0,35 (poza "
                                          "oknami na NW, N i NE oraz mniejszymi niż 0,5 m²)"));
    lewa->addWidget(Lato2021ST);
    // Under the verdicts, as wide as the picture: every value whole, on a
    // second line where the first has no room; two lines always kept, so
    // nothing moves. The tooltip says it in full.
    GeometriaST = new QLabel(this);
    GeometriaST->setObjectName(QStringLiteral("GeometriaST"));
    GeometriaST->setFixedWidth(SZEROKOSC_RYSUNKU);
    GeometriaST->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QFont drobne = GeometriaST->font();
    drobne.setPointSizeF(drobne.pointSizeF() * 0.9);
    GeometriaST->setFont(drobne);
    GeometriaST->setFixedHeight(2 * QFontMetrics(drobne).lineSpacing());
    lewa->addWidget(GeometriaST);

    WycenaPanel = new QWidget(this);
    WycenaPanel->setObjectName(QStringLiteral("WycenaPanel"));
    auto* wycena = new QHBoxLayout(WycenaPanel);
    wycena->setContentsMargins(0, 0, 0, 0);
    wycena->addWidget(new QLabel(QStringLiteral("Szacunkowa cena"), WycenaPanel));
    CenaEd = PoleLiczby("CenaEd", QStringLiteral("Szacunkowa cena okna (zł netto)"), WycenaPanel);
    Mieszczace(CenaEd, QStringLiteral("9999999,99"));
    CenaEd->setMaximumWidth(CenaEd->minimumWidth());
    wycena->addWidget(CenaEd);
    wycena->addWidget(new QLabel(QStringLiteral("zł netto"), WycenaPanel));
    BrakWycenyBBtn = Przycisk("BrakWycenyBBtn", QStringLiteral("?"), QString(), WycenaPanel);
    BrakWycenyBBtn->setFixedWidth(24);
    wycena->addWidget(BrakWycenyBBtn);
    DVImage = new QLabel(WycenaPanel);
    DVImage->setObjectName(QStringLiteral("DVImage"));
    DVImage->setPixmap(LogoDV());
    DVImage->setFixedSize(DVImage->pixmap().size());
    // The logo's place stays when it is hidden: nothing moves under the mouse.
    QSizePolicy miejsce = DVImage->sizePolicy();
    miejsce.setRetainSizeWhenHidden(true);
    DVImage->setSizePolicy(miejsce);
    wycena->addWidget(DVImage);
    wycena->addStretch();
    lewa->addWidget(WycenaPanel);
    lewa->addWidget(UtworzNawiewniki());
    lewa->addStretch();
    gora->addLayout(lewa);
    gora->addWidget(UtworzWymiaryITyp(), 1);
    gora->addStretch(1);
    glowny->addLayout(gora);

    glowny->addWidget(UtworzParametry());

    auto* dol = new QGridLayout;
    dol->setVerticalSpacing(1);
    // One line: the grid's label may reach over the remarks' column, whose
    // own label stands at its right.
    auto* etykiety = new QHBoxLayout;
    etykiety->addWidget(new QLabel(QStringLiteral("Podaj liczbę okien przypadającą na "
                                                  "kondygnację zależnie od strony świata:"),
                                   this));
    etykiety->addStretch();
    etykiety->addWidget(new QLabel(QStringLiteral("Wpisz uwagi:"), this));
    dol->addLayout(etykiety, 0, 0, 1, 2);
    OknaNaKondSG = new TSiatkaPieter(this);
    dol->addWidget(OknaNaKondSG, 1, 0);
    UwagiMemo = new TPoleNotatki(this);
    UwagiMemo->setObjectName(QStringLiteral("UwagiMemo"));
    UwagiMemo->setToolTip(QStringLiteral("Uwagi dodatkowe dotyczące projektowanego okna"));
    UwagiMemo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    dol->addWidget(UwagiMemo, 1, 1);
    dol->setColumnStretch(1, 1);
    dol->setRowStretch(1, 1);
    glowny->addLayout(dol, 1);
    UstawKolejnosc();
}

// Tab walks the fields as a user reads them, the buttons last; Tab in the
// remarks leaves them.
void TEdytorOkna::UstawKolejnosc() {
    UwagiMemo->setTabChangesFocus(true);
    QWidget* const kolejne[] = {
        SymbolOknaEd,
        RodzajCB,
        SzerokoscEd,
        WysokoscEd,
        OkragleCB,
        TypOknaCB,
        SkrzydlaVLE,
        UgEd,
        UfEd,
        MaterialRamyCB,
        PsiGEd,
        UpEd,
        PsiPEd,
        dRamyEd,
        dSlupkaEd,
        LgEd,
        gEd,
        fCEd,
        OslonaCB,
        dREd,
        LiczbaNawiewnikowSE,
        SzerokoscNawiewnikaED,
        CenaEd,
        OknaNaKondSG,
        UwagiMemo,
        ZmSymbBitBtn,
        RefreshUwOkna,
        BrakWycenyBBtn,
        WybierzTypOknaBBtn,
        SetAllTypOknaBBtn,
        SetAllOtwSkrzBBtn,
        UgBBtn,
        SetAllUgBBtn,
        UfBBtn,
        SetAllUfBBtn,
        Psi_gBBtn,
        SetAllPsigBBtn,
        SetAlldRamyBBtn,
        PodpowLgBBtn,
        dRBBtn,
        SetAlldRBBtn,
    };
    for (std::size_t i = 1; i < std::size(kolejne); ++i)
        setTabOrder(kolejne[i - 1], kolejne[i]);
}

QWidget* TEdytorOkna::UtworzWymiaryITyp() {
    auto* w = new QWidget(this);
    // As wide as the longest type name needs, in a wide panel too.
    w->setMaximumWidth(560);
    auto* uklad = new QVBoxLayout(w);
    uklad->setContentsMargins(0, 0, 0, 0);
    uklad->setSpacing(2);
    uklad->addWidget(new QLabel(QStringLiteral("Podaj wymiary zewnętrzne okna:"), w));
    SzerokoscEd =
        PoleLiczby("SzerokoscEd", QStringLiteral("Szerokość projektowanego okna w milimetrach"), w);
    WysokoscEd =
        PoleLiczby("WysokoscEd", QStringLiteral("Wysokość projektowanego okna w milimetrach"), w);
    for (QLineEdit* e : {SzerokoscEd, WysokoscEd}) {
        Mieszczace(e, QStringLiteral("99999,5"));
        e->setMaximumWidth(e->minimumWidth());
    }
    auto* wymiary = new QHBoxLayout;
    wymiary->addWidget(new QLabel(QStringLiteral("szerokość:"), w));
    wymiary->addWidget(SzerokoscEd);
    wymiary->addWidget(new QLabel(QStringLiteral("mm"), w));
    wymiary->addSpacing(4);
    wymiary->addWidget(new QLabel(QStringLiteral("wysokość:"), w));
    wymiary->addWidget(WysokoscEd);
    wymiary->addWidget(new QLabel(QStringLiteral("mm"), w));
    wymiary->addStretch();
    uklad->addLayout(wymiary);

    auto* typ = new QHBoxLayout;
    typ->addWidget(new QLabel(QStringLiteral("Wybierz typ okna:"), w));
    TypOknaCB = new QComboBox(w);
    TypOknaCB->setObjectName(QStringLiteral("TypOknaCB"));
    TypOknaCB->setToolTip(QStringLiteral("Typ projektowanego okna"));
    TypOknaCB->setMaxVisibleItems(10);
    // Ten rows open, whatever the style would do with a short list.
    TypOknaCB->setStyleSheet(QStringLiteral("QComboBox { combobox-popup: 0; }"));
    typ->addWidget(TypOknaCB, 1);
    uklad->addLayout(typ);
    auto* przyciskiTypu = new QHBoxLayout;
    WybierzTypOknaBBtn =
        Przycisk("WybierzTypOknaBBtn", QStringLiteral("Wybierz"), QStringLiteral("Wybierz"), w);
    przyciskiTypu->addWidget(WybierzTypOknaBBtn);
    SetAllTypOknaBBtn =
        Przycisk("SetAllTypOknaBBtn", QStringLiteral("Przypisz\nwszystkim"),
                 QStringLiteral("Ustawia bieżący typ okna dla wszystkich okien w projekcie"), w);
    przyciskiTypu->addWidget(SetAllTypOknaBBtn);
    przyciskiTypu->addStretch();
    // The outline beside the type's buttons: a row as high as they are and
    // wide enough in the narrowest editor.
    OkragleCB = new QCheckBox(QStringLiteral("okrągłe"), w);
    OkragleCB->setObjectName(QStringLiteral("OkragleCB"));
    OkragleCB->setToolTip(QStringLiteral("Okno okrągłe: koło (lub elipsa) wpisane w szerokość i "
                                         "wysokość; pole, szyba i obwód szyby z koła"));
    przyciskiTypu->addWidget(OkragleCB);
    uklad->addLayout(przyciskiTypu);

    // The sash list keeps the column's whole width for the kinds' names.
    auto* skrzydla = new QHBoxLayout;
    skrzydla->addWidget(new QLabel(QStringLiteral("Określ sposób otwierania skrzydeł:"), w), 1,
                        Qt::AlignBottom);
    SetAllOtwSkrzBBtn = Przycisk(
        "SetAllOtwSkrzBBtn", QStringLiteral("Przypisz\nwszystkim"),
        QStringLiteral("Ustawia bieżące sposoby otwierania skrzydeł dla wszystkich okien w "
                       "projekcie"),
        w);
    skrzydla->addWidget(SetAllOtwSkrzBBtn);
    uklad->addLayout(skrzydla);
    SkrzydlaVLE = new TListaSkrzydel(55, w);
    SkrzydloCB = SkrzydlaVLE->SkrzydloCB;
    uklad->addWidget(SkrzydlaVLE);
    uklad->addStretch();
    return w;
}

QWidget* TEdytorOkna::UtworzNawiewniki() {
    auto* g = new QGroupBox(QStringLiteral("Podaj parametry nawiewników:"), this);
    auto* uklad = new QHBoxLayout(g);
    uklad->setContentsMargins(6, 2, 6, 4);
    uklad->addWidget(new QLabel(QStringLiteral("liczba:"), g));
    LiczbaNawiewnikowSE = new QSpinBox(g);
    LiczbaNawiewnikowSE->setObjectName(QStringLiteral("LiczbaNawiewnikowSE"));
    LiczbaNawiewnikowSE->setRange(0, MAX_NAWIEWNIKOW);
    LiczbaNawiewnikowSE->setToolTip(
        QStringLiteral("Liczba nawiewników do zamontowania w projektowanym oknie"));
    uklad->addWidget(LiczbaNawiewnikowSE);
    uklad->addWidget(new QLabel(QStringLiteral("szerokość:"), g));
    SzerokoscNawiewnikaED = PoleLiczby("SzerokoscNawiewnikaED",
                                       QStringLiteral("Szerokość pojedynczego nawiewnika w mm"), g);
    uklad->addWidget(SzerokoscNawiewnikaED);
    uklad->addWidget(new QLabel(QStringLiteral("mm"), g));
    uklad->addStretch();
    // The help floats over the picture above the vents instead of pushing
    // the fields down under the mouse (placed when shown).
    SzerNawiewLabHelp =
        new QLabel(QStringLiteral("Szerokość nawiewnika nie może przekroczyć (szerokość okna − 2 × "
                                  "szerokość profilu) ÷ liczba nawiewników"),
                   this);
    SzerNawiewLabHelp->setObjectName(QStringLiteral("SzerNawiewLabHelp"));
    SzerNawiewLabHelp->setWordWrap(true);
    SzerNawiewLabHelp->setAlignment(Qt::AlignCenter);
    SzerNawiewLabHelp->setStyleSheet(QStringLiteral(
        "background-color: yellow; color: blue; font-weight: bold; font-size: 8pt;"));
    SzerNawiewLabHelp->hide();
    return g;
}
