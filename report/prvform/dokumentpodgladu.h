#pragma once

#include "report/raport/dokument.h"

#include <QMetaObject>

class TPageView;

// The report drawn onto the pages of a page view, in its units.
class TDokumentPodgladu : public TDokument {
public:
    explicit TDokumentPodgladu(TPageView& widok);
    ~TDokumentPodgladu() override;
    TDokumentPodgladu(const TDokumentPodgladu&) = delete;
    TDokumentPodgladu& operator=(const TDokumentPodgladu&) = delete;

    void Rozpocznij() override;
    void NowaStrona() override;
    void Zakoncz() override;
    int GotoweStrony() const override;
    QPainter* Plotno() override;
    QRect Strona() const override;
    QSizeF StronaMm() const override;
    double SkalaPisma() const override;
    int ZSetnychMmX(int setne) const override;
    int ZSetnychMmY(int setne) const override;
    bool Przerwany() const override;

    // Stops the report at the next window (a rebuild or closing is waiting).
    void Przerwij() { przerwij_ = true; }

private:
    TPageView& widok_;
    QMetaObject::Connection polaczenie_;
    bool przerwij_ = false;
};
