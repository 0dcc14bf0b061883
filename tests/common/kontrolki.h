#pragma once

#include <QWidget>
#include <QtGlobal>

// What a test's list of a panel's controls stands on: the panel, and a
// control of it found by its object name (a missing one ends the test run).
class TKontrolki {
protected:
    explicit TKontrolki(const QWidget* panel) : panel_(panel) {}

    template <class T> T* Znajdz(const char* nazwa) const {
        T* w = panel_->findChild<T*>(QLatin1String(nazwa));
        if (!w)
            qFatal("brak kontrolki %s", nazwa);
        return w;
    }

private:
    const QWidget* panel_;
};
