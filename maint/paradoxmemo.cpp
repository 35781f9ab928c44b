#include "paradoxmemo.h"

namespace {

constexpr qsizetype BlokkMeret = 4096;

quint32 Szo(const QByteArray& b, qsizetype i, int hossz) {
    quint32 v = 0;
    for (int k = hossz - 1; k >= 0; --k)
        v = (v << 8) | quint8(b.at(i + k));
    return v;
}

std::optional<QByteArray> Hiba(QString* hiba, const QString& szoveg) {
    if (hiba)
        *hiba = szoveg;
    return std::nullopt;
}

} // namespace

std::optional<QByteArray> ParadoxMemo::Blob(const QByteArray& mb, quint32 mutato, quint32 hossz,
                                            QString* hiba) {
    const qsizetype blokk = qsizetype(mutato & 0xFFFFFF00u);
    const int bejegyzes = int(mutato & 0xFFu);
    if (mb.isEmpty())
        return Hiba(hiba, QStringLiteral("a memó állomány (.MB) hiányzik"));
    if (blokk < BlokkMeret || blokk % BlokkMeret != 0 || blokk + BlokkMeret > mb.size())
        return Hiba(hiba, QStringLiteral("a memó állományban nincs ilyen blokk (%1)").arg(blokk));
    const int tipus = quint8(mb.at(blokk));
    if (bejegyzes == 0xFF) {
        // A block of its own: type 2, size in blocks, length, modification
        // number, then the data.
        if (tipus != 2)
            return Hiba(hiba, QStringLiteral("a memó állomány %1. blokkja nem memó").arg(blokk));
        const quint32 tarolt = Szo(mb, blokk + 3, 4);
        const qsizetype eleje = blokk + 9;
        if (tarolt < hossz || eleje + qsizetype(hossz) > mb.size())
            return Hiba(hiba, QStringLiteral("a memó állomány csonka"));
        return mb.mid(eleje, hossz);
    }
    // A sub-allocated block: type 3; 64 entries of 5 bytes from byte 12:
    // start and length in 16-byte units, modification number, length's
    // remainder.
    if (tipus != 3 || bejegyzes >= 64)
        return Hiba(hiba, QStringLiteral("a memó állomány %1. blokkja nem memó").arg(blokk));
    const qsizetype e = blokk + 12 + qsizetype(bejegyzes) * 5;
    const int kezdet = quint8(mb.at(e));
    const int egysegek = quint8(mb.at(e + 1));
    const int maradek = quint8(mb.at(e + 4));
    if (kezdet == 0 || egysegek == 0)
        return Hiba(hiba, QStringLiteral("a memó állomány bejegyzése üres"));
    const quint32 tarolt = quint32(egysegek - 1) * 16 + quint32(maradek == 0 ? 16 : maradek);
    const qsizetype eleje = blokk + qsizetype(kezdet) * 16;
    if (tarolt < hossz || eleje + qsizetype(hossz) > blokk + BlokkMeret)
        return Hiba(hiba, QStringLiteral("a memó állomány bejegyzése hibás"));
    return mb.mid(eleje, hossz);
}

std::optional<QByteArray> ParadoxMemo::Ertek(const QByteArray& mezo, const QByteArray& mb,
                                             bool* ures, QString* hiba) {
    if (ures)
        *ures = false;
    if (mezo.size() < 10)
        return Hiba(hiba, QStringLiteral("a memó mező túl rövid"));
    const qsizetype bent = mezo.size() - 10;
    const quint32 mutato = Szo(mezo, bent, 4);
    const quint32 hossz = Szo(mezo, bent + 4, 4);
    if (hossz == 0) {
        if (ures)
            *ures = true;
        return QByteArray();
    }
    if (qsizetype(hossz) <= bent)
        return mezo.left(hossz);
    return Blob(mb, mutato, hossz, hiba);
}
