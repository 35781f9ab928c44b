// The first steps of a new office: the sample office that ./run.sh --minta
// builds, the program folder that `cmake --install` lays out (with the
// desktop entries of the installing user) and the package cpack makes of it.

#include "kapcsolat.h"
#include "tesztadat.h"

#include <QCryptographicHash>
#include <QDirIterator>
#include <QProcess>
#include <QSettings>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString Forras = QStringLiteral(PELVANO_SOURCE_DIR);
const QString Epites = QStringLiteral(PELVANO_BUILD_DIR);

// A fingerprint of every file under a folder: names and contents.
QByteArray Ujjlenyomat(const QString& mappa) {
    QStringList fajlok;
    QDirIterator it(mappa, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        fajlok << it.next();
    fajlok.sort();
    QCryptographicHash h(QCryptographicHash::Sha256);
    for (const QString& f : fajlok) {
        h.addData(f.toUtf8());
        QFile fajl(f);
        if (fajl.open(QIODevice::ReadOnly))
            h.addData(fajl.readAll());
    }
    return h.result().toHex();
}

// Runs a program to its end; its output on failure.
bool Futtat(const QString& program, const QStringList& argumentumok,
            const QProcessEnvironment& kornyezet = QProcessEnvironment::systemEnvironment(),
            QString* kimenet = nullptr) {
    QProcess p;
    p.setProcessEnvironment(kornyezet);
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(program, argumentumok);
    if (!p.waitForFinished(240000))
        return false;
    const QString ki = QString::fromUtf8(p.readAll());
    if (kimenet)
        *kimenet = ki;
    if (p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        qWarning("%s: %s", qPrintable(program), qPrintable(ki));
        return false;
    }
    return true;
}

// An environment whose home (and desktop data) is the given folder.
QProcessEnvironment Otthon(const QString& otthon) {
    QProcessEnvironment k = QProcessEnvironment::systemEnvironment();
    k.insert(QStringLiteral("HOME"), otthon);
    k.insert(QStringLiteral("XDG_DATA_HOME"), otthon + QStringLiteral("/.local/share"));
    k.remove(QStringLiteral("PELVANO_ASZTAL"));
    return k;
}

} // namespace

class TstTelepites : public QObject {
    Q_OBJECT

private slots:
    void mintaIroda();
    void telepites();
    void csomag();
};

void TstTelepites::mintaIroda() {
    const QString szallitott = Epites + QStringLiteral("/bin/Data");
    const QByteArray szallitottElotte = Ujjlenyomat(szallitott);
    QTemporaryDir tmp;
    const QString mappa = tmp.filePath(QStringLiteral("minta"));
    QString kimenet;
    QVERIFY(Futtat(Forras + QStringLiteral("/scripts/mintairoda.sh"), {mappa},
                   QProcessEnvironment::systemEnvironment(), &kimenet));
    QCOMPARE(kimenet.trimmed(), QDir(mappa).absolutePath());
    for (const char* f : {"Pelvano", "Pelvano_Upd", "Pelvano.ini", "Help/index.htm"})
        QVERIFY2(QFileInfo::exists(mappa + QLatin1Char('/') + QLatin1String(f)), f);

    const QByteArray mintaElotte = Ujjlenyomat(mappa + QStringLiteral("/Data"));
    {
        Kapcsolat k(QStringLiteral("minta"));
        k.nyit(mappa + QStringLiteral("/Data"));
        const auto szam = [&](const QString& sql) { return Teszt::Szam(k, sql); };
        // Every table filled; a few dozen plans.
        for (const char* t : {"ugyfel", "tipus", "tervezo", "szakag", "tervfajta", "tervszakasz",
                              "irsz", "terv", "terv_sor", "tervkiad", "felhasznalo", "tulajdonos"})
            QVERIFY2(szam(QStringLiteral("SELECT count(*) FROM %1").arg(QLatin1String(t))) > 0, t);
        const int tervek = szam(QStringLiteral("SELECT count(*) FROM terv"));
        QVERIFY2(tervek >= 24 && tervek <= 80, qPrintable(QString::number(tervek)));
        // Keys consistent: every line's plan, every record's line, every
        // plan's master records and every client's postal code exist.
        QCOMPARE(szam("SELECT count(*) FROM terv_sor s WHERE NOT EXISTS "
                      "(SELECT 1 FROM terv t WHERE t.Terv = s.terv)"),
                 0);
        QCOMPARE(szam("SELECT count(*) FROM tervkiad k WHERE NOT EXISTS "
                      "(SELECT 1 FROM terv_sor s WHERE s.terv = k.terv AND s.sor = k.sor)"),
                 0);
        for (const char* m : {"Ugyfel", "Tipus", "tervezo", "szakag", "tervfajta", "tervszakasz"})
            QCOMPARE(szam(QStringLiteral("SELECT count(*) FROM terv t WHERE t.%1 IS NOT NULL AND "
                                         "NOT EXISTS (SELECT 1 FROM %1 m WHERE m.%1 = t.%1)")
                              .arg(QLatin1String(m))),
                     0);
        QCOMPARE(szam("SELECT count(*) FROM ugyfel u WHERE u.Cim_irsz IS NOT NULL AND NOT EXISTS "
                      "(SELECT 1 FROM irsz i WHERE i.irsz = u.Cim_irsz AND i.varos = u.Cim_varos)"),
                 0);
        // Every open record is what its line is out with (kind, holder,
        // date, the newest open one), and every line out has one.
        for (const auto& [fajta, bent, kinel, datum] :
             {std::tuple{"T", "tbent", "tkiadva", "dat_tkiad"},
              std::tuple{"L", "lbent", "lkiadva", "dat_lkiad"}}) {
            const QString nyitott =
                QStringLiteral(
                    "(SELECT max(tervkiad) FROM tervkiad k WHERE k.terv = s.terv AND k.sor = s.sor "
                    "AND k.ezterv = '%1' AND k.kint = 'I')")
                    .arg(QLatin1String(fajta));
            QCOMPARE(szam(QStringLiteral("SELECT count(*) FROM tervkiad k JOIN terv_sor s ON "
                                         "s.terv = k.terv AND s.sor = k.sor WHERE k.kint = 'I' AND "
                                         "k.ezterv = '%1' AND (s.%2 <> 'N' OR s.%3 <> k.kinek OR "
                                         "s.%4 <> k.dat_kiad OR k.tervkiad <> %5)")
                              .arg(QLatin1String(fajta), QLatin1String(bent), QLatin1String(kinel),
                                   QLatin1String(datum), nyitott)),
                     0);
            QCOMPARE(szam(QStringLiteral("SELECT count(*) FROM terv_sor s WHERE s.%1 = 'N' AND "
                                         "%2 IS NULL")
                              .arg(QLatin1String(bent), nyitott)),
                     0);
        }
        // Both kinds out, some for weeks, some returned; a group issue of
        // consecutive keys; plans marked, lines marked for a group issue.
        QVERIFY(szam("SELECT count(*) FROM tervkiad WHERE kint='I' AND ezterv='T'") > 0);
        QVERIFY(szam("SELECT count(*) FROM tervkiad WHERE kint='I' AND ezterv='L'") > 0);
        QVERIFY(szam("SELECT count(*) FROM tervkiad WHERE kint='N'") > 0);
        const QDate ma = QDate::currentDate();
        QSqlQuery q = k.sql(QStringLiteral("SELECT dat_kiad FROM tervkiad WHERE kint='I'"));
        int hetekOta = 0, regebbi = 0;
        while (q.next()) {
            const qint64 napok =
                QDate::fromString(q.value(0).toString().left(10), Qt::ISODate).daysTo(ma);
            hetekOta += napok >= 14;
            regebbi += napok > 90;
        }
        QVERIFY(hetekOta > 0);
        QCOMPARE(regebbi, 0);
        QCOMPARE(szam("SELECT count(*) FROM (SELECT terv FROM tervkiad WHERE kint='I' AND "
                      "ezterv='T' GROUP BY terv, dat_kiad, kinek, engedelyezo, megjegyzes HAVING "
                      "count(*) >= 3 AND max(tervkiad) - min(tervkiad) = count(*) - 1) g"),
                 1);
        QVERIFY(szam("SELECT count(*) FROM terv WHERE szur='I'") > 0);
        QVERIFY(szam("SELECT count(*) FROM terv_sor WHERE kiadni='I'") > 0);
        QSqlQuery ep = k.sql(QStringLiteral("PRAGMA integrity_check"));
        QVERIFY(ep.next());
        QCOMPARE(ep.value(0).toString(), QStringLiteral("ok"));
    }
    // Built once: a second run keeps the sample's data as they are.
    QVERIFY(Futtat(Forras + QStringLiteral("/scripts/mintairoda.sh"), {mappa}));
    QCOMPARE(Ujjlenyomat(mappa + QStringLiteral("/Data")), mintaElotte);
    QCOMPARE(Ujjlenyomat(szallitott), szallitottElotte);
}

void TstTelepites::telepites() {
    QTemporaryDir tmp;
    const QString mappa = tmp.filePath(QStringLiteral("Program mappa/Pelvano"));
    const QString otthon = tmp.filePath(QStringLiteral("otthon"));
    QVERIFY(QDir().mkpath(otthon));
    const QStringList telepit{QStringLiteral("--install"), Epites, QStringLiteral("--prefix"),
                              mappa};
    QVERIFY(Futtat(QStringLiteral("cmake"), telepit, Otthon(otthon)));

    // A complete program folder.
    for (const char* f : {"Pelvano", "Pelvano_Upd", "pelvano_paradox"})
        QVERIFY2(QFileInfo(mappa + QLatin1Char('/') + QLatin1String(f)).isExecutable(), f);
    for (const char* f : {"Help/index.htm", "Help/kepek/foablak.png", "Data/pelvano.sqlite",
                          "Asztal/asztal.sh", "Asztal/pelvano-48.png"})
        QVERIFY2(QFileInfo::exists(mappa + QLatin1Char('/') + QLatin1String(f)), f);
    QSettings ini(mappa + QStringLiteral("/Pelvano.ini"), QSettings::IniFormat);
    QCOMPARE(ini.value(QStringLiteral("Database/Path")).toString(), QStringLiteral("Data"));

    // The desktop entries of the installing user, valid, pointing at the
    // installed programs; the icon at the usual sizes.
    const QString alkalmazasok = otthon + QStringLiteral("/.local/share/applications/");
    for (const auto& [nev, program] : {std::pair{"pelvano.desktop", "Pelvano"},
                                       std::pair{"pelvano-upd.desktop", "Pelvano_Upd"}}) {
        const QString fajl = alkalmazasok + QLatin1String(nev);
        QFile f(fajl);
        QVERIFY2(f.open(QIODevice::ReadOnly), nev);
        const QString t = QString::fromUtf8(f.readAll());
        QVERIFY(t.contains(QStringLiteral("Exec=\"%1/%2\"").arg(mappa, QLatin1String(program))));
        QVERIFY(t.contains(QStringLiteral("Icon=pelvano")));
        QVERIFY(t.contains(QStringLiteral("Comment[hu]=")));
        QString hiba;
        QVERIFY2(Futtat(QStringLiteral("desktop-file-validate"), {fajl},
                        QProcessEnvironment::systemEnvironment(), &hiba),
                 qPrintable(hiba));
    }
    for (int n : {16, 32, 48, 256}) {
        const QImage kep(
            otthon + QStringLiteral("/.local/share/icons/hicolor/%1x%1/apps/pelvano.png").arg(n));
        QCOMPARE(kep.size(), QSize(n, n));
    }

    // The installed program starts offscreen on its own delivered data
    // folder: it holds that folder's database open while it runs (seen from
    // outside, without touching its locks).
    QProcess pelvano;
    QProcessEnvironment k = Otthon(otthon);
    k.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    pelvano.setProcessEnvironment(k);
    pelvano.setWorkingDirectory(tmp.path());
    pelvano.start(mappa + QStringLiteral("/Pelvano"), {});
    QVERIFY(pelvano.waitForStarted());
    const QString adatbazis =
        QFileInfo(mappa + QStringLiteral("/Data/pelvano.sqlite")).canonicalFilePath();
    const auto nyitva = [&] {
        const QDir fd(QStringLiteral("/proc/%1/fd").arg(pelvano.processId()));
        for (const QFileInfo& f :
             fd.entryInfoList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot))
            if (f.symLinkTarget() == adatbazis)
                return true;
        return false;
    };
    QTRY_VERIFY_WITH_TIMEOUT(nyitva() || pelvano.state() == QProcess::NotRunning, 30000);
    QCOMPARE(pelvano.state(), QProcess::Running);
    pelvano.kill();
    pelvano.waitForFinished();

    // The office works in it; installing again updates the programs and
    // keeps its data and its Pelvano.ini.
    {
        Kapcsolat db(QStringLiteral("telepitett"));
        db.nyit(mappa + QStringLiteral("/Data"));
        db.sql(QStringLiteral("INSERT INTO terv (Tervszam, Cim) VALUES ('2026/001', 'Iskola')"));
    }
    QFile iniFajl(mappa + QStringLiteral("/Pelvano.ini"));
    QVERIFY(iniFajl.open(QIODevice::Append));
    iniFajl.write("[Kintlevoseg]\nNapok=14\n");
    iniFajl.close();
    const QByteArray adatElotte = Ujjlenyomat(mappa + QStringLiteral("/Data"));
    const QByteArray iniElotte = Ujjlenyomat(mappa + QStringLiteral("/Pelvano.ini"));
    QFile::remove(mappa + QStringLiteral("/Pelvano_Upd"));
    QVERIFY(Futtat(QStringLiteral("cmake"), telepit, Otthon(otthon)));
    QVERIFY(QFileInfo(mappa + QStringLiteral("/Pelvano_Upd")).isExecutable());
    QCOMPARE(Ujjlenyomat(mappa + QStringLiteral("/Data")), adatElotte);
    QCOMPARE(Ujjlenyomat(mappa + QStringLiteral("/Pelvano.ini")), iniElotte);
    Kapcsolat db(QStringLiteral("telepitett2"));
    db.nyit(mappa + QStringLiteral("/Data"));
    QCOMPARE(Teszt::Szam(db, QStringLiteral("SELECT count(*) FROM terv")), 1);
}

void TstTelepites::csomag() {
    // cpack: the same program folder as a .tar.gz that unpacks anywhere; the
    // packing writes no desktop entry of the packer.
    QTemporaryDir tmp;
    const QString otthon = tmp.filePath(QStringLiteral("otthon"));
    QVERIFY(QDir().mkpath(otthon));
    QVERIFY(Futtat(QStringLiteral("cpack"),
                   {QStringLiteral("--config"), Epites + QStringLiteral("/CPackConfig.cmake"),
                    QStringLiteral("-B"), tmp.filePath(QStringLiteral("csomag"))},
                   Otthon(otthon)));
    const QStringList csomagok =
        QDir(tmp.filePath(QStringLiteral("csomag"))).entryList({QStringLiteral("*.tar.gz")});
    QCOMPARE(csomagok.size(), 1);
    QCOMPARE(QDir(otthon).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             QStringList());
    const QString kicsomagolva = tmp.filePath(QStringLiteral("masik gep"));
    QVERIFY(QDir().mkpath(kicsomagolva));
    QVERIFY(
        Futtat(QStringLiteral("tar"),
               {QStringLiteral("-xzf"), tmp.filePath(QStringLiteral("csomag/")) + csomagok.first(),
                QStringLiteral("-C"), kicsomagolva}));
    const QStringList gyoker = QDir(kicsomagolva).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    QCOMPARE(gyoker.size(), 1);
    const QString mappa = kicsomagolva + QLatin1Char('/') + gyoker.first();
    for (const char* f : {"Pelvano", "Pelvano_Upd", "pelvano_paradox", "Pelvano.ini",
                          "Help/index.htm", "Data/pelvano.sqlite", "Asztal/asztal.sh"})
        QVERIFY2(QFileInfo::exists(mappa + QLatin1Char('/') + QLatin1String(f)), f);
    QSettings ini(mappa + QStringLiteral("/Pelvano.ini"), QSettings::IniFormat);
    QCOMPARE(ini.value(QStringLiteral("Database/Path")).toString(), QStringLiteral("Data"));
    // On the other machine its desktop entries come from its own script.
    QVERIFY(Futtat(mappa + QStringLiteral("/Asztal/asztal.sh"), {}, Otthon(otthon)));
    QFile f(otthon + QStringLiteral("/.local/share/applications/pelvano.desktop"));
    QVERIFY(f.open(QIODevice::ReadOnly));
    QVERIFY(
        QString::fromUtf8(f.readAll()).contains(QStringLiteral("Exec=\"%1/Pelvano\"").arg(mappa)));
}

QTEST_MAIN(TstTelepites)
#include "tst_telepites.moc"
