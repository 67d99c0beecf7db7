#include "shell/frmInicio.h"

#include "common/Ampulheta.h"
#include "common/Banco.h"
#include "common/CaixaTexto.h"
#include "common/Figuras.h"
#include "common/Mensagens.h"
#include "common/ModuloTessaura.h"
#include "common/Passagem.h"
#include "common/Percurso.h"
#include "common/PortaoAvancar.h"
#include "common/Twips.h"
#include "shell/Alternativas.h"
#include "shell/frmTipoEntradaDados.h"

#include <QFocusEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

REGISTRAR_JANELA(frmInicio)

namespace MT = ModuloTessaura;

namespace {

const QString kTitulo = QStringLiteral("Análise tessaura");
constexpr int kEnter = 13;

QLabel* rotulo(QWidget* pai, const char* nome, const QString& texto, int l, int t, int w, int h)
{
    auto* r = new QLabel(texto, pai);
    r->setObjectName(QString::fromLatin1(nome));
    Twips::Posicionar(r, l, t, w, h);
    return r;
}

QLabel* figuraOculta(QWidget* pai, const char* nome, const QPixmap& p)
{
    auto* f = new QLabel(pai);
    f->setObjectName(QString::fromLatin1(nome));
    f->setPixmap(p);
    f->hide();
    return f;
}

QFrame* linha(QWidget* pai, const char* nome, int l, int t, int w)
{
    auto* f = new QFrame(pai);
    f->setObjectName(QString::fromLatin1(nome));
    f->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    Twips::Posicionar(f, l, t, w, 30);
    return f;
}

// The text of a box as stored: an empty box gives an empty text, never Null.
QString textoDaCaixa(const QString& t)
{
    return t.isNull() ? QStringLiteral("") : t;
}

}  // namespace

frmInicio::frmInicio()
{
    QFont verdana(QStringLiteral("Verdana"));
    verdana.setPointSize(9);
    setFont(verdana);
    QFont sansSerif(QStringLiteral("MS Sans Serif"));
    sansSerif.setPointSize(9);

    auto* logo = new QLabel(this);
    logo->setObjectName(QStringLiteral("Image2"));
    logo->setPixmap(Figuras::Logo());
    logo->move(Twips::Px(360), Twips::Px(240));
    logo->resize(Figuras::Logo().size());

    Label6 = rotulo(this, "Label6", QStringLiteral("Dados iniciais"), 1560, 420, 7000, 600);
    QFont titulo = verdana;
    titulo.setPointSize(16);
    titulo.setBold(true);
    Label6->setFont(titulo);
    rotulo(this, "Label9", QString(), 8700, 420, 600, 300);
    linha(this, "Line1", 360, 1260, 14400);

    Label1 = rotulo(this, "Label1",
                    QStringLiteral("Número de alternativas de drenagem a serem analisadas:"), 360,
                    1620, 7000, 360);
    // Digits and Backspace only; any other character is dropped with a beep.
    Text3 = new CaixaNumerica(CaixaNumerica::Filtro::Inteiro, this);
    Text3->setObjectName(QStringLiteral("Text3"));
    Text3->setFont(sansSerif);
    Twips::Posicionar(Text3, 7440, 1575, 1080, 390);
    Command1 = new QPushButton(QStringLiteral("OK"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Twips::Posicionar(Command1, 8700, 1545, 1020, 450);

    // Naming of the alternatives.
    Frame1 = new QGroupBox(QStringLiteral("Identificação das alternativas"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Twips::Posicionar(Frame1, 360, 2280, 5640, 3840);
    QFont negrito = verdana;
    negrito.setBold(true);
    Label2 = rotulo(Frame1, "Label2", QStringLiteral("Alternativa"), 240, 420, 1260, 300);
    Label3 = rotulo(Frame1, "Label3", QString(), 1560, 420, 780, 300);
    Label4 = rotulo(Frame1, "Label4", QStringLiteral("de"), 2400, 420, 360, 300);
    Label5 = rotulo(Frame1, "Label5", QString(), 2820, 420, 780, 300);
    Label3->setFont(negrito);
    Label5->setFont(negrito);
    Label3->setAlignment(Qt::AlignCenter);
    Label5->setAlignment(Qt::AlignCenter);
    Label13 = rotulo(Frame1, "Label13", QStringLiteral("Nome"), 240, 900, 2000, 285);
    Text1 = new QLineEdit(Frame1);
    Text1->setObjectName(QStringLiteral("Text1"));
    Twips::Posicionar(Text1, 240, 1200, 5160, 390);
    Label14 = rotulo(Frame1, "Label14", QStringLiteral("Anotações"), 240, 1740, 2000, 285);
    Text2 = new CaixaTextoMultilinha(Frame1);
    Text2->setObjectName(QStringLiteral("Text2"));
    Text2->DefinirTamanhoMaximo(150);
    Text2->setTabChangesFocus(true);
    Twips::Posicionar(Text2, 240, 2040, 5160, 1140);
    Command5 = new QPushButton(QStringLiteral("Anterior"), Frame1);
    Command5->setObjectName(QStringLiteral("Command5"));
    Command5->setFont(sansSerif);
    Twips::Posicionar(Command5, 2700, 3300, 1300, 420);
    Command6 = new QPushButton(QStringLiteral("Próximo"), Frame1);
    Command6->setObjectName(QStringLiteral("Command6"));
    Command6->setFont(sansSerif);
    Twips::Posicionar(Command6, 4100, 3300, 1300, 420);
    Command5->hide();
    Command6->hide();
    Frame1->hide();

    // Entry order.
    Frame2 = new QGroupBox(QStringLiteral("Entrada de dados"), this);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    Twips::Posicionar(Frame2, 6480, 2280, 8280, 1920);
    Frame2->setMouseTracking(true);
    Frame2->installEventFilter(this);
    Option1 = new QRadioButton(
        QStringLiteral("Fornecer dados de todos os critérios a cada alternativa analisada"), Frame2);
    Option1->setObjectName(QStringLiteral("Option1"));
    Twips::Posicionar(Option1, 240, 480, 7200, 360);
    Option2 = new QRadioButton(
        QStringLiteral("Fornecer dados de todas as alternativas a cada critério analisado"), Frame2);
    Option2->setObjectName(QStringLiteral("Option2"));
    Twips::Posicionar(Option2, 240, 1020, 7200, 360);
    Image1 = new IconeAjuda(Figuras::AjudaNormal(), Figuras::AjudaSobre(), Frame2);
    Image1->setObjectName(QStringLiteral("Image1"));
    Twips::Posicionar(Image1, 7560, 540, 480, 480);
    Frame2->hide();

    linha(this, "Line2", 360, 6240, 14400);

    // The forward gate and its hints.
    Portao = new PortaoAvancar(this);
    Portao->setObjectName(QStringLiteral("Portao"));
    Label43 = new QLabel(
        QStringLiteral("O botão 'Avançar' estará disponível quando todos os dados, referentes à "
                       "todas alternativas estudadas, forem fornecidos."),
        this);
    Label43->setObjectName(QStringLiteral("Label43"));
    Label43->hide();
    Label47 = new QLabel(QStringLiteral("Os dados de todas as alternativas foram fornecidos. Você "
                                        "já pode passar para a próxima etapa."),
                         this);
    Label47->setObjectName(QStringLiteral("Label47"));
    Label47->hide();
    figuraOculta(this, "Image8", Figuras::DicaPrimeira());
    figuraOculta(this, "Image9", Figuras::DicaSegunda());
    figuraOculta(this, "Image12", Figuras::AjudaNormal());
    figuraOculta(this, "Image11", Figuras::AjudaSobre());

    connect(Command1, &QPushButton::clicked, this, &frmInicio::Command1_Click);
    connect(Command5, &QPushButton::clicked, this, &frmInicio::Command5_Click);
    connect(Command6, &QPushButton::clicked, this, &frmInicio::Command6_Click);
    connect(Portao->CommandButton1, &QPushButton::clicked, this, &frmInicio::CommandButton1_Click);
    connect(Portao, &PortaoAvancar::Label44_MouseMove, this, &frmInicio::Label44_MouseMove);
    connect(Image1, &IconeAjuda::clicado, this, &frmInicio::Image1_Click);
    connect(Text3, &QLineEdit::textChanged, this, &frmInicio::Text3_Change);
    connect(Text3, &QLineEdit::returnPressed, this, &frmInicio::Command1_Click);
    Text1->installEventFilter(this);
    Text2->installEventFilter(this);
    Text3->installEventFilter(this);
}

void frmInicio::Form_Load()
{
    Option2->setChecked(true);
    Portao->DefinirDicaVisivel(false);
    MT::Reentrada = false;
    MT::CalculoCarregado = false;
}

bool frmInicio::eventFilter(QObject* obj, QEvent* ev)
{
    if (ev->type() == QEvent::KeyPress && (obj == Text1 || obj == Text2)) {
        const int tecla = static_cast<QKeyEvent*>(ev)->key();
        if (tecla == Qt::Key_Return || tecla == Qt::Key_Enter) {
            int KeyAscii = kEnter;
            if (obj == Text1)
                Text1_KeyPress(KeyAscii);
            else
                Text2_KeyPress(KeyAscii);
            return KeyAscii == 0;
        }
    }
    if (obj == Text3 && ev->type() == QEvent::FocusIn) {
        const Qt::FocusReason motivo = static_cast<QFocusEvent*>(ev)->reason();
        if (motivo != Qt::ActiveWindowFocusReason && motivo != Qt::PopupFocusReason)
            Text3_GotFocus();
    } else if (obj == Frame2 && ev->type() == QEvent::MouseMove) {
        Frame2_MouseMove();
    }
    return Formulario::eventFilter(obj, ev);
}

void frmInicio::Text3_Change()
{
    Command1->setEnabled(true);
}

void frmInicio::Text3_GotFocus()
{
    Command1->setEnabled(true);
    Frame1->hide();
}

void frmInicio::recusarNumero(const QString& texto)
{
    Mensagens::Mostrar(texto, Mensagens::Icone::Informacao, Mensagens::Botoes::OK, kTitulo);
    Text3->clear();
    Text3->setFocus(Qt::OtherFocusReason);
}

void frmInicio::Command1_Click()
{
    short n = 0;
    switch (Alternativas::LerNumero(Text3->text(), &n)) {
    case Alternativas::Numero::Vazio:
        recusarNumero(QStringLiteral("Você deve fornecer o número de alternarivas a serem analisadas"));
        return;
    case Alternativas::Numero::NaoSuperiorA2:
        recusarNumero(QStringLiteral("O número de alternativas a serem analisadas deve ser superior a 2."));
        return;
    case Alternativas::Numero::NaoInteiro:
        recusarNumero(QStringLiteral("O número de alternativas a serem analisadas deve ser um "
                                     "número inteiro, escrito somente com algarismos."));
        return;
    case Alternativas::Numero::AcimaDoLimite:
        recusarNumero(QStringLiteral("O número de alternativas a serem analisadas não pode ser "
                                     "superior a 32767."));
        return;
    case Alternativas::Numero::Aceito:
        break;
    }

    // Storing the name on show, reshaping the rows and reading them back is
    // one write: a file held by another program leaves the rows, the boxes and
    // the window as they were, with one message.
    Banco::Acao acao(Banco::TipoAcao::Gravacao);
    Banco::ConexaoPtr db = Banco::Abrir();
    if (!db)
        return;
    Banco::RecordsetPtr rs = Banco::Recordset::Abrir(db, QStringLiteral("tblTessaura"));
    Banco::Transacao transacao(db);
    if (!rs || !transacao.Iniciada())
        return;
    // A new number for rows already being named: what the boxes hold belongs to
    // the alternative on show, so it is stored before the rows are reshaped.
    if (m_numeroAceito && !guardarAtual())
        return;
    // The naming flags and the first row are read before the rows are kept:
    // nothing is read once the reshape is committed.
    Ampulheta ampulheta;
    std::vector<short> flags;
    QString nome, anotacao;
    bool ok = Alternativas::AjustarLinhas(rs, n) && Alternativas::FlagsDasLinhas(rs, n, flags);
    rs->MoveFirst();
    if (ok && rs->TemLinhaAtual()) {
        ok = rs->Ler();
        nome = Percurso::TextoParaCaixa(rs->Campo(QStringLiteral("Nome")));
        anotacao = Percurso::TextoParaCaixa(rs->Campo(QStringLiteral("Anotacao")));
    }
    if (!ok || !transacao.Confirmar()) {
        ampulheta.Restaurar();
        return;
    }
    MT::NumeroAlternativas = n;
    MT::dbAlternativas = db;
    MT::rsAlternativas = rs;
    MT::NomePreenchido = flags;
    m_numeroAceito = true;

    Frame1->show();
    Frame2->show();
    Label3->setText(QStringLiteral("1"));
    Label5->setText(QString::number(n));
    Command5->show();
    Command6->show();
    Text1->setText(nome);
    Text2->setPlainText(anotacao);
    MT::MostrarAlternativaNaBarra(1, n);
    Text1->setFocus(Qt::OtherFocusReason);
}

void frmInicio::guardarNome(Banco::Recordset& rs)
{
    rs.Definir(QStringLiteral("Nome"), textoDaCaixa(Text1->text()));
    rs.Definir(QStringLiteral("Anotacao"), textoDaCaixa(Text2->Texto()));
}

bool frmInicio::guardarAtual()
{
    return Percurso::Gravar(MT::rsAlternativas.get(), [this](Banco::Recordset& rs) { guardarNome(rs); });
}

void frmInicio::carregarAtual()
{
    const Banco::RecordsetPtr& rs = MT::rsAlternativas;
    Text1->setText(rs ? Percurso::TextoParaCaixa(rs->Campo(QStringLiteral("Nome"))) : QString());
    Text2->setPlainText(rs ? Percurso::TextoParaCaixa(rs->Campo(QStringLiteral("Anotacao"))) : QString());
}

bool frmInicio::avaliarAtual()
{
    QString marcador =
        MT::rsAlternativas ? MT::rsAlternativas->Campo(QStringLiteral("Marcador")).toString() : QString();
    const bool completo = Alternativas::MarcarNomePreenchido(marcador);
    Portao->Definir(completo, Label47->text());
    return completo;
}

void frmInicio::mover(Percurso::Direcao direcao)
{
    if (!MT::rsAlternativas)
        return;
    Percurso::Etapas etapas;
    etapas.avaliar = [this] { avaliarAtual(); };
    etapas.gravar = [this](Banco::Recordset& rs) { guardarNome(rs); };
    etapas.esvaziar = [this] {
        Text1->clear();
        Text2->clear();
    };
    etapas.mostrar = [this](Banco::Recordset& rs) {
        const QString numero = rs.Campo(QStringLiteral("Marcador")).toString().mid(3);
        Label3->setText(numero);
        MT::MostrarAlternativaNaBarra(numero, MT::NumeroAlternativas);
        carregarAtual();
        Text1->setFocus(Qt::OtherFocusReason);
    };
    Percurso::Passo(MT::rsAlternativas.get(), direcao, etapas);
}

void frmInicio::Command5_Click()
{
    mover(Percurso::Direcao::Anterior);
}

void frmInicio::Command6_Click()
{
    mover(Percurso::Direcao::Proxima);
}

void frmInicio::Text1_KeyPress(int& KeyAscii)
{
    if (KeyAscii == kEnter) {
        KeyAscii = 0;
        Command6_Click();
    }
}

void frmInicio::Text2_KeyPress(int& KeyAscii)
{
    if (KeyAscii == kEnter) {
        KeyAscii = 0;
        Command6_Click();
    }
}

void frmInicio::CommandButton1_Click()
{
    const Banco::RecordsetPtr rs = MT::rsAlternativas;
    if (!rs)
        return;
    // What was typed since the last move belongs to the alternative on show;
    // nothing is handed on unless it was stored and judged.
    Banco::Acao acao(Banco::TipoAcao::Gravacao);
    if (!guardarAtual())
        return;
    const bool completo = avaliarAtual();
    if (Banco::HouveFalha() || !completo)
        return;

    // A weighting window that cannot open takes the entry order, the flags and
    // the row back, and this window comes back as it is.
    Passagem passagem(this);
    MT::EntradaPorAlternativa = Option1->isChecked();
    MT::ObjetivoCarregado = false;
    MT::ImpactoCarregado = false;
    MT::InsercaoCarregado = false;
    // The entry of the first alternative starts on its row.
    rs->MoveFirst();
    if (passagem.Para(QStringLiteral("frmPesoPond")))
        MT::ProjetoEmAndamento = true;
}

void frmInicio::Label44_MouseMove()
{
    Portao->MostrarDica(Label43->text());
}

void frmInicio::Frame2_MouseMove()
{
    Image1->Normal();
}

void frmInicio::Image1_Click()
{
    if (auto* tipos = Janelas::Carregar<frmTipoEntradaDados>())
        Janelas::ExibirModal(tipos);
}
