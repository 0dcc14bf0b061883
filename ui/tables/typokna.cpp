#include "ui/tables/typokna.h"

#include "model/katalog.h"
#include "ui/tables/listaskrzydel.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMap>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include <numeric>

namespace {

constexpr int RAMA = 3;
constexpr int SLUPEK = 3;

// Side of a picture by the number of equal divisions along it.
int Bok(int podzialow) {
    static const int boki[6] = {41, 41, 52, 65, 79, 90};
    return boki[std::clamp(podzialow, 1, 5)];
}

// Pictures drawn at their own, more compact sizes.
const QMap<int, QSize>& WlasneRozmiary() {
    static const QMap<int, QSize> rozmiary = {
        {3003, {41, 41}}, {5037, {59, 65}}, {8001, {79, 41}}, {8002, {41, 79}}};
    return rozmiary;
}

// A picture that reports its tag when clicked.
class TObrazTypu : public QLabel {
public:
    TObrazTypu(int kod, TFTypOkna* okno, QWidget* rodzic) : QLabel(rodzic), kod_(kod) {
        setObjectName(
            QStringLiteral("skrz%1Img%2").arg(kod / 1000).arg(kod % 1000, 3, 10, QLatin1Char('0')));
        setPixmap(ObrazTypuOkna(kod));
        setCursor(Qt::PointingHandCursor);
        setToolTip(NazwaTypuOkna(kod));
        okno_ = okno;
    }
    int Tag() const { return kod_; }

protected:
    void mouseReleaseEvent(QMouseEvent* zdarzenie) override {
        okno_->KliknijObraz(kod_);
        QLabel::mouseReleaseEvent(zdarzenie);
    }

private:
    int kod_;
    TFTypOkna* okno_ = nullptr;
};

} // namespace

// Pictures per row: the widest (90 pixels) four to a row fit the page.
constexpr int KOLUMNY = 4;
// The page tabs in two rows of four.
constexpr int ZAKLADEK_W_WIERSZU = 4;

QPixmap ObrazTypuOkna(int kod) {
    const QVector<TKomorka> komorki = KomorkiSkrzydel(kod);
    int kolumny = 1, wiersze = 1;
    for (const TKomorka& k : komorki) {
        kolumny = std::lcm(kolumny, k.kolumny.n);
        wiersze = std::lcm(wiersze, k.wiersze.n);
    }
    QSize rozmiar(Bok(kolumny), Bok(wiersze));
    if (WlasneRozmiary().contains(kod))
        rozmiar = WlasneRozmiary().value(kod);
    QPixmap obraz(rozmiar);
    obraz.fill(Qt::black);
    QPainter p(&obraz);
    QFont f = p.font();
    f.setPixelSize(9);
    p.setFont(f);
    const double w = rozmiar.width() - 2 * RAMA;
    const double h = rozmiar.height() - 2 * RAMA;
    for (int i = 0; i < komorki.size(); ++i) {
        const TPrzedzial& kx = komorki[i].kolumny;
        const TPrzedzial& ky = komorki[i].wiersze;
        // Half a bar off each inner side, none off the frame.
        const double l = RAMA + w * (kx.od - 1) / kx.n + (kx.od > 1 ? SLUPEK / 2.0 : 0);
        const double r = RAMA + w * kx.do_ / kx.n - (kx.do_ < kx.n ? SLUPEK / 2.0 : 0);
        const double t = RAMA + h * (ky.od - 1) / ky.n + (ky.od > 1 ? SLUPEK / 2.0 : 0);
        const double b = RAMA + h * ky.do_ / ky.n - (ky.do_ < ky.n ? SLUPEK / 2.0 : 0);
        const QRect komorka(QPoint(qRound(l), qRound(t)), QPoint(qRound(r) - 1, qRound(b) - 1));
        p.fillRect(komorka, Qt::white);
        p.setPen(Qt::black);
        p.drawText(komorka, Qt::AlignCenter, QString::number(i + 1));
    }
    return obraz;
}

TFTypOkna::TFTypOkna(QWidget* rodzic) : QDialog(rodzic) {
    setObjectName(QStringLiteral("FTypOkna"));
    setWindowTitle(QStringLiteral("Typ okna"));
    resize(652, 501);
    auto* glowny = new QHBoxLayout(this);

    auto* lewa = new QVBoxLayout;
    lewa->addWidget(new QLabel(QStringLiteral("Wybierz typ okna:"), this));
    LiczbaSkrzydelPC = new QTabWidget(this);
    LiczbaSkrzydelPC->setObjectName(QStringLiteral("LiczbaSkrzydelPC"));
    // The eight tabs in two rows, all in sight: the page control's own bar
    // would hide some behind arrows.
    LiczbaSkrzydelPC->tabBar()->hide();
    auto* zakladki = new QGridLayout;
    zakladki->setSpacing(0);
    auto* grupaZakladek = new QButtonGroup(this);
    grupaZakladek->setExclusive(true);
    for (int n = 1; n <= MAX_SKRZYDEL; ++n) {
        auto* strona = new QWidget;
        strona->setObjectName(QStringLiteral("skrz%1TS").arg(n));
        auto* siatka = new QGridLayout(strona);
        int i = 0;
        for (const TTypOknaRec& t : TypyOkien()) {
            if (t.Kod / 1000 != n)
                continue;
            siatka->addWidget(new TObrazTypu(t.Kod, this, strona), i / KOLUMNY, i % KOLUMNY,
                              Qt::AlignCenter);
            ++i;
        }
        siatka->setRowStretch(i / KOLUMNY + 1, 1);
        QWidget* zawartosc = strona;
        if (n == 5) {
            // The five-sash pictures do not fit the page: they scroll.
            auto* przewijanie = new QScrollArea;
            przewijanie->setWidget(strona);
            przewijanie->setWidgetResizable(true);
            przewijanie->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
            zawartosc = przewijanie;
        }
        const QString tytul = QStringLiteral("%1-skrzydłowe").arg(n);
        LiczbaSkrzydelPC->addTab(zawartosc, tytul);
        auto* zakladka = new QToolButton(this);
        zakladka->setObjectName(QStringLiteral("skrz%1Tab").arg(n));
        zakladka->setText(tytul);
        zakladka->setCheckable(true);
        zakladka->setAutoRaise(false);
        zakladka->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        grupaZakladek->addButton(zakladka, n - 1);
        zakladki->addWidget(zakladka, (n - 1) / ZAKLADEK_W_WIERSZU, (n - 1) % ZAKLADEK_W_WIERSZU);
    }
    LiczbaSkrzydelPC->setCurrentIndex(0);
    grupaZakladek->button(0)->setChecked(true);
    connect(grupaZakladek, &QButtonGroup::idClicked, LiczbaSkrzydelPC,
            &QTabWidget::setCurrentIndex);
    connect(LiczbaSkrzydelPC, &QTabWidget::currentChanged, grupaZakladek, [grupaZakladek](int i) {
        if (QAbstractButton* b = grupaZakladek->button(i))
            b->setChecked(true);
    });
    lewa->addLayout(zakladki);
    lewa->addWidget(LiczbaSkrzydelPC);
    glowny->addLayout(lewa, 1);

    auto* prawa = new QVBoxLayout;
    prawa->addWidget(new QLabel(QStringLiteral("Określ sposób otwierania skrzydeł:"), this));
    SkrzydlaVLE = new TListaSkrzydel(45, this);
    SkrzydlaVLE->setFixedWidth(SkrzydlaVLE->columnWidth(0) + 166 + 4);
    prawa->addWidget(SkrzydlaVLE);
    prawa->addWidget(new QLabel(QStringLiteral("Wybrany typ:"), this));
    WybranyIMG = new QLabel(this);
    WybranyIMG->setObjectName(QStringLiteral("WybranyIMG"));
    prawa->addWidget(WybranyIMG);
    prawa->addStretch();
    auto* przyciski = new QDialogButtonBox(this);
    QPushButton* ok = przyciski->addButton(QStringLiteral("Ok"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("OkBtn"));
    ok->setDefault(true);
    przyciski->addButton(QStringLiteral("Anuluj"), QDialogButtonBox::RejectRole)
        ->setObjectName(QStringLiteral("AnulujBtn"));
    connect(przyciski, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(przyciski, &QDialogButtonBox::rejected, this, &QDialog::reject);
    prawa->addWidget(przyciski);
    glowny->addLayout(prawa);
    for (int i = 0; i < MAX_SKRZYDEL; ++i)
        SkrzydlaVLE->item(i, 1)->setText(QString());
    if (const QScreen* ekran = QGuiApplication::primaryScreen())
        move(ekran->availableGeometry().center() - rect().center());
}

QString TFTypOkna::GetSkrzydlo(const QString& klucz) const {
    return SkrzydlaVLE->GetSkrzydlo(klucz);
}

void TFTypOkna::SetSkrzydlo(const QString& klucz, const QString& nazwa) {
    SkrzydlaVLE->SetSkrzydlo(klucz, nazwa);
}

void TFTypOkna::UstawTyp(int kod) {
    wybranyTyp_ = NazwaTypuOkna(kod).isEmpty() ? 0 : kod;
    WybranyIMG->setPixmap(wybranyTyp_ ? ObrazTypuOkna(wybranyTyp_) : QPixmap());
    WybranyIMG->adjustSize();
    // The tabs go by the code's thousands, the number of sashes.
    const int skrzydel = wybranyTyp_ / 1000;
    if (skrzydel >= 1 && skrzydel <= LiczbaSkrzydelPC->count())
        LiczbaSkrzydelPC->setCurrentIndex(skrzydel - 1);
}

void TFTypOkna::KliknijObraz(int tag) {
    if (NazwaTypuOkna(tag).isEmpty()) {
        wybranyTyp_ = TYP_OKNA_DOMYSLNY;
        emit blad(QStringLiteral("Brak zdefiniowanego kodu dla wybranego typu okna!"));
    } else {
        wybranyTyp_ = tag;
    }
    WybranyIMG->setPixmap(ObrazTypuOkna(tag));
    WybranyIMG->adjustSize();
}
