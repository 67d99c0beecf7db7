// The evaluation's arithmetic without a window: the indicator formulas and
// scale maps on worked examples, two-decimal rounding of exact halves, the
// reference spans of the compromise distance and both rankings.
#include "common/Escala.h"
#include "common/Numeros.h"
#include "evaluation/Avaliacao.h"
#include "evaluation/Indicadores.h"

#include <QLocale>
#include <QTest>
#include <functional>

using namespace Indicadores;
using Formula = std::function<Valor()>;
using V = std::vector<double>;
using P = std::vector<int>;
Q_DECLARE_METATYPE(Formula)
Q_DECLARE_METATYPE(Valor)
Q_DECLARE_METATYPE(std::vector<double>)
Q_DECLARE_METATYPE(std::vector<int>)

class TesteIndicadores : public QObject {
    Q_OBJECT
private slots:
    void formulas_data();
    void formulas();
    void mapasDeEscala();
    void arredondamento_data();
    void arredondamento();
    void faixaDeReferencia_data();
    void faixaDeReferencia();
    void classificacoes_data();
    void classificacoes();
};

void TesteIndicadores::formulas_data()
{
    QTest::addColumn<Formula>("formula");
    QTest::addColumn<Valor>("esperado");
    static const Valor nulo;
    auto linha = [](const char* nome, Formula f, Valor v) {
        QTest::newRow(nome) << f << v;
    };
    linha("Io igual", [] { return CalcularIo(25, 25); }, 1.0);
    linha("Io 10/25", [] { return CalcularIo(10, 25); }, 0.4);
    linha("Io acima", [] { return CalcularIo(50, 25); }, 1.0);
    linha("Io sem desejado", [] { return CalcularIo(0, 0); }, 1.0);
    linha("Io ausente", [] { return CalcularIo(10, nulo); }, nulo);
    linha("IH1 ambas", [] { return CalcularIH1(u"3", 8, 12, 10); }, 0.81666666666666665);
    linha("IH1 mínima igual", [] { return CalcularIH1(u"1", 10, nulo, 10); }, 1.0);
    linha("IH1 mínima abaixo", [] { return CalcularIH1(u"1", 5, nulo, 10); }, 0.5);
    linha("IH1 máxima igual", [] { return CalcularIH1(u"2", nulo, 10, 10); }, 1.0);
    linha("IH1 máxima acima", [] { return CalcularIH1(u"2", nulo, 16, 10); }, 0.625);
    linha("IH1 tipo 4", [] { return CalcularIH1(u"4", 8, 12, 10); }, nulo);
    linha("IH2 dobro", [] { return CalcularIH2(14, 7); }, 1.0);
    linha("IH2 nada", [] { return CalcularIH2(0, 7); }, -1.0);
    linha("IH2 igual", [] { return CalcularIH2(7, 7); }, 0.0);
    linha("IA1 dobro", [] { return CalcularIA1(40, 80); }, 1.0);
    linha("IA1 nada depois", [] { return CalcularIA1(40, 0); }, -1.0);
    linha("IA1 nada antes nem depois", [] { return CalcularIA1(0, 0); }, 1.0);
    linha("ISC1 nada antes", [] { return CalcularISC1(0, 50, 200); }, 0.25);
    linha("ISC1 metade", [] { return CalcularISC1(100, 150, 200); }, 0.5);
    linha("ISC1 mais que o dobro", [] { return CalcularISC1(100, 250, 300); }, 1.0);
    linha("ISC1 nenhuma área", [] { return CalcularISC1(0, 0, 0); }, 0.0);
    linha("ISC4 nada", [] { return CalcularISC4(0, 300); }, 0.0);
    linha("ISC4 maior", [] { return CalcularISC4(300, 300); }, -1.0);
    linha("ISC4 quarto", [] { return CalcularISC4(75, 300); }, -0.25);
    linha("ISC4 ninguém", [] { return CalcularISC4(0, 0); }, 0.0);
}

void TesteIndicadores::formulas()
{
    QFETCH(Formula, formula);
    QFETCH(Valor, esperado);
    const Valor v = formula();
    QCOMPARE(v.has_value(), esperado.has_value());
    if (v)
        QCOMPARE(*v, *esperado);
    else
        QCOMPARE(Arredondar(v), 0.0);  // an absent value counts as 0
}

void TesteIndicadores::mapasDeEscala()
{
    // x, its rating, and what the caller's variable holds afterwards.
    const double ida[][3] = {{-1, 1, -1}, {0, 4, 0}, {1, 7, 1}, {0.33, 4.99, 0.33000001311302185},
                             {-0.5, 2.5, -0.5}, {0.5, 5.5, 0.5}};
    for (const auto& c : ida) {
        double x = c[0];
        QCOMPARE(Numeros::ArredondarDuasCasas(Escala::EscalaParaNota(x)), c[1]);
        QCOMPARE(x, c[2]);
    }
    const double volta[][2] = {{7, 1}, {4, 0}, {1, -1}, {5.5, 0.5}, {4.99, 0.32999992370605469}};
    for (const auto& c : volta) {
        double r = c[0];
        QCOMPARE(Escala::NotaParaEscala(r), c[1]);
        QCOMPARE(r, static_cast<double>(static_cast<float>(c[0])));
    }
}

void TesteIndicadores::arredondamento_data()
{
    QTest::addColumn<double>("valor");
    QTest::addColumn<QString>("virgula");
    QTest::addColumn<QString>("ponto");
    QTest::newRow("0,125") << 0.125 << "0,12" << "0.12";
    QTest::newRow("0,375") << 0.375 << "0,38" << "0.38";
    QTest::newRow("0,625") << 0.625 << "0,62" << "0.62";
    QTest::newRow("-0,125") << -0.125 << "-0,12" << "-0.12";
    QTest::newRow("0,155 guardado abaixo") << 0.155 << "0,15" << "0.15";
    QTest::newRow("2,345 guardado acima") << 2.345 << "2,35" << "2.35";
    QTest::newRow("1,005 guardado abaixo") << 1.005 << "1,00" << "1.00";
    QTest::newRow("quase zero negativo") << -0.001 << "0,00" << "0.00";
    QTest::newRow("inteiro") << 4.0 << "4,00" << "4.00";
    QTest::newRow("sem grupos") << 12345.678 << "12345,68" << "12345.68";
}

void TesteIndicadores::arredondamento()
{
    QFETCH(double, valor);
    QFETCH(QString, virgula);
    QFETCH(QString, ponto);
    const QLocale antes;
    QLocale::setDefault(QLocale(QStringLiteral("pt_BR")));
    QCOMPARE(Numeros::FormatarDuasCasas(valor), virgula);
    bool ok = false;
    QCOMPARE(Numeros::ArredondarDuasCasas(valor), QLocale().toDouble(virgula, &ok));
    QCOMPARE(Arredondar(valor), QLocale().toDouble(virgula, &ok));
    QLocale::setDefault(QLocale(QStringLiteral("en_US")));
    QCOMPARE(Numeros::FormatarDuasCasas(valor), ponto);
    QLocale::setDefault(antes);
}

void TesteIndicadores::faixaDeReferencia_data()
{
    QTest::addColumn<std::vector<double>>("valores");
    QTest::addColumn<double>("melhor");
    QTest::addColumn<double>("pior");
    QTest::newRow("afastados") << V{5.2, 7, 5.86} << 7.0 << 5.2;
    QTest::newRow("todos 4") << V{4, 4, 4} << 5.0 << 4.0;
    QTest::newRow("todos 7") << V{7, 7} << 7.0 << 6.0;
    QTest::newRow("todos 1") << V{1, 1} << 2.0 << 1.0;
    QTest::newRow("5,02 e 4,95") << V{5.02, 4.95} << 5.0 << 4.0;
    QTest::newRow("5,10 e 5,00") << V{5.1, 5.0} << 6.0 << 5.0;
    QTest::newRow("2,10 e 2,00") << V{2.1, 2.0} << 2.1 << 2.0;
    QTest::newRow("6,95 e 7,00") << V{6.95, 7.0} << 7.0 << 6.0;
    QTest::newRow("uma só") << V{3.25} << 4.0 << 3.0;
}

void TesteIndicadores::faixaDeReferencia()
{
    QFETCH(std::vector<double>, valores);
    QFETCH(double, melhor);
    QFETCH(double, pior);
    const Avaliacao::Faixa f = Avaliacao::MelhorEPior(valores);
    QCOMPARE(f.melhor, melhor);
    QCOMPARE(f.pior, pior);
}

void TesteIndicadores::classificacoes_data()
{
    QTest::addColumn<std::vector<double>>("valores");
    QTest::addColumn<std::vector<int>>("mp");
    QTest::addColumn<std::vector<int>>("pc");
    QTest::newRow("distintos") << V{5.2, 4.8} << P{0, 1} << P{1, 0};
    QTest::newRow("iguais") << V{3, 3, 3} << P{0, 1, 2} << P{0, 1, 2};
    QTest::newRow("30, 30, 10") << V{30, 30, 10} << P{0, 1, 2} << P{2, 1, 0};
    QTest::newRow("9,80 e 45,00") << V{9.8, 45} << P{1, 0} << P{0, 1};
    QTest::newRow("negativos") << V{-0.2, 0, -0.1} << P{1, 2, 0} << P{0, 2, 1};
    QTest::newRow("nenhum") << V{} << P{} << P{};
}

void TesteIndicadores::classificacoes()
{
    QFETCH(std::vector<double>, valores);
    QFETCH(std::vector<int>, mp);
    QFETCH(std::vector<int>, pc);
    QCOMPARE(Avaliacao::Classificar(valores), mp);
    QCOMPARE(Avaliacao::ClassificarPC(valores), pc);
}

QTEST_MAIN(TesteIndicadores)
#include "tst_indicadores.moc"
