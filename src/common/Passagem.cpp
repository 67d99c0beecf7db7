#include "common/Passagem.h"

#include "common/Janelas.h"
#include "common/ModuloTessaura.h"

namespace MT = ModuloTessaura;

Passagem::Passagem(Janela* de, bool ocultar)
    : m_de(de),
      m_ocultar(ocultar),
      m_rs(MT::rsAlternativas),
      m_linha(MT::rsAlternativas ? MT::rsAlternativas->Id() : 0),
      m_reentrada(MT::Reentrada),
      m_porAlternativa(MT::EntradaPorAlternativa),
      m_objetivo(MT::ObjetivoCarregado),
      m_impacto(MT::ImpactoCarregado),
      m_insercao(MT::InsercaoCarregado)
{
}

void Passagem::AoDesfazer(std::function<void()> desfazer)
{
    m_desfazer.push_back(std::move(desfazer));
}

bool Passagem::Para(const QString& nome)
{
    Banco::Acao acao;
    // Nothing is handed on after a failure.
    if (Banco::HouveFalha())
        return false;
    const bool carregada = Janelas::Carregada(nome);
    Janela* para = Janelas::Carregar(nome);
    if (!para)
        return false;
    if (m_de && m_ocultar)
        Janelas::Ocultar(m_de);
    if (!Banco::HouveFalha())
        Janelas::Mostrar(para);
    if (!Banco::HouveFalha())
        return true;

    if (Janelas::Obter(nome) == para) {
        if (carregada)
            Janelas::Ocultar(para);
        else
            Janelas::Descarregar(para);
    }
    Desfazer();
    if (m_de)
        Janelas::Restaurar(m_de);
    return false;
}

void Passagem::Desfazer()
{
    for (auto it = m_desfazer.rbegin(); it != m_desfazer.rend(); ++it)
        (*it)();
    MT::Reentrada = m_reentrada;
    MT::EntradaPorAlternativa = m_porAlternativa;
    MT::ObjetivoCarregado = m_objetivo;
    MT::ImpactoCarregado = m_impacto;
    MT::InsercaoCarregado = m_insercao;
    if (m_rs && m_rs == MT::rsAlternativas && m_linha)
        m_rs->IrParaId(m_linha);
}
