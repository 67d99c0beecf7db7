#pragma once
// Small subscript and superscript labels set into a run of blanks of another
// label's caption ("Q    =", "T     = Tempo ...", "m /s"). The run is widened
// from the caption font's own metrics until the small labels fit with room to
// spare, so nothing touches the character after the blanks whatever font the
// machine supplies.
#include <utility>

class QLabel;

namespace Indices {

// Widens the longest run of blanks of base's caption until `largura` pixels and
// a margin fit in it; returns the run's start (in base's coordinates) and width.
std::pair<int, int> AbrirVao(QLabel* base, int largura);

// Sets acima (raised) and abaixo (lowered) into the longest run of blanks of
// base's caption, left-aligned in it; either may be null.
void Encaixar(QLabel* base, QLabel* acima, QLabel* abaixo);

}  // namespace Indices
