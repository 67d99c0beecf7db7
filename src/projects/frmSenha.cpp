#include "projects/frmSenha.h"

#include "common/ModuloTessaura.h"
#include "projects/PainelProjetos.h"

#include <QKeyEvent>

REGISTRAR_JANELA(frmSenha)

namespace MT = ModuloTessaura;
using Projetos::Criar;

frmSenha::frmSenha() : Dialogo(nullptr)
{
    s_respondida = false;
    setWindowTitle(QStringLiteral("Abrir - Senha"));
    setFixedSize(Twips::Px(4680), Twips::Px(1440));
    Label1 = Projetos::Rotulo(this, "Label1", QStringLiteral("Digite a senha para entrar no projeto:"),
                              240, 240);
    Text1 = Criar<QLineEdit>(this, "Text1", 240, 720, 2895, 345);
    Text1->setEchoMode(QLineEdit::Password);
    Text1->setStyleSheet(QStringLiteral("lineedit-password-character: 42;"));
    Command1 = Criar<QPushButton>(this, "Command1", 3360, 660, 1095, 465);
    Command1->setText(QStringLiteral("OK"));
    connect(Command1, &QPushButton::clicked, this, &frmSenha::Command1_Click);
    Text1->installEventFilter(this);
}

bool frmSenha::eventFilter(QObject* obj, QEvent* ev)
{
    if (obj == Text1 && ev->type() == QEvent::KeyPress) {
        const int tecla = static_cast<QKeyEvent*>(ev)->key();
        if (tecla == Qt::Key_Return || tecla == Qt::Key_Enter) {
            int KeyAscii = 13;
            Text1_KeyPress(KeyAscii);
            return true;
        }
    }
    return Dialogo::eventFilter(obj, ev);
}

void frmSenha::Text1_KeyPress(int& KeyAscii)
{
    if (KeyAscii == 13)
        Command1_Click();
}

void frmSenha::Command1_Click()
{
    MT::SenhaDigitada = Text1->text();
    s_respondida = true;
    Janelas::Descarregar(this);
}
