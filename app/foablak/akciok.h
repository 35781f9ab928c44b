#pragma once

// The actions of the main window: name, caption (also the hint), shortcut
// and picture, and the order in which the menus, toolbars and pop-up menus
// offer them.

#include <QHash>
#include <QKeySequence>
#include <QList>
#include <QString>
#include <QStringList>

class QAction;
class QMenu;
class QToolBar;
class QWidget;

struct AkcioLeiras {
    const char* nev; // "aUj"
    QString felirat; // "Új": caption, tool tip and status bar hint
    QKeySequence billentyu;
    const char* ikon; // a name of Ikon, or nullptr
};

namespace Akciok {

const QList<AkcioLeiras>& Leirasok();

// Creates every action as a child of `ablak`, with its object name.
QHash<QString, QAction*> Letrehoz(QWidget* ablak);

// The main menu: (menu title, items); "-" is a separator.
const QList<QPair<QString, QStringList>>& FoMenu();
// The items of the filter menu ("Szűrés" sub-menu, toolbar drop-down).
const QStringList& SzuroMenu();
// An action of a window: caption also as tool tip and status hint, its
// shortcuts working while the window is active.
QAction* Uj(QWidget* ablak, const char* nev, const QString& felirat,
            const QList<QKeySequence>& billentyuk, const char* ikon);

// A fixed toolbar of small icons inside a dialog.
QToolBar* EszkozTar(QWidget* ablak, const QString& nev);

// Fills a menu or a toolbar with the named actions; "-" adds a separator.
void Feltolt(QWidget* cel, const QStringList& nevek, const QHash<QString, QAction*>& akciok);

} // namespace Akciok
