#include "cli/eksportcli.h"

#include "cli/wspolne.h"
#include "model/eksport/eksport.h"
#include "model/projekt/projektotwarty.h"

const char* const POMOC_EKSPORTU =
    "  export PLIK.tmv WYJŚCIE.xlsx|WYJŚCIE.csv [--format xlsx|csv]\n"
    "                     Zestawienie w arkuszu kalkulacyjnym: skoroszyt XLSX\n"
    "                     (arkusze \"Okna\", \"Strony świata\", \"Projekt\",\n"
    "                     \"Kondygnacje i strony\"; liczby jako liczby, wiersz sum\n"
    "                     z formułami) albo arkusz \"Okna\" jako CSV (UTF-8 z BOM,\n"
    "                     CR LF, \";\", przecinek dziesiętny). Format wynika z\n"
    "                     rozszerzenia, chyba że podaje go --format.\n";

int EksportCli(const QStringList& argumenty) {
    if (argumenty.size() != 2 && argumenty.size() != 4)
        return ZleUzycie(QStringLiteral("podaj plik projektu i plik arkusza"));
    TFormatEksportu format = TFormatEksportu::Xlsx;
    if (argumenty.size() == 4) {
        if (argumenty[2] != QLatin1String("--format"))
            return ZleUzycie(QStringLiteral("nieznana opcja %1").arg(argumenty[2]));
        const QString f = argumenty[3].toLower();
        if (f == QLatin1String("xlsx"))
            format = TFormatEksportu::Xlsx;
        else if (f == QLatin1String("csv"))
            format = TFormatEksportu::Csv;
        else
            return ZleUzycie(QStringLiteral("nieznany format „%1” (xlsx, csv)").arg(argumenty[3]));
    } else if (!FormatZNazwy(argumenty[1], &format)) {
        return ZleUzycie(QStringLiteral("nazwa pliku powinna kończyć się na .xlsx lub .csv"));
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
