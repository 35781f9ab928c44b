#pragma once

// The dialog that edits one user ("Felhasználó adatainak szerkesztése"):
// name and the password typed twice.

#include <QDialog>

class Kapcsolat;
class QLineEdit;
class QPushButton;

class Tfrm_FelhasznaloSzerkeszt : public QDialog {
    Q_OBJECT
public:
    // A new user (`nev` empty) or the user `nev` with its stored password.
    Tfrm_FelhasznaloSzerkeszt(Kapcsolat& k, const QString& nev, const QString& taroltJelszo,
                              QWidget* szulo = nullptr);

    QLineEdit* edtFelhasznalo;
    QLineEdit* edtJelszo;
    QLineEdit* edtJelszo2;
    QPushButton* btnOK;
    QPushButton* btnMegsem;

public slots:
    void ok();

protected:
    void showEvent(QShowEvent* e) override;

private:
    Kapcsolat& m_k;
    QString m_regiNev;
    bool m_jelszoUj;
};
