#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

class TZestawienieStolarki;
struct TZestawienieStron;

// The schedule as spreadsheet tables: typed cells (numbers stay numbers),
// for an XLSX workbook and a CSV file alike.

struct TKomorkaArkusza {
    enum class Rodzaj { Pusta, Tekst, Liczba, Formula };
    Rodzaj rodzaj = Rodzaj::Pusta;
    QString tekst;     // Tekst; Formula: the formula ("SUM(P2:P9)")
    double liczba = 0; // Liczba; Formula: its value as the program has it
    int miejsca = -1;  // decimals shown: -1 the general form, else fixed

    // An empty text is an empty cell.
    static TKomorkaArkusza Tekst(const QString& t) {
        return {t.isEmpty() ? Rodzaj::Pusta : Rodzaj::Tekst, t, 0, -1};
    }
    static TKomorkaArkusza Liczba(double x, int miejsca = -1) {
        return {Rodzaj::Liczba, {}, x, miejsca};
    }
    static TKomorkaArkusza Formula(const QString& f, double wartosc, int miejsca = -1) {
        return {Rodzaj::Formula, f, wartosc, miejsca};
    }
};

struct TArkusz {
    QString nazwa;
    QStringList naglowki; // the first row, in bold and frozen
    QVector<QVector<TKomorkaArkusza>> wiersze;
    QVector<TKomorkaArkusza> razem; // a last row of totals, when not empty
    bool filtr = false;             // an autofilter over the header and rows
    // Values that are no finite number, left out: "okno O5 (Pole razem [m²])".
    QStringList ostrzezenia;
};

// "Okna": one row per window in the report's order (by symbol), with the
// pieces per storey, net and gross prices (or why there is none), the sash
// kinds and the WT 2021 verdict; "Razem" with formulas, each given the
// value it computes from the cells above it.
TArkusz ArkuszOkien(const TZestawienieStolarki& projekt);
// "Kondygnacje i strony": the pieces of every window per storey and direction.
TArkusz ArkuszSztuk(const TZestawienieStolarki& projekt);
// "Strony świata": the windows by storey and direction.
TArkusz ArkuszStron(const TZestawienieStron& z);
// "Projekt": header, building, options and the project's totals.
TArkusz ArkuszProjektu(const TZestawienieStolarki& projekt);

// The column's letters ("A", "AB").
QString KolumnaArkusza(int kolumna);

// One sheet as a Polish spreadsheet opens it: UTF-8 with a byte-order mark,
// CR LF, ";" between fields, the decimal comma, a text quoted when it holds
// ";", quotes or a line break, and begun with "'" when it begins as a
// formula would ("=", "+", "-", "@", a tab or CR); formulas by their values.
QByteArray CsvArkusza(const TArkusz& arkusz);

// The table by storey and direction as a Polish spreadsheet opens it
// directly: UTF-8 with a byte-order mark, CR LF, ";" between fields, the
// decimal comma whatever the locale.
QByteArray ZestawienieWgStronCsv(const TZestawienieStron& z);
