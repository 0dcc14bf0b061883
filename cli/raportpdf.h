#pragma once

#include <QStringList>

// termivo-cli report PROJECT.tmv OUT.pdf [options]: the schedule report as
// a PDF file, the same pages as the preview window. The exit status: 0
// written, 1 the project cannot be read, the file cannot be written or the
// page cannot hold a window block (nothing is left then), 2 wrong usage.
int RaportPdf(const QStringList& argumenty);

// The options as the usage text lists them.
extern const char* const POMOC_RAPORTU;
