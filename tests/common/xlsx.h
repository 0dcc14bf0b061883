#pragma once

#include <QByteArray>
#include <QHash>
#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QXmlStreamReader>

// A workbook as a test reads it: the cells of one sheet, unzipped.

// A cell of a sheet as the workbook holds it: its type ("n" a number, "s"
// a text, "f" a formula) and its value or cached value.
struct TKomorkaXlsx {
    QString typ;
    QString wartosc;
};

inline QByteArray Rozpakuj(const QString& xlsx, const QString& plik) {
    QProcess p;
    p.start(QStringLiteral("unzip"), {QStringLiteral("-p"), xlsx, plik});
    return p.waitForFinished(60000) ? p.readAllStandardOutput() : QByteArray();
}

inline QHash<QString, TKomorkaXlsx> Komorki(const QByteArray& xml) {
    QHash<QString, TKomorkaXlsx> komorki;
    QXmlStreamReader r(xml);
    QString adres, typ, wartosc;
    bool formula = false;
    while (!r.atEnd()) {
        r.readNext();
        if (r.isStartElement() && r.name() == QLatin1String("c")) {
            adres = r.attributes().value(QStringLiteral("r")).toString();
            typ = r.attributes().value(QStringLiteral("t")).toString();
            wartosc.clear();
            formula = false;
        } else if (r.isStartElement() && r.name() == QLatin1String("f")) {
            formula = true;
            r.readElementText();
        } else if (r.isStartElement() &&
                   (r.name() == QLatin1String("v") || r.name() == QLatin1String("t"))) {
            wartosc += r.readElementText();
        } else if (r.isEndElement() && r.name() == QLatin1String("c")) {
            komorki.insert(adres, {formula ? QStringLiteral("f")
                                   : typ == QLatin1String("inlineStr") ||
                                           typ == QLatin1String("s") || typ == QLatin1String("str")
                                       ? QStringLiteral("s")
                                       : QStringLiteral("n"),
                                   wartosc});
        }
    }
    return komorki;
}

// The columns of the first row by their headings.
inline QHash<QString, QString> Naglowki(const QHash<QString, TKomorkaXlsx>& c) {
    QHash<QString, QString> n;
    for (auto it = c.cbegin(); it != c.cend(); ++it)
        if (it.key().endsWith(QLatin1Char('1')) && !it.key().endsWith(QStringLiteral("11")) &&
            it.key().size() <= 3 && it.key().chopped(1).toUpper() == it.key().chopped(1) &&
            !it.key().chopped(1).contains(QRegularExpression(QStringLiteral("[0-9]"))))
            n.insert(it->wartosc, it.key().chopped(1));
    return n;
}
