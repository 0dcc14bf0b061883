// termivo-instrukcja OPIS.md OBRAZY OUT.pdf: the program's manual from its
// Markdown source and the pictures the screenshot tool made, as an A4 PDF
// with a table of contents and page numbers, in the report's font.

#include "raport.h"

#include <QAbstractTextDocumentLayout>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFragment>
#include <QUrl>

#include <cstdio>
#include <vector>

namespace {

constexpr int DPI = 96;         // the document's pixels, as the pictures have them
constexpr double MARGINES = 20; // mm
const QString STOPKA = QStringLiteral("Strona %1");

struct TNaglowek {
    int poziom;
    QString tekst;
    int strona; // 0-based, within the content
};

double Piksele(double mm) {
    return mm * DPI / 25.4;
}

// Pictures no wider than the page's text.
void DopasujObrazy(QTextDocument& d, const QString& katalog, double szerokosc) {
    for (QTextBlock b = d.begin(); b.isValid(); b = b.next()) {
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextFragment f = it.fragment();
            if (!f.charFormat().isImageFormat())
                continue;
            QTextImageFormat obraz = f.charFormat().toImageFormat();
            const QImage i(QFileInfo(katalog + QLatin1Char('/') + obraz.name()).absoluteFilePath());
            if (i.isNull())
                continue;
            const double skala = std::min(1.0, szerokosc / i.width());
            obraz.setWidth(i.width() * skala);
            obraz.setHeight(i.height() * skala);
            QTextCursor c(&d);
            c.setPosition(f.position());
            c.setPosition(f.position() + f.length(), QTextCursor::KeepAnchor);
            c.setCharFormat(obraz);
        }
    }
}

int Strony(const QTextDocument& d) {
    return std::max(1, d.pageCount());
}

void RysujStrone(QPainter& p, QTextDocument& d, int strona, int numer, const QRectF& tresc) {
    p.save();
    p.translate(tresc.left(), tresc.top() - strona * tresc.height());
    d.drawContents(&p, QRectF(0, strona * tresc.height(), tresc.width(), tresc.height()));
    p.restore();
    QFont f = d.defaultFont();
    f.setPointSizeF(8);
    p.setFont(f);
    p.drawText(QRectF(tresc.left(), tresc.bottom() + Piksele(4), tresc.width(), Piksele(6)),
               Qt::AlignHCenter | Qt::AlignTop, STOPKA.arg(numer));
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 4) {
        std::fprintf(stderr, "Usage: termivo-instrukcja OPIS.md OBRAZY OUT.pdf\n");
        return 2;
    }
    const QString katalog = QString::fromLocal8Bit(argv[2]);
    QFile zrodlo(QString::fromLocal8Bit(argv[1]));
    if (!zrodlo.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "Nie można odczytać pliku %s.\n", argv[1]);
        return 1;
    }
    ZarejestrujTahome();
    QFont pismo(DomyslnaCzcionkaRaportu());
    pismo.setPointSizeF(10.5);

    QPdfWriter pdf(QString::fromLocal8Bit(argv[3]));
    pdf.setPageSize(QPageSize(QPageSize::A4));
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    pdf.setResolution(DPI);
    pdf.setTitle(QStringLiteral("Termivo – opis programu"));
    pdf.setCreator(QStringLiteral("Termivo"));
    const QSizeF strona(Piksele(210), Piksele(297));
    const QRectF tresc(Piksele(MARGINES), Piksele(MARGINES), strona.width() - 2 * Piksele(MARGINES),
                       strona.height() - 2 * Piksele(MARGINES) - Piksele(8));

    QTextDocument opis;
    opis.setDefaultFont(pismo);
    opis.setBaseUrl(QUrl::fromLocalFile(katalog + QLatin1Char('/')));
    opis.setMarkdown(QString::fromUtf8(zrodlo.readAll()));
    DopasujObrazy(opis, katalog, tresc.width());
    opis.setPageSize(tresc.size());

    // Where each heading landed.
    std::vector<TNaglowek> naglowki;
    for (QTextBlock b = opis.begin(); b.isValid(); b = b.next()) {
        const int poziom = b.blockFormat().headingLevel();
        if (poziom < 1 || poziom > 3)
            continue;
        const QRectF r = opis.documentLayout()->blockBoundingRect(b);
        naglowki.push_back({poziom, b.text(), static_cast<int>(r.top() / tresc.height())});
    }

    // The table of contents: its page numbers count its own pages first.
    QTextDocument spis;
    spis.setDefaultFont(pismo);
    spis.setPageSize(tresc.size());
    auto zbudujSpis = [&](int przesuniecie) {
        QString html =
            QStringLiteral("<h1>Spis treści</h1><table width=\"100%\" cellpadding=\"2\">");
        for (const TNaglowek& n : naglowki) {
            if (n.poziom == 1)
                continue; // the title
            const QString wciecie =
                n.poziom == 3 ? QStringLiteral("&nbsp;&nbsp;&nbsp;&nbsp;") : QString();
            html += QStringLiteral("<tr><td>%1%2</td><td align=\"right\">%3</td></tr>")
                        .arg(wciecie, n.tekst.toHtmlEscaped())
                        .arg(n.strona + 1 + przesuniecie);
        }
        spis.setHtml(html + QStringLiteral("</table>"));
    };
    zbudujSpis(0);
    const int stronSpisu = Strony(spis);
    zbudujSpis(stronSpisu);

    QPainter p;
    if (!p.begin(&pdf)) {
        std::fprintf(stderr, "Nie można zapisać pliku %s.\n", argv[3]);
        return 1;
    }
    int numer = 1;
    for (int i = 0; i < stronSpisu; ++i, ++numer) {
        if (numer > 1)
            pdf.newPage();
        RysujStrone(p, spis, i, numer, tresc);
    }
    for (int i = 0; i < Strony(opis); ++i, ++numer) {
        pdf.newPage();
        RysujStrone(p, opis, i, numer, tresc);
    }
    return p.end() ? 0 : 1;
}
