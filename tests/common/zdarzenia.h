#pragma once

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QTest>
#include <QWidget>
#include <QWindow>
#include <qpa/qwindowsysteminterface.h>

// A mouse wheel turned over a shown widget, delivered as the platform
// delivers it (spontaneous, so it propagates like a real one; buttons held
// with QTest::mousePress count). A positive delta turns away from the user.
inline void Kolko(QWidget* w, QPoint pozycja, int delta,
                  Qt::KeyboardModifiers klawisze = Qt::NoModifier) {
    QWidget* okno = w->window();
    const QPoint wOknie = w->mapTo(okno, pozycja);
    QWindowSystemInterface::handleWheelEvent(okno->windowHandle(), QPointF(wOknie),
                                             QPointF(w->mapToGlobal(pozycja)), QPoint(),
                                             QPoint(0, delta), klawisze);
    QWindowSystemInterface::flushWindowSystemEvents();
    QCoreApplication::processEvents();
}

// Typing any text, letter by letter, as key events carrying the character
// (QTest::keyClicks knows only ASCII keys).
inline void Pisz(QWidget* w, const QString& tekst) {
    for (qsizetype i = 0; i < tekst.size(); ++i) {
        const qsizetype n = tekst[i].isHighSurrogate() && i + 1 < tekst.size() ? 2 : 1;
        QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, tekst.mid(i, n), Qt::NoModifier);
        i += n - 1;
    }
}

// Opens a shown list with the mouse and clicks the item `tekst` in its popup.
inline void WybierzZListy(QComboBox* lista, const QString& tekst) {
    QTest::mouseClick(lista, Qt::LeftButton);
    QAbstractItemView* widok = lista->view();
    QVERIFY(QTest::qWaitForWindowExposed(widok->window()));
    // A list takes no click within a double-click time of opening.
    QTest::qWait(QApplication::doubleClickInterval() + 50);
    const int wiersz = lista->findText(tekst);
    QVERIFY2(wiersz >= 0, qPrintable(tekst));
    const QModelIndex i = lista->model()->index(wiersz, 0);
    widok->scrollTo(i);
    QTest::mouseClick(widok->viewport(), Qt::LeftButton, {}, widok->visualRect(i).center());
    QTRY_VERIFY(!widok->window()->isVisible());
}

// The title the window manager shows: the "[*]" mark resolved by Qt.
inline QString TytulOkna(QWidget* w) {
    w->winId();
    return w->windowHandle() ? w->windowHandle()->title() : QString();
}

// Typing into a field as a user does: a click into it (at its left end,
// clear of a spin box's arrows), what it holds selected (Ctrl+A) and typed
// over, or deleted for an empty text. The field is not left.
inline void Wpisz(QWidget* pole, const QString& tekst) {
    QTest::mouseClick(pole, Qt::LeftButton, {}, QPoint(4, pole->height() / 2));
    QTest::keyClick(pole, Qt::Key_A, Qt::ControlModifier);
    if (tekst.isEmpty())
        QTest::keyClick(pole, Qt::Key_Delete);
    else
        Pisz(pole, tekst);
}
// The same, then Enter, which finishes the edit as leaving the field does.
inline void WpiszIZatwierdz(QWidget* pole, const QString& tekst) {
    Wpisz(pole, tekst);
    QTest::keyClick(pole, Qt::Key_Return);
}

// Picks an item of a list with the keyboard: F4 opens it, the arrows move
// to the item, Enter takes it (one choice, as a click in the popup).
inline void WybierzKlawiszami(QComboBox* lista, const QString& tekst) {
    const int wiersz = lista->findText(tekst);
    QVERIFY2(wiersz >= 0, qPrintable(tekst));
    QTest::keyClick(lista, Qt::Key_F4);
    QAbstractItemView* widok = lista->view();
    QTRY_VERIFY(widok->isVisible());
    QTest::keyClick(widok, Qt::Key_Home);
    for (int i = 0; i < wiersz; ++i)
        QTest::keyClick(widok, Qt::Key_Down);
    QTest::keyClick(widok, Qt::Key_Return);
    QTRY_VERIFY(!widok->isVisible());
}

// Ticks a check box with the mouse, if it is not ticked already.
inline void Zaznacz(QAbstractButton* pole) {
    if (!pole->isChecked())
        QTest::mouseClick(pole, Qt::LeftButton, {}, QPoint(6, pole->height() / 2));
}
