#include "report/podglad/pagerecorder.h"

#include "report/podglad/pagestore.h"
#include "report/podglad/papersetup.h"
#include "report/strony/pageoutput.h"

#include <QImage>
#include <QPrinter>

namespace {

const QString BRAK_PAMIECI = QStringLiteral("Not enough memory to create a new page");

} // namespace

TPageRecorder::TPageRecorder(TPageStore& strony, TPaperSetup& papier)
    : strony_(strony), papier_(papier), czcionka_(QStringLiteral("Arial"), 8) {
    rozpocznijStrone = [](QPainter& p, QPicture& obraz) {
        return p.begin(&obraz);
    };
}

TPageRecorder::~TPageRecorder() {
    if (plotno_)
        plotno_->end();
}

bool TPageRecorder::OtworzStrone() {
    if (wyjscie_) {
        if (QPainter* p = wyjscie_->Canvas()) {
            QFont f = czcionka_;
            f.setPointSizeF(czcionka_.pointSizeF() * wyjscie_->FontScale());
            p->setFont(f);
        }
        emit OnNewPage();
        return true;
    }
    const QSize piksele = papier_.PagePixels();
    obraz_ = std::make_unique<TStronaObraz>(piksele, papier_.UnitsPerInch());
    plotno_ = std::make_unique<QPainter>();
    if (!rozpocznijStrone(*plotno_, *obraz_)) {
        plotno_.reset();
        obraz_.reset();
        emit OnError(BRAK_PAMIECI);
        return false;
    }
    OdwzorujStrone(*plotno_, papier_.PageBounds().size(), piksele);
    plotno_->setFont(czcionka_);
    emit OnNewPage();
    return true;
}

// Closes the open page: kept in the store (preview) or sent (direct).
bool TPageRecorder::ZamknijStrone() {
    if (wyjscie_)
        return true; // the output sends it as the next one opens
    if (!plotno_)
        return true;
    emit OnEndPage();
    plotno_->end();
    plotno_.reset();
    std::unique_ptr<TStronaObraz> obraz = std::move(obraz_);
    if (!obraz || obraz->isNull() || !strony_.Append(*obraz)) {
        emit OnError(BRAK_PAMIECI);
        return false;
    }
    return true;
}

void TPageRecorder::BeginDoc() {
    if (stan_ != TRecordingState::Idle)
        return;
    przerwany_ = false;
    if (papier_.UsePrinterOptions())
        papier_.TakePrinterOptions();
    if (bezposrednio_) {
        QPrinter& drukarka = papier_.Printer();
        drukarka.setDocName(tytulZadania_);
        drukarka.setFullPage(true);
        wyjscie_ = std::make_unique<TPageOutput>(drukarka, papier_.PageBounds().size(),
                                                 papier_.UnitsPerInch());
        wyjscie_->SetRange(drukarka.fromPage() > 0 ? drukarka.fromPage() : 1, drukarka.toPage());
        wyjscie_->przyPrzerwaniu = [&drukarka] {
            drukarka.abort();
        };
        connect(wyjscie_.get(), &TPageOutput::OnPrintProgress, this,
                &TPageRecorder::OnPrintProgress);
        emit OnBeforePrint();
        if (!wyjscie_->Begin()) {
            wyjscie_.reset();
            emit OnError(QStringLiteral("Nie można rozpocząć wydruku."));
            emit OnAfterPrint();
            return;
        }
        stan_ = TRecordingState::Printing;
    } else {
        strony_.Clear();
        stan_ = TRecordingState::Recording;
    }
    papier_.Lock(true);
    emit OnBeginDoc();
    OtworzStrone();
}

void TPageRecorder::NewPage() {
    if (stan_ == TRecordingState::Idle)
        return;
    if (wyjscie_) {
        emit OnEndPage();
        wyjscie_->NewPage();
        if (wyjscie_->Aborted()) {
            Abort();
            return;
        }
    } else {
        ZamknijStrone();
    }
    OtworzStrone();
}

void TPageRecorder::EndDoc() {
    if (stan_ == TRecordingState::Idle)
        return;
    const bool druk = wyjscie_ != nullptr;
    if (druk) {
        emit OnEndPage();
        if (!przerwany_)
            wyjscie_->End();
    } else {
        ZamknijStrone();
    }
    stan_ = TRecordingState::Idle;
    papier_.Lock(false);
    emit OnEndDoc();
    if (druk)
        emit OnAfterPrint();
}

void TPageRecorder::Abort() {
    if (stan_ == TRecordingState::Idle || przerwany_)
        return;
    przerwany_ = true;
    emit OnAbort();
    if (plotno_) {
        plotno_->end();
        plotno_.reset();
        obraz_.reset();
    }
    if (wyjscie_) {
        wyjscie_->Abort();
        wyjscie_->End();
    } else {
        strony_.Clear();
    }
}

QPainter* TPageRecorder::Canvas() {
    if (wyjscie_)
        return wyjscie_->Canvas();
    return plotno_.get();
}

double TPageRecorder::FontScale() const {
    return wyjscie_ ? wyjscie_->FontScale() : 1.0;
}

int TPageRecorder::PageCount() const {
    if (bezposrednio_)
        return wyjscie_ ? wyjscie_->PagesSent() : 0;
    return strony_.Count();
}

void TPageRecorder::SetDirectPrint(bool b) {
    if (stan_ != TRecordingState::Idle)
        return;
    bezposrednio_ = b;
    if (!b)
        wyjscie_.reset();
}

void TPageRecorder::Remap() {
    if (plotno_)
        OdwzorujStrone(*plotno_, papier_.PageBounds().size(), papier_.PagePixels());
}

QPoint TPageRecorder::DrawGraphic(int x, int y, const QImage& obraz) {
    const TUnits u = papier_.Units();
    const QPoint koniec(x + ConvertX(obraz.width(), mmPixel, u),
                        y + ConvertY(obraz.height(), mmPixel, u));
    if (QPainter* p = Canvas())
        p->drawImage(QRect(QPoint(x, y), QPoint(koniec.x() - 1, koniec.y() - 1)), obraz);
    return koniec;
}

void TPageRecorder::DrawGraphicFit(const QRect& r, const QImage& obraz, bool srodek,
                                   bool tylkoZmniejsz, bool proporcjonalnie) {
    QPainter* p = Canvas();
    if (!p || obraz.isNull() || r.isEmpty())
        return;
    const TUnits u = papier_.Units();
    QSize naturalny(ConvertX(obraz.width(), mmPixel, u), ConvertY(obraz.height(), mmPixel, u));
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
