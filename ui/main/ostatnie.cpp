#include "ui/main/ostatnie.h"

#include "ui/main/stronastartowa.h"
#include "ui/main/ustawienia.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QSettings>

namespace {

const QString KLUCZ = QStringLiteral("OstatnioOtwierane");

} // namespace

TOstatnieProjekty::TOstatnieProjekty(QMenu& menu, TStronaStartowa& strona, QObject* rodzic)
    : QObject(rodzic), menu_(menu), strona_(strona), ustawienia_(UstawieniaProgramu()) {
    // Files that are gone are left out when the menu opens.
    connect(&menu_, &QMenu::aboutToShow, this, &TOstatnieProjekty::Odswiez);
    connect(&strona_, &TStronaStartowa::otworzPlik, this, &TOstatnieProjekty::otworz);
    Odswiez();
}

TOstatnieProjekty::~TOstatnieProjekty() = default;

QStringList TOstatnieProjekty::Lista() const {
    QStringList ostatnie;
    for (const QString& s : ustawienia_->value(KLUCZ).toStringList())
        if (QFileInfo::exists(s))
            ostatnie << s;
    return ostatnie;
}

void TOstatnieProjekty::Dodaj(const QString& sciezka) {
    if (sciezka.isEmpty())
        return;
    const QString pelna = QFileInfo(sciezka).absoluteFilePath();
    QStringList ostatnie = ustawienia_->value(KLUCZ).toStringList();
    ostatnie.removeAll(pelna);
    ostatnie.prepend(pelna);
    while (ostatnie.size() > OSTATNICH)
        ostatnie.removeLast();
    ustawienia_->setValue(KLUCZ, ostatnie);
    ustawienia_->sync();
    Odswiez();
}

void TOstatnieProjekty::Odswiez() {
    const QStringList ostatnie = Lista();
    if (ostatnie != ustawienia_->value(KLUCZ).toStringList())
        ustawienia_->setValue(KLUCZ, ostatnie);
    menu_.clear();
    for (const QString& s : ostatnie) {
        // The folder beside the name: two "dom.tmv" tell apart.
        const QFileInfo info(s);
        QAction* a = menu_.addAction(
            info.fileName() + QStringLiteral("  –  ") +
            menu_.fontMetrics().elidedText(QDir::toNativeSeparators(info.absolutePath()),
                                           Qt::ElideMiddle, 320));
        a->setToolTip(QDir::toNativeSeparators(s));
        a->setStatusTip(a->toolTip());
        connect(a, &QAction::triggered, this, [this, s] { emit otworz(s); });
    }
    menu_.setEnabled(!ostatnie.isEmpty());
    strona_.UstawOstatnie(ostatnie);
}
