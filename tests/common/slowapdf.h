#pragma once

#include <QFile>
#include <QList>
#include <QProcess>
#include <QRectF>
#include <QRegularExpression>
#include <QString>
#include <QTemporaryFile>

// The words of a PDF file as poppler's pdftotext -bbox finds them: page
// (1-based), box in millimetres from the page's top left corner, text.
struct TSlowoPdf {
    int strona;
    QRectF mm;
    QString tekst;
};

inline QList<TSlowoPdf> SlowaPdf(const QString& pdf) {
    QList<TSlowoPdf> slowa;
    QTemporaryFile html;
    if (!html.open())
        return slowa;
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, html.fileName()});
    if (!p.waitForFinished(120000) || p.exitCode() != 0)
        return slowa;
    const QString tresc = QString::fromUtf8(html.readAll());
    static const QRegularExpression strona(QStringLiteral("<page |<word ([^>]*)>([^<]*)</word>"));
    static const QRegularExpression liczba(QStringLiteral("(xMin|yMin|xMax|yMax)=\"([-0-9.]+)\""));
    int n = 0;
    for (const QRegularExpressionMatch& m : strona.globalMatch(tresc)) {
        if (m.captured(0).startsWith(QStringLiteral("<page"))) {
            ++n;
            continue;
        }
        double v[4] = {};
        for (const QRegularExpressionMatch& l : liczba.globalMatch(m.captured(1))) {
            const int i = QStringList{"xMin", "yMin", "xMax", "yMax"}.indexOf(l.captured(1));
            v[i] = l.captured(2).toDouble() * 25.4 / 72;
        }
        QString t = m.captured(2);
        t.replace(QStringLiteral("&amp;"), QStringLiteral("&"))
            .replace(QStringLiteral("&lt;"), QStringLiteral("<"))
            .replace(QStringLiteral("&gt;"), QStringLiteral(">"))
            .replace(QStringLiteral("&quot;"), QStringLiteral("\""));
        slowa.append({n, QRectF(QPointF(v[0], v[1]), QPointF(v[2], v[3])), t});
    }
    return slowa;
}

// The largest distance (mm) between the same words of two files, word for
// word; -1 when they hold different words.
inline double RoznicaSlow(const QList<TSlowoPdf>& a, const QList<TSlowoPdf>& b) {
    if (a.size() != b.size() || a.isEmpty())
        return -1;
    double max = 0;
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (a[i].strona != b[i].strona || a[i].tekst != b[i].tekst)
            return -1;
        const QRectF &x = a[i].mm, &y = b[i].mm;
        for (double d : {x.left() - y.left(), x.top() - y.top(), x.right() - y.right(),
                         x.bottom() - y.bottom()})
            max = std::max(max, std::abs(d));
    }
    return max;
}
