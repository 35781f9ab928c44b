#include "lekerdezes/keres.h"

#include "tervlista.h"

#include <QLocale>

namespace Keres {

const QStringList& Oszlopok() {
    static const QStringList o{"tervszam",   "cim",           "helyszin",       "tervjel",
                               "tipus_nev",  "ugyfel_nev",    "kapcstarto",     "tervezo_nev",
                               "szakag_nev", "tervfajta_nev", "tervszakasz_nev"};
    return o;
}

QString Minta(const QString& szoveg) {
    QString m = QLatin1Char('%') + QLocale().toUpper(szoveg) + QLatin1Char('%');
    m.replace(QLatin1Char('\''), QLatin1String("''"));
    return QLatin1Char('\'') + m + QLatin1Char('\'');
}

QStringList Sql(const QString& szoveg) {
    QStringList sorok = TervLista::Sql(QString());
    sorok.removeLast();
    const QString minta = Minta(szoveg);
    QStringList feltetelek;
    for (const QString& o : Oszlopok())
        feltetelek << QStringLiteral("(UPPER(%1) LIKE %2)").arg(o, minta);
    sorok << QStringLiteral("WHERE ") + feltetelek.join(QLatin1String(" OR "))
          << QStringLiteral("ORDER BY terv.tervszam;");
    return sorok;
}

} // namespace Keres
