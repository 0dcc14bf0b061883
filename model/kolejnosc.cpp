#include "model/kolejnosc.h"

#include "model/pliki/kodowanie.h"
#include "model/zestawienie.h"

#include <QByteArray>

#include <algorithm>
#include <utility>

std::vector<const TOkno*> KolejnoscRaportu(const TZestawienieStolarki& p) {
    std::vector<std::pair<QByteArray, const TOkno*>> klucze;
    klucze.reserve(static_cast<std::size_t>(p.LiczbaOkienWLiscie()));
    for (int i = 0; i < p.LiczbaOkienWLiscie(); ++i)
        klucze.emplace_back(DoCp1250(p.Okno(i)->Symbol()), p.Okno(i));
    std::stable_sort(klucze.begin(), klucze.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<const TOkno*> okna;
    okna.reserve(klucze.size());
    for (const auto& k : klucze)
        okna.push_back(k.second);
    return okna;
}
