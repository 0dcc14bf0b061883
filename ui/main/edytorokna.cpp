#include "edytorokna.h"

#include "kanwaqpainter.h"
#include "liczby.h"
#include "siatkapieter.h"
#include "zestawienie.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

TEdytorOkna::TEdytorOkna(QWidget* rodzic) : QWidget(rodzic) {
    setObjectName(QStringLiteral("ElementStolarkiPanel"));
    auto* glowny = new QVBoxLayout(this);

    auto* symbol = new QHBoxLayout;
    symbol->addWidget(new QLabel(QStringLiteral("Symbol okna:"), this));
    SymbolOknaEd = new QLineEdit(this);
    SymbolOknaEd->setObjectName(QStringLiteral("SymbolOknaEd"));
    SymbolOknaEd->setReadOnly(true);
    SymbolOknaEd->setToolTip(
        QStringLiteral("Niepowtarzalny symbol okna w ramach zestawienia stolarki"));
    symbol->addWidget(SymbolOknaEd);
    ZmSymbBitBtn = new QPushButton(QStringLiteral("Zmień symbol"), this);
    ZmSymbBitBtn->setObjectName(QStringLiteral("ZmSymbBitBtn"));
    ZmSymbBitBtn->setToolTip(QStringLiteral("Zmiana symbolu bieżącego okna"));
    symbol->addWidget(ZmSymbBitBtn);
    symbol->addStretch();
    glowny->addLayout(symbol);

    OknoImage = new QLabel(this);
    OknoImage->setObjectName(QStringLiteral("OknoImage"));
    OknoImage->setFixedSize(SZEROKOSC_RYSUNKU, WYSOKOSC_RYSUNKU);
    glowny->addWidget(OknoImage);

    auto* uw = new QHBoxLayout;
    uw->addWidget(new QLabel(QStringLiteral("Uw ="), this));
    UwOknaEd = new QLineEdit(this);
    UwOknaEd->setObjectName(QStringLiteral("UwOknaEd"));
    UwOknaEd->setReadOnly(true);
    UwOknaEd->setMaximumWidth(80);
    QFont pogrubiona = UwOknaEd->font();
    pogrubiona.setBold(true);
    UwOknaEd->setFont(pogrubiona);
    UwOknaEd->setToolTip(
        QStringLiteral("Wypadkowy współczynnik przenikania ciepła przez projektowane okno"));
    uw->addWidget(UwOknaEd);
    uw->addWidget(new QLabel(QStringLiteral("W/m²K"), this));
    RefreshUwOkna = new QPushButton(QStringLiteral("  Przelicz Uw"), this);
    RefreshUwOkna->setObjectName(QStringLiteral("RefreshUwOkna"));
    RefreshUwOkna->setToolTip(QStringLiteral(
        "Przelicza wypadkowy współczynnik przenikania ciepła przez projektowane okno"));
    uw->addWidget(RefreshUwOkna);
    uw->addStretch();
    glowny->addLayout(uw);

    glowny->addWidget(new QLabel(QStringLiteral("Podaj liczbę okien przypadającą na "
                                                "kondygnację zależnie od strony świata:"),
                                 this));
    OknaNaKondSG = new TSiatkaPieter(this);
    glowny->addWidget(OknaNaKondSG);

    connect(ZmSymbBitBtn, &QPushButton::clicked, this, &TEdytorOkna::zmienSymbol);
    connect(RefreshUwOkna, &QPushButton::clicked, this, &TEdytorOkna::przeliczUw);
    Resetuj();
}

void TEdytorOkna::Rysuj(const TZestawienieStolarki& projekt) {
    QPixmap obraz(SZEROKOSC_RYSUNKU, WYSOKOSC_RYSUNKU);
    {
        QPainter p(&obraz);
        TKanwaQPainter kanwa(p);
        RysujOkno(projekt, kanwa, SZEROKOSC_RYSUNKU, WYSOKOSC_RYSUNKU);
    }
    OknoImage->setPixmap(obraz);
}

void TEdytorOkna::Pokaz(TZestawienieStolarki& projekt, TOkno& okno) {
    SymbolOknaEd->setText(okno.Symbol());
    UwOknaEd->setText(TekstStaly(okno.Uw(), 4, 2));
    OknaNaKondSG->Pokaz(projekt, okno);
    if (projekt.FindOkno(okno.Symbol()) == WYNIK_OK)
        Rysuj(projekt);
}

void TEdytorOkna::Zatwierdz(TZestawienieStolarki& projekt, TOkno& okno) const {
    projekt.UstawWielkoscLiter(okno.Symbol(), SymbolOknaEd->text());
    OknaNaKondSG->Zatwierdz(projekt, okno);
}

void TEdytorOkna::Resetuj() {
    SymbolOknaEd->clear();
    UwOknaEd->setText(QStringLiteral("0"));
    OknaNaKondSG->Resetuj();
    QPixmap pusty(SZEROKOSC_RYSUNKU, WYSOKOSC_RYSUNKU);
    pusty.fill(Qt::white);
    OknoImage->setPixmap(pusty);
}
