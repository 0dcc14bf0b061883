#pragma once

#include <QTableWidget>

class TOkno;
class TZestawienieStolarki;

// OknaNaKondSG: a window's counts, one row per storey the building has, one
// column per compass direction.
class TSiatkaPieter : public QTableWidget {
    Q_OBJECT

public:
    explicit TSiatkaPieter(QWidget* rodzic = nullptr);

    void Pokaz(const TZestawienieStolarki& projekt, const TOkno& okno);
    // Whole numbers of 0 or more are stored; anything else counts as 0.
    void Zatwierdz(const TZestawienieStolarki& projekt, TOkno& okno) const;
    void Resetuj();
};
