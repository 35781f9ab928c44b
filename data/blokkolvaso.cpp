#include "blokkolvaso.h"

#include "kapcsolat.h"

#include <QSqlQuery>
#include <QSqlRecord>

const QVector<QVariant>& BlokkOlvaso::sor(const QVector<int>& kulcsok, int hely) const {
    static const QVector<QVariant> ures;
    if (hely < 0 || hely >= kulcsok.size())
        return ures;
    const int kulcs = kulcsok.at(hely);
    auto it = m_gyorsitotar.constFind(kulcs);
    if (it != m_gyorsitotar.constEnd())
        return *it;
    if (m_gyorsitotar.size() > 50 * Blokk)
        m_gyorsitotar.clear();
    const int eleje = (hely / Blokk) * Blokk;
    const int vege = qMin(int(kulcsok.size()), eleje + Blokk);
    QStringList lista;
    for (int i = eleje; i < vege; ++i)
        lista << QString::number(kulcsok.at(i));
    try {
        QSqlQuery q = m_k.lekerdez(m_sql(lista.join(QLatin1Char(','))));
        const int n = q.record().count();
        while (q.next()) {
            QVector<QVariant> ertekek(n);
            for (int i = 0; i < n; ++i)
                ertekek[i] = q.value(i);
            m_gyorsitotar.insert(q.value(0).toInt(), ertekek);
        }
    } catch (const AdatbazisHiba&) {
        // A view asking for a row cannot report; the row shows empty.
    }
    for (int i = eleje; i < vege; ++i)
        if (!m_gyorsitotar.contains(kulcsok.at(i)))
            m_gyorsitotar.insert(kulcsok.at(i), QVector<QVariant>());
    it = m_gyorsitotar.constFind(kulcs);
    return it != m_gyorsitotar.constEnd() ? *it : ures;
}
