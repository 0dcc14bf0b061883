#include "app/pomoc.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

namespace {

// Beside the program (a build tree), else where a package installs it:
// share/doc/termivo beside the program's bin.
QString Sciezka(const QString& nazwa, const QString& katalog) {
    const QDir program(katalog.isEmpty() ? QCoreApplication::applicationDirPath() : katalog);
    const QString obok = program.filePath(nazwa);
    const QString pakiet =
        QDir::cleanPath(program.filePath(QStringLiteral("../share/doc/termivo/") + nazwa));
    return QFileInfo::exists(obok) || !QFileInfo::exists(pakiet) ? obok : pakiet;
}

} // namespace

bool JestDokument(const QString& nazwa, const QString& katalog) {
    return QFileInfo(Sciezka(nazwa, katalog)).isFile();
}

QString SciezkaDokumentu(const QString& nazwa, const QString& katalog) {
    return QDir::toNativeSeparators(Sciezka(nazwa, katalog));
}

bool JestProgramDla(const QString& typMime) {
    QProcess xdg;
    xdg.start(QStringLiteral("xdg-mime"),
              {QStringLiteral("query"), QStringLiteral("default"), typMime});
    if (!xdg.waitForFinished(3000) || xdg.exitStatus() != QProcess::NormalExit)
        return false;
    return !xdg.readAllStandardOutput().trimmed().isEmpty();
}

QString PokazDokument(const QString& nazwa, const QString& katalog) {
    const QString gdzie = SciezkaDokumentu(nazwa, katalog);
    if (!JestDokument(nazwa, katalog))
        return QStringLiteral("Nie znaleziono opisu programu: brak pliku %1.").arg(gdzie);
    const bool pdf = nazwa.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive);
    const QString typ =
        pdf ? QStringLiteral("application/pdf") : QStringLiteral("application/msword");
    if (!JestProgramDla(typ) || !OtworzDokument(nazwa, katalog))
        return QStringLiteral("Nie ma programu, który otworzyłby opis programu. Opis jest w pliku "
                              "%1; otwórz go przeglądarką plików %2 (na przykład %3).")
            .arg(gdzie, pdf ? QStringLiteral("PDF") : QStringLiteral("DOC"),
                 pdf ? QStringLiteral("evince lub okular") : QStringLiteral("LibreOffice Writer"));
    return QString();
}

bool OtworzDokument(const QString& nazwa, const QString& katalog) {
    if (!JestDokument(nazwa, katalog))
        return false;
    return QDesktopServices::openUrl(QUrl::fromLocalFile(Sciezka(nazwa, katalog)));
}
