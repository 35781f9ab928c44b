#include "kiadasnaplo.h"

#include "ertekszoveg.h"
#include "kapcsolat.h"

#include <algorithm>

namespace Kiadas {

QStringList NaploSql() {
    return {QStringLiteral("SELECT"),
            QStringLiteral(" tervkiad.*,"),
            QStringLiteral(" terv.tervszam,"),
            QStringLiteral(" terv.cim,"),
            QStringLiteral(" terv_sor.reszmuvelet"),
            QStringLiteral("FROM tervkiad"),
            QStringLiteral(" INNER JOIN terv ON (tervkiad.terv = terv.terv)"),
            QStringLiteral(" INNER JOIN terv_sor ON (tervkiad.terv = terv_sor.terv) AND "
                           "(tervkiad.sor = terv_sor.sor)"),
            QStringLiteral("ORDER BY 1;")};
}

QStringList NaploSql(const QString& feltetel) {
    QStringList sorok = NaploSql();
    sorok.insert(sorok.size() - 1, QStringLiteral("WHERE ") + feltetel);
    return sorok;
}

} // namespace Kiadas

QString KiadasSzuro::szoveg() const {
    QString s = QStringLiteral("(ezterv='%1')").arg(fajta);
    if (csakKint)
        s += QStringLiteral(" and (kint='I')");
    return s;
}

QString KiadasSzuro::feltetel() const {
    QString s = QStringLiteral("tervkiad.ezterv='%1'")
                    .arg(fajta == QLatin1Char('L') ? QLatin1Char('L') : QLatin1Char('T'));
    if (csakKint)
        s += QStringLiteral(" AND tervkiad.kint='I'");
    return s;
}

QString KiadasSzuro::sql() const {
    return Kiadas::NaploSql(feltetel()).join(QLatin1Char('\n'));
}

KiadasNaploModell::KiadasNaploModell(Kapcsolat& k, QObject* szulo)
    : QAbstractTableModel(szulo), m_k(k), m_olvaso(k, [](const QString& kulcsok) {
          return Kiadas::NaploSql(QStringLiteral("tervkiad.tervkiad IN (%1)").arg(kulcsok))
              .join(QLatin1Char('\n'));
      }) {}

namespace {
// The list's columns in order: field name and heading.
const QList<QPair<QString, QString>>& oszlopok() {
    static const QList<QPair<QString, QString>> o{
        {QStringLiteral("tervszam"), QStringLiteral("tervszám")},
        {QStringLiteral("sor"), QStringLiteral("sor")},
        {QStringLiteral("cim"), QStringLiteral("tárgy")},
        {QStringLiteral("reszmuvelet"), QStringLiteral("részművelet")},
        {QStringLiteral("dat_kiad"), QStringLiteral("kiadás")},
        {QStringLiteral("dat_vissza"), QStringLiteral("visszavét")},
        {QStringLiteral("kinek"), QStringLiteral("kinek")}};
    return o;
}
} // namespace

const QStringList& KiadasNaploModell::Mezok() {
    static const QStringList m = [] {
        QStringList l;
        for (const auto& [mezo, felirat] : oszlopok())
            l << mezo;
        return l;
    }();
    return m;
}

const QHash<QString, QString>& KiadasNaploModell::Feliratok() {
    static const QHash<QString, QString> f = [] {
        QHash<QString, QString> h;
        for (const auto& [mezo, felirat] : oszlopok())
            h.insert(mezo, felirat);
        return h;
    }();
    return f;
}

void KiadasNaploModell::nyit(QChar fajta) {
    beginResetModel();
    m_szuro = KiadasSzuro{fajta, false};
    m_kulcsok.clear();
    m_kint.clear();
    m_lathato.clear();
    m_olvaso.torol();
    try {
        QSqlDatabase db = m_k.db();
        // The rows of the log query, found without its joins: a record is
        // listed when its plan and its line exist. Three straight reads
        // (the plans and the lines in the order of their keys) and two
        // sorted arrays are many times quicker on a large log than
        // searching the plan and the line of every record, and stay so as
        // the log grows (the arrays are a fraction of a hash set's size).
        // The kind is the window's for its whole life: only its records
        // are read.
        QVector<int> tervek;
        m_k.motor().atolvas(db, QStringLiteral("SELECT terv FROM terv ORDER BY terv"),
                            {QStringLiteral("terv")},
                            [&tervek](const QVariant* v) { tervek.append(v[0].toInt()); });
        // Every plan that has lines, and the run of its line numbers.
        QVector<int> sorTervek, kezdet, sorok;
        m_k.motor().atolvas(db, QStringLiteral("SELECT terv, sor FROM terv_sor ORDER BY terv, sor"),
                            {QStringLiteral("terv"), QStringLiteral("sor")},
                            [&](const QVariant* v) {
                                if (v[0].isNull() || v[1].isNull())
                                    return;
                                const int terv = v[0].toInt();
                                if (sorTervek.isEmpty() || sorTervek.last() != terv) {
                                    sorTervek.append(terv);
                                    kezdet.append(int(sorok.size()));
                                }
                                sorok.append(v[1].toInt());
                            });
        kezdet.append(int(sorok.size()));
        const auto vanTerv = [&tervek](int terv) {
            const auto it = std::lower_bound(tervek.cbegin(), tervek.cend(), terv);
            return it != tervek.cend() && *it == terv;
        };
        // Records of the same plan follow one another mostly: the last
        // plan's run is kept.
        qsizetype utolso = -1;
        const auto vanSor = [&](int terv, int sor) {
            if (utolso < 0 || sorTervek.at(utolso) != terv) {
                const auto it = std::lower_bound(sorTervek.cbegin(), sorTervek.cend(), terv);
                if (it == sorTervek.cend() || *it != terv)
                    return false;
                utolso = it - sorTervek.cbegin();
            }
            const auto eleje = sorok.cbegin() + kezdet.at(utolso);
            const auto vege = sorok.cbegin() + kezdet.at(utolso + 1);
            return std::binary_search(eleje, vege, sor);
        };
        m_k.motor().atolvas(
            db,
            QStringLiteral("SELECT tervkiad, terv, sor, kint FROM tervkiad WHERE %1 ORDER BY "
                           "tervkiad")
                .arg(m_szuro.feltetel()),
            {QStringLiteral("tervkiad"), QStringLiteral("terv"), QStringLiteral("sor"),
             QStringLiteral("kint")},
            [&](const QVariant* v) {
                if (v[1].isNull() || v[2].isNull())
                    return;
                const int terv = v[1].toInt();
                if (!vanSor(terv, v[2].toInt()) || !vanTerv(terv))
                    return;
                m_kulcsok.append(v[0].toInt());
                m_kint.append(v[3].toString() == QLatin1String("I"));
            });
        QStringList oszlopok = m_k.oszlopok(QStringLiteral("tervkiad"));
        oszlopok << QStringLiteral("tervszam") << QStringLiteral("cim")
                 << QStringLiteral("reszmuvelet");
        m_oszlop.clear();
        for (int i = 0; i < oszlopok.size(); ++i)
            m_oszlop.insert(oszlopok.at(i).toLower(), i);
    } catch (...) {
        m_kulcsok.clear();
        m_kint.clear();
        endResetModel();
        throw;
    }
    m_lathato = m_kulcsok;
    endResetModel();
}

void KiadasNaploModell::setCsakKint(bool csakKint) {
    beginResetModel();
    m_szuro.csakKint = csakKint;
    if (!csakKint) {
        m_lathato = m_kulcsok;
    } else {
        m_lathato.clear();
        for (int i = 0; i < m_kulcsok.size(); ++i)
            if (m_kint.at(i))
                m_lathato.append(m_kulcsok.at(i));
    }
    endResetModel();
}

int KiadasNaploModell::rowCount(const QModelIndex& szulo) const {
    return szulo.isValid() ? 0 : int(m_lathato.size());
}

int KiadasNaploModell::columnCount(const QModelIndex& szulo) const {
    return szulo.isValid() ? 0 : int(Mezok().size());
}

QVariant KiadasNaploModell::ertek(int sor, const QString& mezo) const {
    const int oszlop = m_oszlop.value(mezo.toLower(), -1);
    if (oszlop < 0)
        return {};
    return m_olvaso.sor(m_lathato, sor).value(oszlop);
}

QVariant KiadasNaploModell::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= m_lathato.size() || role != Qt::DisplayRole)
        return {};
    const QString& mezo = Mezok().at(index.column());
    const QVariant v = ertek(index.row(), mezo);
    if (mezo.startsWith(QLatin1String("dat_")))
        return Ertek::Szoveg(v, OszlopFajta::Datum);
    return v;
}

QVariant KiadasNaploModell::headerData(int section, Qt::Orientation o, int role) const {
    if (o == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < Mezok().size())
        return Feliratok().value(Mezok().at(section));
    return QAbstractTableModel::headerData(section, o, role);
}
