// Termivo: start-up.

#include "app/czcionki.h"
#include "app/oprogramie.h"
#include "app/pomoc.h"
#include "app/splash.h"
#include "model/wersja.h"
#include "report/raport/raport.h"
#include "ui/main/glowna.h"
#include "ui/main/polecenia.h"
#include "ui/tables/tabdr.h"
#include "ui/tables/tabpsig.h"
#include "ui/tables/tabuf.h"
#include "ui/tables/tabug.h"
#include "ui/tables/typokna.h"
#include "uslugi/dialogi.h"
#include "uslugi/tlumaczenia.h"

#include <QAction>
#include <QApplication>
#include <QProxyStyle>
#include <QSocketNotifier>
#include <QTimer>

#include <csignal>
#include <cstdio>
#include <cstring>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// Tooltips show after a pause of one second.
class TStylTermivo : public QProxyStyle {
public:
    int styleHint(StyleHint podpowiedz, const QStyleOption* opcja, const QWidget* widzet,
                  QStyleHintReturn* wynik) const override {
        if (podpowiedz == QStyle::SH_ToolTip_WakeUpDelay)
            return 1000;
        return QProxyStyle::styleHint(podpowiedz, opcja, widzet, wynik);
    }
};

// SIGTERM reaches the program through a pair of sockets: the handler only
// writes a byte, the event loop does the rest.
int gniazdaSygnalu[2] = {-1, -1};

void PrzySygnale(int) {
    const char bajt = 1;
    [[maybe_unused]] const ssize_t n = ::write(gniazdaSygnalu[0], &bajt, 1);
}

void PilnujSygnalu(TMainForm& okno) {
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, gniazdaSygnalu) != 0)
        return;
    auto* powiadamiacz = new QSocketNotifier(gniazdaSygnalu[1], QSocketNotifier::Read, &okno);
    QObject::connect(powiadamiacz, &QSocketNotifier::activated, &okno, [&okno] {
        char bajt = 0;
        [[maybe_unused]] const ssize_t n = ::read(gniazdaSygnalu[1], &bajt, 1);
        okno.KoniecOdSystemu();
    });
    struct sigaction akcja {};
    akcja.sa_handler = PrzySygnale;
    sigemptyset(&akcja.sa_mask);
    akcja.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &akcja, nullptr);
}

// "-h", "--help" and "--version" answer on the terminal and end the
// program before any window (or display) is needed: -1 when the program
// is to start.
int OpcjeTerminala(int argc, char* argv[]) {
    if (argc != 2)
        return -1;
    if (std::strcmp(argv[1], "-h") == 0 || std::strcmp(argv[1], "--help") == 0) {
        std::fputs("Składnia: termivo [PLIK.tmv | PLIK.avk | PLIK.ifc]\n"
                   "          termivo -h | --help | --version\n"
                   "\n"
                   "Zestawienie stolarki okiennej: współczynnik Uw okien, ocena WT 2021, ceny,\n"
                   "wydruk i arkusz kalkulacyjny. Podany plik jest otwierany (.tmv) albo\n"
                   "importowany jako nowy projekt (.avk, .ifc).\n"
                   "\n"
                   "Opcje:\n"
                   "  -h, --help         Wypisuje ten tekst.\n"
                   "  --version          Wypisuje wersję programu.\n"
                   "\n"
                   "Polecenia bez okna: termivo-cli --help. Opis: man termivo.\n",
                   stdout);
        return 0;
    }
    if (std::strcmp(argv[1], "--version") == 0) {
        std::printf("termivo %s\n", WersjaProgramu().toUtf8().constData());
        return 0;
    }
    return -1;
}

} // namespace

int main(int argc, char* argv[]) {
    if (const int kod = OpcjeTerminala(argc, argv); kod >= 0)
        return kod;
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Termivo"));
    ZaladujTlumaczeniaQt(app);
    ZarejestrujTahome();
    QApplication::setStyle(new TStylTermivo);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/grafika/termivo.png")));

    TDialogiQt dialogi;
    TMainForm okno(dialogi);
    TAboutBox oProgramie(&okno);
    TUgTabForm tabelaUg(&okno);
    TUfTabForm tabelaUf(&okno);
    TPsigTabForm tabelaPsig(&okno);
    TdRTabForm tabeladR(&okno);
    TFTypOkna typOkna(&okno);
    okno.UstawTabele({&tabelaUg, &tabelaUf, &tabelaPsig, &tabeladR, &typOkna});
    const TPoleceniaGlowne& p = *okno.Polecenia;
    QObject::connect(p.HelpAbout1, &QAction::triggered, &oProgramie, &QDialog::exec);
    // A document that cannot be shown: where it is, and how to open it.
    auto pokaz = [&](const QString& dokument) {
        const QString powod = PokazDokument(dokument);
        if (!powod.isEmpty())
            dialogi.Komunikat(&okno, TRodzajKomunikatu::Informacja, QStringLiteral("Opis programu"),
                              powod);
    };
    QObject::connect(p.HelpWord1, &QAction::triggered, [&] { pokaz(DOKUMENT_WORD); });
    QObject::connect(p.HelpPdf1, &QAction::triggered, [&] { pokaz(DOKUMENT_PDF); });
    QObject::connect(p.HelpContents1, &QAction::triggered, [&] { pokaz(DOKUMENT_PDF); });
    // The Word description is offered only where it is installed.
    p.HelpWord1->setEnabled(JestDokument(DOKUMENT_WORD));
    p.HelpWord1->setStatusTip(QStringLiteral("Opis programu w formacie 'doc' Microsoft Word"));
    p.HelpWord1->setToolTip(p.HelpWord1->statusTip());
    p.HelpPdf1->setStatusTip(QStringLiteral("Opis programu w formacie 'pdf' Adobe Acrobat"));
    p.HelpPdf1->setToolTip(p.HelpPdf1->statusTip());

    okno.show();
    PilnujSygnalu(okno);
    // The splash over the freshly shown main window, modal until it closes;
    // then what a program that did not end normally left behind, whatever
    // it was started with; then the project file given on the command line
    // (or by the desktop), unless a copy was restored instead.
    const QStringList argumenty = QApplication::arguments();
    const QString plik = argumenty.size() > 1 ? argumenty.at(1) : QString();
    QTimer::singleShot(0, &okno, [&okno, plik] {
        {
            TSplashForm splash(&okno);
            splash.exec();
        }
        okno.PoUruchomieniu(plik);
    });
    return app.exec();
}
