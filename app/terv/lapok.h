#pragma once

// What the edit dialogs of plans, lines and clients share: the two pages "Részletes" and
// "Megjegyzés", the second filled by the notes box (Courier New 9, vertical scroll bar, Tab leaves
// it).

#include <QRect>
#include <QSize>
#include <QString>

class QDialog;
class QPlainTextEdit;
class QTabWidget;
class QWidget;

struct SzerkesztoLapok {
    QTabWidget* lapok;
    QWidget* reszletes;
    QWidget* megjegyzes;
    QPlainTextEdit* jegyzet; // object name "memMegjegyzes"
};

// The page control `nev` at `hely` of the dialog, with both pages.
SzerkesztoLapok SzerkesztoLapokLetrehoz(QDialog* ablak, const QString& nev, const QRect& hely);
