#pragma once

#include "cli/json.h"
#include "model/pliki/plikprofilu.h"
#include "model/pliki/plikprojektu.h"
#include "model/zestawienie.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>

#include <csignal>
#include <cstdio>
#include <cstring>
#include <sys/resource.h>

namespace {

struct Wynik {
    int kod = -1;
    QByteArray wyjscie;
    QString bledy;
};

inline Wynik Uruchom(const QStringList& argumenty,
                     const QString& jezyk = QStringLiteral("pl_PL.UTF-8")) {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    // As in a script on a server: no display, no platform chosen.
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    env.insert(QStringLiteral("LC_ALL"), jezyk);
    env.insert(QStringLiteral("LANG"), jezyk);
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(TERMIVO_CLI), argumenty);
    Wynik w;
    if (!p.waitForFinished(60000))
        return w;
    w.kod = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -2;
    w.wyjscie = p.readAllStandardOutput();
    w.bledy = QString::fromUtf8(p.readAllStandardError());
    return w;
}

// What a poppler tool says of a PDF file.
inline QString Poppler(const QString& narzedzie, const QStringList& argumenty) {
    QProcess p;
    p.start(narzedzie, argumenty);
    return p.waitForFinished(60000) ? QString::fromUtf8(p.readAllStandardOutput()) : QString();
}

inline QString Wzorcowy() {
    return qEnvironmentVariable("TERMIVO_TEST_DATA") + QStringLiteral("/model/dane/wzorcowy.tmv");
}

} // namespace

// What the tests of the command-line companion share: a folder of their own.
class TTestCli : public QObject {
protected:
    QTemporaryDir katalog;
};
