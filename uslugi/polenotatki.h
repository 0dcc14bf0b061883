#pragma once

#include <QPlainTextEdit>

// A multi-line text field that takes a paste only when there is text to
// paste: an empty clipboard (no data, or data without text) inserts
// nothing. Debian's Qt 6.4 crashes inserting such data itself.
class TPoleNotatki : public QPlainTextEdit {
    Q_OBJECT

public:
    using QPlainTextEdit::QPlainTextEdit;

protected:
    bool canInsertFromMimeData(const QMimeData* zrodlo) const override;
    void insertFromMimeData(const QMimeData* zrodlo) override;
};
