#include "ui/main/edytorokna.h"

#include "model/liczby.h"
#include "model/obliczenia/geometria.h"
#include "model/obliczenia/podpowiedzi.h"
#include "model/obliczenia/uw.h"
#include "model/obliczenia/wt2021.h"
#include "model/obliczenia/wt2021lato.h"
#include "model/obliczenia/wycena.h"
#include "model/obliczenia/zaokraglenia.h"
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
#include <QCheckBox>
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
    const std::pair<QLineEdit*, const char*> pola[] = {{SzerokoscEd, "Szerokosc"},
                                                       {WysokoscEd, "Wysokosc"},
                                                       {UgEd, "Ug"},
                                                       {UfEd, "Uf"},
                                                       {PsiGEd, "Psi_g"},
                                                       {dRamyEd, "dRamy"},
                                                       {LgEd, "Lg"},
                                                       {dREd, "dR"},
                                                       {dSlupkaEd, "dSlupka"},
                                                       {UpEd, "Up"},
                                                       {PsiPEd, "Psi_p"}};
    for (const auto& [e, klucz] : pola)
        PilnujPolaLiczbowego(e, klucz, dialogi_);
    PilnujPolaLiczbowego(CenaEd, "CenaOkna", dialogi_, TBrakWartosci::Brak);
    PilnujPolaLiczbowego(gEd, "g", dialogi_, TBrakWartosci::Brak);
    PilnujPolaLiczbowego(fCEd, "fC", dialogi_, TBrakWartosci::Puste);
    // What the user types goes into the copy when the field is left (after
    // the guard above, which puts back what it refuses); a field the
    // program fills is not the user's edit (QLineEdit::isModified).
    for (QLineEdit* e :
         {SzerokoscEd, WysokoscEd, PsiGEd, LgEd, dREd, CenaEd, SzerokoscNawiewnikaED, UpEd, PsiPEd})
        connect(e, &QLineEdit::editingFinished, this, [this, e] { Przenies(e); });
    // The mullions move the glass edge as d does.
    connect(dSlupkaEd, &QLineEdit::editingFinished, this, [this] {
        if (Przenies(dSlupkaEd))
            PodpowiedzLg(true);
    });
    connect(UgEd, &QLineEdit::editingFinished, this, [this] {
        if (Przenies(UgEd))
            PokazUg();
    });
    connect(UfEd, &QLineEdit::editingFinished, this, [this] {
        if (Przenies(UfEd))
            PokazUf();
    });
    connect(MaterialRamyCB, qOverload<int>(&QComboBox::activated), this, [this](int i) {
        TOkno& o = bufor_.Zmien(TPoleOkna::MaterialRamy);
        o.MaterialRamy = MaterialRamyCB->itemData(i).toInt();
        o.ZrodloUf = ZrodloInny;
        o.RamaKodID = 0;
        PokazUf();
    });
    connect(dRamyEd, &QLineEdit::editingFinished, this, [this] {
        const bool zmienione = Przenies(dRamyEd);
        RegulaNawiewnikow(true);
        if (zmienione)
            PodpowiedzLg(true);
    });
    connect(TypOknaCB, qOverload<int>(&QComboBox::activated), this, [this] {
        bufor_.Zmien(TPoleOkna::TypOkna).SetTypOknaNazwa(TypOknaCB->currentText());
        emit zmienionoTyp();
    });
    // The outline changes the area and the glass edge: stored and drawn at once.
    connect(OkragleCB, &QCheckBox::clicked, this, [this](bool okragle) {
        bufor_.Zmien(TPoleOkna::Ksztalt).Ksztalt = okragle ? KSZTALT_OKRAGLY : KSZTALT_PROSTOKATNY;
        // A round window of more sashes has no glass edge to suggest.
        if (int64_t lg = 0; ::PodpowiedzLg(bufor_.Okno(), &lg))
            PodpowiedzLg(true);
        emit zmienionoTyp();
    });
    // A new kind is stored and judged at once.
    connect(RodzajCB, qOverload<int>(&QComboBox::activated), this, [this](int i) {
        bufor_.Zmien(TPoleOkna::Rodzaj).Rodzaj = i;
        emit zmienionoTyp();
    });
    // g, the device and fC decide the summer verdict: stored and judged at
    // once, a field as soon as it is left changed.
    connect(OslonaCB, qOverload<int>(&QComboBox::activated), this, [this](int i) {
        bufor_.Zmien(TPoleOkna::Oslona).Oslona = i;
        emit przeliczUw();
    });
    for (QLineEdit* e : {gEd, fCEd})
        connect(e, &QLineEdit::editingFinished, this, [this, e] {
            if (Przenies(e))
                emit przeliczUw();
        });
    // A kind picked for a sash is stored, recomputed and drawn at once.
    connect(SkrzydlaVLE, &TListaSkrzydel::wybrano, this, [this](int wiersz) {
        const int32_t byl = bufor_.Okno().RodzajSkrzydla[static_cast<std::size_t>(wiersz)];
        TOkno& o = bufor_.Zmien(TPoleOkna::Skrzydla);
        o.SetRodzajSkrzydlaNazwa(wiersz, SkrzydlaVLE->GetSkrzydlo(QString::number(wiersz + 1)));
        // A sash that becomes a panel, or glass again, changes the glass edge.
        if ((byl == RODZAJ_PLYCINA) !=
            (o.RodzajSkrzydla[static_cast<std::size_t>(wiersz)] == RODZAJ_PLYCINA))
            PodpowiedzLg(true);
        emit zmienionoTyp();
    });
    connect(LiczbaNawiewnikowSE, qOverload<int>(&QSpinBox::valueChanged), this, [this](int n) {
        bufor_.Zmien(TPoleOkna::LiczbaNawiewnikow).LiczbaNawiewnikow = n;
        RegulaNawiewnikow(true);
    });
    SzerokoscNawiewnikaED->installEventFilter(this);
    connect(PodpowLgBBtn, &QPushButton::clicked, this, [this] { PodpowiedzLg(true); });
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
            Przenies(SzerokoscNawiewnikaED);
            RegulaNawiewnikow(true);
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

// Values from the dialogs go into the copy and its fields; the window gets
// them at the next commit.
namespace {

// A value a reference dialog gives, as its text; nothing for none.
std::optional<double> WartoscTabeli(const QString& tekst) {
    double x = 0;
    return CzytajLiczbe(tekst, &x) ? std::optional<double>(x) : std::nullopt;
}

} // namespace

void TEdytorOkna::WartosciUg() {
    if (!tabele_.ug)
        return;
    // A window with a build-up opens on it.
    tabele_.ug->PokazBudowe(bufor_.Okno());
    if (!dialogi_.Pokaz(*tabele_.ug))
        return;
    const std::optional<double> ug = WartoscTabeli(tabele_.ug->Wartosc());
    if (!ug)
        return;
    TOkno& o = bufor_.Zmien(TPoleOkna::Ug);
    o.Ug = *ug;
    o.SzkloKodID = tabele_.ug->KodID();
    o.ZrodloUg = static_cast<uint8_t>(tabele_.ug->ZrodloWartosci());
    // The build-up the Ug was computed from stays with it; a table's Ug has
    // none.
    const std::optional<TBudowaSzyby> budowa =
        tabele_.ug->Strony->currentIndex() == TDialogTabeli::ObliczenieUg ? tabele_.ug->Budowa()
                                                                          : std::nullopt;
    o.BudowaSzyby = budowa ? TekstBudowySzyby(*budowa) : QString();
    o.PowlokiSzyby = budowa ? TekstPowlok(*budowa) : QString();
    o.WypelnienieGazem = budowa ? budowa->wypelnienie : 90;
    UgEd->setText(TekstOgolny(o.Ug));
    PokazUg();
    // g only when the user ticked the typical one.
    if (const double g = tabele_.ug->TypoweG(); g >= 0) {
        bufor_.Zmien(TPoleOkna::g).g = g;
        gEd->setText(TekstOgolny(g));
    }
}

void TEdytorOkna::WartosciUf() {
    if (!tabele_.uf || !dialogi_.Pokaz(*tabele_.uf))
        return;
    const std::optional<double> uf = WartoscTabeli(tabele_.uf->Wartosc());
    if (!uf)
        return;
    TOkno& o = bufor_.Zmien(TPoleOkna::Uf);
    o.Uf = *uf;
    o.ZrodloUf = static_cast<uint8_t>(tabele_.uf->ZrodloWartosci());
    o.RamaKodID = tabele_.uf->KodID();
    UfEd->setText(TekstOgolny(o.Uf));
    PokazUf();
    const int material = MaterialRamyCB->findData(tabele_.uf->WybranyMaterial());
    if (material >= 0) {
        bufor_.Zmien(TPoleOkna::MaterialRamy).MaterialRamy = tabele_.uf->WybranyMaterial();
        MaterialRamyCB->setCurrentIndex(material);
    }
}

void TEdytorOkna::WartosciPsig() {
    if (!tabele_.psig || !dialogi_.Pokaz(*tabele_.psig))
        return;
    if (const std::optional<double> x = WartoscTabeli(tabele_.psig->Wartosc())) {
        bufor_.Zmien(TPoleOkna::Psi_g).Psi_g = *x;
        PsiGEd->setText(TekstOgolny(*x));
    }
}

void TEdytorOkna::WartoscidR() {
    if (!tabele_.dr || !dialogi_.Pokaz(*tabele_.dr))
        return;
    if (const std::optional<double> x = WartoscTabeli(tabele_.dr->Wartosc())) {
        bufor_.Zmien(TPoleOkna::dR).dR = *x;
        dREd->setText(TekstOgolny(*x));
    }
}

void TEdytorOkna::WybierzTyp() {
    if (!tabele_.typ)
        return;
    // It opens on the window's own type and sash kinds.
    tabele_.typ->UstawTyp(bufor_.Okno().TypOkna);
    for (int i = 1; i <= MAX_SKRZYDEL; ++i)
        tabele_.typ->SetSkrzydlo(QString::number(i), bufor_.Okno().RodzajSkrzydlaNazwa(i - 1));
    if (!dialogi_.Pokaz(*tabele_.typ))
        return;
    TOkno& o = bufor_.Zmien(TPoleOkna::Skrzydla);
    for (int i = 1; i <= MAX_SKRZYDEL; ++i) {
        const QString rodzaj = tabele_.typ->GetSkrzydlo(QString::number(i));
        SkrzydlaVLE->SetSkrzydlo(QString::number(i), rodzaj);
        o.SetRodzajSkrzydlaNazwa(i - 1, rodzaj);
    }
    const QString nazwa = NazwaTypuOkna(tabele_.typ->WybranyTyp());
    if (!nazwa.isEmpty()) {
        bufor_.Zmien(TPoleOkna::TypOkna).SetTypOknaNazwa(nazwa);
        TypOknaCB->setCurrentIndex(TypOknaCB->findText(nazwa));
    }
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

void TEdytorOkna::PodpowiedzLg(bool zUzytkownika) {
    // The lengths as the window has them, fractions of a millimetre too;
    // the suggestion in whole millimetres.
    // d as the window holds it: what the d field refuses never gets there.
    const TOkno& o = bufor_.Okno();
    int64_t lg = 0;
    if (!::PodpowiedzLg(o, &lg)) {
        dialogi_.Komunikat(window(), TRodzajKomunikatu::Blad, QStringLiteral("Błąd"),
                           QStringLiteral("Brak zdefiniowanego algorytmu!"));
        return;
    }
    LgEd->setText(QString::number(lg));
    // A window whose Lg follows the rule (below 0) keeps following it; a
    // suggestion below 0 (no glass) is shown, never taken.
    const double x = static_cast<double>(lg);
    if (zUzytkownika && (o.Lg >= 0 || bufor_.Zmienione(TPoleOkna::Lg)) &&
        PowodOdrzucenia("Lg", x).isEmpty())
        bufor_.Zmien(TPoleOkna::Lg).Lg = x;
}

void TEdytorOkna::RegulaNawiewnikow(bool zUzytkownika) {
    const TOkno& o = bufor_.Okno();
    const int64_t szerokosc =
        RegulaNawiewnika(o.Szerokosc, o.dRamy, o.LiczbaNawiewnikow, o.SzerokoscNawiewnika);
    SzerokoscNawiewnikaED->setText(QString::number(szerokosc));
    if (zUzytkownika && szerokosc != o.SzerokoscNawiewnika)
        bufor_.Zmien(TPoleOkna::SzerokoscNawiewnika).SzerokoscNawiewnika =
            static_cast<int32_t>(szerokosc);
}

bool TEdytorOkna::Przenies(QLineEdit* pole) {
    if (!pole->isModified())
        return false;
    pole->setModified(false);
    const QString tekst = pole->text();
    double x = 0;
    // A number in the range of the value the field edits.
    auto liczba = [&](TPoleOkna p, const char* klucz, double TOkno::*cel) {
        if (!CzytajLiczbe(tekst, &x) || !PowodOdrzucenia(klucz, x).isEmpty())
            return false;
        bufor_.Zmien(p).*cel = x;
        return true;
    };
    // gn and a typed fC: "brak" (or nothing) for none, else a share 0…1.
    auto ulamek = [&](TPoleOkna p, double TOkno::*cel) {
        if (BrakCeny(tekst))
            x = -1;
        else if (!CzytajLiczbe(tekst, &x) || x < 0 || x > 1)
            return false;
        bufor_.Zmien(p).*cel = x;
        return true;
    };
    if (pole == SzerokoscEd)
        return liczba(TPoleOkna::Szerokosc, "Szerokosc", &TOkno::Szerokosc);
    if (pole == WysokoscEd)
        return liczba(TPoleOkna::Wysokosc, "Wysokosc", &TOkno::Wysokosc);
    if (pole == UgEd) {
        if (!liczba(TPoleOkna::Ug, "Ug", &TOkno::Ug))
            return false;
        // A typed Ug is no catalogue's, nor a build-up's.
        TOkno& o = bufor_.Zmien(TPoleOkna::Ug);
        o.ZrodloUg = ZrodloInny;
        o.SzkloKodID = 0;
        o.BudowaSzyby.clear();
        o.PowlokiSzyby.clear();
        o.WypelnienieGazem = 90;
        return true;
    }
    if (pole == UfEd) {
        if (!liczba(TPoleOkna::Uf, "Uf", &TOkno::Uf))
            return false;
        bufor_.Zmien(TPoleOkna::Uf).ZrodloUf = ZrodloInny;
        bufor_.Zmien(TPoleOkna::Uf).RamaKodID = 0;
        return true;
    }
    if (pole == PsiGEd)
        return liczba(TPoleOkna::Psi_g, "Psi_g", &TOkno::Psi_g);
    if (pole == dRamyEd)
        return liczba(TPoleOkna::dRamy, "dRamy", &TOkno::dRamy);
    if (pole == dSlupkaEd)
        return liczba(TPoleOkna::dSlupka, "dSlupka", &TOkno::dSlupka);
    if (pole == UpEd)
        return liczba(TPoleOkna::Up, "Up", &TOkno::Up);
    if (pole == PsiPEd)
        return liczba(TPoleOkna::Psi_p, "Psi_p", &TOkno::Psi_p);
    if (pole == LgEd)
        return liczba(TPoleOkna::Lg, "Lg", &TOkno::Lg);
    if (pole == dREd)
        return liczba(TPoleOkna::dR, "dR", &TOkno::dR);
    if (pole == gEd)
        return ulamek(TPoleOkna::g, &TOkno::g);
    if (pole == fCEd)
        return ulamek(TPoleOkna::fC, &TOkno::fC);
    if (pole == CenaEd) {
        // No price ("brak" or nothing), or a price in range.
        if (BrakCeny(tekst))
            x = -1;
        else if (!CzytajLiczbe(tekst, &x) || !PowodOdrzucenia("CenaOkna", x).isEmpty())
            return false;
        bufor_.Zmien(TPoleOkna::Cena).CenaOkna = x;
        return true;
    }
    if (pole == SzerokoscNawiewnikaED) {
        // What is no whole number is 0, which the rule makes the maximum.
        bufor_.Zmien(TPoleOkna::SzerokoscNawiewnika).SzerokoscNawiewnika = Int32ZTekstu(tekst);
        return true;
    }
    return false;
}

void TEdytorOkna::PrzeniesWszystko() {
    for (QLineEdit* e : {SzerokoscEd, WysokoscEd, UgEd, UfEd, PsiGEd, UpEd, PsiPEd, dRamyEd,
                         dSlupkaEd, LgEd, dREd, gEd, fCEd, CenaEd, SzerokoscNawiewnikaED})
        Przenies(e);
    if (UwagiMemo->document()->isModified()) {
        UwagiMemo->document()->setModified(false);
        bufor_.Zmien(TPoleOkna::Uwagi).Uwagi =
            ZlaczWiersze(WierszeNotatki(UwagiMemo->toPlainText()));
    }
}

TOkno TEdytorOkna::Zatwierdz(const TZestawienieStolarki& projekt, const TOkno& okno) {
    PrzeniesWszystko();
    TOkno o = bufor_.Zatwierdz(okno);
    OknaNaKondSG->Zatwierdz(projekt, o);
    return o;
}

void TEdytorOkna::Resetuj() {
    bufor_.Pokaz(TOkno(QString()));
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
    for (QLineEdit* e : {SzerokoscEd, WysokoscEd, UgEd, UfEd, PsiGEd, UpEd, PsiPEd, dRamyEd,
                         dSlupkaEd, LgEd, UwOknaEd, dREd})
        e->setText(QStringLiteral("0"));
    gEd->setText(TEKST_BRAK_CENY);
    fCEd->clear();
    OslonaCB->setCurrentIndex(0);
    OkragleCB->setChecked(false);
    PlycinyPanel->hide();
    NaglowekRoletyST->show();
    OknaNaKondSG->Resetuj();
    QPixmap pusty(SZEROKOSC_RYSUNKU, WYSOKOSC_RYSUNKU);
    pusty.fill(Qt::white);
    OknoImage->setPixmap(pusty);
}
