#pragma once

// The detailed search dialog ("Részletes keresése"): the text to look for on
// the first tab, the plans found (plan number and subject) on the second.

#include <QDialog>

class Kapcsolat;
class QLineEdit;
class QPushButton;
class QSqlQueryModel;
class QTabWidget;
class QTableView;

class Tfrm_Keres : public QDialog {
    Q_OBJECT
public:
    explicit Tfrm_Keres(Kapcsolat& k, QWidget* szulo = nullptr);
    ~Tfrm_Keres() override;

    // The key of the chosen plan (after the dialog was accepted), else 0.
    int valasztott() const { return m_valasztott; }

    QTabWidget* PageControl1;
    QLineEdit* edtKeres;
    QPushButton* btnKeres;
    QPushButton* btnBezar;
    QTableView* DBGrid1;
    QPushButton* btnMegvan;
    QPushButton* btnBezar2;

public slots:
    void keres();
    void megvan();

protected:
    void showEvent(QShowEvent* e) override;

private:
    Kapcsolat& m_k;
    QSqlQueryModel* m_eredmeny;
    int m_valasztott = 0;
};

// Runs the search over the plans; returns the chosen plan's key, 0 without
// a choice. The dialog sits on the bottom right corner of `szulo`.
int ShowKeres(Kapcsolat& k, QWidget* szulo = nullptr);
