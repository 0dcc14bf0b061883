#include "znaki.h"

#include "kodowanie.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTextCursor>
#include <QTextDocument>
#include <QValidator>

namespace {

class TWalidatorZnakow : public QValidator {
public:
    TWalidatorZnakow(TZgloszenieZnaku zglos, QObject* rodzic)
        : QValidator(rodzic), zglos_(std::move(zglos)) {}

    State validate(QString& tekst, int&) const override {
        const qsizetype i = PierwszyNiezapisywalny(tekst);
        if (i < 0)
            return Acceptable;
        if (zglos_)
            zglos_(PowodOdrzuceniaZnaku(ZnakOd(tekst, i)));
        return Invalid;
    }

private:
    TZgloszenieZnaku zglos_;
};

} // namespace

QString PowodOdrzuceniaZnaku(const QString& znak) {
    return QStringLiteral("Znaku „%1” nie można zapisać w pliku projektu (strona kodowa "
                          "Windows-1250): pominięto go.")
        .arg(znak);
}

void PilnujZnakow(QLineEdit* pole, TZgloszenieZnaku zglos) {
    pole->setValidator(new TWalidatorZnakow(std::move(zglos), pole));
}

void PilnujZnakow(QPlainTextEdit* pole, TZgloszenieZnaku zglos) {
    // What was typed or pasted is looked at as it arrives; characters the
    // file cannot keep are taken out again at once.
    QPointer<QPlainTextEdit> straz(pole);
    QObject::connect(
        pole->document(), &QTextDocument::contentsChange, pole,
        [straz, zglos = std::move(zglos)](int pozycja, int, int dodane) {
            if (!straz || dodane <= 0)
                return;
            QTextDocument* dokument = straz->document();
            QTextCursor kursor(dokument);
            kursor.setPosition(pozycja);
            kursor.setPosition(std::min(pozycja + dodane, dokument->characterCount() - 1),
                               QTextCursor::KeepAnchor);
            // The paragraph separators of the selection stand for line breaks.
            const QString wstawione =
                kursor.selectedText().replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
            const qsizetype i = PierwszyNiezapisywalny(wstawione);
            if (i < 0)
                return;
            const QString znak = ZnakOd(wstawione, i);
            QString czyste;
            for (qsizetype j = 0; j < wstawione.size();) {
                const QString z = ZnakOd(wstawione, j);
                if (PierwszyNiezapisywalny(z) < 0)
                    czyste += z;
                j += z.size();
            }
            kursor.insertText(czyste); // runs this handler again, with nothing to refuse
            if (zglos)
                zglos(PowodOdrzuceniaZnaku(znak));
        });
}
