#pragma once

// Raw constant tables of the catalogue; katalog.cpp turns them into the
// lookup tables. Kept apart from the logic so they read as data.

#include <cstddef>
#include <cstdint>

namespace katalog_dane {

struct ZakresRodziny {
    int32_t od;
    int32_t do_;
};

struct NazwaTypu {
    int32_t kod;
    const char* nazwa; // UTF-8
};

struct KomorkiTypu {
    int32_t kod;
    const char* komorki; // "a/N x a-b/N; ..." per sash: columns x rows
};

struct WspolczynnikiRodziny {
    int32_t od;
    int32_t do_;
    double k;
    double p;
};

extern const ZakresRodziny rodzinyTypow[];
extern const std::size_t liczbaRodzinTypow;
extern const NazwaTypu nazwyWlasneTypow[];
extern const std::size_t liczbaNazwWlasnychTypow;
extern const char* const nazwyRodzajowSkrzydel[];
extern const char* const nazwyMaterialowRamy[];
extern const char* const nazwyZrodel[];
extern const KomorkiTypu komorkiTypow[];
extern const std::size_t liczbaKomorekTypow;
extern const WspolczynnikiRodziny wspolczynnikiPrzeszklenia[];
extern const std::size_t liczbaWspolczynnikowPrzeszklenia;

} // namespace katalog_dane
