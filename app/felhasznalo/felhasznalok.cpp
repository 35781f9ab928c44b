#include "felhasznalo/felhasznalok.h"

#include "jelszo.h"
#include "kapcsolat.h"
#include "seged.h"

#include <QSqlQuery>

namespace Felhasznalok {

QStringList Nevek(Kapcsolat& k) {
    QSqlQuery q = k.sql(QStringLiteral("SELECT felhasznalo FROM felhasznalo ORDER BY felhasznalo"));
    QStringList l;
    while (q.next())
        l << q.value(0).toString();
    return l;
}

QString Ment(Kapcsolat& k, const Adatok& a) {
    if (a.jelszo.isEmpty())
        return HianyosAdat;
    if (a.jelszo != a.megerosites)
        return HibasJelszo;
    const QString nev = Seged::KarakterEleje(a.nev, NevHossz);
    if (nev.trimmed().isEmpty())
        return HianyosAdat;
    try {
        if (a.regiNev.isEmpty()) {
            k.sql(
                QStringLiteral("INSERT INTO felhasznalo (felhasznalo, jelszo) VALUES (:nev, "
                               ":jelszo)"),
                {{QStringLiteral("nev"), nev}, {QStringLiteral("jelszo"), Jelszo::Hash(a.jelszo)}});
        } else if (a.jelszoUj) {
            k.sql(QStringLiteral("UPDATE felhasznalo SET felhasznalo=:nev, jelszo=:jelszo WHERE "
                                 "felhasznalo=:regi"),
                  {{QStringLiteral("nev"), nev},
                   {QStringLiteral("jelszo"), Jelszo::Hash(a.jelszo)},
                   {QStringLiteral("regi"), a.regiNev}});
        } else {
            // The stored password was confirmed as it is shown: a hash stays,
            // an old plain text is replaced by its hash.
            QSqlQuery q = k.sql(QStringLiteral("SELECT jelszo FROM felhasznalo WHERE "
                                               "felhasznalo=:regi"),
                                {{QStringLiteral("regi"), a.regiNev}});
            const QString tarolt = q.next() ? q.value(0).toString() : QString();
            k.sql(QStringLiteral("UPDATE felhasznalo SET felhasznalo=:nev, jelszo=:jelszo WHERE "
                                 "felhasznalo=:regi"),
                  {{QStringLiteral("nev"), nev},
                   {QStringLiteral("jelszo"),
                    Jelszo::HashE(tarolt) ? tarolt : Jelszo::Hash(a.jelszo)},
                   {QStringLiteral("regi"), a.regiNev}});
        }
    } catch (const AdatbazisHiba&) {
        // The engine's own message is not shown.
        return HianyosAdat;
    }
    return {};
}

bool Torol(Kapcsolat& k, const QString& nev) {
    QSqlQuery q = k.sql(QStringLiteral("DELETE FROM felhasznalo WHERE felhasznalo=:nev"),
                        {{QStringLiteral("nev"), nev}});
    return q.numRowsAffected() > 0;
}

} // namespace Felhasznalok
