#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

// Texts stored in files and compared byte by byte use the Central European
// single-byte code page Windows-1250.

// The text in Windows-1250. A character the code page lacks becomes '?', so
// whatever must survive a file is checked with PierwszyNiezapisywalny first.
// Without the platform's converter the result is empty (never another code
// page): check Cp1250Dostepne before writing.
QByteArray DoCp1250(const QString& s);
QString ZCp1250(QByteArrayView b);
// False when the platform offers no Windows-1250 converter.
bool Cp1250Dostepne();

// Index of the first character (or surrogate pair) that Windows-1250 cannot
// store and give back unchanged; -1 when every one can.
qsizetype PierwszyNiezapisywalny(const QString& s);
// The character at that index, whole (an emoji is two UTF-16 units).
QString ZnakOd(const QString& s, qsizetype i);

// A text made fit for the file, as typed or pasted: composed (NFC), so that
// decomposed Polish letters stay Polish letters; characters the code page
// lacks replaced by an obvious equivalent ("²" → "2", "½" → "1/2", "à" →
// "a", a thin space → a space) or, where there is none, left out.
struct TTekstDoPliku {
    QString tekst;
    QStringList pominiete;                     // each character left out, once
    QList<QPair<QString, QString>> zamienione; // character and its equivalent, once
    bool Zmieniony() const { return !pominiete.isEmpty() || !zamienione.isEmpty(); }
};
TTekstDoPliku DoZapisaniaWPliku(const QString& tekst);
// What was done to a text, for the status bar: every character left out and
// every one replaced; empty when nothing was.
QString OpisZmianZnakow(const TTekstDoPliku& t);
