#pragma once

#include <QItemDelegate>
#include <QString>

class QDataWidgetMapper;

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
