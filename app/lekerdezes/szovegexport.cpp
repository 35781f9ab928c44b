#include "lekerdezes/szovegexport.h"

#include "hiba.h"
#include "kapcsolat.h"
#include "seged.h"
#include "sema.h"
#include "tervlista.h"

#include <QAbstractItemModel>
#include <QDateTime>
#include <QFile>
#include <QLocale>
#include <QSaveFile>
#include <QSqlError>
#include <QSqlField>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringDecoder>
#include <array>
#include <cerrno>

namespace SzovegExportFormatum {

namespace {

struct Tabla1250 {
    std::array<unsigned char, 65536> bajt{};
    std::array<bool, 65536> van{};
    Tabla1250() {
        QStringDecoder dek("windows-1250");
        for (int b = 0; b < 256; ++b) {
            const char c = char(b);
            const QString s = dek.decode(QByteArrayView(&c, 1));
            if (s.size() != 1 || s.at(0) == QChar(QChar::ReplacementCharacter))
                continue;
            const char16_t u = s.at(0).unicode();
            if (!van[u]) {
                van[u] = true;
                bajt[u] = static_cast<unsigned char>(b);
            }
        }
        // The code page is a superset of ASCII whatever the converter says.
        for (int b = 0; b < 128; ++b) {
            van[b] = true;
            bajt[b] = static_cast<unsigned char>(b);
        }
    }
};

const Tabla1250& tabla1250() {
    static const Tabla1250 t;
    return t;
}

} // namespace

void Cp1250Hozzafuz(QByteArray& cel, const QString& szoveg) {
    const Tabla1250& t = tabla1250();
    const qsizetype n = szoveg.size();
    const QChar* p = szoveg.constData();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t u = p[i].unicode();
        if (t.van[u]) {
            cel.append(char(t.bajt[u]));
            continue;
        }
        // A character outside the code page (a pair of surrogates is one).
        if (QChar::isHighSurrogate(u) && i + 1 < n && QChar::isLowSurrogate(p[i + 1].unicode()))
            ++i;
        cel.append('?');
    }
}

QByteArray Cp1250(const QString& szoveg) {
    QByteArray b;
    b.reserve(szoveg.size());
    Cp1250Hozzafuz(b, szoveg);
    return b;
}

QString Jelolt(const QString& ertek, const QString& jelolo) {
    if (jelolo.isEmpty() || !ertek.contains(jelolo))
        return ertek;
    return QString(ertek).replace(jelolo, jelolo + jelolo);
}

QByteArray HataroltSorok(ExportForras& forras, const HataroltBeallitas& b,
                         const std::function<bool(int)>& lepes) {
    QList<int> oszlopok;
    for (int i = 0; i < forras.oszlopSzam(); ++i)
        if (i >= b.oszlopok.size() || b.oszlopok.at(i))
            oszlopok.append(i);
    QList<OszlopFajta> fajtak;
    for (int o : oszlopok)
        fajtak.append(forras.fajta(o));

    const QByteArray s = Cp1250(b.hatarolo);
    const QByteArray q = Cp1250(b.jelolo);
    const QByteArray blob = QByteArrayLiteral("BLOB");
    QByteArray ki;
    auto ertekIr = [&](const QString& ertek) {
        ki.append(q);
        Cp1250Hozzafuz(ki, Jelolt(ertek, b.jelolo));
        ki.append(q);
        ki.append(s);
    };
    for (int o : oszlopok)
        ertekIr(forras.felirat(o));
    ki.append("\r\n");

    int kesz = 0;
    for (bool van = forras.elso(); van; van = forras.kovetkezo()) {
        if (lepes && !lepes(kesz))
            break;
        for (qsizetype i = 0; i < oszlopok.size(); ++i) {
            const OszlopFajta f = fajtak.at(i);
            if (f == OszlopFajta::Memo || f == OszlopFajta::Blob) {
                ki.append(q);
                ki.append(blob);
                ki.append(q);
                ki.append(s);
            } else {
                ertekIr(Szoveg(forras.ertek(oszlopok.at(i)), f));
            }
        }
        ki.append("\r\n");
        ++kesz;
    }
    return ki;
}

void FajlIras(const QString& fajl, const QByteArray& tartalom) {
    // No file system takes a name with a null character; Qt's file classes
    // would only warn about it.
    if (fajl.contains(QChar(0)))
        throw PelvanoHiba(qt_error_string(EINVAL));
    QSaveFile f(fajl);
    if (!f.open(QIODevice::WriteOnly))
        throw PelvanoHiba(f.errorString());
    if (f.write(tartalom) != tartalom.size()) {
        const QString hiba = f.errorString();
        f.cancelWriting();
        throw PelvanoHiba(hiba);
    }
    if (!f.commit())
        throw PelvanoHiba(f.errorString());
}

} // namespace SzovegExportFormatum

using namespace SzovegExportFormatum;

// --- QueryForras

namespace {

// Runs a query again from its start: a prepared one with its bound values,
// one run from its text (which not every driver can repeat by itself) from
// that text.
bool UjraFuttat(QSqlQuery& q) {
    return q.boundValues().isEmpty() ? q.exec(q.lastQuery()) : q.exec();
}

} // namespace

QueryForras::QueryForras(QSqlQuery& query, QHash<QString, QString> feliratok)
    : m_q(query), m_feliratok(std::move(feliratok)) {
    const QSqlRecord r = query.record();
    for (int i = 0; i < r.count(); ++i) {
        const QSqlField f = r.field(i);
        m_nevek.append(f.name());
        const OszlopFajta tipus = Ertek::TipusFajta(QMetaType::Type(f.metaType().id()));
        m_fajtak.append(f.tableName().isEmpty() ? tipus
                                                : SemaFajta({f.tableName()}, f.name(), tipus));
    }
}

int QueryForras::oszlopSzam() const {
    return int(m_nevek.size());
}

QString QueryForras::nev(int oszlop) const {
    return m_nevek.value(oszlop);
}

QString QueryForras::felirat(int oszlop) const {
    const QString n = nev(oszlop);
    return m_feliratok.value(n.toLower(), n);
}

OszlopFajta QueryForras::fajta(int oszlop) const {
    return m_fajtak.value(oszlop, OszlopFajta::Szoveg);
}

int QueryForras::sorSzam() const {
    return m_q.size();
}

bool QueryForras::elso() {
    // A query read forward only is run again to stand before its first row.
    if (m_q.isForwardOnly() && m_q.at() != QSql::BeforeFirstRow)
        UjraFuttat(m_q);
    return m_q.isForwardOnly() ? m_q.next() : m_q.first();
}

bool QueryForras::kovetkezo() {
    return m_q.next();
}

QVariant QueryForras::ertek(int oszlop) const {
    return m_q.value(oszlop);
}

// --- ModellForras

ModellForras::ModellForras(QAbstractItemModel& modell, QStringList nevek, QList<OszlopFajta> fajtak)
    : m_m(modell), m_nevek(std::move(nevek)), m_fajtak(std::move(fajtak)) {
    const int n = modell.columnCount();
    for (int i = int(m_nevek.size()); i < n; ++i)
        m_nevek.append(felirat(i));
    if (m_fajtak.size() < n && modell.rowCount() > 0)
        for (int i = int(m_fajtak.size()); i < n; ++i)
            m_fajtak.append(ErtekFajta(modell.data(modell.index(0, i), Qt::EditRole)));
}

int ModellForras::oszlopSzam() const {
    return m_m.columnCount();
}

QString ModellForras::nev(int oszlop) const {
    return m_nevek.value(oszlop);
}

QString ModellForras::felirat(int oszlop) const {
    const QString f = m_m.headerData(oszlop, Qt::Horizontal, Qt::DisplayRole).toString();
    return f.isEmpty() ? m_nevek.value(oszlop) : f;
}

OszlopFajta ModellForras::fajta(int oszlop) const {
    return m_fajtak.value(oszlop, OszlopFajta::Szoveg);
}

int ModellForras::sorSzam() const {
    return m_m.rowCount();
}

bool ModellForras::elso() {
    m_sor = 0;
    while (m_m.rowCount() == 0 && m_m.canFetchMore(QModelIndex()))
        m_m.fetchMore(QModelIndex());
    return m_sor < m_m.rowCount();
}

bool ModellForras::kovetkezo() {
    ++m_sor;
    if (m_sor >= m_m.rowCount() && m_m.canFetchMore(QModelIndex()))
        m_m.fetchMore(QModelIndex());
    return m_sor < m_m.rowCount();
}

QVariant ModellForras::ertek(int oszlop) const {
    return m_m.data(m_m.index(m_sor, oszlop), Qt::EditRole);
}

std::unique_ptr<ModellForras> TervListaForras(TervListaModell& modell) {
    static const QStringList tablak{QStringLiteral("terv"),       QStringLiteral("tipus"),
                                    QStringLiteral("ugyfel"),     QStringLiteral("tervezo"),
                                    QStringLiteral("szakag"),     QStringLiteral("tervfajta"),
                                    QStringLiteral("tervszakasz")};
    QStringList nevek;
    QList<OszlopFajta> fajtak;
    for (int i = 0; i < modell.columnCount(); ++i) {
        nevek.append(modell.mezoNev(i));
        fajtak.append(SemaFajta(tablak, modell.mezoNev(i)));
    }
    return std::make_unique<ModellForras>(modell, nevek, fajtak);
}

// --- SzovegExport

namespace {

// Puts the query back where it was found, open or closed, on its former row.
class QueryVisszaallit {
public:
    QueryVisszaallit(QSqlQuery& q, bool nyitottuk, bool eloreOlvaso)
        : m_q(q), m_nyitottuk(nyitottuk), m_eloreOlvaso(eloreOlvaso), m_hely(q.at()) {}
    ~QueryVisszaallit() {
        if (m_nyitottuk) {
            m_q.finish();
            m_q.setForwardOnly(m_eloreOlvaso);
            return;
        }
        if (m_hely == m_q.at())
            return;
        if (m_q.isForwardOnly() && (m_q.at() > m_hely || m_q.at() == QSql::AfterLastRow) &&
            m_hely != QSql::AfterLastRow)
            UjraFuttat(m_q);
        if (m_hely >= 0)
            m_q.seek(m_hely);
        else if (m_hely == QSql::BeforeFirstRow && !m_q.isForwardOnly())
            m_q.seek(-1);
    }
    int hely() const { return m_hely; }

private:
    QSqlQuery& m_q;
    bool m_nyitottuk;
    bool m_eloreOlvaso;
    int m_hely;
};

} // namespace

void SzovegExport(QSqlQuery& query, const QString& fajl, const QString& hatarolo) {
    bool nyitottuk = false;
    const bool eloreOlvaso = query.isForwardOnly();
    if (!query.isActive()) {
        // Opened here for one walk: no need to keep the rows for going back.
        query.setForwardOnly(true);
        if (!query.exec()) {
            const QString hiba = MotorUzenet(query.lastError());
            query.setForwardOnly(eloreOlvaso);
            throw AdatbazisHiba(hiba);
        }
        nyitottuk = true;
    }
    QueryVisszaallit visszaallit(query, nyitottuk, eloreOlvaso);
    QueryForras forras(query);
    SzovegExport(forras, fajl, hatarolo);
}

void SzovegExport(ExportForras& forras, const QString& fajl, const QString& hatarolo) {
    QFile f(fajl);
    const bool nulla = fajl.contains(QChar(0));
    if (nulla || !f.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        Seged::HibaAblak(QStringLiteral("File megnyitási hiba\r\n") +
                         (nulla ? qt_error_string(EINVAL) : f.errorString()));
        return;
    }
    const QByteArray s = Cp1250(hatarolo);
    QByteArray sor;
    auto sorIr = [&] {
        sor.append("\r\n");
        if (f.write(sor) != sor.size())
            throw PelvanoHiba(f.errorString());
        sor.clear();
    };
    for (int i = 0; i < forras.oszlopSzam(); ++i) {
        Cp1250Hozzafuz(sor, forras.nev(i));
        sor.append(s);
    }
    sorIr();
    for (bool van = forras.elso(); van; van = forras.kovetkezo()) {
        for (int i = 0; i < forras.oszlopSzam(); ++i) {
            Cp1250Hozzafuz(sor, Szoveg(forras.ertek(i), forras.fajta(i)));
            sor.append(s);
        }
        sorIr();
    }
    if (!f.flush())
        throw PelvanoHiba(f.errorString());
    f.close();
}
