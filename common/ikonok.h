#pragma once

// The 16 x 16 pictures of the application (the main window's image list),
// drawn for Pelvano and kept as SVG files in the resource file ikonok.qrc
// under ":/ikonok/<name>.svg".

#include <QIcon>

namespace Ikon {

// The picture of the given name; a missing picture gives an empty icon.
QIcon Kep(const char* nev);

// Names of the pictures.
inline constexpr const char* Szuro = "szuro";           // small funnel: plan marked for the filter
inline constexpr const char* KisKereszt = "kiskereszt"; // small black cross: not marked
inline constexpr const char* TervKiad = "tervkiad";     // document with a red arrow pointing left
inline constexpr const char* TervVissza = "tervvissza"; // document with a blue arrow pointing right
inline constexpr const char* LevKiad = "levkiad";       // envelope with a red arrow pointing left
inline constexpr const char* LevVissza = "levvissza";   // envelope with a blue arrow pointing right
inline constexpr const char* DokPlusz = "dokplusz";     // document with a plus sign (new)
inline constexpr const char* DokFel = "dokfel";         // document with an up arrow (edit)
inline constexpr const char* DokMinusz = "dokminusz";   // document with a minus sign (delete)
inline constexpr const char* PirosKereszt = "piroskereszt"; // red cross (close)
inline constexpr const char* SargaToll = "sargatoll";       // yellow pen (mark for issue)
inline constexpr const char* Tavcso = "tavcso";             // binoculars
inline constexpr const char* NagyitoDok = "nagyitodok";     // magnifier over a document
inline constexpr const char* EmberKalap = "emberkalap";     // man with a hat (clients)
inline constexpr const char* DokTu = "doktu";               // document with a pin (types)
inline constexpr const char* Nyomtato = "nyomtato";         // printer
inline constexpr const char* Dokumentum = "dokumentum";     // document
inline constexpr const char* Kintlevoseg = "kintlevoseg";   // document with a red clock
inline constexpr const char* KodVissza = "kodvissza";       // QR code with a blue arrow
inline constexpr const char* Jegyzet = "jegyzet";           // notepad
inline constexpr const char* KetEmber = "ketember";         // two people (users)
inline constexpr const char* Zip = "zip";                   // zip archive
inline constexpr const char* Sql = "sql";                   // the letters SQL
inline constexpr const char* Fogaskerek = "fogaskerek";     // gears (settings)
inline constexpr const char* Kerdojel = "kerdojel";         // question mark (help)
inline constexpr const char* IBetu = "ibetu";               // letter i (information)
inline constexpr const char* Boritek = "boritek";           // envelope (mail)
inline constexpr const char* Bongeszo = "bongeszo";         // web browser
inline constexpr const char* Csillag = "csillag";           // star (news)
inline constexpr const char* Valaszt = "valaszt"; // small list with a pointer (pick buttons)
inline constexpr const char* Elfogad = "elfogad"; // green tick (accept)
inline constexpr const char* Program = "pelvano"; // the program: a drawing sheet with a set square
inline constexpr const char* Mappa = "mappa";     // open folder (open a file)
inline constexpr const char* Floppy = "floppy";   // diskette (save a file)
inline constexpr const char* Ollo = "ollo";       // scissors (cut)
inline constexpr const char* Masol = "masol";     // two sheets (copy)
inline constexpr const char* Beilleszt = "beilleszt"; // clipboard with a sheet (paste)
inline constexpr const char* Futtat = "futtat";       // green triangle (run)
inline constexpr const char* Export = "export";       // sheet with a blue arrow out (export)

} // namespace Ikon
