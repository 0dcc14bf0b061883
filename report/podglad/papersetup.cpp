#include "report/podglad/papersetup.h"

#include <QPageSize>
#include <QPrinter>
#include <QPrinterInfo>

#include <cmath>

namespace {

int Ogranicz(int x) {
    return std::clamp(x, 1, 32767);
}

// A printer's sizes come in tenths of a millimetre.
QSize ZDziesiatychMm(const QSizeF& mm, TUnits u) {
    return QSize(ConvertX(static_cast<int>(std::lround(mm.width() * 10)), mmLoMetric, u),
                 ConvertY(static_cast<int>(std::lround(mm.height() * 10)), mmLoMetric, u));
}

} // namespace

TPaperSetup::TPaperSetup() {
    RozmiarZMm();
}

TPaperSetup::~TPaperSetup() = default;

QSize TPaperSetup::PagePixels() const {
    return QSize(ConvertX(szer_, jednostki_, mmPixel), ConvertY(wys_, jednostki_, mmPixel));
}

QSizeF TPaperSetup::PageMm() const {
    return orientacja_ == Qt::Horizontal ? portretMm_.transposed() : portretMm_;
}

int TPaperSetup::UnitsPerInch() const {
    return JednostekNaCal(jednostki_, EkranPpiY());
}

// The size in units after orientation: a paper of the table from its own
// unit, any other from its millimetres.
void TPaperSetup::RozmiarZMm() {
    QSize s;
    if (papier_ != pCustom) {
        portretMm_ = RozmiarPapieruMm(papier_);
        s = RozmiarPapieru(papier_, jednostki_);
    } else {
        s = MmNaJednostki(portretMm_, jednostki_);
    }
    if (orientacja_ == Qt::Horizontal)
        s.transpose();
    szer_ = Ogranicz(s.width());
    wys_ = Ogranicz(s.height());
}

void TPaperSetup::SetUnits(TUnits u) {
    if (u == jednostki_)
        return;
    const TUnits stare = jednostki_;
    jednostki_ = u;
    if (papier_ == pCustom) {
        szer_ = Ogranicz(ConvertX(szer_, stare, u));
        wys_ = Ogranicz(ConvertY(wys_, stare, u));
    } else {
        RozmiarZMm();
    }
    emit changed();
}

void TPaperSetup::SetPaperType(TPaperType t) {
    if (t == papier_ || zablokowane_ || t < 0 || t >= LICZBA_PAPIEROW)
        return;
    formularz_.clear();
    papier_ = t;
    if (t != pCustom)
        RozmiarZMm();
    emit changed();
}

void TPaperSetup::SetPaperSize(int w, int h) {
    if (zablokowane_)
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
    portretMm_ =
        papier_ != pCustom ? RozmiarPapieruMm(papier_) : JednostkiNaMm(portret, jednostki_);
    formularz_.clear();
    emit changed();
}

void TPaperSetup::SetPaperSizeMm(const QSizeF& portretMm) {
    QSize s = MmNaJednostki(portretMm, jednostki_);
    if (orientacja_ == Qt::Horizontal)
        s.transpose();
    if (s != PageBounds().size())
        SetPaperSize(s.width(), s.height());
    if (papier_ == pCustom && !zablokowane_)
        portretMm_ = portretMm;
}

void TPaperSetup::SetOrientation(Qt::Orientation o) {
    if (o == orientacja_ || zablokowane_)
        return;
    orientacja_ = o;
    std::swap(szer_, wys_);
    emit changed();
}

bool TPaperSetup::PrinterInstalled() {
    return !QPrinterInfo::availablePrinterNames().isEmpty();
}

QPrinter& TPaperSetup::Printer() {
    if (!drukarka_)
        drukarka_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *drukarka_;
}

QString TPaperSetup::PrinterFormName() {
    if (!PrinterInstalled())
        return QString();
    return Printer().pageLayout().pageSize().name();
}

void TPaperSetup::SetPrinterFormName(const QString& nazwa) {
    if (zablokowane_ || nazwa.compare(formularz_, Qt::CaseInsensitive) == 0)
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
        QSize rozmiar = ZDziesiatychMm(mm, jednostki_);
        if (orientacja_ == Qt::Horizontal)
            rozmiar.transpose();
        SetPaperSize(rozmiar.width(), rozmiar.height());
        if (papier_ == pCustom)
            portretMm_ = mm;
        formularz_ = nazwa;
        return;
    }
}

void TPaperSetup::TakePrinterOptions() {
    if (!PrinterInstalled())
        return;
    const QPageLayout uklad = Printer().pageLayout();
    const Qt::Orientation o =
        uklad.orientation() == QPageLayout::Landscape ? Qt::Horizontal : Qt::Vertical;
    if (o != orientacja_) {
        orientacja_ = o;
        std::swap(szer_, wys_);
    }
    papier_ = PapierOId(uklad.pageSize().windowsId());
    if (papier_ != pCustom) {
        RozmiarZMm();
    } else {
        portretMm_ = uklad.pageSize().size(QPageSize::Millimeter);
        QSize rozmiar = ZDziesiatychMm(portretMm_, jednostki_);
        if (orientacja_ == Qt::Horizontal)
            rozmiar.transpose();
        szer_ = Ogranicz(rozmiar.width());
        wys_ = Ogranicz(rozmiar.height());
    }
    formularz_ = uklad.pageSize().name();
    emit changed();
}

void TPaperSetup::ApplyPaperToPrinter(QPrinter& drukarka) const {
    drukarka.setPageSize(
        QPageSize(portretMm_, QPageSize::Millimeter, QString(), QPageSize::FuzzyMatch));
    drukarka.setPageOrientation(orientacja_ == Qt::Horizontal ? QPageLayout::Landscape
                                                              : QPageLayout::Portrait);
    drukarka.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
    drukarka.setFullPage(true);
}
