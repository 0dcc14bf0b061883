#include "tests/common/dialogiskrypt.h"
#include "ui/main/glowna.h"

#include <QAction>
#include <QFile>
#include <QImageReader>
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

QString Wyjscie(const QString& program, const QStringList& argumenty,
                const QProcessEnvironment& srodowisko = QProcessEnvironment::systemEnvironment()) {
    QProcess p;
    p.setProcessEnvironment(srodowisko);
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

    // Both manual pages in Polish, whole: every section, the Polish letters
    // as letters; every command and option of the help named in the page
    // and in the manual.
    void stronyMan_data() {
        QTest::addColumn<QString>("nazwa");
        QTest::addColumn<QString>("program");
        QTest::newRow("termivo") << "termivo" << TERMIVO_PROGRAM;
        QTest::newRow("termivo-cli") << "termivo-cli" << TERMIVO_CLI;
    }
    void stronyMan() {
        QFETCH(QString, nazwa);
        QFETCH(QString, program);
        QProcessEnvironment polskie = QProcessEnvironment::systemEnvironment();
        polskie.insert(QStringLiteral("LC_ALL"), QStringLiteral("pl_PL.UTF-8"));
        polskie.insert(QStringLiteral("MANWIDTH"), QStringLiteral("80"));
        polskie.insert(QStringLiteral("MAN_KEEP_FORMATTING"), QString());
        const QString strona =
            Wyjscie(QStringLiteral("man"),
                    {QStringLiteral("-l"), QStringLiteral("-P"), QStringLiteral("cat"),
                     QStringLiteral(TERMIVO_MAN) + QLatin1Char('/') + nazwa + QStringLiteral(".1")},
                    polskie)
                .remove(QRegularExpression(QStringLiteral(".\\x08")));
        for (const char* sekcja : {"NAZWA", "SKŁADNIA", "OPIS", "POLECENIA", "OPCJE", "KOD WYJŚCIA",
                                   "PRZYKŁADY", "PLIKI", "ZOBACZ TAKŻE"})
            QVERIFY2(strona.contains(QRegularExpression(
                         QLatin1Char('^') + QString::fromUtf8(sekcja) + QLatin1Char('$'),
                         QRegularExpression::MultilineOption)),
                     sekcja);
        QVERIFY2(!strona.contains(QLatin1Char('?')) && strona.contains(QStringLiteral("świata")),
                 qPrintable(strona));
        // Help needs no display, and says what the page says.
        QProcessEnvironment bezEkranu = polskie;
        bezEkranu.remove(QStringLiteral("DISPLAY"));
        bezEkranu.remove(QStringLiteral("QT_QPA_PLATFORM"));
        QString pomoc = Wyjscie(program, {QStringLiteral("--help")}, bezEkranu);
        QVERIFY(pomoc.startsWith(QStringLiteral("Składnia: ") + nazwa));
        // With every command's own help.
        if (nazwa == QLatin1String("termivo-cli"))
            for (const char* p : {"summary", "check", "orientations", "export", "report", "print",
                                  "import-avk", "import-ifc"})
                pomoc +=
                    Wyjscie(program, {QString::fromLatin1(p), QStringLiteral("--help")}, bezEkranu);
        static const QRegularExpression slowa(
            QStringLiteral("(?:^  ([a-z][a-z-]+) )|(?:(?<![\\w-])(--?[a-z][a-z0-9-]*))"),
            QRegularExpression::MultilineOption);
        QStringList nazwane;
        for (const QRegularExpressionMatch& m : slowa.globalMatch(pomoc))
            nazwane << (m.captured(1).isEmpty() ? m.captured(2) : m.captured(1));
        nazwane.removeDuplicates();
        QVERIFY(nazwane.size() >= (nazwa == QLatin1String("termivo") ? 3 : 30));
        for (const QString& n : nazwane) {
            QVERIFY2(strona.contains(n), qPrintable(QStringLiteral("„%1” nie ma w man").arg(n)));
            QVERIFY2(opis.contains(n), qPrintable(QStringLiteral("„%1” nie ma w opisie").arg(n)));
        }
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

        // A viewer's bookmarks: every chapter at the page its contents row
        // names; the contents' rows link there.
        const QString xml =
            Wyjscie(QStringLiteral("pdftohtml"), {QStringLiteral("-xml"), QStringLiteral("-stdout"),
                                                  QStringLiteral("-q"), QStringLiteral("-i"), pdf});
        static const QRegularExpression zakladka(
            QStringLiteral("<item page=\"(\\d+)\">([^<]+)</item>"));
        QMap<QString, int> zakladki;
        for (const QRegularExpressionMatch& m : zakladka.globalMatch(xml))
            zakladki.insert(m.captured(2), m.captured(1).toInt());
        QVERIFY2(zakladki.size() >= 20, qPrintable(xml.right(2000)));
        static const QRegularExpression wiersz(QStringLiteral("^(\\S.*\\S)\\s{2,}(\\d+)$"),
                                               QRegularExpression::MultilineOption);
        int sprawdzonych = 0;
        for (const QRegularExpressionMatch& m : wiersz.globalMatch(spis))
            if (zakladki.contains(m.captured(1))) {
                QCOMPARE(zakladki.value(m.captured(1)), m.captured(2).toInt());
                ++sprawdzonych;
            }
        QVERIFY(sprawdzonych >= 5);
        QVERIFY(zakladki.contains(QStringLiteral("Skorowidz")));
        QVERIFY(xml.count(QStringLiteral("<a href=")) >= 2 * sprawdzonych);

        // The index names what users look up, each with its pages.
        const int stron = xml.count(QStringLiteral("<page number="));
        const QString skorowidz =
            Wyjscie(QStringLiteral("pdftotext"),
                    {QStringLiteral("-layout"), QStringLiteral("-f"),
                     QString::number(zakladki.value(QStringLiteral("Skorowidz"))),
                     QStringLiteral("-l"), QString::number(stron), pdf, QStringLiteral("-")});
        for (const char* h : {"drukowanie", "cennik", "nawiewniki", "kopia odzyskiwania", "eksport",
                              "import", "termivo-cli", "WT 2021 latem"})
            QVERIFY2(skorowidz.contains(
                         QRegularExpression(QString::fromUtf8(h) + QStringLiteral("\\s+\\d"))),
                     h);
    }

    // Every picture of the manual at a scale that keeps its text legible:
    // the program's 9 pt no smaller than 8 pt, so no picture wider than
    // 9/8 of the page's 170 mm of text (642 px at the pictures' 96 dpi).
    void obrazyCzytelne() {
        static const QRegularExpression obraz(QStringLiteral("!\\[[^\\]]*\\]\\(([^)]+)\\)"));
        int obrazow = 0;
        for (const QRegularExpressionMatch& m : obraz.globalMatch(opis)) {
            const QSize rozmiar =
                QImageReader(QStringLiteral(TERMIVO_OBRAZY "/") + m.captured(1)).size();
            QVERIFY2(rozmiar.isValid() && rozmiar.width() <= 642 * 9 / 8,
                     qPrintable(m.captured(1)));
            // And lower than a page's text (257 mm, 971 px) with its caption.
            QVERIFY2(rozmiar.height() <= 900, qPrintable(m.captured(1)));
            ++obrazow;
        }
        QVERIFY(obrazow >= 10);
    }

    // Read page by page: every entry of the contents stands on the page it
    // names; no heading ends a page; no line is in the text layer of two
    // pages (the foot of one and the top of the next); every picture has
    // its numbered caption.
    void strony() {
        const QString pdf = QStringLiteral(TERMIVO_OPIS_PDF);
        const QString info = Wyjscie(QStringLiteral("pdfinfo"), {pdf});
        const int stron =
            QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(info).captured(1).toInt();
        QVERIFY(stron >= 24);
        QList<QStringList> linie; // of each page, without blank lines and its number
        for (int i = 1; i <= stron; ++i) {
            const QString n = QString::number(i);
            QStringList l =
                Wyjscie(QStringLiteral("pdftotext"), {QStringLiteral("-f"), n, QStringLiteral("-l"),
                                                      n, pdf, QStringLiteral("-")})
                    .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
            l.removeIf([](const QString& w) {
                return w.trimmed().isEmpty() || w.startsWith(QStringLiteral("Strona "));
            });
            linie << l;
        }
        const QString spis =
            Wyjscie(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), QStringLiteral("-l"),
                                                  QStringLiteral("1"), pdf, QStringLiteral("-")});
        static const QRegularExpression pozycja(QStringLiteral("^\\s*(\\S.*\\S)\\s{2,}(\\d+)$"),
                                                QRegularExpression::MultilineOption);
        QStringList naglowki;
        for (const QRegularExpressionMatch& m : pozycja.globalMatch(spis)) {
            const QString tytul = m.captured(1);
            const int strona = m.captured(2).toInt();
            naglowki << tytul;
            QVERIFY2(strona >= 2 && strona <= stron && linie[strona - 1].contains(tytul),
                     qPrintable(QStringLiteral("„%1” nie na stronie %2").arg(tytul).arg(strona)));
        }
        QVERIFY(naglowki.size() > 15);
        for (int i = 1; i < stron; ++i) {
            QVERIFY2(!naglowki.contains(linie[i].last()),
                     qPrintable(QStringLiteral("strona %1 kończy się nagłówkiem").arg(i + 1)));
            if (i + 1 < stron)
                QVERIFY2(linie[i].last() != linie[i + 1].first(),
                         qPrintable(QStringLiteral("„%1” na stronach %2 i %3")
                                        .arg(linie[i].last())
                                        .arg(i + 1)
                                        .arg(i + 2)));
        }
        // The index, the last pages: every page it gives names the term.
        int skorowidz = stron - 1;
        while (skorowidz > 0 && linie[skorowidz].first() != QStringLiteral("Skorowidz"))
            --skorowidz;
        QVERIFY(skorowidz > 1);
        const QString hasla = Wyjscie(QStringLiteral("pdftotext"),
                                      {QStringLiteral("-layout"), QStringLiteral("-f"),
                                       QString::number(skorowidz + 1), pdf, QStringLiteral("-")});
        static const QRegularExpression haslo(QStringLiteral("^(\\S.*\\S)\\s{2,}([\\d, ]+)$"),
                                              QRegularExpression::MultilineOption);
        // A term of docs/skorowidz.txt is named by any of its forms (its first
        // word: a table's layout may set the next one on another line).
        QMap<QString, QRegularExpression> formy;
        QFile plikHasel(QFileInfo(QStringLiteral(TERMIVO_OPIS_ZRODLO))
                            .dir()
                            .filePath(QStringLiteral("skorowidz.txt")));
        QVERIFY(plikHasel.open(QIODevice::ReadOnly));
        for (const QString& w : QString::fromUtf8(plikHasel.readAll()).split(QLatin1Char('\n')))
            if (!w.startsWith(QLatin1Char('#')) && w.contains(QLatin1Char('|')))
                formy.insert(
                    w.section(QLatin1Char('|'), 0, 0).trimmed(),
                    QRegularExpression(w.section(QLatin1Char('|'), 1)
                                           .trimmed()
                                           .section(QStringLiteral("\\s+"), 0, 0),
                                       QRegularExpression::CaseInsensitiveOption |
                                           QRegularExpression::UseUnicodePropertiesOption));
        int hasel = 0;
        for (const QRegularExpressionMatch& m : haslo.globalMatch(hasla)) {
            ++hasel;
            for (const QString& n : m.captured(2).split(QStringLiteral(", "))) {
                const int strona = n.toInt();
                const QString tekst = strona > 1 && strona <= skorowidz
                                          ? linie[strona - 1].join(QLatin1Char(' '))
                                          : QString();
                const bool jest = formy.contains(m.captured(1))
                                      ? formy.value(m.captured(1)).match(tekst).hasMatch()
                                      : tekst.contains(m.captured(1));
                QVERIFY2(jest, qPrintable(
                                   QStringLiteral("„%1” nie na stronie %2").arg(m.captured(1), n)));
            }
        }
        QVERIFY(hasel >= 10);
        const int rysunkow = opis.count(QStringLiteral("!["));
        int podpisow = 0;
        for (const QStringList& l : linie)
            for (const QString& w : l)
                if (w.startsWith(QStringLiteral("Rys. %1. ").arg(podpisow + 1)))
                    ++podpisow;
        QCOMPARE(podpisow, rysunkow);
    }
};

QTEST_MAIN(TestOpis)
#include "tst_opis.moc"
