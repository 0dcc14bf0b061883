#pragma once

#include "report/raport/dokument.h"
#include "report/strony/pageoutput.h"

#include <QPageLayout>

#include <memory>

class QIODevice;
class QPagedPaintDevice;
class QPdfWriter;

// The report straight onto a paged device: a printer, a PDF file. The
// document's unit is the preview's pixel (`ppi` to the inch), mapped onto
// the device's own resolution, so every device gets the pages the preview
// shows, at the same places on the sheet.
class TDokumentUrzadzenia : public TDokument {
public:
    explicit TDokumentUrzadzenia(QPagedPaintDevice& urzadzenie, int ppi = 0);

    void Rozpocznij() override;
    void NowaStrona() override;
    void Zakoncz() override;
    int GotoweStrony() const override { return gotowe_; }
    QPainter* Plotno() override { return wyjscie_.Canvas(); }
    QRect Strona() const override { return QRect(QPoint(0, 0), strona_); }
    QSizeF StronaMm() const override { return mm_; }
    int ZSetnychMmX(int setne) const override;
    int ZSetnychMmY(int setne) const override;
    bool Przerwany() const override { return wyjscie_.Aborted(); }
    double SkalaPisma() const override { return wyjscie_.FontScale(); }
    void UstalLiczbeStron(int stron) override { wyjscie_.SetPageCount(stron); }

    // Page range, progress and abort.
    TPageOutput& Wyjscie() { return wyjscie_; }
    // False when the device could not start or finish, or was stopped.
    bool Udany() const { return udany_; }

private:
    static QSize Jednostki(const QSizeF& mm, int ppi);

    int ppi_;
    QSizeF mm_;
    QSize strona_;
    TPageOutput wyjscie_;
    int gotowe_ = 0;
    bool udany_ = true;
};

// A PDF writer onto a device: the page of the layout without margins, the
// program as its creator, the title given.
std::unique_ptr<QPdfWriter> PisarzPdf(QIODevice& wyjscie, const QPageLayout& uklad,
                                      const QString& tytul);
