#pragma once
// Waits of the system: the splash's hand-over and Pausa.
#include <functional>

namespace Espera {

// Waits the given seconds on a monotonic clock, letting pending window events
// run except user input. Zero or fewer seconds return at once.
void Pausa(double segundos);

// Milliseconds to wait for a nominal interval, after the test scale.
int Milissegundos(int nominal);

// Test hooks: every wait is multiplied by this factor (1 in the program);
// f runs at every Pausa, before it waits (none in the program).
void DefinirEscalaParaTestes(double fator);
void DefinirAoPausarParaTestes(std::function<void()> f);

}  // namespace Espera
