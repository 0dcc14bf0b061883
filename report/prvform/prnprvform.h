#pragma once

#include <QDialog>
#include <QElapsedTimer>
#include <QPageLayout>

#include <functional>
#include <memory>

class QCheckBox;
class QComboBox;
class QPrinter;
class QPushButton;
class QSplitter;
class QTabBar;
class TDialogi;
class TDokumentPodgladu;
class TPageView;
class TThumbnailStrip;
class TZestawienieStolarki;
struct TOpcjeRaportu;

// TPrnPrvForm: the report of the project page by page before it is printed,
// with the choices that shape it (font, price options, page setup); the
// report is built again whenever one of them changes.
class TPrnPrvForm : public QDialog {
    Q_OBJECT

public:
    explicit TPrnPrvForm(TDialogi& dialogi, QWidget* rodzic = nullptr);
    // What the window last wrote where ("Zapisano zestawienie w pliku PDF
    // …", "Wysłano zestawienie do drukarki …"), for the main window's status
    // bar once it closes; empty when nothing was.
    const QString& OstatniZapis() const { return ostatniZapis_; }
    ~TPrnPrvForm() override;

    // What the main window hands over before the window is shown.
    void UstawProjekt(const TZestawienieStolarki* projekt) { projekt_ = projekt; }
    // The page-setup command (true when the user confirmed it) and the page
    // setup it keeps.
    void UstawUstawieniaStrony(std::function<bool()> polecenie, std::function<QPageLayout()> uklad);
    // Where "Zapisz PDF..." offers to save.
    void UstawProponowanyPdf(const QString& sciezka) { proponowanyPdf_ = sciezka; }

    // Builds the report into the preview.
    void GenerujRaport();
    // Paper, orientation and margins from the page setup.
    void AktualizujParametryDrukarki();
    void Drukuj();
    void ZapiszPdf();

    QPushButton *UstStronyBtn, *DrukujBtn, *ZapiszPdfBtn, *ZamknijBtn;
    QComboBox *ZoomComboBox, *FontCB;
    QCheckBox *DodajWyceneCB, *DodajCeneMontazuCB, *DodajCeneM2CB, *DodajOrientacjeCB,
        *DodajWT2021CB;
    TThumbnailStrip* ThumbnailStrip;
    TPageView* PageView;
    QTabBar* PageNavigator;
    QSplitter* Podzial;

    // The paper and orientation of a page setup on a page view.
    static void UstawPapier(TPageView& widok, const QPageLayout& uklad);
    // The choices of the window as the report takes them.
    TOpcjeRaportu Opcje() const;

protected:
    void showEvent(QShowEvent* e) override;
    void reject() override;

private:
    void UtworzPasek();
    // The caption and buttons while printing, and after.
    void PrzedDrukiem();
    void PoDruku();
    void OdbijZoom();
    void OdbijStrony();
    void UstawDrukuj();
    QString Tytul() const;
    QPageLayout Uklad() const;
    void PierwszaAktywacja();

    TDialogi& dialogi_;
    QString ostatniZapis_;
    const TZestawienieStolarki* projekt_ = nullptr;
    std::function<bool()> ustawieniaStrony_;
    std::function<QPageLayout()> ukladStrony_;
    QString proponowanyPdf_;
    std::unique_ptr<TDokumentPodgladu> dokument_;
    bool pierwszaAktywacja_ = true;
    bool budowanie_ = false;
    bool ponownie_ = false;
    bool nowyPapier_ = false; // a page setup confirmed while building
    bool zamykanie_ = false;
    bool drukowanie_ = false;
    QElapsedTimer odbicieStron_; // the tabs' last following of the pages
};
