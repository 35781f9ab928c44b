#include "foablak/racs.h"

#include <QApplication>
#include <QDate>
#include <QLocale>
#include <QPainter>

RacsDelegate::RacsDelegate(Fajta fajta, QObject* szulo, QIcon igen, QIcon nem)
    : QStyledItemDelegate(szulo), m_fajta(fajta), m_igen(std::move(igen)), m_nem(std::move(nem)) {}

QString RacsDelegate::Szoveg(Fajta fajta, const QVariant& ertek) {
    if (ertek.isNull())
        return {};
    switch (fajta) {
    case Fajta::Datum: {
        const QString s = ertek.toString();
        const QDate d = QDate::fromString(s.left(10), QStringLiteral("yyyy-MM-dd"));
        return d.isValid() ? QLocale().toString(d, QLocale::ShortFormat) : s;
    }
    case Fajta::KetJegy: {
        bool ok = false;
        const qlonglong n = ertek.toLongLong(&ok);
        return ok ? QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')) : ertek.toString();
    }
    case Fajta::Jelzo:
        return {};
    case Fajta::Szoveg:
    case Fajta::Felkover:
        break;
    }
    return ertek.toString();
}

QString RacsDelegate::displayText(const QVariant& ertek, const QLocale&) const {
    return Szoveg(m_fajta, ertek);
}

void RacsDelegate::initStyleOption(QStyleOptionViewItem* opcio, const QModelIndex& index) const {
    QStyledItemDelegate::initStyleOption(opcio, index);
    if (m_fajta == Fajta::Felkover)
        opcio->font.setBold(true);
}

void RacsDelegate::paint(QPainter* p, const QStyleOptionViewItem& opcio,
                         const QModelIndex& index) const {
    if (m_fajta != Fajta::Jelzo) {
        QStyledItemDelegate::paint(p, opcio, index);
        return;
    }
    // The cell's background, then the picture one pixel right of its left
    // edge, at its top.
    QStyleOptionViewItem o = opcio;
    initStyleOption(&o, index);
    o.text.clear();
    o.icon = QIcon();
    const QWidget* w = opcio.widget;
    QStyle* stilus = w ? w->style() : QApplication::style();
    stilus->drawControl(QStyle::CE_ItemViewItem, &o, p, w);
    const bool igen = index.data().toString() == QLatin1String("I");
    const QIcon& kep = igen ? m_igen : m_nem;
    kep.paint(p, QRect(opcio.rect.left() + 1, opcio.rect.top(), 16, 16));
}

QList<int> OszlopSzelessegek(int szelesseg, int levonas, const QList<int>& szazadok) {
    QList<int> l;
    const qint64 alap = qMax(0, szelesseg - levonas);
    for (const int sz : szazadok) {
        const qint64 szorzat = alap * sz;
        qint64 egesz = szorzat / 100;
        const qint64 maradek = szorzat % 100;
        if (maradek > 50 || (maradek == 50 && egesz % 2 == 1))
            ++egesz;
        l << int(egesz);
    }
    return l;
}

RacsModell::RacsModell(QAbstractItemModel* forras, QList<Oszlop> oszlopok, Kereso kereso,
                       QObject* szulo)
    : QAbstractTableModel(szulo), m_forras(forras), m_oszlopok(std::move(oszlopok)),
      m_kereso(std::move(kereso)) {
    forrasOszlopok();
    auto ujra = [this] {
        beginResetModel();
        forrasOszlopok();
        endResetModel();
    };
    connect(m_forras, &QAbstractItemModel::modelReset, this, ujra);
    connect(m_forras, &QAbstractItemModel::layoutChanged, this, ujra);
    connect(m_forras, &QAbstractItemModel::rowsInserted, this, ujra);
    connect(m_forras, &QAbstractItemModel::rowsRemoved, this, ujra);
    connect(m_forras, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex& tl, const QModelIndex& br) {
                if (!m_oszlopok.isEmpty())
                    emit dataChanged(index(tl.row(), 0),
                                     index(br.row(), int(m_oszlopok.size()) - 1));
            });
}

void RacsModell::forrasOszlopok() {
    m_forrasOszlop.clear();
    for (const Oszlop& o : m_oszlopok)
        m_forrasOszlop << m_kereso(o.mezo);
}

int RacsModell::rowCount(const QModelIndex& szulo) const {
    return szulo.isValid() ? 0 : m_forras->rowCount();
}

int RacsModell::columnCount(const QModelIndex& szulo) const {
    return szulo.isValid() ? 0 : int(m_oszlopok.size());
}

QVariant RacsModell::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || role == Qt::EditRole)
        return {};
    const int o = m_forrasOszlop.value(index.column(), -1);
    if (o < 0)
        return {};
    return m_forras->data(m_forras->index(index.row(), o), role);
}

QVariant RacsModell::headerData(int section, Qt::Orientation o, int role) const {
    if (o == Qt::Horizontal && section >= 0 && section < m_oszlopok.size()) {
        if (role == Qt::DisplayRole)
            return m_oszlopok.at(section).cim;
        if (role == Qt::TextAlignmentRole && m_oszlopok.at(section).cim == QLatin1String("!"))
            return int(Qt::AlignCenter);
    }
    // The row indicator carries no numbers; it marks the current row only.
    if (o == Qt::Vertical && role == Qt::DisplayRole)
        return QString();
    return QAbstractTableModel::headerData(section, o, role);
}
