#include "report/prvform/dokumentpodgladu.h"

#include "report/podglad/pageview.h"

TDokumentPodgladu::TDokumentPodgladu(TPageView& widok) : widok_(widok) {
    polaczenie_ = QObject::connect(&widok_, &TPageView::OnNewPage, [this] { NowaStronaOtwarta(); });
}

TDokumentPodgladu::~TDokumentPodgladu() {
    QObject::disconnect(polaczenie_);
}

void TDokumentPodgladu::Rozpocznij() {
    przerwij_ = false;
    widok_.BeginDoc();
}

void TDokumentPodgladu::NowaStrona() {
    widok_.NewPage();
}

void TDokumentPodgladu::Zakoncz() {
    widok_.EndDoc();
}

int TDokumentPodgladu::GotoweStrony() const {
    return widok_.PageCount();
}

QPainter* TDokumentPodgladu::Plotno() {
    return widok_.Canvas();
}

QRect TDokumentPodgladu::Strona() const {
    return widok_.PageBounds();
}

QSizeF TDokumentPodgladu::StronaMm() const {
    return widok_.Paper().PageMm();
}

double TDokumentPodgladu::SkalaPisma() const {
    return widok_.FontScale();
}

int TDokumentPodgladu::ZSetnychMmX(int setne) const {
    return ConvertX(setne, mmHiMetric, widok_.Units());
}

int TDokumentPodgladu::ZSetnychMmY(int setne) const {
    return ConvertY(setne, mmHiMetric, widok_.Units());
}

bool TDokumentPodgladu::Przerwany() const {
    return przerwij_ || widok_.Aborted();
}
