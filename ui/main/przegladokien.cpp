#include "ui/main/przegladokien.h"

#include "model/liczby.h"
#include "model/obliczenia/srednie.h"
#include "model/obliczenia/wt2021.h"
#include "model/obliczenia/wt2021lato.h"
#include "model/obliczenia/wycena.h"
#include "model/zestawienie.h"

#include <QAbstractTableModel>
#include <QCheckBox>
#include <QCollator>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QVBoxLayout>

#include <vector>

namespace {

enum Kolumna {
    SYMBOL,
    TYP,
    WYMIARY,
    MATERIAL,
    UG,
    UF,
    PSIG,
    UW,
    RODZAJ,
    UMAX,
    WYNIK,
    G,
    FC,
    GFC,
    LATO,
    SZTUK,
    POLE,
    CENA,
    KOLUMN
};

const char* const NAGLOWKI[KOLUMN] = {
    "Symbol", "Typ okna", "Wymiary [mm]",  "Materiał", "Ug",        "Uf",
    "Psi_g",  "Uw",       "Rodzaj",        "Umax",     "WT 2021",   "g",
    "fC",     "g·fC",     "WT 2021 latem", "Sztuk",    "Pole [m²]", "Cena 1 szt. [zł]"};

// One window as the table shows it; numbers also kept for sorting.
struct TWiersz {
    QString teksty[KOLUMN];
    double liczby[KOLUMN] = {};
    QCollatorSortKey klucz{QCollator().sortKey(QString())};
    bool problem = false;     // fails either rule, or has no data
    bool problemLato = false; // fails the summer rule
};

} // namespace

class TModelPrzegladu : public QAbstractTableModel {
public:
    explicit TModelPrzegladu(const TZestawienieStolarki& p, QObject* rodzic)
        : QAbstractTableModel(rodzic) {
        // Symbols in natural order: O2 before O10.
        QCollator porownanie;
        porownanie.setNumericMode(true);
        porownanie.setCaseSensitivity(Qt::CaseInsensitive);
        wiersze_.reserve(static_cast<std::size_t>(p.LiczbaOkienWLiscie()));
        for (int i = 0; i < p.LiczbaOkienWLiscie(); ++i) {
            const TOkno& o = *p.Okno(i);
            const TOcenaWT ocena = OcenWT2021(o, p);
            const double cena = CenaNetto(p, o).Cena;
            TSumaOkien suma;
            suma.Dodaj(o.SumaOkien(), o, std::nullopt);
            const double pole = suma.Pole();
            TWiersz w;
            w.teksty[SYMBOL] = o.Symbol();
            w.klucz = porownanie.sortKey(o.Symbol());
            w.teksty[TYP] = o.TypOknaNazwa();
            w.teksty[WYMIARY] =
                TekstOgolny(o.Szerokosc) + QStringLiteral(" × ") + TekstOgolny(o.Wysokosc);
            w.liczby[WYMIARY] = o.Szerokosc * o.Wysokosc;
            w.teksty[MATERIAL] = o.MaterialRamyNazwa();
            auto liczba = [&w](Kolumna k, double x, const QString& tekst) {
                w.liczby[k] = x;
                w.teksty[k] = tekst;
            };
            liczba(UG, o.Ug, TekstOgolny(o.Ug));
            liczba(UF, o.Uf, TekstOgolny(o.Uf));
            liczba(PSIG, o.Psi_g, TekstOgolny(o.Psi_g));
            if (ocena.wynik == TWynikWT::BrakDanych)
                liczba(UW, -1, QStringLiteral("–"));
            else // the window's own Uw, judged; with a shutter, both
                liczba(UW, ocena.uw,
                       ocena.uwZRoleta ? QStringLiteral("%1 (z roletą %2)")
                                             .arg(TekstStaly(ocena.uw, 4, 2),
                                                  TekstStaly(*ocena.uwZRoleta, 4, 2))
                                       : TekstStaly(ocena.uw, 4, 2));
            w.teksty[RODZAJ] = NazwaRodzaju(o.Rodzaj);
            liczba(UMAX, ocena.umax,
                   ocena.umax < 0 ? QStringLiteral("–") : TekstStaly(ocena.umax, 4, 2));
            w.teksty[WYNIK] = TekstWynikuWT(ocena.wynik);
            const TOcenaLato lato = OcenLato2021(o, p);
            liczba(G, o.g, TekstG(o));
            liczba(FC, lato.fc, TekstStaly(lato.fc, 4, 2));
            liczba(GFC, lato.gfc, lato.gfc < 0 ? QStringLiteral("–") : TekstStaly(lato.gfc, 4, 2));
            w.teksty[LATO] = TekstWynikuLato(lato.wynik);
            w.problemLato = lato.wynik == TWynikLato::NieSpelnia;
            liczba(SZTUK, o.SumaOkien(), QString::number(o.SumaOkien()));
            liczba(POLE, pole, TekstSetnych(pole));
            liczba(CENA, cena, cena == -1 ? QStringLiteral("brak") : TekstSetnych(cena));
            w.problem = ocena.wynik == TWynikWT::NieSpelnia || ocena.wynik == TWynikWT::BrakDanych;
            w.problem = w.problem || w.problemLato;
            wiersze_.push_back(std::move(w));
        }
    }

    int rowCount(const QModelIndex& rodzic) const override {
        return rodzic.isValid() ? 0 : static_cast<int>(wiersze_.size());
    }
    int columnCount(const QModelIndex& rodzic) const override {
        return rodzic.isValid() ? 0 : KOLUMN;
    }
    QVariant data(const QModelIndex& i, int rola) const override {
        const TWiersz& w = wiersze_[static_cast<std::size_t>(i.row())];
        if (rola == Qt::DisplayRole)
            return w.teksty[i.column()];
        if (rola == Qt::TextAlignmentRole && i.column() >= UG && i.column() != RODZAJ &&
            i.column() != WYNIK && i.column() != LATO)
            return int(Qt::AlignRight | Qt::AlignVCenter);
        if (rola == Qt::ForegroundRole && ((i.column() == WYNIK && w.problem && !w.problemLato) ||
                                           (i.column() == LATO && w.problemLato)))
            return QColor(0xc6, 0x28, 0x28);
        return QVariant();
    }
    QVariant headerData(int sekcja, Qt::Orientation o, int rola) const override {
        if (o == Qt::Horizontal && rola == Qt::DisplayRole && sekcja >= 0 && sekcja < KOLUMN)
            return QString::fromUtf8(NAGLOWKI[sekcja]);
        return QAbstractTableModel::headerData(sekcja, o, rola);
    }
    const TWiersz& Wiersz(int i) const { return wiersze_[static_cast<std::size_t>(i)]; }

private:
    std::vector<TWiersz> wiersze_;
};

// Numbers by value, symbols in natural order, the rest by the locale's order.
class TSortowaniePrzegladu : public QSortFilterProxyModel {
public:
    TSortowaniePrzegladu(TModelPrzegladu* model, QObject* rodzic)
        : QSortFilterProxyModel(rodzic), model_(model) {
        setSourceModel(model);
        porownanie_.setCaseSensitivity(Qt::CaseInsensitive);
    }
    void TylkoProblemy(bool b) {
        tylkoProblemy_ = b;
        invalidateFilter();
    }

protected:
    bool lessThan(const QModelIndex& a, const QModelIndex& b) const override {
        const TWiersz& x = model_->Wiersz(a.row());
        const TWiersz& y = model_->Wiersz(b.row());
        const int k = a.column();
        if (k == SYMBOL)
            return x.klucz.compare(y.klucz) < 0;
        if (k == WYMIARY || (k >= UG && k != RODZAJ && k != WYNIK))
            return x.liczby[k] < y.liczby[k];
        return porownanie_.compare(x.teksty[k], y.teksty[k]) < 0;
    }
    bool filterAcceptsRow(int wiersz, const QModelIndex&) const override {
        return !tylkoProblemy_ || model_->Wiersz(wiersz).problem;
    }

private:
    TModelPrzegladu* model_;
    QCollator porownanie_;
    bool tylkoProblemy_ = false;
};

TPrzegladOkienForm::TPrzegladOkienForm(const TZestawienieStolarki& projekt, QWidget* rodzic)
    : QDialog(rodzic) {
    setObjectName(QStringLiteral("PrzegladOkienForm"));
    setWindowTitle(QStringLiteral("Przegląd okien"));
    auto* uklad = new QVBoxLayout(this);
    TylkoProblemyCB = new QCheckBox(QStringLiteral("tylko niespełniające i bez danych"), this);
    TylkoProblemyCB->setObjectName(QStringLiteral("TylkoProblemyCB"));
    uklad->addWidget(TylkoProblemyCB);
    model_ = new TModelPrzegladu(projekt, this);
    sortowanie_ = new TSortowaniePrzegladu(model_, this);
    OknaTV = new QTableView(this);
    OknaTV->setObjectName(QStringLiteral("OknaTV"));
    OknaTV->setModel(sortowanie_);
    OknaTV->setSortingEnabled(true);
    OknaTV->sortByColumn(-1, Qt::AscendingOrder); // the project's own order at first
    OknaTV->setSelectionBehavior(QAbstractItemView::SelectRows);
    OknaTV->setSelectionMode(QAbstractItemView::SingleSelection);
    OknaTV->setEditTriggers(QAbstractItemView::NoEditTriggers);
    OknaTV->verticalHeader()->hide();
    OknaTV->verticalHeader()->setDefaultSectionSize(OknaTV->fontMetrics().height() + 6);
    OknaTV->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    // Column widths from the header and the first rows: measuring 10,000
    // rows would cost more than the table.
    OknaTV->horizontalHeader()->setResizeContentsPrecision(50);
    OknaTV->resizeColumnsToContents();
    OknaTV->installEventFilter(this);
    uklad->addWidget(OknaTV, 1);
    auto* przyciski = new QDialogButtonBox(this);
    przyciski->addButton(QStringLiteral("Zamknij"), QDialogButtonBox::RejectRole);
    uklad->addWidget(przyciski);
    connect(przyciski, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(TylkoProblemyCB, &QCheckBox::toggled, this,
            [this](bool b) { sortowanie_->TylkoProblemy(b); });
    connect(OknaTV, &QTableView::doubleClicked, this, &TPrzegladOkienForm::Wybierz);
    int szerokosc = 40;
    for (int k = 0; k < KOLUMN; ++k)
        szerokosc += OknaTV->columnWidth(k);
    // On a 1024 × 768 screen too; the table scrolls sideways when it must.
    resize(std::min(szerokosc, 1000), 520);
}

TPrzegladOkienForm::~TPrzegladOkienForm() = default;

void TPrzegladOkienForm::Wybierz(const QModelIndex& indeks) {
    if (!indeks.isValid())
        return;
    wybrane_ = model_->Wiersz(sortowanie_->mapToSource(indeks).row()).teksty[SYMBOL];
    accept();
}

// Enter on a row shows that window.
bool TPrzegladOkienForm::eventFilter(QObject* obiekt, QEvent* zdarzenie) {
    if (obiekt == OknaTV && zdarzenie->type() == QEvent::KeyPress) {
        const int k = static_cast<QKeyEvent*>(zdarzenie)->key();
        if (k == Qt::Key_Return || k == Qt::Key_Enter) {
            Wybierz(OknaTV->currentIndex());
            return true;
        }
    }
    return QDialog::eventFilter(obiekt, zdarzenie);
}
