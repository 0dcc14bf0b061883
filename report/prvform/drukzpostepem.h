#pragma once

#include "report/raport/wydruk.h"

#include <functional>

class QPrinter;
class QWidget;

// The report sent to a printer with its progress in a box over `rodzic`
// ("Drukowanie strony 120 z 1251", a bar and "Anuluj"), pages `od` … `doStrony`
// of the document (0: to its end). "Anuluj", or `przerwij` answering true,
// stops the job after its page.
TWynikRaportu DrukujZPostepem(const TZestawienieStolarki& projekt, const TOpcjeRaportu& opcje,
                              const QMarginsF& marginesy, QPrinter& drukarka, QWidget* rodzic,
                              int od = 1, int doStrony = 0,
                              const std::function<bool()>& przerwij = {});
