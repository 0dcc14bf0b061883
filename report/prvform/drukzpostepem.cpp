#include "report/prvform/drukzpostepem.h"

#include "report/strony/pageoutput.h"
#include "uslugi/postep.h"

#include <QDir>
#include <QFile>
#include <QPrinter>

TWynikRaportu DrukujZPostepem(const TZestawienieStolarki& projekt, const TOpcjeRaportu& opcje,
                              const QMarginsF& marginesy, QPrinter& drukarka, QWidget* rodzic,
                              int od, int doStrony, const std::function<bool()>& przerwij) {
    TPostep postep(QStringLiteral("Drukowanie"), rodzic);
    postep.Krok(0, 0, QStringLiteral("Przygotowywanie wydruku..."));
    const TWynikRaportu wynik =
        DrukujRaport(projekt, opcje, marginesy, drukarka, [&](TPageOutput& wyjscie) {
            wyjscie.SetRange(od, doStrony);
            wyjscie.przyPrzerwaniu = [&drukarka] {
                drukarka.abort();
            };
            QObject::connect(
                &wyjscie, &TPageOutput::OnPrintProgress, &postep, [&](int strona, int, bool* stop) {
                    const int stron = wyjscie.PagesToSend();
                    const QString tekst =
                        stron > 0
                            ? QStringLiteral("Drukowanie strony %1 z %2").arg(strona).arg(stron)
                            : QStringLiteral("Drukowanie strony %1").arg(strona);
                    *stop = !postep.Krok(strona, stron, tekst) || (przerwij && przerwij());
                });
        });
    // A PDF file of some of the pages would look like the whole report.
    if (wynik != TWynikRaportu::Gotowy && DoPliku(drukarka))
        QFile::remove(drukarka.outputFileName());
    return wynik;
}

bool DoPliku(const QPrinter& drukarka) {
    return drukarka.outputFormat() == QPrinter::PdfFormat && !drukarka.outputFileName().isEmpty();
}

QString KomunikatNiedokonczonegoPliku(const QPrinter& drukarka) {
    return QStringLiteral("Drukowania do pliku nie dokończono: plik %1 nie został zapisany.")
        .arg(QDir::toNativeSeparators(drukarka.outputFileName()));
}
