#include "review/frmDadosUtilizados.h"

#include "common/Mensagens.h"
#include "common/ModuloTessaura.h"
#include "common/Numeros.h"
#include "common/Percurso.h"
#include "entry/GravadorEntrada.h"
#include "review/Revisao.h"
#include "review/Verdana.h"
#include "review/frmAlterar.h"

#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPointer>
#include <QPushButton>

#include <algorithm>

REGISTRAR_JANELA(frmDadosUtilizados)

namespace MT = ModuloTessaura;
using Revisao::SemDado;

namespace {

QLabel* rotulo(QWidget* pai, const QString& nome, const QString& texto, int x, int y,
               const QFont& fonte)
{
    auto* l = new QLabel(texto, pai);
    l->setObjectName(nome);
    l->setTextFormat(Qt::PlainText);
    l->setFont(fonte);
    l->adjustSize();
    l->move(x, y);
    return l;
}

// Where the pieces of a line sit inside a frame (pixels).
constexpr int kMargem = 16;       // left edge of captions and symbols
constexpr int kRecuo = 36;        // symbols under a caption
constexpr int kLinha = 24;        // height of one line
constexpr int kTopo = 26;         // first line under the frame's caption
constexpr int kAlturaFrame = 321; // 4815 twips

// The callout over the objective frame: a balloon asking for a click on the data.
QPixmap balao()
{
    const QString texto = QStringLiteral("Clique sobre os dados para alterá-los.");
    const QFont fonte = Verdana(8, true);
    const QFontMetrics m(fonte);
    const int w = m.horizontalAdvance(texto) + 24;
    const int h = m.height() + 16;
    QPixmap p(w, h + 12);
    p.fill(Qt::transparent);
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    QPainterPath caminho;
    caminho.addRoundedRect(QRectF(0.5, 0.5, w - 1, h - 1), 8, 8);
    QPolygonF ponta;
    ponta << QPointF(18, h - 1) << QPointF(10, h + 11) << QPointF(32, h - 1);
    caminho.addPolygon(ponta);
    caminho.setFillRule(Qt::WindingFill);
    g.setPen(QPen(QColor(120, 110, 40), 1));
    g.setBrush(QColor(255, 250, 200));
    g.drawPath(caminho.simplified());
    g.setFont(fonte);
    g.setPen(Qt::black);
    g.drawText(QRect(0, 0, w, h), Qt::AlignCenter, texto);
    return p;
}

}  // namespace

frmDadosUtilizados::frmDadosUtilizados()
{
    setObjectName(QStringLiteral("frmDadosUtilizados"));
    setFont(Verdana(8));

    Label1 = rotulo(this, QStringLiteral("Label1"), QStringLiteral("Dados utilizados"), 80, 14,
                    Verdana(14.25, true));
    Command4 = new QPushButton(QStringLiteral("Sair"), this);
    Command4->setObjectName(QStringLiteral("Command4"));
    Command4->setGeometry(569, 14, 80, 28);

    auto linha = [this](const char* nome, int x, int y, int w) {
        auto* l = new QFrame(this);
        l->setObjectName(QString::fromLatin1(nome));
        l->setFrameShape(QFrame::HLine);
        l->setFrameShadow(QFrame::Sunken);
        l->setGeometry(x, y, w, 2);
        return l;
    };
    linha("Line1", 80, 52, 569);

    // Captions of the two rows end just before the name and the chooser.
    auto legenda = [this](const char* nome, const QString& texto, int y) {
        QLabel* l = rotulo(this, QString::fromLatin1(nome), texto, 0, y, Verdana(11.25));
        l->move(146 - l->width(), y);
        return l;
    };
    Label2 = legenda("Label2", QStringLiteral("Alternativa:"), 78);
    Label4 = rotulo(this, QStringLiteral("Label4"), QString(), 152, 82, Verdana(9.75));
    QPalette azul = Label4->palette();
    azul.setColor(QPalette::WindowText, Qt::blue);
    Label4->setPalette(azul);
    Command2 = new QPushButton(QStringLiteral("<"), this);
    Command2->setObjectName(QStringLiteral("Command2"));
    Command1 = new QPushButton(QStringLiteral(">"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    for (QPushButton* b : {Command2, Command1}) {
        b->resize(20, 20);
        b->move(b->x(), 80);
        b->setAutoDefault(false);
    }

    Label3 = legenda("Label3", QStringLiteral("Critério:"), 110);
    ComboBox1 = new QComboBox(this);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->setGeometry(152, 112, 185, 22);
    Label67 = rotulo(this, QStringLiteral("Label67"), QStringLiteral("Clique no dado para alterá-lo!"),
                     360, 116, Verdana(8, true));
    linha("Line2", 80, 146, 569);
    linha("Line3", 80, 160 + kAlturaFrame + 8, 569);

    // Frame1 "Objetivo": the two return periods, and the callout.
    Frame1 = montarFrame("Frame1", QStringLiteral("Objetivo"), 569);
    int x = simbolo(Frame1, kMargem, kTopo + 10, {QStringLiteral("Label7"), {}, QStringLiteral("Label8"),
                                                   QStringLiteral("Label9")},
                    QStringLiteral("T"), {}, QStringLiteral("R"), true);
    valor(Frame1, "Label5", x, kTopo + 10);
    x = simbolo(Frame1, kMargem, kTopo + 10 + kLinha + 8,
                {QStringLiteral("Label10"), {}, QStringLiteral("Label11"), QStringLiteral("Label12")},
                QStringLiteral("T"), {}, QStringLiteral("RD"), true);
    valor(Frame1, "Label6", x, kTopo + 10 + kLinha + 8);
    Image1 = new QLabel(Frame1);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(balao());
    Image1->adjustSize();
    Image1->move(170, 12);
    Image1->setMouseTracking(true);
    Image1->installEventFilter(this);

    // Frame2 "Impactos Ambientais".
    Frame2 = montarFrame("Frame2", QStringLiteral("Impactos Ambientais"), 465);
    int y = kTopo;
    rotulo(Frame2, QStringLiteral("Label13"), QStringLiteral("Impacto sobre as vazões a jusante:"),
           kMargem, y, Verdana(8, true));
    struct Vazao {
        const char *letra, *acima, *abaixo, *igual, *valor;
        const char *textoAcima, *textoAbaixo;
    };
    const Vazao vazoes[] = {
        {"Label14", "Label15", "Label16", "Label17", "Label31", "Mín", "Jus"},
        {"Label18", "Label19", "Label20", "Label21", "Label32", "Máx", "Jus"},
        {"Label22", nullptr, "Label24", "Label25", "Label33", nullptr, "Alvo"},
    };
    int xValor = 0;
    std::vector<QLabel*> colunaVazoes;
    for (const Vazao& v : vazoes) {
        y += kLinha;
        const int fim = simbolo(Frame2, kRecuo, y,
                                {QString::fromLatin1(v.letra),
                                 v.acima ? QString::fromLatin1(v.acima) : QString(),
                                 QString::fromLatin1(v.abaixo), QString::fromLatin1(v.igual)},
                                QStringLiteral("Q"), v.textoAcima ? QString::fromUtf8(v.textoAcima) : QString(),
                                QString::fromUtf8(v.textoAbaixo));
        xValor = std::max(xValor, fim);
        colunaVazoes.push_back(valor(Frame2, v.valor, fim, y));
    }
    for (QLabel* l : colunaVazoes)
        l->move(xValor, l->y());
    y += kLinha;
    rotulo(Frame2, QStringLiteral("Label27"), QStringLiteral("Recarga do aqüífero:"), kMargem, y,
           Verdana(8, true));
    y += kLinha;
    valor(Frame2, "Label34", recarga(Frame2, kRecuo, y, "Label26", "Label28", QStringLiteral("Inf"), &Label26), y);
    y += kLinha;
    valor(Frame2, "Label35", recarga(Frame2, kRecuo, y, "Label23", "Label29", QStringLiteral("Nat"), &Label23), y);

    struct Item {
        const char *legenda, *valor, *texto;
    };
    auto avaliacoes = [this](QGroupBox* f, int y, std::initializer_list<Item> itens) {
        std::vector<QLabel*> legendas;
        int largura = 0;
        for (const Item& i : itens) {
            y += kLinha;
            legendas.push_back(rotulo(f, QString::fromLatin1(i.legenda), QString::fromUtf8(i.texto),
                                      kMargem, y, Verdana(8, true)));
            largura = std::max(largura, legendas.back()->width());
        }
        // The values in one column after the longest caption.
        auto it = itens.begin();
        for (QLabel* l : legendas) {
            valor(f, it->valor, kMargem + largura + 8, l->y() - 1);
            ++it;
        }
        return y;
    };
    y = avaliacoes(Frame2, y + 6,
                   {{"Label30", "Label36", "Possibilidade de transmissão de doenças:"},
                    {"Label40", "Label37", "Possibilidade da proliferação de insetos:"},
                    {"Label41", "Label38", "Impacto nas águas superficiais:"},
                    {"Label42", "Label39", "Impacto nas águas subterrâneas:"}});

    // Frame3 "Inserção da Obra".
    Frame3 = montarFrame("Frame3", QStringLiteral("Inserção da Obra"), 569);
    auto area = [this](QGroupBox* f, int y, const QStringList& nomes, const QString& indice,
                       const char* nomeValor) {
        valor(f, nomeValor, simbolo(f, kRecuo, y, nomes, QStringLiteral("A"), {}, indice), y);
    };
    y = kTopo;
    rotulo(Frame3, QStringLiteral("Label43"), QStringLiteral("Criação e preservação de habitats:"),
           kMargem, y, Verdana(8, true));
    y += kLinha;
    area(Frame3, y, {QStringLiteral("Label44"), {}, QStringLiteral("Label45"), QStringLiteral("Label46")},
         QStringLiteral("apta 1"), "Label59");
    y += kLinha;
    area(Frame3, y, {QStringLiteral("Label47"), {}, QStringLiteral("Label48"), QStringLiteral("Label49")},
         QStringLiteral("apta 2"), "Label60");
    y = avaliacoes(Frame3, y, {{"Label50", "Label61", "Impacto paisagístico:"}});
    y += kLinha;
    rotulo(Frame3, QStringLiteral("Label51"),
           QStringLiteral("Criação de áreas de recreação e lazer e equipamentos urbanos:"), kMargem, y,
           Verdana(8, true));
    y += kLinha;
    area(Frame3, y, {QStringLiteral("Label52"), {}, QStringLiteral("Label53"), QStringLiteral("Label54")},
         QStringLiteral("RL 1"), "Label62");
    y += kLinha;
    area(Frame3, y, {QStringLiteral("Label55"), {}, QStringLiteral("Label56"), QStringLiteral("Label57")},
         QStringLiteral("RL 2"), "Label63");
    y = avaliacoes(Frame3, y, {{"Label58", "Label64", "Impacto nas condições de circulação:"}});
    // The longest caption has its value on the line below.
    y += kLinha;
    rotulo(Frame3, QStringLiteral("Label68"),
           QStringLiteral("Possibilidade da utilização para o desempenho de outras funções técnicas:"),
           kMargem, y, Verdana(8, true));
    y += kLinha - 4;
    valor(Frame3, "Label65", kRecuo, y);
    y += kLinha;
    rotulo(Frame3, QStringLiteral("Label69"), QStringLiteral("Desapropriação de áreas:"), kMargem, y,
           Verdana(8, true));
    y += kLinha;
    area(Frame3, y, {QStringLiteral("Label70"), {}, QStringLiteral("Label71"), QStringLiteral("Label72")},
         QStringLiteral("des"), "Label66");

    Frame2->hide();
    Frame3->hide();

    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
    connect(Command4, &QPushButton::clicked, this, [this] { Command4_Click(); });
    connect(ComboBox1, &QComboBox::currentIndexChanged, this, [this] { ComboBox1_Change(); });
    Label4_Change();
}

QGroupBox* frmDadosUtilizados::montarFrame(const char* nome, const QString& titulo, int largura)
{
    auto* f = new QGroupBox(titulo, this);
    f->setObjectName(QString::fromLatin1(nome));
    f->setFont(Verdana(9, true));
    f->setGeometry(80, 160, largura, kAlturaFrame);
    f->setMouseTracking(true);
    f->installEventFilter(this);
    return f;
}

QLabel* frmDadosUtilizados::valor(QGroupBox* f, const char* nome, int x, int y)
{
    QLabel* l = rotulo(f, QString::fromLatin1(nome), SemDado, x, y, Verdana(8.25));
    QPalette azul = l->palette();
    azul.setColor(QPalette::WindowText, Qt::blue);
    l->setPalette(azul);
    l->setCursor(Qt::PointingHandCursor);
    // A value shown as empty text can still be clicked.
    l->setMinimumSize(24, l->height());
    l->setMouseTracking(true);
    l->installEventFilter(this);
    Valores.insert(l->objectName(), l);
    return l;
}

// A symbol: the letter, a qualifier above and a subscript below it, then "=".
// Gives where the value begins.
int frmDadosUtilizados::simbolo(QGroupBox* f, int x, int y, const QStringList& nomes,
                                const QString& letra, const QString& acima, const QString& abaixo,
                                bool igualNegrito)
{
    QLabel* l = rotulo(f, nomes.at(0), letra, x, y - 2, Verdana(10));
    const int xi = l->x() + l->width();
    int fim = xi;
    if (!acima.isEmpty()) {
        QLabel* a = rotulo(f, nomes.at(1), acima, xi, y - 6, Verdana(6.75));
        fim = std::max(fim, a->x() + a->width());
    }
    if (!abaixo.isEmpty()) {
        QLabel* b = rotulo(f, nomes.at(2), abaixo, xi, y + 6, Verdana(6.75));
        fim = std::max(fim, b->x() + b->width());
    }
    QLabel* igual = rotulo(f, nomes.at(3), QStringLiteral("="), fim + 4, y - 1, Verdana(9, igualNegrito));
    return igual->x() + igual->width() + 6;
}

// The recharge symbol: one label "Q    =" whose blanks hold the subscript.
int frmDadosUtilizados::recarga(QGroupBox* f, int x, int y, const char* nome, const char* nomeIndice,
                                const QString& indice, QLabel** saida)
{
    const QFont fonte = Verdana(10);
    QLabel* l = rotulo(f, QString::fromLatin1(nome), QStringLiteral("Q    ="), x, y - 2, fonte);
    const QFontMetrics m(fonte);
    const int largura = std::max(m.horizontalAdvance(Revisao::SimboloVazao),
                                 m.horizontalAdvance(Revisao::SimboloArea));
    l->resize(largura + 2, l->height());
    const int xi = x + std::max(m.horizontalAdvance(QLatin1Char('Q')), m.horizontalAdvance(QLatin1Char('A')));
    rotulo(f, QString::fromLatin1(nomeIndice), indice, xi, y + 6, Verdana(6.75));
    *saida = l;
    return x + largura + 8;
}

qint64 frmDadosUtilizados::LinhaAtual() const
{
    return m_rs && m_rs->TemLinhaAtual() ? m_rs->Id() : 0;
}

int frmDadosUtilizados::Linhas() const
{
    return m_rs ? m_rs->RecordCount() : 0;
}

void frmDadosUtilizados::Form_Activate()
{
    ComboBox1->clear();
    ComboBox1->addItems({QStringLiteral("Objetivo"), QStringLiteral("Impactos Ambientais"),
                         QStringLiteral("Inserção da Obra")});
    ComboBox1->setCurrentIndex(0);
    // The store of the entry windows and the first read are one action: when
    // either fails (the file held by another program, say) its one message is
    // shown and the review closes rather than show data it could not read.
    Banco::Acao acao(MT::EntradaPorAlternativa ? Banco::TipoAcao::Gravacao : Banco::TipoAcao::Leitura);
    if (MT::EntradaPorAlternativa && !Up()) {
        Janelas::Descarregar(this);
        return;
    }
    m_db = Banco::Abrir();
    m_rs = m_db ? Banco::Recordset::Abrir(m_db, QStringLiteral("tblTessaura")) : nullptr;
    if (m_rs)
        m_rs->MoveFirst();
    if (!m_rs || (m_rs->TemLinhaAtual() && !m_rs->Ler())) {
        Janelas::Descarregar(this);
        return;
    }
    Preenche();
}

QString frmDadosUtilizados::Quali(int indice)
{
    return Revisao::Quali(indice);
}

bool frmDadosUtilizados::Up()
{
    Banco::Acao acao(Banco::TipoAcao::Gravacao);
    return GravadorEntrada::GravarJanelasCarregadas();
}

void frmDadosUtilizados::Preenche()
{
    const bool linha = m_rs && m_rs->TemLinhaAtual();
    auto campo = [&](const QString& nome) { return linha ? m_rs->Campo(nome) : QVariant(); };
    auto mostrar = [this](const QString& rotulo, const QString& texto) {
        QLabel* l = Valores.value(rotulo);
        l->setText(texto);
        l->adjustSize();
    };

    Label4->setText(Numeros::TextoDoCampo(campo(QStringLiteral("Nome"))));
    Label4->adjustSize();
    Label4_Change();

    for (const Revisao::Elo& e : Revisao::Elos()) {
        if (!e.campo.isEmpty())
            mostrar(e.rotulo, Revisao::TextoDoValor(campo(e.campo), e.avaliacao));
    }
    const Revisao::ParRecarga par =
        Revisao::Recarga(campo(QStringLiteral("Qinf")), campo(QStringLiteral("Qnat")),
                         campo(QStringLiteral("Ainf")), campo(QStringLiteral("Anat")));
    if (!par.simbolo.isEmpty()) {
        Label26->setText(par.simbolo);
        Label23->setText(par.simbolo);
    }
    mostrar(QStringLiteral("Label34"), par.inf);
    mostrar(QStringLiteral("Label35"), par.nat);
}

void frmDadosUtilizados::Command1_Click()
{
    Passo(true);
}

void frmDadosUtilizados::Command2_Click()
{
    Passo(false);
}

// One alternative forward or back; past either end the walk comes round. A
// row that cannot be read leaves the review on the one it shows.
void frmDadosUtilizados::Passo(bool avancar)
{
    if (!m_rs || m_rs->RecordCount() == 0)
        return;
    Banco::Acao acao;
    const qint64 antes = m_rs->Id();
    Percurso::Mover(*m_rs, avancar ? Percurso::Direcao::Proxima : Percurso::Direcao::Anterior);
    if (!m_rs->Ler()) {
        m_rs->IrParaId(antes);
        return;
    }
    Preenche();
}

void frmDadosUtilizados::Command4_Click()
{
    Janelas::Descarregar(this);
}

void frmDadosUtilizados::ComboBox1_Change()
{
    const int i = ComboBox1->currentIndex();
    if (i < 0 || i > 2)
        return;
    Frame1->setVisible(i == 0);
    Frame2->setVisible(i == 1);
    Frame3->setVisible(i == 2);
}

void frmDadosUtilizados::Label4_Change()
{
    Command2->move(Label4->x() + Label4->width() + 13, Command2->y());
    Command1->move(Command2->x() + 19, Command1->y());
    Command1->raise();
    AlternativaA = Label4->text();
}

void frmDadosUtilizados::Valor_Click(QLabel* rotulo)
{
    Banco::Acao acao;
    if (rotulo->text() == SemDado) {
        Mensagens::Mostrar(QStringLiteral("Esse dado ainda não foi fornecido"),
                           Mensagens::Icone::Exclamacao, Mensagens::Botoes::OK,
                           QStringLiteral("Avaliação Tessaura"));
        return;
    }
    const Revisao::Elo* e = Revisao::EloDoRotulo(rotulo->objectName());
    if (!e)
        return;
    if (!e->campo.isEmpty()) {
        abrirEditor(rotulo, e->letra, e->unidade);
        return;
    }
    // The recharge pair: flows or areas, as the symbol on show says.
    QPointer<frmDadosUtilizados> guarda(this);
    if (Label26->text() == Revisao::SimboloVazao)
        abrirEditor(rotulo, QStringLiteral("Q"), QStringLiteral("m3"));
    if (guarda && Label26->text() == Revisao::SimboloArea)
        abrirEditor(rotulo, QStringLiteral("A"), QStringLiteral("m2"));
}

void frmDadosUtilizados::abrirEditor(QLabel* rotulo, const QString& letra, const QString& unidade)
{
    const Revisao::Elo* e = Revisao::EloDoRotulo(rotulo->objectName());
    Janela* editor = Janelas::Carregar(QStringLiteral("frmAlterar"));
    if (!e || !editor)
        return;
    MT::PrepararAlteracao(e->criterio, AlternativaA, e->descricao, rotulo->text(), unidade, letra,
                          e->qualificador, e->subscrito, LinhaAtual());
    Janelas::ExibirModal(editor);
}

void frmDadosUtilizados::sublinhar(QLabel* rotulo, bool sim)
{
    QFont f = rotulo->font();
    if (f.underline() == sim)
        return;
    f.setUnderline(sim);
    rotulo->setFont(f);
    rotulo->adjustSize();
}

bool frmDadosUtilizados::eventFilter(QObject* obj, QEvent* ev)
{
    if (ev->type() != QEvent::MouseMove && ev->type() != QEvent::MouseButtonRelease)
        return Formulario::eventFilter(obj, ev);
    auto* me = static_cast<QMouseEvent*>(ev);
    auto* rotulo = qobject_cast<QLabel*>(obj);
    if (rotulo && Valores.value(rotulo->objectName()) == rotulo) {
        if (ev->type() == QEvent::MouseMove) {
            sublinhar(rotulo, true);
            if (rotulo->objectName() == QLatin1String("Label5")
                || rotulo->objectName() == QLatin1String("Label6"))
                Image1->hide();
        } else if (me->button() == Qt::LeftButton && rotulo->rect().contains(me->position().toPoint())) {
            Valor_Click(rotulo);
        }
        return true;
    }
    if (ev->type() != QEvent::MouseMove)
        return Formulario::eventFilter(obj, ev);
    if (obj == Image1) {
        Image1->hide();
        return true;
    }
    if (obj == Frame1 || obj == Frame2 || obj == Frame3) {
        auto* f = static_cast<QWidget*>(obj);
        // Only the frame's own background: a move over a caption is not on it.
        if (!f->childAt(me->position().toPoint())) {
            for (QLabel* l : std::as_const(Valores))
                sublinhar(l, false);
        }
    }
    return Formulario::eventFilter(obj, ev);
}
