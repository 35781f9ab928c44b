#pragma once

// The holders of what is out as a tree for the window.

#include "kintlevosegek.h"

#include <QAbstractItemModel>

namespace Kintlevosegek {

// The holders as a tree: a row for each holder (its name, count and longest
// time out in its first column), below it a row for each item. Items over
// the threshold say "LEJÁRT" in the last column and are bold and red.
class Modell : public QAbstractItemModel {
    Q_OBJECT
public:
    enum Oszlop { Tervszam, Targy, Sor, Fajta, Kiadva, Engedelyezo, Napok, Lejart, OszlopDb };
    static constexpr int TervSzerep = Qt::UserRole;
    static constexpr int SorSzerep = Qt::UserRole + 1;

    explicit Modell(QList<Birtokos> birtokosok, QObject* szulo = nullptr);

    const QList<Birtokos>& birtokosok() const { return m_b; }
    // The item of an index; nullptr for a holder's row.
    const Tetel* tetel(const QModelIndex& i) const;

    QModelIndex index(int sor, int oszlop, const QModelIndex& szulo = {}) const override;
    QModelIndex parent(const QModelIndex& i) const override;
    int rowCount(const QModelIndex& szulo = {}) const override;
    int columnCount(const QModelIndex& szulo = {}) const override;
    QVariant data(const QModelIndex& i, int szerep = Qt::DisplayRole) const override;
    QVariant headerData(int oszlop, Qt::Orientation o, int szerep = Qt::DisplayRole) const override;

private:
    QList<Birtokos> m_b;
};

} // namespace Kintlevosegek
