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

MasikMunkaallomas::MasikMunkaallomas(const QString& mappa, int ms)
    : m_p(std::make_unique<QProcess>()) {
    m_p->start(TesztProgram(QStringLiteral("helper_tarto")), {mappa, QString::number(ms)});
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

Varakozas::Varakozas(int ms, std::function<void()> jelzo) {
    Kapcsolat::setVarakozasIdo(ms);
    Kapcsolat::setVarakozasJelzo(std::move(jelzo));
}

Varakozas::~Varakozas() {
    Kapcsolat::setVarakozasJelzo({});
    Kapcsolat::setVarakozasIdo(Kapcsolat::AlapVarakozasMs);
}

AdatMappa::AdatMappa(bool irszIs) {
    if (!m_dir.isValid())
        qFatal("no temporary directory");
    Adatmappa::Keszit(m_dir.path(), irszIs ? IrszCsv() : QString());
}

QString AdatMappa::adatFajl() const {
    return SqliteMotor::AdatFajl(m_dir.path());
}

ProgramKornyezet::ProgramKornyezet() {
    if (!m_dir.isValid())
        qFatal("no temporary directory");
    Seged::ProgramMappaBeallit(m_dir.path());
    Adatmappa::Keszit(adatMappa(), QString());
    QFile ini(m_dir.filePath(QStringLiteral("Pelvano.ini")));
    if (!ini.open(QIODevice::WriteOnly))
        qFatal("Pelvano.ini cannot be written");
    ini.write(
        QStringLiteral("[Database]\nPath=%1\n[Screen]\nFullScreen=0\nWidth=1000\nHeight=700\n")
            .arg(adatMappa())
            .toUtf8());
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
