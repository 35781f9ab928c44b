#pragma once

// The login dialog "Belépés azonosítás".

#include "felhasznalo/belepes.h"

#include <QDialog>

class QLineEdit;
class QPushButton;

class Tfrm_Login : public QDialog {
    Q_OBJECT
public:
    Tfrm_Login(Kapcsolat& kapcsolat, TBeall& beall, QWidget* szulo = nullptr);

    bool Belepett() const { return m_belepett; }

    QLineEdit* edtFelhasznalo;
    QLineEdit* edtJelszo;
    QPushButton* btnUjJelszo;
    QPushButton* btnOK;
    QPushButton* btnMegsem;

private:
    void ok();
    void ujJelszo();

    Belepes m_belepes;
    TBeall& m_beall;
    bool m_belepett = false;
};
