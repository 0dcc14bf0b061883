#include "ui/main/siatkapieter.h"

#include "model/liczby.h"
#include "model/zestawienie.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QValidator>

namespace {

const char* const naglowki[] = {" N", " NE", " E", " SE", " S", " SW", " W", " NW"};

// Cells take digits only: a count is a whole number of 0 or more.
class TDelegatLiczby : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QWidget* createEditor(QWidget* rodzic, const QStyleOptionViewItem& opcje,
                          const QModelIndex& indeks) const override {
        QWidget* edytor = QStyledItemDelegate::createEditor(rodzic, opcje, indeks);
        if (auto* pole = qobject_cast<QLineEdit*>(edytor))
            pole->setValidator(new QIntValidator(0, INT32_MAX, pole));
        return edytor;
    }
};

int32_t LiczbaKomorki(const QTableWidgetItem* k) {
    if (!k)
        return 0;
    int64_t n = 0;
    return CzytajCalkowita(k->text(), &n, 0, INT32_MAX) ? static_cast<int32_t>(n) : 0;
}

} // namespace

TSiatkaPieter::TSiatkaPieter(QWidget* rodzic) : QTableWidget(rodzic) {
    setObjectName(QStringLiteral("OknaNaKondSG"));
    setToolTip(QStringLiteral("Liczba okien przypadająca na daną kondygnację z podziałem na "
                              "strony świata"));
    setColumnCount(1 + LICZBA_KIERUNKOW);
    QStringList h{QStringLiteral("Kondygnacja")};
    for (const char* n : naglowki)
        h << QLatin1String(n);
    setHorizontalHeaderLabels(h);
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(18);
    // The storey names whole ("podpiwniczenie" is the longest).
    setColumnWidth(0, std::max(83, fontMetrics().horizontalAdvance(POZIOM_PODPIWNICZENIE) + 10));
    for (int c = 1; c <= LICZBA_KIERUNKOW; ++c)
        setColumnWidth(c, 35);
    // All nine columns in sight; rows beyond the height scroll.
    int szerokosc = 2 * frameWidth() + verticalScrollBar()->sizeHint().width();
    for (int c = 0; c <= LICZBA_KIERUNKOW; ++c)
        szerokosc += columnWidth(c);
    setMinimumWidth(szerokosc);
    setMinimumHeight(horizontalHeader()->sizeHint().height() + 2 * 18 + 2 * frameWidth());
    setItemDelegate(new TDelegatLiczby(this));
    // Tab and Shift+Tab lead on to the next control; the arrows move inside.
    setTabKeyNavigation(false);
    Resetuj();
}

void TSiatkaPieter::Resetuj() {
    clearContents();
    clearSpans();
    setRowCount(1);
    setEnabled(false);
}

void TSiatkaPieter::resizeEvent(QResizeEvent* zdarzenie) {
    QTableWidget::resizeEvent(zdarzenie);
    if (bezPoziomow_)
        setRowHeight(0, viewport()->height());
}

void TSiatkaPieter::Pokaz(const TZestawienieStolarki& p, const TOkno& o) {
    const QStringList poziomy = p.Poziomy();
    clearContents();
    clearSpans();
    setRowCount(std::max<int>(1, static_cast<int>(poziomy.size())));
    setEnabled(true);
    bezPoziomow_ = poziomy.isEmpty();
    // Nothing to count on: one cell across the grid says where the storeys
    // are given.
    setFocusPolicy(bezPoziomow_ ? Qt::NoFocus : Qt::StrongFocus);
    if (bezPoziomow_) {
        auto* podpowiedz = new QTableWidgetItem(PODPOWIEDZ_BEZ_POZIOMOW);
        podpowiedz->setFlags(Qt::ItemIsEnabled);
        podpowiedz->setTextAlignment(Qt::AlignCenter);
        podpowiedz->setForeground(palette().color(QPalette::PlaceholderText));
        setItem(0, 0, podpowiedz);
        setSpan(0, 0, 1, columnCount());
        setRowHeight(0, viewport()->height());
        return;
    }
    for (int w = 0; w < poziomy.size(); ++w)
        setRowHeight(w, verticalHeader()->defaultSectionSize());
    for (int w = 0; w < poziomy.size(); ++w) {
        auto* nazwa = new QTableWidgetItem(poziomy[w]);
        nazwa->setFlags(Qt::ItemIsEnabled);
        setItem(w, 0, nazwa);
        for (int d = 0; d < LICZBA_KIERUNKOW; ++d)
            setItem(w, d + 1, new QTableWidgetItem(QString::number(o.GetLiczba(poziomy[w], d))));
    }
}

void TSiatkaPieter::Zatwierdz(const TZestawienieStolarki& p, TOkno& o) const {
    const QStringList poziomy = p.Poziomy();
    for (int w = 0; w < poziomy.size() && w < rowCount(); ++w) {
        for (int d = 0; d < LICZBA_KIERUNKOW; ++d) {
            // A cell as it was shown keeps the count, whatever a file put there.
            const QTableWidgetItem* k = item(w, d + 1);
            const int32_t byla = o.GetLiczba(poziomy[w], d);
            if (!k || k->text() != QString::number(byla))
                o.SetLiczba(poziomy[w], d, LiczbaKomorki(k));
        }
    }
}
