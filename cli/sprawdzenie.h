#pragma once

#include <QStringList>

// termivo-cli check PROJECT.tmv [--json]: every window against WT 2021, one
// line each (symbol, kind, Uw, Umax, verdict), then the project's verdict;
// with --json one object. Exit status 0 when every window with a
// requirement complies and none lacks data, 3 otherwise, 1 when the project
// cannot be read, 2 for wrong usage.
int Sprawdz(const QStringList& argumenty);

extern const char* const POMOC_SPRAWDZENIA;
