// The window editor's thermal values: two columns of rows, each a label,
// a field, its unit, its source, and the reference and "apply to all"
// buttons.
// The controls of the window editor and their layout; what they do is in
// edytorokna.cpp.

#include "ui/main/edytorokna.h"

#include "ui/main/edytorokna_pomoc.h"

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
    dSlupkaEd = PoleLiczby("dSlupkaEd",
                           QStringLiteral("Szerokość słupków i ślemion między skrzydłami; 0: "
                                          "taka jak szerokość profilu d"),
                           g);
    waskie(dRamyEd);
    // A mullion's width is whole millimetres or a tenth: narrower than d,
    // so the row keeps the column's width.
    Mieszczace(dSlupkaEd, QStringLiteral("1000,5"));
    dSlupkaEd->setMaximumWidth(dSlupkaEd->minimumWidth());
    waskie(LgEd);
    // d above Lg: the Lg suggestion is worked out from d and the mullions.
    auto* profile = new QHBoxLayout;
    profile->addWidget(dRamyEd);
    profile->addSpacing(4);
    profile->addWidget(new QLabel(QStringLiteral("słupki"), g));
    profile->addWidget(dSlupkaEd);
    profile->addWidget(new QLabel(QStringLiteral("mm"), g));
    profile->addStretch();
    uklad->addWidget(new QLabel(QStringLiteral("d"), g), wiersze[1], KOLUMN);
    uklad->addLayout(profile, wiersze[1], KOLUMN + 1, 1, 3);
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
    // Opaque panels (sashes of the kind "płycina"): their U and edge bridge,
    // in a row shown only for a window that has them.
    UpEd = PoleLiczby("UpEd",
                      QStringLiteral("Współczynnik przenikania ciepła płyciny nieprzezroczystej "
                                     "(skrzydła o sposobie otwierania „płycina”)"),
                      g);
    PsiPEd = PoleLiczby("PsiPEd",
                        QStringLiteral("Liniowy współczynnik przenikania ciepła styku płyciny z "
                                       "ramą"),
                        g);
    // Values of two or three decimals: narrower than the other fields, so
    // the row keeps the column's width.
    for (QLineEdit* e : {UpEd, PsiPEd}) {
        Mieszczace(e, QStringLiteral("0,0001"));
        e->setMaximumWidth(e->minimumWidth());
    }
    PlycinyPanel = new QWidget(g);
    PlycinyPanel->setObjectName(QStringLiteral("PlycinyPanel"));
    auto* plyciny = new QHBoxLayout(PlycinyPanel);
    plyciny->setContentsMargins(0, 0, 0, 0);
    plyciny->setSpacing(2);
    plyciny->addWidget(new QLabel(QStringLiteral("Up"), PlycinyPanel));
    plyciny->addWidget(UpEd);
    plyciny->addWidget(new QLabel(QStringLiteral("W/m²K"), PlycinyPanel));
    plyciny->addSpacing(6);
    plyciny->addWidget(new QLabel(QStringLiteral("Psi_p"), PlycinyPanel));
    plyciny->addWidget(PsiPEd);
    plyciny->addWidget(new QLabel(QStringLiteral("W/mK"), PlycinyPanel));
    plyciny->addStretch();
    PlycinyPanel->hide();
    // The panels' row takes the place of the shutter's heading in a window
    // that has panels: the editor keeps its size either way.
    NaglowekRoletyST = new QLabel(QStringLiteral("Określ parametry żaluzji/rolet:"), g);
    auto* nadRoleta = new QVBoxLayout;
    nadRoleta->setSpacing(0);
    nadRoleta->addWidget(PlycinyPanel);
    nadRoleta->addWidget(NaglowekRoletyST, 0, Qt::AlignBottom);
    uklad->addLayout(nadRoleta, wiersze[0], 0, 1, 5);
    ++wiersze[0];
    waskie(dREd);
    wiersz(0, QStringLiteral("dR"), dREd, QStringLiteral("m²K/W"), nullptr, dRBBtn, SetAlldRBBtn);
    // The two columns side by side; a wide panel's room goes after them.
    uklad->setColumnMinimumWidth(KOLUMN - 1, 24);
    uklad->setColumnStretch(2 * KOLUMN, 1);
    return g;
}
