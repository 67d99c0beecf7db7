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
    using Percurso::ValorDaCaixa;
    rs.Definir(QStringLiteral("Aapta1"), ValorDaCaixa(p.aapta1));
    rs.Definir(QStringLiteral("Aapta2"), ValorDaCaixa(p.aapta2));
    gravarNivel(rs, "IP", p.ip, Escala::NivelValido);
    rs.Definir(QStringLiteral("ARL1"), ValorDaCaixa(p.arl1));
    rs.Definir(QStringLiteral("ARL2"), ValorDaCaixa(p.arl2));
    gravarNivel(rs, "ICC", p.icc, Escala::NivelValido);
    gravarNivel(rs, "PUOF", p.puof, NivelPUOFValido);
    rs.Definir(QStringLiteral("Ades"), ValorDaCaixa(p.ades));
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

}  // namespace MapaInsercao
