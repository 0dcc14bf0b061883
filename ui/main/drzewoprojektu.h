#pragma once

#include "model/okno.h"

#include <QTreeWidget>

class TZestawienieStolarki;

// StolarkaTree: the project as the root node, one child per window, sorted
// by symbol; each window node knows its window by identity. A window that
// fails WT 2021 or lacks thermal data carries a mark.
class TDrzewoProjektu : public QTreeWidget {
    Q_OBJECT

public:
    explicit TDrzewoProjektu(QWidget* rodzic = nullptr);

    // The nodes of the project (none for nullptr), the node of `wybrane`
    // selected (0: the root), without a word of selection.
    void Zbuduj(const TZestawienieStolarki* projekt, const QString& nazwa, TIdOkna wybrane);
    void UstawNazwe(const QString& nazwa);
    // The marks of WT 2021 as the project now stands.
    void Oznacz(const TZestawienieStolarki& projekt);
    // Selects a node without a word of selection; false when there is none.
    bool Wybierz(TIdOkna id);

    // Whether a node is there, and whether it is the project's.
    bool JestWybrany() const { return currentItem() != nullptr; }
    bool WybranyKorzen() const;
    // The window of the selected node (0: the root or nothing).
    TIdOkna WybraneOkno() const;
    static TIdOkna IdWezla(const QTreeWidgetItem* wezel);
    // The window whose node stands below that one's, else above it; 0 when
    // it is the only one.
    TIdOkna Sasiad(TIdOkna id) const;

signals:
    // The user selected a node (a click, a key, type-ahead), or clicked the
    // one already selected.
    void wybrano();
    // Delete pressed in the tree.
    void usun();

protected:
    void mousePressEvent(QMouseEvent* zdarzenie) override;

private:
    void Sortuj();
    QTreeWidgetItem* WezelOkna(TIdOkna id) const;

    QTreeWidgetItem* przedKliknieciem_ = nullptr;
};
