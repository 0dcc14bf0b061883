#include "ui/main/importifcform.h"

#include "model/katalog.h"
#include "model/liczby.h"
#include "model/obliczenia/orientacje.h"
#include "model/obliczenia/wt2021.h"
#include "model/tekst.h"
#include "model/zestawienie.h"
#include "ui/main/polaliczbowe.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <cmath>
#include <numbers>

namespace {

// A small compass: the model's Y axis up, true north where the angle puts
// it (degrees counterclockwise from +Y).
class TKompas : public QWidget {
public:
    TKompas(const QDoubleSpinBox* kat, QWidget* rodzic) : QWidget(rodzic), kat_(kat) {
        setFixedSize(44, 44);
        setToolTip(QStringLiteral("Północ geograficzna względem osi Y modelu (w górę)"));
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        const QPointF s(width() / 2.0, height() / 2.0);
        const double r = std::min(width(), height()) / 2.0 - 2;
        p.setPen(palette().color(QPalette::WindowText));
        p.drawEllipse(s, r, r);
        // Counterclockwise from up: screen y grows downwards.
        const double a = kat_->value() * std::numbers::pi / 180;
        auto punkt = [&](double d) {
            return QPointF(s.x() - std::sin(a) * d, s.y() - std::cos(a) * d);
        };
        p.setPen(QPen(QColor(0xc6, 0x28, 0x28), 2));
        p.drawLine(s, punkt(r - 13));
        QFont f = font();
        f.setPixelSize(10);
        f.setBold(true);
        p.setFont(f);
        const QPointF n = punkt(r - 7);
        p.drawText(QRectF(n.x() - 6, n.y() - 6, 12, 12), Qt::AlignCenter, QStringLiteral("N"));
    }

private:
    const QDoubleSpinBox* kat_;
};

} // namespace

TImportIfcForm::TImportIfcForm(const TModelIfc& model, TDialogi& dialogi, QWidget* rodzic)
    : QDialog(rodzic), model_(model) {
    setObjectName(QStringLiteral("ImportIfcForm"));
    setWindowTitle(QStringLiteral("Import z IFC"));
    auto* glowny = new QVBoxLayout(this);

    PodsumowanieST = new QLabel(this);
    PodsumowanieST->setObjectName(QStringLiteral("PodsumowanieST"));
    PodsumowanieST->setWordWrap(true);
    glowny->addWidget(PodsumowanieST);

    // The storeys by elevation, each with the level its windows go to.
    auto* kondygnacje = new QGroupBox(QStringLiteral("Kondygnacje modelu"), this);
    auto* uk = new QVBoxLayout(kondygnacje);
    KondygnacjeSG = new QTableWidget(static_cast<int>(model.kondygnacje.size()), 4, kondygnacje);
    KondygnacjeSG->setObjectName(QStringLiteral("KondygnacjeSG"));
    KondygnacjeSG->setHorizontalHeaderLabels({QStringLiteral("Kondygnacja"),
                                              QStringLiteral("Rzędna [m]"), QStringLiteral("Okien"),
                                              QStringLiteral("Poziom")});
    KondygnacjeSG->verticalHeader()->hide();
    KondygnacjeSG->setEditTriggers(QAbstractItemView::NoEditTriggers);
    KondygnacjeSG->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    QStringList poziomy{QStringLiteral("podpiwniczenie"), QStringLiteral("parter")};
    for (int i = 1; i <= std::max<qsizetype>(1, model.kondygnacje.size()); ++i)
        poziomy << QString::number(i);
    poziomy << QStringLiteral("poddasze");
    const QStringList proponowane = ProponowanePoziomy(model.kondygnacje);
    for (int i = 0; i < model.kondygnacje.size(); ++i) {
        const TKondygnacjaIfc& k = model.kondygnacje[i];
        KondygnacjeSG->setItem(
            i, 0,
            new QTableWidgetItem(k.nazwa.isEmpty() ? QStringLiteral("(bez nazwy)") : k.nazwa));
        auto* rzedna = new QTableWidgetItem(TekstStaly(k.rzedna, 6, 2));
        rzedna->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        KondygnacjeSG->setItem(i, 1, rzedna);
        auto* okien = new QTableWidgetItem(QString::number(k.okien));
        okien->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        KondygnacjeSG->setItem(i, 2, okien);
        auto* poziom = new QComboBox(KondygnacjeSG);
        poziom->setObjectName(QStringLiteral("PoziomCB%1").arg(i));
        poziom->addItems(poziomy);
        poziom->setCurrentIndex(poziomy.indexOf(proponowane.value(i)));
        connect(poziom, &QComboBox::currentIndexChanged, this, &TImportIfcForm::Odswiez);
        KondygnacjeSG->setCellWidget(i, 3, poziom);
    }
    KondygnacjeSG->resizeColumnsToContents();
    if (KondygnacjeSG->rowCount() > 0)
        KondygnacjeSG->setColumnWidth(3, KondygnacjeSG->cellWidget(0, 3)->sizeHint().width() + 8);
    KondygnacjeSG->setMinimumHeight(
        std::min(6, std::max(2, static_cast<int>(model.kondygnacje.size()) + 1)) *
        (KondygnacjeSG->verticalHeader()->defaultSectionSize() + 2));
    uk->addWidget(KondygnacjeSG);
    glowny->addWidget(kondygnacje);

    // True north, and the pieces it puts on each direction.
    auto* strony = new QGroupBox(QStringLiteral("Strony świata"), this);
    auto* fs = new QFormLayout(strony);
    PolnocSE = new QDoubleSpinBox(strony);
    PolnocSE->setObjectName(QStringLiteral("PolnocSE"));
    PolnocSE->setRange(-360, 360);
    PolnocSE->setDecimals(1);
    PolnocSE->setSuffix(QStringLiteral("°"));
    PolnocSE->setValue(model.polnoc);
    PolnocSE->setMaximumWidth(100);
    PolnocSE->setToolTip(QStringLiteral("Kierunek północy geograficznej: kąt od osi Y modelu, "
                                        "dodatni przeciwnie do ruchu wskazówek zegara"));
    connect(PolnocSE, &QDoubleSpinBox::valueChanged, this, &TImportIfcForm::Odswiez);
    KompasST = new TKompas(PolnocSE, strony);
    KompasST->setObjectName(QStringLiteral("KompasST"));
    connect(PolnocSE, &QDoubleSpinBox::valueChanged, KompasST, qOverload<>(&QWidget::update));
    auto* polnoc = new QHBoxLayout;
    polnoc->addWidget(PolnocSE);
    polnoc->addWidget(KompasST);
    polnoc->addStretch();
    fs->addRow(model.polnocZModelu ? QStringLiteral("Północ (z modelu):")
                                   : QStringLiteral("Północ (model jej nie podaje):"),
               polnoc);
    KierunkiST = new QLabel(strony);
    KierunkiST->setObjectName(QStringLiteral("KierunkiST"));
    fs->addRow(QStringLiteral("Sztuk wg stron:"), KierunkiST);
    glowny->addWidget(strony);

    // The entries the import makes, each to be taken or left out.
    auto* okna = new QGroupBox(QStringLiteral("Pozycje zestawienia (odznacz, by pominąć)"), this);
    auto* uo = new QVBoxLayout(okna);
    OknaSG = new QTableWidget(0, 4, okna);
    OknaSG->setObjectName(QStringLiteral("OknaSG"));
    OknaSG->setHorizontalHeaderLabels({QStringLiteral("Symbol"), QStringLiteral("Wymiary [mm]"),
                                       QStringLiteral("Sztuk"), QStringLiteral("Rodzaj")});
    OknaSG->verticalHeader()->hide();
    OknaSG->setEditTriggers(QAbstractItemView::NoEditTriggers);
    OknaSG->setWordWrap(false);
    OknaSG->horizontalHeader()->setSectionResizeMode(3, QHeaderView::Stretch);
    {
        TZestawienieStolarki proba;
        UtworzProjektZIfc(model_, TOpcjeImportuIfc(), proba);
        OknaSG->setRowCount(proba.LiczbaOkienWLiscie());
        for (int i = 0; i < proba.LiczbaOkienWLiscie(); ++i) {
            const TOkno& o = *proba.Okno(i);
            auto* symbol = new QTableWidgetItem(o.Symbol());
            symbol->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
            symbol->setCheckState(Qt::Checked);
            OknaSG->setItem(i, 0, symbol);
            OknaSG->setItem(i, 1,
                            new QTableWidgetItem(QStringLiteral("%1 × %2").arg(
                                TekstOgolny(o.Szerokosc), TekstOgolny(o.Wysokosc))));
            auto* sztuk = new QTableWidgetItem(QString::number(o.SumaOkien()));
            sztuk->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            OknaSG->setItem(i, 2, sztuk);
            // A long kind ("drzwi balkonowe") cut short on one line, whole
            // in its tooltip.
            auto* rodzaj = new QTableWidgetItem(NazwaRodzaju(o.Rodzaj));
            rodzaj->setToolTip(rodzaj->text());
            OknaSG->setItem(i, 3, rodzaj);
        }
    }
    OknaSG->resizeColumnsToContents();
    OknaSG->setMinimumHeight(4 * (OknaSG->verticalHeader()->defaultSectionSize() + 2));
    connect(OknaSG, &QTableWidget::itemChanged, this, [this] { Odswiez(); });
    uo->addWidget(OknaSG);
    // The entries beside the values they get: the dialog fits a small screen.
    auto* dol = new QHBoxLayout;
    dol->addWidget(okna, 1);
    glowny->addLayout(dol);

    // What a model rarely holds, given to every window.
    auto* wartosci = new QGroupBox(QStringLiteral("Wartości dla wszystkich okien"), this);
    auto* fw = new QFormLayout(wartosci);
    auto liczba = [&](const char* nazwa, const char* klucz, const QString& etykieta,
                      const QString& tekst) {
        auto* e = new QLineEdit(tekst, wartosci);
        e->setObjectName(QLatin1String(nazwa));
        e->setAlignment(Qt::AlignRight);
        e->setMaximumWidth(80);
        PilnujPolaLiczbowego(e, klucz, dialogi);
        fw->addRow(etykieta, e);
        return e;
    };
    UgEd = liczba("UgEd", "Ug", QStringLiteral("Ug [W/m²K]:"), QStringLiteral("0"));
    UfEd = liczba("UfEd", "Uf", QStringLiteral("Uf [W/m²K]:"), QStringLiteral("0"));
    PsiGEd = liczba("PsiGEd", "Psi_g", QStringLiteral("Psi_g [W/mK]:"), QStringLiteral("0"));
    dRamyEd = liczba("dRamyEd", "dRamy", QStringLiteral("d [mm]:"), QStringLiteral("0"));
    dSlupkaEd = liczba("dSlupkaEd", "dSlupka", QStringLiteral("Słupki [mm]:"), QStringLiteral("0"));
    dSlupkaEd->setToolTip(QStringLiteral("Szerokość słupków i ślemion okien, dla których model jej "
                                         "nie podaje; 0: taka jak d"));
    MaterialRamyCB = new QComboBox(wartosci);
    MaterialRamyCB->setObjectName(QStringLiteral("MaterialRamyCB"));
    for (const TMaterialyRamy& m : MaterialyRamy())
        MaterialRamyCB->addItem(m.Nazwa);
    MaterialRamyCB->setCurrentText(QStringLiteral("PCV"));
    fw->addRow(QStringLiteral("Materiał ramy:"), MaterialRamyCB);
    dol->addWidget(wartosci);

    auto* przyciski = new QDialogButtonBox(this);
    ImportujBtn = przyciski->addButton(QStringLiteral("Importuj"), QDialogButtonBox::AcceptRole);
    ImportujBtn->setObjectName(QStringLiteral("ImportujBtn"));
    AnulujBtn = przyciski->addButton(QStringLiteral("Anuluj"), QDialogButtonBox::RejectRole);
    AnulujBtn->setObjectName(QStringLiteral("AnulujBtn"));
    connect(przyciski, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(przyciski, &QDialogButtonBox::rejected, this, &QDialog::reject);
    glowny->addWidget(przyciski);
    ImportujBtn->setEnabled(!model.okna.isEmpty());
    Odswiez();
}

TOpcjeImportuIfc TImportIfcForm::Opcje() const {
    TOpcjeImportuIfc o;
    o.polnoc = PolnocSE->value();
    for (int i = 0; i < KondygnacjeSG->rowCount(); ++i)
        if (const auto* c = qobject_cast<const QComboBox*>(KondygnacjeSG->cellWidget(i, 3)))
            o.poziomy << c->currentText();
    o.ug = LiczbaZTekstu(UgEd->text());
    o.uf = LiczbaZTekstu(UfEd->text());
    o.psi = LiczbaZTekstu(PsiGEd->text());
    o.d = LiczbaZTekstu(dRamyEd->text());
    o.slupek = LiczbaZTekstu(dSlupkaEd->text());
    for (int i = 0; i < OknaSG->rowCount(); ++i)
        if (const QTableWidgetItem* s = OknaSG->item(i, 0); s && s->checkState() != Qt::Checked)
            o.pominiete.insert(s->text());
    o.material = MaterialRamyCB->currentText();
    return o;
}

void TImportIfcForm::Odswiez() {
    // The schedule as it would be made, to say what it holds.
    TZestawienieStolarki proba;
    const TWynikImportuIfc w = UtworzProjektZIfc(model_, Opcje(), proba);
    QString tekst = QStringLiteral("Model %1: znaleziono %2 %3, %4 %5 zestawienia.")
                        .arg(model_.schemat)
                        .arg(w.okien)
                        .arg(Odmiana(w.okien, QStringLiteral("okno"), QStringLiteral("okna"),
                                     QStringLiteral("okien")))
                        .arg(Odmiana(w.okien, QStringLiteral("które da"),
                                     QStringLiteral("które dadzą"), QStringLiteral("które dadzą")))
                        .arg(QStringLiteral("%1 %2").arg(w.pozycji).arg(
                            Odmiana(w.pozycji, QStringLiteral("pozycję"), QStringLiteral("pozycje"),
                                    QStringLiteral("pozycji"))));
    if (w.bezWymiarow > 0)
        tekst += QStringLiteral(" Bez wymiarów: %1 (%2).")
                     .arg(w.bezWymiarow)
                     .arg(ListaSymboli(w.bezWymiarowSymbole, 5));
    if (w.bezUkladu > 0)
        tekst += QStringLiteral(" Bez sposobów otwierania skrzydeł (do ustawienia w "
                                "edytorze okna): %1.")
                     .arg(w.bezUkladu);
    if (w.okraglych > 0)
        tekst += QStringLiteral(" Okna okrągłe: %1.").arg(w.okraglych);
    if (w.wysokoscZBryly > 0)
        tekst += QStringLiteral(" Okna w dachu o wysokości wg bryły (model podaje wysokość w "
                                "rzucie na pion – sprawdź wymiary): %1.")
                     .arg(w.wysokoscZBryly);
    if (w.drzwiBalkonowych > 0)
        tekst += QStringLiteral(" Drzwi balkonowe i tarasowe: %1.").arg(w.drzwiBalkonowych);
    if (w.drzwiZewnetrznych > 0)
        tekst += QStringLiteral(" Drzwi zewnętrzne: %1.").arg(w.drzwiZewnetrznych);
    if (w.paneliFasad > 0)
        tekst += QStringLiteral(" Przeszklone panele fasad (jako oszklenie stałe): %1.")
                     .arg(w.paneliFasad);
    if (w.drzwiPominiete > 0)
        tekst += QStringLiteral(" Drzwi pominięte (wewnętrzne): %1.").arg(w.drzwiPominiete);
    if (w.stronaWgStropu + w.stronaWgSrodka > 0)
        tekst += QStringLiteral(" Strona zewnętrzna bez pomieszczeń kondygnacji (wg obrysu "
                                "stropów, budynku lub środka kondygnacji – sprawdź strony "
                                "świata): %1.")
                     .arg(w.stronaWgStropu + w.stronaWgSrodka);
    if (w.bezKondygnacji > 0)
        tekst += QStringLiteral(" Bez kondygnacji w modelu (przyjęto wg wysokości): %1.")
                     .arg(w.bezKondygnacji);
    // A model's error a designer cannot see: inner windows judged at 1,1.
    if (w.wewnetrznych > 0)
        tekst += QStringLiteral(" Uwaga: %1 oznaczono w modelu jako wewnętrzne (IsExternal = "
                                "fałsz) – będą oceniane jak okna w ścianie wewnętrznej (Umax "
                                "1,1); sprawdź, czy nie stoją w ścianie zewnętrznej.")
                     .arg(w.wewnetrznych);
    PodsumowanieST->setText(tekst);
    const std::array<int, 8> n = OknaWgKierunkow(model_, PolnocSE->value());
    QStringList kierunki;
    for (std::size_t i = 0; i < n.size(); ++i)
        kierunki << QStringLiteral("%1: %2").arg(SKROTY_KIERUNKOW[i]).arg(n[i]);
    KierunkiST->setText(kierunki.join(QStringLiteral("   ")));
}
