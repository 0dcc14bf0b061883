#include "model/ifc/step.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace {

constexpr int MAKS_ZAGNIEZDZENIE = 64; // lists within lists; deeper is no model

bool Litera(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}
bool Cyfra(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

std::optional<double> TWartoscStep::Liczba() const {
    if (rodzaj == Rodzaj::Liczba)
        return liczba;
    if (rodzaj == Rodzaj::Typowana && !lista.isEmpty())
        return lista.front().Liczba();
    return std::nullopt;
}

std::optional<int64_t> TWartoscStep::Odwolanie() const {
    return rodzaj == Rodzaj::Odwolanie ? std::optional<int64_t>(odwolanie) : std::nullopt;
}

QString TWartoscStep::Tekst() const {
    if (rodzaj == Rodzaj::Typowana && !lista.isEmpty() &&
        (lista.front().rodzaj == Rodzaj::Tekst || lista.front().rodzaj == Rodzaj::Wyliczenie))
        return lista.front().tekst;
    return rodzaj == Rodzaj::Tekst || rodzaj == Rodzaj::Wyliczenie ? tekst : QString();
}

QVector<TWartoscStep> TWartoscStep::Elementy() const {
    return rodzaj == Rodzaj::Lista ? lista : QVector<TWartoscStep>();
}

namespace {

// Reads a file's bytes token by token, counting lines.
class TCzytnik {
public:
    explicit TCzytnik(QByteArrayView t) : t_(t) {}

    qsizetype poz = 0;
    int linia = 1;
    QString blad;

    bool Koniec() const { return poz >= t_.size(); }
    char Znak() const { return poz < t_.size() ? t_[poz] : '\0'; }

    // Blanks and comments.
    void Pomin() {
        while (poz < t_.size()) {
            const char c = t_[poz];
            if (c == '\n') {
                ++linia;
                ++poz;
            } else if (c == ' ' || c == '\t' || c == '\r') {
                ++poz;
            } else if (c == '/' && poz + 1 < t_.size() && t_[poz + 1] == '*') {
                poz += 2;
                while (poz + 1 < t_.size() && !(t_[poz] == '*' && t_[poz + 1] == '/')) {
                    linia += t_[poz] == '\n';
                    ++poz;
                }
                poz = std::min(poz + 2, t_.size());
            } else {
                return;
            }
        }
    }
    bool Blad(const QString& co) {
        if (blad.isEmpty())
            blad = QStringLiteral("wiersz %1: %2").arg(linia).arg(co);
        return false;
    }
    // A keyword (letters, digits, '_', '-') upper-cased; empty when none.
    QByteArray Slowo() {
        Pomin();
        const qsizetype od = poz;
        while (poz < t_.size() &&
               (Litera(t_[poz]) || Cyfra(t_[poz]) || (poz > od && t_[poz] == '-')))
            ++poz;
        return t_.sliced(od, poz - od).toByteArray().toUpper();
    }
    bool Oczekuj(char c) {
        Pomin();
        if (Koniec())
            return Blad(QStringLiteral("plik kończy się przedwcześnie (jest ucięty)"));
        if (Znak() != c)
            return Blad(QStringLiteral("oczekiwano „%1”").arg(QLatin1Char(c)));
        ++poz;
        return true;
    }
    // From just after '(' to the matching ')': its position; strings,
    // binaries and comments skipped. -1 (with the error) when the instance
    // does not close before ';' or the file's end.
    qsizetype DoNawiasu() {
        int glebokosc = 1;
        while (poz < t_.size()) {
            const char c = t_[poz];
            switch (c) {
            case '\n':
                ++linia;
                break;
            case '\'':
                for (++poz; poz < t_.size(); ++poz) {
                    if (t_[poz] == '\n')
                        ++linia;
                    if (t_[poz] == '\'') {
                        if (poz + 1 < t_.size() && t_[poz + 1] == '\'')
                            ++poz;
                        else
                            break;
                    }
                }
                break;
            case '"':
                for (++poz; poz < t_.size() && t_[poz] != '"'; ++poz)
                    linia += t_[poz] == '\n';
                break;
            case '/':
                if (poz + 1 < t_.size() && t_[poz + 1] == '*') {
                    Pomin();
                    continue;
                }
                break;
            case '(':
                ++glebokosc;
                break;
            case ')':
                if (--glebokosc == 0)
                    return poz++;
                break;
            case ';':
                Blad(QStringLiteral("instancja nie zamyka nawiasów"));
                return -1;
            default:
                break;
            }
            ++poz;
        }
        Blad(QStringLiteral("plik kończy się w środku instancji (jest ucięty)"));
        return -1;
    }

private:
    QByteArrayView t_;
};

// The attributes of one instance, parsed from its bytes.
class TParser {
public:
    explicit TParser(QByteArrayView t) : t_(t) {}

    bool Lista(QVector<TWartoscStep>& wynik, int glebokosc) {
        Pomin();
        if (poz_ >= t_.size())
            return true; // no attributes
        for (;;) {
            TWartoscStep w;
            if (!Wartosc(w, glebokosc))
                return false;
            wynik.append(std::move(w));
            Pomin();
            if (poz_ >= t_.size() || t_[poz_] == ')')
                return true;
            if (t_[poz_] != ',')
                return false;
            ++poz_;
        }
    }
    qsizetype Pozycja() const { return poz_; }

private:
    void Pomin() {
        while (poz_ < t_.size()) {
            const char c = t_[poz_];
            if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
                ++poz_;
            } else if (c == '/' && poz_ + 1 < t_.size() && t_[poz_ + 1] == '*') {
                const qsizetype k = t_.sliced(poz_ + 2).indexOf("*/");
                poz_ = k < 0 ? t_.size() : poz_ + 2 + k + 2;
            } else {
                return;
            }
        }
    }

    bool Wartosc(TWartoscStep& w, int glebokosc) {
        using R = TWartoscStep::Rodzaj;
        Pomin();
        if (poz_ >= t_.size() || glebokosc > MAKS_ZAGNIEZDZENIE)
            return false;
        const char c = t_[poz_];
        if (c == '$' || c == '*') {
            w.rodzaj = c == '$' ? R::Brak : R::Pochodna;
            ++poz_;
            return true;
        }
        if (c == '#') {
            const qsizetype od = ++poz_;
            while (poz_ < t_.size() && Cyfra(t_[poz_]))
                ++poz_;
            const auto [k, e] = std::from_chars(t_.data() + od, t_.data() + poz_, w.odwolanie);
            w.rodzaj = R::Odwolanie;
            return poz_ > od && e == std::errc() && k == t_.data() + poz_;
        }
        if (c == '\'') {
            const qsizetype od = ++poz_;
            for (; poz_ < t_.size(); ++poz_) {
                if (t_[poz_] == '\'') {
                    if (poz_ + 1 < t_.size() && t_[poz_ + 1] == '\'')
                        ++poz_;
                    else
                        break;
                }
            }
            if (poz_ >= t_.size())
                return false;
            w.rodzaj = R::Tekst;
            w.tekst = DekodujTekstStep(t_.sliced(od, poz_ - od));
            ++poz_;
            return true;
        }
        if (c == '"') {
            const qsizetype k = t_.sliced(poz_ + 1).indexOf('"');
            if (k < 0)
                return false;
            w.rodzaj = R::Binarna;
            poz_ += k + 2;
            return true;
        }
        if (c == '.' && poz_ + 1 < t_.size() && Litera(t_[poz_ + 1])) {
            const qsizetype od = ++poz_;
            while (poz_ < t_.size() && (Litera(t_[poz_]) || Cyfra(t_[poz_])))
                ++poz_;
            if (poz_ >= t_.size() || t_[poz_] != '.')
                return false;
            w.rodzaj = R::Wyliczenie;
            w.tekst = QString::fromLatin1(t_.sliced(od, poz_ - od)).toUpper();
            ++poz_;
            return true;
        }
        if (c == '(') {
            ++poz_;
            w.rodzaj = R::Lista;
            Pomin();
            if (poz_ < t_.size() && t_[poz_] == ')') {
                ++poz_;
                return true;
            }
            if (!Lista(w.lista, glebokosc + 1) || poz_ >= t_.size() || t_[poz_] != ')')
                return false;
            ++poz_;
            return true;
        }
        if (Cyfra(c) || c == '-' || c == '+' || c == '.') {
            const qsizetype od = poz_;
            ++poz_;
            while (poz_ < t_.size() &&
                   (Cyfra(t_[poz_]) || t_[poz_] == '.' || t_[poz_] == 'E' || t_[poz_] == 'e' ||
                    ((t_[poz_] == '-' || t_[poz_] == '+') &&
                     (t_[poz_ - 1] == 'E' || t_[poz_ - 1] == 'e'))))
                ++poz_;
            const char* p = t_.data() + od;
            if (*p == '+')
                ++p;
            const auto [k, e] = std::from_chars(p, t_.data() + poz_, w.liczba);
            w.rodzaj = R::Liczba;
            return e == std::errc() && k == t_.data() + poz_ && std::isfinite(w.liczba);
        }
        if (Litera(c)) {
            const qsizetype od = poz_;
            while (poz_ < t_.size() && (Litera(t_[poz_]) || Cyfra(t_[poz_])))
                ++poz_;
            w.rodzaj = R::Typowana;
            w.tekst = QString::fromLatin1(t_.sliced(od, poz_ - od)).toUpper();
            Pomin();
            if (poz_ >= t_.size() || t_[poz_] != '(')
                return false;
            ++poz_;
            TWartoscStep wnetrze;
            if (!Wartosc(wnetrze, glebokosc + 1))
                return false;
            w.lista.append(std::move(wnetrze));
            Pomin();
            if (poz_ >= t_.size() || t_[poz_] != ')')
                return false;
            ++poz_;
            return true;
        }
        return false;
    }

    QByteArrayView t_;
    qsizetype poz_ = 0;
};

} // namespace

uint32_t TPlikStep::Typ(QByteArrayView nazwa) {
    const QByteArray klucz = nazwa.toByteArray();
    const auto it = indeksTypow_.constFind(klucz);
    if (it != indeksTypow_.constEnd())
        return *it;
    const auto nowy = static_cast<uint32_t>(typy_.size());
    typy_.append(klucz);
    indeksTypow_.insert(klucz, nowy);
    return nowy;
}

bool TPlikStep::Czytaj(const QByteArray& bajty, QString* powod,
                       const std::function<bool(qint64, qint64)>& postep) {
    // Offsets are kept in 32 bits; no model reaches 4 GiB (files are
    // limited to 512 MiB).
    if (bajty.size() >= static_cast<qsizetype>(UINT32_MAX)) {
        if (powod)
            *powod = QStringLiteral("plik jest za duży");
        return false;
    }
    bajty_ = bajty;
    schemat_.clear();
    instancje_.clear();
    // Every instance ends with a semicolon: room for them all at once,
    // instead of growing to twice their size.
    instancje_.reserve(static_cast<std::size_t>(bajty.count(';')));
    typy_.clear();
    indeksTypow_.clear();
    QByteArrayView t(bajty_);
    if (t.startsWith("\xEF\xBB\xBF"))
        t = t.sliced(3);
    const qsizetype przesuniecie = bajty_.size() - t.size();
    TCzytnik r(t);
    auto zle = [&](const QString& co) {
        r.Blad(co);
        if (powod)
            *powod = r.blad;
        instancje_.clear();
        return false;
    };
    if (r.Slowo() != "ISO-10303-21" || !r.Oczekuj(';'))
        return zle(QStringLiteral("to nie jest plik IFC (brak nagłówka ISO-10303-21)"));
    if (r.Slowo() != "HEADER" || !r.Oczekuj(';'))
        return zle(QStringLiteral("brak sekcji HEADER"));
    // The header's entities; FILE_SCHEMA names the schema.
    for (;;) {
        const QByteArray nazwa = r.Slowo();
        if (nazwa == "ENDSEC") {
            if (!r.Oczekuj(';'))
                return zle(r.blad);
            break;
        }
        if (nazwa.isEmpty() || !r.Oczekuj('('))
            return zle(r.Koniec() ? QStringLiteral("plik kończy się w nagłówku")
                                  : QStringLiteral("nieczytelny nagłówek"));
        const qsizetype od = r.poz;
        const qsizetype do_ = r.DoNawiasu();
        if (do_ < 0 || !r.Oczekuj(';'))
            return zle(r.blad);
        if (nazwa == "FILE_SCHEMA") {
            QVector<TWartoscStep> a;
            TParser p(t.sliced(od, do_ - od));
            if (p.Lista(a, 0) && !a.isEmpty() && !a[0].Elementy().isEmpty())
                schemat_ = a[0].Elementy().front().Tekst().trimmed().toUpper();
        }
    }
    if (!schemat_.startsWith(QStringLiteral("IFC2X3")) &&
        !schemat_.startsWith(QStringLiteral("IFC4")))
        return zle(schemat_.isEmpty()
                       ? QStringLiteral("plik nie podaje schematu IFC (FILE_SCHEMA)")
                       : QStringLiteral("schemat %1 nie jest obsługiwany (IFC2X3, IFC4, IFC4X3)")
                             .arg(schemat_));
    QHash<uint32_t, QVector<int64_t>> poTypie;
    bool dane = false;
    qint64 ostatniPostep = 0;
    for (;;) {
        r.Pomin();
        if (r.Koniec())
            return zle(QStringLiteral("plik kończy się przed END-ISO-10303-21 (jest ucięty)"));
        if (r.Znak() == '#') {
            if (!dane)
                return zle(QStringLiteral("instancja poza sekcją DATA"));
            ++r.poz;
            const qsizetype od = r.poz;
            while (Cyfra(r.Znak()))
                ++r.poz;
            int64_t numer = 0;
            const auto [k, e] = std::from_chars(t.data() + od, t.data() + r.poz, numer);
            if (r.poz == od || e != std::errc() || !r.Oczekuj('='))
                return zle(QStringLiteral("nieczytelny numer instancji"));
            r.Pomin();
            const bool zlozona = r.Znak() == '(';
            if (zlozona)
                ++r.poz;
            do {
                const QByteArray typ = r.Slowo();
                if (typ.isEmpty() || !r.Oczekuj('('))
                    return zle(QStringLiteral("nieczytelna instancja #%1").arg(numer));
                const qsizetype poczatek = r.poz;
                const qsizetype koniec = r.DoNawiasu();
                if (koniec < 0)
                    return zle(r.blad);
                const uint32_t t_ = Typ(typ);
                instancje_.push_back({numer, t_, static_cast<uint32_t>(przesuniecie + poczatek),
                                      static_cast<uint32_t>(przesuniecie + koniec)});
                poTypie[t_].append(numer);
                r.Pomin();
            } while (zlozona && r.Znak() != ')' && !r.Koniec());
            if (zlozona && !r.Oczekuj(')'))
                return zle(r.blad);
            if (!r.Oczekuj(';'))
                return zle(r.blad);
            if (postep && r.poz - ostatniPostep > (1 << 20)) {
                ostatniPostep = r.poz;
                if (!postep(r.poz, t.size()))
                    return zle(QStringLiteral("przerwano"));
            }
            continue;
        }
        const QByteArray slowo = r.Slowo();
        if (slowo == "DATA") {
            r.Pomin();
            if (r.Znak() == '(') { // DATA('name', (schema)) of the third edition
                ++r.poz;
                if (r.DoNawiasu() < 0)
                    return zle(r.blad);
            }
            if (!r.Oczekuj(';'))
                return zle(r.blad);
            dane = true;
        } else if (slowo == "ENDSEC") {
            if (!r.Oczekuj(';'))
                return zle(r.blad);
            dane = false;
        } else if (slowo == "END-ISO-10303-21") {
            break;
        } else if (slowo.isEmpty()) {
            return zle(QStringLiteral("nieoczekiwany znak „%1”").arg(QLatin1Char(r.Znak())));
        } else {
            return zle(QStringLiteral("nieoczekiwany tekst „%1”")
                           .arg(QString::fromLatin1(slowo.left(40))));
        }
    }
    std::stable_sort(instancje_.begin(), instancje_.end(),
                     [](const TInstancja& a, const TInstancja& b) { return a.numer < b.numer; });
    poTypie_.clear();
    poTypie_.resize(typy_.size());
    for (auto it = poTypie.begin(); it != poTypie.end(); ++it)
        poTypie_[static_cast<qsizetype>(it.key())] = std::move(it.value());
    if (postep)
        postep(t.size(), t.size());
    return true;
}

QVector<int64_t> TPlikStep::Instancje(const QByteArray& typ) const {
    const auto it = indeksTypow_.constFind(typ);
    return it == indeksTypow_.constEnd() ? QVector<int64_t>()
                                         : poTypie_.value(static_cast<qsizetype>(*it));
}

const TPlikStep::TInstancja* TPlikStep::Znajdz(int64_t numer, const QByteArray& typ) const {
    auto it = std::lower_bound(instancje_.begin(), instancje_.end(), numer,
                               [](const TInstancja& a, int64_t n) { return a.numer < n; });
    if (it == instancje_.end() || it->numer != numer)
        return nullptr;
    if (typ.isEmpty())
        return &*it;
    const auto t = indeksTypow_.constFind(typ);
    if (t == indeksTypow_.constEnd())
        return nullptr;
    for (; it != instancje_.end() && it->numer == numer; ++it)
        if (it->typ == *t)
            return &*it;
    return nullptr;
}

QByteArray TPlikStep::Typ(int64_t numer) const {
    const TInstancja* i = Znajdz(numer, QByteArray());
    return i ? typy_[static_cast<qsizetype>(i->typ)] : QByteArray();
}

bool TPlikStep::JestTypu(int64_t numer, const QByteArray& typ) const {
    return Znajdz(numer, typ) != nullptr;
}

std::optional<QVector<TWartoscStep>> TPlikStep::Atrybuty(int64_t numer,
                                                         const QByteArray& typ) const {
    const TInstancja* i = Znajdz(numer, typ);
    if (!i)
        return std::nullopt;
    QVector<TWartoscStep> a;
    TParser p(QByteArrayView(bajty_).sliced(i->od, i->do_ - i->od));
    if (!p.Lista(a, 0) || p.Pozycja() < i->do_ - i->od)
        return std::nullopt;
    return a;
}

TWartoscStep TPlikStep::Atrybut(int64_t numer, int indeks, const QByteArray& typ) const {
    const auto a = Atrybuty(numer, typ);
    return a && indeks >= 0 && indeks < a->size() ? a->at(indeks) : TWartoscStep();
}

std::optional<std::pair<qsizetype, qsizetype>> TPlikStep::Zakres(int64_t numer) const {
    const TInstancja* i = Znajdz(numer, QByteArray());
    if (!i)
        return std::nullopt;
    // The last part of a complex instance ends it.
    const TInstancja* ostatnia = i;
    while (ostatnia + 1 < instancje_.data() + instancje_.size() && ostatnia[1].numer == numer)
        ++ostatnia;
    const qsizetype od = bajty_.lastIndexOf('#', i->od);
    const qsizetype srednik = bajty_.indexOf(';', ostatnia->do_);
    if (od < 0 || srednik < 0)
        return std::nullopt;
    return std::pair{od, srednik + 1};
}
