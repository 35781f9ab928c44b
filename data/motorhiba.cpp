#include "motorhiba.h"

#include "sqlitebelso.h"

#include <QSqlError>

namespace {

// The one table of the sentences.
struct Mondat {
    MotorHelyzet helyzet;
    const char* szoveg;
};

constexpr Mondat Mondatok[] = {
    {MotorHelyzet::Foglalt,
     "Az adatbázist most egy másik munkaállomás használja, ezért a művelet nem sikerült. "
     "Várjon egy kicsit, majd próbálja újra."},
    {MotorHelyzet::CsakOlvashato,
     "Az adatbázis csak olvasható, ezért a változás nem tárolható. Ellenőrizze, hogy az "
     "adatmappa és az adatbázisfájl írható-e."},
    {MotorHelyzet::Megtelt,
     "Megtelt a lemez, ezért az adatbázisba nem írható több adat. Szabadítson fel helyet a "
     "lemezen, majd próbálja újra."},
    {MotorHelyzet::NemNyithato,
     "Az adatbázisfájl nem nyitható meg. Ellenőrizze, hogy a Pelvano.ini adatmappája "
     "létezik-e, és az adatbázisfájl olvasható-e."},
    {MotorHelyzet::NemAdatbazis,
     "Az adatmappában lévő fájl nem Pelvano-adatbázis, vagy üres. Ellenőrizze a Pelvano.ini "
     "adatmappáját, vagy állítsa vissza az adatbázist egy archívumból."},
    {MotorHelyzet::Serult,
     "Az adatbázis megsérült. Ne dolgozzon tovább rajta: állítsa vissza a legutóbbi "
     "archívumból, vagy kérje a rendszergazda segítségét."},
    {MotorHelyzet::NincsTabla,
     "Az utasítás olyan táblát említ, amely nincs az adatbázisban. Ellenőrizze a tábla nevét; "
     "ha a program saját táblája hiányzik, futtassa a karbantartó programot."},
    {MotorHelyzet::NincsOszlop,
     "Az utasítás olyan oszlopot említ, amely nincs a táblában. Ellenőrizze az oszlop nevét; "
     "ha a program saját oszlopa hiányzik, futtassa a karbantartó programot."},
    {MotorHelyzet::TobbUtasitas,
     "Egyszerre csak egy SQL utasítás futtatható. Jelölje ki a futtatandó utasítást, vagy "
     "futtassa őket egymás után."},
    {MotorHelyzet::UresUtasitas, "Nincs futtatható SQL utasítás."},
    {MotorHelyzet::NincsKapcsolat,
     "Az adatbázis nincs megnyitva. Zárja be, majd indítsa újra a programot."},
};

// The engines' texts of the conditions (SQLite's, then PostgreSQL's).
struct Minta {
    const char* szoveg;
    MotorHelyzet helyzet;
};

constexpr Minta Mintak[] = {
    {"database is locked", MotorHelyzet::Foglalt},
    {"database table is locked", MotorHelyzet::Foglalt},
    {"database schema is locked", MotorHelyzet::Foglalt},
    {"could not obtain lock", MotorHelyzet::Foglalt},
    {"attempt to write a readonly database", MotorHelyzet::CsakOlvashato},
    {"read-only transaction", MotorHelyzet::CsakOlvashato},
    {"database or disk is full", MotorHelyzet::Megtelt},
    {"no space left on device", MotorHelyzet::Megtelt},
    {"unable to open database file", MotorHelyzet::NemNyithato},
    {"file is not a database", MotorHelyzet::NemAdatbazis},
    {"database disk image is malformed", MotorHelyzet::Serult},
    {"no such table", MotorHelyzet::NincsTabla},
    {"no such column", MotorHelyzet::NincsOszlop},
    {"has no column named", MotorHelyzet::NincsOszlop},
    {"cannot insert multiple commands", MotorHelyzet::TobbUtasitas},
};

// The condition the engine's own text names; Egyeb when none.
MotorHelyzet SzovegHelyzet(const QString& motorSzoveg) {
    for (const Minta& m : Mintak)
        if (motorSzoveg.contains(QLatin1String(m.szoveg), Qt::CaseInsensitive))
            return m.helyzet;
    return MotorHelyzet::Egyeb;
}

// The server's conditions by their SQLSTATE (five characters; a class of
// codes by its first two).
struct Allapot {
    const char* kod;
    MotorHelyzet helyzet;
};

constexpr Allapot Allapotok[] = {
    {"42P01", MotorHelyzet::NincsTabla}, {"42703", MotorHelyzet::NincsOszlop},
    {"55P03", MotorHelyzet::Foglalt},    {"40P01", MotorHelyzet::Foglalt},
    {"40001", MotorHelyzet::Foglalt},    {"25006", MotorHelyzet::CsakOlvashato},
    {"53100", MotorHelyzet::Megtelt},    {"XX001", MotorHelyzet::Serult},
    {"XX002", MotorHelyzet::Serult},     {"42601", MotorHelyzet::Egyeb},
};

MotorHelyzet SzerverHelyzet(const QSqlError& hiba) {
    const QString kod = hiba.nativeErrorCode();
    if (kod.size() != 5)
        return MotorHelyzet::Egyeb;
    for (const Allapot& a : Allapotok)
        if (kod == QLatin1String(a.kod))
            return a.helyzet;
    return MotorHelyzet::Egyeb;
}

} // namespace

QString HelyzetMondat(MotorHelyzet helyzet) {
    for (const Mondat& m : Mondatok)
        if (m.helyzet == helyzet)
            return QString::fromUtf8(m.szoveg);
    return {};
}

QString MotorHibaSzoveg(MotorHelyzet helyzet, const QString& motorSzoveg) {
    const QString motor = motorSzoveg.trimmed();
    const QString mondat =
        HelyzetMondat(helyzet == MotorHelyzet::Egyeb ? SzovegHelyzet(motor) : helyzet);
    if (mondat.isEmpty())
        return motor.isEmpty() ? QStringLiteral("Az adatbázis-kezelő hibát jelzett, de nem adott "
                                                "róla szöveget.")
                               : motor;
    return motor.isEmpty() ? mondat : mondat + QStringLiteral("\r\n") + motor;
}

QString MotorSzoveg(const QSqlError& hiba) {
    QString db = hiba.databaseText().trimmed();
    // The server's text as Qt's driver gives it: "ERROR:  message", the
    // statement's context lines, then "(SQLSTATE)". What it says is the
    // message.
    for (const char* szint : {"ERROR:", "FATAL:", "PANIC:"})
        if (db.startsWith(QLatin1String(szint))) {
            db = db.mid(int(qstrlen(szint))).section(QLatin1Char('\n'), 0, 0).trimmed();
            break;
        }
    // SQLite's text of success: the driver refused the statement itself.
    if (db.isEmpty() || db == QLatin1String("not an error"))
        return hiba.driverText().trimmed();
    return db;
}

QString MotorUzenet(const QSqlError& hiba) {
    const MotorHelyzet h = SqliteHelyzet(hiba);
    return MotorHibaSzoveg(h == MotorHelyzet::Egyeb ? SzerverHelyzet(hiba) : h, MotorSzoveg(hiba));
}
