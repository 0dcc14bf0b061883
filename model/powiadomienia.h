#pragma once

#include <QList>
#include <QString>

#include <functional>

// The model never shows anything itself. What the user must be told goes
// through this notifier; the program turns it into a message box, the
// command-line companion into a line on stderr, and the tests collect it.

enum class TRodzajKomunikatu { Blad, Ostrzezenie, Informacja };

struct TKomunikat {
    TRodzajKomunikatu rodzaj = TRodzajKomunikatu::Blad;
    QString tytul; // caption of the message box
    QString tresc;
};

using TOdbiorcaKomunikatow = std::function<void(const TKomunikat&)>;

// Sends a message to the current receiver (by default: written to stderr).
void Powiadom(const TKomunikat& k);

// Installs a receiver for its lifetime and restores the previous one after.
class TOdbiorcaPowiadomien {
public:
    explicit TOdbiorcaPowiadomien(TOdbiorcaKomunikatow odbiorca);
    ~TOdbiorcaPowiadomien();
    TOdbiorcaPowiadomien(const TOdbiorcaPowiadomien&) = delete;
    TOdbiorcaPowiadomien& operator=(const TOdbiorcaPowiadomien&) = delete;

private:
    TOdbiorcaKomunikatow poprzedni_;
};

// What one step of the user's reported, as one message: of the most serious
// kind among them (an error before a warning before information), under
// the first title of that kind, every distinct text once in the order
// given, a blank line between them. Empty for none.
TKomunikat Zgrupuj(const QList<TKomunikat>& komunikaty);
