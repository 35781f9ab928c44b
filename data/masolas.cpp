#include "masolas.h"

#include "ertekszoveg.h"
#include "kapcsolat.h"
#include "sema.h"

#include <QRegularExpression>
#include <QSqlError>
#include <QSqlField>
#include <QSqlQuery>
#include <QSqlRecord>

namespace Masolas {

namespace {

// Ends the source's snapshot however the copy ends.
class Pillanat {
public:
    explicit Pillanat(Kapcsolat& k) : m_k(k) {
        m_k.sql(m_k.forras().szerveren()
                    ? QStringLiteral("BEGIN ISOLATION LEVEL REPEATABLE READ READ ONLY")
                    : QStringLiteral("BEGIN"));
    }
    ~Pillanat() {
        try {
            m_k.sql(QStringLiteral("ROLLBACK"));
        } catch (...) {
        }
    }

private:
    Kapcsolat& m_k;
};

} // namespace

namespace {

// A name as the statements of the system write it: a plain one as it is
// (so that the server folds it as it folds theirs), any other quoted.
QString Nev(const QString& nev) {
    static const QRegularExpression sima(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*$"));
    return sima.match(nev).hasMatch() ? nev : SqlNev(nev);
}

// The type of a column added beside the schema (a table or column made by
// hand) in the local dialect, by the kind its source's driver gives it; a
// truth value stays one (the engines write its literals differently).
QString SajatTipus(const QSqlField& f) {
    if (f.metaType().id() == QMetaType::Bool)
        return QStringLiteral("BOOLEAN");
    switch (Ertek::TipusFajta(QMetaType::Type(f.metaType().id()))) {
    case OszlopFajta::Egesz:
        return QStringLiteral("BIGINT");
    case OszlopFajta::Tort:
        return QStringLiteral("DOUBLE PRECISION");
    case OszlopFajta::Datum:
        return QStringLiteral("DATE");
    case OszlopFajta::DatumIdo:
        return QStringLiteral("TIMESTAMP");
    case OszlopFajta::Blob:
        return QStringLiteral("BLOB");
    default:
        return QStringLiteral("MEMO");
    }
}

// Copies the records of one table (its columns `oszlopok`, which the target
// table has), in groups with their values written out as the target
// engine's literals: no statement is left prepared when one fails.
qint64 Rekordok(Kapcsolat& honnan, Kapcsolat& hova, const QString& forrasNev, const QString& celNev,
                const QStringList& oszlopok) {
    const QSqlDatabase celDb = hova.db();
    const Motor& motor = hova.motor();
    QStringList nevek;
    for (const QString& o : oszlopok)
        nevek << Nev(o);
    const QString lista = nevek.join(QLatin1Char(','));
    const QString eleje = QStringLiteral("INSERT INTO %1 (%2) VALUES ").arg(Nev(celNev), lista);
    QString csoport;
    int csoportban = 0;
    const auto kiir = [&] {
        if (csoportban == 0)
            return;
        hova.sql(eleje + csoport);
        csoport.clear();
        csoportban = 0;
    };
    qint64 db = 0;
    QSqlDatabase forrasDb = honnan.db();
    honnan.motor().atolvas(forrasDb, QStringLiteral("SELECT %1 FROM %2").arg(lista, Nev(forrasNev)),
                           oszlopok, [&](const QVariant* ertekek) {
                               QStringList sor;
                               for (int i = 0; i < oszlopok.size(); ++i)
                                   sor << motor.literal(celDb, ertekek[i]);
                               if (csoportban > 0)
                                   csoport += QLatin1Char(',');
                               csoport +=
                                   QLatin1Char('(') + sor.join(QLatin1Char(',')) + QLatin1Char(')');
                               ++db;
                               if (++csoportban == 200)
                                   kiir();
                           });
    kiir();
    return db;
}

} // namespace

QList<QPair<QString, qint64>> Tablak(Kapcsolat& honnan, Kapcsolat& hova,
                                     const std::function<void(const QString&, qint64)>& tablaKesz) {
    QList<QPair<QString, qint64>> darabok;
    const Pillanat pillanat(honnan);
    Tranzakcio t(hova);
    const auto kesz = [&](const QString& nev, qint64 db) {
        darabok.append({nev, db});
        if (tablaKesz)
            tablaKesz(nev, db);
    };
    for (const Sema::Tabla& tabla : Sema::Tablak()) {
        const QString celNev = hova.tablaNev(tabla.nev);
        const QString forrasNev = honnan.tablaNev(tabla.nev);
        if (celNev.isEmpty())
            throw AdatbazisHiba(MotorHibaSzoveg(
                MotorHelyzet::NincsTabla, QStringLiteral("no such table: %1").arg(tabla.nev)));
        // A table an older folder did not have yet stays empty.
        if (forrasNev.isEmpty()) {
            kesz(tabla.nev, 0);
            continue;
        }
        // The schema's columns the source has (a table of an older
        // structure may lack some: they stay empty), and those added to the
        // table by hand.
        const QSqlRecord r = honnan.db().record(forrasNev);
        QStringList oszlopok;
        for (const Sema::Oszlop& o : tabla.oszlopok)
            if (r.contains(o.nev))
                oszlopok << o.nev;
        for (int i = 0; i < r.count(); ++i)
            if (!oszlopok.contains(r.fieldName(i), Qt::CaseInsensitive)) {
                hova.sql(QStringLiteral("ALTER TABLE %1 ADD %2 %3")
                             .arg(Nev(celNev), Nev(r.fieldName(i)), SajatTipus(r.field(i))));
                oszlopok << r.fieldName(i);
            }
        const qint64 db = Rekordok(honnan, hova, forrasNev, celNev, oszlopok);
        // The key counter goes over with its table: keys of deleted records
        // are not given again on the other side either.
        for (const Sema::Oszlop& o : tabla.oszlopok)
            if (o.tipus == Sema::Tipus::AutoInc) {
                QSqlDatabase d = honnan.db();
                const qint64 szamlalo = honnan.motor().kulcsSzamlaloOlvas(d, forrasNev);
                if (szamlalo > 0)
                    hova.kulcsSzamlalo(celNev, szamlalo);
            }
        kesz(tabla.nev, db);
    }
    // And the tables made by hand beside the system's, with their records.
    for (const QString& forrasNev : honnan.tablak()) {
        if (Sema::TablaNevvel(forrasNev))
            continue;
        const QSqlRecord r = honnan.db().record(forrasNev);
        QStringList oszlopok, leirasok;
        for (int i = 0; i < r.count(); ++i) {
            oszlopok << r.fieldName(i);
            leirasok << Nev(r.fieldName(i)) + QLatin1Char(' ') + SajatTipus(r.field(i));
        }
        hova.sql(QStringLiteral("CREATE TABLE %1 (%2)")
                     .arg(Nev(forrasNev), leirasok.join(QStringLiteral(", "))));
        kesz(forrasNev, Rekordok(honnan, hova, forrasNev, hova.tablaNev(forrasNev), oszlopok));
    }
    t.kesz();
    return darabok;
}

} // namespace Masolas
