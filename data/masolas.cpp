#include "masolas.h"

#include "kapcsolat.h"
#include "sema.h"

#include <QSqlError>
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
        QSqlDatabase celDb = hova.db();
        QSqlQuery be(celDb);
        if (!be.prepare(
                QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                    .arg(celNev, oszlopok.join(QLatin1Char(',')), helyek.join(QLatin1Char(',')))))
            throw AdatbazisHiba(MotorUzenet(be.lastError()));
        qint64 db = 0;
        QString hiba;
        QSqlDatabase forrasDb = honnan.db();
        honnan.motor().atolvas(
            forrasDb,
            QStringLiteral("SELECT %1 FROM %2").arg(oszlopok.join(QLatin1Char(',')), tabla.nev),
            oszlopok, [&](const QVariant* ertekek) {
                if (!hiba.isEmpty())
                    return;
                for (int i = 0; i < oszlopok.size(); ++i)
                    be.bindValue(i, ertekek[i]);
                if (!be.exec())
                    hiba = MotorUzenet(be.lastError());
                ++db;
            });
        if (!hiba.isEmpty())
            throw AdatbazisHiba(hiba);
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
