#include "ui/tables/tabug.h"

#include "model/dane/produktydv.h"
#include "model/dane/wt2021lato_dane.h"
#include "model/katalog.h"
#include "model/liczby.h"
#include "ui/tables/grupy.h"
#include "ui/tables/tabele_dane.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

const QStringList szklaPodwojne = {QStringLiteral("szkło niepokryte (zwykłe) - emisyjność 0.89"),
                                   QStringLiteral("jedna szyba pokryta - emisyjność <=0.4"),
                                   QStringLiteral("jedna szyba pokryta - emisyjność <=0.2"),
                                   QStringLiteral("jedna szyba pokryta - emisyjność <=0.1"),
                                   QStringLiteral("jedna szyba pokryta - emisyjność <=0.05")};
const QStringList szklaPotrojne = {QStringLiteral("szkło niepokryte (zwykłe) - emisyjność 0.89"),
                                   QStringLiteral("dwie szyby pokryte - emisyjność <=0.4"),
                                   QStringLiteral("dwie szyby pokryte - emisyjność <=0.2"),
                                   QStringLiteral("dwie szyby pokryte - emisyjność <=0.1"),
                                   QStringLiteral("dwie szyby pokryte - emisyjność <=0.05")};
const QStringList wymiaryPodwojne = {QStringLiteral("4 -  6 - 4"), QStringLiteral("4 -  9 - 4"),
                                     QStringLiteral("4 - 12 - 4"), QStringLiteral("4 - 15 - 4"),
                                     QStringLiteral("4 - 20 - 4")};
const QStringList wymiaryPotrojne = {QStringLiteral("4 -  6 - 4 -  6 - 4"),
                                     QStringLiteral("4 -  9 - 4 -  9 - 4"),
                                     QStringLiteral("4 - 12 - 4 - 12 - 4"), QString(), QString()};

const char* const uwagaNormy =
    "UWAGA: Powyższe wartości współczynnika przenikania ciepła obliczono z zastosowaniem EN 673 "
    "\"Glass in building - Determination of thermal transmittance (U value) - Calculation "
    "method\". Wartości dotyczą podanych emisyjności i stężeń gazu; mogą one zmieniać się z "
    "czasem. Procedury starzeniowe podano w prEN 1279-1 \"Glass in building - Insulating glass "
    "units - Part 1: Generalities and dimensional tolerances\" i prEN 1279-3 \"Glass in "
    "building - Insulating glass units - Part 3: Long term test method and requirements for gas "
    "leakage rate and for gas concentration tolerances\".\n";

} // namespace

TUgTabForm::TUgTabForm(QWidget* rodzic)
    : TDialogTabeli(QStringLiteral("Współczynnik przenikania ciepła Ug oszklenia"),
                    QStringLiteral("Ug ="),
                    QStringLiteral("Współczynnik przenikania ciepła Ug podwójnego i potrójnego "
                                   "oszklenia wypełnionego różnymi gazami"),
                    rodzic) {
    setObjectName(QStringLiteral("UgTabForm"));
    QWidget* norma = Strony->widget(PolskaNorma);
    QVBoxLayout* u = UkladStrony(PolskaNorma);
    TypOszkleniaUgRG = GrupaOpcji(
        QStringLiteral(" Typ oszklenia"),
        {QStringLiteral("oszklenie podwójne"), QStringLiteral("oszklenie potrójne")}, true, norma);
    SzkloEmisyjnoscUgRG =
        GrupaOpcji(QStringLiteral(" Szkło/Emisyjność normalna "), szklaPodwojne, false, norma);
    WymiaryUgRG = GrupaOpcji(QStringLiteral(" Wymiary (mm) "), wymiaryPodwojne, false, norma);
    RodzajGazuUgRG =
        GrupaOpcji(QStringLiteral(" Rodzaj przestrzeni gazowej (stężenie gazu >=90%) "),
                   {QStringLiteral("powietrze"), QStringLiteral("argon"), QStringLiteral("krypton"),
                    QStringLiteral("SF6")},
                   true, norma);
    auto* srodek = new QHBoxLayout;
    srodek->addWidget(qobject_cast<QWidget*>(SzkloEmisyjnoscUgRG->parent()), 2);
    srodek->addWidget(qobject_cast<QWidget*>(WymiaryUgRG->parent()), 1);
    u->addWidget(qobject_cast<QWidget*>(TypOszkleniaUgRG->parent()));
    u->addLayout(srodek);
    u->addWidget(qobject_cast<QWidget*>(RodzajGazuUgRG->parent()));
    TypoweGCB = new QCheckBox(
        QStringLiteral("Wpisz też typowe g = %1 (oszklenie potrójne z powłoką selektywną, WT 2021)")
            .arg(TekstOgolny(G_POTROJNE_SELEKTYWNE)),
        norma);
    TypoweGCB->setObjectName(QStringLiteral("TypoweGCB"));
    TypoweGCB->setToolTip(QStringLiteral("Tylko gdy g zastosowanej szyby nie jest znane."));
    u->addWidget(TypoweGCB);
    u->addWidget(
        Uwaga(QString::fromUtf8(uwagaNormy) + QLatin1Char('\n') + ZgodnoscZNorma(QLatin1Char('C')),
              norma));

    QWidget* dv = Strony->widget(OknaDV);
    // The manufacturer's glass, in the order of the catalogue.
    QStringList szkla;
    for (const TSzkloDV& s : SzklaDV())
        szkla << s.opis;
    QGroupBox* grupa = nullptr;
    QButtonGroup* szklaDV =
        GrupaOpcji(QStringLiteral(" Szyby termoizolacyjne D&&V "), szkla, false, dv, &grupa);
    RadioButton1 = qobject_cast<QRadioButton*>(szklaDV->button(0));
    RadioButton2 = qobject_cast<QRadioButton*>(szklaDV->button(1));
    UkladStrony(OknaDV)->addWidget(grupa);
    UkladStrony(OknaDV)->addStretch();

    connect(TypOszkleniaUgRG, &QButtonGroup::idClicked, this, &TUgTabForm::UstawPozycjeOszklenia);
    connect(SzkloEmisyjnoscUgRG, &QButtonGroup::idClicked, this, &TUgTabForm::PrzeliczUg);
    connect(RodzajGazuUgRG, &QButtonGroup::idClicked, this, &TUgTabForm::PrzeliczUg);
    connect(WymiaryUgRG, &QButtonGroup::idClicked, this, [this](int wiersz) {
        // Triple glazing has no fourth and fifth dimension rows.
        if (TypOszkleniaUgRG->checkedId() == 1 && wiersz >= 3)
            WymiaryUgRG->button(0)->setChecked(true);
        PrzeliczUg();
    });
    UtworzObliczenie();
    connect(RadioButton1, &QRadioButton::clicked, this, &TUgTabForm::PrzyciskiDV);
    connect(RadioButton2, &QRadioButton::clicked, this, &TUgTabForm::PrzyciskiDV);
}

void TUgTabForm::PrzeliczStrone(Strona s) {
    PobierzBtn->setEnabled(true);
    if (s == ObliczenieUg) {
        PrzeliczBudowe();
        zrodlo_ = ZrodloInny;
        kod_ = 0;
    } else if (s == PolskaNorma) {
        UstawPozycjeOszklenia();
        zrodlo_ = ZrodloPolskaNorma;
        kod_ = 10;
    } else {
        PrzyciskiDV();
        zrodlo_ = ZrodloDV;
    }
}

void TUgTabForm::UstawPozycjeOszklenia() {
    const bool potrojne = TypOszkleniaUgRG->checkedId() == 1;
    for (int i = 0; i < 5; ++i) {
        SzkloEmisyjnoscUgRG->button(i)->setText(potrojne ? szklaPotrojne[i] : szklaPodwojne[i]);
        WymiaryUgRG->button(i)->setText(potrojne ? wymiaryPotrojne[i] : wymiaryPodwojne[i]);
    }
    SzkloEmisyjnoscUgRG->button(0)->setChecked(true);
    WymiaryUgRG->button(0)->setChecked(true);
    TypoweGCB->setChecked(false);
    PrzeliczUg();
}

void TUgTabForm::PrzeliczUg() {
    const int typ = TypOszkleniaUgRG->checkedId();
    const int szklo = SzkloEmisyjnoscUgRG->checkedId();
    const int wymiar = WymiaryUgRG->checkedId();
    const int gaz = RodzajGazuUgRG->checkedId();
    // Only coated triple glazing has a typical g here; a change of glazing
    // takes the tick away.
    TypoweGCB->setEnabled(typ == 1 && szklo >= 1);
    if (!TypoweGCB->isEnabled())
        TypoweGCB->setChecked(false);
    if (typ < 0 || szklo < 0 || wymiar < 0 || gaz < 0) {
        UstawWartoscTekst(QStringLiteral("0"));
        return;
    }
    UstawWartosc(tabele_dane::TablicaUg[typ * 100 + szklo * 20 + wymiar * 4 + gaz]);
}

void TUgTabForm::PrzyciskiDV() {
    kod_ = 0;
    const int i = RadioButton1->isChecked() ? 0 : RadioButton2->isChecked() ? 1 : -1;
    if (i < 0)
        return;
    UstawWartosc(SzklaDV().at(i).ug);
    kod_ = SzklaDV().at(i).kod;
}

double TUgTabForm::TypoweG() const {
    return Strony->currentIndex() == PolskaNorma && TypoweGCB->isEnabled() && TypoweGCB->isChecked()
               ? G_POTROJNE_SELEKTYWNE
               : -1;
}
