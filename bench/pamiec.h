#pragma once

#include <QByteArray>
#include <QFile>
#include <QList>

// Resident memory of the process in MB, for the benchmarks that report it.
inline double PamiecMB() {
    QFile f(QStringLiteral("/proc/self/statm"));
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> pola = f.readAll().split(' ');
    return pola.size() > 1 ? pola[1].toDouble() * 4096 / 1e6 : 0;
}
