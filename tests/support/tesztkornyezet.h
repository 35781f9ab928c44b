#pragma once

// Shared ground for the tests: fresh data folders built from the delivered
// schema in temporary directories, and the paths of the build.

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

// A data folder with the schema and the delivered records (without postal
// codes unless asked for) in a new temporary directory.
class AdatMappa {
public:
    explicit AdatMappa(bool irszIs = false);
    QString utvonal() const { return m_dir.path(); }
    QString adatFajl() const;

private:
    QTemporaryDir m_dir;
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
    // The main window started on it and shown; null when the start failed.
    std::unique_ptr<Tfrm_Main> foAblak() const;

private:
    QTemporaryDir m_dir;
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

// Another workstation holding a data folder's database for `ms`
// milliseconds (the helper program helper_tarto); the constructor returns
// once the hold has begun (tartja() tells whether it did).
class MasikMunkaallomas {
public:
    MasikMunkaallomas(const QString& mappa, int ms);
    ~MasikMunkaallomas();
    bool tartja() const { return m_tartja; }
    // Waits until it has let go; true when it ended well.
    bool vege();

private:
    std::unique_ptr<QProcess> m_p;
    bool m_tartja = false;
};

// While it lives: statements wait `ms` for another workstation, and
// `jelzo` is told when one begins to wait; the programs' defaults after.
class Varakozas {
public:
    Varakozas(int ms, std::function<void()> jelzo);
    ~Varakozas();
};

} // namespace Teszt
