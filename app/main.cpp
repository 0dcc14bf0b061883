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
    // A project file given on the command line (or by the desktop) opens at once.
    const QStringList argumenty = QApplication::arguments();
    if (argumenty.size() > 1)
        okno.OtworzPlik(argumenty.at(1));
    return app.exec();
}
