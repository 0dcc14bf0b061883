#include "ui/main/polaliczbowe.h"

#include "model/liczby.h"
#include "model/obliczenia/zakresy.h"
#include "uslugi/dialogi.h"

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

QString PowodOdrzucenia(const char* klucz, double x) {
    const TZakresWartosci* z = ZakresWartosci(klucz);
    if (!z || (x >= z->min && x <= z->max))
        return QString();
    if (z->min == 0 && z->max == 100 && QLatin1String(z->jednostka) == QLatin1String("%"))
        return QStringLiteral("Podana wartość musi być w zakresie od 0% do 100%!");
    if (z->min == 0 && x < 0)
        return QStringLiteral("Podana wartość nie może być mniejsza od 0!");
    return QStringLiteral("Podana wartość musi być w zakresie %1!").arg(OpisZakresu(*z));
}

void PilnujPolaLiczbowego(QLineEdit* pole, const char* klucz, TDialogi& dialogi,
                          TBrakWartosci brak) {
    auto* poprzednia = new TPoprzedniaWartosc(pole);
    QObject::connect(
        pole, &QLineEdit::editingFinished, pole, [pole, klucz, brak, &dialogi, poprzednia] {
            // The message box takes the focus away and would finish editing once
            // more; one message per exit is enough.
            static bool wTrakcie = false;
            if (wTrakcie)
                return;
            // What is accepted is written in the program's own form, still
            // the user's edit (QLineEdit::isModified) for whoever takes it.
            auto przyjmij = [pole, poprzednia](const QString& tekst) {
                const bool wpisane = pole->isModified();
                pole->setText(tekst);
                pole->setModified(wpisane);
                poprzednia->tekst = tekst;
            };
            if (brak != TBrakWartosci::Niedozwolony && BrakCeny(pole->text())) {
                przyjmij(brak == TBrakWartosci::Puste ? QString() : TEKST_BRAK_CENY);
                return;
            }
            double x = 0;
            const QString blad =
                CzytajLiczbe(pole->text(), &x) ? PowodOdrzucenia(klucz, x) : KOMUNIKAT_NIE_LICZBA;
            if (blad.isEmpty()) {
                przyjmij(TekstOgolny(x));
                return;
            }
            // Never committed: the value the field had comes back.
            pole->setText(poprzednia->tekst);
            wTrakcie = true;
            QPointer<QLineEdit> straz(pole);
            dialogi.Komunikat(pole->window(), TRodzajKomunikatu::Blad, QStringLiteral("Błąd"),
                              blad);
            if (straz)
                straz->setFocus();
            wTrakcie = false;
        });
}
