#pragma once

// User administration: the list of users ("Felhasználók adatai") and the
// dialog that edits one ("Felhasználó adatainak szerkesztése").

#include <QDialog>

class Kapcsolat;
class QAction;
class QLineEdit;
class QPushButton;
class QStandardItemModel;
class QTableView;
class QToolBar;

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

class Tfrm_Felhasznalo : public QDialog {
    Q_OBJECT
public:
    explicit Tfrm_Felhasznalo(Kapcsolat& k, QWidget* szulo = nullptr);

    QToolBar* ToolBar1;
    QTableView* DBGrid1;
    QAction* aUj;
    QAction* aSzerkeszt;
    QAction* aTorol;
    QAction* aBezar;

    // The user of the current row; empty without one.
    QString aktualis() const;

private:
    void beolvas(const QString& allj = QString());
    void szerkeszt(bool uj);
    void torol();

    Kapcsolat& m_k;
    QStandardItemModel* m_modell;
};

// Runs the user administration.
void ShowFelhasznalo(Kapcsolat& k, QWidget* szulo = nullptr);
