#pragma once

#include "report/raport/wydruk.h"

#include <QString>

#include <functional>

class QPrinter;
class QWidget;

// The report sent to a printer with its progress in a box over `rodzic`
// ("Drukowanie strony 120 z 1251", a bar and "Anuluj"), pages `od` … `doStrony`
// of the document (0: to its end). "Anuluj", or `przerwij` answering true,
// stops the job after its page.
// A job into a PDF file that did not end (stopped, or failed) leaves no
// file: part of the pages would look like the whole report.
TWynikRaportu DrukujZPostepem(const TZestawienieStolarki& projekt, const TOpcjeRaportu& opcje,
                              const QMarginsF& marginesy, QPrinter& drukarka, QWidget* rodzic,
                              int od = 1, int doStrony = 0,
                              const std::function<bool()>& przerwij = {});

// Whether the printer writes a PDF file rather than printing.
bool DoPliku(const QPrinter& drukarka);
// What the user is told when such a job did not end.
QString KomunikatNiedokonczonegoPliku(const QPrinter& drukarka);
