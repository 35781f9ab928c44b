#pragma once

// The settings dialog ("Beállítások"): the full-screen choice and the data
// folder of this program folder, and the shared switch that makes every
// workstation ask for a login. They take effect at the next start.

#include "eszkozok/beallitas.h"

#include <QDialog>

class Kapcsolat;
class QCheckBox;
class QLineEdit;
class QPushButton;
class QToolButton;
struct TBeall;

class Tfrm_Beallit : public QDialog {
    Q_OBJECT
public:
    explicit Tfrm_Beallit(QWidget* szulo = nullptr);

    QCheckBox* chkTeljesKepernyo;
    QLineEdit* edtAdatUtvonal;
    QToolButton* btnTallozas;
    QCheckBox* chkBelepes;
    QPushButton* btnOK;
    QPushButton* btnMegsem;

private:
    void tallozas();
};

// Runs the settings dialog: OK keeps the folder and the full-screen choice
// in `beall` (written to Pelvano.ini when the main window closes) and stores
// the login switch; Mégsem changes nothing. Engine errors throw.
void Beallitasok(Kapcsolat& k, TBeall& beall, QWidget* szulo = nullptr);
