#pragma once

#include <QStringList>

// termivo-cli import-ifc IN.ifc OUT.tmv [--polnoc DEG] [--ug U] [--uf U]
// [--psi P] [--d MM]: the windows of a building model as a new project,
// with the proposed levels; one line of summary on stderr.
extern const char* const POMOC_IMPORTU_IFC;
int ImportIfcCli(const QStringList& argumenty);
