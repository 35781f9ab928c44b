#pragma once

// The server engine: a PostgreSQL database named by a libpq connection
// string (Pelvano.ini's [Database] Server), reached through Qt's QPSQL
// driver. Authentication is libpq's own (pgpass, service file, peer); no
// password passes through the programs.

#include "motor.h"

class PgMotor : public Motor {
public:
    QString driver() const override { return QStringLiteral("QPSQL"); }
    void megnyit(QSqlDatabase& db, const Adatforras& forras, bool ures = false) override;
    QString fordit(const QString& helyi) const override;
    bool vegrehajt(QSqlDatabase& db, QSqlQuery& q, const QString& sql,
                   const QVariantMap& parameterek) override;
    QStringList tablak(const QSqlDatabase& db) const override;
    void szerkezetValtozott(QSqlDatabase& db, const QString& tabla) override;
    QString nevSorrend(const QString& oszlop) const override;
    QString sorZarolo() const override { return QStringLiteral(" FOR UPDATE"); }
    qint64 utolsoKulcs(QSqlDatabase& db) override;
    QStringList atolvas(QSqlDatabase& db, const QString& sql, const QStringList& oszlopok,
                        const std::function<void(const QVariant* ertekek)>& sor) override;
    std::unique_ptr<EredmenyTar> eredmenyTar(QSqlDatabase& db, const QString& sql) override;
    void tablaUjraepit(QSqlDatabase& db, const QString& tabla, const QStringList& kulcs,
                       const QString& index, const QString& indexOszlop) override;
    QString epsegHiba(QSqlDatabase& db) override;
    void tomorit(QSqlDatabase& db) override;
    void kulcsSzamlalo(QSqlDatabase& db, const QString& tabla, qint64 ertek) override;
    qint64 kulcsSzamlaloOlvas(QSqlDatabase& db, const QString& tabla) override;
    void pillanatkep(QSqlDatabase& db, const QString& fajl) override;

    // The server's values as the programs read them from either engine:
    // dates as YYYY-MM-DD, date-times as YYYY-MM-DD HH:MM:SS texts.
    static QVariant Ertek(const QVariant& v);

private:
    bool masraVarva(QSqlDatabase& db, QSqlQuery& q, const QString& sql,
                    const std::function<bool()>& proba);
    bool m_mentopont = false;   // a savepoint of the last statement to let go
    bool m_hosszuVaras = false; // the waiting of a second try to put back
};
