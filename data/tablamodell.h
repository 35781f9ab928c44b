#pragma once

// Table access by name: a table model in key order or in the Hungarian order
// of a name column, with a filter, locating, and storing through the model.

#include <QSqlTableModel>
#include <functional>

class Kapcsolat;

class TablaModell : public QSqlTableModel {
    Q_OBJECT
public:
    enum class Sorrend { Kulcs, Nev };

    // `tabla` may carry the ".db" extension and any letter case; a missing
    // table throws AdatbazisHiba with the engine's message.
    TablaModell(Kapcsolat& kapcsolat, const QString& tabla, QObject* szulo = nullptr);

    // Key order (the primary key's columns) or name order of `nevOszlop`.
    void kulcsSorrend();
    void nevSorrend(const QString& nevOszlop);

    // Reads the table with the current filter and order; errors throw.
    void megnyit();

    // The first row whose column equals the value exactly, or -1. Reads on
    // through the table as far as needed.
    int keres(const QString& oszlop, const QVariant& ertek);
    // The first row whose column begins with the text regardless of letter
    // case, or -1.
    int keresEleje(const QString& oszlop, const QString& eleje);

    QVariant ertek(int sor, const QString& oszlop) const;
    void beallit(int sor, const QString& oszlop, const QVariant& ertek);

    // Appends a new row and returns its index.
    int uj();
    // Stores every pending change; errors throw AdatbazisHiba with the
    // pending change kept (the caller may cancel it).
    void ment();
    // Drops every pending change.
    void elvet();
    // Deletes a row at once.
    void torol(int sor);

    // The key the engine assigned to the last row that ment() inserted.
    qint64 utolsoKulcs() const { return m_utolsoKulcs; }

protected:
    QString orderByClause() const override;
    bool insertRowIntoTable(const QSqlRecord& values) override;

private:
    int oszlopIndex(const QString& oszlop) const;
    // The first row whose column value `illik`, reading on as needed; -1.
    int elsoSor(const QString& oszlop, const std::function<bool(const QVariant&)>& illik);

    Kapcsolat& m_kapcsolat;
    QString m_orderBy;
    qint64 m_utolsoKulcs = 0;
};
