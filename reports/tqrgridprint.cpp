#include "tqrgridprint.h"

#include "oldalkeret.h"
#include "riportkimenet.h"

#include <QHeaderView>
#include <QStyledItemDelegate>
#include <QTableView>

using Riport::Betu;
using Riport::Elem;
using Riport::Sav;

int GridEgyseg(int oszlopSzel, int gridSzel) {
    if (gridSzel <= 0)
        return 0;
    return qRound(575.0 * oszlopSzel / gridSzel);
}

namespace {
struct Oszlop {
    int logikai;
    double bal, szel;
    Qt::Alignment igazitas;
};

Qt::Alignment Vizszintes(const QVariant& v) {
    if (!v.isValid())
        return Qt::AlignLeft;
    const Qt::Alignment a = Qt::Alignment(v.toInt()) & Qt::AlignHorizontal_Mask;
    if (a & Qt::AlignRight)
        return Qt::AlignRight;
    if (a & Qt::AlignHCenter)
        return Qt::AlignHCenter;
    return Qt::AlignLeft;
}
} // namespace

Riport::Dokumentum GridRiport(QTableView* grid, const QString& cim, int betumeret) {
    QAbstractItemModel* m = grid->model();
    while (m->canFetchMore(QModelIndex()))
        m->fetchMore(QModelIndex());

    Riport::Dokumentum d;
    d.cim = cim;
    d.azonosito = QStringLiteral("qrGridPrint");

    d.fejlec.fajta = Riport::SavFajta::Fejlec;
    d.fejlec.magassag = 30.1;
    d.fejlec.ezustAlul = 2 * Riport::VekonyVonal;
    Oldalkeret::CimDoboz(d.fejlec, cim, Betu{QStringLiteral("Arial"), 16, true, false}, 49.3, 0.0,
                         20.2);

    const double egyseg = Riport::SavSzelesseg / 575.0;
    const int W = grid->width();
    QHeaderView* fej = grid->horizontalHeader();
    const Betu betu = Riport::Tahoma(betumeret);
    Betu dolt = betu;
    dolt.dolt = true;

    QList<Oszlop> oszlopok;
    int kezd = 0; // units
    for (int v = 0; v < fej->count(); ++v) {
        const int c = fej->logicalIndex(v);
        if (fej->isSectionHidden(c))
            continue;
        const int szel = GridEgyseg(fej->sectionSize(c), W);
        QVariant a = m->rowCount() > 0 ? m->index(0, c).data(Qt::TextAlignmentRole)
                                       : m->headerData(c, Qt::Horizontal, Qt::TextAlignmentRole);
        oszlopok.append({c, kezd * egyseg, szel * egyseg, Vizszintes(a)});
        kezd += szel + 4;
    }
    for (const Oszlop& o : oszlopok)
        d.fejlec.elemek << Elem::Szoveg(o.bal, 23.8, o.szel,
                                        m->headerData(o.logikai, Qt::Horizontal).toString(), dolt,
                                        o.igazitas);

    d.lablec = Oldalkeret::Lablec(cim, d.azonosito);

    const QLocale hely = grid->locale();
    QHeaderView* sorok = grid->verticalHeader();
    // One template for every row: the cells are its fields.
    Sav s;
    s.magassag = 6.6;
    s.ezustAlul = Riport::VekonyVonal;
    for (int i = 0; i < oszlopok.size(); ++i)
        s.elemek << Elem::Mezo(oszlopok.at(i).bal, 1.3, oszlopok.at(i).szel, i, betu,
                               oszlopok.at(i).igazitas);
    const int db = m->rowCount();
    for (int v = 0; v < db; ++v) {
        const int r = sorok->logicalIndex(v);
        if (grid->isRowHidden(r))
            continue;
        s.ertekek.clear();
        for (const Oszlop& o : oszlopok) {
            const QModelIndex ix = m->index(r, o.logikai);
            const QVariant ertek = ix.data(Qt::DisplayRole);
            if (auto* del = qobject_cast<QStyledItemDelegate*>(grid->itemDelegateForIndex(ix)))
                s.ertekek << del->displayText(ertek, hely);
            else
                s.ertekek << ertek.toString();
        }
        d.torzs.append(s);
    }
    return d;
}

void TqrGridPrint(QTableView* grid, bool azonnal, const QString& cim, int betumeret) {
    const Riport::Dokumentum d = GridRiport(grid, cim, betumeret);
    if (azonnal)
        RiportKimenet::Nyomtat(d, grid);
    else
        RiportKimenet::Elonezet(d, grid);
}
