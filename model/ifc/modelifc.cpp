#include "model/ifc/modelifc.h"

#include "model/ifc/czytnikifc.h"
#include "model/ifc/step.h"
#include "model/pliki/bezpiecznyzapis.h"

#include <QFile>
#include <QRegularExpression>

#include <cmath>

namespace {

constexpr qint64 MAKS_ROZMIAR = qint64(512) << 20;

} // namespace

bool CzytajModelIfc(const QByteArray& bajty, TModelIfc* model, QString* powod,
                    const std::function<bool(qint64, qint64)>& postep) {
    TPlikStep plik;
    if (!plik.Czytaj(bajty, powod, postep))
        return false;
    TModelIfc m;
    m.schemat = plik.Schemat();
    TCzytnikIfc(plik).Czytaj(m);
    *model = std::move(m);
    return true;
}

bool CzytajModelIfcZPliku(const QString& sciezka, TModelIfc* model, QString* powod,
                          const std::function<bool(qint64, qint64)>& postep) {
    QFile f(sciezka);
    if (!f.open(QIODevice::ReadOnly)) {
        if (powod)
            *powod = PowodBleduOdczytu(f.fileName(), f.errorString());
        return false;
    }
    if (f.size() > MAKS_ROZMIAR) {
        if (powod)
            *powod = QStringLiteral("plik jest większy niż 512 MiB");
        return false;
    }
    if (f.size() == 0) {
        if (powod)
            *powod = QStringLiteral("plik jest pusty");
        return false;
    }
    // Mapped: the bytes stay the file's, read as they are needed.
    uchar* dane = f.map(0, f.size());
    const QByteArray bajty =
        dane ? QByteArray::fromRawData(reinterpret_cast<const char*>(dane), f.size()) : f.readAll();
    const bool ok = CzytajModelIfc(bajty, model, powod, postep);
    return ok;
}

namespace {

// A GUID, whole or cut ("2872C43C-81BB-45…", ArchiCAD's tags), or an IFC
// GlobalId (22 characters of its base 64), or a number (Revit's element
// ids): names no designer gave a window.
bool Identyfikator(const QString& t) {
    static const QRegularExpression guid(
        QStringLiteral("^(?:\\{?[0-9A-Fa-f]{8}(?:-[0-9A-Fa-f]{1,12}){1,4}\\}?|[0-9A-Fa-f]{16,}|"
                       "(?=[0-9A-Za-z_$]*\\d)(?=[0-9A-Za-z_$]*[A-Z])(?=[0-9A-Za-z_$]*[a-z])"
                       "[0-9A-Za-z_$]{22}|\\d+)$"));
    return guid.match(t).hasMatch();
}

} // namespace

QString NazwaOknaIfc(const TNazwyIfc& n, const QString& nazwa) {
    for (const QString* t : {&n.odniesienie, &n.znakTypu, &n.znak, &n.tag, &n.typ, &nazwa})
        if (!t->trimmed().isEmpty() && !Identyfikator(t->trimmed()))
            return t->trimmed();
    return QString();
}

QStringList ProponowanePoziomy(const QVector<TKondygnacjaIfc>& kondygnacje) {
    static const QRegularExpression strych(QStringLiteral("poddasz|strych|dach|attic|loft|roof"),
                                           QRegularExpression::CaseInsensitiveOption);
    // The storeys at the top named as an attic or a roof ("Dachgeschoss",
    // then "Roof") are all the attic.
    qsizetype odPoddasza = kondygnacje.size();
    while (odPoddasza > 1 && strych.match(kondygnacje[odPoddasza - 1].nazwa).hasMatch())
        --odPoddasza;
    QStringList poziomy;
    int pietro = -1; // -1: no ground floor yet
    for (qsizetype i = 0; i < kondygnacje.size(); ++i) {
        const TKondygnacjaIfc& k = kondygnacje[i];
        // Storeys at one elevation (to a centimetre) are one level.
        if (i > 0 && std::abs(k.rzedna - kondygnacje[i - 1].rzedna) < 0.01) {
            poziomy << poziomy.last();
            continue;
        }
        if (k.rzedna < -0.5) {
            poziomy << QStringLiteral("podpiwniczenie");
        } else if (i >= odPoddasza && pietro >= 0) {
            poziomy << QStringLiteral("poddasze");
        } else if (pietro < 0) {
            poziomy << QStringLiteral("parter");
            pietro = 0;
        } else {
            poziomy << QString::number(++pietro);
        }
    }
    return poziomy;
}
