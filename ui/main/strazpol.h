#pragma once

#include <QObject>
#include <QString>

#include <functional>

class QWidget;

// What every field of a panel shares: text fields take only the characters
// a project file can keep (why one was refused goes to `naPasek`); a
// control's hint shows on the status bar; Ctrl+Z and Ctrl+Y in a text field
// that has nothing of its own to undo reach the history; the wheel over an
// unfocused list or spin field scrolls the panel instead of changing it.
class TStrazPol : public QObject {
    Q_OBJECT

public:
    TStrazPol(QWidget& panel, std::function<void(const QString&)> naPasek);

protected:
    bool eventFilter(QObject* obiekt, QEvent* zdarzenie) override;

private:
    bool PoleCofaSamo(QObject* obiekt, QEvent* zdarzenie) const;
};
