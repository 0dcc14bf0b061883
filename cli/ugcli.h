#pragma once

#include <QStringList>

// termivo-cli ug BUDOWA [--powloka POWIERZCHNIA:EMISYJNOSC]... [--wypelnienie
// PROCENT]: Ug of a glazing build-up by PN-EN 673 as one JSON object (Ug as
// computed, UgDeklarowane to 0,1, each gap's terms); 2 with the reason for
// a build-up, coating or fill it cannot read.
int UgCli(const QStringList& argumenty);

extern const char* const POMOC_UG;
