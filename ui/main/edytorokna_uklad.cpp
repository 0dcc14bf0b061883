// The controls of the window editor and their layout; what they do is in
// edytorokna.cpp.

#include "ui/main/edytorokna.h"

#include "model/liczby.h"
#include "model/obliczenia/wt2021.h"
#include "model/obliczenia/wt2021lato.h"
#include "ui/main/etykieta.h"
#include "ui/main/logodv.h"
#include "ui/main/siatkapieter.h"
#include "ui/tables/listaskrzydel.h"

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

namespace {

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

} // namespace

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
    UwagiMemo = new QPlainTextEdit(this);
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
        TypOknaCB,
        SkrzydlaVLE,
        UgEd,
        UfEd,
        MaterialRamyCB,
        PsiGEd,
        dRamyEd,
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

QWidget* TEdytorOkna::UtworzParametry() {
    auto* g = new QGroupBox(QStringLiteral("Określ parametry okna:"), this);
    auto* uklad = new QGridLayout(g);
    uklad->setContentsMargins(6, 2, 6, 4);
    uklad->setVerticalSpacing(1);
    uklad->setHorizontalSpacing(2);
    // The two-line buttons in a smaller type, as low as their two lines need:
    // two columns of rows then fit the panel.
    QFont drobna = font();
    drobna.setPointSizeF(drobna.pointSizeF() * 0.85);
    const int wysokosc = QFontMetrics(drobna).lineSpacing() * 2 + 6;
    auto przycisk = [g, wysokosc, drobna](const char* nazwa, const QString& tytul,
                                          const QString& podpowiedz) {
        QPushButton* b = Przycisk(nazwa, tytul, podpowiedz, g);
        b->setFont(drobna);
        b->setFixedHeight(wysokosc);
        Waski(b);
        return b;
    };
    auto pomocnicze = [&](const char* nazwa, const QString& podpowiedz) {
        return przycisk(nazwa, QStringLiteral("Wartości\npomocnicze"), podpowiedz);
    };
    auto wszystkim = [&](const char* nazwa, const QString& podpowiedz) {
        return przycisk(nazwa, QStringLiteral("Przypisz\nwszystkim"), podpowiedz);
    };
    // Nine characters whole ("0,0000001", "1,2345678"): more than any table
    // gives and what a typed value usually has.
    auto waskie = [](QLineEdit* e) {
        Mieszczace(e, QStringLiteral("0,0000001"));
        e->setMaximumWidth(e->minimumWidth());
        return e;
    };
    auto zrodlo = [g, drobna](const char* nazwa) {
        auto* l = new QLabel(g);
        l->setObjectName(QLatin1String(nazwa));
        l->setStyleSheet(QStringLiteral("color: blue;"));
        l->setFont(drobna);
        return l;
    };
    auto ukryta = [g](const char* nazwa) {
        auto* l = new QLabel(g);
        l->setObjectName(QLatin1String(nazwa));
        l->hide();
        return l;
    };
    // Two columns of rows: label, field, unit, source, two buttons each.
    constexpr int KOLUMN = 6;
    int wiersze[2] = {0, 0};
    auto wiersz = [&](int strona, const QString& etykieta, QWidget* pole, const QString& jednostka,
                      QWidget* opis, QPushButton* b1, QPushButton* b2) {
        const int k = strona * KOLUMN;
        int& w = wiersze[strona];
        uklad->addWidget(new QLabel(etykieta, g), w, k);
        // The value's source in small blue type under its field.
        if (opis) {
            auto* pod = new QVBoxLayout;
            pod->setSpacing(0);
            pod->addWidget(pole);
            pod->addWidget(opis);
            uklad->addLayout(pod, w, k + 1);
        } else {
            uklad->addWidget(pole, w, k + 1);
        }
        if (!jednostka.isEmpty())
            uklad->addWidget(new QLabel(jednostka, g), w, k + 2, Qt::AlignTop | Qt::AlignLeft);
        if (b1)
            uklad->addWidget(b1, w, k + 3);
        if (b2)
            uklad->addWidget(b2, w, k + 4);
        ++w;
    };

    UgEd = PoleLiczby("UgEd",
                      QStringLiteral("Współczynnik przenikania ciepła przez oszklenie bez "
                                     "uwzględnienia wpływu liniowych mostków termicznych"),
                      g);
    DostawcaUgST = zrodlo("DostawcaUgST");
    SzkloKodIdST = ukryta("SzkloKodIdST");
    UgBBtn = pomocnicze("UgBBtn", QStringLiteral("Wybrane współczynniki przenikania ciepła Ug "
                                                 "podwójnego i potrójnego oszklenia wypełnionego "
                                                 "różnymi gazami"));
    SetAllUgBBtn = wszystkim(
        "SetAllUgBBtn", QStringLiteral("Ustawia bieżącą wartość współczynnika przenikania "
                                       "ciepła Ug dla oszklenia dla wszystkich okien w projekcie"));
    waskie(UgEd);
    wiersz(0, QStringLiteral("Ug"), UgEd, QStringLiteral("W/m²K"), DostawcaUgST, UgBBtn,
           SetAllUgBBtn);

    UfEd = PoleLiczby("UfEd",
                      QStringLiteral("Współczynnik przenikania ciepła przez skrzydła ram i "
                                     "ościeżnicę"),
                      g);
    DostawcaUfST = zrodlo("DostawcaUfST");
    RamaKodIdST = ukryta("RamaKodIdST");
    UfBBtn = pomocnicze("UfBBtn", QStringLiteral("Wybrane współczynniki przenikania ciepła Uf "
                                                 "dla ram"));
    SetAllUfBBtn = wszystkim("SetAllUfBBtn",
                             QStringLiteral("Ustawia bieżącą wartość współczynnika przenikania "
                                            "ciepła Uf dla ram dla wszystkich okien w projekcie"));
    waskie(UfEd);
    wiersz(0, QStringLiteral("Uf"), UfEd, QStringLiteral("W/m²K"), DostawcaUfST, UfBBtn,
           SetAllUfBBtn);

    MaterialRamyCB = new QComboBox(g);
    MaterialRamyCB->setObjectName(QStringLiteral("MaterialRamyCB"));
    MaterialRamyCB->setToolTip(QStringLiteral("Materiał z jakiego wykonana jest rama okna"));
    uklad->addWidget(new QLabel(QStringLiteral("Materiał ramy:"), g), wiersze[0], 0, 1, 2);
    uklad->addWidget(MaterialRamyCB, wiersze[0], 2, 1, 2);
    ++wiersze[0];

    PsiGEd = PoleLiczby("PsiGEd",
                        QStringLiteral("Liniowy współczynnik przenikania ciepła przez opaskę "
                                       "zespalającą szyby oraz ich styk z ramą okienną"),
                        g);
    Psi_gBBtn = pomocnicze("Psi_gBBtn",
                           QStringLiteral("Wybrane wartości liniowego współczynnika przenikania "
                                          "ciepła Psi_g dla rozpórek szyb z aluminium i stali"));
    SetAllPsigBBtn = wszystkim("SetAllPsigBBtn",
                               QStringLiteral("Ustawia bieżącą wartość współczynnika przenikania "
                                              "ciepła Psi_g dla rozpórek dla wszystkich okien w "
                                              "projekcie"));
    waskie(PsiGEd);
    wiersz(1, QStringLiteral("Psi_g"), PsiGEd, QStringLiteral("W/mK"), nullptr, Psi_gBBtn,
           SetAllPsigBBtn);

    dRamyEd = PoleLiczby("dRamyEd", QStringLiteral("Szerokość profilu"), g);
    SetAlldRamyBBtn = wszystkim("SetAlldRamyBBtn",
                                QStringLiteral("Ustawia bieżącą wartość szerokości profilu d dla "
                                               "wszystkich okien w projekcie"));
    LgEd = PoleLiczby("LgEd",
                      QStringLiteral("Łączna długość krawędzi tafli oszklenia, czyli długość "
                                     "liniowego mostka termicznego"),
                      g);
    PodpowLgBBtn = przycisk(
        "PodpowLgBBtn", QStringLiteral("Podpowiedz\nwartość Lg"),
        QStringLiteral("Autoobliczenie łącznej długości krawędzi tafli oszklenia na podstawie "
                       "wybranego typu okna oraz średniej szerokości profilu"));
    waskie(dRamyEd);
    waskie(LgEd);
    // d above Lg: the Lg suggestion is worked out from d.
    uklad->addWidget(new QLabel(QStringLiteral("d"), g), wiersze[1], KOLUMN);
    uklad->addWidget(dRamyEd, wiersze[1], KOLUMN + 1);
    uklad->addWidget(new QLabel(QStringLiteral("mm"), g), wiersze[1], KOLUMN + 2);
    uklad->addWidget(SetAlldRamyBBtn, wiersze[1], KOLUMN + 4);
    ++wiersze[1];
    wiersz(1, QStringLiteral("Lg"), LgEd, QStringLiteral("mm"), nullptr, PodpowLgBBtn, nullptr);

    // The summer rule: gn of the glazing ("brak" when unknown), the shading
    // device and a typed fC (empty: the device's).
    gEd = PoleLiczby("gEd",
                     QStringLiteral("Całkowity współczynnik przepuszczalności energii słonecznej "
                                    "oszklenia gn (0…1); „brak”, gdy nieznany. Dla szyby "
                                    "potrójnej z powłoką selektywną WT 2021 przyjmuje 0,5."),
                     g);
    fCEd = PoleLiczby("fCEd",
                      QStringLiteral("Współczynnik fC osłony wpisany dla tego okna; puste: "
                                     "wartość osłony z tabeli WT 2021"),
                      g);
    waskie(gEd);
    waskie(fCEd);
    auto* gfc = new QHBoxLayout;
    gfc->addWidget(gEd);
    gfc->addSpacing(6);
    gfc->addWidget(new QLabel(QStringLiteral("fC"), g));
    gfc->addWidget(fCEd);
    gfc->addStretch();
    uklad->addWidget(new QLabel(QStringLiteral("g"), g), wiersze[1], KOLUMN);
    uklad->addLayout(gfc, wiersze[1], KOLUMN + 1, 1, 4);
    ++wiersze[1];
    OslonaCB = new QComboBox(g);
    OslonaCB->setObjectName(QStringLiteral("OslonaCB"));
    OslonaCB->setToolTip(QStringLiteral("Urządzenie przeciwsłoneczne okna i jego współczynnik fC "
                                        "według WT 2021"));
    for (int i = 0; i < LiczbaOslon(); ++i)
        OslonaCB->addItem(
            QStringLiteral("%1 (fC = %2)").arg(NazwaOslony(i), TekstStaly(FcOslony(i), 4, 2)));
    OslonaCB->setMinimumContentsLength(18);
    OslonaCB->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    uklad->addWidget(new QLabel(QStringLiteral("Osłona"), g), wiersze[1], KOLUMN);
    uklad->addWidget(OslonaCB, wiersze[1], KOLUMN + 1, 1, 4);
    ++wiersze[1];

    dREd = PoleLiczby("dREd", QStringLiteral("Dodatkowy opór cieplny dR żaluzji/rolety"), g);
    dRBBtn = pomocnicze("dRBBtn", QStringLiteral("Wybrane współczynniki dodatkowego oporu "
                                                 "cieplnego dR żaluzji/rolet"));
    SetAlldRBBtn = wszystkim(
        "SetAlldRBBtn", QStringLiteral("Ustawia bieżącą wartość dodatkowego oporu cieplnego dR "
                                       "żaluzji/rolet dla wszystkich okien w projekcie"));
    auto* zaluzje = new QLabel(QStringLiteral("Określ parametry żaluzji/rolet:"), g);
    uklad->addWidget(zaluzje, wiersze[0], 0, 1, 4, Qt::AlignBottom);
    ++wiersze[0];
    waskie(dREd);
    wiersz(0, QStringLiteral("dR"), dREd, QStringLiteral("m²K/W"), nullptr, dRBBtn, SetAlldRBBtn);
    // The two columns side by side; a wide panel's room goes after them.
    uklad->setColumnMinimumWidth(KOLUMN - 1, 24);
    uklad->setColumnStretch(2 * KOLUMN, 1);
    return g;
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
    SzerNawiewLabHelp = new QLabel(
        QStringLiteral("Maksymalna szerokość nawiewnika nie może przekroczyć wartości równej "
                       "(SzerokośćOkna-2*SzerokoscProfilu)/LiczbaNawiewników"),
        this);
    SzerNawiewLabHelp->setObjectName(QStringLiteral("SzerNawiewLabHelp"));
    SzerNawiewLabHelp->setWordWrap(true);
    SzerNawiewLabHelp->setAlignment(Qt::AlignCenter);
    SzerNawiewLabHelp->setStyleSheet(QStringLiteral(
        "background-color: yellow; color: blue; font-weight: bold; font-size: 8pt;"));
    SzerNawiewLabHelp->hide();
    return g;
}
