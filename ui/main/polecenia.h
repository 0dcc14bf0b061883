#pragma once

#include <QObject>

class QAction;
class QMainWindow;
class QMenu;

// The main window's command set: every command with its caption, hint,
// shortcut and icon, the menus and the toolbar they stand in, and the
// commands that need no project (clipboard, calculator). What a command
// does is the main window's; which commands can be used it says through
// UstawStan.
class TPoleceniaGlowne : public QObject {
    Q_OBJECT

public:
    // The commands, with the menus and the toolbar put into `okno`.
    explicit TPoleceniaGlowne(QMainWindow& okno);

    // With or without a project, with a window node selected or not.
    void UstawStan(bool projekt, bool oknoWybrane);
    // The captions of undo and redo name their steps ("Cofnij: zmiana okna
    // O1"); empty names disable them.
    void UstawHistorie(const QString& cofnij, const QString& ponow);

    QAction *FileNewTA, *FileOpenTA, *FileSaveTA, *FileSaveAsTA, *FileCloseTA, *FileImportArvoKTA,
        *FileImportIfcTA, *FileExportTA, *FileExportIfcTA, *FilePageSetup1, *FilePrintPreviewTA,
        *PrintDlgTA, *FileExitTA;
    QAction *EditUndo1, *EditRedo1, *EditCut1, *EditCopy1, *EditPaste1;
    QAction *AddStolarkaTA, *DelStolarkaTA, *MulStolarkaTA, *OrientacjeTA, *PrzegladOkienTA,
        *CalcStartTA;
    QAction *HelpContents1, *HelpWord1, *HelpPdf1, *HelpAbout1;
    QMenu* OstatnieMI;

private:
    void UtworzPolecenia();
    void UtworzMenuIPasek(QMainWindow& okno);
    // Cut, Copy and Paste as the focused text field allows.
    void UstawSchowek();
    void UruchomKalkulator();
};
