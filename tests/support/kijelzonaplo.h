#pragma once

// What an operation of the maintenance tool showed, in order: "max 12",
// "lep", "alap", "allapot <text>", "hiba <text>", "uzenet <text>".

#include "karbantarto.h"

#include <QRegularExpression>
#include <QStringList>

namespace Teszt {

class KijelzoNaplo : public Kijelzo {
public:
    QStringList esemenyek;
    void maximum(int ertek) override { esemenyek << QStringLiteral("max %1").arg(ertek); }
    void lepes() override { esemenyek << QStringLiteral("lep"); }
    void alaphelyzet() override { esemenyek << QStringLiteral("alap"); }
    void allapot(const QString& s) override { esemenyek << QStringLiteral("allapot ") + s; }
    void hiba(const QString& s) override { esemenyek << QStringLiteral("hiba ") + s; }
    void uzenet(const QString& s) override { esemenyek << QStringLiteral("uzenet ") + s; }

    QStringList hibak() const { return szurt(QStringLiteral("^hiba ")); }
    // The texts shown: status lines that are not empty, boxes.
    QStringList szovegek() const { return szurt(QStringLiteral("^(allapot .|hiba |uzenet )")); }

private:
    QStringList szurt(const QString& minta) const {
        return esemenyek.filter(QRegularExpression(minta));
    }
};

} // namespace Teszt
