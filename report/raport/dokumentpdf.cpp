#include "dokumentpdf.h"

#include "jednostki.h"

#include <QPainter>
#include <QPdfWriter>

#include <cmath>

TDokumentPdf::TDokumentPdf(QIODevice& wyjscie, const QPageSize& papier,
                           QPageLayout::Orientation orientacja, int ppi, const QString& tytul)
    : pisarz_(std::make_unique<QPdfWriter>(&wyjscie)), ppi_(std::max(1, ppi)) {
    pisarz_->setPageLayout(QPageLayout(papier, orientacja, QMarginsF(0, 0, 0, 0)));
    // One pixel of the preview is one unit of the file: point sizes resolve
    // to the same lengths.
    pisarz_->setResolution(ppi_);
    pisarz_->setCreator(QStringLiteral("Termivo"));
    pisarz_->setTitle(tytul);
}

TDokumentPdf::~TDokumentPdf() {
    if (plotno_ && plotno_->isActive())
        plotno_->end();
}

void TDokumentPdf::Rozpocznij() {
    gotowe_ = 0;
    plotno_ = std::make_unique<QPainter>();
    udany_ = plotno_->begin(pisarz_.get());
    if (!udany_) {
        plotno_.reset();
        return;
    }
    plotno_->setFont(QFont(QStringLiteral("Arial"), 8));
    NowaStronaOtwarta();
}

void TDokumentPdf::NowaStrona() {
    if (!plotno_)
        return;
    pisarz_->newPage();
    ++gotowe_;
    plotno_->resetTransform();
    plotno_->setClipping(false);
    NowaStronaOtwarta();
}

void TDokumentPdf::Zakoncz() {
    if (plotno_) {
        udany_ = plotno_->end() && udany_;
        plotno_.reset();
        ++gotowe_;
    }
}

QPainter* TDokumentPdf::Plotno() {
    return plotno_.get();
}

QRect TDokumentPdf::Strona() const {
    const QSizeF mm = pisarz_->pageLayout().fullRect(QPageLayout::Millimeter).size();
    return QRect(0, 0, ZSetnychMmX(static_cast<int>(std::lround(mm.width() * 100))),
                 ZSetnychMmY(static_cast<int>(std::lround(mm.height() * 100))));
}

int TDokumentPdf::ZSetnychMmX(int setne) const {
    return PrzeliczJednostki(setne, mmHiMetric, mmPixel, ppi_);
}

int TDokumentPdf::ZSetnychMmY(int setne) const {
    return ZSetnychMmX(setne);
}
