#pragma once

#include <QString>

#include <functional>

class QLineEdit;
class QPlainTextEdit;

// Text fields take only characters that a project file can store: as text
// is typed or pasted it is composed, characters with an obvious storable
// equivalent are replaced and the others left out, and `zglos` is told
// which (the rest of the text goes in).
using TZgloszenieZnaku = std::function<void(const QString& powod)>;

void PilnujZnakow(QLineEdit* pole, TZgloszenieZnaku zglos);
void PilnujZnakow(QPlainTextEdit* pole, TZgloszenieZnaku zglos);

// Why a character was left out, for the status bar.
QString PowodOdrzuceniaZnaku(const QString& znak);
