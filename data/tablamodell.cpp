#include "tablamodell.h"

#include "kapcsolat.h"

#include <QSqlError>
#include <QSqlIndex>
#include <QSqlQuery>
#include <QSqlRecord>

TablaModell::TablaModell(Kapcsolat& kapcsolat, const QString& tabla, QObject* szulo)
    : QSqlTableModel(szulo, kapcsolat.db()), m_kapcsolat(kapcsolat) {
    const QString nev = kapcsolat.tablaNev(tabla);
    if (nev.isEmpty()) {
        QString n = tabla;
        if (n.endsWith(QStringLiteral(".db"), Qt::CaseInsensitive))
            n.chop(3);
        throw AdatbazisHiba(
            MotorHibaSzoveg(MotorHelyzet::NincsTabla, QStringLiteral("no such table: %1").arg(n)));
    }
    setTable(nev);
    setEditStrategy(QSqlTableModel::OnManualSubmit);
    kulcsSorrend();
}

void TablaModell::kulcsSorrend() {
    const QSqlIndex pk = primaryKey();
    QStringList oszlopok;
    for (int i = 0; i < pk.count(); ++i)
        oszlopok << pk.fieldName(i);
    m_orderBy = oszlopok.isEmpty()
                    ? QString()
                    : QStringLiteral("ORDER BY ") + oszlopok.join(QStringLiteral(", "));
}

void TablaModell::nevSorrend(const QString& nevOszlop) {
    const QSqlIndex pk = primaryKey();
    QStringList oszlopok{m_kapcsolat.motor().nevSorrend(nevOszlop)};
    for (int i = 0; i < pk.count(); ++i)
        oszlopok << pk.fieldName(i);
    m_orderBy = QStringLiteral("ORDER BY ") + oszlopok.join(QStringLiteral(", "));
}

QString TablaModell::orderByClause() const {
    return m_orderBy;
}

void TablaModell::megnyit() {
    if (!select())
        throw AdatbazisHiba(MotorUzenet(lastError()));
}

int TablaModell::oszlopIndex(const QString& oszlop) const {
    const int i = record().indexOf(oszlop);
    if (i < 0)
        throw AdatbazisHiba(MotorHibaSzoveg(MotorHelyzet::NincsOszlop,
                                            QStringLiteral("no such column: %1").arg(oszlop)));
    return i;
}

int TablaModell::elsoSor(const QString& oszlop, const std::function<bool(const QVariant&)>& illik) {
    const int o = oszlopIndex(oszlop);
    for (int sor = 0;; ++sor) {
        if (sor >= rowCount()) {
            if (!canFetchMore())
                return -1;
            fetchMore();
            if (sor >= rowCount())
                return -1;
        }
        if (illik(data(index(sor, o))))
            return sor;
    }
}

int TablaModell::keres(const QString& oszlop, const QVariant& ertek) {
    const QString keresett = ertek.toString();
    return elsoSor(oszlop, [&](const QVariant& v) {
        return !v.isNull() && !ertek.isNull() && v.toString() == keresett;
    });
}

int TablaModell::keresEleje(const QString& oszlop, const QString& eleje) {
    return elsoSor(oszlop, [&](const QVariant& v) {
        return v.toString().startsWith(eleje, Qt::CaseInsensitive);
    });
}

QVariant TablaModell::ertek(int sor, const QString& oszlop) const {
    const int o = oszlopIndex(oszlop);
    if (sor < 0 || sor >= rowCount())
        return {};
    return data(index(sor, o));
}

void TablaModell::beallit(int sor, const QString& oszlop, const QVariant& ertek) {
    setData(index(sor, oszlopIndex(oszlop)), ertek);
}

int TablaModell::uj() {
    while (canFetchMore())
        fetchMore();
    const int sor = rowCount();
    insertRow(sor);
    return sor;
}

void TablaModell::ment() {
    if (!submitAll())
        throw AdatbazisHiba(MotorUzenet(lastError()));
}

void TablaModell::elvet() {
    revertAll();
}

void TablaModell::torol(int sor) {
    if (!removeRow(sor) || !submitAll()) {
        const QString uzenet = MotorUzenet(lastError());
        revertAll();
        throw AdatbazisHiba(uzenet);
    }
}

bool TablaModell::insertRowIntoTable(const QSqlRecord& values) {
    const bool ok = QSqlTableModel::insertRowIntoTable(values);
    if (ok) {
        QSqlDatabase db = database();
        m_utolsoKulcs = m_kapcsolat.motor().utolsoKulcs(db);
    }
    return ok;
}
