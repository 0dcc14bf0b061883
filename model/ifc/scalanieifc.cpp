#include "model/ifc/scalanieifc.h"

#include "model/liczby.h"
#include "model/zestawienie.h"

#include <QHash>
#include <QSet>

namespace {

QStringList Identyfikatory(const TOkno& o) {
    return o.GlobalIdIfc.split(QLatin1Char(','), Qt::SkipEmptyParts);
}

QString Wymiary(const TOkno& o) {
    return QStringLiteral("%1 × %2").arg(TekstOgolny(o.Szerokosc), TekstOgolny(o.Wysokosc));
}

// A symbol not yet in the project: the one given, else with "-2", "-3", ….
QString Wolny(const TZestawienieStolarki& p, const QString& s) {
    QString w = s;
    for (int i = 2; p.CountSymbol(w) > 0; ++i)
        w = s + QStringLiteral("-%1").arg(i);
    return w;
}

} // namespace

TZmianyImportuIfc ScalZIfc(const TZestawienieStolarki& projekt, const TModelIfc& model,
                           const TOpcjeImportuIfc& opcje, bool usunBrakujace,
                           TZestawienieStolarki& wynik) {
    TZmianyImportuIfc z;
    z.usunieto = usunBrakujace;
    TZestawienieStolarki nowy;
    z.import = UtworzProjektZIfc(model, opcje, nowy);

    static_cast<TDaneProjektu&>(wynik) = projekt;
    wynik.SetPodpiwniczenie(projekt.Podpiwniczenie() || nowy.Podpiwniczenie());
    wynik.SetParter(projekt.Parter() || nowy.Parter());
    wynik.SetLiczbaPieter(std::max(projekt.LiczbaPieter(), nowy.LiczbaPieter()));
    wynik.SetPoddasze(projekt.Poddasze() || nowy.Poddasze());

    // Each of the model's entries and the project's window sharing most of
    // its model windows; a second entry of one window is new, made like it.
    QHash<QString, int> stare; // GlobalId → the project's window
    for (int i = 0; i < projekt.LiczbaOkienWLiscie(); ++i)
        for (const QString& id : Identyfikatory(*projekt.Okno(i)))
            stare.insert(id, i);
    QVector<int> para(nowy.LiczbaOkienWLiscie(), -1);    // entry → window
    QVector<int> wzor(nowy.LiczbaOkienWLiscie(), -1);    // entry → window it is like
    QVector<int> wpis(projekt.LiczbaOkienWLiscie(), -1); // window → entry
    for (int e = 0; e < nowy.LiczbaOkienWLiscie(); ++e) {
        QHash<int, int> wspolne;
        for (const QString& id : Identyfikatory(*nowy.Okno(e)))
            if (const auto it = stare.constFind(id); it != stare.constEnd())
                ++wspolne[*it];
        int najlepszy = -1;
        for (auto it = wspolne.constBegin(); it != wspolne.constEnd(); ++it)
            if (najlepszy < 0 || it.value() > wspolne.value(najlepszy) ||
                (it.value() == wspolne.value(najlepszy) && it.key() < najlepszy))
                najlepszy = it.key();
        if (najlepszy < 0)
            continue;
        if (wpis[najlepszy] < 0) {
            wpis[najlepszy] = e;
            para[e] = najlepszy;
        } else {
            wzor[e] = najlepszy;
        }
    }

    const int wierszy = LICZBA_STALYCH_WIERSZY + wynik.LiczbaPieter();
    for (int i = 0; i < projekt.LiczbaOkienWLiscie(); ++i) {
        TOkno o = *projekt.Okno(i);
        const int e = wpis[i];
        if (e >= 0) {
            const TOkno& m = *nowy.Okno(e);
            QStringList co;
            if (o.Szerokosc != m.Szerokosc || o.Wysokosc != m.Wysokosc)
                co << QStringLiteral("%1 → %2").arg(Wymiary(o), Wymiary(m));
            TLiczbaOkien liczby = m.LiczbaOkien;
            liczby.ZmienLiczbeWierszy(wierszy);
            TLiczbaOkien dotad = o.LiczbaOkien;
            dotad.ZmienLiczbeWierszy(wierszy);
            if (!(liczby == dotad))
                co << (o.SumaOkien() != m.SumaOkien()
                           ? QStringLiteral("sztuk %1 → %2").arg(o.SumaOkien()).arg(m.SumaOkien())
                           : QStringLiteral("kondygnacje lub strony świata"));
            // A round window the model shows is round; one it does not keeps
            // what the designer made it (a body the import cannot read).
            if (m.Okragle() && !o.Okragle()) {
                co << QStringLiteral("okrągłe");
                o.Ksztalt = m.Ksztalt;
            }
            if (!co.isEmpty())
                z.zmienione << QStringLiteral("%1: %2").arg(o.Symbol(),
                                                            co.join(QStringLiteral(", ")));
            o.Szerokosc = m.Szerokosc;
            o.Wysokosc = m.Wysokosc;
            o.LiczbaOkien = liczby;
            o.GlobalIdIfc = m.GlobalIdIfc;
        } else if (!o.GlobalIdIfc.isEmpty()) {
            z.usuniete << o.Symbol();
            if (usunBrakujace)
                continue;
        }
        o.LiczbaOkien.ZmienLiczbeWierszy(wierszy);
        wynik.WstawOkno(wynik.LiczbaOkienWLiscie(), o);
    }
    for (int e = 0; e < nowy.LiczbaOkienWLiscie(); ++e) {
        if (para[e] >= 0)
            continue;
        const TOkno& m = *nowy.Okno(e);
        // Like a window of the project: its values, the model's size and pieces.
        TOkno o = wzor[e] >= 0 ? *projekt.Okno(wzor[e]) : m;
        o.Szerokosc = m.Szerokosc;
        o.Wysokosc = m.Wysokosc;
        o.Ksztalt = m.Ksztalt;
        o.LiczbaOkien = m.LiczbaOkien;
        o.LiczbaOkien.ZmienLiczbeWierszy(wierszy);
        o.GlobalIdIfc = m.GlobalIdIfc;
        const QString symbol = Wolny(wynik, m.Symbol());
        if (wynik.WstawKopie(wynik.LiczbaOkienWLiscie(), o, symbol) != WYNIK_OK)
            continue;
        z.dodane << symbol;
    }
    return z;
}

QString TekstZmianIfc(const TZmianyImportuIfc& z) {
    if (z.Puste())
        return QStringLiteral("bez zmian");
    QStringList t;
    if (!z.dodane.isEmpty())
        t << QStringLiteral("dodano %1 (%2)")
                 .arg(z.dodane.size())
                 .arg(z.dodane.join(QStringLiteral(", ")));
    if (!z.zmienione.isEmpty())
        t << QStringLiteral("zmieniono %1 (%2)")
                 .arg(z.zmienione.size())
                 .arg(z.zmienione.join(QStringLiteral("; ")));
    if (!z.usuniete.isEmpty())
        t << QStringLiteral("brak w modelu %1 (%2; %3)")
                 .arg(z.usuniete.size())
                 .arg(z.usuniete.join(QStringLiteral(", ")),
                      z.usunieto ? QStringLiteral("usunięto") : QStringLiteral("pozostawiono"));
    return t.join(QStringLiteral("; "));
}
