#include "entry/frmPOP.h"

#include "common/Banco.h"
#include "common/Figuras.h"
#include "common/ModuloTessaura.h"
#include "common/Numeros.h"
#include "common/Twips.h"
#include "entry/AproveitarDados.h"
#include "entry/Aproveitamento.h"

#include <QAbstractItemView>
#include <QButtonGroup>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>
#include <limits>

namespace MT = ModuloTessaura;

REGISTRAR_JANELA(frmPOP)

namespace {

QFont verdana(int pontos, bool negrito = false)
{
    QFont f(QStringLiteral("Verdana"));
    f.setPointSize(pontos);
    f.setBold(negrito);
    return f;
}

// Where the symbol's qualifier and subscript sit, relative to the symbol's top.
constexpr int kAlturaSimbolo = 32;
constexpr int kAlturaIndice = 16;

}  // namespace

frmPOP::frmPOP() : Dialogo(nullptr)
{
    setObjectName(QStringLiteral("frmPOP"));
    setWindowTitle(QStringLiteral("Reaproveitamento de dados"));
    setFont(verdana(9));
    setFixedSize(Twips::Px(7800), Twips::Px(5250));

    // A control of the dialog, named and placed (twips).
    auto criar = [this](auto* controle, const char* nome, int l, int t, int w, int h) {
        controle->setParent(this);
        controle->setObjectName(QString::fromLatin1(nome));
        Twips::Posicionar(controle, l, t, w, h);
        return controle;
    };
    auto rotulo = [&criar](const char* nome, const QString& texto, int l, int t, int w, int h) {
        QLabel* r = criar(new QLabel(texto), nome, l, t, w, h);
        r->setTextFormat(Qt::PlainText);
        return r;
    };
    auto linha = [&criar](const char* nome, QFrame::Shape forma, int l, int t, int w, int h) {
        QFrame* f = criar(new QFrame, nome, l, t, w, h);
        f->setFrameShape(forma);
        f->setFrameShadow(QFrame::Sunken);
        return f;
    };

    Label1 = rotulo("Label1", QStringLiteral("Critério em análise:"), 240, 270, 2400, 300);
    Label2 = rotulo("Label2", QStringLiteral("NomeCritério"), 2640, 270, 4920, 300);
    Label2->setFont(verdana(9, true));
    Label3 = rotulo("Label3", QStringLiteral("Alternativa:"), 240, 750, 2400, 300);
    Combo1 = criar(new QComboBox, "Combo1", 2640, 690, 4920, 360);
    Combo1->setEditable(false);

    Line1 = linha("Line1", QFrame::HLine, 120, 1260, 7560, 30);
    Label4 = rotulo("Label4", QStringLiteral("Dado"), 240, 1380, 2040, 270);
    Label5 = rotulo("Label5", QStringLiteral("Valor"), 2640, 1380, 2640, 270);
    Label10 = rotulo("Label10", QStringLiteral("Unidade"), 5640, 1380, 1920, 270);
    for (QLabel* cabecalho : {Label4, Label5, Label10})
        cabecalho->setFont(verdana(8, true));
    Line3 = linha("Line3", QFrame::VLine, 2460, 1320, 30, 1020);
    Line4 = linha("Line4", QFrame::VLine, 5460, 1320, 30, 1020);

    lblA = rotulo("lblA", QStringLiteral("A"), 420, 1710, 600, kAlturaSimbolo * Twips::PorPixel);
    lblA->setFont(verdana(18));
    lblB = rotulo("lblB", QStringLiteral("B"), 1020, 1650, 1200, kAlturaIndice * Twips::PorPixel);
    lblC = rotulo("lblC", QStringLiteral("C"), 1020, 2010, 1200, kAlturaIndice * Twips::PorPixel);
    lblB->setFont(verdana(8));
    lblC->setFont(verdana(8));
    lblValor = rotulo("lblValor", QStringLiteral("Valor"), 2640, 1740, 2700, 390);
    lblValor->setFont(verdana(10));

    auto unidade = [this](const char* chave) {
        auto* f = new QLabel(this);
        f->setObjectName(QString::fromLatin1(chave));
        const QPixmap p = Figuras::Unidade(QString::fromLatin1(chave));
        f->setPixmap(p);
        f->move(Twips::Px(5760), Twips::Px(1770));
        f->resize(p.size());
        f->hide();
        return f;
    };
    m2 = unidade("m2");
    m3 = unidade("m3");
    ano = unidade("ano");

    Label6 = rotulo("Label6", QStringLiteral("Label6"), 6000, 4500, 1200, 270);
    Label6->hide();
    Text2 = criar(new QLineEdit(QStringLiteral("Text2")), "Text2", 6000, 4500, 1200, 300);
    Text2->hide();

    Line2 = linha("Line2", QFrame::HLine, 120, 2370, 7560, 30);
    OptionButton2 = criar(new QRadioButton(QStringLiteral("Aproveitar um dado específico")),
                          "OptionButton2", 240, 2520, 7320, 330);
    OptionButton1 = criar(new QRadioButton(QStringLiteral(
                              "Aproveitar todos os dados referentes ao critério estudado")),
                          "OptionButton1", 240, 2880, 7320, 330);
    auto* opcoes = new QButtonGroup(this);
    opcoes->addButton(OptionButton2);
    opcoes->addButton(OptionButton1);

    Text1 = criar(new QPlainTextEdit, "Text1", 540, 3270, 7020, 1050);
    Text1->setPlainText(QStringLiteral("Com essa opção você vai aproveitar todos os dados da "
                                       "alternativa selecionada acima para o critério analisado.")
                        + QStringLiteral("\n"));
    Text1->setReadOnly(true);
    Text1->setFont(verdana(8));
    // A fixed text with room for it: no scroll bars.
    Text1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    Text1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Text1->hide();

    CommandButton1 = criar(new QPushButton(QStringLiteral("Aproveitar dado")), "CommandButton1",
                           1740, 4470, 2100, 450);
    CommandButton2 = criar(new QPushButton(QStringLiteral("Descartar dado")), "CommandButton2",
                           4080, 4470, 2100, 450);
    // Neither button is the default: Enter in the list takes nothing over.
    for (QPushButton* b : {CommandButton1, CommandButton2}) {
        b->setAutoDefault(false);
        b->setDefault(false);
    }

    connect(Combo1, &QComboBox::currentIndexChanged, this, [this] { Combo1_Click(); });
    connect(OptionButton1, &QRadioButton::toggled, this, [this](bool marcado) {
        if (marcado)
            OptionButton1_Click();
    });
    connect(OptionButton2, &QRadioButton::toggled, this, [this](bool marcado) {
        if (marcado)
            OptionButton2_Click();
    });
    connect(CommandButton1, &QPushButton::clicked, this, [this] { CommandButton1_Click(); });
    connect(CommandButton2, &QPushButton::clicked, this, [this] { CommandButton2_Click(); });
}

void frmPOP::Form_Activate()
{
    PrepararPOP(MT::TituloPOP, MT::SimboloPOP, MT::QualificadorPOP, MT::IndicePOP, MT::UnidadePOP,
                MT::MarcadorPOP, MT::CampoPOP);
    {
        const QSignalBlocker bloqueio(Combo1);
        Combo1->setCurrentIndex(Combo1->count() > 0 ? 0 : -1);
    }
    Combo1_Click();
    if (OptionButton2->isChecked())
        OptionButton2_Click();
    else
        OptionButton2->setChecked(true);
}

void frmPOP::PrepararPOP(const QString& titulo, const QString& simbolo,
                         const QString& qualificador, const QString& indice,
                         const QString& unidade, const QString& marcador, const QString& campo)
{
    {
        const QSignalBlocker bloqueio(Combo1);
        Combo1->clear();
        m_indiceLido = -1;
        m_valorLido.clear();
        lblValor->setText(SemDado);
        // Each entry carries its row: equal names still reach their own rows.
        // A list that cannot be read whole stays empty, with the action's one
        // message; no entry stands for a row that was not read.
        Banco::Acao acao;
        Banco::ConexaoPtr db = Banco::Abrir();
        Banco::RecordsetPtr rs = db ? Banco::Recordset::Abrir(db, QStringLiteral("tblTessaura"),
                                                              QStringLiteral("Marcador <> ?"), {marcador})
                                    : nullptr;
        if (rs) {
            for (rs->MoveFirst(); !rs->EOF_(); rs->MoveNext()) {
                if (!rs->Ler()) {
                    Combo1->clear();
                    break;
                }
                Combo1->addItem(Numeros::TextoDoCampo(rs->Campo(QStringLiteral("Nome"))), rs->Id());
            }
        }
        // The open list is as wide as its longest name.
        int largura = 0;
        const QFontMetrics medida(Combo1->view()->font());
        for (int i = 0; i < Combo1->count(); ++i)
            largura = std::max(largura, medida.horizontalAdvance(Combo1->itemText(i)) + 40);
        Combo1->view()->setTextElideMode(Qt::ElideNone);
        Combo1->view()->setMinimumWidth(std::min(largura, 900));
    }

    Label2->setText(titulo);
    lblA->setText(simbolo);
    lblB->setText(qualificador);
    lblC->setText(indice);
    // Qualifier and subscript begin where the symbol ends.
    lblA->resize(lblA->sizeHint().width(), lblA->height());
    const int direita = lblA->x() + lblA->width();
    lblB->move(direita, lblB->y());
    lblC->move(direita, lblC->y());
    lblB->resize(std::max(lblB->sizeHint().width(), 1), lblB->height());
    lblC->resize(std::max(lblC->sizeHint().width(), 1), lblC->height());

    Label6->setText(campo);
    m2->setVisible(unidade == m2->objectName());
    m3->setVisible(unidade == m3->objectName());
    ano->setVisible(unidade == ano->objectName());
}

void frmPOP::Combo1_Click()
{
    const int i = Combo1->currentIndex();
    Banco::RecordsetPtr rs;
    if (i >= 0) {
        // A row that cannot be read gets the action's one message, and the
        // dialog goes back to the alternative whose value it shows.
        Banco::Acao acao;
        Banco::ConexaoPtr db = Banco::Abrir();
        rs = db ? Banco::Recordset::AbrirPorId(db, QStringLiteral("tblTessaura"),
                                               Combo1->itemData(i).toLongLong())
                : nullptr;
        if (!rs || !rs->Ler()) {
            const QSignalBlocker bloqueio(Combo1);
            Combo1->setCurrentIndex(m_indiceLido);
            return;
        }
    }
    m_indiceLido = i;
    m_valorLido.clear();
    Text2->clear();
    lblValor->setText(SemDado);
    // A name too long for the closed list can still be read in full.
    Combo1->setToolTip(Combo1->currentText());
    if (!rs || !rs->TemLinhaAtual())
        return;
    const QString campo = Label6->text();
    const QString valor = Numeros::TextoDoCampo(rs->Campo(campo));
    Text2->setText(rs->Campo(QStringLiteral("Marcador")).toString().mid(3));
    lblValor->setText(valor.isEmpty() ? SemDado : valor);
    m_valorLido = valor;
}

void frmPOP::CommandButton1_Click()
{
    Banco::Acao acao;
    // Only a value read from the chosen row goes into the box; without one
    // (none given, or a row that could not be read) the box keeps its text.
    if (OptionButton2->isChecked()) {
        if (m_valorLido.isEmpty()) {
            CommandButton2_Click();
            return;
        }
        MT::ValorPOP = m_valorLido;
        Janelas::Descarregar(this);
        return;
    }
    if (!OptionButton1->isChecked())
        return;

    // The chosen alternative's number; one that is not a 16-bit whole number
    // finds no alternative and the copy reports it.
    bool ok = false;
    double n = Numeros::ArredondarInteiro(Numeros::Ler(Text2->text(), &ok));
    int numero = 0;
    if (ok && n >= std::numeric_limits<short>::min() && n <= std::numeric_limits<short>::max())
        numero = static_cast<int>(n);
    Aproveitamento::AproveitarDados(Label2->text(), numero);
    if (MT::FalhaAproveitamento)
        return;
    // The calling box keeps what the copy put into it.
    if (QLineEdit* caixa = Aproveitamento::CaixaChamadora())
        MT::ValorPOP = caixa->text();
    else if (!m_valorLido.isEmpty())
        MT::ValorPOP = m_valorLido;
    Janelas::Descarregar(this);
}

void frmPOP::CommandButton2_Click()
{
    Janelas::Descarregar(this);
}

void frmPOP::OptionButton1_Click()
{
    Text1->show();
}

void frmPOP::OptionButton2_Click()
{
    Text1->hide();
}
