#include "dialektus.h"

#include <QRegularExpression>
#include <QStringList>

namespace Dialektus {
namespace {

const QRegularExpression& createTableMinta() {
    static const QRegularExpression re(
        QStringLiteral(R"(^\s*CREATE\s+TABLE\s+("?[\w.]+"?)\s*\((.*)\)\s*;?\s*$)"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    return re;
}

const QRegularExpression& alterTableMinta() {
    static const QRegularExpression re(
        QStringLiteral(R"(^\s*ALTER\s+TABLE\s+("?[\w.]+"?)\s+ADD\s+(?:COLUMN\s+)?(.*?)\s*;?\s*$)"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    return re;
}

// Splits at commas that stand outside parentheses.
QStringList felsoSzintuElemek(const QString& torzs) {
    QStringList elemek;
    int melyseg = 0;
    QString aktualis;
    for (const QChar c : torzs) {
        if (c == QLatin1Char('('))
            ++melyseg;
        else if (c == QLatin1Char(')'))
            --melyseg;
        if (c == QLatin1Char(',') && melyseg == 0) {
            elemek << aktualis.trimmed();
            aktualis.clear();
        } else {
            aktualis += c;
        }
    }
    if (!aktualis.trimmed().isEmpty())
        elemek << aktualis.trimmed();
    return elemek;
}

QString nevTisztan(QString nev) {
    nev.remove(QLatin1Char('"'));
    if (nev.endsWith(QStringLiteral(".db"), Qt::CaseInsensitive))
        nev.chop(3);
    return nev;
}

// One column definition "name TYPE ..." with the local types mapped.
QString oszlopDefinicio(const QString& def, bool* autoInc) {
    static const QRegularExpression re(QStringLiteral(R"(^("?\w+"?)\s+(\w+)(.*)$)"),
                                       QRegularExpression::DotMatchesEverythingOption);
    const auto m = re.match(def);
    if (!m.hasMatch())
        return def;
    const QString nev = m.captured(1);
    const QString tipus = m.captured(2).toUpper();
    const QString maradek = m.captured(3);
    if (tipus == QLatin1String("AUTOINC")) {
        if (autoInc)
            *autoInc = true;
        return nev + QStringLiteral(" INTEGER PRIMARY KEY AUTOINCREMENT") + maradek;
    }
    if (tipus == QLatin1String("INT") || tipus == QLatin1String("SMALLINT") ||
        tipus == QLatin1String("INTEGER"))
        return nev + QStringLiteral(" INTEGER") + maradek;
    if (tipus == QLatin1String("MEMO"))
        return nev + QStringLiteral(" TEXT") + maradek;
    // CHAR(n), DATE, TIMESTAMP stay as declared: CHAR(n) has text affinity in
    // SQLite and keeps the width in the schema, where the width triggers
    // read it.
    return def;
}

} // namespace

QString SqliteSql(const QString& helyi) {
    if (const auto m = createTableMinta().match(helyi); m.hasMatch()) {
        const QString tabla = nevTisztan(m.captured(1));
        QStringList kimenet;
        QString autoIncOszlop;
        QStringList elemek = felsoSzintuElemek(m.captured(2));
        static const QRegularExpression pkMinta(QStringLiteral(R"(^PRIMARY\s+KEY\s*\((.*)\)$)"),
                                                QRegularExpression::CaseInsensitiveOption |
                                                    QRegularExpression::DotMatchesEverythingOption);
        QString pk;
        for (const QString& e : elemek) {
            if (const auto pm = pkMinta.match(e); pm.hasMatch()) {
                pk = pm.captured(1).trimmed();
                continue;
            }
            bool ai = false;
            kimenet << oszlopDefinicio(e, &ai);
            if (ai)
                autoIncOszlop = e.section(QRegularExpression(QStringLiteral("\\s+")), 0, 0);
        }
        if (!pk.isEmpty()) {
            QStringList pkOszlopok;
            for (const QString& o : pk.split(QLatin1Char(',')))
                pkOszlopok << o.trimmed();
            // An AUTOINC column is already the key; a key clause naming only
            // that column would be a second primary key for SQLite.
            const bool csakAutoInc =
                !autoIncOszlop.isEmpty() && pkOszlopok.size() == 1 &&
                nevTisztan(pkOszlopok.first())
                        .compare(nevTisztan(autoIncOszlop), Qt::CaseInsensitive) == 0;
            if (!csakAutoInc)
                kimenet << QStringLiteral("PRIMARY KEY (%1)")
                               .arg(pkOszlopok.join(QStringLiteral(", ")));
        }
        return QStringLiteral("CREATE TABLE %1 (%2)")
            .arg(tabla, kimenet.join(QStringLiteral(", ")));
    }
    if (const auto m = alterTableMinta().match(helyi); m.hasMatch()) {
        return QStringLiteral("ALTER TABLE %1 ADD COLUMN %2")
            .arg(nevTisztan(m.captured(1)), oszlopDefinicio(m.captured(2).trimmed(), nullptr));
    }
    return helyi;
}

QString SzerkezetValtoTabla(const QString& sql) {
    if (const auto m = createTableMinta().match(sql); m.hasMatch())
        return nevTisztan(m.captured(1));
    if (const auto m = alterTableMinta().match(sql); m.hasMatch())
        return nevTisztan(m.captured(1));
    return {};
}

} // namespace Dialektus
