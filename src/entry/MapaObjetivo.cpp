#include "entry/MapaObjetivo.h"

#include "common/Percurso.h"

namespace MapaObjetivo {

void Gravar(Banco::Recordset& rs, const Textos& caixas)
{
    Percurso::GravarCaixa(rs, QStringLiteral("TR"), caixas.tr);
    Percurso::GravarCaixa(rs, QStringLiteral("TRD"), caixas.trd);
}

Textos Ler(const Banco::Recordset& rs)
{
    return {Percurso::TextoParaCaixa(rs.Campo(QStringLiteral("TR"))),
            Percurso::TextoParaCaixa(rs.Campo(QStringLiteral("TRD")))};
}

bool TomarCampo(Textos& caixas, const Banco::Recordset& rs, const QString& campo)
{
    const Textos linha = Ler(rs);
    if (campo == QLatin1String("TR"))
        caixas.tr = linha.tr;
    else if (campo == QLatin1String("TRD"))
        caixas.trd = linha.trd;
    else
        return false;
    return true;
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
