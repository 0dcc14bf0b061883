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

// The peak of resident memory since the last ZerujSzczyt, in MB (Linux:
// VmHWM, reset by writing 5 to clear_refs).
inline void ZerujSzczyt() {
    QFile f(QStringLiteral("/proc/self/clear_refs"));
    if (f.open(QIODevice::WriteOnly))
        f.write("5");
}
inline double SzczytMB() {
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& w : f.readAll().split('\n'))
        if (w.startsWith("VmHWM:"))
            return w.mid(6).trimmed().split(' ').value(0).toDouble() * 1024 / 1e6;
    return 0;
}
