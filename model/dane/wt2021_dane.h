#pragma once

#include <cstddef>

// One kind of element and its maximum U [W/(m²·K)] in rooms heated to at
// least 16 °C and below 16 °C; -1 where there is no requirement.
struct TRodzajWT {
    const char* nazwa;
    double umaxOd16;
    double umaxPonizej16;
};

extern const TRodzajWT RODZAJE_WT2021[];
extern const std::size_t LICZBA_RODZAJOW_WT2021;
