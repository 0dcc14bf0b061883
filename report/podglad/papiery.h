#pragma once

#include "report/strony/jednostki.h"

#include <QSize>

// The paper types of the printer interface, in the order of their printer
// identifiers (1 … 68, with no 48 and 49), and a custom size.
enum TPaperType {
    pLetter,
    pLetterSmall,
    pTabloid,
    pLedger,
    pLegal,
    pStatement,
    pExecutive,
    pA3,
    pA4,
    pA4Small,
    pA5,
    pB4,
    pB5,
    pFolio,
    pQuatro,
    p10x14,
    p11x17,
    pNote,
    pEnv9,
    pEnv10,
    pEnv11,
    pEnv12,
    pEnv14,
    pCSheet,
    pDSheet,
    pESheet,
    pEnvDL,
    pEnvC5,
    pEnvC3,
    pEnvC4,
    pEnvC6,
    pEnvC65,
    pEnvB4,
    pEnvB5,
    pEnvB6,
    pEnvItaly,
    pEnvMonarch,
    pEnvPersonal,
    pFanfoldUSStd,
    pFanfoldGermanStd,
    pFanfoldGermanLegal,
    pB4ISO,
    pJapanesePostcard,
    p9x11,
    p10x11,
    p15x11,
    pEnvInvite,
    pLetterExtra,
    pLegalExtra,
    TabloidExtra,
    pA4Extra,
    pLetterTransverse,
    pA4Transverse,
    pLetterExtraTransverse,
    pAPlus,
    pBPlus,
    pLetterPlus,
    pA4Plus,
    pA5Transverse,
    pB5Transverse,
    pA3Extra,
    pA5Extra,
    pB5Extra,
    pA2,
    pA3Transverse,
    pA3ExtraTransverse,
    pCustom
};

constexpr int LICZBA_PAPIEROW = pCustom + 1;

// One paper: its printer identifier and its portrait size in its own unit
// (0.1 mm for metric papers, 0.001 in for the others).
struct TPapier {
    int id;
    int szerokosc;
    int wysokosc;
    TUnits jednostka;
};

const TPapier& Papier(TPaperType typ);
// The paper with that printer identifier, pCustom for any other.
TPaperType PapierOId(int id);
// The portrait size of a paper in the given unit; empty for pCustom.
QSize RozmiarPapieru(TPaperType typ, TUnits jednostka);
// The portrait size of a paper in millimetres, exactly; empty for pCustom.
QSizeF RozmiarPapieruMm(TPaperType typ);
