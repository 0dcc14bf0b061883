#include "tools/generator.h"

#include "model/tekst.h"

void GenerujProjekt(TZestawienieStolarki& p, int okien, int pieter) {
    p.TytulProjektu = QStringLiteral("Projekt próbny");
    p.Firma = QStringLiteral("Pracownia Łęg");
    p.SetPodpiwniczenie(true);
    p.SetParter(true);
    p.SetLiczbaPieter(pieter);
    p.SetPoddasze(true);
    p.KursEuro = 4.25;
    p.StawkaVat = 23;
    const QStringList poziomy = p.Poziomy();
    const auto& typy = TypyOkien();
    for (int i = 0; i < okien; ++i) {
        const QString s = QStringLiteral("O%1").arg(i);
        p.AddOkno(s);
        TOkno& o = *p.GetOkno(s);
        o.TypOkna = typy[i % typy.size()].Kod;
        o.Szerokosc = 600 + i % 1500 + 0.5;
        o.Wysokosc = 900 + i % 1200;
        for (int k = 0; k < MAX_SKRZYDEL; ++k)
            o.RodzajSkrzydla[static_cast<std::size_t>(k)] =
                (i + k) % RODZAJ_PLYCINA; // glazed kinds only
        o.Ug = 0.6 + (i % 5) * 0.1;
        o.ZrodloUg = static_cast<uint8_t>(i % 3);
        o.Uf = 1.2 + (i % 7) * 0.1;
        o.ZrodloUf = static_cast<uint8_t>(i % 3);
        o.Psi_g = 0.04;
        o.dRamy = 70;
        o.Lg = 4000 + i % 500;
        o.dR = (i % 3) * 0.05;
        o.LiczbaNawiewnikow = i % 3;
        o.SzerokoscNawiewnika = 353;
        o.CenaOkna = i % 2 ? -1 : 850.25;
        for (int k = 0; k < poziomy.size(); ++k)
            for (int d = 0; d < LICZBA_KIERUNKOW; ++d)
                o.SetLiczba(poziomy[k], d, (i + k + d) % 4);
        o.Uwagi = ZlaczWiersze({QStringLiteral("okno łazienki"), QStringLiteral("szyba matowa, "
                                                                                "\"mleczna\"")});
    }
}
