#pragma once
// Key presses as the windows' key filters see them: the character a key types.
#include <QKeyEvent>

namespace Teclado {

constexpr int Backspace = 8;
constexpr int Enter = 13;

// The character code a key press types: 13 for Enter (either key), 8 for
// Backspace, 27 for Escape, the code of a typed character otherwise. 0 for keys
// that type nothing (arrows, Delete, Tab, function keys) and for the standard
// editing shortcuts (copy, cut, paste, select all, undo, redo), which keep
// working in every box.
int Ascii(const QKeyEvent* e);

// Whether a character code is a digit "0" to "9".
inline bool Digito(int ascii) { return ascii >= '0' && ascii <= '9'; }

}  // namespace Teclado
