// The impact map from the row to the page, and the items' completeness rules.
#include "Ambiente.h"

#include "common/Banco.h"
#include "entry/MapaImpacto.h"

#include <QTest>

using namespace MapaImpacto;
using Banco::Recordset;
using Banco::RecordsetPtr;

namespace {

// A page written as "Check1|Text1|Check2|Text2|Text3|choice|Text4|Text5|PTD PPI IAsup IAsub",
// the choice "A" (areas), "V" (flows) or "-" (neither).
PaginaImpacto pagina(const QString& t)
{
    const QStringList c = t.split('|');
    const QStringList n = c[8].split(' ');
    PaginaImpacto p;
    p.minima = c[0] == "1";
    p.qjmin = c[1];
    p.maxima = c[2] == "1";
    p.qjmax = c[3];
    p.qalvo = c[4];
    p.recarga = c[5] == "A" ? Recarga::Area : c[5] == "V" ? Recarga::Vazao : Recarga::Nenhuma;
    p.recarga1 = c[6];
    p.recarga2 = c[7];
    p.ptd = n[0].toInt();
    p.ppi = n[1].toInt();
    p.iasup = n[2].toInt();
    p.iasub = n[3].toInt();
    return p;
}

QString texto(const PaginaImpacto& p)
{
    const QString recarga = p.recarga == Recarga::Area ? "A" : p.recarga == Recarga::Vazao ? "V" : "-";
    return QStringList{QString::number(p.minima), p.qjmin, QString::number(p.maxima), p.qjmax, p.qalvo,
                       recarga, p.recarga1, p.recarga2,
                       QStringLiteral("%1 %2 %3 %4").arg(p.ptd).arg(p.ppi).arg(p.iasup).arg(p.iasub)}
        .join('|');
}

// One alternative with the given fields, as the current row of a recordset.
RecordsetPtr linha(QVariantMap campos = {})
{
    campos.insert(QStringLiteral("Marcador"), QStringLiteral("alt1"));
    Teste::Inserir(QStringLiteral("tblTessaura"), campos);
    RecordsetPtr rs = Recordset::Abrir(Banco::Abrir(), "tblTessaura");
    rs->MoveFirst();
    return rs;
}

}  // namespace

class TesteMapaImpacto : public QObject {
    Q_OBJECT
private slots:
    void leituraDaLinha_data();
    void leituraDaLinha();
    void itensCompletos_data();
    void itensCompletos();
};

void TesteMapaImpacto::leituraDaLinha_data()
{
    QTest::addColumn<QVariantMap>("campos");
    QTest::addColumn<QString>("esperado");
    QTest::newRow("vazia") << QVariantMap{} << "0||0|||V|||0 0 0 0";
    QTest::newRow("só a máxima") << QVariantMap{{"QJmax", 3.5}, {"Qalvo", 2.0}} << "0||1|3,5|2|V|||0 0 0 0";
    QTest::newRow("áreas") << QVariantMap{{"QJmin", 0.25}, {"Ainf", 100.0}, {"Anat", 250.5}}
                           << "1|0,25|0|||A|100|250,5|0 0 0 0";
    QTest::newRow("os dois pares: áreas")
        << QVariantMap{{"Qinf", 1.0}, {"Qnat", 2.0}, {"Ainf", 30.0}, {"Anat", 40.0}} << "0||0|||A|30|40|0 0 0 0";
    QTest::newRow("vazões completas e uma área solta")
        << QVariantMap{{"Qinf", 1.0}, {"Qnat", 2.0}, {"Anat", 9.0}} << "0||0|||V|1|2|0 0 0 0";
    QTest::newRow("áreas completas e uma vazão solta")
        << QVariantMap{{"Qnat", 1.0}, {"Ainf", 5.0}, {"Anat", 6.0}} << "0||0|||A|5|6|0 0 0 0";
    QTest::newRow("número pequeno sem expoente") << QVariantMap{{"Qalvo", 0.00005}} << "0||0||0,00005|V|||0 0 0 0";
    QTest::newRow("níveis") << QVariantMap{{"PTD", 1}, {"PPI", 7}, {"IAsup", 4}, {"IAsub", 2}}
                            << "0||0|||V|||1 7 4 2";
    QTest::newRow("níveis fora da escala") << QVariantMap{{"PTD", 0}, {"PPI", 8}, {"IAsup", -1}}
                                           << "0||0|||V|||0 0 0 0";
}

void TesteMapaImpacto::leituraDaLinha()
{
    QFETCH(QVariantMap, campos);
    QFETCH(QString, esperado);
    Teste::Sessao s;
    RecordsetPtr rs = linha(campos);
    QCOMPARE(texto(Ler(*rs)), esperado);
}

void TesteMapaImpacto::itensCompletos_data()
{
    QTest::addColumn<QString>("pagina");  // the recharge choice does not enter the rule
    QTest::addColumn<QString>("itens");   // flows, recharge, ratings, complete
    QTest::newRow("tudo") << "0|1|0||2|-|3|4|4 4 4 4" << "1 1 1 1";
    QTest::newRow("só a máxima e o alvo") << "0||0|5|2|A|3|4|4 4 4 4" << "1 1 1 1";
    QTest::newRow("limites sem alvo") << "0|1|0|5||V|3|4|4 4 4 4" << "0 1 1 0";
    QTest::newRow("recarga incompleta") << "0|1|0||2|V|3||4 4 4 4" << "1 0 1 0";
    for (const char* niveis : {"0 4 4 4", "4 4 4 0"})
        QTest::addRow("sem um nível: %s", niveis) << QStringLiteral("0|1|0||2|V|3|4|") + niveis << "1 1 0 0";
    QTest::newRow("separador sozinho") << "0|,|0||2|V|3|4|4 4 4 4" << "0 1 1 0";
    QTest::newRow("separador dobrado") << "0|1|0||2|V|1,,5|4|4 4 4 4" << "1 0 1 0";
}

void TesteMapaImpacto::itensCompletos()
{
    QFETCH(QString, pagina);
    QFETCH(QString, itens);
    Teste::Sessao s;  // pt_BR: the comma is the separator
    const ItensImpacto i = Avaliar(::pagina(pagina));
    const bool niveis = i.ptd && i.ppi && i.iasup && i.iasub;
    QCOMPARE(QStringLiteral("%1 %2 %3 %4").arg(i.vazoes).arg(i.recarga).arg(niveis).arg(i.Completo()), itens);
}

TESTE_MAIN(TesteMapaImpacto)
#include "tst_mapa_impacto.moc"
