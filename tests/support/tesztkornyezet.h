#pragma once

// Shared ground for the tests: fresh data folders built from the delivered
// schema in temporary directories, and the paths of the build.

#include "motor.h"

#include <QApplication>
#include <QString>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

class Kapcsolat;
class QProcess;
class Tfrm_Main;

namespace Teszt {

// The engine a test program runs on: the embedded one, or (when CTest runs
// its server variant, PELVANO_TESZT_MOTOR=pg) the throw-away server that
// the test run started (PELVANO_TESZT_SZERVER: its connection string
// without a database).
bool SzerverMotoron();
QString TesztSzerver();
// In the server variant without a reachable server: skips the calling test
// with the reason. Use as `if (SzerverHianyzik()) return;` at the start of
// a test slot (or through PELVANO_SZERVER_KELL).
bool SzerverHianyzik();
// Skips a test that checks what only the embedded engine has (its database
// file, the sqlite3 tool) when the program runs on the server.
#define PELVANO_CSAK_BEAGYAZOTT()                                                                  \
    do {                                                                                           \
        if (Teszt::SzerverMotoron())                                                               \
            QSKIP("the embedded engine's own files: not on the server");                           \
    } while (false)

// A fresh, empty database on the test server (dropped with the object),
// for tests that build their own contents.
class SzerverAdatbazis {
public:
    SzerverAdatbazis();
    ~SzerverAdatbazis();
    SzerverAdatbazis(const SzerverAdatbazis&) = delete;
    SzerverAdatbazis& operator=(const SzerverAdatbazis&) = delete;
    // The connection string of the database.
    QString szerver() const { return m_szerver; }
    QString nev() const { return m_nev; }

private:
    QString m_nev;
    QString m_szerver;
};

// A data folder with the schema and the delivered records (without postal
// codes unless asked for) in a new temporary directory; in the server
// variant its database is a fresh one on the test server.
class AdatMappa {
public:
    explicit AdatMappa(bool irszIs = false);
    ~AdatMappa();
    QString utvonal() const { return m_dir.path(); }
    QString adatFajl() const;
    // Where a connection finds the data: the folder, and the server's
    // database in the server variant.
    Adatforras forras() const;

private:
    QTemporaryDir m_dir;
    std::unique_ptr<SzerverAdatbazis> m_szerver;
};

// A program folder, set as the program's folder while it lives, with its
// Data folder (schema and delivered records) and a Pelvano.ini naming it
// (window mode, 1000 x 700).
class ProgramKornyezet {
public:
    ProgramKornyezet();
    ~ProgramKornyezet();
    QString utvonal() const { return m_dir.path(); }
    QString adatMappa() const;
    Adatforras forras() const;
    // The main window started on it and shown; null when the start failed.
    std::unique_ptr<Tfrm_Main> foAblak() const;

private:
    QTemporaryDir m_dir;
    std::unique_ptr<SzerverAdatbazis> m_szerver;
};

QString IrszCsv();
QByteArray FajlHash(const QString& fajl); // SHA-256 of the contents, empty when unreadable
QString TesztProgram(const QString& nev); // an executable of tests-bin
QString FixtureMappa();                   // the old engine's files, may be missing

// Runs `sql` in the standard sqlite3 tool on a database file; returns its
// output (trimmed). Fails the calling test when the tool is missing.
QString Sqlite3Eszkoz(const QString& fajl, const QString& sql, bool* ok = nullptr);

// Triggers the window's action of that object name. A missing action is
// reported by name and gives false, so that QVERIFY fails the test instead
// of a crash.
[[nodiscard]] bool Indit(const QObject& ablak, const QString& nev);

// Another workstation holding a data source's database for `ms`
// milliseconds (the helper program helper_tarto); the constructor returns
// once the hold has begun (tartja() tells whether it did).
class MasikMunkaallomas {
public:
    MasikMunkaallomas(const Adatforras& forras, int ms);
    ~MasikMunkaallomas();
    bool tartja() const { return m_tartja; }
    // Waits until it has let go; true when it ended well.
    bool vege();

private:
    std::unique_ptr<QProcess> m_p;
    bool m_tartja = false;
};

// The engine's own words for a statement that gave up waiting for another
// workstation.
QString FoglaltSzoveg();
// What the engine the test runs on says: the embedded engine's text, or
// the server's.
inline QString Motoronkent(const QString& beagyazott, const QString& szerveren) {
    return SzerverMotoron() ? szerveren : beagyazott;
}

// While it lives: statements wait `ms` for another workstation, and
// `jelzo` is told when one begins to wait; the programs' defaults after.
class Varakozas {
public:
    Varakozas(int ms, std::function<void()> jelzo);
    ~Varakozas();
};

} // namespace Teszt
