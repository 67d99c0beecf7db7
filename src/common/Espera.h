#pragma once
// Waits of the system: the splash's hand-over and Pausa.

namespace Espera {

// Waits the given seconds on a monotonic clock, letting pending window events
// run except user input. Zero or fewer seconds return at once.
void Pausa(double segundos);

// Milliseconds to wait for a nominal interval, after the test scale.
int Milissegundos(int nominal);

// Test hook: every wait is multiplied by this factor (1 in the program).
void DefinirEscalaParaTestes(double fator);

}  // namespace Espera
