#pragma once
// The economic computation: each chosen alternative's implementation,
// operation and maintenance costs accumulated over the base time at the
// annual interest rate (compounding forward, the implementation cost repeated
// at the end of each useful life), the cost grid, and the worksheet rows that
// set each alternative's performance and cost against the chosen ones' means.
#include <QString>
#include <QVariant>
#include <array>
#include <vector>

namespace Planilha {
class Folha;
}

namespace CalculoEconomico {

// Reference weights of the thirteen indicators in catalogue order, indexed
// 1..13 (element 0 unused); they sum to 99.8.
inline constexpr std::array<double, 14> PesoReferencia = {
    0, 10.0, 14.1, 4.9, 8.1, 7.8, 10.9, 7.7, 9.4, 5.9, 6.1, 5.1, 4.2, 5.6};

struct Custos {
    double implantacao = 0;  // CI, $
    double operacao = 0;     // CO, $/ano
    double manutencao = 0;   // CM, $/ano
    double vidaUtil = 0;     // VU, anos
};

// The accumulated costs of one alternative, not rounded.
struct Acumulado {
    double CI = 0, CO = 0, CM = 0, CT = 0;
};

// f = 1 + taxa / 100. CO and CM add CO·f^(k−1) for k = 1..T; CI adds
// CI·f^(k·VU − 1) for every k with k ≤ T / VU. A useful life that is not above
// 0 adds no replacement; callers keep T / VU within 32767.
Acumulado Acumular(const Custos& c, int tempoBase, double taxa);

// The mean over the thirteen indicators of weight / reference weight; 1 when
// that mean is exactly 0. A weight that holds no number counts as 0.
double FatorPonderacao(const std::array<QVariant, 14>& pesos);

// Bubble size: √((erro / 100)² + Fw²).
double TamanhoBolha(double erro, double fw);

// One chosen alternative as the computation reads it.
struct Alternativa {
    QString nome;
    Custos custos;
    double erro = 0;   // ErroEco, %
    double PerPC = 0;  // compromise-programming index
    double PerMP = 0;  // weighted-mean index
};

// A worksheet row: name, relative performance by compromise programming (B)
// and by weighted mean (C), relative cost (D), bubble sizes (E, F). A value
// whose divisor is 0 is left empty (invalid).
struct LinhaPlanilha {
    QString nome;
    QVariant B, C, D;
    double E = 0, F = 0;
};

struct Resultado {
    // Grid rows 1..n: Nome, CI, CO, CM, CT as shown (rounded to two decimals).
    std::vector<std::array<QString, 5>> grade;
    std::vector<LinhaPlanilha> planilha;
    // Names of the alternatives with an empty B, C or D, in order.
    QStringList semBolha;
};

// The run over the chosen alternatives, in table order. The relative cost is
// taken from the total as the grid shows it, read back by the locale.
Resultado Analisar(const std::vector<Alternativa>& escolhidas, int tempoBase, double taxa,
                   const std::array<QVariant, 14>& pesos);

// Empties "A3:F65000" and writes one row per chosen alternative from row 3.
void EscreverPlanilha(Planilha::Folha& folha, const Resultado& r);

}  // namespace CalculoEconomico
