#pragma once

#include <QStringList>

// termivo-cli export PROJECT.tmv OUT.xlsx|OUT.csv [--format xlsx|csv]: the
// schedule as a spreadsheet, the format from the extension unless given.
// Exit status 0 written; 1 the project cannot be read or the file cannot be
// written (no partial file is left); 2 wrong usage.
int EksportCli(const QStringList& argumenty);

extern const char* const POMOC_EKSPORTU;
