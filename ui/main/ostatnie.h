#pragma once

#include <QObject>
#include <QStringList>

#include <memory>

class QMenu;
class QSettings;
class TStronaStartowa;

// The recent projects: the files last opened or saved, newest first, kept
// in the user's settings, shown in the File menu and on the start page.
// Files that are gone are left out.
class TOstatnieProjekty : public QObject {
    Q_OBJECT

public:
    static constexpr int OSTATNICH = 8;

    TOstatnieProjekty(QMenu& menu, TStronaStartowa& strona, QObject* rodzic = nullptr);
    ~TOstatnieProjekty() override;

    QStringList Lista() const;
    // A project file opened or saved (never a recovery copy).
    void Dodaj(const QString& sciezka);
    // The menu and the start page as the list stands.
    void Odswiez();

signals:
    void otworz(const QString& sciezka);

private:
    QMenu& menu_;
    TStronaStartowa& strona_;
    std::unique_ptr<QSettings> ustawienia_;
};
