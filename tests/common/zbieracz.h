#pragma once

#include "model/powiadomienia.h"

#include <QList>
#include <QLocale>

// Collects what the model reports while it lives, so a test can check the
// messages instead of seeing them on stderr.
class TZbieraczKomunikatow {
public:
    TZbieraczKomunikatow() : odbiorca_([this](const TKomunikat& k) { komunikaty.append(k); }) {}

    QList<TKomunikat> komunikaty;

    int ile() const { return static_cast<int>(komunikaty.size()); }
    QString ostatni() const { return komunikaty.isEmpty() ? QString() : komunikaty.last().tresc; }

private:
    TOdbiorcaPowiadomien odbiorca_;
};

inline QLocale PolskiLocale() {
    return QLocale(QLocale::Polish, QLocale::Poland);
}
