#include "ikonok.h"

#include <QFile>

namespace Ikon {

QIcon Kep(const char* nev) {
    const QString fajl = QStringLiteral(":/ikonok/%1.svg").arg(QLatin1String(nev));
    return QFile::exists(fajl) ? QIcon(fajl) : QIcon();
}

} // namespace Ikon
