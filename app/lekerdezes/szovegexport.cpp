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
#include <algorithm>
#include <array>
#include <cerrno>
#include <charconv>

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

namespace {

// UTF-8 bytes as windows-1250 bytes, as Cp1250Hozzafuz writes the text they
// hold (never more bytes than they are); false (nothing appended) for bytes
// that are not clean UTF-8, whose replacement characters are the text
// decoder's business.
bool Utf8Cp1250Hozzafuz(KiPuffer& cel, const char* adat, qsizetype hossz) {
    const Tabla1250& t = tabla1250();
    const auto* p = reinterpret_cast<const unsigned char*>(adat);
    const unsigned char* const vege = p + hossz;
    char* ki = cel.hely(hossz);
    auto folytatas = [](unsigned char b) { return (b & 0xC0) == 0x80; };
    while (p < vege) {
        const unsigned char b = *p;
        if (b < 0x80) {
            *ki++ = char(b);
            ++p;
            continue;
        }
        char32_t u;
        int n;
        if (b >= 0xC2 && b <= 0xDF) {
            n = 2;
            if (vege - p < 2 || !folytatas(p[1]))
                return false;
            u = char32_t(b & 0x1F) << 6 | (p[1] & 0x3F);
        } else if (b >= 0xE0 && b <= 0xEF) {
            n = 3;
            if (vege - p < 3 || !folytatas(p[1]) || !folytatas(p[2]))
                return false;
            u = char32_t(b & 0x0F) << 12 | char32_t(p[1] & 0x3F) << 6 | (p[2] & 0x3F);
            if (u < 0x800 || (u >= 0xD800 && u <= 0xDFFF))
                return false;
        } else if (b >= 0xF0 && b <= 0xF4) {
            n = 4;
            if (vege - p < 4 || !folytatas(p[1]) || !folytatas(p[2]) || !folytatas(p[3]))
                return false;
            u = char32_t(b & 0x07) << 18 | char32_t(p[1] & 0x3F) << 12 |
                char32_t(p[2] & 0x3F) << 6 | (p[3] & 0x3F);
            if (u < 0x10000 || u > 0x10FFFF)
                return false;
        } else {
            return false;
        }
        // Beyond the first plane (a pair of surrogates) there is no letter
        // of the code page.
        *ki++ = u < 0x10000 && t.van[u] ? char(t.bajt[u]) : '?';
        p += n;
    }
    cel.lep(ki);
    return true;
}

} // namespace

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

void KiPuffer::ketszerez(qsizetype tol, char c) {
    const qsizetype db = std::count(m_adat.constData() + tol, m_adat.constData() + m_hossz, c);
    if (db == 0)
        return;
    char* const vege = hely(db) + db; // the buffer may have moved
    char* const eleje = vege - db - m_hossz;
    char* ki = vege;
    for (char* p = eleje + m_hossz; p != eleje + tol;) {
        *--ki = *--p;
        if (*p == c)
            *--ki = c;
    }
    m_hossz += db;
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
    // A value's bytes are written straight when doubling the qualifier in
    // them is doubling it in the text: a qualifier of one ASCII character
    // that no character outside the code page turns into.
    const bool bajtonkent =
        b.jelolo.isEmpty() || (b.jelolo.size() == 1 && b.jelolo.at(0).unicode() < 0x80 &&
                               b.jelolo.at(0) != QLatin1Char('?'));
    KiPuffer ki;
    auto ertekIr = [&](const QString& ertek) {
        ki.tesz(q);
        ki.tesz(Cp1250(Jelolt(ertek, b.jelolo)));
        ki.tesz(q);
        ki.tesz(s);
    };
    for (int o : oszlopok)
        ertekIr(forras.felirat(o));
    ki.tesz("\r\n", 2);

    NyersIro iro;
    NyersErtek e;
    int kesz = 0;
    for (bool van = forras.elso(); van; van = forras.kovetkezo()) {
        if (lepes && !lepes(kesz))
            break;
        for (qsizetype i = 0; i < oszlopok.size(); ++i) {
            const OszlopFajta f = fajtak.at(i);
            if (f == OszlopFajta::Memo || f == OszlopFajta::Blob) {
                ki.tesz(q);
                ki.tesz(blob);
                ki.tesz(q);
                ki.tesz(s);
            } else if (bajtonkent && forras.nyers(oszlopok.at(i), e)) {
                ki.tesz(q);
                const qsizetype eleje = ki.meret();
                iro.hozzafuz(ki, e, f);
                if (!q.isEmpty())
                    ki.ketszerez(eleje, q.at(0));
                ki.tesz(q);
                ki.tesz(s);
            } else {
                ertekIr(Szoveg(forras.ertek(oszlopok.at(i)), f));
            }
        }
        ki.tesz("\r\n", 2);
        ++kesz;
    }
    return ki.atad();
}

void NyersIro::hozzafuz(KiPuffer& cel, const NyersErtek& e, OszlopFajta fajta) {
    using F = NyersErtek::Fajta;
    const bool szovegkent =
        fajta == OszlopFajta::Szoveg || fajta == OszlopFajta::Memo || fajta == OszlopFajta::Blob;
    switch (e.fajta) {
    case F::Null:
        return;
    case F::Egesz:
        // A whole number in decimal, as a number column or as text.
        if (szovegkent || fajta == OszlopFajta::Egesz) {
            char szamjegyek[24];
            const auto [vege, hiba] =
                std::to_chars(szamjegyek, szamjegyek + sizeof szamjegyek, e.egesz);
            if (hiba == std::errc()) {
                cel.tesz(szamjegyek, vege - szamjegyek);
                return;
            }
        }
        break;
    case F::Szoveg:
    case F::Bajtok:
        if (szovegkent) {
            if (Utf8Cp1250Hozzafuz(cel, e.adat, e.hossz))
                return;
            break;
        }
        if (e.fajta == F::Szoveg &&
            (fajta == OszlopFajta::Datum || fajta == OszlopFajta::DatumIdo)) {
            // A stored date formatted once per distinct text.
            QHash<QByteArray, QByteArray>& tar = m_datumok[fajta == OszlopFajta::DatumIdo];
            const auto it = tar.constFind(QByteArray::fromRawData(e.adat, e.hossz));
            if (it != tar.constEnd()) {
                cel.tesz(*it);
                return;
            }
            const QByteArray b = Cp1250(Szoveg(e.valtozo(), fajta));
            if (tar.size() < 200000)
                tar.insert(QByteArray(e.adat, e.hossz), b);
            cel.tesz(b);
            return;
        }
        break;
    case F::Tort:
    case F::Ertek:
        break;
    }
    cel.tesz(Cp1250(Szoveg(e.valtozo(), fajta)));
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

QString LekerdezesOszlopok::felirat(int oszlop) const {
    const QString n = nev(oszlop);
    return m_feliratok.value(n.toLower(), n);
}

void LekerdezesOszlopok::oszlop(const QString& nev, QMetaType::Type tipus, const QString& tabla) {
    m_nevek.append(nev);
    const OszlopFajta fajta = Ertek::TipusFajta(tipus);
    m_fajtak.append(tabla.isEmpty() ? fajta : SemaFajta({tabla}, nev, fajta));
}

QueryForras::QueryForras(QSqlQuery& query, QHash<QString, QString> feliratok)
    : LekerdezesOszlopok(std::move(feliratok)), m_q(query) {
    const QSqlRecord r = query.record();
    for (int i = 0; i < r.count(); ++i) {
        const QSqlField f = r.field(i);
        oszlop(f.name(), QMetaType::Type(f.metaType().id()), f.tableName());
    }
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

// --- OlvasoForras

OlvasoForras::OlvasoForras(std::unique_ptr<SorOlvaso> olvaso)
    : LekerdezesOszlopok({}), m_o(std::move(olvaso)) {
    leir();
}

OlvasoForras::OlvasoForras(Kapcsolat& k, const QString& sql, QHash<QString, QString> feliratok)
    : LekerdezesOszlopok(std::move(feliratok)), m_k(&k), m_sql(sql), m_o(k.olvaso(sql)) {
    leir();
    // Read at the walk: no statement holds the database meanwhile.
    m_o.reset();
}

void OlvasoForras::leir() {
    const QStringList nevek = m_o->nevek();
    for (int i = 0; i < m_o->oszlopSzam(); ++i)
        oszlop(nevek.at(i), m_o->tipus(i), m_o->tabla(i));
}

bool OlvasoForras::elso() {
    if (m_k) {
        m_o.reset();
        m_o = m_k->olvaso(m_sql);
    } else if (m_kezdve) {
        m_o.reset();
    }
    m_kezdve = true;
    return m_o && m_o->kovetkezo();
}

bool OlvasoForras::kovetkezo() {
    return m_o && m_o->kovetkezo();
}

QVariant OlvasoForras::ertek(int oszlop) const {
    return m_o ? m_o->ertek(oszlop).valtozo() : QVariant();
}

bool OlvasoForras::nyers(int oszlop, NyersErtek& e) const {
    if (!m_o)
        return false;
    e = m_o->ertek(oszlop);
    return true;
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
    // Where the engine can, the rows are read once more straight through it:
    // the query itself stays as it is, and no value becomes a Qt value.
    if (std::unique_ptr<SorOlvaso> olvaso = KozvetlenOlvaso(query)) {
        OlvasoForras forras(std::move(olvaso));
        SzovegExport(forras, fajl, hatarolo);
        return;
    }
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
    // Lines gathered into pieces of a few hundred kilobytes for the file.
    constexpr qsizetype Darab = 256 * 1024;
    const QByteArray s = Cp1250(hatarolo);
    KiPuffer ki(Darab + 64 * 1024);
    auto kiir = [&] {
        if (f.write(ki.adat().data(), ki.meret()) != ki.meret())
            throw PelvanoHiba(f.errorString());
        ki.urit();
    };
    const int n = forras.oszlopSzam();
    QList<OszlopFajta> fajtak;
    for (int i = 0; i < n; ++i) {
        fajtak.append(forras.fajta(i));
        ki.tesz(Cp1250(forras.nev(i)));
        ki.tesz(s);
    }
    ki.tesz("\r\n", 2);
    NyersIro iro;
    NyersErtek e;
    for (bool van = forras.elso(); van; van = forras.kovetkezo()) {
        for (int i = 0; i < n; ++i) {
            if (forras.nyers(i, e))
                iro.hozzafuz(ki, e, fajtak.at(i));
            else
                ki.tesz(Cp1250(Szoveg(forras.ertek(i), fajtak.at(i))));
            ki.tesz(s);
        }
        ki.tesz("\r\n", 2);
        if (ki.meret() >= Darab)
            kiir();
    }
    kiir();
    if (!f.flush())
        throw PelvanoHiba(f.errorString());
    f.close();
}
