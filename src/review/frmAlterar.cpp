#include "review/frmAlterar.h"

#include "common/Escala.h"
#include "common/Figuras.h"
#include "common/Mensagens.h"
#include "common/ModuloTessaura.h"
#include "common/Numeros.h"
#include "common/Twips.h"
#include "entry/GravadorEntrada.h"
#include "review/Revisao.h"
#include "review/Verdana.h"
#include "review/frmDadosUtilizados.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>

REGISTRAR_JANELA(frmAlterar)

namespace MT = ModuloTessaura;

namespace {

const QString Titulo = QStringLiteral("Análise Tessaura");

void ajustar(QLabel* l)
{
    l->resize(std::max(l->sizeHint().width(), 1), l->height());
}

}  // namespace

frmAlterar::frmAlterar() : Dialogo(nullptr)
{
    setObjectName(QStringLiteral("frmAlterar"));
    setWindowTitle(QStringLiteral("Alterar dados"));
    setFont(Verdana(9));
    setFixedSize(Twips::Px(6960), Twips::Px(4440));

    auto criar = [](auto* controle, QWidget* pai, const char* nome, int l, int t, int w, int h) {
        controle->setParent(pai);
        controle->setObjectName(QString::fromLatin1(nome));
        Twips::Posicionar(controle, l, t, w, h);
        return controle;
    };
    auto rotulo = [&criar](QWidget* pai, const char* nome, const QString& texto, int l, int t, int w,
                           int h) {
        QLabel* r = criar(new QLabel(texto), pai, nome, l, t, w, h);
        r->setTextFormat(Qt::PlainText);
        return r;
    };

    Label1 = rotulo(this, "Label1", QStringLiteral("Critério em análise:"), 120, 240, 2040, 300);
    Label2 = rotulo(this, "Label2", QStringLiteral("NomeCritério"), 2280, 240, 4560, 300);
    Label3 = rotulo(this, "Label3", QStringLiteral("Alternativa:"), 120, 600, 2040, 300);
    Label6 = rotulo(this, "Label6", QStringLiteral("Alternativa"), 2280, 600, 4560, 300);
    Label4 = rotulo(this, "Label4", QStringLiteral("Dado:"), 120, 1080, 720, 300);
    Label12 = rotulo(this, "Label12", QStringLiteral("Nome do dado a alterar"), 840, 1080, 3960, 720);
    Label12->setWordWrap(true);
    Label12->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    for (QLabel* l : {Label2, Label6, Label12})
        l->setFont(Verdana(9, true));

    Frame1 = criar(new QFrame, this, "Frame1", 5040, 1080, 1695, 615);
    Frame1->setFrameShape(QFrame::Box);
    Frame1->setFrameShadow(QFrame::Sunken);
    Label13 = rotulo(Frame1, "Label13", QStringLiteral("("), 120, 150, 120, 300);
    lblA = rotulo(Frame1, "lblA", QStringLiteral("A"), 240, 150, 180, 300);
    lblA->setFont(Verdana(9));
    lblB = rotulo(Frame1, "lblB", QStringLiteral("B"), 360, 60, 180, 210);
    lblC = rotulo(Frame1, "lblC", QStringLiteral("C"), 360, 330, 180, 210);
    lblB->setFont(Verdana(6.75));
    lblC->setFont(Verdana(6.75));
    Label14 = rotulo(Frame1, "Label14", QStringLiteral(")"), 600, 150, 120, 300);
    for (QLabel* l : {Label13, Label14})
        l->setFont(Verdana(9));

    Label5 = rotulo(this, "Label5", QStringLiteral("Valor antigo"), 120, 2040, 2040, 300);
    lblValor = rotulo(this, "lblValor", QStringLiteral("Valor"), 120, 2400, 2040, 300);
    lblValor->setFont(Verdana(9, true));
    Label11 = rotulo(this, "Label11", QStringLiteral("Valor novo"), 2400, 2040, 1575, 300);
    Text1 = criar(new QLineEdit, this, "Text1", 2400, 2400, 975, 330);
    ComboBox1 = criar(new QComboBox, this, "ComboBox1", 2160, 2400, 1815, 330);
    ComboBox1->setEditable(false);
    Label10 = rotulo(this, "Label10", QStringLiteral("Unidade"), 4680, 2040, 975, 300);

    auto unidade = [this](const char* chave) {
        auto* f = new QLabel(this);
        f->setObjectName(QString::fromLatin1(chave));
        Twips::Posicionar(f, 4680, 2280, 975, 495);
        f->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        return f;
    };
    ano = unidade("ano");
    m2 = unidade("m2");
    m3 = unidade("m3");
    Qualitativo = unidade("Qualitativo");
    for (QLabel* f : {ano, m2, m3})
        f->setPixmap(Figuras::Unidade(f->objectName()));
    Qualitativo->setText(QStringLiteral("-"));

    CommandButton1 = criar(new QPushButton(QStringLiteral("Alterar")), this, "CommandButton1", 240,
                           3360, 1455, 600);
    CommandButton2 = criar(new QPushButton(QStringLiteral("Cancelar")), this, "CommandButton2", 4560,
                           3360, 1455, 600);
    for (QPushButton* b : {CommandButton1, CommandButton2}) {
        b->setAutoDefault(false);
        b->setDefault(false);
    }
    connect(CommandButton1, &QPushButton::clicked, this, [this] { CommandButton1_Click(); });
    connect(CommandButton2, &QPushButton::clicked, this, [this] { CommandButton2_Click(); });
}

void frmAlterar::Form_Load()
{
    ComboBox1->clear();
    ComboBox1->addItems(Escala::Legendas());
    ComboBox1->setCurrentIndex(-1);
    // Room for the longest level.
    ComboBox1->resize(std::max(ComboBox1->width(), ComboBox1->sizeHint().width()), ComboBox1->height());
}

void frmAlterar::Form_Activate()
{
    // The row the editor was opened for; without one, the first row whose
    // name matches the alternative's literally. When the table cannot be read
    // the failure is told once and the editor does not open.
    m_db = Banco::Abrir();
    m_rs = nullptr;
    const QString tabela = QStringLiteral("tblTessaura");
    if (m_db)
        m_rs = Linha > 0 ? Banco::Recordset::AbrirPorId(m_db, tabela, Linha)
                         : Banco::Recordset::AbrirPorNome(m_db, tabela, Label6->text());
    if (!m_rs) {
        Janelas::Descarregar(this);
        return;
    }
    m_rs->MoveFirst();
}

QString frmAlterar::Campo(const QString& Nome)
{
    return Revisao::Campo(Nome);
}

void frmAlterar::lblC_Change()
{
    Label14->move(lblC->x() + lblC->width() + Twips::Px(50), Label14->y());
}

void frmAlterar::CommandButton1_Click()
{
    const bool lista = !ComboBox1->isHidden();
    if ((lista && ComboBox1->currentIndex() < 0) || (!lista && Text1->text().isEmpty())) {
        Mensagens::Mostrar(QStringLiteral("Você deve escolher o novo valor para o dado a ser alterado"),
                           Mensagens::Icone::Exclamacao, Mensagens::Botoes::OK, Titulo);
        return;
    }
    const QString campo = Campo(Revisao::ChaveDoDado(Label12->text(), lblA->text(), lblC->text()));
    QVariant valor;
    if (lista) {
        valor = ComboBox1->currentIndex() + 1;
    } else if (!Revisao::LerValorNovo(campo, Text1->text(), &valor)) {
        Mensagens::Mostrar(QStringLiteral("O valor digitado não é válido para este dado."),
                           Mensagens::Icone::Exclamacao, Mensagens::Botoes::OK, Titulo);
        return;
    }

    // One message for a write that failed, whichever step of it failed. The
    // row may have gone before the editor opened (another program deleted
    // it), or the field may refuse the value: no statement tells those.
    Banco::Acao acao(Banco::TipoAcao::Gravacao);
    if (campo.isEmpty() || !m_rs || !m_rs->Edit() || !m_rs->Definir(campo, valor)) {
        if (m_rs && m_rs->EmEdicao())
            m_rs->CancelUpdate();
        Banco::FalhaDeGravacao();
        return;
    }
    if (!m_rs->Update())
        return;
    // The datum is in the file: what fails from here on (the review reading
    // the alternative back, say) is a read, told as the file in use.
    Banco::GravacaoConcluida();
    // An entry window still loaded on this alternative would write its older
    // value back at the next save: it takes the new one.
    GravadorEntrada::TomarCampoAlterado(m_rs->Id(), campo);
    Mensagens::Mostrar(QStringLiteral("O dado foi alterado!"), Mensagens::Icone::Informacao,
                       Mensagens::Botoes::OK, Titulo);

    // An open evaluation is loaded anew, so that it recomputes from the table
    // and comes to the front.
    if (MT::CalculoCarregado) {
        const QString calculo = QStringLiteral("frmCalculoIndices");
        Janelas::Descarregar(calculo);
        Janelas::Mostrar(Janelas::Carregar(calculo));
    }
    Janelas::Descarregar(this);
}

void frmAlterar::CommandButton2_Click()
{
    Janelas::Descarregar(this);
}

void frmAlterar::Form_Unload()
{
    // The review walks forward until it shows the edited alternative again,
    // at most once round all alternatives. A row it cannot read ends the walk
    // where the review stands, showing what it showed; an editor that could
    // not open leaves the review as it was.
    auto* revisao = Janelas::Obter<frmDadosUtilizados>();
    if (!revisao || Banco::HouveFalha())
        return;
    auto chegou = [this, revisao] {
        return Linha > 0 ? revisao->LinhaAtual() == Linha : revisao->Label4->text() == Label6->text();
    };
    const int limite = revisao->Linhas();
    int prensas = 0;
    do {
        revisao->Command1->click();
        ++prensas;
    } while (prensas < limite && !chegou() && !Banco::HouveFalha());
}

namespace ModuloTessaura {

void PrepararAlteracao(const QString& criterio, const QString& nome, const QString& descricao,
                       const QVariant& valor, const QString& unidade, const QVariant& letra,
                       const QVariant& qualificador, const QVariant& subscrito, qint64 linha)
{
    auto* d = Janelas::Obter<frmAlterar>();
    if (!d)
        return;
    d->Label2->setText(criterio);
    d->Label6->setText(nome);
    d->Label12->setText(descricao);
    d->Linha = linha;

    d->lblA->setText(Numeros::TextoDoCampo(letra));
    d->lblB->setText(Numeros::TextoDoCampo(qualificador));
    d->lblC->setText(Numeros::TextoDoCampo(subscrito));
    // Qualifier and subscript follow the letter; the closing parenthesis the subscript.
    ajustar(d->lblA);
    const int x = std::max(Twips::Px(360), d->lblA->x() + d->lblA->width());
    d->lblB->move(x, d->lblB->y());
    d->lblC->move(x, d->lblC->y());
    ajustar(d->lblB);
    ajustar(d->lblC);
    d->lblC_Change();
    d->lblValor->setText(Numeros::TextoDoCampo(valor));

    QLabel* unidades[] = {d->m2, d->m3, d->ano, d->Qualitativo};
    if (std::any_of(std::begin(unidades), std::end(unidades),
                    [&unidade](QLabel* u) { return u->objectName() == unidade; })) {
        for (QLabel* u : unidades)
            u->setVisible(u->objectName() == unidade);
    }

    const bool qualitativo = unidade == QLatin1String("Qualitativo");
    for (QWidget* w : std::initializer_list<QWidget*>{d->Text1, d->lblA, d->lblB, d->lblC, d->Label13,
                                                      d->Label14})
        w->setVisible(!qualitativo);
    d->ComboBox1->setVisible(qualitativo);
    d->ComboBox1->setCurrentIndex(qualitativo ? -1 : 0);
}

}  // namespace ModuloTessaura
