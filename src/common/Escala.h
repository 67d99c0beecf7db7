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

// Indicator range [-1, 1] to the scale: x -> 3x + 4. The argument is first
// reduced to single precision and keeps that value; the map is computed in
// single precision, -1, 0 and 1 giving exactly 1, 4 and 7.
float EscalaParaNota(double& x);
// The scale back to the indicator range: r -> (r - 4) / 3. The argument is
// first reduced to single precision and keeps that value; the quotient is
// computed in double precision, so 4.99 gives 0.32999...
double NotaParaEscala(double& r);

}  // namespace Escala
