#include "pelvanoini.h"

#include "inifajl.h"
#include "seged.h"

#include <QDir>

namespace {
const QString Database = QStringLiteral("Database");
const QString Screen = QStringLiteral("Screen");
} // namespace

IniErtekek IniOlvas(const IniFajl& ini) {
    IniErtekek e;
    e.Path = ini.szoveg(QStringLiteral("database"), QStringLiteral("path"));
    e.Server = ini.szoveg(QStringLiteral("database"), QStringLiteral("server")).trimmed();
    e.FullScreen = ini.logikai(Screen, QStringLiteral("FullScreen"), true);
    e.Left = ini.egesz(Screen, QStringLiteral("Left"), 10);
    e.Top = ini.egesz(Screen, QStringLiteral("Top"), 10);
    e.Height = ini.egesz(Screen, QStringLiteral("Height"), 550);
    e.Width = ini.egesz(Screen, QStringLiteral("Width"), 770);
    e.ArchivNapi = ini.logikai(QStringLiteral("Archiv"), QStringLiteral("Napi"), false);
    // A day count below one would leave nothing but today's archive: a slip
    // of the pen keeps the default instead.
    const int megtart = ini.egesz(QStringLiteral("Archiv"), QStringLiteral("Megtart"), 30);
    e.ArchivMegtart = megtart >= 1 ? megtart : 30;
    const int napok = ini.egesz(QStringLiteral("Kintlevoseg"), QStringLiteral("Napok"), 30);
    e.KintNapok = napok >= 0 ? napok : 30;
    return e;
}

void IniIr(IniFajl& ini, const IniErtekek& e) {
    ini.beallit(Database, QStringLiteral("Path"), e.Path);
    ini.beallitLogikai(Screen, QStringLiteral("FullScreen"), e.FullScreen);
    ini.beallitEgesz(Screen, QStringLiteral("Left"), e.Left);
    ini.beallitEgesz(Screen, QStringLiteral("Top"), e.Top);
    ini.beallitEgesz(Screen, QStringLiteral("Height"), e.Height);
    ini.beallitEgesz(Screen, QStringLiteral("Width"), e.Width);
}

QString IniFajlNev() {
    return Seged::ProgramUtvonal(QStringLiteral("Pelvano.ini"));
}

QString AdatMappaUtvonal(const QString& path) {
    if (path.isEmpty() || !QDir::isRelativePath(path))
        return path;
    return QDir::cleanPath(Seged::ProgramUtvonal(path));
}
