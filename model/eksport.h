#pragma once

#include <QString>

class TZestawienieStolarki;

// The schedule as a spreadsheet file: an XLSX workbook (the sheets "Okna",
// "Strony świata" and "Projekt") or a CSV file (the sheet "Okna"). The file
// appears only when whole: it is written beside the target and renamed.

enum class TFormatEksportu { Xlsx, Csv };

// The format a file name asks for; false when its extension is neither.
bool FormatZNazwy(const QString& sciezka, TFormatEksportu* format);

// False, with the reason in `blad`, when the file cannot be written.
bool EksportujZestawienie(const TZestawienieStolarki& projekt, const QString& sciezka,
                          TFormatEksportu format, QString* blad = nullptr);
