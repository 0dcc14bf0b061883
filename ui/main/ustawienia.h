#pragma once

#include <QSettings>

#include <memory>

// The user's settings of the program (recent projects, the window's place
// and size, the last folder), one INI file in the user's configuration.
std::unique_ptr<QSettings> UstawieniaProgramu();
