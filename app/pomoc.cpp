#include "pomoc.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace {

QString Sciezka(const QString& nazwa, const QString& katalog) {
    return QDir(katalog.isEmpty() ? QCoreApplication::applicationDirPath() : katalog)
        .filePath(nazwa);
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
