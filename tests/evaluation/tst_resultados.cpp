// The results window as a user reads it: its pages switched through the status bar, the help and notes beside the
// consequence matrix, the profile chart and its series dialog; and the sensitivity panel's tabs and variants.
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
#include <QValueAxis>
#include <QTest>

namespace MT = ModuloTessaura;
using Teste::Controle;

namespace {

// A complete alternative: Io and IH1 7,00; IH2 5,50; IS1 1,00; IS2 4,00; IQ1 7,00; the rest as the fields give.
QVariantMap alternativa(const QVariantMap& mudancas = {})
{
    QVariantMap c{{"TR", 25}, {"TRD", 25}, {"QJmin", 10}, {"Qalvo", 10}, {"Qinf", 3}, {"Qnat", 2}, {"PTD", 1},
                  {"PPI", 4}, {"IAsup", 7}, {"IAsub", 4}, {"Aapta1", 100}, {"Aapta2", 200}, {"IP", 4}, {"ARL1", 0},
                  {"ARL2", 50}, {"ICC", 4}, {"PUOF", 4}, {"Ades", 0}};
    c.insert(mudancas);
    return c;
}

// The rows in order (named "Alternativa i" unless they carry a Nome), the weighting "Hidrológica", the window shown.
frmCalculoIndices* abrir(Teste::Sessao& s, const QList<QVariantMap>& linhas)
{
    size_t j = 0;
    for (double peso : {15, 20, 15, 6, 6, 6, 6, 5, 5, 4, 4, 4, 4})
        MT::PesoPonderacao[++j] = peso;
    for (int i = 0; i < linhas.size(); ++i) {
        QVariantMap c = linhas[i];
        c["Marcador"] = QStringLiteral("alt%1").arg(i + 1);
        c["Nome"] = c.value("Nome", QStringLiteral("Alternativa %1").arg(i + 1));
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

void clicar(QWidget* w, const char* nome) { QTest::mouseClick(Controle(w, nome), Qt::LeftButton); }
void clicarPainel(int indice) { QTest::mouseClick(MT::sbStatusBar()->Painel(indice), Qt::LeftButton); }

// Which of the pages, the help panel, the opening picture and the help or the notes are shown; the panels' bevels.
QString paginas(QWidget* w)
{
    QString t;
    for (const char* f : {"Frame1", "Frame2", "Frame3", "Frame5", "Image1", "RichTextBox1", "RichTextBox2"})
        if (visivel(w, f))
            t += QString::fromLatin1(f) + ' ';
    for (int p = 3; p <= 5; ++p)
        t += MT::sbStatusBar()->Painel(p)->BevelAtual() == PainelStatus::Inset ? 'i' : 'r';
    return t;
}

// The pen widths of the chart's lines relative to the first line's, given in points.
QList<double> larguras(GraficoPerfil* g, double primeira)
{
    QList<double> l;
    for (int i = 1; i <= g->Series(); ++i)
        l << std::round(g->Serie(i)->pen().widthF() / g->Serie(1)->pen().widthF() * primeira * 100) / 100;
    return l;
}

// Each column's help, in order, separated by "|".
const QStringList kAjuda = QStringLiteral(
    "A forma de cálculo deste indicador é por meio da relação entre o tempo de retorno previsto no projeto em questão "
    "e o tempo de retorno desejável para a obra definida.|Este indicador tem a finalidade de avaliar os impactos do "
    "sistema de drenagem proposto em relação à vazão desejável de ser mantida a jusante.|Este indicador avalia as "
    "condições de recarga do aquífero para a alternativa em questão.|Este indicador avalia os impactos causados pelo "
    "sistema de drenagem proposto no que se refere à possibilidade de transmissão de doenças.|Este indicador avalia "
    "os impactos causados pelo sistema de drenagem proposto no que se refere à possibilidade da proliferação de "
    "insetos.|Este indicador avalia a sensibilidade da área frente aos impactos a serem causados pela estrutura de "
    "drenagem na qualidade das águas superficiais.|Este indicador avalia a sensibilidade da área frente aos impactos "
    "a serem causados pela estrutura de drenagem na qualidade das águas subterrâneas.|Esse indicador de inserção "
    "ambiental é calculado pela relação entre as áreas ecologicamente aptas criadas a partir da implantação de um "
    "determinado sistema de drenagem e as áreas ecologicamente aptas antes da implantação do sistema|Esse indicador "
    "avalia o impacto paisagístico causado pela implantação do sistema.|Esse indicador refere-se à criação de áreas "
    "de recreação, lazer e equipamentos urbanos pela implantação do sistema.|Esse indicador avalia o impacto nas "
    "condições de circulação causado pela implantação do sistema.|Esse indicador refere-se à possibilidade da "
    "utilização do sistema para o desempenho de outras funções técnicas.|Esse indicador refere-se à desapropriação de "
    "áreas necessária à implantação do sistema.|Classifica as alternativas segundo a média ponderada dos coeficientes "
    "e seus pesos.|Classifica as alternativas segundo a 'Programação de Compromisso' (Compromise Programming)")
                                .split('|');

}  // namespace

class TesteResultados : public QObject {
    Q_OBJECT
private slots:
    void painelDeSensibilidadeAbasEVariantes();
    void paginasAjudaEAnotacoes();
    void graficoDaJanela();
    void dialogoDeSeries();
};

void TesteResultados::painelDeSensibilidadeAbasEVariantes()
{
    Teste::Sessao s;
    PainelSensibilidade painel;
    painel.show();
    // The grids, pictures and captions shown, and the caption's text.
    auto estado = [&] {
        QStringList v;
        for (const QString& n : QStringLiteral("FlexANA11 FlexANA12 FlexANA21 FlexANA22 FlexANA31 FlexANA32 FlexANA41 "
                                               "FlexANA42 Image9 Image10 Image11 Image12 Image13 Image14 Image15 "
                                               "Image16 Label7 Label8 Label9 Label10").split(' '))
            if (Controle(&painel, n)->isVisible())
                v << n;
        return v.join(' ') + ": " + Controle<QLabel>(&painel, "Label9")->text();
    };
    auto figura = [&](const QString& nome) { return Controle<QLabel>(&painel, nome)->pixmap().cacheKey(); };

    QVERIFY(!estado().contains("FlexANA"));
    clicar(&painel, "lblAnalise3");
    QCOMPARE(estado(), QString("FlexANA32 Image13 Image14 Label9: Redução de 2 pontos ou 20% nos valores dos "
                               "indicadores para a solução de base"));
    // The second button twice: variant 1, the pictures swapped, as after one click.
    for (int vez = 0; vez < 2; ++vez) {
        clicar(&painel, "Image14");
        QCOMPARE(estado(), QString("FlexANA31 Image13 Image14 Label9: Redução de 1 ponto ou 10% nos valores dos "
                                   "indicadores para a solução de base"));
        QVERIFY(figura("Image13") == figura("Image18") && figura("Image14") == figura("Image19"));
    }
}

void TesteResultados::paginasAjudaEAnotacoes()
{
    Teste::Sessao s;
    const QString longa = QString("Bacia com vertedouro lateral. ").repeated(170);
    frmCalculoIndices* w = abrir(s, {alternativa({{"Nome", "Bacia"}, {"Anotacao", "Primeira linha\nSegunda linha"}}),
                                     alternativa({{"Nome", "Bacia"}, {"Anotacao", longa}, {"PTD", 5}}),
                                     alternativa({{"Nome", "Canal"}, {"Anotacao", ""}}),
                                     alternativa({{"Nome", "Bacia%"}})});
    QVERIFY(paginas(w).startsWith("Frame1 Image1 i"));
    clicarCelula(w, 1, 1);
    QVERIFY(paginas(w).startsWith("Frame1 Frame3 Image1 RichTextBox1 i"));
    // The help panel stays on the matrix page; back on the matrix it waits for the next click.
    const char* esperadas[] = {"Frame1 Frame3 RichTextBox1 irr", "Frame2 rir", "Frame5 rri", "Frame1 irr"};
    for (int k = 0; k < 4; ++k) {
        clicarPainel(3 + k % 3);
        QCOMPARE(paginas(w), QString(esperadas[k]));
    }
    clicarCelula(w, 2, 0);
    QCOMPARE(paginas(w), QString("Frame1 Frame3 RichTextBox1 irr"));

    // "Anotações" shows the notes; pressed again, both toggles are up and the notes stay. An activation shows the help.
    clicar(w, "ToggleButton1");
    QVERIFY(!botao(w, "ToggleButton2")->isChecked() && paginas(w) == "Frame1 Frame3 RichTextBox2 irr");
    clicar(w, "ToggleButton1");
    QVERIFY(!botao(w, "ToggleButton1")->isChecked() && !botao(w, "ToggleButton2")->isChecked() &&
            paginas(w) == "Frame1 Frame3 RichTextBox2 irr");
    Teste::MostrarOutraJanela();
    Janelas::Mostrar(w);
    QVERIFY(botao(w, "ToggleButton2")->isChecked() && paginas(w) == "Frame1 Frame3 RichTextBox1 irr");

    // "Análise econômica" shows the economic analysis' chooser modally.
    QString modal;
    Teste::AoExibirModal([&](Dialogo* d) { modal = d->objectName(); });
    clicar(w, "cmdAnaEco");
    QCOMPARE(modal, QString("frmAltEco"));

    // Each column's help and each row's own notes, the clicked cell's headers
    // in bold; the header row explains its column and names no alternative.
    const QString semNotas = "Não há anotações para esta alternativa";
    const QString notas[] = {"Primeira linha\nSegunda linha", longa, semNotas, semNotas};
    auto textos = [w] { return caixa(w, "RichTextBox1") + '|' + caixa(w, "RichTextBox2"); };
    GradeFlex* g = flex(w);
    for (int coluna = 1; coluna <= 15; ++coluna) {
        const int linha = coluna % 4 + 1;
        clicarCelula(w, linha, coluna);
        QCOMPARE(textos(), kAjuda[coluna - 1] + '|' + notas[linha - 1]);
        QVERIFY(g->Negrito(linha, 0) && g->Negrito(0, coluna) && !g->Negrito(0, 0));
        clicarCelula(w, 0, coluna % 15 + 1);
        QCOMPARE(textos(), kAjuda[coluna % 15] + '|' + semNotas);
    }
    // Column 0 leaves the help as it was; below the last row: no cell, no notes, no bold, the window goes on.
    clicarCelula(w, 2, 0);
    QVERIFY(caixa(w, "RichTextBox1") == kAjuda[0] && g->Negrito(2, 0) && g->Negrito(0, 0) && !g->Negrito(0, 1));
    QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, QPoint(5, g->viewport()->height() - 3));
    QVERIFY(caixa(w, "RichTextBox2") == semNotas && !g->Negrito(2, 0) && !g->Negrito(0, 0));

    // Another row clicked while another program holds the file: its notes, which cannot be read, are not
    // shown as none; the notes, help and headers stay as they were, with the file-in-use message. Once the
    // file is free the same click shows that row's.
    clicarCelula(w, 1, 1);
    Mensagens::LimparHistorico();
    {
        Teste::Trava trava(s.CaminhoBanco());
        clicarCelula(w, 4, 2);
    }
    const QString emUso =
        "O banco de dados \"" + s.CaminhoBanco() + "\" está em uso por outro programa. Feche-o e tente novamente.";
    QCOMPARE(textos() + '|' + Teste::TextosMostrados().join('/'), kAjuda[0] + '|' + notas[0] + '|' + emUso);
    QVERIFY(Teste::UltimaResumida() == Teste::Resumo("Análise Tessaura", Mensagens::Icone::Critico, emUso)
            && g->Negrito(1, 0) && g->Negrito(0, 1) && !g->Negrito(4, 0) && !g->Negrito(0, 2));
    clicarCelula(w, 4, 2);
    QVERIFY(textos() == kAjuda[1] + '|' + semNotas && g->Negrito(4, 0) && !g->Negrito(1, 0));
}

void TesteResultados::graficoDaJanela()
{
    // Both number formats: the chart reads the grid's texts.
    for (const char* locale : {"pt_BR", "en_US"}) {
        Teste::Sessao s(locale);
        // IS2 4, 7 and 5: the second row leads the PC ranking, the third follows.
        GraficoPerfil* g = graf(abrir(s, {alternativa({{"PPI", 4}, {"Nome", "Alternativa 3"}}),
                                          alternativa({{"PPI", 7}, {"Nome", "Alternativa 2"}}),
                                          alternativa({{"PPI", 5}, {"Nome", "Alternativa 1"}})}));
        QCOMPARE(g->Legenda(), (QStringList{"Alternativa 3", "Alternativa 2", "Alternativa 1"}));  // grid order
        QCOMPARE(larguras(g, 1.0), (QList<double>{1.0, 2.5, 1.5}));

        // The first row's IH2 5,50, IS1 1,00, IS2 4,00 and IQ1 7,00 back on -1 .. 1.
        const QLineSeries* l = g->Serie(1);
        QCOMPARE(QList<double>({l->at(2).y(), l->at(3).y(), l->at(4).y(), l->at(5).y()}),
                 QList<double>({0.5, -1, 0, 1}));
        QCOMPARE(g->Grafico()->axes(Qt::Horizontal).first()->titleText() + '|' + g->Grafico()->title(),
                 QString("Indicadores|Análise Gráfica das Alternativas"));

        // On show, the markers of the values at -1 and 1 lie whole inside the plot (a marker is three times as
        // wide as its line), and the value axis still reads -1 to 1: its range ends short of the next tick, 1,25.
        clicarPainel(5);
        QCoreApplication::processEvents();
        auto* valores = qobject_cast<QValueAxis*>(g->Grafico()->axes(Qt::Vertical).value(0));
        const QRectF area = g->Grafico()->plotArea();
        QVERIFY(valores && valores->min() > -1.25 && valores->max() < 1.25 && area.height() > 100);
        for (int i = 1; i <= g->Series(); ++i) {
            const double r = 1.5 * g->Serie(i)->pen().widthF();
            for (const QPointF& p : g->Serie(i)->points())
                QVERIFY(area.adjusted(r, r, -r, -r).contains(g->Grafico()->mapToPosition(p, g->Serie(i))));
        }
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
    // The dialog driven by the given steps each time it opens: every row's name, nothing chosen; behind it
    // the chart stays as drawn, every line and legend entry.
    std::function<void(frmSeriesGraf*)> passos;
    Teste::AoExibirModal([&](Dialogo* d) {
        auto* f = static_cast<frmSeriesGraf*>(d);
        QStringList nomes;
        for (const QListWidgetItem* i : f->List2->findItems("*", Qt::MatchWildcard))
            nomes << i->text();
        QCOMPARE(nomes, (QStringList{"Bacia", "Canal", "Bacia", "Dique"}));
        QVERIFY(f->List1->count() == 0 && g->isVisible() && g->Grafico()->series().size() == 4 &&
                Controle<QListWidget>(g, "Legenda")->count() == 4);
        passos(f);
    });
    clicarPainel(5);

    // The second "Bacia" twice and "Dique": the first "Bacia" and "Canal" lose their lines.
    passos = [&](frmSeriesGraf* f) {
        clicar(f, "Command1");  // nothing selected: nothing added
        for (int linha : {2, 2, 3})
            f->List2->setCurrentRow(linha), clicar(f, "Command1");
        QCOMPARE(f->List1->count(), 2);
        clicar(f, "CommandButton1");
    };
    clicar(w, "Command1");
    QVERIFY(!Janelas::Carregada("frmSeriesGraf") && g->Legenda().size() == 4 && linhas() == "0011");
    // Every PC equal: the first row leads and the second follows, by row, not by name.
    QCOMPARE(larguras(g, 2.5), (QList<double>{2.5, 1.5, 1.0, 1.0}));

    // A new run keeps the choice, also after a run stopped by missing data (no lines); an empty choice changes nothing.
    Teste::ResponderMensagens();
    for (const QVariant& tr : {QVariant(), QVariant(25)}) {
        Teste::Executar("UPDATE tblTessaura SET TR = ? WHERE Marcador = 'alt2'", {tr});
        Teste::MostrarOutraJanela();
        Janelas::Mostrar(w);
        QCOMPARE(linhas(), QString(tr.isNull() ? "" : "0011"));
    }
    passos = [&](frmSeriesGraf* f) { clicar(f, "CommandButton1"); };
    clicar(w, "Command1");
    QCOMPARE(linhas(), QString("0011"));

    // ">>" twice, then "<" on "Canal" and "<" with nothing selected: all but "Canal".
    passos = [&](frmSeriesGraf* f) {
        clicar(f, "Command2"), clicar(f, "Command2");
        QCOMPARE(f->List1->count(), 4);
        for (int linha : {1, -1})
            f->List1->setCurrentRow(linha), clicar(f, "Command3");
        clicar(f, "CommandButton1");
    };
    clicar(w, "Command1");
    QCOMPARE(linhas(), QString("1011"));
}

TESTE_MAIN(TesteResultados)
#include "tst_resultados.moc"
