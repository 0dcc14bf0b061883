#include "polaliczbowe.h"

#include "dialogi.h"
#include "liczby.h"

#include <QEvent>
#include <QLineEdit>
#include <QPointer>

bool BrakCeny(const QString& tekst) {
    const QString t = tekst.trimmed();
    return t.isEmpty() || t.compare(TEKST_BRAK_CENY, Qt::CaseInsensitive) == 0;
}

namespace {

// What the field held before the user typed: what the program filled in,
// or what it held when the user entered it. A value out of range puts it
// back.
class TPoprzedniaWartosc : public QObject {
public:
    explicit TPoprzedniaWartosc(QLineEdit* pole) : QObject(pole), pole_(pole) {
        tekst = pole->text();
        pole->installEventFilter(this);
        connect(pole, &QLineEdit::textChanged, this, [this](const QString& t) {
            if (!pole_->hasFocus())
                tekst = t;
        });
    }

    QString tekst;

protected:
    bool eventFilter(QObject* obiekt, QEvent* zdarzenie) override {
        if (obiekt == pole_ && zdarzenie->type() == QEvent::FocusIn)
            tekst = pole_->text();
        return QObject::eventFilter(obiekt, zdarzenie);
    }

private:
    QLineEdit* pole_;
};

} // namespace

void PilnujPolaLiczbowego(QLineEdit* pole, TZakresPola zakres, TDialogi& dialogi) {
    auto* poprzednia = new TPoprzedniaWartosc(pole);
    QObject::connect(pole, &QLineEdit::editingFinished, pole, [pole, zakres, &dialogi, poprzednia] {
        // The message box takes the focus away and would finish editing once
        // more; one message per exit is enough.
        static bool wTrakcie = false;
        if (wTrakcie)
            return;
        const bool moznaBrak = zakres == TZakresPola::CenaLubBrak ||
                               zakres == TZakresPola::UlamekLubBrak ||
                               zakres == TZakresPola::UlamekLubPuste;
        if (moznaBrak && BrakCeny(pole->text())) {
            pole->setText(zakres == TZakresPola::UlamekLubPuste ? QString() : TEKST_BRAK_CENY);
            poprzednia->tekst = pole->text();
            return;
        }
        const bool ulamek =
            zakres == TZakresPola::UlamekLubBrak || zakres == TZakresPola::UlamekLubPuste;
        double x = 0;
        QString blad;
        if (!CzytajLiczbe(pole->text(), &x))
            blad = KOMUNIKAT_NIE_LICZBA;
        else if (zakres != TZakresPola::Procent && x < 0)
            blad = QStringLiteral("Podana wartość nie może być mniejsza od 0!");
        else if (zakres == TZakresPola::Procent && (x < 0 || x > 100))
            blad = QStringLiteral("Podana wartość musi być w zakresie od 0% do 100%!");
        else if (ulamek && (x < 0 || x > 1))
            blad = QStringLiteral("Podana wartość musi być w zakresie od 0 do 1!");
        if (blad.isEmpty()) {
            pole->setText(TekstOgolny(x));
            poprzednia->tekst = pole->text();
            return;
        }
        // Never committed: the value the field had comes back.
        pole->setText(poprzednia->tekst);
        wTrakcie = true;
        QPointer<QLineEdit> straz(pole);
        dialogi.Komunikat(pole->window(), TRodzajKomunikatu::Blad, QStringLiteral("Błąd"), blad);
        if (straz)
            straz->setFocus();
        wTrakcie = false;
    });
}
