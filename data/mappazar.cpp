#include "mappazar.h"

#include <QDir>
#include <QFile>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#endif

MappaZar::~MappaZar() {
    felold();
}

bool MappaZar::zarva() const {
    return m_leiro != -1;
}

#ifdef Q_OS_WIN

MappaZar::Eredmeny MappaZar::zar(const QString& mappa, Mod mod) {
    felold();
    const QString fajl = QDir::toNativeSeparators(QDir(mappa).filePath(FajlNev()));
    HANDLE h =
        CreateFileW(reinterpret_cast<const wchar_t*>(fajl.utf16()), GENERIC_READ | GENERIC_WRITE,
                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_ALWAYS,
                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return Eredmeny::Nincs;
    OVERLAPPED o = {};
    const DWORD jelzok =
        LOCKFILE_FAIL_IMMEDIATELY | (mod == Mod::Kizarolagos ? LOCKFILE_EXCLUSIVE_LOCK : 0);
    if (!LockFileEx(h, jelzok, 0, 1, 0, &o)) {
        CloseHandle(h);
        return Eredmeny::Foglalt;
    }
    m_leiro = reinterpret_cast<qintptr>(h);
    return Eredmeny::Kesz;
}

void MappaZar::felold() {
    if (m_leiro == -1)
        return;
    HANDLE h = reinterpret_cast<HANDLE>(m_leiro);
    OVERLAPPED o = {};
    UnlockFileEx(h, 0, 1, 0, &o);
    CloseHandle(h);
    m_leiro = -1;
}

#else

MappaZar::Eredmeny MappaZar::zar(const QString& mappa, Mod mod) {
    felold();
    const QByteArray fajl = QFile::encodeName(QDir(mappa).filePath(FajlNev()));
    const int fd = ::open(fajl.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0)
        return Eredmeny::Nincs;
    // flock locks belong to this open file, not to the process's other
    // files: the engine's locks on the database file stay untouched.
    if (::flock(fd, (mod == Mod::Kizarolagos ? LOCK_EX : LOCK_SH) | LOCK_NB) != 0) {
        ::close(fd);
        return Eredmeny::Foglalt;
    }
    m_leiro = fd;
    return Eredmeny::Kesz;
}

void MappaZar::felold() {
    if (m_leiro == -1)
        return;
    ::flock(int(m_leiro), LOCK_UN);
    ::close(int(m_leiro));
    m_leiro = -1;
}

#endif
