#include "eszkozok/archivalas.h"

#include "eszkozok/tomoritettforras.h"
#include "hiba.h"
#include "kapcsolat.h"
#include "mappazar.h"
#include "seged.h"
#include "sqlitemotor.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QThread>
#include <zip.h>

namespace Archivalas {

QString Mappa() {
    return Seged::ProgramUtvonal(QStringLiteral("Archiv"));
}

QString NapiFajl(const QString& mappa, const QDate& nap) {
    return QDir(mappa).filePath(nap.toString(QStringLiteral("yyyyMMdd")) + QStringLiteral(".zip"));
}

QString JavasoltFajl(const QDate& nap) {
    return NapiFajl(Mappa(), nap);
}

namespace {

// The engine's side files of the database and the programs' lock file,
// never archived.
bool OldalFajl(const QString& nev, const QString& adatNev) {
    return nev.startsWith(adatNev + QLatin1Char('-')) // -journal, -wal, -shm
           || nev == MappaZar::FajlNev();
}

// Files from this size on are deflated side by side in pieces.
constexpr qint64 NagyFajl = 8 << 20;

QString ZipHiba(zip_t* z) {
    return QString::fromLocal8Bit(zip_strerror(z));
}

// Closes an archive left half written without writing it.
struct ZipZar {
    zip_t* z = nullptr;
    ~ZipZar() {
        if (z)
            zip_discard(z);
    }
};

} // namespace

void Keszit(const Adatforras& forras, const QString& zipFajl) {
    const QString& adatMappa = forras.mappa;
    const QDir mappa(adatMappa);
    if (!mappa.exists())
        throw PelvanoHiba(QStringLiteral("Nem létező adatbázis mappa: ") + adatMappa);
    const QString adatFajl = QFileInfo(SqliteMotor::AdatFajl(adatMappa)).fileName();

    // A consistent copy of the database, taken in one read transaction; a
    // server's database is written as the embedded engine's file, so that
    // every archive opens as a data folder.
    QTemporaryDir ideiglenes;
    if (!ideiglenes.isValid())
        throw PelvanoHiba(QStringLiteral("Nem hozható létre ideiglenes mappa."));
    const QString pillanatkep = ideiglenes.filePath(adatFajl);
    const bool vanAdatbazis = forras.szerveren() || QFileInfo::exists(mappa.filePath(adatFajl));
    if (vanAdatbazis) {
        // A connection of its own in each thread (the daily archive runs
        // beside the window's work).
        Kapcsolat k(QStringLiteral("archivalas_%1").arg(quintptr(QThread::currentThreadId())));
        k.nyit(forras);
        k.pillanatkep(pillanatkep);
        k.zar();
    }

    int hiba = 0;
    ZipZar zip{zip_open(QFile::encodeName(zipFajl).constData(), ZIP_CREATE | ZIP_TRUNCATE, &hiba)};
    if (!zip.z) {
        zip_error_t e;
        zip_error_init_with_code(&e, hiba);
        const QString uzenet = QString::fromLocal8Bit(zip_error_strerror(&e));
        zip_error_fini(&e);
        throw PelvanoHiba(uzenet + QStringLiteral(": ") + zipFajl);
    }
    const QString celAbs = QFileInfo(zipFajl).absoluteFilePath();
    // The folder's files (its own database file in the snapshot's place),
    // and the snapshot of a server's database.
    QList<QPair<QString, QString>> fajlok; // name in the archive, file
    QDirIterator it(adatMappa, QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo f(it.next());
        const QString relativ = mappa.relativeFilePath(f.absoluteFilePath());
        if (f.absoluteFilePath() == celAbs || OldalFajl(relativ, adatFajl) || relativ == adatFajl)
            continue;
        fajlok.append({relativ, f.absoluteFilePath()});
    }
    if (vanAdatbazis)
        fajlok.append({adatFajl, pillanatkep});
    for (const auto& [relativ, fajl] : fajlok) {
        // A large file (the database) deflated on every core beforehand.
        const bool nagy = QFileInfo(fajl).size() >= NagyFajl;
        QString hiba;
        zip_source_t* s = nagy ? TomoritettForras::Keszit(zip.z, fajl, hiba)
                               : zip_source_file(zip.z, QFile::encodeName(fajl).constData(), 0, -1);
        if (!s)
            throw PelvanoHiba((nagy ? hiba : ZipHiba(zip.z)) + QStringLiteral(": ") + relativ);
        const zip_int64_t index = zip_file_add(zip.z, relativ.toUtf8().constData(), s,
                                               ZIP_FL_OVERWRITE | ZIP_FL_ENC_UTF_8);
        if (index < 0) {
            zip_source_free(s);
            throw PelvanoHiba(ZipHiba(zip.z) + QStringLiteral(": ") + relativ);
        }
        // Deflate at its fastest level.
        if (!nagy)
            zip_set_file_compression(zip.z, zip_uint64_t(index), ZIP_CM_DEFLATE, 1);
    }
    // The files are read and the archive written (under a temporary name,
    // put in place at the end) only now.
    if (zip_close(zip.z) != 0)
        throw PelvanoHiba(ZipHiba(zip.z));
    zip.z = nullptr;
}

QString KeszitZarva(Kapcsolat& db, const QString& zipFajl) {
    const Adatforras forras = db.forras();
    db.zar();
    QString hiba;
    try {
        Keszit(forras, zipFajl);
    } catch (const PelvanoHiba& h) {
        hiba = h.uzenet();
    }
    db.nyit(forras);
    return hiba;
}

} // namespace Archivalas
