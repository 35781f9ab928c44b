#pragma once

// User administration: the list of users ("Felhasználók adatai"); one user
// is edited in Tfrm_FelhasznaloSzerkeszt.

#include <QDialog>

class Kapcsolat;
class QAction;
class QLineEdit;
class QPushButton;
class QStandardItemModel;
class QTableView;
class QToolBar;

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
