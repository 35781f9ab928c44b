#pragma once

// The habits every dialog of Pelvano shares: Enter moves the focus to the
// next control (a new line in multi-line boxes; on a focused button it
// presses it), edit fields show the focus colour while focused, read-only
// fields inside edit dialogs have a cream background.

#include <QColor>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>

class QComboBox;
class QDialog;
class QLineEdit;
class QPushButton;
class QWidget;

namespace Parbeszed {

inline const QColor FokuszSzin(166, 202, 240);
inline const QColor KremSzin(255, 251, 240);

// Enter and Return inside `ablak` move the focus along the tab order (after
// the last control to the first); on a focused button they press it.
void EnterLeptet(QWidget* ablak);

// The field takes the focus colour while it has the focus and the window
// colour otherwise.
void FokuszSzinez(QWidget* mezo);

// A text box at `hely` with its caption just above it (the caption's buddy),
// the focus colour while focused.
QLineEdit* Mezo(QWidget* szulo, const char* nev, const QString& felirat, QRect hely);

// A push button of a dialog, 75 x 25 pixels at (x, y), with its object
// name; it is not pressed by Enter unless it has the focus.
QPushButton* Gomb(QWidget* szulo, const char* nev, const QString& felirat, int x, int y);

// At most `n` characters (code points, see Seged::KarakterSzam) in the box:
// what is typed or pasted beyond them is left out at the cursor, as a
// length limit of the box does, but a character is never split.
void KarakterKorlat(QLineEdit* mezo, int n);
// The box's limit in characters: the one KarakterKorlat set, or else the
// box's own length limit.
int KarakterKorlatja(const QLineEdit* mezo);

// A password box: every character shows as "*".
void JelszoMezo(QLineEdit* mezo);

// A read-only field with the cream background.
void Krem(QWidget* mezo);

// A drop-down box for free text with a pick list: nothing typed is added to
// the list, at most `hossz` characters, the focus colour while focused,
// empty at first.
QComboBox* SzabadValaszto(QWidget* szulo, const QStringList& elemek, int hossz);

// Caption and a fixed dialog frame with a close box around a client area of
// the given size.
void Rogzitett(QDialog* ablak, const QString& cim, QSize meret);

} // namespace Parbeszed
