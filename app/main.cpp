// Termivo: start-up.

#include "dialogi.h"
#include "glowna.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Termivo"));
    TDialogiQt dialogi;
    TMainForm okno(dialogi);
    okno.show();
    return app.exec();
}
