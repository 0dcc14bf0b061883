#pragma once

#include <QString>
#include <QStringList>

// The fonts the report may be printed in.

// The report's font at first: Tahoma where it is installed, else the
// platform's own family.
QString DomyslnaCzcionkaRaportu();
// The families of the installed fonts, each once, without the foundry that
// tells two copies of one family apart ("Nimbus Sans [urw]").
QStringList RodzinyCzcionek();
