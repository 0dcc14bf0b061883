#pragma once

#include "report/podglad/papiery.h"
#include "report/strony/jednostki.h"

#include <QObject>
#include <QRect>
#include <QSizeF>

#include <memory>

class QPrinter;

// TPaperSetup: the paper of a page view and its printer: the client's unit,
// paper type, size and orientation, the printer's paper forms and options.
// Nothing changes while a document is open (Lock).
class TPaperSetup : public QObject {
    Q_OBJECT

public:
    TPaperSetup();
    ~TPaperSetup() override;

    TUnits Units() const { return jednostki_; }
    void SetUnits(TUnits u);
    TPaperType PaperType() const { return papier_; }
    void SetPaperType(TPaperType t);
    int PaperWidth() const { return szer_; }
    int PaperHeight() const { return wys_; }
    // Each side kept within 1 … 32767; the type is the table's paper of
    // exactly that size, else pCustom.
    void SetPaperSize(int w, int h);
    // The paper of that portrait size in millimetres, kept exactly.
    void SetPaperSizeMm(const QSizeF& portretMm);
    Qt::Orientation Orientation() const { return orientacja_; }
    void SetOrientation(Qt::Orientation o);
    QRect PageBounds() const { return QRect(0, 0, szer_, wys_); }
    // The page in screen pixels, and in millimetres as the paper gives it
    // (not rounded through the unit), both after orientation.
    QSize PagePixels() const;
    QSizeF PageMm() const;
    // How many units make an inch.
    int UnitsPerInch() const;

    // The printer side.
    static bool PrinterInstalled();
    QPrinter& Printer();
    QString PrinterFormName();
    // The paper of the printer's form of that name (or Qt's, without printer).
    void SetPrinterFormName(const QString& nazwa);
    bool UsePrinterOptions() const { return opcjeDrukarki_; }
    void SetUsePrinterOptions(bool b) { opcjeDrukarki_ = b; }
    // Paper and orientation from the current printer.
    void TakePrinterOptions();
    // Gives a printer this paper and orientation, the whole sheet to paint.
    void ApplyPaperToPrinter(QPrinter& drukarka) const;

    // While a document is open the paper stays as it is.
    void Lock(bool b) { zablokowane_ = b; }

signals:
    // The page's size or unit changed.
    void changed();

private:
    void Ustaw(QSizeF portretMm, TPaperType typ);
    void RozmiarZMm();

    TUnits jednostki_ = mmHiMetric;
    TPaperType papier_ = pA4;
    Qt::Orientation orientacja_ = Qt::Vertical; // portrait
    QSizeF portretMm_;
    int szer_ = 0;
    int wys_ = 0;
    bool opcjeDrukarki_ = false;
    bool zablokowane_ = false;
    QString formularz_; // printer form last applied
    std::unique_ptr<QPrinter> drukarka_;
};
