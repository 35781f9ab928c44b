// A query read straight through SQLite: each value as the engine holds it,
// the columns described as Qt's driver describes them.

#include "sqlitebelso.h"

#include <sqlite3.h>

namespace {

// Qt's driver leaves out the quotes of names.
QString Nev(const char* s) {
    return s ? QString::fromUtf8(s).remove(QLatin1Char('"')) : QString();
}

// The type of a column by its declared type, as Qt's driver reads it.
QMetaType::Type DeklaraltTipus(const QString& deklaralt) {
    const QString t = deklaralt.toLower();
    if (t == QLatin1String("integer") || t == QLatin1String("int"))
        return QMetaType::Int;
    if (t == QLatin1String("double") || t == QLatin1String("float") || t == QLatin1String("real") ||
        t.startsWith(QLatin1String("numeric")))
        return QMetaType::Double;
    if (t == QLatin1String("blob"))
        return QMetaType::QByteArray;
    if (t == QLatin1String("boolean") || t == QLatin1String("bool"))
        return QMetaType::Bool;
    return QMetaType::QString;
}

// The type of a column without a declared one, by its first value.
QMetaType::Type ErtekTipus(int sqliteTipus) {
    switch (sqliteTipus) {
    case SQLITE_INTEGER:
        return QMetaType::Int;
    case SQLITE_FLOAT:
        return QMetaType::Double;
    case SQLITE_BLOB:
        return QMetaType::QByteArray;
    case SQLITE_TEXT:
        return QMetaType::QString;
    default:
        return QMetaType::UnknownType;
    }
}

class Olvaso : public SorOlvaso {
public:
    Olvaso(sqlite3* h, const QString& sql) : m_h(h), m_st(EgyUtasitas(h, sql)) {
        try {
            // Qt's driver describes the columns after the first step.
            m_elso = lep();
            m_vege = !m_elso;
            const int n = sqlite3_column_count(m_st);
            for (int i = 0; i < n; ++i) {
                m_nevek << Nev(sqlite3_column_name(m_st, i));
                m_tablak << Nev(sqlite3_column_table_name(m_st, i));
                const QString deklaralt = QString::fromUtf8(sqlite3_column_decltype(m_st, i));
                m_tipusok << (!deklaralt.isEmpty() ? DeklaraltTipus(deklaralt)
                              : m_elso             ? ErtekTipus(sqlite3_column_type(m_st, i))
                                                   : QMetaType::UnknownType);
            }
        } catch (...) {
            sqlite3_finalize(m_st);
            throw;
        }
    }
    ~Olvaso() override { sqlite3_finalize(m_st); }

    bool kovetkezo() override {
        // SQLite would start the statement again after its last row.
        if (m_vege)
            return m_sor = false;
        if (m_elso) {
            m_elso = false;
            return m_sor = true;
        }
        m_sor = lep();
        m_vege = !m_sor;
        return m_sor;
    }

    NyersErtek ertek(int i) const override {
        NyersErtek e;
        if (!m_sor || i < 0 || i >= m_nevek.size())
            return e;
        switch (sqlite3_column_type(m_st, i)) {
        case SQLITE_NULL:
            break;
        case SQLITE_INTEGER:
            e.fajta = NyersErtek::Fajta::Egesz;
            e.egesz = sqlite3_column_int64(m_st, i);
            break;
        case SQLITE_FLOAT:
            e.fajta = NyersErtek::Fajta::Tort;
            e.tort = sqlite3_column_double(m_st, i);
            break;
        case SQLITE_BLOB:
            e.fajta = NyersErtek::Fajta::Bajtok;
            e.adat = static_cast<const char*>(sqlite3_column_blob(m_st, i));
            e.hossz = sqlite3_column_bytes(m_st, i);
            break;
        default:
            e.fajta = NyersErtek::Fajta::Szoveg;
            e.adat = reinterpret_cast<const char*>(sqlite3_column_text(m_st, i));
            e.hossz = sqlite3_column_bytes(m_st, i);
            break;
        }
        return e;
    }

private:
    bool lep() {
        const int rc = sqlite3_step(m_st);
        if (rc == SQLITE_ROW)
            return true;
        if (rc != SQLITE_DONE)
            throw AdatbazisHiba(SqliteUzenet(m_h));
        return false;
    }

    sqlite3* m_h;
    sqlite3_stmt* m_st;
    bool m_elso = false; // the first row stepped, not yet handed out
    bool m_vege = false; // past the last row
    bool m_sor = false;  // on a row
};

} // namespace

std::unique_ptr<SorOlvaso> SqliteOlvaso(sqlite3* h, const QString& sql) {
    return std::make_unique<Olvaso>(h, sql);
}

std::unique_ptr<SorOlvaso> KozvetlenOlvaso(const QSqlQuery& q) {
    if (!q.boundValues().isEmpty() || q.lastQuery().isEmpty())
        return nullptr;
    sqlite3* h = SqliteKezelo(q.driver());
    return h ? SqliteOlvaso(h, q.lastQuery()) : nullptr;
}
