#include "model/katalog.h"

#include "model/dane/katalog_dane.h"
#include "model/tekst.h"

#include <QHash>

namespace kd = katalog_dane;

namespace {

QString NazwaWedlugReguly(int32_t kod) {
    return QStringLiteral("%1 skrzydłowe (typ %2)")
        .arg(kod / 1000)
        .arg(kod % 1000, 3, 10, QLatin1Char('0'));
}

QVector<TTypOknaRec> ZbudujTypy() {
    QVector<TTypOknaRec> typy;
    for (std::size_t r = 0; r < kd::liczbaRodzinTypow; ++r) {
        for (int32_t kod = kd::rodzinyTypow[r].od; kod <= kd::rodzinyTypow[r].do_; ++kod) {
            QString nazwa = NazwaWedlugReguly(kod);
            for (std::size_t i = 0; i < kd::liczbaNazwWlasnychTypow; ++i) {
                if (kd::nazwyWlasneTypow[i].kod == kod)
                    nazwa = QString::fromUtf8(kd::nazwyWlasneTypow[i].nazwa);
            }
            typy.append({kod, nazwa});
        }
    }
    return typy;
}

// Parses "a/N" or "a-b/N"; returns false on anything else.
bool CzytajPrzedzial(QStringView t, TPrzedzial* p) {
    const qsizetype ukosnik = t.indexOf(QLatin1Char('/'));
    if (ukosnik < 0)
        return false;
    const QStringView zakres = t.left(ukosnik);
    const qsizetype minus = zakres.indexOf(QLatin1Char('-'));
    bool ok1 = false, ok2 = false, ok3 = false;
    p->n = t.mid(ukosnik + 1).trimmed().toInt(&ok3);
    if (minus < 0) {
        p->od = zakres.trimmed().toInt(&ok1);
        p->do_ = p->od;
        ok2 = true;
    } else {
        p->od = zakres.left(minus).trimmed().toInt(&ok1);
        p->do_ = zakres.mid(minus + 1).trimmed().toInt(&ok2);
    }
    return ok1 && ok2 && ok3 && p->n >= 1 && 1 <= p->od && p->od <= p->do_ && p->do_ <= p->n;
}

QHash<int32_t, QVector<TKomorka>> ZbudujKomorki() {
    QHash<int32_t, QVector<TKomorka>> wynik;
    for (std::size_t i = 0; i < kd::liczbaKomorekTypow; ++i) {
        QVector<TKomorka> komorki;
        const QString opis = QString::fromLatin1(kd::komorkiTypow[i].komorki);
        for (const QString& c : opis.split(QLatin1Char(';'))) {
            const QStringList osie = c.split(QLatin1Char('x'));
            TKomorka k;
            // The table is compiled in and checked by the tests; a malformed
            // entry would leave the type without cells rather than crash.
            if (osie.size() != 2 || !CzytajPrzedzial(osie[0], &k.kolumny) ||
                !CzytajPrzedzial(osie[1], &k.wiersze)) {
                komorki.clear();
                break;
            }
            komorki.append(k);
        }
        wynik.insert(kd::komorkiTypow[i].kod, komorki);
    }
    return wynik;
}

template <typename Rec> QVector<Rec> ZbudujNazwy(const char* const* nazwy, int liczba) {
    QVector<Rec> wynik;
    for (int i = 0; i < liczba; ++i)
        wynik.append({i, QString::fromUtf8(nazwy[i])});
    return wynik;
}

template <typename Rec> QString NazwaWedlugKodu(const QVector<Rec>& tabela, int32_t kod) {
    QString wynik;
    for (const Rec& r : tabela) {
        if (r.Kod == kod)
            wynik = r.Nazwa;
    }
    return wynik;
}

// Name (folded) to code; of equal names the last entry wins.
template <typename Rec> QHash<QString, int32_t> IndeksNazw(const QVector<Rec>& tabela) {
    QHash<QString, int32_t> indeks;
    for (const Rec& r : tabela)
        indeks.insert(KluczBezWielkosci(r.Nazwa), r.Kod);
    return indeks;
}

int32_t KodWedlugNazwy(const QHash<QString, int32_t>& indeks, const QString& nazwa, bool* ok) {
    const auto it = indeks.constFind(KluczBezWielkosci(nazwa));
    const bool znaleziono = it != indeks.constEnd();
    if (ok)
        *ok = znaleziono;
    return znaleziono ? it.value() : 0;
}

} // namespace

const QVector<TTypOknaRec>& TypyOkien() {
    static const QVector<TTypOknaRec> typy = ZbudujTypy();
    return typy;
}

const QVector<TRodzajSkrzydlaRec>& RodzajeSkrzydel() {
    static const QVector<TRodzajSkrzydlaRec> rodzaje =
        ZbudujNazwy<TRodzajSkrzydlaRec>(kd::nazwyRodzajowSkrzydel, LICZBA_RODZAJOW_SKRZYDEL);
    return rodzaje;
}

const QVector<TMaterialyRamy>& MaterialyRamy() {
    static const QVector<TMaterialyRamy> materialy =
        ZbudujNazwy<TMaterialyRamy>(kd::nazwyMaterialowRamy, LICZBA_MATERIALOW_RAMY);
    return materialy;
}

const QStringList& ZrodlaNazwy() {
    static const QStringList nazwy = [] {
        QStringList l;
        for (int i = 0; i < LICZBA_ZRODEL; ++i)
            l << QString::fromLatin1(kd::nazwyZrodel[i]);
        return l;
    }();
    return nazwy;
}

QString NazwaTypuOkna(int32_t kod) {
    return NazwaWedlugKodu(TypyOkien(), kod);
}
QString NazwaRodzajuSkrzydla(int32_t kod) {
    return NazwaWedlugKodu(RodzajeSkrzydel(), kod);
}
QString NazwaMaterialuRamy(int32_t kod) {
    return NazwaWedlugKodu(MaterialyRamy(), kod);
}

QString NazwaZrodla(int indeks) {
    return indeks >= 0 && indeks < LICZBA_ZRODEL ? ZrodlaNazwy().at(indeks) : QString();
}

int32_t KodTypuOkna(const QString& nazwa, bool* ok) {
    static const QHash<QString, int32_t> indeks = IndeksNazw(TypyOkien());
    return KodWedlugNazwy(indeks, nazwa, ok);
}

int32_t KodRodzajuSkrzydla(const QString& nazwa, bool* ok) {
    static const QHash<QString, int32_t> indeks = IndeksNazw(RodzajeSkrzydel());
    return KodWedlugNazwy(indeks, nazwa, ok);
}

int32_t KodMaterialuRamy(const QString& nazwa, bool* ok) {
    static const QHash<QString, int32_t> indeks = IndeksNazw(MaterialyRamy());
    return KodWedlugNazwy(indeks, nazwa, ok);
}

int IndeksZrodla(const QString& nazwa) {
    int wynik = 0;
    for (int i = 0; i < LICZBA_ZRODEL; ++i) {
        if (RowneBezWielkosci(ZrodlaNazwy().at(i), nazwa))
            wynik = i;
    }
    return wynik;
}

int LiczbaSkrzydel(int32_t kod) {
    // The family's digit, for a code of the families only.
    TWspolczynnikiPrzeszklenia w{};
    return WspolczynnikiPrzeszklenia(kod, &w) ? kod / 1000 : 0;
}

QVector<TKomorka> KomorkiSkrzydel(int32_t kod) {
    static const QHash<int32_t, QVector<TKomorka>> komorki = ZbudujKomorki();
    return komorki.value(kod);
}

bool WspolczynnikiPrzeszklenia(int32_t kod, TWspolczynnikiPrzeszklenia* w) {
    for (std::size_t i = 0; i < kd::liczbaWspolczynnikowPrzeszklenia; ++i) {
        const auto& r = kd::wspolczynnikiPrzeszklenia[i];
        if (kod >= r.od && kod <= r.do_) {
            *w = {r.k, r.p};
            return true;
        }
    }
    return false;
}
