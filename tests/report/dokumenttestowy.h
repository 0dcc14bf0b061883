#pragma once

#include "report/raport/dokument.h"

#include <QImage>
#include <QList>
#include <QPainter>
#include <QPicture>

// A document that records what the report draws: every text with its page,
// rectangle and size, on pages of A4 at 96 pixels per inch.
class TDokumentTestowy : public TDokument {
public:
    struct Tekst {
        int strona;
        QRect prostokat;
        QString tresc;
        int punkty;
    };

    explicit TDokumentTestowy(QSize strona = QSize(794, 1123)) : strona_(strona) {
        przyTekscie = [this](const QRect& r, const QString& t, int pt) {
            teksty.append({gotowe_ + 1, r, t, pt});
        };
    }

    QList<Tekst> teksty;
    QList<QPicture> strony; // the finished pages
    int rozpoczete = 0;

    void Rozpocznij() override {
        ++rozpoczete;
        gotowe_ = 0;
        teksty.clear();
        strony.clear();
        obraz_ = QPicture();
        plotno_.begin(&obraz_);
        NowaStronaOtwarta();
    }
    void NowaStrona() override {
        plotno_.end();
        strony << obraz_;
        ++gotowe_;
        obraz_ = QPicture();
        plotno_.begin(&obraz_);
        NowaStronaOtwarta();
    }
    void Zakoncz() override {
        plotno_.end();
        strony << obraz_;
        ++gotowe_;
    }
    // Page n played back, as the preview and the printer get it.
    QImage Obraz(int n) const {
        QImage obraz(strona_, QImage::Format_RGB32);
        obraz.fill(Qt::white);
        QPainter p(&obraz);
        p.drawPicture(0, 0, strony.value(n - 1));
        return obraz;
    }
    int GotoweStrony() const override { return gotowe_; }
    QPainter* Plotno() override { return plotno_.isActive() ? &plotno_ : nullptr; }
    QRect Strona() const override { return QRect(QPoint(0, 0), strona_); }
    QSizeF StronaMm() const override { return QSizeF(strona_) * 25.4 / 96; }
    int ZSetnychMmX(int setne) const override { return (setne * 96 + 1270) / 2540; }
    int ZSetnychMmY(int setne) const override { return ZSetnychMmX(setne); }

    // Pixels back to tenths of a millimetre, for comparing positions.
    static int Mm(int piksele) { return (piksele * 254 + 48) / 96; }

    QList<Tekst> NaStronie(int strona) const {
        QList<Tekst> l;
        for (const Tekst& t : teksty)
            if (t.strona == strona)
                l << t;
        return l;
    }
    const Tekst* Znajdz(const QString& poczatek, int strona = 0) const {
        for (const Tekst& t : teksty)
            if (t.tresc.startsWith(poczatek) && (strona == 0 || t.strona == strona))
                return &t;
        return nullptr;
    }

private:
    QSize strona_;
    int gotowe_ = 0;
    QPicture obraz_;
    QPainter plotno_;
};
