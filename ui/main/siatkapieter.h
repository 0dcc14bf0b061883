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

    // What the grid says when the building has no storey ticked.
    inline static const QString PODPOWIEDZ_BEZ_POZIOMOW =
        QStringLiteral("Budynek nie ma kondygnacji: zaznacz „Parter” (i pozostałe kondygnacje) "
                       "w panelu projektu, aby podać liczbę okien.");

protected:
    void resizeEvent(QResizeEvent* zdarzenie) override;

private:
    bool bezPoziomow_ = false;
};
