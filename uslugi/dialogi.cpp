#include "uslugi/dialogi.h"

#include "uslugi/ustawieniastrony.h"
#include "uslugi/znaki.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QVBoxLayout>

#include <cstdlib>

void TDialogiQt::Komunikat(QWidget* rodzic, TRodzajKomunikatu rodzaj, const QString& tytul,
                           const QString& tresc) {
    QMessageBox::Icon ikona = QMessageBox::Information;
    if (rodzaj == TRodzajKomunikatu::Blad)
        ikona = QMessageBox::Critical;
    else if (rodzaj == TRodzajKomunikatu::Ostrzezenie)
        ikona = QMessageBox::Warning;
    QMessageBox okno(ikona, tytul, tresc, QMessageBox::NoButton, rodzic);
    okno.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    okno.exec();
}

TDialogi::Odpowiedz TDialogiQt::Pytanie(QWidget* rodzic, const QString& tytul,
                                        const QString& tresc) {
    QMessageBox okno(QMessageBox::Question, tytul, tresc, QMessageBox::NoButton, rodzic);
    QPushButton* tak = okno.addButton(QStringLiteral("&Tak"), QMessageBox::YesRole);
    okno.addButton(QStringLiteral("&Nie"), QMessageBox::NoRole);
    okno.exec();
    return okno.clickedButton() == tak ? Odpowiedz::Tak : Odpowiedz::Nie;
}

TDialogi::Odpowiedz TDialogiQt::Potwierdzenie(QWidget* rodzic, const QString& tytul,
                                              const QString& tresc) {
    QMessageBox okno(QMessageBox::Question, tytul, tresc, QMessageBox::NoButton, rodzic);
    QPushButton* tak = okno.addButton(QStringLiteral("&Tak"), QMessageBox::YesRole);
    QPushButton* nie = okno.addButton(QStringLiteral("&Nie"), QMessageBox::NoRole);
    QPushButton* anuluj = okno.addButton(QStringLiteral("Anuluj"), QMessageBox::RejectRole);
    okno.setEscapeButton(anuluj);
    okno.exec();
    if (okno.clickedButton() == tak)
        return Odpowiedz::Tak;
    if (okno.clickedButton() == nie)
        return Odpowiedz::Nie;
    return Odpowiedz::Anuluj;
}

std::optional<QString> TDialogiQt::Tekst(QWidget* rodzic, const QString& tytul,
                                         const QString& etykieta, const QString& poczatkowy,
                                         int maxDlugosc) {
    QDialog okno(rodzic);
    okno.setWindowTitle(tytul);
    auto* uklad = new QVBoxLayout(&okno);
    uklad->addWidget(new QLabel(etykieta, &okno));
    auto* pole = new QLineEdit(poczatkowy, &okno);
    pole->setMaxLength(maxDlugosc);
    uklad->addWidget(pole);
    // The box has no status bar: a refused character is explained under the field.
    auto* powod = new QLabel(&okno);
    powod->setWordWrap(true);
    powod->hide();
    uklad->addWidget(powod);
    // Wide enough for a line of the reason; the box grows with its lines.
    okno.setMinimumWidth(okno.fontMetrics().averageCharWidth() * 60);
    PilnujZnakow(pole, [powod, &okno](const QString& tekst) {
        powod->setText(tekst);
        powod->show();
        okno.adjustSize();
    });
    auto* przyciski = new QDialogButtonBox(&okno);
    przyciski->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    przyciski->addButton(QStringLiteral("Anuluj"), QDialogButtonBox::RejectRole);
    uklad->addWidget(przyciski);
    QObject::connect(przyciski, &QDialogButtonBox::accepted, &okno, &QDialog::accept);
    QObject::connect(przyciski, &QDialogButtonBox::rejected, &okno, &QDialog::reject);
    if (okno.exec() != QDialog::Accepted)
        return std::nullopt;
    return pole->text();
}

QString TDialogiQt::PlikDoOtwarcia(QWidget* rodzic, const QString& filtry, const QString& wybrany,
                                   const QString& katalog) {
    QFileDialog okno(rodzic, QString(), katalog, filtry);
    if (!wybrany.isEmpty())
        okno.selectNameFilter(wybrany);
    okno.setAcceptMode(QFileDialog::AcceptOpen);
    okno.setFileMode(QFileDialog::ExistingFile);
    if (okno.exec() != QDialog::Accepted || okno.selectedFiles().isEmpty())
        return QString();
    return okno.selectedFiles().first();
}

QString TDialogiQt::PlikDoZapisu(QWidget* rodzic, const QString& filtry, const QString& sciezka,
                                 const QString& rozszerzenie) {
    QFileDialog okno(rodzic, QString(), sciezka, filtry);
    okno.setAcceptMode(QFileDialog::AcceptSave);
    okno.setFileMode(QFileDialog::AnyFile);
    okno.setDefaultSuffix(rozszerzenie);
    if (okno.exec() != QDialog::Accepted || okno.selectedFiles().isEmpty())
        return QString();
    return okno.selectedFiles().first();
}

bool TDialogiQt::UstawieniaStrony(QWidget* rodzic, QPageLayout& uklad) {
    // The system's dialog needs a printer; with none, the program's own.
    if (!JestDrukarka()) {
        TUstawieniaStronyForm okno(uklad, rodzic);
        if (okno.exec() != QDialog::Accepted)
            return false;
        uklad = okno.Uklad();
        return true;
    }
    QPrinter drukarka;
    drukarka.setPageLayout(uklad);
    QPageSetupDialog okno(&drukarka, rodzic);
    if (okno.exec() != QDialog::Accepted)
        return false;
    uklad = drukarka.pageLayout();
    uklad.setUnits(QPageLayout::Millimeter);
    return true;
}

bool TDialogiQt::Drukuj(QWidget* rodzic, QPrinter& drukarka) {
    QPrintDialog okno(&drukarka, rodzic);
    // The pages there are, when the caller knows them (setFromTo).
    if (drukarka.toPage() > 0)
        okno.setMinMax(1, drukarka.toPage());
    return okno.exec() == QDialog::Accepted;
}

bool TDialogiQt::JestDrukarka() {
    return !QPrinterInfo::availablePrinterNames().isEmpty();
}

bool TDialogiQt::Pokaz(QDialog& okno) {
    return okno.exec() == QDialog::Accepted;
}

void TDialogiQt::Zakoncz() {
    std::exit(EXIT_FAILURE);
}
