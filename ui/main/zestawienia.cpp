#include "ui/main/zestawienia.h"

#include "model/eksport/eksport.h"
#include "model/projekt/projektotwarty.h"
#include "report/prvform/drukzpostepem.h"
#include "report/prvform/prnprvform.h"
#include "report/raport/czcionki.h"
#include "report/raport/raport.h"
#include "report/raport/wydruk.h"
#include "ui/main/orientacjeform.h"
#include "ui/main/przegladokien.h"
#include "uslugi/dialogi.h"

#include <QApplication>
#include <QDir>
#include <QMainWindow>
#include <QPrinter>
#include <QStatusBar>

TZestawieniaProjektu::TZestawieniaProjektu(const TProjektOtwarty& projekt, TDialogi& dialogi,
                                           QWidget& okno, std::function<bool()> zatwierdz,
                                           std::function<QString(const QString&)> obokProjektu)
    : QObject(&okno), projekt_(projekt), dialogi_(dialogi), okno_(okno),
      zatwierdz_(std::move(zatwierdz)), obokProjektu_(std::move(obokProjektu)),
      ukladStrony_(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(20, 20, 20, 20),
                   QPageLayout::Millimeter, QMarginsF(0, 0, 0, 0)) {}

bool TZestawieniaProjektu::Gotowy() {
    return projekt_.Otwarty() && zatwierdz_();
}

void TZestawieniaProjektu::Blad(const QString& tresc) {
    dialogi_.Komunikat(&okno_, TRodzajKomunikatu::Blad, QStringLiteral("Błąd"), tresc);
}

void TZestawieniaProjektu::Zrobione(const QString& tresc) {
    if (auto* glowne = qobject_cast<QMainWindow*>(&okno_))
        glowne->statusBar()->showMessage(tresc, 15000);
}

bool TZestawieniaProjektu::UstawieniaStrony() {
    return dialogi_.UstawieniaStrony(&okno_, ukladStrony_);
}

void TZestawieniaProjektu::PodgladWydruku() {
    if (!Gotowy())
        return;
    TPrnPrvForm okno(dialogi_, &okno_);
    okno.UstawUstawieniaStrony([this] { return UstawieniaStrony(); },
                               [this] { return ukladStrony_; });
    okno.UstawProjekt(projekt_.Projekt());
    okno.UstawProponowanyPdf(obokProjektu_(QStringLiteral("pdf")));
    dialogi_.Pokaz(okno);
    if (!okno.OstatniZapis().isEmpty())
        Zrobione(okno.OstatniZapis());
}

void TZestawieniaProjektu::DrukujZestawienie() {
    if (!Gotowy())
        return;
    QPrinter drukarka(QPrinter::HighResolution);
    drukarka.setPageLayout(ukladStrony_);
    drukarka.setFullPage(true);
    drukarka.setDocName(TRaport::TYTUL_DOKUMENTU);
    if (!dialogi_.Drukuj(&okno_, drukarka))
        return;
    // The report with the preview's options at opening.
    TOpcjeRaportu opcje;
    opcje.Czcionka = DomyslnaCzcionkaRaportu();
    // Under the print dialog's own window: what it leaves is repainted, the
    // pages go out with their progress.
    QCoreApplication::processEvents();
    int od = 1, doStrony = 0;
    if (drukarka.printRange() == QPrinter::PageRange && drukarka.fromPage() > 0) {
        od = drukarka.fromPage();
        doStrony = std::max(od, drukarka.toPage());
    }
    const TWynikRaportu wynik =
        DrukujZPostepem(*projekt_.Projekt(), opcje, ukladStrony_.margins(QPageLayout::Millimeter),
                        drukarka, &okno_, od, doStrony);
    if (wynik == TWynikRaportu::Blad)
        Blad(QStringLiteral("Nie udało się wydrukować zestawienia!"));
    else if (wynik == TWynikRaportu::Gotowy)
        Zrobione(
            DoPliku(drukarka)
                ? QStringLiteral("Zapisano zestawienie w pliku PDF %1")
                      .arg(QDir::toNativeSeparators(drukarka.outputFileName()))
                : QStringLiteral("Wysłano zestawienie do drukarki %1").arg(drukarka.printerName()));
    if (wynik != TWynikRaportu::Gotowy && DoPliku(drukarka))
        dialogi_.Komunikat(&okno_, TRodzajKomunikatu::Informacja, QStringLiteral("Informacja"),
                           KomunikatNiedokonczonegoPliku(drukarka));
}

void TZestawieniaProjektu::ZestawienieWgStron() {
    if (!Gotowy())
        return;
    TOrientacjeForm okno(::ZestawienieWgStron(*projekt_.Projekt()), dialogi_,
                         obokProjektu_(QStringLiteral("csv")), &okno_);
    dialogi_.Pokaz(okno);
}

TIdOkna TZestawieniaProjektu::PrzegladOkien() {
    if (!Gotowy())
        return 0;
    TPrzegladOkienForm okno(*projekt_.Projekt(), &okno_);
    dialogi_.Pokaz(okno);
    const TOkno* wybrane =
        okno.Wybrane().isEmpty() ? nullptr : projekt_.Projekt()->GetOkno(okno.Wybrane());
    return wybrane ? wybrane->Id() : 0;
}

void TZestawieniaProjektu::EksportujZestawienie() {
    if (!Gotowy())
        return;
    const QString sciezka = dialogi_.PlikDoZapisu(
        &okno_, QStringLiteral("Skoroszyt Excel (*.xlsx);;CSV – arkusz (*.csv)"),
        obokProjektu_(QStringLiteral("xlsx")), QStringLiteral("xlsx"));
    if (sciezka.isEmpty())
        return;
    TFormatEksportu format = TFormatEksportu::Xlsx;
    if (!FormatZNazwy(sciezka, &format))
        format = TFormatEksportu::Xlsx;
    QString powod;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool ok = ::EksportujZestawienie(*projekt_.Projekt(), sciezka, format, &powod);
    QApplication::restoreOverrideCursor();
    if (!ok)
        Blad(QStringLiteral("Nie udało się zapisać zestawienia do pliku %1: %2.")
                 .arg(QDir::toNativeSeparators(sciezka), powod));
    else
        Zrobione(QStringLiteral("Zapisano zestawienie w pliku %1")
                     .arg(QDir::toNativeSeparators(sciezka)));
}
