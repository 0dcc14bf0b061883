#pragma once

#include <QFont>
#include <QList>
#include <QString>

#include <functional>

class QPaintDevice;

// How the schedule lays its texts out on a page: lines of a font spaced as
// the report spaces them, word-wrapped texts, and the columns of a window's
// block whose values are never cut.

// The line of a font as the schedule spaces its lines: the font's own
// ascent and descent, or the larger ones its Windows metrics give (what
// the fonts made for that system are spaced by: Tahoma's typographic
// metrics alone would let its lines touch).
struct TMiaryLinii {
    qreal ascent;
    qreal wysokosc;
};
TMiaryLinii MiaryLinii(const QFont& pismo, const QPaintDevice* urzadzenie);

// One line of a text laid out: what it shows and where, from the top, and
// the size of its type in points (0: the text's own).
struct TLinia {
    QString tekst;
    qreal y;
    qreal ascent;
    qreal punkty = 0;
};

struct TUklad {
    QList<TLinia> linie;
    int wysokosc = 0;
};

// A text laid out as the report draws it: word-wrapped in `szerokosc`, a
// word wider than a line broken where it must, one line of the font below
// the other. Lines whose bottom passes `wasko` get `waska` instead.
// What does not fit in `wysokosc` (< 0: anything fits) is left out and the
// last line kept ends with "…".
TUklad Uloz(const QString& tekst, const QFont& pismo, const QPaintDevice* urzadzenie,
            qreal szerokosc, qreal wysokosc, qreal wasko, qreal waska);

// A row of a block's column: a label and the value it names, the value
// with its unit ("   szerokość: ", "1200 mm"). A label may hold line breaks
// ("\r\n"); a row with neither is an empty line.
struct TWierszKolumny {
    QString etykieta;
    QString wartosc;
};

// A column of rows in `szerokosc` × `wysokosc`: each value stands whole on
// one line, after its label when both fit, else on a line of its own, in
// a smaller size of the type when even that line is too narrow for it; a
// column too high for its room is set in a smaller size as a whole (down
// to `najmniejsze` points). Labels wrap. `pismo` gives the type at a size.
TUklad UlozKolumne(const QList<TWierszKolumny>& wiersze, const std::function<QFont(qreal)>& pismo,
                   const QPaintDevice* urzadzenie, qreal szerokosc, qreal wysokosc, qreal punkty,
                   qreal najmniejsze = 4);
// The rows as one text, a line each, as the column says them.
QString TekstKolumny(const QList<TWierszKolumny>& wiersze);
