#pragma once

#include <QString>
#include <QVector>

#include <array>
#include <cstdint>

// How a window's sashes, described by a building model, map to the
// schedule's window types and sash kinds: a table, apart from reading.

// One panel of a window type (IfcWindowPanelProperties).
struct TPanelIfc {
    QString ruch;    // OperationType: "SIDEHUNGLEFTHAND", "TILTANDTURNRIGHTHAND", …
    QString pozycja; // PanelPosition: "LEFT", "MIDDLE", "RIGHT", "TOP", "BOTTOM"
};

struct TUkladSkrzydelIfc {
    int32_t typOkna = 1001;            // the catalogue's type; one fixed sash when none fits
    std::array<uint8_t, 8> skrzydla{}; // sash kinds from the left (seen from inside) and the top
    bool bezUkladu = false;            // no panels given: the sash kinds unknown
};

// The type of a partitioning (IFC4 PartitioningType, IFC2x3 the style's
// OperationType: "DOUBLE_PANEL_VERTICAL", …) and its panels' kinds. Without
// a partitioning one, two or three panels are taken for as many sashes side
// by side. IFC tells left and right as seen from outside; the schedule
// from inside, where the window opens.
TUkladSkrzydelIfc UkladSkrzydelIfc(const QString& podzial, const QVector<TPanelIfc>& panele);
