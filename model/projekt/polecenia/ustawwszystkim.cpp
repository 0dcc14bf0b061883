#include "model/projekt/polecenia/ustawwszystkim.h"

#include "model/obliczenia/geometria.h"
#include "model/obliczenia/podpowiedzi.h"
#include "model/zestawienie.h"

#include <algorithm>

QString TPrzypiszWszystkim::NazwaKroku(TCoWszystkim co) {
    switch (co) {
    case TCoWszystkim::Ug:
        return QStringLiteral("przypisanie Ug wszystkim oknom");
    case TCoWszystkim::Uf:
        return QStringLiteral("przypisanie Uf wszystkim oknom");
    case TCoWszystkim::Psi_g:
        return QStringLiteral("przypisanie Psi_g wszystkim oknom");
    case TCoWszystkim::dR:
        return QStringLiteral("przypisanie dR wszystkim oknom");
    case TCoWszystkim::TypOkna:
        return QStringLiteral("przypisanie typu okna wszystkim oknom");
    case TCoWszystkim::RodzajeSkrzydel:
        return QStringLiteral("przypisanie sposobów otwierania wszystkim oknom");
    case TCoWszystkim::dRamy:
        return QStringLiteral("przypisanie d wszystkim oknom");
    }
    return QString();
}

TPrzypiszWszystkim::TPrzypiszWszystkim(TCoWszystkim co, TIdOkna wzor)
    : TPolecenie(NazwaKroku(co)), co_(co), wzor_(wzor) {}

int32_t TPrzypiszWszystkim::Przygotuj(TZestawienieStolarki& p) {
    const TOkno* zrodlo = p.OknoId(wzor_);
    if (!zrodlo)
        return WYNIK_BLAD;
    const TOkno w = *zrodlo;
    const std::vector<TOkno> przed = StanOkien(p);
    switch (co_) {
    case TCoWszystkim::Ug:
        p.SetAllUg(w.Ug);
        p.SetAllZrodloUg(NazwaZrodla(w.ZrodloUg));
        p.SetAllSzkloKodID(QString::number(w.SzkloKodID));
        // The build-up the Ug came from goes with it (or none).
        for (int i = 0; i < p.LiczbaOkienWLiscie(); ++i) {
            TOkno& o = *p.Okno(i);
            o.BudowaSzyby = w.BudowaSzyby;
            o.PowlokiSzyby = w.PowlokiSzyby;
            o.WypelnienieGazem = w.WypelnienieGazem;
        }
        break;
    case TCoWszystkim::Uf:
        p.SetAllUf(w.Uf);
        p.SetAllZrodloUf(NazwaZrodla(w.ZrodloUf));
        p.SetAllRamaKodID(QString::number(w.RamaKodID));
        p.SetAllMaterialRamy(w.MaterialRamyNazwa());
        break;
    case TCoWszystkim::Psi_g:
        p.SetAllPsi_g(w.Psi_g);
        break;
    case TCoWszystkim::dR:
        p.SetAllDR(w.dR);
        break;
    case TCoWszystkim::TypOkna:
        p.SetAllTypOkna(w.TypOknaNazwa());
        break;
    case TCoWszystkim::RodzajeSkrzydel: {
        std::array<QString, MAX_SKRZYDEL> nazwy;
        for (int i = 0; i < MAX_SKRZYDEL; ++i)
            nazwy[static_cast<std::size_t>(i)] = w.RodzajSkrzydlaNazwa(i);
        // A window whose panels change has another glass edge: its Lg
        // follows, as the editor's does.
        std::vector<unsigned> plyciny;
        for (int i = 0; i < p.LiczbaOkienWLiscie(); ++i)
            plyciny.push_back(PlycinyOkna(*p.Okno(i)));
        p.SetAllRodzajSkrzydla(nazwy);
        for (int i = 0; i < p.LiczbaOkienWLiscie(); ++i) {
            TOkno& o = *p.Okno(i);
            int64_t lg = -1;
            if (o.Id() != wzor_ && o.Lg >= 0 &&
                PlycinyOkna(o) != plyciny[static_cast<std::size_t>(i)] && PodpowiedzLg(o, &lg) &&
                lg >= 0)
                o.Lg = static_cast<double>(lg);
        }
        break;
    }
    case TCoWszystkim::dRamy:
        // Every Lg undetermined, then determined at once by the suggestion:
        // no window is left for a later show to fill in. The window the
        // value came from keeps the Lg its editor gave it; a window smaller
        // than its profiles keeps its Lg to the rule, which gives it no glass.
        p.SetAllDRamy(w.dRamy);
        for (int i = 0; i < p.LiczbaOkienWLiscie(); ++i) {
            TOkno& o = *p.Okno(i);
            int64_t lg = -1;
            if (o.Id() == wzor_ && w.Lg >= 0)
                o.Lg = w.Lg;
            else if (PodpowiedzLg(o, &lg) && lg >= 0)
                o.Lg = static_cast<double>(lg);
        }
        break;
    }
    zmiany_ = ZmianyOkien(przed, p);
    return zmiany_.empty() ? WYNIK_BEZ_ZMIAN : WYNIK_OK;
}

void TPrzypiszWszystkim::Zastosuj(TZestawienieStolarki& p, bool wstecz) {
    for (const TZmianaOkna& z : zmiany_)
        PrzywrocOkno(p, z, wstecz);
}

TZmiana TPrzypiszWszystkim::Zmiana() const {
    TZmiana z;
    for (const TZmianaOkna& o : zmiany_)
        z.okna.push_back(o.id);
    return z;
}

TIdOkna TPrzypiszWszystkim::Wskazane(bool) const {
    return wzor_;
}
