#pragma once

#include "model/rysunek.h"

#include <QPainter>

// The window drawing onto anything QPainter paints: the editor's picture,
// report pages, test images.
class TKanwaQPainter : public TKanwa {
public:
    explicit TKanwaQPainter(QPainter& p);
    void UstawPedzel(int r, int g, int b) override;
    void WypelnijProstokat(int l, int t, int r, int b) override;
    void Prostokat(int l, int t, int r, int b) override;
    void PrzesunDo(int x, int y) override;
    void LiniaDo(int x, int y) override;
    void Tekst(int x, int y, const QString& tekst) override;

private:
    QPainter& p_;
    QPoint pioro_;
};
