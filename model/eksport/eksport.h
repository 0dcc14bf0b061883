#pragma once

#include <QString>

class TZestawienieStolarki;

// The schedule as a spreadsheet file: an XLSX workbook (the sheets "Okna",
// "Strony świata", "Projekt" and "Kondygnacje i strony") or a CSV file (the
// sheet "Okna"). The file appears only when whole: it is written beside the
// target and renamed, with the mode of any file the user creates. Numbers
// are written the same whatever the process's C locale. Values that are no
// finite number are left out and named through the notifier.

enum class TFormatEksportu { Xlsx, Csv };

// The format a file name asks for; false when its extension is neither.
bool FormatZNazwy(const QString& sciezka, TFormatEksportu* format);

// False, with the reason in `blad`, when the file cannot be written.
bool EksportujZestawienie(const TZestawienieStolarki& projekt, const QString& sciezka,
                          TFormatEksportu format, QString* blad = nullptr);

// A program ended by a signal: the half-written file of an export under
// way goes. Safe to call from a signal handler.
void UsunTymczasowyEksportu();
