#include "model/zestawienie.h"

#include "model/tekst.h"

#include <QSet>

#include <algorithm>
#include <atomic>
#include <new>

TZestawienieStolarki::TZestawienieStolarki() {
    Data = QDateTime::currentDateTime();
}

TZestawienieStolarki::~TZestawienieStolarki() = default;

void TZestawienieStolarki::SetPodpiwniczenie(bool b) {
    if (b != Podpiwniczenie_)
        ClearLevel(POZIOM_PODPIWNICZENIE);
    Podpiwniczenie_ = b;
}

void TZestawienieStolarki::SetParter(bool b) {
    if (b != Parter_)
        ClearLevel(POZIOM_PARTER);
    Parter_ = b;
}

void TZestawienieStolarki::SetPoddasze(bool b) {
    if (b != Poddasze_)
        ClearLevel(POZIOM_PODDASZE);
    Poddasze_ = b;
}

void TZestawienieStolarki::SetLiczbaPieter(int32_t n) {
    n = std::clamp(n, 0, MAX_LICZBA_PIETER);
    if (n == LiczbaPieter_)
        return;
    // Rows that remain keep their counts, rows added start at zero.
    for (const auto& okno : Okna_)
        okno->LiczbaOkien.ZmienLiczbeWierszy(LICZBA_STALYCH_WIERSZY + n);
    LiczbaPieter_ = n;
}

TPoziomyBudynku TZestawienieStolarki::PoziomyBudynku() const {
    return {Podpiwniczenie_, Parter_, LiczbaPieter_, Poddasze_};
}

void TZestawienieStolarki::UstawPoziomy(const TPoziomyBudynku& p) {
    SetPoddasze(p.Poddasze);
    SetLiczbaPieter(p.LiczbaPieter);
    SetParter(p.Parter);
    SetPodpiwniczenie(p.Podpiwniczenie);
}

QStringList TZestawienieStolarki::Poziomy() const {
    QStringList poziomy;
    if (Podpiwniczenie_)
        poziomy << POZIOM_PODPIWNICZENIE;
    if (Parter_)
        poziomy << POZIOM_PARTER;
    for (int k = 1; k <= LiczbaPieter_; ++k)
        poziomy << PoziomPietra(k);
    if (Poddasze_)
        poziomy << POZIOM_PODDASZE;
    return poziomy;
}

namespace {

// Symbols are found ignoring letter case and the blanks a file drops.
QString KluczSymbolu(const QString& s) {
    return KluczBezWielkosci(PrzytnijSymbol(s));
}

} // namespace

void TZestawienieStolarki::Zarezerwuj(int n) {
    if (n <= 0)
        return;
    Okna_.reserve(static_cast<std::size_t>(n));
    Indeks_.reserve(n);
    IndeksId_.reserve(n);
}

TIdOkna TZestawienieStolarki::NoweId() {
    // One count for the whole program: a window of one project can never
    // be taken for a window of another.
    static std::atomic<TIdOkna> licznik{1};
    return licznik++;
}

const TOkno* TZestawienieStolarki::OknoId(TIdOkna id) const {
    return IndeksId_.value(id, nullptr);
}

TOkno* TZestawienieStolarki::OknoId(TIdOkna id) {
    return IndeksId_.value(id, nullptr);
}

int TZestawienieStolarki::IndeksOknaId(TIdOkna id) const {
    const TOkno* okno = OknoId(id);
    for (std::size_t i = 0; okno && i < Okna_.size(); ++i)
        if (Okna_[i].get() == okno)
            return static_cast<int>(i);
    return -1;
}

int32_t TZestawienieStolarki::CountSymbol(const QString& s) const {
    return Indeks_.contains(KluczSymbolu(s)) ? 1 : 0;
}

int32_t TZestawienieStolarki::AddOkno(const QString& s) {
    const QString symbol = PrzytnijSymbol(s);
    // A window without a symbol could be neither found nor saved.
    if (symbol.isEmpty())
        return WYNIK_BLAD;
    const QString klucz = KluczBezWielkosci(symbol); // KluczSymbolu, trimmed already
    if (Indeks_.contains(klucz))
        return WYNIK_DUPLIKAT;
    try {
        auto okno = std::make_unique<TOkno>(symbol);
        okno->LiczbaOkien.ZmienLiczbeWierszy(LICZBA_STALYCH_WIERSZY + LiczbaPieter_);
        okno->Id_ = NoweId();
        TOkno* wskaznik = okno.get();
        Okna_.push_back(std::move(okno));
        try {
            Indeks_.insert(klucz, wskaznik);
            IndeksId_.insert(wskaznik->Id_, wskaznik);
        } catch (const std::bad_alloc&) {
            Okna_.pop_back();
            throw;
        }
    } catch (const std::bad_alloc&) {
        PrzebudujIndeks();
        return WYNIK_BLAD;
    }
    return WYNIK_OK;
}

int32_t TZestawienieStolarki::RenameOkno(const QString& stary, const QString& nowy) {
    const QString symbol = PrzytnijSymbol(nowy);
    if (RowneBezWielkosci(PrzytnijSymbol(stary), symbol))
        return WYNIK_OK;
    if (symbol.isEmpty())
        return WYNIK_BLAD;
    if (CountSymbol(symbol) > 0)
        return WYNIK_DUPLIKAT;
    const TOkno* okno = GetOkno(stary);
    return okno ? ZmienSymbolId(okno->Id(), symbol) : WYNIK_OK;
}

int32_t TZestawienieStolarki::ZmienSymbolId(TIdOkna id, const QString& nowy) {
    const QString symbol = PrzytnijSymbol(nowy);
    TOkno* okno = OknoId(id);
    if (!okno || symbol.isEmpty())
        return WYNIK_BLAD;
    const TOkno* inne = GetOkno(symbol);
    if (inne && inne != okno)
        return WYNIK_DUPLIKAT;
    Indeks_.remove(KluczSymbolu(okno->Symbol_));
    okno->Symbol_ = symbol;
    Indeks_.insert(KluczSymbolu(symbol), okno);
    return WYNIK_OK;
}

const TOkno* TZestawienieStolarki::GetOkno(const QString& s) const {
    return Indeks_.value(KluczSymbolu(s), nullptr);
}

TOkno* TZestawienieStolarki::GetOkno(const QString& s) {
    return Indeks_.value(KluczSymbolu(s), nullptr);
}

int32_t TZestawienieStolarki::DelOkno(const QString& s) {
    const TOkno* okno = GetOkno(s);
    return okno ? UsunOknoId(okno->Id()) : WYNIK_BLAD;
}

int32_t TZestawienieStolarki::UsunOknoId(TIdOkna id) {
    TOkno* okno = OknoId(id);
    if (!okno)
        return WYNIK_BLAD;
    Indeks_.remove(KluczSymbolu(okno->Symbol()));
    IndeksId_.remove(id);
    Okna_.erase(std::find_if(Okna_.begin(), Okna_.end(),
                             [okno](const auto& o) { return o.get() == okno; }));
    return WYNIK_OK;
}

int TZestawienieStolarki::IndeksOkna(const QString& s) const {
    const TOkno* okno = GetOkno(s);
    for (std::size_t i = 0; okno && i < Okna_.size(); ++i)
        if (Okna_[i].get() == okno)
            return static_cast<int>(i);
    return -1;
}

int32_t TZestawienieStolarki::WstawOkno(int i, const TOkno& okno) {
    if (okno.Symbol().isEmpty())
        return WYNIK_BLAD;
    if (CountSymbol(okno.Symbol()) > 0)
        return WYNIK_DUPLIKAT;
    auto kopia = std::make_unique<TOkno>(okno);
    kopia->LiczbaOkien.ZmienLiczbeWierszy(LICZBA_STALYCH_WIERSZY + LiczbaPieter_);
    if (kopia->Id_ == 0 || IndeksId_.contains(kopia->Id_))
        kopia->Id_ = NoweId();
    TOkno* wskaznik = kopia.get();
    const std::size_t miejsce = static_cast<std::size_t>(std::clamp(i, 0, LiczbaOkienWLiscie()));
    Okna_.insert(Okna_.begin() + static_cast<std::ptrdiff_t>(miejsce), std::move(kopia));
    Indeks_.insert(KluczSymbolu(wskaznik->Symbol()), wskaznik);
    IndeksId_.insert(wskaznik->Id_, wskaznik);
    return WYNIK_OK;
}

int32_t TZestawienieStolarki::WstawKopie(int i, const TOkno& wzor, const QString& symbol) {
    TOkno kopia = wzor;
    kopia.Symbol_ = symbol;
    kopia.Id_ = 0;
    return WstawOkno(i, kopia);
}

void TZestawienieStolarki::ClearLevel(const QString& poziom) {
    Kazde([&poziom](TOkno& o) {
        for (int d = 0; d < LICZBA_KIERUNKOW; ++d)
            o.SetLiczba(poziom, d, 0);
    });
}

void TZestawienieStolarki::SetAllUg(double x) {
    Kazde([x](TOkno& o) { o.Ug = x; });
}

void TZestawienieStolarki::SetAllUf(double x) {
    Kazde([x](TOkno& o) { o.Uf = x; });
}

void TZestawienieStolarki::SetAllPsi_g(double x) {
    Kazde([x](TOkno& o) { o.Psi_g = x; });
}

void TZestawienieStolarki::SetAllDR(double x) {
    Kazde([x](TOkno& o) { o.dR = x; });
}

void TZestawienieStolarki::SetAllDRamy(double x) {
    Kazde([x](TOkno& o) {
        o.dRamy = x;
        o.Lg = -1;
    });
}

void TZestawienieStolarki::SetAllZrodloUg(const QString& nazwa) {
    const auto indeks = static_cast<uint8_t>(IndeksZrodla(nazwa));
    Kazde([indeks](TOkno& o) { o.ZrodloUg = indeks; });
}

void TZestawienieStolarki::SetAllZrodloUf(const QString& nazwa) {
    const auto indeks = static_cast<uint8_t>(IndeksZrodla(nazwa));
    Kazde([indeks](TOkno& o) { o.ZrodloUf = indeks; });
}

void TZestawienieStolarki::SetAllTypOkna(const QString& nazwa) {
    Kazde([&nazwa](TOkno& o) { o.SetTypOknaNazwa(nazwa); });
}

void TZestawienieStolarki::SetAllRodzajSkrzydla(const std::array<QString, MAX_SKRZYDEL>& nazwy) {
    Kazde([&nazwy](TOkno& o) {
        for (int i = 0; i < MAX_SKRZYDEL; ++i)
            o.SetRodzajSkrzydlaNazwa(i, nazwy[static_cast<std::size_t>(i)]);
    });
}

void TZestawienieStolarki::SetAllMaterialRamy(const QString& nazwa) {
    Kazde([&nazwa](TOkno& o) { o.SetMaterialRamyNazwa(nazwa); });
}

namespace {
int32_t LiczbaZTekstu(const QString& tekst) {
    bool ok = false;
    const int32_t n = tekst.toInt(&ok, 10);
    return ok ? n : 0;
}
} // namespace

void TZestawienieStolarki::SetAllRamaKodID(const QString& tekst) {
    const int32_t kod = LiczbaZTekstu(tekst);
    Kazde([kod](TOkno& o) { o.RamaKodID = kod; });
}

void TZestawienieStolarki::SetAllSzkloKodID(const QString& tekst) {
    const int32_t kod = LiczbaZTekstu(tekst);
    Kazde([kod](TOkno& o) { o.SzkloKodID = kod; });
}

void TZestawienieStolarki::CopyOknoParams(const QString& z, const QString& do_) {
    const TOkno* zrodlo = GetOkno(z);
    TOkno* cel = GetOkno(do_);
    if (!zrodlo || !cel || zrodlo == cel)
        return;
    const QString symbol = cel->Symbol_;
    const TIdOkna id = cel->Id_;
    *cel = *zrodlo;
    cel->Symbol_ = symbol;
    cel->Id_ = id;
    // A copy stands for none of the model's windows.
    cel->GlobalIdIfc.clear();
    cel->LiczbaOkien.ZmienLiczbeWierszy(LICZBA_STALYCH_WIERSZY + LiczbaPieter_);
}

void TZestawienieStolarki::PrzebudujIndeks() {
    Indeks_.clear();
    IndeksId_.clear();
    for (const auto& okno : Okna_) {
        const QString klucz = KluczSymbolu(okno->Symbol());
        if (!Indeks_.contains(klucz))
            Indeks_.insert(klucz, okno.get());
        IndeksId_.insert(okno->Id_, okno.get());
    }
}

QString TZestawienieStolarki::NazwaMetodyUw(TMetodaUw metoda) {
    return metoda == TMetodaUw::Geometryczna
               ? QStringLiteral("z geometrii okna (PN-EN ISO 10077-1)")
               : QStringLiteral("szacunkowa (z pola okna)");
}

QString WolnySymbol(const TZestawienieStolarki& projekt) {
    QSet<QString> zajete;
    for (int i = 0; i < projekt.LiczbaOkienWLiscie(); ++i)
        zajete.insert(projekt.Okno(i)->Symbol().toUpper());
    for (int n = 1;; ++n) {
        const QString s = QStringLiteral("O%1").arg(n);
        if (!zajete.contains(s))
            return s;
    }
}
