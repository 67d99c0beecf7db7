#include "common/Percurso.h"

#include "common/Numeros.h"

namespace Percurso {

void Mover(Banco::Recordset& rs, Direcao d)
{
    if (rs.RecordCount() == 0)
        return;
    if (d == Direcao::Proxima) {
        if (rs.EOF_())
            rs.MoveFirst();
        rs.MoveNext();
        if (rs.EOF_())
            rs.MoveFirst();
    } else {
        if (rs.BOF())
            rs.MoveLast();
        rs.MovePrevious();
        if (rs.BOF())
            rs.MoveLast();
    }
}

void Gravar(Banco::Recordset* rs, const std::function<void(Banco::Recordset&)>& gravar)
{
    if (!rs || !rs->TemLinhaAtual() || !gravar)
        return;
    if (rs->Edit()) {
        gravar(*rs);
        rs->Update();
    }
}

void Passo(Banco::Recordset* rs, Direcao d, const Etapas& e)
{
    if (e.avaliar)
        e.avaliar();
    Gravar(rs, e.gravar);
    if (e.esvaziar)
        e.esvaziar();
    if (rs) {
        Mover(*rs, d);
        if (e.mostrar)
            e.mostrar(*rs);
    }
    if (e.avaliar)
        e.avaliar();
}

void Status::Marcar(int numero, bool completo)
{
    if (numero >= 1 && numero <= Total())
        m_v[static_cast<size_t>(numero - 1)] = completo ? 1 : 0;
}

int Status::Valor(int numero) const
{
    return numero >= 1 && numero <= Total() ? m_v[static_cast<size_t>(numero - 1)] : 0;
}

bool Status::TodosCompletos() const
{
    int soma = 0;
    for (short s : m_v)
        soma += s;
    return soma == Total();
}

QString TextoParaCaixa(const QVariant& valor)
{
    return Numeros::TextoDoCampo(valor);
}

QVariant ValorDaCaixa(const QString& texto)
{
    return texto.isEmpty() ? QVariant() : QVariant(texto);
}

}  // namespace Percurso

namespace Percurso {
bool NumeroFornecido(const QString& texto, bool inteiro)
{
    bool ok = false;
    Numeros::Ler(texto, &ok);
    if (ok && inteiro)
        Banco::ConverterParaColuna(texto, Banco::TipoColuna::Inteiro, &ok);
    return ok;
}
}  // namespace Percurso
