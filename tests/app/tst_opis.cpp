#include "dialogiskrypt.h"
#include "glowna.h"

#include <QAction>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QRegularExpression>
#include <QtTest>

namespace {

QString Tekst(const QString& sciezka) {
    QFile f(sciezka);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

QString Wyjscie(const QString& program, const QStringList& argumenty) {
    QProcess p;
    p.start(program, argumenty);
    return p.waitForFinished(60000) ? QString::fromUtf8(p.readAllStandardOutput()) : QString();
}

// Every command of the menus, with its own submenus.
void Polecenia(const QList<QAction*>& akcje, QStringList& podpisy) {
    for (QAction* a : akcje) {
        // The recent projects are the user's files, not commands.
        if (a->menu() && a->menu()->objectName() != QLatin1String("OstatnieMI"))
            Polecenia(a->menu()->actions(), podpisy);
        if (a->isSeparator() || a->text().isEmpty())
            continue;
        // "&Cofnij: dodanie okna O1" is the command "Cofnij".
        QString podpis = a->text().remove(QLatin1Char('&')).section(QLatin1Char(':'), 0, 0);
        podpisy << podpis.trimmed();
    }
}

} // namespace

// The manual keeps up with the program: every menu command and every
// termivo-cli command has its word in it, and the PDF made at build time
// has its table of contents and the program's pictures.
class TestOpis : public QObject {
    Q_OBJECT

    const QString opis = Tekst(QStringLiteral(TERMIVO_OPIS_ZRODLO));

private slots:
    void poleceniaMenu() {
        QVERIFY(!opis.isEmpty());
        TDialogiSkrypt d;
        TMainForm f(d);
        QStringList podpisy;
        Polecenia(f.menuBar()->actions(), podpisy);
        QVERIFY(podpisy.size() > 20);
        for (const QString& p : podpisy)
            QVERIFY2(opis.contains(p), qPrintable(QStringLiteral("„%1” nie ma w opisie").arg(p)));
    }

    void poleceniaCli() {
        const QString pomoc = Wyjscie(QStringLiteral(TERMIVO_CLI), {QStringLiteral("--help")});
        QStringList polecenia;
        static const QRegularExpression wiersz(QStringLiteral("^  ([a-z][a-z-]+) "),
                                               QRegularExpression::MultilineOption);
        for (const QRegularExpressionMatch& m : wiersz.globalMatch(pomoc))
            polecenia << m.captured(1);
        QVERIFY(polecenia.size() >= 7);
        for (const QString& p : polecenia)
            QVERIFY2(opis.contains(QStringLiteral("termivo-cli ") + p),
                     qPrintable(QStringLiteral("„termivo-cli %1” nie ma w opisie").arg(p)));
    }

    void pdf() {
        const QString pdf = QStringLiteral(TERMIVO_OPIS_PDF);
        QVERIFY2(QFile::exists(pdf), qPrintable(pdf));
        const QString spis =
            Wyjscie(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), QStringLiteral("-l"),
                                                  QStringLiteral("1"), pdf, QStringLiteral("-")});
        QVERIFY(spis.contains(QStringLiteral("Spis treści")));
        // A heading with the page it starts on.
        QVERIFY2(spis.contains(QRegularExpression(QStringLiteral("Obliczenie Uw\\s+\\d+\\n"))),
                 qPrintable(spis));
        const QString calosc = Wyjscie(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
        QVERIFY(calosc.contains(QStringLiteral("Uw = 1,36 W/m²K")) ||
                calosc.contains(QStringLiteral("Uw = 1,36")));
        const QString obrazy = Wyjscie(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf});
        QVERIFY2(obrazy.count(QStringLiteral(" image ")) >= 8, qPrintable(obrazy));
    }
};

QTEST_MAIN(TestOpis)
#include "tst_opis.moc"
