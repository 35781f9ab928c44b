#pragma once

// The embedded engine: one SQLite database file, pelvano.sqlite, in the
// data folder.

#include "motor.h"

class SqliteMotor : public Motor {
public:
    SqliteMotor();
    static QString AdatFajl(const QString& mappa); // mappa + "/pelvano.sqlite"
    QString driver() const override { return QStringLiteral("QSQLITE"); }
    void megnyit(QSqlDatabase& db, const Adatforras& forras, bool ures = false) override;
    QString fordit(const QString& helyi) const override;
    bool vegrehajt(QSqlDatabase& db, QSqlQuery& q, const QString& sql,
                   const QVariantMap& parameterek) override;
    QStringList tablak(const QSqlDatabase& db) const override;
    void szerkezetValtozott(QSqlDatabase& db, const QString& tabla) override;
    QString nevSorrend(const QString& oszlop) const override;
    // A transaction begun by BEGIN IMMEDIATE holds the database for writing.
    QString sorZarolo() const override { return {}; }
    qint64 utolsoKulcs(QSqlDatabase& db) override;
    QStringList atolvas(QSqlDatabase& db, const QString& sql, const QStringList& oszlopok,
                        const std::function<void(const QVariant* ertekek)>& sor) override;
    std::unique_ptr<SorOlvaso> olvaso(QSqlDatabase& db, const QString& sql) override;
    std::unique_ptr<EredmenyTar> eredmenyTar(QSqlDatabase& db, const QString& sql) override;
    // Bytes as X'…' (Qt's driver writes bare hex digits, which SQLite would
    // take for a number or a name).
    QString literal(const QSqlDatabase& db, const QVariant& v) const override {
        if (!v.isNull() && v.typeId() == QMetaType::QByteArray)
            return QStringLiteral("X'%1'").arg(QString::fromLatin1(v.toByteArray().toHex()));
        return Motor::literal(db, v);
    }
    void tablaUjraepit(QSqlDatabase& db, const QString& tabla, const QStringList& kulcs,
                       const QString& index, const QString& indexOszlop) override;
    QString epsegHiba(QSqlDatabase& db) override;
    void tomorit(QSqlDatabase& db) override;
    void kulcsSzamlalo(QSqlDatabase& db, const QString& tabla, qint64 ertek) override;
    qint64 kulcsSzamlaloOlvas(QSqlDatabase& db, const QString& tabla) override;
    void pillanatkep(QSqlDatabase& db, const QString& fajl) override;
    // Opens (creating when missing) a database file for building a new data
    // folder; the same per-connection set-up as megnyit.
    void letrehoz(QSqlDatabase& db, const QString& fajl);

private:
    void beallit(QSqlDatabase& db);
};
