#include "common/ModuloTessaura.h"

#include "common/BarraStatus.h"
#include "common/Espera.h"
#include "common/Janelas.h"
#include "common/Numeros.h"

#include <QAction>
#include <QCoreApplication>
#include <QMainWindow>

namespace ModuloTessaura {

BarraStatus* sbStatusBar()
{
    QMainWindow* p = Janelas::Principal();
    return p ? p->findChild<BarraStatus*>(QStringLiteral("sbStatusBar")) : nullptr;
}

QAction* BotaoBarra(const QString& chave)
{
    QMainWindow* p = Janelas::Principal();
    return p ? p->findChild<QAction*>(chave) : nullptr;
}

void MostrarAlternativaNaBarra(const QVariant& atual, const QVariant& total)
{
    BarraStatus* barra = sbStatusBar();
    if (!barra)
        return;
    PainelStatus* p1 = barra->Painel(1);
    PainelStatus* p2 = barra->Painel(2);
    p1->setText(QStringLiteral("Alternativa"));
    p1->DefinirBevel(PainelStatus::SemBevel);
    p2->DefinirBevel(PainelStatus::SemBevel);
    const QString texto =
        Numeros::TextoDoCampo(atual) + QStringLiteral(" de ") + Numeros::TextoDoCampo(total);
    p2->setVisible(true);
    p2->setText(texto);
}

void Pausa(double segundos)
{
    Espera::Pausa(segundos);
}

void Reiniciar()
{
    NumeroAlternativas = 0;
    dbAlternativas.reset();
    rsAlternativas.reset();
    EntradaPorAlternativa = false;
    Reentrada = false;
    ProjetoEmAndamento = false;
    ObjetivoCarregado = ImpactoCarregado = InsercaoCarregado = CalculoCarregado = false;
    dbObjetivo.reset();
    rsObjetivo.reset();
    dbImpacto.reset();
    rsImpacto.reset();
    dbInsercao.reset();
    rsInsercao.reset();
    NomePreenchido.clear();
    PesoPonderacao.fill(QVariant());
    ListaPonderacoes.clear();
    ValorPOP = QVariant();
    MarcadorAtual.clear();
    TituloPOP.clear();
    SimboloPOP.clear();
    QualificadorPOP.clear();
    IndicePOP.clear();
    UnidadePOP.clear();
    MarcadorPOP.clear();
    CampoPOP.clear();
    FalhaAproveitamento = false;
    PedirNomeAoSalvar = false;
    NomeProjeto.clear();
    SenhaDigitada.clear();
    ResponsavelProjeto.clear();
    DescricaoProjeto.clear();
    SalvamentoCancelado = false;
    NumeroProjetos = 0;
    dbSave.reset();
    rsSaveNome.reset();
    dbEco.reset();
    rsEco.reset();
    NumAltEco = 0;
}

namespace {
// The database handles kept in the module outlive every window; they are let
// go while the application still exists, never after it.
const bool g_liberarAoSair = [] {
    qAddPostRoutine(&Reiniciar);
    return true;
}();
}  // namespace

}  // namespace ModuloTessaura
