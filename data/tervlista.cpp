#include "tervlista.h"

#include "kapcsolat.h"
#include "seged.h"

#include <QSqlQuery>
#include <QSqlRecord>

namespace TervLista {

QStringList Sql(const QString& rendezOszlop) {
    return {QStringLiteral("SELECT"),
            QStringLiteral("  terv.*,"),
            QStringLiteral("  tipus.tipus_nev,"),
            QStringLiteral("  ugyfel.ugyfel_nev,"),
            QStringLiteral("  ugyfel.kapcstarto,"),
            QStringLiteral("  tervezo.tervezo_nev,"),
            QStringLiteral("  szakag.szakag_nev,"),
            QStringLiteral("  tervfajta.tervfajta_nev,"),
            QStringLiteral("  tervszakasz.tervszakasz_nev"),
            QStringLiteral("FROM terv"),
            QStringLiteral("  LEFT OUTER JOIN tipus ON (terv.tipus = tipus.tipus)"),
            QStringLiteral("  LEFT OUTER JOIN ugyfel ON (terv.ugyfel = ugyfel.ugyfel)"),
            QStringLiteral("  LEFT OUTER JOIN tervezo ON (terv.tervezo = tervezo.tervezo)"),
            QStringLiteral("  LEFT OUTER JOIN szakag ON (terv.szakag = szakag.szakag)"),
            QStringLiteral("  LEFT OUTER JOIN tervfajta ON (terv.tervfajta = tervfajta.tervfajta)"),
            QStringLiteral(
                "  LEFT OUTER JOIN tervszakasz ON (terv.tervszakasz = tervszakasz.tervszakasz)"),
            QStringLiteral("ORDER BY ") + rendezOszlop + QLatin1Char(';')};
}

QString Cimke(const QString& mezo) {
    static const QHash<QString, QString> cimkek{
        {QStringLiteral("terv"), QStringLiteral("Terv")},
        {QStringLiteral("tervszam"), QStringLiteral("tervszám")},
        {QStringLiteral("cim"), QStringLiteral("tárgy")},
        {QStringLiteral("ugyfel"), QStringLiteral("ugyfel")},
        {QStringLiteral("helyszin"), QStringLiteral("helyszín")},
        {QStringLiteral("tipus"), QStringLiteral("tipus")},
        {QStringLiteral("levelezes"), QStringLiteral("levelezés")},
        {QStringLiteral("megjegyzes"), QStringLiteral("megjegyzés")},
        {QStringLiteral("datum"), QStringLiteral("dátum")},
        {QStringLiteral("tervezo"), QStringLiteral("tervezo")},
        {QStringLiteral("szakag"), QStringLiteral("szakag")},
        {QStringLiteral("tervfajta"), QStringLiteral("tervfajta")},
        {QStringLiteral("tervszakasz"), QStringLiteral("tervszakasz")},
        {QStringLiteral("tervjel"), QStringLiteral("tervjel")},
        {QStringLiteral("tipus_nev"), QStringLiteral("típus")},
        {QStringLiteral("ugyfel_nev"), QStringLiteral("ügyfél")},
        {QStringLiteral("kapcstarto"), QStringLiteral("kapcsolat")},
        {QStringLiteral("tervezo_nev"), QStringLiteral("tervező")},
        {QStringLiteral("szakag_nev"), QStringLiteral("szakág")},
        {QStringLiteral("tervfajta_nev"), QStringLiteral("terv.fajta")},
        {QStringLiteral("tervszakasz_nev"), QStringLiteral("terv.szakasz")},
        {QStringLiteral("szur"), QStringLiteral("szur")}};
    return cimkek.value(mezo.toLower(), mezo);
}

} // namespace TervLista

namespace {

// The result column of an order column ("terv.tervszam" -> "tervszam").
QString eredmenyOszlop(const QString& rendezOszlop) {
    const int pont = rendezOszlop.lastIndexOf(QLatin1Char('.'));
    return pont < 0 ? rendezOszlop : rendezOszlop.mid(pont + 1);
}

} // namespace

TervListaModell::TervListaModell(Kapcsolat& kapcsolat, QObject* szulo)
    : QAbstractTableModel(szulo), m_k(kapcsolat),
      m_olvaso(kapcsolat, [this](const QString& kulcsok) {
          QStringList sorok = TervLista::Sql(m_rendezOszlop);
          sorok.removeLast();
          sorok << QStringLiteral("WHERE terv.Terv IN (%1);").arg(kulcsok);
          return sorok.join(QLatin1Char('\n'));
      }) {}

void TervListaModell::nyit(const QString& rendezOszlop, bool szurt) {
    beginResetModel();
    m_nyitva = false;
    m_rendezOszlop = rendezOszlop;
    m_szurt = szurt;
    m_kulcsok.clear();
    m_rendezErtekek.clear();
    m_sorok.clear();
    m_olvaso.torol();
    try {
        QSqlDatabase db = m_k.db();
        const QStringList kellenek{QStringLiteral("Terv"), eredmenyOszlop(rendezOszlop),
                                   QStringLiteral("szur")};
        // The filter narrows the rows in the engine already, which is much
        // quicker than passing over the unmarked ones here.
        QStringList sorok = TervLista::Sql(rendezOszlop);
        if (szurt)
            sorok.insert(sorok.size() - 1, QStringLiteral("WHERE terv.szur='I'"));
        m_oszlopok = m_k.motor().atolvas(db, sorok.join(QLatin1Char('\n')), kellenek,
                                         [this, szurt](const QVariant* v) {
                                             if (szurt && v[2].toString() != QLatin1String("I"))
                                                 return;
                                             const int kulcs = v[0].toInt();
                                             m_sorok.insert(kulcs, int(m_kulcsok.size()));
                                             m_kulcsok.append(kulcs);
                                             m_rendezErtekek.append(v[1].toString());
                                         });
    } catch (...) {
        m_kulcsok.clear();
        m_rendezErtekek.clear();
        m_sorok.clear();
        endResetModel();
        throw;
    }
    m_nyitva = true;
    endResetModel();
}

void TervListaModell::zar() {
    beginResetModel();
    m_nyitva = false;
    m_kulcsok.clear();
    m_rendezErtekek.clear();
    m_sorok.clear();
    m_olvaso.torol();
    endResetModel();
}

int TervListaModell::rowCount(const QModelIndex& szulo) const {
    return szulo.isValid() ? 0 : int(m_kulcsok.size());
}

int TervListaModell::columnCount(const QModelIndex& szulo) const {
    return szulo.isValid() ? 0 : int(m_oszlopok.size());
}

int TervListaModell::oszlop(const QString& mezo) const {
    for (int i = 0; i < m_oszlopok.size(); ++i)
        if (m_oszlopok.at(i).compare(mezo, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

const QVector<QVariant>& TervListaModell::sorAdatai(int sor) const {
    return m_olvaso.sor(m_kulcsok, sor);
}

QVariant TervListaModell::ertek(int sor, const QString& mezo) const {
    const int o = oszlop(mezo);
    if (o < 0 || sor < 0 || sor >= m_kulcsok.size())
        return {};
    if (o == 0)
        return m_kulcsok.at(sor);
    return sorAdatai(sor).value(o);
}

QVariant TervListaModell::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= m_kulcsok.size())
        return {};
    if (role == Qt::DisplayRole || role == Qt::EditRole)
        return sorAdatai(index.row()).value(index.column());
    return {};
}

QVariant TervListaModell::headerData(int section, Qt::Orientation o, int role) const {
    if (o == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
        section < m_oszlopok.size())
        return TervLista::Cimke(m_oszlopok.at(section));
    return QAbstractTableModel::headerData(section, o, role);
}

int TervListaModell::keresEleje(const QString& eleje) const {
    for (int i = 0; i < m_rendezErtekek.size(); ++i)
        if (m_rendezErtekek.at(i).startsWith(eleje, Qt::CaseInsensitive))
            return i;
    return -1;
}
