#pragma once
// The lock of a data folder between the two programs: every running Pelvano
// holds it shared for its whole run, the maintenance tool takes it
// exclusively while it rebuilds tables. It lives on a small file of its own
// in the data folder (never on the database file, whose locks belong to the
// engine) and goes with the process that holds it, so a program that
// crashed leaves no lock behind.

#include <QString>

class MappaZar {
public:
    enum class Mod { Megosztott, Kizarolagos };

    MappaZar() = default;
    ~MappaZar();
    MappaZar(const MappaZar&) = delete;
    MappaZar& operator=(const MappaZar&) = delete;

    // Takes the lock of the folder without waiting (releasing a lock held
    // before): Foglalt when another program holds it in a way that excludes
    // this one, Nincs when the lock file cannot be opened (a folder that
    // cannot be written: nobody can lock it).
    enum class Eredmeny { Kesz, Foglalt, Nincs };
    Eredmeny zar(const QString& mappa, Mod mod);
    void felold();
    bool zarva() const;

    // The lock file's name in the data folder.
    static QString FajlNev() { return QStringLiteral("pelvano.lock"); }

private:
    qintptr m_leiro = -1;
};
