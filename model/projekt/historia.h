#pragma once

#include "model/projekt/polecenie.h"

#include <QString>

#include <memory>
#include <vector>

// THistoria: the commands carried out on the open project, oldest first,
// with the place between those done and those taken back, and the place
// where the project equals its file (the clean place). It keeps at most
// LIMIT steps: the oldest go first, and with them a clean place that lay
// before them.
class THistoria {
public:
    static constexpr int LIMIT = 200;

    THistoria();
    ~THistoria();
    THistoria(const THistoria&) = delete;
    THistoria& operator=(const THistoria&) = delete;

    // A command done for the first time: what could be made again is gone.
    void Dodaj(std::unique_ptr<TPolecenie> polecenie);
    bool MoznaCofnac() const { return indeks_ > 0; }
    bool MoznaPonowic() const { return indeks_ < Liczba(); }
    // The step Cofnij (or Ponow) would take; nullptr when there is none.
    TPolecenie* DoCofniecia() const;
    TPolecenie* DoPonowienia() const;
    // The place moves by one step back or forward.
    void Cofnieto();
    void Ponowiono();
    // The names of those steps, empty when there is none.
    QString NazwaCofniecia() const;
    QString NazwaPonowienia() const;

    int Liczba() const { return static_cast<int>(kroki_.size()); }
    int Indeks() const { return indeks_; }
    // Whether the project stands where it was saved.
    bool Czysta() const { return indeks_ == czysty_; }
    void UstawCzysta() { czysty_ = indeks_; }
    // A new project or file: no steps, and clean.
    void Wyczysc();

private:
    std::vector<std::unique_ptr<TPolecenie>> kroki_;
    int indeks_ = 0;
    int czysty_ = 0; // -1: no step leads back to the saved state
};
