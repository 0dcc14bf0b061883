#pragma once

#include "model/projekt/polecenie.h"
#include "uslugi/dialogi.h"

#include <QObject>
#include <QString>

#include <functional>
#include <memory>

class QTimer;
class QWidget;
class TOstatnieProjekty;
class TProjektOtwarty;
class TZestawienieStolarki;
struct TModelIfc;
struct TOpcjeImportuIfc;
struct TZmianyImportuIfc;

// The project's life as the user meets it: new, open, import, save, save
// as, close, with their dialogs and messages; the recovery copy on a timer
// and the copies offered at start-up. What the shown panel holds is
// committed first (`zatwierdz`, false after a fatal inconsistency) and
// counts in the recovery copy (`oczekujace`).
class TObslugaPliku : public QObject {
    Q_OBJECT

public:
    TObslugaPliku(TProjektOtwarty& projekt, TDialogi& dialogi, TOstatnieProjekty& ostatnie,
                  QWidget& okno, std::function<bool()> zatwierdz,
                  std::function<std::unique_ptr<TPolecenie>()> oczekujace);

    void Nowy();
    void Otworz();
    bool OtworzPlik(const QString& sciezka);
    void Importuj();
    bool ImportujPlik(const QString& sciezka);
    // A building model's windows, after the import dialog, as a new project.
    void ImportujIfc();
    bool ImportujIfcPlik(const QString& sciezka);
    // The model the project was imported from, written again with the
    // project's values: the model and the new file asked for.
    void EksportujIfc();
    bool ScalModel(const TModelIfc& model, const TOpcjeImportuIfc& opcje, const QString& sciezka);
    bool Scal(const TZestawienieStolarki& wynik, const TZmianyImportuIfc& z);
    void Zapisz();
    void ZapiszJako();
    // False when the project stays open (Cancel, or the save did not happen).
    bool Zamknij();
    // A project file opens, an Arvo-K file is imported; an open project is
    // closed first (with its question).
    void OtworzLubImportuj(const QString& sciezka);

    // The recovery copy every `ms`, and `pierwszyMs` after a change when
    // the project has none yet (by default every minute, and 5 s after the
    // first change).
    void UstawOdstepOdzysku(int ms, int pierwszyMs = 5000);
    void ZapiszOdzysk();
    void ZaproponujOdzysk();

    // The project's file, or "bez nazwy" in the save dialog's folder; and
    // beside it with another extension.
    QString SciezkaProjektu() const;
    QString ObokProjektu(const QString& rozszerzenie) const;

private:
    // How the last save question ended; closing reads it.
    enum class Wynik { Brak, Tak, Anuluj, ZapiszJakoAnulowane, Nieudany };

    bool ZapiszW(const QString& sciezka, bool jako);
    void Blad(const QString& tresc);
    // Where the open and import dialogs start.
    QString KatalogOtwierania() const;

    TProjektOtwarty& projekt_;
    TDialogi& dialogi_;
    TOstatnieProjekty& ostatnie_;
    QWidget& okno_;
    std::function<bool()> zatwierdz_;
    std::function<std::unique_ptr<TPolecenie>()> oczekujace_;
    Wynik wynik_ = Wynik::Brak;
    QString katalogZapisu_;
    QTimer* zegarOdzysku_;
    // A few seconds after the first change that no copy holds yet.
    QTimer* pierwszyOdzysk_;
};
