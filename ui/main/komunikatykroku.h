#pragma once

#include "model/powiadomienia.h"

#include <QList>

#include <optional>

class QWidget;
class TDialogi;

// One step of the user's (a menu command, opening or saving a file, an
// import): what the model reports meanwhile is kept and shown once the step
// is over, as one message box (Zgrupuj), never from inside a reading or a
// calculation. A step taken within another adds its messages to the outer
// one.
class TKomunikatyKroku {
public:
    TKomunikatyKroku(TDialogi& dialogi, QWidget* okno);
    ~TKomunikatyKroku();
    TKomunikatyKroku(const TKomunikatyKroku&) = delete;
    TKomunikatyKroku& operator=(const TKomunikatyKroku&) = delete;

private:
    TDialogi& dialogi_;
    QWidget* okno_;
    TKomunikatyKroku* zewnetrzny_;
    QList<TKomunikat> zebrane_;
    std::optional<TOdbiorcaPowiadomien> odbiorca_;
};
