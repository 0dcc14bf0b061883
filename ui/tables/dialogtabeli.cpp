#include "ui/tables/dialogtabeli.h"

#include "model/liczby.h"

#include <QDialogButtonBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

// The tab icons: the standard's and the manufacturer's.
QIcon Ikona(const QString& tekst, QColor kolor) {
    QPixmap obraz(20, 20);
    obraz.fill(Qt::transparent);
    QPainter p(&obraz);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(kolor);
    p.setPen(Qt::NoPen);
    p.drawRoundedRect(QRectF(0.5, 0.5, 19, 19), 4, 4);
    QFont f = p.font();
    f.setPixelSize(tekst.size() > 2 ? 7 : 10);
    f.setBold(true);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(QRect(0, 0, 20, 20), Qt::AlignCenter, tekst);
    return QIcon(obraz);
}

QLabel* Tytul(const QString& tekst, QWidget* rodzic) {
    auto* l = new QLabel(tekst, rodzic);
    l->setWordWrap(true);
    QFont f = l->font();
    f.setBold(true);
    f.setPixelSize(12);
    l->setFont(f);
    return l;
}

} // namespace

TDialogTabeli::TDialogTabeli(const QString& tytul, const QString& etykieta,
                             const QString& tytulStron, QWidget* rodzic)
    : QDialog(rodzic) {
    setWindowTitle(tytul);
    auto* glowny = new QVBoxLayout(this);
    Strony = new QTabWidget(this);
    const QString nazwy[2] = {QStringLiteral("Polska Norma"), QStringLiteral("Okna D&&V")};
    const QIcon ikony[2] = {Ikona(QStringLiteral("PN"), QColor(200, 30, 40)),
                            Ikona(QStringLiteral("D&V"), QColor(0, 60, 150))};
    for (int i = 0; i < 2; ++i) {
        auto* strona = new QWidget(Strony);
        uklady_[i] = new QVBoxLayout(strona);
        uklady_[i]->addWidget(Tytul(tytulStron, strona));
        Strony->addTab(strona, ikony[i], nazwy[i]);
    }
    glowny->addWidget(Strony);

    auto* pasek = new QFrame(this);
    pasek->setFrameStyle(QFrame::Box | QFrame::Sunken);
    auto* uklad = new QHBoxLayout(pasek);
    auto* l = new QLabel(etykieta, pasek);
    QFont f = l->font();
    f.setBold(true);
    f.setPixelSize(16);
    l->setFont(f);
    uklad->addWidget(l);
    WybranaWartoscEd = new QLineEdit(pasek);
    WybranaWartoscEd->setReadOnly(true);
    WybranaWartoscEd->setFont(f);
    WybranaWartoscEd->setStyleSheet(QStringLiteral("background-color: #FFFBF0;"));
    uklad->addWidget(WybranaWartoscEd);
    uklad->addStretch();
    glowny->addWidget(pasek);

    auto* przyciski = new QDialogButtonBox(this);
    PobierzBtn =
        przyciski->addButton(QStringLiteral("Pobierz wartość"), QDialogButtonBox::AcceptRole);
    AnulujBtn = przyciski->addButton(QStringLiteral("Anuluj"), QDialogButtonBox::RejectRole);
    PobierzBtn->setDefault(true);
    connect(przyciski, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(przyciski, &QDialogButtonBox::rejected, this, &QDialog::reject);
    glowny->addWidget(przyciski);

    // The very first opening shows the manufacturer's range.
    Strony->setCurrentIndex(OknaDV);
    connect(Strony, &QTabWidget::currentChanged, this,
            [this](int i) { PrzeliczStrone(static_cast<Strona>(i)); });
}

QVBoxLayout* TDialogTabeli::UkladStrony(Strona s) const {
    return uklady_[s];
}

QPlainTextEdit* TDialogTabeli::Uwaga(const QString& tekst, QWidget* rodzic) {
    auto* u = new QPlainTextEdit(tekst, rodzic);
    u->setReadOnly(true);
    QFont f = u->font();
    f.setPixelSize(9);
    u->setFont(f);
    u->setMaximumHeight(72);
    return u;
}

QString TDialogTabeli::ZgodnoscZNorma(QChar zalacznik) {
    return QString(80, QLatin1Char('-')) +
           QStringLiteral("\nWszystkie informacje zgodne są z załącznikiem %1 Polskiej Normy "
                          "PN-EN ISO 10077-1 \"Cieplne właściwości użytkowe okien, drzwi i "
                          "żaluzji - Obliczanie współczynnika przenikania ciepła - Część 1: "
                          "Metoda uproszczona\"")
               .arg(zalacznik);
}

QString TDialogTabeli::Wartosc() const {
    return WybranaWartoscEd->text();
}

void TDialogTabeli::UstawWartosc(double x) {
    WybranaWartoscEd->setText(TekstOgolny(x));
}

void TDialogTabeli::UstawWartoscTekst(const QString& tekst) {
    WybranaWartoscEd->setText(tekst);
}

void TDialogTabeli::showEvent(QShowEvent* zdarzenie) {
    PrzeliczStrone(static_cast<Strona>(Strony->currentIndex()));
    // Room for both pages as they would be laid out, wrapped texts included.
    if (!zdarzenie->spontaneous())
        resize(size().expandedTo(sizeHint()));
    QDialog::showEvent(zdarzenie);
}
