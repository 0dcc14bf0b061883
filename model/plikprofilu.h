#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>
#include <QVector>

#include <cstdint>

// A sectioned key=value text file ("profile file") of our own: sections and
// keys compared ignoring letter case, values trimmed of blanks, text in
// Windows-1250, lines ending in CR LF. Values are taken as they stand: no
// escapes, no quote stripping, no lists.
class TPlikProfilu {
public:
    // The longest value that is read; the rest of a longer line is ignored.
    static constexpr int MAX_DLUGOSC_WARTOSCI = 2047;

    // Parses the bytes of a file. Never fails: what is not a section header
    // or a key=value line is skipped.
    static TPlikProfilu ZBajtow(const QByteArray& bajty);
    QByteArray DoBajtow() const;

    // Names of the sections in file order.
    QStringList Sekcje() const;
    bool MaKlucz(const QString& sekcja, const QString& klucz) const;

    QString CzytajTekst(const QString& sekcja, const QString& klucz,
                        const QString& domyslny = QString()) const;
    // Decimal, or hexadecimal with the prefix 0x, 0X or $.
    int32_t CzytajLiczbe(const QString& sekcja, const QString& klucz, int32_t domyslna) const;
    bool CzytajFlage(const QString& sekcja, const QString& klucz, bool domyslna) const;

    // Appends a key to a section (created at the end when new); an existing
    // key gets the new value in place. Line breaks in a value would start
    // new lines of the file, so they are written as spaces.
    void Zapisz(const QString& sekcja, const QString& klucz, const QString& wartosc);
    void ZapiszLiczbe(const QString& sekcja, const QString& klucz, int64_t n);
    void ZapiszFlage(const QString& sekcja, const QString& klucz, bool b);

private:
    struct Sekcja {
        QString nazwa;
        QVector<QPair<QString, QString>> klucze;
        QHash<QString, int> indeks; // case-folded key -> position of its first line
    };
    const QString* Wartosc(const QString& sekcja, const QString& klucz) const;
    Sekcja& SekcjaDoZapisu(const QString& nazwa);

    QVector<Sekcja> sekcje_;
    QHash<QString, int> indeks_; // case-folded section -> first section of that name
};

// Integer text as the file reads it: decimal, or hexadecimal with 0x, 0X or $.
bool CzytajLiczbeCalkowita(const QString& tekst, int32_t* wynik);
