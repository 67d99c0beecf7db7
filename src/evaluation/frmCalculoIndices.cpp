#include "evaluation/frmCalculoIndices.h"

#include "common/Ampulheta.h"
#include "common/Banco.h"
#include "common/BarraStatus.h"
#include "common/Mensagens.h"
#include "common/ModuloTessaura.h"
#include "common/Twips.h"
#include "common/Numeros.h"
#include "common/GradeFlex.h"
#include "evaluation/FigurasResultados.h"
#include "evaluation/FonteResultados.h"
#include "evaluation/GraficoPerfil.h"
#include "evaluation/PainelSensibilidade.h"
#include "evaluation/TabelaAvaliacao.h"
#include "evaluation/TextosIndicadores.h"
#include "evaluation/frmSeriesGraf.h"

#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QTextEdit>
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
    setFont(FonteResultados::Verdana(8));
    montarCabecalho();
    montarFrame1();
    montarFrame2();
    montarFrame5();
    Frame4 = new PainelSensibilidade(this);
    montarFrame3();
    montarProgresso();
    Flex->viewport()->installEventFilter(this);
    // The space they leave when they go is given to the pages.
    Image1->installEventFilter(this);
    ProgressBar1->installEventFilter(this);
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

void frmCalculoIndices::montarCabecalho()
{
    Image2 = new QLabel(this);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setPixmap(FigurasResultados::Grafico());
    Label1 = new QLabel(QStringLiteral("Avaliação das Alternativas"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setFont(FonteResultados::Verdana(14, true));

    auto botao = [this](const char* nome, const QString& texto) {
        auto* b = new QPushButton(texto, this);
        b->setObjectName(QString::fromLatin1(nome));
        return b;
    };
    cmdAnaEco = botao("cmdAnaEco", QStringLiteral("Análise econômica"));
    ToggleButton1 = botao("ToggleButton1", QStringLiteral("Anotações"));
    ToggleButton1->setToolTip(QStringLiteral(
        "Exibe as anotações feitas para cada alternativa. Clique na tabela abaixo para ver anotações."));
    ToggleButton2 = botao("ToggleButton2", QStringLiteral("Indicadores"));
    ToggleButton2->setToolTip(QStringLiteral(
        "Exibe informações sobre os indicadores. Clique na tabela abaixo para ver as informações."));
    // Toggles, not a group: both may be released.
    ToggleButton1->setCheckable(true);
    ToggleButton2->setCheckable(true);
    connect(ToggleButton1, &QPushButton::toggled, this, [this] { ToggleButton1_Click(); });
    connect(ToggleButton2, &QPushButton::toggled, this, [this] { ToggleButton2_Click(); });
    connect(cmdAnaEco, &QPushButton::clicked, this, [this] { cmdAnaEco_Click(); });

    // Points to the status bar, whose panels switch the pages; gone after the first switch.
    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(FigurasResultados::Paginas());
}

void frmCalculoIndices::montarFrame3()
{
    // Over the pages' area, beside the consequence matrix; shown by the
    // first click on the matrix.
    Frame3 = new QGroupBox(this);
    Frame3->setObjectName(QStringLiteral("Frame3"));
    auto caixa = [this](const char* nome) {
        auto* t = new QTextEdit(Frame3);
        t->setObjectName(QString::fromLatin1(nome));
        t->setReadOnly(true);
        t->setAcceptRichText(false);
        t->setFont(FonteResultados::Verdana(9));
        return t;
    };
    RichTextBox1 = caixa("RichTextBox1");
    RichTextBox2 = caixa("RichTextBox2");
    RichTextBox2->hide();
    Frame3->hide();
    Frame3->raise();
}

void frmCalculoIndices::montarFrame5()
{
    Frame5 = new QGroupBox(this);
    Frame5->setObjectName(QStringLiteral("Frame5"));
    Graf = new GraficoPerfil(Frame5);
    Command1 = new QPushButton(Frame5);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setIcon(QIcon(FigurasResultados::Grafico()));
    Command1->setIconSize(FigurasResultados::Grafico().size());
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    Frame5->hide();
}

void frmCalculoIndices::resizeEvent(QResizeEvent* e)
{
    Formulario::resizeEvent(e);
    dispor();
}

void frmCalculoIndices::dispor()
{
    constexpr int margem = 8, topo = 46;
    const int w = width(), h = height();

    Image2->setGeometry(margem, 6, 32, 32);
    Label1->setGeometry(margem + 40, 6, Label1->sizeHint().width(), 32);
    int direita = w - margem;
    for (QPushButton* b : {cmdAnaEco, ToggleButton2, ToggleButton1}) {
        const int largura = std::max(110, b->sizeHint().width() + 16);
        b->setGeometry(direita - largura, 8, largura, 28);
        direita -= largura + (b == cmdAnaEco ? 16 : 4);
    }

    // A strip at the bottom for the progress display and the pages picture,
    // while they are shown.
    const bool progresso = !ProgressBar1->isHidden();
    const bool dica = !Image1->isHidden();
    const int faixa = progresso ? 92 : dica ? 36 : 0;
    // The picture over the page panels of the status bar.
    int xDica = w - margem - 32 - 160;
    if (BarraStatus* barra = MT::sbStatusBar(); barra && barra->Painel(4)->isVisible()) {
        PainelStatus* p4 = barra->Painel(4);
        xDica = mapFromGlobal(p4->mapToGlobal(p4->rect().center())).x() - 16;
    }
    Image1->setGeometry(std::clamp(xDica, margem, w - margem - 32), h - 34, 32, 32);
    // The progress display to the left of the picture.
    const int larguraProgresso = std::clamp(Image1->x() - 3 * margem, 200, 500);
    Label3->setGeometry(margem, h - 88, larguraProgresso, 18);
    ProgressBar1->setGeometry(margem, h - 68, larguraProgresso, 16);
    Label4->setGeometry(margem, h - 46, larguraProgresso, 18);
    ProgressBar2->setGeometry(margem, h - 26, larguraProgresso, 16);

    const QRect paginas(margem, topo, w - 2 * margem, std::max(120, h - topo - margem - faixa));
    for (QWidget* f : {static_cast<QWidget*>(Frame1), static_cast<QWidget*>(Frame2),
                       static_cast<QWidget*>(Frame4), static_cast<QWidget*>(Frame5)})
        f->setGeometry(paginas);

    // The matrix as wide as its columns (at least its designed width), within
    // its page; the help panel beside it when there is room for it, else below.
    int larguraColunas = 2 * Flex->frameWidth() + 2;
    for (int c = 0; c < Flex->Colunas(); ++c)
        larguraColunas += Flex->columnWidth(c);
    const int larguraFlex =
        std::min(std::max(Twips::Px(10695), larguraColunas), paginas.width() - 20);
    int alturaFlex = paginas.height() - 44;
    const int ladoLivre = paginas.width() - larguraFlex - 30;
    if (ladoLivre >= 240) {
        Frame3->setGeometry(paginas.x() + larguraFlex + 20, paginas.y(), ladoLivre + 10, paginas.height());
    } else {
        const int altura = std::min(140, paginas.height() / 3);
        Frame3->setGeometry(paginas.x() + 10, paginas.bottom() - altura - 2, paginas.width() - 20, altura);
        alturaFlex -= altura + 6;
    }
    const QRect caixas = Frame3->rect().adjusted(6, 6, -6, -6);
    RichTextBox1->setGeometry(caixas);
    RichTextBox2->setGeometry(caixas);
    Flex->setGeometry(10, 34, larguraFlex, alturaFlex);
    // The classification as wide as its columns, within its page.
    int larguraClass = 2 * FlexClass->frameWidth() + 2;
    for (int c = 0; c < FlexClass->Colunas(); ++c)
        larguraClass += FlexClass->columnWidth(c);
    FlexClass->setGeometry(10, 34, std::min(larguraClass, paginas.width() - 20), paginas.height() - 44);

    Command1->setGeometry(paginas.width() - 10 - 44, 10, 44, 44);
    Graf->setGeometry(10, 10, paginas.width() - 20 - 52, paginas.height() - 20);
}

bool frmCalculoIndices::eventFilter(QObject* obj, QEvent* ev)
{
    if (obj == Flex->viewport() && ev->type() == QEvent::MouseButtonRelease) {
        auto* me = static_cast<QMouseEvent*>(ev);
        if (me->button() == Qt::LeftButton) {
            const QModelIndex i = Flex->indexAt(me->position().toPoint());
            Flex_Click(i.isValid() ? i.row() : -1, i.isValid() ? i.column() : -1);
        }
    } else if ((obj == Image1 || obj == ProgressBar1) && ev->type() == QEvent::Hide) {
        dispor();
    }
    return Formulario::eventFilter(obj, ev);
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

    // The run reads the table and writes its indices back: one action, whose
    // failure, a read's included, is told as a failed write, once (unless the
    // command has already told the user its own write is done). Until it has
    // gone through, what the window shows is out of date.
    Banco::Acao acao(Banco::TipoAcao::Gravacao);
    m_atual = false;
    ToggleButton2->setChecked(true);
    prepararBarraStatus();
    if (!pausar(guarda))
        return;

    // A file that cannot be opened or read is named in a message; the grids
    // keep what they showed.
    m_db = Banco::Abrir();
    std::vector<Avaliacao::Alternativa> alternativas;
    if (!m_db || !TabelaAvaliacao::Ler(m_db, alternativas)) {
        ocultarProgresso();
        ampulheta.Restaurar();
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

    // Indices that could not be stored leave the window out of date: the
    // grids show the new results, but the economic analysis reads the stored
    // ones.
    if (TabelaAvaliacao::GravarIndices(m_db, m_resultado.linhas)) {
        m_atual = true;
        Banco::GravacaoConcluida();
    } else {
        ampulheta.Restaurar();
    }
    ocultarProgresso();
    aposExecucao();
}

bool frmCalculoIndices::TornarAtual()
{
    if (!m_atual && !m_emExecucao && !m_descarregada)
        executar();
    return m_atual;
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
    dispor();
}

void frmCalculoIndices::esvaziarGrades()
{
    Flex->DefinirForma(1, kColunasFlex);
    FlexClass->DefinirForma(2, 5);
    Graf->Esvaziar();
}

void frmCalculoIndices::ocultarProgresso()
{
    // Seen during the first run after the window is loaded only.
    Label3->hide();
    Label4->hide();
    ProgressBar1->hide();
    ProgressBar2->hide();
}

void frmCalculoIndices::aposExecucao()
{
    // The profile chart: the lines in grid order, the pens by the PC ranking.
    QStringList indicadores;
    for (int k = 1; k <= NI; ++k)
        indicadores << Flex->Texto(0, k);
    std::vector<GraficoPerfil::Alternativa> alternativas;
    alternativas.reserve(m_resultado.linhas.size());
    for (const Avaliacao::Linha& l : m_resultado.linhas)
        alternativas.push_back({l.id, l.nome, l.perfil});
    std::vector<qint64> ordemPC;
    for (int i : m_resultado.classificacaoPC)
        ordemPC.push_back(m_resultado.linhas[static_cast<size_t>(i)].id);
    Graf->Preencher(indicadores, alternativas, ordemPC);
}

// ---------------------------------------------------------------- clicks and toggles

void frmCalculoIndices::Flex_Click(int linha, int coluna)
{
    Banco::Acao acao;
    // Outside the cells: no alternative and no indicator.
    const bool naCelula = linha >= 0 && coluna >= 0 && linha < Flex->Linhas() && coluna < Flex->Colunas();
    if (!naCelula)
        linha = coluna = 0;

    // The notes of the alternative's own row; the header row and a click
    // outside the cells name none. Notes that cannot be read are never shown
    // as none: the click is told once and the window stays as it was.
    QString anotacao;
    if (linha >= 1 && linha <= static_cast<int>(m_resultado.linhas.size()) && m_db) {
        const qint64 id = m_resultado.linhas[static_cast<size_t>(linha - 1)].id;
        Banco::RecordsetPtr rs = Banco::Recordset::AbrirPorId(m_db, QStringLiteral("tblTessaura"), id);
        if (!rs || (rs->TemLinhaAtual() && !rs->Ler()))
            return;
        if (rs->TemLinhaAtual())
            anotacao = rs->Campo(QStringLiteral("Anotacao")).toString();
    }

    Frame3->show();
    Flex->DefinirNegrito(m_linhaClicada, 0, false);
    Flex->DefinirNegrito(0, m_colunaClicada, false);
    if (naCelula) {
        Flex->DefinirNegrito(linha, 0, true);
        Flex->DefinirNegrito(0, coluna, true);
    }
    if (naCelula && coluna >= 1 && coluna <= kColunaPC) {
        const QString codigo = coluna == kColunaMP   ? QStringLiteral("M")
                               : coluna == kColunaPC ? QStringLiteral("PC")
                                                     : Indicadores::Codigos()[static_cast<size_t>(coluna - 1)];
        RichTextBox1->setPlainText(TextosIndicadores::DescricaoIndicador(codigo));
    }
    RichTextBox2->setPlainText(anotacao.isEmpty() ? QStringLiteral("Não há anotações para esta alternativa")
                                                  : anotacao);

    m_linhaClicada = linha;
    m_colunaClicada = coluna;
    if (naCelula)
        Flex->setCurrentIndex(Flex->model()->index(linha, coluna));
}

void frmCalculoIndices::ToggleButton1_Click()
{
    if (!ToggleButton1->isChecked())
        return;
    ToggleButton2->setChecked(false);
    RichTextBox1->hide();
    RichTextBox2->show();
}

void frmCalculoIndices::ToggleButton2_Click()
{
    if (!ToggleButton2->isChecked())
        return;
    ToggleButton1->setChecked(false);
    RichTextBox1->show();
    RichTextBox2->hide();
}

void frmCalculoIndices::cmdAnaEco_Click()
{
    Banco::Acao acao;
    // The economic analysis reads the stored indices: a window whose last run
    // could not finish runs again first, and the chooser opens only once that
    // run has gone through.
    if (!TornarAtual())
        return;
    // The economic analysis starts again from its chooser.
    Janelas::Descarregar(QStringLiteral("frmEconomico"));
    if (Janela* escolha = Janelas::Carregar(QStringLiteral("frmAltEco")))
        Janelas::ExibirModal(escolha);
}

void frmCalculoIndices::Command1_Click()
{
    Banco::Acao acao;
    auto* dialogo = Janelas::Carregar<frmSeriesGraf>();
    if (!dialogo)
        return;
    dialogo->List2->clear();
    const int n = std::min(Flex->Linhas() - 1, static_cast<int>(m_resultado.linhas.size()));
    for (int r = 1; r <= n; ++r)
        dialogo->AdicionarAlternativa(Flex->Texto(r, 0), m_resultado.linhas[static_cast<size_t>(r - 1)].id);
    if (n >= 1)
        Flex->setCurrentIndex(Flex->model()->index(n, 0));
    Janelas::ExibirModal(dialogo);
}
