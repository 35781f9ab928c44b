#pragma once

// The plan dialog "Szerkesztés": one record of `terv` on two pages, its
// references to the master data chosen from drop-down lists (KulcsValaszto)
// or from the master lists in pick mode, its fields bound to the row
// (mezokotes.h).

#include "terv/kulcsvalaszto.h"
#include "terv/mezokotes.h"
#include "terv/tervmuveletek.h"
#include "torzs/torzs.h"

#include <QComboBox>
#include <QDialog>
#include <QItemDelegate>

class Kapcsolat;
class QDataWidgetMapper;
class QDateEdit;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QToolButton;
class TablaModell;

class Tfrm_Szerkeszt : public QDialog {
    Q_OBJECT
public:
    // Edits row `sor` of `tbl` (a model on "terv"); the drop-down lists are
    // read from `kapcsolat`; `valaszto` opens the master lists in pick mode.
    Tfrm_Szerkeszt(Kapcsolat& kapcsolat, TablaModell& tbl, int sor, TorzsValaszto valaszto,
                   QWidget* szulo = nullptr);

    void setDatum(const QDate& d);
    QDate datum() const;
    // Writes the fields into the record (the date box excepted).
    void atad();

    QTabWidget* PageControl1;
    QWidget* tabReszletes;
    QWidget* tabMegjegyzes;
    QLineEdit* edtTervszam;
    QLineEdit* edtCim;
    KulcsValaszto* cbUgyfel;
    QLineEdit* edtHelyszin;
    KulcsValaszto* cbTipus;
    QDateEdit* dtpDatum;
    QLineEdit* edtTervjel;
    KulcsValaszto* cbTervezo;
    KulcsValaszto* cbSzakag;
    KulcsValaszto* cbTervfajta;
    KulcsValaszto* cbTervszakasz;
    QToolButton* btnUgyfel;
    QToolButton* btnTipus;
    QToolButton* btnTervezo;
    QToolButton* btnSzakag;
    QToolButton* btnTervfajta;
    QToolButton* btnTervszakasz;
    QPlainTextEdit* memMegjegyzes;
    QPushButton* btnOK;
    QPushButton* btnMegsem;

    // The drop-down lists and their pick buttons in the order of
    // TervHivatkozasok().
    QList<KulcsValaszto*> Listak;
    QList<QToolButton*> Gombok;

private:
    void valaszt(int i);

    Kapcsolat& m_kapcsolat;
    TorzsValaszto m_valaszto;
    QDataWidgetMapper* m_mapper;
};
