#include "adatzar.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QUuid>

AdatZar::~AdatZar() {
    felold();
}

bool AdatZar::zarva() const {
    return m_mappa.zarva() || !m_kapcsolat.isEmpty();
}

void AdatZar::felold() {
    m_mappa.felold();
    if (m_kapcsolat.isEmpty())
        return;
    {
        QSqlDatabase d = QSqlDatabase::database(m_kapcsolat, false);
        if (d.isOpen())
            d.close(); // the server lets go of a session's locks with it
    }
    QSqlDatabase::removeDatabase(m_kapcsolat);
    m_kapcsolat.clear();
}

AdatZar::Eredmeny AdatZar::zar(const Adatforras& forras, Mod mod) {
    felold();
    if (!forras.szerveren())
        return m_mappa.zar(forras.mappa, mod);
    const QString nev =
        QStringLiteral("pelvano_zar_") + QUuid::createUuid().toString(QUuid::WithoutBraces);
    Eredmeny e = Eredmeny::Nincs;
    {
        QSqlDatabase d = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), nev);
        d.setConnectOptions(forras.szerver.trimmed());
        if (d.open()) {
            QSqlQuery q(d);
            const QString fv = mod == Mod::Kizarolagos
                                   ? QStringLiteral("pg_try_advisory_lock")
                                   : QStringLiteral("pg_try_advisory_lock_shared");
            if (q.exec(QStringLiteral("SELECT %1(%2)").arg(fv).arg(SzerverKulcs)) && q.next())
                e = q.value(0).toBool() ? Eredmeny::Kesz : Eredmeny::Foglalt;
        }
        if (e != Eredmeny::Kesz && d.isOpen())
            d.close();
    }
    if (e == Eredmeny::Kesz)
        m_kapcsolat = nev;
    else
        QSqlDatabase::removeDatabase(nev);
    return e;
}
