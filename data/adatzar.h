#pragma once

// The lock between the programs on one data source: every running Pelvano
// holds it shared for its whole run, the maintenance tool takes it
// exclusively while it rebuilds tables. On a data folder it is the folder's
// lock file (MappaZar); on a server an advisory lock of the server, held by
// a connection of its own, so that it goes with the program that holds it
// however that program ends.

#include "mappazar.h"
#include "motor.h"

#include <QString>

class AdatZar {
public:
    using Mod = MappaZar::Mod;
    using Eredmeny = MappaZar::Eredmeny;

    AdatZar() = default;
    ~AdatZar();
    AdatZar(const AdatZar&) = delete;
    AdatZar& operator=(const AdatZar&) = delete;

    // Takes the lock without waiting (releasing one held before): Foglalt
    // when another program holds it in a way that excludes this one, Nincs
    // when it cannot be taken at all (a folder that cannot be written, a
    // server that cannot be reached).
    Eredmeny zar(const Adatforras& forras, Mod mod);
    void felold();
    bool zarva() const;

    // The advisory lock's key on the server (the same for every database;
    // a lock is per database).
    static constexpr qint64 SzerverKulcs = 0x50656c76616e6f; // "Pelvano"

private:
    MappaZar m_mappa;
    QString m_kapcsolat; // the server connection holding the lock, or empty
};
