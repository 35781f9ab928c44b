#include "jelszo.h"

#include "hiba.h"
#include "seged.h"

#include <sodium.h>

namespace Jelszo {
namespace {

void inditas() {
    static const bool kesz = sodium_init() >= 0;
    if (!kesz)
        throw PelvanoHiba(QStringLiteral("A jelszókezelő nem indítható."));
}

} // namespace

QString Vagott(const QString& tipusolt) {
    return Seged::KarakterEleje(tipusolt, TipusoltHossz);
}

QString Hash(const QString& tipusolt) {
    inditas();
    const QByteArray jelszo = Vagott(tipusolt).toUtf8();
    char hash[crypto_pwhash_STRBYTES];
    if (crypto_pwhash_str(hash, jelszo.constData(), quint64(jelszo.size()),
                          crypto_pwhash_OPSLIMIT_INTERACTIVE,
                          crypto_pwhash_MEMLIMIT_INTERACTIVE) != 0)
        throw PelvanoHiba(QStringLiteral("Nincs elég memória a jelszó titkosításához."));
    return QString::fromLatin1(hash);
}

bool HashE(const QString& tarolt) {
    return tarolt.startsWith(QLatin1String(crypto_pwhash_argon2id_STRPREFIX));
}

bool Egyezik(const QString& tarolt, const QString& tipusolt) {
    if (tarolt.isEmpty())
        return false;
    if (!HashE(tarolt))
        return tarolt == Vagott(tipusolt);
    inditas();
    const QByteArray hash = tarolt.toLatin1();
    const QByteArray jelszo = Vagott(tipusolt).toUtf8();
    return crypto_pwhash_str_verify(hash.constData(), jelszo.constData(), quint64(jelszo.size())) ==
           0;
}

} // namespace Jelszo
