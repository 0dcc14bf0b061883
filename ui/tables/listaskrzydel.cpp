#include "ui/tables/listaskrzydel.h"

#include "model/katalog.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QKeyEvent>

TListaSkrzydel::TListaSkrzydel(int szerokoscKlucza, QWidget* rodzic)
    : QTableWidget(MAX_SKRZYDEL, 2, rodzic) {
    setObjectName(QStringLiteral("SkrzydlaVLE"));
    setToolTip(QStringLiteral("Sposób otwierania poszczególnych skrzydeł"));
    setHorizontalHeaderLabels({QStringLiteral("Skrzydło"), QStringLiteral("Sposób otwierania")});
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(18);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Tab and Shift+Tab lead out of the table to the next and previous
    // control; the arrows move inside it.
    setTabKeyNavigation(false);
    // The key column at least as wide as its caption.
    const int naglowek =
        horizontalHeader()->fontMetrics().horizontalAdvance(QStringLiteral("Skrzydło")) + 14;
    setColumnWidth(0, std::max(szerokoscKlucza, naglowek));
    horizontalHeader()->setStretchLastSection(true);
    PokazSkrzydla(MAX_SKRZYDEL);
    for (int i = 0; i < MAX_SKRZYDEL; ++i) {
        auto* klucz = new QTableWidgetItem(QString::number(i + 1));
        klucz->setFlags(Qt::ItemIsEnabled);
        setItem(i, 0, klucz);
        setItem(i, 1, new QTableWidgetItem);
    }

    SkrzydloCB = new QComboBox(viewport());
    SkrzydloCB->setObjectName(QStringLiteral("SkrzydloCB"));
    SkrzydloCB->setToolTip(toolTip());
    SkrzydloCB->setMaxVisibleItems(12);
    for (const TRodzajSkrzydlaRec& r : RodzajeSkrzydel())
        SkrzydloCB->addItem(r.Nazwa);
    SkrzydloCB->setCurrentIndex(0);
    SkrzydloCB->hide();

    // A value cell made current, by the mouse or the keyboard, gets the list.
    connect(this, &QTableWidget::cellClicked, this, &TListaSkrzydel::PokazRozwijana);
    connect(this, &QTableWidget::currentCellChanged, this,
            [this](int wiersz, int kolumna) { PokazRozwijana(wiersz, kolumna); });
    connect(SkrzydloCB, qOverload<int>(&QComboBox::activated), this,
            [this] { Wybierz(currentRow(), SkrzydloCB->currentText()); });
    // Leaving the list hides it; its own open list, a window of its own,
    // is no leaving.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget* stary, QWidget* nowy) {
        if (!SkrzydloCB->isVisible() || !nowy || nowy == SkrzydloCB ||
            SkrzydloCB->isAncestorOf(nowy) || nowy->window() == SkrzydloCB->view()->window())
            return;
        if (stary == SkrzydloCB || SkrzydloCB->isAncestorOf(stary) ||
            (stary && stary->window() == SkrzydloCB->view()->window()))
            SkrzydloCB->hide();
    });
    SkrzydloCB->installEventFilter(this);
}

// Over the list, Up and Down move to the next sash as they do in the grid,
// instead of changing this sash's kind; Escape puts the list away.
bool TListaSkrzydel::eventFilter(QObject* obiekt, QEvent* zdarzenie) {
    if (obiekt == SkrzydloCB && zdarzenie->type() == QEvent::KeyPress) {
        const auto* k = static_cast<QKeyEvent*>(zdarzenie);
        const bool alt = k->modifiers() & Qt::AltModifier;
        if (!alt && (k->key() == Qt::Key_Up || k->key() == Qt::Key_Down)) {
            const int wiersz =
                std::clamp(currentRow() + (k->key() == Qt::Key_Up ? -1 : 1), 0, widoczne_ - 1);
            setFocus();
            setCurrentCell(wiersz, 1);
            PokazRozwijana(wiersz, 1);
            return true;
        }
        if (k->key() == Qt::Key_Escape) {
            SkrzydloCB->hide();
            setFocus();
            return true;
        }
        if (k->key() == Qt::Key_Tab || k->key() == Qt::Key_Backtab) {
            Wyjdz(k->key() == Qt::Key_Tab);
            return true;
        }
    }
    return QTableWidget::eventFilter(obiekt, zdarzenie);
}

// The next (or previous) control that takes Tab, past the table and its list.
void TListaSkrzydel::Wyjdz(bool dalej) {
    SkrzydloCB->hide();
    QWidget* w = this;
    do {
        w = dalej ? w->nextInFocusChain() : w->previousInFocusChain();
    } while (w && w != this &&
             (isAncestorOf(w) || !(w->focusPolicy() & Qt::TabFocus) || !w->isEnabled() ||
              !w->isVisibleTo(window())));
    if (w && w != this)
        w->setFocus(dalej ? Qt::TabFocusReason : Qt::BacktabFocusReason);
}

QString TListaSkrzydel::GetSkrzydlo(const QString& klucz) const {
    bool ok = false;
    const int n = klucz.toInt(&ok);
    return ok && n >= 1 && n <= MAX_SKRZYDEL ? item(n - 1, 1)->text() : QString();
}

void TListaSkrzydel::SetSkrzydlo(const QString& klucz, const QString& nazwa) {
    bool ok = false;
    const int n = klucz.toInt(&ok);
    if (ok && n >= 1 && n <= MAX_SKRZYDEL)
        item(n - 1, 1)->setText(nazwa);
}

void TListaSkrzydel::PokazSkrzydla(int n) {
    widoczne_ = std::clamp(n, 1, static_cast<int>(MAX_SKRZYDEL));
    for (int i = 0; i < MAX_SKRZYDEL; ++i)
        setRowHidden(i, i >= widoczne_);
    if (currentRow() >= widoczne_) {
        SkrzydloCB->hide();
        setCurrentCell(widoczne_ - 1, currentColumn());
    }
    setFixedHeight(18 * widoczne_ + horizontalHeader()->sizeHint().height() + 4);
}

void TListaSkrzydel::PokazRozwijana(int wiersz, int kolumna) {
    if (kolumna != 1 || wiersz < 0 || wiersz >= widoczne_)
        return;
    const QRect komorka = visualItemRect(item(wiersz, 1));
    // Exactly as high as the row it covers.
    SkrzydloCB->setGeometry(komorka.left() + 2, komorka.top(), columnWidth(1) + 1,
                            komorka.height());
    // No selection when the cell holds no kind name.
    SkrzydloCB->setCurrentIndex(SkrzydloCB->findText(item(wiersz, 1)->text()));
    SkrzydloCB->raise();
    SkrzydloCB->show();
    SkrzydloCB->setFocus();
}

void TListaSkrzydel::Wybierz(int wiersz, const QString& nazwa) {
    if (wiersz < 0 || wiersz >= MAX_SKRZYDEL)
        return;
    item(wiersz, 1)->setText(nazwa);
    SkrzydloCB->hide();
    emit wybrano(wiersz);
}
