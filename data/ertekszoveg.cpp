#include "ertekszoveg.h"

#include "sema.h"

#include <QDateTime>
#include <QHash>
#include <QLocale>

namespace Ertek {

namespace {

OszlopFajta semaTipus(Sema::Tipus t) {
    switch (t) {
    case Sema::Tipus::AutoInc:
    case Sema::Tipus::Egesz:
        return OszlopFajta::Egesz;
    case Sema::Tipus::Szoveg:
        return OszlopFajta::Szoveg;
    case Sema::Tipus::Datum:
        return OszlopFajta::Datum;
    case Sema::Tipus::DatumIdo:
        return OszlopFajta::DatumIdo;
    case Sema::Tipus::Memo:
        return OszlopFajta::Memo;
    }
    return OszlopFajta::Szoveg;
}

const Sema::Oszlop* semaOszlop(const QString& tabla, const QString& oszlop) {
    const Sema::Tabla* t = Sema::TablaNevvel(tabla);
    if (!t)
        return nullptr;
    for (const Sema::Oszlop& o : t->oszlopok)
        if (o.nev.compare(oszlop, Qt::CaseInsensitive) == 0)
            return &o;
    return nullptr;
}

} // namespace

OszlopFajta TipusFajta(QMetaType::Type t) {
    switch (t) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::Bool:
        return OszlopFajta::Egesz;
    case QMetaType::Double:
    case QMetaType::Float:
        return OszlopFajta::Tort;
    case QMetaType::QDate:
        return OszlopFajta::Datum;
    case QMetaType::QDateTime:
        return OszlopFajta::DatumIdo;
    case QMetaType::QByteArray:
        return OszlopFajta::Blob;
    default:
        return OszlopFajta::Szoveg;
    }
}

namespace {

// The workstation's long time format without a time zone (a stored time has
// none).
QString hosszuIdoFormatum() {
    const QString f = QLocale().timeFormat(QLocale::LongFormat);
    QString ki;
    bool idezet = false;
    for (QChar c : f) {
        if (c == QLatin1Char('\''))
            idezet = !idezet;
        if (!idezet && c == QLatin1Char('t'))
            continue;
        ki.append(c);
    }
    return ki.simplified();
}

QString tortSzoveg(double d) {
    QString s = QString::number(d, 'g', 15);
    const int e = s.indexOf(QLatin1Char('e'));
    if (e >= 0) {
        const int kitevo = s.mid(e + 1).toInt();
        s = s.left(e) + QLatin1Char('E') + QString::number(kitevo);
    }
    return s.replace(QLatin1Char('.'), QLocale().decimalPoint());
}

} // namespace

OszlopFajta SemaFajta(const QStringList& tablak, const QString& oszlop, OszlopFajta nincs) {
    for (const QString& t : tablak)
        if (const Sema::Oszlop* o = semaOszlop(t, oszlop))
            return semaTipus(o->tipus);
    return nincs;
}

OszlopFajta ErtekFajta(const QVariant& ertek) {
    return TipusFajta(QMetaType::Type(ertek.metaType().id()));
}

namespace {

QString datumFormazas(const QVariant& ertek, OszlopFajta fajta);

// Dates and date-times formatted once per distinct stored text: a large
// export repeats the same few thousand dates, and formatting by the locale
// is the slow part of a row.
QString datumSzovegTarbol(const QString& tarolt, OszlopFajta fajta,
                          QString (*formaz)(const QVariant&, OszlopFajta)) {
    static QHash<QString, QString> tar[2];
    QHash<QString, QString>& t = tar[fajta == OszlopFajta::DatumIdo ? 1 : 0];
    const auto it = t.constFind(tarolt);
    if (it != t.constEnd())
        return *it;
    if (t.size() > 200000)
        t.clear();
    const QString s = formaz(QVariant(tarolt), fajta);
    t.insert(tarolt, s);
    return s;
}

} // namespace

QString Szoveg(const QVariant& ertek, OszlopFajta fajta) {
    if (ertek.isNull() || !ertek.isValid())
        return {};
    if ((fajta == OszlopFajta::Datum || fajta == OszlopFajta::DatumIdo) &&
        ertek.metaType().id() == QMetaType::QString)
        return datumSzovegTarbol(ertek.toString(), fajta, &datumFormazas);
    return datumFormazas(ertek, fajta);
}

namespace {

QString datumFormazas(const QVariant& ertek, OszlopFajta fajta) {
    bool ok = false;
    switch (fajta) {
    case OszlopFajta::Egesz: {
        const qlonglong n = ertek.toLongLong(&ok);
        if (ok)
            return QString::number(n);
        break;
    }
    case OszlopFajta::Tort: {
        const double d = ertek.toDouble(&ok);
        if (ok)
            return tortSzoveg(d);
        break;
    }
    case OszlopFajta::Datum: {
        const QDateTime dt = DatumIdo(ertek);
        if (dt.isValid())
            return QLocale().toString(dt.date(), QLocale::ShortFormat);
        break;
    }
    case OszlopFajta::DatumIdo: {
        const QDateTime dt = DatumIdo(ertek);
        if (!dt.isValid())
            break;
        QString s = QLocale().toString(dt.date(), QLocale::ShortFormat);
        if (dt.time() != QTime(0, 0))
            s += QLatin1Char(' ') + QLocale().toString(dt.time(), hosszuIdoFormatum());
        return s;
    }
    case OszlopFajta::Blob:
        if (ertek.metaType().id() == QMetaType::QByteArray)
            return QString::fromUtf8(ertek.toByteArray());
        break;
    case OszlopFajta::Szoveg:
    case OszlopFajta::Memo:
        break;
    }
    return ertek.toString();
}

} // namespace

QDateTime DatumIdo(const QVariant& v) {
    if (v.metaType().id() == QMetaType::QDateTime)
        return v.toDateTime();
    if (v.metaType().id() == QMetaType::QDate)
        return QDateTime(v.toDate(), QTime(0, 0));
    const QString s = v.toString().trimmed();
    if (s.size() == 10) {
        const QDate d = QDate::fromString(s, Qt::ISODate);
        return d.isValid() ? QDateTime(d, QTime(0, 0)) : QDateTime();
    }
    QDateTime dt = QDateTime::fromString(s, QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    if (!dt.isValid())
        dt = QDateTime::fromString(s, Qt::ISODate);
    if (!dt.isValid())
        dt = QDateTime::fromString(s, Qt::ISODateWithMs);
    return dt;
}

} // namespace Ertek
