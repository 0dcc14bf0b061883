// The controls of the window editor and their layout; what they do is in
// edytorokna.cpp.

#include "edytorokna.h"

#include "listaskrzydel.h"
#include "siatkapieter.h"

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

namespace {

constexpr int MAX_NAWIEWNIKOW = 20;

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

// The manufacturer's mark beside a list price.
QPixmap LogoDV() {
    QPixmap obraz(48, 24);
    obraz.fill(Qt::white);
    QPainter p(&obraz);
    p.setPen(QPen(QColor(0, 51, 153), 2));
    p.drawRect(1, 1, 45, 21);
    QFont f = p.font();
    f.setBold(true);
    f.setPixelSize(13);
    p.setFont(f);
    p.drawText(obraz.rect(), Qt::AlignCenter, QStringLiteral("D&V"));
    return obraz;
}

} // namespace

void TEdytorOkna::UtworzPola() {
    auto* glowny = new QVBoxLayout(this);
    glowny->setContentsMargins(4, 4, 4, 4);
    glowny->setSpacing(4);

    auto* symbol = new QHBoxLayout;
    symbol->addWidget(new QLabel(QStringLiteral("Symbol okna:"), this));
    SymbolOknaEd = new QLineEdit(this);
    SymbolOknaEd->setObjectName(QStringLiteral("SymbolOknaEd"));
    SymbolOknaEd->setReadOnly(true);
    SymbolOknaEd->setToolTip(
        QStringLiteral("Niepowtarzalny symbol okna w ramach zestawienia stolarki"));
    symbol->addWidget(SymbolOknaEd);
    ZmSymbBitBtn = Przycisk("ZmSymbBitBtn", QStringLiteral("Zmień symbol"),
                            QStringLiteral("Zmiana symbolu bieżącego okna"), this);
    symbol->addWidget(ZmSymbBitBtn);
    symbol->addStretch();
    glowny->addLayout(symbol);

    // Picture, Uw and price on the left; size, type and sashes on the right.
    auto* gora = new QHBoxLayout;
    auto* lewa = new QVBoxLayout;
    OknoImage = new QLabel(this);
    OknoImage->setObjectName(QStringLiteral("OknoImage"));
    OknoImage->setFixedSize(SZEROKOSC_RYSUNKU, WYSOKOSC_RYSUNKU);
    lewa->addWidget(OknoImage);
    auto* uw = new QHBoxLayout;
    uw->addWidget(new QLabel(QStringLiteral("Uw ="), this));
    UwOknaEd = new QLineEdit(this);
    UwOknaEd->setObjectName(QStringLiteral("UwOknaEd"));
    UwOknaEd->setReadOnly(true);
    UwOknaEd->setMaximumWidth(70);
    QFont pogrubiona = UwOknaEd->font();
    pogrubiona.setBold(true);
    UwOknaEd->setFont(pogrubiona);
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

    WycenaPanel = new QWidget(this);
    WycenaPanel->setObjectName(QStringLiteral("WycenaPanel"));
    auto* wycena = new QHBoxLayout(WycenaPanel);
    wycena->setContentsMargins(0, 0, 0, 0);
    wycena->addWidget(new QLabel(QStringLiteral("Szacunkowa cena"), WycenaPanel));
    CenaEd = PoleLiczby("CenaEd", QStringLiteral("Szacunkowa cena okna (zł netto)"), WycenaPanel);
    CenaEd->setMaximumWidth(90);
    wycena->addWidget(CenaEd);
    wycena->addWidget(new QLabel(QStringLiteral("zł netto"), WycenaPanel));
    BrakWycenyBBtn = Przycisk("BrakWycenyBBtn", QStringLiteral("?"), QString(), WycenaPanel);
    BrakWycenyBBtn->setFixedWidth(24);
    wycena->addWidget(BrakWycenyBBtn);
    DVImage = new QLabel(WycenaPanel);
    DVImage->setObjectName(QStringLiteral("DVImage"));
    DVImage->setPixmap(LogoDV());
    wycena->addWidget(DVImage);
    wycena->addStretch();
    lewa->addWidget(WycenaPanel);
    lewa->addStretch();
    gora->addLayout(lewa);
    gora->addWidget(UtworzWymiaryITyp(), 1);
    glowny->addLayout(gora);

    glowny->addWidget(UtworzParametry());
    glowny->addWidget(UtworzNawiewniki());

    glowny->addWidget(new QLabel(QStringLiteral("Podaj liczbę okien przypadającą na "
                                                "kondygnację zależnie od strony świata:"),
                                 this));
    OknaNaKondSG = new TSiatkaPieter(this);
    OknaNaKondSG->setMinimumHeight(110);
    glowny->addWidget(OknaNaKondSG);

    glowny->addWidget(new QLabel(QStringLiteral("Wpisz uwagi:"), this));
    UwagiMemo = new QPlainTextEdit(this);
    UwagiMemo->setObjectName(QStringLiteral("UwagiMemo"));
    UwagiMemo->setToolTip(QStringLiteral("Uwagi dodatkowe dotyczące projektowanego okna"));
    UwagiMemo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    UwagiMemo->setMinimumHeight(70);
    glowny->addWidget(UwagiMemo);
}

QWidget* TEdytorOkna::UtworzWymiaryITyp() {
    auto* w = new QWidget(this);
    auto* uklad = new QGridLayout(w);
    uklad->setContentsMargins(0, 0, 0, 0);
    uklad->setVerticalSpacing(2);
    uklad->addWidget(new QLabel(QStringLiteral("Podaj wymiary zewnętrzne okna:"), w), 0, 0, 1, 4);
    SzerokoscEd =
        PoleLiczby("SzerokoscEd", QStringLiteral("Szerokość projektowanego okna w milimetrach"), w);
    WysokoscEd =
        PoleLiczby("WysokoscEd", QStringLiteral("Wysokość projektowanego okna w milimetrach"), w);
    uklad->addWidget(new QLabel(QStringLiteral("szerokość:"), w), 1, 0);
    uklad->addWidget(SzerokoscEd, 1, 1);
    uklad->addWidget(new QLabel(QStringLiteral("mm"), w), 1, 2);
    uklad->addWidget(new QLabel(QStringLiteral("wysokość:"), w), 2, 0);
    uklad->addWidget(WysokoscEd, 2, 1);
    uklad->addWidget(new QLabel(QStringLiteral("mm"), w), 2, 2);

    uklad->addWidget(new QLabel(QStringLiteral("Wybierz typ okna:"), w), 3, 0, 1, 4);
    TypOknaCB = new QComboBox(w);
    TypOknaCB->setObjectName(QStringLiteral("TypOknaCB"));
    TypOknaCB->setToolTip(QStringLiteral("Typ projektowanego okna"));
    TypOknaCB->setMaxVisibleItems(10);
    uklad->addWidget(TypOknaCB, 4, 0, 1, 4);
    WybierzTypOknaBBtn =
        Przycisk("WybierzTypOknaBBtn", QStringLiteral("Wybierz"), QStringLiteral("Wybierz"), w);
    auto* przyciskiTypu = new QHBoxLayout;
    przyciskiTypu->addWidget(WybierzTypOknaBBtn);
    SetAllTypOknaBBtn =
        Przycisk("SetAllTypOknaBBtn", QStringLiteral("Przypisz\nwszystkim"),
                 QStringLiteral("Ustawia bieżący typ okna dla wszystkich okien w projekcie"), w);
    przyciskiTypu->addWidget(SetAllTypOknaBBtn);
    przyciskiTypu->addStretch();
    uklad->addLayout(przyciskiTypu, 5, 0, 1, 4);

    uklad->addWidget(new QLabel(QStringLiteral("Określ sposób otwierania skrzydeł:"), w), 6, 0, 1,
                     4);
    SkrzydlaVLE = new TListaSkrzydel(55, w);
    SkrzydloCB = SkrzydlaVLE->SkrzydloCB;
    uklad->addWidget(SkrzydlaVLE, 7, 0, 1, 4);
    SetAllOtwSkrzBBtn = Przycisk(
        "SetAllOtwSkrzBBtn", QStringLiteral("Przypisz\nwszystkim"),
        QStringLiteral("Ustawia bieżące sposoby otwierania skrzydeł dla wszystkich okien w "
                       "projekcie"),
        w);
    uklad->addWidget(SetAllOtwSkrzBBtn, 8, 0, 1, 2, Qt::AlignLeft);
    w->setMaximumWidth(320);

    return w;
}

QWidget* TEdytorOkna::UtworzParametry() {
    auto* g = new QGroupBox(QStringLiteral("Określ parametry okna:"), this);
    auto* uklad = new QGridLayout(g);
    uklad->setVerticalSpacing(2);
    auto pomocnicze = [g](const char* nazwa, const QString& podpowiedz) {
        return Przycisk(nazwa, QStringLiteral("Wartości\npomocnicze"), podpowiedz, g);
    };
    auto wszystkim = [g](const char* nazwa, const QString& podpowiedz) {
        return Przycisk(nazwa, QStringLiteral("Przypisz\nwszystkim"), podpowiedz, g);
    };
    auto zrodlo = [g](const char* nazwa) {
        auto* l = new QLabel(g);
        l->setObjectName(QLatin1String(nazwa));
        l->setStyleSheet(QStringLiteral("color: blue;"));
        return l;
    };
    auto ukryta = [g](const char* nazwa) {
        auto* l = new QLabel(g);
        l->setObjectName(QLatin1String(nazwa));
        l->hide();
        return l;
    };
    int w = 0;
    auto wiersz = [&](const QString& etykieta, QLineEdit* pole, const QString& jednostka,
                      QWidget* opis, QPushButton* b1, QPushButton* b2) {
        uklad->addWidget(new QLabel(etykieta, g), w, 0);
        uklad->addWidget(pole, w, 1);
        uklad->addWidget(new QLabel(jednostka, g), w, 2);
        if (opis)
            uklad->addWidget(opis, w, 3);
        if (b1)
            uklad->addWidget(b1, w, 4);
        if (b2)
            uklad->addWidget(b2, w, 5);
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
    wiersz(QStringLiteral("Ug"), UgEd, QStringLiteral("W/m²K"), DostawcaUgST, UgBBtn, SetAllUgBBtn);

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
    wiersz(QStringLiteral("Uf"), UfEd, QStringLiteral("W/m²K"), DostawcaUfST, UfBBtn, SetAllUfBBtn);

    MaterialRamyCB = new QComboBox(g);
    MaterialRamyCB->setObjectName(QStringLiteral("MaterialRamyCB"));
    MaterialRamyCB->setToolTip(QStringLiteral("Materiał z jakiego wykonana jest rama okna"));
    uklad->addWidget(new QLabel(QStringLiteral("Materiał ramy:"), g), w, 0);
    uklad->addWidget(MaterialRamyCB, w, 1, 1, 3);
    ++w;

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
    wiersz(QStringLiteral("Psi_g"), PsiGEd, QStringLiteral("W/mK"), nullptr, Psi_gBBtn,
           SetAllPsigBBtn);

    dRamyEd = PoleLiczby("dRamyEd", QStringLiteral("Szerokość profilu"), g);
    SetAlldRamyBBtn = wszystkim("SetAlldRamyBBtn",
                                QStringLiteral("Ustawia bieżącą wartość szerokości profilu d dla "
                                               "wszystkich okien w projekcie"));
    wiersz(QStringLiteral("d"), dRamyEd, QStringLiteral("mm"), nullptr, nullptr, SetAlldRamyBBtn);

    LgEd = PoleLiczby("LgEd",
                      QStringLiteral("Łączna długość krawędzi tafli oszklenia, czyli długość "
                                     "liniowego mostka termicznego"),
                      g);
    PodpowLgBBtn = Przycisk(
        "PodpowLgBBtn", QStringLiteral("Podpowiedz\nwartość Lg"),
        QStringLiteral("Autoobliczenie łącznej długości krawędzi tafli oszklenia na podstawie "
                       "wybranego typu okna oraz średniej szerokości profilu"),
        g);
    wiersz(QStringLiteral("Lg"), LgEd, QStringLiteral("mm"), nullptr, PodpowLgBBtn, nullptr);

    dREd = PoleLiczby("dREd", QStringLiteral("Dodatkowy opór cieplny dR żaluzji/rolety"), g);
    dRBBtn = pomocnicze("dRBBtn", QStringLiteral("Wybrane współczynniki dodatkowego oporu "
                                                 "cieplnego dR żaluzji/rolet"));
    SetAlldRBBtn = wszystkim(
        "SetAlldRBBtn", QStringLiteral("Ustawia bieżącą wartość dodatkowego oporu cieplnego dR "
                                       "żaluzji/rolet dla wszystkich okien w projekcie"));
    uklad->addWidget(new QLabel(QStringLiteral("Określ parametry żaluzji/rolet:"), g), w, 0, 1, 4);
    ++w;
    wiersz(QStringLiteral("dR"), dREd, QStringLiteral("m²K/W"), nullptr, dRBBtn, SetAlldRBBtn);
    uklad->setColumnStretch(3, 1);
    return g;
}

QWidget* TEdytorOkna::UtworzNawiewniki() {
    auto* g = new QGroupBox(QStringLiteral("Podaj parametry nawiewników:"), this);
    auto* uklad = new QHBoxLayout(g);
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
    SzerNawiewLabHelp = new QLabel(
        QStringLiteral("Maksymalna szerokość nawiewnika nie może przekroczyć wartości równej "
                       "(SzerokośćOkna-2*SzerokoscProfilu)/LiczbaNawiewników"),
        g);
    SzerNawiewLabHelp->setObjectName(QStringLiteral("SzerNawiewLabHelp"));
    SzerNawiewLabHelp->setWordWrap(true);
    SzerNawiewLabHelp->setAlignment(Qt::AlignCenter);
    SzerNawiewLabHelp->setStyleSheet(QStringLiteral(
        "background-color: yellow; color: blue; font-weight: bold; font-size: 8pt;"));
    SzerNawiewLabHelp->hide();
    uklad->addWidget(SzerNawiewLabHelp, 1);
    uklad->addStretch();
    return g;
}
