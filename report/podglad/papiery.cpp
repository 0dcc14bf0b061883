// The printer paper constants: identifier and portrait size of every paper.

#include "report/podglad/papiery.h"

namespace {

constexpr TUnits mm = mmLoMetric;
constexpr TUnits in = mmHiEnglish;

constexpr TPapier papiery[LICZBA_PAPIEROW] = {
    {1, 8500, 11000, in},   // Letter
    {2, 8500, 11000, in},   // Letter Small
    {3, 11000, 17000, in},  // Tabloid
    {4, 17000, 11000, in},  // Ledger
    {5, 8500, 14000, in},   // Legal
    {6, 5500, 8500, in},    // Statement
    {7, 7250, 10500, in},   // Executive
    {8, 2970, 4200, mm},    // A3
    {9, 2100, 2970, mm},    // A4
    {10, 2100, 2970, mm},   // A4 Small
    {11, 1480, 2100, mm},   // A5
    {12, 2500, 3540, mm},   // B4 (JIS)
    {13, 1820, 2570, mm},   // B5 (JIS)
    {14, 8500, 13000, in},  // Folio
    {15, 2150, 2750, mm},   // Quarto
    {16, 10000, 14000, in}, // 10 × 14
    {17, 11000, 17000, in}, // 11 × 17
    {18, 8500, 11000, in},  // Note
    {19, 3875, 8875, in},   // Envelope #9
    {20, 4125, 9500, in},   // Envelope #10
    {21, 4500, 10375, in},  // Envelope #11
    {22, 4750, 11000, in},  // Envelope #12
    {23, 5000, 11500, in},  // Envelope #14
    {24, 17000, 22000, in}, // C sheet
    {25, 22000, 34000, in}, // D sheet
    {26, 34000, 44000, in}, // E sheet
    {27, 1100, 2200, mm},   // Envelope DL
    {28, 1620, 2290, mm},   // Envelope C5
    {29, 3240, 4580, mm},   // Envelope C3
    {30, 2290, 3240, mm},   // Envelope C4
    {31, 1140, 1620, mm},   // Envelope C6
    {32, 1140, 2290, mm},   // Envelope C65
    {33, 2500, 3530, mm},   // Envelope B4
    {34, 1760, 2500, mm},   // Envelope B5
    {35, 1760, 1250, mm},   // Envelope B6
    {36, 1100, 2300, mm},   // Envelope Italy
    {37, 3875, 7500, in},   // Envelope Monarch
    {38, 3625, 6500, in},   // 6 3/4 Envelope
    {39, 14875, 11000, in}, // US Std Fanfold
    {40, 8500, 12000, in},  // German Std Fanfold
    {41, 8500, 13000, in},  // German Legal Fanfold
    {42, 2500, 3530, mm},   // B4 (ISO)
    {43, 1000, 1480, mm},   // Japanese Postcard
    {44, 9000, 11000, in},  // 9 × 11
    {45, 10000, 11000, in}, // 10 × 11
    {46, 15000, 11000, in}, // 15 × 11
    {47, 2200, 2200, mm},   // Envelope Invite
    {50, 9500, 12000, in},  // Letter Extra
    {51, 9500, 15000, in},  // Legal Extra
    {52, 11690, 18000, in}, // Tabloid Extra
    {53, 2350, 3220, mm},   // A4 Extra
    {54, 8500, 11000, in},  // Letter Transverse
    {55, 2100, 2970, mm},   // A4 Transverse
    {56, 9500, 12000, in},  // Letter Extra Transverse
    {57, 2270, 3560, mm},   // Super A / A4
    {58, 3050, 4870, mm},   // Super B / A3
    {59, 8500, 12690, in},  // Letter Plus
    {60, 2100, 3300, mm},   // A4 Plus
    {61, 1480, 2100, mm},   // A5 Transverse
    {62, 1820, 2570, mm},   // B5 (JIS) Transverse
    {63, 3220, 4450, mm},   // A3 Extra
    {64, 1740, 2350, mm},   // A5 Extra
    {65, 2010, 2760, mm},   // B5 (ISO) Extra
    {66, 4200, 5940, mm},   // A2
    {67, 2970, 4200, mm},   // A3 Transverse
    {68, 3220, 4450, mm},   // A3 Extra Transverse
    {256, 0, 0, mm},        // custom: whatever the size is
};

} // namespace

const TPapier& Papier(TPaperType typ) {
    const int i = typ < 0 || typ >= LICZBA_PAPIEROW ? pCustom : typ;
    return papiery[i];
}

TPaperType PapierOId(int id) {
    for (int i = 0; i < pCustom; ++i) {
        if (papiery[i].id == id)
            return static_cast<TPaperType>(i);
    }
    return pCustom;
}

QSize RozmiarPapieru(TPaperType typ, TUnits jednostka) {
    if (typ == pCustom)
        return QSize();
    const TPapier& p = Papier(typ);
    return QSize(ConvertX(p.szerokosc, p.jednostka, jednostka),
                 ConvertY(p.wysokosc, p.jednostka, jednostka));
}

QSizeF RozmiarPapieruMm(TPaperType typ) {
    if (typ == pCustom)
        return QSizeF();
    const TPapier& p = Papier(typ);
    const double mm = p.jednostka == mmLoMetric ? 0.1 : 0.0254;
    return QSizeF(p.szerokosc * mm, p.wysokosc * mm);
}
