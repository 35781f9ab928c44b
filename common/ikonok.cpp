#include "ikonok.h"

#include <QFile>

// The pictures live in a static library: their resource is registered by
// hand before the first use.
static void kepekBetoltese() {
    static const bool kesz = [] {
        Q_INIT_RESOURCE(ikonok);
        return true;
    }();
    Q_UNUSED(kesz);
}

namespace Ikon {

QIcon Kep(const char* nev) {
    kepekBetoltese();
    const QString fajl = QStringLiteral(":/ikonok/%1.svg").arg(QLatin1String(nev));
    return QFile::exists(fajl) ? QIcon(fajl) : QIcon();
}

} // namespace Ikon
