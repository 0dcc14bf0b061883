#pragma once

#include <QByteArray>
#include <QString>
#include <QVector>

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
    // Shortest text that reads back as the same double; null when not finite.
    void Liczba(double x);
    void Calkowita(qint64 n);
    void Logiczna(bool b);
    void Null();

    // Key and value together.
    template <typename T> void Pole(QLatin1String nazwa, const T& wartosc) {
        Klucz(nazwa);
        Wartosc(wartosc);
    }

    const QByteArray& Wynik() const { return wynik_; }
    void Zarezerwuj(qsizetype bajtow) { wynik_.reserve(bajtow); }

private:
    void Wartosc(const QString& s) { Tekst(s); }
    void Wartosc(double x) { Liczba(x); }
    void Wartosc(int n) { Calkowita(n); }
    void Wartosc(bool b) { Logiczna(b); }
    void PrzedWartoscia();
    void DopiszTekst(const QString& s);

    QByteArray wynik_;
    QVector<bool> pierwszy_; // per open container: nothing written in it yet
    bool poKluczu_ = false;
};
