#include "model/ifc/eksportifc.h"

#include "model/ifc/step.h"
#include "model/obliczenia/uw.h"
#include "model/obliczenia/wt2021.h"
#include "model/obliczenia/wt2021lato.h"
#include "model/wersja.h"
#include "model/zestawienie.h"

#include <QHash>
#include <QSet>
#include <QUuid>

#include <algorithm>
#include <map>

namespace {

QByteArray Liczba(double x) {
    QByteArray t = QByteArray::number(x, 'g', 15);
    if (!t.contains('.') && !t.contains('e') && !t.contains('E'))
        t += '.';
    return t.toUpper();
}

QByteArray Etykieta(const QString& t) {
    return "IFCLABEL('" + KodujTekstStep(t) + "')";
}

// The name of the common property set of an element's kind.
QByteArray ZestawWspolny(const QByteArray& typ) {
    if (typ.startsWith("IFCDOOR"))
        return "Pset_DoorCommon";
    if (typ.startsWith("IFCPLATE"))
        return "Pset_PlateCommon";
    return "Pset_WindowCommon";
}

// Sets FILE_NAME's preprocessor version to the program, the rest of the
// header as it was.
QByteArray Naglowek(const QByteArray& naglowek) {
    const qsizetype od = naglowek.indexOf("FILE_NAME(");
    if (od < 0)
        return naglowek;
    QList<qsizetype> przecinki;
    int glebokosc = 0;
    bool tekst = false;
    qsizetype i = od + 10;
    for (; i < naglowek.size(); ++i) {
        const char c = naglowek[i];
        if (tekst) {
            if (c == '\'')
                tekst = false; // '' reads as leaving and entering again
            continue;
        }
        if (c == '\'')
            tekst = true;
        else if (c == '(')
            ++glebokosc;
        else if (c == ')' && glebokosc-- == 0)
            break;
        else if (c == ',' && glebokosc == 0)
            przecinki << i;
    }
    if (przecinki.size() < 6)
        return naglowek;
    return naglowek.left(przecinki[3] + 1) + "'Termivo " + KodujTekstStep(WersjaProgramu()) + "'" +
           naglowek.mid(przecinki[4]);
}

} // namespace

QByteArray KodujTekstStep(const QString& tekst) {
    QByteArray w;
    bool szesnastkowo = false;
    for (const QChar c : tekst) {
        const char16_t u = c.unicode();
        const bool ascii = u >= 0x20 && u < 0x7f;
        if (ascii && szesnastkowo) {
            w += "\\X0\\";
            szesnastkowo = false;
        }
        if (!ascii) {
            if (!szesnastkowo) {
                w += "\\X2\\";
                szesnastkowo = true;
            }
            w += QByteArray::number(u, 16).rightJustified(4, '0').toUpper();
        } else if (u == '\'') {
            w += "''";
        } else if (u == '\\') {
            w += "\\\\";
        } else {
            w += static_cast<char>(u);
        }
    }
    if (szesnastkowo)
        w += "\\X0\\";
    return w;
}

QByteArray NowyGlobalId() {
    static const char znaki[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz_$";
    const QByteArray b = QUuid::createUuid().toRfc4122();
    // 128 bits: 2 in the first character, 6 in each of the other 21.
    QByteArray w(22, '0');
    auto bit = [&](int n) {
        return (static_cast<unsigned char>(b[n / 8]) >> (7 - n % 8)) & 1;
    };
    w[0] = znaki[(bit(0) << 1) | bit(1)];
    for (int k = 1; k < 22; ++k) {
        int v = 0;
        for (int j = 0; j < 6; ++j)
            v = (v << 1) | bit(2 + (k - 1) * 6 + j);
        w[k] = znaki[v];
    }
    return w;
}

std::optional<QByteArray> EksportujDoIfc(const TZestawienieStolarki& p, const QByteArray& model,
                                         TWynikEksportuIfc* wynik) {
    TPlikStep s;
    if (!s.Czytaj(model, &wynik->blad))
        return std::nullopt;
    const QByteArray& bajty = s.Bajty();

    // The model's windows, doors and panels by GlobalId.
    QHash<QString, int64_t> poId;
    for (const char* typ : {"IFCWINDOW", "IFCWINDOWSTANDARDCASE", "IFCDOOR", "IFCDOORSTANDARDCASE",
                            "IFCPLATE", "IFCPLATESTANDARDCASE"})
        for (int64_t e : s.Instancje(typ))
            poId.insert(s.Atrybut(e, 0).Tekst().trimmed(), e);
    // Each element's property sets and the relations that give them.
    QHash<int64_t, QVector<std::pair<int64_t, int64_t>>> zestawy; // element → (relation, set)
    for (int64_t r : s.Instancje("IFCRELDEFINESBYPROPERTIES")) {
        const auto zestaw = s.Atrybut(r, 5).Odwolanie();
        if (!zestaw)
            continue;
        for (const TWartoscStep& e : s.Atrybut(r, 4).Elementy())
            if (const auto n = e.Odwolanie())
                zestawy[*n].append({r, *zestaw});
    }

    int64_t numer = s.NajwiekszyNumer();
    QByteArray nowe;
    auto dodaj = [&](const QByteArray& tresc) {
        ++numer;
        nowe += '#' + QByteArray::number(numer) + '=' + tresc + ";\n";
        return '#' + QByteArray::number(numer);
    };
    std::map<int64_t, QSet<int64_t>> usuniete; // relation → elements taken out of it

    for (int i = 0; i < p.LiczbaOkienWLiscie(); ++i) {
        const TOkno& o = *p.Okno(i);
        if (o.GlobalIdIfc.isEmpty())
            continue;
        QVector<int64_t> elementy;
        for (const QString& id : o.GlobalIdIfc.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
            const auto it = poId.constFind(id.trimmed());
            if (it != poId.constEnd())
                elementy << *it;
        }
        if (elementy.isEmpty()) {
            wynik->nieZnalezione << o.Symbol();
            continue;
        }
        const TUw uw = ObliczUw(o, p);
        const TOcenaWT wt = OcenWT2021(o, p, uw);
        const TOcenaLato lato = OcenLato2021(o, p);
        const QByteArray wlasciciel = [&] {
            const auto a = s.Atrybuty(elementy.first());
            if (a && a->size() > 1 && a->at(1).Odwolanie())
                return '#' + QByteArray::number(*a->at(1).Odwolanie());
            return QByteArray("$");
        }();
        // Our verdicts, one set for the entry's windows.
        QByteArrayList wlasne;
        auto wlasna = [&](const char* nazwa, const QByteArray& wartosc) {
            wlasne << dodaj(QByteArray("IFCPROPERTYSINGLEVALUE('") + nazwa + "',$," + wartosc +
                            ",$)");
        };
        wlasna("Symbol", Etykieta(o.Symbol()));
        if (uw.uwOkna)
            wlasna("Uw", "IFCTHERMALTRANSMITTANCEMEASURE(" + Liczba(*uw.uwOkna) + ')');
        if (wt.umax >= 0)
            wlasna("Umax", "IFCTHERMALTRANSMITTANCEMEASURE(" + Liczba(wt.umax) + ')');
        wlasna("WT2021", Etykieta(TekstWynikuWT(wt.wynik)));
        wlasna("WT2021Lato", Etykieta(TekstWynikuLato(lato.wynik)));
        wlasna("Metoda", Etykieta(TZestawienieStolarki::NazwaMetodyUw(p.Metoda())));
        const QByteArray zestawWlasny =
            dodaj("IFCPROPERTYSET('" + NowyGlobalId() + "'," + wlasciciel +
                  ",'Termivo_WT2021',$,(" + wlasne.join(',') + "))");
        QByteArrayList wszystkie;
        for (int64_t e : elementy)
            wszystkie << '#' + QByteArray::number(e);
        dodaj("IFCRELDEFINESBYPROPERTIES('" + NowyGlobalId() + "'," + wlasciciel + ",$,$,(" +
              wszystkie.join(',') + ")," + zestawWlasny + ')');

        for (int64_t e : elementy) {
            const QByteArray nazwaZestawu = ZestawWspolny(s.Typ(e));
            // The element's own common set: its other properties stay, its
            // thermal transmittance is replaced.
            QByteArrayList wlasciwosci;
            bool szklenie = false;
            for (const auto& [relacja, zestaw] : zestawy.value(e)) {
                const QString nazwa = s.Atrybut(zestaw, 2).Tekst();
                if (RowneStep(nazwa, "Pset_DoorWindowGlazingType"))
                    szklenie = true;
                if (!RowneStep(nazwa, nazwaZestawu.constData()))
                    continue;
                for (const TWartoscStep& w : s.Atrybut(zestaw, 4).Elementy())
                    if (const auto n = w.Odwolanie();
                        n && !RowneStep(s.Atrybut(*n, 0).Tekst(), "ThermalTransmittance"))
                        wlasciwosci << '#' + QByteArray::number(*n);
                usuniete[relacja].insert(e);
            }
            if (uw.uwOkna)
                wlasciwosci << dodaj("IFCPROPERTYSINGLEVALUE('ThermalTransmittance',$,"
                                     "IFCTHERMALTRANSMITTANCEMEASURE(" +
                                     Liczba(*uw.uwOkna) + "),$)");
            const QByteArray el = '#' + QByteArray::number(e);
            if (!wlasciwosci.isEmpty()) {
                const QByteArray zestaw =
                    dodaj("IFCPROPERTYSET('" + NowyGlobalId() + "'," + wlasciciel + ",'" +
                          nazwaZestawu + "',$,(" + wlasciwosci.join(',') + "))");
                dodaj("IFCRELDEFINESBYPROPERTIES('" + NowyGlobalId() + "'," + wlasciciel +
                      ",$,$,(" + el + ")," + zestaw + ')');
            }
            // The glazing's g, where the model gives the element none.
            if (o.g >= 0 && !szklenie && !s.Typ(e).startsWith("IFCDOOR")) {
                const QByteArray g = dodaj("IFCPROPERTYSINGLEVALUE('SolarHeatGainTransmittance',$,"
                                           "IFCNORMALISEDRATIOMEASURE(" +
                                           Liczba(o.g) + "),$)");
                const QByteArray zestaw =
                    dodaj("IFCPROPERTYSET('" + NowyGlobalId() + "'," + wlasciciel +
                          ",'Pset_DoorWindowGlazingType',$,(" + g + "))");
                dodaj("IFCRELDEFINESBYPROPERTIES('" + NowyGlobalId() + "'," + wlasciciel +
                      ",$,$,(" + el + ")," + zestaw + ')');
            }
            ++wynik->okien;
        }
    }

    // The relations the elements left: the others they relate stay in them;
    // one left with none is no relation.
    QVector<std::pair<std::pair<qsizetype, qsizetype>, QByteArray>> zmiany;
    for (const auto& [relacja, bez] : usuniete) {
        const auto zakres = s.Zakres(relacja);
        const auto a = s.Atrybuty(relacja);
        if (!zakres || !a || a->size() < 6)
            continue;
        QByteArrayList zostaja;
        for (const TWartoscStep& e : a->at(4).Elementy())
            if (const auto n = e.Odwolanie(); n && !bez.contains(*n))
                zostaja << '#' + QByteArray::number(*n);
        QByteArray tekst;
        if (!zostaja.isEmpty()) {
            // The same text with the list of objects rewritten.
            const QByteArray stary = bajty.mid(zakres->first, zakres->second - zakres->first);
            const QByteArray lista = '(' + zostaja.join(',') + ')';
            // The objects' list is the last parenthesised list of the line.
            const qsizetype koniec = stary.lastIndexOf(')', stary.lastIndexOf(','));
            const qsizetype poczatek = stary.lastIndexOf('(', koniec);
            if (koniec < 0 || poczatek < 0)
                continue;
            tekst = stary.left(poczatek) + lista + stary.mid(koniec + 1);
        }
        zmiany.append({*zakres, tekst});
    }
    std::sort(zmiany.begin(), zmiany.end());

    // The header, the instances as they were but the relations changed, the
    // new instances at the end of the data.
    const qsizetype dane = bajty.indexOf("DATA");
    const qsizetype koniecDanych = bajty.lastIndexOf("ENDSEC");
    if (dane < 0 || koniecDanych < dane) {
        wynik->blad = QStringLiteral("brak sekcji DATA");
        return std::nullopt;
    }
    QByteArray w = Naglowek(bajty.left(dane));
    qsizetype poz = dane;
    for (const auto& [zakres, tekst] : zmiany) {
        if (zakres.first < poz)
            continue;
        w += bajty.mid(poz, zakres.first - poz);
        w += tekst;
        poz = zakres.second;
    }
    w += bajty.mid(poz, koniecDanych - poz);
    if (!w.endsWith('\n'))
        w += '\n';
    w += nowe;
    w += bajty.mid(koniecDanych);
    return w;
}
