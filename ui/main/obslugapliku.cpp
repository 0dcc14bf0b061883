#include "ui/main/obslugapliku.h"

#include "model/ifc/eksportifc.h"
#include "model/ifc/importifc.h"
#include "model/ifc/scalanieifc.h"
#include "model/pliki/bezpiecznyzapis.h"
#include "model/pliki/importavk.h"
#include "model/projekt/polecenia/scalmodel.h"
#include "model/projekt/projektotwarty.h"
#include "model/projekt/zmiany.h"
#include "ui/main/importifcform.h"
#include "ui/main/odzyskform.h"
#include "ui/main/ostatnie.h"
#include "uslugi/postep.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTimer>

namespace {

const QString FILTR_OTWIERANIA =
    QStringLiteral("Zestawienie stolarki (*.tmv);;Projekt Arvo-K (*.avk);;All Files (*.*)");
const QString FILTR_AVK = QStringLiteral("Projekt Arvo-K (*.avk)");
const QString FILTR_ZAPISU = QStringLiteral("Zestawienie stolarki (*.tmv);;All Files (*.*)");

const QString FILTR_IFC = QStringLiteral("Model budynku IFC (*.ifc);;All Files (*.*)");

bool PlikArvoK(const QString& sciezka) {
    return sciezka.endsWith(QStringLiteral(".avk"), Qt::CaseInsensitive);
}

bool PlikIfc(const QString& sciezka) {
    return sciezka.endsWith(QStringLiteral(".ifc"), Qt::CaseInsensitive);
}

// The message of a file that cannot be read or written, with its reason.
QString ZPowodem(const QString& komunikat, const QString& sciezka, const QString& powod) {
    return powod.isEmpty()
               ? komunikat
               : komunikat + QLatin1Char('\n') +
                     QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(sciezka), powod);
}

} // namespace

TObslugaPliku::TObslugaPliku(TProjektOtwarty& projekt, TDialogi& dialogi,
                             TOstatnieProjekty& ostatnie, QWidget& okno,
                             std::function<bool()> zatwierdz,
                             std::function<std::unique_ptr<TPolecenie>()> oczekujace)
    : QObject(&okno), projekt_(projekt), dialogi_(dialogi), ostatnie_(ostatnie), okno_(okno),
      zatwierdz_(std::move(zatwierdz)), oczekujace_(std::move(oczekujace)),
      zegarOdzysku_(new QTimer(this)), pierwszyOdzysk_(new QTimer(this)) {
    zegarOdzysku_->setInterval(60 * 1000);
    connect(zegarOdzysku_, &QTimer::timeout, this, &TObslugaPliku::ZapiszOdzysk);
    zegarOdzysku_->start();
    // The first minute after a change is protected too: a copy a few
    // seconds after a change that no copy holds, then the minute's.
    pierwszyOdzysk_->setSingleShot(true);
    pierwszyOdzysk_->setInterval(5 * 1000);
    connect(pierwszyOdzysk_, &QTimer::timeout, this, &TObslugaPliku::ZapiszOdzysk);
    connect(&projekt_, &TProjektOtwarty::zmieniono, this, [this] {
        const TOdzysk* odzysk = projekt_.Odzysk();
        if (odzysk && !odzysk->Jest() && !pierwszyOdzysk_->isActive())
            pierwszyOdzysk_->start();
    });
}

void TObslugaPliku::Blad(const QString& tresc) {
    dialogi_.Komunikat(&okno_, TRodzajKomunikatu::Blad, QStringLiteral("Błąd"), tresc);
}

QString TObslugaPliku::SciezkaProjektu() const {
    return projekt_.BezNazwy() ? QDir(katalogZapisu_).filePath(QStringLiteral("bez nazwy"))
                               : projekt_.Sciezka();
}

QString TObslugaPliku::ObokProjektu(const QString& rozszerzenie) const {
    const QFileInfo info(SciezkaProjektu());
    return info.dir().filePath(info.completeBaseName() + QLatin1Char('.') + rozszerzenie);
}

namespace {

QString KatalogDokumentow() {
    const QString d = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return d.isEmpty() ? QDir::currentPath() : d;
}

} // namespace

QString TObslugaPliku::KatalogOtwierania() const {
    // Where the user's projects are: the folder of the last one opened or
    // saved, while it is there (the program's own folder is a system one).
    const QStringList ostatnie = ostatnie_.Lista();
    if (!ostatnie.isEmpty()) {
        const QDir katalog = QFileInfo(ostatnie.first()).dir();
        if (katalog.exists())
            return katalog.path();
    }
    return KatalogDokumentow();
}

void TObslugaPliku::Nowy() {
    if (projekt_.Otwarty())
        return;
    katalogZapisu_ = KatalogDokumentow();
    projekt_.Nowy();
}

void TObslugaPliku::Otworz() {
    if (projekt_.Otwarty())
        return;
    const QString sciezka =
        dialogi_.PlikDoOtwarcia(&okno_, FILTR_OTWIERANIA, QString(), KatalogOtwierania());
    if (sciezka.isEmpty())
        return;
    OtworzPlik(sciezka);
}

bool TObslugaPliku::OtworzPlik(const QString& sciezka) {
    if (projekt_.Otwarty())
        return false;
    TWynikPliku w = projekt_.Otworz(sciezka);
    if (w.kod == TWynikPliku::Kod::ZajetyGdzieIndziej) {
        if (dialogi_.Pytanie(&okno_, QStringLiteral("Pytanie"),
                             QStringLiteral("Projekt %1 jest otwarty w innym oknie programu "
                                            "Termivo. Czy otworzyć go tylko do odczytu? Zmiany "
                                            "będzie można zapisać tylko pod inną nazwą.")
                                 .arg(QFileInfo(sciezka).fileName())) != TDialogi::Odpowiedz::Tak)
            return false;
        w = projekt_.Otworz(sciezka, true);
    }
    if (!w.Ok()) {
        // A file the reader refused has its one message already.
        if (!w.zgloszony)
            Blad(ZPowodem(KOMUNIKAT_BLAD_ODCZYTU, sciezka, w.powod));
        return false;
    }
    ostatnie_.Dodaj(sciezka);
    return true;
}

void TObslugaPliku::Importuj() {
    if (projekt_.Otwarty())
        return;
    const QString sciezka =
        dialogi_.PlikDoOtwarcia(&okno_, FILTR_OTWIERANIA, FILTR_AVK, KatalogOtwierania());
    if (!sciezka.isEmpty())
        ImportujPlik(sciezka);
}

bool TObslugaPliku::ImportujPlik(const QString& sciezka) {
    if (projekt_.Otwarty())
        return false;
    const TWynikPliku w = projekt_.Importuj(sciezka);
    if (!w.Ok()) {
        dialogi_.Komunikat(&okno_, TRodzajKomunikatu::Blad, TYTUL_IMPORTU,
                           ZPowodem(KOMUNIKAT_IMPORT_NIEUDANY, sciezka, w.powod));
        return false;
    }
    dialogi_.Komunikat(&okno_, TRodzajKomunikatu::Informacja, TYTUL_IMPORTU,
                       KOMUNIKAT_IMPORT_UDANY);
    return true;
}

void TObslugaPliku::ImportujIfc() {
    const QString sciezka =
        dialogi_.PlikDoOtwarcia(&okno_, FILTR_IFC, QString(), KatalogOtwierania());
    if (!sciezka.isEmpty())
        ImportujIfcPlik(sciezka);
}

bool TObslugaPliku::ImportujIfcPlik(const QString& sciezka) {
    // A large model is read with its progress, the window answering.
    TModelIfc model;
    QString powod;
    bool wczytany = false;
    {
        TPostep postep(QStringLiteral("Import z IFC"), &okno_);
        wczytany = CzytajModelIfcZPliku(sciezka, &model, &powod, [&](qint64 n, qint64 z) {
            const int promile = static_cast<int>(z > 0 ? n * 1000 / z : 0);
            return postep.Krok(
                promile, 1000,
                QStringLiteral("Wczytywanie modelu %1...").arg(QFileInfo(sciezka).fileName()));
        });
    }
    if (!wczytany) {
        dialogi_.Komunikat(&okno_, TRodzajKomunikatu::Blad, TYTUL_IMPORTU_IFC,
                           ZPowodem(KOMUNIKAT_IMPORT_IFC_NIEUDANY, sciezka, powod));
        return false;
    }
    TImportIfcForm okno(model, dialogi_, &okno_);
    if (!dialogi_.Pokaz(okno))
        return false;
    if (projekt_.Otwarty())
        return ScalModel(model, okno.Opcje(), sciezka);
    auto projekt = std::make_unique<TZestawienieStolarki>();
    const TWynikImportuIfc wynik = UtworzProjektZIfc(model, okno.Opcje(), *projekt);
    projekt_.Przyjmij(std::move(projekt));
    dialogi_.Komunikat(&okno_, TRodzajKomunikatu::Informacja, TYTUL_IMPORTU_IFC,
                       QStringLiteral("Z modelu %1 %2.")
                           .arg(QFileInfo(sciezka).fileName(), TekstImportuIfc(wynik)));
    return true;
}

void TObslugaPliku::EksportujIfc() {
    if (!projekt_.Otwarty())
        return;
    const QString model =
        dialogi_.PlikDoOtwarcia(&okno_, FILTR_IFC, QString(), KatalogOtwierania());
    if (model.isEmpty())
        return;
    const QFileInfo m(model);
    const QString cel = dialogi_.PlikDoZapisu(
        &okno_, FILTR_IFC, m.dir().filePath(m.completeBaseName() + QStringLiteral("_termivo.ifc")),
        QStringLiteral("ifc"));
    if (cel.isEmpty())
        return;
    const QString tytul = QStringLiteral("Eksport do IFC");
    QFile f(model);
    if (f.size() > (qint64(512) << 20) || !f.open(QIODevice::ReadOnly)) {
        dialogi_.Komunikat(
            &okno_, TRodzajKomunikatu::Blad, tytul,
            QStringLiteral("Nie udało się odczytać modelu %1: %2")
                .arg(QDir::toNativeSeparators(model),
                     f.isOpen() ? QStringLiteral("plik jest za duży") : f.errorString()));
        return;
    }
    TWynikEksportuIfc wynik;
    const std::optional<QByteArray> bajty =
        EksportujDoIfc(*projekt_.Projekt(), f.readAll(), &wynik);
    QString powod = wynik.blad;
    if (!bajty || !ZapiszBajtyBezpiecznie(cel, *bajty, &powod)) {
        dialogi_.Komunikat(&okno_, TRodzajKomunikatu::Blad, tytul,
                           QStringLiteral("Modelu nie zapisano: %1").arg(powod));
        return;
    }
    QString t = QStringLiteral("Zapisano %1: wartości %2 okien modelu.")
                    .arg(QDir::toNativeSeparators(cel))
                    .arg(wynik.okien);
    if (wynik.okien == 0)
        t += QStringLiteral(" Żadne okno projektu nie pochodzi z tego modelu (okna zaimportowane "
                            "z IFC pamiętają okna modelu).");
    if (!wynik.nieZnalezione.isEmpty())
        t += QStringLiteral(" Okna projektu, których nie ma w modelu: %1.")
                 .arg(wynik.nieZnalezione.join(QStringLiteral(", ")));
    dialogi_.Komunikat(&okno_,
                       wynik.nieZnalezione.isEmpty() && wynik.okien > 0
                           ? TRodzajKomunikatu::Informacja
                           : TRodzajKomunikatu::Ostrzezenie,
                       tytul, t);
}

// A new version of the model into the open project: what changes is shown
// first, and the merge is one step of the history.
bool TObslugaPliku::ScalModel(const TModelIfc& model, const TOpcjeImportuIfc& opcje,
                              const QString& sciezka) {
    TZestawienieStolarki wynik;
    TZmianyImportuIfc z = ScalZIfc(*projekt_.Projekt(), model, opcje, false, wynik);
    if (z.Puste()) {
        dialogi_.Komunikat(&okno_, TRodzajKomunikatu::Informacja, TYTUL_IMPORTU_IFC,
                           QStringLiteral("Model %1 nie zmienia okien projektu.")
                               .arg(QFileInfo(sciezka).fileName()));
        return false;
    }
    QStringList tresc{
        QStringLiteral("Model %1 zmieni projekt:").arg(QFileInfo(sciezka).fileName())};
    if (!z.dodane.isEmpty())
        tresc << QStringLiteral("dodane okna: %1").arg(z.dodane.join(QStringLiteral(", ")));
    if (!z.zmienione.isEmpty())
        tresc << QStringLiteral("zmienione: %1").arg(z.zmienione.join(QStringLiteral("; ")));
    if (!z.usuniete.isEmpty())
        tresc << QStringLiteral("okna, których nie ma w modelu: %1")
                     .arg(z.usuniete.join(QStringLiteral(", ")));
    tresc << QStringLiteral("Okna rozpoznane w modelu zachowają wartości wpisane w projekcie. "
                            "Czy scalić?");
    if (dialogi_.Pytanie(&okno_, TYTUL_IMPORTU_IFC, tresc.join(QLatin1Char('\n'))) !=
        TDialogi::Odpowiedz::Tak)
        return false;
    if (!z.usuniete.isEmpty() &&
        dialogi_.Pytanie(&okno_, TYTUL_IMPORTU_IFC,
                         QStringLiteral("Usunąć z projektu okna, których nie ma w modelu (%1)?")
                             .arg(z.usuniete.join(QStringLiteral(", ")))) ==
            TDialogi::Odpowiedz::Tak) {
        TZestawienieStolarki bez;
        z = ScalZIfc(*projekt_.Projekt(), model, opcje, true, bez);
        return Scal(bez, z);
    }
    return Scal(wynik, z);
}

bool TObslugaPliku::Scal(const TZestawienieStolarki& wynik, const TZmianyImportuIfc& z) {
    const int32_t w =
        projekt_.Wykonaj(std::make_unique<TScalModel>(wynik.PoziomyBudynku(), StanOkien(wynik)));
    if (w == WYNIK_OK)
        dialogi_.Komunikat(&okno_, TRodzajKomunikatu::Informacja, TYTUL_IMPORTU_IFC,
                           QStringLiteral("Scalono: %1.").arg(TekstZmianIfc(z)));
    return w == WYNIK_OK;
}

// Writes the project; false (with the message shown) when it was not.
bool TObslugaPliku::ZapiszW(const QString& sciezka, bool jako) {
    auto zapisz = [&](bool mimoZmian) {
        return jako ? projekt_.ZapiszJako(sciezka, mimoZmian) : projekt_.Zapisz(mimoZmian);
    };
    TWynikPliku w = zapisz(false);
    if (w.kod == TWynikPliku::Kod::ZmienionyNaDysku) {
        if (dialogi_.Pytanie(&okno_, QStringLiteral("Pytanie"),
                             QStringLiteral("Plik %1 został zmieniony przez inny program po "
                                            "otwarciu projektu. Zapisanie projektu zastąpi tamte "
                                            "zmiany. Czy zapisać mimo to?")
                                 .arg(QDir::toNativeSeparators(sciezka))) ==
            TDialogi::Odpowiedz::Tak)
            w = zapisz(true);
        else
            w = {TWynikPliku::Kod::Blad, QString()};
        if (!w.Ok() && w.powod.isEmpty()) {
            wynik_ = Wynik::Nieudany;
            return false;
        }
    }
    if (w.kod == TWynikPliku::Kod::ZajetyGdzieIndziej) {
        Blad(QStringLiteral("Projekt %1 jest otwarty w innym oknie programu Termivo: nie można go "
                            "zapisać pod tą nazwą. Zapisz projekt pod inną nazwą.")
                 .arg(QDir::toNativeSeparators(sciezka)));
        wynik_ = Wynik::Nieudany;
        return false;
    }
    if (!w.Ok()) {
        // A text the file cannot store was reported already; the system's
        // reason is told here, with the file.
        Blad(w.powod.isEmpty()
                 ? KOMUNIKAT_BLAD_ZAPISU
                 : KOMUNIKAT_BLAD_ZAPISU + QLatin1Char('\n') +
                       QStringLiteral("Pliku %1 nie można zapisać: %2. Zapisz projekt w innym "
                                      "miejscu poleceniem „Zapisz jako...”.")
                           .arg(QDir::toNativeSeparators(sciezka), w.powod));
        wynik_ = Wynik::Nieudany;
        return false;
    }
    ostatnie_.Dodaj(sciezka);
    return true;
}

void TObslugaPliku::Zapisz() {
    if (!projekt_.Otwarty())
        return;
    // Unnamed, read from a damaged file or open elsewhere: through the dialog.
    if (projekt_.ZapisWymagaNazwy()) {
        ZapiszJako();
        return;
    }
    if (zatwierdz_())
        ZapiszW(projekt_.Sciezka(), false);
}

void TObslugaPliku::ZapiszJako() {
    if (!projekt_.Otwarty())
        return;
    wynik_ = Wynik::ZapiszJakoAnulowane;
    const QString sciezka =
        dialogi_.PlikDoZapisu(&okno_, FILTR_ZAPISU, SciezkaProjektu(), QStringLiteral("tmv"));
    if (sciezka.isEmpty())
        return;
    wynik_ = Wynik::Tak;
    if (zatwierdz_())
        ZapiszW(sciezka, true);
}

bool TObslugaPliku::Zamknij() {
    if (!projekt_.Otwarty())
        return true;
    // What is typed counts as a change; an unchanged project closes at once.
    if (!zatwierdz_())
        return false;
    if (projekt_.Zmieniony()) {
        const TDialogi::Odpowiedz odp = dialogi_.Potwierdzenie(
            &okno_, QStringLiteral("Potwierdzenie"),
            QStringLiteral("Czy chcesz zapisać zmiany wprowadzone do projektu?"));
        if (odp == TDialogi::Odpowiedz::Anuluj) {
            wynik_ = Wynik::Anuluj;
            return false;
        }
        if (odp == TDialogi::Odpowiedz::Tak) {
            wynik_ = Wynik::Brak;
            Zapisz();
            // A save that did not happen keeps the project and its work open.
            if (wynik_ == Wynik::ZapiszJakoAnulowane || wynik_ == Wynik::Nieudany)
                return false;
        }
    }
    projekt_.Zamknij(); // "Nie": the changes and their recovery copy are given up
    return true;
}

void TObslugaPliku::UstawOdstepOdzysku(int ms, int pierwszyMs) {
    zegarOdzysku_->start(ms);
    pierwszyOdzysk_->setInterval(pierwszyMs);
}

void TObslugaPliku::ZapiszOdzysk() {
    // What is typed in the shown panel counts too; the panel stays as it is.
    if (projekt_.Otwarty())
        projekt_.ZapiszOdzysk(oczekujace_());
}

void TObslugaPliku::ZaproponujOdzysk() {
    TOdzysk* odzysk = projekt_.Odzysk();
    std::vector<TKopiaOdzysku> kopie =
        odzysk ? odzysk->Pozostawione() : std::vector<TKopiaOdzysku>();
    if (kopie.empty())
        return;
    TOdzyskForm okno(std::move(kopie), *odzysk, dialogi_, &okno_);
    dialogi_.Pokaz(okno);
    if (!okno.Wybrana() || (projekt_.Otwarty() && !Zamknij()))
        return;
    // The copy opens as the changed project under its own file's name, so
    // that "Zapisz" writes it there; the copy itself is no recent project.
    const TWynikPliku w = projekt_.Przywroc(*okno.Wybrana());
    if (!w.Ok() && !w.zgloszony)
        Blad(ZPowodem(KOMUNIKAT_BLAD_ODCZYTU, okno.Wybrana()->kopia, w.powod));
}

void TObslugaPliku::OtworzLubImportuj(const QString& sciezka) {
    if (projekt_.Otwarty() && !Zamknij())
        return;
    if (PlikArvoK(sciezka))
        ImportujPlik(sciezka);
    else if (PlikIfc(sciezka))
        ImportujIfcPlik(sciezka);
    else
        OtworzPlik(sciezka);
}
