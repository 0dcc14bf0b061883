#include "model/dane/cennikidv.h"

#include <QFile>

bool TCennikiDV::Wczytaj(const QByteArray& dane, QString* blad) {
    gotowe_ = false;
    if (dane.size() != ROZMIAR_BAJTOW) {
        *blad = QStringLiteral("Cennik D&V ma niewłaściwy rozmiar (%1 bajtów zamiast %2)!")
                    .arg(dane.size())
                    .arg(ROZMIAR_BAJTOW);
        return false;
    }
    const auto* b = reinterpret_cast<const unsigned char*>(dane.constData());
    for (int t = 0; t < LICZBA_TABEL; ++t) {
        for (int i = 0; i < NA_TABELE; ++i, b += 4) {
            const uint32_t slowo =
                uint32_t(b[0]) | uint32_t(b[1]) << 8 | uint32_t(b[2]) << 16 | uint32_t(b[3]) << 24;
            const auto cena = static_cast<int32_t>(slowo);
            if (cena != -1 && cena <= 0) {
                *blad = QStringLiteral("Cennik D&V jest uszkodzony (tabela %1, pozycja %2)!")
                            .arg(t + 1)
                            .arg(i);
                return false;
            }
            ceny_[t][i] = cena;
        }
    }
    gotowe_ = true;
    return true;
}

int32_t TCennikiDV::Cena(Tabela t, int rodzaj, int wys, int szer) const {
    if (!gotowe_ || t < 0 || t >= LICZBA_TABEL || rodzaj < 0 || rodzaj >= RODZAJE ||
        wys < MIN_KLASA_WYS || wys > MAX_KLASA_WYS || szer < MIN_KLASA_SZER ||
        szer > MAX_KLASA_SZER)
        return -1;
    return ceny_[t][Pozycja(rodzaj, wys, szer)];
}

const TCennikiDV& TCennikiDV::Wbudowane() {
    static const TCennikiDV cenniki = [] {
        TCennikiDV c;
        QFile f(QStringLiteral(":/cenniki/cenniki_dv.bin"));
        if (!f.open(QIODevice::ReadOnly)) {
            c.blad_ = QStringLiteral("Brak cennika D&V w programie!");
            return c;
        }
        c.Wczytaj(f.readAll(), &c.blad_);
        return c;
    }();
    return cenniki;
}
