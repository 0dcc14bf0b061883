#include "pomoc.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

bool OtworzDokument(const QString& nazwa) {
    const QString sciezka = QDir(QCoreApplication::applicationDirPath()).filePath(nazwa);
    if (!QFileInfo(sciezka).isFile())
        return false;
    return QDesktopServices::openUrl(QUrl::fromLocalFile(sciezka));
}
