#include "ui/main/drzewoprojektu.h"

#include "model/obliczenia/wt2021.h"
#include "model/obliczenia/wt2021lato.h"
#include "model/zestawienie.h"
#include "ui/main/ikony.h"

#include <QCollator>
#include <QMouseEvent>
#include <QShortcut>
#include <QSignalBlocker>

#include <algorithm>

namespace {

constexpr int ROLA_ID = Qt::UserRole;

} // namespace

TDrzewoProjektu::TDrzewoProjektu(QWidget* rodzic) : QTreeWidget(rodzic) {
    setObjectName(QStringLiteral("StolarkaTree"));
    // The Part's width is the least; the splitter beside it gives more.
    setMinimumWidth(137);
    setHeaderHidden(true);
    setIndentation(15);
    setMouseTracking(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Delete in the tree deletes the window, as Ctrl+U does.
    // The Delete key alone: the platform's "delete" sequence also means Ctrl+D on X11,
    // which would make the menu's Ctrl+D (duplicate) ambiguous here.
    auto* usun =
        new QShortcut(QKeySequence(Qt::Key_Delete), this, nullptr, nullptr, Qt::WidgetShortcut);
    connect(usun, &QShortcut::activated, this, &TDrzewoProjektu::usun);
    // Whatever moves the current node (a click, any key, type-ahead) is a
    // selection, once per change; a click on the node already current too.
    connect(this, &QTreeWidget::currentItemChanged, this, &TDrzewoProjektu::wybrano);
    connect(this, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* wezel) {
        if (wezel == przedKliknieciem_)
            emit wybrano();
    });
}

void TDrzewoProjektu::mousePressEvent(QMouseEvent* zdarzenie) {
    przedKliknieciem_ = currentItem();
    QTreeWidget::mousePressEvent(zdarzenie);
}

TIdOkna TDrzewoProjektu::IdWezla(const QTreeWidgetItem* wezel) {
    return wezel ? wezel->data(0, ROLA_ID).value<TIdOkna>() : 0;
}

bool TDrzewoProjektu::WybranyKorzen() const {
    return currentItem() && !currentItem()->parent();
}

TIdOkna TDrzewoProjektu::WybraneOkno() const {
    return IdWezla(currentItem());
}

void TDrzewoProjektu::Zbuduj(const TZestawienieStolarki* p, const QString& nazwa, TIdOkna wybrane) {
    const QSignalBlocker cisza(this); // nodes made are no selection of the user's
    przedKliknieciem_ = nullptr;
    clear();
    if (!p)
        return;
    auto* korzen = new QTreeWidgetItem(this, {nazwa});
    QList<QTreeWidgetItem*> dzieci;
    dzieci.reserve(p->LiczbaOkienWLiscie());
    for (int i = 0; i < p->LiczbaOkienWLiscie(); ++i) {
        auto* w = new QTreeWidgetItem({p->Okno(i)->Symbol()});
        w->setData(0, ROLA_ID, QVariant::fromValue(p->Okno(i)->Id()));
        dzieci << w;
    }
    korzen->addChildren(dzieci);
    Sortuj();
    korzen->setExpanded(true);
    QTreeWidgetItem* w = WezelOkna(wybrane);
    setCurrentItem(w ? w : korzen);
    Oznacz(*p);
}

void TDrzewoProjektu::UstawNazwe(const QString& nazwa) {
    if (QTreeWidgetItem* korzen = topLevelItem(0); korzen && korzen->text(0) != nazwa)
        korzen->setText(0, nazwa);
}

void TDrzewoProjektu::Sortuj() {
    QTreeWidgetItem* korzen = topLevelItem(0);
    if (!korzen)
        return;
    const QSignalBlocker cisza(this);
    QTreeWidgetItem* biezacy = currentItem();
    QList<QTreeWidgetItem*> dzieci = korzen->takeChildren();
    QCollator porownanie;
    porownanie.setCaseSensitivity(Qt::CaseSensitive);
    porownanie.setNumericMode(false);
    std::stable_sort(dzieci.begin(), dzieci.end(),
                     [&porownanie](const QTreeWidgetItem* a, const QTreeWidgetItem* b) {
                         return porownanie.compare(a->text(0), b->text(0)) < 0;
                     });
    korzen->addChildren(dzieci);
    if (biezacy)
        setCurrentItem(biezacy);
}

QTreeWidgetItem* TDrzewoProjektu::WezelOkna(TIdOkna id) const {
    const QTreeWidgetItem* korzen = topLevelItem(0);
    for (int i = 0; id && korzen && i < korzen->childCount(); ++i)
        if (IdWezla(korzen->child(i)) == id)
            return korzen->child(i);
    return nullptr;
}

TIdOkna TDrzewoProjektu::Sasiad(TIdOkna id) const {
    QTreeWidgetItem* w = WezelOkna(id);
    const QTreeWidgetItem* korzen = topLevelItem(0);
    if (!w || !korzen)
        return 0;
    const int i = korzen->indexOfChild(w);
    if (i + 1 < korzen->childCount())
        return IdWezla(korzen->child(i + 1));
    return i > 0 ? IdWezla(korzen->child(i - 1)) : 0;
}

bool TDrzewoProjektu::Wybierz(TIdOkna id) {
    QTreeWidgetItem* w = id ? WezelOkna(id) : topLevelItem(0);
    if (!w)
        return false;
    const QSignalBlocker cisza(this);
    setCurrentItem(w);
    scrollToItem(w);
    return true;
}

void TDrzewoProjektu::Oznacz(const TZestawienieStolarki& p) {
    const QTreeWidgetItem* korzen = topLevelItem(0);
    if (!korzen)
        return;
    static const QIcon nieSpelnia = IkonaPolecenia(TIkona::NieSpelniaWT);
    static const QIcon bezDanych = IkonaPolecenia(TIkona::BrakDanychWT);
    static const QIcon spelnia = IkonaPolecenia(TIkona::SpelniaWT);
    static const QIcon brakWymagan = IkonaPolecenia(TIkona::BrakWymaganWT);
    for (int i = 0; i < korzen->childCount(); ++i) {
        QTreeWidgetItem* w = korzen->child(i);
        const TOkno* o = p.OknoId(IdWezla(w));
        if (o && w->text(0) != o->Symbol())
            w->setText(0, o->Symbol());
        TWynikWT wynik = o ? OcenWT2021(*o, p).wynik : TWynikWT::Spelnia;
        // Failing the summer rule fails the window too.
        const TWynikLato lato = o ? OcenLato2021(*o, p).wynik : TWynikLato::NieDotyczy;
        if (lato == TWynikLato::NieSpelnia)
            wynik = TWynikWT::NieSpelnia;
        // Every row carries a mark, so the symbols stand in one column.
        static const QIcon zaden;
        const QIcon& znak = !o                              ? zaden
                            : wynik == TWynikWT::NieSpelnia ? nieSpelnia
                            : wynik == TWynikWT::BrakDanych ? bezDanych
                            : wynik == TWynikWT::Spelnia    ? spelnia
                                                            : brakWymagan;
        if (w->icon(0).cacheKey() != znak.cacheKey())
            w->setIcon(0, znak);
        const QString podpowiedz =
            o ? QStringLiteral("WT 2021: %1; latem: %2")
                    .arg(TekstWynikuWT(OcenWT2021(*o, p).wynik), TekstWynikuLato(lato))
              : QString();
        if (w->toolTip(0) != podpowiedz)
            w->setToolTip(0, podpowiedz);
    }
}
