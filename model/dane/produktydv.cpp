// The manufacturer's glass and frames.

#include "model/dane/produktydv.h"

#include "model/katalog.h"

namespace {

using T = TCennikiDV;
using L = TLiniaPromocji;

} // namespace

const QVector<TSzkloDV>& SzklaDV() {
    static const QVector<TSzkloDV> szkla = {
        {21, 1.0,
         QStringLiteral("szyba klima 1.0 - oszklenie podwójne, wypełnienie argonem, jedna szyba "
                        "pokryta powłoką ciepłochronną, wymiary 4-16-4 (mm)"),
         0},
        {20, 0.6,
         QStringLiteral("szyba SUPER klima 0.6 - oszklenie potrójne, wypełnienie argonem, szyby "
                        "skrajne pokryte powłoką ciepłochronną, wymiary 4-14-4-14-4 (mm)"),
         18},
    };
    return szkla;
}

const QVector<TRamaDV>& RamyDV() {
    static const QVector<TRamaDV> ramy = {
        {20, 1.21, MATERIAL_PCV,
         QStringLiteral("okna 'klima PCV' - rama PCV, szeroki profil 5-komorowy 73mm w systemie "
                        "Brügman AD, Wzmocnienie Termiczne DV"),
         T::PCV, L::Klima, 1.1},
        {21, 1.58, MATERIAL_PCV,
         QStringLiteral(
             "okna 'KOBALTOWE PCV' - rama PCV, szeroki profil 5-komorowy 73mm w systemie "
             "Brügman AD, wzmocnienia stalowe"),
         T::PCV, L::Kobaltowe, 1},
        {22, 1.58, MATERIAL_PCV,
         QStringLiteral("okna 'DVline PCV' - rama PCV, szeroki profil 5-komorowy 73 mm w systemie "
                        "Brügman AD, wzmocnienie stalowe"),
         T::PCV, L::DVline, 1},
        {23, 1.95, MATERIAL_PCV,
         QStringLiteral("okna 'forma PCV' - rama PCV, szeroki profil 3-komorowy 73 mm w systemie "
                        "Brügman AD, wzmocnienie stalowe"),
         T::PCV, L::Forma, 1},
        {25, 2.0, MATERIAL_ALUMINIUM,
         QStringLiteral(
             "rama aluminiowa, profil z przekładką termiczną TM74, szerokość: ramy 74 mm, "
             "skrzydła 83 mm"),
         T::Aluminium25, L::Brak, 1},
        {26, 2.5, MATERIAL_ALUMINIUM,
         QStringLiteral(
             "rama aluminiowa, profil z przekładką termiczną TM62, szerokość: ramy 62 mm, "
             "skrzydła 72 mm"),
         T::Aluminium26, L::Brak, 1},
        {27, 2.8, MATERIAL_ALUMINIUM,
         QStringLiteral(
             "rama aluminiowa, profil z przekładką termiczną PI50, szerokość: ramy 50 mm, "
             "skrzydła 57 mm"),
         T::Aluminium27, L::Brak, 1},
        {28, 4.0, MATERIAL_ALUMINIUM,
         QStringLiteral("rama aluminiowa, profil z przekładką termiczną PBI40"), T::Aluminium28,
         L::Brak, 1},
        {24, 1.5, MATERIAL_DREWNO, QStringLiteral("rama drewniana jednoramowa systemu JV68"),
         T::Drewno, L::Brak, 1},
    };
    return ramy;
}

const TSzkloDV* SzkloDV(int32_t kod) {
    for (const TSzkloDV& s : SzklaDV())
        if (s.kod == kod)
            return &s;
    return nullptr;
}

const TRamaDV* RamaDV(int32_t kod) {
    for (const TRamaDV& r : RamyDV())
        if (r.kod == kod)
            return &r;
    return nullptr;
}
