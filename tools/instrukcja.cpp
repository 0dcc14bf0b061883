// termivo-instrukcja OPIS.md OBRAZY OUT.pdf: the program's manual from its
// Markdown source and the pictures the screenshot tool made, as an A4 PDF
// with a table of contents and page numbers, in the report's font.

#include "app/czcionki.h"
#include "report/raport/czcionki.h"
#include "report/raport/raport.h"
#include "tools/zakladkipdf.h"

#include <QAbstractTextDocumentLayout>
#include <QCollator>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHash>
#include <QImage>
#include <QLocale>
#include <QMap>
#include <QPainter>
#include <QPalette>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextTable>
#include <QUrl>

#include <algorithm>
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
    double y;   // its top within that page's text, px
};

// A height within a page's text (px) as PDF points from the page's foot.
double PunktyOdDolu(double y, const QRectF& tresc) {
    constexpr double A4_PT = 842;
    return A4_PT - (tresc.top() + y) * 72.0 / DPI;
}

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

// A table that goes on to the next page repeats its heading row there.
void NaglowkiTabel(QTextDocument& d) {
    for (QTextBlock b = d.begin(); b.isValid(); b = b.next()) {
        QTextTable* t = QTextCursor(b).currentTable();
        if (!t || t->format().headerRowCount() == 1)
            continue;
        QTextTableFormat f = t->format();
        f.setHeaderRowCount(1);
        t->setFormat(f);
    }
}

int Strony(const QTextDocument& d) {
    return std::max(1, d.pageCount());
}

// Where a block's first (or last) line stands: a heading's top margin may
// begin on the page before its text.
double GoraLinii(const QTextDocument& d, const QTextBlock& b, bool ostatnia) {
    const double gora = d.documentLayout()->blockBoundingRect(b).top();
    const QTextLayout* l = b.layout();
    if (!l || l->lineCount() == 0)
        return gora;
    return gora + l->lineAt(ostatnia ? l->lineCount() - 1 : 0).y();
}
int Strona(const QTextDocument& d, const QTextBlock& b, double wysokosc, bool ostatnia = false) {
    return static_cast<int>(GoraLinii(d, b, ostatnia) / wysokosc);
}

bool Naglowek(const QTextBlock& b) {
    return b.blockFormat().headingLevel() > 0;
}
// The file of the block's picture; empty when it has none.
QString Obraz(const QTextBlock& b) {
    for (auto it = b.begin(); !it.atEnd(); ++it)
        if (it.fragment().charFormat().isImageFormat())
            return it.fragment().charFormat().toImageFormat().name();
    return QString();
}

// Every picture gets its numbered caption below it, from its description
// in the source: "Rys. 3. Podgląd wydruku".
void Podpisz(QTextDocument& d, const QString& zrodlo) {
    static const QRegularExpression obrazMd(QStringLiteral("!\\[([^\\]]*)\\]\\(([^)]+)\\)"));
    QHash<QString, QString> opisy;
    for (const QRegularExpressionMatch& m : obrazMd.globalMatch(zrodlo))
        opisy.insert(m.captured(2), m.captured(1));
    int numer = 0;
    for (QTextBlock b = d.begin(); b.isValid(); b = b.next()) {
        const QString nazwa = Obraz(b);
        if (nazwa.isEmpty())
            continue;
        QTextCursor c(b);
        QTextBlockFormat srodek = b.blockFormat();
        srodek.setAlignment(Qt::AlignHCenter);
        srodek.setBottomMargin(2);
        c.setBlockFormat(srodek);
        c.movePosition(QTextCursor::EndOfBlock);
        QTextBlockFormat podpis;
        podpis.setAlignment(Qt::AlignHCenter);
        podpis.setBottomMargin(10);
        QTextCharFormat kursywa;
        kursywa.setFontItalic(true);
        kursywa.setFontPointSize(9);
        c.insertBlock(podpis, kursywa);
        c.insertText(QStringLiteral("Rys. %1. %2").arg(++numer).arg(opisy.value(nazwa, nazwa)));
        b = c.block();
    }
}

// A heading never stands alone at a page's foot, nor a picture apart from
// its caption, and a paragraph of up to a dozen lines is never split by a
// page break (a split one would be drawn on both pages' text layers: the
// layout draws one line above the page it is asked for). Such a block
// starts the next page; each move is laid out before the next is looked for.
void TrzymajZNastepnym(QTextDocument& d, double wysokosc) {
    constexpr int NAJWYZEJ_LINII = 12;
    for (int proba = 0; proba < 2000; ++proba) {
        // The layout is lazy: the whole document laid out before it is read.
        d.documentLayout()->documentSize();
        bool przeniesiono = false;
        for (QTextBlock b = d.begin(); b.isValid() && !przeniesiono; b = b.next()) {
            if (b.blockFormat().pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore ||
                QTextCursor(b).currentTable())
                continue;
            const int strona = Strona(d, b, wysokosc, true);
            const QTextBlock nastepny = b.next();
            const bool rozdzielony = Strona(d, b, wysokosc) != strona && b.layout() &&
                                     b.layout()->lineCount() <= NAJWYZEJ_LINII;
            const bool osamotniony = nastepny.isValid() && (Naglowek(b) || !Obraz(b).isEmpty()) &&
                                     Strona(d, nastepny, wysokosc) != strona;
            if (!rozdzielony && !osamotniony)
                continue;
            // A heading just above goes with it.
            QTextBlock pierwszy = b;
            if (b.previous().isValid() && Naglowek(b.previous()) && !Naglowek(b))
                pierwszy = b.previous();
            QTextBlockFormat f = pierwszy.blockFormat();
            f.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
            QTextCursor(pierwszy).setBlockFormat(f);
            przeniesiono = true;
        }
        if (!przeniesiono)
            return;
    }
}

// The index: the glossary's terms (of two letters and more: a one-letter
// symbol is on every page) and the terms users look up (docs/skorowidz.txt:
// a term and the pattern of its forms), each with the pages that name it
// outside the glossary, as they are numbered in print (`przesuniecie`
// pages before the content's first).
QString Skorowidz(const QTextDocument& d, const QString& zrodlo, const QString& hasla_,
                  double wysokosc, int przesuniecie) {
    QMap<QString, QRegularExpression> hasla;
    const qsizetype poczatek = zrodlo.indexOf(QStringLiteral("\n## Słowniczek"));
    if (poczatek >= 0) {
        const qsizetype koniec = zrodlo.indexOf(QStringLiteral("\n## "), poczatek + 1);
        static const QRegularExpression haslo(QStringLiteral("^- \\*\\*([^*]+)\\*\\*"),
                                              QRegularExpression::MultilineOption);
        for (const QRegularExpressionMatch& m :
             haslo.globalMatch(zrodlo.mid(poczatek, koniec < 0 ? -1 : koniec - poczatek)))
            if (m.captured(1).size() > 1)
                hasla.insert(m.captured(1),
                             QRegularExpression(QStringLiteral("(?<!\\w)") +
                                                QRegularExpression::escape(m.captured(1)) +
                                                QStringLiteral("(?!\\w)")));
    }
    for (const QString& w : hasla_.split(QLatin1Char('\n'))) {
        if (w.trimmed().isEmpty() || w.startsWith(QLatin1Char('#')))
            continue;
        const QString nazwa = w.section(QLatin1Char('|'), 0, 0).trimmed();
        const QString wzor = w.section(QLatin1Char('|'), 1).trimmed();
        if (!nazwa.isEmpty() && !wzor.isEmpty())
            hasla.insert(nazwa, QRegularExpression(
                                    wzor, QRegularExpression::CaseInsensitiveOption |
                                              QRegularExpression::UseUnicodePropertiesOption));
    }
    QStringList kolejne = hasla.keys();
    QCollator polski{QLocale(QLocale::Polish, QLocale::Poland)};
    polski.setCaseSensitivity(Qt::CaseInsensitive);
    std::sort(kolejne.begin(), kolejne.end(), polski);
    // The glossary's own blocks: from its heading to the next heading.
    int odSlowniczka = -1, doSlowniczka = -1;
    for (QTextBlock b = d.begin(); b.isValid(); b = b.next()) {
        if (!Naglowek(b))
            continue;
        if (odSlowniczka >= 0 && doSlowniczka < 0)
            doSlowniczka = b.position();
        if (b.text() == QStringLiteral("Słowniczek"))
            odSlowniczka = b.position();
    }
    QString html = QStringLiteral("<h1>Skorowidz</h1><table width=\"100%\" cellpadding=\"2\">");
    for (const QString& h : kolejne) {
        QList<int> strony;
        for (QTextBlock b = d.begin(); b.isValid(); b = b.next()) {
            if (b.position() >= odSlowniczka && (doSlowniczka < 0 || b.position() < doSlowniczka))
                continue;
            for (const QRegularExpressionMatch& m : hasla[h].globalMatch(b.text())) {
                const QTextLine l =
                    b.layout()->lineForTextPosition(static_cast<int>(m.capturedStart()));
                const double y =
                    d.documentLayout()->blockBoundingRect(b).top() + (l.isValid() ? l.y() : 0);
                const int strona = static_cast<int>(y / wysokosc) + 1 + przesuniecie;
                if (!strony.contains(strona))
                    strony << strona;
            }
        }
        if (strony.isEmpty())
            continue;
        std::sort(strony.begin(), strony.end());
        QStringList numery;
        for (int n : strony)
            numery << QString::number(n);
        html += QStringLiteral("<tr><td>%1</td><td align=\"right\">%2</td></tr>")
                    .arg(h.toHtmlEscaped(), numery.join(QStringLiteral(", ")));
    }
    return html + QStringLiteral("</table>");
}

// A page of the document. A line the layout lets reach a few pixels past a
// page's foot is drawn whole on that page and not again at the top of the
// next, so that the text layer (search, copy) has every line once.
void RysujStrone(QPainter& p, QTextDocument& d, int strona, int numer, const QRectF& tresc) {
    constexpr double ZAPAS = 6; // px
    p.save();
    p.translate(tresc.left(), tresc.top() - strona * tresc.height());
    const QRectF kartka(0, strona * tresc.height(), tresc.width(), tresc.height());
    p.setClipRect(kartka.adjusted(0, 0, 0, ZAPAS));
    QAbstractTextDocumentLayout::PaintContext kontekst;
    kontekst.clip = kartka.adjusted(0, ZAPAS, 0, 0);
    kontekst.palette.setColor(QPalette::Text, Qt::black);
    d.documentLayout()->draw(&p, kontekst);
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
    const QString markdown = QString::fromUtf8(zrodlo.readAll());
    opis.setMarkdown(markdown);
    DopasujObrazy(opis, katalog, tresc.width());
    NaglowkiTabel(opis);
    Podpisz(opis, markdown);
    opis.setPageSize(tresc.size());
    TrzymajZNastepnym(opis, tresc.height());

    // Where each heading landed.
    std::vector<TNaglowek> naglowki;
    for (QTextBlock b = opis.begin(); b.isValid(); b = b.next()) {
        const int poziom = b.blockFormat().headingLevel();
        if (poziom < 1 || poziom > 3)
            continue;
        const int s = Strona(opis, b, tresc.height());
        naglowki.push_back({poziom, b.text(), s, GoraLinii(opis, b, false) - s * tresc.height()});
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
        // The index follows the content.
        html += QStringLiteral("<tr><td>Skorowidz</td><td align=\"right\">%1</td></tr>")
                    .arg(przesuniecie + Strony(opis) + 1);
        spis.setHtml(html + QStringLiteral("</table>"));
    };
    zbudujSpis(0);
    const int stronSpisu = Strony(spis);
    zbudujSpis(stronSpisu);

    QTextDocument skorowidz;
    skorowidz.setDefaultFont(pismo);
    skorowidz.setPageSize(tresc.size());
    QFile hasla(
        QFileInfo(QString::fromLocal8Bit(argv[1])).dir().filePath(QStringLiteral("skorowidz.txt")));
    const QString dodatkowe =
        hasla.open(QIODevice::ReadOnly) ? QString::fromUtf8(hasla.readAll()) : QString();
    skorowidz.setHtml(Skorowidz(opis, markdown, dodatkowe, tresc.height(), stronSpisu));

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
    for (int i = 0; i < Strony(skorowidz); ++i, ++numer) {
        pdf.newPage();
        RysujStrone(p, skorowidz, i, numer, tresc);
    }
    if (!p.end())
        return 1;

    // Bookmarks for every chapter and section, and the contents' rows as
    // links to them.
    std::vector<TZakladkaPdf> zakladki;
    std::vector<TOdnosnikPdf> odnosniki;
    QTextBlock wiersz = spis.begin();
    for (const TNaglowek& n : naglowki) {
        if (n.poziom == 1)
            continue;
        const int cel = stronSpisu + n.strona;
        const double celY = PunktyOdDolu(n.y, tresc) + 12;
        zakladki.push_back({n.tekst, n.poziom - 1, cel, celY});
        // Its row in the contents: the next block that reads as the heading.
        while (wiersz.isValid() && wiersz.text().trimmed().remove(QChar(0xA0)) != n.tekst)
            wiersz = wiersz.next();
        if (!wiersz.isValid())
            break;
        const QRectF r = spis.documentLayout()->blockBoundingRect(wiersz);
        const int s = static_cast<int>(r.top() / tresc.height());
        const double gora = PunktyOdDolu(r.top() - s * tresc.height(), tresc);
        const double dol = PunktyOdDolu(r.bottom() - s * tresc.height(), tresc);
        odnosniki.push_back({s,
                             QRectF(QPointF(tresc.left() * 72.0 / DPI, dol),
                                    QPointF(tresc.right() * 72.0 / DPI, gora)),
                             cel, celY});
        wiersz = wiersz.next();
    }
    zakladki.push_back(
        {QStringLiteral("Skorowidz"), 1, stronSpisu + Strony(opis), PunktyOdDolu(0, tresc) + 12});
    QString blad;
    if (!DodajZakladkiPdf(QString::fromLocal8Bit(argv[3]), zakladki, odnosniki, &blad)) {
        std::fprintf(stderr, "Zakładki PDF: %s\n", qPrintable(blad));
        return 1;
    }
    return 0;
}
