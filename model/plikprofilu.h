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

namespace profil {
struct HashBezWielkosci {
    std::size_t operator()(QByteArrayView s) const noexcept;
};
struct RowneBezWielkosci {
    bool operator()(QByteArrayView a, QByteArrayView b) const noexcept;
};
} // namespace profil

// Integer text as the files hold it: decimal, or hexadecimal with 0x, 0X or $.
bool CzytajLiczbeCalkowita(QByteArrayView tekst, int32_t* wynik);

class TPlikProfilu;

// One section as read: its keys with their values.
class TSekcjaProfilu {
public:
    QString Nazwa() const;
    QByteArrayView SurowaNazwa() const { return nazwa_; }
    // The raw value, or nothing when the key is missing.
    std::optional<QByteArrayView> Surowa(QByteArrayView klucz) const;
    QString Tekst(QByteArrayView klucz, const QString& domyslny = QString()) const;
    int32_t Liczba(QByteArrayView klucz, int32_t domyslna) const;
    bool Flaga(QByteArrayView klucz, bool domyslna) const;

private:
    friend class TPlikProfilu;
    const TPlikProfilu* plik_ = nullptr;
    int32_t numer_ = 0;
    QByteArrayView nazwa_;
};

// A profile file as read. It keeps the file's bytes; its sections refer to
// them and to it, so it is neither copied nor moved.
class TPlikProfilu {
public:
    // The longest value that is read; the rest of a longer line is ignored.
    static constexpr int MAX_DLUGOSC_WARTOSCI = 2047;
    // Longer keys are no keys of these files: their lines are skipped.
    static constexpr int MAX_DLUGOSC_KLUCZA = 1024;
    // The largest file that is parsed at all.
    static constexpr qsizetype MAX_ROZMIAR = 64 * 1024 * 1024;

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

private:
    friend class TSekcjaProfilu;
    // Every key of every section in one open-addressing table; keys and
    // values are offsets into the file's bytes, which keeps a slot small.
    struct Wpis {
        uint32_t hash = 0;
        int32_t sekcja = -1; // -1: empty slot
        uint32_t kluczOd = 0;
        uint32_t wartoscOd = 0;
        uint16_t kluczDl = 0;
        uint16_t wartoscDl = 0;
    };
    static uint32_t HashWpisu(int32_t sekcja, QByteArrayView klucz);
    QByteArrayView Klucz(const Wpis& w) const;
    std::optional<QByteArrayView> Znajdz(int32_t sekcja, QByteArrayView klucz) const;
    void Dodaj(int32_t sekcja, QByteArrayView klucz, QByteArrayView wartosc);

    QByteArray dane_;
    std::vector<TSekcjaProfilu> sekcje_;
    std::unordered_map<QByteArrayView, std::size_t, profil::HashBezWielkosci,
                       profil::RowneBezWielkosci>
        indeks_;
    std::vector<Wpis> wpisy_;
    std::size_t maskaWpisow_ = 0;
};

// Writes a profile file section by section, in the order of the calls.
class TZapisProfilu {
public:
    void Sekcja(const QString& nazwa);
    // Line breaks in a key or value would start new lines of the file, so
    // they are written as spaces.
    void Wartosc(const QString& klucz, const QString& wartosc);
    void Liczba(const QString& klucz, int64_t n);
    void Flaga(const QString& klucz, bool b);
    // The whole file in Windows-1250.
    QByteArray Bajty() const;

private:
    void Dopisz(const QString& s);
    QString tekst_;
};
