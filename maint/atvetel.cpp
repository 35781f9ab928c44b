#include "atvetel.h"

#include "kapcsolat.h"
#include "karbantarto.h"
#include "paradoxtabla.h"
#include "sema.h"
#include "sqlitemotor.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>

namespace {

using PF = ParadoxTabla::Fajta;

// The declared type of a column the schema does not know.
QString SajatTipus(const ParadoxTabla::Mezo& m) {
    switch (m.fajta) {
    case PF::Szoveg:
        return QStringLiteral("CHAR(%1)").arg(m.hossz);
    case PF::Datum:
        return QStringLiteral("DATE");
    case PF::DatumIdo:
        return QStringLiteral("TIMESTAMP");
    case PF::Ido:
        return QStringLiteral("CHAR(8)");
    case PF::Egesz:
    case PF::Logikai:
        return QStringLiteral("INTEGER");
    case PF::Tort:
        return QStringLiteral("REAL");
    case PF::Memo:
        return QStringLiteral("TEXT");
    case PF::Bajtok:
        return QStringLiteral("BLOB");
    }
    return {};
}

// A value as the column of the schema stores it.
QVariant SemaErtek(const QVariant& v, Sema::Tipus t) {
    if (v.isNull())
        return v;
    switch (t) {
    case Sema::Tipus::AutoInc:
    case Sema::Tipus::Egesz:
        return v.typeId() == QMetaType::Bool ? QVariant(qint64(v.toBool()))
                                             : QVariant(v.toLongLong());
    case Sema::Tipus::Datum:
        return v.toString().left(10);
    case Sema::Tipus::DatumIdo: {
        const QString s = v.toString();
        return s.size() == 10 ? s + QStringLiteral(" 00:00:00") : s;
    }
    default:
        return v.typeId() == QMetaType::Bool
                   ? QVariant(v.toBool() ? QStringLiteral("I") : QStringLiteral("N"))
                   : QVariant(v.toString());
    }
}

QVariant SajatErtek(const QVariant& v) {
    if (v.typeId() == QMetaType::Bool)
        return qint64(v.toBool());
    return v;
}

// One table into the new database; returns its records.
int TablaAtvetel(Kapcsolat& k, const QString& fajl, const ParadoxTabla& t) {
    const QString alap = QFileInfo(fajl).completeBaseName();
    const Sema::Tabla* sema = Sema::TablaNevvel(alap);
    const QString tabla = sema ? sema->nev : alap;

    // The columns: the schema's name and type where it knows the field.
    QList<const Sema::Oszlop*> semaOszlopok;
    QStringList nevek, definiciok;
    QString autoInc;
    for (const ParadoxTabla::Mezo& m : t.mezok) {
        const Sema::Oszlop* o = nullptr;
        if (sema)
            for (const Sema::Oszlop& so : sema->oszlopok)
                if (so.nev.compare(m.nev, Qt::CaseInsensitive) == 0)
                    o = &so;
        semaOszlopok << o;
        const QString nev = o ? o->nev : m.nev;
        nevek << nev;
        if (o && o->tipus == Sema::Tipus::AutoInc)
            autoInc = nev;
        definiciok << (o ? nev + QLatin1Char(' ') + Sema::TipusSql(*o)
                         : SqlNev(nev) + QLatin1Char(' ') + SajatTipus(m));
    }
    if (sema) {
        // The schema's key when the table has all of its columns (an AUTOINC
        // column is the key by itself).
        bool mind = true;
        for (const QString& kulcs : sema->kulcs)
            mind = mind && nevek.contains(kulcs, Qt::CaseInsensitive);
        if (mind && !(sema->kulcs.size() == 1 && sema->kulcs.first() == autoInc))
            definiciok
                << QStringLiteral("PRIMARY KEY (%1)").arg(sema->kulcs.join(QLatin1Char(',')));
    }
    k.sql(QStringLiteral("CREATE TABLE %1 (%2)")
              .arg(sema ? tabla : SqlNev(tabla), definiciok.join(QStringLiteral(", "))));

    QStringList jelek, oszlopok;
    for (const QString& n : nevek) {
        oszlopok << SqlNev(n);
        jelek << QStringLiteral("?");
    }
    QSqlQuery q(k.db());
    if (!q.prepare(
            QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                .arg(SqlNev(tabla), oszlopok.join(QLatin1Char(',')), jelek.join(QLatin1Char(',')))))
        throw AdatbazisHiba(MotorUzenet(q.lastError()));
    qint64 legnagyobb = 0;
    for (const QVector<QVariant>& sor : t.sorok) {
        for (qsizetype i = 0; i < sor.size(); ++i) {
            const Sema::Oszlop* o = semaOszlopok.at(i);
            const QVariant v = o ? SemaErtek(sor.at(i), o->tipus) : SajatErtek(sor.at(i));
            q.bindValue(int(i), v);
            if (o && o->nev == autoInc)
                legnagyobb = qMax(legnagyobb, v.toLongLong());
        }
        if (!q.exec())
            throw AdatbazisHiba(MotorUzenet(q.lastError()));
    }
    // Keys are never given again: the counter goes past the highest key and
    // past the old table's own counter.
    if (!autoInc.isEmpty())
        k.kulcsSzamlalo(tabla, qMax(legnagyobb, t.autoinc - 1));
    return int(t.sorok.size());
}

} // namespace

QStringList Atvetel::Tablak(const QString& mappa) {
    QStringList t;
    for (const QFileInfo& f : QDir(mappa).entryInfoList(QDir::Files, QDir::Name | QDir::IgnoreCase))
        if (f.suffix().compare(QLatin1String("db"), Qt::CaseInsensitive) == 0)
            t << f.fileName();
    return t;
}

bool Atvetel::Szukseges(const QString& mappa) {
    return !QFileInfo::exists(SqliteMotor::AdatFajl(mappa)) && !Tablak(mappa).isEmpty();
}

QList<QPair<QString, int>> Atvetel::Vegrehajt(const QString& mappa, Kijelzo& kijelzo) {
    const QStringList tablak = Tablak(mappa);
    const QString cel = SqliteMotor::AdatFajl(mappa);
    const QString ideiglenes = cel + QStringLiteral(".atvetel");
    auto takarit = [&] {
        QFile::remove(ideiglenes);
        QFile::remove(ideiglenes + QStringLiteral("-journal"));
    };
    takarit();
    QList<QPair<QString, int>> darabok;
    QString fajl;
    try {
        Kapcsolat k(QStringLiteral("Pelvano_Atvetel"));
        k.letrehoz(ideiglenes);
        k.tranzakcioKezd();
        kijelzo.maximum(int(tablak.size()) + 1);
        for (const QString& f : tablak) {
            fajl = f;
            kijelzo.lepes();
            kijelzo.allapot(QStringLiteral("Átvétel: ") + f);
            const ParadoxTabla t = ParadoxTabla::Olvas(QDir(mappa).filePath(f));
            darabok.append({f, TablaAtvetel(k, f, t)});
        }
        fajl.clear();
        k.tranzakcioVege();
        k.zar();
    } catch (const PelvanoHiba& h) {
        takarit();
        kijelzo.alaphelyzet();
        kijelzo.allapot(QString());
        throw PelvanoHiba(QStringLiteral("Hiba az átvétel közben:\r\n") +
                          (fajl.isEmpty() ? QString() : fajl + QStringLiteral(": ")) + h.uzenet());
    }
    if (QFileInfo::exists(cel) || !QFile::rename(ideiglenes, cel)) {
        takarit();
        throw PelvanoHiba(QStringLiteral("Hiba az átvétel közben:\r\n") + cel);
    }
    kijelzo.alaphelyzet();
    kijelzo.allapot(QString());
    return darabok;
}

QString Atvetel::Osszegzes(const QList<QPair<QString, int>>& darabok) {
    QStringList sorok{QStringLiteral("A régi adatbázis átvétele kész. Átvett rekordok:")};
    for (const auto& [fajl, db] : darabok)
        sorok << QStringLiteral("%1: %2").arg(fajl).arg(db);
    return sorok.join(QStringLiteral("\r\n"));
}
