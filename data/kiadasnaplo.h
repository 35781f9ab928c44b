#pragma once

// The issue log of one kind of paper as a list: the log joined with its
// plans and lines in key order, narrowed to what is still out when asked.
//
// Opening reads the log once straight through the engine, keeping only the
// keys of the kind and whether each is out; narrowing and widening then
// choose among them in memory without a new query, and the other columns are
// read in blocks by key when a view asks for them.

#include "blokkolvaso.h"

#include <QAbstractTableModel>
#include <QHash>
#include <QStringList>
#include <QVector>

class Kapcsolat;

namespace Kiadas {

// The issue log with its plans and lines, in key order (the issue browser
// and the issue sheet read it). A record whose plan or line is gone is not
// in it.
QStringList NaploSql();
// The same narrowed by a condition ("WHERE " + feltetel before the order).
QStringList NaploSql(const QString& feltetel);

} // namespace Kiadas

// The selection of the issue browser and of the issued items report.
struct KiadasSzuro {
    QChar fajta = QLatin1Char('T'); // 'T' drawing sets, 'L' correspondence
    bool csakKint = false;
    // "(ezterv='T')" or "(ezterv='T') and (kint='I')".
    QString szoveg() const;
    // The same as a condition of the log query.
    QString feltetel() const;
    // The log query of the selection.
    QString sql() const;
};

class KiadasNaploModell : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit KiadasNaploModell(Kapcsolat& k, QObject* szulo = nullptr);

    // The columns of the list, in order: tervszám, sor, tárgy, részművelet,
    // kiadás, visszavét, kinek.
    static const QStringList& Mezok();
    // The headings of those columns, by field name: the list's titles, and
    // the headings of the same columns when the log is exported.
    static const QHash<QString, QString>& Feliratok();

    // Reads the log of the kind; errors throw AdatbazisHiba (the list is then
    // empty).
    void nyit(QChar fajta);
    // Narrows to what is still out, or widens to all issues of the kind.
    void setCsakKint(bool csakKint);
    KiadasSzuro szuro() const { return m_szuro; }

    int rowCount(const QModelIndex& szulo = QModelIndex()) const override;
    int columnCount(const QModelIndex& szulo = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation o, int role = Qt::DisplayRole) const override;

    // A value of a listed row by field name of the log query (null when
    // unknown).
    QVariant ertek(int sor, const QString& mezo) const;
    int kulcs(int sor) const { return m_lathato.value(sor); }

private:
    Kapcsolat& m_k;
    KiadasSzuro m_szuro;
    QVector<int> m_kulcsok;       // every key of the kind
    QVector<bool> m_kint;         // out, by position in m_kulcsok
    QVector<int> m_lathato;       // the keys listed
    QHash<QString, int> m_oszlop; // the log query's columns by lower-case name
    BlokkOlvaso m_olvaso;
};
