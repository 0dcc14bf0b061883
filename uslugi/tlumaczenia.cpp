#include "uslugi/tlumaczenia.h"

#include <QCoreApplication>
#include <QFile>
#include <QHash>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

// The texts Qt's Polish translation lacks, from the program's data file.
class TTlumaczUzupelniajacy : public QTranslator {
public:
    explicit TTlumaczUzupelniajacy(QObject* rodzic) : QTranslator(rodzic) {
        QFile plik(QStringLiteral(":/tlumaczenia/tlumaczenia_qt.tsv"));
        if (!plik.open(QIODevice::ReadOnly | QIODevice::Text))
            return;
        while (!plik.atEnd()) {
            QString wiersz = QString::fromUtf8(plik.readLine());
            if (wiersz.endsWith(QLatin1Char('\n')))
                wiersz.chop(1);
            if (wiersz.startsWith(QLatin1Char('#')))
                continue;
            const QStringList pola = wiersz.split(QLatin1Char('\t'));
            if (pola.size() == 3)
                teksty_.insert(pola[0] + QLatin1Char('\x1f') + pola[1], pola[2]);
        }
    }

    QString translate(const char* kontekst, const char* tekst, const char*, int) const override {
        if (!kontekst || !tekst)
            return QString();
        return teksty_.value(QString::fromUtf8(kontekst) + QLatin1Char('\x1f') +
                             QString::fromUtf8(tekst));
    }

    bool isEmpty() const override { return teksty_.isEmpty(); }

private:
    QHash<QString, QString> teksty_;
};

} // namespace

bool ZaladujTlumaczeniaQt(QCoreApplication& aplikacja) {
    // Qt asks the translator installed last first: this one, installed
    // before Qt's own, answers only what that lacks.
    QCoreApplication::installTranslator(new TTlumaczUzupelniajacy(&aplikacja));
    // The program speaks Polish whatever the user's locale, so are Qt's dialogs.
    auto* tlumacz = new QTranslator(&aplikacja);
    if (!tlumacz->load(QLocale(QLocale::Polish, QLocale::Poland), QStringLiteral("qtbase"),
                       QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete tlumacz;
        return false;
    }
    return QCoreApplication::installTranslator(tlumacz);
}
