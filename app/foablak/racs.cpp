#include "foablak/racs.h"

#include "ikonok.h"

#include <QApplication>
#include <QDate>
#include <QHeaderView>
#include <QLocale>
#include <QPainter>
#include <QTableView>

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

namespace Racs {

using Fajta = RacsDelegate::Fajta;

// The plan grid: field, title, share.
const QList<RacsOszlop>& TervOszlopok() {
    static const QList<RacsOszlop> l{
        {"szur", "!", 0, Fajta::Jelzo},
        {"Tervszam", "tervszám", 8, Fajta::Felkover},
        {"datum", "dátum", 8, Fajta::Datum},
        {"tervezo_nev", "tervező", 12, Fajta::Szoveg},
        {"Cim", "tárgy", 25, Fajta::Szoveg},
        {"szakag_nev", "szakág", 9, Fajta::Szoveg},
        {"tervjel", "tervjel", 9, Fajta::Szoveg},
        {"tervfajta_nev", "terv.fajta", 9, Fajta::Szoveg},
        {"tervszakasz_nev", "terv.szakasz", 9, Fajta::Szoveg},
        {"ugyfel_nev", "ügyfél", 9, Fajta::Szoveg},
    };
    return l;
}

// The line grid.
const QList<RacsOszlop>& SorOszlopok() {
    static const QList<RacsOszlop> l{
        {"kiadni", "!", 0, Fajta::Jelzo},
        {"sor", "sor", 4, Fajta::KetJegy},
        {"reszmuvelet", "részművelet", 25, Fajta::Szoveg},
        {"rajzszam", "rajzszám", 9, Fajta::Szoveg},
        {"pausz", "pausz", 9, Fajta::Szoveg},
        {"irata4", "irat A4", 9, Fajta::Szoveg},
        {"irata5", "irat A3", 9, Fajta::Szoveg},
        {"dat_tkiad", "terv kiadva", 9, Fajta::Datum},
        {"tkiadva", "terv kinél", 8, Fajta::Szoveg},
        {"dat_lkiad", "ti. kiadva", 8, Fajta::Datum},
        {"lkiadva", "ti.kinél", 8, Fajta::Szoveg},
    };
    return l;
}

QList<RacsModell::Oszlop> ModellOszlopok(const QList<RacsOszlop>& l) {
    QList<RacsModell::Oszlop> o;
    for (const RacsOszlop& r : l)
        o.append({QString::fromUtf8(r.mezo), QString::fromUtf8(r.cim)});
    return o;
}

QList<int> Szazadok(const QList<RacsOszlop>& l) {
    QList<int> s;
    for (const RacsOszlop& r : l.mid(1))
        s << r.szazad;
    return s;
}

QTableView* Letrehoz(QWidget* szulo, const QString& nev, const QList<RacsOszlop>& oszlopok,
                     const QIcon& igen) {
    auto* r = new QTableView(szulo);
    r->setObjectName(nev);
    r->setEditTriggers(QAbstractItemView::NoEditTriggers);
    r->setSelectionBehavior(QAbstractItemView::SelectRows);
    r->setSelectionMode(QAbstractItemView::SingleSelection);
    r->setTabKeyNavigation(false);
    r->verticalHeader()->setDefaultSectionSize(r->fontMetrics().height() + 4);
    r->verticalHeader()->setFixedWidth(12);
    r->horizontalHeader()->setHighlightSections(false);
    r->horizontalHeader()->setMinimumSectionSize(10);
    QPalette p = r->palette();
    p.setColor(QPalette::Inactive, QPalette::Highlight,
               p.color(QPalette::Active, QPalette::Highlight));
    p.setColor(QPalette::Inactive, QPalette::HighlightedText,
               p.color(QPalette::Active, QPalette::HighlightedText));
    r->setPalette(p);
    for (int i = 0; i < oszlopok.size(); ++i)
        r->setItemDelegateForColumn(
            i, new RacsDelegate(oszlopok.at(i).fajta, r, igen, Ikon::Kep(Ikon::KisKereszt)));
    return r;
}

void SzelessegekMegtartasa(QTableView* racs, QAbstractItemModel* modell) {
    auto szelessegek = std::make_shared<QList<int>>();
    QObject::connect(modell, &QAbstractItemModel::modelAboutToBeReset, racs, [racs, szelessegek] {
        szelessegek->clear();
        for (int i = 0; i < racs->horizontalHeader()->count(); ++i)
            szelessegek->append(racs->columnWidth(i));
    });
    QObject::connect(modell, &QAbstractItemModel::modelReset, racs, [racs, szelessegek] {
        if (szelessegek->size() == racs->horizontalHeader()->count())
            for (int i = 0; i < szelessegek->size(); ++i)
                racs->setColumnWidth(i, szelessegek->at(i));
    });
}

} // namespace Racs
