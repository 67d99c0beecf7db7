#include "entry/MapaInsercao.h"

#include "common/Escala.h"
#include "common/Numeros.h"
#include "common/Percurso.h"

namespace MapaInsercao {

namespace {

int nivel(const QVariant& v, bool (*valido)(int))
{
    if (Numeros::TextoDoCampo(v).isEmpty())
        return 0;
    bool ok = false;
    const int n = v.toInt(&ok);
    return ok && valido(n) ? n : 0;
}

void gravarNivel(Banco::Recordset& rs, const char* campo, int n, bool (*valido)(int))
{
    if (valido(n))
        rs.Definir(QString::fromLatin1(campo), n);
}

}  // namespace

void Gravar(Banco::Recordset& rs, const PaginaInsercao& p)
{
    Percurso::GravarCaixa(rs, QStringLiteral("Aapta1"), p.aapta1);
    Percurso::GravarCaixa(rs, QStringLiteral("Aapta2"), p.aapta2);
    gravarNivel(rs, "IP", p.ip, Escala::NivelValido);
    Percurso::GravarCaixa(rs, QStringLiteral("ARL1"), p.arl1);
    Percurso::GravarCaixa(rs, QStringLiteral("ARL2"), p.arl2);
    gravarNivel(rs, "ICC", p.icc, Escala::NivelValido);
    gravarNivel(rs, "PUOF", p.puof, NivelPUOFValido);
    Percurso::GravarCaixa(rs, QStringLiteral("Ades"), p.ades);
}

PaginaInsercao Ler(const Banco::Recordset& rs)
{
    using Percurso::TextoParaCaixa;
    PaginaInsercao p;
    if (!rs.TemLinhaAtual())
        return p;
    auto campo = [&rs](const char* nome) { return rs.Campo(QString::fromLatin1(nome)); };
    p.aapta1 = TextoParaCaixa(campo("Aapta1"));
    p.aapta2 = TextoParaCaixa(campo("Aapta2"));
    p.arl1 = TextoParaCaixa(campo("ARL1"));
    p.arl2 = TextoParaCaixa(campo("ARL2"));
    p.ades = TextoParaCaixa(campo("Ades"));
    p.ip = nivel(campo("IP"), Escala::NivelValido);
    p.icc = nivel(campo("ICC"), Escala::NivelValido);
    p.puof = nivel(campo("PUOF"), NivelPUOFValido);
    return p;
}

bool TomarCampo(PaginaInsercao& p, const Banco::Recordset& rs, const QString& campo)
{
    const PaginaInsercao linha = Ler(rs);
    auto e = [&campo](const char* nome) { return campo == QLatin1String(nome); };
    if (e("Aapta1"))
        p.aapta1 = linha.aapta1;
    else if (e("Aapta2"))
        p.aapta2 = linha.aapta2;
    else if (e("IP"))
        p.ip = linha.ip;
    else if (e("ARL1"))
        p.arl1 = linha.arl1;
    else if (e("ARL2"))
        p.arl2 = linha.arl2;
    else if (e("ICC"))
        p.icc = linha.icc;
    else if (e("PUOF"))
        p.puof = linha.puof;
    else if (e("Ades"))
        p.ades = linha.ades;
    else
        return false;
    return true;
}

std::array<bool, 8> DadosFornecidos(const PaginaInsercao& p)
{
    using Percurso::NumeroFornecido;
    return {NumeroFornecido(p.aapta1), NumeroFornecido(p.aapta2), p.ip != 0,
            NumeroFornecido(p.arl1),   NumeroFornecido(p.arl2),   p.icc != 0,
            p.puof != 0,               NumeroFornecido(p.ades)};
}

bool Completo(const PaginaInsercao& p)
{
    for (bool dado : DadosFornecidos(p)) {
        if (!dado)
            return false;
    }
    return true;
}

bool ItemFornecido(const PaginaInsercao& p, ItemSocial item)
{
    const std::array<bool, 8> d = DadosFornecidos(p);
    switch (item) {
    case ItemSocial::Recreacao:
        return d[3] && d[4];
    case ItemSocial::Circulacao:
        return d[5];
    case ItemSocial::OutrasFuncoes:
        return d[6];
    case ItemSocial::Desapropriacao:
        return d[7];
    }
    return false;
}

std::optional<Aproveitamento::Datum> DatumDaCaixa(int caixa)
{
    static const char* const indices[] = {"apta 1", "apta 2", "RL 1", "RL 2", "des"};
    static const char* const campos[] = {"Aapta1", "Aapta2", "ARL1", "ARL2", "Ades"};
    if (caixa < 1 || caixa > 5)
        return std::nullopt;
    const auto i = static_cast<size_t>(caixa - 1);
    return Aproveitamento::Datum{Titulo,
                                 QStringLiteral("A"),
                                 QString(),
                                 QString::fromLatin1(indices[i]),
                                 QStringLiteral("m2"),
                                 QString::fromLatin1(campos[i])};
}

QString MaximoCorrente(const QString& maximo, const QString& novo)
{
    bool okNovo = false, okMaximo = false;
    const double n = Numeros::Ler(novo, &okNovo);
    if (!okNovo)
        return maximo;
    const double m = Numeros::Ler(maximo, &okMaximo);
    return !okMaximo || n > m ? novo : maximo;
}

}  // namespace MapaInsercao
