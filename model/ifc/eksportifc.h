#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

class TZestawienieStolarki;

// The building model back with the computed values: every window of the
// project imported from it (by the GlobalIds it keeps) gets its Uw as
// Pset_WindowCommon.ThermalTransmittance (replacing the model's own), the
// glazing's g in Pset_DoorWindowGlazingType where it has none, and the
// verdicts in a set of our own, Termivo_WT2021. Every other instance is
// written back as it was; new ones take numbers above the model's largest.

struct TWynikEksportuIfc {
    int okien = 0;             // the model's windows given their values
    QStringList nieZnalezione; // symbols of windows the model does not have
    QString blad;              // why nothing was written
};

// The new model's bytes; nothing, with the reason, for a model that does
// not read.
std::optional<QByteArray> EksportujDoIfc(const TZestawienieStolarki& projekt,
                                         const QByteArray& model, TWynikEksportuIfc* wynik);

// A text as a STEP string's inside: '' and \\, and \X2\…\X0\ for what
// is not printable ASCII.
QByteArray KodujTekstStep(const QString& tekst);
// A new IFC GlobalId (22 characters of its base 64).
QByteArray NowyGlobalId();
