#include "app/splash.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

TSplashForm::TSplashForm(QWidget* rodzic)
    : QDialog(rodzic, Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::Dialog) {
    setObjectName(QStringLiteral("SplashForm"));
    setWindowTitle(QStringLiteral("Splash"));
    setModal(true);
    setFixedSize(400, 500);
    auto* uklad = new QVBoxLayout(this);
    uklad->setContentsMargins(0, 0, 0, 0);
    auto* obraz = new QLabel(this);
    obraz->setObjectName(QStringLiteral("SplashImg"));
    obraz->setPixmap(QPixmap(QStringLiteral(":/grafika/splash.jpg")));
    uklad->addWidget(obraz);
    CloseTimer = new QTimer(this);
    CloseTimer->setObjectName(QStringLiteral("CloseTimer"));
    CloseTimer->setInterval(CZAS_MS);
    CloseTimer->setSingleShot(true);
    CloseTimer->setTimerType(Qt::PreciseTimer); // a coarse timer may fire 5 % early
    connect(CloseTimer, &QTimer::timeout, this, &QDialog::close);
    if (const QScreen* ekran = QGuiApplication::primaryScreen())
        move(ekran->availableGeometry().center() - rect().center());
}

void TSplashForm::showEvent(QShowEvent* zdarzenie) {
    CloseTimer->start();
    QDialog::showEvent(zdarzenie);
}

// A click anywhere, the picture included, closes it at once.
void TSplashForm::mouseReleaseEvent(QMouseEvent* zdarzenie) {
    CloseTimer->stop();
    close();
    QDialog::mouseReleaseEvent(zdarzenie);
}
