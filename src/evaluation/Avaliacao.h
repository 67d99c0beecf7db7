#pragma once
// The arithmetic of one evaluation run, from the rows of the alternatives
// table to everything the results window shows and stores: the indicators,
// their two-decimal texts and the values read back from them, the weighted
// mean MP, the compromise-programming distance PC, the best and worst value of
// each indicator, both rankings and the chart's profile. Texts and values come
// out together, so what is shown is exactly what is combined and stored.
#include "evaluation/Indicadores.h"

#include <QString>
#include <QtGlobal>
#include <array>
#include <optional>
#include <vector>

namespace Avaliacao {

using Indicadores::Valor;
constexpr int NI = Indicadores::Quantidade;

// The fields of tblTessaura that the indicators read.
enum Campo {
    TR, TRD, QJmin, QJmax, Qalvo, Qinf, Qnat, Ainf, Anat, PTD, PPI, IAsup, IAsub,
    Aapta1, Aapta2, IP, ARL1, ARL2, ICC, PUOF, Ades, NumeroCampos
};
// Their column names, in the order of the enumeration.
const std::array<QString, NumeroCampos>& NomesCampos();

// One row of the alternatives table: its identity, its name and its fields.
struct Alternativa {
    qint64 id = 0;
    QString nome;
    std::array<Valor, NumeroCampos> campos;
    const Valor& operator[](Campo c) const { return campos[c]; }
    Valor& operator[](Campo c) { return campos[c]; }
};

// The first alternative (in row order) that lacks what an indicator (in
// catalogue order) needs.
struct Lacuna {
    int linha = 0;  // 0-based row
    QString nome;
    QString codigo;
};
std::optional<Lacuna> ProcurarLacuna(const std::vector<Alternativa>& alternativas);

// One alternative as the grids show it.
struct Linha {
    qint64 id = 0;
    QString nome;
    // The indicators as first computed: the six formulas rounded to two
    // decimals, the seven ratings as stored.
    std::array<double, NI> calculados{};
    // On the 1-to-7 scale: the values the two-decimal texts read as.
    std::array<double, NI> valores{};
    double mp = 0, pc = 0;
    // The two-decimal texts: 0..12 the indicators, TextoMP and TextoPC.
    QStringView Texto(int coluna) const
    {
        const size_t c = static_cast<size_t>(coluna);
        return QStringView(textos).mid(limites[c], limites[c + 1] - limites[c]);
    }
    static constexpr int TextoMP = NI;
    static constexpr int TextoPC = NI + 1;
    // The chart's profile: each shown value taken back to the range -1..1.
    std::array<double, NI> perfil{};

    // The fifteen texts one after the other, and where each begins.
    QString textos;
    std::array<int, NI + 3> limites{};
};

struct Resultado {
    std::optional<Lacuna> lacuna;  // when set, nothing below is filled
    std::vector<Linha> linhas;     // in row order
    std::array<double, NI> melhor{}, pior{};
    // Rows (0-based indexes into linhas) by position 1..N.
    std::vector<int> classificacaoMP;
    std::vector<int> classificacaoPC;
    int maiorNome = 21;  // longest name, at least "Alternativa/Indicador"
};

// The whole run. pesos are the thirteen percentages in catalogue order.
Resultado Calcular(const std::vector<Alternativa>& alternativas,
                   const std::array<double, NI>& pesos);

// Best and worst value of one indicator over all alternatives, starting from
// best 1 and worst 7; a spread below 0.1 is widened to one whole scale step.
struct Faixa {
    double melhor = 1, pior = 7;
};
Faixa MelhorEPior(const std::vector<double>& valores);

// Positions of the rows by decreasing value, the upper row first among equals.
std::vector<int> Classificar(const std::vector<double>& valores);
// The same for PC, then reversed to increasing order unless all are equal.
std::vector<int> ClassificarPC(const std::vector<double>& valores);

}  // namespace Avaliacao
