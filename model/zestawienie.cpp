#include "zestawienie.h"

#include "kodowanie.h"
#include "tekst.h"

#include <algorithm>
#include <new>

TZestawienieStolarki::TZestawienieStolarki() : Data(QDateTime::currentDateTime()) {}

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
        okno->ZmienLiczbeWierszy(LICZBA_STALYCH_WIERSZY + n);
    LiczbaPieter_ = n;
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
        okno->ZmienLiczbeWierszy(LICZBA_STALYCH_WIERSZY + LiczbaPieter_);
        TOkno* wskaznik = okno.get();
        Okna_.push_back(std::move(okno));
        try {
            Indeks_.insert(klucz, wskaznik);
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
    TOkno* okno = Indeks_.take(KluczSymbolu(stary));
    if (okno) {
        okno->Symbol_ = symbol;
        Indeks_.insert(KluczSymbolu(symbol), okno);
    }
    return WYNIK_OK;
}

void TZestawienieStolarki::UstawWielkoscLiter(const QString& stary, const QString& nowy) {
    TOkno* okno = GetOkno(stary);
    const QString symbol = PrzytnijSymbol(nowy);
    if (okno && RowneBezWielkosci(okno->Symbol(), symbol))
        okno->Symbol_ = symbol;
}

int32_t TZestawienieStolarki::FindOkno(const QString& s) {
    BiezaceOkno_ = GetOkno(s);
    return BiezaceOkno_ ? WYNIK_OK : WYNIK_BLAD;
}

TOkno* TZestawienieStolarki::GetOkno(const QString& s) const {
    return Indeks_.value(KluczSymbolu(s), nullptr);
}

int32_t TZestawienieStolarki::DelOkno(const QString& s) {
    if (FindOkno(s) != WYNIK_OK)
        return WYNIK_BLAD;
    TOkno* okno = BiezaceOkno_;
    Indeks_.remove(KluczSymbolu(okno->Symbol()));
    Okna_.erase(std::find_if(Okna_.begin(), Okna_.end(),
                             [okno](const auto& o) { return o.get() == okno; }));
    BiezaceOkno_ = nullptr;
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
    kopia->ZmienLiczbeWierszy(LICZBA_STALYCH_WIERSZY + LiczbaPieter_);
    TOkno* wskaznik = kopia.get();
    const std::size_t miejsce = static_cast<std::size_t>(std::clamp(i, 0, LiczbaOkienWLiscie()));
    Okna_.insert(Okna_.begin() + static_cast<std::ptrdiff_t>(miejsce), std::move(kopia));
    Indeks_.insert(KluczSymbolu(wskaznik->Symbol()), wskaznik);
    return WYNIK_OK;
}

QString TZestawienieStolarki::FirstSymbol() {
    IndeksIteracji = 0;
    return Okna_.empty() ? QString() : Okna_.front()->Symbol();
}

QString TZestawienieStolarki::NextSymbol() {
    ++IndeksIteracji;
    if (IndeksIteracji < 0 || static_cast<std::size_t>(IndeksIteracji) >= Okna_.size())
        return QString();
    return Okna_[static_cast<std::size_t>(IndeksIteracji)]->Symbol();
}

void TZestawienieStolarki::Przejdz(const std::function<void(TOkno&)>& dzialanie) {
    // Symbol by symbol as FirstSymbol/NextSymbol give them; symbols are
    // unique and never empty, so the window at each place is the one
    // FindOkno would find, without looking it up.
    const int32_t zapamietany = IndeksIteracji;
    for (std::size_t i = 0; i < Okna_.size(); ++i) {
        IndeksIteracji = static_cast<int32_t>(i);
        BiezaceOkno_ = Okna_[i].get();
        dzialanie(*BiezaceOkno_);
    }
    IndeksIteracji = zapamietany;
}

void TZestawienieStolarki::ClearLevel(const QString& poziom) {
    Przejdz([&poziom](TOkno& o) {
        for (int d = 0; d < LICZBA_KIERUNKOW; ++d)
            o.SetLiczba(poziom, d, 0);
    });
}

void TZestawienieStolarki::SetAllUg(double x) {
    Przejdz([x](TOkno& o) { o.Ug = x; });
}

void TZestawienieStolarki::SetAllUf(double x) {
    Przejdz([x](TOkno& o) { o.Uf = x; });
}

void TZestawienieStolarki::SetAllPsi_g(double x) {
    Przejdz([x](TOkno& o) { o.Psi_g = x; });
}

void TZestawienieStolarki::SetAllDR(double x) {
    Przejdz([x](TOkno& o) { o.dR = x; });
}

void TZestawienieStolarki::SetAllDRamy(double x) {
    Przejdz([x](TOkno& o) {
        o.dRamy = x;
        o.Lg = -1;
    });
}

void TZestawienieStolarki::SetAllZrodloUg(const QString& nazwa) {
    const auto indeks = static_cast<uint8_t>(IndeksZrodla(nazwa));
    Przejdz([indeks](TOkno& o) { o.ZrodloUg = indeks; });
}

void TZestawienieStolarki::SetAllZrodloUf(const QString& nazwa) {
    const auto indeks = static_cast<uint8_t>(IndeksZrodla(nazwa));
    Przejdz([indeks](TOkno& o) { o.ZrodloUf = indeks; });
}

void TZestawienieStolarki::SetAllTypOkna(const QString& nazwa) {
    Przejdz([&nazwa](TOkno& o) { o.SetTypOknaNazwa(nazwa); });
}

void TZestawienieStolarki::SetAllRodzajSkrzydla(const std::array<QString, MAX_SKRZYDEL>& nazwy) {
    Przejdz([&nazwy](TOkno& o) {
        for (int i = 0; i < MAX_SKRZYDEL; ++i)
            o.SetRodzajSkrzydlaNazwa(i, nazwy[static_cast<std::size_t>(i)]);
    });
}

void TZestawienieStolarki::SetAllMaterialRamy(const QString& nazwa) {
    Przejdz([&nazwa](TOkno& o) { o.SetMaterialRamyNazwa(nazwa); });
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
    Przejdz([kod](TOkno& o) { o.RamaKodID = kod; });
}

void TZestawienieStolarki::SetAllSzkloKodID(const QString& tekst) {
    const int32_t kod = LiczbaZTekstu(tekst);
    Przejdz([kod](TOkno& o) { o.SzkloKodID = kod; });
}

void TZestawienieStolarki::SortBySymbol() {
    // Byte order of the symbols as the project file stores them.
    std::vector<std::pair<QByteArray, std::unique_ptr<TOkno>>> klucze;
    klucze.reserve(Okna_.size());
    for (auto& okno : Okna_) {
        QByteArray klucz = DoCp1250(okno->Symbol());
        klucze.emplace_back(std::move(klucz), std::move(okno));
    }
    std::stable_sort(klucze.begin(), klucze.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 0; i < klucze.size(); ++i)
        Okna_[i] = std::move(klucze[i].second);
}

void TZestawienieStolarki::CopyOknoParams(const QString& z, const QString& do_) {
    const TOkno* zrodlo = GetOkno(z);
    TOkno* cel = GetOkno(do_);
    if (!zrodlo || !cel || zrodlo == cel)
        return;
    const QString symbol = cel->Symbol_;
    const QString komunikat = cel->KomunikatWyceny;
    *cel = *zrodlo;
    cel->Symbol_ = symbol;
    cel->KomunikatWyceny = komunikat;
    cel->ZmienLiczbeWierszy(LICZBA_STALYCH_WIERSZY + LiczbaPieter_);
}

void TZestawienieStolarki::PrzebudujIndeks() {
    Indeks_.clear();
    for (const auto& okno : Okna_) {
        const QString klucz = KluczSymbolu(okno->Symbol());
        if (!Indeks_.contains(klucz))
            Indeks_.insert(klucz, okno.get());
    }
}
