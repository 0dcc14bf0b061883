#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>
#include <QVector>

#include <optional>
#include <string>
#include <vector>

// The verdicts' and catalogues' "below 0: none", as JSON has it: null.
inline std::optional<double> JesliNieujemna(double x) {
    return x < 0 ? std::nullopt : std::optional<double>(x);
}

// A small JSON writer that keeps keys in the order they are added (the
// summary lists them in the model's order, which QJsonObject would sort).
class TJson {
public:
    void PoczatekObiektu();
    void KoniecObiektu();
    void PoczatekTablicy();
    void KoniecTablicy();
    void Klucz(const QString& nazwa);
    // A key known to be plain ASCII without quotes or backslashes.
    void Klucz(QLatin1String nazwa);
    void Tekst(const QString& s);
    // A catalogue name: a few texts over and over, so the JSON form of
    // each is made once and kept.
    void Nazwa(const QString& s);
    // Shortest text that reads back as the same double; null when not finite.
    void Liczba(double x);
    void Calkowita(qint64 n) { Calkowita(n, true); }
    void Logiczna(bool b);
    void Null();

    // Key and value together: a text, number, count, flag, a number or null
    // (std::optional), or a list of texts as an array.
    template <typename T> void Pole(QLatin1String nazwa, const T& wartosc) {
        Klucz(nazwa);
        Wartosc(wartosc);
    }

    QByteArray Wynik() const {
        return QByteArray(wynik_.data(), static_cast<qsizetype>(wynik_.size()));
    }
    QByteArrayView Widok() const {
        return QByteArrayView(wynik_.data(), static_cast<qsizetype>(wynik_.size()));
    }
    // Forgets what was written (given away), keeping the open containers.
    void Wyczysc() { wynik_.clear(); }
    void Zarezerwuj(qsizetype bajtow) { wynik_.reserve(static_cast<std::size_t>(bajtow)); }

private:
    void Calkowita(qint64 n, bool wartosc);
    void Wartosc(const QString& s) { Tekst(s); }
    void Wartosc(double x) { Liczba(x); }
    void Wartosc(int n) { Calkowita(n); }
    void Wartosc(bool b) { Logiczna(b); }
    void Wartosc(const std::optional<double>& x) {
        if (x)
            Liczba(*x);
        else
            Null();
    }
    void Wartosc(const QStringList& teksty) {
        PoczatekTablicy();
        for (const QString& t : teksty)
            Tekst(t);
        KoniecTablicy();
    }
    void Dolacz(const char* dane, qsizetype n) { wynik_.append(dane, static_cast<std::size_t>(n)); }
    void Dolacz(char c) { wynik_.push_back(c); }
    // The comma before a value that is not the first of its container.
    void PrzedWartoscia() {
        if (poKluczu_) {
            poKluczu_ = false;
            return;
        }
        if (!pierwszy_.empty()) {
            if (!pierwszy_.back())
                wynik_.push_back(',');
            pierwszy_.back() = false;
        }
    }
    void DopiszTekst(const QString& s);

    std::string wynik_; // appends stay inline, unlike QByteArray's
    QHash<QString, QByteArray> nazwy_;
    std::vector<char> pierwszy_; // per open container: nothing written in it yet
    bool poKluczu_ = false;
};
