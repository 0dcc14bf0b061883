// Termivo: start-up.

#include "dialogi.h"
#include "glowna.h"
#include "oprogramie.h"
#include "pomoc.h"
#include "raport.h"
#include "splash.h"
#include "tabdr.h"
#include "tabpsig.h"
#include "tabuf.h"
#include "tabug.h"
#include "tlumaczenia.h"
#include "typokna.h"

#include <QAction>
#include <QApplication>
#include <QProxyStyle>
#include <QTimer>

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

} // namespace

int main(int argc, char* argv[]) {
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
    QObject::connect(okno.HelpAbout1, &QAction::triggered, &oProgramie, &QDialog::exec);
    QObject::connect(okno.HelpWord1, &QAction::triggered, [] { OtworzDokument(DOKUMENT_WORD); });
    QObject::connect(okno.HelpPdf1, &QAction::triggered, [] { OtworzDokument(DOKUMENT_PDF); });
    okno.HelpWord1->setStatusTip(QStringLiteral("Opis programu w formacie 'doc' Microsoft Word"));
    okno.HelpWord1->setToolTip(okno.HelpWord1->statusTip());
    okno.HelpPdf1->setStatusTip(QStringLiteral("Opis programu w formacie 'pdf' Adobe Acrobat"));
    okno.HelpPdf1->setToolTip(okno.HelpPdf1->statusTip());

    okno.show();
    // A project file given on the command line (or by the desktop) opens at once.
    const QStringList argumenty = QApplication::arguments();
    if (argumenty.size() > 1)
        okno.OtworzPlik(argumenty.at(1));
    // The splash over the freshly shown main window, modal until it closes.
    QTimer::singleShot(0, &okno, [&okno] {
        TSplashForm splash(&okno);
        splash.exec();
    });
    return app.exec();
}
