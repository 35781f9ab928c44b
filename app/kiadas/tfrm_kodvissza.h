#pragma once

// "Visszavétel kóddal": returns by the code of the issue sheet. The entry box
// takes what a bar code scanner types (the code followed by Enter) or what
// the clerk types; Enter shows the sheet's records with their lines and
// states, F5 takes back every record of it that is out (each as the return
// action does it, in its own transaction). A code that is not one, names no
// sheet or a sheet of a deleted plan changes nothing and says so on the
// window's message line (a message box would swallow the next scan). After
// every Enter and F5 the box is empty and has the focus, ready for the next
// scan.

#include "lapkod.h"

#include <QDialog>

#include <optional>

class Kapcsolat;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

class Tfrm_KodVissza : public QDialog {
    Q_OBJECT
public:
    Tfrm_KodVissza(Kapcsolat& k, QWidget* szulo = nullptr);

    QLineEdit* edtKod;
    QLabel* lblLap;
    QTableWidget* tblTetelek;
    QLabel* lblUzenet;
    QPushButton* btnVissza;
    QPushButton* btnBezar;

protected:
    void keyPressEvent(QKeyEvent* e) override;

private:
    // Enter: reads the code in the box and shows its sheet.
    void beolvas();
    // F5: takes back what is out of the sheet shown.
    void visszavesz();
    void mutat(const LapKod::Lap& lap);
    // No sheet shown.
    void urit();
    void uzen(const QString& szoveg, bool hiba);

    Kapcsolat& m_k;
    std::optional<LapKod::Lap> m_lap;
};

// Shows the window.
void ShowKodVissza(Kapcsolat& k, QWidget* szulo = nullptr);
