#pragma once

#include <QDateTime>
#include <QString>

#include <map>
#include <memory>
#include <vector>

class QLockFile;
class TZestawienieStolarki;

// A recovery copy left behind: the copy itself, the project's own file
// (empty for an unnamed one), its name as shown and the time of the copy.
struct TKopiaOdzysku {
    QString id;
    QString kopia;
    QString plik;
    QString nazwa;
    QDateTime czas;
    // What the project's file held when the copy was made (its fingerprint);
    // empty for a copy of a project without a file, or an older copy.
    QByteArray odcisk;
};

// TOdzysk: the recovery copy of the open project, written while it has
// unsaved changes, in the user's data folder ("odzysk"), with the writer of
// a save. Each copy is locked by the program that writes it: a copy whose
// program is gone (it did not end normally) is offered at the next start;
// two programs running at once never take each other's copies.
class TOdzysk {
public:
    explicit TOdzysk(QString katalog = Katalog());
    // Releases the lock; the copy stays (this program may be ending abnormally).
    ~TOdzysk();
    TOdzysk(const TOdzysk&) = delete;
    TOdzysk& operator=(const TOdzysk&) = delete;

    static QString Katalog();

    // Writes the copy, with the project's file (an absolute path) and what
    // that file held then; false when it cannot be written.
    bool Zapisz(const TZestawienieStolarki& projekt, const QString& plik, const QString& nazwa,
                const QByteArray& odcisk = QByteArray());
    // The copy goes: the project was saved, or closed without saving.
    void Usun();
    bool Jest() const { return !id_.isEmpty(); }
    QString Kopia() const;

    // The copies of programs that are gone, oldest first; each stays locked
    // by this object until it is taken over or dropped.
    std::vector<TKopiaOdzysku> Pozostawione();
    // The copy becomes this program's own: it goes on writing it.
    void Przejmij(const TKopiaOdzysku& kopia);
    void Odrzuc(const TKopiaOdzysku& kopia);

private:
    QString Sciezka(const QString& id, const char* rozszerzenie) const;
    bool Zablokuj();

    QString katalog_;
    QString id_;
    std::unique_ptr<QLockFile> blokada_;
    std::map<QString, std::unique_ptr<QLockFile>> obce_;
};
