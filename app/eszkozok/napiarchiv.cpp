#include "eszkozok/napiarchiv.h"

#include "eszkozok/archivalas.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace NapiArchiv {

bool Esedekes(const QString& mappa, const QDate& nap) {
    return !QFileInfo(Archivalas::NapiFajl(mappa, nap)).isFile();
}

QStringList Ritkit(const QString& mappa, const QDate& nap, int megtart) {
    static const QRegularExpression Nev(QStringLiteral("^(\\d{8})\\.zip$"));
    const QDate hatar = nap.addDays(-megtart);
    QStringList torolt;
    const QDir d(mappa);
    for (const QFileInfo& f : d.entryInfoList(QDir::Files | QDir::NoDotAndDotDot, QDir::Name)) {
        const QRegularExpressionMatch m = Nev.match(f.fileName());
        if (!m.hasMatch())
            continue;
        const QDate datum = QDate::fromString(m.captured(1), QStringLiteral("yyyyMMdd"));
        if (datum.isValid() && datum < hatar && QFile::remove(f.absoluteFilePath()))
            torolt << f.fileName();
    }
    return torolt;
}

void Keszit(const Adatforras& forras, const QString& mappa, const QDate& nap, int megtart) {
    Archivalas::Keszit(forras, Archivalas::NapiFajl(mappa, nap));
    Ritkit(mappa, nap, megtart);
}

} // namespace NapiArchiv
