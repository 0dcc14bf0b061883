// The page view: recording pages, paper and printer, printing.

#include "pageview.h"

#include "papersheet.h"
#include "thumbnailstrip.h"

#include <QImage>
#include <QMetaMethod>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScrollBar>

#include <cmath>

namespace {

const QString BRAK_PAMIECI = QStringLiteral("Not enough memory to create a new page");

int Ogranicz(int x) {
    return std::clamp(x, 1, 32767);
}

} // namespace

TStronaObraz::TStronaObraz(QSize piksele, int jednostekNaCal)
    : piksele_(piksele), dpi_(std::max(1, jednostekNaCal)) {
    setBoundingRect(QRect(QPoint(0, 0), piksele));
}

int TStronaObraz::metric(PaintDeviceMetric m) const {
    switch (m) {
    case PdmDpiX:
    case PdmDpiY:
    case PdmPhysicalDpiX:
    case PdmPhysicalDpiY:
        return dpi_;
    case PdmWidth:
        return piksele_.width();
    case PdmHeight:
        return piksele_.height();
    default:
        return QPicture::metric(m);
    }
}

TPageView::TPageView(QWidget* rodzic)
    : QAbstractScrollArea(rodzic), czcionka_(QStringLiteral("Arial"), 8) {
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
        for (TThumbnailStrip* p : paski_)
            p->ZastosujOpcje();
        Dopasuj();
    });
    connect(arkusz_, &TPaperSheet::OnPaint, this, &TPageView::RysujArkusz);
    connect(&strony_, &TPageStore::listChanged, this, &TPageView::ListaZmieniona);
    connect(&strony_, &TPageStore::pageChanged, this, &TPageView::StronaZmieniona);
    RozmiarZTabeli();
}

TPageView::~TPageView() {
    if (plotno_)
        plotno_->end();
    if (drukarkaPlotno_)
        drukarkaPlotno_->end();
}

// ---- recording ---------------------------------------------------------

QSize TPageView::PagePixels() const {
    return QSize(ConvertX(szer_, jednostki_, mmPixel), ConvertY(wys_, jednostki_, mmPixel));
}

bool TPageView::RozpocznijStrone(QPainter& p, QPicture& obraz) {
    return p.begin(&obraz);
}

void TPageView::UstawOdwzorowanie(QPainter& p, QSize piksele, QPoint przesuniecie) {
    p.setWindow(0, 0, szer_, wys_);
    p.setViewport(QRect(-przesuniecie, piksele));
}

bool TPageView::OtworzStrone() {
    const QSize piksele = PagePixels();
    // Point sizes keep their size in logical units: the picture's resolution
    // is the screen's vertical pixels per inch times units per pixel.
    const int dpi = static_cast<int>(
        std::lround(static_cast<double>(EkranPpiY()) * wys_ / std::max(1, piksele.height())));
    obraz_ = std::make_unique<TStronaObraz>(piksele, dpi);
    plotno_ = std::make_unique<QPainter>();
    if (!RozpocznijStrone(*plotno_, *obraz_)) {
        plotno_.reset();
        obraz_.reset();
        emit OnError(BRAK_PAMIECI);
        return false;
    }
    UstawOdwzorowanie(*plotno_, piksele);
    plotno_->setFont(czcionka_);
    emit OnNewPage();
    return true;
}

// Closes the open page: kept in the list (preview) or sent to the printer.
bool TPageView::ZamknijStrone() {
    if (!plotno_)
        return true;
    emit OnEndPage();
    plotno_->end();
    plotno_.reset();
    std::unique_ptr<TStronaObraz> obraz = std::move(obraz_);
    if (!obraz || obraz->isNull()) {
        emit OnError(BRAK_PAMIECI);
        return false;
    }
    if (stan_ == TRecordingState::Printing) {
        if (wyslane_ > 0)
            drukarka_->newPage();
        ++wyslane_;
        if (drukarkaPlotno_ && drukarkaPlotno_->isActive()) {
            const QRectF cel = drukarka_->paperRect(QPrinter::DevicePixel);
            const QSizeF zrodlo = obraz->boundingRect().size();
            drukarkaPlotno_->save();
            drukarkaPlotno_->scale(cel.width() / zrodlo.width(), cel.height() / zrodlo.height());
            drukarkaPlotno_->drawPicture(0, 0, *obraz);
            drukarkaPlotno_->restore();
        }
        return true;
    }
    if (!strony_.Append(*obraz)) {
        emit OnError(BRAK_PAMIECI);
        return false;
    }
    return true;
}

void TPageView::BeginDoc() {
    if (stan_ != TRecordingState::Idle)
        return;
    przerwany_ = false;
    if (opcjeDrukarki_)
        OpcjeDrukarki();
    if (bezposrednio_) {
        wyslane_ = 0;
        Printer().setDocName(tytulZadania_);
        Printer().setFullPage(true);
        drukarkaPlotno_ = std::make_unique<QPainter>();
        if (!drukarkaPlotno_->begin(&Printer())) {
            drukarkaPlotno_.reset();
            emit OnError(QStringLiteral("Nie można rozpocząć wydruku."));
            return;
        }
        stan_ = TRecordingState::Printing;
    } else {
        strony_.Clear();
        stan_ = TRecordingState::Recording;
    }
    Dopasuj();
    emit OnBeginDoc();
    NewPage();
}

void TPageView::NewPage() {
    if (stan_ == TRecordingState::Idle)
        return;
    ZamknijStrone();
    OtworzStrone();
}

void TPageView::EndDoc() {
    if (stan_ == TRecordingState::Idle)
        return;
    ZamknijStrone();
    if (drukarkaPlotno_) {
        drukarkaPlotno_->end();
        drukarkaPlotno_.reset();
    }
    stan_ = TRecordingState::Idle;
    emit OnEndDoc();
    emit OnChange();
}

void TPageView::Abort() {
    if (stan_ == TRecordingState::Idle || przerwany_)
        return;
    przerwany_ = true;
    emit OnAbort();
    if (plotno_) {
        plotno_->end();
        plotno_.reset();
        obraz_.reset();
    }
    if (stan_ == TRecordingState::Printing) {
        drukarka_->abort();
        if (drukarkaPlotno_) {
            drukarkaPlotno_->end();
            drukarkaPlotno_.reset();
        }
    } else {
        strony_.Clear();
    }
}

QPainter* TPageView::Canvas() const {
    return plotno_ ? plotno_.get() : drukarkaPlotno_.get();
}

int TPageView::PageCount() const {
    return bezposrednio_ ? wyslane_ : strony_.Count();
}

const QPicture* TPageView::PageMetafile(int n) {
    if (bezposrednio_ && stan_ == TRecordingState::Printing)
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
    for (TThumbnailStrip* p : paski_)
        p->OdswiezZnacznik();
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
    for (TThumbnailStrip* p : paski_)
        p->Przebuduj();
    emit OnChange();
}

void TPageView::StronaZmieniona(int i) {
    if (i + 1 == biezaca_)
        arkusz_->Invalidate();
    for (TThumbnailStrip* p : paski_)
        p->OdswiezStrone(i + 1);
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
    const int dpi = static_cast<int>(
        std::lround(static_cast<double>(EkranPpiY()) * wys_ / std::max(1, piksele.height())));
    TStronaObraz obraz(piksele, dpi);
    QPainter p;
    if (!p.begin(&obraz))
        return;
    UstawOdwzorowanie(p, piksele);
    p.setFont(czcionka_);
    emit OnAnnotation(biezaca_, &p);
    p.end();
    adnotacjaObraz_ = obraz;
    jestAdnotacja_ = true;
}

void TPageView::RysujStrone(QPainter& p, int n, const QRectF& cel) {
    const QPicture* obraz = strony_.Page(n - 1);
    if (!obraz)
        return;
    const QSizeF zrodlo = obraz->boundingRect().size();
    if (zrodlo.isEmpty())
        return;
    p.save();
    p.translate(cel.topLeft());
    p.scale(cel.width() / zrodlo.width(), cel.height() / zrodlo.height());
    p.drawPicture(0, 0, *obraz);
    p.restore();
}

void TPageView::RysujArkusz(QPainter* p, const QRect& papier) {
    if (biezaca_ < 1)
        return;
    RysujStrone(*p, biezaca_, papier);
    if (jestAdnotacja_) {
        const QSizeF zrodlo = adnotacjaObraz_.boundingRect().size();
        p->save();
        p->translate(papier.topLeft());
        p->scale(papier.width() / zrodlo.width(), papier.height() / zrodlo.height());
        p->drawPicture(0, 0, adnotacjaObraz_);
        p->restore();
    }
}

QPoint TPageView::DrawGraphic(int x, int y, const QImage& obraz) {
    const QPoint koniec(x + ConvertX(obraz.width(), mmPixel, jednostki_),
                        y + ConvertY(obraz.height(), mmPixel, jednostki_));
    if (QPainter* p = Canvas())
        p->drawImage(QRect(QPoint(x, y), QPoint(koniec.x() - 1, koniec.y() - 1)), obraz);
    return koniec;
}

void TPageView::DrawGraphicFit(const QRect& r, const QImage& obraz, bool srodek, bool tylkoZmniejsz,
                               bool proporcjonalnie) {
    QPainter* p = Canvas();
    if (!p || obraz.isNull() || r.isEmpty())
        return;
    QSize naturalny(ConvertX(obraz.width(), mmPixel, jednostki_),
                    ConvertY(obraz.height(), mmPixel, jednostki_));
    QSize rozmiar;
    if (tylkoZmniejsz && naturalny.width() <= r.width() && naturalny.height() <= r.height())
        rozmiar = naturalny;
    else if (proporcjonalnie)
        rozmiar = naturalny.scaled(r.size(), Qt::KeepAspectRatio);
    else
        rozmiar = r.size();
    QPoint lewyGorny = r.topLeft();
    if (srodek)
        lewyGorny += QPoint((r.width() - rozmiar.width()) / 2, (r.height() - rozmiar.height()) / 2);
    p->drawImage(QRect(lewyGorny, rozmiar), obraz);
}

// ---- units and paper ---------------------------------------------------

void TPageView::RozmiarZTabeli() {
    QSize s = RozmiarPapieru(papier_, jednostki_);
    if (orientacja_ == Qt::Horizontal)
        s.transpose();
    szer_ = Ogranicz(s.width());
    wys_ = Ogranicz(s.height());
}

void TPageView::SetUnits(TUnits u) {
    if (u == jednostki_)
        return;
    const TUnits stare = jednostki_;
    jednostki_ = u;
    if (papier_ == pCustom) {
        szer_ = Ogranicz(ConvertX(szer_, stare, u));
        wys_ = Ogranicz(ConvertY(wys_, stare, u));
    } else {
        RozmiarZTabeli();
    }
    if (plotno_) {
        QPen pioro = plotno_->pen();
        pioro.setWidth(ConvertX(pioro.width(), stare, u));
        plotno_->setPen(pioro);
        UstawOdwzorowanie(*plotno_, PagePixels());
    }
    Dopasuj();
}

void TPageView::SetPaperType(TPaperType t) {
    if (t == papier_ || stan_ != TRecordingState::Idle || t < 0 || t >= LICZBA_PAPIEROW)
        return;
    formularz_.clear();
    papier_ = t;
    if (t != pCustom)
        RozmiarZTabeli();
    Dopasuj();
}

void TPageView::SetPaperSize(int w, int h) {
    if (stan_ != TRecordingState::Idle)
        return;
    szer_ = Ogranicz(w);
    wys_ = Ogranicz(h);
    // Compared in portrait.
    QSize portret(szer_, wys_);
    if (orientacja_ == Qt::Horizontal)
        portret.transpose();
    papier_ = pCustom;
    for (int i = 0; i < pCustom; ++i) {
        if (RozmiarPapieru(static_cast<TPaperType>(i), jednostki_) == portret) {
            papier_ = static_cast<TPaperType>(i);
            break;
        }
    }
    formularz_.clear();
    Dopasuj();
}

void TPageView::SetPaperWidth(int w) {
    SetPaperSize(w, wys_);
}

void TPageView::SetPaperHeight(int h) {
    SetPaperSize(szer_, h);
}

void TPageView::SetOrientation(Qt::Orientation o) {
    if (o == orientacja_ || stan_ != TRecordingState::Idle)
        return;
    orientacja_ = o;
    std::swap(szer_, wys_);
    Dopasuj();
}

bool TPageView::PrinterInstalled() {
    return !QPrinterInfo::availablePrinterNames().isEmpty();
}

QPrinter& TPageView::Printer() {
    if (!drukarka_)
        drukarka_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *drukarka_;
}

void TPageView::SetDirectPrint(bool b) {
    if (stan_ == TRecordingState::Idle)
        bezposrednio_ = b;
}

QString TPageView::PrinterFormName() {
    if (!PrinterInstalled())
        return QString();
    return Printer().pageLayout().pageSize().name();
}

void TPageView::SetPrinterFormName(const QString& nazwa) {
    if (stan_ != TRecordingState::Idle || nazwa.compare(formularz_, Qt::CaseInsensitive) == 0)
        return;
    // The printer's paper forms, or without a printer the platform's list.
    QList<QPageSize> formularze;
    if (PrinterInstalled())
        formularze = QPrinterInfo(Printer()).supportedPageSizes();
    if (formularze.isEmpty()) {
        for (int id = 0; id < QPageSize::LastPageSize; ++id)
            formularze << QPageSize(static_cast<QPageSize::PageSizeId>(id));
    }
    for (const QPageSize& f : formularze) {
        if (f.name().compare(nazwa, Qt::CaseInsensitive) != 0 &&
            f.key().compare(nazwa, Qt::CaseInsensitive) != 0)
            continue;
        const QSizeF mm = f.size(QPageSize::Millimeter);
        if (mm.isEmpty())
            return;
        QSize rozmiar(
            ConvertX(static_cast<int>(std::lround(mm.width() * 10)), mmLoMetric, jednostki_),
            ConvertY(static_cast<int>(std::lround(mm.height() * 10)), mmLoMetric, jednostki_));
        if (orientacja_ == Qt::Horizontal)
            rozmiar.transpose();
        SetPaperSize(rozmiar.width(), rozmiar.height());
        formularz_ = nazwa;
        return;
    }
}

// Paper and orientation from the current printer.
void TPageView::OpcjeDrukarki() {
    if (!PrinterInstalled())
        return;
    const QPageLayout uklad = Printer().pageLayout();
    const Qt::Orientation o =
        uklad.orientation() == QPageLayout::Landscape ? Qt::Horizontal : Qt::Vertical;
    if (o != orientacja_) {
        orientacja_ = o;
        std::swap(szer_, wys_);
    }
    const TPaperType typ = PapierOId(uklad.pageSize().windowsId());
    if (typ != pCustom) {
        papier_ = typ;
        RozmiarZTabeli();
    } else {
        papier_ = pCustom;
        const QSizeF mm = uklad.pageSize().size(QPageSize::Millimeter);
        QSize rozmiar(Ogranicz(ConvertX(static_cast<int>(std::lround(mm.width() * 10)), mmLoMetric,
                                        jednostki_)),
                      Ogranicz(ConvertY(static_cast<int>(std::lround(mm.height() * 10)), mmLoMetric,
                                        jednostki_)));
        if (orientacja_ == Qt::Horizontal)
            rozmiar.transpose();
        szer_ = rozmiar.width();
        wys_ = rozmiar.height();
    }
    formularz_ = uklad.pageSize().name();
}

void TPageView::ApplyPaperToPrinter(QPrinter& drukarka) const {
    QSize portret(szer_, wys_);
    if (orientacja_ == Qt::Horizontal)
        portret.transpose();
    const QSizeF mm(ConvertX(portret.width(), jednostki_, mmHiMetric) / 100.0,
                    ConvertY(portret.height(), jednostki_, mmHiMetric) / 100.0);
    drukarka.setPageSize(QPageSize(mm, QPageSize::Millimeter, QString(), QPageSize::FuzzyMatch));
    drukarka.setPageOrientation(orientacja_ == Qt::Horizontal ? QPageLayout::Landscape
                                                              : QPageLayout::Portrait);
    drukarka.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
}

// ---- printing the recorded pages ---------------------------------------

bool TPageView::Print(QPrinter& drukarka) {
    const int liczba = strony_.Count();
    if (liczba == 0 || stan_ != TRecordingState::Idle)
        return false;
    int od = drukarka.fromPage() > 0 ? drukarka.fromPage() : 1;
    int do_ = drukarka.toPage() > 0 ? drukarka.toPage() : liczba;
    od = std::clamp(od, 1, liczba);
    do_ = std::clamp(do_, od, liczba);
    emit OnBeforePrint();
    if (drukarka.docName().isEmpty())
        drukarka.setDocName(tytulZadania_);
    drukarka.setFullPage(true);
    QPainter p;
    if (!p.begin(&drukarka)) {
        emit OnAfterPrint();
        return false;
    }
    bool przerwano = false;
    const int razem = do_ - od + 1;
    for (int n = od; n <= do_; ++n) {
        if (n > od)
            drukarka.newPage();
        // Each page from its recorded size onto the printer's whole sheet.
        RysujStrone(p, n, drukarka.paperRect(QPrinter::DevicePixel));
        bool przerwij = false;
        emit OnPrintProgress(n, (n - od + 1) * 100 / razem, &przerwij);
        if (przerwij) {
            drukarka.abort();
            przerwano = true;
            break;
        }
    }
    p.end();
    emit OnAfterPrint();
    return !przerwano;
}

bool TPageView::SaveToPdf(QIODevice& wyjscie, const QString& tytul) {
    const int liczba = strony_.Count();
    if (liczba == 0 || stan_ != TRecordingState::Idle)
        return false;
    QSize portret(szer_, wys_);
    if (orientacja_ == Qt::Horizontal)
        portret.transpose();
    const QSizeF mm(ConvertX(portret.width(), jednostki_, mmHiMetric) / 100.0,
                    ConvertY(portret.height(), jednostki_, mmHiMetric) / 100.0);
    QPdfWriter pdf(&wyjscie);
    pdf.setPageLayout(
        QPageLayout(QPageSize(mm, QPageSize::Millimeter, QString(), QPageSize::FuzzyMatch),
                    orientacja_ == Qt::Horizontal ? QPageLayout::Landscape : QPageLayout::Portrait,
                    QMarginsF(0, 0, 0, 0)));
    pdf.setResolution(EkranPpiY());
    pdf.setCreator(QStringLiteral("Termivo"));
    pdf.setTitle(tytul);
    QPainter p;
    if (!p.begin(&pdf))
        return false;
    const QRectF cel(QPointF(0, 0), QSizeF(PagePixels()));
    for (int n = 1; n <= liczba; ++n) {
        if (n > 1 && !pdf.newPage())
            return false;
        RysujStrone(p, n, cel);
    }
    return p.end();
}
