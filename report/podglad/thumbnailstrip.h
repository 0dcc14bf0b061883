#pragma once

#include "report/podglad/sheetoptions.h"
#include "report/strony/jednostki.h"

#include <QPointer>
#include <QScrollArea>
#include <QTimer>
#include <QVector>

class TPageView;
class TPaperSheet;
class TThumbnailStrip;

// One thumbnail: a small sheet with its page and the page number under it.
class TThumbnail : public QWidget {
    Q_OBJECT

public:
    TThumbnail(TThumbnailStrip& pasek, int strona, QWidget* rodzic);
    int Page() const { return strona_; }
    TPaperSheet* Sheet() const { return arkusz_; }
    // The page number's place, under the sheet.
    QRect LabelRect() const;

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;

private:
    friend class TThumbnailStrip;
    TThumbnailStrip& pasek_;
    int strona_;
    TPaperSheet* arkusz_;
    int szerokoscEtykiety_ = 0;
};

// TThumbnailStrip: every recorded page of the linked view as a thumbnail,
// laid out across the strip and wrapping; a click shows that page. It
// follows the view's signals and those of its page store.
class TThumbnailStrip : public QScrollArea {
    Q_OBJECT

public:
    explicit TThumbnailStrip(QWidget* rodzic = nullptr);
    ~TThumbnailStrip() override;

    TPageView* PageView() const { return pageView_; }
    void SetPageView(TPageView* widok);
    int Zoom() const { return zoom_; }
    void SetZoom(int z);
    int Margin() const { return margines_; }
    void SetMargin(int m);
    QColor MarkerColor() const { return znacznik_; }
    void SetMarkerColor(const QColor& c);
    // The direction in which the strip scrolls.
    Qt::Orientation Orientation() const { return orientacja_; }
    void SetOrientation(Qt::Orientation o);
    TSheetOptions& PaperView() { return opcje_; }

    int Count() const { return static_cast<int>(miniatury_.size()); }
    TThumbnail* Thumbnail(int strona) const; // 1-based
    // Thumbnails in one row (or column) of the grid.
    int PerLine() const { return naLinii_; }

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void wheelEvent(QWheelEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    friend class TThumbnail;
    void Przebuduj();
    void OdswiezZnacznik();
    void OdswiezStrone(int strona);
    void ZastosujOpcje();
    void Uloz();
    void Odlacz();
    void Kliknieto(int strona);
    void Pokaz(int strona);
    QSize RozmiarArkusza() const;

    QPointer<TPageView> pageView_;
    QWidget* tresc_;
    QVector<TThumbnail*> miniatury_;
    TSheetOptions opcje_;
    int zoom_ = 10;
    int margines_ = 6;
    QColor znacznik_ = Qt::blue;
    Qt::Orientation orientacja_ = Qt::Vertical;
    int naLinii_ = 1;
    int krokLinii_ = 20; // one line of thumbnails, in pixels
    // What the thumbnails were last laid out with, and how many of them:
    // pages added to a strip laid out alike place only themselves.
    struct TUlozenie {
        bool pionowo = true;
        int naLinii = 0;
        int margines = 0;
        int etykieta = 0;
        QSize element;
        bool operator==(const TUlozenie&) const = default;
    };
    QSize papier_;
    TUlozenie ulozenie_;
    QTimer odlozone_; // the strip following the pages being recorded
    int ulozone_ = 0;
    TKolkoMyszy kolko_;
    QList<QMetaObject::Connection> polaczenia_;
};
