// The Ug dialog's page of the build-up: Ug computed by PN-EN 673 as the
// user types the glazing, its coatings and its gas fill.

#include "ui/tables/tabug.h"

#include "model/liczby.h"
#include "model/okno.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

const char* const opisBudowy =
    "Budowa: szyby i szczeliny w milimetrach od strony zewnętrznej, rozdzielone ukośnikiem; "
    "po szerokości szczeliny jej gaz: Ar – argon, Kr – krypton, bez liter – powietrze "
    "(4/16Ar/4, 4/12Kr/4/12Kr/4, 6/16/4).\n"
    "Powłoki niskoemisyjne: numer powierzchni (1 – zewnętrzna powierzchnia szyby zewnętrznej, "
    "dalej kolejno do wnętrza) i emisyjność, np. 3:0,03; kilka rozdziel średnikiem. Szkło bez "
    "powłoki ma emisyjność 0,837.\n"
    "Wypełnienie: udział gazu w szczelinach w procentach, reszta to powietrze.\n"
    "Ug obliczono dla szyby pionowej przy he = 25 i hi = 7,7 W/m²K, Tm = 283 K i różnicy "
    "temperatur 15 K; do okna trafia wartość deklarowana, zaokrąglona do 0,1 W/m²K.";

} // namespace

void TUgTabForm::UtworzObliczenie() {
    auto* strona = new QWidget(Strony);
    auto* u = new QVBoxLayout(strona);
    auto* tytul = new QLabel(QStringLiteral("Współczynnik przenikania ciepła Ug obliczony z "
                                            "budowy oszklenia według PN-EN 673"),
                             strona);
    tytul->setWordWrap(true);
    QFont f = tytul->font();
    f.setBold(true);
    f.setPixelSize(12);
    tytul->setFont(f);
    u->addWidget(tytul);

    auto* pola = new QFormLayout;
    auto pole = [strona](const char* nazwa, const QString& podpowiedz, const QString& przyklad) {
        auto* e = new QLineEdit(strona);
        e->setObjectName(QLatin1String(nazwa));
        e->setToolTip(podpowiedz);
        e->setPlaceholderText(przyklad);
        return e;
    };
    BudowaUgEd = pole("BudowaUgEd",
                      QStringLiteral("Szyby i szczeliny w mm od zewnątrz, gaz po szerokości "
                                     "szczeliny"),
                      QStringLiteral("np. 4/16Ar/4"));
    PowlokiUgEd =
        pole("PowlokiUgEd", QStringLiteral("Numer powierzchni od zewnątrz i emisyjność powłoki"),
             QStringLiteral("np. 3:0,03"));
    WypelnienieUgEd =
        pole("WypelnienieUgEd", QStringLiteral("Udział gazu w szczelinach, reszta to powietrze"),
             QString());
    WypelnienieUgEd->setText(QStringLiteral("90"));
    auto* wypelnienie = new QHBoxLayout;
    wypelnienie->addWidget(WypelnienieUgEd);
    wypelnienie->addWidget(new QLabel(QStringLiteral("%"), strona));
    wypelnienie->addStretch();
    pola->addRow(QStringLiteral("Budowa szyby:"), BudowaUgEd);
    pola->addRow(QStringLiteral("Powłoki:"), PowlokiUgEd);
    pola->addRow(QStringLiteral("Wypełnienie gazem:"), wypelnienie);
    u->addLayout(pola);
    WynikUgST = new QLabel(strona);
    WynikUgST->setObjectName(QStringLiteral("WynikUgST"));
    WynikUgST->setWordWrap(true);
    WynikUgST->setTextInteractionFlags(Qt::TextSelectableByMouse);
    u->addWidget(WynikUgST);
    // The notation's description whole: the page has room for it.
    QPlainTextEdit* opis = Uwaga(QString::fromUtf8(opisBudowy), strona);
    opis->setMaximumHeight(QWIDGETSIZE_MAX);
    u->addWidget(opis, 1);
    Strony->addTab(strona, QStringLiteral("Obliczenie (PN-EN 673)"));
    for (QLineEdit* e : {BudowaUgEd, PowlokiUgEd, WypelnienieUgEd})
        connect(e, &QLineEdit::textChanged, this, [this] {
            if (Strony->currentIndex() == ObliczenieUg)
                PrzeliczBudowe();
        });
}

std::optional<TBudowaSzyby> TUgTabForm::Budowa() const {
    QString blad;
    return WczytajBudowe(&blad);
}

std::optional<TBudowaSzyby> TUgTabForm::WczytajBudowe(QString* blad) const {
    // Each part read in turn, the first that does not read named.
    if (BudowaUgEd->text().trimmed().isEmpty()) {
        *blad = QStringLiteral("Wpisz budowę szyby, np. 4/16Ar/4.");
        return std::nullopt;
    }
    std::optional<TBudowaSzyby> b = CzytajBudoweSzyby(BudowaUgEd->text(), blad);
    if (!b)
        return std::nullopt;
    static const QRegularExpression rozdzielacz(QStringLiteral("[;\\s]+"));
    for (const QString& p : PowlokiUgEd->text().split(rozdzielacz, Qt::SkipEmptyParts))
        if (!DodajPowloke(*b, p, blad))
            return std::nullopt;
    double x = 0;
    if (!CzytajLiczbe(WypelnienieUgEd->text(), &x) || !(x >= 0 && x <= 100)) {
        *blad = QStringLiteral("Wypełnienie gazem powinno być od 0 do 100%.");
        return std::nullopt;
    }
    b->wypelnienie = x;
    if (!ObliczUg673(*b, blad))
        return std::nullopt;
    return b;
}

void TUgTabForm::PrzeliczBudowe() {
    QString blad;
    const std::optional<TBudowaSzyby> b = WczytajBudowe(&blad);
    const std::optional<TUg673> w = b ? ObliczUg673(*b) : std::nullopt;
    if (!w) {
        WynikUgST->setStyleSheet(QStringLiteral("color: #c62828;"));
        WynikUgST->setText(blad);
        UstawWartoscTekst(QString());
        PobierzBtn->setEnabled(false);
        return;
    }
    WynikUgST->setStyleSheet(QString());
    WynikUgST->setText(QStringLiteral("%1%2: Ug = %3 W/m²K, wartość deklarowana Ug = %4 W/m²K")
                           .arg(TekstBudowySzyby(*b),
                                b->powloki.empty()
                                    ? QString()
                                    : QStringLiteral(" (powłoki %1)").arg(TekstPowlok(*b)),
                                TekstStaly(w->ug, 4, 3), TekstStaly(w->deklarowane, 4, 1)));
    UstawWartosc(w->deklarowane);
    PobierzBtn->setEnabled(true);
}

void TUgTabForm::PokazBudowe(const TOkno& okno) {
    if (okno.BudowaSzyby.isEmpty())
        return;
    BudowaUgEd->setText(okno.BudowaSzyby);
    PowlokiUgEd->setText(okno.PowlokiSzyby);
    WypelnienieUgEd->setText(TekstOgolny(okno.WypelnienieGazem));
    Strony->setCurrentIndex(ObliczenieUg);
}
