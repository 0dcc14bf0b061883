#pragma once

#include <QLabel>

// A one-line label that never widens its panel: a text longer than the room
// it gets ends with "…", and its tooltip holds it whole (or the longer text
// it was given for it).
class TEtykietaSkracana : public QLabel {
    Q_OBJECT

public:
    explicit TEtykietaSkracana(QWidget* rodzic = nullptr);

    void UstawTekst(const QString& tekst, const QString& pelny = QString());
    const QString& Tekst() const { return tekst_; }

    QSize minimumSizeHint() const override;
    QSize sizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* zdarzenie) override;

private:
    void Skroc();

    QString tekst_;
};
