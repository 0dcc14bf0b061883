#include "model/obliczenia/ug673.h"

#include "model/dane/ug673_dane.h"
#include "model/liczby.h"
#include "model/obliczenia/zaokraglenia.h"

#include <QRegularExpression>
#include <QStringList>

#include <cmath>

namespace {

bool Nie(QString* blad, const QString& powod) {
    if (blad)
        *blad = powod;
    return false;
}

// A thickness or width: a positive number, comma or point.
std::optional<double> Milimetry(const QString& tekst) {
    double x = 0;
    if (!CzytajLiczbe(tekst, &x) || !(x > 0) || x > 1000)
        return std::nullopt;
    return x;
}

// The property of a gap's gas mixed with air by volume.
double Mieszanina(double gaz, double powietrze, double udzial) {
    return udzial * gaz + (1 - udzial) * powietrze;
}

QString Liczba(double x) {
    return TekstOgolny(x, QLocale(QLocale::Polish, QLocale::Poland));
}

} // namespace

std::optional<TBudowaSzyby> CzytajBudoweSzyby(const QString& tekst, QString* blad) {
    const QStringList czesci = QString(tekst).remove(QLatin1Char(' ')).split(QLatin1Char('/'));
    if (tekst.trimmed().isEmpty()) {
        Nie(blad, QStringLiteral("nie podano budowy szyby (np. 4/16Ar/4)"));
        return std::nullopt;
    }
    if (czesci.size() % 2 == 0) {
        Nie(blad, QStringLiteral("budowa „%1” kończy się szczeliną: po każdej szczelinie "
                                 "potrzebna jest szyba")
                      .arg(tekst));
        return std::nullopt;
    }
    if (czesci.size() > 2 * MAX_SZYB_673 - 1) {
        Nie(blad, QStringLiteral("budowa „%1” ma więcej niż %2 szyb").arg(tekst).arg(MAX_SZYB_673));
        return std::nullopt;
    }
    static const QRegularExpression szczelina(
        QStringLiteral("^([0-9]+(?:[.,][0-9]+)?)([A-Za-z]*)$"));
    TBudowaSzyby b;
    for (int i = 0; i < czesci.size(); ++i) {
        if (i % 2 == 0) {
            const std::optional<double> mm = Milimetry(czesci[i]);
            if (!mm) {
                Nie(blad, QStringLiteral("grubość szyby „%1” nie jest dodatnią liczbą milimetrów")
                              .arg(czesci[i]));
                return std::nullopt;
            }
            b.szyby.push_back(*mm);
            continue;
        }
        const auto m = szczelina.match(czesci[i]);
        const std::optional<double> mm = m.hasMatch() ? Milimetry(m.captured(1)) : std::nullopt;
        if (!mm) {
            Nie(blad, QStringLiteral("szczelina „%1” nie jest dodatnią liczbą milimetrów z gazem")
                          .arg(czesci[i]));
            return std::nullopt;
        }
        TSzczelinaSzyby s{*mm, TGazSzyby::Powietrze};
        const QString gaz = m.captured(2);
        if (gaz.compare(QLatin1String("Ar"), Qt::CaseInsensitive) == 0)
            s.gaz = TGazSzyby::Argon;
        else if (gaz.compare(QLatin1String("Kr"), Qt::CaseInsensitive) == 0)
            s.gaz = TGazSzyby::Krypton;
        else if (!gaz.isEmpty()) {
            Nie(blad, QStringLiteral("nieznany gaz „%1” (Ar – argon, Kr – krypton, bez liter – "
                                     "powietrze)")
                          .arg(gaz));
            return std::nullopt;
        }
        b.szczeliny.push_back(s);
    }
    return b;
}

bool DodajPowloke(TBudowaSzyby& b, const QString& tekst, QString* blad) {
    const int powierzchni = 2 * static_cast<int>(b.szyby.size());
    bool ok = false;
    const int powierzchnia = tekst.section(QLatin1Char(':'), 0, 0).trimmed().toInt(&ok);
    double e = 0;
    if (!ok || !tekst.contains(QLatin1Char(':')))
        return Nie(
            blad, QStringLiteral("powłoka „%1” nie ma postaci POWIERZCHNIA:EMISYJNOŚĆ").arg(tekst));
    if (powierzchnia < 1 || powierzchnia > powierzchni)
        return Nie(blad, QStringLiteral("powierzchnia %1: ta budowa ma powierzchnie od 1 do %2")
                             .arg(powierzchnia)
                             .arg(powierzchni));
    if (!CzytajLiczbe(tekst.section(QLatin1Char(':'), 1).trimmed(), &e) || !(e > 0) || e > 1)
        return Nie(
            blad,
            QStringLiteral("emisyjność powłoki „%1” powinna być liczbą od 0 do 1").arg(tekst));
    b.powloki[powierzchnia] = e;
    return true;
}

QString TekstBudowySzyby(const TBudowaSzyby& b) {
    QStringList t;
    for (std::size_t i = 0; i < b.szyby.size(); ++i) {
        t << Liczba(b.szyby[i]);
        if (i < b.szczeliny.size())
            t << Liczba(b.szczeliny[i].mm) +
                     QString::fromLatin1(GAZY_673[static_cast<int>(b.szczeliny[i].gaz)].symbol);
    }
    return t.join(QLatin1Char('/'));
}

QString TekstPowlok(const TBudowaSzyby& b) {
    QStringList t;
    for (const auto& [powierzchnia, e] : b.powloki)
        t << QString::number(powierzchnia) + QLatin1Char(':') + Liczba(e);
    return t.join(QLatin1Char(';'));
}

std::optional<TUg673> ObliczUg673(const TBudowaSzyby& b, QString* blad) {
    if (!(b.wypelnienie >= 0 && b.wypelnienie <= 100)) {
        Nie(blad, QStringLiteral("wypełnienie gazem powinno być od 0 do 100%"));
        return std::nullopt;
    }
    if (b.szyby.empty() || b.szczeliny.size() + 1 != b.szyby.size()) {
        Nie(blad, QStringLiteral("budowa szyby niepełna"));
        return std::nullopt;
    }
    const std::size_t n = b.szczeliny.size();
    auto emisyjnosc = [&b](int powierzchnia) {
        const auto it = b.powloki.find(powierzchnia);
        return it == b.powloki.end() ? EMISYJNOSC_SZKLA : it->second;
    };
    const TWlasciwosciGazu& powietrze = GAZY_673[0];
    TUg673 w;
    w.dT.assign(n, n ? DT_673 / static_cast<double>(n) : 0);
    w.hr.assign(n, 0);
    w.hg.assign(n, 0);
    w.hs.assign(n, 0);
    // The temperature difference is shared among the gaps in proportion to
    // their resistances, which depend on it: worked until it settles.
    for (int krok = 0; krok < 100; ++krok) {
        for (std::size_t j = 0; j < n; ++j) {
            const TSzczelinaSzyby& s = b.szczeliny[j];
            const TWlasciwosciGazu& g = GAZY_673[static_cast<int>(s.gaz)];
            const double udzial = s.gaz == TGazSzyby::Powietrze ? 0 : b.wypelnienie / 100;
            const double rho = Mieszanina(g.gestosc, powietrze.gestosc, udzial);
            const double mu = Mieszanina(g.lepkosc, powietrze.lepkosc, udzial);
            const double lambda = Mieszanina(g.przewodnosc, powietrze.przewodnosc, udzial);
            const double c = Mieszanina(g.cieplo, powietrze.cieplo, udzial);
            const double grubosc = s.mm / 1000;
            // Surfaces of the gap j (from 0): the inner one of pane j, the
            // outer one of pane j + 1.
            const int p1 = 2 * static_cast<int>(j) + 2;
            w.hr[j] = 4 * SIGMA_673 / (1 / emisyjnosc(p1) + 1 / emisyjnosc(p1 + 1) - 1) *
                      std::pow(TM_673, 3);
            const double gr =
                G_673 * std::pow(grubosc, 3) * w.dT[j] * rho * rho / (TM_673 * mu * mu);
            const double pr = mu * c / lambda;
            const double nu = std::max(1.0, NU_A_673 * std::pow(gr * pr, NU_N_673));
            w.hg[j] = nu * lambda / grubosc;
            w.hs[j] = w.hr[j] + w.hg[j];
        }
        double opor = 0;
        for (double h : w.hs)
            opor += 1 / h;
        double zmiana = 0;
        for (std::size_t j = 0; j < n; ++j) {
            const double dT = DT_673 * (1 / w.hs[j]) / opor;
            zmiana = std::max(zmiana, std::abs(dT - w.dT[j]));
            w.dT[j] = dT;
        }
        if (zmiana < 1e-12)
            break;
    }
    double opor = 1 / HE_673 + 1 / HI_673;
    for (double h : w.hs)
        opor += 1 / h;
    for (double d : b.szyby)
        opor += d / 1000 / LAMBDA_SZKLA_673;
    w.ug = 1 / opor;
    w.deklarowane = Zaokraglij(w.ug, 1);
    return w;
}
