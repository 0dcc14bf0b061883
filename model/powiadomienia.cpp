#include "model/powiadomienia.h"

#include <QStringList>

#include <algorithm>
#include <cstdio>
#include <utility>

namespace {

void WypiszNaStderr(const TKomunikat& k) {
    const QByteArray tekst = (k.tytul + QStringLiteral(": ") + k.tresc).toUtf8();
    std::fprintf(stderr, "%s\n", tekst.constData());
}

TOdbiorcaKomunikatow& Biezacy() {
    static TOdbiorcaKomunikatow odbiorca = WypiszNaStderr;
    return odbiorca;
}

} // namespace

void Powiadom(const TKomunikat& k) {
    if (Biezacy())
        Biezacy()(k);
}

TOdbiorcaPowiadomien::TOdbiorcaPowiadomien(TOdbiorcaKomunikatow odbiorca)
    : poprzedni_(std::exchange(Biezacy(), std::move(odbiorca))) {}

TOdbiorcaPowiadomien::~TOdbiorcaPowiadomien() {
    Biezacy() = std::move(poprzedni_);
}

TKomunikat Zgrupuj(const QList<TKomunikat>& komunikaty) {
    TKomunikat wynik;
    if (komunikaty.isEmpty())
        return wynik;
    // The enumeration runs from the most serious.
    wynik.rodzaj = komunikaty.front().rodzaj;
    for (const TKomunikat& k : komunikaty)
        wynik.rodzaj = std::min(wynik.rodzaj, k.rodzaj);
    QStringList tresci;
    for (const TKomunikat& k : komunikaty) {
        if (k.rodzaj == wynik.rodzaj && wynik.tytul.isEmpty())
            wynik.tytul = k.tytul;
        if (!tresci.contains(k.tresc))
            tresci << k.tresc;
    }
    wynik.tresc = tresci.join(QStringLiteral("\n\n"));
    return wynik;
}
