#include "cli/eksportifccli.h"

#include "cli/wspolne.h"
#include "model/ifc/eksportifc.h"
#include "model/pliki/bezpiecznyzapis.h"
#include "model/projekt/projektotwarty.h"

#include <QFile>

const char* const POMOC_EKSPORTU_IFC =
    "  export-ifc PROJEKT.tmv MODEL.ifc WYJŚCIE.ifc\n"
    "                     Zapisuje kopię modelu budynku, w której każde okno\n"
    "                     zaimportowane z niego do projektu ma obliczone\n"
    "                     wartości: Uw jako ThermalTransmittance w\n"
    "                     Pset_WindowCommon (zastępuje wartość modelu), g\n"
    "                     szyby w Pset_DoorWindowGlazingType (gdy okno go nie\n"
    "                     ma) i ocenę w zestawie Termivo_WT2021 (Uw, Umax,\n"
    "                     WT2021, WT2021Lato, Metoda). Pozostała treść modelu\n"
    "                     zostaje bez zmian. Okna projektu, których model nie\n"
    "                     ma, są wymieniane na standardowym wyjściu błędów.\n";

int EksportIfcCli(const QStringList& a) {
    for (const QString& x : a)
        if (x.startsWith(QStringLiteral("--")))
            return ZleUzycie(QStringLiteral("nieznana opcja %1").arg(x));
    if (a.size() != 3)
        return ZleUzycie(QStringLiteral("podaj plik projektu, model .ifc i plik wynikowy .ifc"));
    TProjektOtwarty projekt;
    if (!OtworzLubZglos(projekt, a[0]))
        return KOD_BLAD;
    QFile f(a[1]);
    if (f.size() > (qint64(512) << 20) || !f.open(QIODevice::ReadOnly)) {
        Blad(QStringLiteral("Nie udało się odczytać modelu %1: %2")
                 .arg(a[1], f.isOpen() ? QStringLiteral("plik jest za duży") : f.errorString()));
        return KOD_BLAD;
    }
    TWynikEksportuIfc wynik;
    const std::optional<QByteArray> bajty = EksportujDoIfc(*projekt.Projekt(), f.readAll(), &wynik);
    if (!bajty) {
        Blad(QStringLiteral("Nie udało się odczytać modelu %1: %2").arg(a[1], wynik.blad));
        return KOD_BLAD;
    }
    QString powod;
    if (!ZapiszBajtyBezpiecznie(a[2], *bajty, &powod)) {
        Blad(QStringLiteral("Nie udało się zapisać %1: %2").arg(a[2], powod));
        return KOD_BLAD;
    }
    QString t = QStringLiteral("zapisano wartości %1 okien modelu").arg(wynik.okien);
    if (!wynik.nieZnalezione.isEmpty())
        t += QStringLiteral("; okna projektu, których nie ma w modelu: %1")
                 .arg(wynik.nieZnalezione.join(QStringLiteral(", ")));
    Blad(t);
    return KodPoOdczycie(projekt, KOD_OK);
}
