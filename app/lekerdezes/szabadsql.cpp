#include "lekerdezes/szabadsql.h"

#include "eredmenytar.h"
#include "kapcsolat.h"
#include "seged.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QStringDecoder>

using namespace SzovegExportFormatum;

// ---------------------------------------------------------------- SzabadSql

bool SzabadSql::Lekerdezes(const QString& utasitas) {
    return utasitas.trimmed().toUpper().startsWith(QLatin1String("SELECT"));
}

SzabadSql::Futas SzabadSql::Futtat(Kapcsolat& k, SqlEredmenyModell& eredmeny,
                                   const QString& utasitas) {
    eredmeny.zar();
    if (Lekerdezes(utasitas)) {
        eredmeny.nyit(k, utasitas);
        return Futas::Lekerdezes;
    }
    k.sql(utasitas);
    return Futas::Parancs;
}

QString SzabadSql::Mappa() {
    const QString mappa = Seged::ProgramUtvonal(QStringLiteral("SQL"));
    return QDir(mappa).exists() ? mappa : QString();
}

QStringList SzabadSql::Sorok(const QString& szoveg) {
    QString s = szoveg;
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    s.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    if (s.isEmpty())
        return {};
    if (s.endsWith(QLatin1Char('\n')))
        s.chop(1);
    return s.split(QLatin1Char('\n'));
}

QStringList SzabadSql::FajlOlvas(const QString& fajl) {
    if (fajl.contains(QChar(0)))
        throw PelvanoHiba(qt_error_string(EINVAL));
    QFile f(fajl);
    if (!f.open(QIODevice::ReadOnly))
        throw PelvanoHiba(f.errorString());
    const QByteArray tartalom = f.readAll();
    if (f.error() != QFileDevice::NoError)
        throw PelvanoHiba(f.errorString());
    QStringDecoder dekoder("windows-1250");
    return Sorok(dekoder.decode(tartalom));
}

void SzabadSql::FajlIras(const QString& fajl, const QStringList& sorok) {
    QByteArray tartalom;
    for (const QString& sor : sorok) {
        Cp1250Hozzafuz(tartalom, sor);
        tartalom.append("\r\n");
    }
    SzovegExportFormatum::FajlIras(fajl, tartalom);
}

// ---------------------------------------------------------------- SqlEredmenyModell

namespace {

// The rows of the store: read once as the store holds them where it can
// give them so, otherwise a large block at a time.
class TarForras : public ExportForras {
public:
    TarForras(EredmenyTar& tar, int sorSzam, QStringList nevek, QList<OszlopFajta> fajtak)
        : m_tar(tar), m_sorSzam(sorSzam), m_nevek(std::move(nevek)), m_fajtak(std::move(fajtak)) {}
    int oszlopSzam() const override { return int(m_nevek.size()); }
    QString nev(int oszlop) const override { return m_nevek.value(oszlop); }
    OszlopFajta fajta(int oszlop) const override {
        return m_fajtak.value(oszlop, OszlopFajta::Szoveg);
    }
    int sorSzam() const override { return m_sorSzam; }
    bool elso() override {
        m_sor = -1;
        m_blokkEleje = 0;
        m_blokk.clear();
        m_olvaso = m_tar.olvaso();
        return kovetkezo();
    }
    bool kovetkezo() override {
        ++m_sor;
        if (m_sor >= m_sorSzam)
            return false;
        if (m_olvaso)
            return m_olvaso->kovetkezo();
        const int n = oszlopSzam();
        if (m_sor >= m_blokkEleje + m_blokk.size() / qMax(1, n)) {
            m_blokkEleje = m_sor;
            m_blokk.clear();
            m_tar.sorok(m_sor, Blokk, [&](const QVariant* e) {
                for (int i = 0; i < n; ++i)
                    m_blokk.append(e[i]);
            });
        }
        return m_sor < m_blokkEleje + m_blokk.size() / qMax(1, n);
    }
    QVariant ertek(int oszlop) const override {
        if (m_olvaso)
            return m_olvaso->ertek(oszlop).valtozo();
        return m_blokk.value(qsizetype(m_sor - m_blokkEleje) * oszlopSzam() + oszlop);
    }
    bool nyers(int oszlop, NyersErtek& e) const override {
        if (!m_olvaso)
            return false;
        e = m_olvaso->ertek(oszlop);
        return true;
    }

private:
    static constexpr int Blokk = 4096;
    EredmenyTar& m_tar;
    int m_sorSzam;
    QStringList m_nevek;
    QList<OszlopFajta> m_fajtak;
    int m_sor = -1;
    int m_blokkEleje = 0;
    QVector<QVariant> m_blokk;
    std::unique_ptr<SorOlvaso> m_olvaso;
};

} // namespace

std::unique_ptr<ExportForras> SqlEredmenyModell::exportForras() const {
    if (!m_tar)
        return nullptr;
    return std::make_unique<TarForras>(*m_tar, m_sorSzam, m_nevek, m_fajtak);
}

SqlEredmenyModell::SqlEredmenyModell(QObject* szulo) : QAbstractTableModel(szulo) {
    m_idozito.setSingleShot(true);
    m_idozito.setInterval(0);
    connect(&m_idozito, &QTimer::timeout, this, &SqlEredmenyModell::tovabbOlvas);
}

SqlEredmenyModell::~SqlEredmenyModell() = default;

void SqlEredmenyModell::nyit(Kapcsolat& k, const QString& utasitas) {
    zar();
    std::unique_ptr<EredmenyTar> tar = k.eredmeny(utasitas);
    tar->olvas(ElsoResz); // an error of the first rows leaves nothing open

    const QStringList nevek = tar->nevek();
    const QStringList tablak = tar->eredetiTablak();
    const QStringList oszlopok = tar->eredetiOszlopok();
    QVector<QVariant> elso(nevek.size());
    if (tar->sorSzam() > 0)
        tar->sorok(0, 1, [&](const QVariant* e) { std::copy(e, e + elso.size(), elso.begin()); });
    QList<OszlopFajta> fajtak;
    for (qsizetype i = 0; i < nevek.size(); ++i) {
        const OszlopFajta ertekSzerint = ErtekFajta(elso.at(i));
        fajtak << (tablak.value(i).isEmpty()
                       ? ertekSzerint
                       : SemaFajta({tablak.at(i)}, oszlopok.value(i), ertekSzerint));
    }

    beginResetModel();
    m_tar = std::move(tar);
    m_nevek = nevek;
    m_fajtak = fajtak;
    m_blokkok.clear();
    m_sorSzam = m_tar->sorSzam();
    endResetModel();
    m_jelzes.start();
    if (!m_tar->kesz())
        m_idozito.start();
}

void SqlEredmenyModell::zar() {
    m_idozito.stop();
    if (!m_tar && m_nevek.isEmpty())
        return;
    beginResetModel();
    m_tar.reset();
    m_nevek.clear();
    m_fajtak.clear();
    m_blokkok.clear();
    m_sorSzam = 0;
    endResetModel();
}

bool SqlEredmenyModell::kesz() const {
    return !m_tar || m_tar->kesz();
}

void SqlEredmenyModell::tovabbOlvas() {
    if (!m_tar || m_tar->kesz())
        return;
    QString hiba;
    QElapsedTimer ido;
    ido.start();
    try {
        while (!m_tar->kesz() && ido.elapsed() < ReszIdoMs)
            m_tar->olvas(Blokk);
    } catch (const AdatbazisHiba& h) {
        hiba = h.uzenet();
    }
    if (!hiba.isEmpty()) {
        zar();
        emit olvasasiHiba(hiba);
        return;
    }
    // Telling the grid of new rows costs more than reading them: it is told
    // a few times a second and at the end.
    if (m_tar->kesz() || m_jelzes.elapsed() >= JelzesIdoMs)
        ujSorok();
    if (!m_tar->kesz())
        m_idozito.start();
}

void SqlEredmenyModell::ujSorok() {
    const int utana = m_tar->sorSzam();
    if (utana > m_sorSzam) {
        // The block that held the former last rows is read again in full.
        m_blokkok.remove(m_sorSzam / Blokk);
        beginInsertRows(QModelIndex(), m_sorSzam, utana - 1);
        m_sorSzam = utana;
        endInsertRows();
    }
    m_jelzes.start();
}

void SqlEredmenyModell::mindetBeolvas() {
    if (!m_tar)
        return;
    m_idozito.stop();
    try {
        while (!m_tar->kesz())
            m_tar->olvas(10000);
    } catch (const AdatbazisHiba&) {
        zar();
        throw;
    }
    ujSorok();
}

int SqlEredmenyModell::rowCount(const QModelIndex& szulo) const {
    return szulo.isValid() ? 0 : m_sorSzam;
}

int SqlEredmenyModell::columnCount(const QModelIndex& szulo) const {
    return szulo.isValid() ? 0 : int(m_nevek.size());
}

const QVector<QVariant>& SqlEredmenyModell::sor(int hely) const {
    static const QVector<QVariant> ures;
    const int b = hely / Blokk;
    auto it = m_blokkok.constFind(b);
    if (it == m_blokkok.constEnd()) {
        // A bounded number of blocks is kept: enough for any screen and for
        // walking the result from top to bottom.
        if (m_blokkok.size() >= 64)
            m_blokkok.clear();
        QVector<QVector<QVariant>> sorok;
        sorok.reserve(Blokk);
        const int n = int(m_nevek.size());
        try {
            m_tar->sorok(b * Blokk, Blokk,
                         [&](const QVariant* e) { sorok.append(QVector<QVariant>(e, e + n)); });
        } catch (const AdatbazisHiba&) {
            // The store is the engine's own temporary table; a row that
            // cannot be read shows empty.
        }
        it = m_blokkok.insert(b, sorok);
    }
    const int i = hely - b * Blokk;
    return i < it->size() ? it->at(i) : ures;
}

QVariant SqlEredmenyModell::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || !m_tar || index.row() >= m_sorSzam)
        return {};
    const OszlopFajta fajta = m_fajtak.value(index.column(), OszlopFajta::Szoveg);
    if (role == Qt::TextAlignmentRole)
        return fajta == OszlopFajta::Egesz || fajta == OszlopFajta::Tort
                   ? QVariant(Qt::AlignRight | Qt::AlignVCenter)
                   : QVariant();
    if (role != Qt::DisplayRole && role != Qt::EditRole)
        return {};
    const QVariant v = sor(index.row()).value(index.column());
    if (role == Qt::EditRole)
        return v;
    return Szoveg(v, fajta);
}

QVariant SqlEredmenyModell::headerData(int section, Qt::Orientation o, int role) const {
    if (o == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < m_nevek.size())
        return m_nevek.at(section);
    return QAbstractTableModel::headerData(section, o, role);
}
