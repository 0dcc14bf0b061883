#include "app/pomoc.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace {

// Beside the program (a build tree), else where a package installs it:
// share/doc/termivo beside the program's bin.
QString Sciezka(const QString& nazwa, const QString& katalog) {
    const QDir program(katalog.isEmpty() ? QCoreApplication::applicationDirPath() : katalog);
    const QString obok = program.filePath(nazwa);
    const QString pakiet =
        QDir::cleanPath(program.filePath(QStringLiteral("../share/doc/termivo/") + nazwa));
    return QFileInfo::exists(obok) || !QFileInfo::exists(pakiet) ? obok : pakiet;
}

} // namespace

bool JestDokument(const QString& nazwa, const QString& katalog) {
    return QFileInfo(Sciezka(nazwa, katalog)).isFile();
}

bool OtworzDokument(const QString& nazwa, const QString& katalog) {
    if (!JestDokument(nazwa, katalog))
        return false;
    return QDesktopServices::openUrl(QUrl::fromLocalFile(Sciezka(nazwa, katalog)));
}
