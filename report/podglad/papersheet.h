#pragma once

#include <QColor>
#include <QImage>
#include <QWidget>

// One sheet of paper on the screen: the paper, a border and an offset
// shadow. The sheet keeps its picture off screen: border and shadow are
// drawn once per size, the paper (through OnPaint) only after Invalidate.
class TPaperSheet : public QWidget {
    Q_OBJECT

public:
    explicit TPaperSheet(QWidget* rodzic = nullptr);

    QColor PaperColor() const { return paperColor_; }
    QColor BorderColor() const { return borderColor_; }
    int BorderSize() const { return borderSize_; }
    QColor ShadowColor() const { return shadowColor_; }
    int ShadowSize() const { return shadowSize_; }
    int PaperWidth() const { return paperWidth_; }
    int PaperHeight() const { return paperHeight_; }

    void SetPaperColor(const QColor& c);
    void SetBorderColor(const QColor& c);
    void SetBorderSize(int n);
    void SetShadowColor(const QColor& c);
    void SetShadowSize(int n);
    // The paper area in pixels; the control is that plus twice the border
    // plus the shadow each way. False, with nothing changed, when the
    // off-screen picture of that size cannot be had.
    bool SetPaperSize(int szerokosc, int wysokosc);

    // The paper within the control.
    QRect PaperRect() const;
    // Border and shadow together: what the control adds to the paper.
    int Dodatek() const { return 2 * borderSize_ + shadowSize_; }
    // Has the paper drawn again at the next paint.
    void Invalidate();
    // A one-pixel frame around the paper (the current thumbnail); none when invalid.
    void SetMarker(const QColor& c);

signals:
    // Draws the paper's content; the painter is the off-screen picture's.
    void OnPaint(QPainter* painter, const QRect& papier);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    bool Bufor();

    QColor paperColor_ = Qt::white;
    QColor borderColor_ = Qt::black;
    int borderSize_ = 1;
    QColor shadowColor_ = Qt::darkGray;
    int shadowSize_ = 3;
    int paperWidth_ = 1;
    int paperHeight_ = 1;
    QColor marker_;
    QImage bufor_;
    bool ramaNieaktualna_ = true;
    bool papierNieaktualny_ = true;
};
