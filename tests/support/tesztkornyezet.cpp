#include "tesztkornyezet.h"

#include "adatmappa.h"
#include "foablak/tfrm_main.h"
#include "kapcsolat.h"
#include "seged.h"
#include "sqlitemotor.h"

#include <QAction>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>
#include <QtTest>

namespace Teszt {

bool Indit(const QObject& ablak, const QString& nev) {
    auto* a = ablak.findChild<QAction*>(nev);
    if (!a) {
        qWarning("no action \"%s\" in %s", qPrintable(nev), ablak.metaObject()->className());
        return false;
    }
    a->trigger();
    return true;
}

MasikMunkaallomas::MasikMunkaallomas(const Adatforras& forras, int ms)
    : m_p(std::make_unique<QProcess>()) {
    QStringList argumentumok{forras.mappa, QString::number(ms)};
    if (forras.szerveren())
        argumentumok << forras.szerver;
    m_p->start(TesztProgram(QStringLiteral("helper_tarto")), argumentumok);
    while (!m_p->canReadLine() && m_p->waitForReadyRead(10000)) {
    }
    m_tartja = m_p->readLine().trimmed() == "tartva";
}

MasikMunkaallomas::~MasikMunkaallomas() {
    vege();
}

bool MasikMunkaallomas::vege() {
    m_p->waitForFinished(30000);
    return m_p->exitStatus() == QProcess::NormalExit && m_p->exitCode() == 0;
}

QString FoglaltSzoveg() {
    return Motoronkent(QStringLiteral("database is locked"),
                       QStringLiteral("canceling statement due to lock timeout"));
}

Varakozas::Varakozas(int ms, std::function<void()> jelzo) {
    Kapcsolat::setVarakozasIdo(ms);
    Kapcsolat::setVarakozasJelzo(std::move(jelzo));
}

Varakozas::~Varakozas() {
    Kapcsolat::setVarakozasJelzo({});
    Kapcsolat::setVarakozasIdo(Kapcsolat::AlapVarakozasMs);
}

bool SzerverMotoron() {
    return qEnvironmentVariable("PELVANO_TESZT_MOTOR") == QLatin1String("pg");
}

QString TesztSzerver() {
    return qEnvironmentVariable("PELVANO_TESZT_SZERVER").trimmed();
}

bool SzerverHianyzik() {
    if (!SzerverMotoron())
        return false;
    // The server binaries are there: the test run has started the server,
    // and a test that cannot reach it fails.
    if (!TesztSzerver().isEmpty() && !QDir(QStringLiteral("/usr/lib/postgresql"))
                                          .entryList(QDir::Dirs | QDir::NoDotAndDotDot)
                                          .isEmpty())
        return false;
    QTest::qSkip("no PostgreSQL server for the tests (the server binaries are missing, or the "
                 "test was started without ./test.sh)",
                 __FILE__, __LINE__);
    return true;
}

namespace {

// Runs a statement on the test server's maintenance database (a plain
// connection: nothing of the system's is made there).
void SzerverParancs(const QString& sql) {
    const QString nev =
        QStringLiteral("teszt-szerver-") + QUuid::createUuid().toString(QUuid::Id128);
    QString hiba;
    {
        QSqlDatabase d = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), nev);
        d.setConnectOptions(TesztSzerver());
        if (!d.open()) {
            hiba = d.lastError().text();
        } else {
            QSqlQuery q(d);
            if (!q.exec(sql))
                hiba = q.lastError().text();
        }
    }
    QSqlDatabase::removeDatabase(nev);
    if (!hiba.isEmpty())
        qFatal("the test server refused \"%s\": %s", qPrintable(sql), qPrintable(hiba));
}

} // namespace

SzerverAdatbazis::SzerverAdatbazis() {
    static int sorszam = 0;
    m_nev = QStringLiteral("pelvano_%1_%2").arg(QCoreApplication::applicationPid()).arg(++sorszam);
    SzerverParancs(QStringLiteral("CREATE DATABASE %1 TEMPLATE template0 ENCODING 'UTF8' "
                                  "LOCALE 'C.UTF-8'")
                       .arg(m_nev));
    m_szerver = TesztSzerver() + QStringLiteral(" dbname=") + m_nev;
}

SzerverAdatbazis::~SzerverAdatbazis() {
    SzerverParancs(QStringLiteral("DROP DATABASE IF EXISTS %1 WITH (FORCE)").arg(m_nev));
}

AdatMappa::AdatMappa(bool irszIs) {
    if (!m_dir.isValid())
        qFatal("no temporary directory");
    if (SzerverMotoron() && !SzerverHianyzik()) {
        m_szerver = std::make_unique<SzerverAdatbazis>();
        try {
            Adatmappa::SzerverenKeszit(m_szerver->szerver(), irszIs ? IrszCsv() : QString());
        } catch (const PelvanoHiba& h) {
            qFatal("the test database cannot be built: %s", qPrintable(h.uzenet()));
        }
        return;
    }
    Adatmappa::Keszit(m_dir.path(), irszIs ? IrszCsv() : QString());
}

AdatMappa::~AdatMappa() = default;

Adatforras AdatMappa::forras() const {
    return {m_dir.path(), m_szerver ? m_szerver->szerver() : QString()};
}

QString AdatMappa::adatFajl() const {
    return SqliteMotor::AdatFajl(m_dir.path());
}

ProgramKornyezet::ProgramKornyezet() {
    if (!m_dir.isValid())
        qFatal("no temporary directory");
    Seged::ProgramMappaBeallit(m_dir.path());
    QString szerverSor;
    if (SzerverMotoron() && !SzerverHianyzik()) {
        QDir().mkpath(adatMappa());
        m_szerver = std::make_unique<SzerverAdatbazis>();
        try {
            Adatmappa::SzerverenKeszit(m_szerver->szerver(), QString());
        } catch (const PelvanoHiba& h) {
            qFatal("the test database cannot be built: %s", qPrintable(h.uzenet()));
        }
        szerverSor = QStringLiteral("Server=%1\n").arg(m_szerver->szerver());
    } else {
        Adatmappa::Keszit(adatMappa(), QString());
    }
    QFile ini(m_dir.filePath(QStringLiteral("Pelvano.ini")));
    if (!ini.open(QIODevice::WriteOnly))
        qFatal("Pelvano.ini cannot be written");
    ini.write(
        QStringLiteral("[Database]\nPath=%1\n%2[Screen]\nFullScreen=0\nWidth=1000\nHeight=700\n")
            .arg(adatMappa(), szerverSor)
            .toUtf8());
}

Adatforras ProgramKornyezet::forras() const {
    return {adatMappa(), m_szerver ? m_szerver->szerver() : QString()};
}

ProgramKornyezet::~ProgramKornyezet() = default;

QString ProgramKornyezet::adatMappa() const {
    return m_dir.filePath(QStringLiteral("Data"));
}

std::unique_ptr<Tfrm_Main> ProgramKornyezet::foAblak() const {
    auto w = std::make_unique<Tfrm_Main>();
    if (!w->Inditas())
        return nullptr;
    w->show();
    if (!QTest::qWaitForWindowExposed(w.get()))
        return nullptr;
    return w;
}

QByteArray FajlHash(const QString& fajl) {
    QFile f(fajl);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
}

QString IrszCsv() {
    return QStringLiteral(PELVANO_IRSZ_CSV);
}

QString TesztProgram(const QString& nev) {
    return QDir(QStringLiteral(PELVANO_TESTS_BIN_DIR)).filePath(nev);
}

QString FixtureMappa() {
    return QStringLiteral(PELVANO_FIXTURES_DIR);
}

QString Sqlite3Eszkoz(const QString& fajl, const QString& sql, bool* ok) {
    QProcess p;
    p.start(QStringLiteral("sqlite3"), {QStringLiteral("-batch"), fajl, sql});
    const bool lefutott =
        p.waitForFinished(30000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
    if (ok)
        *ok = lefutott;
    return QString::fromUtf8(p.readAllStandardOutput() + p.readAllStandardError()).trimmed();
}

} // namespace Teszt
