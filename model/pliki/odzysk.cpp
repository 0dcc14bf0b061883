#include "model/pliki/odzysk.h"

#include "model/pliki/plikprojektu.h"
#include "model/zestawienie.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QSettings>
#include <QStandardPaths>
#include <QUuid>

#include <algorithm>

TOdzysk::TOdzysk(QString katalog) : katalog_(std::move(katalog)) {}

TOdzysk::~TOdzysk() = default;

QString TOdzysk::Katalog() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
        .filePath(QStringLiteral("odzysk"));
}

QString TOdzysk::Sciezka(const QString& id, const char* rozszerzenie) const {
    return QDir(katalog_).filePath(id + QLatin1Char('.') + QLatin1String(rozszerzenie));
}

QString TOdzysk::Kopia() const {
    return id_.isEmpty() ? QString() : Sciezka(id_, "tmv");
}

bool TOdzysk::Zablokuj() {
    if (blokada_)
        return true;
    if (!QDir().mkpath(katalog_))
        return false;
    if (id_.isEmpty())
        id_ = QUuid::createUuid().toString(QUuid::WithoutBraces);
    auto blokada = std::make_unique<QLockFile>(Sciezka(id_, "lock"));
    blokada->setStaleLockTime(0); // held for the program's life, however long
    if (!blokada->tryLock(0))
        return false;
    blokada_ = std::move(blokada);
    return true;
}

bool TOdzysk::Zapisz(const TZestawienieStolarki& projekt, const QString& plik, const QString& nazwa,
                     const QByteArray& odcisk) {
    if (!Zablokuj())
        return false;
    // The description first: a copy is never left that no description
    // lists (one without its copy is cleared away at the next start).
    {
        QSettings opis(Sciezka(id_, "ini"), QSettings::IniFormat);
        opis.setValue(QStringLiteral("Plik"), plik);
        opis.setValue(QStringLiteral("Nazwa"), nazwa);
        opis.setValue(QStringLiteral("Czas"), QDateTime::currentDateTime());
        opis.setValue(QStringLiteral("Odcisk"), QString::fromLatin1(odcisk.toHex()));
        opis.sync();
        if (opis.status() != QSettings::NoError)
            return false;
    }
    return ZapiszProjekt(projekt, Sciezka(id_, "tmv")) == WYNIK_OK;
}

void TOdzysk::Usun() {
    if (id_.isEmpty())
        return;
    QFile::remove(Sciezka(id_, "tmv"));
    QFile::remove(Sciezka(id_, "ini"));
    blokada_.reset(); // unlocks, and removes the lock file
    id_.clear();
}

std::vector<TKopiaOdzysku> TOdzysk::Pozostawione() {
    std::vector<TKopiaOdzysku> kopie;
    const QDir katalog(katalog_);
    // Every copy, description or lock that is there: a program that ended
    // between writing one and the other leaves nothing unlisted.
    QStringList idy;
    for (const QString& plik : katalog.entryList(
             {QStringLiteral("*.ini"), QStringLiteral("*.tmv"), QStringLiteral("*.lock")},
             QDir::Files, QDir::Name)) {
        const QString id = plik.section(QLatin1Char('.'), 0, -2);
        if (!idy.contains(id))
            idy << id;
    }
    for (const QString& id : idy) {
        if (id == id_ || obce_.count(id))
            continue;
        auto blokada = std::make_unique<QLockFile>(Sciezka(id, "lock"));
        blokada->setStaleLockTime(0);
        if (!blokada->tryLock(0))
            continue; // its program is still running
        const bool jestKopia = QFile::exists(Sciezka(id, "tmv"));
        const bool jestOpis = QFile::exists(Sciezka(id, "ini"));
        if (!jestKopia) {
            // A description without its copy, or a lock alone: nothing to offer.
            QFile::remove(Sciezka(id, "ini"));
            continue; // the lock goes with `blokada`
        }
        TKopiaOdzysku k{id,
                        Sciezka(id, "tmv"),
                        QString(),
                        QString(),
                        QFileInfo(Sciezka(id, "tmv")).lastModified(),
                        QByteArray()};
        if (jestOpis) {
            const QSettings opis(Sciezka(id, "ini"), QSettings::IniFormat);
            k.plik = opis.value(QStringLiteral("Plik")).toString();
            k.nazwa = opis.value(QStringLiteral("Nazwa")).toString();
            k.czas = opis.value(QStringLiteral("Czas"), k.czas).toDateTime();
            k.odcisk =
                QByteArray::fromHex(opis.value(QStringLiteral("Odcisk")).toString().toLatin1());
        }
        if (k.nazwa.isEmpty())
            k.nazwa = k.plik.isEmpty() ? QStringLiteral("bez nazwy") : QFileInfo(k.plik).fileName();
        kopie.push_back(k);
        obce_[id] = std::move(blokada);
    }
    std::sort(kopie.begin(), kopie.end(),
              [](const TKopiaOdzysku& a, const TKopiaOdzysku& b) { return a.czas < b.czas; });
    return kopie;
}

void TOdzysk::Przejmij(const TKopiaOdzysku& kopia) {
    const auto it = obce_.find(kopia.id);
    if (it == obce_.end())
        return;
    Usun(); // a copy of this program's own is replaced
    id_ = kopia.id;
    blokada_ = std::move(it->second);
    obce_.erase(it);
}

void TOdzysk::Odrzuc(const TKopiaOdzysku& kopia) {
    const auto it = obce_.find(kopia.id);
    if (it == obce_.end())
        return;
    QFile::remove(Sciezka(kopia.id, "tmv"));
    QFile::remove(Sciezka(kopia.id, "ini"));
    obce_.erase(it);
}
