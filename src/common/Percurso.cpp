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

bool Gravar(Banco::Recordset* rs, const std::function<void(Banco::Recordset&)>& gravar)
{
    if (!rs || !rs->TemLinhaAtual() || !gravar)
        return true;
    Banco::Acao acao(Banco::TipoAcao::Gravacao);
    if (!rs->Edit())
        return true;
    gravar(*rs);
    return rs->Update();
}

bool Passo(Banco::Recordset* rs, Direcao d, const Etapas& e)
{
    Banco::Acao acao(Banco::TipoAcao::Gravacao);
    // The row left is read before it is judged: when it cannot be read the
    // step stops there, with nothing stored, emptied or moved.
    if (rs && rs->TemLinhaAtual() && !rs->Ler())
        return false;
    if (e.avaliar)
        e.avaliar();
    if (!Gravar(rs, e.gravar))
        return false;
    if (rs) {
        // The row reached is read before the page is emptied: when it cannot
        // be read the walk stays on the alternative it was showing.
        const qint64 antes = rs->Id();
        Mover(*rs, d);
        if (!rs->Ler()) {
            if (antes)
                rs->IrParaId(antes);
            if (e.avaliar)
                e.avaliar();
            return false;
        }
    }
    if (e.esvaziar)
        e.esvaziar();
    if (rs && e.mostrar)
        e.mostrar(*rs);
    if (e.avaliar)
        e.avaliar();
    return true;
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

void GravarCaixa(Banco::Recordset& rs, const QString& campo, const QString& texto)
{
    if (!rs.Definir(campo, ValorDaCaixa(texto)))
        rs.Definir(campo, QVariant());
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
