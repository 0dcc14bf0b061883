#include "report/prvform/prnprvform.h"

#include "model/zestawienie.h"
#include "report/podglad/pageview.h"
#include "report/podglad/thumbnailstrip.h"
#include "report/prvform/dokumentpodgladu.h"
#include "report/prvform/drukzpostepem.h"
#include "report/raport/czcionki.h"
#include "report/raport/raport.h"
#include "report/raport/wydruk.h"
#include "report/strony/pageoutput.h"
#include "uslugi/dialogi.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFontDatabase>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QSaveFile>
#include <QScreen>
#include <QSplitter>
#include <QTabBar>
#include <QTimer>
#include <QVBoxLayout>

#include <cmath>

namespace {

const QStringList POZYCJE_ZOOMU = {QStringLiteral("%50"),
                                   QStringLiteral("%100"),
                                   QStringLiteral("%150"),
                                   QStringLiteral("%200"),
                                   QStringLiteral("Szerokość strony"),
                                   QStringLiteral("Wysokość strony"),
                                   QStringLiteral("Cała strona")};
constexpr int ZOOMY[] = {50, 100, 150, 200};

QFrame* Kreska(QWidget* rodzic) {
    auto* k = new QFrame(rodzic);
    k->setFrameShape(QFrame::VLine);
    k->setFrameShadow(QFrame::Sunken);
    return k;
}

} // namespace

TPrnPrvForm::TPrnPrvForm(TDialogi& dialogi, QWidget* rodzic) : QDialog(rodzic), dialogi_(dialogi) {
    setObjectName(QStringLiteral("PrnPrvForm"));
    setWindowTitle(QStringLiteral("Podgląd wydruku"));
    setWindowFlags(windowFlags() | Qt::WindowMaximizeButtonHint | Qt::WindowMinimizeButtonHint);
    // Un-maximised it keeps most of the screen.
    if (const QScreen* ekran = rodzic ? rodzic->screen() : QGuiApplication::primaryScreen()) {
        const QRect obszar = ekran->availableGeometry();
        resize(std::max(800, obszar.width() * 4 / 5), std::max(600, obszar.height() * 4 / 5));
    }
    setWindowState(Qt::WindowMaximized);
    QFont czcionka(QStringLiteral("Arial"));
    czcionka.setPixelSize(11);
    setFont(czcionka);

    auto* uklad = new QVBoxLayout(this);
    uklad->setContentsMargins(0, 0, 0, 0);
    uklad->setSpacing(0);
    UtworzPasek();

    Podzial = new QSplitter(Qt::Horizontal, this);
    ThumbnailStrip = new TThumbnailStrip(Podzial);
    ThumbnailStrip->setObjectName(QStringLiteral("ThumbnailStrip"));
    ThumbnailStrip->setMinimumWidth(30);
    auto* prawa = new QWidget(Podzial);
    auto* up = new QVBoxLayout(prawa);
    up->setContentsMargins(0, 0, 0, 0);
    up->setSpacing(0);
    PageView = new TPageView(prawa);
    PageView->setObjectName(QStringLiteral("PageView"));
    PageNavigator = new QTabBar(prawa);
    PageNavigator->setObjectName(QStringLiteral("PageNavigator"));
    QFont zakladki(QStringLiteral("Arial"));
    zakladki.setPixelSize(12);
    zakladki.setBold(true);
    PageNavigator->setFont(zakladki);
    PageNavigator->setUsesScrollButtons(true);
    PageNavigator->setExpanding(false);
    PageNavigator->setShape(QTabBar::RoundedSouth);
    // A tab under the mouse would lay every tab out again for each one
    // added while pages are built; the tabs need no hover.
    PageNavigator->setAttribute(Qt::WA_Hover, false);
    up->addWidget(PageView, 1);
    up->addWidget(PageNavigator);
    Podzial->addWidget(ThumbnailStrip);
    Podzial->addWidget(prawa);
    Podzial->setStretchFactor(1, 1);
    Podzial->setSizes({150, 1000});
    Podzial->setCollapsible(0, false);
    uklad->addWidget(Podzial, 1);
    ThumbnailStrip->SetPageView(PageView);

    // The component as the report needs it.
    PageView->SetUsePrinterOptions(false);
    PageView->SetUnits(mmPixel);
    PageView->SetAnnotation(false);
    PageView->SetZoom(100);
    PageView->SetPrintJobTitle(TRaport::TYTUL_DOKUMENTU);
    OdbijZoom();
    dokument_ = std::make_unique<TDokumentPodgladu>(*PageView);

    connect(PageView, &TPageView::OnZoomChange, this, &TPrnPrvForm::OdbijZoom);
    connect(PageView, &TPageView::OnChange, this, &TPrnPrvForm::OdbijStrony);
    connect(PageView, &TPageView::OnBeginDoc, this, [this] {
        setWindowTitle(Tytul() + QStringLiteral(" - Tworzenie podglądu..."));
        DrukujBtn->setEnabled(false);
        ZapiszPdfBtn->setEnabled(false);
    });
    connect(PageView, &TPageView::OnEndDoc, this, [this] {
        setWindowTitle(Tytul());
        UstawDrukuj();
    });
    connect(PageView, &TPageView::OnError, this, [this](const QString& tresc) {
        dialogi_.Komunikat(this, TRodzajKomunikatu::Blad, QStringLiteral("Błąd"), tresc);
    });
    connect(PageNavigator, &QTabBar::currentChanged, this, [this](int i) {
        if (i >= 0)
            PageView->SetCurrentPage(i + 1);
    });
}

TPrnPrvForm::~TPrnPrvForm() = default;

void TPrnPrvForm::UtworzPasek() {
    auto* pasek = new QFrame(this);
    pasek->setObjectName(QStringLiteral("Pasek"));
    pasek->setFixedHeight(100);
    pasek->setFrameShape(QFrame::StyledPanel);
    auto* l = new QHBoxLayout(pasek);
    l->setContentsMargins(8, 4, 8, 4);

    auto przycisk = [&](const char* nazwa, const QString& tekst) {
        auto* b = new QPushButton(tekst, pasek);
        b->setObjectName(QLatin1String(nazwa));
        b->setAutoDefault(false);
        return b;
    };
    UstStronyBtn = przycisk("UstStronyBtn", QStringLiteral("Ustawienia strony"));
    DrukujBtn = przycisk("DrukujBtn", QStringLiteral("Drukuj..."));
    ZapiszPdfBtn = przycisk("ZapiszPdfBtn", QStringLiteral("Zapisz PDF..."));
    DrukujBtn->setEnabled(false);
    ZapiszPdfBtn->setEnabled(false);
    auto* przyciski = new QVBoxLayout;
    przyciski->setSpacing(2);
    for (QPushButton* b : {UstStronyBtn, DrukujBtn, ZapiszPdfBtn})
        przyciski->addWidget(b);
    l->addLayout(przyciski);
    l->addWidget(Kreska(pasek));

    auto* wybory = new QGridLayout;
    ZoomComboBox = new QComboBox(pasek);
    ZoomComboBox->setObjectName(QStringLiteral("ZoomComboBox"));
    ZoomComboBox->addItems(POZYCJE_ZOOMU);
    FontCB = new QComboBox(pasek);
    FontCB->setObjectName(QStringLiteral("FontCB"));
    FontCB->addItems(RodzinyCzcionek());
    FontCB->setCurrentIndex(FontCB->findText(DomyslnaCzcionkaRaportu()));
    FontCB->setMinimumContentsLength(18);
    FontCB->setMaxVisibleItems(15);
    wybory->addWidget(new QLabel(QStringLiteral("Powiększenie:"), pasek), 0, 0);
    wybory->addWidget(ZoomComboBox, 0, 1);
    wybory->addWidget(new QLabel(QStringLiteral("Czcionka:"), pasek), 1, 0);
    wybory->addWidget(FontCB, 1, 1);
    l->addLayout(wybory);
    l->addWidget(Kreska(pasek));

    auto pole = [&](const char* nazwa, const QString& tekst) {
        auto* c = new QCheckBox(tekst, pasek);
        c->setObjectName(QLatin1String(nazwa));
        connect(c, &QCheckBox::clicked, this, &TPrnPrvForm::GenerujRaport);
        return c;
    };
    DodajWyceneCB =
        pole("DodajWyceneCB",
             QStringLiteral("Dodaj informacje o wycenie każdego okna i całego projektu"));
    DodajCeneMontazuCB = pole(
        "DodajCeneMontazuCB",
        QStringLiteral("Dodaj informacje o łącznej cenie montażu wszystkich okien w projekcie"));
    DodajCeneM2CB =
        pole("DodajCeneM2CB",
             QStringLiteral("Dodaj informacje o cenie za metr kwadratowy okna (z montażem)"));
    DodajOrientacjeCB =
        pole("DodajOrientacjeCB", QStringLiteral("Dodaj zestawienie wg stron świata"));
    DodajWT2021CB = pole("DodajWT2021CB", QStringLiteral("Dodaj ocenę zgodności z WT 2021"));
    auto* opcje = new QVBoxLayout;
    opcje->setSpacing(0);
    for (QCheckBox* c :
         {DodajWyceneCB, DodajCeneMontazuCB, DodajCeneM2CB, DodajOrientacjeCB, DodajWT2021CB})
        opcje->addWidget(c);
    l->addLayout(opcje);
    l->addStretch();
    ZamknijBtn = przycisk("ZamknijBtn", QStringLiteral("Zamknij"));
    l->addWidget(ZamknijBtn);
    layout()->addWidget(pasek);

    connect(UstStronyBtn, &QPushButton::clicked, this, [this] {
        if (!ustawieniaStrony_ || !ustawieniaStrony_())
            return;
        if (budowanie_) {
            // The paper cannot change while pages are recorded: the build
            // under way stops and the next takes the new page setup.
            nowyPapier_ = true;
            GenerujRaport();
            return;
        }
        AktualizujParametryDrukarki();
        GenerujRaport();
    });
    connect(DrukujBtn, &QPushButton::clicked, this, &TPrnPrvForm::Drukuj);
    connect(ZapiszPdfBtn, &QPushButton::clicked, this, &TPrnPrvForm::ZapiszPdf);
    connect(ZamknijBtn, &QPushButton::clicked, this, &QDialog::reject);
    connect(FontCB, qOverload<int>(&QComboBox::activated), this, &TPrnPrvForm::GenerujRaport);
    connect(ZoomComboBox, qOverload<int>(&QComboBox::activated), this, [this](int i) {
        if (i >= 0 && i < 4)
            PageView->SetZoom(ZOOMY[i]);
        else if (i == 4)
            PageView->SetZoomState(zsZoomToWidth);
        else if (i == 5)
            PageView->SetZoomState(zsZoomToHeight);
        else if (i == 6)
            PageView->SetZoomState(zsZoomToFit);
    });
}

void TPrnPrvForm::UstawUstawieniaStrony(std::function<bool()> polecenie,
                                        std::function<QPageLayout()> uklad) {
    ustawieniaStrony_ = std::move(polecenie);
    ukladStrony_ = std::move(uklad);
}

QString TPrnPrvForm::Tytul() const {
    const QWidget* glowne = parentWidget() ? parentWidget()->window() : nullptr;
    return glowne && !glowne->windowTitle().isEmpty() ? glowne->windowTitle()
                                                      : QGuiApplication::applicationDisplayName();
}

void TPrnPrvForm::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    if (pierwszaAktywacja_)
        QTimer::singleShot(0, this, &TPrnPrvForm::PierwszaAktywacja);
}

void TPrnPrvForm::PierwszaAktywacja() {
    if (!pierwszaAktywacja_)
        return;
    pierwszaAktywacja_ = false;
    // Page Down and the arrows work at once.
    PageView->setFocus(Qt::OtherFocusReason);
    AktualizujParametryDrukarki();
    GenerujRaport();
}

void TPrnPrvForm::UstawPapier(TPageView& widok, const QPageLayout& uklad) {
    widok.SetOrientation(uklad.orientation() == QPageLayout::Landscape ? Qt::Horizontal
                                                                       : Qt::Vertical);
    // The paper by its form name; a size of its own where it has no name.
    widok.SetPrinterFormName(uklad.pageSize().name());
    widok.Paper().SetPaperSizeMm(uklad.pageSize().size(QPageSize::Millimeter));
}

QPageLayout TPrnPrvForm::Uklad() const {
    return ukladStrony_ ? ukladStrony_()
                        : QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                      QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter);
}

void TPrnPrvForm::AktualizujParametryDrukarki() {
    UstawPapier(*PageView, Uklad());
}

TOpcjeRaportu TPrnPrvForm::Opcje() const {
    TOpcjeRaportu o;
    o.Czcionka = FontCB->currentText();
    o.DodajWycene = DodajWyceneCB->isChecked();
    o.DodajCeneMontazu = DodajCeneMontazuCB->isChecked();
    o.DodajCeneM2 = DodajCeneM2CB->isChecked();
    o.DodajOrientacje = DodajOrientacjeCB->isChecked();
    o.DodajWT2021 = DodajWT2021CB->isChecked();
    return o;
}

void TPrnPrvForm::GenerujRaport() {
    if (!projekt_)
        return;
    if (budowanie_) {
        // The build under way stops at its next window and starts again.
        ponownie_ = true;
        dokument_->Przerwij();
        return;
    }
    budowanie_ = true;
    bool miesci = true;
    do {
        ponownie_ = false;
        if (nowyPapier_) {
            nowyPapier_ = false;
            AktualizujParametryDrukarki();
        }
        TRaport raport(*projekt_, *dokument_);
        static_cast<TOpcjeRaportu&>(raport) = Opcje();
        raport.UstawMarginesy(Uklad().margins(QPageLayout::Millimeter));
        miesci = raport.GenerujRaport();
    } while (ponownie_ && !zamykanie_);
    budowanie_ = false;
    OdbijStrony();
    // Said once the build is over, never from inside it.
    if (!miesci && !zamykanie_)
        dialogi_.Komunikat(this, TRodzajKomunikatu::Blad, QStringLiteral("Błąd"),
                           TRaport::KOMUNIKAT_ZA_MALA_STRONA);
    if (zamykanie_)
        QDialog::reject();
}

void TPrnPrvForm::reject() {
    if (drukowanie_) {
        // Closed while printing: the print job stops after its page.
        zamykanie_ = true;
        return;
    }
    if (budowanie_) {
        // Closed while building: the build stops, then the window closes.
        zamykanie_ = true;
        dokument_->Przerwij();
        return;
    }
    QDialog::reject();
}

void TPrnPrvForm::OdbijZoom() {
    int i = -1;
    switch (PageView->ZoomState()) {
    case zsZoomToWidth:
        i = 4;
        break;
    case zsZoomToHeight:
        i = 5;
        break;
    case zsZoomToFit:
        i = 6;
        break;
    default:
        for (int j = 0; j < 4; ++j)
            if (PageView->Zoom() == ZOOMY[j])
                i = j;
    }
    ZoomComboBox->setCurrentIndex(i);
}

void TPrnPrvForm::OdbijStrony() {
    const int strony = PageView->PageCount();
    const bool buduje = PageView->RecordingState() == TRecordingState::Recording;
    // While building, the tabs follow the pages a few times a second: a tab
    // bar repainted with all its tabs after every page would cost more than
    // the pages themselves.
    if (!buduje || !odbicieStron_.isValid() || odbicieStron_.elapsed() >= 100) {
        odbicieStron_.start();
        const QSignalBlocker cisza(PageNavigator);
        // A shown tab bar lays all its tabs out again for every tab added;
        // hidden, once when it shows.
        const bool widoczny = PageNavigator->isVisible() && PageNavigator->count() != strony;
        if (widoczny)
            PageNavigator->hide();
        while (PageNavigator->count() < strony)
            PageNavigator->addTab(QString::number(PageNavigator->count() + 1));
        while (PageNavigator->count() > strony)
            PageNavigator->removeTab(PageNavigator->count() - 1);
        PageNavigator->setCurrentIndex(PageView->CurrentPage() - 1);
        if (widoczny)
            PageNavigator->show();
    }
    if (buduje)
        QCoreApplication::processEvents(); // the window stays responsive while it builds
    else
        UstawDrukuj();
}

void TPrnPrvForm::UstawDrukuj() {
    const bool strony = PageView->PageCount() > 0 && !budowanie_ && !drukowanie_;
    DrukujBtn->setEnabled(strony && dialogi_.JestDrukarka());
    ZapiszPdfBtn->setEnabled(strony);
}

void TPrnPrvForm::PrzedDrukiem() {
    setWindowTitle(Tytul() + QStringLiteral(" - Drukowanie..."));
    DrukujBtn->setEnabled(false);
    ZapiszPdfBtn->setEnabled(false);
}

void TPrnPrvForm::PoDruku() {
    setWindowTitle(Tytul());
    UstawDrukuj();
}

// The report drawn again, straight onto the printer: the pages the preview
// shows, at the printer's resolution. The window answers between pages.
void TPrnPrvForm::Drukuj() {
    const int strony = PageView->PageCount();
    if (!projekt_ || strony == 0 || budowanie_ || drukowanie_)
        return;
    const QPageLayout uklad = Uklad();
    QPrinter drukarka(QPrinter::HighResolution);
    drukarka.setPageLayout(uklad);
    drukarka.setFullPage(true);
    drukarka.setDocName(TRaport::TYTUL_DOKUMENTU);
    drukarka.setFromTo(1, strony);
    if (!dialogi_.Drukuj(this, drukarka))
        return;
    int od = 1, do_ = strony;
    if (drukarka.printRange() == QPrinter::PageRange && drukarka.fromPage() > 0) {
        od = std::clamp(drukarka.fromPage(), 1, strony);
        do_ = std::clamp(drukarka.toPage() > 0 ? drukarka.toPage() : strony, od, strony);
    }
    drukowanie_ = true;
    PrzedDrukiem();
    const TWynikRaportu wynik =
        DrukujZPostepem(*projekt_, Opcje(), uklad.margins(QPageLayout::Millimeter), drukarka, this,
                        od, do_, [this] { return zamykanie_; });
    drukowanie_ = false;
    PoDruku();
    if (wynik == TWynikRaportu::Blad)
        dialogi_.Komunikat(this, TRodzajKomunikatu::Blad, QStringLiteral("Błąd"),
                           QStringLiteral("Nie udało się wydrukować zestawienia!"));
    else if (wynik == TWynikRaportu::ZaMalaStrona)
        dialogi_.Komunikat(this, TRodzajKomunikatu::Blad, QStringLiteral("Błąd"),
                           TRaport::KOMUNIKAT_ZA_MALA_STRONA);
    else if (wynik == TWynikRaportu::Gotowy)
        ostatniZapis_ =
            DoPliku(drukarka)
                ? QStringLiteral("Zapisano zestawienie w pliku PDF %1")
                      .arg(QDir::toNativeSeparators(drukarka.outputFileName()))
                : QStringLiteral("Wysłano zestawienie do drukarki %1").arg(drukarka.printerName());
    if (wynik != TWynikRaportu::Gotowy && DoPliku(drukarka))
        dialogi_.Komunikat(this, TRodzajKomunikatu::Informacja, QStringLiteral("Informacja"),
                           KomunikatNiedokonczonegoPliku(drukarka));
    if (zamykanie_)
        QDialog::reject();
}

void TPrnPrvForm::ZapiszPdf() {
    if (!projekt_ || PageView->PageCount() == 0)
        return;
    const QString sciezka = dialogi_.PlikDoZapisu(this, QStringLiteral("Dokument PDF (*.pdf)"),
                                                  proponowanyPdf_, QStringLiteral("pdf"));
    if (sciezka.isEmpty())
        return;
    // The file appears only when whole.
    QSaveFile plik(sciezka);
    const bool otwarty = plik.open(QIODevice::WriteOnly);
    const TWynikRaportu wynik =
        otwarty ? ZapiszRaportPdf(*projekt_, Opcje(), Uklad(), plik) : TWynikRaportu::Blad;
    if (wynik == TWynikRaportu::ZaMalaStrona) {
        plik.cancelWriting();
        dialogi_.Komunikat(this, TRodzajKomunikatu::Blad, QStringLiteral("Błąd"),
                           TRaport::KOMUNIKAT_ZA_MALA_STRONA);
    } else if (wynik != TWynikRaportu::Gotowy || !plik.commit()) {
        plik.cancelWriting();
        dialogi_.Komunikat(this, TRodzajKomunikatu::Blad, QStringLiteral("Błąd"),
                           QStringLiteral("Nie udało się zapisać pliku PDF!"));
    } else {
        ostatniZapis_ = QStringLiteral("Zapisano zestawienie w pliku PDF %1")
                            .arg(QDir::toNativeSeparators(sciezka));
    }
}
