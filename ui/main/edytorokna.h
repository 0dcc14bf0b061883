#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;
class TOkno;
class TSiatkaPieter;
class TZestawienieStolarki;

// ElementStolarkiPanel: the editor of one window. A buffer like the project
// panel: Pokaz fills it from the window, Zatwierdz writes it back.
class TEdytorOkna : public QWidget {
    Q_OBJECT

public:
    explicit TEdytorOkna(QWidget* rodzic = nullptr);

    void Pokaz(TZestawienieStolarki& projekt, TOkno& okno);
    void Zatwierdz(TZestawienieStolarki& projekt, TOkno& okno) const;
    void Resetuj();
    // Redraws the picture of the project's current window.
    void Rysuj(const TZestawienieStolarki& projekt);

    QLineEdit* SymbolOknaEd;
    QPushButton* ZmSymbBitBtn;
    QLabel* OknoImage;
    QLineEdit* UwOknaEd;
    QPushButton* RefreshUwOkna;
    TSiatkaPieter* OknaNaKondSG;

    static constexpr int SZEROKOSC_RYSUNKU = 303;
    static constexpr int WYSOKOSC_RYSUNKU = 145;

signals:
    // "Zmień symbol" and "  Przelicz Uw", carried out by the main window.
    void zmienSymbol();
    void przeliczUw();
};
