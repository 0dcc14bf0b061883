#pragma once

#include <QElapsedTimer>
#include <QProgressDialog>

// The progress of a long job the user may stop: a modal box with what is
// being done, a bar and "Anuluj", shown at once; the window behind it
// repaints while the job goes on.
class TPostep : public QProgressDialog {
    Q_OBJECT

public:
    TPostep(const QString& tytul, QWidget* rodzic);

    // Step n of z (z = 0: not known yet) done, said by `tekst`; false once
    // the user asked to stop. The box and the waiting events are seen to
    // about twenty times a second, and at the last step.
    bool Krok(int n, int z, const QString& tekst);

private:
    QElapsedTimer odswiezony_;
};
