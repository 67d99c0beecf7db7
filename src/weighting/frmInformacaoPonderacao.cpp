#include "weighting/frmInformacaoPonderacao.h"

#include "common/Figuras.h"
#include "common/Twips.h"

REGISTRAR_JANELA(frmInformacaoPonderacao)

frmInformacaoPonderacao::frmInformacaoPonderacao() : Dialogo(nullptr)
{
    setWindowTitle(QStringLiteral("Análise Tessaura"));
    QFont verdana(QStringLiteral("Verdana"));
    verdana.setPointSize(8);
    setFont(verdana);
    setFixedSize(Twips::Px(7200), Twips::Px(5400));

    Label1 = new QLabel(QStringLiteral("Informações sobre as ponderações"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    QFont titulo(QStringLiteral("Verdana"));
    titulo.setPointSize(12);
    titulo.setBold(true);
    Label1->setFont(titulo);
    Label1->setWordWrap(true);
    Twips::Posicionar(Label1, 1440, 300, 5400, 600);

    auto* image1 = new QLabel(this);
    image1->setObjectName(QStringLiteral("Image1"));
    image1->setPixmap(Figuras::Logo());
    Twips::Posicionar(image1, 240, 120, 960, 960);

    RichTextBox1 = new QTextEdit(this);
    RichTextBox1->setObjectName(QStringLiteral("RichTextBox1"));
    RichTextBox1->setReadOnly(true);
    QFont texto(QStringLiteral("Verdana"));
    texto.setPointSizeF(8.5);
    RichTextBox1->setFont(texto);
    RichTextBox1->setPlainText(QStringLiteral(
        "A análise de importância dos indicadores propostos é uma etapa bastante importante do "
        "processo decisório. Nesse momento, são determinados os pesos que cada critério deverá ter "
        "na análise global a ser implementada. Para o desenvolvimento desta etapa do trabalho foi de "
        "suma importância a participação dos diversos especialistas na área. Foram consultadas "
        "pessoas diferentes, de todos os setores técnicos da sociedade que participam e têm grande "
        "experiência em sistemas de drenagem urbana. A partir dessas informações estabeleceu-se as "
        "ponderações com ênfase em vários aspectos. O usuário tem acesso a essas ponderações na "
        "\"caixa\" 'aspectos mais relevantes'. Clicando em 'Nova ponderação' o usuário tem a opção "
        "de estabelecer sua própria ponderação a partir dos seus conhecimentos sobre cada "
        "indicador. A soma total dos coeficientes atribuídos deve ser igual a 100."));
    Twips::Posicionar(RichTextBox1, 240, 1200, 6720, 3240);

    Command1 = new QPushButton(QStringLiteral("OK"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Twips::Posicionar(Command1, 5640, 4620, 1320, 480);
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
}

void frmInformacaoPonderacao::Command1_Click()
{
    Janelas::Descarregar(this);
}
