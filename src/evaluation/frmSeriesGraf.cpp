#include "evaluation/frmSeriesGraf.h"

#include "common/Twips.h"
#include "evaluation/FigurasResultados.h"
#include "evaluation/FonteResultados.h"
#include "evaluation/GraficoPerfil.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

REGISTRAR_JANELA(frmSeriesGraf)

namespace {

using FonteResultados::Verdana;

constexpr int kId = Qt::UserRole;

}  // namespace

frmSeriesGraf::frmSeriesGraf() : Dialogo(nullptr)
{
    setWindowTitle(QString());
    setFont(Verdana(8));
    setFixedSize(Twips::Px(8040), Twips::Px(5160));

    auto criar = [this](auto* controle, const char* nome, int l, int t, int w, int h) {
        controle->setParent(this);
        controle->setObjectName(QString::fromLatin1(nome));
        Twips::Posicionar(controle, l, t, w, h);
        return controle;
    };
    auto rotulo = [&](const char* nome, const QString& texto, int l, int t, int w, int h) {
        QLabel* r = criar(new QLabel(texto), nome, l, t, w, h);
        r->setTextFormat(Qt::PlainText);
        return r;
    };
    auto botao = [&](const char* nome, const QString& texto, int l, int t, int w, int h) {
        return criar(new QPushButton(texto), nome, l, t, w, h);
    };

    QLabel* Image21 = criar(new QLabel(), "Image21", 240, 180, 720, 720);
    Image21->setPixmap(FigurasResultados::Grafico().scaled(48, 48, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    QLabel* Label3 = rotulo("Label3", QStringLiteral("Opções de Gráfico"), 1140, 360, 6660, 360);
    Label3->setFont(Verdana(12, true));
    rotulo("Label1", QStringLiteral("Alternativas:"), 240, 1080, 3300, 255);
    rotulo("Label2", QStringLiteral("Alternativas a serem plotadas:"), 4500, 1080, 3300, 255);

    List2 = criar(new QListWidget(), "List2", 240, 1380, 3300, 2880);
    List1 = criar(new QListWidget(), "List1", 4500, 1380, 3300, 2880);
    for (QListWidget* l : {List1, List2}) {
        l->setSelectionMode(QAbstractItemView::SingleSelection);
        l->setTextElideMode(Qt::ElideRight);
    }

    QPushButton* Command1 = botao("Command1", QStringLiteral(">"), 3720, 1620, 600, 375);
    QPushButton* Command2 = botao("Command2", QStringLiteral(">>"), 3720, 2160, 600, 375);
    QPushButton* Command3 = botao("Command3", QStringLiteral("<"), 3720, 2940, 600, 375);
    QPushButton* Command4 = botao("Command4", QStringLiteral("<<"), 3720, 3480, 600, 375);
    QPushButton* CommandButton1 = botao("CommandButton1", QStringLiteral("OK"), 6360, 4440, 1440, 450);

    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
    connect(Command3, &QPushButton::clicked, this, [this] { Command3_Click(); });
    connect(Command4, &QPushButton::clicked, this, [this] { Command4_Click(); });
    connect(CommandButton1, &QPushButton::clicked, this, [this] { CommandButton1_Click(); });
    connect(List2, &QListWidget::itemDoubleClicked, this, [this] { List2_DblClick(); });
}

void frmSeriesGraf::AdicionarAlternativa(const QString& nome, qint64 id)
{
    auto* item = new QListWidgetItem(nome, List2);
    item->setData(kId, id);
    item->setToolTip(nome);
}

void frmSeriesGraf::adicionar(const QListWidgetItem* item)
{
    const qint64 id = item->data(kId).toLongLong();
    for (int i = 0; i < List1->count(); ++i) {
        if (List1->item(i)->data(kId).toLongLong() == id)
            return;
    }
    auto* novo = new QListWidgetItem(item->text(), List1);
    novo->setData(kId, id);
    novo->setToolTip(item->text());
}

void frmSeriesGraf::Command1_Click()
{
    // Nothing selected adds nothing.
    if (QListWidgetItem* item = List2->currentItem(); item && item->isSelected())
        adicionar(item);
}

void frmSeriesGraf::List2_DblClick()
{
    Command1_Click();
}

void frmSeriesGraf::Command2_Click()
{
    List1->clear();
    for (int i = 0; i < List2->count(); ++i)
        adicionar(List2->item(i));
}

void frmSeriesGraf::Command3_Click()
{
    if (QListWidgetItem* item = List1->currentItem(); item && item->isSelected())
        delete List1->takeItem(List1->row(item));
}

void frmSeriesGraf::Command4_Click()
{
    List1->clear();
}

void frmSeriesGraf::CommandButton1_Click()
{
    Janela* calculo = Janelas::Obter(QStringLiteral("frmCalculoIndices"));
    GraficoPerfil* Graf = calculo ? calculo->Widget()->findChild<GraficoPerfil*>(QStringLiteral("Graf"))
                                  : nullptr;
    if (Graf && List1->count() > 0) {
        QSet<qint64> escolhidas;
        for (int i = 0; i < List1->count(); ++i)
            escolhidas.insert(List1->item(i)->data(kId).toLongLong());
        for (int i = 1; i <= Graf->Series(); ++i)
            Graf->MostrarLinha(i, escolhidas.contains(Graf->IdDaSerie(i)));
    }
    Janelas::Descarregar(this);
}
