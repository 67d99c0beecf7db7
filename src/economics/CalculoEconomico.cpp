#include "economics/CalculoEconomico.h"

#include "common/Numeros.h"
#include "economics/planilha/Planilha.h"

#include <cmath>

namespace CalculoEconomico {

Acumulado Acumular(const Custos& c, int tempoBase, double taxa)
{
    const double f = 1 + taxa / 100;
    Acumulado a;
    a.CI = c.implantacao;
    for (int k = 1; k <= tempoBase; ++k) {
        a.CO = a.CO + c.operacao * std::pow(f, k - 1);
        a.CM = a.CM + c.manutencao * std::pow(f, k - 1);
    }
    if (c.vidaUtil > 0) {
        const double substituicoes = tempoBase / c.vidaUtil;
        for (int k = 1; k <= substituicoes; ++k)
            a.CI = a.CI + c.implantacao * std::pow(f, k * c.vidaUtil - 1);
    }
    a.CT = (a.CI + a.CO) + a.CM;
    return a;
}

double FatorPonderacao(const std::array<QVariant, 14>& pesos)
{
    double soma = 0;
    for (int n = 1; n <= 13; ++n)
        soma += pesos[static_cast<size_t>(n)].toDouble() / PesoReferencia[static_cast<size_t>(n)];
    const double media = soma / 13;
    return media == 0 ? 1.0 : media;
}

double TamanhoBolha(double erro, double fw)
{
    return std::sqrt(std::pow(erro / 100, 2) + std::pow(fw, 2));
}

static QString textoGrade(double v)
{
    return Numeros::Formatar(Numeros::ArredondarDuasCasas(v));
}

// numerador / divisor, or an empty value when the divisor is 0.
static QVariant razao(double numerador, double divisor)
{
    return divisor == 0 ? QVariant() : QVariant(numerador / divisor);
}

Resultado Analisar(const std::vector<Alternativa>& escolhidas, int tempoBase, double taxa,
                   const std::array<QVariant, 14>& pesos)
{
    Resultado r;
    const size_t n = escolhidas.size();
    if (n == 0)
        return r;

    double somaCT = 0;
    for (const Alternativa& a : escolhidas) {
        const Acumulado ac = Acumular(a.custos, tempoBase, taxa);
        somaCT = somaCT + ac.CT;
        r.grade.push_back({a.nome, textoGrade(ac.CI), textoGrade(ac.CO), textoGrade(ac.CM),
                           textoGrade(ac.CT)});
    }
    double somaPC = 0, somaMP = 0;
    for (const Alternativa& a : escolhidas) {
        somaPC = somaPC + a.PerPC;
        somaMP = somaMP + a.PerMP;
    }
    const double mediaCT = somaCT / static_cast<double>(n);
    const double mediaPC = somaPC / static_cast<double>(n);
    const double mediaMP = somaMP / static_cast<double>(n);
    const double fw = FatorPonderacao(pesos);

    for (size_t j = 0; j < n; ++j) {
        const Alternativa& a = escolhidas[j];
        LinhaPlanilha l;
        l.nome = a.nome;
        l.D = razao(mediaCT, Numeros::Ler(r.grade[j][4], nullptr));
        l.B = razao(mediaPC, a.PerPC);
        l.C = razao(a.PerMP, mediaMP);
        l.E = TamanhoBolha(a.erro, fw);
        l.F = l.E;
        if (!l.B.isValid() || !l.C.isValid() || !l.D.isValid())
            r.semBolha << a.nome;
        r.planilha.push_back(l);
    }
    return r;
}

void EscreverPlanilha(Planilha::Folha& folha, const Resultado& r)
{
    folha.ClearContents(QStringLiteral("A3:F65000"));
    int linha = 3;
    for (const LinhaPlanilha& l : r.planilha) {
        folha.DefinirCelula(linha, 1, l.nome);
        folha.DefinirCelula(linha, 2, l.B);
        folha.DefinirCelula(linha, 3, l.C);
        folha.DefinirCelula(linha, 4, l.D);
        folha.DefinirCelula(linha, 5, l.E);
        folha.DefinirCelula(linha, 6, l.F);
        ++linha;
    }
}

}  // namespace CalculoEconomico
