#include "ui/main/panelprojektu.h"

#include "model/liczby.h"
#include "model/obliczenia/pieniadze.h"
#include "model/obliczenia/srednie.h"
#include "model/obliczenia/wt2021.h"
#include "model/obliczenia/wt2021lato.h"
#include "model/zestawienie.h"
#include "ui/main/logodv.h"
#include "ui/main/polaliczbowe.h"
#include "uslugi/dialogi.h"

#include <algorithm>

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

QLineEdit* PoleSumy(QWidget* rodzic) {
    auto* e = new QLineEdit(rodzic);
    e->setReadOnly(true);
    QFont f = e->font();
    f.setBold(true);
    e->setFont(f);
    e->setStyleSheet(QStringLiteral("background-color: #FFFFE1;"));
    e->setAlignment(Qt::AlignRight);
    return e;
}

// A field with a unit after it.
QWidget* ZJednostka(QWidget* pole, const QString& jednostka, const QString& przed = QString()) {
    auto* w = new QWidget;
    auto* l = new QHBoxLayout(w);
    l->setContentsMargins(0, 0, 0, 0);
    if (!przed.isEmpty())
        l->addWidget(new QLabel(przed));
    l->addWidget(pole);
    l->addWidget(new QLabel(jednostka));
    l->addStretch(); // the unit stays beside its field in a wide panel
    return w;
}

// The symbols a WT 2021 line names before "i 37 innych".
constexpr int SYMBOLI_WT = 5;

QString Staly(double x, int p) {
    return TekstStaly(x, p, 2);
}

} // namespace

TPanelProjektu::TPanelProjektu(TDialogi& dialogi, QWidget* rodzic) : QWidget(rodzic) {
    setObjectName(QStringLiteral("StolarkaPanel"));
    auto* glowny = new QVBoxLayout(this);

    glowny->setContentsMargins(4, 2, 4, 2);
    glowny->setSpacing(2);
    auto* stopka = new QGroupBox(QStringLiteral(" Dane do nagłówka "), this);
    stopka->setObjectName(QStringLiteral("StopkaGB"));
    // The title and the company across the group, the shorter texts in
    // two columns.
    auto* fs = new QGridLayout(stopka);
    fs->setContentsMargins(6, 2, 6, 4);
    fs->setVerticalSpacing(2);
    auto tekst = [&](const char* nazwa, const QString& etykieta, int wiersz, int kolumna,
                     int kolumn) {
        auto* e = new QLineEdit(stopka);
        e->setObjectName(QLatin1String(nazwa));
        fs->addWidget(new QLabel(etykieta, stopka), wiersz, kolumna);
        fs->addWidget(e, wiersz, kolumna + 1, 1, kolumn);
        return e;
    };
    TytulProjEd = tekst("TytulProjEd", QStringLiteral("Tytuł projektu:"), 0, 0, 3);
    FirmaEd = tekst("FirmaEd", QStringLiteral("Firma:"), 1, 0, 3);
    ProjektEd = tekst("ProjektEd", QStringLiteral("Projekt:"), 2, 0, 1);
    ObiektEd = tekst("ObiektEd", QStringLiteral("Obiekt:"), 2, 2, 1);
    InwestorEd = tekst("InwestorEd", QStringLiteral("Inwestor:"), 3, 0, 1);
    ProjektantEd = tekst("ProjektantEd", QStringLiteral("Opracował:"), 3, 2, 1);
    DataTP = new QDateEdit(stopka);
    DataTP->setObjectName(QStringLiteral("DataTP"));
    connect(DataTP, &QDateEdit::dateChanged, this, [this] { dataZmieniona_ = true; });
    DataTP->setCalendarPopup(true);
    // As the project files hold it: year-month-day.
    DataTP->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    fs->addWidget(new QLabel(QStringLiteral("Data:"), stopka), 4, 0);
    fs->addWidget(DataTP, 4, 1);
    fs->setColumnStretch(1, 1);
    fs->setColumnStretch(3, 1);

    auto* budynek = new QGroupBox(QStringLiteral(" Dane budynku "), this);
    budynek->setObjectName(QStringLiteral("DaneBudynkuGB"));
    auto* fb = new QHBoxLayout(budynek);
    // One row of ticks: no more room around it than the group's frame needs.
    fb->setContentsMargins(9, 2, 9, 2);
    PodpiwniczenieCB = new QCheckBox(QStringLiteral("Podpiwniczenie"), budynek);
    PodpiwniczenieCB->setObjectName(QStringLiteral("PodpiwniczenieCB"));
    ParterCB = new QCheckBox(QStringLiteral("Parter"), budynek);
    ParterCB->setObjectName(QStringLiteral("ParterCB"));
    LiczbaPieterSpinEd = new QSpinBox(budynek);
    LiczbaPieterSpinEd->setObjectName(QStringLiteral("LiczbaPieterSpinEd"));
    LiczbaPieterSpinEd->setRange(0, MAX_LICZBA_PIETER);
    PoddaszeCB = new QCheckBox(QStringLiteral("Poddasze"), budynek);
    PoddaszeCB->setObjectName(QStringLiteral("PoddaszeCB"));
    fb->addWidget(PodpiwniczenieCB);
    fb->addWidget(ParterCB);
    fb->addWidget(new QLabel(QStringLiteral("Liczba pięter:"), budynek));
    fb->addWidget(LiczbaPieterSpinEd);
    fb->addWidget(PoddaszeCB);
    fb->addStretch();

    auto liczba = [&](const char* nazwa, const char* klucz) {
        auto* e = new QLineEdit;
        e->setObjectName(QLatin1String(nazwa));
        e->setAlignment(Qt::AlignRight);
        e->setMaximumWidth(70);
        PilnujPolaLiczbowego(e, klucz, dialogi);
        return e;
    };
    TempWewEd = liczba("TempWewEd", "TemperaturaWewnetrzna");
    TempWewEd->setMaximumWidth(50);
    TempWewEd->setToolTip(QStringLiteral("Projektowana temperatura wewnętrzna, od której zależy "
                                         "wymagany współczynnik Umax okien według WT 2021"));
    // Beside the date, where the header has room (the levels fill their row).
    fs->addWidget(new QLabel(QStringLiteral("Temperatura wewnętrzna ti:"), stopka), 4, 2);
    fs->addWidget(ZJednostka(TempWewEd, QStringLiteral("°C")), 4, 3, Qt::AlignLeft);
    // How every window's Uw is worked out; a stored project keeps its own.
    MetodaUwCB = new QComboBox(stopka);
    MetodaUwCB->setObjectName(QStringLiteral("MetodaUwCB"));
    MetodaUwCB->addItem(TZestawienieStolarki::NazwaMetodyUw(TMetodaUw::Szacunkowa));
    MetodaUwCB->addItem(TZestawienieStolarki::NazwaMetodyUw(TMetodaUw::Geometryczna));
    MetodaUwCB->setToolTip(QStringLiteral(
        "Jak obliczany jest Uw okien: z udziału szyb szacowanego z pola okna albo z "
        "geometrii okna (szyby każdego skrzydła i profil d) według PN-EN ISO 10077-1"));
    fs->addWidget(new QLabel(QStringLiteral("Metoda obliczania Uw:"), stopka), 5, 0);
    fs->addWidget(MetodaUwCB, 5, 1, 1, 3, Qt::AlignLeft);
    auto* opcje = new QGroupBox(QStringLiteral("Opcje projektu"), this);
    opcje->setObjectName(QStringLiteral("OpcjePanel"));
    auto* fo = new QFormLayout(opcje);
    fo->setVerticalSpacing(2);
    KursEd = liczba("KursEd", "KursEuro");
    fo->addRow(QStringLiteral("Kurs EURO:"),
               ZJednostka(KursEd, QStringLiteral("zł"), QStringLiteral("1 EUR =")));
    StawkaVatEd = liczba("StawkaVatEd", "StawkaVat");
    fo->addRow(QStringLiteral("Stawka VAT:"), ZJednostka(StawkaVatEd, QStringLiteral("%")));
    RabatDodEd = liczba("RabatDodEd", "RabatDodatkowy");
    fo->addRow(QStringLiteral("Rabat dodatkowy:"), ZJednostka(RabatDodEd, QStringLiteral("%")));
    CenaMontazEd = liczba("CenaMontazEd", "CenaMontazuOkna");
    // Long labels broken by hand: word-wrapped ones would make the scrolling
    // panel take its preferred height and show a scroll bar it does not need.
    fo->addRow(
        new QLabel(QStringLiteral("Cena netto montażu okna\nza metr bieżący obwodu:"), opcje),
        ZJednostka(CenaMontazEd, QStringLiteral("zł")));
    ZakresCzynnosciEd = new QLineEdit(opcje);
    ZakresCzynnosciEd->setObjectName(QStringLiteral("ZakresCzynnosciEd"));
    // The scope of work takes the group's whole width under its label.
    fo->addRow(new QLabel(QStringLiteral("Zakres czynności objętych wyceną:"), opcje));
    fo->addRow(ZakresCzynnosciEd);

    auto* promocje = new QGroupBox(QStringLiteral("Promocje D&&V"), this);
    promocje->setObjectName(QStringLiteral("DVPromocjePanel"));
    auto* fp = new QFormLayout(promocje);
    fp->setVerticalSpacing(2);
    auto* logo = new QLabel(promocje);
    logo->setObjectName(QStringLiteral("DVLogoPromocji"));
    logo->setPixmap(LogoDV());
    fp->addRow(logo);
    PromoKlimaEd = liczba("PromoKlimaEd", "DVPromocjaKlima");
    fp->addRow(QStringLiteral("Okna klima PCV:"), ZJednostka(PromoKlimaEd, QStringLiteral("%")));
    PromoKobaltEd = liczba("PromoKobaltEd", "DVPromocjaKobaltowe");
    fp->addRow(QStringLiteral("Okna KOBALTOWE PCV:"),
               ZJednostka(PromoKobaltEd, QStringLiteral("%")));
    PromoDVLineEd = liczba("PromoDVLineEd", "DVPromocjaDVline");
    fp->addRow(QStringLiteral("Okna DVline PCV:"), ZJednostka(PromoDVLineEd, QStringLiteral("%")));
    PromoFormaEd = liczba("PromoFormaEd", "DVPromocjaForma");
    fp->addRow(QStringLiteral("Okna forma PCV:"), ZJednostka(PromoFormaEd, QStringLiteral("%")));

    auto* opcjeIPromocje = new QHBoxLayout;
    opcjeIPromocje->addWidget(opcje, 3);
    opcjeIPromocje->addWidget(promocje, 2);

    auto* sumy = new QGridLayout;
    sumy->setVerticalSpacing(2);
    auto suma = [&](int wiersz, const char* nazwa, const QString& opis, const QString& jednostka) {
        QLineEdit* e = PoleSumy(this);
        e->setObjectName(QLatin1String(nazwa));
        // Wide enough for a total of billions with its grosze, no wider.
        e->setMaximumWidth(e->fontMetrics().horizontalAdvance(QStringLiteral("0")) * 24);
        sumy->addWidget(new QLabel(opis, this), wiersz, 0);
        sumy->addWidget(e, wiersz, 1);
        sumy->addWidget(new QLabel(jednostka, this), wiersz, 2);
        return e;
    };
    SredniWazonyUEd = suma(0, "SredniWazonyUEd",
                           QStringLiteral("Średni ważony współczynnik przenikania\nciepła dla "
                                          "całego projektu   Uśr ="),
                           QStringLiteral("W/m²K"));
    SumaCenaOkienEd = suma(1, "SumaCenaOkienEd",
                           QStringLiteral("Łączna cena netto wszystkich wycenionych\nokien dla "
                                          "całego projektu"),
                           QStringLiteral("zł"));
    SumaCenaMontazEd = suma(2, "SumaCenaMontazEd",
                            QStringLiteral("Łączna cena netto montażu wszystkich\nokien dla "
                                           "całego projektu"),
                            QStringLiteral("zł"));
    LacznePolePowOkienEd = suma(3, "LacznePolePowOkienEd",
                                QStringLiteral("Łączne pole powierzchni wszystkich\nokien dla "
                                               "całego projektu"),
                                QStringLiteral("m²"));
    CenaZaMetrKwEd = suma(4, "CenaZaMetrKwEd",
                          QStringLiteral("Cena netto za metr kwadratowy okna\n(z montażem)"),
                          QStringLiteral("zł/m²"));
    PrzeliczCenyBBtn = new QPushButton(QStringLiteral("   Przelicz ceny"), this);
    PrzeliczCenyBBtn->setObjectName(QStringLiteral("PrzeliczCenyBBtn"));
    QFont pogrubiona = PrzeliczCenyBBtn->font();
    pogrubiona.setBold(true);
    PrzeliczCenyBBtn->setFont(pogrubiona);
    sumy->addWidget(PrzeliczCenyBBtn, 5, 1);
    // What the mean covers, beside the button, where the sums leave room.
    ZakresUsrST = new QLabel(this);
    ZakresUsrST->setObjectName(QStringLiteral("ZakresUsrST"));
    sumy->addWidget(ZakresUsrST, 5, 0);
    // Which windows the mean leaves out, right of the button.
    BezDanychWTST = new TEtykietaSkracana(this);
    BezDanychWTST->setObjectName(QStringLiteral("BezDanychWTST"));
    sumy->addWidget(BezDanychWTST, 5, 2, 1, 2);
    // What a wide panel gains stays right of the units.
    sumy->addItem(new QSpacerItem(0, 0, QSizePolicy::Expanding, QSizePolicy::Minimum), 0, 3);
    connect(PrzeliczCenyBBtn, &QPushButton::clicked, this, &TPanelProjektu::przeliczCeny);
    // The method decides every Uw: shown at once.
    connect(MetodaUwCB, &QComboBox::activated, this, &TPanelProjektu::przeliczCeny);
    // ti decides every window's limit: the verdicts follow as soon as it is left.
    connect(TempWewEd, &QLineEdit::editingFinished, this, [this] {
        if (TempWewEd->isModified())
            emit przeliczCeny();
    });

    glowny->addWidget(stopka);
    glowny->addWidget(budynek);
    glowny->addLayout(opcjeIPromocje);
    glowny->addLayout(sumy);
    ZgodnoscWTST = new TEtykietaSkracana(this);
    ZgodnoscWTST->setObjectName(QStringLiteral("ZgodnoscWTST"));
    LatoWTST = new TEtykietaSkracana(this);
    LatoWTST->setObjectName(QStringLiteral("LatoWTST"));
    // Winter and summer on one line, the line shared by the lengths of
    // their texts: both whole while they fit, else both end with "…" (whole
    // in their tooltips).
    wierszZgodnosci_ = new QHBoxLayout;
    wierszZgodnosci_->addWidget(ZgodnoscWTST, 1);
    wierszZgodnosci_->addSpacing(16);
    wierszZgodnosci_->addWidget(LatoWTST, 1);
    glowny->addLayout(wierszZgodnosci_);
    glowny->addStretch();

    connect(LiczbaPieterSpinEd, qOverload<int>(&QSpinBox::valueChanged), this,
            &TPanelProjektu::RegulyBudynku);
    connect(PoddaszeCB, &QCheckBox::toggled, this, &TPanelProjektu::RegulyBudynku);
    connect(ParterCB, &QCheckBox::toggled, this, &TPanelProjektu::RegulyBudynku);
}

// The ground floor stays while there are floors or an attic above it.
void TPanelProjektu::RegulyBudynku() {
    if ((LiczbaPieterSpinEd->value() >= 1 || PoddaszeCB->isChecked()) && !ParterCB->isChecked())
        ParterCB->setChecked(true);
}

void TPanelProjektu::Pokaz(const TZestawienieStolarki& p) {
    TytulProjEd->setText(p.TytulProjektu);
    FirmaEd->setText(p.Firma);
    ProjektEd->setText(p.Projekt);
    ObiektEd->setText(p.Obiekt);
    InwestorEd->setText(p.Inwestor);
    ProjektantEd->setText(p.Projektant);
    // A project without a date shows today's, and keeps none until one is set.
    {
        const QSignalBlocker cisza(DataTP);
        DataTP->setDate(p.Data.isValid() ? p.Data.date() : QDate::currentDate());
    }
    dataZmieniona_ = false;
    PodpiwniczenieCB->setChecked(p.Podpiwniczenie());
    ParterCB->setChecked(p.Parter());
    LiczbaPieterSpinEd->setValue(p.LiczbaPieter());
    PoddaszeCB->setChecked(p.Poddasze());
    RegulyBudynku();
    KursEd->setText(TekstOgolny(p.KursEuro));
    StawkaVatEd->setText(TekstOgolny(p.StawkaVat));
    RabatDodEd->setText(TekstOgolny(p.RabatDodatkowy));
    CenaMontazEd->setText(TekstOgolny(p.CenaMontazuOkna));
    ZakresCzynnosciEd->setText(p.ZakresCzynnosci);
    PromoKlimaEd->setText(TekstOgolny(p.DVPromocjaKlima));
    PromoKobaltEd->setText(TekstOgolny(p.DVPromocjaKobaltowe));
    PromoDVLineEd->setText(TekstOgolny(p.DVPromocjaDVline));
    PromoFormaEd->setText(TekstOgolny(p.DVPromocjaForma));
    const TUsrednie u = USrednie(p);
    SredniWazonyUEd->setText(u.u ? Staly(*u.u, 4) : QStringLiteral("brak"));
    ZakresUsrST->setText(QStringLiteral("Uśr: ") + TekstZakresuUsr(u));
    const TSumyCen sumy = SumyCen(p);
    SumaCenaOkienEd->setText(TekstSetnych(sumy.SumaCenOkien));
    SumaCenaMontazEd->setText(TekstSetnych(sumy.SumaCenMontazu));
    LacznePolePowOkienEd->setText(TekstSetnych(PowierzchniaOkien(p)));
    CenaZaMetrKwEd->setText(TekstSetnych(sumy.CenaZaM2Netto));
    TempWewEd->setText(TekstOgolny(p.TemperaturaWewnetrzna));
    MetodaUwCB->setCurrentIndex(static_cast<int>(p.Metoda()));
    const TZgodnoscWT z = ZgodnoscWT2021(p);
    // A long list never widens the panel: the overview lists every window.
    ZgodnoscWTST->UstawTekst(TekstZgodnosciWT(z, SYMBOLI_WT), TekstZgodnosciWT(z));
    QPalette kolory = ZgodnoscWTST->palette();
    kolory.setColor(QPalette::WindowText,
                    z.nieSpelnia.isEmpty() ? QColor(0x1b, 0x7a, 0x2e) : QColor(0xc6, 0x28, 0x28));
    ZgodnoscWTST->setPalette(kolory);
    BezDanychWTST->UstawTekst(QStringLiteral("Bez danych: ") +
                                  ListaSymboli(z.bezDanych, SYMBOLI_WT),
                              TekstBezDanychWT(z));
    const TZgodnoscLato lato = ZgodnoscLato2021(p);
    // Summer's symbols are in its tooltip: the winter's list has the room.
    LatoWTST->UstawTekst(
        QStringLiteral("Latem (g·fC ≤ 0,35): ") + OpisZgodnosciLato(lato, 1),
        TekstZgodnosciLato(lato) +
            (lato.bezDanych.isEmpty()
                 ? QString()
                 : QStringLiteral("\nBez danych: ") + lato.bezDanych.join(QStringLiteral(", "))));
    QPalette letnie = LatoWTST->palette();
    letnie.setColor(QPalette::WindowText, !lato.nieSpelnia.isEmpty() ? QColor(0xc6, 0x28, 0x28)
                                          : lato.bezDanych.isEmpty()
                                              ? QColor(0x1b, 0x7a, 0x2e)
                                              : palette().color(QPalette::WindowText));
    LatoWTST->setPalette(letnie);
    for (TEtykietaSkracana* e : {ZgodnoscWTST, LatoWTST})
        wierszZgodnosci_->setStretchFactor(
            e, std::max(1, e->fontMetrics().horizontalAdvance(e->Tekst())));
    BezDanychWTST->setVisible(!z.bezDanych.isEmpty());
}

void TPanelProjektu::Zatwierdz(const TZestawienieStolarki& p, TDaneProjektu& d,
                               TPoziomyBudynku& poziomy) const {
    d = p;
    d.TytulProjektu = TytulProjEd->text();
    d.Firma = FirmaEd->text();
    d.Projekt = ProjektEd->text();
    d.Obiekt = ObiektEd->text();
    d.Inwestor = InwestorEd->text();
    d.Projektant = ProjektantEd->text();
    if (dataZmieniona_)
        d.Data = QDateTime(DataTP->date(), p.Data.isValid() ? p.Data.time() : QTime(0, 0));
    poziomy.Podpiwniczenie = PodpiwniczenieCB->isChecked();
    poziomy.Parter = ParterCB->isChecked();
    poziomy.LiczbaPieter = LiczbaPieterSpinEd->value();
    poziomy.Poddasze = PoddaszeCB->isChecked();
    // Text that is no number, or a value out of its field's range, is never
    // taken.
    auto liczba = [](const QLineEdit* pole, const char* klucz, double& cel) {
        double x = 0;
        if (pole->isModified() && CzytajLiczbe(pole->text(), &x) &&
            PowodOdrzucenia(klucz, x).isEmpty())
            cel = x;
    };
    liczba(KursEd, "KursEuro", d.KursEuro);
    liczba(StawkaVatEd, "StawkaVat", d.StawkaVat);
    liczba(RabatDodEd, "RabatDodatkowy", d.RabatDodatkowy);
    liczba(CenaMontazEd, "CenaMontazuOkna", d.CenaMontazuOkna);
    d.ZakresCzynnosci = ZakresCzynnosciEd->text();
    liczba(TempWewEd, "TemperaturaWewnetrzna", d.TemperaturaWewnetrzna);
    d.MetodaUw = MetodaUwCB->currentIndex() == 1 ? 1 : 0;
    liczba(PromoKlimaEd, "DVPromocjaKlima", d.DVPromocjaKlima);
    liczba(PromoKobaltEd, "DVPromocjaKobaltowe", d.DVPromocjaKobaltowe);
    liczba(PromoDVLineEd, "DVPromocjaDVline", d.DVPromocjaDVline);
    liczba(PromoFormaEd, "DVPromocjaForma", d.DVPromocjaForma);
}

void TPanelProjektu::Resetuj() {
    dataZmieniona_ = false;
    for (QLineEdit* e :
         {TytulProjEd, FirmaEd, ProjektEd, ObiektEd, InwestorEd, ProjektantEd, ZakresCzynnosciEd,
          SredniWazonyUEd, SumaCenaOkienEd, SumaCenaMontazEd, LacznePolePowOkienEd, CenaZaMetrKwEd})
        e->clear();
    DataTP->setDate(QDate::currentDate());
    dataZmieniona_ = false;
    PoddaszeCB->setChecked(false);
    LiczbaPieterSpinEd->setValue(0);
    ParterCB->setChecked(false);
    PodpiwniczenieCB->setChecked(false);
    for (QLineEdit* e : {KursEd, StawkaVatEd, RabatDodEd, CenaMontazEd, PromoKlimaEd, PromoKobaltEd,
                         PromoDVLineEd, PromoFormaEd})
        e->setText(QStringLiteral("0"));
    TempWewEd->setText(QStringLiteral("20"));
    MetodaUwCB->setCurrentIndex(static_cast<int>(TMetodaUw::Geometryczna));
    ZgodnoscWTST->UstawTekst(QString());
    BezDanychWTST->UstawTekst(QString());
    LatoWTST->UstawTekst(QString());
    ZakresUsrST->clear();
}
