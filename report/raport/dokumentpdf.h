#pragma once

#include "dokument.h"

#include <QPageLayout>

#include <memory>

class QIODevice;
class QPainter;
class QPdfWriter;

// A document written straight into a PDF file, in pixels of `ppi` per inch
// (those of the preview), with the text as text in embedded fonts.
class TDokumentPdf : public TDokument {
public:
    TDokumentPdf(QIODevice& wyjscie, const QPageSize& papier, QPageLayout::Orientation orientacja,
                 int ppi = 96, const QString& tytul = QString());
    ~TDokumentPdf() override;

    void Rozpocznij() override;
    void NowaStrona() override;
    void Zakoncz() override;
    int GotoweStrony() const override { return gotowe_; }
    QPainter* Plotno() override;
    QRect Strona() const override;
    int ZSetnychMmX(int setne) const override;
    int ZSetnychMmY(int setne) const override;

    // False when the file could not be started.
    bool Udany() const { return udany_; }

private:
    std::unique_ptr<QPdfWriter> pisarz_;
    std::unique_ptr<QPainter> plotno_;
    int ppi_;
    int gotowe_ = 0;
    bool udany_ = true;
};
