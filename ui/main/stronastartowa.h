#pragma once

#include <QWidget>

class QCommandLinkButton;
class QLabel;
class QVBoxLayout;

// What the main window shows where the panels stand while no project is
// open: the ways to begin and the recent projects, each a button that the
// mouse and the keyboard reach.
class TStronaStartowa : public QWidget {
    Q_OBJECT

public:
    explicit TStronaStartowa(QWidget* rodzic = nullptr);

    // The recent projects, newest first.
    void UstawOstatnie(const QStringList& sciezki);

    QCommandLinkButton *NowyBtn, *OtworzBtn, *ImportBtn, *ImportIfcBtn;
    QList<QCommandLinkButton*> OstatnieBtn;

signals:
    void nowy();
    void otworz();
    void importuj();
    void importujIfc();
    void otworzPlik(const QString& sciezka);

private:
    QLabel* naglowekOstatnich_;
    QVBoxLayout* ostatnie_;
};
