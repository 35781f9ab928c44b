#include "terv/mezokotes.h"

#include "hiba.h"
#include "seged.h"
#include "tablamodell.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QDataWidgetMapper>
#include <QDateEdit>
#include <QFocusEvent>
#include <QLineEdit>
#include <QLocale>
#include <QMetaProperty>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QSqlRecord>

namespace {

const char* const Betoltott = "pelvanoBetoltott";

QVariant felhasznaloiErtek(const QWidget* mezo) {
    return mezo->metaObject()->userProperty().read(mezo);
}

} // namespace

void MezoKotes::setEditorData(QWidget* mezo, const QModelIndex& index) const {
    const QVariant v = index.data(Qt::EditRole);
    const QMetaProperty p = mezo->metaObject()->userProperty();
    if (auto* jelolo = qobject_cast<QCheckBox*>(mezo)) {
        jelolo->setChecked(Seged::VarSzoveg(v) == QLatin1String("I"));
    } else if (mezo->property(Kotes::Datum).toBool()) {
        const QString szoveg = Seged::VarSzoveg(v);
        const QDate d = QDate::fromString(szoveg, Qt::ISODate);
        p.write(mezo, d.isValid() ? QLocale().toString(d, Kotes::RovidDatumFormatum()) : szoveg);
    } else if (mezo->property(Kotes::KetJegy).toBool()) {
        bool szam = false;
        const int n = v.toInt(&szam);
        p.write(mezo, v.isNull() || !szam ? Seged::VarSzoveg(v)
                                          : QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')));
    } else if (p.metaType().id() == QMetaType::QString) {
        p.write(mezo, Seged::VarSzoveg(v));
    } else {
        p.write(mezo, v);
    }
    mezo->setProperty(Betoltott, felhasznaloiErtek(mezo));
}

void MezoKotes::setModelData(QWidget* mezo, QAbstractItemModel* modell,
                             const QModelIndex& index) const {
    if (mezo->property(Kotes::CsakMutat).toBool())
        return;
    QVariant uj = felhasznaloiErtek(mezo);
    if (uj == mezo->property(Betoltott))
        return; // left alone by the user
    if (uj.typeId() == QMetaType::QString && uj.toString().isEmpty())
        uj = QVariant();
    modell->setData(index, uj, Qt::EditRole);
}

namespace Kotes {

void Kot(QDataWidgetMapper* mapper, QWidget* mezo, const QString& oszlop) {
    auto* modell = qobject_cast<QSqlTableModel*>(mapper->model());
    const int o = modell ? modell->record().indexOf(oszlop) : -1;
    if (o < 0)
        throw PelvanoHiba(QStringLiteral("no such column: %1").arg(oszlop));
    mapper->addMapping(mezo, o);
    // The delegate would take Enter, Tab and Escape for itself.
    mezo->removeEventFilter(mapper->itemDelegate());
}

QString RovidDatumFormatum() {
    QString f = QLocale().dateFormat(QLocale::ShortFormat);
    if (!f.contains(QStringLiteral("yyyy")))
        f.replace(QRegularExpression(QStringLiteral("y+")), QStringLiteral("yyyy"));
    return f;
}

} // namespace Kotes
