#pragma once

class TUgTabForm;
class TUfTabForm;
class TPsigTabForm;
class TdRTabForm;
class TFTypOkna;

// The reference dialogs and the type chooser, made once at start-up.
struct TTabele {
    TUgTabForm* ug = nullptr;
    TUfTabForm* uf = nullptr;
    TPsigTabForm* psig = nullptr;
    TdRTabForm* dr = nullptr;
    TFTypOkna* typ = nullptr;
};
