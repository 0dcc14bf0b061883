#include "ui/main/odzyskform.h"

#include "uslugi/dialogi.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QGridLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>

TOdzyskForm::TOdzyskForm(std::vector<TKopiaOdzysku> kopie, TOdzysk& odzysk, TDialogi& dialogi,
                         QWidget* rodzic)
    : QDialog(rodzic), kopie_(std::move(kopie)) {
    setObjectName(QStringLiteral("OdzyskForm"));
    setWindowTitle(QStringLiteral("Odzyskiwanie projektów"));
    auto* uklad = new QGridLayout(this);
    uklad->addWidget(new QLabel(QStringLiteral("Program nie został poprawnie zamknięty. Te "
                                               "projekty miały niezapisane zmiany:"),
                                this),
                     0, 0, 1, 3);
    for (std::size_t i = 0; i < kopie_.size(); ++i) {
        const TKopiaOdzysku& k = kopie_[i];
        const int wiersz = static_cast<int>(i) + 1;
        const QString plik =
            k.plik.isEmpty() ? QStringLiteral("(nie zapisany)") : QDir::toNativeSeparators(k.plik);
        auto* opis =
            new QLabel(QStringLiteral("<b>%1</b><br>%2<br>kopia z %3")
                           .arg(k.nazwa.toHtmlEscaped(), plik.toHtmlEscaped(),
                                QLocale().toString(k.czas, QStringLiteral("yyyy-MM-dd HH:mm"))),
                       this);
        auto* przywroc = new QPushButton(QStringLiteral("Przywróć"), this);
        przywroc->setObjectName(QStringLiteral("PrzywrocBtn%1").arg(i));
        auto* odrzuc = new QPushButton(QStringLiteral("Odrzuć"), this);
        odrzuc->setObjectName(QStringLiteral("OdrzucBtn%1").arg(i));
        uklad->addWidget(opis, wiersz, 0);
        uklad->addWidget(przywroc, wiersz, 1);
        uklad->addWidget(odrzuc, wiersz, 2);
        connect(przywroc, &QPushButton::clicked, this, [this, i] {
            wybrana_ = kopie_[i];
            accept();
        });
        connect(odrzuc, &QPushButton::clicked, this,
                [this, i, &odzysk, &dialogi, opis, przywroc, odrzuc] {
                    // Unsaved work goes for good: asked once.
                    if (dialogi.Pytanie(this, QStringLiteral("Pytanie"),
                                        QStringLiteral("Czy na pewno odrzucić niezapisane zmiany "
                                                       "projektu %1? Nie będzie można ich "
                                                       "odzyskać.")
                                            .arg(kopie_[i].nazwa)) != TDialogi::Odpowiedz::Tak)
                        return;
                    odzysk.Odrzuc(kopie_[i]);
                    for (QWidget* w : std::initializer_list<QWidget*>{opis, przywroc, odrzuc})
                        w->setEnabled(false);
                });
    }
    auto* zamknij = new QDialogButtonBox(this);
    zamknij->addButton(QStringLiteral("Zamknij"), QDialogButtonBox::RejectRole);
    connect(zamknij, &QDialogButtonBox::rejected, this, &QDialog::reject);
    uklad->addWidget(zamknij, uklad->rowCount(), 0, 1, 3);
}
