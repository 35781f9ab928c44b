// The kept rows of results in temporary SQLite tables, and the result store
// on SQLite: the rows are copied, as the query is read, into a temporary
// table of the same connection (kept in a temporary file, not in the data
// folder and not in memory), numbered from 1 in the order the query gave
// them.

#include "kapcsolat.h"
#include "sqlitebelso.h"

#include <QAtomicInt>
#include <QVarLengthArray>
#include <sqlite3.h>

namespace {

// Text of a column's name or origin; empty for none.
QString Szoveg(const char* s) {
    return s ? QString::fromUtf8(s) : QString();
}

sqlite3_stmt* Elokeszit(sqlite3* h, const QString& sql) {
    const QByteArray s = sql.toUtf8();
    sqlite3_stmt* st = nullptr;
    if (sqlite3_prepare_v2(h, s.constData(), int(s.size()), &st, nullptr) != SQLITE_OK) {
        sqlite3_finalize(st);
        throw AdatbazisHiba(SqliteUzenet(h));
    }
    return st;
}

} // namespace

sqlite3_stmt* EgyUtasitas(sqlite3* h, const QString& sql) {
    const QByteArray szoveg = sql.toUtf8();
    const char* maradek = nullptr;
    sqlite3_stmt* st = nullptr;
    if (sqlite3_prepare_v2(h, szoveg.constData(), int(szoveg.size()), &st, &maradek) != SQLITE_OK) {
        sqlite3_finalize(st);
        throw AdatbazisHiba(SqliteUzenet(h));
    }
    if (!st) // nothing but comments
        throw AdatbazisHiba(HelyzetMondat(MotorHelyzet::UresUtasitas));
    // One statement at a time, as for commands; what follows may only be
    // spaces, comments and semicolons.
    sqlite3_stmt* masik = nullptr;
    const int rc = sqlite3_prepare_v2(h, maradek, -1, &masik, nullptr);
    sqlite3_finalize(masik);
    if (rc != SQLITE_OK || masik) {
        sqlite3_finalize(st);
        throw AdatbazisHiba(HelyzetMondat(MotorHelyzet::TobbUtasitas));
    }
    return st;
}

QVariant SqliteErtek(sqlite3_stmt* st, int i) {
    switch (sqlite3_column_type(st, i)) {
    case SQLITE_NULL:
        return {};
    case SQLITE_INTEGER:
        return QVariant(qint64(sqlite3_column_int64(st, i)));
    case SQLITE_FLOAT:
        return QVariant(sqlite3_column_double(st, i));
    case SQLITE_BLOB:
        return QVariant(QByteArray(static_cast<const char*>(sqlite3_column_blob(st, i)),
                                   sqlite3_column_bytes(st, i)));
    default:
        return QVariant(QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, i)),
                                          sqlite3_column_bytes(st, i)));
    }
}

SorTar::SorTar(sqlite3* h, const QString& tabla, int n) : m_h(h), m_tabla(tabla), m_n(n) {
    QStringList oszlopok, jelek;
    for (int i = 1; i <= n; ++i) {
        oszlopok << QStringLiteral("o%1").arg(i);
        jelek << QStringLiteral("?");
    }
    try {
        futtat(QStringLiteral("CREATE TABLE %1(%2)").arg(m_tabla, oszlopok.join(QLatin1Char(','))));
        m_beszur = Elokeszit(
            m_h,
            QStringLiteral("INSERT INTO %1 VALUES(%2)").arg(m_tabla, jelek.join(QLatin1Char(','))));
        m_olvaso = Elokeszit(
            m_h, QStringLiteral("SELECT * FROM %1 WHERE rowid>=?1 AND rowid<?2 ORDER BY rowid")
                     .arg(m_tabla));
    } catch (...) {
        sqlite3_finalize(m_beszur);
        throw;
    }
}

SorTar::~SorTar() {
    sqlite3_finalize(m_beszur);
    sqlite3_finalize(m_olvaso);
}

void SorTar::eldob() {
    sqlite3_finalize(m_beszur);
    sqlite3_finalize(m_olvaso);
    m_beszur = m_olvaso = nullptr;
    sqlite3_exec(m_h, QStringLiteral("DROP TABLE IF EXISTS %1").arg(m_tabla).toUtf8(), nullptr,
                 nullptr, nullptr);
}

void SorTar::futtat(const QString& sql) {
    if (sqlite3_exec(m_h, sql.toUtf8().constData(), nullptr, nullptr, nullptr) != SQLITE_OK)
        throw AdatbazisHiba(SqliteUzenet(m_h));
}

// A savepoint nests in a transaction the user may have begun.
void SorTar::kezd() {
    futtat(QStringLiteral("SAVEPOINT pelvano_eredmeny"));
}

void SorTar::vege() {
    sqlite3_exec(m_h, "RELEASE pelvano_eredmeny", nullptr, nullptr, nullptr);
}

void SorTar::kot(int i, const QVariant& v) {
    if (v.isNull()) {
        sqlite3_bind_null(m_beszur, i + 1);
        return;
    }
    switch (v.typeId()) {
    case QMetaType::Bool:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
        sqlite3_bind_int64(m_beszur, i + 1, v.toLongLong());
        break;
    case QMetaType::Double:
    case QMetaType::Float:
        sqlite3_bind_double(m_beszur, i + 1, v.toDouble());
        break;
    case QMetaType::QByteArray: {
        const QByteArray b = v.toByteArray();
        sqlite3_bind_blob64(m_beszur, i + 1, b.constData(), sqlite3_uint64(b.size()),
                            SQLITE_TRANSIENT);
        break;
    }
    default: {
        const QByteArray t = v.toString().toUtf8();
        sqlite3_bind_text64(m_beszur, i + 1, t.constData(), sqlite3_uint64(t.size()),
                            SQLITE_TRANSIENT, SQLITE_UTF8);
    }
    }
}

void SorTar::tesz() {
    const int b = sqlite3_step(m_beszur);
    sqlite3_reset(m_beszur);
    if (b != SQLITE_DONE)
        throw AdatbazisHiba(SqliteUzenet(m_h));
}

void SorTar::sorok(qint64 elso, int db,
                   const std::function<void(const QVariant* ertekek)>& sor) const {
    if (!m_olvaso || db <= 0)
        return;
    sqlite3_bind_int64(m_olvaso, 1, elso + 1);
    sqlite3_bind_int64(m_olvaso, 2, elso + 1 + db);
    QVarLengthArray<QVariant, 16> ertekek(m_n);
    int rc;
    while ((rc = sqlite3_step(m_olvaso)) == SQLITE_ROW) {
        for (int i = 0; i < m_n; ++i)
            ertekek[i] = SqliteErtek(m_olvaso, i);
        sor(ertekek.constData());
    }
    sqlite3_reset(m_olvaso);
    if (rc != SQLITE_DONE)
        throw AdatbazisHiba(SqliteUzenet(m_h));
}

std::unique_ptr<SorOlvaso> SorTar::olvaso() const {
    if (!m_olvaso)
        return nullptr;
    return SqliteOlvaso(m_h, QStringLiteral("SELECT * FROM %1 ORDER BY rowid").arg(m_tabla));
}

namespace {

class Tar : public EredmenyTar {
public:
    Tar(const QSqlDatabase& db, const QString& sql) : m_db(db), m_h(SqliteKezelo(db)) {
        if (!m_h)
            throw AdatbazisHiba(HelyzetMondat(MotorHelyzet::NincsKapcsolat));
        try {
            nyit(sql);
        } catch (...) {
            lezar();
            throw;
        }
    }

    ~Tar() override { lezar(); }

    QStringList nevek() const override { return m_nevek; }
    QStringList eredetiTablak() const override { return m_tablak; }
    QStringList eredetiOszlopok() const override { return m_oszlopok; }
    int sorSzam() const override { return m_sorSzam; }
    bool kesz() const override { return !m_lekerdezes; }

    int olvas(int legfeljebb) override {
        if (!m_lekerdezes || legfeljebb <= 0)
            return 0;
        const int n = int(m_nevek.size());
        // The rows of one part are stored in one go.
        if (m_sorok)
            m_sorok->kezd();
        int db = 0;
        int rc = SQLITE_ROW;
        QString hibaUzenet;
        while (db < legfeljebb && (rc = sqlite3_step(m_lekerdezes)) == SQLITE_ROW) {
            if (n == 0)
                continue;
            for (int i = 0; i < n; ++i)
                sqlite3_bind_value(m_sorok->beszuro(), i + 1,
                                   sqlite3_column_value(m_lekerdezes, i));
            try {
                m_sorok->tesz();
            } catch (const AdatbazisHiba& h) {
                hibaUzenet = h.uzenet();
                break;
            }
            ++db;
        }
        if (hibaUzenet.isEmpty() && rc != SQLITE_ROW && rc != SQLITE_DONE)
            hibaUzenet = SqliteUzenet(m_h);
        if (m_sorok)
            m_sorok->vege();
        m_sorSzam += db;
        if (!hibaUzenet.isEmpty() || rc == SQLITE_DONE) {
            // Read to its end, or no further: the database is let go.
            sqlite3_finalize(m_lekerdezes);
            m_lekerdezes = nullptr;
        }
        if (!hibaUzenet.isEmpty())
            throw AdatbazisHiba(hibaUzenet);
        return db;
    }

    void sorok(int elso, int db, const std::function<void(const QVariant* ertekek)>& sor) override {
        if (!m_sorok || elso >= m_sorSzam)
            return;
        m_sorok->sorok(elso, db, sor);
    }

    std::unique_ptr<SorOlvaso> olvaso() const override {
        return m_sorok ? m_sorok->olvaso() : nullptr;
    }

private:
    void nyit(const QString& sql) {
        m_lekerdezes = EgyUtasitas(m_h, sql);
        const int n = sqlite3_column_count(m_lekerdezes);
        for (int i = 0; i < n; ++i) {
            m_nevek << Szoveg(sqlite3_column_name(m_lekerdezes, i));
            m_tablak << Szoveg(sqlite3_column_table_name(m_lekerdezes, i));
            m_oszlopok << Szoveg(sqlite3_column_origin_name(m_lekerdezes, i));
        }
        if (n == 0)
            return;
        static QAtomicInt sorszam;
        m_sorok = std::make_unique<SorTar>(
            m_h, QStringLiteral("temp.\"pelvano_eredmeny_%1\"").arg(sorszam.fetchAndAddOrdered(1)),
            n);
    }

    void lezar() {
        sqlite3_finalize(m_lekerdezes);
        m_lekerdezes = nullptr;
        // The temporary table goes with the connection anyway; while the
        // connection is still the one it was made on, it goes now.
        if (m_sorok && m_db.isOpen() && SqliteKezelo(m_db) == m_h)
            m_sorok->eldob();
        m_sorok.reset();
    }

    QSqlDatabase m_db;
    sqlite3* m_h;
    sqlite3_stmt* m_lekerdezes = nullptr;
    std::unique_ptr<SorTar> m_sorok;
    QStringList m_nevek, m_tablak, m_oszlopok;
    int m_sorSzam = 0;
};

} // namespace

std::unique_ptr<EredmenyTar> SqliteEredmenyTar(const QSqlDatabase& db, const QString& sql) {
    return std::make_unique<Tar>(db, sql);
}
