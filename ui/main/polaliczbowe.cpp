#include "polaliczbowe.h"

#include "dialogi.h"
#include "liczby.h"

#include <QLineEdit>
#include <QPointer>

bool BrakCeny(const QString& tekst) {
    const QString t = tekst.trimmed();
    return t.isEmpty() || t.compare(TEKST_BRAK_CENY, Qt::CaseInsensitive) == 0;
}

void PilnujPolaLiczbowego(QLineEdit* pole, TZakresPola zakres, TDialogi& dialogi) {
    QObject::connect(pole, &QLineEdit::editingFinished, pole, [pole, zakres, &dialogi] {
        // The message box takes the focus away and would finish editing once
        // more; one message per exit is enough.
        static bool wTrakcie = false;
        if (wTrakcie)
            return;
        if (zakres == TZakresPola::CenaLubBrak && BrakCeny(pole->text())) {
            pole->setText(TEKST_BRAK_CENY);
            return;
        }
        const double x = LiczbaZTekstu(pole->text());
        pole->setText(TekstOgolny(x));
        QString blad;
        if (zakres != TZakresPola::Procent && x < 0)
            blad = QStringLiteral("Podana wartość nie może być mniejsza od 0!");
        else if (zakres == TZakresPola::Procent && (x < 0 || x > 100))
            blad = QStringLiteral("Podana wartość musi być w zakresie od 0% do 100%!");
        if (blad.isEmpty())
            return;
        wTrakcie = true;
        QPointer<QLineEdit> straz(pole);
        dialogi.Komunikat(pole->window(), TRodzajKomunikatu::Blad, QStringLiteral("Błąd"), blad);
        if (straz)
            straz->setFocus();
        wTrakcie = false;
    });
}
