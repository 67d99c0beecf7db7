// The results window as a user reads it: its pages switched through the
// status bar, the help and notes beside the consequence matrix, the profile
// chart and its series dialog; and the sensitivity panel's tabs and variants.
#include "Ambiente.h"

#include "common/BarraStatus.h"
#include "common/GradeFlex.h"
#include "common/ModuloTessaura.h"
#include "evaluation/GraficoPerfil.h"
#include "evaluation/PainelSensibilidade.h"
#include "evaluation/frmCalculoIndices.h"
#include "evaluation/frmSeriesGraf.h"

#include <QAbstractAxis>
#include <QChart>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTextEdit>
#include <QLineSeries>
#include <QListWidget>
#include <QValueAxis>
#include <QTest>

namespace MT = ModuloTessaura;
using Teste::Controle;

namespace {

// A complete alternative: Io and IH1 7,00; IH2 5,50; IS1 1,00; IS2 4,00;
// IQ1 7,00; the rest as the fields below give.
QVariantMap alternativa(const QVariantMap& mudancas = {})
{
    QVariantMap c{{"TR", 25},     {"TRD", 25},    {"QJmin", 10}, {"Qalvo", 10}, {"Qinf", 3},
                  {"Qnat", 2},    {"PTD", 1},     {"PPI", 4},    {"IAsup", 7},  {"IAsub", 4},
                  {"Aapta1", 100}, {"Aapta2", 200}, {"IP", 4},   {"ARL1", 0},   {"ARL2", 50},
                  {"ICC", 4},     {"PUOF", 4},    {"Ades", 0}};
    for (auto it = mudancas.begin(); it != mudancas.end(); ++it)
        c[it.key()] = it.value();
    return c;
}

// The rows in order (named "Alternativa i" unless they carry a Nome), the
// weighting "Hidrológica", the results window shown.
frmCalculoIndices* abrir(Teste::Sessao& s, const QList<QVariantMap>& linhas)
{
    const double pesos[13] = {15, 20, 15, 6, 6, 6, 6, 5, 5, 4, 4, 4, 4};
    for (int j = 0; j < 13; ++j)
        MT::PesoPonderacao[static_cast<size_t>(j + 1)] = pesos[j];
    for (int i = 0; i < linhas.size(); ++i) {
        QVariantMap c = linhas[i];
        c["Marcador"] = QStringLiteral("alt%1").arg(i + 1);
        if (!c.contains("Nome"))
            c["Nome"] = QStringLiteral("Alternativa %1").arg(i + 1);
        Teste::Inserir("tblTessaura", c);
    }
    MT::NumeroAlternativas = static_cast<short>(linhas.size());
    return s.Mostrar<frmCalculoIndices>();
}

GradeFlex* flex(QWidget* w) { return Controle<GradeFlex>(w, "Flex"); }
GraficoPerfil* graf(QWidget* w) { return Controle<GraficoPerfil>(w, "Graf"); }
QString caixa(QWidget* w, const char* nome) { return Controle<QTextEdit>(w, nome)->toPlainText(); }
bool visivel(QWidget* w, const char* nome) { return Controle(w, nome)->isVisible(); }
QPushButton* botao(QWidget* w, const char* nome) { return Controle<QPushButton>(w, nome); }

void clicarCelula(QWidget* w, int linha, int coluna)
{
    GradeFlex* g = flex(w);
    const QModelIndex i = g->model()->index(linha, coluna);
    g->scrollTo(i);
    QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, g->visualRect(i).center());
}

void clicarPainel(int indice) { QTest::mouseClick(MT::sbStatusBar()->Painel(indice), Qt::LeftButton); }

// Which of the pages and the help panel are shown, and the panels' bevels.
QString paginas(QWidget* w)
{
    QString t;
    for (const char* f : {"Frame1", "Frame2", "Frame3", "Frame5"})
        if (visivel(w, f))
            t += QString::fromLatin1(f) + ' ';
    for (int p = 3; p <= 5; ++p)
        t += MT::sbStatusBar()->Painel(p)->BevelAtual() == PainelStatus::Inset ? 'i' : 'r';
    return t;
}

// The pen widths of the chart's lines relative to the first line's, in points
// (the first line's width given).
QList<double> larguras(GraficoPerfil* g, double primeira)
{
    QList<double> l;
    for (int i = 1; i <= g->Series(); ++i)
        l << std::round(g->Serie(i)->pen().widthF() / g->Serie(1)->pen().widthF() * primeira * 100) / 100;
    return l;
}

}  // namespace

class TesteResultados : public QObject {
    Q_OBJECT
private slots:
    void painelDeSensibilidadeAbasEVariantes();
    void paginasPelaBarraDeStatus();
    void ajudaEAnotacoesPorCelula();
    void graficoDaJanela_data();
    void graficoDaJanela();
    void dialogoDeSeries();
};

void TesteResultados::painelDeSensibilidadeAbasEVariantes()
{
    Teste::Sessao s;
    PainelSensibilidade painel;
    painel.show();
    auto visiveis = [&](const QString& prefixo, const QStringList& nomes) {
        QStringList v;
        for (const QString& n : nomes)
            if (Controle(&painel, prefixo + n)->isVisible())
                v << n;
        return v;
    };
    const QStringList grades = {"11", "12", "21", "22", "31", "32", "41", "42"};
    auto figura = [&](const QString& nome) { return Controle<QLabel>(&painel, nome)->pixmap().cacheKey(); };

    QCOMPARE(visiveis("FlexANA", grades), QStringList{});
    QTest::mouseClick(Controle(&painel, "lblAnalise3"), Qt::LeftButton);
    QCOMPARE(visiveis("FlexANA", grades), QStringList{"32"});
    QCOMPARE(Controle<QLabel>(&painel, "Label9")->text(),
             "Redução de 2 pontos ou 20% nos valores dos indicadores para a solução de base");
    QCOMPARE(visiveis("Image", {"9", "10", "11", "12", "13", "14", "15", "16"}), (QStringList{"13", "14"}));
    QCOMPARE(visiveis("Label", {"7", "8", "9", "10"}), QStringList{"9"});
    // The second button twice: variant 1, the pictures swapped, as after one click.
    for (int vez = 0; vez < 2; ++vez) {
        QTest::mouseClick(Controle(&painel, "Image14"), Qt::LeftButton);
        QCOMPARE(visiveis("FlexANA", grades), QStringList{"31"});
        QCOMPARE(Controle<QLabel>(&painel, "Label9")->text(),
                 "Redução de 1 ponto ou 10% nos valores dos indicadores para a solução de base");
        QVERIFY(figura("Image13") == figura("Image18") && figura("Image14") == figura("Image19"));
    }
}

void TesteResultados::paginasPelaBarraDeStatus()
{
    Teste::Sessao s;
    frmCalculoIndices* w = abrir(s, {alternativa(), alternativa({{"PTD", 5}})});
    QVERIFY(paginas(w).startsWith("Frame1 i") && visivel(w, "Image1"));
    clicarCelula(w, 1, 1);
    QVERIFY(paginas(w).startsWith("Frame1 Frame3 i"));
    // The help panel stays on the matrix page; back on the matrix it waits for the next click.
    const QString esperadas[] = {"Frame1 Frame3 irr", "Frame2 rir", "Frame5 rri", "Frame1 irr"};
    int k = 0;
    for (int painel : {3, 4, 5, 3}) {
        clicarPainel(painel);
        QCOMPARE(paginas(w), esperadas[k++]);
        QVERIFY(!visivel(w, "Image1"));
    }
    clicarCelula(w, 2, 0);
    QCOMPARE(paginas(w), QString("Frame1 Frame3 irr"));

    // "Anotações" shows the notes; pressed again, both toggles are released
    // and the notes stay. An activation goes back to the help.
    QTest::mouseClick(botao(w, "ToggleButton1"), Qt::LeftButton);
    QVERIFY(!botao(w, "ToggleButton2")->isChecked() && visivel(w, "RichTextBox2") && !visivel(w, "RichTextBox1"));
    QTest::mouseClick(botao(w, "ToggleButton1"), Qt::LeftButton);
    QVERIFY(!botao(w, "ToggleButton1")->isChecked() && !botao(w, "ToggleButton2")->isChecked());
    QVERIFY(visivel(w, "RichTextBox2"));
    Teste::MostrarOutraJanela();
    Janelas::Mostrar(w);
    QVERIFY(botao(w, "ToggleButton2")->isChecked() && visivel(w, "RichTextBox1") && !visivel(w, "RichTextBox2"));
    QCOMPARE(paginas(w), QString("Frame1 Frame3 irr"));

    // "Análise econômica" shows the economic analysis' chooser modally.
    QString modal;
    Teste::AoExibirModal([&](Dialogo* d) { modal = d->objectName(); });
    QTest::mouseClick(botao(w, "cmdAnaEco"), Qt::LeftButton);
    QCOMPARE(modal, QString("frmAltEco"));
}

void TesteResultados::ajudaEAnotacoesPorCelula()
{
    const QString textos[] = {
        "A forma de cálculo deste indicador é por meio da relação entre o tempo de retorno previsto no projeto "
        "em questão e o tempo de retorno desejável para a obra definida.",
        "Este indicador tem a finalidade de avaliar os impactos do sistema de drenagem proposto em relação à "
        "vazão desejável de ser mantida a jusante.",
        "Este indicador avalia as condições de recarga do aquífero para a alternativa em questão.",
        "Este indicador avalia os impactos causados pelo sistema de drenagem proposto no que se refere à "
        "possibilidade de transmissão de doenças.",
        "Este indicador avalia os impactos causados pelo sistema de drenagem proposto no que se refere à "
        "possibilidade da proliferação de insetos.",
        "Este indicador avalia a sensibilidade da área frente aos impactos a serem causados pela estrutura de "
        "drenagem na qualidade das águas superficiais.",
        "Este indicador avalia a sensibilidade da área frente aos impactos a serem causados pela estrutura de "
        "drenagem na qualidade das águas subterrâneas.",
        "Esse indicador de inserção ambiental é calculado pela relação entre as áreas ecologicamente aptas "
        "criadas a partir da implantação de um determinado sistema de drenagem e as áreas ecologicamente aptas "
        "antes da implantação do sistema",
        "Esse indicador avalia o impacto paisagístico causado pela implantação do sistema.",
        "Esse indicador refere-se à criação de áreas de recreação, lazer e equipamentos urbanos pela "
        "implantação do sistema.",
        "Esse indicador avalia o impacto nas condições de circulação causado pela implantação do sistema.",
        "Esse indicador refere-se à possibilidade da utilização do sistema para o desempenho de outras funções "
        "técnicas.",
        "Esse indicador refere-se à desapropriação de áreas necessária à implantação do sistema.",
        "Classifica as alternativas segundo a média ponderada dos coeficientes e seus pesos.",
        "Classifica as alternativas segundo a 'Programação de Compromisso' (Compromise Programming)",
    };
    Teste::Sessao s;
    const QString longa = QString("Bacia com vertedouro lateral. ").repeated(170);
    frmCalculoIndices* w = abrir(s, {alternativa({{"Nome", "Bacia"}, {"Anotacao", "Primeira linha\nSegunda linha"}}),
                                     alternativa({{"Nome", "Bacia"}, {"Anotacao", longa}}),
                                     alternativa({{"Nome", "Canal"}, {"Anotacao", ""}}),
                                     alternativa({{"Nome", "Bacia%"}})});
    const QString semNotas = "Não há anotações para esta alternativa";
    const QString notas[] = {"Primeira linha\nSegunda linha", longa, semNotas, semNotas};
    GradeFlex* g = flex(w);
    // Each column's help and each row's own notes, the clicked cell's headers
    // in bold; the header row explains its column and names no alternative.
    for (int coluna = 1; coluna <= 15; ++coluna) {
        const int linha = coluna % 4 + 1;
        clicarCelula(w, linha, coluna);
        QCOMPARE(caixa(w, "RichTextBox1"), textos[coluna - 1]);
        QCOMPARE(caixa(w, "RichTextBox2"), notas[linha - 1]);
        QVERIFY(g->Negrito(linha, 0) && g->Negrito(0, coluna) && !g->Negrito(0, 0));
        clicarCelula(w, 0, coluna % 15 + 1);
        QCOMPARE(caixa(w, "RichTextBox1"), textos[coluna % 15]);
        QCOMPARE(caixa(w, "RichTextBox2"), semNotas);
    }
    // Column 0 leaves the help as it was.
    clicarCelula(w, 2, 0);
    QCOMPARE(caixa(w, "RichTextBox1"), textos[0]);
    QVERIFY(g->Negrito(2, 0) && g->Negrito(0, 0) && !g->Negrito(0, 1));
    // Below the last row: no cell, no notes, no bold, the window goes on.
    QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, QPoint(5, g->viewport()->height() - 3));
    QCOMPARE(caixa(w, "RichTextBox2"), semNotas);
    QVERIFY(!g->Negrito(2, 0) && !g->Negrito(0, 0));
}

void TesteResultados::graficoDaJanela_data()
{
    QTest::addColumn<QString>("locale");
    QTest::newRow("vírgula") << "pt_BR";
    QTest::newRow("ponto") << "en_US";
}

void TesteResultados::graficoDaJanela()
{
    QFETCH(QString, locale);
    Teste::Sessao s(locale);
    // IS2 4, 7 and 5: the second row leads the PC ranking, the third follows.
    frmCalculoIndices* w = abrir(s, {alternativa({{"PPI", 4}, {"Nome", "Alternativa 3"}}),
                                     alternativa({{"PPI", 7}, {"Nome", "Alternativa 2"}}),
                                     alternativa({{"PPI", 5}, {"Nome", "Alternativa 1"}})});
    GraficoPerfil* g = graf(w);
    QCOMPARE(g->Legenda(), (QStringList{"Alternativa 3", "Alternativa 2", "Alternativa 1"}));  // grid order
    QCOMPARE(larguras(g, 1.0), (QList<double>{1.0, 2.5, 1.5}));

    // The first row's IH2 5,50, IS1 1,00, IS2 4,00 and IQ1 7,00 back on -1 .. 1.
    QLineSeries* primeira = g->Serie(1);
    QCOMPARE(QList<double>({primeira->at(2).y(), primeira->at(3).y(), primeira->at(4).y(), primeira->at(5).y()}),
             QList<double>({0.5, -1.0, 0.0, 1.0}));
    QCOMPARE(g->Grafico()->axes(Qt::Horizontal).first()->titleText(), QString("Indicadores"));
    QCOMPARE(g->Grafico()->title(), QString("Análise Gráfica das Alternativas"));

    // On show, the markers of the values at -1 and 1 lie whole inside the plot
    // (a marker is three times as wide as its line), and the value axis still
    // reads -1 to 1: its range ends short of the next tick, 1,25.
    clicarPainel(5);
    QCoreApplication::processEvents();
    auto* valores = qobject_cast<QValueAxis*>(g->Grafico()->axes(Qt::Vertical).value(0));
    QVERIFY(valores && valores->min() > -1.25 && valores->max() < 1.25);
    const QRectF area = g->Grafico()->plotArea();
    QVERIFY(area.height() > 100);
    for (int i = 1; i <= g->Series(); ++i) {
        const double r = 1.5 * g->Serie(i)->pen().widthF();
        for (const QPointF& p : g->Serie(i)->points())
            QVERIFY(area.adjusted(r, r, -r, -r).contains(g->Grafico()->mapToPosition(p, g->Serie(i))));
    }
}

void TesteResultados::dialogoDeSeries()
{
    Teste::Sessao s;
    frmCalculoIndices* w = abrir(s, {alternativa({{"Nome", "Bacia"}}), alternativa({{"Nome", "Canal"}}),
                                     alternativa({{"Nome", "Bacia"}}), alternativa({{"Nome", "Dique"}})});
    GraficoPerfil* g = graf(w);
    auto linhas = [g] {
        QString t;
        for (int i = 1; i <= g->Series(); ++i)
            t += g->LinhaVisivel(i) ? '1' : '0';
        return t;
    };
    // The dialog driven by the given steps each time it opens.
    std::function<void(frmSeriesGraf*)> passos;
    QStringList abertoCom;
    Teste::AoExibirModal([&](Dialogo* d) {
        auto* f = static_cast<frmSeriesGraf*>(d);
        abertoCom.clear();
        for (int i = 0; i < f->List2->count(); ++i)
            abertoCom << f->List2->item(i)->text();
        QCOMPARE(f->List1->count(), 0);
        // Behind the dialog the chart stays as drawn: every line and legend entry.
        const int n = g->Grafico()->series().size();
        QVERIFY(g->isVisible() && n == f->List2->count() && Controle<QListWidget>(g, "Legenda")->count() == n);
        passos(f);
    });
    auto clicar = [](frmSeriesGraf* f, const char* nome) { QTest::mouseClick(Controle(f, nome), Qt::LeftButton); };
    auto reexecutar = [w] {
        Teste::MostrarOutraJanela();
        Janelas::Mostrar(w);
    };
    clicarPainel(5);

    // The second "Bacia" twice and "Dique": the first "Bacia" and "Canal" lose their lines.
    passos = [&](frmSeriesGraf* f) {
        clicar(f, "Command1");  // nothing selected: nothing added
        f->List2->setCurrentRow(2);
        clicar(f, "Command1");
        clicar(f, "Command1");
        f->List2->setCurrentRow(3);
        clicar(f, "Command1");
        QCOMPARE(f->List1->count(), 2);
        clicar(f, "CommandButton1");
    };
    QTest::mouseClick(Controle(w, "Command1"), Qt::LeftButton);
    QCOMPARE(abertoCom, (QStringList{"Bacia", "Canal", "Bacia", "Dique"}));
    QVERIFY(!Janelas::Carregada("frmSeriesGraf"));
    QCOMPARE(linhas(), QString("0011"));
    QCOMPARE(g->Legenda().size(), 4);
    // Every PC equal: the first row leads and the second follows, by row, not by name.
    QCOMPARE(larguras(g, 2.5), (QList<double>{2.5, 1.5, 1.0, 1.0}));

    // A new run keeps the choice, also after a run stopped by missing data
    // that drew nothing; an empty choice changes nothing.
    reexecutar();
    QCOMPARE(linhas(), QString("0011"));
    Teste::ResponderMensagens();
    Teste::Executar("UPDATE tblTessaura SET TR = NULL WHERE Marcador = 'alt2'");
    reexecutar();
    QCOMPARE(g->Series(), 0);
    Teste::Executar("UPDATE tblTessaura SET TR = 25 WHERE Marcador = 'alt2'");
    reexecutar();
    QCOMPARE(linhas(), QString("0011"));
    passos = [&](frmSeriesGraf* f) { clicar(f, "CommandButton1"); };
    QTest::mouseClick(Controle(w, "Command1"), Qt::LeftButton);
    QCOMPARE(linhas(), QString("0011"));

    // ">>" twice, then "<" on "Canal" and "<" with nothing selected: all but "Canal".
    passos = [&](frmSeriesGraf* f) {
        clicar(f, "Command2");
        clicar(f, "Command2");
        QCOMPARE(f->List1->count(), 4);
        f->List1->setCurrentRow(1);
        clicar(f, "Command3");
        f->List1->setCurrentRow(-1);
        clicar(f, "Command3");
        clicar(f, "CommandButton1");
    };
    QTest::mouseClick(Controle(w, "Command1"), Qt::LeftButton);
    QCOMPARE(linhas(), QString("1011"));
}

QTEST_MAIN(TesteResultados)
#include "tst_resultados.moc"
