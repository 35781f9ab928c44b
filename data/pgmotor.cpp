#include "pgmotor.h"

#include "adatmappa.h"
#include "dialektus.h"
#include "kapcsolat.h"
#include "masolas.h"
#include "sqlitebelso.h"

#include <QDate>
#include <QDateTime>
#include <QElapsedTimer>
#include <QRegularExpression>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlField>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QUuid>
#include <QVarLengthArray>

#include <libpq-fe.h>
#include <sqlite3.h>

namespace {

// A statement's first try waits this long for a row or table another
// workstation holds; a longer wait is told (the wait cursor), and the
// statement tries again for the rest of the waiting time.
constexpr int ElsoVarakozasMs = 100;

QSqlQuery futtatVagyHiba(QSqlDatabase& db, const QString& sql) {
    QSqlQuery q(db);
    if (!q.exec(sql))
        throw AdatbazisHiba(MotorUzenet(q.lastError()));
    return q;
}

// A text as an SQL literal of the server.
QString Literal(const QString& s) {
    QString t = s;
    t.replace(QLatin1Char('\''), QStringLiteral("''"));
    return QLatin1Char('\'') + t + QLatin1Char('\'');
}

// The table's identity column and the counter (sequence) behind it, both
// as SQL texts; empty when the table has none.
struct Szamlalo {
    QString oszlop;
    QString sorozat;
};

Szamlalo TablaSzamlalo(QSqlDatabase& db, const QString& tabla) {
    QSqlQuery q = futtatVagyHiba(db, QStringLiteral("SELECT attname, pg_get_serial_sequence(%1, "
                                                    "attname) FROM pg_attribute WHERE attrelid = "
                                                    "%1::regclass AND attidentity <> '' AND NOT "
                                                    "attisdropped")
                                         .arg(Literal(SqlNev(tabla))));
    if (!q.next())
        return {};
    return {SqlNev(q.value(0).toString()), Literal(q.value(1).toString())};
}

// What every database of the system holds beside its tables: the
// Hungarian order of names (ICU's Hungarian collation: á with the a's, Cs
// after C, upper and lower case together, case breaking ties only), the
// collation of every text column; and UPPER by Unicode rules whatever the
// database's locale.
void Alapok(QSqlDatabase& db) {
    futtatVagyHiba(db, QStringLiteral("CREATE COLLATION IF NOT EXISTS pelvano_hu (provider = icu, "
                                      "locale = 'hu')"));
    // The master lists' order: letter case does not count at all, so that
    // names differing in case alone follow in key order, as on the embedded
    // engine (for ordering only: it compares no text).
    futtatVagyHiba(db, QStringLiteral("CREATE COLLATION IF NOT EXISTS pelvano_hu_ci (provider = "
                                      "icu, locale = 'hu-u-ks-level2', deterministic = false)"));
    for (const char* tipus : {"text", "anynonarray"})
        futtatVagyHiba(db, QStringLiteral("CREATE OR REPLACE FUNCTION pelvano_upper(%1) RETURNS "
                                          "text LANGUAGE sql IMMUTABLE STRICT PARALLEL SAFE AS "
                                          "$$SELECT upper($1::text COLLATE \"und-x-icu\")$$")
                               .arg(QLatin1String(tipus)));
}

} // namespace

QVariant PgMotor::Ertek(const QVariant& v) {
    if (v.isNull())
        return v;
    switch (v.typeId()) {
    case QMetaType::QDate:
        return DatumSzoveg(v.toDate());
    case QMetaType::QDateTime:
        return DatumIdoSzoveg(v.toDateTime());
    default:
        return v;
    }
}

void PgMotor::megnyit(QSqlDatabase& db, const Adatforras& forras, bool ures) {
    db.setDatabaseName(QString());
    db.setHostName(QString());
    db.setUserName(QString());
    db.setPassword(QString());
    db.setConnectOptions(forras.szerver.trimmed());
    if (!db.open())
        throw AdatbazisHiba(MotorUzenet(db.lastError()));
    try {
        futtatVagyHiba(db, QStringLiteral("SET client_min_messages TO warning"));
        futtatVagyHiba(db, QStringLiteral("SET DateStyle TO ISO, YMD"));
        // A statement waiting for another workstation's row gives up after
        // the waiting time, as on the embedded engine.
        futtatVagyHiba(db, QStringLiteral("SET lock_timeout TO %1").arg(ElsoVarakozasMs));
        if (ures)
            Alapok(db);
        else
            // A database without the system's tables is refused at once,
            // with the server's words.
            futtatVagyHiba(db, QStringLiteral("SELECT 1 FROM terv WHERE false"));
    } catch (...) {
        db.close();
        throw;
    }
}

QString PgMotor::fordit(const QString& helyi) const {
    // The text columns carry the Hungarian collation; nulls come first, as
    // on the embedded engine.
    return Dialektus::OszlopCimkek(
        Dialektus::NullElol(Dialektus::MotorSql(helyi, Dialektus::Cel::Postgres)));
}

namespace {

bool TranzakcioVezerles(const QString& sql) {
    static const QRegularExpression minta(
        QStringLiteral(
            R"(^\s*(BEGIN|START|COMMIT|END|ROLLBACK|ABORT|SAVEPOINT|RELEASE|PREPARE)\b)"),
        QRegularExpression::CaseInsensitiveOption);
    return minta.match(sql).hasMatch();
}

PGconn* PgKapcsolat(const QSqlDatabase& db) {
    const QVariant h = db.driver()->handle();
    // The driver hands out its libpq connection under the struct's own name.
    return qstrcmp(h.typeName(), "pg_conn*") == 0 ? *static_cast<PGconn* const*>(h.data())
                                                  : nullptr;
}

} // namespace

// Runs one statement (`proba`, on `q` of `db`) waiting for other
// workstations as the embedded engine does: when its first try gave up on
// a lock, the listener is told and the statement tries once more for the
// rest of the waiting time. Inside a transaction a savepoint keeps the
// failed first try from spoiling it. The driver drops the rows a query has
// not read yet when the connection runs anything else, so what is to be
// undone after the statement (the savepoint, the longer wait) is undone
// before the next one.
bool PgMotor::masraVarva(QSqlDatabase& db, QSqlQuery& q, const QString& sql,
                         const std::function<bool()>& proba) {
    PGconn* c = PgKapcsolat(db);
    const PGTransactionStatusType allapot = c ? PQtransactionStatus(c) : PQTRANS_UNKNOWN;
    QSqlQuery seged(db);
    if (m_mentopont) {
        m_mentopont = false;
        if (allapot == PQTRANS_INTRANS)
            seged.exec(QStringLiteral("RELEASE SAVEPOINT pelvano_varas"));
    }
    if (m_hosszuVaras && allapot != PQTRANS_INERROR &&
        seged.exec(QStringLiteral("SET lock_timeout TO %1").arg(ElsoVarakozasMs)))
        m_hosszuVaras = false;
    const bool tranzakcioban = allapot == PQTRANS_INTRANS && !TranzakcioVezerles(sql);
    if (tranzakcioban && !seged.exec(QStringLiteral("SAVEPOINT pelvano_varas")))
        return proba();
    m_mentopont = tranzakcioban;
    QElapsedTimer ido;
    ido.start();
    bool ok = proba();
    if (!ok && q.lastError().nativeErrorCode() == QLatin1String("55P03")) {
        Kapcsolat::varakozasKezdodik();
        const qint64 maradek = Kapcsolat::varakozasIdo() - ido.elapsed();
        if (maradek > 0 &&
            (!tranzakcioban || seged.exec(QStringLiteral("ROLLBACK TO SAVEPOINT pelvano_varas"))) &&
            seged.exec(QStringLiteral("SET lock_timeout TO %1").arg(maradek))) {
            m_hosszuVaras = true;
            ok = proba();
        }
    }
    return ok;
}

bool PgMotor::vegrehajt(QSqlDatabase& db, QSqlQuery& q, const QString& sql,
                        const QVariantMap& parameterek) {
    // The server would run several statements given at once; the system
    // runs one at a time, as on the embedded engine.
    if (Dialektus::UtasitasSzam(sql) > 1)
        throw AdatbazisHiba(HelyzetMondat(MotorHelyzet::TobbUtasitas));
    // Statements without parameters go as they are (the server prepares
    // only queries and changes of rows, not CREATE, BEGIN and the like).
    if (parameterek.isEmpty())
        return masraVarva(db, q, sql, [&] { return q.exec(sql); });
    if (!q.prepare(sql))
        return false;
    for (auto it = parameterek.cbegin(); it != parameterek.cend(); ++it) {
        const QVariant& v = it.value();
        // A null text is SQL's null, as the embedded engine stores it.
        q.bindValue(QLatin1Char(':') + it.key(),
                    v.typeId() == QMetaType::QString && v.toString().isNull() ? QVariant() : v);
    }
    return masraVarva(db, q, sql, [&] { return q.exec(); });
}

QStringList PgMotor::tablak(const QSqlDatabase& db) const {
    QSqlQuery q(db);
    QStringList t;
    if (q.exec(QStringLiteral("SELECT tablename FROM pg_tables WHERE schemaname = "
                              "current_schema() ORDER BY tablename")))
        while (q.next())
            t << q.value(0).toString();
    return t;
}

void PgMotor::szerkezetValtozott(QSqlDatabase& db, const QString& tabla) {
    // One trigger per table makes every store as the system needs it: each
    // text cut to the width its column's check holds, a key left empty
    // given by the identity counter, and a key stored explicitly moving the
    // counter on, so that a key is never given twice.
    const QString regclass = Literal(SqlNev(tabla));
    QStringList lepesek;
    static const QRegularExpression szelMinta(
        QStringLiteral(R"re(char_length\(\(?"?(\w+)"?\)?(?:::text)?\)\s*<=\s*(\d+))re"));
    QSqlQuery q = futtatVagyHiba(
        db, QStringLiteral("SELECT pg_get_constraintdef(oid) FROM pg_constraint WHERE conrelid = "
                           "%1::regclass AND contype = 'c'")
                .arg(regclass));
    while (q.next()) {
        const auto m = szelMinta.match(q.value(0).toString());
        if (m.hasMatch())
            lepesek << QStringLiteral("NEW.%1 := left(NEW.%1, %2);")
                           .arg(SqlNev(m.captured(1)), m.captured(2));
    }
    q = QSqlQuery();
    if (const Szamlalo sz = TablaSzamlalo(db, tabla); !sz.oszlop.isEmpty()) {
        const QString& k = sz.oszlop;
        const QString& sorozat = sz.sorozat;
        lepesek << QStringLiteral(
                       "IF NEW.%1 IS NULL AND TG_OP = 'INSERT' THEN NEW.%1 := "
                       "nextval(%2); ELSIF NEW.%1 > coalesce(pg_sequence_last_value(%2), "
                       "0) THEN PERFORM setval(%2, NEW.%1); END IF;")
                       .arg(k, sorozat);
    }
    q = QSqlQuery();
    const QString fuggveny = SqlNev(QStringLiteral("pelvano_tarol_") + tabla);
    futtatVagyHiba(db,
                   QStringLiteral("DROP TRIGGER IF EXISTS pelvano_tarol ON %1").arg(SqlNev(tabla)));
    if (lepesek.isEmpty()) {
        futtatVagyHiba(db, QStringLiteral("DROP FUNCTION IF EXISTS %1()").arg(fuggveny));
        return;
    }
    futtatVagyHiba(db, QStringLiteral("CREATE OR REPLACE FUNCTION %1() RETURNS trigger LANGUAGE "
                                      "plpgsql AS $pelvano$ BEGIN %2 RETURN NEW; END $pelvano$")
                           .arg(fuggveny, lepesek.join(QLatin1Char(' '))));
    futtatVagyHiba(db, QStringLiteral("CREATE TRIGGER pelvano_tarol BEFORE INSERT OR UPDATE ON %1 "
                                      "FOR EACH ROW EXECUTE FUNCTION %2()")
                           .arg(SqlNev(tabla), fuggveny));
}

QString PgMotor::nevSorrend(const QString& oszlop) const {
    return oszlop + QStringLiteral(" COLLATE pelvano_hu_ci");
}

qint64 PgMotor::utolsoKulcs(QSqlDatabase& db) {
    QSqlQuery q = futtatVagyHiba(db, QStringLiteral("SELECT lastval()"));
    return q.next() ? q.value(0).toLongLong() : 0;
}

QStringList PgMotor::atolvas(QSqlDatabase& db, const QString& sql, const QStringList& oszlopok,
                             const std::function<void(const QVariant* ertekek)>& sor) {
    QSqlQuery q(db);
    q.setForwardOnly(true);
    const QString s = fordit(sql);
    if (!masraVarva(db, q, s, [&] { return q.exec(s); }))
        throw AdatbazisHiba(MotorUzenet(q.lastError()));
    const QSqlRecord r = q.record();
    QStringList nevek;
    for (int i = 0; i < r.count(); ++i)
        nevek << r.fieldName(i);
    const QList<int> helyek = OszlopHelyek(nevek, oszlopok);
    QVarLengthArray<QVariant, 8> ertekek(helyek.size());
    while (q.next()) {
        for (int j = 0; j < helyek.size(); ++j)
            ertekek[j] = helyek.at(j) < 0 ? QVariant() : Ertek(q.value(helyek.at(j)));
        sor(ertekek.constData());
    }
    if (q.lastError().isValid())
        throw AdatbazisHiba(MotorUzenet(q.lastError()));
    return nevek;
}

namespace {

// The result store on the server: the query is read through a cursor of a
// connection of its own (in one read-only snapshot, so the rows stay the
// same however the tables change), a part at a time, and its rows are kept
// in a private temporary SQLite database (a file of its own, not memory),
// as the embedded engine keeps them; once read to its end the cursor and
// its connection are gone.
class PgTar : public EredmenyTar {
public:
    PgTar(const QSqlDatabase& db, const QString& sql)
        : m_nev(QStringLiteral("pelvano_eredmeny_") +
                QUuid::createUuid().toString(QUuid::WithoutBraces)) {
        {
            QSqlDatabase sajat = QSqlDatabase::cloneDatabase(db, m_nev);
            if (!sajat.open())
                throw AdatbazisHiba(MotorUzenet(sajat.lastError()));
        }
        try {
            if (Dialektus::UtasitasSzam(sql) > 1)
                throw AdatbazisHiba(HelyzetMondat(MotorHelyzet::TobbUtasitas));
            QString s = sql.trimmed();
            while (s.endsWith(QLatin1Char(';')))
                s = s.chopped(1).trimmed();
            if (s.isEmpty())
                throw AdatbazisHiba(HelyzetMondat(MotorHelyzet::UresUtasitas));
            // Its own connection waits for other workstations as long as
            // statements do.
            futtat(QStringLiteral("SET lock_timeout TO %1").arg(Kapcsolat::varakozasIdo()));
            futtat(QStringLiteral("BEGIN ISOLATION LEVEL REPEATABLE READ READ ONLY"));
            m_kezdve = true;
            futtat(QStringLiteral("DECLARE pelvano_kurzor NO SCROLL CURSOR FOR ") + s);
            // The columns, before any row is read.
            QSqlQuery q = futtat(QStringLiteral("FETCH FORWARD 0 FROM pelvano_kurzor"));
            const QSqlRecord r = q.record();
            // Where the server can tell, the table a column comes from; the
            // column is the one of that name there (a label of its own
            // names none).
            for (int i = 0; i < r.count(); ++i) {
                const QString tabla = r.field(i).tableName();
                m_nevek << r.fieldName(i);
                m_tablak << tabla;
                m_oszlopok << (tabla.isEmpty() ? QString() : r.fieldName(i));
            }
            if (r.count() > 0) {
                if (sqlite3_open_v2("", &m_h, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE,
                                    nullptr) != SQLITE_OK)
                    throw AdatbazisHiba(SqliteUzenet(m_h));
                m_sorok =
                    std::make_unique<SorTar>(m_h, QStringLiteral("temp.sorok"), int(r.count()));
            }
        } catch (...) {
            megszuntet();
            throw;
        }
    }
    ~PgTar() override { megszuntet(); }

    QStringList nevek() const override { return m_nevek; }
    QStringList eredetiTablak() const override { return m_tablak; }
    QStringList eredetiOszlopok() const override { return m_oszlopok; }
    int sorSzam() const override { return m_sorSzam; }
    bool kesz() const override { return !m_nyitva; }

    int olvas(int legfeljebb) override {
        if (!m_nyitva || legfeljebb <= 0)
            return 0;
        QSqlQuery q(QSqlDatabase::database(m_nev, false));
        q.setForwardOnly(true);
        if (!q.exec(QStringLiteral("FETCH FORWARD %1 FROM pelvano_kurzor").arg(legfeljebb))) {
            const QString uzenet = MotorUzenet(q.lastError());
            q = QSqlQuery();
            lezar();
            throw AdatbazisHiba(uzenet);
        }
        const int n = int(m_nevek.size());
        int db = 0;
        if (m_sorok) {
            m_sorok->kezd();
            try {
                while (q.next()) {
                    for (int i = 0; i < n; ++i)
                        m_sorok->kot(i, PgMotor::Ertek(q.value(i)));
                    m_sorok->tesz();
                    ++db;
                }
            } catch (...) {
                m_sorok->vege();
                m_sorSzam += db;
                q = QSqlQuery();
                lezar();
                throw;
            }
            m_sorok->vege();
        } else {
            while (q.next())
                ++db;
        }
        m_sorSzam += db;
        q = QSqlQuery();
        if (db < legfeljebb)
            lezar();
        return db;
    }

    void sorok(int elso, int db, const std::function<void(const QVariant*)>& sor) override {
        if (m_sorok && elso < m_sorSzam)
            m_sorok->sorok(qMax(0, elso), db, sor);
    }

    std::unique_ptr<SorOlvaso> olvaso() const override {
        return m_sorok ? m_sorok->olvaso() : nullptr;
    }

private:
    QSqlQuery futtat(const QString& sql) {
        QSqlQuery q(QSqlDatabase::database(m_nev, false));
        if (!q.exec(sql))
            throw AdatbazisHiba(MotorUzenet(q.lastError()));
        return q;
    }

    void lezar() {
        if (!m_nyitva)
            return;
        m_nyitva = false;
        {
            QSqlDatabase d = QSqlDatabase::database(m_nev, false);
            if (d.isOpen()) {
                if (m_kezdve)
                    QSqlQuery(d).exec(QStringLiteral("ROLLBACK"));
                d.close();
            }
        }
        QSqlDatabase::removeDatabase(m_nev);
    }

    // The cursor, and the kept rows too.
    void megszuntet() {
        lezar();
        m_sorok.reset();
        sqlite3_close(m_h);
        m_h = nullptr;
    }

    QString m_nev;
    bool m_nyitva = true;
    bool m_kezdve = false;
    QStringList m_nevek, m_tablak, m_oszlopok;
    sqlite3* m_h = nullptr;
    std::unique_ptr<SorTar> m_sorok;
    int m_sorSzam = 0;
};

} // namespace

std::unique_ptr<EredmenyTar> PgMotor::eredmenyTar(QSqlDatabase& db, const QString& sql) {
    return std::make_unique<PgTar>(db, sql);
}

void PgMotor::tablaUjraepit(QSqlDatabase& db, const QString& tabla, const QStringList& kulcs,
                            const QString& index, const QString& indexOszlop) {
    // The server keeps its keys and never lets a row break them; a rebuild
    // renews the table's indexes, the name index with the Hungarian order.
    QString nev;
    for (const QString& t : tablak(db))
        if (t.compare(tabla, Qt::CaseInsensitive) == 0)
            nev = t;
    if (nev.isEmpty())
        throw AdatbazisHiba(MotorHibaSzoveg(MotorHelyzet::NincsTabla,
                                            QStringLiteral("no such table: %1").arg(tabla)));
    futtatVagyHiba(db, QStringLiteral("BEGIN"));
    try {
        // The primary key as the table list says.
        QStringList k;
        for (const QString& o : kulcs)
            k << SqlNev(o.toLower());
        futtatVagyHiba(db, QStringLiteral("ALTER TABLE %1 DROP CONSTRAINT IF EXISTS %2")
                               .arg(SqlNev(nev), SqlNev(nev + QStringLiteral("_pkey"))));
        futtatVagyHiba(db, QStringLiteral("ALTER TABLE %1 ADD CONSTRAINT %2 PRIMARY KEY (%3)")
                               .arg(SqlNev(nev), SqlNev(nev + QStringLiteral("_pkey")),
                                    k.join(QLatin1Char(','))));
        if (!index.isEmpty()) {
            futtatVagyHiba(db, QStringLiteral("DROP INDEX IF EXISTS %1").arg(index));
            futtatVagyHiba(
                db,
                QStringLiteral("CREATE INDEX %1 ON %2 (%3)").arg(index, SqlNev(nev), indexOszlop));
        }
        futtatVagyHiba(db, QStringLiteral("REINDEX TABLE %1").arg(SqlNev(nev)));
        szerkezetValtozott(db, nev);
        futtatVagyHiba(db, QStringLiteral("COMMIT"));
    } catch (...) {
        QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
        throw;
    }
}

QString PgMotor::epsegHiba(QSqlDatabase& db) {
    // The server checks its pages itself as it reads them; what can be
    // asked of it without an extension is that every table reads whole.
    QStringList hibak;
    for (const QString& t : tablak(db)) {
        QSqlQuery q(db);
        if (!q.exec(QStringLiteral("SELECT count(*) FROM %1").arg(SqlNev(t))))
            hibak << t + QStringLiteral(": ") + MotorSzoveg(q.lastError());
    }
    return hibak.join(QStringLiteral("\r\n"));
}

void PgMotor::tomorit(QSqlDatabase& db) {
    futtatVagyHiba(db, QStringLiteral("VACUUM ANALYZE"));
}

void PgMotor::kulcsSzamlalo(QSqlDatabase& db, const QString& tabla, qint64 ertek) {
    const Szamlalo sz = TablaSzamlalo(db, tabla);
    if (sz.sorozat.isEmpty() || ertek < 1)
        return;
    futtatVagyHiba(db, QStringLiteral("SELECT setval(%1, greatest(%2, coalesce("
                                      "pg_sequence_last_value(%1), 0)))")
                           .arg(sz.sorozat)
                           .arg(ertek));
}

qint64 PgMotor::kulcsSzamlaloOlvas(QSqlDatabase& db, const QString& tabla) {
    const Szamlalo sz = TablaSzamlalo(db, tabla);
    if (sz.sorozat.isEmpty())
        return 0;
    QSqlQuery q = futtatVagyHiba(
        db, QStringLiteral("SELECT coalesce(pg_sequence_last_value(%1), 0)").arg(sz.sorozat));
    return q.next() ? q.value(0).toLongLong() : 0;
}

void PgMotor::pillanatkep(QSqlDatabase& db, const QString& fajl) {
    // The server's records in a new embedded database of the same schema,
    // read in one snapshot by a connection of its own.
    const QString nev =
        QStringLiteral("pelvano_pillanat_") + QUuid::createUuid().toString(QUuid::WithoutBraces);
    Kapcsolat honnan(nev + QStringLiteral("_be"));
    honnan.nyit(Adatforras{QString(), db.connectOptions()});
    Kapcsolat hova(nev + QStringLiteral("_ki"));
    hova.letrehoz(fajl);
    Adatmappa::SemaLetrehoz(hova);
    Masolas::Tablak(honnan, hova);
}
