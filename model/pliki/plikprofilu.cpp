#include "model/pliki/plikprofilu.h"

#include "model/liczby.h"
#include "model/pliki/kodowanie.h"

#include <algorithm>
#include <charconv>
#include <cstring>

namespace {

bool JestBialy(char c) {
    return c == ' ' || c == '\t';
}

QByteArrayView BezBialych(QByteArrayView t) {
    qsizetype a = 0, b = t.size();
    while (a < b && JestBialy(t[a]))
        ++a;
    while (b > a && JestBialy(t[b - 1]))
        --b;
    return t.sliced(a, b - a);
}

bool LamieLinie(QChar c) {
    return c == QLatin1Char('\r') || c == QLatin1Char('\n') || c == QChar(0x2028) ||
           c == QChar(0x2029) || c == QChar(0x85) || c.unicode() == 0;
}

int CyfraSzesnastkowa(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

inline char Zloz(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c + ('a' - 'A')) : c;
}

} // namespace

namespace sekcyjne {

// Eight bytes at a time with bit 0x20 set in each: every ASCII letter then
// hashes as its lower case (a few non-letters collide, which equality sorts out).
std::size_t HashBezWielkosci::operator()(QByteArrayView s) const noexcept {
    constexpr uint64_t maska = 0x2020202020202020ULL;
    uint64_t h = 1469598103934665603ULL ^ static_cast<uint64_t>(s.size());
    const char* p = s.data();
    qsizetype n = s.size();
    for (; n >= 8; n -= 8, p += 8) {
        uint64_t slowo;
        std::memcpy(&slowo, p, 8);
        h = (h ^ (slowo | maska)) * 0x9E3779B97F4A7C15ULL;
        h ^= h >> 29;
    }
    uint64_t reszta = 0;
    for (; n > 0; --n, ++p)
        reszta = (reszta << 8) | (static_cast<unsigned char>(*p) | 0x20U);
    h = (h ^ reszta) * 0x9E3779B97F4A7C15ULL;
    return static_cast<std::size_t>(h ^ (h >> 32));
}

bool RowneBezWielkosci::operator()(QByteArrayView a, QByteArrayView b) const noexcept {
    if (a.size() != b.size())
        return false;
    if (std::memcmp(a.data(), b.data(), static_cast<std::size_t>(a.size())) == 0)
        return true; // the usual case: the same letters in the same case
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (Zloz(a[i]) != Zloz(b[i]))
            return false;
    }
    return true;
}

} // namespace sekcyjne

bool CzytajLiczbeCalkowita(QByteArrayView t, int32_t* wynik) {
    // The usual case, the counts of a window: a few plain digits.
    if (!t.isEmpty() && t.size() <= 9) {
        int32_t n = 0;
        qsizetype i = 0;
        for (; i < t.size() && t[i] >= '0' && t[i] <= '9'; ++i)
            n = n * 10 + (t[i] - '0');
        if (i == t.size()) {
            *wynik = n;
            return true;
        }
    }
    t = BezBialych(t);
    // "1 200" as Polish writes thousands.
    if (t.contains(' ')) {
        int64_t n = 0;
        if (!CzytajCalkowita(t, &n, INT32_MIN, INT32_MAX))
            return false;
        *wynik = static_cast<int32_t>(n);
        return true;
    }
    bool ujemna = false;
    if (t.startsWith('-') || t.startsWith('+')) {
        ujemna = t.startsWith('-');
        t = t.sliced(1);
    }
    int podstawa = 10;
    if (t.startsWith("0x") || t.startsWith("0X")) {
        podstawa = 16;
        t = t.sliced(2);
    } else if (t.startsWith('$')) {
        podstawa = 16;
        t = t.sliced(1);
    }
    if (t.isEmpty())
        return false;
    long long n = 0;
    for (char c : t) {
        const int cyfra = CyfraSzesnastkowa(c);
        if (cyfra < 0 || cyfra >= podstawa)
            return false;
        n = n * podstawa + cyfra;
        if (n > 0xFFFFFFFFLL)
            return false;
    }
    if (ujemna)
        n = -n;
    // Hexadecimal texts may give the full 32-bit pattern (0xFFFFFFFF is −1).
    if (podstawa == 16 && !ujemna && n > INT32_MAX)
        n -= 0x100000000LL;
    if (n < INT32_MIN || n > INT32_MAX)
        return false;
    *wynik = static_cast<int32_t>(n);
    return true;
}

QString TSekcjaProfilu::Nazwa() const {
    return ZCp1250(nazwa_.toByteArray());
}

QByteArrayView TSekcjaProfilu::Klucz(int i) const {
    const TPlikProfilu::Wpis& w = plik_->wpisy_[static_cast<std::size_t>(od_ + i)];
    return QByteArrayView(plik_->dane_).sliced(w.kluczOd, w.kluczDl);
}

QByteArrayView TSekcjaProfilu::Wartosc(int i) const {
    const TPlikProfilu::Wpis& w = plik_->wpisy_[static_cast<std::size_t>(od_ + i)];
    return QByteArrayView(plik_->dane_).sliced(w.wartoscOd, w.wartoscDl);
}

std::optional<QByteArrayView> TSekcjaProfilu::Surowa(QByteArrayView klucz) const {
    const sekcyjne::RowneBezWielkosci rowne;
    for (int i = 0; i < ile_; ++i) {
        if (rowne(Klucz(i), klucz))
            return Wartosc(i);
    }
    return std::nullopt;
}

QString TSekcjaProfilu::Tekst(QByteArrayView klucz, const QString& domyslny) const {
    const auto w = Surowa(klucz);
    return w ? ZCp1250(*w) : domyslny;
}

int32_t TSekcjaProfilu::Liczba(QByteArrayView klucz, int32_t domyslna) const {
    const auto w = Surowa(klucz);
    int32_t n = 0;
    return w && CzytajLiczbeCalkowita(*w, &n) ? n : domyslna;
}

bool TSekcjaProfilu::Flaga(QByteArrayView klucz, bool domyslna) const {
    return Liczba(klucz, domyslna ? 1 : 0) != 0;
}

TPlikProfilu::TPlikProfilu(const QByteArray& bajty) : dane_(bajty.left(MAX_ROZMIAR)) {
    const QByteArrayView dane(dane_);
    const char* poczatek = dane.data();
    // A project file's lines are rarely shorter than sixteen bytes: room
    // for them at once, and at the size limit for all the lines kept.
    wpisy_.reserve(std::min(static_cast<std::size_t>(dane.size() / 16) + 1, MAX_WPISOW));
    bool powtorzona = false;
    int32_t biezaca = -1;
    qsizetype start = 0;
    while (start <= dane.size()) {
        const void* nl =
            start < dane.size()
                ? std::memchr(poczatek + start, '\n', static_cast<std::size_t>(dane.size() - start))
                : nullptr;
        const qsizetype koniec = nl ? static_cast<const char*>(nl) - poczatek : dane.size();
        QByteArrayView linia = dane.sliced(start, koniec - start);
        start = koniec + 1;
        if (linia.endsWith('\r'))
            linia.chop(1);
        const QByteArrayView l = BezBialych(linia);
        if (l.startsWith('[')) {
            const qsizetype zamkniecie = l.indexOf(']');
            if (zamkniecie < 0)
                continue;
            const QByteArrayView nazwa = BezBialych(l.sliced(1, zamkniecie - 1));
            if (sekcje_.size() >= MAX_SEKCJI && !indeks_.count(nazwa)) {
                obciety_ = true;
                biezaca = -1; // its lines belong to no section kept
                continue;
            }
            const auto [it, nowa] = indeks_.emplace(nazwa, sekcje_.size());
            if (nowa) {
                TSekcjaProfilu s;
                s.plik_ = this;
                s.nazwa_ = nazwa;
                sekcje_.push_back(s);
            } else {
                powtorzona = true;
            }
            biezaca = static_cast<int32_t>(it->second);
            continue;
        }
        const void* znak =
            l.isEmpty() ? nullptr : std::memchr(l.data(), '=', static_cast<std::size_t>(l.size()));
        const qsizetype rownasie = znak ? static_cast<const char*>(znak) - l.data() : -1;
        if (biezaca < 0 || rownasie <= 0 || rownasie > MAX_DLUGOSC_KLUCZA)
            continue;
        if (wpisy_.size() >= MAX_WPISOW) {
            obciety_ = true;
            continue;
        }
        const QByteArrayView wartosc = BezBialych(l.sliced(rownasie + 1));
        const QByteArrayView klucz = BezBialych(l.first(rownasie));
        wpisy_.push_back({static_cast<uint32_t>(klucz.data() - poczatek),
                          static_cast<uint32_t>(wartosc.data() - poczatek),
                          static_cast<uint32_t>(wartosc.size()),
                          static_cast<uint16_t>(klucz.size()), biezaca});
    }
    // A repeated section continues the first: its lines are brought together,
    // in file order.
    if (powtorzona)
        std::stable_sort(wpisy_.begin(), wpisy_.end(),
                         [](const Wpis& a, const Wpis& b) { return a.sekcja < b.sekcja; });
    for (std::size_t i = 0; i < wpisy_.size();) {
        std::size_t j = i;
        while (j < wpisy_.size() && wpisy_[j].sekcja == wpisy_[i].sekcja)
            ++j;
        TSekcjaProfilu& s = sekcje_[static_cast<std::size_t>(wpisy_[i].sekcja)];
        s.od_ = static_cast<int32_t>(i);
        s.ile_ = static_cast<int32_t>(j - i);
        i = j;
    }
}

const TSekcjaProfilu* TPlikProfilu::Sekcja(QByteArrayView nazwa) const {
    const auto it = indeks_.find(nazwa);
    return it == indeks_.end() ? nullptr : &sekcje_[it->second];
}

QString TPlikProfilu::CzytajTekst(QByteArrayView sekcja, QByteArrayView klucz,
                                  const QString& domyslny) const {
    const TSekcjaProfilu* s = Sekcja(sekcja);
    return s ? s->Tekst(klucz, domyslny) : domyslny;
}

int32_t TPlikProfilu::CzytajLiczbe(QByteArrayView sekcja, QByteArrayView klucz,
                                   int32_t domyslna) const {
    const TSekcjaProfilu* s = Sekcja(sekcja);
    return s ? s->Liczba(klucz, domyslna) : domyslna;
}

void TZapisProfilu::Dolacz(const char* dane, qsizetype n) {
    // Straight into the reserved space: append and insert move far more.
    const qsizetype poczatek = bajty_.size();
    bajty_.resize(poczatek + n);
    std::memcpy(bajty_.data() + poczatek, dane, static_cast<std::size_t>(n));
}

void TZapisProfilu::Dopisz(QByteArrayView tekst) {
    const qsizetype poczatek = bajty_.size();
    Dolacz(tekst.data(), tekst.size());
    char* p = bajty_.data() + poczatek;
    for (qsizetype i = 0; i < tekst.size(); ++i) {
        if (p[i] == '\r' || p[i] == '\n' || p[i] == 0)
            p[i] = ' ';
    }
}

void TZapisProfilu::Dopisz(const QString& tekst) {
    // Plain ASCII, the usual case, goes straight in.
    bool ascii = true;
    for (QChar c : tekst) {
        if (c.unicode() >= 0x80) {
            ascii = false;
            break;
        }
    }
    if (ascii) {
        const qsizetype poczatek = bajty_.size();
        bajty_.resize(poczatek + tekst.size());
        char* cel = bajty_.data() + poczatek;
        for (QChar c : tekst) {
            const char z = static_cast<char>(c.unicode());
            *cel++ = z == '\r' || z == '\n' || z == 0 ? ' ' : z;
        }
        return;
    }
    QString t = tekst;
    for (QChar& c : t) {
        if (LamieLinie(c))
            c = QLatin1Char(' ');
    }
    const QByteArray zakodowany = DoCp1250(t);
    Dolacz(zakodowany.constData(), zakodowany.size());
}

void TZapisProfilu::Sekcja(const QString& nazwa) {
    Dolacz("[", 1);
    Dopisz(nazwa);
    Dolacz("]\r\n", 3);
}

void TZapisProfilu::Wartosc(QByteArrayView klucz, const QString& wartosc) {
    Dopisz(klucz);
    Dolacz("=", 1);
    Dopisz(wartosc);
    Dolacz("\r\n", 2);
}

void TZapisProfilu::Liczba(QByteArrayView klucz, int64_t n) {
    // The most frequent line of a project: key, "=", digits and the line end
    // go in with one copy.
    char bufor[1100];
    if (klucz.size() > 1024) {
        Dopisz(klucz);
        klucz = {};
    }
    std::memcpy(bufor, klucz.data(), static_cast<std::size_t>(klucz.size()));
    char* p = bufor + klucz.size();
    *p++ = '=';
    p = std::to_chars(p, p + 24, n).ptr;
    *p++ = '\r';
    *p++ = '\n';
    Dolacz(bufor, p - bufor);
}

void TZapisProfilu::Flaga(QByteArrayView klucz, bool b) {
    Dopisz(klucz);
    Dolacz(b ? "=1\r\n" : "=0\r\n", 4);
}
