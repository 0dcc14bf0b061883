#include "model/projekt/projektotwarty.h"

#include "model/pliki/importavk.h"

#include <QFile>
#include <QFileInfo>

namespace {

// What tells one content of a file from another: its length and two
// hashes of it (no one forges a project file to look unchanged).
QByteArray Odcisk(QByteArrayView bajty) {
    QByteArray o;
    for (const std::size_t x : {static_cast<std::size_t>(bajty.size()), qHash(bajty, 1),
                                qHash(bajty, 0x9E3779B97F4A7C15ULL)})
        o.append(reinterpret_cast<const char*>(&x), sizeof x);
    return o;
}

// What the file holds now; empty when there is no such file.
QByteArray OdciskPliku(const QString& sciezka) {
    QFile f(sciezka);
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray();
    return Odcisk(f.readAll());
}

// A path made absolute (against the current folder); empty stays empty.
QString Bezwzgledna(const QString& sciezka) {
    return sciezka.isEmpty() ? sciezka : QFileInfo(sciezka).absoluteFilePath();
}

TWynikPliku Blad(const QString& powod = QString()) {
    return {TWynikPliku::Kod::Blad, powod};
}

// A file the reader refused, with its message given.
TWynikPliku Odrzucony() {
    return {TWynikPliku::Kod::Blad, QString(), true};
}

} // namespace

TProjektOtwarty::TProjektOtwarty(QObject* rodzic) : QObject(rodzic) {}

TProjektOtwarty::~TProjektOtwarty() = default;

void TProjektOtwarty::UzywajBlokady(const QString& katalog) {
    blokada_ = std::make_unique<TBlokadaPliku>(katalog);
}

void TProjektOtwarty::UzywajOdzysku(const QString& katalog) {
    odzysk_ = std::make_unique<TOdzysk>(katalog);
}

QString TProjektOtwarty::Nazwa() const {
    return sciezka_.isEmpty() ? QStringLiteral("bez nazwy") : QFileInfo(sciezka_).fileName();
}

bool TProjektOtwarty::Zmieniony() const {
    return projekt_ && (zmienionyBezHistorii_ || !historia_.Czysta());
}

void TProjektOtwarty::Rozpocznij(std::unique_ptr<TZestawienieStolarki> projekt,
                                 const QString& sciezka) {
    projekt_ = std::move(projekt);
    // Absolute: a copy or a recent entry names the same file from anywhere.
    sciezka_ = Bezwzgledna(sciezka);
    historia_.Wyczysc();
    emit otwarto();
    emit stanPliku();
}

void TProjektOtwarty::Wyczysc() {
    if (odzysk_)
        odzysk_->Usun(); // what was not saved is given up
    if (blokada_)
        blokada_->Zwolnij();
    projekt_.reset();
    sciezka_.clear();
    historia_.Wyczysc();
    odczyt_ = TOdczytProjektu();
    zmienionyBezHistorii_ = uszkodzony_ = tylkoDoOdczytu_ = false;
    odcisk_.clear();
}

void TProjektOtwarty::Zamknij() {
    Wyczysc();
    emit otwarto();
    emit stanPliku();
}

TWynikPliku TProjektOtwarty::Nowy() {
    Wyczysc();
    // A new project measures its windows' glass; stored ones keep their method.
    auto projekt = std::make_unique<TZestawienieStolarki>();
    projekt->MetodaUw = static_cast<int32_t>(TMetodaUw::Geometryczna);
    // A ground floor from the start: a new window has a storey to count on.
    projekt->SetParter(true);
    Rozpocznij(std::move(projekt), QString());
    return {};
}

TWynikPliku TProjektOtwarty::Otworz(const QString& sciezka, bool tylkoDoOdczytu) {
    if (blokada_ && !tylkoDoOdczytu && blokada_->ZajetyGdzieIndziej(sciezka))
        return {TWynikPliku::Kod::ZajetyGdzieIndziej, QString()};
    QByteArray bajty;
    QString powod;
    if (CzytajBajtyProjektu(sciezka, &bajty, &powod) != WYNIK_OK)
        return Blad(powod);
    auto projekt = std::make_unique<TZestawienieStolarki>();
    TOdczytProjektu odczyt;
    if (WczytajProjektZBajtow(*projekt, bajty, QLocale(), &odczyt) != WYNIK_OK)
        return Odrzucony();
    Wyczysc();
    if (blokada_ && !tylkoDoOdczytu && !blokada_->Zajmij(sciezka))
        tylkoDoOdczytu = true; // taken in the meantime
    odczyt_ = odczyt;
    uszkodzony_ = odczyt.Ostrzezenie();
    // A damaged file differs from what was read: the project is there to be saved.
    zmienionyBezHistorii_ = uszkodzony_;
    tylkoDoOdczytu_ = tylkoDoOdczytu;
    odcisk_ = Odcisk(bajty);
    Rozpocznij(std::move(projekt), sciezka);
    return {};
}

TWynikPliku TProjektOtwarty::Importuj(const QString& sciezka) {
    auto projekt = std::make_unique<TZestawienieStolarki>();
    projekt->SetParter(true);
    projekt->MetodaUw = static_cast<int32_t>(TMetodaUw::Geometryczna);
    QString powod;
    if (ImportujArvoKZPliku(*projekt, sciezka, QLocale(), &powod) != WYNIK_OK)
        return Blad(powod);
    Przyjmij(std::move(projekt));
    return {};
}

void TProjektOtwarty::Przyjmij(std::unique_ptr<TZestawienieStolarki> projekt) {
    Wyczysc();
    zmienionyBezHistorii_ = true; // it has no file yet
    Rozpocznij(std::move(projekt), QString());
}

TWynikPliku TProjektOtwarty::Przywroc(const TKopiaOdzysku& kopia) {
    QByteArray bajty;
    QString powod;
    if (CzytajBajtyProjektu(kopia.kopia, &bajty, &powod) != WYNIK_OK)
        return Blad(powod);
    auto projekt = std::make_unique<TZestawienieStolarki>();
    TOdczytProjektu odczyt;
    if (WczytajProjektZBajtow(*projekt, bajty, QLocale(), &odczyt) != WYNIK_OK)
        return Odrzucony();
    Wyczysc();
    odczyt_ = odczyt;
    uszkodzony_ = odczyt.Ostrzezenie();
    zmienionyBezHistorii_ = true;
    if (!kopia.plik.isEmpty()) {
        tylkoDoOdczytu_ = blokada_ && !blokada_->Zajmij(kopia.plik);
        // The file as it was when the copy was made: saving over it is what
        // restoring is for, unless it changed since (another program, or
        // another project of that name): then Zapisz answers
        // ZmienionyNaDysku and the user is asked. An older copy that does
        // not say takes the file as it is now.
        odcisk_ = kopia.odcisk.isEmpty() ? OdciskPliku(kopia.plik) : kopia.odcisk;
    }
    if (odzysk_)
        odzysk_->Przejmij(kopia);
    Rozpocznij(std::move(projekt), kopia.plik);
    return {};
}

TWynikPliku TProjektOtwarty::Zapisz(bool mimoZmian) {
    if (!projekt_ || BezNazwy())
        return Blad();
    return ZapiszDo(sciezka_, true, mimoZmian);
}

TWynikPliku TProjektOtwarty::ZapiszJako(const QString& sciezka, bool mimoZmian) {
    if (!projekt_ || sciezka.isEmpty())
        return Blad();
    const bool wlasny = !BezNazwy() && KluczPliku(sciezka) == KluczPliku(sciezka_);
    return ZapiszDo(sciezka, wlasny && !tylkoDoOdczytu_, mimoZmian);
}

TWynikPliku TProjektOtwarty::ZapiszDo(const QString& sciezka, bool wlasny, bool mimoZmian) {
    if (blokada_ && blokada_->ZajetyGdzieIndziej(sciezka))
        return {TWynikPliku::Kod::ZajetyGdzieIndziej, QString()};
    // Another program wrote the file after this one read it: not overwritten
    // without asking.
    if (wlasny && !mimoZmian) {
        const QByteArray teraz = OdciskPliku(sciezka);
        if (!teraz.isEmpty() && !odcisk_.isEmpty() && teraz != odcisk_)
            return {TWynikPliku::Kod::ZmienionyNaDysku, QString()};
    }
    const std::optional<QByteArray> bajty = ZapiszProjektDoBajtow(*projekt_);
    if (!bajty)
        return Blad(); // the text that cannot be stored has been told
    QString powod;
    if (ZapiszBajtyProjektu(*bajty, sciezka, &powod) != WYNIK_OK)
        return Blad(powod);
    if (blokada_ && !blokada_->Zajmij(sciezka))
        blokada_->Zwolnij();
    sciezka_ = Bezwzgledna(sciezka);
    odcisk_ = Odcisk(*bajty);
    historia_.UstawCzysta();
    zmienionyBezHistorii_ = uszkodzony_ = tylkoDoOdczytu_ = false;
    odczyt_ = TOdczytProjektu();
    if (odzysk_)
        odzysk_->Usun();
    emit stanPliku();
    return {};
}

int32_t TProjektOtwarty::Wykonaj(std::unique_ptr<TPolecenie> polecenie) {
    if (!projekt_ || !polecenie)
        return WYNIK_BLAD;
    const int32_t wynik = polecenie->Wykonaj(*projekt_);
    if (wynik != WYNIK_OK)
        return wynik;
    TZmiana zmiana = polecenie->Zmiana();
    zmiana.wskazane = polecenie->Wskazane(false);
    historia_.Dodaj(std::move(polecenie));
    PoZmianie(std::move(zmiana));
    return WYNIK_OK;
}

bool TProjektOtwarty::Cofnij() {
    return Krok(true);
}

bool TProjektOtwarty::Ponow() {
    return Krok(false);
}

bool TProjektOtwarty::Krok(bool wstecz) {
    TPolecenie* krok = !projekt_ ? nullptr
                       : wstecz  ? historia_.DoCofniecia()
                                 : historia_.DoPonowienia();
    if (!krok)
        return false;
    if (wstecz) {
        krok->Cofnij(*projekt_);
        historia_.Cofnieto();
    } else {
        krok->Wykonaj(*projekt_);
        historia_.Ponowiono();
    }
    TZmiana zmiana = krok->Zmiana();
    zmiana.zHistorii = true;
    zmiana.wskazane = krok->Wskazane(wstecz);
    PoZmianie(std::move(zmiana));
    return true;
}

void TProjektOtwarty::PoZmianie(TZmiana zmiana) {
    // Back where it was saved: no copy holds what is in the file already.
    if (odzysk_ && !Zmieniony())
        odzysk_->Usun();
    emit zmieniono(zmiana);
    emit stanPliku();
}

bool TProjektOtwarty::ZapiszOdzysk(std::unique_ptr<TPolecenie> oczekujace) {
    if (!odzysk_ || !projekt_)
        return false;
    // What the panel holds counts, though it is no step of the history.
    const bool zPanelu = oczekujace && oczekujace->Wykonaj(*projekt_) == WYNIK_OK;
    bool ok = true;
    if (Zmieniony() || zPanelu)
        ok = odzysk_->Zapisz(*projekt_, sciezka_, Nazwa(), odcisk_);
    else
        odzysk_->Usun();
    if (zPanelu)
        oczekujace->Cofnij(*projekt_);
    return ok;
}
