#pragma once
// The seven-level rating scale and the maps between it and the indicator range.
#include <QString>
#include <QStringList>

namespace Escala {

constexpr int Niveis = 7;

// Captions of levels 1..7, in scale order.
const QStringList& Legendas();
// Caption of one level; empty outside 1..7.
QString Legenda(int nivel);
inline bool NivelValido(int nivel) { return nivel >= 1 && nivel <= Niveis; }

// Indicator range [-1, 1] to the scale and back: x -> 3x + 4, r -> (r - 4) / 3.
inline double ParaEscala(double x) { return 3.0 * x + 4.0; }
inline double DaEscala(double r) { return (r - 4.0) / 3.0; }

}  // namespace Escala
