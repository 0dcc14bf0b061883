#include "model/ifc/modelifc.h"

#include "model/ifc/czytnikifc.h"
#include "model/ifc/step.h"
#include "model/pliki/bezpiecznyzapis.h"

#include <QFile>
#include <QRegularExpression>

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

QStringList ProponowanePoziomy(const QVector<TKondygnacjaIfc>& kondygnacje) {
    static const QRegularExpression strych(QStringLiteral("poddasz|strych|dach|attic|loft"),
                                           QRegularExpression::CaseInsensitiveOption);
    QStringList poziomy;
    int pietro = -1; // -1: no ground floor yet
    for (qsizetype i = 0; i < kondygnacje.size(); ++i) {
        const TKondygnacjaIfc& k = kondygnacje[i];
        if (k.rzedna < -0.5) {
            poziomy << QStringLiteral("podpiwniczenie");
        } else if (i + 1 == kondygnacje.size() && pietro >= 0 && strych.match(k.nazwa).hasMatch()) {
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
