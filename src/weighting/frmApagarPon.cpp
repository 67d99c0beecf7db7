#include "weighting/frmApagarPon.h"

#include "common/Listas.h"
#include "common/Mensagens.h"
#include "common/ModuloTessaura.h"
#include "common/Twips.h"
#include "weighting/frmPesoPond.h"

#include <QFrame>

REGISTRAR_JANELA(frmApagarPon)

namespace MT = ModuloTessaura;

frmApagarPon::frmApagarPon() : Dialogo(nullptr)
{
    setWindowTitle(QStringLiteral("Apagar Ponderação"));
    QFont verdana(QStringLiteral("Verdana"));
    verdana.setPointSize(8);
    setFont(verdana);
    setFixedSize(Twips::Px(5625), Twips::Px(3405));

    Label1 = new QLabel(QStringLiteral("Selecione a ponderação a ser apagada"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setAlignment(Qt::AlignCenter);
    Twips::Posicionar(Label1, 1440, 360, 3705, 210);
    // Wide and tall enough for its text in whatever font stands in for Verdana.
    Label1->resize(qMax(Label1->width(), Label1->sizeHint().width()),
                   qMax(Label1->height(), Label1->sizeHint().height()));

    ComboBox1 = new QComboBox(this);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->setEditable(false);
    Listas::LimitarLinhas(ComboBox1, 10);
    Twips::Posicionar(ComboBox1, 1320, 960, 3015, 345);

    Text1 = new QLineEdit(QStringLiteral("Text1"), this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Twips::Posicionar(Text1, 480, 1680, 855, 285);
    Text1->hide();

    auto linha = [this](const char* nome, const QColor& cor, int topo) {
        auto* l = new QFrame(this);
        l->setObjectName(QString::fromLatin1(nome));
        l->setFrameStyle(QFrame::NoFrame);
        l->setAutoFillBackground(true);
        QPalette p = l->palette();
        p.setColor(QPalette::Window, cor);
        l->setPalette(p);
        l->setGeometry(Twips::Px(240), Twips::Px(topo), Twips::Px(5400 - 240), 1);
    };
    linha("Line2", QColor(128, 128, 128), 2400);
    linha("Line1", Qt::white, 2415);

    CommandButton1 = new QPushButton(QStringLiteral("Apagar"), this);
    CommandButton1->setObjectName(QStringLiteral("CommandButton1"));
    Twips::Posicionar(CommandButton1, 240, 2640, 1455, 600);
    CommandButton2 = new QPushButton(QStringLiteral("Cancelar"), this);
    CommandButton2->setObjectName(QStringLiteral("CommandButton2"));
    Twips::Posicionar(CommandButton2, 3960, 2640, 1455, 600);
    connect(CommandButton1, &QPushButton::clicked, this, [this] { CommandButton1_Click(); });
    connect(CommandButton2, &QPushButton::clicked, this, [this] { CommandButton2_Click(); });
}

void frmApagarPon::Form_Load()
{
    Label1->move(width() / 2 - Label1->width() / 2, Label1->y());
    ComboBox1->move(width() / 2 - ComboBox1->width() / 2, ComboBox1->y());
}

void frmApagarPon::Form_Activate()
{
    bool ok = false;
    const int ultimo = Text1->text().toInt(&ok);
    ComboBox1->clear();
    const int disponiveis = static_cast<int>(MT::ListaPonderacoes.size());
    for (int i = 0; ok && i <= ultimo && i < disponiveis; ++i) {
        const auto& item = MT::ListaPonderacoes[static_cast<size_t>(i)];
        ComboBox1->addItem(item.nome, item.id);
    }
    if (ComboBox1->count() > 0)
        ComboBox1->setCurrentIndex(0);

    abrirTabela();
}

// The table of weightings, read anew; false, told once, when it cannot be read.
bool frmApagarPon::abrirTabela()
{
    dbPonderacao = Banco::Abrir();
    rsPonderacao = dbPonderacao ? Banco::Recordset::Abrir(dbPonderacao, QStringLiteral("tblPonderacao"))
                                : nullptr;
    return rsPonderacao != nullptr;
}

void frmApagarPon::CommandButton1_Click()
{
    // The entry carries its row: exactly that weighting is deleted. A read or
    // a deletion that fails is told once and the dialog stays open.
    Banco::Acao acao(Banco::TipoAcao::Gravacao);
    const qint64 id = ComboBox1->currentData().toLongLong();
    qint64 apagada = 0;
    if (id != 0) {
        if (!rsPonderacao && !abrirTabela())
            return;
        rsPonderacao->MoveFirst();
        if (rsPonderacao->IrParaId(id) && !rsPonderacao->Ler())
            return;
        if (rsPonderacao->TemLinhaAtual() && rsPonderacao->Id() == id
            && !rsPonderacao->Campo(QStringLiteral("Nome")).isNull()) {
            const Mensagens::Resposta r = Mensagens::Mostrar(
                QStringLiteral("Tem certeza que deseja apagar essa ponderação?"),
                Mensagens::Icone::Pergunta, Mensagens::Botoes::SimNao, QStringLiteral("Análise tessaura"));
            if (r != Mensagens::Resposta::Sim)
                return;
            if (!rsPonderacao->Delete())
                return;
            // Deleted: what fails from here on is the weighting window's refresh.
            Banco::GravacaoConcluida();
            apagada = id;
        }
    }
    Janelas::Descarregar(this);
    if (auto* janela = Janelas::Obter<frmPesoPond>())
        janela->PonderacaoApagada(apagada);
}

void frmApagarPon::CommandButton2_Click()
{
    Janelas::Descarregar(this);
}
