// The in-memory workbook: cells and clearing, references read live, series
// added and deleted.
#include "economics/planilha/Planilha.h"

#include <QSet>
#include <QTest>

using namespace Planilha;

class TestePlanilha : public QObject {
    Q_OBJECT
private slots:
    void celulasELimpeza();
    void referenciasLidasNaHora();
    void seriesEFormato();
};

void TestePlanilha::celulasELimpeza()
{
    Folha f(QStringLiteral("Plan1"));
    const QList<QPair<int, int>> dentro{{3, 1}, {3, 6}, {65000, 6}, {40, 4}};
    const QList<QPair<int, int>> fora{{1, 1}, {2, 6}, {3, 7}, {65001, 1}};
    for (const auto& c : dentro + fora)
        f.DefinirCelula(c.first, c.second, 2.5);
    f.DefinirCelula(3, 1, QStringLiteral("Bacia"));  // text replaces the number
    QCOMPARE(f.Celula(3, 1), QVariant("Bacia"));
    f.DefinirCelula(0, 1, 1.0);      // outside the sheet: ignored
    f.DefinirCelula(1, 257, 1.0);
    QCOMPARE(f.CelulasOcupadas(), 8);

    QVERIFY(f.ClearContents(QStringLiteral("A3:F65000")));
    for (const auto& c : dentro)
        QVERIFY(!f.Celula(c.first, c.second).isValid());
    for (const auto& c : fora)
        QCOMPARE(f.Celula(c.first, c.second), QVariant(2.5));
    QVERIFY(!f.ClearContents(QStringLiteral("A3:F")));
    QCOMPARE(f.CelulasOcupadas(), 4);
}

void TestePlanilha::referenciasLidasNaHora()
{
    Pasta p;
    Folha* plan = p.Planilha(QStringLiteral("Plan1"));
    QVERIFY(plan && p.Grafico(QStringLiteral("GrafPC")) && p.Grafico(QStringLiteral("GrafMP")));
    plan->DefinirCelula(3, 4, 1.25);
    plan->DefinirCelula(12, 1, QStringLiteral("Canal"));
    QCOMPARE(p.Resolver(QStringLiteral("=Plan1!R3C4")), QVariant(1.25));
    QCOMPARE(p.Resolver(Referencia(12, 1)), QVariant("Canal"));
    plan->DefinirCelula(3, 4, 0.5);  // the series sees the cell as it is now
    QCOMPARE(p.Resolver(QStringLiteral("=Plan1!R3C4")), QVariant(0.5));
    plan->ClearContents(QStringLiteral("A3:F65000"));
    QVERIFY(!p.Resolver(QStringLiteral("=Plan1!R3C4")).isValid());
    QVERIFY(!p.Resolver(QStringLiteral("=Plan2!R12C1")).isValid());
}

// Series each of its own colour; deleting one moves the later ones up.
void TestePlanilha::seriesEFormato()
{
    Pasta p;
    GraficoFolha* g = p.Select(QStringLiteral("GrafMP"));
    QCOMPARE(p.ActiveChart(), g);
    QSet<QRgb> cores;
    for (int i = 1; i <= 12; ++i) {
        g->NewSeries();
        cores.insert(g->SeriesCollection(i)->CorInterior.rgb());
    }
    QCOMPARE(cores.size(), 12);
    const QColor segunda = g->SeriesCollection(2)->CorInterior;
    QVERIFY(!g->Delete(13));  // an error the caller ignores
    QVERIFY(g->Delete(1));
    QCOMPARE(g->SeriesCollection(1)->CorInterior, segunda);
    g->ApagarSeries();
    QCOMPARE(g->Quantidade(), 0);
    QCOMPARE(p.Grafico(QStringLiteral("GrafPC"))->Quantidade(), 0);
}

QTEST_MAIN(TestePlanilha)
#include "tst_planilha.moc"
