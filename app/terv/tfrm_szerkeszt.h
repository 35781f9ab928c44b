#pragma once

// The plan dialog "Szerkesztés": one record of `terv` on two pages, its
// references to the master data chosen from drop-down lists or from the
// master lists in pick mode. Also the pieces that the edit dialogs of the
// plan register share: the drop-down list that shows names and stores keys,
// and the binding of fields to a row of a table model.

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

// A drop-down list of master records that shows names and holds a key. An
// empty first entry stands for no reference; a key that no entry has shows
// empty but is kept until the user chooses another entry.
class KulcsValaszto : public QComboBox {
    Q_OBJECT
    Q_PROPERTY(QVariant kulcs READ kulcs WRITE setKulcs USER true)
public:
    explicit KulcsValaszto(QWidget* szulo = nullptr);

    // Fills the list (the held key stays and is shown again).
    void feltolt(const QList<TorzsTetel>& tetelek);
    QVariant kulcs() const { return m_kulcs; }
    void setKulcs(const QVariant& kulcs);

protected:
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

private:
    void mutat();

    QVariant m_kulcs;
    bool m_beallitas = false;
};

// Moves values between the fields of an edit dialog and a row of a table
// model, for a QDataWidgetMapper with manual submit. A field's value is
// written back only when the user changed it, so that a field the user left
// alone never changes its column (an empty text stays null, a kept key stays
// even when no list entry shows it). Text that the user empties is stored as
// null. Fields marked with Kotes::CsakMutat are shown only: dates in the
// short date format, numbers with two digits where Kotes::KetJegy says so,
// check boxes ticked for 'I'.
class MezoKotes : public QItemDelegate {
    Q_OBJECT
public:
    using QItemDelegate::QItemDelegate;
    void setEditorData(QWidget* mezo, const QModelIndex& index) const override;
    void setModelData(QWidget* mezo, QAbstractItemModel* modell,
                      const QModelIndex& index) const override;
};

namespace Kotes {
inline constexpr const char* CsakMutat = "pelvanoCsakMutat";
inline constexpr const char* Datum = "pelvanoDatum";
inline constexpr const char* KetJegy = "pelvanoKetJegy";
// Binds `mezo` to column `oszlop` of the mapper's model (its user property,
// through MezoKotes, without the delegate's own key handling, so that Enter,
// Tab and Escape keep the dialog's meaning).
void Kot(QDataWidgetMapper* mapper, QWidget* mezo, const QString& oszlop);
// The workstation's short date format with a four-digit year.
QString RovidDatumFormatum();
} // namespace Kotes

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
