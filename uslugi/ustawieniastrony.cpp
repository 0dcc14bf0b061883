#include "uslugi/ustawieniastrony.h"

#include "model/liczby.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

// Millimetres typed with a comma or a point, whatever the locale (a spin
// field of its own would take "12,5" for 125 under an English locale).
class TPoleMm : public QDoubleSpinBox {
public:
    using QDoubleSpinBox::QDoubleSpinBox;

protected:
    double valueFromText(const QString& tekst) const override {
        double x = 0;
        return CzytajLiczbe(BezJednostki(tekst), &x) ? x : value();
    }
    QValidator::State validate(QString& tekst, int&) const override {
        const QString t = BezJednostki(tekst);
        double x = 0;
        if (CzytajLiczbe(t, &x))
            return x >= minimum() && x <= maximum() ? QValidator::Acceptable
                                                    : QValidator::Intermediate;
        for (QChar c : t)
            if (!c.isDigit() && c != QLatin1Char(',') && c != QLatin1Char('.'))
                return QValidator::Invalid;
        return QValidator::Intermediate;
    }

private:
    QString BezJednostki(QString tekst) const {
        if (tekst.endsWith(suffix()))
            tekst.chop(suffix().size());
        return tekst.trimmed();
    }
};

const QPageSize::PageSizeId PAPIERY[] = {
    QPageSize::A3,     QPageSize::A4,    QPageSize::A5,        QPageSize::B4,      QPageSize::B5,
    QPageSize::Letter, QPageSize::Legal, QPageSize::Executive, QPageSize::Tabloid,
};

} // namespace

TUstawieniaStronyForm::TUstawieniaStronyForm(const QPageLayout& uklad, QWidget* rodzic)
    : QDialog(rodzic) {
    setObjectName(QStringLiteral("UstawieniaStronyForm"));
    setWindowTitle(QStringLiteral("Ustawienia strony"));
    auto* glowny = new QVBoxLayout(this);

    auto* papier = new QGroupBox(QStringLiteral("Papier"), this);
    auto* fp = new QFormLayout(papier);
    PapierCB = new QComboBox(papier);
    PapierCB->setObjectName(QStringLiteral("PapierCB"));
    for (QPageSize::PageSizeId id : PAPIERY) {
        const QPageSize p(id);
        const QSizeF mm = p.size(QPageSize::Millimeter);
        PapierCB->addItem(QStringLiteral("%1 (%2 × %3 mm)")
                              .arg(p.name())
                              .arg(QLocale().toString(mm.width(), 'g', 4))
                              .arg(QLocale().toString(mm.height(), 'g', 4)),
                          static_cast<int>(id));
    }
    const int biezacy = PapierCB->findData(static_cast<int>(uklad.pageSize().id()));
    PapierCB->setCurrentIndex(biezacy >= 0 ? biezacy : PapierCB->findData(int(QPageSize::A4)));
    fp->addRow(QStringLiteral("&Rozmiar:"), PapierCB);
    glowny->addWidget(papier);

    auto* orientacja = new QGroupBox(QStringLiteral("Orientacja"), this);
    auto* fo = new QHBoxLayout(orientacja);
    PionowaRB = new QRadioButton(QStringLiteral("&Pionowa"), orientacja);
    PoziomaRB = new QRadioButton(QStringLiteral("P&ozioma"), orientacja);
    (uklad.orientation() == QPageLayout::Landscape ? PoziomaRB : PionowaRB)->setChecked(true);
    fo->addWidget(PionowaRB);
    fo->addWidget(PoziomaRB);
    fo->addStretch();
    glowny->addWidget(orientacja);

    auto* marginesy = new QGroupBox(QStringLiteral("Marginesy (mm)"), this);
    auto* fm = new QFormLayout(marginesy);
    const QMarginsF m = uklad.margins(QPageLayout::Millimeter);
    auto pole = [&](const char* nazwa, const QString& etykieta, double wartosc) {
        auto* e = new TPoleMm(marginesy);
        e->setObjectName(QLatin1String(nazwa));
        e->setRange(0, 200);
        e->setDecimals(1);
        e->setSuffix(QStringLiteral(" mm"));
        e->setValue(wartosc);
        fm->addRow(etykieta, e);
        return e;
    };
    LewyED = pole("LewyED", QStringLiteral("&Lewy:"), m.left());
    GornyED = pole("GornyED", QStringLiteral("&Górny:"), m.top());
    PrawyED = pole("PrawyED", QStringLiteral("Pr&awy:"), m.right());
    DolnyED = pole("DolnyED", QStringLiteral("&Dolny:"), m.bottom());
    glowny->addWidget(marginesy);

    auto* przyciski = new QDialogButtonBox(this);
    przyciski->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    przyciski->addButton(QStringLiteral("Anuluj"), QDialogButtonBox::RejectRole);
    connect(przyciski, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(przyciski, &QDialogButtonBox::rejected, this, &QDialog::reject);
    glowny->addWidget(przyciski);
}

QPageLayout TUstawieniaStronyForm::Uklad() const {
    const auto id = static_cast<QPageSize::PageSizeId>(PapierCB->currentData().toInt());
    return QPageLayout(
        QPageSize(id), PoziomaRB->isChecked() ? QPageLayout::Landscape : QPageLayout::Portrait,
        QMarginsF(LewyED->value(), GornyED->value(), PrawyED->value(), DolnyED->value()),
        QPageLayout::Millimeter, QMarginsF(0, 0, 0, 0));
}
