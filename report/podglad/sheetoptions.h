#pragma once

#include <QColor>
#include <QCursor>
#include <QMenu>
#include <QObject>
#include <QPointer>

class TPaperSheet;

// The look of the sheets of one view: colours, border and shadow, the
// cursors and the pop-up menu. A change is applied to every sheet at once.
class TSheetOptions : public QObject {
    Q_OBJECT

public:
    explicit TSheetOptions(QObject* rodzic = nullptr);

    QColor PaperColor() const { return paperColor_; }
    QColor BorderColor() const { return borderColor_; }
    int BorderWidth() const { return borderWidth_; }
    QColor ShadowColor() const { return shadowColor_; }
    int ShadowWidth() const { return shadowWidth_; }
    QCursor Cursor() const { return cursor_; }
    QCursor DragCursor() const { return dragCursor_; }
    QCursor GrabCursor() const { return grabCursor_; }
    QMenu* PopupMenu() const { return popupMenu_; }

    void SetPaperColor(const QColor& c);
    void SetBorderColor(const QColor& c);
    void SetBorderWidth(int w);
    void SetShadowColor(const QColor& c);
    void SetShadowWidth(int w);
    void SetCursor(const QCursor& c);
    void SetDragCursor(const QCursor& c);
    void SetGrabCursor(const QCursor& c);
    void SetPopupMenu(QMenu* m);

    // Gives a sheet these colours and widths.
    void Apply(TPaperSheet& sheet) const;

signals:
    void changed();

private:
    QColor paperColor_ = Qt::white;
    QColor borderColor_ = Qt::black;
    int borderWidth_ = 1;
    QColor shadowColor_;
    int shadowWidth_ = 3;
    QCursor cursor_;
    QCursor dragCursor_;
    QCursor grabCursor_;
    QPointer<QMenu> popupMenu_;
};

// The open and the closed hand, drawn by the program (made once).
const QCursor& KursorOtwartejDloni();
const QCursor& KursorZamknietejDloni();
