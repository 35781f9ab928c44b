#pragma once

// A large file deflated on every core for an archive: the file is cut into
// pieces that are deflated side by side (each piece primed with the 32 KB
// before it, so that the archive is hardly larger than one deflated in one
// go) and joined into one deflate stream, which the archive takes as it is.

#include <QString>
#include <zip.h>

namespace TomoritettForras {

// The archive's source of the file's deflated data, or nullptr with the
// reason in `hiba` (the file unreadable, no room for the temporary file).
// Level 1, as the rest of the archive.
zip_source_t* Keszit(zip_t* zip, const QString& fajl, QString& hiba);

} // namespace TomoritettForras
