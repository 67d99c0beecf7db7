#include "projects/frmSalvar.h"

#include "common/CaixaTexto.h"
#include "common/Mensagens.h"
#include "common/ModuloTessaura.h"
#include "common/Twips.h"
#include "projects/Projetos.h"

#include <QDateTime>
#include <QFocusEvent>
#include <QMainWindow>
#include <QTimer>

REGISTRAR_JANELA(frmSalvar)

namespace MT = ModuloTessaura;

using Projetos::Criar;
using Projetos::Rotulo;

frmSalvar::frmSalvar()
    : DialogoProjetos(QStringLiteral("Vazora - Salvar como..."), QStringLiteral("FlexSave"), 2415, 3600,
                      QStringLiteral("Salvar"), {7185, 4650, 1100, 6120, 3600})
{
    FlexSave = Grade();
    Text1 = Criar<QLineEdit>(this, "Text1", 1920, 2490, 4695, 345);

    Label4 = Rotulo(Frame1, "Label4", QStringLiteral("Senha de proteção:"), 240, 420);
    Text2 = Criar<QLineEdit>(Frame1, "Text2", 2280, 360, 1575, 345);
    Text2->setEchoMode(QLineEdit::Password);
    Text2->setStyleSheet(QStringLiteral("lineedit-password-character: 42;"));
    Text2->setMaxLength(8);
    Text2->setToolTip(QStringLiteral("Digite uma senha com até 8 dígitos"));
    Label5 = Rotulo(Frame1, "Label5", QStringLiteral("Responsável:"), 240, 900);
    Text3 = Criar<QLineEdit>(Frame1, "Text3", 2280, 840, 3855, 345);
    Label6 = Rotulo(Frame1, "Label6", QStringLiteral("Descrição do projeto:"), 240, 1380);
    Text4 = Criar<CaixaTextoMultilinha>(Frame1, "Text4", 2280, 1320, 3855, 915);
    Text4->DefinirTamanhoMaximo(100);
    Text4->setTabChangesFocus(true);
    setTabOrder(Text1, Text2);
    setTabOrder(Text2, Text3);
    setTabOrder(Text3, Text4);
    setTabOrder(Text4, CommandButton1);
    setTabOrder(CommandButton1, CommandButton2);

    connect(FlexSave, &QAbstractItemView::clicked, this, [this](const QModelIndex& i) { FlexSave_Click(i.row()); });
    connect(CommandButton1, &QPushButton::clicked, this, &frmSalvar::CommandButton1_Click);
    connect(CommandButton2, &QPushButton::clicked, this, &frmSalvar::CommandButton2_Click);
    Text1->installEventFilter(this);
}

bool frmSalvar::eventFilter(QObject* obj, QEvent* ev)
{
    if (obj == Text1 && ev->type() == QEvent::FocusIn) {
        const Qt::FocusReason motivo = static_cast<QFocusEvent*>(ev)->reason();
        if (motivo != Qt::ActiveWindowFocusReason && motivo != Qt::PopupFocusReason)
            QTimer::singleShot(0, this, [this] { Text1_GotFocus(); });
    }
    return DialogoProjetos::eventFilter(obj, ev);
}

void frmSalvar::Form_Activate()
{
    // Saved projects that cannot be listed end this save, with its message.
    if (!Projetos::PreencherGrade(FlexSave, MT::rsSaveNome.get(), MT::NumeroProjetos)) {
        Janelas::Descarregar(this);
        return;
    }
    IniciarOpcoes();
}

void frmSalvar::FlexSave_Click(int linha)
{
    if (linha < 1)
        return;  // the header row
    Text1->setText(FlexSave->Texto(linha, 0));
    MT::NomeProjeto = Text1->text();
}

void frmSalvar::Text1_GotFocus()
{
    if (Text1->hasFocus())
        Text1->selectAll();
}

void frmSalvar::entregarValores()
{
    MT::NomeProjeto = Text1->text();
    MT::SenhaDigitada = Text2->text();
    MT::ResponsavelProjeto = Text3->text();
    MT::DescricaoProjeto = Text4->Texto();
}

void frmSalvar::CommandButton1_Click()
{
    for (int linha = 1; linha <= MT::NumeroProjetos && linha < FlexSave->Linhas(); ++linha) {
        const QString nome = FlexSave->Texto(linha, 0);
        if (nome != Text1->text())
            continue;
        const QDateTime agora = QDateTime::currentDateTime();
        const QString pergunta =
            QStringLiteral("Deseja substituir o projeto ") + nome + QStringLiteral(" ( ")
            + FlexSave->Texto(linha, 1) + QStringLiteral(" ) ") + QStringLiteral(" por ")
            + Text1->text() + QStringLiteral(" ( ") + Projetos::TextoData(agora.date())
            + QStringLiteral(" - ") + Projetos::TextoHora(agora.time()) + QStringLiteral(" ) ")
            + QStringLiteral(" ?");
        if (Mensagens::Mostrar(pergunta, Mensagens::Icone::Pergunta, Mensagens::Botoes::SimNao)
            != Mensagens::Resposta::Sim) {
            Text1->setFocus(Qt::OtherFocusReason);
            return;
        }
        entregarValores();
    }
    if (Text1->text().isEmpty()) {
        Mensagens::Mostrar(QStringLiteral("Você deve dar um nome ao projeto antes de salvá-lo!"),
                           Mensagens::Icone::Critico, Mensagens::Botoes::OK, QStringLiteral("Vazora"));
        Text1->setFocus(Qt::OtherFocusReason);
        return;
    }
    entregarValores();
    if (QMainWindow* principal = Janelas::Principal())
        principal->setWindowTitle(QStringLiteral("Vazora - ") + MT::NomeProjeto);
    MT::SalvamentoCancelado = false;
    Janelas::Descarregar(this);
}

void frmSalvar::CommandButton2_Click()
{
    Janelas::Descarregar(this);
    MT::SalvamentoCancelado = true;
}

void frmSalvar::reject()
{
    CommandButton2_Click();
}
