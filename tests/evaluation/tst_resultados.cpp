// The results window's pieces: the profile chart's lines and pens, and the
// sensitivity panel's tabs and variants.
#include "Ambiente.h"

#include "evaluation/GraficoPerfil.h"
#include "evaluation/PainelSensibilidade.h"

#include <QLabel>
#include <QLineSeries>
#include "common/GradeFlex.h"
#include <QTest>

using Teste::Controle;

namespace {

const QStringList kCodigos = {"Io",  "IH1", "IH2",  "IS1",  "IS2",  "IQ1", "IQ2",
                              "IA1", "IA2", "ISC1", "ISC2", "ISC3", "ISC4"};

GraficoPerfil::Alternativa alternativa(qint64 id, const QString& nome, double valor)
{
    GraficoPerfil::Alternativa a;
    a.id = id;
    a.nome = nome;
    a.valores.fill(valor);
    return a;
}

QStringList legenda(GraficoPerfil& g) { return g.Legenda(); }

}  // namespace

class TesteResultados : public QObject {
    Q_OBJECT
private slots:
    void canetasPelaPosicaoNaProgramacaoDeCompromisso_data();
    void canetasPelaPosicaoNaProgramacaoDeCompromisso();
    void linhasNaOrdemDaGradeELinhaOcultaMantidaPelaLinhaDaTabela();
    void painelDeSensibilidadeAbasEVariantes();
};

void TesteResultados::canetasPelaPosicaoNaProgramacaoDeCompromisso_data()
{
    QTest::addColumn<QStringList>("nomes");       // rows 1..n in grid order
    QTest::addColumn<QList<qint64>>("ordemPC");  // rows, leader first
    QTest::addColumn<QList<double>>("larguras");  // in grid order
    QTest::newRow("três") << QStringList{"A", "B", "C"} << QList<qint64>{3, 1, 2}
                          << QList<double>{1.5, 1.0, 2.5};
    QTest::newRow("duas") << QStringList{"A", "B"} << QList<qint64>{2, 1} << QList<double>{1.5, 2.5};
    QTest::newRow("uma") << QStringList{"A"} << QList<qint64>{1} << QList<double>{2.5};
    // The pen follows the row, not the name.
    QTest::newRow("nomes iguais") << QStringList{"Mesmo", "Mesmo", "Outro", "Mesmo"}
                                  << QList<qint64>{2, 3, 1, 4} << QList<double>{1.0, 2.5, 1.5, 1.0};
}

void TesteResultados::canetasPelaPosicaoNaProgramacaoDeCompromisso()
{
    QFETCH(QStringList, nomes);
    QFETCH(QList<qint64>, ordemPC);
    QFETCH(QList<double>, larguras);
    std::vector<GraficoPerfil::Alternativa> linhas;
    for (int i = 0; i < nomes.size(); ++i)
        linhas.push_back(alternativa(i + 1, nomes[i], 0.0));
    const auto series = GraficoPerfil::Montar(linhas, {ordemPC.begin(), ordemPC.end()});
    QList<double> obtidas;
    for (const auto& s : series)
        obtidas << s.larguraPontos;
    QCOMPARE(obtidas, larguras);

    // Drawn: the leader's line is the heaviest, the runner-up's next.
    Teste::Sessao sessao;
    GraficoPerfil g;
    g.Preencher(kCodigos, linhas, {ordemPC.begin(), ordemPC.end()});
    for (int i = 1; i <= g.Series(); ++i)
        QCOMPARE(g.Serie(i)->pen().widthF() / larguras[i - 1], g.Serie(1)->pen().widthF() / larguras[0]);
}

void TesteResultados::linhasNaOrdemDaGradeELinhaOcultaMantidaPelaLinhaDaTabela()
{
    Teste::Sessao s;
    GraficoPerfil g;
    GraficoPerfil::Alternativa a = alternativa(7, "Bacia", 0.0);
    a.valores = {-1.0, 0.0, 0.5, 1.0, -0.33, 0.67, 0, 0, 0, 0, 0, 0, -1.0};
    g.Preencher(kCodigos, {a, alternativa(8, "Canal", 1.0), alternativa(9, "Bacia", -1.0)}, {9, 8, 7});

    QCOMPARE(g.Series(), 3);
    QCOMPARE(legenda(g), (QStringList{"Bacia", "Canal", "Bacia"}));  // grid order, not ranking order
    QLineSeries* primeira = g.Serie(1);
    QCOMPARE(primeira->count(), 13);
    QList<double> valores;
    for (const QPointF& p : primeira->points())
        valores << p.y();
    QCOMPARE(valores, (QList<double>{-1.0, 0.0, 0.5, 1.0, -0.33, 0.67, 0, 0, 0, 0, 0, 0, -1.0}));

    // The second "Bacia" hidden: its legend entry stays; a fill in another
    // order keeps that row's line hidden and the first "Bacia" shown.
    g.MostrarLinha(3, false);
    QVERIFY(g.LinhaVisivel(1));
    QVERIFY(!g.LinhaVisivel(3));
    QCOMPARE(legenda(g), (QStringList{"Bacia", "Canal", "Bacia"}));
    g.Preencher(kCodigos, {alternativa(9, "Bacia", 0.0), alternativa(7, "Bacia", 0.0), alternativa(8, "Canal", 0.0)},
                {7, 8, 9});
    QCOMPARE(legenda(g), (QStringList{"Bacia", "Bacia", "Canal"}));
    QVERIFY(!g.LinhaVisivel(1));
    QVERIFY(g.LinhaVisivel(2));
    QVERIFY(g.LinhaVisivel(3));
    g.MostrarLinha(1, true);
    g.Preencher(kCodigos, {alternativa(9, "Bacia", 0.0)}, {9});
    QVERIFY(g.LinhaVisivel(1));
}

void TesteResultados::painelDeSensibilidadeAbasEVariantes()
{
    Teste::Sessao s;
    PainelSensibilidade painel;
    painel.show();
    auto clicar = [&](const QString& nome) { QTest::mouseClick(Controle(&painel, nome), Qt::LeftButton); };
    auto visiveis = [&](const QString& prefixo, const QStringList& nomes) {
        QStringList v;
        for (const QString& n : nomes)
            if (Controle(&painel, prefixo + n)->isVisible())
                v << n;
        return v;
    };
    const QStringList grades = {"11", "12", "21", "22", "31", "32", "41", "42"};
    const QStringList botoes = {"9", "10", "11", "12", "13", "14", "15", "16"};
    const QStringList legendas = {"7", "8", "9", "10"};
    auto figura = [&](const QString& nome) { return Controle<QLabel>(&painel, nome)->pixmap().cacheKey(); };

    QCOMPARE(visiveis("FlexANA", grades), QStringList{});
    clicar("lblAnalise3");
    QCOMPARE(visiveis("FlexANA", grades), QStringList{"32"});
    QCOMPARE(Controle<QLabel>(&painel, "Label9")->text(),
             "Redução de 2 pontos ou 20% nos valores dos indicadores para a solução de base");
    QCOMPARE(visiveis("Image", botoes), (QStringList{"13", "14"}));
    QCOMPARE(visiveis("Label", legendas), QStringList{"9"});
    QCOMPARE(figura("Image5"), figura("Image7"));
    QCOMPARE(figura("Image3"), figura("Image8"));

    // The second button twice: variant 1, the pictures swapped, as after one click.
    for (int vez = 0; vez < 2; ++vez) {
        clicar("Image14");
        QCOMPARE(visiveis("FlexANA", grades), QStringList{"31"});
        QCOMPARE(Controle<QLabel>(&painel, "Label9")->text(),
                 "Redução de 1 ponto ou 10% nos valores dos indicadores para a solução de base");
        QCOMPARE(figura("Image13"), figura("Image18"));
        QCOMPARE(figura("Image14"), figura("Image19"));
    }

    // Analysis 4 steps by 1 and 0,5 points.
    clicar("lblAnalise4");
    QCOMPARE(visiveis("FlexANA", grades), QStringList{"42"});
    QCOMPARE(visiveis("Image", botoes), (QStringList{"15", "16"}));
    QCOMPARE(Controle<QLabel>(&painel, "Label10")->text(), "Aumento de 1 ponto no peso do indicador");
    clicar("Image16");
    QCOMPARE(visiveis("FlexANA", grades), QStringList{"41"});
    QCOMPARE(Controle<QLabel>(&painel, "Label10")->text(), "Aumento de 0,5 ponto no peso do indicador");
}

QTEST_MAIN(TesteResultados)
#include "tst_resultados.moc"
