#include "ui/main/stronastartowa.h"

#include <QCommandLinkButton>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QVBoxLayout>

TStronaStartowa::TStronaStartowa(QWidget* rodzic) : QWidget(rodzic) {
    setObjectName(QStringLiteral("StronaStartowa"));
    auto* uklad = new QVBoxLayout(this);
    uklad->setContentsMargins(24, 18, 24, 18);
    auto* tytul = new QLabel(QStringLiteral("Termivo – zestawienie stolarki okiennej"), this);
    QFont duza = tytul->font();
    duza.setPointSizeF(duza.pointSizeF() * 1.4);
    duza.setBold(true);
    tytul->setFont(duza);
    uklad->addWidget(tytul);
    auto przycisk = [this, uklad](const char* nazwa, const QString& tekst, const QString& opis) {
        auto* b = new QCommandLinkButton(tekst, opis, this);
        b->setObjectName(QLatin1String(nazwa));
        uklad->addWidget(b);
        return b;
    };
    NowyBtn = przycisk("NowyBtn", QStringLiteral("Nowy projekt"),
                       QStringLiteral("Puste zestawienie stolarki"));
    OtworzBtn = przycisk("OtworzBtn", QStringLiteral("Otwórz projekt..."),
                         QStringLiteral("Projekt zapisany w pliku .tmv"));
    ImportBtn = przycisk("ImportBtn", QStringLiteral("Import z Arvo-K..."),
                         QStringLiteral("Okna i drzwi projektu programu Arvo-K (.avk)"));
    connect(NowyBtn, &QCommandLinkButton::clicked, this, &TStronaStartowa::nowy);
    connect(OtworzBtn, &QCommandLinkButton::clicked, this, &TStronaStartowa::otworz);
    ImportIfcBtn = przycisk("ImportIfcBtn", QStringLiteral("Import z IFC..."),
                            QStringLiteral("Okna modelu budynku architekta (.ifc)"));
    connect(ImportBtn, &QCommandLinkButton::clicked, this, &TStronaStartowa::importuj);
    connect(ImportIfcBtn, &QCommandLinkButton::clicked, this, &TStronaStartowa::importujIfc);
    naglowekOstatnich_ = new QLabel(QStringLiteral("Ostatnio otwierane"), this);
    QFont pogrubiona = naglowekOstatnich_->font();
    pogrubiona.setBold(true);
    naglowekOstatnich_->setFont(pogrubiona);
    uklad->addSpacing(8);
    uklad->addWidget(naglowekOstatnich_);
    ostatnie_ = new QVBoxLayout;
    ostatnie_->setSpacing(0);
    uklad->addLayout(ostatnie_);
    uklad->addStretch(1);
    UstawOstatnie({});
}

void TStronaStartowa::UstawOstatnie(const QStringList& sciezki) {
    qDeleteAll(OstatnieBtn);
    OstatnieBtn.clear();
    for (const QString& sciezka : sciezki) {
        const QFileInfo info(sciezka);
        // Its folder under the name: two "dom.tmv" tell apart.
        auto* b = new QCommandLinkButton(info.fileName(),
                                         QDir::toNativeSeparators(info.absolutePath()), this);
        b->setToolTip(QDir::toNativeSeparators(sciezka));
        b->setStatusTip(b->toolTip());
        b->setMinimumHeight(0);
        connect(b, &QCommandLinkButton::clicked, this,
                [this, sciezka] { emit otworzPlik(sciezka); });
        ostatnie_->addWidget(b);
        OstatnieBtn << b;
    }
    naglowekOstatnich_->setVisible(!sciezki.isEmpty());
}
