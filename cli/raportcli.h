#pragma once

#include <QStringList>

// termivo-cli report PROJECT.tmv OUT.pdf [options]: the schedule report as
// a PDF file, the same pages as the preview window. The exit status: 0
// written; 1 the project cannot be read or the file cannot be written
// (nothing is left then); 2 wrong usage; 3 the page cannot hold a window
// block (nothing is written).
int RaportPdf(const QStringList& argumenty);

// termivo-cli print PROJECT.tmv [--printer NAME] [--copies N] [options]:
// the same pages through the system's print queue. 0 once the job is handed
// to the queue; 1 the project cannot be read, no such printer or the job
// failed; 2 wrong usage; 3 the page cannot hold a window block (nothing
// is printed).
int DrukujCli(const QStringList& argumenty);

// The two commands as the usage text lists them.
extern const char* const POMOC_RAPORTU;
