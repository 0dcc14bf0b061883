#pragma once

#include <QString>

// The program's four-part version, "major.minor.release.build".
QString WersjaProgramu();
