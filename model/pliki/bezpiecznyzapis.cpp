#include "model/pliki/bezpiecznyzapis.h"

#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>
#include <QTemporaryFile>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The temporary file of the write under way, for a signal handler to remove
// (a plain buffer: nothing a handler may not touch).
char tymczasowyZapisu[4096];

// The mode the file gets: that of the file it replaces, else what the
// user's other new files get.
void UstawTryb(const QString& tymczasowy, const QString& cel) {
    struct stat st {};
    mode_t tryb = 0;
    if (stat(QFile::encodeName(cel).constData(), &st) == 0) {
        tryb = st.st_mode & 07777;
    } else {
        const mode_t maska = umask(0);
        umask(maska);
        tryb = 0666 & ~maska;
    }
    chmod(QFile::encodeName(tymczasowy).constData(), tryb);
}

bool NaDysk(const QString& sciezka) {
    const int fd = open(QFile::encodeName(sciezka).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool ok = fsync(fd) == 0;
    close(fd);
    return ok;
}

} // namespace

bool ZapiszBezpiecznie(const QString& sciezka,
                       const std::function<bool(const QString&, QString*)>& zapisz, QString* blad) {
    const QFileInfo cel(sciezka);
    QTemporaryFile tymczasowy(cel.absolutePath() + QStringLiteral("/.") + cel.fileName() +
                              QStringLiteral(".XXXXXX"));
    tymczasowy.setAutoRemove(true);
    if (!tymczasowy.open()) {
        if (blad)
            *blad = PowodBleduZapisu(sciezka, tymczasowy.errorString());
        return false;
    }
    const QString nazwa = tymczasowy.fileName();
    tymczasowy.close();
    const QByteArray nazwaBajty = QFile::encodeName(nazwa);
    if (nazwaBajty.size() < static_cast<qsizetype>(sizeof tymczasowyZapisu))
        std::memcpy(tymczasowyZapisu, nazwaBajty.constData(),
                    static_cast<std::size_t>(nazwaBajty.size()) + 1);
    QString powod;
    bool ok = zapisz(nazwa, &powod) && NaDysk(nazwa);
    if (ok) {
        UstawTryb(nazwa, cel.absoluteFilePath());
        ok = std::rename(nazwaBajty.constData(),
                         QFile::encodeName(cel.absoluteFilePath()).constData()) == 0;
        if (ok)
            tymczasowy.setAutoRemove(false); // it is the target now
        else
            powod = QString::fromLocal8Bit(std::strerror(errno));
    }
    tymczasowyZapisu[0] = 0;
    if (!ok && blad)
        *blad = PowodBleduZapisu(sciezka, powod);
    return ok;
}

bool ZapiszBajtyBezpiecznie(const QString& sciezka, const QByteArray& bajty, QString* blad) {
    return ZapiszBezpiecznie(
        sciezka,
        [&bajty](const QString& nazwa, QString* powod) {
            QFile plik(nazwa);
            const bool ok = plik.open(QIODevice::WriteOnly) && plik.write(bajty) == bajty.size() &&
                            plik.flush();
            if (!ok)
                *powod = plik.errorString();
            return ok;
        },
        blad);
}

void UsunTymczasowyZapisu() {
    if (tymczasowyZapisu[0] != 0)
        unlink(tymczasowyZapisu);
}

QString PowodBleduZapisu(const QString& sciezka, const QString& systemowy) {
    const QFileInfo plik(sciezka);
    const QFileInfo folder(plik.absolutePath());
    QString powod;
    if (!folder.exists())
        powod = QStringLiteral("folder %1 nie istnieje").arg(folder.absoluteFilePath());
    else if (plik.isDir())
        powod = QStringLiteral("pod tą nazwą jest folder");
    else if (plik.exists() && !plik.isWritable())
        powod = QStringLiteral("plik jest tylko do odczytu");
    else if (!folder.isWritable())
        powod = QStringLiteral("brak prawa zapisu w folderze %1").arg(folder.absoluteFilePath());
    else if (const QStorageInfo dysk(folder.absoluteFilePath());
             dysk.isValid() && dysk.bytesAvailable() >= 0 && dysk.bytesAvailable() < 64 * 1024)
        powod = QStringLiteral("na dysku %1 nie ma wolnego miejsca").arg(dysk.rootPath());
    else
        return systemowy;
    return systemowy.isEmpty() ? powod
                               : powod + QStringLiteral(" (") + systemowy + QLatin1Char(')');
}

QString PowodBleduOdczytu(const QString& sciezka, const QString& systemowy) {
    const QFileInfo plik(sciezka);
    if (!plik.exists())
        return QStringLiteral("plik nie istnieje");
    if (plik.isDir())
        return QStringLiteral("to jest folder, nie plik");
    if (!plik.isReadable())
        return QStringLiteral("brak prawa odczytu pliku");
    return systemowy;
}
