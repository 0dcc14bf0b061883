#pragma once

#include <QString>

#include <functional>

class QLineEdit;
class QPlainTextEdit;

// Text fields take only characters that a project file can store: anything
// else is refused as it is typed or pasted, and `zglos` is told why.
using TZgloszenieZnaku = std::function<void(const QString& powod)>;

void PilnujZnakow(QLineEdit* pole, TZgloszenieZnaku zglos);
void PilnujZnakow(QPlainTextEdit* pole, TZgloszenieZnaku zglos);

// Why a character was refused, for the status bar.
QString PowodOdrzuceniaZnaku(const QString& znak);
