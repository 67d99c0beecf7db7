#include "economics/frmAltEco.h"

#include "common/Banco.h"
#include "common/Figuras.h"
#include "common/ModuloTessaura.h"
#include "common/Twips.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QSet>
#include <QVBoxLayout>

REGISTRAR_JANELA(frmAltEco)

namespace MT = ModuloTessaura;

namespace {
constexpr int kLinha = Qt::UserRole;  // the entry's row identity
}  // namespace

frmAltEco::frmAltEco()
{
    // A dialog without a caption.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::MSWindowsFixedSizeDialogHint);

    Image21 = new QLabel(this);
    Image21->setObjectName(QStringLiteral("Image21"));
    Image21->setPixmap(Figuras::Logo());

    Label3 = new QLabel(QStringLiteral("Selecione as alternativas para a análise econômica"), this);
    Label3->setObjectName(QStringLiteral("Label3"));
    QFont destaque = font();
    destaque.setBold(true);
    Label3->setFont(destaque);
    Label1 = new QLabel(QStringLiteral("Alternativas:"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label2 = new QLabel(QStringLiteral("Alternativas para a análise"), this);
    Label2->setObjectName(QStringLiteral("Label2"));

    List2 = new QListWidget(this);
    List2->setObjectName(QStringLiteral("List2"));
    List1 = new QListWidget(this);
    List1->setObjectName(QStringLiteral("List1"));
    for (QListWidget* l : {List2, List1})
        l->setMinimumSize(Twips::Px(2700), Twips::Px(2900));

    auto botao = [this](const char* nome, const QString& texto) {
        auto* b = new QPushButton(texto, this);
        b->setObjectName(QString::fromLatin1(nome));
        b->setAutoDefault(false);
        return b;
    };
    Command1 = botao("Command1", QStringLiteral(">"));
    Command2 = botao("Command2", QStringLiteral(">>"));
    Command3 = botao("Command3", QStringLiteral("<"));
    Command4 = botao("Command4", QStringLiteral("<<"));
    cmdOK = botao("cmdOK", QStringLiteral("OK"));

    auto* setas = new QVBoxLayout();
    setas->addStretch();
    for (QPushButton* b : {Command1, Command2, Command3, Command4})
        setas->addWidget(b);
    setas->addStretch();

    auto* grade = new QGridLayout(this);
    grade->addWidget(Image21, 0, 0, 1, 1, Qt::AlignLeft);
    grade->addWidget(Label3, 0, 1, 1, 3, Qt::AlignVCenter);
    grade->addWidget(Label1, 1, 0);
    grade->addWidget(Label2, 1, 2);
    grade->addWidget(List2, 2, 0);
    grade->addLayout(setas, 2, 1);
    grade->addWidget(List1, 2, 2);
    grade->addWidget(cmdOK, 3, 2, Qt::AlignRight);
    grade->setSizeConstraint(QLayout::SetFixedSize);

    connect(Command1, &QPushButton::clicked, this, &frmAltEco::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &frmAltEco::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &frmAltEco::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &frmAltEco::Command4_Click);
    connect(cmdOK, &QPushButton::clicked, this, &frmAltEco::cmdOK_Click);
    connect(List1, &QListWidget::itemClicked, this, [this] { List1_Click(); });
    connect(List2, &QListWidget::itemDoubleClicked, this, [this] { List2_DblClick(); });
}

void frmAltEco::Form_Load()
{
    MT::dbEco = Banco::Abrir();
    MT::rsEco = MT::dbEco ? Banco::Recordset::Abrir(MT::dbEco, QStringLiteral("tblTessaura")) : nullptr;
    m_naoLida = !MT::rsEco;
    if (MT::rsEco) {
        for (MT::rsEco->MoveFirst(); !m_naoLida && !MT::rsEco->EOF_(); MT::rsEco->MoveNext()) {
            m_naoLida = !MT::rsEco->Ler();
            if (m_naoLida)
                break;
            auto* item = new QListWidgetItem(MT::rsEco->Campo(QStringLiteral("Nome")).toString(), List2);
            item->setData(kLinha, MT::rsEco->Id());
        }
        MT::rsEco->MoveFirst();
    }
    VerList1();
}

void frmAltEco::Form_Activate()
{
    if (m_naoLida)
        Janelas::Descarregar(this);
}

void frmAltEco::Escolher(const QListWidgetItem* item)
{
    const qint64 id = item->data(kLinha).toLongLong();
    for (int i = 0; i < List1->count(); ++i)
        if (List1->item(i)->data(kLinha).toLongLong() == id)
            return;
    auto* novo = new QListWidgetItem(item->text(), List1);
    novo->setData(kLinha, id);
}

void frmAltEco::Command1_Click()
{
    // Nothing selected on the left: nothing to add.
    if (const QListWidgetItem* item = List2->currentItem(); item && item->isSelected())
        Escolher(item);
    VerList1();
}

void frmAltEco::List2_DblClick()
{
    Command1_Click();
}

void frmAltEco::Command2_Click()
{
    List1->clear();
    for (int i = 0; i < List2->count(); ++i)
        Escolher(List2->item(i));
    VerList1();
}

void frmAltEco::Command3_Click()
{
    const QList<QListWidgetItem*> marcados = List1->selectedItems();
    if (!marcados.isEmpty())
        delete List1->takeItem(List1->row(marcados.first()));
    VerList1();
}

void frmAltEco::List1_Click()
{
    Command3_Click();
}

void frmAltEco::Command4_Click()
{
    List1->clear();
    VerList1();
}

void frmAltEco::VerList1()
{
    cmdOK->setEnabled(List1->count() > 0);
}

void frmAltEco::cmdOK_Click()
{
    QSet<qint64> escolhidas;
    for (int i = 0; i < List1->count(); ++i)
        escolhidas.insert(List1->item(i)->data(kLinha).toLongLong());

    // Every row is written: an alternative not chosen loses an earlier choice.
    // All rows or none; a failure is told once and the dialog stays open.
    Banco::Acao acao(Banco::TipoAcao::Gravacao);
    bool gravado = MT::rsEco && MT::dbEco;
    if (gravado) {
        Banco::Transacao t(MT::dbEco);
        gravado = t.Iniciada();
        for (MT::rsEco->MoveFirst(); gravado && !MT::rsEco->EOF_(); MT::rsEco->MoveNext()) {
            gravado = MT::rsEco->Edit()
                      && MT::rsEco->Definir(QStringLiteral("Eco"), escolhidas.contains(MT::rsEco->Id()) ? 1 : 0)
                      && MT::rsEco->Update();
            if (!gravado)
                MT::rsEco->CancelUpdate();
        }
        gravado = gravado && t.Confirmar();
        MT::rsEco->MoveFirst();
    }
    if (!gravado)
        return;

    // The economic window is loaded anew before the chooser goes. When it
    // cannot read its rows it has told so and does not open; the chooser
    // stays as it was, over its own rows, and OK does it all again.
    const Banco::ConexaoPtr db = MT::dbEco;
    const Banco::RecordsetPtr rs = MT::rsEco;
    Janelas::Descarregar(QStringLiteral("frmEconomico"));
    Janela* economico = Janelas::Carregar(QStringLiteral("frmEconomico"));
    if (Banco::HouveFalha()) {
        if (economico)
            Janelas::Descarregar(economico);
        MT::dbEco = db;
        MT::rsEco = rs;
        return;
    }
    Janelas::Descarregar(this);
    Janelas::Mostrar(economico);
}
