#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>

// The manufacturer's price list: six tables of list prices in whole euro per
// sash, indexed by sash kind (0–11), height class (4–25) and width class
// (4–30); -1 where a size or kind is not offered. A class is ⌈mm / 100⌉.
class TCennikiDV {
public:
    enum Tabela { PCV = 0, Drewno, Aluminium28, Aluminium27, Aluminium26, Aluminium25 };
    static constexpr int LICZBA_TABEL = 6;
    static constexpr int RODZAJE = 12;
    static constexpr int MIN_KLASA_WYS = 4, MAX_KLASA_WYS = 25;
    static constexpr int MIN_KLASA_SZER = 4, MAX_KLASA_SZER = 30;
    static constexpr int WYSOKOSCI = MAX_KLASA_WYS - MIN_KLASA_WYS + 1;    // 22
    static constexpr int SZEROKOSCI = MAX_KLASA_SZER - MIN_KLASA_SZER + 1; // 27
    static constexpr int NA_TABELE = RODZAJE * WYSOKOSCI * SZEROKOSCI;     // 7128
    static constexpr int ROZMIAR_BAJTOW = LICZBA_TABEL * NA_TABELE * 4;

    // Position of an entry within its table.
    static constexpr int Pozycja(int rodzaj, int wys, int szer) {
        return rodzaj * WYSOKOSCI * SZEROKOSCI + (wys - MIN_KLASA_WYS) * SZEROKOSCI +
               (szer - MIN_KLASA_SZER);
    }

    // Takes the tables from their binary form (little-endian int32, tables
    // in the order of `Tabela`). Refuses data of the wrong size or with an
    // entry that is neither -1 nor positive, and says why.
    bool Wczytaj(const QByteArray& dane, QString* blad);
    bool Gotowe() const { return gotowe_; }

    // The entry, or -1 for a kind or class outside the tables.
    int32_t Cena(Tabela t, int rodzaj, int wys, int szer) const;

    // The tables compiled into the program, loaded on first use. When they
    // are damaged the result is not ready and `Blad` says why.
    static const TCennikiDV& Wbudowane();
    const QString& Blad() const { return blad_; }

private:
    int32_t ceny_[LICZBA_TABEL][NA_TABELE] = {};
    bool gotowe_ = false;
    QString blad_;
};
