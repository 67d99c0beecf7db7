#include "entry/MapaObjetivo.h"

#include "common/Percurso.h"

namespace MapaObjetivo {

void Gravar(Banco::Recordset& rs, const Textos& caixas)
{
    rs.Definir(QStringLiteral("TR"), Percurso::ValorDaCaixa(caixas.tr));
    rs.Definir(QStringLiteral("TRD"), Percurso::ValorDaCaixa(caixas.trd));
}

Textos Ler(const Banco::Recordset& rs)
{
    return {Percurso::TextoParaCaixa(rs.Campo(QStringLiteral("TR"))),
            Percurso::TextoParaCaixa(rs.Campo(QStringLiteral("TRD")))};
}

bool Fornecido(const QString& caixa)
{
    return Percurso::NumeroFornecido(caixa, true);
}

bool Completo(const Textos& caixas)
{
    return Fornecido(caixas.tr) && Fornecido(caixas.trd);
}

}  // namespace MapaObjetivo
