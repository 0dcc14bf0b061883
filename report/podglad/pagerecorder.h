#pragma once

#include "report/strony/strona.h"

#include <QFont>
#include <QObject>
#include <QPainter>

#include <functional>
#include <memory>

class QImage;
class TPageOutput;
class TPageStore;
class TPaperSetup;

// idle, recording a preview, or printing directly
enum class TRecordingState { Idle, Recording, Printing };

// TPageRecorder: a client's document, page by page, in the paper's units:
// recorded as pictures into the page store (preview), or in direct mode
// sent straight to the paper's printer.
class TPageRecorder : public QObject {
    Q_OBJECT

public:
    TPageRecorder(TPageStore& strony, TPaperSetup& papier);
    ~TPageRecorder() override;

    void BeginDoc();
    void NewPage();
    void EndDoc();
    void Abort();
    // The open page's canvas.
    QPainter* Canvas();
    // What a point size is multiplied by on the canvas (1 on a recorded page,
    // whose resolution already is the unit's).
    double FontScale() const;
    // Recorded pages; in direct mode, the pages sent so far.
    int PageCount() const;
    TRecordingState RecordingState() const { return stan_; }
    bool Aborted() const { return przerwany_; }

    bool DirectPrint() const { return bezposrednio_; }
    void SetDirectPrint(bool b);
    QString PrintJobTitle() const { return tytulZadania_; }
    void SetPrintJobTitle(const QString& t) { tytulZadania_ = t; }
    QFont Font() const { return czcionka_; }
    void SetFont(const QFont& f) { czcionka_ = f; }
    // Re-applies the mapping to the open page (the unit changed).
    void Remap();

    // Drawing bitmaps on the open page, in the paper's units.
    QPoint DrawGraphic(int x, int y, const QImage& obraz);
    void DrawGraphicFit(const QRect& prostokat, const QImage& obraz, bool srodek,
                        bool tylkoZmniejsz, bool proporcjonalnie);

    // Opens the painter on a new page picture; false when it cannot.
    std::function<bool(QPainter&, QPicture&)> rozpocznijStrone;

signals:
    void OnBeginDoc();
    void OnEndDoc();
    void OnNewPage();
    void OnEndPage();
    void OnAbort();
    void OnBeforePrint();
    void OnPrintProgress(int strona, int procent, bool* przerwij);
    void OnAfterPrint();
    // "Not enough memory to create a new page" and the like.
    void OnError(const QString& tresc);

private:
    bool OtworzStrone();
    bool ZamknijStrone();

    TPageStore& strony_;
    TPaperSetup& papier_;
    TRecordingState stan_ = TRecordingState::Idle;
    bool przerwany_ = false;
    bool bezposrednio_ = false;
    QString tytulZadania_;
    QFont czcionka_;
    std::unique_ptr<TStronaObraz> obraz_;
    std::unique_ptr<QPainter> plotno_;
    std::unique_ptr<TPageOutput> wyjscie_; // direct mode
};
