#include "odzysk.h"

#include "plikprojektu.h"
#include "zestawienie.h"

#include <QDir>
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

bool TOdzysk::Zapisz(const TZestawienieStolarki& projekt, const QString& plik,
                     const QString& nazwa) {
    if (!Zablokuj())
        return false;
    if (ZapiszProjekt(projekt, Sciezka(id_, "tmv")) != WYNIK_OK)
        return false;
    QSettings opis(Sciezka(id_, "ini"), QSettings::IniFormat);
    opis.setValue(QStringLiteral("Plik"), plik);
    opis.setValue(QStringLiteral("Nazwa"), nazwa);
    opis.setValue(QStringLiteral("Czas"), QDateTime::currentDateTime());
    opis.sync();
    return opis.status() == QSettings::NoError;
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
    const QStringList opisy =
        QDir(katalog_).entryList({QStringLiteral("*.ini")}, QDir::Files, QDir::Name);
    for (const QString& nazwaOpisu : opisy) {
        const QString id = nazwaOpisu.chopped(4);
        if (id == id_ || obce_.count(id))
            continue;
        auto blokada = std::make_unique<QLockFile>(Sciezka(id, "lock"));
        blokada->setStaleLockTime(0);
        if (!blokada->tryLock(0))
            continue; // its program is still running
        if (!QFile::exists(Sciezka(id, "tmv"))) {
            QFile::remove(Sciezka(id, "ini"));
            continue;
        }
        const QSettings opis(Sciezka(id, "ini"), QSettings::IniFormat);
        kopie.push_back({id, Sciezka(id, "tmv"), opis.value(QStringLiteral("Plik")).toString(),
                         opis.value(QStringLiteral("Nazwa")).toString(),
                         opis.value(QStringLiteral("Czas")).toDateTime()});
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
