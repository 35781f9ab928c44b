#include "eszkozok/tomoritettforras.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <algorithm>
#include <cerrno>
#include <condition_variable>
#include <map>
#include <mutex>
#include <thread>
#include <vector>
#include <zlib.h>

namespace TomoritettForras {

namespace {

constexpr qint64 DarabMeret = 4 << 20; // the pieces deflated side by side
constexpr qint64 SzotarMeret = 32 << 10;

struct Darab {
    QByteArray adat; // deflated
    quint32 crc = 0;
    bool jo = false;
};

// One piece deflated as a part of one raw deflate stream: primed with the
// bytes before it, ended on a byte boundary (the last one ends the stream).
Darab Tomorit(const uchar* szotar, qint64 szotarHossz, const uchar* be, qint64 hossz, bool utolso) {
    Darab d;
    z_stream z{};
    if (deflateInit2(&z, 1, Z_DEFLATED, -15, 8, Z_DEFAULT_STRATEGY) != Z_OK)
        return d;
    if (szotarHossz > 0)
        deflateSetDictionary(&z, szotar, uInt(szotarHossz));
    d.adat.resize(qsizetype(deflateBound(&z, uLong(hossz))) + 64);
    z.next_in = const_cast<uchar*>(be);
    z.avail_in = uInt(hossz);
    z.next_out = reinterpret_cast<uchar*>(d.adat.data());
    z.avail_out = uInt(d.adat.size());
    const int r = deflate(&z, utolso ? Z_FINISH : Z_SYNC_FLUSH);
    d.jo = (utolso ? r == Z_STREAM_END : r == Z_OK) && z.avail_in == 0 && z.avail_out > 0;
    d.adat.resize(qsizetype(z.total_out));
    deflateEnd(&z);
    d.crc = quint32(crc32(0, be, uInt(hossz)));
    return d;
}

struct Forras {
    QTemporaryFile ki; // the deflated stream
    quint64 meret = 0, tomoritett = 0;
    quint32 crc = 0;
    time_t ido = 0;
    zip_error_t hiba;
    Forras() { zip_error_init(&hiba); }
    ~Forras() { zip_error_fini(&hiba); }
};

zip_int64_t Parancs(void* ud, void* data, zip_uint64_t hossz, zip_source_cmd_t parancs) {
    auto* f = static_cast<Forras*>(ud);
    switch (parancs) {
    case ZIP_SOURCE_OPEN:
        if (!f->ki.seek(0)) {
            zip_error_set(&f->hiba, ZIP_ER_READ, EIO);
            return -1;
        }
        return 0;
    case ZIP_SOURCE_READ: {
        const qint64 n = f->ki.read(static_cast<char*>(data), qint64(hossz));
        if (n < 0) {
            zip_error_set(&f->hiba, ZIP_ER_READ, EIO);
            return -1;
        }
        return n;
    }
    case ZIP_SOURCE_CLOSE:
        return 0;
    case ZIP_SOURCE_STAT: {
        auto* st = static_cast<zip_stat_t*>(data);
        zip_stat_init(st);
        st->valid = ZIP_STAT_SIZE | ZIP_STAT_COMP_SIZE | ZIP_STAT_CRC | ZIP_STAT_COMP_METHOD |
                    ZIP_STAT_MTIME;
        st->size = f->meret;
        st->comp_size = f->tomoritett;
        st->crc = f->crc;
        st->comp_method = ZIP_CM_DEFLATE;
        st->mtime = f->ido;
        return sizeof(zip_stat_t);
    }
    case ZIP_SOURCE_ERROR:
        return zip_error_to_data(&f->hiba, data, hossz);
    case ZIP_SOURCE_FREE:
        delete f;
        return 0;
    case ZIP_SOURCE_SUPPORTS:
        return zip_source_make_command_bitmap(ZIP_SOURCE_OPEN, ZIP_SOURCE_READ, ZIP_SOURCE_CLOSE,
                                              ZIP_SOURCE_STAT, ZIP_SOURCE_ERROR, ZIP_SOURCE_FREE,
                                              -1);
    default:
        zip_error_set(&f->hiba, ZIP_ER_OPNOTSUPP, 0);
        return -1;
    }
}

} // namespace

zip_source_t* Keszit(zip_t* zip, const QString& fajl, QString& hiba) {
    QFile be(fajl);
    if (!be.open(QIODevice::ReadOnly)) {
        hiba = be.errorString() + QStringLiteral(": ") + fajl;
        return nullptr;
    }
    auto f = std::make_unique<Forras>();
    if (!f->ki.open()) {
        hiba = QStringLiteral("Nem hozható létre ideiglenes állomány.");
        return nullptr;
    }
    const qint64 meret = be.size();
    const uchar* adat = meret > 0 ? be.map(0, meret) : nullptr;
    if (meret > 0 && !adat) {
        hiba = be.errorString() + QStringLiteral(": ") + fajl;
        return nullptr;
    }
    f->meret = quint64(meret);
    f->ido = QFileInfo(fajl).lastModified().toSecsSinceEpoch();

    // The workers take the pieces in order and keep at most a few ahead of
    // the one written next, so that memory stays small.
    const qint64 darabok = std::max<qint64>(1, (meret + DarabMeret - 1) / DarabMeret);
    const int szalak = int(std::clamp<unsigned>(std::thread::hardware_concurrency(), 1, 16));
    std::mutex zar;
    std::condition_variable jel;
    std::map<qint64, Darab> kesz;
    qint64 kovetkezo = 0, kiirt = 0;
    bool leall = false;
    const auto Dolgozo = [&] {
        for (;;) {
            qint64 i;
            {
                std::unique_lock z(zar);
                jel.wait(z, [&] { return leall || kovetkezo - kiirt < 2 * szalak; });
                if (leall || kovetkezo >= darabok)
                    return;
                i = kovetkezo++;
            }
            const qint64 kezd = i * DarabMeret;
            const qint64 szotar = std::min(kezd, SzotarMeret);
            Darab d =
                Tomorit(adat ? adat + kezd - szotar : nullptr, szotar, adat ? adat + kezd : nullptr,
                        std::min(DarabMeret, meret - kezd), i == darabok - 1);
            std::lock_guard z(zar);
            kesz.emplace(i, std::move(d));
            jel.notify_all();
        }
    };
    std::vector<std::thread> dolgozok;
    for (int i = 0; i < szalak; ++i)
        dolgozok.emplace_back(Dolgozo);
    bool jo = true;
    quint32 crc = quint32(crc32(0, nullptr, 0));
    for (qint64 i = 0; i < darabok && jo; ++i) {
        Darab d;
        {
            std::unique_lock z(zar);
            jel.wait(z, [&] { return kesz.count(i) > 0; });
            d = std::move(kesz.at(i));
            kesz.erase(i);
            kiirt = i + 1;
            jel.notify_all();
        }
        jo = d.jo && f->ki.write(d.adat) == d.adat.size();
        const qint64 hossz = std::min(DarabMeret, meret - i * DarabMeret);
        crc = quint32(crc32_combine(crc, d.crc, hossz));
        f->tomoritett += quint64(d.adat.size());
    }
    {
        std::lock_guard z(zar);
        leall = true;
        jel.notify_all();
    }
    for (std::thread& t : dolgozok)
        t.join();
    if (!jo) {
        hiba =
            QStringLiteral("Az archívum ideiglenes állománya nem írható: ") + f->ki.errorString();
        return nullptr;
    }
    f->crc = crc;
    if (!f->ki.flush()) {
        hiba = f->ki.errorString();
        return nullptr;
    }
    zip_source_t* s = zip_source_function(zip, &Parancs, f.get());
    if (!s) {
        hiba = QString::fromLocal8Bit(zip_strerror(zip));
        return nullptr;
    }
    f.release(); // the source owns it now
    return s;
}

} // namespace TomoritettForras
