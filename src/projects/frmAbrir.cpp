#include "projects/frmAbrir.h"

#include "common/Banco.h"
#include "common/CaixaTexto.h"
#include "common/Mensagens.h"
#include "common/ModuloTessaura.h"
#include "projects/Projetos.h"
#include "projects/Senha.h"
#include "projects/frmSenha.h"

REGISTRAR_JANELA(frmAbrir)

namespace MT = ModuloTessaura;
using Projetos::Criar;
using Projetos::Rotulo;

namespace {
const QString kTitulo = QStringLiteral("Análise Tessaura");
}

frmAbrir::frmAbrir()
    : DialogoProjetos(QStringLiteral("Abrir Projeto"), QStringLiteral("FlexAbrir"), 1935, 3480,
                      QStringLiteral("Abrir"), {6765, 4740, 1100, 5640, 3600})
{
    FlexAbrir = Grade();
    Label4 = Rotulo(this, "Label4", QStringLiteral("Projeto"), 1920, 2550);
    Label4->setFixedWidth(Twips::Px(4695));
    Label5 = Rotulo(Frame1, "Label5", QStringLiteral("Responsável:"), 240, 420);
    Text3 = Criar<QLineEdit>(Frame1, "Text3", 2280, 360, 3855, 345);
    Text3->setReadOnly(true);
    Label6 = Rotulo(Frame1, "Label6", QStringLiteral("Descrição do projeto:"), 240, 900);
    Text4 = Criar<CaixaTextoMultilinha>(Frame1, "Text4", 2280, 840, 3855, 915);
    Text4->setReadOnly(true);
    Text4->DefinirTamanhoMaximo(100);

    connect(FlexAbrir, &QAbstractItemView::clicked, this, [this](const QModelIndex& i) { FlexAbrir_Click(i.row()); });
    connect(CommandButton1, &QPushButton::clicked, this, &frmAbrir::CommandButton1_Click);
    connect(CommandButton2, &QPushButton::clicked, this, &frmAbrir::CommandButton2_Click);
}

void frmAbrir::Form_Activate()
{
    IniciarOpcoes();
    // Saved projects that cannot be listed are told once; the dialog does not open.
    if (!preencher())
        Janelas::Descarregar(this);
}

bool frmAbrir::preencher()
{
    m_db = Banco::Abrir();
    if (!m_db)
        return false;  // the database layer has said why
    m_rs = Banco::Recordset::Abrir(m_db, QStringLiteral("tblSaveNome"));
    m_senhaGuardada.clear();
    m_numeroProjetos = Projetos::ContarProjetos(m_rs.get());
    if (!m_rs || !Projetos::PreencherGrade(FlexAbrir, m_rs.get(), m_numeroProjetos))
        return false;
    if (m_temSelecao)
        selecionar(Label4->text());
    return true;
}

void frmAbrir::FlexAbrir_Click(int linha)
{
    Banco::Acao acao;
    if (linha < 1)
        return;  // the header row
    Label4->setText(FlexAbrir->Texto(linha, 0));
    m_temSelecao = true;
    selecionar(Label4->text());
}

bool frmAbrir::selecionar(const QString& projeto)
{
    if (!m_rs)
        return false;
    m_rs->MoveFirst();
    for (int i = 0; i < m_numeroProjetos && !m_rs->EOF_(); ++i, m_rs->MoveNext()) {
        // A project that cannot be read keeps what the boxes show.
        if (!m_rs->Ler())
            return false;
        const QVariant nome = m_rs->Campo(QStringLiteral("Projeto"));
        if (nome.isNull() || nome.toString() != projeto)
            continue;
        Text3->setText(m_rs->Campo(QStringLiteral("Responsavel")).toString());
        Text4->setPlainText(m_rs->Campo(QStringLiteral("Descricao")).toString());
        m_senhaGuardada = m_rs->Campo(QStringLiteral("Pass")).toString();
        return true;
    }
    return false;
}

bool frmAbrir::tratarProjetoEmAndamento()
{
    using Mensagens::Botoes;
    using Mensagens::Icone;
    using Mensagens::Resposta;
    if (Mensagens::Mostrar(QStringLiteral("Você deseja salvar o projeto atual?"), Icone::Pergunta,
                           Botoes::SimNao, kTitulo)
        == Resposta::Sim) {
        MT::PedirNomeAoSalvar = true;
        Projetos::SalvarProjeto();
        preencher();
        return true;
    }
    if (Mensagens::Mostrar(QStringLiteral("O não salvamento do projeto atual implica na perda de todas "
                                          "as informações dadas até aqui. Deseja continuar?"),
                           Icone::Pergunta, Botoes::SimNao, kTitulo)
        == Resposta::Sim) {
        Mensagens::Mostrar(QStringLiteral("Continua abrindo"));
        return true;
    }
    Mensagens::Mostrar(QStringLiteral("Nao continua a abrir"));
    return false;
}

void frmAbrir::CommandButton1_Click()
{
    Banco::Acao acao;
    // The project selected now is the one checked, whatever the save below
    // or the prompt does to the list.
    const QString senhaGuardada = m_senhaGuardada;
    if (MT::ProjetoEmAndamento && !tratarProjetoEmAndamento())
        return;
    if (!senhaGuardada.isEmpty()) {
        if (Janela* prompt = Janelas::Carregar(QStringLiteral("frmSenha")))
            Janelas::ExibirModal(prompt);
        Janelas::Descarregar(QStringLiteral("frmSenha"));
        if (!frmSenha::Respondida())
            return;
        if (Projetos::EmbaralharSenha(MT::SenhaDigitada, Projetos::ChaveSenha) != senhaGuardada) {
            Mensagens::Mostrar(QStringLiteral("Verifique a senha e tente novamente. O Vazora faz "
                                              "distinção entre maiúsculas e minúsculas."),
                               Mensagens::Icone::Critico, Mensagens::Botoes::OK,
                               QStringLiteral("Senha incorreta!"));
            return;
        }
    }
    // The open is granted; nothing reads a saved project back.
    Janelas::Descarregar(this);
}

void frmAbrir::CommandButton2_Click()
{
    Janelas::Descarregar(this);
}
