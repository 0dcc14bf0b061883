#pragma once

#include <QFont>
#include <QList>
#include <QMarginsF>
#include <QRect>
#include <QSizeF>
#include <QString>

#include <climits>

class TDokument;
class TOkno;
class TZestawienieStolarki;
struct TWierszKolumny;

// What the preview window's choices make of the report.
struct TOpcjeRaportu {
    QString Czcionka;              // font family; empty: the platform's default
    bool DodajWycene = false;      // prices of every window and the project
    bool DodajCeneMontazu = false; // installation totals and scope of work
    bool DodajCeneM2 = false;      // price per square metre
    bool DodajOrientacje = false;  // windows by storey and direction, after the summary
    bool DodajWT2021 = false;      // the WT 2021 verdict of every window and the project
};

// The printed joinery schedule: a summary page, then one block of fixed
// height per window, drawn page by page onto a document.
class TRaport : public TOpcjeRaportu {
public:
    // The windows in the report's order (by symbol); the project is only read.
    TRaport(const TZestawienieStolarki& projekt, TDokument& dokument);

    // The page frame and the content rectangle, in the document's units.
    QRect RamkaStrony;
    QRect ObszarTresci;

    // The frame: the page less the margins, given in millimetres.
    void UstawMarginesy(const QMarginsF& mm);
    // Builds the whole report. False when the page cannot hold a window
    // block: only the summary page is built, and the caller tells the user
    // (KOMUNIKAT_ZA_MALA_STRONA) once the build is over.
    bool GenerujRaport();
    // The heading of every page, and on page 1 the project summary.
    void PageViewNewPage();
    // The block of a window at the content top.
    void RysujBlokOkna(const TOkno& okno);
    // The three tables of pieces, area and mean Uw by storey and direction,
    // from a new page on; the windows then begin on a page of their own.
    void RysujOrientacje();
    // A text word-wrapped in a rectangle (inset 2.0 mm left and right, 0.5 mm
    // at top and bottom), optionally framed; the height of the text drawn.
    // A word wider than a line is broken; lines that do not fit are left out
    // and the last one shown ends with "…". Lines reaching below `waskoOd`
    // end at `prawaWaska` instead of the rectangle's right edge.
    int RysujTekst(bool ramka, int lewa, int gora, int szerokosc, int wysokosc,
                   const QString& tekst, int punkty, int waskoOd = INT_MAX, int prawaWaska = 0);
    // The height a text would take in that width, however high.
    int WysokoscTekstu(int szerokosc, const QString& tekst, int punkty);

    static const QString KOMUNIKAT_ZA_MALA_STRONA;
    // The title of the printed document and its PDF file.
    static const QString TYTUL_DOKUMENTU;

private:
    int MmX(int dziesiate) const;
    int MmY(int dziesiate) const;
    // The report's font in this size, as the document's pages take it.
    QFont Pismo(qreal punkty) const;
    void Linia(int y);
    // A block's column of rows at (lewa, gora), each value whole; its height.
    int RysujKolumne(int lewa, int gora, int szerokosc, int wysokosc,
                     const QList<TWierszKolumny>& wiersze, int punkty);
    void Podsumowanie(int y);
    // Text and lines of the summary: a row needing `potrzeba` that does not
    // fit goes on to a new page; y is where the next row starts.
    void Miejsce(int& y, int potrzeba);
    // The height of the scope of work's section of the summary.
    int WysokoscZakresu(const QString& zakres);
    int Dol() const;

    const TZestawienieStolarki& projekt_;
    TDokument& dokument_;
    QSizeF stronaMm_;
    QMarginsF marginesyMm_;
    bool wPodsumowaniu_ = false;
    int dolBloku_ = INT_MIN; // the bottom of the last block on the page
};

// Whether a page of that size (mm) with those margins holds a window block:
// the frame's own lengths are compared, not whole units.
bool StronaMiesciBlok(const QSizeF& stronaMm, const QMarginsF& marginesy);

// The program's own fixed texts follow the mnemonic rule ("&&" prints as
// "&", a lone "&" is dropped); what the user typed prints as typed.
QString BezPrefiksow(const QString& tekst);
