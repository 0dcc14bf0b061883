#pragma once

#include "model/pliki/odzysk.h"
#include "model/pliki/plikprojektu.h"
#include "model/projekt/blokada.h"
#include "model/projekt/historia.h"
#include "model/projekt/polecenie.h"
#include "model/zestawienie.h"

#include <QByteArray>
#include <QObject>
#include <QString>

#include <memory>

// How an operation on the project's file ended; the program turns it into
// its message.
struct TWynikPliku {
    enum class Kod {
        Ok,
        Blad,               // cannot be read or written: `powod` says why (empty when told)
        ZajetyGdzieIndziej, // another running program has the file open
        ZmienionyNaDysku,   // the file changed since it was opened or saved
    };
    Kod kod = Kod::Ok;
    QString powod;
    // The reader has told the user why through the notifier already.
    bool zgloszony = false;
    bool Ok() const { return kod == Kod::Ok; }
};

// TProjektOtwarty: the one open project of a program. It owns the project,
// its file's path, its state (unchanged, changed, read from a damaged file,
// opened read-only), its history of commands, the lock of its file and its
// recovery copy. Every change of the project is a command carried out here;
// everything else reads the project through Projekt(), which is const.
class TProjektOtwarty : public QObject {
    Q_OBJECT

public:
    explicit TProjektOtwarty(QObject* rodzic = nullptr);
    ~TProjektOtwarty() override;

    // What a program with windows has besides the project: the lock of the
    // open file, and the recovery copy while the project differs from it.
    // The command-line companion reads files without either.
    void UzywajBlokady(const QString& katalog = TBlokadaPliku::Katalog());
    void UzywajOdzysku(const QString& katalog = TOdzysk::Katalog());

    bool Otwarty() const { return projekt_ != nullptr; }
    const TZestawienieStolarki* Projekt() const { return projekt_.get(); }
    // The file's full path; empty for a project never saved.
    const QString& Sciezka() const { return sciezka_; }
    bool BezNazwy() const { return sciezka_.isEmpty(); }
    // The file's name without its folder, or "bez nazwy".
    QString Nazwa() const;
    // Differs from its file (or has none: imported, restored).
    bool Zmieniony() const;
    // Opened while another program had it open: its own file is not written.
    bool TylkoDoOdczytu() const { return tylkoDoOdczytu_; }
    // "Zapisz" goes through the save dialog.
    bool ZapisWymagaNazwy() const { return BezNazwy() || uszkodzony_ || tylkoDoOdczytu_; }
    const TOdczytProjektu& Odczyt() const { return odczyt_; }
    const THistoria& Historia() const { return historia_; }
    TOdzysk* Odzysk() const { return odzysk_.get(); }

    // Each replaces nothing: the project open before is closed first.
    TWynikPliku Nowy();
    // Kod::ZajetyGdzieIndziej when another program has it open, unless
    // `tylkoDoOdczytu`; what the read found is told through the notifier.
    TWynikPliku Otworz(const QString& sciezka, bool tylkoDoOdczytu = false);
    // An Arvo-K project as a new, unnamed project with a ground floor.
    TWynikPliku Importuj(const QString& sciezka);
    // A project made elsewhere, as a new, unnamed, changed project.
    void Przyjmij(std::unique_ptr<TZestawienieStolarki> projekt);
    // A recovery copy, opened under its project's own name, as changed.
    TWynikPliku Przywroc(const TKopiaOdzysku& kopia);
    // Into its own file; Kod::ZmienionyNaDysku, without writing, when the
    // file changed since it was read or written, unless `mimoZmian`.
    TWynikPliku Zapisz(bool mimoZmian = false);
    // Into that file, which becomes the project's only when it was written.
    TWynikPliku ZapiszJako(const QString& sciezka, bool mimoZmian = false);
    // The project goes, unsaved changes and recovery copy with it.
    void Zamknij();

    // WYNIK_OK when done and recorded, WYNIK_BEZ_ZMIAN when it changed
    // nothing (not recorded), else why it could not be done.
    int32_t Wykonaj(std::unique_ptr<TPolecenie> polecenie);
    bool Cofnij();
    bool Ponow();

    // The recovery copy as the project stands with `oczekujace` (what the
    // shown panel holds) carried out, which is then taken back: written
    // while that differs from the file, removed when it does not.
    bool ZapiszOdzysk(std::unique_ptr<TPolecenie> oczekujace = nullptr);

signals:
    // A command carried out, taken back or made again.
    void zmieniono(const TZmiana& zmiana);
    // Another project (or none) is open: the views start again.
    void otwarto();
    // The name, the changed state or the history changed.
    void stanPliku();

private:
    // Nothing open, without a word to the views (an opening follows).
    void Wyczysc();
    void Rozpocznij(std::unique_ptr<TZestawienieStolarki> projekt, const QString& sciezka);
    // A step of the history taken back (wstecz) or made again.
    bool Krok(bool wstecz);
    void PoZmianie(TZmiana zmiana);
    TWynikPliku ZapiszDo(const QString& sciezka, bool wlasny, bool mimoZmian);

    std::unique_ptr<TZestawienieStolarki> projekt_;
    QString sciezka_;
    THistoria historia_;
    TOdczytProjektu odczyt_;
    bool zmienionyBezHistorii_ = false;
    bool uszkodzony_ = false;
    bool tylkoDoOdczytu_ = false;
    // What the file held when it was read or written, to tell whether
    // another program has written it since.
    QByteArray odcisk_;
    std::unique_ptr<TBlokadaPliku> blokada_;
    std::unique_ptr<TOdzysk> odzysk_;
};
