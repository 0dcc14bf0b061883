// The page view: its parts put together, the pages it shows.

#include "report/podglad/pageview.h"

#include "report/podglad/papersheet.h"

#include <QMetaMethod>
#include <QPainter>

TPageView::TPageView(QWidget* rodzic)
    : QAbstractScrollArea(rodzic), rejestrator_(strony_, papier_) {
    setFrameShape(QFrame::NoFrame);
    setFocusPolicy(Qt::StrongFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    viewport()->setBackgroundRole(QPalette::Window);
    arkusz_ = new TPaperSheet(viewport());
    arkusz_->hide();
    arkusz_->installEventFilter(this);
    viewport()->installEventFilter(this); // a drag may go on over the viewport
    opcje_.Apply(*arkusz_);
    connect(&opcje_, &TSheetOptions::changed, this, [this] {
        opcje_.Apply(*arkusz_);
        Dopasuj();
    });
    connect(arkusz_, &TPaperSheet::OnPaint, this, &TPageView::RysujArkusz);
    connect(&strony_, &TPageStore::listChanged, this, &TPageView::ListaZmieniona);
    connect(&strony_, &TPageStore::pageChanged, this, &TPageView::StronaZmieniona);
    connect(&papier_, &TPaperSetup::changed, this, [this] { Dopasuj(); });

    rejestrator_.rozpocznijStrone = [this](QPainter& p, QPicture& obraz) {
        return RozpocznijStrone(p, obraz);
    };
    TPageRecorder* r = &rejestrator_;
    connect(r, &TPageRecorder::OnBeginDoc, this, &TPageView::OnBeginDoc);
    connect(r, &TPageRecorder::OnNewPage, this, &TPageView::OnNewPage);
    connect(r, &TPageRecorder::OnEndPage, this, &TPageView::OnEndPage);
    connect(r, &TPageRecorder::OnAbort, this, &TPageView::OnAbort);
    connect(r, &TPageRecorder::OnError, this, &TPageView::OnError);
    connect(r, &TPageRecorder::OnBeforePrint, this, &TPageView::OnBeforePrint);
    connect(r, &TPageRecorder::OnPrintProgress, this, &TPageView::OnPrintProgress);
    connect(r, &TPageRecorder::OnAfterPrint, this, &TPageView::OnAfterPrint);
    connect(r, &TPageRecorder::OnEndDoc, this, [this] {
        emit OnEndDoc();
        emit OnChange();
    });
}

TPageView::~TPageView() = default;

bool TPageView::RozpocznijStrone(QPainter& p, QPicture& obraz) {
    return p.begin(&obraz);
}

void TPageView::SetUnits(TUnits u) {
    if (u == Units())
        return;
    const TUnits stare = Units();
    papier_.SetUnits(u);
    if (QPainter* p = rejestrator_.RecordingState() == TRecordingState::Recording
                          ? rejestrator_.Canvas()
                          : nullptr) {
        QPen pioro = p->pen();
        pioro.setWidth(ConvertX(pioro.width(), stare, u));
        p->setPen(pioro);
        rejestrator_.Remap();
    }
}

const QPicture* TPageView::PageMetafile(int n) {
    if (DirectPrint() && RecordingState() == TRecordingState::Printing)
        return nullptr;
    return strony_.Page(n - 1);
}

void TPageView::SetCurrentPage(int n) {
    if (strony_.Count() == 0)
        return;
    n = std::clamp(n, 1, strony_.Count());
    if (n == biezaca_)
        return;
    biezaca_ = n;
    OdswiezAdnotacje();
    arkusz_->Invalidate();
    emit OnChange();
}

void TPageView::ListaZmieniona() {
    const int poprzednia = biezaca_;
    if (strony_.Count() == 0) {
        biezaca_ = 0;
        arkusz_->hide();
    } else if (biezaca_ == 0) {
        biezaca_ = 1;
        Dopasuj();
        arkusz_->show();
    }
    biezaca_ = std::min(biezaca_, strony_.Count());
    OdswiezAdnotacje();
    // Pages appended behind the shown one leave its picture as it is.
    if (biezaca_ != poprzednia || biezaca_ == 0)
        arkusz_->Invalidate();
    emit OnChange();
}

void TPageView::StronaZmieniona(int i) {
    if (i + 1 == biezaca_)
        arkusz_->Invalidate();
    emit OnChange();
}

void TPageView::SetAnnotation(bool b) {
    adnotacja_ = b;
    OdswiezAdnotacje();
    arkusz_->Invalidate();
}

void TPageView::OdswiezAdnotacje() {
    jestAdnotacja_ = false;
    adnotacjaObraz_ = QPicture();
    if (!adnotacja_ || biezaca_ < 1 ||
        !isSignalConnected(QMetaMethod::fromSignal(&TPageView::OnAnnotation)))
        return;
    const QSize piksele = PagePixels();
    TStronaObraz obraz(piksele, papier_.UnitsPerInch());
    QPainter p;
    if (!p.begin(&obraz))
        return;
    OdwzorujStrone(p, PageBounds().size(), piksele);
    p.setFont(Font());
    emit OnAnnotation(biezaca_, &p);
    p.end();
    adnotacjaObraz_ = obraz;
    jestAdnotacja_ = true;
}

void TPageView::RysujStrone(QPainter& p, int n, const QRectF& cel) {
    if (const QPicture* obraz = strony_.Page(n - 1))
        OdtworzStrone(p, *obraz, cel);
}

void TPageView::RysujArkusz(QPainter* p, const QRect& papier) {
    if (biezaca_ < 1)
        return;
    RysujStrone(*p, biezaca_, papier);
    if (jestAdnotacja_)
        OdtworzStrone(*p, adnotacjaObraz_, papier);
}
