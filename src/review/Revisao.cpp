#include "review/Revisao.h"

#include "common/Escala.h"
#include "common/Mensagens.h"
#include "common/Numeros.h"

#include <QHash>
#include <cmath>
#include <limits>

namespace Revisao {

QString Quali(int indice)
{
    return Escala::Legenda(indice);
}

static bool dado(const QVariant& v)
{
    return v.isValid() && !v.isNull() && !(v.typeId() == QMetaType::QString && v.toString().isEmpty());
}

QString TextoDoValor(const QVariant& valor, bool avaliacao)
{
    if (!dado(valor))
        return SemDado;
    if (avaliacao) {
        bool ok = false;
        const double v = valor.typeId() == QMetaType::QString ? Numeros::Ler(valor.toString(), &ok)
                                                               : valor.toDouble(&ok);
        if (!ok || std::fabs(v) > std::numeric_limits<int>::max())
            return QString();
        return Quali(static_cast<int>(Numeros::ArredondarInteiro(v)));
    }
    return Numeros::TextoDoCampo(valor);
}

ParRecarga Recarga(const QVariant& qinf, const QVariant& qnat, const QVariant& ainf,
                   const QVariant& anat)
{
    ParRecarga p;
    auto par = [&p](const QString& simbolo, const QVariant& inf, const QVariant& nat) {
        if (!dado(inf) && !dado(nat))
            return false;
        p.simbolo = simbolo;
        p.inf = TextoDoValor(inf, false);
        p.nat = TextoDoValor(nat, false);
        return true;
    };
    if (!par(SimboloVazao, qinf, qnat))
        p.inf = p.nat = SemDado;
    par(SimboloArea, ainf, anat);
    return p;
}

const std::vector<Elo>& Elos()
{
    const QString obj = QStringLiteral("Objetivo");
    const QString imp = QStringLiteral("Impactos da Obra");
    const QString ins = QStringLiteral("Inserção da Obra");
    const QString recarga = QStringLiteral("Recarga do aquífero");
    const QString habitats = QStringLiteral("Criação e preservação de habitats");
    const QString recreacao =
        QStringLiteral("Criação de áreas de recreação e lazer e equipamentos urbanos");
    const QString ano = QStringLiteral("ano"), m2 = QStringLiteral("m2"), m3 = QStringLiteral("m3");
    const QString quali = QStringLiteral("Qualitativo");
    const QString T = QStringLiteral("T"), Q = QStringLiteral("Q"), A = QStringLiteral("A");
    auto s = [](const char* t) { return QString::fromUtf8(t); };
    static const std::vector<Elo> elos{
        {s("Label5"), s("TR"), false, obj, s("Tempo de retorno de projeto"), T, {}, s("R"), ano},
        {s("Label6"), s("TRD"), false, obj, s("Tempo de retorno desejável"), T, {}, s("RD"), ano},
        {s("Label31"), s("QJmin"), false, imp, s("Vazão mínima à jusante"), Q, s("mín"), s("jus"), m3},
        {s("Label32"), s("QJmax"), false, imp, s("Vazão máxima à jusante"), Q, s("máx"), s("jus"), m3},
        {s("Label33"), s("Qalvo"), false, imp, s("Vazão alvo"), Q, {}, s("alvo"), m3},
        {s("Label34"), {}, false, imp, recarga, {}, {}, s("inf"), {}},
        {s("Label35"), {}, false, imp, recarga, {}, {}, s("nat"), {}},
        {s("Label36"), s("PTD"), true, imp, s("Possibilidade de transmissão de doenças"), {}, {}, {}, quali},
        {s("Label37"), s("PPI"), true, imp, s("Possibilidade de proliferação de insetos"), {}, {}, {}, quali},
        {s("Label38"), s("IAsup"), true, imp, s("Impacto nas águas superficiais"), {}, {}, {}, quali},
        {s("Label39"), s("IAsub"), true, imp, s("Impacto nas águas subterrâneas"), {}, {}, {}, quali},
        {s("Label59"), s("Aapta1"), false, ins, habitats, A, {}, s("apta 1"), m2},
        {s("Label60"), s("Aapta2"), false, ins, habitats, A, {}, s("apta 2"), m2},
        {s("Label61"), s("IP"), true, ins, s("Impacto paisagístico"), {}, {}, {}, quali},
        {s("Label62"), s("ARL1"), false, ins, recreacao, A, {}, s("RL 1"), m2},
        {s("Label63"), s("ARL2"), false, ins, recreacao, A, {}, s("RL 2"), m2},
        {s("Label64"), s("ICC"), true, ins, s("Impacto nas condições de circulação"), {}, {}, {}, quali},
        {s("Label65"), s("PUOF"), true, ins,
         s("Possibilidade da utilização para o desempenho de outras funções técnicas"), {}, {}, {}, quali},
        {s("Label66"), s("Ades"), false, ins, s("Desapropriação de áreas"), A, {}, s("des"), m2},
    };
    return elos;
}

const Elo* EloDoRotulo(const QString& rotulo)
{
    for (const Elo& e : Elos())
        if (e.rotulo == rotulo)
            return &e;
    return nullptr;
}

QString Campo(const QString& chave)
{
    static const QHash<QString, QString> campos{
        {QStringLiteral("Tempo de retorno de projeto"), QStringLiteral("TR")},
        {QStringLiteral("Tempo de retorno desejável"), QStringLiteral("TRD")},
        {QStringLiteral("Vazão mínima à jusante"), QStringLiteral("QJmin")},
        {QStringLiteral("Vazão máxima à jusante"), QStringLiteral("QJmax")},
        {QStringLiteral("Vazão alvo"), QStringLiteral("Qalvo")},
        {QStringLiteral("qinf"), QStringLiteral("Qinf")},
        {QStringLiteral("qnat"), QStringLiteral("Qnat")},
        {QStringLiteral("ainf"), QStringLiteral("Ainf")},
        {QStringLiteral("anat"), QStringLiteral("Anat")},
        {QStringLiteral("Possibilidade de transmissão de doenças"), QStringLiteral("PTD")},
        {QStringLiteral("Possibilidade de proliferação de insetos"), QStringLiteral("PPI")},
        {QStringLiteral("Impacto nas águas superficiais"), QStringLiteral("IAsup")},
        {QStringLiteral("Impacto nas águas subterrâneas"), QStringLiteral("IAsub")},
        {QStringLiteral("aapta1"), QStringLiteral("Aapta1")},
        {QStringLiteral("aapta2"), QStringLiteral("Aapta2")},
        {QStringLiteral("Impacto paisagístico"), QStringLiteral("IP")},
        {QStringLiteral("arl1"), QStringLiteral("ARL1")},
        {QStringLiteral("arl2"), QStringLiteral("ARL2")},
        {QStringLiteral("Impacto nas condições de circulação"), QStringLiteral("ICC")},
        {QStringLiteral("Possibilidade da utilização para o desempenho de outras funções técnicas"),
         QStringLiteral("PUOF")},
        {QStringLiteral("Desapropriação de áreas"), QStringLiteral("Ades")},
    };
    return campos.value(chave);
}

QString ChaveDoDado(const QString& descricao, const QString& letra, const QString& subscrito)
{
    // Data that come in pairs are told apart by their symbol.
    struct Par {
        QString descricao, letra, subscrito, chave;
    };
    static const Par pares[] = {
        {QStringLiteral("Recarga do aquífero"), QStringLiteral("Q"), QStringLiteral("inf"), QStringLiteral("qinf")},
        {QStringLiteral("Recarga do aquífero"), QStringLiteral("Q"), QStringLiteral("nat"), QStringLiteral("qnat")},
        {QStringLiteral("Recarga do aquífero"), QStringLiteral("A"), QStringLiteral("inf"), QStringLiteral("ainf")},
        {QStringLiteral("Recarga do aquífero"), QStringLiteral("A"), QStringLiteral("nat"), QStringLiteral("anat")},
        {QStringLiteral("Criação e preservação de habitats"), {}, QStringLiteral("apta 1"), QStringLiteral("aapta1")},
        {QStringLiteral("Criação e preservação de habitats"), {}, QStringLiteral("apta 2"), QStringLiteral("aapta2")},
        {QStringLiteral("Criação de áreas de recreação e lazer e equipamentos urbanos"), {}, QStringLiteral("RL 1"),
         QStringLiteral("arl1")},
        {QStringLiteral("Criação de áreas de recreação e lazer e equipamentos urbanos"), {}, QStringLiteral("RL 2"),
         QStringLiteral("arl2")},
    };
    bool emPar = false;
    for (const Par& p : pares) {
        if (p.descricao != descricao)
            continue;
        emPar = true;
        if ((p.letra.isEmpty() || p.letra == letra) && p.subscrito == subscrito)
            return p.chave;
    }
    return emPar ? QString() : descricao;
}

bool LerValorNovo(const QString& campo, const QString& texto, QVariant* valor)
{
    bool ok = false;
    const double v = Numeros::Ler(texto, &ok);
    if (!ok || v < 0)
        return false;
    if (campo == QLatin1String("TR") || campo == QLatin1String("TRD")) {
        if (v != std::floor(v) || v > std::numeric_limits<int>::max())
            return false;
        *valor = QVariant(static_cast<qlonglong>(v));
        return true;
    }
    *valor = QVariant(v + 0.0);  // a typed "-0" is stored as 0
    return true;
}

void AvisarFalhaDeGravacao()
{
    Mensagens::Mostrar(QStringLiteral("Não foi possível gravar os dados no banco de dados."),
                       Mensagens::Icone::Critico, Mensagens::Botoes::OK, QStringLiteral("Análise Tessaura"));
}

}  // namespace Revisao
