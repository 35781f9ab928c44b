#include "kiadasnaplo.h"

#include "kapcsolat.h"
#include "kiadas.h"
#include "szovegexport.h"

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

namespace {
QStringList NaploSzurve(const QString& feltetel) {
    QStringList sorok = Kiadas::NaploSql();
    sorok.insert(sorok.size() - 1, QStringLiteral("WHERE ") + feltetel);
    return sorok;
}
} // namespace

KiadasNaploModell::KiadasNaploModell(Kapcsolat& k, QObject* szulo)
    : QAbstractTableModel(szulo), m_k(k), m_olvaso(k, [](const QString& kulcsok) {
          return NaploSzurve(QStringLiteral("tervkiad.tervkiad IN (%1)").arg(kulcsok))
              .join(QLatin1Char('\n'));
      }) {}

const QStringList& KiadasNaploModell::Mezok() {
    static const QStringList m{QStringLiteral("tervszam"), QStringLiteral("sor"),
                               QStringLiteral("cim"),      QStringLiteral("reszmuvelet"),
                               QStringLiteral("dat_kiad"), QStringLiteral("dat_vissza"),
                               QStringLiteral("kinek")};
    return m;
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
        // The kind is the window's for its whole life: only its records are
        // read.
        m_oszlopok = m_k.motor().atolvas(
            db, NaploSzurve(m_szuro.feltetel()).join(QLatin1Char('\n')),
            {QStringLiteral("tervkiad"), QStringLiteral("kint")}, [this](const QVariant* v) {
                m_kulcsok.append(v[0].toInt());
                m_kint.append(v[1].toString() == QLatin1String("I"));
            });
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
    int oszlop = -1;
    for (int i = 0; i < m_oszlopok.size(); ++i)
        if (m_oszlopok.at(i).compare(mezo, Qt::CaseInsensitive) == 0) {
            oszlop = i;
            break;
        }
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
        return SzovegExportFormatum::Szoveg(v, OszlopFajta::Datum);
    return v;
}

QVariant KiadasNaploModell::headerData(int section, Qt::Orientation o, int role) const {
    static const QStringList cimek{QStringLiteral("tervszám"), QStringLiteral("sor"),
                                   QStringLiteral("tárgy"),    QStringLiteral("részművelet"),
                                   QStringLiteral("kiadás"),   QStringLiteral("visszavét"),
                                   QStringLiteral("kinek")};
    if (o == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < cimek.size())
        return cimek.at(section);
    return QAbstractTableModel::headerData(section, o, role);
}
