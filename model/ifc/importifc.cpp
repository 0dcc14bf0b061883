#include "model/ifc/importifc.h"

#include "model/ifc/kierunki.h"
#include "model/liczby.h"
#include "model/obliczenia/uw.h"
#include "model/obliczenia/wt2021.h"
#include "model/tekst.h"
#include "model/zestawienie.h"

#include <QHash>
#include <QMap>
#include <QSet>

#include <cmath>

namespace {

constexpr int MAKS_DLUGOSC_SYMBOLU = 16;

// One entry of the schedule: identical windows.
struct TPozycja {
    const TOknoIfc* wzor;
    QString nazwa;                            // for the symbol (NazwaOkna)
    QMap<std::pair<QString, int>, int> sztuk; // (level, direction) → pieces
    QStringList globalId;                     // of every window it stands for
};

// "24 okna", "1 pozycję".
QString Ile(qsizetype n, const QString& jeden, const QString& kilka, const QString& wiele) {
    return QStringLiteral("%1 %2").arg(n).arg(Odmiana(n, jeden, kilka, wiele));
}

// "1 okna", "5 okien": of so many windows.
QString IluOkien(qsizetype n) {
    return Ile(n, QStringLiteral("okna"), QStringLiteral("okien"), QStringLiteral("okien"));
}

int32_t KodRodzajuNazwy(const char* nazwa) {
    bool ok = false;
    const int32_t kod = KodRodzaju(QString::fromUtf8(nazwa), &ok);
    return ok ? kod : 0;
}

// A symbol of at most 16 characters from a name, made unique among `zajete`
// (letter case ignored): "Okno 1200x1500" stays, "M_Fixed:750x2200" gives
// "750x2200", a longer one is cut, a repeated one gets "-2", "-3", ….
QString Symbol(QString nazwa, QSet<QString>& zajete, int& kolejne) {
    nazwa = nazwa.simplified();
    // "Family:Type" as some programs write references: the type names it.
    const QString poDwukropku = nazwa.section(QLatin1Char(':'), -1).trimmed();
    if (!poDwukropku.isEmpty())
        nazwa = poDwukropku;
    if (nazwa.size() > MAKS_DLUGOSC_SYMBOLU)
        nazwa = nazwa.left(MAKS_DLUGOSC_SYMBOLU).trimmed();
    QString s = nazwa;
    if (s.isEmpty()) {
        do
            s = QStringLiteral("O%1").arg(++kolejne);
        while (zajete.contains(s.toLower()));
    } else {
        for (int i = 2; zajete.contains(s.toLower()); ++i) {
            const QString przyrostek = QStringLiteral("-%1").arg(i);
            s = nazwa.left(MAKS_DLUGOSC_SYMBOLU - przyrostek.size()).trimmed() + przyrostek;
        }
    }
    zajete.insert(s.toLower());
    return s;
}

} // namespace

std::array<int, 8> OknaWgKierunkow(const TModelIfc& model, double polnoc) {
    std::array<int, 8> n{};
    for (const TOknoIfc& o : model.okna)
        ++n[static_cast<std::size_t>(KierunekNormalnej(o.normalna, polnoc))];
    return n;
}

TWynikImportuIfc UtworzProjektZIfc(const TModelIfc& model, const TOpcjeImportuIfc& opcje,
                                   TZestawienieStolarki& projekt) {
    TWynikImportuIfc wynik;
    wynik.drzwiPominiete = model.drzwiPominiete;
    const double polnoc = opcje.polnoc.value_or(model.polnoc);
    const QStringList proponowane = ProponowanePoziomy(model.kondygnacje);
    auto poziom = [&](int k) {
        if (k < 0)
            return QStringLiteral("parter");
        const QString wybrany = opcje.poziomy.value(k).trimmed();
        return wybrany.isEmpty() ? proponowane.value(k, QStringLiteral("parter")) : wybrany;
    };
    // The building's levels: what the windows stand on.
    bool piwnica = false, poddasze = false;
    int pietra = 0;
    for (const TOknoIfc& o : model.okna) {
        const QString p = poziom(o.kondygnacja);
        piwnica = piwnica || p == QStringLiteral("podpiwniczenie");
        poddasze = poddasze || p == QStringLiteral("poddasze");
        int64_t n = 0;
        if (CzytajCalkowita(p, &n, 1, MAX_LICZBA_PIETER))
            pietra = std::max(pietra, static_cast<int>(n));
    }
    projekt.MetodaUw = static_cast<int32_t>(TMetodaUw::Geometryczna);
    projekt.SetPodpiwniczenie(piwnica);
    projekt.SetParter(true);
    projekt.SetLiczbaPieter(pietra);
    projekt.SetPoddasze(poddasze);

    const int32_t oknoDachowe = KodRodzajuNazwy("okno dachowe");
    const int32_t wewnetrzne = KodRodzajuNazwy("okno w ścianie wewnętrznej");
    const int32_t drzwi = KodRodzajuNazwy("drzwi balkonowe");
    const int32_t wejsciowe = KodRodzajuNazwy("drzwi zewnętrzne");
    auto rodzaj = [&](const TOknoIfc& o) {
        return o.dachowe           ? oknoDachowe
               : o.wewnetrzne      ? wewnetrzne
               : o.drzwiZewnetrzne ? wejsciowe
               : o.drzwi           ? drzwi
                                   : 0;
    };
    // Identical windows make one entry, in the order first met.
    QVector<TPozycja> pozycje;
    QHash<QString, int> indeks;
    for (const TOknoIfc& o : model.okna) {
        // Identical windows whatever their names: type, size, sash layout,
        // kind, mullions and the model's thermal value.
        QString klucz = QStringLiteral("%1|%2|%3|%4|%5|")
                            .arg(o.szerokosc.value_or(-1))
                            .arg(o.wysokosc.value_or(-1))
                            .arg(o.typOkna)
                            .arg(rodzaj(o))
                            .arg(o.uwModelu ? QString::number(*o.uwModelu, 'g', 17) : QString());
        for (uint8_t s : o.skrzydla)
            klucz += QString::number(s) + QLatin1Char(',');
        klucz += QLatin1Char('|') + QString::number(o.slupek.value_or(-1), 'g', 17);
        if (o.okragle)
            klucz += QStringLiteral("|o");
        auto it = indeks.constFind(klucz);
        if (it == indeks.constEnd()) {
            it = indeks.insert(klucz, static_cast<int>(pozycje.size()));
            pozycje.append({&o, o.symbol, {}, {}});
        }
        if (!o.globalId.isEmpty())
            pozycje[*it].globalId << o.globalId;
        ++pozycje[*it].sztuk[{poziom(o.kondygnacja), KierunekNormalnej(o.normalna, polnoc)}];
        ++wynik.okien;
        wynik.bezWymiarow += !o.szerokosc || !o.wysokosc;
        wynik.bezKondygnacji += o.bezKondygnacji;
        wynik.drzwiBalkonowych += o.drzwi && !o.drzwiZewnetrzne;
        wynik.drzwiZewnetrznych += o.drzwiZewnetrzne;
        wynik.paneliFasad += o.fasada;
        wynik.stronaWgStropu += o.strona == 2;
        wynik.stronaWgSrodka += o.strona == 3;
        wynik.wewnetrznych += o.wewnetrzne;
        wynik.bezUkladu += o.bezUkladu;
        wynik.wysokoscZBryly += o.wysokoscZBryly;
        wynik.okraglych += o.okragle;
    }
    QSet<QString> zajete;
    int kolejne = 0;
    for (const TPozycja& p : pozycje) {
        const QString s = Symbol(p.nazwa, zajete, kolejne);
        if (opcje.pominiete.contains(s)) {
            for (int n : p.sztuk)
                wynik.okien -= n;
            continue;
        }
        if (projekt.AddOkno(s) != WYNIK_OK)
            continue;
        TOkno& okno = *projekt.GetOkno(s);
        const TOknoIfc& w = *p.wzor;
        okno.Szerokosc = static_cast<double>(w.szerokosc.value_or(0));
        okno.Wysokosc = static_cast<double>(w.wysokosc.value_or(0));
        okno.TypOkna = w.typOkna;
        okno.Ksztalt = w.okragle ? KSZTALT_OKRAGLY : KSZTALT_PROSTOKATNY;
        for (std::size_t i = 0; i < w.skrzydla.size(); ++i)
            okno.RodzajSkrzydla[i] = w.skrzydla[i];
        okno.Rodzaj = rodzaj(w);
        okno.Ug = opcje.ug;
        okno.Uf = opcje.uf;
        okno.Psi_g = opcje.psi;
        okno.dRamy = opcje.d;
        okno.dSlupka = w.slupek.value_or(opcje.slupek);
        okno.Lg = -1; // the suggestion, from the type, size and d
        okno.SetMaterialRamyNazwa(opcje.material);
        QStringList uwagi;
        if (!w.nazwa.isEmpty() && w.nazwa != p.nazwa)
            uwagi << QStringLiteral("IFC: %1").arg(w.nazwa);
        if (w.uwModelu)
            uwagi << QStringLiteral("Uw wg modelu: %1").arg(TekstStaly(*w.uwModelu, 4, 2));
        okno.Uwagi = ZlaczWiersze(uwagi);
        okno.GlobalIdIfc = p.globalId.join(QLatin1Char(','));
        for (auto it = p.sztuk.constBegin(); it != p.sztuk.constEnd(); ++it)
            okno.SetLiczba(it.key().first, it.key().second,
                           okno.GetLiczba(it.key().first, it.key().second) + it.value());
        ++wynik.pozycji;
        if (!w.szerokosc || !w.wysokosc)
            wynik.bezWymiarowSymbole << s;
        const TUw uw = ObliczUw(okno, projekt);
        if (!uw.uw) {
            wynik.bezUw << s;
            if (wynik.powodBezUw.isEmpty())
                wynik.powodBezUw = uw.brak;
        } else if (w.uwModelu && std::abs(*uw.uw - *w.uwModelu) > 0.1) {
            wynik.rozneUw << s;
        }
    }
    return wynik;
}

QString TekstImportuIfc(const TWynikImportuIfc& w) {
    QString t = QStringLiteral("zaimportowano %1 jako %2")
                    .arg(Ile(w.okien, QStringLiteral("okno"), QStringLiteral("okna"),
                             QStringLiteral("okien")),
                         Ile(w.pozycji, QStringLiteral("pozycję"), QStringLiteral("pozycje"),
                             QStringLiteral("pozycji")));
    if (w.bezWymiarow > 0)
        t += w.bezWymiarowSymbole.isEmpty() ? QStringLiteral("; %1 bez wymiarów").arg(w.bezWymiarow)
                                            : QStringLiteral("; %1 bez wymiarów (%2)")
                                                  .arg(w.bezWymiarow)
                                                  .arg(ListaSymboli(w.bezWymiarowSymbole, 5));
    if (w.bezUkladu > 0)
        t += QStringLiteral("; %1 bez układu skrzydeł").arg(w.bezUkladu);
    if (w.okraglych > 0)
        t += QStringLiteral("; w tym %1")
                 .arg(Ile(w.okraglych, QStringLiteral("okno okrągłe"),
                          QStringLiteral("okna okrągłe"), QStringLiteral("okien okrągłych")));
    if (w.wysokoscZBryly > 0)
        t += QStringLiteral("; wysokość %1 w dachu przyjęto wg bryły (model podaje wysokość w "
                            "rzucie na pion) – sprawdź wymiary")
                 .arg(IluOkien(w.wysokoscZBryly));
    if (w.drzwiBalkonowych > 0)
        t += QStringLiteral("; w tym %1 drzwi balkonowych lub tarasowych").arg(w.drzwiBalkonowych);
    if (w.drzwiZewnetrznych > 0)
        t += QStringLiteral("; w tym %1 drzwi zewnętrznych").arg(w.drzwiZewnetrznych);
    if (w.paneliFasad > 0)
        t += QStringLiteral("; w tym %1 przeszklonych paneli fasad (jako oszklenie stałe)")
                 .arg(w.paneliFasad);
    if (w.drzwiPominiete > 0)
        t += QStringLiteral("; %1 drzwi pominięto").arg(w.drzwiPominiete);
    if (w.stronaWgStropu > 0)
        t += QStringLiteral("; strona zewnętrzna %1 wg obrysu stropów lub budynku (bez "
                            "pomieszczeń kondygnacji w modelu)")
                 .arg(IluOkien(w.stronaWgStropu));
    if (w.stronaWgSrodka > 0)
        t += QStringLiteral("; strona zewnętrzna %1 wg środka kondygnacji (bez pomieszczeń i "
                            "stropów w modelu – sprawdź strony świata)")
                 .arg(IluOkien(w.stronaWgSrodka));
    if (w.bezKondygnacji > 0)
        t += QStringLiteral("; %1 bez kondygnacji w modelu (przyjęto wg wysokości)")
                 .arg(w.bezKondygnacji);
    if (w.wewnetrznych > 0)
        t += QStringLiteral("; %1 oznaczono w modelu jako wewnętrzne (IsExternal = fałsz): "
                            "sprawdź, czy nie stoją w ścianie zewnętrznej")
                 .arg(w.wewnetrznych);
    if (!w.bezUw.isEmpty())
        t += QStringLiteral("; bez Uw (brak danych): %1 – %2")
                 .arg(ListaSymboli(w.bezUw, 5), w.powodBezUw);
    if (!w.rozneUw.isEmpty())
        t += QStringLiteral("; Uw inny niż w modelu: %1").arg(w.rozneUw.join(QStringLiteral(", ")));
    return t;
}
