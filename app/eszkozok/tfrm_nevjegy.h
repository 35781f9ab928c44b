#pragma once

// "Névjegy": the program, its version and the maker's contact.

#include <QDialog>

class QLabel;
class QPushButton;

class Tfrm_Nevjegy : public QDialog {
    Q_OBJECT
public:
    explicit Tfrm_Nevjegy(QWidget* szulo = nullptr);

    QLabel* lblTermek; // "Pelvano\r\nV2.1.0.67"
    QLabel* lblElerhetoseg;
    QPushButton* btnOK;
};
