#pragma once

#include <QString>

#include <memory>

class QLockFile;

// TBlokadaPliku: which program has a project file open. A lock file in the
// user's data folder ("otwarte"), named after the file's full path, held
// for as long as the program keeps the project open; a program that ended
// without letting it go (it crashed) holds it no more.
class TBlokadaPliku {
public:
    explicit TBlokadaPliku(QString katalog = Katalog());
    ~TBlokadaPliku();
    TBlokadaPliku(const TBlokadaPliku&) = delete;
    TBlokadaPliku& operator=(const TBlokadaPliku&) = delete;

    static QString Katalog();

    // Takes the file's lock, letting go of the one held before; false when
    // another running program holds it (then nothing changes).
    bool Zajmij(const QString& sciezka);
    void Zwolnij();
    // Another running program holds the file's lock.
    bool ZajetyGdzieIndziej(const QString& sciezka) const;
    // The file whose lock is held, empty for none.
    const QString& Plik() const { return plik_; }

private:
    QString SciezkaBlokady(const QString& plik) const;

    QString katalog_;
    QString plik_;
    std::unique_ptr<QLockFile> blokada_;
};

// The same file, whichever way its path is written.
QString KluczPliku(const QString& sciezka);
