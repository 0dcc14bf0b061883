#include "report/raport/dokumenturzadzenia.h"

#include "report/strony/jednostki.h"

#include <QPagedPaintDevice>
#include <QPdfWriter>

TDokumentUrzadzenia::TDokumentUrzadzenia(QPagedPaintDevice& urzadzenie, int ppi)
    : ppi_(ppi > 0 ? ppi : EkranPpiY()),
      mm_(urzadzenie.pageLayout().fullRect(QPageLayout::Millimeter).size()),
      strona_(Jednostki(mm_, ppi_)), wyjscie_(urzadzenie, strona_, ppi_) {}

QSize TDokumentUrzadzenia::Jednostki(const QSizeF& mm, int ppi) {
    return QSize(PrzeliczJednostki(Setne(mm.width()), mmHiMetric, mmPixel, ppi),
                 PrzeliczJednostki(Setne(mm.height()), mmHiMetric, mmPixel, ppi));
}

void TDokumentUrzadzenia::Rozpocznij() {
    gotowe_ = 0;
    udany_ = wyjscie_.Begin();
    if (udany_)
        NowaStronaOtwarta();
}

void TDokumentUrzadzenia::NowaStrona() {
    if (!wyjscie_.Active() || wyjscie_.Aborted())
        return;
    wyjscie_.NewPage();
    ++gotowe_;
    if (!wyjscie_.Aborted())
        NowaStronaOtwarta();
}

void TDokumentUrzadzenia::Zakoncz() {
    if (!wyjscie_.Active())
        return;
    udany_ = wyjscie_.End() && udany_;
    ++gotowe_;
}

int TDokumentUrzadzenia::ZSetnychMmX(int setne) const {
    return PrzeliczJednostki(setne, mmHiMetric, mmPixel, ppi_);
}

int TDokumentUrzadzenia::ZSetnychMmY(int setne) const {
    return ZSetnychMmX(setne);
}

std::unique_ptr<QPdfWriter> PisarzPdf(QIODevice& wyjscie, const QPageLayout& uklad,
                                      const QString& tytul) {
    auto pisarz = std::make_unique<QPdfWriter>(&wyjscie);
    pisarz->setPageLayout(
        QPageLayout(uklad.pageSize(), uklad.orientation(), QMarginsF(0, 0, 0, 0)));
    pisarz->setCreator(QStringLiteral("Termivo"));
    pisarz->setTitle(tytul);
    return pisarz;
}
