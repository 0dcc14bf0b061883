#pragma once

#include "report/raport/raport.h"

#include <QMarginsF>
#include <QPageLayout>

#include <functional>

class QIODevice;
class QPagedPaintDevice;
class TPageOutput;
class TZestawienieStolarki;

enum class TWynikRaportu {
    Gotowy,
    ZaMalaStrona, // the page cannot hold a window block: only the summary was made
    Blad,         // the device could not start or finish
    Przerwany,    // stopped from the progress report
};

// The report straight onto a printer or another paged device, on the
// device's own paper, its frame inside `marginesy` (mm). `przygotuj` may
// set the range of pages sent and listen to the progress. The pages are
// those of the preview, at the same places on the sheet.
TWynikRaportu DrukujRaport(const TZestawienieStolarki& projekt, const TOpcjeRaportu& opcje,
                           const QMarginsF& marginesy, QPagedPaintDevice& urzadzenie,
                           const std::function<void(TPageOutput&)>& przygotuj = {});

// The report as a PDF file: the paper, orientation and margins of `uklad`.
TWynikRaportu ZapiszRaportPdf(const TZestawienieStolarki& projekt, const TOpcjeRaportu& opcje,
                              const QPageLayout& uklad, QIODevice& wyjscie);
