#pragma once

#include <QRectF>
#include <QString>

#include <vector>

// Bookmarks and in-document links added to a PDF file as an incremental
// update (the original bytes stay, new objects and a new cross-reference
// section follow them). For the files QPdfWriter writes: a classic
// cross-reference table, pages listed in one /Pages node, each page with an
// /Annots array of its own.

// A bookmark: its title, its level (1 at the top), the page (from 0) and
// the height on it, in points from the page's foot.
struct TZakladkaPdf {
    QString tytul;
    int poziom = 1;
    int strona = 0;
    double y = 0;
};

// A link: where it is clicked (page from 0, rectangle in points from the
// page's foot) and where it leads.
struct TOdnosnikPdf {
    int strona = 0;
    QRectF obszar;
    int celStrona = 0;
    double celY = 0;
};

// False, with the reason, when the file cannot be read or is not as
// QPdfWriter writes it.
bool DodajZakladkiPdf(const QString& plik, const std::vector<TZakladkaPdf>& zakladki,
                      const std::vector<TOdnosnikPdf>& odnosniki, QString* blad);
