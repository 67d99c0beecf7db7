#include "entry/frmInsercao.h"

#include "common/CaixaTexto.h"
#include "common/Figuras.h"
#include "common/Mensagens.h"
#include "common/ModuloTessaura.h"
#include "common/Passagem.h"
#include "common/PortaoAvancar.h"
#include "entry/CaixaNumerica.h"
#include "entry/DesenhoEntrada.h"
#include "entry/GravadorEntrada.h"
#include "entry/GrupoAvaliacao.h"
#include "entry/JanelaEntrada.h"
#include "entry/MapaImpacto.h"
#include "entry/MapaObjetivo.h"
#include "entry/StatusEntrada.h"
#include "entry/frmImpacto.h"
#include "entry/frmObjetivo.h"

#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTabWidget>

REGISTRAR_JANELA(frmInsercao)

namespace MT = ModuloTessaura;
using namespace DesenhoEntrada;
using MapaInsercao::ItemSocial;
using MapaInsercao::PaginaInsercao;

namespace {

const QString TextoLabel37 = QStringLiteral(
    "Para a avaliação desse critério, serão analisados os aspectos referentes à inserção "
    "ambiental e social de cada alternativa de projeto de sistema de drenagem. ");

// Hint texts of the balloon.
const QString TextoLabel51 = QStringLiteral(
    "O botão 'Avançar' estará disponível quando todos os dados, referentes à todas alternativas "
    "estudadas, forem fornecidos.");
const QString TextoLabel54 = QStringLiteral(
    "Os dados de todas as alternativas foram fornecidos. Você já pode passar para a próxima "
    "etapa.");
const QString TextoLabel55 = QStringLiteral(
    "O botão 'Avançar' estará disponível quando todos os dados referentes a esta alternativa "
    "foram fornecidos. ");
const QString TextoLabel56 = QStringLiteral(
    "Os dados referentes a esta alternativa foram fornecidos. Agora você deve fornecer os dados "
    "referentes as outras alternativas. Use a tecla 'F5' para aproveitar os dados de outras "
    "alternativas.");

// Help texts of the six indicators.
const QString TextoLabel41 = QStringLiteral(
    "Segundo a literatura técnica, um ecossistema pode ser definido como uma comunidade biótica "
    "e seu ambiente abiótico. O ecossistema é a unidade fundamental para a avaliação dos "
    "impactos biológicos: quanto maiores forem as áreas ocupadas pela obra e pelo sistema de "
    "drenagem, maior será o impacto causado. Devem ser consideradas também as áreas "
    "ecologicamente aptas criadas pelo próprio sistema, que deverão abrigar ecossistemas de uma "
    "diversidade compatível com as condições naturais do local. O indicador relaciona a área "
    "ecologicamente apta antes da intervenção (Aapta1) com a área ecologicamente apta depois "
    "dela (Aapta2).");
const QString TextoLabel42 = QStringLiteral(
    "A avaliação desse critério trata de verificar se o cenário proposto para cada alternativa "
    "de projeto está ou não de acordo com o desejo ou as características urbanas determinadas "
    "pelo plano diretor de uso e ocupação do solo. Por ser de difícil expressão matemática, este "
    "indicador é avaliado pelo decisor, por meio da comparação entre os cenários propostos.");
const QString TextoLabel43 = QStringLiteral(
    "Além de seus objetivos principais, de drenagem e o controle de inundações, uma obra de "
    "drenagem urbana pode ainda impactar o tecido urbano, criando ou reduzindo áreas destinadas "
    "à recreação, ao lazer e aos equipamentos urbanos. Este impacto é expresso pela relação "
    "entre essas áreas antes (ARL1) e depois (ARL2) da implantação da obra.");
const QString TextoLabel44 = QStringLiteral(
    "A utilização de diferentes técnicas de drenagem urbana pode causar um impacto benéfico ou "
    "prejudicial às condições de circulação. Entre os benefícios estão a redução da "
    "aquaplanagem e do ruído, a melhor aderência dos pneus em dias de chuva (pavimentos "
    "porosos) e a criação de novas vias, passeios e estacionamentos; entre os prejuízos, o "
    "estreitamento das vias destinadas aos veículos ou aos pedestres. A avaliação deste "
    "indicador é subjetiva, feita pelo decisor de acordo com a sua experiência.");
const QString TextoLabel47 = QStringLiteral(
    "Determinadas técnicas utilizadas em sistemas de drenagem podem desempenhar outras funções "
    "técnicas importantes. A infiltração, por exemplo, alimenta as raízes das plantas e "
    "contribui para a recarga dos aqüíferos. A avaliação deste indicador é feita pelo decisor "
    "numa escala subjetiva que não admite valores negativos, variando da indiferença a uma "
    "grande melhora.");
const QString TextoLabel48 = QStringLiteral(
    "Para a utilização de determinadas técnicas alternativas de drenagem urbana, algumas áreas "
    "devem ser desapropriadas de forma a serem utilizadas pelo sistema proposto. A "
    "desapropriação é um impacto social negativo, uma vez que essas negociações nunca são "
    "fáceis. O indicador é avaliado pela relação entre a área a ser desapropriada pela "
    "alternativa estudada (Ades) e a maior área a ser desapropriada entre todas as alternativas "
    "(Amax des).");

const QString MsgCriterioIncompleto =
    QStringLiteral("Faltam dados desta alternativa no critério \"%1\". Complete-os para avançar.");
const QString TituloAnalise = QStringLiteral("Análise Tessaura");

// The social items: caption, top of the caption and of the marker and of the
// status icon (pixels), and the frame each brings in.
struct ItemMenu {
    const char* rotulo;
    const char* texto;
    int topo, marcador, icone;
    int frame;
};
const ItemMenu Itens[4] = {
    {"Label12", "Criação de áreas de recreação e lazer e equipamentos urbanos", 24, 32, 28, 4},
    {"Label13", "Impacto nas condições de circulação", 80, 80, 78, 3},
    {"Label14", "Possibilidade da utilização para o desempenho de outras funções técnicas", 120,
     128, 125, 5},
    {"Label15", "Desapropriação de áreas ", 176, 170, 168, 6},
};
const ItemSocial ItemDoMenu[4] = {ItemSocial::Recreacao, ItemSocial::Circulacao,
                                  ItemSocial::OutrasFuncoes, ItemSocial::Desapropriacao};

const QColor CinzaMaximo(0xC0, 0xC0, 0xC0);

}  // namespace

frmInsercao::frmInsercao()
{
    QFont verdana(QStringLiteral("Verdana"));
    verdana.setPointSize(8);
    setFont(verdana);
    setAutoFillBackground(true);
    setMinimumSize(790, 470);

    montarCabecalho();

    TabStrip1 = new QTabWidget(this);
    TabStrip1->setObjectName(QStringLiteral("TabStrip1"));
    TabStrip1->setGeometry(20, 168, 532, 244);
    const QString abas[2][2] = {
        {QStringLiteral("Ambiental"), QStringLiteral("Impactos ambientais gerados pelo sistema")},
        {QStringLiteral("Social"), QStringLiteral("Impactos sociais gerados pelo sistema")}};
    for (int i = 0; i < 2; ++i) {
        auto* pagina = new QWidget;
        pagina->setObjectName(QStringLiteral("Picture1"));
        pagina->setProperty("Index", i);
        pagina->setMouseTracking(true);
        pagina->installEventFilter(this);
        m_paginas[static_cast<size_t>(i)] = pagina;
        TabStrip1->addTab(pagina, abas[i][0]);
        TabStrip1->setTabToolTip(i, abas[i][1]);
    }
    montarPaginaAmbiental(m_paginas[0]);
    montarPaginaSocial(m_paginas[1]);
    montarAjudas();
    // Both pages stay enabled until the user first changes the tab.
    connect(TabStrip1, &QTabWidget::currentChanged, this, &frmInsercao::TabStrip1_Click);

    Command2 = botao(this, "Command2", QStringLiteral("<  Anterior"), QRect(20, 424, 120, 30));
    Command1 = botao(this, "Command1", QStringLiteral("Próxima  >"), QRect(150, 424, 120, 30));
    connect(Command1, &QPushButton::clicked, this, &frmInsercao::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &frmInsercao::Command2_Click);

    // Hidden holders of the hint texts.
    Label51 = oculto(this, "Label51", TextoLabel51);
    Label54 = oculto(this, "Label54", TextoLabel54);
    Label55 = oculto(this, "Label55", TextoLabel55);
    Label56 = oculto(this, "Label56", TextoLabel56);

    // Hidden pictures that the cues show.
    const struct {
        const char* nome;
        const QPixmap& figura;
    } figuras[] = {{"Image9", Figuras::Ok()},           {"Image10", Figuras::Falta()},
                   {"Image15", Figuras::AjudaNormal()}, {"Image16", Figuras::AjudaSobre()},
                   {"Image18", Figuras::DicaPrimeira()}, {"Image19", Figuras::DicaSegunda()}};
    for (const auto& f : figuras) {
        auto* imagem = new QLabel(this);
        imagem->setObjectName(QString::fromLatin1(f.nome));
        imagem->setPixmap(f.figura);
        imagem->hide();
    }

    // The look-alike is wide enough for its caption in the fallback fonts.
    PortaoAvancar::Geometria g;
    g.botao = QRect(9960, 6360, 1740, 585);
    g.imitacao = QRect(9990, 6390, 1680, 530);
    g.balao = QRect(8550, 2550, 3300, 1700);
    g.icone = QRect(9480, 6420, 480, 480);
    PortaoAvancar::Nomes n;
    n.imagemImitacao = QStringLiteral("Image20");
    n.legendaImitacao = QStringLiteral("Label52");
    n.icone = QStringLiteral("Image17");
    n.textoBalao = QStringLiteral("Label49");
    m_portao = new PortaoAvancar(this, g, n);
    m_portao->NaoCobrir(RichTextBox1);
    m_portao->NaoCobrir(Command3);
    connect(m_portao, &PortaoAvancar::Label44_MouseMove, this, &frmInsercao::Label52_MouseMove);
    connect(m_portao->CommandButton1, &QPushButton::clicked, this, &frmInsercao::CommandButton1_Click);
}

void frmInsercao::montarCabecalho()
{
    QLabel* titulo = rotulo(this, "Label1", QStringLiteral("Critério \"Inserção da Obra\""), 20, 6);
    QFont f = titulo->font();
    f.setPointSize(14);
    f.setBold(true);
    titulo->setFont(f);
    titulo->adjustSize();

    Label37 = rotulo(this, "Label37", TextoLabel37, 20, 38, 620, 66);
    Label37->setWordWrap(true);
    Label37->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    // The help box lies over the description while it is open.
    RichTextBox1 = new CaixaAjuda("RichTextBox1", Label37->geometry(), this);
    RichTextBox1->hide();
    Command3 = botao(this, "Command3", QStringLiteral("OK"), QRect(648, 38, 60, 28));
    Command3->hide();
    connect(Command3, &QPushButton::clicked, this, &frmInsercao::Command3_Click);

    QLabel* clique = rotulo(this, "Label40",
                            QStringLiteral("Clique em          para obter informações sobre os indicadores"),
                            20, 112);
    auto* ajuda = new QLabel(this);
    ajuda->setObjectName(QStringLiteral("Image14"));
    ajuda->setPixmap(Figuras::AjudaNormal().scaled(16, 16, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    ajuda->adjustSize();
    const auto [x, vao] = abrirVao(clique, ajuda->width() + 4);
    ajuda->move(clique->x() + x + (vao - ajuda->width()) / 2,
                clique->y() + (clique->height() - ajuda->height()) / 2);

    auto* faixa = new QFrame(this);
    faixa->setObjectName(QStringLiteral("Picture2"));
    faixa->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    faixa->setGeometry(20, 136, 760, 24);
    rotulo(faixa, "Label39", QStringLiteral("Nome:"), 8, 5);
    Label38 = rotulo(faixa, "Label38", QString(), 56, 3, 330, 18);
    rotulo(faixa, "Label45", QStringLiteral("Status:"), 400, 5);
    Label53 = rotulo(faixa, "Label53", QStringLiteral("Status"), 456, 3, 296, 18);
}

QGroupBox* frmInsercao::frame(int indice, const QString& titulo, QWidget* pagina, const QRect& geometria)
{
    QGroupBox* f = moldura(pagina, indice, titulo, geometria, this);
    m_frames[static_cast<size_t>(indice)] = f;
    return f;
}
// One line "A", subscript (with a qualifier above it), "=", the box, "m²".
CaixaNumerica* frmInsercao::linhaArea(QGroupBox* f, int caixa, int y, const QString& subscrito,
                                      const QString& acima)
{
    QLabel* a = rotulo(f, nullptr, QStringLiteral("A"), 16, y + 4);
    QLabel* sub = indice(f, nullptr, subscrito);
    sub->move(a->x() + a->width() + 1, y + 11);
    if (!acima.isEmpty())
        indice(f, nullptr, acima)->move(sub->x(), y - 3);
    rotulo(f, nullptr, QStringLiteral("="), 78, y + 4);
    auto* c = new CaixaNumerica(CaixaNumerica::Filtro::Decimal, f);
    c->setObjectName(QStringLiteral("Text%1").arg(caixa));
    c->setGeometry(92, y, 100, 22);
    m_caixas[static_cast<size_t>(caixa)] = c;
    QLabel* m = rotulo(f, nullptr, QStringLiteral("m"), 198, y + 4);
    indice(f, nullptr, QStringLiteral("2"))->move(m->x() + m->width(), y);
    return c;
}

GrupoAvaliacao* frmInsercao::grupo(QGroupBox* f, const QList<int>& numeros, int primeiroNivel)
{
    auto* g = new GrupoAvaliacao(opcoes(f, numeros, primeiroNivel, QPoint(16, 24), 24), primeiroNivel, this);
    connect(g, &GrupoAvaliacao::alterado, this, &frmInsercao::AtualizarIcones);
    return g;
}
void frmInsercao::montarPaginaAmbiental(QWidget* pagina)
{
    QGroupBox* f1 = frame(1, QStringLiteral("Criação e preservação de habitats"), pagina, QRect(8, 8, 249, 201));
    linhaArea(f1, 1, 44, QStringLiteral("apta 1"));
    linhaArea(f1, 2, 88, QStringLiteral("apta 2"));
    QGroupBox* f2 = frame(2, QStringLiteral("Impacto paisagístico "), pagina, QRect(265, 8, 249, 201));
    m_ip = grupo(f2, {3, 4, 5, 6, 7, 8, 9}, 1);
}

void frmInsercao::montarPaginaSocial(QWidget* pagina)
{
    Image3 = new QLabel(pagina);
    Image3->setObjectName(QStringLiteral("Image3"));
    Image3->setPixmap(Figuras::Marcador());
    Image3->setGeometry(16, Itens[0].marcador, 24, 24);

    for (int i = 0; i < 4; ++i) {
        const ItemMenu& it = Itens[i];
        QLabel* l = rotulo(pagina, it.rotulo, QString::fromUtf8(it.texto), 48, it.topo, 148, 54);
        l->setWordWrap(true);
        l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        l->setCursor(Qt::PointingHandCursor);
        l->setMouseTracking(true);
        l->installEventFilter(this);
        l->adjustSize();
        l->resize(148, l->heightForWidth(148));
        m_itens[static_cast<size_t>(i)] = l;

        auto* icone = new QLabel(pagina);
        icone->setObjectName(QStringLiteral("Image%1").arg(5 + i));
        icone->setGeometry(200, it.icone, 16, 16);
        icone->setPixmap(Figuras::Falta());
        icone->setMouseTracking(true);
        icone->installEventFilter(this);
        m_iconesStatus[static_cast<size_t>(i)] = icone;
    }

    const QRect lugar(264, 8, 249, 201);
    QGroupBox* f4 = frame(4, QString(), pagina, lugar);
    linhaArea(f4, 3, 44, QStringLiteral("RL 1"));
    linhaArea(f4, 4, 88, QStringLiteral("RL 2"));
    QGroupBox* f3 = frame(3, QString(), pagina, lugar);
    m_icc = grupo(f3, {1, 2, 10, 11, 12, 13, 14}, 1);
    QGroupBox* f5 = frame(5, QString(), pagina, lugar);
    m_puof = grupo(f5, {15, 16, 17, 18}, 4);
    QGroupBox* f6 = frame(6, QString(), pagina, lugar);
    linhaArea(f6, 5, 44, QStringLiteral("des"));
    CaixaNumerica* maximo = linhaArea(f6, 6, 88, QStringLiteral("des"), QStringLiteral("máx"));
    maximo->setEnabled(false);
    fundo(maximo, CinzaMaximo);
    for (QGroupBox* f : {f3, f5, f6})
        f->hide();

    for (int i = 1; i <= 5; ++i) {
        CaixaNumerica* c = m_caixas[static_cast<size_t>(i)];
        connect(c, &CaixaNumerica::KeyDown, this,
                [this, i](int tecla, Qt::KeyboardModifiers) { Text_KeyDown(i, tecla); });
        if (i >= 3)
            connect(c, &QLineEdit::textChanged, this, &frmInsercao::AtualizarIcones);
    }
}

void frmInsercao::montarAjudas()
{
    // Help icons, one per frame, and the hidden holders of their texts.
    const struct {
        int frame;
        const char *icone, *rotulo;
        const QString& texto;
    } ajudas[] = {{1, "Image1", "Label41", TextoLabel41},  {2, "Image2", "Label42", TextoLabel42},
                  {4, "Image4", "Label43", TextoLabel43},  {3, "Image11", "Label44", TextoLabel44},
                  {5, "Image12", "Label47", TextoLabel47}, {6, "Image13", "Label48", TextoLabel48}};
    for (const auto& a : ajudas) {
        const auto i = static_cast<size_t>(a.frame);
        auto* icone = new IconeAjuda(Figuras::AjudaNormal(), Figuras::AjudaSobre(), m_frames[i]);
        icone->setObjectName(QString::fromLatin1(a.icone));
        icone->setGeometry(192, 136, 32, 32);
        const int f = a.frame;
        connect(icone, &IconeAjuda::clicado, this, [this, f] { Image_Click(f); });
        m_icones[i] = icone;
        m_textosAjuda[i] = oculto(this, a.rotulo, a.texto);
    }
}

// ---------------------------------------------------------------- life cycle

void frmInsercao::Form_Load()
{
    m_portao->DefinirDicaVisivel(false);
    m_todosCompletos = false;
    MT::InsercaoCarregado = true;
}

void frmInsercao::Form_Unload()
{
    MT::InsercaoCarregado = false;
}

void frmInsercao::Form_Activate()
{
    JanelaEntrada::Ativar(MT::dbInsercao, MT::rsInsercao, m_status, m_recordsetAberto, Label38, Command2,
                          Command1);
}

// ---------------------------------------------------------------- the page

PaginaInsercao frmInsercao::Pagina() const
{
    PaginaInsercao p;
    p.aapta1 = m_caixas[1]->text();
    p.aapta2 = m_caixas[2]->text();
    p.arl1 = m_caixas[3]->text();
    p.arl2 = m_caixas[4]->text();
    p.ades = m_caixas[5]->text();
    p.ip = m_ip->Nivel();
    p.icc = m_icc->Nivel();
    p.puof = m_puof->Nivel();
    return p;
}

void frmInsercao::MostrarPagina(const PaginaInsercao& p)
{
    m_caixas[1]->setText(p.aapta1);
    m_caixas[2]->setText(p.aapta2);
    m_ip->DefinirNivel(p.ip);
    m_caixas[3]->setText(p.arl1);
    m_caixas[4]->setText(p.arl2);
    m_icc->DefinirNivel(p.icc);
    m_puof->DefinirNivel(p.puof);
    m_caixas[5]->setText(p.ades);
    AtualizarIcones();
}

void frmInsercao::Esvaziar()
{
    MostrarPagina(PaginaInsercao{});
}

void frmInsercao::AtualizarMaximo()
{
    CaixaNumerica* maximo = m_caixas[6];
    maximo->setText(MapaInsercao::MaximoCorrente(maximo->text(), m_caixas[5]->text()));
}

QString frmInsercao::Maximo() const
{
    return m_caixas[6]->text();
}

void frmInsercao::MostrarMaximo(const QString& maximo)
{
    m_caixas[6]->setText(maximo);
}

void frmInsercao::PreencherDe(Banco::Recordset& origem)
{
    Esvaziar();
    MostrarPagina(MapaInsercao::Ler(origem));
}

void frmInsercao::AtualizarIcones()
{
    const PaginaInsercao p = Pagina();
    for (size_t i = 0; i < m_iconesStatus.size(); ++i) {
        const bool dado = MapaInsercao::ItemFornecido(p, ItemDoMenu[i]);
        m_iconesStatus[i]->setPixmap(dado ? Figuras::Ok() : Figuras::Falta());
    }
}

// ---------------------------------------------------------------- completeness and gate

void frmInsercao::AvaliarAlternativa()
{
    const bool completo = MapaInsercao::Completo(Pagina());
    StatusEntrada::Mostrar(Label53, completo);
    if (MT::rsInsercao && MT::rsInsercao->TemLinhaAtual())
        m_status.Marcar(Banco::NumeroDoMarcador(MT::rsInsercao->Campo(QStringLiteral("Marcador")).toString()),
                        completo);
    // Without any alternative there is nothing to hand on.
    m_todosCompletos = m_status.Total() > 0 && m_status.TodosCompletos();
    m_portao->Definir(m_todosCompletos, Label54->text());
}

void frmInsercao::VerificaDadosAlternativa()
{
    m_todosCompletos = MapaInsercao::Completo(Pagina());
    StatusEntrada::Mostrar(Label53, m_todosCompletos);
    m_portao->Definir(m_todosCompletos, Label56->text());
}

// ---------------------------------------------------------------- the walk

void frmInsercao::GravarPagina(Banco::Recordset& rs)
{
    MapaInsercao::Gravar(rs, Pagina());
}

void frmInsercao::Passo(Percurso::Direcao d)
{
    if (!MT::rsInsercao)
        return;
    // The largest area seen follows the page only once the page is stored.
    const QString maximo = MapaInsercao::MaximoCorrente(m_caixas[6]->text(), m_caixas[5]->text());
    Percurso::Etapas e;
    e.avaliar = [this] { AvaliarAlternativa(); };
    e.gravar = [this](Banco::Recordset& rs) { GravarPagina(rs); };
    e.esvaziar = [this, maximo] {
        m_caixas[6]->setText(maximo);
        Esvaziar();
    };
    e.mostrar = [this](Banco::Recordset& rs) {
        JanelaEntrada::MostrarRegistro(rs, Label38);
        MostrarPagina(MapaInsercao::Ler(rs));
    };
    Percurso::Passo(MT::rsInsercao.get(), d, e);
}

void frmInsercao::Command1_Click()
{
    Passo(Percurso::Direcao::Proxima);
}

void frmInsercao::Command2_Click()
{
    Passo(Percurso::Direcao::Anterior);
}

// ---------------------------------------------------------------- "Avançar"

bool frmInsercao::CriteriosAnterioresCompletos()
{
    auto* objetivo = Janelas::Obter<frmObjetivo>();
    auto* impacto = Janelas::Obter<frmImpacto>();
    QString incompleta;
    QString criterio;
    if (!objetivo || !MapaObjetivo::Completo(objetivo->Caixas())) {
        incompleta = objetivo ? QStringLiteral("frmObjetivo") : QString();
        criterio = QStringLiteral("Objetivo");
    } else if (!impacto || !MapaImpacto::Avaliar(impacto->Pagina()).Completo()) {
        incompleta = impacto ? QStringLiteral("frmImpacto") : QString();
        criterio = QStringLiteral("Impactos da obra");
    } else {
        return true;
    }
    Mensagens::Mostrar(MsgCriterioIncompleto.arg(criterio), Mensagens::Icone::Exclamacao,
                       Mensagens::Botoes::OK, TituloAnalise);
    // The window that lacks data is shown again; its "Avançar" comes back here.
    if (!incompleta.isEmpty())
        Passagem(this).Para(incompleta);
    return false;
}

void frmInsercao::AvancarAlternativa(Passagem& passagem)
{
    Banco::Recordset* rs = MT::rsAlternativas.get();
    if (!rs || !rs->TemLinhaAtual()) {
        // The entry has already finished: nothing left to store.
        passagem.Para(QStringLiteral("frmCalculoIndices"));
        return;
    }
    VerificaDadosAlternativa();
    if (!m_todosCompletos || !CriteriosAnterioresCompletos())
        return;

    // The hand-over writes the row: a read or a write that fails gets the
    // failed-write message once, and nothing is moved, emptied or handed on.
    if (!rs->Ler())
        return;
    const bool ultima =
        Banco::NumeroDoMarcador(rs->Campo(QStringLiteral("Marcador")).toString()) == MT::NumeroAlternativas;
    // The three windows are emptied, and two of them unloaded, on the way to
    // the next alternative: a hand-over taken back puts them back as they are.
    passagem.AoDesfazer(GravadorEntrada::GuardarPaginas());
    if (!GravadorEntrada::GravarEAvancarAlternativa())
        return;
    MT::Reentrada = !ultima;
    if (ultima) {
        passagem.Para(QStringLiteral("frmCalculoIndices"));
        return;
    }
    Janelas::Descarregar(QStringLiteral("frmImpacto"));
    Janelas::Descarregar(QStringLiteral("frmObjetivo"));
    if (passagem.Para(QStringLiteral("frmObjetivo")))
        Janelas::Descarregar(this);
}

void frmInsercao::CommandButton1_Click()
{
    if (!m_portao->Aberto())
        return;
    Banco::Acao acao(Banco::TipoAcao::Gravacao);
    Passagem passagem(this);
    if (MT::EntradaPorAlternativa) {
        AvancarAlternativa(passagem);
        return;
    }
    if (MT::rsInsercao) {
        // What was typed since the last step is stored first, and the gate
        // judged again from it; a store or a read that fails hands nothing on.
        if (!Percurso::Gravar(MT::rsInsercao.get(), [this](Banco::Recordset& rs) { GravarPagina(rs); }))
            return;
        AvaliarAlternativa();
        if (Banco::HouveFalha())
            return;
        // The largest area follows the page stored, unless the hand-over is taken back.
        const QString maximo = Maximo();
        passagem.AoDesfazer([this, maximo] { MostrarMaximo(maximo); });
        AtualizarMaximo();
        if (!m_portao->Aberto())
            return;
    }
    passagem.Para(QStringLiteral("frmCalculoIndices"));
}

// ---------------------------------------------------------------- tabs, sub-menu, cues

void frmInsercao::TabStrip1_Click()
{
    // A balloon about one page does not stay over another.
    if (m_portao)
        m_portao->FecharBalao();
    for (int i = 0; i < 2; ++i)
        m_paginas[static_cast<size_t>(i)]->setEnabled(i == TabStrip1->currentIndex());
}

void frmInsercao::Label_Click(int item)
{
    const ItemMenu& it = Itens[item];
    Image3->move(Image3->x(), it.marcador);
    for (int f : {4, 3, 5, 6})
        m_frames[static_cast<size_t>(f)]->setVisible(f == it.frame);
    AtualizarIcones();
    Command3_Click();
}

void frmInsercao::Label_MouseMove(int item)
{
    QLabel* l = m_itens[static_cast<size_t>(item)];
    QFont f = l->font();
    f.setUnderline(true);
    l->setFont(f);
}

void frmInsercao::Picture1_MouseMove()
{
    for (QLabel* l : m_itens) {
        QFont f = l->font();
        f.setUnderline(false);
        l->setFont(f);
    }
}

void frmInsercao::Image_Click(int frame)
{
    Command3->show();
    RichTextBox1->setPlainText(m_textosAjuda[static_cast<size_t>(frame)]->text());
    RichTextBox1->show();
    RichTextBox1->raise();
    Command3->raise();
}

void frmInsercao::Command3_Click()
{
    RichTextBox1->hide();
    Command3->hide();
}

void frmInsercao::Frame_MouseMove(int frame)
{
    m_icones[static_cast<size_t>(frame)]->Normal();
    if (MT::EntradaPorAlternativa)
        VerificaDadosAlternativa();
}

void frmInsercao::Label52_MouseMove()
{
    m_portao->MostrarDica(MT::EntradaPorAlternativa ? Label55->text() : Label51->text(),
                          PortaoAvancar::FiguraDica::Segunda);
}

void frmInsercao::Text_KeyDown(int caixa, int tecla)
{
    if (tecla != Qt::Key_F5)
        return;
    if (const auto datum = MapaInsercao::DatumDaCaixa(caixa))
        JanelaEntrada::PedirDado(m_caixas[static_cast<size_t>(caixa)], MT::rsInsercao, *datum);
}
bool frmInsercao::eventFilter(QObject* obj, QEvent* ev)
{
    // A movement over a sub-menu item, a status icon or a frame is theirs
    // alone: it does not reach the page beneath, which removes the underline.
    const QEvent::Type t = ev->type();
    if (t != QEvent::MouseMove && t != QEvent::MouseButtonPress)
        return false;
    for (int i = 0; i < 4; ++i) {
        if (obj != m_itens[static_cast<size_t>(i)])
            continue;
        if (t == QEvent::MouseMove)
            Label_MouseMove(i);
        else if (static_cast<QMouseEvent*>(ev)->button() == Qt::LeftButton)
            Label_Click(i);
        return true;
    }
    if (t != QEvent::MouseMove)
        return false;
    for (QLabel* icone : m_iconesStatus) {
        if (obj == icone)
            return true;
    }
    for (int i = 1; i <= 6; ++i) {
        if (obj == m_frames[static_cast<size_t>(i)]) {
            Frame_MouseMove(i);
            return true;
        }
    }
    for (QWidget* p : m_paginas) {
        if (obj == p)
            Picture1_MouseMove();
    }
    return false;
}
