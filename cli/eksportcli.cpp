#include "eksportcli.h"

#include "eksport.h"
#include "projektotwarty.h"
#include "wspolne.h"

const char* const POMOC_EKSPORTU =
    "  export PROJECT.tmv OUT.xlsx|OUT.csv [--format xlsx|csv]\n"
    "                     The schedule as a spreadsheet: an XLSX workbook (sheets\n"
    "                     \"Okna\", \"Strony świata\", \"Projekt\"; numbers as numbers,\n"
    "                     a totals row with formulas) or the sheet \"Okna\" as CSV\n"
    "                     (UTF-8 with BOM, CR LF, \";\", decimal comma). The format\n"
    "                     is the extension's unless --format gives it.\n";

int EksportCli(const QStringList& argumenty) {
    if (argumenty.size() != 2 && argumenty.size() != 4)
        return KOD_ZLE_UZYCIE;
    TFormatEksportu format = TFormatEksportu::Xlsx;
    if (argumenty.size() == 4) {
        if (argumenty[2] != QLatin1String("--format"))
            return KOD_ZLE_UZYCIE;
        const QString f = argumenty[3].toLower();
        if (f == QLatin1String("xlsx"))
            format = TFormatEksportu::Xlsx;
        else if (f == QLatin1String("csv"))
            format = TFormatEksportu::Csv;
        else
            return KOD_ZLE_UZYCIE;
    } else if (!FormatZNazwy(argumenty[1], &format)) {
        return KOD_ZLE_UZYCIE;
    }
    TProjektOtwarty projekt;
    if (!OtworzLubZglos(projekt, argumenty[0]))
        return KOD_BLAD;
    QString powod;
    if (!EksportujZestawienie(*projekt.Projekt(), argumenty[1], format, &powod)) {
        Blad(QStringLiteral("Nie można zapisać pliku %1: %2.").arg(argumenty[1], powod));
        return KOD_BLAD;
    }
    return KodPoOdczycie(projekt, KOD_OK);
}
