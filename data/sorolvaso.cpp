#include "sorolvaso.h"

#include "motor.h"

#include <QSqlError>
#include <QSqlField>
#include <QSqlRecord>

QVariant NyersErtek::valtozo() const {
    switch (fajta) {
    case Fajta::Null:
        return {};
    case Fajta::Egesz:
        return QVariant(egesz);
    case Fajta::Tort:
        return QVariant(tort);
    case Fajta::Szoveg:
        return QVariant(QString::fromUtf8(adat, hossz));
    case Fajta::Bajtok:
        return QVariant(QByteArray(adat, hossz));
    case Fajta::Ertek:
        return ertek ? *ertek : QVariant();
    }
    return {};
}

QueryOlvaso::QueryOlvaso(QSqlQuery q) : m_q(std::move(q)) {
    const QSqlRecord r = m_q.record();
    for (int i = 0; i < r.count(); ++i) {
        const QSqlField f = r.field(i);
        m_nevek << f.name();
        m_tablak << f.tableName();
        m_tipusok << QMetaType::Type(f.metaType().id());
    }
    m_sor.resize(r.count());
}

bool QueryOlvaso::kovetkezo() {
    if (!m_q.next()) {
        if (m_q.lastError().isValid())
            throw AdatbazisHiba(MotorUzenet(m_q.lastError()));
        return false;
    }
    for (int i = 0; i < m_sor.size(); ++i)
        m_sor[i] = m_q.value(i);
    return true;
}

NyersErtek QueryOlvaso::ertek(int oszlop) const {
    NyersErtek e;
    if (oszlop < 0 || oszlop >= m_sor.size() || m_sor.at(oszlop).isNull())
        return e;
    e.fajta = NyersErtek::Fajta::Ertek;
    e.ertek = &m_sor.at(oszlop);
    return e;
}

std::unique_ptr<SorOlvaso> Motor::olvaso(QSqlDatabase& db, const QString& sql) {
    QSqlQuery q(db);
    q.setForwardOnly(true);
    if (!vegrehajt(db, q, sql, {}))
        throw AdatbazisHiba(MotorUzenet(q.lastError()));
    return std::make_unique<QueryOlvaso>(std::move(q));
}
