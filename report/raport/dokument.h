#pragma once

#include <QRect>
#include <QSizeF>
#include <QString>

#include <functional>

class QPainter;

// What the report needs of the pages it is drawn on: the preview's page
// view, a PDF file, a printer and the tests each give it the same pages.
// Coordinates are the document's units; lengths in millimetres convert
// through ZSetnychMmX/Y (hundredths of a millimetre), horizontally and
// vertically apart.
class TDokument {
public:
    virtual ~TDokument() = default;

    // Begins the document and opens page 1.
    virtual void Rozpocznij() = 0;
    // Finishes the open page and opens the next.
    virtual void NowaStrona() = 0;
    virtual void Zakoncz() = 0;
    // Pages finished so far (0 while page 1 is drawn).
    virtual int GotoweStrony() const = 0;
    // The painter of the page being built; nullptr with no page open.
    virtual QPainter* Plotno() = 0;
    // The page (0, 0, width, height), and its size in millimetres as the
    // paper has it (not rounded to units).
    virtual QRect Strona() const = 0;
    virtual QSizeF StronaMm() const = 0;
    virtual int ZSetnychMmX(int setne) const = 0;
    virtual int ZSetnychMmY(int setne) const = 0;
    // True when the client should stop (the user asked for a rebuild or
    // closed the window).
    virtual bool Przerwany() const { return false; }
    // What a point size is multiplied by on this document's pages (their
    // devices resolve points at their own resolution).
    virtual double SkalaPisma() const { return 1.0; }
    // The client knows how many pages the document will have.
    virtual void UstalLiczbeStron(int) {}

    int ZDziesiatychMmX(int dziesiate) const { return ZSetnychMmX(10 * dziesiate); }
    int ZDziesiatychMmY(int dziesiate) const { return ZSetnychMmY(10 * dziesiate); }

    // Run for every page as soon as it is open (the report's page heading).
    std::function<void()> przyNowejStronie;
    // Told of every text drawn: its rectangle, text and size in points. The
    // tests record the layout through it.
    std::function<void(const QRect&, const QString&, int)> przyTekscie;

protected:
    void NowaStronaOtwarta() {
        if (przyNowejStronie)
            przyNowejStronie();
    }
};
