#include "report/podglad/thumbnailstrip.h"

#include "report/podglad/pageview.h"
#include "report/podglad/papersheet.h"

#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>

#include <cmath>

TThumbnail::TThumbnail(TThumbnailStrip& pasek, int strona, QWidget* rodzic)
    : QWidget(rodzic), pasek_(pasek), strona_(strona), arkusz_(new TPaperSheet(this)) {
    setAttribute(Qt::WA_NoSystemBackground);
    arkusz_->setAttribute(Qt::WA_TransparentForMouseEvents);
    connect(arkusz_, &TPaperSheet::OnPaint, this, [this](QPainter* p, const QRect& papier) {
        if (TPageView* widok = pasek_.PageView())
            widok->RysujStrone(*p, strona_, papier);
    });
}

QRect TThumbnail::LabelRect() const {
    const int y = arkusz_->height() + 2;
    return QRect(0, y, width(), height() - y);
}

void TThumbnail::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setPen(palette().color(QPalette::WindowText));
    const QRect etykieta = LabelRect();
    const QRect tekst((width() - szerokoscEtykiety_) / 2, etykieta.top(), szerokoscEtykiety_,
                      etykieta.height());
    p.drawText(tekst, Qt::AlignCenter, QString::number(strona_));
}

void TThumbnail::mousePressEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton)
        pasek_.Kliknieto(strona_);
}

TThumbnailStrip::TThumbnailStrip(QWidget* rodzic) : QScrollArea(rodzic), tresc_(new QWidget) {
    setFocusPolicy(Qt::StrongFocus);
    setWidgetResizable(false);
    setWidget(tresc_);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    verticalScrollBar()->setSingleStep(20);
    horizontalScrollBar()->setSingleStep(20);
    connect(&opcje_, &TSheetOptions::changed, this, &TThumbnailStrip::ZastosujOpcje);
    odlozone_.setSingleShot(true);
    odlozone_.setInterval(100);
    connect(&odlozone_, &QTimer::timeout, this, &TThumbnailStrip::Przebuduj);
}

TThumbnailStrip::~TThumbnailStrip() {
    Odlacz();
}

void TThumbnailStrip::Odlacz() {
    for (const QMetaObject::Connection& c : polaczenia_)
        disconnect(c);
    polaczenia_.clear();
}

void TThumbnailStrip::SetPageView(TPageView* widok) {
    if (widok == pageView_)
        return;
    Odlacz();
    pageView_ = widok;
    if (widok) {
        TPageStore* strony = &widok->Store();
        // While pages are recorded the strip follows them a few times a
        // second: a strip laid out and repainted after every page would
        // cost more than the pages.
        polaczenia_ << connect(strony, &TPageStore::listChanged, this,
                               [this, widok] {
                                   if (widok->RecordingState() == TRecordingState::Recording) {
                                       if (!odlozone_.isActive())
                                           odlozone_.start();
                                   } else {
                                       Przebuduj();
                                   }
                               })
                    << connect(widok, &TPageView::OnEndDoc, this, &TThumbnailStrip::Przebuduj)
                    << connect(strony, &TPageStore::pageChanged, this,
                               [this](int i) { OdswiezStrone(i + 1); })
                    << connect(widok, &TPageView::OnChange, this,
                               &TThumbnailStrip::OdswiezZnacznik);
    }
    Przebuduj();
}

void TThumbnailStrip::SetZoom(int z) {
    zoom_ = std::clamp(z, 1, 100);
    Przebuduj();
}

void TThumbnailStrip::SetMargin(int m) {
    margines_ = std::max(0, m);
    Uloz();
}

void TThumbnailStrip::SetMarkerColor(const QColor& c) {
    znacznik_ = c;
    OdswiezZnacznik();
}

void TThumbnailStrip::SetOrientation(Qt::Orientation o) {
    orientacja_ = o;
    setHorizontalScrollBarPolicy(o == Qt::Vertical ? Qt::ScrollBarAlwaysOff
                                                   : Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(o == Qt::Vertical ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    Uloz();
}

TThumbnail* TThumbnailStrip::Thumbnail(int strona) const {
    return strona >= 1 && strona <= Count() ? miniatury_[strona - 1] : nullptr;
}

QSize TThumbnailStrip::RozmiarArkusza() const {
    const TPageView* widok = pageView_.data();
    if (!widok)
        return QSize();
    const QSize strona = widok->PagePixels();
    return QSize(std::max(1, strona.width() * zoom_ / 100),
                 std::max(1, strona.height() * zoom_ / 100));
}

void TThumbnailStrip::ZastosujOpcje() {
    for (TThumbnail* m : miniatury_)
        opcje_.Apply(*m->Sheet());
    Uloz();
}

// Thumbnails follow the page count: made for new pages, removed for pages
// that went; every sheet takes the present page size.
void TThumbnailStrip::Przebuduj() {
    odlozone_.stop();
    TPageView* widok = pageView_.data();
    const int liczba = widok ? widok->PageCount() : 0;
    while (Count() > liczba)
        delete miniatury_.takeLast();
    // A page once recorded does not change (a change comes through
    // OdswiezStrone): only a new paper size draws the thumbnails again.
    const QSize papier = RozmiarArkusza();
    if (papier != papier_) {
        papier_ = papier;
        for (TThumbnail* m : miniatury_) {
            const TPaperSheet* a = m->Sheet();
            if (a->PaperWidth() != papier.width() || a->PaperHeight() != papier.height())
                m->Sheet()->SetPaperSize(papier.width(), papier.height());
        }
    }
    while (Count() < liczba) {
        auto* m = new TThumbnail(*this, Count() + 1, tresc_);
        opcje_.Apply(*m->Sheet());
        m->Sheet()->SetPaperSize(papier.width(), papier.height());
        miniatury_.append(m);
        m->show();
    }
    Uloz();
    OdswiezZnacznik();
}

void TThumbnailStrip::Uloz() {
    if (miniatury_.isEmpty()) {
        tresc_->resize(0, 0);
        naLinii_ = 1;
        ulozone_ = 0;
        ulozenie_ = TUlozenie();
        return;
    }
    const QFontMetrics miary(font());
    const int cyfry = static_cast<int>(QString::number(Count()).size());
    const int etykieta = cyfry * miary.maxWidth(); // the font's widest character
    const QSize arkusz = miniatury_.first()->Sheet()->size();
    const QSize element(std::max(arkusz.width(), etykieta), arkusz.height() + 2 + miary.height());
    const bool pionowo = orientacja_ == Qt::Vertical;
    // Across the strip up to its width (or height), then the next line.
    const int dostepne = pionowo ? viewport()->width() : viewport()->height();
    const int wzdluz = pionowo ? element.width() : element.height();
    const int wpoprzek = pionowo ? element.height() : element.width();
    naLinii_ = std::max(1, (dostepne - margines_) / (wzdluz + margines_));
    // Laid out alike before: only the thumbnails added since.
    const TUlozenie ulozenie{pionowo, naLinii_, margines_, etykieta, element};
    const int od = ulozenie == ulozenie_ ? std::min(ulozone_, Count()) : 0;
    ulozenie_ = ulozenie;
    int maks =
        od > 0 ? margines_ + ((od - 1) / naLinii_) * (wpoprzek + margines_) + wpoprzek + margines_
               : 0;
    for (int i = od; i < Count(); ++i) {
        TThumbnail* m = miniatury_[i];
        const int a = margines_ + (i % naLinii_) * (wzdluz + margines_);
        const int b = margines_ + (i / naLinii_) * (wpoprzek + margines_);
        m->szerokoscEtykiety_ = etykieta;
        m->setGeometry(pionowo ? QRect(QPoint(a, b), element) : QRect(QPoint(b, a), element));
        m->Sheet()->move((element.width() - arkusz.width()) / 2, 0);
        maks = std::max(maks, b + wpoprzek + margines_);
    }
    ulozone_ = static_cast<int>(Count());
    krokLinii_ = wpoprzek + margines_;
    const int linia = margines_ + naLinii_ * (wzdluz + margines_);
    tresc_->resize(pionowo ? QSize(std::max(linia, dostepne), maks)
                           : QSize(maks, std::max(linia, dostepne)));
}

void TThumbnailStrip::resizeEvent(QResizeEvent* e) {
    QScrollArea::resizeEvent(e);
    Uloz();
}

void TThumbnailStrip::OdswiezZnacznik() {
    TPageView* widok = pageView_.data();
    const int biezaca = widok ? widok->CurrentPage() : 0;
    for (TThumbnail* m : miniatury_)
        m->Sheet()->SetMarker(m->Page() == biezaca ? znacznik_ : QColor());
    if (TThumbnail* m = Thumbnail(biezaca))
        ensureWidgetVisible(m, 0, 0);
}

void TThumbnailStrip::OdswiezStrone(int strona) {
    if (TThumbnail* m = Thumbnail(strona))
        m->Sheet()->Invalidate();
}

void TThumbnailStrip::Kliknieto(int strona) {
    setFocus(Qt::MouseFocusReason);
    Pokaz(strona);
}

void TThumbnailStrip::Pokaz(int strona) {
    if (TPageView* widok = pageView_.data(); widok && Count() > 0)
        widok->SetCurrentPage(std::clamp(strona, 1, Count()));
}

void TThumbnailStrip::keyPressEvent(QKeyEvent* e) {
    TPageView* widok = pageView_.data();
    if (!widok || Count() == 0) {
        QScrollArea::keyPressEvent(e);
        return;
    }
    const int biezaca = widok->CurrentPage();
    const bool ctrl = e->modifiers() & Qt::ControlModifier;
    const bool pionowo = orientacja_ == Qt::Vertical;
    // Along a line one page; across lines a line's worth, to the neighbour on screen.
    const int poziomo = pionowo ? 1 : naLinii_;
    const int wPionie = pionowo ? naLinii_ : 1;
    int cel = 0;
    if (e->modifiers() == Qt::NoModifier || e->modifiers() == Qt::KeypadModifier) {
        switch (e->key()) {
        case Qt::Key_Left:
            cel = biezaca - poziomo;
            break;
        case Qt::Key_Right:
            cel = biezaca + poziomo;
            break;
        case Qt::Key_Up:
            cel = biezaca - wPionie;
            break;
        case Qt::Key_Down:
            cel = biezaca + wPionie;
            break;
        case Qt::Key_PageDown:
            cel = biezaca + 1;
            break;
        case Qt::Key_PageUp:
            cel = biezaca - 1;
            break;
        default:
            break;
        }
    } else if (ctrl && e->key() == Qt::Key_PageDown) {
        cel = Count();
    } else if (ctrl && e->key() == Qt::Key_PageUp) {
        cel = 1;
    }
    if (cel == 0) {
        QScrollArea::keyPressEvent(e);
        return;
    }
    if (cel >= 1 && cel <= Count())
        Pokaz(cel);
    e->accept();
}

// One notch moves the strip by one line of thumbnails.
void TThumbnailStrip::wheelEvent(QWheelEvent* e) {
    const QPoint kat = e->angleDelta();
    const int zapadki = kolko_.Zapadki(kat.y() != 0 ? kat.y() : kat.x());
    QScrollBar* s = orientacja_ == Qt::Vertical ? verticalScrollBar() : horizontalScrollBar();
    s->setValue(s->value() - zapadki * krokLinii_);
    e->accept();
}
