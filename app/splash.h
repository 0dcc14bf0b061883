#pragma once

#include <QDialog>

class QTimer;

// TSplashForm: the picture shown over the main window at start-up. It closes
// after 3.5 seconds or at a click.
class TSplashForm : public QDialog {
    Q_OBJECT

public:
    explicit TSplashForm(QWidget* rodzic = nullptr);
    QTimer* CloseTimer;

    static constexpr int CZAS_MS = 3500;

protected:
    void showEvent(QShowEvent* zdarzenie) override;
    void mouseReleaseEvent(QMouseEvent* zdarzenie) override;
};
