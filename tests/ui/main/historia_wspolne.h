#pragma once

#include "model/liczby.h"
#include "model/obliczenia/uw.h"
#include "model/pliki/odzysk.h"
#include "model/pliki/plikprojektu.h"
#include "model/zestawienie.h"
#include "tests/common/dialogiskrypt.h"
#include "tests/common/polaedytora.h"
#include "tests/common/polapanelu.h"
#include "tests/common/projektytestowe.h"
#include "tests/common/zdarzenia.h"
#include "ui/main/drzewoprojektu.h"
#include "ui/main/edytorokna.h"
#include "ui/main/glowna.h"
#include "ui/main/panelprojektu.h"
#include "ui/main/polecenia.h"
#include "ui/main/stronastartowa.h"

#include <QAction>
#include <QCheckBox>
#include <QCommandLinkButton>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QProcess>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QToolBar>
#include <QTreeWidget>
#include <QtTest>

#include <csignal>
#include <functional>
#include <memory>

namespace {

using O = TDialogi::Odpowiedz;

// The whole project as its file would hold it: every field of every window,
// in list order.
inline QByteArray Stan(const TMainForm& f) {
    return f.Projekt() ? ZapiszProjektDoBajtow(*f.Projekt()).value_or(QByteArray()) : QByteArray();
}

// The child of the recovery test: a project with an edit, its recovery copy
// written, then it waits to be killed.
inline int Dziecko(int argc, char* argv[]) {
    QApplication app(argc, argv);
    TDialogiSkrypt d;
    TMainForm f(d);
    f.show();
    f.UstawOdstepOdzysku(50);
    f.Nowy();
    d.teksty << QStringLiteral("O7");
    f.DodajOkno();
    Wpisz(TPolaEdytora(f.ElementStolarkiPanel).SzerokoscEd, QStringLiteral("1234"));
    const QDir katalog(TOdzysk::Katalog());
    while (katalog.entryList({QStringLiteral("*.tmv")}).isEmpty())
        QTest::qWait(20);
    QTest::qWait(200); // a write or two more
    std::printf("gotowe\n");
    std::fflush(stdout);
    for (;;)
        QTest::qWait(1000);
}

} // namespace

// What the tests of the history and files share: a main window afresh for each test, clicks in its
// tree, projects saved and opened.
class TTestHistorii : public QObject {
protected:
    std::unique_ptr<TDialogiSkrypt> d;
    std::unique_ptr<TMainForm> f;
    QTemporaryDir katalog;

    void Pokazane() {
        f->show();
        f->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.get()));
    }
    void Wybierz(const QString& tekst) {
        const QList<QTreeWidgetItem*> w =
            f->StolarkaTree->findItems(tekst, Qt::MatchExactly | Qt::MatchRecursive);
        QVERIFY(!w.isEmpty());
        QTest::mouseClick(f->StolarkaTree->viewport(), Qt::LeftButton, {},
                          f->StolarkaTree->visualItemRect(w.first()).center());
    }
    void Klawisz(Qt::Key k, Qt::KeyboardModifiers m = Qt::ControlModifier) {
        f->StolarkaTree->setFocus();
        QTest::keyClick(f->StolarkaTree, k, m);
    }
    // A project as `zbuduj` makes it, saved under `nazwa`, opened and shown.
    QString Otwarty(const QString& nazwa,
                    const std::function<void(TZestawienieStolarki&)>& zbuduj) {
        TZestawienieStolarki p;
        zbuduj(p);
        const QString plik = katalog.filePath(nazwa);
        if (ZapiszProjekt(p, plik) != WYNIK_OK || !f->OtworzPlik(plik))
            return QString();
        Pokazane();
        return plik;
    }
    // Every window node clicked in turn, then the root.
    void Kazde() {
        for (const QString& s : Dzieci())
            Wybierz(s);
        Wybierz(f->StolarkaTree->topLevelItem(0)->text(0));
    }
    QStringList Dzieci() const {
        QStringList l;
        const QTreeWidgetItem* k = f->StolarkaTree->topLevelItem(0);
        for (int i = 0; k && i < k->childCount(); ++i)
            l << k->child(i)->text(0);
        return l;
    }
    // A copy left by a program that ended without closing its project.
    static void Pozostawiona(const QString& plik) {
        TOdzysk odzysk;
        TZestawienieStolarki z;
        z.AddOkno(QStringLiteral("Z9"));
        QVERIFY(odzysk.Zapisz(z, plik, QFileInfo(plik).fileName()));
    }

    void initTestCaseWspolne() {
        QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));
        QVERIFY(katalog.isValid());
        QDir(TOdzysk::Katalog()).removeRecursively(); // what earlier runs left
    }
    void initWspolne() {
        d = std::make_unique<TDialogiSkrypt>();
        f = std::make_unique<TMainForm>(*d);
    }
    void cleanupWspolne() {
        if (f && f->Projekt()) {
            d->odpowiedzi << O::Nie;
            f->Zamknij();
        }
        f.reset();
        d.reset();
    }
};
