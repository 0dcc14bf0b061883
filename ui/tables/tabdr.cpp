#include "ui/tables/tabdr.h"

#include "ui/tables/grupy.h"
#include "ui/tables/tabele_dane.h"

#include <QButtonGroup>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

// dR = a · Rsh + b by air-permeability category, very high to tight.
struct Wzor {
    double a, b;
};
const Wzor wzory[5] = {{0, 0.08}, {0.25, 0.09}, {0.55, 0.11}, {0.80, 0.14}, {0.95, 0.17}};

} // namespace

TdRTabForm::TdRTabForm(QWidget* rodzic)
    : TDialogTabeli(QStringLiteral("Wartości dodatkowego oporu cieplnego dR żaluzji/rolet"),
                    QStringLiteral("dR ="),
                    QStringLiteral("Wartości dodatkowego oporu cieplnego dR spowodowanego warstwą "
                                   "powietrza zawartą pomiędzy żaluzją a oknem oraz samą "
                                   "zamkniętą żaluzją"),
                    rodzic) {
    setObjectName(QStringLiteral("dRTabForm"));
    QWidget* norma = Strony->widget(PolskaNorma);
    TypZaluzjiRG = GrupaOpcji(
        QStringLiteral(" Typ żaluzji "),
        {QStringLiteral("zwijane aluminiowe"),
         QStringLiteral("zwijane drewniane i z tworzywa sztucznego bez wypełnienia pianką"),
         QStringLiteral("zwijane z tworzywa sztucznego z wypełnieniem pianką"),
         QStringLiteral("drewniane o grubości 25 mm do 30 mm")},
        false, norma);
    KategorieGB = GrupaOpcji(
        QStringLiteral(" Kategorie przepuszczalności powietrza żaluzji "),
        {QStringLiteral("żaluzje o bardzo wysokiej przepuszczalności powietrza"),
         QStringLiteral("żaluzje o wysokiej przepuszczalności powietrza"),
         QStringLiteral("żaluzje o średniej przepuszczalności powietrza (okiennice pełne, "
                        "drewniane żaluzje weneckie z pełnymi listwami na zakładkę, żaluzje "
                        "zwijane wykonane z drewna, tworzywa sztucznego lub metalu, z wkładkami "
                        "łączącymi)"),
         QStringLiteral("żaluzje o niskiej przepuszczalności powietrza"),
         QStringLiteral("żaluzje szczelne")},
        false, norma);
    QVBoxLayout* u = UkladStrony(PolskaNorma);
    u->addWidget(qobject_cast<QWidget*>(TypZaluzjiRG->parent()));
    u->addWidget(qobject_cast<QWidget*>(KategorieGB->parent()));
    u->addWidget(Uwaga(ZgodnoscZNorma(QLatin1Char('G')), norma));

    QWidget* dv = Strony->widget(OknaDV);
    RoletyDVRG =
        GrupaOpcji(QStringLiteral(" Rolety kompaktowe "),
                   {QStringLiteral("średnia wartość dR dla rolet kompaktowych D&&V")}, false, dv);
    UkladStrony(OknaDV)->addWidget(qobject_cast<QWidget*>(RoletyDVRG->parent()));
    UkladStrony(OknaDV)->addStretch();

    connect(TypZaluzjiRG, &QButtonGroup::idClicked, this, &TdRTabForm::PrzeliczDR);
    connect(KategorieGB, &QButtonGroup::idClicked, this, &TdRTabForm::PrzeliczDR);
    connect(RoletyDVRG, &QButtonGroup::idClicked, this, [this] { UstawWartosc(DR_ROLET_DV); });
}

void TdRTabForm::PrzeliczStrone(Strona s) {
    if (s == PolskaNorma)
        PrzeliczDR();
    else
        UstawWartosc(DR_ROLET_DV);
}

void TdRTabForm::PrzeliczDR() {
    const int typ = TypZaluzjiRG->checkedId();
    const double rsh = typ >= 0 && typ < 4 ? tabele_dane::Rsh[typ] : 0;
    double dr = 0;
    const int kategoria = KategorieGB->checkedId();
    if (kategoria >= 0 && kategoria < 5)
        dr = wzory[kategoria].a * rsh + wzory[kategoria].b;
    UstawWartosc(dr);
}
