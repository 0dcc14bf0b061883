#include "ui/tables/tabuf.h"

#include "model/dane/produktydv.h"
#include "model/katalog.h"
#include "ui/tables/grupy.h"
#include "ui/tables/tabele_dane.h"

#include <QButtonGroup>
#include <QChart>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QLocale>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScatterSeries>
#include <QTabWidget>
#include <QVBoxLayout>
#include <QValueAxis>

#include <cmath>

namespace {

const double ufSztuczne[3] = {2.8, 2.2, 2.0};
constexpr double UF_METAL_BEZ_PRZEKLADKI = 5.9;
// A click this close to a marker takes its value.
constexpr double ZASIEG_KLIKNIECIA = 8;

const char* const uwagaNormy =
    "Wszystkie wartości dotyczą wyłącznie położenia pionowego. Wartości te mogą być stosowane, "
    "gdy brak jest danych pomiarowych lub obliczeniowych dla danej ramy. Oparto je na wielu "
    "wartościach zmierzonych i obliczonych; uwzględniają wpływ powierzchni rozwiniętych.\n";

// An axis over od … do_ with a tick every `krok` from `kotwica` (ticks where
// the data has its values).
QValueAxis* Os(double od, double do_, double kotwica, double krok, const QString& tytul,
               bool formatUf) {
    auto* os = new QValueAxis;
    os->setRange(od, do_);
    os->setTitleText(tytul);
    if (krok > 0) {
        os->setTickType(QValueAxis::TicksDynamic);
        os->setTickAnchor(kotwica);
        os->setTickInterval(krok);
    }
    os->setLabelFormat(formatUf ? QStringLiteral("%.1f") : QStringLiteral("%.0f"));
    return os;
}

} // namespace

// The view is made with its chart: a chart set later leaves the view's own
// first chart to whoever replaced it.
TWykresUf::TWykresUf(QWidget* rodzic) : QChartView(new QChart, rodzic) {
    QChart* wykres = chart();
    wykres->setBackgroundBrush(Qt::white);
    // Numbers on the axes in the user's notation (a decimal comma in Polish).
    wykres->setLocalizeNumbers(true);
    wykres->setLocale(QLocale());
    // The chart's own legend cuts long names short: the names are listed
    // whole under the chart instead.
    wykres->legend()->hide();
    legenda_ = new QLabel(this); // moved under the chart by the dialog's layout
    legenda_->setWordWrap(true);
    legenda_->setTextFormat(Qt::RichText);
    legenda_->hide();
    setRenderHint(QPainter::Antialiasing);
    setRubberBand(QChartView::NoRubberBand);
    setMinimumSize(360, 210);
}

void TWykresUf::DodajSerie(const QString& nazwa, QColor kolor, const double* x, const double* y,
                           int n, bool wLegendzie) {
    auto* linia = new QLineSeries;
    linia->setName(nazwa);
    linia->setColor(kolor);
    auto* znaczniki = new QScatterSeries;
    znaczniki->setMarkerShape(QScatterSeries::MarkerShapeRectangle);
    znaczniki->setMarkerSize(7);
    znaczniki->setColor(kolor);
    znaczniki->setBorderColor(kolor);
    for (int i = 0; i < n; ++i) {
        linia->append(x[i], y[i]);
        znaczniki->append(x[i], y[i]);
    }
    QChart* w = chart();
    w->addSeries(linia);
    w->addSeries(znaczniki);
    for (QAbstractSeries* s :
         {static_cast<QAbstractSeries*>(linia), static_cast<QAbstractSeries*>(znaczniki)}) {
        for (QAbstractAxis* os : w->axes())
            s->attachAxis(os);
    }
    if (wLegendzie) {
        QString tekst = legenda_->text();
        if (!tekst.isEmpty())
            tekst += QStringLiteral("<br>");
        tekst += QStringLiteral("<span style=\"color:%1\">&#9632;</span> %2")
                     .arg(kolor.name(), nazwa.toHtmlEscaped());
        legenda_->setText(tekst);
    }
    connect(znaczniki, &QScatterSeries::hovered, this, [this](const QPointF&, bool nad) {
        viewport()->setCursor(nad ? Qt::PointingHandCursor : Qt::ArrowCursor);
    });
    punkty_.append(znaczniki);
}

void TWykresUf::setVisible(bool widoczny) {
    QChartView::setVisible(widoczny);
    legenda_->setVisible(widoczny && !legenda_->text().isEmpty());
}

QPoint TWykresUf::PozycjaPunktu(int seria, int punkt) const {
    QScatterSeries* s = punkty_.at(seria);
    const QPointF naWykresie = chart()->mapToPosition(s->at(punkt), s);
    return mapFromScene(chart()->mapToScene(naWykresie));
}

void TWykresUf::mouseReleaseEvent(QMouseEvent* zdarzenie) {
    double najblizej = ZASIEG_KLIKNIECIA;
    double uf = 0;
    bool trafiony = false;
    for (int s = 0; s < punkty_.size(); ++s) {
        for (int i = 0; i < punkty_[s]->count(); ++i) {
            const QPoint p = PozycjaPunktu(s, i);
            const double d =
                std::hypot(p.x() - zdarzenie->position().x(), p.y() - zdarzenie->position().y());
            if (d <= najblizej) {
                najblizej = d;
                uf = punkty_[s]->at(i).y();
                trafiony = true;
            }
        }
    }
    if (trafiony)
        emit kliknietoPunkt(uf);
    else
        emit kliknietoTlo();
    QChartView::mouseReleaseEvent(zdarzenie);
}

TUfTabForm::TUfTabForm(QWidget* rodzic)
    : TDialogTabeli(QStringLiteral("Współczynnik przenikania ciepła Uf dla ram"),
                    QStringLiteral("Uf ="),
                    QStringLiteral("Współczynnik przenikania ciepła Uf dla ram"), rodzic) {
    setObjectName(QStringLiteral("UfTabForm"));
    namespace td = tabele_dane;
    QWidget* norma = Strony->widget(PolskaNorma);
    QVBoxLayout* u = UkladStrony(PolskaNorma);
    RodzajRamyGB = GrupaOpcji(QStringLiteral(" Rodzaj ramy "),
                              {QStringLiteral("z tworzywa sztucznego"), QStringLiteral("drewniana"),
                               QStringLiteral("metalowa")},
                              true, norma);
    u->addWidget(qobject_cast<QWidget*>(RodzajRamyGB->parent()));
    SztuczneMatTypRG = GrupaOpcji(
        QStringLiteral(" Materiał ramy / Typ ramy "),
        {QStringLiteral("poliuretan - z rdzeniem metalowym, grubość PUR >= 5mm"),
         QStringLiteral("PVC - puste profile - dwie puste komory z metalowym wzmocnieniem"),
         QStringLiteral("PVC - puste profile - trzy puste komory z metalowym wzmocnieniem")},
        false, norma, &SztuczneRamka);
    u->addWidget(SztuczneRamka);
    MetalPrzeklTermGb = GrupaOpcji(QStringLiteral(" Przekładka termiczna "),
                                   {QStringLiteral("bez przekładek termicznych"),
                                    QStringLiteral("z przekładkami termicznymi")},
                                   true, norma, &MetalRamka);
    u->addWidget(MetalRamka);

    DrewnianaChart = new TWykresUf(norma);
    DrewnianaChart->setObjectName(QStringLiteral("DrewnianaChart"));
    DrewnianaChart->chart()->setTitle(
        QStringLiteral("Współczynnik przenikania ciepła ram drewnianych<br>i ram "
                       "metalowo-drewnianych w zależności od grubości ramy df"));
    DrewnianaChart->chart()->addAxis(
        Os(25, 175, 30, 20, QStringLiteral("Grubość ramy df w mm"), false), Qt::AlignBottom);
    DrewnianaChart->chart()->addAxis(Os(0.9, 2.85, 0.9, 0.2, QStringLiteral("Uf (W/m2K)"), true),
                                     Qt::AlignLeft);
    DrewnianaChart->DodajSerie(
        QStringLiteral("drewno twarde (gęstość 700 kg/m3) lambda=0,18 W/(mK)"), Qt::red,
        td::UfDrewnoX, td::UfDrewnoTwarde, 15, true);
    DrewnianaChart->DodajSerie(
        QStringLiteral("drewno miękkie (gęstość 500 kg/m3) lambda=0,13 W/(mK)"), Qt::blue,
        td::UfDrewnoX, td::UfDrewnoMiekkie, 15, true);
    MetalowaChart = new TWykresUf(norma);
    MetalowaChart->setObjectName(QStringLiteral("MetalowaChart"));
    MetalowaChart->chart()->setTitle(
        QStringLiteral("Wartości Uf dla ram metalowych z przekładką termiczną"));
    MetalowaChart->chart()->addAxis(
        Os(3, 37, 4, 4,
           QStringLiteral("Najmniejsza odl. pomiędzy przeciwnymi profilami metalowymi w mm"),
           false),
        Qt::AlignBottom);
    MetalowaChart->chart()->addAxis(Os(2.4, 4.1, 2.4, 0.2, QStringLiteral("Uf (W/m2K)"), true),
                                    Qt::AlignLeft);
    MetalowaChart->DodajSerie(QStringLiteral("Uf"), Qt::red, td::UfMetalX, td::UfMetalPrzekladka,
                              17, false);
    PodpowiedzST = new QLabel(
        QStringLiteral("Kliknij na oznaczone na wykresie punkty aby pobrać wartość"), norma);
    PodpowiedzST->setObjectName(QStringLiteral("PodpowiedzST"));
    PodpowiedzST->setWordWrap(true);
    PodpowiedzST->setAlignment(Qt::AlignCenter);
    PodpowiedzST->setStyleSheet(QStringLiteral("color: red; font-size: 15px;"));
    PodpowiedzST->setMaximumWidth(130);
    auto* wykresy = new QHBoxLayout;
    auto* drewno = new QVBoxLayout;
    // No stretch factors: a chart that is hidden leaves no empty half behind.
    drewno->addWidget(DrewnianaChart, 1);
    drewno->addWidget(DrewnianaChart->Legenda());
    wykresy->addLayout(drewno);
    wykresy->addWidget(MetalowaChart);
    wykresy->addWidget(PodpowiedzST);
    u->addLayout(wykresy, 1);
    u->addWidget(
        Uwaga(QString::fromUtf8(uwagaNormy) + QLatin1Char('\n') + ZgodnoscZNorma(QLatin1Char('D')),
              norma));

    QWidget* dv = Strony->widget(OknaDV);
    QStringList opisy;
    for (const TRamaDV& r : ::RamyDV())
        opisy << r.opis;
    RamyDV = GrupaOpcji(QStringLiteral(" Ramy okienne D&&V "), opisy, false, dv);
    UkladStrony(OknaDV)->addWidget(qobject_cast<QWidget*>(RamyDV->parent()));
    UkladStrony(OknaDV)->addStretch();

    connect(RodzajRamyGB, &QButtonGroup::idClicked, this, &TUfTabForm::RodzajRamy);
    connect(SztuczneMatTypRG, &QButtonGroup::idClicked, this, &TUfTabForm::Sztuczne);
    connect(MetalPrzeklTermGb, &QButtonGroup::idClicked, this, &TUfTabForm::Przekladka);
    connect(RamyDV, &QButtonGroup::idClicked, this, &TUfTabForm::PrzyciskiDV);
    for (TWykresUf* w : {DrewnianaChart, MetalowaChart}) {
        connect(w, &TWykresUf::kliknietoPunkt, this, [this](double uf) { UstawWartosc(uf); });
        connect(w, &TWykresUf::kliknietoTlo, this, [this] { UstawWartosc(0); });
    }
    resize(720, 640);
}

void TUfTabForm::PrzeliczStrone(Strona s) {
    if (s == PolskaNorma) {
        RodzajRamy();
        zrodlo_ = ZrodloPolskaNorma;
        kod_ = 10;
    } else {
        zrodlo_ = ZrodloDV;
        PrzyciskiDV();
    }
}

void TUfTabForm::RodzajRamy() {
    const int rodzaj = RodzajRamyGB->checkedId();
    SztuczneRamka->setVisible(rodzaj == 0);
    DrewnianaChart->setVisible(rodzaj == 1);
    PodpowiedzST->setVisible(rodzaj == 1);
    MetalRamka->setVisible(rodzaj == 2);
    MetalowaChart->setVisible(false);
    if (rodzaj == 0) {
        Sztuczne();
        material_ = MATERIAL_PCV;
    } else if (rodzaj == 1) {
        UstawWartosc(0);
        material_ = MATERIAL_DREWNO;
    } else if (rodzaj == 2) {
        Przekladka();
        material_ = MATERIAL_METAL;
    }
}

void TUfTabForm::Sztuczne() {
    const int i = SztuczneMatTypRG->checkedId();
    if (i >= 0 && i < 3)
        UstawWartosc(ufSztuczne[i]);
}

void TUfTabForm::Przekladka() {
    const bool zPrzekladka = MetalPrzeklTermGb->checkedId() == 1;
    MetalowaChart->setVisible(zPrzekladka);
    PodpowiedzST->setVisible(zPrzekladka);
    UstawWartosc(zPrzekladka ? 0 : UF_METAL_BEZ_PRZEKLADKI);
}

void TUfTabForm::PrzyciskiDV() {
    kod_ = 0;
    const int i = RamyDV->checkedId();
    if (i < 0 || i >= ::RamyDV().size())
        return;
    const TRamaDV& rama = ::RamyDV()[i];
    UstawWartosc(rama.uf);
    kod_ = rama.kod;
    material_ = rama.material;
}
