#include "ui/main/strazpol.h"

#include "uslugi/znaki.h"

#include <QAbstractSpinBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>

TStrazPol::TStrazPol(QWidget& panel, std::function<void(const QString&)> naPasek)
    : QObject(&panel) {
    for (QLineEdit* e : panel.findChildren<QLineEdit*>()) {
        // The line edits inside spin fields and lists check their own text.
        if (!qobject_cast<QAbstractSpinBox*>(e->parentWidget()) &&
            !qobject_cast<QComboBox*>(e->parentWidget()))
            PilnujZnakow(e, naPasek);
    }
    for (QPlainTextEdit* t : panel.findChildren<QPlainTextEdit*>())
        PilnujZnakow(t, naPasek);
    for (QWidget* w : panel.findChildren<QWidget*>()) {
        if (qobject_cast<QLineEdit*>(w) || qobject_cast<QPlainTextEdit*>(w))
            w->installEventFilter(this);
        if (w->statusTip().isEmpty())
            w->setStatusTip(w->toolTip());
        if (qobject_cast<QComboBox*>(w) || qobject_cast<QAbstractSpinBox*>(w)) {
            w->setFocusPolicy(Qt::StrongFocus);
            w->installEventFilter(this);
        }
    }
}

bool TStrazPol::eventFilter(QObject* obiekt, QEvent* zdarzenie) {
    if (PoleCofaSamo(obiekt, zdarzenie)) {
        zdarzenie->ignore(); // not the field's: the window's shortcut acts
        return true;
    }
    if (zdarzenie->type() == QEvent::Wheel) {
        auto* w = qobject_cast<QWidget*>(obiekt);
        if (w && !w->hasFocus() &&
            (qobject_cast<QComboBox*>(w) || qobject_cast<QAbstractSpinBox*>(w))) {
            // Ignored and filtered: the event goes on to the scrolling panel.
            zdarzenie->ignore();
            return true;
        }
    }
    return QObject::eventFilter(obiekt, zdarzenie);
}

// Ctrl+Z in a text field that can undo its own typing undoes there; in one
// that cannot, it reaches the history.
bool TStrazPol::PoleCofaSamo(QObject* obiekt, QEvent* zdarzenie) const {
    if (zdarzenie->type() != QEvent::ShortcutOverride)
        return false;
    auto* k = static_cast<QKeyEvent*>(zdarzenie);
    const bool cofnij = k->matches(QKeySequence::Undo);
    const bool ponow = k->matches(QKeySequence::Redo) ||
                       (k->key() == Qt::Key_Y && k->modifiers() == Qt::ControlModifier);
    if (!cofnij && !ponow)
        return false;
    bool moze = true;
    if (auto* e = qobject_cast<QLineEdit*>(obiekt))
        moze = cofnij ? e->isUndoAvailable() : e->isRedoAvailable();
    else if (auto* t = qobject_cast<QPlainTextEdit*>(obiekt))
        moze = cofnij ? t->document()->isUndoAvailable() : t->document()->isRedoAvailable();
    return !moze;
}
