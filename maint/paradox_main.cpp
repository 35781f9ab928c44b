// pelvano_paradox: reads one table of the old file engine and writes its
// fields and records to its output as JSON, for the take-over of an old data
// folder. It runs as a process of its own, so that a damaged file can at
// worst end this process, never the maintenance tool:
//   pelvano_paradox <table.DB>
// Texts are given as their bytes (base64) in the table's code page, dates,
// times and date-times as ISO text, memos read from the .MB file beside the
// table. Errors go to the error output, with exit code 1.

#include "paradoxmemo.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTime>
#include <cmath>
#include <cstdio>
extern "C" {
#include <paradox.h>
}

namespace {

QString g_hiba;

void Hibakezelo(pxdoc_t*, int, const char* uzenet, void*) {
    if (g_hiba.isEmpty())
        g_hiba = QString::fromLocal8Bit(uzenet).trimmed();
}

[[noreturn]] void Vege(const QString& uzenet) {
    std::fprintf(stderr, "%s\n", uzenet.toUtf8().constData());
    std::exit(1);
}

// The .MB file beside the table, in whatever letter case; empty when none.
QByteArray MemoFajl(const QString& db) {
    const QFileInfo f(db);
    const QString alap = f.completeBaseName();
    for (const QFileInfo& m : f.dir().entryInfoList(QDir::Files))
        if (m.completeBaseName() == alap &&
            m.suffix().compare(QLatin1String("mb"), Qt::CaseInsensitive) == 0) {
            QFile mb(m.absoluteFilePath());
            if (!mb.open(QIODevice::ReadOnly))
                Vege(mb.errorString() + QStringLiteral(": ") + m.fileName());
            return mb.readAll();
        }
    return {};
}

// Days counted from 1 January of year 1; null when no calendar day.
QJsonValue Datum(long napok) {
    int e = 0, h = 0, n = 0;
    PX_SdnToGregorian(napok + 1721425L, &e, &h, &n);
    const QDate d(e, h, n);
    return d.isValid() ? QJsonValue(d.toString(Qt::ISODate)) : QJsonValue();
}

QJsonValue Szoveg(const char* s, int hossz) {
    return QString::fromLatin1(QByteArray(s, hossz).toBase64());
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 2)
        Vege(QStringLiteral("usage: pelvano_paradox <table.DB>"));
    const QString fajl = QString::fromLocal8Bit(argv[1]);

    pxdoc_t* px = PX_new2(Hibakezelo, nullptr, nullptr, nullptr);
    if (!px)
        Vege(QStringLiteral("out of memory"));
    if (PX_open_file(px, QFile::encodeName(fajl).constData()) < 0)
        Vege(g_hiba.isEmpty() ? QStringLiteral("nem Paradox tábla") : g_hiba);
    const int mezoSzam = PX_get_num_fields(px);
    pxfield_t* mezok = PX_get_fields(px);
    const int rekordHossz = PX_get_recordsize(px);
    if (mezoSzam <= 0 || !mezok || rekordHossz <= 0)
        Vege(QStringLiteral("nem Paradox tábla"));
    int osszHossz = 0;
    QJsonArray mezoLista;
    bool vanMemo = false;
    for (int i = 0; i < mezoSzam; ++i) {
        const pxfield_t& m = mezok[i];
        if (m.px_flen <= 0 || !m.px_fname)
            Vege(QStringLiteral("hibás mezőleírás"));
        osszHossz += m.px_flen;
        vanMemo = vanMemo || m.px_ftype == pxfMemoBLOb || m.px_ftype == pxfFmtMemoBLOb ||
                  m.px_ftype == pxfBLOb || m.px_ftype == pxfOLE || m.px_ftype == pxfGraphic;
        mezoLista.append(
            QJsonObject{{QStringLiteral("nev"), Szoveg(m.px_fname, int(qstrlen(m.px_fname)))},
                        {QStringLiteral("tipus"), int(quint8(m.px_ftype))},
                        {QStringLiteral("hossz"), m.px_flen}});
    }
    if (osszHossz > rekordHossz)
        Vege(QStringLiteral("hibás mezőleírás"));
    const QByteArray mb = vanMemo ? MemoFajl(fajl) : QByteArray();

    QByteArray rekord(rekordHossz, '\0');
    QJsonArray sorok;
    const int n = PX_get_num_records(px);
    for (int r = 0; r < n; ++r) {
        if (!PX_get_record(px, r, rekord.data()))
            Vege(g_hiba.isEmpty() ? QStringLiteral("a %1. rekord nem olvasható").arg(r + 1)
                                  : g_hiba);
        QJsonArray sor;
        int hely = 0;
        for (int i = 0; i < mezoSzam; ++i) {
            const pxfield_t& m = mezok[i];
            char* adat = rekord.data() + hely;
            hely += m.px_flen;
            QJsonValue v;
            // A field of zero bytes is empty, whatever its kind (the
            // library would read a number out of it).
            bool ures = true;
            for (int b = 0; b < m.px_flen && ures; ++b)
                ures = adat[b] == 0;
            if (ures) {
                sor.append(v);
                continue;
            }
            switch (m.px_ftype) {
            case pxfAlpha: {
                char* s = nullptr;
                if (PX_get_data_alpha(px, adat, m.px_flen, &s) > 0 && s) {
                    v = Szoveg(s, int(qstrlen(s)));
                    px->free(px, s);
                }
                break;
            }
            case pxfDate: {
                long l = 0;
                if (PX_get_data_long(px, adat, m.px_flen, &l) > 0)
                    v = Datum(l);
                break;
            }
            case pxfShort: {
                short s = 0;
                if (PX_get_data_short(px, adat, m.px_flen, &s) > 0)
                    v = int(s);
                break;
            }
            case pxfLong:
            case pxfAutoInc: {
                long l = 0;
                if (PX_get_data_long(px, adat, m.px_flen, &l) > 0)
                    v = qint64(l);
                break;
            }
            case pxfCurrency:
            case pxfNumber: {
                double d = 0;
                if (PX_get_data_double(px, adat, m.px_flen, &d) > 0)
                    v = d;
                break;
            }
            case pxfLogical: {
                char c = 0;
                if (PX_get_data_byte(px, adat, m.px_flen, &c) > 0)
                    v = c != 0;
                break;
            }
            case pxfTime: {
                long l = 0;
                if (PX_get_data_long(px, adat, m.px_flen, &l) > 0 && l >= 0 && l < 86400000)
                    v = QTime::fromMSecsSinceStartOfDay(int(l)).toString(Qt::ISODate);
                break;
            }
            case pxfTimestamp: {
                double d = 0;
                if (PX_get_data_double(px, adat, m.px_flen, &d) > 0 && d >= 0 && d < 1e15) {
                    // Milliseconds counted as the dates' days.
                    const double mp = std::floor(d / 1000.0);
                    const long napok = long(mp / 86400.0);
                    const int napMp = int(mp - double(napok) * 86400.0);
                    const QJsonValue nap = Datum(napok);
                    if (nap.isString())
                        v = nap.toString() + QLatin1Char(' ') +
                            QTime(0, 0).addSecs(napMp).toString(Qt::ISODate);
                }
                break;
            }
            case pxfMemoBLOb:
            case pxfFmtMemoBLOb:
            case pxfBLOb:
            case pxfOLE:
            case pxfGraphic: {
                bool ures = false;
                QString hiba;
                const auto ertek =
                    ParadoxMemo::Ertek(QByteArray(adat, m.px_flen), mb, &ures, &hiba);
                if (!ertek)
                    Vege(QStringLiteral("a %1. rekord %2 mezője: ").arg(r + 1).arg(i + 1) + hiba);
                if (!ures)
                    v = Szoveg(ertek->constData(), int(ertek->size()));
                break;
            }
            default:
                // BCD and bytes: kept as their bytes.
                v = Szoveg(adat, m.px_flen);
            }
            sor.append(v);
        }
        sorok.append(sor);
    }
    const QJsonObject ki{{QStringLiteral("kodlap"), px->px_head->px_doscodepage},
                         {QStringLiteral("autoinc"), px->px_head->px_autoinc},
                         {QStringLiteral("mezok"), mezoLista},
                         {QStringLiteral("sorok"), sorok}};
    PX_close(px);
    PX_delete(px);
    const QByteArray json = QJsonDocument(ki).toJson(QJsonDocument::Compact);
    std::fwrite(json.constData(), 1, size_t(json.size()), stdout);
    return 0;
}
