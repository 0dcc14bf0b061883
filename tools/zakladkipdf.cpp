#include "tools/zakladkipdf.h"

#include "model/pliki/bezpiecznyzapis.h"

#include <QFile>
#include <QMap>
#include <QRegularExpression>

namespace {

// The text of object `n` ("<< … >>" or "[ … ]"), the last definition of it.
QByteArray Obiekt(const QByteArray& pdf, int n) {
    const QByteArray poczatek = '\n' + QByteArray::number(n) + " 0 obj\n";
    const qsizetype od = pdf.lastIndexOf(poczatek);
    if (od < 0)
        return QByteArray();
    const qsizetype tresc = od + poczatek.size();
    const qsizetype koniec = pdf.indexOf("endobj", tresc);
    return koniec < 0 ? QByteArray() : pdf.mid(tresc, koniec - tresc).trimmed();
}

// The number of the object a key refers to ("/Pages 3 0 R" gives 3), or 0.
int Odwolanie(const QByteArray& slownik, const char* klucz) {
    const QRegularExpression wzor(QLatin1String(klucz) + QStringLiteral("\\s+(\\d+)\\s+0\\s+R"));
    const auto m = wzor.match(QString::fromLatin1(slownik));
    return m.hasMatch() ? m.captured(1).toInt() : 0;
}

QByteArray Liczba(double x) {
    return QByteArray::number(x, 'f', 2);
}

// A PDF text string of any characters: UTF-16BE with its mark, in hex.
QByteArray Tekst(const QString& s) {
    QByteArray b = "<FEFF";
    for (const QChar c : s)
        b += QByteArray::number(c.unicode(), 16).rightJustified(4, '0').toUpper();
    return b + '>';
}

QByteArray Cel(int stronaObj, double y) {
    return "[" + QByteArray::number(stronaObj) + " 0 R /XYZ null " + Liczba(y) + " null]";
}

} // namespace

bool DodajZakladkiPdf(const QString& plik, const std::vector<TZakladkaPdf>& zakladki,
                      const std::vector<TOdnosnikPdf>& odnosniki, QString* blad) {
    auto nie = [blad](const QString& powod) {
        if (blad)
            *blad = powod;
        return false;
    };
    QFile f(plik);
    if (!f.open(QIODevice::ReadOnly))
        return nie(f.errorString());
    QByteArray pdf = f.readAll();
    f.close();

    // The last trailer: its size, root, information and where its
    // cross-reference section starts.
    const qsizetype trailer = pdf.lastIndexOf("trailer");
    const qsizetype start = pdf.lastIndexOf("startxref");
    if (trailer < 0 || start < trailer)
        return nie(QStringLiteral("brak trailera"));
    const QByteArray t = pdf.mid(trailer, start - trailer);
    const auto rozmiar =
        QRegularExpression(QStringLiteral("/Size\\s+(\\d+)")).match(QString::fromLatin1(t));
    const int korzen = Odwolanie(t, "/Root");
    const int info = Odwolanie(t, "/Info");
    const qsizetype poprzedni = pdf.mid(start + 9).trimmed().split('\n').value(0).toLongLong();
    if (!rozmiar.hasMatch() || korzen == 0 || poprzedni <= 0)
        return nie(QStringLiteral("trailer nieczytelny"));
    int nastepny = rozmiar.captured(1).toInt();

    // The pages in order.
    const QByteArray katalog = Obiekt(pdf, korzen);
    const QByteArray drzewo = Obiekt(pdf, Odwolanie(katalog, "/Pages"));
    const qsizetype dzieci = drzewo.indexOf("/Kids");
    if (katalog.isEmpty() || dzieci < 0)
        return nie(QStringLiteral("brak listy stron"));
    const QByteArray lista = drzewo.mid(dzieci, drzewo.indexOf(']', dzieci) - dzieci);
    std::vector<int> strony;
    static const QRegularExpression ref(QStringLiteral("(\\d+)\\s+0\\s+R"));
    for (const QRegularExpressionMatch& m : ref.globalMatch(QString::fromLatin1(lista)))
        strony.push_back(m.captured(1).toInt());
    auto strona = [&](int i) {
        return i >= 0 && i < static_cast<int>(strony.size()) ? strony[i] : 0;
    };

    QMap<int, QByteArray> obiekty; // number → new text

    // The links, each added to its page's array of annotations.
    QMap<int, QByteArray> adnotacje; // array object → its new entries
    for (const TOdnosnikPdf& o : odnosniki) {
        const int s = strona(o.strona), cel = strona(o.celStrona);
        const int tablica = s ? Odwolanie(Obiekt(pdf, s), "/Annots") : 0;
        if (!cel || !tablica)
            return nie(QStringLiteral("strona %1 bez tablicy adnotacji").arg(o.strona + 1));
        const int n = nastepny++;
        obiekty[n] = "<<\n/Type /Annot\n/Subtype /Link\n/Rect [" + Liczba(o.obszar.left()) + ' ' +
                     Liczba(o.obszar.top()) + ' ' + Liczba(o.obszar.right()) + ' ' +
                     Liczba(o.obszar.bottom()) + "]\n/Border [0 0 0]\n/Dest " + Cel(cel, o.celY) +
                     "\n>>";
        adnotacje[tablica] += ' ' + QByteArray::number(n) + " 0 R";
    }
    for (auto it = adnotacje.cbegin(); it != adnotacje.cend(); ++it) {
        QByteArray stara = Obiekt(pdf, it.key());
        const qsizetype koniec = stara.lastIndexOf(']');
        if (!stara.startsWith('[') || koniec < 0)
            return nie(QStringLiteral("tablica adnotacji nieczytelna"));
        obiekty[it.key()] = stara.left(koniec) + it.value() + " ]";
    }

    // The bookmarks: a tree by level under the outline's root.
    const int korzenZakladek = nastepny++;
    struct TWezel {
        int numer;
        int rodzic;
        std::vector<int> dzieci;
        QByteArray tresc;
    };
    QMap<int, TWezel> wezly;
    wezly[korzenZakladek] = {korzenZakladek, 0, {}, {}};
    std::vector<std::pair<int, int>> sciezka{{0, korzenZakladek}}; // level, node
    for (const TZakladkaPdf& z : zakladki) {
        const int s = strona(z.strona);
        if (!s)
            return nie(QStringLiteral("zakładka na nieistniejącej stronie %1").arg(z.strona + 1));
        while (sciezka.size() > 1 && sciezka.back().first >= z.poziom)
            sciezka.pop_back();
        const int n = nastepny++;
        const int rodzic = sciezka.back().second;
        wezly[n] = {n, rodzic, {}, "/Title " + Tekst(z.tytul) + "\n/Dest " + Cel(s, z.y) + '\n'};
        wezly[rodzic].dzieci.push_back(n);
        sciezka.push_back({z.poziom, n});
    }
    for (const TWezel& w : wezly) {
        QByteArray d = "<<\n";
        if (w.numer == korzenZakladek)
            d += "/Type /Outlines\n";
        else
            d += w.tresc + "/Parent " + QByteArray::number(w.rodzic) + " 0 R\n";
        if (!w.dzieci.empty())
            d +=
                "/First " + QByteArray::number(w.dzieci.front()) + " 0 R\n/Last " +
                QByteArray::number(w.dzieci.back()) + " 0 R\n/Count " +
                QByteArray::number(w.numer == korzenZakladek ? static_cast<int>(zakladki.size())
                                                             : -static_cast<int>(w.dzieci.size())) +
                '\n';
        if (w.rodzic) {
            const std::vector<int>& rodzenstwo = wezly[w.rodzic].dzieci;
            const auto i = std::find(rodzenstwo.begin(), rodzenstwo.end(), w.numer);
            if (i != rodzenstwo.begin())
                d += "/Prev " + QByteArray::number(*(i - 1)) + " 0 R\n";
            if (i + 1 != rodzenstwo.end())
                d += "/Next " + QByteArray::number(*(i + 1)) + " 0 R\n";
        }
        obiekty[w.numer] = d + ">>";
    }
    // The catalog opens with the bookmarks shown.
    const qsizetype koniecKatalogu = katalog.lastIndexOf(">>");
    obiekty[korzen] = katalog.left(koniecKatalogu) + "/Outlines " +
                      QByteArray::number(korzenZakladek) + " 0 R\n/PageMode /UseOutlines\n>>";

    // The update: the objects, their cross-reference section, the trailer.
    if (!pdf.endsWith('\n'))
        pdf += '\n';
    QByteArray xref = "xref\n";
    for (auto it = obiekty.cbegin(); it != obiekty.cend(); ++it) {
        xref += QByteArray::number(it.key()) + " 1\n" +
                QByteArray::number(pdf.size()).rightJustified(10, '0') + " 00000 n \n";
        pdf += QByteArray::number(it.key()) + " 0 obj\n" + it.value() + "\nendobj\n";
    }
    const qsizetype poczatekXref = pdf.size();
    pdf += xref + "trailer\n<<\n/Size " + QByteArray::number(nastepny) + "\n/Root " +
           QByteArray::number(korzen) + " 0 R\n" +
           (info ? "/Info " + QByteArray::number(info) + " 0 R\n" : QByteArray()) + "/Prev " +
           QByteArray::number(poprzedni) + "\n>>\nstartxref\n" + QByteArray::number(poczatekXref) +
           "\n%%EOF\n";
    return ZapiszBajtyBezpiecznie(plik, pdf, blad);
}
