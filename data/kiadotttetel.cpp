#include "kiadotttetel.h"

#include "ertekszoveg.h"

QString KiadottTetel::fajtaNev() const {
    return fajta == QLatin1Char('L') ? QStringLiteral("levelezés") : QStringLiteral("tervrajz");
}

QString KiadottTetel::sorSzoveg() const {
    return QStringLiteral("%1").arg(sor, 2, 10, QLatin1Char('0'));
}

QString KiadottTetel::kiadvaSzoveg() const {
    return Ertek::Szoveg(kiadva, OszlopFajta::Datum);
}
