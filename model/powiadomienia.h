#pragma once

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
