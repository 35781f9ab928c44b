#include "kapcsolat.h"

#include "dialektus.h"
#include "pgmotor.h"
#include "sqlitemotor.h"

#include <QDate>
#include <QDateTime>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlRecord>

QString SqlNev(const QString& nev) {
    QString n = nev;
    n.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + n + QLatin1Char('"');
}

QString DatumSzoveg(const QDate& d) {
    return d.isValid() ? d.toString(QStringLiteral("yyyy-MM-dd")) : QString();
}

QString DatumIdoSzoveg(const QDateTime& dt) {
    return dt.isValid() ? dt.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")) : QString();
}

std::unique_ptr<Motor> Motor::Letrehoz(const Adatforras& forras) {
    if (forras.szerveren())
        return std::make_unique<PgMotor>();
    return std::make_unique<SqliteMotor>();
}

// ---------------------------------------------------------------- Kapcsolat

namespace {
struct Varakozas {
    int ido = Kapcsolat::AlapVarakozasMs;
    std::function<void()> jelzo;
};
Varakozas& varakozas() {
    static Varakozas v;
    return v;
}
} // namespace

void Kapcsolat::setVarakozasIdo(int ms) {
    varakozas().ido = ms;
}

int Kapcsolat::varakozasIdo() {
    return varakozas().ido;
}

void Kapcsolat::setVarakozasJelzo(std::function<void()> jelzo) {
    varakozas().jelzo = std::move(jelzo);
}

void Kapcsolat::varakozasKezdodik() {
    if (varakozas().jelzo)
        varakozas().jelzo();
}

Kapcsolat::Kapcsolat(QString nev)
    : m_nev(std::move(nev)), m_motor(std::make_unique<SqliteMotor>()) {}

Kapcsolat::~Kapcsolat() {
    zar();
    if (QSqlDatabase::contains(m_nev))
        QSqlDatabase::removeDatabase(m_nev);
}

QSqlDatabase Kapcsolat::db() const {
    return QSqlDatabase::database(m_nev, false);
}

bool Kapcsolat::nyitva() const {
    return QSqlDatabase::contains(m_nev) && db().isOpen();
}

void Kapcsolat::motorValaszt(const Adatforras& forras) {
    zar();
    std::unique_ptr<Motor> uj = Motor::Letrehoz(forras);
    if (QSqlDatabase::contains(m_nev) && db().driverName() != uj->driver())
        QSqlDatabase::removeDatabase(m_nev);
    m_motor = std::move(uj);
    if (!QSqlDatabase::contains(m_nev))
        QSqlDatabase::addDatabase(m_motor->driver(), m_nev);
}

void Kapcsolat::nyit(const Adatforras& forras, bool ures) {
    motorValaszt(forras);
    QSqlDatabase d = db();
    m_motor->megnyit(d, forras, ures);
    m_forras = forras;
}

void Kapcsolat::letrehoz(const QString& fajl) {
    const Adatforras forras{QFileInfo(fajl).absolutePath(), {}};
    motorValaszt(forras);
    QSqlDatabase d = db();
    static_cast<SqliteMotor&>(*m_motor).letrehoz(d, fajl);
    m_forras = forras;
}

void Kapcsolat::zar() {
    if (QSqlDatabase::contains(m_nev)) {
        QSqlDatabase d = db();
        if (d.isOpen())
            d.close();
    }
}

QStringList Kapcsolat::tablak() const {
    return m_motor->tablak(db());
}

QString Kapcsolat::tablaNev(const QString& nev) const {
    QString n = nev.trimmed();
    if (n.endsWith(QStringLiteral(".db"), Qt::CaseInsensitive))
        n.chop(3);
    for (const QString& t : tablak())
        if (t.compare(n, Qt::CaseInsensitive) == 0)
            return t;
    return {};
}

QStringList Kapcsolat::oszlopok(const QString& tabla) const {
    const QString nev = tablaNev(tabla);
    if (nev.isEmpty())
        throw AdatbazisHiba(MotorHibaSzoveg(MotorHelyzet::NincsTabla,
                                            QStringLiteral("no such table: %1").arg(tabla)));
    const QSqlRecord r = db().record(nev);
    QStringList o;
    for (int i = 0; i < r.count(); ++i)
        o << r.fieldName(i);
    return o;
}

QSqlQuery Kapcsolat::vegrehajt(const QString& szoveg, const QVariantMap& parameterek,
                               bool csakElore) {
    if (m_figyelo)
        m_figyelo(szoveg);
    QSqlDatabase d = db();
    const QString sql = m_motor->fordit(szoveg);
    QSqlQuery q(d);
    q.setForwardOnly(csakElore);
    // Looked into only when the statement failed: Qt refuses a closed
    // connection and an empty statement without giving any text.
    const auto hiba = [&] {
        if (!d.isOpen())
            return AdatbazisHiba(HelyzetMondat(MotorHelyzet::NincsKapcsolat));
        if (sql.trimmed().isEmpty())
            return AdatbazisHiba(HelyzetMondat(MotorHelyzet::UresUtasitas));
        return AdatbazisHiba(MotorUzenet(q.lastError()));
    };
    if (!m_motor->vegrehajt(d, q, sql, parameterek))
        throw hiba();
    const QString valtozott = Dialektus::SzerkezetValtoTabla(szoveg);
    if (!valtozott.isEmpty()) {
        const QString nev = tablaNev(valtozott);
        if (!nev.isEmpty())
            m_motor->szerkezetValtozott(d, nev);
    }
    return q;
}

QSqlQuery Kapcsolat::sql(const QStringList& sorok, const QVariantMap& parameterek) {
    return vegrehajt(sorok.join(QLatin1Char('\n')), parameterek, false);
}

std::unique_ptr<EredmenyTar> Kapcsolat::eredmeny(const QString& szoveg) {
    if (m_figyelo)
        m_figyelo(szoveg);
    QSqlDatabase d = db();
    return m_motor->eredmenyTar(d, m_motor->fordit(szoveg));
}

void Kapcsolat::tablaUjraepit(const QString& tabla, const QStringList& kulcs, const QString& index,
                              const QString& indexOszlop) {
    QSqlDatabase d = db();
    m_motor->tablaUjraepit(d, tabla, kulcs, index, indexOszlop);
}

QString Kapcsolat::epsegHiba() {
    QSqlDatabase d = db();
    return m_motor->epsegHiba(d);
}

void Kapcsolat::kulcsSzamlalo(const QString& tabla, qint64 ertek) {
    QSqlDatabase d = db();
    m_motor->kulcsSzamlalo(d, tablaNev(tabla), ertek);
}

qint64 Kapcsolat::utolsoKulcs() {
    QSqlDatabase d = db();
    return m_motor->utolsoKulcs(d);
}

void Kapcsolat::pillanatkep(const QString& fajl) {
    QSqlDatabase d = db();
    m_motor->pillanatkep(d, fajl);
}

void Kapcsolat::tomorit() {
    QSqlDatabase d = db();
    m_motor->tomorit(d);
}

QSqlQuery Kapcsolat::lekerdez(const QString& szoveg, const QVariantMap& parameterek) {
    return vegrehajt(szoveg, parameterek, true);
}

std::unique_ptr<SorOlvaso> Kapcsolat::olvaso(const QString& szoveg) {
    if (m_figyelo)
        m_figyelo(szoveg);
    QSqlDatabase d = db();
    if (!d.isOpen())
        throw AdatbazisHiba(HelyzetMondat(MotorHelyzet::NincsKapcsolat));
    return m_motor->olvaso(d, m_motor->fordit(szoveg));
}

void Kapcsolat::tranzakcioKezd() {
    sql(QStringLiteral("BEGIN IMMEDIATE"));
}
void Kapcsolat::tranzakcioVege() {
    sql(QStringLiteral("COMMIT"));
}
void Kapcsolat::tranzakcioVissza() {
    sql(QStringLiteral("ROLLBACK"));
}
