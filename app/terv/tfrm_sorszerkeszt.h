#pragma once

// The line dialog "Sor szerkesztés": one line of a plan, bound to a row of
// the main window's line table. The issue fields are shown only.

#include <QDialog>

class QCheckBox;
class QDataWidgetMapper;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class TablaModell;

class Tfrm_SorSzerkeszt : public QDialog {
    Q_OBJECT
public:
    // The widest note of a line.
    static constexpr int MegjegyzesHossz = 255;

    // Edits row `sor` of `tblSor` (a model on "terv_sor").
    Tfrm_SorSzerkeszt(TablaModell& tblSor, int sor, QWidget* szulo = nullptr);

    // Writes the editable fields into the line.
    void atad();

    QTabWidget* PageControl1;
    QWidget* tabReszletes;
    QWidget* tabMegjegyzes;
    QLineEdit* edtSor;
    QLineEdit* edtReszmuvelet;
    QLineEdit* edtRajzszam;
    QLineEdit* edtPausz;
    QLineEdit* edtIrata4;
    QLineEdit* edtIrata5;
    QLineEdit* edtDatTkiad;
    QLineEdit* edtTkiadva;
    QCheckBox* chkTbent;
    QLineEdit* edtDatLkiad;
    QLineEdit* edtLkiadva;
    QCheckBox* chkLbent;
    QPlainTextEdit* memMegjegyzes;
    QPushButton* btnOK;
    QPushButton* btnMegsem;

private:
    QDataWidgetMapper* m_mapper;
};
