#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace podpowiedzi_dane {

struct RegulaLg {
    std::vector<int32_t> kody;
    int64_t aW, dW, aH, dH, aD, dD;
};

extern const RegulaLg regulyLg[];
extern const std::size_t liczbaRegulLg;

} // namespace podpowiedzi_dane
