#include "paradoxtabla.h"

#include "hiba.h"

#include <QCoreApplication>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStringDecoder>

namespace {

ParadoxTabla::Fajta FajtaTipusbol(int tipus) {
    using F = ParadoxTabla::Fajta;
    switch (tipus) {
    case 0x01:
        return F::Szoveg;
    case 0x02:
        return F::Datum;
    case 0x14:
        return F::Ido;
    case 0x15:
        return F::DatumIdo;
    case 0x03:
    case 0x04:
    case 0x16:
        return F::Egesz;
    case 0x05:
    case 0x06:
        return F::Tort;
    case 0x09:
        return F::Logikai;
    case 0x0C:
    case 0x0E:
        return F::Memo;
    default:
        return F::Bajtok;
    }
}

// The decoder of the table's code page; windows-1250 for a table that names
// none (the code page of the offices' workstations).
QStringDecoder Dekoder(int kodlap) {
    if (kodlap > 0) {
        QStringDecoder d(QByteArray("cp") + QByteArray::number(kodlap));
        if (d.isValid())
            return d;
    }
    return QStringDecoder("windows-1250");
}

} // namespace

namespace {
QString& OlvasoProgram() {
    static QString p;
    return p;
}
} // namespace

QString ParadoxTabla::Olvaso() {
    if (!OlvasoProgram().isEmpty())
        return OlvasoProgram();
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("pelvano_paradox"));
}

void ParadoxTabla::setOlvaso(const QString& program) {
    OlvasoProgram() = program;
}

ParadoxTabla ParadoxTabla::Olvas(const QString& dbFajl) {
    QProcess p;
    p.start(Olvaso(), {dbFajl});
    if (!p.waitForStarted(30000))
        throw PelvanoHiba(QStringLiteral("az olvasó program nem indul: ") + p.errorString());
    p.closeWriteChannel();
    if (!p.waitForFinished(-1) || p.exitStatus() != QProcess::NormalExit)
        throw PelvanoHiba(QStringLiteral("a fájl sérült, nem olvasható"));
    if (p.exitCode() != 0) {
        const QString ok = QString::fromUtf8(p.readAllStandardError()).trimmed();
        throw PelvanoHiba(ok.isEmpty() ? QStringLiteral("a fájl nem olvasható") : ok);
    }
    QJsonParseError jh;
    const QJsonDocument doc = QJsonDocument::fromJson(p.readAllStandardOutput(), &jh);
    if (!doc.isObject())
        throw PelvanoHiba(QStringLiteral("a fájl nem olvasható: ") + jh.errorString());
    const QJsonObject o = doc.object();
    ParadoxTabla t;
    t.kodlap = o.value(QStringLiteral("kodlap")).toInt();
    t.autoinc = qint64(o.value(QStringLiteral("autoinc")).toDouble());
    QStringDecoder dekoder = Dekoder(t.kodlap);
    auto szoveg = [&](const QJsonValue& v) -> QString {
        const QByteArray bajtok = QByteArray::fromBase64(v.toString().toLatin1());
        return dekoder.decode(bajtok);
    };
    for (const QJsonValue& m : o.value(QStringLiteral("mezok")).toArray()) {
        const QJsonObject mo = m.toObject();
        t.mezok.append({szoveg(mo.value(QStringLiteral("nev"))),
                        FajtaTipusbol(mo.value(QStringLiteral("tipus")).toInt()),
                        mo.value(QStringLiteral("hossz")).toInt()});
    }
    const QJsonArray sorok = o.value(QStringLiteral("sorok")).toArray();
    t.sorok.reserve(sorok.size());
    for (const QJsonValue& s : sorok) {
        const QJsonArray a = s.toArray();
        if (a.size() != t.mezok.size())
            throw PelvanoHiba(QStringLiteral("a fájl nem olvasható"));
        QVector<QVariant> sor(a.size());
        for (qsizetype i = 0; i < a.size(); ++i) {
            const QJsonValue v = a.at(i);
            if (v.isNull())
                continue;
            switch (t.mezok.at(i).fajta) {
            case Fajta::Szoveg:
            case Fajta::Memo:
                sor[i] = szoveg(v);
                break;
            case Fajta::Bajtok:
                sor[i] = QByteArray::fromBase64(v.toString().toLatin1());
                break;
            case Fajta::Egesz:
                sor[i] = qint64(v.toDouble());
                break;
            case Fajta::Tort:
                sor[i] = v.toDouble();
                break;
            case Fajta::Logikai:
                sor[i] = v.toBool();
                break;
            default:
                sor[i] = v.toString();
            }
        }
        t.sorok.append(sor);
    }
    return t;
}
