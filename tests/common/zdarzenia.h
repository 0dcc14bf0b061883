#pragma once

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
