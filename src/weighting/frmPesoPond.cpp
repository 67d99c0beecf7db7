#include "weighting/frmPesoPond.h"

#include "common/Banco.h"
#include "common/BarraStatus.h"
#include "common/Figuras.h"
#include "common/Listas.h"
#include "common/Mensagens.h"
#include "common/ModuloTessaura.h"
#include "common/Numeros.h"
#include "common/Passagem.h"
#include "common/PortaoAvancar.h"
#include "common/Twips.h"
#include "weighting/frmApagarPon.h"
#include "weighting/frmInformacaoPonderacao.h"

#include <QAction>
#include <QFocusEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <vector>

REGISTRAR_JANELA(frmPesoPond)

namespace MT = ModuloTessaura;

namespace {

const QString kTabela = QStringLiteral("tblPonderacao");
const QString kTitulo = QStringLiteral("Análise Tessaura");

// The ruled table, in twips: four columns, a heading row and thirteen rows.
constexpr int kColunas[] = {360, 1560, 3660, 9390, 10770};
constexpr int kTopoCabecalho = 1020;
constexpr int kAlturaLinha = 300;
constexpr int kTopoLinhas = kTopoCabecalho + kAlturaLinha;

int topoDaLinha(int n)  // n = 1..13
{
    return kTopoLinhas + kAlturaLinha * (n - 1);
}

const char* const kIndicadores[Ponderacao::NumeroIndicadores] = {
    "Atendimento ao objetivo",
    "Impacto sobre as vazões de jusante",
    "Recarga do aqüífero",
    "Possibilidade de transmição de doenças",
    "Possibilidade de proliferação de insetos",
    "Impacto das águas superficiais",
    "Impacto das águas subterrâneas",
    "Criação e preservação de habitats",
    "Impacto paisagístico",
    "Criação de áreas de recreação, lazer e outros equipamentos",
    "Impacto nas condições de circulação",
    "Possibilidade da utilização com outra função técnica",
    "Desapropriação de áreas",
};

// A label spanning rows primeira..ultima of one column.
struct Faixa {
    const char* nome;
    const char* texto;
    int coluna;
    int primeira;
    int ultima;
};
const Faixa kFaixas[] = {
    {"Label19", "Objetivo", 0, 1, 1},
    {"Label20", "Impactos", 0, 2, 7},
    {"Label21", "Inserção", 0, 8, 13},
    {"Label22", "Hidrológicos", 1, 2, 3},
    {"Label23", "Sanitários", 1, 4, 5},
    {"Label24", "Qualidade das águas", 1, 6, 7},
    {"Label25", "Ambiental", 1, 8, 9},
    {"Label26", "Social", 1, 10, 13},
};

QString campo(int n)
{
    return QStringLiteral("c%1").arg(n);
}

}  // namespace

frmPesoPond::frmPesoPond() : Formulario(nullptr)
{
    QFont verdana(QStringLiteral("Verdana"));
    verdana.setPointSize(8);
    setFont(verdana);
    setMouseTracking(true);
    setMinimumSize(Twips::Px(11880), Twips::Px(8880));

    Label33 = new QLabel(QStringLiteral("Peso dos Indicadores"), this);
    Label33->setObjectName(QStringLiteral("Label33"));
    QFont titulo(QStringLiteral("Verdana"));
    titulo.setPointSize(14);
    titulo.setBold(true);
    Label33->setFont(titulo);
    Twips::Posicionar(Label33, 360, 240, 6600, 600);

    auto* image2 = new QLabel(this);
    image2->setObjectName(QStringLiteral("Image2"));
    image2->setPixmap(Figuras::Logo());
    Twips::Posicionar(image2, 10560, 120, 960, 960);

    montarTabela();
    montarRodape();
}

void frmPesoPond::montarTabela()
{
    auto rotulo = [this](const QString& nome, const QString& texto, int l, int t, int w, int h,
                         Qt::Alignment alinhamento) {
        auto* r = new QLabel(texto, this);
        r->setObjectName(nome);
        r->setAlignment(alinhamento);
        r->setWordWrap(true);
        Twips::Posicionar(r, l, t, w, h);
        return r;
    };
    const Qt::Alignment centro = Qt::AlignCenter;
    const Qt::Alignment esquerda = Qt::AlignLeft | Qt::AlignVCenter;

    const char* const cabecalhos[] = {"Critério", "Sub-critério", "Indicador", "Peso"};
    for (int c = 0; c < 4; ++c) {
        QLabel* r = rotulo(QStringLiteral("Label%1").arg(c + 1), QString::fromUtf8(cabecalhos[c]),
                           kColunas[c] + 60, kTopoCabecalho, kColunas[c + 1] - kColunas[c] - 120,
                           kAlturaLinha, centro);
        QFont negrito = r->font();
        negrito.setBold(true);
        r->setFont(negrito);
    }
    for (const Faixa& f : kFaixas) {
        const int topo = topoDaLinha(f.primeira);
        rotulo(QString::fromLatin1(f.nome), QString::fromUtf8(f.texto), kColunas[f.coluna] + 60, topo,
               kColunas[f.coluna + 1] - kColunas[f.coluna] - 120,
               kAlturaLinha * (f.ultima - f.primeira + 1), centro);
    }
    for (int n = 1; n <= Ponderacao::NumeroIndicadores; ++n) {
        rotulo(QStringLiteral("Label%1").arg(n + 4), QString::fromUtf8(kIndicadores[n - 1]),
               kColunas[2] + 90, topoDaLinha(n), kColunas[3] - kColunas[2] - 150, kAlturaLinha,
               esquerda);
        auto* caixa = new QLineEdit(QStringLiteral("0"), this);
        caixa->setObjectName(QStringLiteral("Text%1").arg(n));
        caixa->setAlignment(Qt::AlignCenter);
        caixa->setReadOnly(true);
        Twips::Posicionar(caixa, 9510, 1335 + 300 * (n - 1), 1140, 285);
        caixa->installEventFilter(this);
        connect(caixa, &QLineEdit::textChanged, this, [this, n] { Text_Change(n); });
        Text[static_cast<size_t>(n)] = caixa;
    }

    const int topoSoma = topoDaLinha(Ponderacao::NumeroIndicadores + 1) + 60;
    rotulo(QStringLiteral("Label18"), QStringLiteral("Soma dos valores dos pesos atribuídos"),
           kColunas[2] + 90, topoSoma, kColunas[3] - kColunas[2] - 180, kAlturaLinha,
           Qt::AlignRight | Qt::AlignVCenter);
    Label27 = rotulo(QStringLiteral("Label27"), QStringLiteral("100"), 9510, topoSoma, 1140,
                     kAlturaLinha, centro);
    QFont negrito = Label27->font();
    negrito.setBold(true);
    Label27->setFont(negrito);
    rotulo(QStringLiteral("Label28"), QStringLiteral("%"), 10680, topoSoma, 300, kAlturaLinha,
           esquerda);
}

void frmPesoPond::montarRodape()
{
    auto rotulo = [this](const char* nome, const QString& texto, int l, int t, int w, int h) {
        auto* r = new QLabel(texto, this);
        r->setObjectName(QString::fromLatin1(nome));
        r->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        Twips::Posicionar(r, l, t, w, h);
        return r;
    };
    auto botao = [this](const char* nome, const QString& texto, int l, int t, int w, int h) {
        auto* b = new QPushButton(texto, this);
        b->setObjectName(QString::fromLatin1(nome));
        Twips::Posicionar(b, l, t, w, h);
        return b;
    };
    auto lista = [this](const char* nome, int l, int t, int linhas) {
        auto* c = new QComboBox(this);
        c->setObjectName(QString::fromLatin1(nome));
        c->setEditable(false);
        Listas::LimitarLinhas(c, linhas);
        Twips::Posicionar(c, l, t, 2700, 330);
        return c;
    };
    auto caixa = [this](const char* nome, int t) {
        auto* c = new QLineEdit(this);
        c->setObjectName(QString::fromLatin1(nome));
        c->setMaxLength(13);
        Twips::Posicionar(c, 10800, t, 2700, 315);
        c->hide();
        return c;
    };

    rotulo("Label29", QStringLiteral("Nome da ponderação:"), 360, 5740, 2760, 330);
    rotulo("Label30", QStringLiteral("Aspectos mais relevantes:"), 360, 6100, 2760, 330);
    ComboBox1 = lista("ComboBox1", 3240, 5740, 6);
    ComboBox2 = lista("ComboBox2", 3240, 6100, 4);
    TextBox1 = caixa("TextBox1", 5760);
    TextBox2 = caixa("TextBox2", 6105);
    connect(ComboBox1, &QComboBox::activated, this, [this] { ComboBox1_Click(); });
    connect(ComboBox2, &QComboBox::activated, this, [this] { ComboBox2_Click(); });

    Command2 = botao("Command2", QStringLiteral("Nova Ponderação"), 6240, 5700, 2100, 375);
    Command3 = botao("Command3", QStringLiteral("Salvar ponderação"), 8460, 5700, 2310, 375);
    Command4 = botao("Command4", QStringLiteral("Descartar ponderação"), 8460, 6100, 2310, 375);
    Command1 = botao("Command1", QStringLiteral("Apagar ponderação"), 6240, 6100, 2100, 375);
    Command3->hide();
    Command4->hide();
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
    connect(Command3, &QPushButton::clicked, this, [this] { Command3_Click(); });
    connect(Command4, &QPushButton::clicked, this, [this] { Command4_Click(); });

    // "Avançar" opens only on a stored weighting that totals 100.
    CommandButton1 = botao("CommandButton1", QStringLiteral("Avançar"), 9960, 7560, 1410, 585);
    PortaoAvancar::VestirBotao(CommandButton1);
    CommandButton1->setEnabled(false);
    connect(CommandButton1, &QPushButton::clicked, this, [this] { CommandButton1_Click(); });

    Image1 = new IconeAjuda(Figuras::Informacao(), Figuras::InformacaoSobre(), this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Twips::Posicionar(Image1, 720, 6600, 480, 480);
    connect(Image1, &IconeAjuda::clicado, this, [this] { Image1_Click(); });

    // The hint slides out from under a mask painted in the window's colour.
    Label32 = new QLabel(QStringLiteral("<--- Clique aqui para obter informações sobre este formulário!"),
                         this);
    Label32->setObjectName(QStringLiteral("Label32"));
    Twips::Posicionar(Label32, m_esquerdaDica, 6675, 5415, 300);
    Frame1 = new QFrame(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setFrameStyle(QFrame::NoFrame);
    Frame1->setAutoFillBackground(true);
    Frame1->setBackgroundRole(QPalette::Window);
    Twips::Posicionar(Frame1, m_esquerdaMascara, 6600, m_larguraMascara, 375);
    Frame1->raise();
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(15);
    connect(Timer1, &QTimer::timeout, this, [this] { Timer1_Timer(); });

    // Out of sight, last in the tab order: taking the focus refreshes the window.
    Text16 = new QLineEdit(QStringLiteral("Text16"), this);
    Text16->setObjectName(QStringLiteral("Text16"));
    Twips::Posicionar(Text16, -20000, 2520, 615, 375);
    Text16->installEventFilter(this);
}

// ---------------------------------------------------------------------------
// Load and activation

void frmPesoPond::Form_Load()
{
    m_novaPonderacao = false;
    for (int n = 1; n <= Ponderacao::NumeroIndicadores; ++n)
        Text[static_cast<size_t>(n)]->setText(QStringLiteral("0"));
    Timer1->start();
}

bool frmPesoPond::abrirTabela()
{
    Banco::ConexaoPtr db = Banco::Abrir();
    if (!db)
        return false;
    Banco::RecordsetPtr rs = Banco::Recordset::Abrir(db, kTabela);
    if (!rs)
        return false;
    dbPonderacao = db;
    rsPonderacao = rs;
    return true;
}

void frmPesoPond::Form_Activate()
{
    if (!abrirTabela()) {
        mostrarStatus();
        return;
    }
    // A weighting being typed stays as it is: its boxes are the user's.
    if (!m_novaPonderacao)
        mostrarPrimeira();
    mostrarStatus();
    // The window opens on the name list, never on a read-only coefficient box.
    QWidget* foco = focusWidget();
    auto* caixa = qobject_cast<QLineEdit*>(foco);
    if (!m_novaPonderacao && (!foco || (caixa && caixa->isReadOnly())))
        ComboBox1->setFocus(Qt::OtherFocusReason);
}

void frmPesoPond::mostrarStatus()
{
    BarraStatus* barra = MT::sbStatusBar();
    if (!barra)
        return;
    barra->Painel(1)->setText(QStringLiteral("Status"));
    barra->Painel(2)->setText(QString());
    barra->Painel(1)->DefinirBevel(PainelStatus::Inset);
    barra->Painel(2)->DefinirBevel(PainelStatus::Inset);
}

// The lists are filled only once every row was read: a table that cannot be
// read is told once and the window keeps what it shows.
bool frmPesoPond::preencherListas()
{
    struct Item {
        qint64 id;
        QString nome, aspecto;
    };
    std::vector<Item> itens;
    if (Banco::Recordset* rs = rsPonderacao.get()) {
        for (rs->MoveFirst(); !rs->EOF_(); rs->MoveNext()) {
            if (!rs->Ler())
                return false;
            itens.push_back({rs->Id(), Numeros::TextoDoCampo(rs->Campo(QStringLiteral("Nome"))),
                             Numeros::TextoDoCampo(rs->Campo(QStringLiteral("Aspecto")))});
        }
    }
    ComboBox1->clear();
    ComboBox2->clear();
    for (const Item& i : itens) {
        ComboBox1->addItem(i.nome, i.id);
        ComboBox2->addItem(i.aspecto, i.id);
    }
    // The weighting shown stays shown while it is in the table.
    if (ComboBox1->findData(m_idMostrado) >= 0)
        mostrarSelecao();
    else
        mostrarNenhuma();
    return true;
}

void frmPesoPond::mostrarPrimeira()
{
    if (preencherListas() && ComboBox1->count() > 0)
        selecionarNome(0);
}

void frmPesoPond::selecionarNome(int indice)
{
    ComboBox1->setCurrentIndex(indice);
    ComboBox1_Click();
}

void frmPesoPond::mostrar(qint64 id, const QString& aspecto, const QVariantList& valores)
{
    m_idMostrado = id;
    m_aspectoMostrado = aspecto;
    m_totalMostrado = Ponderacao::SomaDosValores(valores);
    mostrarSelecao();
    // The total is the stored values', formed once, after the boxes.
    m_preenchendo = true;
    for (int n = 1; n <= Ponderacao::NumeroIndicadores; ++n)
        Text[static_cast<size_t>(n)]->setText(Numeros::TextoDoCampo(valores.value(n - 1)));
    m_preenchendo = false;
    recalcular();
}

void frmPesoPond::mostrarNenhuma()
{
    m_idMostrado = 0;
    m_aspectoMostrado.clear();
    m_totalMostrado.reset();
    mostrarSelecao();
    m_preenchendo = true;
    for (int n = 1; n <= Ponderacao::NumeroIndicadores; ++n)
        Text[static_cast<size_t>(n)]->setText(QStringLiteral("0"));
    m_preenchendo = false;
    recalcular();
}

void frmPesoPond::mostrarSelecao()
{
    const bool mostrada = m_idMostrado != 0;
    ComboBox1->setCurrentIndex(mostrada ? ComboBox1->findData(m_idMostrado) : -1);
    ComboBox2->setCurrentIndex(
        mostrada ? ComboBox2->findText(m_aspectoMostrado, Qt::MatchExactly | Qt::MatchCaseSensitive) : -1);
}

void frmPesoPond::PonderacaoApagada(qint64 id)
{
    if (id != 0) {
        const int nome = ComboBox1->findData(id), aspecto = ComboBox2->findData(id);
        if (nome >= 0)
            ComboBox1->removeItem(nome);
        if (aspecto >= 0)
            ComboBox2->removeItem(aspecto);
        if (id == m_idMostrado && !m_novaPonderacao)
            mostrarNenhuma();
        else
            mostrarSelecao();
    }
    FocarText16();
}

// ---------------------------------------------------------------------------
// The two lists

void frmPesoPond::ComboBox1_Click()
{
    Banco::Acao acao;
    if (m_novaPonderacao)
        return;
    const qint64 id = ComboBox1->currentData().toLongLong();
    if (!rsPonderacao || id == 0 || !rsPonderacao->IrParaId(id)) {
        mostrarNenhuma();
        return;
    }
    if (!rsPonderacao->Ler()) {
        // A weighting that cannot be read: the one on show stays whole, its
        // name and aspect with its coefficients.
        mostrarSelecao();
        return;
    }
    QVariantList valores;
    for (int n = 1; n <= Ponderacao::NumeroIndicadores; ++n)
        valores << rsPonderacao->Campo(campo(n));
    mostrar(id, Numeros::TextoDoCampo(rsPonderacao->Campo(QStringLiteral("Aspecto"))), valores);
}

void frmPesoPond::ComboBox2_Click()
{
    Banco::Acao acao;
    if (m_novaPonderacao)
        return;
    const int atual = ComboBox2->currentIndex();
    if (atual < 0)
        return;
    // The first weighting of that aspect in row order: the lists are in row order.
    const int primeira =
        ComboBox2->findText(ComboBox2->itemText(atual), Qt::MatchExactly | Qt::MatchCaseSensitive);
    const int nome = ComboBox1->findData(ComboBox2->itemData(primeira));
    if (nome >= 0)
        selecionarNome(nome);
}

// ---------------------------------------------------------------------------
// The total and the sum gate

QStringList frmPesoPond::textosDosCoeficientes() const
{
    QStringList textos;
    for (int n = 1; n <= Ponderacao::NumeroIndicadores; ++n)
        textos << Text[static_cast<size_t>(n)]->text();
    return textos;
}

void frmPesoPond::recalcular()
{
    const Ponderacao::Total total =
        m_novaPonderacao ? Ponderacao::SomaDosTextos(textosDosCoeficientes()) : m_totalMostrado;
    Label27->setText(Ponderacao::TextoDoTotal(total));
    Label27_Change();
}

void frmPesoPond::Text_Change(int)
{
    if (!m_preenchendo)
        recalcular();
}

void frmPesoPond::Label27_Change()
{
    bool ok = false;
    const double soma = Numeros::Ler(Label27->text(), &ok);
    const Ponderacao::Total total = ok ? Ponderacao::Total(soma) : std::nullopt;
    CommandButton1->setEnabled(
        Ponderacao::AvancarDisponivel(m_novaPonderacao, m_idMostrado != 0, total));
}

void frmPesoPond::Text_GotFocus(int indice)
{
    QLineEdit* caixa = Text[static_cast<size_t>(indice)];
    caixa->selectAll();
    // A click places the cursor after the focus arrives; select again after it.
    QTimer::singleShot(0, caixa, [caixa] {
        if (caixa->hasFocus())
            caixa->selectAll();
    });
}

void frmPesoPond::FocarText16()
{
    m_refrescou = false;
    Text16->setFocus(Qt::OtherFocusReason);
    // While the window is not the active one the focus arrives only later.
    if (!m_refrescou)
        Text16_GotFocus();
}

void frmPesoPond::Text16_GotFocus()
{
    m_refrescou = true;
    Janelas::Ativar(this);
    // The box is out of sight: typing goes on in the visible controls.
    QWidget* alvo = m_novaPonderacao ? static_cast<QWidget*>(TextBox1) : ComboBox1;
    alvo->setFocus(Qt::OtherFocusReason);
}

bool frmPesoPond::eventFilter(QObject* obj, QEvent* ev)
{
    if (ev->type() == QEvent::FocusIn) {
        const Qt::FocusReason motivo = static_cast<QFocusEvent*>(ev)->reason();
        if (obj == Text16) {
            // Coming back to the window (after a dialog or a message box) is no refresh.
            if (motivo != Qt::ActiveWindowFocusReason && motivo != Qt::PopupFocusReason
                && motivo != Qt::MenuBarFocusReason)
                Text16_GotFocus();
        } else {
            for (int n = 1; n <= Ponderacao::NumeroIndicadores; ++n) {
                if (obj == Text[static_cast<size_t>(n)])
                    Text_GotFocus(n);
            }
        }
    }
    return Formulario::eventFilter(obj, ev);
}

// ---------------------------------------------------------------------------
// "Avançar"

void frmPesoPond::CommandButton1_Click()
{
    Banco::Acao acao;
    if (!CommandButton1->isEnabled() || m_novaPonderacao || m_idMostrado == 0)
        return;
    Banco::ConexaoPtr db = dbPonderacao ? dbPonderacao : Banco::Abrir();
    if (!db)
        return;
    Banco::RecordsetPtr rs = Banco::Recordset::AbrirPorId(db, kTabela, m_idMostrado);
    if (!rs || (rs->TemLinhaAtual() && !rs->Ler()))
        return;
    QVariantList valores;
    if (rs->TemLinhaAtual()) {
        for (int n = 1; n <= Ponderacao::NumeroIndicadores; ++n)
            valores << rs->Campo(campo(n));
    }
    if (!Ponderacao::SomaCem(Ponderacao::SomaDosValores(valores)) || valores.isEmpty()) {
        // The row changed under the window: show the table as it now is.
        Janelas::Ativar(this);
        return;
    }
    // The objective window opens over this one; when it cannot, the weights
    // handed on are taken back and this window stays in front.
    Passagem passagem(this, false);
    passagem.AoDesfazer([pesos = MT::PesoPonderacao] { MT::PesoPonderacao = pesos; });
    for (int n = 1; n <= Ponderacao::NumeroIndicadores; ++n)
        MT::PesoPonderacao[static_cast<size_t>(n)] = valores[n - 1];

    if (!passagem.Para(QStringLiteral("frmObjetivo")))
        return;
    if (QAction* dados = MT::BotaoBarra(QStringLiteral("dados")))
        dados->setEnabled(true);
}

// ---------------------------------------------------------------------------
// A weighting of the user's own

void frmPesoPond::Command2_Click()
{
    m_novaPonderacao = true;
    ComboBox1->hide();
    ComboBox2->hide();
    Command3->show();
    Command4->show();
    Command2->setEnabled(false);
    Command1->setEnabled(false);
    Twips::Posicionar(TextBox1, 3240, 5760, 2700, 315);
    Twips::Posicionar(TextBox2, 3240, 6105, 2700, 315);
    TextBox1->clear();
    TextBox2->clear();
    TextBox1->show();
    TextBox2->show();
    TextBox1->setFocus();
    recalcular();

    QPointer<frmPesoPond> guarda(this);
    MT::Pausa(0.5);
    if (!guarda || !m_novaPonderacao)
        return;
    for (int n = 1; n <= Ponderacao::NumeroIndicadores; ++n) {
        Text[static_cast<size_t>(n)]->setReadOnly(false);
        Text[static_cast<size_t>(n)]->setText(QStringLiteral("0"));
    }
    recalcular();
}

void frmPesoPond::sairDoModoNovo()
{
    m_novaPonderacao = false;
    // The focus goes to the name list before the boxes and buttons it may be on
    // are hidden: passed on along the tab order it would reach Text16, whose
    // refresh the caller does itself.
    ComboBox1->show();
    ComboBox2->show();
    ComboBox1->setFocus(Qt::OtherFocusReason);
    TextBox1->hide();
    TextBox2->hide();
    Twips::Posicionar(TextBox1, 10800, 5760, 2700, 315);
    Twips::Posicionar(TextBox2, 10800, 6105, 2700, 315);
    Command3->hide();
    Command4->hide();
    Command2->setEnabled(true);
    Command1->setEnabled(true);
    for (int n = 1; n <= Ponderacao::NumeroIndicadores; ++n)
        Text[static_cast<size_t>(n)]->setReadOnly(true);
}

void frmPesoPond::Command3_Click()
{
    using Mensagens::Icone;
    if (!m_novaPonderacao)
        return;
    if (!Ponderacao::SomaCem(Ponderacao::SomaDosTextos(textosDosCoeficientes()))) {
        Mensagens::Mostrar(QStringLiteral("A soma dos coeficientes de ponderação deve ser igual a 100%"),
                           Icone::Informacao, Mensagens::Botoes::OK, kTitulo);
        Text[1]->setFocus();
        return;
    }
    if (TextBox1->text().isEmpty()) {
        Mensagens::Mostrar(QStringLiteral("Você deve dar um nome à ponderação antes de salvá-la."),
                           Icone::Informacao, Mensagens::Botoes::OK, kTitulo);
        TextBox1->setFocus();
        return;
    }
    if (TextBox2->text().isEmpty()) {
        Mensagens::Mostrar(QStringLiteral("Você deve informar em qual aspecto a ponderação se basea."),
                           Icone::Informacao, Mensagens::Botoes::OK, kTitulo);
        TextBox2->setFocus();
        return;
    }
    // The check of the name and the store are one action: whatever fails in
    // it is told once, and the weighting being typed stays in its boxes.
    Banco::Acao acao(Banco::TipoAcao::Gravacao);
    if (!abrirTabela())
        return;
    const QString nome = TextBox1->text();
    for (rsPonderacao->MoveFirst(); !rsPonderacao->EOF_(); rsPonderacao->MoveNext()) {
        if (!rsPonderacao->Ler())
            return;
        const QVariant existente = rsPonderacao->Campo(QStringLiteral("Nome"));
        if (!existente.isNull() && existente.toString() == nome) {
            Mensagens::Mostrar(QStringLiteral("Existe outra ponderação com esse nome. Insira outro nome."),
                               Icone::Critico, Mensagens::Botoes::OK, kTitulo);
            TextBox1->clear();
            TextBox1->setFocus();
            return;
        }
    }

    // The boxes' texts as the table stores them: the same values are then shown.
    QVariantList valores;
    for (int n = 1; n <= Ponderacao::NumeroIndicadores; ++n)
        valores << Numeros::Ler(Text[static_cast<size_t>(n)]->text(), nullptr);
    const QString aspecto = TextBox2->text();
    rsPonderacao->AddNew();
    bool gravou = rsPonderacao->Definir(QStringLiteral("Nome"), nome)
                  && rsPonderacao->Definir(QStringLiteral("aspecto"), aspecto);
    for (int n = 1; gravou && n <= Ponderacao::NumeroIndicadores; ++n)
        gravou = rsPonderacao->Definir(campo(n), valores[n - 1]);
    gravou = gravou && rsPonderacao->Update();
    if (!gravou) {
        if (rsPonderacao->EmEdicao())
            rsPonderacao->CancelUpdate();
        return;
    }
    // Stored: from here on a failure is the lists' refresh, and the new
    // weighting is shown all the same.
    Banco::GravacaoConcluida();
    rsPonderacao->MoveLast();
    const qint64 novo = rsPonderacao->Id();

    sairDoModoNovo();
    // When the table cannot be read anew (told once), the new weighting joins
    // the lists as they were.
    if (!(abrirTabela() && preencherListas()) && ComboBox1->findData(novo) < 0) {
        ComboBox1->addItem(nome, novo);
        ComboBox2->addItem(aspecto, novo);
    }
    if (ComboBox1->findData(novo) >= 0)
        mostrar(novo, aspecto, valores);
    else
        mostrarNenhuma();
    mostrarStatus();
}

void frmPesoPond::Command4_Click()
{
    Banco::Acao acao;
    const Mensagens::Resposta r =
        Mensagens::Mostrar(QStringLiteral("Tem certeza que deseja descartar essa ponderação?"),
                           Mensagens::Icone::Pergunta, Mensagens::Botoes::SimNao,
                           QStringLiteral("Análise tessaura"));
    if (r != Mensagens::Resposta::Sim) {
        Command3->setFocus();
        return;
    }
    // The typed weighting goes; the first stored one takes its place.
    sairDoModoNovo();
    mostrarNenhuma();
    mostrarPrimeira();
}

// ---------------------------------------------------------------------------
// Deleting a weighting

void frmPesoPond::Command1_Click()
{
    Banco::Acao acao;
    std::vector<Ponderacao::Entrada> entradas;
    const int w = ComboBox2->count();
    for (int i = 0; i < w; ++i) {
        entradas.push_back({i < ComboBox1->count() ? ComboBox1->itemText(i) : QString(),
                            ComboBox2->itemText(i), ComboBox2->itemData(i).toLongLong()});
    }
    const auto lista = Ponderacao::ListaParaApagar(entradas);
    if (!lista) {
        Mensagens::Mostrar(QStringLiteral("Não há ponderações a serem apagadas"));
        return;
    }
    MT::ListaPonderacoes = *lista;

    // A fresh dialog at each press.
    Janelas::Descarregar(QStringLiteral("frmApagarPon"));
    auto* dialogo = Janelas::Carregar<frmApagarPon>();
    if (!dialogo)
        return;
    dialogo->Text1->setText(QString::number(static_cast<int>(lista->size()) - 1));
    Janelas::ExibirModal(dialogo);
}

// ---------------------------------------------------------------------------
// Information icon and the sliding hint

void frmPesoPond::Image1_Click()
{
    if (Janela* j = Janelas::Carregar<frmInformacaoPonderacao>())
        Janelas::ExibirModal(j);
}

void frmPesoPond::Form_MouseMove()
{
    Image1->Normal();
}

void frmPesoPond::Timer1_Timer()
{
    if (m_larguraMascara < 300) {
        Timer1->stop();
        return;
    }
    if (m_esquerdaDica != 1200) {
        m_esquerdaDica -= 150;
        Label32->move(Twips::Px(m_esquerdaDica), Label32->y());
    } else {
        m_esquerdaMascara += 150;
        m_larguraMascara -= 150;
        Twips::Posicionar(Frame1, m_esquerdaMascara, 6600, m_larguraMascara, 375);
    }
}

void frmPesoPond::mouseMoveEvent(QMouseEvent* e)
{
    if (!childAt(e->position().toPoint()))
        Form_MouseMove();
    Formulario::mouseMoveEvent(e);
}

void frmPesoPond::paintEvent(QPaintEvent* e)
{
    Formulario::paintEvent(e);
    QPainter p(this);
    p.setPen(QPen(palette().color(QPalette::Dark), 1));
    const int esquerda = Twips::Px(kColunas[0]);
    const int direita = Twips::Px(kColunas[4]);
    const int topo = Twips::Px(kTopoCabecalho);
    const int base = Twips::Px(topoDaLinha(Ponderacao::NumeroIndicadores + 1));
    p.drawRect(QRect(QPoint(esquerda, topo), QPoint(direita, base)));
    for (int c = 1; c < 4; ++c)
        p.drawLine(Twips::Px(kColunas[c]), topo, Twips::Px(kColunas[c]), base);
    p.drawLine(esquerda, Twips::Px(kTopoLinhas), direita, Twips::Px(kTopoLinhas));
    // Between rows the line starts at the first column whose cell ends there.
    for (int n = 1; n < Ponderacao::NumeroIndicadores; ++n) {
        int coluna = 2;
        for (const Faixa& f : kFaixas) {
            if (f.ultima == n && f.coluna < coluna)
                coluna = f.coluna;
        }
        const int y = Twips::Px(topoDaLinha(n + 1));
        p.drawLine(Twips::Px(kColunas[coluna]), y, direita, y);
    }
}
