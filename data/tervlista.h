#pragma once

// The plan list of the register: the main query in the chosen order, with
// the filter of marked plans, read lazily.
//
// Opening runs the main query once straight through the engine, keeping
// only each row's key, its value in the order column and its mark; the
// other columns of a row are read in blocks by key when a view asks for
// them. So the count, the position of any plan and the quick search need no
// further query, and a view never makes the whole result be read.

#include "blokkolvaso.h"

#include <QAbstractTableModel>
#include <QHash>
#include <QStringList>
#include <QVector>

class Kapcsolat;

namespace TervLista {

// The lines of the main query ordered by `rendezOszlop` ("ORDER BY " + the
// column + ";" as its last line).
QStringList Sql(const QString& rendezOszlop);

// The filter of the plan list: only plans marked for it.
inline const QString Szuro = QStringLiteral("szur='I'");

// The display label of a result field ("tervezo_nev" -> "tervező"); the
// field's own name for one the list does not know.
QString Cimke(const QString& mezo);

} // namespace TervLista

class TervListaModell : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit TervListaModell(Kapcsolat& kapcsolat, QObject* szulo = nullptr);

    // Runs the main query ordered by the column, with or without the
    // filter. Errors throw AdatbazisHiba; the list is then empty (closed).
    void nyit(const QString& rendezOszlop, bool szurt);
    void zar();
    bool nyitva() const { return m_nyitva; }

    QString rendezOszlop() const { return m_rendezOszlop; }
    bool szurt() const { return m_szurt; }
    // The query text as it runs now.
    QStringList sql() const { return TervLista::Sql(m_rendezOszlop); }

    int rowCount(const QModelIndex& szulo = QModelIndex()) const override;
    int columnCount(const QModelIndex& szulo = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation o, int role = Qt::DisplayRole) const override;

    // The index of a result field by name (regardless of letter case), -1.
    int oszlop(const QString& mezo) const;
    QString mezoNev(int oszlop) const { return m_oszlopok.value(oszlop); }
    // A value of a row by field name (null for an empty column).
    QVariant ertek(int sor, const QString& mezo) const;

    // The key `terv` of a row; the row of a key (-1 when not listed).
    int kulcs(int sor) const { return sor >= 0 && sor < m_kulcsok.size() ? m_kulcsok.at(sor) : 0; }
    int sorKulcsa(int kulcs) const { return m_sorok.value(kulcs, -1); }

    // The first row, in the list's order, whose order-column value begins
    // with the text regardless of letter case; -1 when none.
    int keresEleje(const QString& eleje) const;

private:
    const QVector<QVariant>& sorAdatai(int sor) const;

    Kapcsolat& m_k;
    bool m_nyitva = false;
    QString m_rendezOszlop = QStringLiteral("tervszam");
    bool m_szurt = false;
    QStringList m_oszlopok;
    QVector<int> m_kulcsok;
    QVector<QString> m_rendezErtekek;
    QHash<int, int> m_sorok;
    BlokkOlvaso m_olvaso;
};
