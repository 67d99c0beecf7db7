#include "entry/frmImpacto.h"

#include "common/CaixaTexto.h"
#include "common/Escala.h"
#include "common/Figuras.h"
#include "common/ModuloTessaura.h"
#include "common/Passagem.h"
#include "common/PortaoAvancar.h"
#include "entry/CaixaNumerica.h"
#include "entry/DesenhoEntrada.h"
#include "entry/GrupoAvaliacao.h"
#include "entry/JanelaEntrada.h"
#include "entry/StatusEntrada.h"
#include "entry/TextosImpacto.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <cmath>

REGISTRAR_JANELA(frmImpacto)

namespace MT = ModuloTessaura;
using namespace DesenhoEntrada;
using MapaImpacto::PaginaImpacto;
using MapaImpacto::Recarga;

namespace {

// System colours of the flow boxes: a usable box on the 3-D light colour, a
// box switched off by its check box on the grey-text colour.
const QColor CorCaixaLigada(227, 227, 227);
const QColor CorCaixaDesligada(109, 109, 109);

const QString TextoLabel41 = QStringLiteral(
    "O cálculo deste indicador pode ser simplificado, em situações em que as áreas de "
    "infiltração forem homogêneas e as cargas hidráulicas forem iguais. Nestes casos, o cálculo "
    "do indicador pode ser feito através das áreas de infiltração, ao invés das vazões "
    "infiltradas.");
const QString TextoLabel43 = QStringLiteral(
    "O botão 'Avançar' estará disponível quando todos os dados, referentes à todas alternativas "
    "estudadas, forem fornecidos.");
const QString TextoLabel47 = QStringLiteral(
    "Os dados de todas as alternativas foram fornecidos. Você já pode passar para a próxima "
    "etapa.");
const QString TextoLabel49 = QStringLiteral(
    "Você deverá preencher os dados referentes as outras alternativas depois. Agora você deve "
    "avançar e completar a entrada de dados para esta alternativa.");
const QString TextoLabel50 = QStringLiteral(
    "O botão 'Avançar' estará disponível quando todos os dados referentes a esta alternativa "
    "foram fornecidos. ");

const QString TextoLabel2 = QStringLiteral(
    "O critério referente aos impactos da obra foi dividido em três aspectos a serem avaliados, "
    "sendo eles: hidrológicos, sanitários e referentes à qualidade das águas. O programa "
    "desenvolverá indicadores referentes a cada um destes, sendo aqueles referentes aos "
    "hidrológicos chamados de I  , os sanitários, I  , e os referentes à qualidade das águas, "
    "I  . Posteriormente, a partir da relação entre eles poderá ser quantificado o indicador "
    "referente aos impactos da obra.");

}  // namespace

frmImpacto::frmImpacto()
{
    QFont verdana(QStringLiteral("Verdana"));
    verdana.setPointSize(8);
    setFont(verdana);
    setAutoFillBackground(true);
    setMinimumSize(800, 500);

    montarCabecalho();

    TabStrip1 = new QTabWidget(this);
    TabStrip1->setObjectName(QStringLiteral("TabStrip1"));
    TabStrip1->setGeometry(20, 178, 630, 266);
    const QString abas[3][2] = {
        {QStringLiteral("Hidrológicos"), QStringLiteral("Dados referentes ao impacto hidrológico da obra")},
        {QStringLiteral("Sanitários"), QStringLiteral("Dados referentes ao impacto sanitário da obra")},
        {QStringLiteral("Qualidade da água"),
         QStringLiteral("Dados referentes aos efeitos na qualidade da água")}};
    for (int i = 0; i < 3; ++i) {
        auto* pagina = new QWidget;
        pagina->setObjectName(QStringLiteral("Picture1"));
        pagina->setProperty("Index", i);
        m_paginas[static_cast<size_t>(i)] = pagina;
        TabStrip1->addTab(pagina, abas[i][0]);
        TabStrip1->setTabToolTip(i, abas[i][1]);
    }
    montarPaginaHidrologica(m_paginas[0]);
    montarPaginaSanitaria(m_paginas[1]);
    montarPaginaQualidade(m_paginas[2]);
    montarAjudas();
    connect(TabStrip1, &QTabWidget::currentChanged, this, &frmImpacto::TabStrip1_Click);
    TabStrip1_Click();

    Command1 = botao(this, "Command1", QStringLiteral("<  Anterior"), QRect(20, 452, 120, 30));
    Command2 = botao(this, "Command2", QStringLiteral("Próxima  >"), QRect(150, 452, 120, 30));
    connect(Command1, &QPushButton::clicked, this, &frmImpacto::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &frmImpacto::Command2_Click);

    // The help box lies over the pages while it is open.
    RichTextBox1 = new CaixaAjuda("RichTextBox1", QRect(26, 206, 618, 196), this);
    RichTextBox1->hide();
    Command4 = botao(this, "Command4", QStringLiteral("OK"), QRect(574, 408, 70, 28));
    Command4->hide();
    RichTextBox1->ManterAbaixo(Command4);
    connect(Command4, &QPushButton::clicked, this, &frmImpacto::Command4_Click);

    // Hidden holders of the hint texts.
    Label41 = oculto(this, "Label41", TextoLabel41);
    Label43 = oculto(this, "Label43", TextoLabel43);
    Label47 = oculto(this, "Label47", TextoLabel47);
    Label49 = oculto(this, "Label49", TextoLabel49);
    Label50 = oculto(this, "Label50", TextoLabel50);

    m_portao = new PortaoAvancar(this);
    m_portao->NaoCobrir(RichTextBox1);
    m_portao->NaoCobrir(Command4);
    connect(m_portao, &PortaoAvancar::Label44_MouseMove, this, &frmImpacto::Label44_MouseMove);
    connect(m_portao->CommandButton1, &QPushButton::clicked, this, &frmImpacto::CommandButton1_Click);

    // Ctrl+Tab reaches the window whichever of its controls has the focus, and
    // before the main window's child-window switching sees it.
    qApp->installEventFilter(this);
}

void frmImpacto::montarCabecalho()
{
    QLabel* titulo = rotulo(this, "Label1", QStringLiteral("Critério \"Impactos da Obra\" "), 20, 6);
    QFont f = titulo->font();
    f.setPointSize(14);
    f.setBold(true);
    titulo->setFont(f);
    titulo->adjustSize();

    // The subscripts of the three indicator symbols stand in the explanation's text.
    QLabel* h = oculto(this, "Label3", QStringLiteral("H"));
    QLabel* s = oculto(this, "Label4", QStringLiteral("S"));
    QLabel* q = oculto(this, "Label5", QStringLiteral("Q"));
    QString html = TextoLabel2.toHtmlEscaped();
    for (QLabel* sub : {h, s, q}) {
        const int i = html.indexOf(QStringLiteral("I  "));
        html.replace(i, 3, QStringLiteral("I<sub>%1</sub>").arg(sub->text()));
    }
    QLabel* explicacao = rotulo(this, "Label2", html, 20, 36, 760, 66);
    explicacao->setTextFormat(Qt::RichText);
    explicacao->setWordWrap(true);
    explicacao->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    QLabel* clique = rotulo(this, "Label36",
                            QStringLiteral("Clique em          para obter informações sobre os indicadores"),
                            20, 106);
    auto* ajuda = new QLabel(this);
    ajuda->setObjectName(QStringLiteral("Image7"));
    ajuda->setPixmap(Figuras::AjudaNormal().scaled(16, 16, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    ajuda->adjustSize();
    const auto [x, vao] = abrirVao(clique, ajuda->width() + 4);
    ajuda->move(clique->x() + x + (vao - ajuda->width()) / 2,
                clique->y() + (clique->height() - ajuda->height()) / 2);

    auto* f5 = new QLabel(this);
    f5->setObjectName(QStringLiteral("Image14"));
    f5->setPixmap(Figuras::DicaPrimeira().scaled(16, 16, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    f5->setGeometry(18, 126, 16, 16);
    rotulo(this, "Label48",
           QStringLiteral("Tecle F5 para aproveitar os dados fornecidos para as outras alternativas."), 38,
           127);

    auto* faixa = new QFrame(this);
    faixa->setObjectName(QStringLiteral("Picture2"));
    faixa->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    faixa->setGeometry(20, 148, 760, 24);
    rotulo(faixa, "Label34", QStringLiteral("Nome:"), 8, 5);
    Label35 = rotulo(faixa, "Label35", QStringLiteral("Nome"), 56, 3, 330, 18);
    rotulo(faixa, "Label45", QStringLiteral("Status:"), 400, 5);
    Label46 = rotulo(faixa, "Label46", QString(), 456, 3, 296, 18);
}

QGroupBox* frmImpacto::frame(int indice, const QString& titulo, QWidget* pagina, const QRect& geometria)
{
    QGroupBox* f = moldura(pagina, indice, titulo, geometria, this);
    m_frames[static_cast<size_t>(indice)] = f;
    return f;
}
void frmImpacto::montarPaginaHidrologica(QWidget* pagina)
{
    // Downstream flows: minimum on top, the target in the middle, maximum below.
    QGroupBox* f1 = frame(1, QStringLiteral("Impacto sobre as vazões a jusante"), pagina,
                          QRect(6, 6, 300, 222));
    rotulo(f1, "Label6", QStringLiteral("Vazão pretendida à jusante"), 12, 24);
    Check1 = new QCheckBox(QStringLiteral("Mínima"), f1);
    Check1->setObjectName(QStringLiteral("Check1"));
    Check1->move(18, 46);
    Check1->adjustSize();
    Check2 = new QCheckBox(QStringLiteral("Máxima"), f1);
    Check2->setObjectName(QStringLiteral("Check2"));
    Check2->move(140, 46);
    Check2->adjustSize();

    struct Linha {
        int caixa;
        const char *simbolo, *qualificador, *qualificadorTexto, *subscrito, *subscritoTexto;
        const char *unidade, *expoente;
        int y;
    };
    const Linha linhas[] = {
        {1, "Label7", "Label12", "Mín", "Label13", "Jus", "Label15", "Label18", 86},
        {3, "Label8", nullptr, nullptr, "Label14", "Alvo", "Label16", "Label19", 126},
        {2, "Label9", "Label10", "Máx", "Label11", "Jus", "Label17", "Label20", 166},
    };
    for (const Linha& l : linhas) {
        QLabel* simbolo = rotulo(f1, l.simbolo, QStringLiteral("Q    ="), 18, l.y + 4);
        QLabel* acima = l.qualificador ? indice(f1, l.qualificador, QString::fromUtf8(l.qualificadorTexto))
                                       : nullptr;
        QLabel* abaixo = indice(f1, l.subscrito, QString::fromUtf8(l.subscritoTexto));
        encaixar(simbolo, acima, abaixo);
        auto* caixa = new CaixaNumerica(CaixaNumerica::Filtro::Decimal, f1);
        caixa->setObjectName(QStringLiteral("Text%1").arg(l.caixa));
        caixa->setGeometry(simbolo->geometry().right() + 8, l.y, 120, 22);
        fundo(caixa, CorCaixaLigada);
        m_caixas[static_cast<size_t>(l.caixa)] = caixa;
        QLabel* unidade = rotulo(f1, l.unidade, QStringLiteral("m /s"), caixa->geometry().right() + 8, l.y + 4);
        encaixar(unidade, indice(f1, l.expoente, QStringLiteral("3")), nullptr);
    }
    connect(Check1, &QCheckBox::toggled, this, &frmImpacto::Check1_Click);
    connect(Check2, &QCheckBox::toggled, this, &frmImpacto::Check2_Click);
    LimiteClicado(Check1, m_caixas[1]);
    LimiteClicado(Check2, m_caixas[2]);

    // Aquifer recharge: areas or flows.
    QGroupBox* f2 = frame(2, QStringLiteral("Recarga do aqüífero "), pagina, QRect(314, 6, 304, 222));
    QLabel* pergunta = rotulo(f2, "Label21",
                              QStringLiteral("Através de qual dado você deseja fazer o cálculo do indicador?"),
                              12, 22, 244, 34);
    pergunta->setWordWrap(true);
    Option1 = new QRadioButton(QStringLiteral("Área"), f2);
    Option1->setObjectName(QStringLiteral("Option1"));
    Option1->move(18, 62);
    Option1->adjustSize();
    Option2 = new QRadioButton(QStringLiteral("Vazão"), f2);
    Option2->setObjectName(QStringLiteral("Option2"));
    Option2->move(120, 62);
    Option2->adjustSize();
    connect(Option1, &QRadioButton::toggled, this, [this](bool on) { if (on) Option1_Click(); });
    connect(Option2, &QRadioButton::toggled, this, [this](bool on) { if (on) Option2_Click(); });

    struct Recarga_ {
        int caixa;
        const char *simbolo, *subscrito, *subscritoTexto, *igual, *unidade, *expoente;
        int y;
    };
    const Recarga_ recargas[] = {
        {4, "Label22", "Label24", "Inf", "Label26", "Label28", "Label30", 106},
        {5, "Label23", "Label25", "Nat", "Label27", "Label29", "Label31", 146},
    };
    for (const Recarga_& r : recargas) {
        QLabel* simbolo = rotulo(f2, r.simbolo, QStringLiteral("Q"), 18, r.y + 4);
        QLabel* sub = indice(f2, r.subscrito, QString::fromLatin1(r.subscritoTexto));
        sub->move(simbolo->x() + QFontMetrics(simbolo->font()).horizontalAdvance(QLatin1Char('Q')) + 1,
                  r.y + 10);
        // "=" and the box stand clear of the subscript, whatever its font makes of it.
        QLabel* igual = rotulo(f2, r.igual, QStringLiteral("="),
                               std::max(54, sub->geometry().right() + 4), r.y + 4);
        auto* caixa = new CaixaNumerica(CaixaNumerica::Filtro::Decimal, f2);
        caixa->setObjectName(QStringLiteral("Text%1").arg(r.caixa));
        caixa->setGeometry(std::max(70, igual->geometry().right() + 6), r.y, 120, 22);
        fundo(caixa, CorCaixaLigada);
        m_caixas[static_cast<size_t>(r.caixa)] = caixa;
        QLabel* unidade = rotulo(f2, r.unidade, QStringLiteral("m /s"), 198, r.y + 4);
        QLabel* expoente = indice(f2, r.expoente, QStringLiteral("3"));
        encaixar(unidade, expoente, nullptr);
        if (r.caixa == 4) {
            Label22 = simbolo;
            Label28 = unidade;
            Label30 = expoente;
        } else {
            Label23 = simbolo;
            Label29 = unidade;
            Label31 = expoente;
        }
    }

    for (int i = 1; i <= 5; ++i) {
        connect(m_caixas[static_cast<size_t>(i)], &CaixaNumerica::KeyDown, this,
                [this, i](int tecla, Qt::KeyboardModifiers) { Text_KeyDown(i, tecla); });
    }
}

GrupoAvaliacao* frmImpacto::grupo(QGroupBox* f, const QList<int>& numeros)
{
    return new GrupoAvaliacao(opcoes(f, numeros, 1, QPoint(22, 30), 26), 1, this);
}
void frmImpacto::montarPaginaSanitaria(QWidget* pagina)
{
    QGroupBox* f3 = frame(3, QStringLiteral("Possibilidade de transmissão de doenças"), pagina,
                          QRect(6, 6, 300, 222));
    m_ptd = grupo(f3, {3, 4, 5, 6, 7, 8, 9});
    QGroupBox* f4 = frame(4, QStringLiteral("Possibilidade da proliferação de insetos"), pagina,
                          QRect(314, 6, 304, 222));
    m_ppi = grupo(f4, {10, 11, 12, 13, 14, 15, 16});
}

void frmImpacto::montarPaginaQualidade(QWidget* pagina)
{
    QGroupBox* f6 = frame(6, QStringLiteral("Impacto nas águas superficiais"), pagina, QRect(6, 6, 300, 222));
    m_iasup = grupo(f6, {30, 29, 28, 27, 26, 25, 24});
    QGroupBox* f5 = frame(5, QStringLiteral("Impacto nas águas subterrâneas"), pagina,
                          QRect(314, 6, 304, 222));
    m_iasub = grupo(f5, {23, 22, 21, 20, 19, 18, 17});
}

void frmImpacto::montarAjudas()
{
    // Help icons, one per frame, and the hidden holders of their texts.
    const struct {
        int frame;
        const char* texto;
    } ajudas[] = {{1, "Label32"}, {2, "Label33"}, {3, "Label37"},
                  {4, "Label38"}, {6, "Label39"}, {5, "Label40"}};
    for (int i = 1; i <= 6; ++i) {
        QGroupBox* f = m_frames[static_cast<size_t>(ajudas[i - 1].frame)];
        auto* icone = new IconeAjuda(Figuras::AjudaNormal(), Figuras::AjudaSobre(), f);
        icone->setObjectName(QStringLiteral("Image%1").arg(i));
        icone->setGeometry(f->width() - 40, 22, 32, 32);
        connect(icone, &IconeAjuda::clicado, this, [this, i] { Image_Click(i); });
        m_icones[static_cast<size_t>(i)] = icone;
        m_textosAjuda[static_cast<size_t>(i)] = oculto(this, ajudas[i - 1].texto, TextosImpacto::Ajuda(i));
    }
}

// ---------------------------------------------------------------- life cycle

void frmImpacto::Form_Load()
{
    m_portao->DefinirDicaVisivel(false);
    m_todosCompletos = false;
    Option2->setChecked(true);
    MT::ImpactoCarregado = true;
}

void frmImpacto::Form_Unload()
{
    MT::ImpactoCarregado = false;
}

void frmImpacto::Form_Activate()
{
    if (JanelaEntrada::Ativar(MT::dbImpacto, MT::rsImpacto, m_status, m_recordsetAberto, Label35, Command1,
                              Command2))
        AvaliarAlternativa(*MT::rsImpacto);
}
void frmImpacto::MostrarRegistro(Banco::Recordset& rs)
{
    JanelaEntrada::MostrarRegistro(rs, Label35);
}
// ---------------------------------------------------------------- the page

PaginaImpacto frmImpacto::Pagina() const
{
    PaginaImpacto p;
    p.qjmin = m_caixas[1]->text();
    p.qjmax = m_caixas[2]->text();
    p.qalvo = m_caixas[3]->text();
    p.recarga1 = m_caixas[4]->text();
    p.recarga2 = m_caixas[5]->text();
    p.minima = Check1->isChecked();
    p.maxima = Check2->isChecked();
    p.recarga = Option1->isChecked() ? Recarga::Area
                : Option2->isChecked() ? Recarga::Vazao
                                       : Recarga::Nenhuma;
    p.ptd = m_ptd->Nivel();
    p.ppi = m_ppi->Nivel();
    p.iasup = m_iasup->Nivel();
    p.iasub = m_iasub->Nivel();
    return p;
}

void frmImpacto::MostrarPagina(const PaginaImpacto& p)
{
    Check1->setChecked(p.minima);
    m_caixas[1]->setText(p.qjmin);
    Check2->setChecked(p.maxima);
    m_caixas[2]->setText(p.qjmax);
    m_caixas[3]->setText(p.qalvo);
    switch (p.recarga) {
    case Recarga::Area:
        Option1->setChecked(true);
        break;
    case Recarga::Vazao:
        Option2->setChecked(true);
        break;
    case Recarga::Nenhuma:
        // Two options of one frame exclude each other; switching both off
        // needs the exclusion lifted for a moment.
        for (QRadioButton* o : {Option1, Option2}) {
            o->setAutoExclusive(false);
            o->setChecked(false);
            o->setAutoExclusive(true);
        }
        break;
    }
    m_caixas[4]->setText(p.recarga1);
    m_caixas[5]->setText(p.recarga2);
    m_ptd->DefinirNivel(p.ptd);
    m_ppi->DefinirNivel(p.ppi);
    m_iasup->DefinirNivel(p.iasup);
    m_iasub->DefinirNivel(p.iasub);
}

void frmImpacto::Esvaziar(Recarga r)
{
    MostrarPagina(PaginaImpacto::Vazia(r));
}

void frmImpacto::PreencherDe(Banco::Recordset& origem)
{
    Esvaziar(Recarga::Vazao);
    MostrarPagina(MapaImpacto::Ler(origem));
}

// ---------------------------------------------------------------- completeness and gate

void frmImpacto::AvaliarItens()
{
    m_itens = MapaImpacto::Avaliar(Pagina());
}

void frmImpacto::AvaliarAlternativa(Banco::Recordset& rs)
{
    AvaliarItens();
    const bool completo = m_itens.Completo();
    StatusEntrada::Mostrar(Label46, completo);
    m_status.Marcar(Banco::NumeroDoMarcador(rs.Campo(QStringLiteral("Marcador")).toString()), completo);
    // Without any alternative there is nothing to hand on.
    m_todosCompletos = m_status.Total() > 0 && m_status.TodosCompletos();
}

void frmImpacto::DefinirPortao()
{
    m_portao->Definir(m_todosCompletos, Label47->text());
}

void frmImpacto::VerificaDadosAlternativa()
{
    AvaliarItens();
    m_todosCompletos = m_itens.Completo();
    StatusEntrada::Mostrar(Label46, m_todosCompletos);
    m_portao->Definir(m_todosCompletos, Label49->text());
}

// ---------------------------------------------------------------- the walk

void frmImpacto::Passo(Percurso::Direcao d)
{
    if (!MT::rsImpacto)
        return;
    Percurso::Etapas e;
    e.avaliar = [this] {
        AvaliarAlternativa(*MT::rsImpacto);
        DefinirPortao();
    };
    e.gravar = [this](Banco::Recordset& rs) { MapaImpacto::Gravar(rs, Pagina()); };
    e.esvaziar = [this] { Esvaziar(Recarga::Vazao); };
    e.mostrar = [this](Banco::Recordset& rs) {
        MostrarRegistro(rs);
        MostrarPagina(MapaImpacto::Ler(rs));
    };
    Percurso::Passo(MT::rsImpacto.get(), d, e);
}

void frmImpacto::Command1_Click()
{
    Passo(Percurso::Direcao::Anterior);
}

void frmImpacto::Command2_Click()
{
    Passo(Percurso::Direcao::Proxima);
}

void frmImpacto::CommandButton1_Click()
{
    if (!m_portao->Aberto())
        return;
    Banco::Acao acao(Banco::TipoAcao::Gravacao);
    if (!MT::EntradaPorAlternativa && MT::rsImpacto) {
        // What was typed since the last step is stored first, and the gate
        // judged again from it; a store or a read that fails hands nothing on.
        if (!Percurso::Gravar(MT::rsImpacto.get(),
                              [this](Banco::Recordset& rs) { MapaImpacto::Gravar(rs, Pagina()); }))
            return;
        AvaliarAlternativa(*MT::rsImpacto);
        DefinirPortao();
        if (Banco::HouveFalha() || !m_portao->Aberto())
            return;
    }
    Passagem(this).Para(QStringLiteral("frmInsercao"));
}

// ---------------------------------------------------------------- controls' reactions

void frmImpacto::LimiteClicado(QCheckBox* check, CaixaNumerica* caixa)
{
    if (check->isChecked()) {
        caixa->setEnabled(true);
        fundo(caixa, CorCaixaLigada);
    } else {
        caixa->clear();
        caixa->setEnabled(false);
        fundo(caixa, CorCaixaDesligada);
    }
}

void frmImpacto::Check1_Click()
{
    LimiteClicado(Check1, m_caixas[1]);
}

void frmImpacto::Check2_Click()
{
    LimiteClicado(Check2, m_caixas[2]);
}

void frmImpacto::MostrarRecarga(const QString& simbolo, const QString& unidade, const QString& expoente)
{
    for (QLabel* l : {Label22, Label23})
        l->setText(simbolo);
    for (QLabel* l : {Label28, Label29}) {
        l->setText(unidade);
        l->adjustSize();
    }
    for (QLabel* l : {Label30, Label31})
        l->setText(expoente);
    m_caixas[4]->clear();
    m_caixas[5]->clear();
}

void frmImpacto::Option1_Click()
{
    MostrarRecarga(QStringLiteral("A"), QStringLiteral("m"), QStringLiteral("2"));
    m_portao->MostrarDica(Label41->text());
}

void frmImpacto::Option2_Click()
{
    MostrarRecarga(QStringLiteral("Q"), QStringLiteral("m /s"), QStringLiteral("3"));
    m_portao->Image10->hide();
}

void frmImpacto::Image_Click(int indice)
{
    Command4->show();
    Command4->raise();
    RichTextBox1->setPlainText(m_textosAjuda[static_cast<size_t>(indice)]->text());
    RichTextBox1->show();
    RichTextBox1->raise();
    Command4->raise();
}

void frmImpacto::Command4_Click()
{
    RichTextBox1->hide();
    Command4->hide();
}

void frmImpacto::Frame_MouseMove(int indice)
{
    // Frame5 holds the ground-water item, whose icon is Image6, and Frame6 the
    // surface-water item with Image5.
    const int icone = indice == 5 ? 6 : indice == 6 ? 5 : indice;
    m_icones[static_cast<size_t>(icone)]->Normal();
    if (MT::EntradaPorAlternativa)
        VerificaDadosAlternativa();
}

void frmImpacto::TabStrip1_Click()
{
    // A balloon about one page does not stay over another.
    if (m_portao)
        m_portao->FecharBalao();
    for (int i = 0; i < 3; ++i)
        m_paginas[static_cast<size_t>(i)]->setEnabled(i == TabStrip1->currentIndex());
}

bool frmImpacto::Form_KeyDown(int tecla, Qt::KeyboardModifiers modificadores)
{
    if (tecla != Qt::Key_Tab || modificadores != Qt::ControlModifier)
        return false;
    TabStrip1->setCurrentIndex((TabStrip1->currentIndex() + 1) % TabStrip1->count());
    return true;
}

void frmImpacto::Label44_MouseMove()
{
    m_portao->MostrarDica(MT::EntradaPorAlternativa ? Label50->text() : Label43->text());
}

void frmImpacto::Text_KeyDown(int caixa, int tecla)
{
    if (tecla != Qt::Key_F5)
        return;
    if (const auto datum = MapaImpacto::DatumDaCaixa(caixa, Pagina().recarga))
        JanelaEntrada::PedirDado(m_caixas[static_cast<size_t>(caixa)], MT::rsImpacto, *datum);
}
bool frmImpacto::eventFilter(QObject* obj, QEvent* ev)
{
    if (ev->type() == QEvent::MouseMove) {
        for (int i = 1; i <= 6; ++i) {
            if (obj == m_frames[static_cast<size_t>(i)]) {
                Frame_MouseMove(i);
                return true;
            }
        }
        return false;
    }
    if (ev->type() == QEvent::KeyPress) {
        auto* k = static_cast<QKeyEvent*>(ev);
        const bool tab = k->key() == Qt::Key_Tab || k->key() == Qt::Key_Backtab;
        auto* w = qobject_cast<QWidget*>(obj);
        const bool nosso = w && isVisible()
                           && (w == this || isAncestorOf(w) || w == parentWidget());
        if (tab && (k->modifiers() & Qt::ControlModifier) && nosso) {
            // Ctrl+Tab turns the page; Ctrl+Shift+Tab does nothing, and neither
            // switches the main window's child windows.
            Form_KeyDown(k->key(), k->modifiers());
            return true;
        }
    }
    return false;
}
