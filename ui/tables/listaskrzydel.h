#pragma once

#include <QTableWidget>

class QComboBox;

// SkrzydlaVLE: the opening kinds of sashes "1" … "8". The cells cannot be
// typed into: a drop-down of the twelve kinds (SkrzydloCB) is laid over the
// value cell that is clicked, and what is picked there is written into it.
class TListaSkrzydel : public QTableWidget {
    Q_OBJECT

public:
    TListaSkrzydel(int szerokoscKlucza, QWidget* rodzic = nullptr);

    QString GetSkrzydlo(const QString& klucz) const;
    void SetSkrzydlo(const QString& klucz, const QString& nazwa);
    // Only the first `n` sashes' rows show (a type's sashes); the others
    // keep their kinds.
    void PokazSkrzydla(int n);
    // Writes the kind into row `wiersz` (0–7) as the drop-down does.
    void Wybierz(int wiersz, const QString& nazwa);

    QComboBox* SkrzydloCB;

signals:
    // A kind was picked in the drop-down and written into row `wiersz`.
    void wybrano(int wiersz);

protected:
    bool eventFilter(QObject* obiekt, QEvent* zdarzenie) override;

private:
    void PokazRozwijana(int wiersz, int kolumna);
    void Wyjdz(bool dalej);

    int widoczne_ = 8;
};
