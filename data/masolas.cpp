#include "masolas.h"

#include "kapcsolat.h"
#include "sema.h"

#include <QSqlDriver>
#include <QSqlError>
#include <QSqlField>
#include <QSqlQuery>

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

QList<QPair<QString, qint64>> Tablak(Kapcsolat& honnan, Kapcsolat& hova,
                                     const std::function<void(const QString&, qint64)>& tablaKesz) {
    QList<QPair<QString, qint64>> darabok;
    const Pillanat pillanat(honnan);
    Tranzakcio t(hova);
    for (const Sema::Tabla& tabla : Sema::Tablak()) {
        QStringList oszlopok, helyek;
        for (const Sema::Oszlop& o : tabla.oszlopok) {
            oszlopok << o.nev;
            helyek << QStringLiteral("?");
        }
        const QString celNev = hova.tablaNev(tabla.nev);
        if (celNev.isEmpty() || honnan.tablaNev(tabla.nev).isEmpty())
            throw AdatbazisHiba(MotorHibaSzoveg(
                MotorHelyzet::NincsTabla, QStringLiteral("no such table: %1").arg(tabla.nev)));
        // The records go in groups, their values written out as the target
        // engine's literals: no statement is left prepared when one fails.
        QSqlDatabase celDb = hova.db();
        const QSqlDriver* driver = celDb.driver();
        const QString eleje = QStringLiteral("INSERT INTO %1 (%2) VALUES ")
                                  .arg(celNev, oszlopok.join(QLatin1Char(',')));
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
        honnan.motor().atolvas(
            forrasDb,
            QStringLiteral("SELECT %1 FROM %2").arg(oszlopok.join(QLatin1Char(',')), tabla.nev),
            oszlopok, [&](const QVariant* ertekek) {
                QStringList sor;
                for (int i = 0; i < oszlopok.size(); ++i) {
                    QSqlField f(oszlopok.at(i), ertekek[i].metaType());
                    f.setValue(ertekek[i]);
                    sor << (ertekek[i].isNull() ? QStringLiteral("NULL") : driver->formatValue(f));
                }
                if (csoportban > 0)
                    csoport += QLatin1Char(',');
                csoport += QLatin1Char('(') + sor.join(QLatin1Char(',')) + QLatin1Char(')');
                ++db;
                if (++csoportban == 200)
                    kiir();
            });
        kiir();
        // The key counter goes over with its table: keys of deleted records
        // are not given again on the other side either.
        for (const Sema::Oszlop& o : tabla.oszlopok)
            if (o.tipus == Sema::Tipus::AutoInc) {
                QSqlDatabase d = honnan.db();
                const qint64 szamlalo =
                    honnan.motor().kulcsSzamlaloOlvas(d, honnan.tablaNev(tabla.nev));
                if (szamlalo > 0)
                    hova.kulcsSzamlalo(celNev, szamlalo);
            }
        darabok.append({tabla.nev, db});
        if (tablaKesz)
            tablaKesz(tabla.nev, db);
    }
    t.kesz();
    return darabok;
}

} // namespace Masolas
