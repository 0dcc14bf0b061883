#include "listaskrzydel.h"

#include "katalog.h"

#include <QApplication>
#include <QComboBox>
#include <QHeaderView>

TListaSkrzydel::TListaSkrzydel(int szerokoscKlucza, QWidget* rodzic)
    : QTableWidget(MAX_SKRZYDEL, 2, rodzic) {
    setObjectName(QStringLiteral("SkrzydlaVLE"));
    setToolTip(QStringLiteral("Sposób otwierania poszczególnych skrzydeł"));
    setHorizontalHeaderLabels({QStringLiteral("Skrzydło"), QStringLiteral("Sposób otwierania")});
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(18);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setColumnWidth(0, szerokoscKlucza);
    horizontalHeader()->setStretchLastSection(true);
    setFixedHeight(18 * MAX_SKRZYDEL + horizontalHeader()->sizeHint().height() + 4);
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

    connect(this, &QTableWidget::cellClicked, this, &TListaSkrzydel::PokazRozwijana);
    connect(SkrzydloCB, qOverload<int>(&QComboBox::activated), this,
            [this] { Wybierz(currentRow(), SkrzydloCB->currentText()); });
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget* stary, QWidget* nowy) {
        if (stary == SkrzydloCB && nowy && nowy != SkrzydloCB && !SkrzydloCB->isAncestorOf(nowy))
            SkrzydloCB->hide();
    });
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

void TListaSkrzydel::PokazRozwijana(int wiersz, int kolumna) {
    if (kolumna != 1)
        return;
    const QRect komorka = visualItemRect(item(wiersz, 1));
    SkrzydloCB->setGeometry(komorka.left() + 2, komorka.top(), columnWidth(1) + 1,
                            std::max(komorka.height(), SkrzydloCB->sizeHint().height()));
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
