#pragma once
// Key filters of the numeric entry boxes. Each takes the typed character code
// and returns what the box receives: the same code, a replacement, or 0 when
// the key is dropped.

namespace EntradaDecimal {

constexpr int Backspace = 8;
constexpr int Enter = 13;

// Digits, the locale's decimal separator, Backspace and Enter pass; the other
// common separator is swapped for the right one with a message; anything else
// is dropped with a beep and a message.
int FiltrarTecla(int codigo);

// Digits, Backspace and Enter pass; anything else is dropped with a beep only.
int FiltrarTeclaInteira(int codigo);

}  // namespace EntradaDecimal
