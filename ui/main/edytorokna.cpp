#include "ui/main/edytorokna.h"

#include "model/liczby.h"
#include "model/obliczenia/geometria.h"
#include "model/obliczenia/podpowiedzi.h"
#include "model/obliczenia/uw.h"
#include "model/obliczenia/wt2021.h"
#include "model/obliczenia/wt2021lato.h"
#include "model/obliczenia/wycena.h"
#include "model/tekst.h"
#include "model/zestawienie.h"
#include "report/raport/kanwaqpainter.h"
#include "ui/main/etykieta.h"
#include "ui/main/polaliczbowe.h"
#include "ui/main/siatkapieter.h"
#include "ui/tables/listaskrzydel.h"
#include "ui/tables/tabdr.h"
#include "ui/tables/tabpsig.h"
#include "ui/tables/tabuf.h"
#include "ui/tables/tabug.h"
#include "ui/tables/typokna.h"
#include "uslugi/dialogi.h"

#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

#include <array>
#include <cmath>

namespace {

// The value of a whole-number field, or nothing when its text is not one.
std::optional<int64_t> Calkowita(const QLineEdit* e) {
    int64_t n = 0;
    return CzytajCalkowita(e->text(), &n) ? std::optional<int64_t>(n) : std::nullopt;
}

// A code or count from its text: a 32-bit whole number, 0 when it is not one.
int32_t Int32ZTekstu(const QString& tekst) {
    int64_t n = 0;
    return CzytajCalkowita(tekst, &n, INT32_MIN, INT32_MAX) ? static_cast<int32_t>(n) : 0;
}

QStringList WierszeNotatki(const QString& tekst) {
    if (tekst.isEmpty())
        return {};
    QStringList wiersze = tekst.split(QLatin1Char('\n'));
    if (wiersze.size() > 1 && wiersze.last().isEmpty())
        wiersze.removeLast();
    return wiersze;
}

} // namespace

TEdytorOkna::TEdytorOkna(TDialogi& dialogi, QWidget* rodzic) : QWidget(rodzic), dialogi_(dialogi) {
    setObjectName(QStringLiteral("ElementStolarkiPanel"));
    UtworzPola();
    Polacz();
    Resetuj();
}

void TEdytorOkna::Polacz() {
    // Each field by the range of the window's value it edits.
    const std::pair<QLineEdit*, const char*> pola[] = {
        {SzerokoscEd, "Szerokosc"}, {WysokoscEd, "Wysokosc"}, {UgEd, "Ug"}, {UfEd, "Uf"},
        {PsiGEd, "Psi_g"},          {dRamyEd, "dRamy"},       {LgEd, "Lg"}, {dREd, "dR"}};
    for (const auto& [e, klucz] : pola)
        PilnujPolaLiczbowego(e, klucz, dialogi_);
    PilnujPolaLiczbowego(CenaEd, "CenaOkna", dialogi_, TBrakWartosci::Brak);
    PilnujPolaLiczbowego(gEd, "g", dialogi_, TBrakWartosci::Brak);
    PilnujPolaLiczbowego(fCEd, "fC", dialogi_, TBrakWartosci::Puste);
    // Only what the user types marks a field as edited, not what the program fills in.
    connect(UgEd, &QLineEdit::textEdited, this, [this] { ugEdytowane_ = true; });
    connect(UfEd, &QLineEdit::textEdited, this, [this] { ufEdytowane_ = true; });
    connect(dRamyEd, &QLineEdit::textEdited, this, [this] { dRamyEdytowane_ = true; });
    connect(UgEd, &QLineEdit::editingFinished, this, [this] {
        if (!ugEdytowane_)
            return;
        DostawcaUgST->setText(NazwaZrodla(ZrodloInny));
        SzkloKodIdST->setText(QStringLiteral("0"));
        ugEdytowane_ = false;
    });
    connect(UfEd, &QLineEdit::editingFinished, this, [this] {
        if (!ufEdytowane_)
            return;
        DostawcaUfST->setText(NazwaZrodla(ZrodloInny));
        RamaKodIdST->setText(QStringLiteral("0"));
        ufEdytowane_ = false;
    });
    connect(MaterialRamyCB, qOverload<int>(&QComboBox::activated), this, [this] {
        DostawcaUfST->setText(NazwaZrodla(ZrodloInny));
        RamaKodIdST->setText(QStringLiteral("0"));
    });
    connect(dRamyEd, &QLineEdit::editingFinished, this, [this] {
        RegulaNawiewnikow();
        if (!dRamyEdytowane_)
            return;
        dRamyEdytowane_ = false;
        PodpowiedzLg();
    });
    connect(TypOknaCB, qOverload<int>(&QComboBox::activated), this, &TEdytorOkna::zmienionoTyp);
    // A new kind is stored and judged at once.
    connect(RodzajCB, qOverload<int>(&QComboBox::activated), this, &TEdytorOkna::zmienionoTyp);
    // g, the device and fC decide the summer verdict: stored and judged at
    // once, a field as soon as it is left changed.
    connect(OslonaCB, qOverload<int>(&QComboBox::activated), this, &TEdytorOkna::przeliczUw);
    for (QLineEdit* e : {gEd, fCEd})
        connect(e, &QLineEdit::editingFinished, this, [this, e] {
            if (!Nietkniete(e))
                emit przeliczUw();
        });
    // A kind picked for a sash is stored, recomputed and drawn at once.
    connect(SkrzydlaVLE, &TListaSkrzydel::wybrano, this, &TEdytorOkna::zmienionoTyp);
    connect(LiczbaNawiewnikowSE, qOverload<int>(&QSpinBox::valueChanged), this,
            &TEdytorOkna::RegulaNawiewnikow);
    SzerokoscNawiewnikaED->installEventFilter(this);
    connect(PodpowLgBBtn, &QPushButton::clicked, this, &TEdytorOkna::PodpowiedzLg);
    connect(BrakWycenyBBtn, &QPushButton::clicked, this, [this] {
        dialogi_.Komunikat(window(), TRodzajKomunikatu::Informacja, QStringLiteral("Informacja"),
                           BrakWycenyBBtn->toolTip());
    });
    connect(ZmSymbBitBtn, &QPushButton::clicked, this, &TEdytorOkna::zmienSymbol);
    connect(RefreshUwOkna, &QPushButton::clicked, this, &TEdytorOkna::przeliczUw);
    connect(UgBBtn, &QPushButton::clicked, this, &TEdytorOkna::WartosciUg);
    connect(UfBBtn, &QPushButton::clicked, this, &TEdytorOkna::WartosciUf);
    connect(Psi_gBBtn, &QPushButton::clicked, this, &TEdytorOkna::WartosciPsig);
    connect(dRBBtn, &QPushButton::clicked, this, &TEdytorOkna::WartoscidR);
    connect(WybierzTypOknaBBtn, &QPushButton::clicked, this, &TEdytorOkna::WybierzTyp);
    const std::array<QPushButton*, 7> wszystkim = {
        SetAllUgBBtn,      SetAllUfBBtn,      SetAllPsigBBtn, SetAlldRBBtn,
        SetAllTypOknaBBtn, SetAllOtwSkrzBBtn, SetAlldRamyBBtn};
    for (std::size_t i = 0; i < wszystkim.size(); ++i) {
        const int znacznik = static_cast<int>(i) + 1;
        connect(wszystkim[i], &QPushButton::clicked, this,
                [this, znacznik] { PrzypiszWszystkim(znacznik); });
    }
}

// Entering the vent width shows the help; leaving it applies the rule.
bool TEdytorOkna::eventFilter(QObject* obiekt, QEvent* zdarzenie) {
    if (obiekt == SzerokoscNawiewnikaED) {
        if (zdarzenie->type() == QEvent::FocusIn) {
            // Over the picture, just above the vent fields.
            const QRect obraz(OknoImage->mapTo(this, QPoint(0, 0)), OknoImage->size());
            SzerNawiewLabHelp->setFixedWidth(obraz.width());
            SzerNawiewLabHelp->adjustSize();
            SzerNawiewLabHelp->move(obraz.left(), obraz.bottom() - SzerNawiewLabHelp->height());
            SzerNawiewLabHelp->raise();
            SzerNawiewLabHelp->show();
        } else if (zdarzenie->type() == QEvent::FocusOut) {
            RegulaNawiewnikow();
            SzerNawiewLabHelp->hide();
        }
    }
    return QWidget::eventFilter(obiekt, zdarzenie);
}

void TEdytorOkna::UstawTabele(const TTabele& tabele) {
    tabele_ = tabele;
    if (tabele_.typ)
        connect(tabele_.typ, &TFTypOkna::blad, this, [this](const QString& tresc) {
            dialogi_.Komunikat(window(), TRodzajKomunikatu::Blad, QStringLiteral("Błąd"), tresc);
        });
}

// Values from the dialogs land in the fields only; the window gets them at
// the next commit. Filling a field is not the user's edit.
void TEdytorOkna::WartosciUg() {
    if (!tabele_.ug || !dialogi_.Pokaz(*tabele_.ug))
        return;
    UgEd->setText(tabele_.ug->Wartosc());
    SzkloKodIdST->setText(QString::number(tabele_.ug->KodID()));
    DostawcaUgST->setText(NazwaZrodla(tabele_.ug->ZrodloWartosci()));
    ugEdytowane_ = false;
    // g only when the user ticked the typical one.
    if (const double g = tabele_.ug->TypoweG(); g >= 0)
        gEd->setText(TekstOgolny(g));
}

void TEdytorOkna::WartosciUf() {
    if (!tabele_.uf || !dialogi_.Pokaz(*tabele_.uf))
        return;
    UfEd->setText(tabele_.uf->Wartosc());
    DostawcaUfST->setText(NazwaZrodla(tabele_.uf->ZrodloWartosci()));
    RamaKodIdST->setText(QString::number(tabele_.uf->KodID()));
    MaterialRamyCB->setCurrentIndex(MaterialRamyCB->findData(tabele_.uf->WybranyMaterial()));
    ufEdytowane_ = false;
}

void TEdytorOkna::WartosciPsig() {
    if (tabele_.psig && dialogi_.Pokaz(*tabele_.psig))
        PsiGEd->setText(tabele_.psig->Wartosc());
}

void TEdytorOkna::WartoscidR() {
    if (tabele_.dr && dialogi_.Pokaz(*tabele_.dr))
        dREd->setText(tabele_.dr->Wartosc());
}

void TEdytorOkna::WybierzTyp() {
    if (!tabele_.typ)
        return;
    for (int i = 1; i <= MAX_SKRZYDEL; ++i)
        tabele_.typ->SetSkrzydlo(QString::number(i), SkrzydlaVLE->GetSkrzydlo(QString::number(i)));
    if (!dialogi_.Pokaz(*tabele_.typ))
        return;
    for (int i = 1; i <= MAX_SKRZYDEL; ++i)
        SkrzydlaVLE->SetSkrzydlo(QString::number(i), tabele_.typ->GetSkrzydlo(QString::number(i)));
    const QString nazwa = NazwaTypuOkna(tabele_.typ->WybranyTyp());
    if (!nazwa.isEmpty())
        TypOknaCB->setCurrentIndex(TypOknaCB->findText(nazwa));
    // Stored, computed and drawn at once, as a type picked from the list is.
    emit zmienionoTyp();
}

void TEdytorOkna::WybierzRodzajSkrzydla(int wiersz, const QString& nazwa) {
    SkrzydlaVLE->Wybierz(wiersz, nazwa);
}

void TEdytorOkna::PrzypiszWszystkim(int znacznik) {
    static const char* const pytania[] = {
        "Czy chcesz ustawić bieżącą wartość Ug dla wszystkich okien w projekcie?",
        "Czy chcesz ustawić bieżącą wartość Uf oraz materiał ramy dla wszystkich okien w "
        "projekcie?",
        "Czy chcesz ustawić bieżącą wartość Psi_g dla wszystkich okien w projekcie?",
        "Czy chcesz ustawić bieżącą wartość dR dla wszystkich okien w projekcie?",
        "Czy chcesz ustawić bieżący typ okna dla wszystkich okien w projekcie?",
        "Czy chcesz ustawić bieżące sposoby otwierania skrzydeł dla wszystkich okien w "
        "projekcie?",
        "Czy chcesz ustawić bieżącą wartość d dla wszystkich okien w projekcie?",
    };
    static const TCoWszystkim co[] = {TCoWszystkim::Ug,      TCoWszystkim::Uf,
                                      TCoWszystkim::Psi_g,   TCoWszystkim::dR,
                                      TCoWszystkim::TypOkna, TCoWszystkim::RodzajeSkrzydel,
                                      TCoWszystkim::dRamy};
    if (znacznik < 1 || znacznik > 7)
        return;
    if (dialogi_.Pytanie(window(), QStringLiteral("Czy chcesz...?"),
                         QString::fromUtf8(pytania[znacznik - 1])) == TDialogi::Odpowiedz::Tak)
        emit przypiszWszystkim(co[znacznik - 1]);
}

void TEdytorOkna::PodpowiedzLg() {
    // The lengths as they are, fractions of a millimetre too; the suggestion
    // in whole millimetres.
    const double w = LiczbaZTekstu(SzerokoscEd->text());
    const double h = LiczbaZTekstu(WysokoscEd->text());
    double d = 0;
    if (!CzytajLiczbe(dRamyEd->text(), &d)) {
        LgEd->setText(QStringLiteral("0"));
        dialogi_.Komunikat(window(), TRodzajKomunikatu::Blad, QStringLiteral("Błąd"),
                           QStringLiteral("Podana wartość szerokości profilu nie jest prawidłową "
                                          "liczbą!"));
        return;
    }
    bool jest = false;
    const int32_t typ = KodTypuOkna(TypOknaCB->currentText(), &jest);
    int64_t lg = 0;
    if (!jest || !::PodpowiedzLg(typ, w, h, d, &lg)) {
        dialogi_.Komunikat(window(), TRodzajKomunikatu::Blad, QStringLiteral("Błąd"),
                           QStringLiteral("Brak zdefiniowanego algorytmu!"));
        return;
    }
    LgEd->setText(QString::number(lg));
}

void TEdytorOkna::RegulaNawiewnikow() {
    const int64_t c = Calkowita(SzerokoscNawiewnikaED).value_or(0);
    const int64_t szerokosc =
        RegulaNawiewnika(LiczbaZTekstu(SzerokoscEd->text()), LiczbaZTekstu(dRamyEd->text()),
                         LiczbaNawiewnikowSE->value(), c);
    SzerokoscNawiewnikaED->setText(QString::number(szerokosc));
}

void TEdytorOkna::Rysuj(const TOkno& okno) {
    QPixmap obraz(SZEROKOSC_RYSUNKU, WYSOKOSC_RYSUNKU);
    {
        QPainter p(&obraz);
        TKanwaQPainter kanwa(p);
        RysujOkno(okno, kanwa, SZEROKOSC_RYSUNKU, WYSOKOSC_RYSUNKU);
    }
    OknoImage->setPixmap(obraz);
}

void TEdytorOkna::PokazCene(const TZestawienieStolarki& projekt, const TOkno& okno) {
    BrakWycenyBBtn->setEnabled(false);
    BrakWycenyBBtn->setToolTip(QString());
    BrakWycenyBBtn->setStatusTip(QString());
    const bool dv = okno.JestDV();
    DVImage->setVisible(dv);
    CenaEd->setReadOnly(dv);
    // The reason of no price is the price calculation's, shown here only.
    const TWycena wycena = CenaNetto(projekt, okno);
    const double cena = wycena.Cena;
    CenaEd->setText(cena != -1 ? TekstSetnych(cena) : TEKST_BRAK_CENY);
    if (dv) {
        BrakWycenyBBtn->setEnabled(BrakCeny(CenaEd->text()));
        BrakWycenyBBtn->setToolTip(wycena.Komunikat);
        BrakWycenyBBtn->setStatusTip(wycena.Komunikat);
    }
}

void TEdytorOkna::PokazGeometrie(const TZestawienieStolarki& projekt, const TOkno& okno) {
    QStringList krotko, pelny;
    const TMetodaUw metoda = projekt.Metoda();
    const bool zGeometrii = metoda == TMetodaUw::Geometryczna;
    pelny << QStringLiteral("Metoda obliczania Uw: %1")
                 .arg(TZestawienieStolarki::NazwaMetodyUw(metoda));
    const TUw uw = ObliczUw(okno, metoda);
    if (!uw.uw) {
        // Why there is none, where the Uw field says "brak danych".
        if (!uw.brak.isEmpty()) {
            krotko << uw.brak;
            pelny << QStringLiteral("Brak Uw: ") + uw.brak;
        }
        GeometriaST->UstawTekst(krotko.join(QStringLiteral(" · ")), pelny.join(QLatin1Char('\n')));
        return;
    }
    // The other method's value beside the one the project judges by.
    const TUw inna = ObliczUw(okno, zGeometrii ? TMetodaUw::Szacunkowa : TMetodaUw::Geometryczna);
    if (inna.uw) {
        const QString t =
            (zGeometrii ? QStringLiteral("szacunek: %1") : QStringLiteral("z geometrii: %1"))
                .arg(TekstStaly(*inna.uw, 4, 2));
        krotko << t;
        pelny << QStringLiteral("Uw %1 W/m²K").arg(t);
    }
    // The terms of the Uw shown, for a check by hand.
    const TSkladnikiUw& s = uw.skladniki;
    krotko << QStringLiteral("Ag %1 m², Af %2 m²")
                  .arg(TekstStaly(s.ag, 12, 2), TekstStaly(s.af, 12, 2));
    pelny << QStringLiteral("Ag = %1 m², Af = %2 m², lg = %3 m (%4), udział szyb %5%")
                 .arg(TekstStaly(s.ag, 12, 4), TekstStaly(s.af, 12, 4), TekstStaly(s.lg, 12, 3),
                      s.lgWpisane ? QStringLiteral("Lg wpisane") : QStringLiteral("reguła Lg"),
                      TekstStaly(100 * s.ag / s.aw, 4, 1));
    // A typed Lg that differs from the glass edge the geometry has.
    const std::optional<double> regula =
        DlugoscKrawedziSzyb(okno.TypOkna, okno.Szerokosc, okno.Wysokosc, okno.dRamy);
    if (s.lgWpisane && regula && *regula >= 0 && std::abs(okno.Lg - *regula) >= 0.5) {
        krotko << QStringLiteral("Lg ≠ %1 mm").arg(TekstOgolny(std::round(*regula)));
        pelny << QStringLiteral("Lg różni się od obwodu szyb z geometrii okna (%1 mm)")
                     .arg(TekstOgolny(std::round(*regula)));
    }
    GeometriaST->UstawTekst(krotko.join(QStringLiteral(" · ")), pelny.join(QLatin1Char('\n')));
}

void TEdytorOkna::PokazOcene(QLabel* etykieta, const QString& tekst, bool spelnia, bool nieSpelnia,
                             const QString& pelny) {
    if (auto* skracana = qobject_cast<TEtykietaSkracana*>(etykieta))
        skracana->UstawTekst(tekst, pelny);
    else
        etykieta->setText(tekst);
    QPalette p = etykieta->palette();
    p.setColor(QPalette::WindowText,
               spelnia      ? QColor(0x1b, 0x7a, 0x2e)
               : nieSpelnia ? QColor(0xc6, 0x28, 0x28)
                            : palette().color(QPalette::Disabled, QPalette::WindowText));
    etykieta->setPalette(p);
}

void TEdytorOkna::Pokaz(const TZestawienieStolarki& projekt, const TOkno& okno) {
    SymbolOknaEd->setText(okno.Symbol());
    SzerokoscEd->setText(TekstOgolny(okno.Szerokosc));
    WysokoscEd->setText(TekstOgolny(okno.Wysokosc));
    TypOknaCB->setCurrentIndex(TypOknaCB->findText(okno.TypOknaNazwa()));
    MaterialRamyCB->setCurrentIndex(MaterialRamyCB->findText(okno.MaterialRamyNazwa()));
    UgEd->setText(TekstOgolny(okno.Ug));
    DostawcaUgST->setText(NazwaZrodla(okno.ZrodloUg));
    UfEd->setText(TekstOgolny(okno.Uf));
    DostawcaUfST->setText(NazwaZrodla(okno.ZrodloUf));
    RamaKodIdST->setText(QString::number(okno.RamaKodID));
    SzkloKodIdST->setText(QString::number(okno.SzkloKodID));
    PsiGEd->setText(TekstOgolny(okno.Psi_g));
    dRamyEd->setText(TekstOgolny(okno.dRamy));
    LgEd->setText(TekstOgolny(okno.Lg));
    dREd->setText(TekstOgolny(okno.dR));
    gEd->setText(TekstG(okno));
    fCEd->setText(okno.fC >= 0 ? TekstOgolny(okno.fC) : QString());
    // A code no list holds shows as no choice and stays as it is.
    OslonaCB->setCurrentIndex(okno.Oslona < OslonaCB->count() ? okno.Oslona : -1);
    for (int i = 0; i < MAX_SKRZYDEL; ++i)
        SkrzydlaVLE->item(i, 1)->setText(okno.RodzajSkrzydlaNazwa(i));
    SkrzydloCB->hide();
    // The type's sashes; the other rows keep their kinds out of sight.
    SkrzydlaVLE->PokazSkrzydla(LiczbaSkrzydel(okno.TypOkna));
    SzerokoscNawiewnikaED->setText(QString::number(okno.SzerokoscNawiewnika));
    {
        // The count as the window holds it, also one the field's 0–20 does
        // not (a file's 25): shown as it is, kept unless the user changes it.
        const QSignalBlocker cisza(LiczbaNawiewnikowSE);
        LiczbaNawiewnikowSE->setRange(std::min(0, okno.LiczbaNawiewnikow),
                                      std::max(MAX_NAWIEWNIKOW, okno.LiczbaNawiewnikow));
        LiczbaNawiewnikowSE->setValue(okno.LiczbaNawiewnikow);
    }
    OknaNaKondSG->Pokaz(projekt, okno);
    UwagiMemo->clear();
    UwagiMemo->setPlainText(RozdzielWiersze(okno.Uwagi).join(QLatin1Char('\n')));
    ugEdytowane_ = ufEdytowane_ = dRamyEdytowane_ = false;

    RodzajCB->setCurrentIndex(okno.Rodzaj);
    const std::optional<double> uw = ObliczUw(okno, projekt).uw;
    UwOknaEd->setText(uw ? TekstStaly(*uw, 4, 2) : QStringLiteral("brak danych"));
    PokazGeometrie(projekt, okno);
    const TOcenaWT wt = OcenWT2021(okno, projekt);
    PokazOcene(WT2021ST, KrotkiTekstOcenyWT(wt), wt.wynik == TWynikWT::Spelnia,
               wt.wynik == TWynikWT::NieSpelnia, TekstOcenyWT(wt));
    const TOcenaLato lato = OcenLato2021(okno, projekt);
    PokazOcene(Lato2021ST, TekstOcenyLato(lato), lato.wynik == TWynikLato::Spelnia,
               lato.wynik == TWynikLato::NieSpelnia);
    PokazCene(projekt, okno);
    Rysuj(okno);
    // The suggestion and the vent rule fill the fields only; the window
    // keeps its own values until the user commits others. The rule acts on
    // every show alike, whatever window was shown before.
    if (!(okno.Lg >= 0))
        PodpowiedzLg();
    RegulaNawiewnikow();
    pokazane_.clear();
    for (const QLineEdit* e : {SzerokoscEd, WysokoscEd, UgEd, UfEd, PsiGEd, dRamyEd, LgEd, dREd,
                               SzerokoscNawiewnikaED, CenaEd, gEd, fCEd})
        pokazane_.insert(e, e->text());
}

bool TEdytorOkna::Nietkniete(const QLineEdit* pole) const {
    const auto it = pokazane_.constFind(pole);
    return it != pokazane_.constEnd() && *it == pole->text();
}

TOkno TEdytorOkna::Zatwierdz(const TZestawienieStolarki& projekt, const TOkno& okno) const {
    TOkno o = okno;
    if (RodzajCB->currentIndex() >= 0)
        o.Rodzaj = RodzajCB->currentIndex();
    // A name that is not in a list leaves the window's value as it was.
    if (TypOknaCB->currentIndex() >= 0)
        o.SetTypOknaNazwa(TypOknaCB->currentText());
    if (MaterialRamyCB->currentIndex() >= 0)
        o.SetMaterialRamyNazwa(MaterialRamyCB->currentText());
    for (int i = 0; i < MAX_SKRZYDEL; ++i)
        o.SetRodzajSkrzydlaNazwa(i, SkrzydlaVLE->item(i, 1)->text());
    // A number field the user left as it was shown keeps the window's own
    // value, exactly: its text may be a rounding of it, or a suggestion. A
    // value outside the field's range, or text that is no number, is never
    // taken.
    auto liczba = [this](const QLineEdit* pole, const char* klucz, double& cel) {
        double x = 0;
        if (!Nietkniete(pole) && CzytajLiczbe(pole->text(), &x) &&
            PowodOdrzucenia(klucz, x).isEmpty())
            cel = x;
    };
    liczba(SzerokoscEd, "Szerokosc", o.Szerokosc);
    liczba(WysokoscEd, "Wysokosc", o.Wysokosc);
    liczba(UgEd, "Ug", o.Ug);
    o.ZrodloUg = static_cast<uint8_t>(IndeksZrodla(DostawcaUgST->text()));
    o.SzkloKodID = Int32ZTekstu(SzkloKodIdST->text());
    liczba(UfEd, "Uf", o.Uf);
    o.ZrodloUf = static_cast<uint8_t>(IndeksZrodla(DostawcaUfST->text()));
    o.RamaKodID = Int32ZTekstu(RamaKodIdST->text());
    liczba(PsiGEd, "Psi_g", o.Psi_g);
    liczba(dRamyEd, "dRamy", o.dRamy);
    liczba(LgEd, "Lg", o.Lg);
    liczba(dREd, "dR", o.dR);
    // gn and a typed fC: "brak" (or nothing) for none, else a share 0…1.
    auto ulamek = [this](const QLineEdit* pole, double& cel) {
        if (Nietkniete(pole))
            return;
        double x = 0;
        if (BrakCeny(pole->text()))
            cel = -1;
        else if (CzytajLiczbe(pole->text(), &x) && x >= 0 && x <= 1)
            cel = x;
    };
    ulamek(gEd, o.g);
    ulamek(fCEd, o.fC);
    if (OslonaCB->currentIndex() >= 0)
        o.Oslona = OslonaCB->currentIndex();
    if (!Nietkniete(SzerokoscNawiewnikaED))
        o.SzerokoscNawiewnika = Int32ZTekstu(SzerokoscNawiewnikaED->text());
    o.LiczbaNawiewnikow = LiczbaNawiewnikowSE->value();
    OknaNaKondSG->Zatwierdz(projekt, o);
    // A window that becomes list-priced has no price of its own; one that
    // stops being so keeps the price then shown; no price ("brak" or
    // nothing) stays no price, a number is that price.
    if (o.JestDV()) {
        if (!okno.JestDV())
            o.CenaOkna = -1;
    } else if (okno.JestDV() || !Nietkniete(CenaEd)) {
        double cena = 0;
        if (BrakCeny(CenaEd->text()))
            o.CenaOkna = -1;
        else if (CzytajLiczbe(CenaEd->text(), &cena) && PowodOdrzucenia("CenaOkna", cena).isEmpty())
            o.CenaOkna = cena;
    }
    const QString uwagi = ZlaczWiersze(WierszeNotatki(UwagiMemo->toPlainText()));
    if (RozdzielWiersze(uwagi) != RozdzielWiersze(okno.Uwagi))
        o.Uwagi = uwagi;
    return o;
}

void TEdytorOkna::Resetuj() {
    pokazane_.clear();
    if (TypOknaCB->count() == 0) {
        for (const TTypOknaRec& t : TypyOkien())
            TypOknaCB->addItem(t.Nazwa);
        for (const TMaterialyRamy& m : MaterialyRamy())
            MaterialRamyCB->addItem(m.Nazwa, m.Kod);
    }
    TypOknaCB->setCurrentIndex(0);
    SkrzydloCB->setCurrentIndex(0);
    SkrzydloCB->hide();
    MaterialRamyCB->setCurrentIndex(0);
    SymbolOknaEd->clear();
    UwagiMemo->clear();
    for (QLineEdit* e :
         {SzerokoscEd, WysokoscEd, UgEd, UfEd, PsiGEd, dRamyEd, LgEd, UwOknaEd, dREd})
        e->setText(QStringLiteral("0"));
    gEd->setText(TEKST_BRAK_CENY);
    fCEd->clear();
    OslonaCB->setCurrentIndex(0);
    OknaNaKondSG->Resetuj();
    QPixmap pusty(SZEROKOSC_RYSUNKU, WYSOKOSC_RYSUNKU);
    pusty.fill(Qt::white);
    OknoImage->setPixmap(pusty);
}
