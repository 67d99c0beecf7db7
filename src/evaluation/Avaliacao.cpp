#include "evaluation/Avaliacao.h"

#include "common/Escala.h"
#include "common/Numeros.h"

#include <algorithm>
#include <cmath>

namespace Avaliacao {

using namespace Indicadores;

const std::array<QString, NumeroCampos>& NomesCampos()
{
    static const std::array<QString, NumeroCampos> n{
        QStringLiteral("TR"),     QStringLiteral("TRD"),    QStringLiteral("QJmin"),
        QStringLiteral("QJmax"),  QStringLiteral("Qalvo"),  QStringLiteral("Qinf"),
        QStringLiteral("Qnat"),   QStringLiteral("Ainf"),   QStringLiteral("Anat"),
        QStringLiteral("PTD"),    QStringLiteral("PPI"),    QStringLiteral("IAsup"),
        QStringLiteral("IAsub"),  QStringLiteral("Aapta1"), QStringLiteral("Aapta2"),
        QStringLiteral("IP"),     QStringLiteral("ARL1"),   QStringLiteral("ARL2"),
        QStringLiteral("ICC"),    QStringLiteral("PUOF"),   QStringLiteral("Ades")};
    return n;
}

namespace {

// Catalogue positions (0-based) of the six computed indicators and the
// fields of the seven ratings.
enum { kIo = 0, kIH1 = 1, kIH2 = 2, kIA1 = 7, kISC1 = 9, kISC4 = 12 };
constexpr bool kCalculado[NI] = {true,  true,  true, false, false, false, false,
                                 true,  false, true, false, false, true};
constexpr Campo kNota[NI] = {NumeroCampos, NumeroCampos, NumeroCampos, PTD, PPI, IAsup, IAsub,
                             NumeroCampos, IP, NumeroCampos, ICC, PUOF, NumeroCampos};

// A measured quantity: given and not negative (the entry windows take no
// sign; a negative number stored by other means could divide by zero).
bool medido(const Valor& v) { return v && *v >= 0; }
// A rating: a whole level of the scale.
bool nivel(const Valor& v) { return v && *v >= 1 && *v <= 7 && std::floor(*v) == *v; }

// What the flow type of IH1 is for a row: "3" both flows, "1" the minimum
// only, "2" the maximum only, empty for neither.
QStringView tipoVazao(const Alternativa& a)
{
    if (a[QJmin])
        return a[QJmax] ? u"3" : u"1";
    return a[QJmax] ? u"2" : u"";
}

bool completo(const Alternativa& a, int k)
{
    switch (k) {
    case kIo:
        return medido(a[TR]) && medido(a[TRD]);
    case kIH1:
        return (a[QJmin] || a[QJmax]) && medido(a[Qalvo]) && (!a[QJmin] || medido(a[QJmin]))
               && (!a[QJmax] || medido(a[QJmax]));
    case kIH2:
        return a[Qinf] ? medido(a[Qinf]) && medido(a[Qnat]) : medido(a[Ainf]) && medido(a[Anat]);
    case kIA1:
        return medido(a[Aapta1]) && medido(a[Aapta2]);
    case kISC1:
        return medido(a[ARL1]) && medido(a[ARL2]);
    case kISC4:
        return medido(a[Ades]);
    default:
        return nivel(a[kNota[k]]);
    }
}

// The largest value of a field over all rows, from 0; absent values skipped.
double maior(const std::vector<Alternativa>& alternativas, Campo c)
{
    double m = 0;
    for (const Alternativa& a : alternativas)
        if (a[c] && *a[c] > m)
            m = *a[c];
    return m;
}

// The indicators of one row as first computed.
std::array<double, NI> calcular(const Alternativa& a, double maiorARL2, double maiorAdes)
{
    std::array<double, NI> v{};
    v[kIo] = Arredondar(CalcularIo(a[TR], a[TRD]));
    v[kIH1] = Arredondar(CalcularIH1(tipoVazao(a), a[QJmin], a[QJmax], a[Qalvo]));
    v[kIH2] = Arredondar(a[Qinf] ? CalcularIH2(a[Qinf], a[Qnat]) : CalcularIH2(a[Ainf], a[Anat]));
    v[kIA1] = Arredondar(CalcularIA1(a[Aapta1], a[Aapta2]));
    v[kISC1] = Arredondar(CalcularISC1(a[ARL1], a[ARL2], maiorARL2));
    v[kISC4] = Arredondar(CalcularISC4(a[Ades], maiorAdes));
    for (int k = 0; k < NI; ++k)
        if (!kCalculado[k])
            v[k] = a[kNota[k]].value_or(0);
    return v;
}

}  // namespace

std::optional<Lacuna> ProcurarLacuna(const std::vector<Alternativa>& alternativas)
{
    for (size_t i = 0; i < alternativas.size(); ++i) {
        const Alternativa& a = alternativas[i];
        for (int k = 0; k < NI; ++k)
            if (!completo(a, k))
                return Lacuna{static_cast<int>(i), a.nome, Codigos()[static_cast<size_t>(k)]};
    }
    return std::nullopt;
}

Faixa MelhorEPior(const std::vector<double>& valores)
{
    Faixa f;
    for (double x : valores) {
        if (x >= f.melhor)
            f.melhor = x;
        if (x <= f.pior)
            f.pior = x;
    }
    if (f.melhor - f.pior < 0.1) {
        const double a = std::floor(f.melhor);
        const double b = std::floor(f.pior);
        if (a == b) {
            f.melhor = a == 7 ? 7 : a + 1;
            f.pior = a == 7 ? 6 : a;
        } else {
            f.melhor = a;
            f.pior = b;
        }
    }
    return f;
}

std::vector<int> Classificar(const std::vector<double>& valores)
{
    std::vector<int> posicoes(valores.size());
    for (size_t i = 0; i < posicoes.size(); ++i)
        posicoes[i] = static_cast<int>(i);
    // A stable sort places, like a selection of the largest among those not
    // yet placed, the upper row first among equal values.
    std::stable_sort(posicoes.begin(), posicoes.end(),
                     [&](int a, int b) { return valores[a] > valores[b]; });
    return posicoes;
}

std::vector<int> ClassificarPC(const std::vector<double>& valores)
{
    std::vector<int> posicoes = Classificar(valores);
    if (posicoes.empty())
        return posicoes;
    const double primeiro = valores[static_cast<size_t>(posicoes.front())];
    double d = 0;
    for (int p : posicoes) {
        const double diferenca = primeiro - valores[static_cast<size_t>(p)];
        d += diferenca * diferenca;
    }
    if (d != 0)
        std::reverse(posicoes.begin(), posicoes.end());
    return posicoes;
}

Resultado Calcular(const std::vector<Alternativa>& alternativas,
                   const std::array<double, NI>& pesos)
{
    Resultado r;
    r.lacuna = ProcurarLacuna(alternativas);
    if (r.lacuna)
        return r;

    const size_t n = alternativas.size();
    const double maiorARL2 = maior(alternativas, ARL2);
    const double maiorAdes = maior(alternativas, Ades);
    const Numeros::FormatoDuasCasas formato;

    // The indicators, brought onto the scale and shown with two decimals;
    // from here on only the shown values count.
    r.linhas.resize(n);
    std::array<std::vector<double>, NI> colunas;
    for (auto& c : colunas)
        c.resize(n);
    for (size_t i = 0; i < n; ++i) {
        const Alternativa& a = alternativas[i];
        Linha& l = r.linhas[i];
        l.id = a.id;
        l.nome = a.nome;
        r.maiorNome = std::max(r.maiorNome, static_cast<int>(a.nome.size()));
        l.calculados = calcular(a, maiorARL2, maiorAdes);
        l.textos.reserve(16 * 8);
        for (int k = 0; k < NI; ++k) {
            double valor = l.calculados[static_cast<size_t>(k)];
            const double nota = kCalculado[k] ? static_cast<double>(Escala::EscalaParaNota(valor))
                                              : valor;
            const double centesimos = Numeros::Centesimos(nota);
            l.limites[static_cast<size_t>(k)] = static_cast<int>(l.textos.size());
            formato.Acrescentar(centesimos, l.textos);
            l.valores[static_cast<size_t>(k)] = centesimos / 100.0;
            colunas[static_cast<size_t>(k)][i] = l.valores[static_cast<size_t>(k)];
            double volta = l.valores[static_cast<size_t>(k)];
            l.perfil[static_cast<size_t>(k)] = Escala::NotaParaEscala(volta);
        }
    }

    // Weighted mean.
    std::vector<double> mp(n), pc(n);
    for (size_t i = 0; i < n; ++i) {
        Linha& l = r.linhas[i];
        double s = 0;
        for (int j = 0; j < NI; ++j)
            s = s + l.valores[static_cast<size_t>(j)] * pesos[static_cast<size_t>(j)];
        const double centesimos = Numeros::Centesimos(s / 100.0);
        l.limites[Linha::TextoMP] = static_cast<int>(l.textos.size());
        formato.Acrescentar(centesimos, l.textos);
        l.mp = mp[i] = centesimos / 100.0;
    }

    // Best and worst values, then the distance from the ideal.
    for (int j = 0; j < NI; ++j) {
        const Faixa f = MelhorEPior(colunas[static_cast<size_t>(j)]);
        r.melhor[static_cast<size_t>(j)] = f.melhor;
        r.pior[static_cast<size_t>(j)] = f.pior;
    }
    for (size_t i = 0; i < n; ++i) {
        Linha& l = r.linhas[i];
        double s = 0;
        for (size_t j = 0; j < NI; ++j)
            s = s + pesos[j] * (r.melhor[j] - l.valores[j]) / (r.melhor[j] - r.pior[j]);
        const double centesimos = Numeros::Centesimos(s);
        l.limites[Linha::TextoPC] = static_cast<int>(l.textos.size());
        formato.Acrescentar(centesimos, l.textos);
        l.limites[Linha::TextoPC + 1] = static_cast<int>(l.textos.size());
        l.pc = pc[i] = centesimos / 100.0;
    }

    r.classificacaoMP = Classificar(mp);
    r.classificacaoPC = ClassificarPC(pc);
    return r;
}

}  // namespace Avaliacao
