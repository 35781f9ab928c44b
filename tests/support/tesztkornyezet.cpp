#include "tesztkornyezet.h"

#include "adatmappa.h"
#include "kapcsolat.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QtTest>

namespace Teszt {

AdatMappa::AdatMappa(bool irszIs) {
    if (!m_dir.isValid())
        qFatal("no temporary directory");
    Adatmappa::Keszit(m_dir.path(), irszIs ? IrszCsv() : QString());
}

QString AdatMappa::adatFajl() const {
    return SqliteMotor::AdatFajl(m_dir.path());
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
