#include "shell/frmTipoEntradaDados.h"

#include "common/Figuras.h"
#include "common/Twips.h"

#include <QLabel>
#include <QPushButton>
#include <QTextBrowser>

REGISTRAR_JANELA(frmTipoEntradaDados)

frmTipoEntradaDados::frmTipoEntradaDados()
{
    setWindowTitle(QStringLiteral("Análise Tessaura"));
    QFont verdana(QStringLiteral("Verdana"));
    verdana.setPointSize(9);
    setFont(verdana);
    setFixedSize(Twips::Px(7800), Twips::Px(5880));

    auto* logo = new QLabel(this);
    logo->setObjectName(QStringLiteral("Image21"));
    logo->setPixmap(Figuras::Logo());
    logo->move(Twips::Px(300), Twips::Px(240));
    logo->resize(Figuras::Logo().size());

    Label1 = new QLabel(QStringLiteral("Tipos de entrada de dados"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    QFont titulo = verdana;
    titulo.setPointSize(12);
    titulo.setBold(true);
    Label1->setFont(titulo);
    Twips::Posicionar(Label1, 1500, 480, 6000, 480);

    RichTextBox1 = new QTextBrowser(this);
    RichTextBox1->setObjectName(QStringLiteral("RichTextBox1"));
    Twips::Posicionar(RichTextBox1, 300, 1440, 7200, 3540);
    RichTextBox1->setHtml(QStringLiteral(
        "<p>Os dados dos critérios <i>Objetivo</i>, <i>Impactos da obra</i> e "
        "<i>Inserção da Obra</i> podem ser fornecidos em duas ordens:</p>"
        "<p><b>Fornecer dados de todos os critérios a cada alternativa analisada</b><br>"
        "Para cada alternativa, preenchem-se em seguida as janelas dos três critérios. "
        "Concluída uma alternativa, o programa passa à seguinte, até a última.</p>"
        "<p><b>Fornecer dados de todas as alternativas a cada critério analisado</b><br>"
        "Em cada janela de critério, percorrem-se todas as alternativas com os botões "
        "\"Anterior\" e \"Próxima\". O botão \"Avançar\" leva ao critério seguinte quando os "
        "dados de todas as alternativas tiverem sido fornecidos.</p>"));

    Command1 = new QPushButton(QStringLiteral("OK"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Twips::Posicionar(Command1, 6300, 5160, 1200, 450);
    Command1->setDefault(true);
    connect(Command1, &QPushButton::clicked, this, &frmTipoEntradaDados::Command1_Click);
}

void frmTipoEntradaDados::Command1_Click()
{
    Janelas::Descarregar(this);
}
