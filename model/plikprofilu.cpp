#include "plikprofilu.h"

#include "kodowanie.h"

#include <algorithm>
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

namespace profil {

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

} // namespace profil

bool CzytajLiczbeCalkowita(QByteArrayView t, int32_t* wynik) {
    t = BezBialych(t);
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

std::optional<QByteArrayView> TSekcjaProfilu::Surowa(QByteArrayView klucz) const {
    return plik_->Znajdz(numer_, klucz);
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

uint32_t TPlikProfilu::HashWpisu(int32_t sekcja, QByteArrayView klucz) {
    uint64_t h = profil::HashBezWielkosci()(klucz) ^ (static_cast<uint64_t>(sekcja) << 20);
    h *= 0xFF51AFD7ED558CCDULL;
    return static_cast<uint32_t>(h ^ (h >> 33));
}

QByteArrayView TPlikProfilu::Klucz(const Wpis& w) const {
    return QByteArrayView(dane_).sliced(w.kluczOd, w.kluczDl);
}

std::optional<QByteArrayView> TPlikProfilu::Znajdz(int32_t sekcja, QByteArrayView klucz) const {
    if (wpisy_.empty())
        return std::nullopt;
    const uint32_t h = HashWpisu(sekcja, klucz);
    for (std::size_t i = h & maskaWpisow_;; i = (i + 1) & maskaWpisow_) {
        const Wpis& w = wpisy_[i];
        if (w.sekcja < 0)
            return std::nullopt;
        if (w.hash == h && w.sekcja == sekcja && profil::RowneBezWielkosci()(Klucz(w), klucz))
            return QByteArrayView(dane_).sliced(w.wartoscOd, w.wartoscDl);
    }
}

void TPlikProfilu::Dodaj(int32_t sekcja, QByteArrayView klucz, QByteArrayView wartosc) {
    const uint32_t h = HashWpisu(sekcja, klucz);
    for (std::size_t i = h & maskaWpisow_;; i = (i + 1) & maskaWpisow_) {
        Wpis& w = wpisy_[i];
        if (w.sekcja < 0) {
            const char* poczatek = dane_.constData();
            w = {h,
                 sekcja,
                 static_cast<uint32_t>(klucz.data() - poczatek),
                 static_cast<uint32_t>(wartosc.data() - poczatek),
                 static_cast<uint16_t>(klucz.size()),
                 static_cast<uint16_t>(wartosc.size())};
            return;
        }
        if (w.hash == h && w.sekcja == sekcja && profil::RowneBezWielkosci()(Klucz(w), klucz))
            return; // the first of repeated keys counts
    }
}

TPlikProfilu::TPlikProfilu(const QByteArray& bajty) : dane_(bajty.left(MAX_ROZMIAR)) {
    const QByteArrayView dane(dane_);
    // Every key has its "=": a table half as large again never fills up.
    const auto klucze = static_cast<std::size_t>(std::count(dane.begin(), dane.end(), '='));
    std::size_t rozmiar = 16;
    while (rozmiar < klucze + klucze / 2)
        rozmiar *= 2;
    wpisy_.resize(rozmiar);
    maskaWpisow_ = rozmiar - 1;

    int32_t biezaca = -1;
    qsizetype start = 0;
    while (start <= dane.size()) {
        qsizetype koniec = dane.indexOf('\n', start);
        if (koniec < 0)
            koniec = dane.size();
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
            const auto it = indeks_.find(nazwa);
            if (it != indeks_.end()) {
                biezaca = static_cast<int32_t>(it->second);
            } else {
                biezaca = static_cast<int32_t>(sekcje_.size());
                indeks_.emplace(nazwa, sekcje_.size());
                TSekcjaProfilu s;
                s.plik_ = this;
                s.numer_ = biezaca;
                s.nazwa_ = nazwa;
                sekcje_.push_back(s);
            }
            continue;
        }
        const qsizetype rownasie = l.indexOf('=');
        if (biezaca < 0 || rownasie <= 0 || rownasie > MAX_DLUGOSC_KLUCZA)
            continue;
        QByteArrayView wartosc = BezBialych(l.sliced(rownasie + 1));
        if (wartosc.size() > MAX_DLUGOSC_WARTOSCI)
            wartosc.truncate(MAX_DLUGOSC_WARTOSCI);
        Dodaj(biezaca, BezBialych(l.first(rownasie)), wartosc);
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

void TZapisProfilu::Dopisz(const QString& s) {
    const qsizetype poczatek = tekst_.size();
    tekst_ += s;
    for (qsizetype i = poczatek; i < tekst_.size(); ++i) {
        if (LamieLinie(tekst_[i]))
            tekst_[i] = QLatin1Char(' ');
    }
}

void TZapisProfilu::Sekcja(const QString& nazwa) {
    tekst_ += QLatin1Char('[');
    Dopisz(nazwa);
    tekst_ += QLatin1String("]\r\n");
}

void TZapisProfilu::Wartosc(const QString& klucz, const QString& wartosc) {
    Dopisz(klucz);
    tekst_ += QLatin1Char('=');
    Dopisz(wartosc);
    tekst_ += QLatin1String("\r\n");
}

void TZapisProfilu::Liczba(const QString& klucz, int64_t n) {
    Wartosc(klucz, QString::number(n));
}

void TZapisProfilu::Flaga(const QString& klucz, bool b) {
    Wartosc(klucz, b ? QStringLiteral("1") : QStringLiteral("0"));
}

QByteArray TZapisProfilu::Bajty() const {
    return DoCp1250(tekst_);
}
