#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// Texts stored in files and compared byte by byte use the Central European
// single-byte code page Windows-1250. A character it lacks becomes '?'.
QByteArray DoCp1250(const QString& s);
QString ZCp1250(QByteArrayView b);
// False when the platform offers no Windows-1250 converter.
bool Cp1250Dostepne();
