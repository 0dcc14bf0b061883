#pragma once

#include <QString>
#include <QVector>

#include <cstdint>

// Fixed catalogue of window types, sash kinds, frame materials and value
// sources. Everything here is constant for the life of the program.

struct TTypOknaRec {
    int32_t Kod;
    QString Nazwa;
};

struct TRodzajSkrzydlaRec {
    int32_t Kod;
    QString Nazwa;
};

struct TMaterialyRamy {
    int32_t Kod;
    QString Nazwa;
};

// One axis of a sash cell: divisions od..doN of n equal divisions (1-based).
struct TPrzedzial {
    int od = 1;
    int do_ = 1;
    int n = 1;
    int liczbaDzialek() const { return do_ - od + 1; }
    double ulamek() const { return static_cast<double>(liczbaDzialek()) / n; }
    bool operator==(const TPrzedzial& o) const { return od == o.od && do_ == o.do_ && n == o.n; }
};

// The cell of one sash: columns (width) by rows (height).
struct TKomorka {
    TPrzedzial kolumny;
    TPrzedzial wiersze;
};

constexpr int LICZBA_TYPOW_OKIEN = 82;
constexpr int LICZBA_RODZAJOW_SKRZYDEL = 13;
// An opaque panel in place of glass: the last sash kind; the kinds before it
// open or are fixed glazing.
constexpr int32_t RODZAJ_PLYCINA = 12;
constexpr int LICZBA_MATERIALOW_RAMY = 4;
constexpr int LICZBA_ZRODEL = 3;
constexpr int MAX_SKRZYDEL = 8;
constexpr int LICZBA_KIERUNKOW = 8;

constexpr int32_t TYP_OKNA_DOMYSLNY = 1001;
constexpr int32_t MATERIAL_PCV = 3;

enum TZrodlo : uint8_t { ZrodloInny = 0, ZrodloPolskaNorma = 1, ZrodloDV = 2 };

const QVector<TTypOknaRec>& TypyOkien();
const QVector<TRodzajSkrzydlaRec>& RodzajeSkrzydel();
const QVector<TMaterialyRamy>& MaterialyRamy();
const QStringList& ZrodlaNazwy();

// Name of the entry with the given code, empty when there is none.
QString NazwaTypuOkna(int32_t kod);
QString NazwaRodzajuSkrzydla(int32_t kod);
QString NazwaMaterialuRamy(int32_t kod);
QString NazwaZrodla(int indeks);

// Code of the entry whose name equals the text ignoring letter case (the last
// match wins); `ok` tells whether anything matched.
int32_t KodTypuOkna(const QString& nazwa, bool* ok);
int32_t KodRodzajuSkrzydla(const QString& nazwa, bool* ok);
int32_t KodMaterialuRamy(const QString& nazwa, bool* ok);
// Index of the source name, 0 ("Inny") when none matches.
int IndeksZrodla(const QString& nazwa);

// The sashes of a type: the family's digit (1001 → 1 … 8002 → 8), 0 for a
// code outside every family.
int LiczbaSkrzydel(int32_t kod);
// The sash cells of a type in sash order; empty for a code outside the table.
QVector<TKomorka> KomorkiSkrzydel(int32_t kod);

// Coefficients k and p of the glazed fraction f = k * Aw^p by type family.
struct TWspolczynnikiPrzeszklenia {
    double k;
    double p;
};
bool WspolczynnikiPrzeszklenia(int32_t kod, TWspolczynnikiPrzeszklenia* w);
