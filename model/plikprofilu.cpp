#include "plikprofilu.h"

#include "kodowanie.h"
#include "tekst.h"

namespace {

bool JestBialy(QChar c) {
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

QString BezBialych(QStringView t) {
    qsizetype a = 0, b = t.size();
    while (a < b && JestBialy(t[a]))
        ++a;
    while (b > a && JestBialy(t[b - 1]))
        --b;
    return t.mid(a, b - a).toString();
}

QString JednaLinia(QString s) {
    for (QChar& c : s) {
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n') || c == QChar(0x2028) ||
            c == QChar(0x2029) || c == QChar(0x85) || c.unicode() == 0)
            c = QLatin1Char(' ');
    }
    return s;
}

} // namespace

bool CzytajLiczbeCalkowita(const QString& tekst, int32_t* wynik) {
    QStringView t = QStringView(tekst).trimmed();
    bool ujemna = false;
    if (t.startsWith(QLatin1Char('-')) || t.startsWith(QLatin1Char('+'))) {
        ujemna = t.startsWith(QLatin1Char('-'));
        t = t.mid(1);
    }
    int podstawa = 10;
    if (t.startsWith(QLatin1String("0x")) || t.startsWith(QLatin1String("0X"))) {
        podstawa = 16;
        t = t.mid(2);
    } else if (t.startsWith(QLatin1Char('$'))) {
        podstawa = 16;
        t = t.mid(1);
    }
    if (t.isEmpty())
        return false;
    long long n = 0;
    for (QChar c : t) {
        const int cyfra =
            c.isDigit() && c.unicode() < 128 ? c.unicode() - '0'
            : podstawa == 16 && c.toLower() >= QLatin1Char('a') && c.toLower() <= QLatin1Char('f')
                ? c.toLower().unicode() - 'a' + 10
                : -1;
        if (cyfra < 0)
            return false;
        n = n * podstawa + cyfra;
        if (n > 0x100000000LL)
            return false;
    }
    if (ujemna)
        n = -n;
    // Hexadecimal texts may give the full 32-bit pattern (0xFFFFFFFF is −1).
    if (podstawa == 16 && !ujemna && n > INT32_MAX && n <= 0xFFFFFFFFLL)
        n -= 0x100000000LL;
    if (n < INT32_MIN || n > INT32_MAX)
        return false;
    *wynik = static_cast<int32_t>(n);
    return true;
}

TPlikProfilu TPlikProfilu::ZBajtow(const QByteArray& bajty) {
    TPlikProfilu plik;
    const QString tekst = ZCp1250(bajty);
    int biezaca = -1;
    qsizetype start = 0;
    while (start <= tekst.size()) {
        qsizetype koniec = tekst.indexOf(QLatin1Char('\n'), start);
        if (koniec < 0)
            koniec = tekst.size();
        QStringView linia = QStringView(tekst).mid(start, koniec - start);
        start = koniec + 1;
        if (linia.endsWith(QLatin1Char('\r')))
            linia.chop(1);
        const QString l = BezBialych(linia);
        if (l.startsWith(QLatin1Char('['))) {
            const qsizetype zamkniecie = l.indexOf(QLatin1Char(']'));
            if (zamkniecie < 0)
                continue;
            const QString nazwa = BezBialych(QStringView(l).mid(1, zamkniecie - 1));
            const QString klucz = KluczBezWielkosci(nazwa);
            auto it = plik.indeks_.constFind(klucz);
            if (it != plik.indeks_.constEnd()) {
                biezaca = it.value(); // a repeated section continues the first one
            } else {
                biezaca = static_cast<int>(plik.sekcje_.size());
                plik.sekcje_.append({nazwa, {}, {}});
                plik.indeks_.insert(klucz, biezaca);
            }
            continue;
        }
        const qsizetype rownasie = l.indexOf(QLatin1Char('='));
        if (biezaca < 0 || rownasie <= 0)
            continue;
        const QString klucz = BezBialych(QStringView(l).left(rownasie));
        QString wartosc = BezBialych(QStringView(l).mid(rownasie + 1));
        if (wartosc.size() > MAX_DLUGOSC_WARTOSCI)
            wartosc.truncate(MAX_DLUGOSC_WARTOSCI);
        Sekcja& s = plik.sekcje_[biezaca];
        const QString kluczIndeksu = KluczBezWielkosci(klucz);
        if (!s.indeks.contains(kluczIndeksu)) {
            s.indeks.insert(kluczIndeksu, static_cast<int>(s.klucze.size()));
            s.klucze.append({klucz, wartosc});
        }
    }
    return plik;
}

QByteArray TPlikProfilu::DoBajtow() const {
    QString tekst;
    for (const Sekcja& s : sekcje_) {
        tekst += QLatin1Char('[') + s.nazwa + QLatin1String("]\r\n");
        for (const auto& kv : s.klucze)
            tekst += kv.first + QLatin1Char('=') + kv.second + QLatin1String("\r\n");
    }
    return DoCp1250(tekst);
}

QStringList TPlikProfilu::Sekcje() const {
    QStringList nazwy;
    nazwy.reserve(sekcje_.size());
    for (const Sekcja& s : sekcje_)
        nazwy << s.nazwa;
    return nazwy;
}

const QString* TPlikProfilu::Wartosc(const QString& sekcja, const QString& klucz) const {
    auto it = indeks_.constFind(KluczBezWielkosci(sekcja));
    if (it == indeks_.constEnd())
        return nullptr;
    const Sekcja& s = sekcje_[it.value()];
    auto k = s.indeks.constFind(KluczBezWielkosci(klucz));
    if (k == s.indeks.constEnd())
        return nullptr;
    return &s.klucze[k.value()].second;
}

bool TPlikProfilu::MaKlucz(const QString& sekcja, const QString& klucz) const {
    return Wartosc(sekcja, klucz) != nullptr;
}

QString TPlikProfilu::CzytajTekst(const QString& sekcja, const QString& klucz,
                                  const QString& domyslny) const {
    const QString* w = Wartosc(sekcja, klucz);
    return w ? *w : domyslny;
}

int32_t TPlikProfilu::CzytajLiczbe(const QString& sekcja, const QString& klucz,
                                   int32_t domyslna) const {
    const QString* w = Wartosc(sekcja, klucz);
    int32_t n = 0;
    return w && CzytajLiczbeCalkowita(*w, &n) ? n : domyslna;
}

bool TPlikProfilu::CzytajFlage(const QString& sekcja, const QString& klucz, bool domyslna) const {
    return CzytajLiczbe(sekcja, klucz, domyslna ? 1 : 0) != 0;
}

TPlikProfilu::Sekcja& TPlikProfilu::SekcjaDoZapisu(const QString& nazwa) {
    const QString klucz = KluczBezWielkosci(nazwa);
    auto it = indeks_.constFind(klucz);
    if (it != indeks_.constEnd())
        return sekcje_[it.value()];
    indeks_.insert(klucz, static_cast<int>(sekcje_.size()));
    sekcje_.append({JednaLinia(nazwa), {}, {}});
    return sekcje_.last();
}

void TPlikProfilu::Zapisz(const QString& sekcja, const QString& klucz, const QString& wartosc) {
    Sekcja& s = SekcjaDoZapisu(sekcja);
    const QString k = KluczBezWielkosci(klucz);
    auto it = s.indeks.constFind(k);
    if (it != s.indeks.constEnd()) {
        s.klucze[it.value()].second = JednaLinia(wartosc);
        return;
    }
    s.indeks.insert(k, static_cast<int>(s.klucze.size()));
    s.klucze.append({JednaLinia(klucz), JednaLinia(wartosc)});
}

void TPlikProfilu::ZapiszLiczbe(const QString& sekcja, const QString& klucz, int64_t n) {
    Zapisz(sekcja, klucz, QString::number(n));
}

void TPlikProfilu::ZapiszFlage(const QString& sekcja, const QString& klucz, bool b) {
    Zapisz(sekcja, klucz, b ? QStringLiteral("1") : QStringLiteral("0"));
}
