#include "pomoc.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

bool OtworzDokument(const QString& nazwa, const QString& katalog) {
    const QString folder = katalog.isEmpty() ? QCoreApplication::applicationDirPath() : katalog;
    const QString sciezka = QDir(folder).filePath(nazwa);
    if (!QFileInfo(sciezka).isFile())
        return false;
    return QDesktopServices::openUrl(QUrl::fromLocalFile(sciezka));
}
