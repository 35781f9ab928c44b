#include "tesztadat.h"

#include "kapcsolat.h"
#include "sema.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSqlField>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTest>

namespace Teszt {

int Szam(Kapcsolat& k, const QString& sql, const QVariantMap& parameterek) {
    QSqlQuery q = k.sql(sql, parameterek);
    return q.next() ? q.value(0).toInt() : -1;
}

QStringList Rekord(Kapcsolat& k, const QString& sql, const QStringList& mezok) {
    QSqlQuery q = k.sql(sql);
    if (!q.next())
        return {QStringLiteral("<none>")};
    QStringList l;
    for (const QString& m : mezok) {
        const QVariant v = q.value(m);
        l << m + QLatin1Char('=') + (v.isNull() ? QStringLiteral("-") : v.toString());
    }
    return l;
}

QStringList NevIndexek(Kapcsolat& k) {
    QSqlQuery q =
        k.sql(k.forras().szerveren()
                  ? QStringLiteral("SELECT indexname FROM pg_indexes WHERE schemaname = "
                                   "current_schema() AND indexname LIKE 'idx%' ORDER BY 1")
                  : QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'index' "
                                   "AND name LIKE 'idx%' ORDER BY 1"));
    QStringList l;
    while (q.next())
        l << q.value(0).toString();
    l.sort();
    return l;
}

QStringList Tartalom(Kapcsolat& k) {
    QStringList l;
    const auto tabla = [&](const QString& nev, QStringList oszlopok, const QString& sorrend) {
        // Columns made by hand beside the schema's, by name.
        QStringList sajat;
        const QSqlRecord r = k.db().record(k.tablaNev(nev));
        for (int i = 0; i < r.count(); ++i)
            if (!oszlopok.contains(r.fieldName(i), Qt::CaseInsensitive))
                sajat << r.fieldName(i).toLower();
        sajat.sort();
        oszlopok << sajat;
        l << QStringLiteral("== %1 (%2)")
                 .arg(nev.toLower(), oszlopok.join(QLatin1Char(',')).toLower());
        // A table the database lacks reads as empty, a column as null.
        QStringList van;
        for (const QString& o : oszlopok)
            if (r.contains(o))
                van << o;
        if (van.isEmpty())
            return;
        QStringList helyek;
        for (int i = 1; i <= van.size(); ++i)
            helyek << QString::number(i);
        QSqlDatabase db = k.db();
        k.motor().atolvas(db,
                          QStringLiteral("SELECT %1 FROM %2 ORDER BY %3")
                              .arg(van.join(QLatin1Char(',')), nev,
                                   sorrend.isEmpty() ? helyek.join(QLatin1Char(',')) : sorrend),
                          oszlopok, [&](const QVariant* e) {
                              QStringList sor;
                              for (int i = 0; i < oszlopok.size(); ++i)
                                  sor << (e[i].isNull() ? QStringLiteral("<null>")
                                          : e[i].typeId() == QMetaType::Bool
                                              ? QString::number(e[i].toInt())
                                              : e[i].toString());
                              l << sor.join(QLatin1Char('|'));
                          });
    };
    for (const Sema::Tabla& t : Sema::Tablak()) {
        QStringList oszlopok;
        for (const Sema::Oszlop& o : t.oszlopok)
            oszlopok << o.nev;
        tabla(t.nev, oszlopok, t.kulcs.join(QLatin1Char(',')));
    }
    // And the tables made by hand, by name.
    QStringList sajat;
    for (const QString& t : k.tablak())
        if (!Sema::TablaNevvel(t))
            sajat << t;
    sajat.sort(Qt::CaseInsensitive);
    for (const QString& t : sajat)
        tabla(t, {}, {});
    return l;
}

Tiltas::Tiltas(Kapcsolat& k, const QString& mikor, const QString& uzenet, const QString& feltetel)
    : m_k(k) {
    static int sorszam = 0;
    m_nev = QStringLiteral("pelvano_tilt_%1").arg(++sorszam);
    m_tabla = mikor.section(QStringLiteral(" ON "), 1).trimmed();
    QString u = uzenet;
    u.replace(QLatin1Char('\''), QStringLiteral("''"));
    if (k.forras().szerveren()) {
        k.sql(QStringLiteral("CREATE FUNCTION %1() RETURNS trigger LANGUAGE plpgsql AS $t$ BEGIN "
                             "RAISE EXCEPTION '%2'; END $t$")
                  .arg(m_nev, u));
        k.sql(QStringLiteral("CREATE TRIGGER %1 BEFORE %2 FOR EACH ROW %3 EXECUTE FUNCTION %1()")
                  .arg(m_nev, mikor,
                       feltetel.isEmpty() ? QString() : QStringLiteral("WHEN (%1)").arg(feltetel)));
    } else {
        k.sql(QStringLiteral("CREATE TRIGGER %1 BEFORE %2 %3 BEGIN SELECT RAISE(ABORT, '%4'); END")
                  .arg(m_nev, mikor,
                       feltetel.isEmpty() ? QString() : QStringLiteral("WHEN %1").arg(feltetel),
                       u));
    }
}

Tiltas::~Tiltas() {
    try {
        vege();
    } catch (...) {
    }
}

void Tiltas::vege() {
    if (m_nev.isEmpty())
        return;
    const QString nev = m_nev;
    m_nev.clear();
    if (m_k.forras().szerveren()) {
        m_k.sql(QStringLiteral("DROP TRIGGER %1 ON %2").arg(nev, m_tabla));
        m_k.sql(QStringLiteral("DROP FUNCTION %1()").arg(nev));
    } else {
        m_k.sql(QStringLiteral("DROP TRIGGER %1").arg(nev));
    }
}

QList<QMap<QString, QVariant>> Rekordok(Kapcsolat& k, const QString& sql,
                                        const QVariantMap& parameterek) {
    // The column of the table the engine names as its origin (the server
    // does), in the schema's spelling.
    const auto semaNev = [](const QString& tabla, const QString& nev) {
        if (const Sema::Tabla* t = tabla.isEmpty() ? nullptr : Sema::TablaNevvel(tabla))
            for (const Sema::Oszlop& o : t->oszlopok)
                if (o.nev.compare(nev, Qt::CaseInsensitive) == 0)
                    return o.nev;
        return nev;
    };
    QSqlQuery q = k.sql(sql, parameterek);
    const QSqlRecord r = q.record();
    QStringList nevek;
    for (int i = 0; i < r.count(); ++i)
        nevek << semaNev(r.field(i).tableName(), r.fieldName(i));
    QList<QMap<QString, QVariant>> l;
    while (q.next()) {
        QMap<QString, QVariant> sor;
        for (int i = 0; i < nevek.size(); ++i) {
            QVariant v = q.value(i);
            // A null is a null whatever type the engine gives it.
            if (v.isNull())
                v = QVariant();
            else if (v.typeId() == QMetaType::QDate)
                v = DatumSzoveg(v.toDate());
            else if (v.typeId() == QMetaType::QDateTime)
                v = DatumIdoSzoveg(v.toDateTime());
            sor.insert(nevek.at(i), v);
        }
        l << sor;
    }
    return l;
}

QString TaroltJelszo(Kapcsolat& k, const QString& nev) {
    QSqlQuery q = k.sql(QStringLiteral("SELECT jelszo FROM felhasznalo WHERE felhasznalo=:n"),
                        {{QStringLiteral("n"), nev}});
    return q.next() ? q.value(0).toString() : QStringLiteral("<none>");
}

QByteArray FajlTartalom(const QString& fajl) {
    QFile f(fajl);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArrayLiteral("<unreadable>");
}

bool FajlIr(const QString& fajl, const QByteArray& tartalom) {
    QFile f(fajl);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           f.write(tartalom) == tartalom.size();
}

void Gepel(QWidget* cel, const QString& szoveg) {
    for (const QChar c : szoveg)
        QTest::sendKeyEvent(QTest::Click, cel, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

QString PdfSzoveg(const QString& fajl, int lap) {
    QProcess p;
    QStringList arg{QStringLiteral("-layout")};
    if (lap > 0)
        arg << QStringLiteral("-f") << QString::number(lap) << QStringLiteral("-l")
            << QString::number(lap);
    arg << fajl << QStringLiteral("-");
    p.start(QStringLiteral("pdftotext"), arg);
    if (!p.waitForFinished(60000) || p.exitCode() != 0)
        return QStringLiteral("<pdftotext failed: %1>")
            .arg(QString::fromLocal8Bit(p.readAllStandardError()));
    return QString::fromUtf8(p.readAllStandardOutput());
}

int PdfLapok(const QString& fajl) {
    QProcess p;
    p.start(QStringLiteral("pdfinfo"), {fajl});
    p.waitForFinished(60000);
    const QString s = QString::fromUtf8(p.readAllStandardOutput());
    const QRegularExpressionMatch m =
        QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(s);
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

} // namespace Teszt
