#pragma once
// The thirteen indicators: their catalogue and the formulas of the six that are
// computed from measured quantities. Plain functions of their arguments; an
// absent argument (a Null field) gives an absent result.
#include <QString>
#include <QStringView>
#include <array>
#include <optional>

namespace Indicadores {

using Valor = std::optional<double>;

constexpr int Quantidade = 13;

// Codes in catalogue order: the order of the weights c1..c13, of the columns
// 1..13 of the consequence grid and of the chart's categories.
const std::array<QString, Quantidade>& Codigos();

// Objective: 1 when TR >= TRD, else TR / TRD.
Valor CalcularIo(const Valor& tr, const Valor& trd);
// Downstream flows; tipo "1" only the minimum given, "2" only the maximum,
// "3" both (the mean of the two ratios). Any other tipo gives an absent value.
Valor CalcularIH1(QStringView tipo, const Valor& qmin, const Valor& qmax, const Valor& qalvo);
// Recharge: a with the works, b natural; 1 when a >= 2b, else (a - b) / b.
Valor CalcularIH2(const Valor& a, const Valor& b);
// Habitats: a before the works, b after; 1 when b >= 2a, else (b - a) / a.
Valor CalcularIA1(const Valor& a, const Valor& b);
// Recreation areas: a before, b after, c the largest area after of all
// alternatives. With nothing before, b / c (0 when c is 0 as well).
Valor CalcularISC1(const Valor& a, const Valor& b, const Valor& c);
// Expropriation: a this alternative's area, b the largest of all;
// ((b - a) / b) - 1, and 0 when no alternative expropriates anything.
Valor CalcularISC4(const Valor& a, const Valor& b);

// A computed indicator rounded to two decimals, halves to the even
// neighbour; an absent value gives 0.
double Arredondar(const Valor& v);

}  // namespace Indicadores
