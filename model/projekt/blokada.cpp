#include "model/projekt/blokada.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>

QString KluczPliku(const QString& sciezka) {
    const QFileInfo info(sciezka);
    const QString kanoniczna = info.canonicalFilePath();
    return kanoniczna.isEmpty() ? info.absoluteFilePath() : kanoniczna;
}

TBlokadaPliku::TBlokadaPliku(QString katalog) : katalog_(std::move(katalog)) {}

TBlokadaPliku::~TBlokadaPliku() = default;

QString TBlokadaPliku::Katalog() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
        .filePath(QStringLiteral("otwarte"));
}

QString TBlokadaPliku::SciezkaBlokady(const QString& plik) const {
    const QByteArray skrot =
        QCryptographicHash::hash(KluczPliku(plik).toUtf8(), QCryptographicHash::Sha1).toHex();
    return QDir(katalog_).filePath(QString::fromLatin1(skrot) + QStringLiteral(".lock"));
}

bool TBlokadaPliku::Zajmij(const QString& sciezka) {
    if (blokada_ && KluczPliku(sciezka) == KluczPliku(plik_))
        return true;
    // Without a folder of our own there is nothing to keep anyone out with.
    if (!QDir().mkpath(katalog_)) {
        Zwolnij();
        plik_ = sciezka;
        return true;
    }
    auto blokada = std::make_unique<QLockFile>(SciezkaBlokady(sciezka));
    blokada->setStaleLockTime(0); // held for as long as the project is open
    if (!blokada->tryLock(0)) {
        if (blokada->error() == QLockFile::LockFailedError)
            return false;
        blokada.reset(); // the folder takes no files: the project opens anyway
    }
    blokada_ = std::move(blokada);
    plik_ = sciezka;
    return true;
}

void TBlokadaPliku::Zwolnij() {
    blokada_.reset(); // unlocks and removes the lock file
    plik_.clear();
}

bool TBlokadaPliku::ZajetyGdzieIndziej(const QString& sciezka) const {
    if (!plik_.isEmpty() && KluczPliku(sciezka) == KluczPliku(plik_))
        return false;
    QLockFile proba(SciezkaBlokady(sciezka));
    proba.setStaleLockTime(0);
    if (proba.tryLock(0))
        return false; // released again when `proba` goes
    return proba.error() == QLockFile::LockFailedError;
}
