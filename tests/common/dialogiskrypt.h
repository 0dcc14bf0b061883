#pragma once

#include "uslugi/dialogi.h"

#include <QDialog>
#include <QList>

#include <QStringList>
#include <functional>

// Answers the main window's dialogs from a script and records what was shown.
class TDialogiSkrypt : public TDialogi {
public:
    struct Pokazany {
        TRodzajKomunikatu rodzaj;
        QString tytul;
        QString tresc;
    };

    QList<Pokazany> komunikaty;
    QStringList pytania; // "title: text" of every question asked
    QList<Odpowiedz> odpowiedzi;
    QList<std::optional<QString>> teksty;
    QStringList pliki; // answers of the file dialogs, "" for Cancel
    QStringList katalogiDialogow;
    bool zakonczono = false;

    QString OstatniKomunikat() const {
        return komunikaty.isEmpty() ? QString() : komunikaty.last().tresc;
    }

    void Komunikat(QWidget*, TRodzajKomunikatu rodzaj, const QString& tytul,
                   const QString& tresc) override {
        komunikaty.append({rodzaj, tytul, tresc});
    }
    Odpowiedz Pytanie(QWidget*, const QString& tytul, const QString& tresc) override {
        pytania << tytul + QStringLiteral(": ") + tresc;
        return odpowiedzi.isEmpty() ? Odpowiedz::Nie : odpowiedzi.takeFirst();
    }
    Odpowiedz Potwierdzenie(QWidget*, const QString& tytul, const QString& tresc) override {
        pytania << tytul + QStringLiteral(": ") + tresc;
        return odpowiedzi.isEmpty() ? Odpowiedz::Anuluj : odpowiedzi.takeFirst();
    }
    QStringList proponowane; // the text every input box offered
    std::optional<QString> Tekst(QWidget*, const QString& tytul, const QString& etykieta,
                                 const QString& tekst, int) override {
        pytania << tytul + QStringLiteral(": ") + etykieta;
        proponowane << tekst;
        return teksty.isEmpty() ? std::nullopt : teksty.takeFirst();
    }
    QString PlikDoOtwarcia(QWidget*, const QString&, const QString&,
                           const QString& katalog) override {
        katalogiDialogow << katalog;
        return pliki.isEmpty() ? QString() : pliki.takeFirst();
    }
    QString PlikDoZapisu(QWidget*, const QString&, const QString& sciezka,
                         const QString&) override {
        katalogiDialogow << sciezka;
        return pliki.isEmpty() ? QString() : pliki.takeFirst();
    }
    // The page setup and print dialogs: answered by these, when set.
    std::function<bool(QPageLayout&)> przyUstawieniach;
    std::function<bool(QPrinter&)> przyDrukowaniu;
    bool UstawieniaStrony(QWidget*, QPageLayout& uklad) override {
        return przyUstawieniach && przyUstawieniach(uklad);
    }
    bool Drukuj(QWidget*, QPrinter& drukarka) override {
        return przyDrukowaniu && przyDrukowaniu(drukarka);
    }
    // A printer is there (the print dialog above answers for it).
    bool jestDrukarka = true;
    bool JestDrukarka() override { return jestDrukarka; }
    // Shown dialogs: shown (so they recompute), handed to the script, closed.
    std::function<bool(QDialog&)> przyOknie = [](QDialog&) {
        return false;
    };
    bool Pokaz(QDialog& okno) override {
        okno.show();
        const bool ok = przyOknie(okno);
        okno.hide();
        return ok;
    }
    void Zakoncz() override { zakonczono = true; }
};
