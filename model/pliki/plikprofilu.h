#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QVector>

#include <cstdint>
#include <optional>
#include <unordered_map>
#include <vector>

// Sectioned key=value text files ("profile files") of our own: sections and
// keys compared ignoring letter case, values trimmed of blanks, text in
// Windows-1250, lines ending in CR LF. Values are taken as they stand: no
// escapes, no quote stripping, no lists.
//
// Section and key names of these files are ASCII, so they are compared
// byte by byte with ASCII letters folded; values stay bytes until they are
// read, which keeps a large project quick to load.

namespace sekcyjne {
struct HashBezWielkosci {
    std::size_t operator()(QByteArrayView s) const noexcept;
};
struct RowneBezWielkosci {
    bool operator()(QByteArrayView a, QByteArrayView b) const noexcept;
};
} // namespace sekcyjne

// Integer text as the files hold it: decimal (digit groups may stand apart,
// "1 200"), or hexadecimal with 0x, 0X or $.
bool CzytajLiczbeCalkowita(QByteArrayView tekst, int32_t* wynik);

class TPlikProfilu;

// One section as read: its key=value lines in file order.
class TSekcjaProfilu {
public:
    QString Nazwa() const;
    QByteArrayView SurowaNazwa() const { return nazwa_; }
    // The raw value of the first line with that key, or nothing when the key
    // is missing. Sections are short: the lines are looked through in order.
    std::optional<QByteArrayView> Surowa(QByteArrayView klucz) const;
    QString Tekst(QByteArrayView klucz, const QString& domyslny = QString()) const;
    int32_t Liczba(QByteArrayView klucz, int32_t domyslna) const;
    bool Flaga(QByteArrayView klucz, bool domyslna) const;

    // The lines themselves, for a reader that takes them one by one.
    int LiczbaWpisow() const { return ile_; }
    QByteArrayView Klucz(int i) const;
    QByteArrayView Wartosc(int i) const;

private:
    friend class TPlikProfilu;
    const TPlikProfilu* plik_ = nullptr;
    int32_t od_ = 0;  // first line in the file's list
    int32_t ile_ = 0; // lines of the section
    QByteArrayView nazwa_;
};

// A profile file as read. It keeps the file's bytes; its sections refer to
// them and to it, so it is neither copied nor moved.
class TPlikProfilu {
public:
    // Longer keys are no keys of these files: their lines are skipped.
    static constexpr int MAX_DLUGOSC_KLUCZA = 1024;
    // The largest file that is parsed at all.
    static constexpr qsizetype MAX_ROZMIAR = 64 * 1024 * 1024;
    // The most key=value lines and sections kept: far more than any project
    // within MAX_ROZMIAR holds, few enough that no file can make the
    // program take more memory than a small multiple of its size.
    static constexpr std::size_t MAX_WPISOW = 4'000'000;
    static constexpr std::size_t MAX_SEKCJI = 250'000;

    // Parses the bytes of a file (up to MAX_ROZMIAR of them). Never fails:
    // what is not a section header or a key=value line is skipped; of repeated
    // keys the first counts, and a repeated section continues the first one.
    explicit TPlikProfilu(const QByteArray& bajty);
    TPlikProfilu(const TPlikProfilu&) = delete;
    TPlikProfilu& operator=(const TPlikProfilu&) = delete;

    int LiczbaSekcji() const { return static_cast<int>(sekcje_.size()); }
    const TSekcjaProfilu& SekcjaNr(int i) const { return sekcje_[static_cast<std::size_t>(i)]; }
    // The section, or nullptr when the file has none of that name.
    const TSekcjaProfilu* Sekcja(QByteArrayView nazwa) const;

    QString CzytajTekst(QByteArrayView sekcja, QByteArrayView klucz,
                        const QString& domyslny = QString()) const;
    int32_t CzytajLiczbe(QByteArrayView sekcja, QByteArrayView klucz, int32_t domyslna) const;
    // Lines or sections beyond the limits above were left out.
    bool Obciety() const { return obciety_; }

private:
    friend class TSekcjaProfilu;
    // One key=value line: offsets into the file's bytes, which keeps it small.
    struct Wpis {
        uint32_t kluczOd = 0;
        uint32_t wartoscOd = 0;
        uint32_t wartoscDl = 0; // values are read whole, however long
        uint16_t kluczDl = 0;
        int32_t sekcja = 0;
    };

    QByteArray dane_;
    std::vector<TSekcjaProfilu> sekcje_;
    std::unordered_map<QByteArrayView, std::size_t, sekcyjne::HashBezWielkosci,
                       sekcyjne::RowneBezWielkosci>
        indeks_;
    std::vector<Wpis> wpisy_;
    bool obciety_ = false;
};

// Writes a profile file section by section, in the order of the calls,
// straight into the bytes of the file (Windows-1250).
class TZapisProfilu {
public:
    void Sekcja(const QString& nazwa);
    // Line breaks in a value would start new lines of the file, so they are
    // written as spaces. Keys are the program's own ASCII names.
    void Wartosc(QByteArrayView klucz, const QString& wartosc);
    void Liczba(QByteArrayView klucz, int64_t n);
    void Flaga(QByteArrayView klucz, bool b);
    // The whole file.
    const QByteArray& Bajty() const { return bajty_; }
    void Zarezerwuj(qsizetype n) { bajty_.reserve(n); }

private:
    void Dolacz(const char* dane, qsizetype n);
    void Dopisz(QByteArrayView tekst);
    void Dopisz(const QString& tekst);
    QByteArray bajty_;
};
