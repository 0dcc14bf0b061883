#include "ui/tables/tabpsig.h"

#include "ui/tables/grupy.h"
#include "ui/tables/tabele_dane.h"

#include <QButtonGroup>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

const char* const uwagaNormy =
    "Wartości dla rozpórek nieujętych w tablicy mogą być wyznaczone na podstawie obliczeń "
    "komputerowych zgodnie z prEN ISO 10077-2 \"Thermal performance of windows, doors and "
    "shutters - Calculation of thermal transmittance - Part 2: Numerical method for frames\".\n";

const char* const uwagaDV =
    "Liniowy współczynnik przenikania ciepła Psi_g ramki dystansowej może przyjmować wartości "
    "od 0,04 aż do 0,08 W/mK. Ta sama szyba osadzona w różnych systemach, a nawet w różnych "
    "przekrojach jednego systemu, daje różne wartości Psi_g. Dla każdego systemu istnieje "
    "tabela przekrojów (rama stała, ościeżnica, skrzydło, skrzydło-słupek-skrzydło, szpros), "
    "ich wartości U oraz Psi_g dla danej szyby i przekroju - najczęściej tylko dla szyby 1,1 z "
    "ramką aluminiową. Różne szyby (1,1; 0,6) i różne ramki (alu, ciepła ramka D&V, Termix) "
    "dają inne Psi_g dla każdego połączenia.";

} // namespace

TPsigTabForm::TPsigTabForm(QWidget* rodzic)
    : TDialogTabeli(QStringLiteral("Współczynnik przenikania ciepła Psi_g dla rozpórek szyb"),
                    QStringLiteral("Psi_g ="),
                    QStringLiteral("Wartości liniowego współczynnika przenikania ciepła Psi_g dla "
                                   "rozpórek szyb z aluminium i stali (nie ze stali nierdzewnej)"),
                    rodzic) {
    setObjectName(QStringLiteral("PsigTabForm"));
    QWidget* norma = Strony->widget(PolskaNorma);
    MaterialRamyGB = GrupaOpcji(QStringLiteral(" Materiał ramy "),
                                {QStringLiteral("rama drewniana i rama z tworzywa sztucznego"),
                                 QStringLiteral("rama metalowa z przekładką termiczną"),
                                 QStringLiteral("rama metalowa bez przekładki termicznej")},
                                false, norma);
    OszklenieGB = GrupaOpcji(
        QStringLiteral(" Oszklenie "),
        {QStringLiteral("podwójne lub potrójne oszklenie, szkło niepokryte, przestrzeń "
                        "powietrzna lub gazowa"),
         QStringLiteral("podwójne oszklenie o niskiej emisyjności, przestrzeń powietrzna lub "
                        "gazowa"),
         QStringLiteral("potrójne oszklenie o dwóch pokryciach o niskiej emisyjności, "
                        "przestrzeń powietrzna lub gazowa")},
        false, norma);
    QVBoxLayout* u = UkladStrony(PolskaNorma);
    u->addWidget(qobject_cast<QWidget*>(MaterialRamyGB->parent()));
    u->addWidget(qobject_cast<QWidget*>(OszklenieGB->parent()));
    u->addWidget(
        Uwaga(QString::fromUtf8(uwagaNormy) + QLatin1Char('\n') + ZgodnoscZNorma(QLatin1Char('E')),
              norma));

    QWidget* dv = Strony->widget(OknaDV);
    QVBoxLayout* d = UkladStrony(OknaDV);
    d->addWidget(Uwaga(QString::fromUtf8(uwagaDV), dv));
    RodzajRamyDVGB = GrupaOpcji(
        QStringLiteral(" Rodzaj ramy "),
        {QStringLiteral("drewniana"), QStringLiteral("PCV"), QStringLiteral("aluminiowa")}, true,
        dv);
    RamkaDVRG = GrupaOpcji(QStringLiteral(" Ramka dystansowa "),
                           {QStringLiteral("aluminiowa"), QStringLiteral("stalowa"),
                            QStringLiteral("z polimerów konstrukcyjnych")},
                           false, dv);
    d->addWidget(qobject_cast<QWidget*>(RodzajRamyDVGB->parent()));
    d->addWidget(qobject_cast<QWidget*>(RamkaDVRG->parent()));
    d->addStretch();

    connect(MaterialRamyGB, &QButtonGroup::idClicked, this,
            &TPsigTabForm::UstawWartosciPsigZTabeli);
    connect(OszklenieGB, &QButtonGroup::idClicked, this, &TPsigTabForm::UstawWartosciPsigZTabeli);
    connect(RodzajRamyDVGB, &QButtonGroup::idClicked, this, &TPsigTabForm::WartoscDV);
    connect(RamkaDVRG, &QButtonGroup::idClicked, this, &TPsigTabForm::WartoscDV);
}

void TPsigTabForm::PrzeliczStrone(Strona s) {
    if (s == PolskaNorma)
        UstawWartosciPsigZTabeli();
    else
        WartoscDV();
}

void TPsigTabForm::UstawWartosciPsigZTabeli() {
    const int material = MaterialRamyGB->checkedId();
    const int oszklenie = OszklenieGB->checkedId() == 0 ? 0 : 1;
    if (material < 0 || OszklenieGB->checkedId() < 0) {
        UstawWartoscTekst(QStringLiteral("0"));
        return;
    }
    UstawWartosc(tabele_dane::TablicaPsi_g[material * 2 + oszklenie]);
}

void TPsigTabForm::WartoscDV() {
    const int rama = RodzajRamyDVGB->checkedId();
    const int ramka = RamkaDVRG->checkedId();
    if (rama < 0 || ramka < 0) {
        UstawWartoscTekst(QStringLiteral("0"));
        return;
    }
    // Wooden and PVC frames share the first row.
    UstawWartosc(tabele_dane::Psi_gDV[(rama == 2 ? 1 : 0) * 3 + ramka]);
}
