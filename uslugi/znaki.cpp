#include "uslugi/znaki.h"

#include "model/pliki/kodowanie.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTextCursor>
#include <QTextDocument>
#include <QValidator>

namespace {

// A line field's text made fit for the file as it changes: what the file
// cannot store is replaced or left out, never the whole edit refused.
class TWalidatorZnakow : public QValidator {
public:
    TWalidatorZnakow(TZgloszenieZnaku zglos, QObject* rodzic)
        : QValidator(rodzic), zglos_(std::move(zglos)) {}

    State validate(QString& tekst, int& pozycja) const override {
        const TTekstDoPliku t = DoZapisaniaWPliku(tekst);
        if (t.tekst == tekst)
            return Acceptable;
        // The cursor stays after what was typed or pasted before it.
        pozycja = static_cast<int>(
            std::min(DoZapisaniaWPliku(tekst.left(pozycja)).tekst.size(), t.tekst.size()));
        tekst = t.tekst;
        if (zglos_ && t.Zmieniony())
            zglos_(OpisZmianZnakow(t));
        return Acceptable;
    }

private:
    TZgloszenieZnaku zglos_;
};

} // namespace

QString PowodOdrzuceniaZnaku(const QString& znak) {
    TTekstDoPliku t;
    t.pominiete << znak;
    return OpisZmianZnakow(t);
}

void PilnujZnakow(QLineEdit* pole, TZgloszenieZnaku zglos) {
    pole->setValidator(new TWalidatorZnakow(std::move(zglos), pole));
}

void PilnujZnakow(QPlainTextEdit* pole, TZgloszenieZnaku zglos) {
    // What was typed or pasted is looked at as it arrives and made fit for
    // the file within the same step of the undo history: Ctrl+Z takes back
    // the paste and its mending together.
    QPointer<QPlainTextEdit> straz(pole);
    QObject::connect(
        pole->document(), &QTextDocument::contentsChange, pole,
        [straz, zglos = std::move(zglos)](int pozycja, int, int dodane) {
            if (!straz || dodane <= 0)
                return;
            QTextDocument* dokument = straz->document();
            const int koniec = std::min(pozycja + dodane, dokument->characterCount() - 1);
            if (pozycja < 0 || koniec <= pozycja)
                return;
            QTextCursor kursor(dokument);
            kursor.setPosition(pozycja);
            kursor.setPosition(koniec, QTextCursor::KeepAnchor);
            // The paragraph separators of the selection stand for line breaks.
            const QString wstawione =
                kursor.selectedText().replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
            const TTekstDoPliku t = DoZapisaniaWPliku(wstawione);
            if (t.tekst == wstawione)
                return;
            kursor.joinPreviousEditBlock();
            kursor.insertText(t.tekst); // runs this handler again, with nothing to mend
            kursor.endEditBlock();
            if (zglos && t.Zmieniony())
                zglos(OpisZmianZnakow(t));
        });
}
