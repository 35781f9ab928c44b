#include "felhasznalo/belepes.h"

#include "jelszo.h"
#include "kapcsolat.h"
#include "seged.h"

#include <QSqlQuery>

bool Belepes::JelszoEllenoriz(const QString& nev, const QString& jelszo, TBeall& beall) {
    QSqlQuery q =
        m_k.sql(QStringLiteral(
                    "SELECT jelszo, rendszergazda, iras FROM felhasznalo WHERE felhasznalo = :nev"),
                {{QStringLiteral("nev"), nev}});
    if (q.next() && Jelszo::Egyezik(Seged::VarSzoveg(q.value(0)), jelszo)) {
        beall.Rendszergazda = Seged::VarSzoveg(q.value(1)) == QLatin1String("I");
        beall.Iras = Seged::VarSzoveg(q.value(2)) == QLatin1String("I");
        return true;
    }
    Seged::HibaAblak(QStringLiteral("Érvénytelen felhasználó, vagy jelszó"));
    return false;
}

bool Belepes::Bejelentkezik(const QString& nev, const QString& jelszo, TBeall& beall) {
    const QDateTime ido = most();
    // The log must be there before the attempt counts.
    if (m_k.tablaNev(QStringLiteral("naplo.DB")).isEmpty())
        throw AdatbazisHiba(QStringLiteral("no such table: naplo"));
    const bool sikeres = JelszoEllenoriz(nev, jelszo, beall);
    m_k.sql(QStringLiteral("INSERT INTO naplo (felhasznalo, datum, sikeres) VALUES (:f, :d, :s)"),
            {{QStringLiteral("f"), nev},
             {QStringLiteral("d"), DatumIdoSzoveg(ido)},
             {QStringLiteral("s"), sikeres ? QStringLiteral("I") : QStringLiteral("N")}});
    beall.FelhasznaloNev = nev;
    if (sikeres) {
        QSqlQuery q =
            m_k.sql(QStringLiteral("SELECT jelszo FROM felhasznalo WHERE felhasznalo = :nev"),
                    {{QStringLiteral("nev"), nev}});
        if (q.next() && !Jelszo::HashE(Seged::VarSzoveg(q.value(0))))
            jelszoTarol(nev, jelszo);
    }
    return sikeres;
}

bool Belepes::UjJelszo(const QString& nev, const QString& jelszo, TBeall& beall) {
    if (!JelszoEllenoriz(nev, jelszo, beall))
        return false;
    QString uj;
    if (!Seged::BevitelAblak(QStringLiteral("Jelszó megadása"),
                             QStringLiteral("Add meg az új jelszót"), uj))
        return false;
    QString ujra;
    if (!Seged::BevitelAblak(QStringLiteral("Megerősítés"),
                             QStringLiteral("Add újra az új jelszót"), ujra))
        return false;
    if (uj != ujra) {
        Seged::HibaAblak(QStringLiteral("A megadott jelszavak nem egyezőek"));
        return false;
    }
    jelszoTarol(nev, uj);
    Seged::UzenetAblak(QStringLiteral("Jelszó változtatás kész."));
    return true;
}

void Belepes::jelszoTarol(const QString& nev, const QString& jelszo) {
    // An empty password stays empty: it never matches, hashed or not.
    const QString tarolt = jelszo.isEmpty() ? QStringLiteral("") : Jelszo::Hash(jelszo);
    m_k.sql(QStringLiteral("UPDATE felhasznalo SET jelszo = :j WHERE felhasznalo = :nev"),
            {{QStringLiteral("j"), tarolt}, {QStringLiteral("nev"), nev}});
}
