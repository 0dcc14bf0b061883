#include "podsumowanie.h"

#include "json.h"
#include "tekst.h"

namespace {

void OknoJson(TJson& j, const TOkno& o, const QStringList& poziomy) {
    j.PoczatekObiektu();
    j.Pole(QStringLiteral("Symbol"), o.Symbol());
    j.Pole(QStringLiteral("TypOkna"), o.TypOkna);
    j.Pole(QStringLiteral("TypOknaNazwa"), o.TypOknaNazwa());
    j.Pole(QStringLiteral("MaterialRamy"), o.MaterialRamyNazwa());
    j.Pole(QStringLiteral("Szerokosc"), o.Szerokosc);
    j.Pole(QStringLiteral("Wysokosc"), o.Wysokosc);
    j.Klucz(QStringLiteral("RodzajSkrzydla"));
    j.PoczatekTablicy();
    for (int i = 0; i < MAX_SKRZYDEL; ++i)
        j.Tekst(o.RodzajSkrzydlaNazwa(i));
    j.KoniecTablicy();
    j.Pole(QStringLiteral("Ug"), o.Ug);
    j.Pole(QStringLiteral("ZrodloUg"), NazwaZrodla(o.ZrodloUg));
    j.Pole(QStringLiteral("SzkloKodID"), o.SzkloKodID);
    j.Pole(QStringLiteral("Uf"), o.Uf);
    j.Pole(QStringLiteral("ZrodloUf"), NazwaZrodla(o.ZrodloUf));
    j.Pole(QStringLiteral("RamaKodID"), o.RamaKodID);
    j.Pole(QStringLiteral("Psi_g"), o.Psi_g);
    j.Pole(QStringLiteral("dRamy"), o.dRamy);
    j.Pole(QStringLiteral("Lg"), o.Lg);
    j.Pole(QStringLiteral("dR"), o.dR);
    j.Pole(QStringLiteral("LiczbaNawiewnikow"), o.LiczbaNawiewnikow);
    j.Pole(QStringLiteral("SzerokoscNawiewnika"), o.SzerokoscNawiewnika);
    j.Pole(QStringLiteral("CenaOkna"), o.CenaOkna);
    j.Klucz(QStringLiteral("Uwagi"));
    j.PoczatekTablicy();
    for (const QString& w : RozdzielWiersze(o.Uwagi))
        j.Tekst(w);
    j.KoniecTablicy();
    j.Klucz(QStringLiteral("LiczbaOkien"));
    j.PoczatekObiektu();
    for (const QString& poziom : poziomy) {
        j.Klucz(poziom);
        j.PoczatekTablicy();
        for (int d = 0; d < LICZBA_KIERUNKOW; ++d)
            j.Calkowita(o.GetLiczba(poziom, d));
        j.KoniecTablicy();
    }
    j.KoniecObiektu();
    j.Pole(QStringLiteral("SumaOkien"), o.SumaOkien());
    j.Pole(QStringLiteral("Uw"), o.Uw());
    j.KoniecObiektu();
}

} // namespace

QByteArray PodsumowanieJson(TZestawienieStolarki& p) {
    TJson j;
    j.PoczatekObiektu();
    j.Pole(QStringLiteral("TytulProjektu"), p.TytulProjektu);
    j.Pole(QStringLiteral("Firma"), p.Firma);
    j.Pole(QStringLiteral("Projekt"), p.Projekt);
    j.Pole(QStringLiteral("Obiekt"), p.Obiekt);
    j.Pole(QStringLiteral("Inwestor"), p.Inwestor);
    j.Pole(QStringLiteral("Projektant"), p.Projektant);
    j.Pole(QStringLiteral("Data"), p.Data.date().toString(QStringLiteral("yyyy-MM-dd")));
    j.Pole(QStringLiteral("Podpiwniczenie"), p.Podpiwniczenie());
    j.Pole(QStringLiteral("Parter"), p.Parter());
    j.Pole(QStringLiteral("LiczbaPieter"), p.LiczbaPieter());
    j.Pole(QStringLiteral("Poddasze"), p.Poddasze());
    j.Pole(QStringLiteral("KursEuro"), p.KursEuro);
    j.Pole(QStringLiteral("StawkaVat"), p.StawkaVat);
    j.Pole(QStringLiteral("DVPromocjaKlima"), p.DVPromocjaKlima);
    j.Pole(QStringLiteral("DVPromocjaKobaltowe"), p.DVPromocjaKobaltowe);
    j.Pole(QStringLiteral("DVPromocjaDVline"), p.DVPromocjaDVline);
    j.Pole(QStringLiteral("DVPromocjaForma"), p.DVPromocjaForma);
    j.Pole(QStringLiteral("RabatDodatkowy"), p.RabatDodatkowy);
    j.Pole(QStringLiteral("CenaMontazuOkna"), p.CenaMontazuOkna);
    j.Pole(QStringLiteral("ZakresCzynnosci"), p.ZakresCzynnosci);
    j.Pole(QStringLiteral("USrednie"), p.USrednie());
    j.Pole(QStringLiteral("PowierzchniaOkien"), p.PowierzchniaOkien());
    const QStringList poziomy = p.Poziomy();
    j.Klucz(QStringLiteral("Okna"));
    j.PoczatekTablicy();
    for (int i = 0; i < p.LiczbaOkienWLiscie(); ++i)
        OknoJson(j, *p.Okno(i), poziomy);
    j.KoniecTablicy();
    j.KoniecObiektu();
    return j.Wynik() + '\n';
}
