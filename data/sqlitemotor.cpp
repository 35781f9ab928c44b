#include "sqlitemotor.h"

#include "dialektus.h"
#include "kapcsolat.h"
#include "sqlitebelso.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>
#include <QVarLengthArray>
#include <array>
#include <cstring>
#include <sqlite3.h>
#include <unicode/ucol.h>
#include <vector>

sqlite3* SqliteKezelo(const QSqlDatabase& db) {
    return db.isValid() ? SqliteKezelo(db.driver()) : nullptr;
}

sqlite3* SqliteKezelo(const QSqlDriver* driver) {
    if (!driver)
        return nullptr;
    const QVariant v = driver->handle();
    if (!v.isValid() || qstrcmp(v.typeName(), "sqlite3*") != 0)
        return nullptr;
    return *static_cast<sqlite3* const*>(v.constData());
}

namespace {

MotorHelyzet KodHelyzet(int kod) {
    switch (kod & 0xff) { // extended codes carry the primary one in the low byte
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return MotorHelyzet::Foglalt;
    case SQLITE_READONLY:
        return MotorHelyzet::CsakOlvashato;
    case SQLITE_FULL:
        return MotorHelyzet::Megtelt;
    case SQLITE_CANTOPEN:
        return MotorHelyzet::NemNyithato;
    case SQLITE_NOTADB:
        return MotorHelyzet::NemAdatbazis;
    case SQLITE_CORRUPT:
        return MotorHelyzet::Serult;
    default:
        return MotorHelyzet::Egyeb;
    }
}

} // namespace

MotorHelyzet SqliteHelyzet(const QSqlError& hiba) {
    // Qt's SQLite driver gives the result code as a number; other engines'
    // codes (SQLSTATE) have five characters.
    const QString kodSzoveg = hiba.nativeErrorCode();
    bool szam = false;
    const int kod = kodSzoveg.toInt(&szam);
    if (!szam || kodSzoveg.size() >= 5)
        return MotorHelyzet::Egyeb;
    // The driver refuses a second statement itself, with the code of a
    // misuse while the engine's own text still says all is well.
    if (kod == SQLITE_MISUSE && hiba.databaseText().trimmed() == QLatin1String("not an error"))
        return MotorHelyzet::TobbUtasitas;
    return KodHelyzet(kod);
}

QString SqliteUzenet(sqlite3* h) {
    return MotorHibaSzoveg(KodHelyzet(sqlite3_errcode(h)), QString::fromUtf8(sqlite3_errmsg(h)));
}

namespace {

// While another workstation holds the database: the listener is told at the
// first wait, then the statement tries again after growing pauses (as
// SQLite's own busy timeout does) until the waiting time is up.
int masraVar(void*, int hanyadik) {
    static constexpr int Szunetek[] = {1, 2, 5, 10, 15, 20, 25, 25, 25, 50, 50, 100};
    constexpr int Db = int(std::size(Szunetek));
    if (hanyadik == 0)
        Kapcsolat::varakozasKezdodik();
    int eddig = 0;
    for (int i = 0; i < hanyadik && i < Db; ++i)
        eddig += Szunetek[i];
    if (hanyadik > Db)
        eddig += (hanyadik - Db) * Szunetek[Db - 1];
    int szunet = hanyadik < Db ? Szunetek[hanyadik] : Szunetek[Db - 1];
    const int ido = Kapcsolat::varakozasIdo();
    if (eddig + szunet > ido)
        szunet = ido - eddig;
    if (szunet <= 0)
        return 0;
    sqlite3_sleep(szunet);
    return 1;
}

// The upper case of each code point of the first plane (the one-, two- and
// three-byte UTF-8 sequences: every letter of Hungarian and the other Latin
// alphabets, dashes and quotes) as QString::toUpper gives it; 0 where that
// is more than one UTF-16 unit (ß → SS).
const std::array<char16_t, 0x10000>& NagybetuTabla() {
    static const std::array<char16_t, 0x10000> t = [] {
        std::array<char16_t, 0x10000> tabla{};
        QString egy(1, QChar());
        for (char32_t c = 0; c < 0x10000; ++c) {
            if (c >= 0xD800 && c <= 0xDFFF)
                continue; // a half of a pair is no character
            egy[0] = QChar(char16_t(c));
            const QString nagy = egy.toUpper();
            tabla[c] = nagy.size() == 1 ? nagy.at(0).unicode() : 0;
        }
        return tabla;
    }();
    return t;
}

// `c` in UTF-8 at `ki`; returns the bytes written.
int Utf8Ir(char32_t c, unsigned char* ki) {
    if (c < 0x80) {
        ki[0] = static_cast<unsigned char>(c);
        return 1;
    }
    if (c < 0x800) {
        ki[0] = static_cast<unsigned char>(0xC0 | (c >> 6));
        ki[1] = static_cast<unsigned char>(0x80 | (c & 0x3F));
        return 2;
    }
    ki[0] = static_cast<unsigned char>(0xE0 | (c >> 12));
    ki[1] = static_cast<unsigned char>(0x80 | ((c >> 6) & 0x3F));
    ki[2] = static_cast<unsigned char>(0x80 | (c & 0x3F));
    return 3;
}

// UPPER by Unicode rules, accented letters included, as QString::toUpper.
// Texts of the first plane (nearly every text of an office) are converted
// by the table without allocating; anything else goes through QString.
void unicodeUpper(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    if (argc != 1 || sqlite3_value_type(argv[0]) == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    const auto* szoveg = sqlite3_value_text(argv[0]);
    const int hossz = sqlite3_value_bytes(argv[0]);
    if (!szoveg) {
        sqlite3_result_error_nomem(ctx);
        return;
    }
    // A two-byte letter's capital takes at most three bytes. The buffer is
    // the thread's own, kept between calls; the engine copies the result
    // into the register it keeps for it (reusing that register's memory).
    const size_t kell = size_t(hossz) * 3 / 2 + 1;
    thread_local std::vector<unsigned char> puffer;
    if (puffer.size() < kell)
        puffer.resize(kell);
    unsigned char* __restrict ki = puffer.data();
    const std::array<char16_t, 0x10000>& tabla = NagybetuTabla();
    auto folytatas = [&](int i) { return i < hossz && (szoveg[i] & 0xC0) == 0x80; };
    int n = 0;
    bool egyszeru = true;
    constexpr quint64 Egyesek = 0x0101010101010101ULL;
    constexpr quint64 Felsok = 0x8080808080808080ULL;
    for (int i = 0; i < hossz;) {
        // Eight ASCII bytes at a time: 0x80 marks a byte at or above 'a' and
        // one above 'z' (no sum crosses into the next byte), their
        // difference the small letters, which lose 0x20.
        quint64 nyolc;
        if (i + 8 <= hossz && (std::memcpy(&nyolc, szoveg + i, 8), (nyolc & Felsok) == 0)) {
            nyolc -= ((nyolc + (0x80 - 'a') * Egyesek) & ~(nyolc + (0x80 - 'z' - 1) * Egyesek) &
                      Felsok) >>
                     2;
            std::memcpy(ki + n, &nyolc, 8);
            n += 8;
            i += 8;
            continue;
        }
        const unsigned char b = szoveg[i];
        if (b < 0x80) {
            ki[n++] = static_cast<unsigned char>(b - (unsigned(b - 'a') < 26u ? 32 : 0));
            ++i;
            continue;
        }
        // A well-formed two- or three-byte sequence (not an overlong one,
        // not a half of a pair).
        char32_t c = 0;
        int db = 0;
        if (b >= 0xC2 && b <= 0xDF && folytatas(i + 1)) {
            c = char32_t(b & 0x1F) << 6 | (szoveg[i + 1] & 0x3F);
            db = 2;
        } else if (b >= 0xE0 && b <= 0xEF && folytatas(i + 1) && folytatas(i + 2)) {
            c = char32_t(b & 0x0F) << 12 | char32_t(szoveg[i + 1] & 0x3F) << 6 |
                (szoveg[i + 2] & 0x3F);
            if (c < 0x800 || (c >= 0xD800 && c <= 0xDFFF))
                c = 0;
            else
                db = 3;
        }
        const char16_t nagy = db ? tabla[c] : 0;
        if (nagy == 0 || (nagy >= 0xD800 && nagy <= 0xDFFF)) {
            egyszeru = false;
            break;
        }
        n += Utf8Ir(nagy, ki + n);
        i += db;
    }
    if (egyszeru) {
        sqlite3_result_text(ctx, reinterpret_cast<const char*>(ki), n, SQLITE_TRANSIENT);
        return;
    }
    const QByteArray nagy =
        QString::fromUtf8(reinterpret_cast<const char*>(szoveg), hossz).toUpper().toUtf8();
    sqlite3_result_text(ctx, nagy.constData(), int(nagy.size()), SQLITE_TRANSIENT);
}

// Hungarian, case-insensitive order of names: ICU's Hungarian collation at
// secondary strength (accents count, letter case does not), the order
// QCollator gives for hu_HU without case sensitivity. One collator per
// connection serves the collation HU and the sort keys of hu_kulcs alike,
// so both give the same order.
class MagyarRendezo {
public:
    MagyarRendezo() {
        UErrorCode hiba = U_ZERO_ERROR;
        m_c = ucol_open("hu_HU", &hiba);
        if (U_FAILURE(hiba)) {
            m_c = nullptr;
            return;
        }
        ucol_setStrength(m_c, UCOL_SECONDARY);
    }
    ~MagyarRendezo() {
        if (m_c)
            ucol_close(m_c);
    }
    MagyarRendezo(const MagyarRendezo&) = delete;
    MagyarRendezo& operator=(const MagyarRendezo&) = delete;
    bool kesz() const { return m_c != nullptr; }

    int hasonlit(const char16_t* a, int hosszA, const char16_t* b, int hosszB) const {
        return ucol_strcoll(m_c, reinterpret_cast<const UChar*>(a), hosszA,
                            reinterpret_cast<const UChar*>(b), hosszB);
    }

    // The sort key of a text (its bytes compared as they are give the
    // order), valid until the next call.
    QByteArrayView kulcs(const char16_t* s, int hossz) {
        const auto* szoveg = reinterpret_cast<const UChar*>(s);
        int kell = ucol_getSortKey(m_c, szoveg, hossz, m_kulcs.data(), int(m_kulcs.size()));
        if (kell > int(m_kulcs.size())) {
            m_kulcs.resize(size_t(kell));
            kell = ucol_getSortKey(m_c, szoveg, hossz, m_kulcs.data(), int(m_kulcs.size()));
        }
        // Without its closing zero byte.
        return QByteArrayView(m_kulcs.data(), qMax(0, kell - 1));
    }

private:
    UCollator* m_c = nullptr;
    std::vector<uint8_t> m_kulcs = std::vector<uint8_t>(256);
};

int magyarOsszehasonlit(void* arg, int hossz1, const void* s1, int hossz2, const void* s2) {
    return static_cast<MagyarRendezo*>(arg)->hasonlit(static_cast<const char16_t*>(s1), hossz1 / 2,
                                                      static_cast<const char16_t*>(s2), hossz2 / 2);
}

void rendezoTorol(void* arg) {
    delete static_cast<MagyarRendezo*>(arg);
}

// hu_kulcs(text): the text's Hungarian sort key, so that a large result is
// ordered by comparing bytes instead of calling the collation for every
// comparison; null stays null.
void magyarKulcs(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    if (argc != 1 || sqlite3_value_type(argv[0]) == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    auto* rendezo = static_cast<MagyarRendezo*>(sqlite3_user_data(ctx));
    const auto* s = static_cast<const char16_t*>(sqlite3_value_text16(argv[0]));
    const int hossz = sqlite3_value_bytes16(argv[0]) / 2;
    const QByteArrayView k = rendezo->kulcs(s, hossz);
    sqlite3_result_blob(ctx, k.constData(), int(k.size()), SQLITE_TRANSIENT);
}

QSqlQuery futtatVagyHiba(QSqlDatabase& db, const QString& sql) {
    QSqlQuery q(db);
    if (!q.exec(sql))
        throw AdatbazisHiba(MotorUzenet(q.lastError()));
    return q;
}

} // namespace

QString SqliteMotor::AdatFajl(const QString& mappa) {
    return QDir(mappa).filePath(QStringLiteral("pelvano.sqlite"));
}

SqliteMotor::SqliteMotor() {
    // The engine keeps no count of its memory: every allocation would take a
    // lock of the process for it (a tenth of a search's work), and nothing
    // here asks for the count. Possible only before SQLite's first use in
    // the process; later it is refused and nothing changes.
    static const int memoriaSzamlalo = sqlite3_config(SQLITE_CONFIG_MEMSTATUS, 0);
    Q_UNUSED(memoriaSzamlalo);
}

void SqliteMotor::megnyit(QSqlDatabase& db, const Adatforras& forras, bool) {
    const QString& mappa = forras.mappa;
    // SQLite takes an empty file for an empty database and would build in
    // it; a data folder's database is never empty, so it is refused untouched.
    const QFileInfo fajl(AdatFajl(mappa));
    if (fajl.isFile() && fajl.size() == 0)
        throw AdatbazisHiba(MotorHibaSzoveg(
            MotorHelyzet::NemAdatbazis,
            QStringLiteral("%1: 0 bytes").arg(QDir::toNativeSeparators(fajl.filePath()))));
    // mode=rw: a missing file is an error, never a new empty database.
    db.setDatabaseName(QUrl::fromLocalFile(AdatFajl(mappa)).toString(QUrl::FullyEncoded) +
                       QStringLiteral("?mode=rw"));
    db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=10000"));
    if (!db.open())
        throw AdatbazisHiba(MotorUzenet(db.lastError()));
    if (sqlite3* h = SqliteKezelo(db))
        sqlite3_busy_handler(h, &masraVar, nullptr);
    // The first read tells a damaged or foreign file before anything writes.
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("SELECT count(*) FROM sqlite_master"))) {
        const QString uzenet = MotorUzenet(q.lastError());
        q = QSqlQuery();
        db.close();
        throw AdatbazisHiba(uzenet);
    }
    q = QSqlQuery();
    try {
        beallit(db);
    } catch (...) {
        db.close();
        throw;
    }
}

void SqliteMotor::letrehoz(QSqlDatabase& db, const QString& fajl) {
    db.setDatabaseName(fajl);
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=10000"));
    if (!db.open())
        throw AdatbazisHiba(MotorUzenet(db.lastError()));
    beallit(db);
}

void SqliteMotor::beallit(QSqlDatabase& db) {
    sqlite3* h = SqliteKezelo(db);
    if (!h)
        throw AdatbazisHiba(HelyzetMondat(MotorHelyzet::NincsKapcsolat));
    sqlite3_busy_handler(h, &masraVar, nullptr);
    // A rollback journal works on local disks and network folders alike,
    // and FULL sync makes every commit survive a crash.
    futtatVagyHiba(db, QStringLiteral("PRAGMA journal_mode=DELETE"));
    futtatVagyHiba(db, QStringLiteral("PRAGMA synchronous=FULL"));
    futtatVagyHiba(db, QStringLiteral("PRAGMA foreign_keys=OFF"));
    // A page cache the size of a large office's line and key tables: a join
    // that looks up lines in key order (the issue log with its lines) reads
    // each page once instead of again and again from the file (SQLite's
    // 2 MB were three times slower there). It grows only with the pages read.
    futtatVagyHiba(db, QStringLiteral("PRAGMA cache_size=-32768"));
    sqlite3_create_function_v2(h, "upper", 1, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr,
                               &unicodeUpper, nullptr, nullptr, nullptr);
    auto* rendezo = new MagyarRendezo;
    if (!rendezo->kesz()) {
        delete rendezo;
        throw AdatbazisHiba(QStringLiteral("ICU: no Hungarian collation"));
    }
    sqlite3_create_collation_v2(h, "HU", SQLITE_UTF16_ALIGNED, rendezo, &magyarOsszehasonlit,
                                &rendezoTorol);
    sqlite3_create_function_v2(h, "hu_kulcs", 1, SQLITE_UTF16 | SQLITE_DETERMINISTIC, rendezo,
                               &magyarKulcs, nullptr, nullptr, nullptr);
}

QString SqliteMotor::fordit(const QString& helyi) const {
    return Dialektus::MagyarSorrend(Dialektus::SqliteSql(helyi), QStringLiteral("hu_kulcs"),
                                    QStringLiteral(" COLLATE HU"));
}

bool SqliteMotor::vegrehajt(QSqlDatabase&, QSqlQuery& q, const QString& sql,
                            const QVariantMap& parameterek) {
    if (!q.prepare(sql))
        return false;
    for (auto it = parameterek.cbegin(); it != parameterek.cend(); ++it)
        q.bindValue(QLatin1Char(':') + it.key(), it.value());
    return q.exec();
}

QStringList SqliteMotor::tablak(const QSqlDatabase& db) const {
    QStringList t = db.tables(QSql::Tables);
    t.removeIf([](const QString& n) { return n.startsWith(QStringLiteral("sqlite_")); });
    return t;
}

QString SqliteMotor::nevSorrend(const QString& oszlop) const {
    return oszlop + QStringLiteral(" COLLATE HU");
}

qint64 SqliteMotor::utolsoKulcs(QSqlDatabase& db) {
    QSqlQuery q = futtatVagyHiba(db, QStringLiteral("SELECT last_insert_rowid()"));
    return q.next() ? q.value(0).toLongLong() : 0;
}

std::unique_ptr<SorOlvaso> SqliteMotor::olvaso(QSqlDatabase& db, const QString& sql) {
    sqlite3* h = SqliteKezelo(db);
    if (!h)
        throw AdatbazisHiba(HelyzetMondat(MotorHelyzet::NincsKapcsolat));
    return SqliteOlvaso(h, sql);
}

QStringList SqliteMotor::atolvas(QSqlDatabase& db, const QString& sql, const QStringList& oszlopok,
                                 const std::function<void(const QVariant* ertekek)>& sor) {
    // Straight through SQLite: a large result is read without converting
    // the columns nobody asked for.
    const std::unique_ptr<SorOlvaso> o = olvaso(db, fordit(sql));
    // The reader names the columns as Qt's driver does, without quotes.
    QStringList keresett;
    for (const QString& n : oszlopok)
        keresett << QString(n).remove(QLatin1Char('"'));
    const QList<int> helyek = OszlopHelyek(o->nevek(), keresett);
    QVarLengthArray<QVariant, 8> ertekek(helyek.size());
    while (o->kovetkezo()) {
        for (int j = 0; j < helyek.size(); ++j) {
            const int i = helyek.at(j);
            ertekek[j] = i < 0 ? QVariant() : o->ertek(i).valtozo();
        }
        sor(ertekek.constData());
    }
    return o->nevek();
}

std::unique_ptr<EredmenyTar> SqliteMotor::eredmenyTar(QSqlDatabase& db, const QString& sql) {
    return SqliteEredmenyTar(db, sql);
}

void SqliteMotor::szerkezetValtozott(QSqlDatabase& db, const QString& tabla) {
    // Text columns keep their width in the declared type CHAR(n); two
    // triggers cut every stored text to it, whatever statement stored it.
    static const QRegularExpression charMinta(
        QStringLiteral(R"(^\s*(?:VAR)?CHAR\s*\(\s*(\d+)\s*\)\s*$)"),
        QRegularExpression::CaseInsensitiveOption);
    QSqlQuery info = futtatVagyHiba(db, QStringLiteral("PRAGMA table_info(%1)").arg(SqlNev(tabla)));
    QStringList feltetelek, beallitasok;
    while (info.next()) {
        const QString oszlop = info.value(1).toString();
        const auto m = charMinta.match(info.value(2).toString());
        if (!m.hasMatch())
            continue;
        const QString n = m.captured(1);
        feltetelek << QStringLiteral("length(NEW.%1)>%2").arg(SqlNev(oszlop), n);
        beallitasok << QStringLiteral("%1=substr(%1,1,%2)").arg(SqlNev(oszlop), n);
    }
    info = QSqlQuery();
    const QString beszur = SqlNev(QStringLiteral("pelvano_hossz_beszur_") + tabla);
    const QString modosit = SqlNev(QStringLiteral("pelvano_hossz_modosit_") + tabla);
    futtatVagyHiba(db, QStringLiteral("DROP TRIGGER IF EXISTS %1").arg(beszur));
    futtatVagyHiba(db, QStringLiteral("DROP TRIGGER IF EXISTS %1").arg(modosit));
    if (feltetelek.isEmpty())
        return;
    const QString torzs =
        QStringLiteral(" ON %1 WHEN %2 BEGIN UPDATE %1 SET %3 WHERE rowid=NEW.rowid; END")
            .arg(SqlNev(tabla), feltetelek.join(QStringLiteral(" OR ")),
                 beallitasok.join(QStringLiteral(", ")));
    futtatVagyHiba(db, QStringLiteral("CREATE TRIGGER %1 AFTER INSERT").arg(beszur) + torzs);
    futtatVagyHiba(db, QStringLiteral("CREATE TRIGGER %1 AFTER UPDATE").arg(modosit) + torzs);
}

void SqliteMotor::tablaUjraepit(QSqlDatabase& db, const QString& tabla, const QStringList& kulcs,
                                const QString& index, const QString& indexOszlop) {
    futtatVagyHiba(db, QStringLiteral("BEGIN IMMEDIATE"));
    try {
        QSqlQuery q(db);
        q.prepare(QStringLiteral("SELECT name, sql FROM sqlite_master WHERE type='table' AND "
                                 "lower(name)=lower(:t)"));
        q.bindValue(QStringLiteral(":t"), tabla);
        if (!q.exec())
            throw AdatbazisHiba(MotorUzenet(q.lastError()));
        if (!q.next())
            throw AdatbazisHiba(MotorHibaSzoveg(MotorHelyzet::NincsTabla,
                                                QStringLiteral("no such table: %1").arg(tabla)));
        const QString nev = q.value(0).toString();
        const bool autoinc =
            q.value(1).toString().contains(QLatin1String("AUTOINCREMENT"), Qt::CaseInsensitive);
        q = QSqlQuery();

        // The columns as they are declared; the key as the table list says.
        QStringList oszlopok, definiciok;
        QString autoincOszlop;
        QSqlQuery info =
            futtatVagyHiba(db, QStringLiteral("PRAGMA table_info(%1)").arg(SqlNev(nev)));
        while (info.next()) {
            const QString o = info.value(1).toString();
            QString d = SqlNev(o);
            const QString tipus = info.value(2).toString();
            const bool kulcsOszlop =
                kulcs.size() == 1 && kulcs.first().compare(o, Qt::CaseInsensitive) == 0;
            if (autoinc && kulcsOszlop && info.value(5).toInt() > 0) {
                d += QStringLiteral(" INTEGER PRIMARY KEY AUTOINCREMENT");
                autoincOszlop = o;
            } else {
                if (!tipus.isEmpty())
                    d += QLatin1Char(' ') + tipus;
                if (info.value(3).toInt() != 0)
                    d += QStringLiteral(" NOT NULL");
                if (!info.value(4).isNull())
                    d += QStringLiteral(" DEFAULT ") + info.value(4).toString();
            }
            oszlopok << SqlNev(o);
            definiciok << d;
        }
        info = QSqlQuery();
        if (autoincOszlop.isEmpty()) {
            QStringList k;
            for (const QString& o : kulcs)
                k << SqlNev(o);
            definiciok << QStringLiteral("PRIMARY KEY (%1)").arg(k.join(QLatin1Char(',')));
        }
        const QString uj = QStringLiteral("\"pelvano_ujraepites\"");
        futtatVagyHiba(db, QStringLiteral("DROP TABLE IF EXISTS %1").arg(uj));
        futtatVagyHiba(
            db,
            QStringLiteral("CREATE TABLE %1 (%2)").arg(uj, definiciok.join(QStringLiteral(", "))));
        const QString lista = oszlopok.join(QLatin1Char(','));
        futtatVagyHiba(
            db,
            QStringLiteral("INSERT INTO %1 (%2) SELECT %2 FROM %3").arg(uj, lista, SqlNev(nev)));

        // The highest key ever given stays the engine's counter, so that
        // keys of deleted rows are not given again.
        qint64 szamlalo = -1;
        QSqlQuery sz(db);
        sz.prepare(QStringLiteral("SELECT seq FROM sqlite_sequence WHERE name=:n"));
        sz.bindValue(QStringLiteral(":n"), nev);
        if (sz.exec() && sz.next()) // no sqlite_sequence: no counter yet
            szamlalo = sz.value(0).toLongLong();
        sz = QSqlQuery();

        futtatVagyHiba(db, QStringLiteral("DROP TABLE %1").arg(SqlNev(nev)));
        futtatVagyHiba(db, QStringLiteral("ALTER TABLE %1 RENAME TO %2").arg(uj, SqlNev(nev)));
        if (!autoincOszlop.isEmpty() && szamlalo >= 0)
            kulcsSzamlalo(db, nev, szamlalo);
        if (!index.isEmpty())
            futtatVagyHiba(db, QStringLiteral("CREATE INDEX %1 ON %2 (%3 COLLATE NOCASE)")
                                   .arg(SqlNev(index), SqlNev(nev), SqlNev(indexOszlop)));
        szerkezetValtozott(db, nev);
        futtatVagyHiba(db, QStringLiteral("COMMIT"));
    } catch (...) {
        QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
        throw;
    }
}

QString SqliteMotor::epsegHiba(QSqlDatabase& db) {
    QSqlQuery q = futtatVagyHiba(db, QStringLiteral("PRAGMA integrity_check"));
    QStringList sorok;
    while (q.next())
        sorok << q.value(0).toString();
    return sorok == QStringList{QStringLiteral("ok")} ? QString()
                                                      : sorok.join(QStringLiteral("\r\n"));
}

void SqliteMotor::kulcsSzamlalo(QSqlDatabase& db, const QString& tabla, qint64 ertek) {
    QSqlQuery be(db);
    be.prepare(QStringLiteral("UPDATE sqlite_sequence SET seq=max(seq, :s) WHERE name=:n"));
    be.bindValue(QStringLiteral(":s"), ertek);
    be.bindValue(QStringLiteral(":n"), tabla);
    if (!be.exec())
        throw AdatbazisHiba(MotorUzenet(be.lastError()));
    if (be.numRowsAffected() > 0)
        return;
    be.prepare(QStringLiteral("INSERT INTO sqlite_sequence (name, seq) VALUES (:n, :s)"));
    be.bindValue(QStringLiteral(":s"), ertek);
    be.bindValue(QStringLiteral(":n"), tabla);
    if (!be.exec())
        throw AdatbazisHiba(MotorUzenet(be.lastError()));
}

void SqliteMotor::tomorit(QSqlDatabase& db) {
    futtatVagyHiba(db, QStringLiteral("VACUUM"));
}

qint64 SqliteMotor::kulcsSzamlaloOlvas(QSqlDatabase& db, const QString& tabla) {
    QSqlQuery q(db);
    q.prepare(QStringLiteral("SELECT seq FROM sqlite_sequence WHERE name=:n"));
    q.bindValue(QStringLiteral(":n"), tabla);
    // No sqlite_sequence yet: no key given.
    return q.exec() && q.next() ? q.value(0).toLongLong() : 0;
}

void SqliteMotor::pillanatkep(QSqlDatabase& db, const QString& fajl) {
    // The database's pages copied in one step of SQLite's backup: one read
    // transaction, as short as copying the pages takes (rebuilding the
    // database into the copy held the other workstations' writes back for
    // longer).
    sqlite3* forras = SqliteKezelo(db);
    if (!forras)
        throw AdatbazisHiba(HelyzetMondat(MotorHelyzet::NincsKapcsolat));
    if (QFileInfo::exists(fajl))
        throw AdatbazisHiba(QStringLiteral("output file already exists"));
    sqlite3* cel = nullptr;
    const auto Hiba = [&](sqlite3* h) {
        const QString uzenet = QString::fromUtf8(sqlite3_errmsg(h));
        sqlite3_close(cel);
        QFile::remove(fajl);
        return AdatbazisHiba(uzenet);
    };
    if (sqlite3_open_v2(QFile::encodeName(fajl).constData(), &cel,
                        SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) != SQLITE_OK)
        throw Hiba(cel);
    // The copy is only read back into the archive: no journal, no syncing.
    if (sqlite3_exec(cel, "PRAGMA journal_mode=OFF; PRAGMA synchronous=OFF", nullptr, nullptr,
                     nullptr) != SQLITE_OK)
        throw Hiba(cel);
    sqlite3_backup* masolat = sqlite3_backup_init(cel, "main", forras, "main");
    if (!masolat)
        throw Hiba(cel);
    const int lepes = sqlite3_backup_step(masolat, -1);
    sqlite3_backup_finish(masolat);
    if (lepes != SQLITE_DONE)
        throw Hiba(lepes == SQLITE_BUSY || lepes == SQLITE_LOCKED ? forras : cel);
    if (sqlite3_close(cel) != SQLITE_OK)
        throw Hiba(cel);
}
