#include "eszkozok/beallitas.h"

#include "kapcsolat.h"

#include <QSqlQuery>

namespace Beallitas {

bool VanBelep(Kapcsolat& k) {
    QSqlQuery q = k.sql(QStringLiteral("SELECT vanbelep FROM beallit ORDER BY beallit"));
    return q.next() && q.value(0).toString() == QLatin1String("I");
}

void VanBelepMent(Kapcsolat& k, bool kell) {
    const QString jel = kell ? QStringLiteral("I") : QStringLiteral("N");
    Tranzakcio t(k);
    QSqlQuery q = k.sql(QStringLiteral("SELECT beallit FROM beallit ORDER BY beallit"));
    if (q.next())
        k.sql(QStringLiteral("UPDATE beallit SET vanbelep=:jel WHERE beallit=:kulcs"),
              {{QStringLiteral("jel"), jel}, {QStringLiteral("kulcs"), q.value(0)}});
    else
        k.sql(QStringLiteral("INSERT INTO beallit (vanbelep) VALUES (:jel)"),
              {{QStringLiteral("jel"), jel}});
    t.kesz();
}

} // namespace Beallitas
