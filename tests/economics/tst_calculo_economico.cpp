// The economic computation without a window: accumulated costs and the grid's
// texts, the relative columns of the worksheet, the bubble sizes and the
// workbook's series, in the comma and the point locale.
#include "Ambiente.h"

#include "economics/CalculoEconomico.h"
#include "economics/planilha/Planilha.h"

#include <QTest>
#include <cmath>

using namespace CalculoEconomico;
using A = Alternativa;

namespace {

const QStringList kLocales{QStringLiteral("pt_BR"), QStringLiteral("en_US")};

// A text written with the comma, in the test's locale.
QString local(const QString& t)
{
    return QLocale().decimalPoint() == QLatin1String(".") ? QString(t).replace(',', '.') : t;
}

// Columns A to F of a sheet row.
QVariantList linha(const Planilha::Folha& f, int r)
{
    QVariantList v;
    for (int c = 1; c <= 6; ++c)
        v << f.Celula(r, c);
    return v;
}

std::array<QVariant, 14> pesos(const QList<double>& treze)
{
    std::array<QVariant, 14> p;
    for (int i = 0; i < treze.size(); ++i)
        p[static_cast<size_t>(i + 1)] = treze[i];
    return p;
}

// The "Referência" weighting, which the reference weights equal.
const QList<double> kReferencia{10.0, 14.1, 4.9, 8.1, 7.8, 10.9, 7.7, 9.4, 5.9, 6.1, 5.1, 4.2, 5.6};

}  // namespace

class TesteCalculoEconomico : public QObject {
    Q_OBJECT
private slots:
    void custosAcumuladosNaGrade_data();
    void custosAcumuladosNaGrade();
    void colunasRelativasNaPlanilha();
    void divisoresNulosDeixamCelulaVazia();
    void fatorBolhasESeries();
};

void TesteCalculoEconomico::custosAcumuladosNaGrade_data()
{
    QTest::addColumn<double>("taxa");
    QTest::addColumn<int>("tempo");
    QTest::addColumn<QList<double>>("custos");  // CI, CO, CM, VU
    QTest::addColumn<QString>("grade");         // CI_t | CO_t | CM_t | CT, written with the comma

    QTest::newRow("exemplo 10 %, 2 anos, vida 1") << 10.0 << 2 << QList<double>{100, 10, 0, 1} << "310|21|0|331";
    QTest::newRow("taxa 0, base múltipla da vida") << 0.0 << 30 << QList<double>{1000, 50, 20, 10} << "4000|1500|600|6100";
    QTest::newRow("vida igual à base") << 10.0 << 2 << QList<double>{100, 1, 2, 2} << "210|2,1|4,2|216,3";
    QTest::newRow("troca ao fim de cada vida") << 10.0 << 6 << QList<double>{1000, 0, 0, 3} << "3820,51|0|0|3820,51";
    QTest::newRow("vida maior que a base") << 10.0 << 10 << QList<double>{500, 0, 0, 15} << "500|0|0|500";
    QTest::newRow("base não múltipla da vida") << 0.0 << 10 << QList<double>{100, 0, 0, 4} << "300|0|0|300";
    QTest::newRow("base 0") << 10.0 << 0 << QList<double>{123.456, 7, 8, 5} << "123,46|0|0|123,46";
    QTest::newRow("meio centavo ao par, abaixo") << 0.0 << 0 << QList<double>{100.125, 0, 0, 1} << "100,12|0|0|100,12";
    QTest::newRow("meio centavo ao par, acima") << 0.0 << 0 << QList<double>{100.375, 0, 0, 1} << "100,38|0|0|100,38";
}

void TesteCalculoEconomico::custosAcumuladosNaGrade()
{
    QFETCH(double, taxa);
    QFETCH(int, tempo);
    QFETCH(QList<double>, custos);
    QFETCH(QString, grade);
    for (const QString& l : kLocales) {
        Teste::Sessao s(l);
        const Resultado r = Analisar({A{"Bacia", {custos[0], custos[1], custos[2], custos[3]}, 0, 1, 1}},
                                     tempo, taxa, pesos(kReferencia));
        QCOMPARE(r.grade.size(), size_t(1));
        QCOMPARE(QStringList(r.grade[0].begin(), r.grade[0].end()).join('|'), "Bacia|" + local(grade));
    }
}

void TesteCalculoEconomico::colunasRelativasNaPlanilha()
{
    for (const QString& l : kLocales) {
        Teste::Sessao s(l);
        Planilha::Folha folha(QStringLiteral("Plan1"));
        // Left from an earlier run: inside A3:F65000 cleared, outside kept.
        const QList<QPair<int, int>> dentro{{5, 2}, {6, 1}, {65000, 6}}, fora{{2, 2}, {3, 7}, {65001, 1}};
        for (const auto& c : dentro + fora)
            folha.DefinirCelula(c.first, c.second, QStringLiteral("antes"));

        // Rate 0 and one replacement: CT 350 and 700, mean 525.
        Resultado r = Analisar({A{"A", {100, 10, 5, 10}, 0, 0.2, 4}, A{"B", {200, 20, 10, 10}, 10, 0.6, 6}},
                               10, 0, pesos(kReferencia));
        EscreverPlanilha(folha, r);
        // B: mean PerPC / PerPC; C: PerMP / mean PerMP; D: mean CT / CT; E = F: the bubble.
        QCOMPARE(linha(folha, 3), (QVariantList{"A", 2.0, 0.8, 1.5, 1.0, 1.0}));
        QCOMPARE(linha(folha, 4), (QVariantList{"B", 0.4 / 0.6, 1.2, 0.75, std::sqrt(0.01 + 1), std::sqrt(0.01 + 1)}));
        for (const auto& c : dentro)
            QVERIFY(!folha.Celula(c.first, c.second).isValid());
        QCOMPARE(folha.CelulasOcupadas(), 2 * 6 + 3);  // the two rows written, the three outside
        QVERIFY(r.semBolha.isEmpty());

        // One alternative: B and C are 1; D is 1 but for the grid's rounding of CT.
        r = Analisar({A{"Só", {100.125, 0, 0, 1}, 0, 0.3, 0.7}}, 0, 5, pesos(kReferencia));
        EscreverPlanilha(folha, r);
        QCOMPARE(linha(folha, 3), (QVariantList{"Só", 1.0, 1.0, 100.125 / 100.12, 1.0, 1.0}));
        QVERIFY(!folha.Celula(4, 1).isValid());
    }
}

void TesteCalculoEconomico::divisoresNulosDeixamCelulaVazia()
{
    Teste::Sessao s;
    Planilha::Folha folha(QStringLiteral("Plan1"));
    // PerPC 0 (best on every indicator) empties B; a total cost shown as 0 empties D.
    Resultado r = Analisar({A{"Melhor", {100, 1, 1, 1}, 0, 0, 5}, A{"Grátis", {0.001, 0, 0, 1}, 0, 0.5, 5},
                            A{"Comum", {100, 1, 1, 1}, 0, 0.5, 5}},
                           1, 0, pesos(kReferencia));
    EscreverPlanilha(folha, r);
    QVERIFY(!folha.Celula(3, 2).isValid());
    QVERIFY(folha.Celula(3, 3).isValid() && folha.Celula(3, 4).isValid());
    QCOMPARE(r.grade[1][4], QStringLiteral("0"));
    QVERIFY(!folha.Celula(4, 4).isValid() && folha.Celula(4, 2).isValid());
    QCOMPARE(r.semBolha, (QStringList{"Melhor", "Grátis"}));

    // A mean PerMP of 0 empties C of every alternative.
    r = Analisar({A{"X", {1, 1, 1, 1}, 0, 1, 0}, A{"Y", {1, 1, 1, 1}, 0, 1, 0}}, 1, 0, pesos(kReferencia));
    EscreverPlanilha(folha, r);
    QVERIFY(!folha.Celula(3, 3).isValid() && !folha.Celula(4, 3).isValid());
    QCOMPARE(r.semBolha, (QStringList{"X", "Y"}));
    QVERIFY(!folha.Celula(5, 1).isValid());
}

void TesteCalculoEconomico::fatorBolhasESeries()
{
    QList<double> metade, zeros;
    for (double k : kReferencia) {
        metade << k / 2;
        zeros << 0;
    }
    QCOMPARE(FatorPonderacao(pesos(kReferencia)), 1.0);
    QCOMPARE(FatorPonderacao(pesos(metade)), 0.5);
    QCOMPARE(FatorPonderacao(pesos(zeros)), 1.0);  // a mean of 0 gives 1
    QCOMPARE(FatorPonderacao({}), 1.0);            // no weighting handed on yet
    QCOMPARE(TamanhoBolha(30, 0.4), 0.5);
    QCOMPARE(TamanhoBolha(0, 0.5), 0.5);

    // Deleting a series moves the later ones up; one that is not there is an error.
    Planilha::Pasta p;
    Planilha::GraficoFolha* g = p.Select(QStringLiteral("GrafMP"));
    for (const char* nome : {"=Plan1!R3C1", "=Plan1!R4C1", "=Plan1!R5C1"})
        g->NewSeries().Name = QString::fromLatin1(nome);
    QVERIFY(!g->Delete(4) && g->Delete(2));
    QCOMPARE(g->SeriesCollection(2)->Name, QStringLiteral("=Plan1!R5C1"));
    g->ApagarSeries();
    QVERIFY(g->Quantidade() == 0 && p.Grafico(QStringLiteral("GrafPC"))->Quantidade() == 0);
}

TESTE_MAIN(TesteCalculoEconomico)
#include "tst_calculo_economico.moc"
