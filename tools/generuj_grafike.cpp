// Draws the program's pictures: the splash, the program picture and the
// about-box background as JPEG files, and the desktop icon as PNG.
//   termivo-generuj-grafike FOLDER

#include "model/okno.h"
#include "report/raport/kanwaqpainter.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>

#include <cstdio>

namespace {

// A three-sash window as the editor draws it, as an ornament.
void Okno(QPainter& p, const QRect& gdzie) {
    TOkno o(QStringLiteral("S"));
    o.Szerokosc = 1800;
    o.Wysokosc = 1500;
    o.TypOkna = 3003;
    o.RodzajSkrzydla = {6, 4, 0, 0, 0, 0, 0, 0};
    o.LiczbaNawiewnikow = 2;
    o.SzerokoscNawiewnika = 350;
    QImage obraz(gdzie.size(), QImage::Format_RGB32);
    {
        QPainter q(&obraz);
        TKanwaQPainter k(q);
        RysujOkno(o, k, gdzie.width(), gdzie.height());
    }
    p.drawImage(gdzie.topLeft(), obraz);
}

QImage Tlo(int w, int h, QColor gora, QColor dol) {
    QImage obraz(w, h, QImage::Format_RGB32);
    QPainter p(&obraz);
    QLinearGradient g(0, 0, 0, h);
    g.setColorAt(0, gora);
    g.setColorAt(1, dol);
    p.fillRect(obraz.rect(), g);
    return obraz;
}

void Napis(QPainter& p, const QRect& gdzie, const QString& tekst, int piksele, QColor kolor,
           bool gruby = true) {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(piksele);
    f.setBold(gruby);
    p.setFont(f);
    p.setPen(kolor);
    p.drawText(gdzie, Qt::AlignCenter | Qt::TextWordWrap, tekst);
}

bool Zapisz(const QImage& obraz, const QString& sciezka, const char* format) {
    if (obraz.save(sciezka, format, 90))
        return true;
    std::fprintf(stderr, "Cannot write %s\n", qPrintable(sciezka));
    return false;
}

} // namespace

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fputs("Usage: termivo-generuj-grafike FOLDER\n", stderr);
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    const QColor granat(16, 42, 92), blekit(170, 205, 235), czerwien(190, 20, 30);

    QImage splash = Tlo(400, 500, blekit, Qt::white);
    {
        QPainter p(&splash);
        p.setRenderHint(QPainter::Antialiasing);
        Napis(p, QRect(0, 40, 400, 70), QStringLiteral("Termivo"), 56, czerwien);
        Napis(p, QRect(20, 110, 360, 60),
              QStringLiteral("Zestawienie stolarki okiennej\ni współczynnik przenikania ciepła Uw"),
              16, granat, false);
        Okno(p, QRect(50, 190, 300, 220));
        Napis(p, QRect(20, 430, 360, 40), QStringLiteral("PN-EN ISO 10077-1"), 18, granat);
    }
    QImage program = Tlo(197, 94, Qt::white, blekit);
    {
        QPainter p(&program);
        p.setRenderHint(QPainter::Antialiasing);
        Okno(p, QRect(4, 10, 80, 74));
        Napis(p, QRect(84, 0, 113, 94), QStringLiteral("Termivo"), 19, czerwien);
    }
    QImage tlo = Tlo(337, 160, QColor(235, 242, 250), blekit);
    {
        QPainter p(&tlo);
        p.setOpacity(0.25);
        Okno(p, QRect(187, 10, 150, 140));
    }
    QImage ikona(128, 128, QImage::Format_ARGB32);
    ikona.fill(Qt::transparent);
    {
        QPainter p(&ikona);
        p.setRenderHint(QPainter::Antialiasing);
        p.setBrush(blekit);
        p.setPen(QPen(granat, 4));
        p.drawRoundedRect(QRectF(4, 4, 120, 120), 18, 18);
        Okno(p, QRect(22, 18, 84, 70));
        Napis(p, QRect(0, 88, 128, 36), QStringLiteral("Uw"), 26, czerwien);
    }
    const bool ok = Zapisz(splash, folder.filePath(QStringLiteral("splash.jpg")), "JPG") &&
                    Zapisz(program, folder.filePath(QStringLiteral("program.jpg")), "JPG") &&
                    Zapisz(tlo, folder.filePath(QStringLiteral("o_programie.jpg")), "JPG") &&
                    Zapisz(ikona, folder.filePath(QStringLiteral("termivo.png")), "PNG");
    return ok ? 0 : 1;
}
