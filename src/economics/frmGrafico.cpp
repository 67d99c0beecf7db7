#include "economics/frmGrafico.h"

#include "common/Ampulheta.h"
#include "common/ModuloTessaura.h"
#include "economics/planilha/Planilha.h"
#include "economics/planilha/VisaoGrafico.h"

#include <QGridLayout>
#include <QHBoxLayout>

REGISTRAR_JANELA(frmGrafico)

namespace MT = ModuloTessaura;

namespace {

// Columns of "Plan1" each chart takes its series from: X, Y, name, bubble size.
struct Colunas {
    const char* folha;
    int x, y, nome, tamanho;
};
constexpr Colunas kPC{"GrafPC", 4, 2, 1, 5};
constexpr Colunas kMP{"GrafMP", 4, 3, 1, 6};

void apagarSeries(Planilha::Pasta* pasta)
{
    if (!pasta)
        return;
    for (const char* nome : {"GrafPC", "GrafMP"})
        if (Planilha::GraficoFolha* g = pasta->Grafico(QString::fromLatin1(nome)))
            g->ApagarSeries();
}

void acrescentarSerie(Planilha::Pasta* pasta, const Colunas& c, int i)
{
    Planilha::GraficoFolha* g = pasta->Select(QString::fromLatin1(c.folha));
    if (!g)
        return;
    g->NewSeries();
    Planilha::Serie* s = g->SeriesCollection(i);
    if (!s)
        return;
    const int linha = i + 2;
    s->XValues = Planilha::Referencia(linha, c.x);
    s->Values = Planilha::Referencia(linha, c.y);
    s->Name = Planilha::Referencia(linha, c.nome);
    s->BubbleSizes = Planilha::Referencia(linha, c.tamanho);
    g->ChartType = Planilha::Codigo::GraficoBolhas;
    g->FormatarBolhaVazada(i);
}

}  // namespace

frmGrafico::frmGrafico()
{
    Label1 = new QLabel(QStringLiteral("Performance X Custos"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    QFont titulo = font();
    titulo.setPointSize(14);
    titulo.setBold(true);
    Label1->setFont(titulo);

    OLE1 = new Planilha::VisaoGrafico(this);
    OLE1->setObjectName(QStringLiteral("OLE1"));
    OLE1->setMinimumSize(320, 240);

    auto botao = [this](const char* nome, const QString& texto) {
        auto* b = new QPushButton(texto, this);
        b->setObjectName(QString::fromLatin1(nome));
        return b;
    };
    cmdMP = botao("cmdMP", QStringLiteral("Média ponderada"));
    cmdPC = botao("cmdPC", QStringLiteral("Programação de compromisso"));
    cmdVoltar = botao("cmdVoltar", QStringLiteral("Voltar"));

    Label2 = new QLabel(
        QStringLiteral("Obs.: A performance mostrada é relativa à performance da melhor alternativa"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setWordWrap(true);

    auto* botoes = new QHBoxLayout();
    botoes->addWidget(cmdMP);
    botoes->addWidget(cmdPC);
    botoes->addStretch();
    botoes->addWidget(cmdVoltar);
    auto* grade = new QGridLayout(this);
    grade->addWidget(Label1, 0, 0);
    grade->addWidget(OLE1, 1, 0);
    grade->addWidget(Label2, 2, 0);
    grade->addLayout(botoes, 3, 0);
    grade->setRowStretch(1, 1);

    connect(cmdMP, &QPushButton::clicked, this, &frmGrafico::cmdMP_Click);
    connect(cmdPC, &QPushButton::clicked, this, &frmGrafico::cmdPC_Click);
    connect(cmdVoltar, &QPushButton::clicked, this, &frmGrafico::cmdVoltar_Click);
}

void frmGrafico::Form_Activate()
{
    Ampulheta ampulheta;
    Planilha::Pasta* pasta = Planilha::xlBook();
    // Both charts emptied and drawn again from the sheet's rows: never more
    // than one series per alternative.
    apagarSeries(pasta);
    for (int i = 1; pasta && i <= MT::NumAltEco; ++i) {
        acrescentarSerie(pasta, kPC, i);
        acrescentarSerie(pasta, kMP, i);
    }
    OLE1->CreateLink(QStringLiteral("!GrafPC"));
    OLE1->setVisible(true);
}

void frmGrafico::Vincular(const QString& folha)
{
    OLE1->Desvincular();
    OLE1->CreateLink(QStringLiteral("!") + folha);
    OLE1->setVisible(true);
}

void frmGrafico::cmdPC_Click()
{
    Vincular(QStringLiteral("GrafPC"));
}

void frmGrafico::cmdMP_Click()
{
    Vincular(QStringLiteral("GrafMP"));
}

void frmGrafico::cmdVoltar_Click()
{
    apagarSeries(Planilha::xlBook());
    Janelas::Descarregar(this);
}
