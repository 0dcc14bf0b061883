#pragma once

#include "model/katalog.h"
#include "ui/tables/dialogtabeli.h"

#include <QChartView>
#include <QLabel>

class QButtonGroup;
class QGroupBox;
class QLabel;
class QRadioButton;
class QScatterSeries;

// A chart of Uf over a frame dimension whose marked points can be clicked.
class TWykresUf : public QChartView {
    Q_OBJECT

public:
    explicit TWykresUf(QWidget* rodzic = nullptr);
    // Adds a line with square markers; `wLegendzie` false keeps it off the legend.
    void DodajSerie(const QString& nazwa, QColor kolor, const double* x, const double* y, int n,
                    bool wLegendzie);
    // Where point `punkt` of series `seria` lies in the view's coordinates.
    QPoint PozycjaPunktu(int seria, int punkt) const;
    // The names of the series in the legend, whole, for beneath the chart;
    // shown and hidden with the chart.
    QLabel* Legenda() const { return legenda_; }
    void setVisible(bool widoczny) override;

signals:
    // A click on a marked point gives its Uf; anywhere else, nothing.
    void kliknietoPunkt(double uf);
    void kliknietoTlo();

protected:
    void mouseReleaseEvent(QMouseEvent* zdarzenie) override;

private:
    QList<QScatterSeries*> punkty_;
    QLabel* legenda_ = nullptr;
};

// TUfTabForm: Uf of frames from the standard (fixed values and two charts)
// or the manufacturer's nine frame systems, with the frame's material.
class TUfTabForm : public TDialogTabeli {
    Q_OBJECT

public:
    explicit TUfTabForm(QWidget* rodzic = nullptr);

    // The frame material of the value chosen (a code of MaterialyRamy).
    int32_t WybranyMaterial() const { return material_; }

    QButtonGroup *RodzajRamyGB, *SztuczneMatTypRG, *MetalPrzeklTermGb, *RamyDV;
    QGroupBox *SztuczneRamka, *MetalRamka;
    TWykresUf *DrewnianaChart, *MetalowaChart;
    QLabel* PodpowiedzST;

protected:
    void PrzeliczStrone(Strona s) override;

private:
    void RodzajRamy();
    void Sztuczne();
    void Przekladka();
    void PrzyciskiDV();

    int32_t material_ = MATERIAL_PCV;
};
