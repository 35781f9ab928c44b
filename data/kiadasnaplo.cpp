#include "kiadasnaplo.h"

#include "ertekszoveg.h"
#include "kapcsolat.h"

#include <algorithm>
#include <utility>
#include <vector>

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

namespace {

// The plans of the register and the line numbers of each, for finding out
// whether a log record's plan and line exist. A plan is found by its key
// itself where the keys lie close together (as the key counter gives them),
// by halving the sorted keys otherwise; its lines 0 to 62 are the bits of one
// word, the rare higher numbers kept aside. A record thus costs one look at
// memory however large the register (halving arrays of every plan and line
// missed the processor's cache more and more as they grew).
class TervSorok {
public:
    // The keys of every plan, in order.
    explicit TervSorok(QVector<int> tervek) : m_tervek(std::move(tervek)) {
        if (m_tervek.isEmpty())
            return;
        m_min = m_tervek.first();
        const qint64 tartomany = qint64(m_tervek.last()) - m_min + 1;
        m_kozvetlen = tartomany <= 4 * qint64(m_tervek.size()) + (1 << 16);
        if (m_kozvetlen) {
            m_sorok.assign(size_t(tartomany), 0);
            for (int t : std::as_const(m_tervek))
                m_sorok[size_t(qint64(t) - m_min)] = VanTerv;
            m_tervek.clear();
        } else {
            m_sorok.assign(size_t(m_tervek.size()), VanTerv);
        }
    }
    // A line of a plan.
    void sor(int terv, int sor) {
        const qsizetype h = hely(terv);
        if (h < 0)
            return;
        if (sor >= 0 && sor < Kulon)
            m_sorok[size_t(h)] |= quint64(1) << sor;
        else
            m_kulon.push_back(Par(h, sor));
    }
    // After the last line.
    void vege() { std::sort(m_kulon.begin(), m_kulon.end()); }
    bool van(int terv, int sor) const {
        const qsizetype h = hely(terv);
        if (h < 0)
            return false;
        if (sor >= 0 && sor < Kulon)
            return m_sorok[size_t(h)] >> sor & 1;
        return std::binary_search(m_kulon.cbegin(), m_kulon.cend(), Par(h, sor));
    }

private:
    static constexpr int Kulon = 63; // line numbers from here on kept aside
    static constexpr quint64 VanTerv = quint64(1) << 63;
    static quint64 Par(qsizetype hely, int sor) { return quint64(hely) << 32 | quint32(sor); }

    // The place of a plan; -1 when there is no such plan.
    qsizetype hely(int terv) const {
        if (m_kozvetlen) {
            const qint64 h = qint64(terv) - m_min;
            return h >= 0 && h < qint64(m_sorok.size()) && m_sorok[size_t(h)] ? qsizetype(h) : -1;
        }
        const auto it = std::lower_bound(m_tervek.cbegin(), m_tervek.cend(), terv);
        return it != m_tervek.cend() && *it == terv ? it - m_tervek.cbegin() : -1;
    }

    QVector<int> m_tervek; // sorted, when not found directly
    bool m_kozvetlen = false;
    qint64 m_min = 0;
    std::vector<quint64> m_sorok; // per place: the plan's mark and its lines' bits
    std::vector<quint64> m_kulon; // place and number of the lines kept aside
};

} // namespace

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
        // (the plans and the lines in the order of their keys) and a
        // table of them are many times quicker on a large log than
        // searching the plan and the line of every record.
        // The kind is the window's for its whole life: only its records
        // are read.
        QVector<int> tervek;
        m_k.motor().atolvas(db, QStringLiteral("SELECT terv FROM terv ORDER BY terv"),
                            {QStringLiteral("terv")},
                            [&tervek](const QVariant* v) { tervek.append(v[0].toInt()); });
        TervSorok letezo(std::move(tervek));
        m_k.motor().atolvas(db, QStringLiteral("SELECT terv, sor FROM terv_sor ORDER BY terv, sor"),
                            {QStringLiteral("terv"), QStringLiteral("sor")},
                            [&letezo](const QVariant* v) {
                                if (!v[0].isNull() && !v[1].isNull())
                                    letezo.sor(v[0].toInt(), v[1].toInt());
                            });
        letezo.vege();
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
                if (!letezo.van(v[1].toInt(), v[2].toInt()))
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
