#pragma once

// The rows of a lazily read list: a list that keeps only the keys of its
// rows reads the other columns by key, a block of keys around the row asked
// for at a time, and keeps a bounded number of rows.

#include <QHash>
#include <QString>
#include <QVariant>
#include <QVector>
#include <functional>

class Kapcsolat;

class BlokkOlvaso {
public:
    // `sql` gives the statement that reads the rows of a list of keys
    // ("12,15,20"); the key is the result's first column.
    BlokkOlvaso(Kapcsolat& k, std::function<QString(const QString& kulcsok)> sql)
        : m_k(k), m_sql(std::move(sql)) {}

    // The values of the row at `hely` of the keys. A row that is no longer
    // stored (or cannot be read) is empty.
    const QVector<QVariant>& sor(const QVector<int>& kulcsok, int hely) const;
    void torol() { m_gyorsitotar.clear(); }

    static constexpr int Blokk = 256;

private:
    Kapcsolat& m_k;
    std::function<QString(const QString&)> m_sql;
    mutable QHash<int, QVector<QVariant>> m_gyorsitotar;
};
