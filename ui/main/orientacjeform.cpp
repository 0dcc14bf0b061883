#include "ui/main/orientacjeform.h"

#include "model/eksport/arkusze.h"
#include "uslugi/dialogi.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QRadioButton>
#include <QSaveFile>
#include <QTableWidget>
#include <QVBoxLayout>

TOrientacjeForm::TOrientacjeForm(const TZestawienieStron& zestawienie, TDialogi& dialogi,
                                 const QString& proponowanyCsv, QWidget* rodzic)
    : QDialog(rodzic), z_(zestawienie), dialogi_(dialogi), proponowanyCsv_(proponowanyCsv) {
    setObjectName(QStringLiteral("OrientacjeForm"));
    setWindowTitle(QStringLiteral("Zestawienie okien wg stron świata"));
    auto* uklad = new QVBoxLayout(this);
    auto* wybor = new QHBoxLayout;
    LiczbaSztukRB = new QRadioButton(QStringLiteral("Liczba sztuk"), this);
    PoleRB = new QRadioButton(QStringLiteral("Pole powierzchni [m²]"), this);
    UwRB = new QRadioButton(QStringLiteral("Średni Uw [W/m²K]"), this);
    auto* grupa = new QButtonGroup(this);
    int i = 0;
    for (QRadioButton* r : {LiczbaSztukRB, PoleRB, UwRB}) {
        grupa->addButton(r, i++);
        wybor->addWidget(r);
    }
    wybor->addStretch();
    uklad->addLayout(wybor);

    TabelaSG =
        new QTableWidget(static_cast<int>(z_.Kondygnacje.size()) + 1, LICZBA_KIERUNKOW + 1, this);
    TabelaSG->setObjectName(QStringLiteral("TabelaSG"));
    TabelaSG->setEditTriggers(QAbstractItemView::NoEditTriggers);
    QStringList kolumny;
    for (const QString& s : SKROTY_KIERUNKOW)
        kolumny << s;
    kolumny << QStringLiteral("razem");
    TabelaSG->setHorizontalHeaderLabels(kolumny);
    QStringList wiersze;
    for (const TWierszStron& w : z_.Kondygnacje)
        wiersze << w.Kondygnacja;
    wiersze << QStringLiteral("razem");
    TabelaSG->setVerticalHeaderLabels(wiersze);
    TabelaSG->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    uklad->addWidget(TabelaSG, 1);

    auto* przyciski = new QHBoxLayout;
    ZapiszCsvBtn = new QPushButton(QStringLiteral("Zapisz CSV..."), this);
    ZamknijBtn = new QPushButton(QStringLiteral("Zamknij"), this);
    przyciski->addStretch();
    przyciski->addWidget(ZapiszCsvBtn);
    przyciski->addWidget(ZamknijBtn);
    uklad->addLayout(przyciski);
    connect(grupa, &QButtonGroup::idClicked, this, [this](int id) { Pokaz(TWielkoscStron(id)); });
    connect(ZapiszCsvBtn, &QPushButton::clicked, this, &TOrientacjeForm::ZapiszCsv);
    connect(ZamknijBtn, &QPushButton::clicked, this, &QDialog::accept);
    LiczbaSztukRB->setChecked(true);
    Pokaz(TWielkoscStron::Sztuk);
    resize(760, 420);
}

void TOrientacjeForm::Pokaz(TWielkoscStron w) {
    auto wiersz = [&](int r, const std::array<TKomorkaStron, LICZBA_KIERUNKOW>& strony,
                      const TKomorkaStron& razem) {
        for (int d = 0; d <= LICZBA_KIERUNKOW; ++d) {
            const TKomorkaStron& k =
                d < LICZBA_KIERUNKOW ? strony[static_cast<std::size_t>(d)] : razem;
            auto* e = new QTableWidgetItem(TekstKomorki(k, w));
            e->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            if (d == LICZBA_KIERUNKOW) {
                QFont f = e->font();
                f.setBold(true);
                e->setFont(f);
            }
            TabelaSG->setItem(r, d, e);
        }
    };
    for (int r = 0; r < z_.Kondygnacje.size(); ++r)
        wiersz(r, z_.Kondygnacje[r].Strony, z_.Kondygnacje[r].Razem);
    wiersz(static_cast<int>(z_.Kondygnacje.size()), z_.Strony, z_.Razem);
}

void TOrientacjeForm::ZapiszCsv() {
    const QString sciezka = dialogi_.PlikDoZapisu(this, QStringLiteral("Plik CSV (*.csv)"),
                                                  proponowanyCsv_, QStringLiteral("csv"));
    if (sciezka.isEmpty())
        return;
    const QByteArray bajty = ZestawienieWgStronCsv(z_);
    QSaveFile plik(sciezka);
    if (!plik.open(QIODevice::WriteOnly) || plik.write(bajty) != bajty.size() || !plik.commit())
        dialogi_.Komunikat(this, TRodzajKomunikatu::Blad, QStringLiteral("Błąd"),
                           QStringLiteral("Nie udało się zapisać pliku CSV!"));
}
