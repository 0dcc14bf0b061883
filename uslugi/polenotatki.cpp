#include "uslugi/polenotatki.h"

#include <QMimeData>

namespace {

bool MaTekst(const QMimeData* zrodlo) {
    return zrodlo && zrodlo->hasText() && !zrodlo->text().isEmpty();
}

} // namespace

bool TPoleNotatki::canInsertFromMimeData(const QMimeData* zrodlo) const {
    return MaTekst(zrodlo) && QPlainTextEdit::canInsertFromMimeData(zrodlo);
}

void TPoleNotatki::insertFromMimeData(const QMimeData* zrodlo) {
    // Text is pasted as the field always does it (one step to undo).
    if (MaTekst(zrodlo))
        QPlainTextEdit::insertFromMimeData(zrodlo);
}
