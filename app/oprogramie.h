#pragma once

#include <QDialog>

class QLabel;

// TAboutBox: the program's name, version, copyright and publisher.
class TAboutBox : public QDialog {
    Q_OBJECT

public:
    explicit TAboutBox(QWidget* rodzic = nullptr);

    QLabel *ProductName, *Version, *Copyright, *WWWLab, *MailLab;
};
