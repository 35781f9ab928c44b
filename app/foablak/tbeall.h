#pragma once

#include <QString>

// The application state of one run of Pelvano.
struct TBeall {
    QString AdatUtvonal;        // data folder
    QString Szerver;            // the database server's connection string, or empty
    bool TeljesKepernyo = true; // main window fills the work area
    bool Belepes = false;       // a login is asked for at start
    QString FelhasznaloNev;     // current user
    bool Rendszergazda = false; // administrator right
    bool Iras = false;          // write right
};
