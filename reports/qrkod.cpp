#include "qrkod.h"

#include <qrencode.h>

#include <memory>

namespace QrKod {

Matrix Kodol(const QString& szoveg) {
    Matrix m;
    const QByteArray utf8 = szoveg.toUtf8();
    if (utf8.isEmpty())
        return m;
    // Version 0: the smallest that fits; case-sensitive, so that letters are
    // kept as they are.
    const std::unique_ptr<QRcode, decltype(&QRcode_free)> kod(
        QRcode_encodeString(utf8.constData(), 0, QR_ECLEVEL_M, QR_MODE_8, 1), &QRcode_free);
    if (!kod)
        return m;
    m.oldal = kod->width;
    m.modulok.resize(std::size_t(m.oldal) * m.oldal);
    // Bit 0 of each byte is the module's colour (1: dark).
    for (std::size_t i = 0; i < m.modulok.size(); ++i)
        m.modulok[i] = kod->data[i] & 1;
    return m;
}

} // namespace QrKod
