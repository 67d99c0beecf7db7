#include "evaluation/frmCalculoIndices.h"

#include "common/Ampulheta.h"
#include "common/BarraStatus.h"
#include "common/Mensagens.h"
#include "common/ModuloTessaura.h"
#include "common/Numeros.h"
#include "common/GradeFlex.h"
#include "evaluation/TabelaAvaliacao.h"

#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>
#include <algorithm>
#include <cmath>

REGISTRAR_JANELA(frmCalculoIndices)

namespace MT = ModuloTessaura;
using Avaliacao::NI;

namespace {

const QString kTitulo = QStringLiteral("Análise Tessaura");

// Columns of the consequence grid after the thirteen indicators.
constexpr int kColunaMP = NI + 1;
constexpr int kColunaPC = NI + 2;
constexpr int kColunasFlex = NI + 3;

// The weights handed on by the weighting window, in catalogue order; an
// element never handed on weighs nothing.
std::array<double, NI> pesos()
{
    std::array<double, NI> p{};
    for (int j = 0; j < NI; ++j)
        p[static_cast<size_t>(j)] = MT::PesoPonderacao[static_cast<size_t>(j + 1)].toDouble();
    return p;
}

}  // namespace

frmCalculoIndices::frmCalculoIndices()
{
    montarFrame1();
    montarFrame2();
    montarProgresso();
}

// ---------------------------------------------------------------- layout

void frmCalculoIndices::montarFrame1()
{
    Frame1 = new QGroupBox(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setGeometry(8, 56, 1000, 340);
    Label2 = new QLabel(QStringLiteral("Matriz de Consequência para o estudo proposto:"), Frame1);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setGeometry(10, 10, 600, 20);
    Flex = new GradeFlex(Frame1);
    Flex->setObjectName(QStringLiteral("Flex"));
    Flex->setGeometry(10, 34, 713, 296);
    Flex->DefinirForma(1, kColunasFlex);
}

void frmCalculoIndices::montarFrame2()
{
    Frame2 = new QGroupBox(this);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    Frame2->setGeometry(Frame1->geometry());
    Label5 = new QLabel(QStringLiteral("Classificação das Alternativas:"), Frame2);
    Label5->setObjectName(QStringLiteral("Label5"));
    Label5->setGeometry(10, 10, 600, 20);
    FlexClass = new GradeFlex(Frame2);
    FlexClass->setObjectName(QStringLiteral("FlexClass"));
    FlexClass->setGeometry(10, 34, 640, 296);
    FlexClass->DefinirForma(2, 5);
    FlexClass->DefinirFixas(2, 1);
    Frame2->hide();
}

void frmCalculoIndices::montarProgresso()
{
    auto rotulo = [this](const char* nome, const QString& texto, int y) {
        auto* l = new QLabel(texto, this);
        l->setObjectName(QString::fromLatin1(nome));
        l->setGeometry(8, y, 500, 18);
        return l;
    };
    auto barra = [this](const char* nome, int y) {
        auto* b = new QProgressBar(this);
        b->setObjectName(QString::fromLatin1(nome));
        b->setRange(0, 100);
        b->setValue(0);
        b->setTextVisible(false);
        b->setGeometry(8, y, 500, 16);
        return b;
    };
    Label3 = rotulo("Label3", QString(), 404);
    ProgressBar1 = barra("ProgressBar1", 424);
    Label4 = rotulo("Label4", QStringLiteral("Processo global..."), 446);
    ProgressBar2 = barra("ProgressBar2", 466);
}

// ---------------------------------------------------------------- life cycle

void frmCalculoIndices::Form_Load()
{
    MT::CalculoCarregado = true;
}

void frmCalculoIndices::Form_Unload()
{
    m_descarregada = true;
    MT::CalculoCarregado = false;
}

void frmCalculoIndices::Form_Activate()
{
    // One run at a time: an activation during a run's pauses is not a new run.
    if (m_emExecucao || m_descarregada)
        return;
    executar();
}

// ---------------------------------------------------------------- the run

void frmCalculoIndices::executar()
{
    const QPointer<frmCalculoIndices> guarda(this);
    m_emExecucao = true;
    Ampulheta ampulheta;
    // Every way out of the run ends it, unless the window went away meanwhile.
    struct Fim {
        const QPointer<frmCalculoIndices>& g;
        ~Fim()
        {
            if (g)
                g->m_emExecucao = false;
        }
    } fim{guarda};

    prepararBarraStatus();
    if (!pausar(guarda))
        return;

    // A file that cannot be opened or read is named in a message; the grids
    // keep what they showed.
    m_db = Banco::AbrirSilencioso();
    std::vector<Avaliacao::Alternativa> alternativas;
    if (!m_db || !TabelaAvaliacao::Ler(m_db, alternativas)) {
        ocultarProgresso();
        ampulheta.Restaurar();
        Banco::AvisarBancoInutilizavel();
        return;
    }
    if (!pausar(guarda))
        return;
    posicionarBarra(10);

    Avaliacao::Resultado r = Avaliacao::Calcular(alternativas, pesos());
    if (r.lacuna) {
        m_resultado = Avaliacao::Resultado();
        esvaziarGrades();
        ocultarProgresso();
        ampulheta.Restaurar();
        Mensagens::Mostrar(QStringLiteral("Faltam dados da alternativa \"%1\" para o indicador %2. "
                                          "Corrija-os na revisão dos dados.")
                               .arg(r.lacuna->nome, r.lacuna->codigo),
                           Mensagens::Icone::Exclamacao, Mensagens::Botoes::OK, kTitulo);
        return;
    }

    montarFlex(r);
    montarFlexClass(static_cast<int>(r.linhas.size()));

    if (!estagio(QStringLiteral("Calculando os Indicadores..."), guarda))
        return;
    mostrarCalculados(r);
    if (!estagio(QStringLiteral("Corrigindo a escala dos Indicadores..."), guarda))
        return;
    mostrarEscala(r);
    if (!estagio(QStringLiteral("Avaliando as alternativas..."), guarda))
        return;
    mostrarIndices(r);
    if (!estagio(QStringLiteral("Classificando as alternativas..."), guarda))
        return;
    mostrarClassificacao(r);
    m_resultado = std::move(r);

    if (!TabelaAvaliacao::GravarIndices(m_db, m_resultado.linhas)) {
        ampulheta.Restaurar();
        Mensagens::Mostrar(QStringLiteral("Não foi possível gravar os dados no banco de dados."),
                           Mensagens::Icone::Critico, Mensagens::Botoes::OK, kTitulo);
    }
    ocultarProgresso();
    aposExecucao();
}

void frmCalculoIndices::prepararBarraStatus()
{
    BarraStatus* barra = MT::sbStatusBar();
    if (!barra)
        return;
    PainelStatus* p1 = barra->Painel(1);
    p1->DefinirAutoSize(true);
    p1->DefinirBevel(PainelStatus::SemBevel);
    p1->setText(QStringLiteral("Análises"));
    barra->Painel(2)->setVisible(false);
    for (int p = 3; p <= 5; ++p)
        barra->Painel(p)->setVisible(true);
    barra->Painel(4)->setEnabled(true);
    barra->Painel(5)->setEnabled(true);
    barra->Painel(3)->DefinirBevel(PainelStatus::Inset);
}

bool frmCalculoIndices::pausar(const QPointer<frmCalculoIndices>& guarda)
{
    MT::Pausa(0.5);
    return guarda && !m_descarregada;
}

bool frmCalculoIndices::estagio(const QString& texto, const QPointer<frmCalculoIndices>& guarda)
{
    posicionarBarra(0);
    Label3->setText(texto);
    return pausar(guarda);
}

void frmCalculoIndices::posicionarBarra(double valor)
{
    m_barra = valor;
    ProgressBar1->setValue(static_cast<int>(std::lround(std::clamp(valor, 0.0, 100.0))));
}

void frmCalculoIndices::avancar(double passo) { posicionarBarra(m_barra + passo); }

void frmCalculoIndices::montarFlex(const Avaliacao::Resultado& r)
{
    const int n = static_cast<int>(r.linhas.size());
    Flex->DefinirForma(n + 1, kColunasFlex);
    posicionarBarra(20);
    Flex->DefinirTexto(0, 0, QStringLiteral("Alternativa/Indicador"));
    const auto& codigos = Indicadores::Codigos();
    for (int c = 0; c <= NI; ++c) {
        avancar(50.0 / 14.0);
        if (c > 0)
            Flex->DefinirTexto(0, c, codigos[static_cast<size_t>(c - 1)]);
        Flex->DefinirCentralizado(0, c);
        Flex->DefinirLarguraColuna(c, c == 0 ? 1000 : 600);
    }
    Flex->DefinirLarguraColuna(kColunaMP, 2000);
    Flex->DefinirLarguraColuna(kColunaPC, 2000);
    posicionarBarra(75);
    for (int i = 0; i < n; ++i) {
        avancar(20.0 / n);
        Flex->DefinirTexto(i + 1, 0, r.linhas[static_cast<size_t>(i)].nome);
    }
    posicionarBarra(95);
    const int largura0 = 8 * r.maiorNome + 2500;
    Flex->DefinirLarguraColuna(0, largura0);
    Flex->Acomodar(0);
    Flex->DefinirLarguraTwips(std::min(largura0 + 8400, 10695));
    posicionarBarra(100);
}

void frmCalculoIndices::montarFlexClass(int n)
{
    FlexClass->DefinirForma(n + 2, 5);
    FlexClass->DefinirLarguraColuna(0, 1300);
    for (int c = 1; c <= 4; ++c)
        FlexClass->DefinirLarguraColuna(c, 2000);
    const QString cabecalho[2][5] = {
        {QStringLiteral("Classificação"), QStringLiteral("Média Ponderada"),
         QStringLiteral("Média Ponderada"), QStringLiteral("Programação de Compromisso"),
         QStringLiteral("Programação de Compromisso")},
        {QStringLiteral("Classificação"), QStringLiteral("Alternativa"), QStringLiteral("Índice"),
         QStringLiteral("Alternativa"), QStringLiteral("Índice")}};
    for (int l = 0; l < 2; ++l) {
        for (int c = 0; c < 5; ++c) {
            FlexClass->DefinirTexto(l, c, cabecalho[l][c]);
            FlexClass->DefinirCentralizado(l, c);
        }
    }
    FlexClass->Mesclar(0, 0, 2, 1);
    FlexClass->Mesclar(0, 1, 1, 2);
    FlexClass->Mesclar(0, 3, 1, 2);
    for (int k = 1; k <= n; ++k)
        FlexClass->DefinirTexto(k + 1, 0, QString::number(k));
}

void frmCalculoIndices::mostrarCalculados(const Avaliacao::Resultado& r)
{
    // The values as first computed, in their plain form (they have at most
    // two decimals).
    const int n = static_cast<int>(r.linhas.size());
    const Numeros::FormatoDuasCasas formato;
    for (int k = 0; k < NI; ++k) {
        for (int i = 0; i < n; ++i) {
            const double v = r.linhas[static_cast<size_t>(i)].calculados[static_cast<size_t>(k)];
            Flex->DefinirTexto(i + 1, k + 1, formato.Simples(Numeros::Centesimos(v)));
        }
        if (k == 0)
            posicionarBarra(4);
        else
            avancar(8);
    }
}

void frmCalculoIndices::mostrarEscala(const Avaliacao::Resultado& r)
{
    const int n = static_cast<int>(r.linhas.size());
    posicionarBarra(4);
    for (int k = 0; k < NI; ++k) {
        for (int i = 0; i < n; ++i)
            Flex->DefinirTexto(i + 1, k + 1, r.linhas[static_cast<size_t>(i)].Texto(k).toString());
        if (k < NI - 1)
            avancar(8);
    }
    Flex->DefinirTexto(0, kColunaMP, QStringLiteral("Índice Global (M)"));
    Flex->DefinirTexto(0, kColunaPC, QStringLiteral("Índice Global (PC)"));
}

void frmCalculoIndices::mostrarIndices(const Avaliacao::Resultado& r)
{
    for (size_t i = 0; i < r.linhas.size(); ++i) {
        Flex->DefinirTexto(static_cast<int>(i) + 1, kColunaMP, r.linhas[i].Texto(Avaliacao::Linha::TextoMP).toString());
        Flex->DefinirTexto(static_cast<int>(i) + 1, kColunaPC, r.linhas[i].Texto(Avaliacao::Linha::TextoPC).toString());
    }
}

void frmCalculoIndices::mostrarClassificacao(const Avaliacao::Resultado& r)
{
    for (size_t k = 0; k < r.linhas.size(); ++k) {
        const int linha = static_cast<int>(k) + 2;
        const Avaliacao::Linha& mp = r.linhas[static_cast<size_t>(r.classificacaoMP[k])];
        const Avaliacao::Linha& pc = r.linhas[static_cast<size_t>(r.classificacaoPC[k])];
        FlexClass->DefinirTexto(linha, 1, mp.nome);
        FlexClass->DefinirTexto(linha, 2, mp.Texto(Avaliacao::Linha::TextoMP).toString());
        FlexClass->DefinirTexto(linha, 3, pc.nome);
        FlexClass->DefinirTexto(linha, 4, pc.Texto(Avaliacao::Linha::TextoPC).toString());
    }
    FlexClass->Acomodar(1);
    FlexClass->Acomodar(3);
    // As wide as its columns, within its page.
    int largura = 2 * FlexClass->frameWidth() + 2;
    for (int c = 0; c < 5; ++c)
        largura += FlexClass->columnWidth(c);
    FlexClass->resize(std::min(largura, Frame2->width() - 2 * FlexClass->x()), FlexClass->height());
}

void frmCalculoIndices::esvaziarGrades()
{
    Flex->DefinirForma(1, kColunasFlex);
    FlexClass->DefinirForma(2, 5);
}

void frmCalculoIndices::ocultarProgresso()
{
    // Seen during the first run after the window is loaded only.
    Label3->hide();
    Label4->hide();
    ProgressBar1->hide();
    ProgressBar2->hide();
}

void frmCalculoIndices::aposExecucao() {}
