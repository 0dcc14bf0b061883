#pragma once

#include <QDialog>

class QLabel;
class QTabWidget;
class TListaSkrzydel;

// TFTypOkna: the window types as pictures, eight tabs by number of sashes,
// with the opening kind of each of the eight sashes. Made once and kept;
// each opening starts from the shown window's type (UstawTyp).
class TFTypOkna : public QDialog {
    Q_OBJECT

public:
    explicit TFTypOkna(QWidget* rodzic = nullptr);

    QString GetSkrzydlo(const QString& klucz) const;
    void SetSkrzydlo(const QString& klucz, const QString& nazwa);
    // The code of the type clicked last; 0 before any click.
    int WybranyTyp() const { return wybranyTyp_; }
    // What a click on the picture with that tag does.
    void KliknijObraz(int tag);
    // Opens on this type: its tab, its picture as the one chosen; Ok
    // without a click keeps it.
    void UstawTyp(int kod);

    QTabWidget* LiczbaSkrzydelPC;
    TListaSkrzydel* SkrzydlaVLE;
    QLabel* WybranyIMG;

signals:
    // Reported when a picture carries no catalogue code.
    void blad(const QString& tresc);

private:
    int wybranyTyp_ = 0;
};

// The picture of a type's cells: black frame and bars, numbered white cells.
QPixmap ObrazTypuOkna(int kod);
