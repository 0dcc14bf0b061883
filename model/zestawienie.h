#pragma once

#include "model/obliczenia/uw.h"
#include "model/okno.h"

#include <QDateTime>
#include <QHash>
#include <QString>
#include <QStringList>

#include <array>
#include <memory>
#include <vector>

// Results of the project operations.
constexpr int32_t WYNIK_OK = 0;
constexpr int32_t WYNIK_BLAD = -1;
constexpr int32_t WYNIK_DUPLIKAT = -2;

// The most upper floors a building may have. Every level is a row of counts
// in every window, so a damaged file must not be able to ask for millions.
constexpr int32_t MAX_LICZBA_PIETER = 200;

// The project's own data besides its windows and levels: the header, the
// pricing options and the design indoor temperature. What the project
// panel edits and a command of the open project sets as one.
struct TDaneProjektu {
    QString Firma;
    QString Projektant;
    QString Obiekt;
    QString TytulProjektu;
    QDateTime Data;
    QString Projekt;
    QString Inwestor;
    double DVPromocjaKlima = 30;     // %
    double DVPromocjaKobaltowe = 30; // %
    double DVPromocjaDVline = 33;    // %
    double DVPromocjaForma = 50;     // %
    double RabatDodatkowy = 0;       // %
    double KursEuro = 0;             // zł per euro
    double StawkaVat = 0;            // %
    double CenaMontazuOkna = 0;      // zł net per metre of perimeter
    QString ZakresCzynnosci;
    double TemperaturaWewnetrzna = 20; // design indoor temperature ti, °C
    int32_t MetodaUw = 0;              // TMetodaUw: 0 the estimate, 1 the geometry

    bool operator==(const TDaneProjektu&) const = default;
};

// The levels the building has.
struct TPoziomyBudynku {
    bool Podpiwniczenie = false;
    bool Parter = false;
    int32_t LiczbaPieter = 0;
    bool Poddasze = false;

    bool operator==(const TPoziomyBudynku&) const = default;
};

// A joinery schedule: the project's data, the building's levels and the
// windows, which it owns. It has no cursor: a window is found by its symbol
// or its identity, and the list is walked by place.
class TZestawienieStolarki : public TDaneProjektu {
public:
    TZestawienieStolarki();
    ~TZestawienieStolarki();
    TZestawienieStolarki(const TZestawienieStolarki&) = delete;
    TZestawienieStolarki& operator=(const TZestawienieStolarki&) = delete;

    bool Podpiwniczenie() const { return Podpiwniczenie_; }
    bool Parter() const { return Parter_; }
    bool Poddasze() const { return Poddasze_; }
    int32_t LiczbaPieter() const { return LiczbaPieter_; }
    void SetPodpiwniczenie(bool b);
    void SetParter(bool b);
    void SetPoddasze(bool b);
    // Resizes every window's counts; n is kept within 0..MAX_LICZBA_PIETER.
    void SetLiczbaPieter(int32_t n);
    TPoziomyBudynku PoziomyBudynku() const;
    // In the order that keeps the level rules: a level switched off loses
    // its counts and a level switched on starts from zero.
    void UstawPoziomy(const TPoziomyBudynku& p);
    // The level texts of the levels the building has, basement first.
    QStringList Poziomy() const;

    // The windows in list order.
    int LiczbaOkienWLiscie() const { return static_cast<int>(Okna_.size()); }
    const TOkno* Okno(int i) const { return Okna_.at(static_cast<std::size_t>(i)).get(); }
    TOkno* Okno(int i) { return Okna_.at(static_cast<std::size_t>(i)).get(); }
    // The window of that identity, or nullptr.
    const TOkno* OknoId(TIdOkna id) const;
    TOkno* OknoId(TIdOkna id);
    // Its place in the list, -1 when there is none.
    int IndeksOknaId(TIdOkna id) const;

    // Room for n windows in all, so that a file read adds them without regrowing.
    void Zarezerwuj(int n);
    int32_t CountSymbol(const QString& s) const;
    int32_t AddOkno(const QString& s);
    int32_t RenameOkno(const QString& stary, const QString& nowy);
    // Gives the window of that identity the symbol, also when only its
    // letter case differs: WYNIK_DUPLIKAT when another window has it,
    // WYNIK_BLAD for an empty symbol or no such window.
    int32_t ZmienSymbolId(TIdOkna id, const QString& nowy);
    const TOkno* GetOkno(const QString& s) const;
    TOkno* GetOkno(const QString& s);
    int32_t DelOkno(const QString& s);
    int32_t UsunOknoId(TIdOkna id);
    // The window's place in the list, -1 when there is no window of that symbol.
    int IndeksOkna(const QString& s) const;
    // Puts a copy of a window at place i of the list (clamped), as it was,
    // with its identity (a new one when it has none or the one it has is
    // taken): WYNIK_DUPLIKAT when its symbol is taken.
    int32_t WstawOkno(int i, const TOkno& okno);
    // The same of a copy under another symbol, with an identity of its own.
    int32_t WstawKopie(int i, const TOkno& wzor, const QString& symbol);
    void ClearLevel(const QString& poziom);

    void SetAllUg(double x);
    void SetAllUf(double x);
    void SetAllPsi_g(double x);
    void SetAllDR(double x);
    void SetAllDRamy(double x);
    void SetAllZrodloUg(const QString& nazwa);
    void SetAllZrodloUf(const QString& nazwa);
    void SetAllTypOkna(const QString& nazwa);
    void SetAllRodzajSkrzydla(const std::array<QString, MAX_SKRZYDEL>& nazwy);
    void SetAllMaterialRamy(const QString& nazwa);
    void SetAllRamaKodID(const QString& tekst);
    void SetAllSzkloKodID(const QString& tekst);

    void CopyOknoParams(const QString& z, const QString& do_);

    // The method every Uw of the project is computed by.
    TMetodaUw Metoda() const {
        return MetodaUw == 1 ? TMetodaUw::Geometryczna : TMetodaUw::Szacunkowa;
    }
    // "szacunkowa (z pola okna)", "z geometrii okna (PN-EN ISO 10077-1)".
    static QString NazwaMetodyUw(TMetodaUw metoda);

private:
    void PrzebudujIndeks();
    TIdOkna NoweId();
    template <typename F> void Kazde(F dzialanie) {
        for (const auto& o : Okna_)
            dzialanie(*o);
    }

    std::vector<std::unique_ptr<TOkno>> Okna_;
    QHash<QString, TOkno*> Indeks_;   // case-folded symbol -> window
    QHash<TIdOkna, TOkno*> IndeksId_; // identity -> window
    TIdOkna NastepneId_ = 1;
    bool Poddasze_ = false;
    int32_t LiczbaPieter_ = 0;
    bool Parter_ = false;
    bool Podpiwniczenie_ = false;
};

// The first of "O1", "O2", … that no window of the project has (letter case
// ignored): what a new window is offered.
QString WolnySymbol(const TZestawienieStolarki& projekt);
