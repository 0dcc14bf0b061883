#include "uslugi/postep.h"

#include <QCoreApplication>
#include <QPushButton>

TPostep::TPostep(const QString& tytul, QWidget* rodzic) : QProgressDialog(rodzic) {
    setObjectName(QStringLiteral("Postep"));
    setWindowTitle(tytul);
    setWindowModality(Qt::WindowModal);
    auto* anuluj = new QPushButton(QStringLiteral("Anuluj"), this);
    anuluj->setObjectName(QStringLiteral("AnulujBtn"));
    setCancelButton(anuluj);
    setMinimumDuration(0);
    setAutoClose(false);
    setAutoReset(false);
    setMinimumWidth(360);
    setRange(0, 0);
    show();
    QCoreApplication::processEvents();
}

bool TPostep::Krok(int n, int z, const QString& tekst) {
    if (!odswiezony_.isValid() || odswiezony_.elapsed() >= 50 || (z > 0 && n >= z)) {
        odswiezony_.start();
        setLabelText(tekst);
        if (z > 0 && maximum() != z)
            setRange(0, z);
        if (z > 0)
            setValue(std::min(n, z));
        QCoreApplication::processEvents();
    }
    return !wasCanceled();
}
