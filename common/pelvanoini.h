#pragma once

// What Pelvano.ini holds for the application: the data folder, the database
// server when the office has one, and the main window's placement.

#include <QString>

class IniFajl;

struct IniErtekek {
    QString Path;            // [Database] Path, empty when missing
    QString Server;          // [Database] Server: a libpq connection string, or empty
    bool FullScreen = true;  // [Screen] FullScreen
    int Left = 10;           // [Screen] Left
    int Top = 10;            // [Screen] Top
    int Height = 550;        // [Screen] Height
    int Width = 770;         // [Screen] Width
    bool ArchivNapi = false; // [Archiv] Napi: today's archive at start-up
    int ArchivMegtart = 30;  // [Archiv] Megtart: days the daily archives are kept
    int KintNapok = 30;      // [Kintlevoseg] Napok: days out from which an item is overdue
};

// Reads the entries (names regardless of letter case; defaults for missing
// or non-integer values).
IniErtekek IniOlvas(const IniFajl& ini);
// Sets the six entries in their order: Database/Path first, then Screen's
// FullScreen, Left, Top, Height, Width. Other entries (Server and the
// [Archiv] ones among them, which only the office's administrator writes)
// stay.
void IniIr(IniFajl& ini, const IniErtekek& e);

// The file under the program folder.
QString IniFajlNev();

// The data folder that a [Database] Path names: a relative path is taken
// from the program folder, so that a program folder naming its own data
// folder ("Path=Data", as the install writes it) can be moved or unpacked
// elsewhere; an empty path stays empty.
QString AdatMappaUtvonal(const QString& path);
