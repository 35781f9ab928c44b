#pragma once

// What the grids of the main window share: how a cell shows its value (a
// marker picture, bold text, a date in the short date format, a number with
// two digits) and the column-width rule of the window.

#include <QAbstractTableModel>
#include <QIcon>
#include <QList>
#include <QStyledItemDelegate>
#include <functional>

class QTableView;

class RacsDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    enum class Fajta {
        Szoveg,   // as it is
        Felkover, // bold text
        Datum,    // a stored date in the workstation's short date format
        KetJegy,  // an integer with at least two digits ("00")
        Jelzo,    // a flag: the "igen" picture for 'I', the "nem" picture otherwise
    };

    RacsDelegate(Fajta fajta, QObject* szulo = nullptr, QIcon igen = {}, QIcon nem = {});

    QString displayText(const QVariant& ertek, const QLocale& locale) const override;
    void initStyleOption(QStyleOptionViewItem* opcio, const QModelIndex& index) const override;
    void paint(QPainter* p, const QStyleOptionViewItem& opcio,
               const QModelIndex& index) const override;

    // The text of a value as the grid shows it.
    static QString Szoveg(Fajta fajta, const QVariant& ertek);

private:
    Fajta m_fajta;
    QIcon m_igen;
    QIcon m_nem;
};

// The widths of the share columns for a window width: the integer nearest
// to (szelesseg - levonas) x share, a value exactly halfway going to the
// even one. Shares are given in hundredths (0.08 -> 8), so that halfway
// stays exactly halfway.
QList<int> OszlopSzelessegek(int szelesseg, int levonas, const QList<int>& szazadok);

// The columns a grid shows of a larger model, in the grid's order and with
// the grid's titles; read-only. Source columns are found by field name each
// time the source is reset.
class RacsModell : public QAbstractTableModel {
    Q_OBJECT
public:
    struct Oszlop {
        QString mezo; // field name of the source
        QString cim;  // column title
    };
    using Kereso = std::function<int(const QString& mezo)>;

    RacsModell(QAbstractItemModel* forras, QList<Oszlop> oszlopok, Kereso kereso,
               QObject* szulo = nullptr);

    int rowCount(const QModelIndex& szulo = QModelIndex()) const override;
    int columnCount(const QModelIndex& szulo = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation o, int role = Qt::DisplayRole) const override;

    QString mezo(int oszlop) const { return m_oszlopok.value(oszlop).mezo; }

private:
    void forrasOszlopok();

    QAbstractItemModel* m_forras;
    QList<Oszlop> m_oszlopok;
    Kereso m_kereso;
    QList<int> m_forrasOszlop;
};

// One column of a main-window grid: field, title, share of the width in
// hundredths (0: the fixed 18-pixel marker column) and how its cells show.
struct RacsOszlop {
    const char* mezo;
    const char* cim;
    int szazad;
    RacsDelegate::Fajta fajta;
};

namespace Racs {

// The plan grid's and the line grid's columns, in the grid's order.
const QList<RacsOszlop>& TervOszlopok();
const QList<RacsOszlop>& SorOszlopok();

// The columns as the grid model takes them.
QList<RacsModell::Oszlop> ModellOszlopok(const QList<RacsOszlop>& l);
// The shares of the columns after the marker column.
QList<int> Szazadok(const QList<RacsOszlop>& l);

// A read-only grid of whole-row selection with a delegate per column (`igen`
// is the marker column's picture of the 'I' value).
QTableView* Letrehoz(QWidget* szulo, const QString& nev, const QList<RacsOszlop>& oszlopok,
                     const QIcon& igen);

// Column widths survive the re-reading of a grid's rows: the header forgets
// them when its model is reset, so they are put back.
void SzelessegekMegtartasa(QTableView* racs, QAbstractItemModel* modell);

} // namespace Racs
