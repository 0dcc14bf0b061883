#pragma once

#include <QStringList>

// termivo-cli export-ifc PROJECT.tmv MODEL.ifc OUT.ifc: the model with each
// imported window's computed values; one line of summary on stderr.
extern const char* const POMOC_EKSPORTU_IFC;
int EksportIfcCli(const QStringList& argumenty);
