#include "ui/main/ustawienia.h"

std::unique_ptr<QSettings> UstawieniaProgramu() {
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                       QStringLiteral("Termivo"), QStringLiteral("Termivo"));
}
