#include "model/powiadomienia.h"

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
