#include "app/oprogramie.h"

#include "model/wersja.h"

#include <QDesktopServices>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

namespace {

// The publisher shown in the box.
constexpr int SZEROKOSC_NAPISOW = 180;
const char* const WYDAWCA = "Termivo Sp. z o.o.";
const char* const ULICA = "ul. Okienna 12";
const char* const MIASTO = "00-950 Warszawa";
const char* const TELEFON_1 = "tel. +48 22 100 20 30";
const char* const TELEFON_2 = "tel. +48 601 100 200";
const char* const STRONA = "www.termivo.pl";
const char* const POCZTA = "biuro@termivo.pl";

// A blue label that opens its address through the desktop when clicked.
class TLink : public QLabel {
public:
    TLink(const QString& tekst, const QString& prefiks, QWidget* rodzic)
        : QLabel(tekst, rodzic), adres_(prefiks + tekst) {
        setStyleSheet(QStringLiteral("color: blue;"));
        setCursor(Qt::PointingHandCursor);
    }

protected:
    void mouseReleaseEvent(QMouseEvent* zdarzenie) override {
        QDesktopServices::openUrl(QUrl(adres_));
        QLabel::mouseReleaseEvent(zdarzenie);
    }

private:
    QString adres_;
};

} // namespace

TAboutBox::TAboutBox(QWidget* rodzic) : QDialog(rodzic) {
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QStringLiteral("O programie"));
    setFixedSize(353, 324);
    auto* uklad = new QVBoxLayout(this);
    uklad->setContentsMargins(8, 8, 8, 8);

    auto* panel = new QFrame(this);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setAutoFillBackground(true);
    panel->setStyleSheet(QStringLiteral("QFrame { background: white; }"));
    auto* gora = new QHBoxLayout(panel);
    auto* ikona = new QLabel(panel);
    ikona->setObjectName(QStringLiteral("ProgramIcon"));
    ikona->setPixmap(QPixmap(QStringLiteral(":/grafika/program.jpg")));
    ikona->setFixedSize(197, 94);
    gora->setContentsMargins(2, 2, 2, 2);
    gora->addWidget(ikona);
    auto* opis = new QVBoxLayout;
    ProductName = new QLabel(QStringLiteral("Termivo"), panel);
    ProductName->setObjectName(QStringLiteral("ProductName"));
    ProductName->setStyleSheet(QStringLiteral("color: red; font-weight: bold;"));
    Version = new QLabel(QStringLiteral("Wersja: ") + WersjaProgramu(), panel);
    Version->setObjectName(QStringLiteral("Version"));
    Copyright = new QLabel(QStringLiteral("Copyright © 2026 ") + QString::fromUtf8(WYDAWCA), panel);
    Copyright->setObjectName(QStringLiteral("Copyright"));
    Copyright->setWordWrap(true);
    auto* motto = new QLabel(QStringLiteral("Is fecit cui prodest."), panel);
    motto->setObjectName(QStringLiteral("StaticText1"));
    motto->setStyleSheet(QStringLiteral("color: blue; font-weight: bold;"));
    for (QLabel* l : {ProductName, Version, Copyright, motto})
        opis->addWidget(l);
    gora->addLayout(opis);
    uklad->addWidget(panel);

    auto* obraz = new QLabel(this);
    obraz->setObjectName(QStringLiteral("Image1"));
    obraz->setFixedSize(337, 160);
    obraz->setPixmap(QPixmap(QStringLiteral(":/grafika/o_programie.jpg")));
    // The lines stay in the plain left part of the picture, clear of the
    // window drawn on its right.
    auto* dane = new QVBoxLayout(obraz);
    dane->setContentsMargins(10, 6, obraz->width() - SZEROKOSC_NAPISOW, 6);
    dane->setSpacing(0);
    for (const char* t : {WYDAWCA, ULICA, MIASTO, TELEFON_1, TELEFON_2})
        dane->addWidget(new QLabel(QString::fromUtf8(t), obraz));
    WWWLab = new TLink(QString::fromLatin1(STRONA), QStringLiteral("http://"), obraz);
    WWWLab->setObjectName(QStringLiteral("WWWLab"));
    MailLab = new TLink(QString::fromLatin1(POCZTA), QStringLiteral("mailto:"), obraz);
    MailLab->setObjectName(QStringLiteral("MailLab"));
    dane->addWidget(WWWLab);
    dane->addWidget(MailLab);
    uklad->addWidget(obraz);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("OKButton"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    uklad->addWidget(ok, 0, Qt::AlignHCenter);
}
