#include "kiadas/kintlevosegmodell.h"

#include <QColor>
#include <QFont>

namespace Kintlevosegek {

Modell::Modell(QList<Birtokos> birtokosok, QObject* szulo)
    : QAbstractItemModel(szulo), m_b(std::move(birtokosok)) {}

// A holder's row has the id 0, an item's row the holder's place + 1.
const Tetel* Modell::tetel(const QModelIndex& i) const {
    if (!i.isValid() || i.internalId() == 0)
        return nullptr;
    return &m_b.at(qsizetype(i.internalId() - 1)).tetelek.at(i.row());
}

QModelIndex Modell::index(int sor, int oszlop, const QModelIndex& szulo) const {
    if (!hasIndex(sor, oszlop, szulo))
        return {};
    return createIndex(sor, oszlop, szulo.isValid() ? quintptr(szulo.row() + 1) : quintptr(0));
}

QModelIndex Modell::parent(const QModelIndex& i) const {
    if (!i.isValid() || i.internalId() == 0)
        return {};
    return createIndex(int(i.internalId() - 1), 0, quintptr(0));
}

int Modell::rowCount(const QModelIndex& szulo) const {
    if (!szulo.isValid())
        return int(m_b.size());
    if (szulo.internalId() == 0 && szulo.column() == 0)
        return int(m_b.at(szulo.row()).tetelek.size());
    return 0;
}

int Modell::columnCount(const QModelIndex&) const {
    return OszlopDb;
}

QVariant Modell::data(const QModelIndex& i, int szerep) const {
    if (!i.isValid())
        return {};
    const Tetel* t = tetel(i);
    if (!t) {
        const Birtokos& b = m_b.at(i.row());
        if (szerep == Qt::DisplayRole && i.column() == 0)
            return b.cim();
        if (szerep == Qt::FontRole) {
            QFont f;
            f.setBold(true);
            return f;
        }
        return {};
    }
    switch (szerep) {
    case Qt::DisplayRole:
        switch (i.column()) {
        case Tervszam:
            return t->tervszam;
        case Targy:
            return t->targy;
        case Sor:
            return t->sorSzoveg();
        case Fajta:
            return t->fajtaNev();
        case Kiadva:
            return t->kiadvaSzoveg();
        case Engedelyezo:
            return t->engedelyezo;
        case Napok:
            return t->napok;
        case Lejart:
            return t->lejart ? QStringLiteral("LEJÁRT") : QString();
        }
        return {};
    case Qt::TextAlignmentRole:
        return i.column() == Napok ? QVariant(int(Qt::AlignRight | Qt::AlignVCenter)) : QVariant();
    case Qt::FontRole:
        if (t->lejart) {
            // Overdue in words and weight, the colour only besides.
            QFont f;
            f.setBold(true);
            return f;
        }
        return {};
    case Qt::ForegroundRole:
        return t->lejart ? QVariant(QColor(176, 0, 0)) : QVariant();
    case TervSzerep:
        return t->terv;
    case SorSzerep:
        return t->sor;
    }
    return {};
}

QVariant Modell::headerData(int oszlop, Qt::Orientation o, int szerep) const {
    static const QStringList fejek{"tervszám", "tárgy",       "sor",        "fajta",
                                   "kiadva",   "engedélyező", "napja kint", ""};
    if (o == Qt::Horizontal && szerep == Qt::DisplayRole)
        return fejek.value(oszlop);
    return {};
}

} // namespace Kintlevosegek
