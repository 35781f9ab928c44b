#include "dialektus.h"

#include "sema.h"

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

// Splits a part of a statement at its commas outside parentheses and
// quotes; each piece with its place in the statement.
QList<QPair<qsizetype, QString>> vesszokNel(const QString& sql, qsizetype eleje, qsizetype vege) {
    QList<QPair<qsizetype, QString>> darabok;
    int melyseg = 0;
    qsizetype kezd = eleje;
    for (qsizetype i = eleje; i < vege; ++i) {
        const QChar c = sql.at(i);
        if (c == u'\'' || c == u'"') {
            const qsizetype j = sql.indexOf(c, i + 1);
            i = j < 0 || j >= vege ? vege - 1 : j;
        } else if (c == u'(') {
            ++melyseg;
        } else if (c == u')') {
            --melyseg;
        } else if (c == u',' && melyseg == 0) {
            darabok.append({kezd, sql.mid(kezd, i - kezd)});
            kezd = i + 1;
        }
    }
    darabok.append({kezd, sql.mid(kezd, vege - kezd)});
    return darabok;
}

// The pieces of a comma list outside parentheses and quotes, trimmed; an
// empty last piece (a list ending in a comma) is left out.
QStringList felsoSzintuElemek(const QString& torzs) {
    QStringList elemek;
    for (const auto& darab : vesszokNel(torzs, 0, torzs.size()))
        elemek << darab.second.trimmed();
    if (!elemek.isEmpty() && elemek.last().isEmpty())
        elemek.removeLast();
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

// A top-level word of a statement: its place and its text in upper case.
struct Szo {
    qsizetype hely;
    qsizetype hossz;
    QString nagy;
};

// The words outside quotes, comments and parentheses.
QList<Szo> felsoSzavak(const QString& sql) {
    QList<Szo> szavak;
    int melyseg = 0;
    const qsizetype n = sql.size();
    for (qsizetype i = 0; i < n;) {
        const QChar c = sql.at(i);
        if (c == u'\'' || c == u'"' || c == u'`' || c == u'[') {
            const QChar zaro = c == u'[' ? QChar(u']') : c;
            qsizetype j = i + 1;
            while (j < n && sql.at(j) != zaro)
                ++j;
            i = j + 1;
        } else if (c == u'-' && i + 1 < n && sql.at(i + 1) == u'-') {
            while (i < n && sql.at(i) != u'\n')
                ++i;
        } else if (c == u'/' && i + 1 < n && sql.at(i + 1) == u'*') {
            const qsizetype vege = sql.indexOf(QStringLiteral("*/"), i + 2);
            i = vege < 0 ? n : vege + 2;
        } else if (c == u'(') {
            ++melyseg;
            ++i;
        } else if (c == u')') {
            --melyseg;
            ++i;
        } else if (c.isLetter() || c == u'_') {
            qsizetype j = i;
            while (j < n && (sql.at(j).isLetterOrNumber() || sql.at(j) == u'_'))
                ++j;
            if (melyseg == 0)
                szavak.append({i, j - i, sql.mid(i, j - i).toUpper()});
            i = j;
        } else {
            ++i;
        }
    }
    return szavak;
}

// Whether the expression names a text column of the schema: "t.c" a column
// of the table t, "c" a column that is text in every table that has it.
bool szovegOszlop(const QString& kifejezes) {
    static const QRegularExpression nevMinta(
        QStringLiteral(R"re(^\s*(?:"?(\w+)"?\s*\.\s*)?"?(\w+)"?\s*$)re"));
    const auto m = nevMinta.match(kifejezes);
    if (!m.hasMatch())
        return false;
    const auto szoveg = [](const Sema::Oszlop& o) {
        return o.tipus == Sema::Tipus::Szoveg || o.tipus == Sema::Tipus::Memo;
    };
    const QString oszlop = m.captured(2);
    if (const Sema::Tabla* t = m.captured(1).isEmpty() ? nullptr : Sema::TablaNevvel(m.captured(1)))
        for (const Sema::Oszlop& o : t->oszlopok)
            if (o.nev.compare(oszlop, Qt::CaseInsensitive) == 0)
                return szoveg(o);
    bool talalt = false;
    for (const Sema::Tabla& t : Sema::Tablak())
        for (const Sema::Oszlop& o : t.oszlopok)
            if (o.nev.compare(oszlop, Qt::CaseInsensitive) == 0) {
                if (!szoveg(o))
                    return false;
                talalt = true;
            }
    return talalt;
}

} // namespace

QString MagyarSorrend(const QString& sql, const QString& kulcsFuggveny, const QString& utotag) {
    // Most statements order nothing: they are not read word by word.
    if (!sql.contains(QLatin1String("ORDER"), Qt::CaseInsensitive))
        return sql;
    const QList<Szo> szavak = felsoSzavak(sql);
    // Queries only: a view or trigger keeps no function of a connection.
    if (szavak.isEmpty() || (szavak.first().nagy != QLatin1String("SELECT") &&
                             szavak.first().nagy != QLatin1String("WITH")))
        return sql;
    bool osszetett = false;
    for (const Szo& s : szavak)
        osszetett = osszetett || s.nagy == QLatin1String("UNION") ||
                    s.nagy == QLatin1String("INTERSECT") || s.nagy == QLatin1String("EXCEPT");
    qsizetype rendez = -1; // the word ORDER of the last top-level ORDER BY
    for (qsizetype i = 0; i + 1 < szavak.size(); ++i)
        if (szavak.at(i).nagy == QLatin1String("ORDER") && szavak.at(i + 1).nagy == u"BY")
            rendez = i;
    if (rendez < 0)
        return sql;
    // The clause runs to LIMIT, OFFSET, the closing semicolon or the end.
    const qsizetype eleje = szavak.at(rendez + 1).hely + 2;
    qsizetype vege = sql.size();
    for (qsizetype i = rendez + 2; i < szavak.size(); ++i)
        if (szavak.at(i).nagy == QLatin1String("LIMIT") ||
            szavak.at(i).nagy == QLatin1String("OFFSET")) {
            vege = szavak.at(i).hely;
            break;
        }
    const qsizetype pontosvesszo = sql.indexOf(QLatin1Char(';'), eleje);
    if (pontosvesszo >= 0 && pontosvesszo < vege &&
        sql.mid(pontosvesszo + 1, vege - pontosvesszo - 1).trimmed().isEmpty())
        vege = pontosvesszo;

    // The select list, for items given by their place.
    QList<QPair<qsizetype, QString>> lista;
    for (qsizetype i = 0; i < rendez; ++i) {
        if (szavak.at(i).nagy != QLatin1String("SELECT"))
            continue;
        qsizetype listaEleje = szavak.at(i).hely + szavak.at(i).hossz;
        if (i + 1 < rendez &&
            (szavak.at(i + 1).nagy == QLatin1String("DISTINCT") || szavak.at(i + 1).nagy == u"ALL"))
            listaEleje = szavak.at(i + 1).hely + szavak.at(i + 1).hossz;
        for (qsizetype j = i + 1; j < rendez; ++j)
            if (szavak.at(j).nagy == QLatin1String("FROM")) {
                lista = vesszokNel(sql, listaEleje, szavak.at(j).hely);
                break;
            }
        break;
    }

    static const QRegularExpression vegMinta(
        QStringLiteral(R"(^(.*?)(\s+(?:ASC|DESC)\b.*|\s+NULLS\s+(?:FIRST|LAST)\b.*)?\s*$)"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression collate(QStringLiteral(R"(\bCOLLATE\b)"),
                                            QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression helyMinta(QStringLiteral(R"(^\s*(\d+)\s*$)"));
    QString eredmeny = sql;
    const QList<QPair<qsizetype, QString>> elemek = vesszokNel(sql, eleje, vege);
    // From the last item back, so that the earlier places stay valid.
    for (qsizetype i = elemek.size() - 1; i >= 0; --i) {
        const auto& [hely, elem] = elemek.at(i);
        if (elem.contains(collate))
            continue;
        const auto m = vegMinta.match(elem);
        const QString kifejezes = m.captured(1);
        QString nev = kifejezes;
        const auto h = helyMinta.match(kifejezes);
        const bool helySzerint = h.hasMatch();
        if (helySzerint) {
            const int sorszam = h.captured(1).toInt();
            if (sorszam < 1 || sorszam > lista.size())
                continue;
            // "expression AS alias" names the expression.
            nev = lista.at(sorszam - 1).second;
            static const QRegularExpression alias(
                QStringLiteral(R"(^(.*?)\s+(?:AS\s+)?"?\w+"?\s*$)"),
                QRegularExpression::CaseInsensitiveOption |
                    QRegularExpression::DotMatchesEverythingOption);
            if (!szovegOszlop(nev))
                if (const auto a = alias.match(nev); a.hasMatch())
                    nev = a.captured(1);
        }
        if (kifejezes.trimmed().isEmpty() || !szovegOszlop(nev))
            continue;
        if (helySzerint || osszetett || kulcsFuggveny.isEmpty()) {
            eredmeny.insert(hely + m.capturedEnd(1), utotag);
        } else {
            const QString tiszta = kifejezes.trimmed();
            const qsizetype kezd = hely + m.capturedStart(1) + kifejezes.indexOf(tiszta);
            eredmeny.replace(kezd, tiszta.size(),
                             kulcsFuggveny + QLatin1Char('(') + tiszta + QLatin1Char(')'));
        }
    }
    return eredmeny;
}

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
