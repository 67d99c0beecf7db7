// The impact map between the page and the row, both ways, and the items'
// completeness rules.
#include "Ambiente.h"

#include "common/Banco.h"
#include "entry/MapaImpacto.h"

#include <QTest>

using namespace MapaImpacto;
using Banco::Recordset;
using Banco::RecordsetPtr;

Q_DECLARE_METATYPE(MapaImpacto::Recarga)

namespace {

// One alternative, its fields set as given ("NULL" columns stay Null).
RecordsetPtr linha(const QVariantMap& campos = {})
{
    QStringList cols{"Marcador"};
    QVariantList vals{QStringLiteral("alt1")};
    QStringList marcas{"?"};
    for (auto it = campos.begin(); it != campos.end(); ++it) {
        cols << it.key();
        vals << it.value();
        marcas << "?";
    }
    Teste::Executar(QStringLiteral("INSERT INTO tblTessaura (%1) VALUES (%2)")
                        .arg(cols.join(','), marcas.join(',')),
                    vals);
    RecordsetPtr rs = Recordset::Abrir(Banco::Abrir(), "tblTessaura");
    rs->MoveFirst();
    return rs;
}

void gravar(Recordset& rs, const PaginaImpacto& p)
{
    QVERIFY(rs.Edit());
    Gravar(rs, p);
    QVERIFY(rs.Update());
}

QVariant campo(const char* nome)
{
    return Teste::Coluna(QStringLiteral("SELECT %1 FROM tblTessaura").arg(QLatin1String(nome))).value(0);
}

}  // namespace

class TesteMapaImpacto : public QObject {
    Q_OBJECT
private slots:
    void caixasVaziasGravamNuloENumerosComVirgula();
    void textoQueNaoConverteNaoEGravado();
    void recargaGravaOParEscolhido_data();
    void recargaGravaOParEscolhido();
    void grupoSemSelecaoMantemONivel();
    void leituraDaLinha_data();
    void leituraDaLinha();
    void itensCompletos_data();
    void itensCompletos();
};

void TesteMapaImpacto::caixasVaziasGravamNuloENumerosComVirgula()
{
    Teste::Sessao s;  // pt_BR
    RecordsetPtr rs = linha({{"QJmin", 1.0}, {"QJmax", 2.0}, {"Qalvo", 3.0}, {"Qinf", 4.0}, {"Qnat", 5.0}});
    PaginaImpacto p;
    p.qjmax = QStringLiteral("2,5");
    p.recarga = Recarga::Vazao;
    p.recarga1 = QStringLiteral("12,75");
    gravar(*rs, p);
    QVERIFY(campo("QJmin").isNull());
    QCOMPARE(campo("QJmax").toDouble(), 2.5);
    QVERIFY(campo("Qalvo").isNull());
    QCOMPARE(campo("Qinf").toDouble(), 12.75);
    QVERIFY(campo("Qnat").isNull());  // an empty recharge box is Null like any other
    QCOMPARE(campo("typeof(QJmax)").toString(), QStringLiteral("real"));
}

void TesteMapaImpacto::textoQueNaoConverteNaoEGravado()
{
    Teste::Sessao s;
    RecordsetPtr rs = linha({{"QJmin", 1.5}, {"Qalvo", 3.0}, {"Ainf", 7.0}, {"Anat", 8.0}});
    PaginaImpacto p;
    p.qjmin = QStringLiteral("1,,5");
    p.qalvo = QStringLiteral(",");
    p.recarga = Recarga::Area;
    p.recarga1 = QStringLiteral("abc");
    p.recarga2 = QStringLiteral("9");
    gravar(*rs, p);
    QCOMPARE(campo("QJmin").toDouble(), 1.5);
    QCOMPARE(campo("Qalvo").toDouble(), 3.0);
    QCOMPARE(campo("Ainf").toDouble(), 7.0);
    QCOMPARE(campo("Anat").toDouble(), 9.0);
}

void TesteMapaImpacto::recargaGravaOParEscolhido_data()
{
    QTest::addColumn<Recarga>("recarga");
    QTest::addColumn<QVariantList>("esperado");  // Ainf, Anat, Qinf, Qnat
    QTest::newRow("Área") << Recarga::Area << QVariantList{10.0, 20.0, QVariant(), QVariant()};
    QTest::newRow("Vazão") << Recarga::Vazao << QVariantList{QVariant(), QVariant(), 10.0, 20.0};
    QTest::newRow("nenhuma") << Recarga::Nenhuma << QVariantList{1.0, 2.0, 3.0, 4.0};
}

void TesteMapaImpacto::recargaGravaOParEscolhido()
{
    QFETCH(Recarga, recarga);
    QFETCH(QVariantList, esperado);
    Teste::Sessao s;
    RecordsetPtr rs = linha({{"Ainf", 1.0}, {"Anat", 2.0}, {"Qinf", 3.0}, {"Qnat", 4.0}});
    PaginaImpacto p;
    p.recarga = recarga;
    p.recarga1 = QStringLiteral("10");
    p.recarga2 = QStringLiteral("20");
    gravar(*rs, p);
    const QVariantList obtido{campo("Ainf"), campo("Anat"), campo("Qinf"), campo("Qnat")};
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(obtido[i].isNull(), esperado[i].isNull());
        if (!esperado[i].isNull())
            QCOMPARE(obtido[i].toDouble(), esperado[i].toDouble());
    }
}

void TesteMapaImpacto::grupoSemSelecaoMantemONivel()
{
    Teste::Sessao s;
    RecordsetPtr rs = linha({{"PTD", 5}, {"PPI", 2}});
    PaginaImpacto p;
    p.ppi = 7;
    p.iasub = 1;
    gravar(*rs, p);
    QCOMPARE(campo("PTD").toInt(), 5);
    QCOMPARE(campo("PPI").toInt(), 7);
    QVERIFY(campo("IAsup").isNull());
    QCOMPARE(campo("IAsub").toInt(), 1);
    QCOMPARE(campo("typeof(IAsub)").toString(), QStringLiteral("integer"));
}

void TesteMapaImpacto::leituraDaLinha_data()
{
    QTest::addColumn<QVariantMap>("campos");
    QTest::addColumn<QStringList>("esperado");
    // expected: minima, qjmin, maxima, qjmax, qalvo, recarga, recarga1, recarga2, ptd ppi iasup iasub
    QTest::newRow("vazia") << QVariantMap{}
                           << QStringList{"0", "", "0", "", "", "V", "", "", "0 0 0 0"};
    QTest::newRow("só a máxima") << QVariantMap{{"QJmax", 3.5}, {"Qalvo", 2.0}}
                                 << QStringList{"0", "", "1", "3,5", "2", "V", "", "", "0 0 0 0"};
    QTest::newRow("áreas") << QVariantMap{{"QJmin", 0.25}, {"Ainf", 100.0}, {"Anat", 250.5}}
                           << QStringList{"1", "0,25", "0", "", "", "A", "100", "250,5", "0 0 0 0"};
    QTest::newRow("os dois pares: áreas")
        << QVariantMap{{"Qinf", 1.0}, {"Qnat", 2.0}, {"Ainf", 30.0}, {"Anat", 40.0}}
        << QStringList{"0", "", "0", "", "", "A", "30", "40", "0 0 0 0"};
    QTest::newRow("vazões") << QVariantMap{{"Qinf", 1.5}, {"Qnat", 2.0}}
                            << QStringList{"0", "", "0", "", "", "V", "1,5", "2", "0 0 0 0"};
    QTest::newRow("par com um só valor") << QVariantMap{{"Anat", 9.0}}
                                         << QStringList{"0", "", "0", "", "", "A", "", "9", "0 0 0 0"};
    QTest::newRow("níveis") << QVariantMap{{"PTD", 1}, {"PPI", 7}, {"IAsup", 4}, {"IAsub", 2}}
                            << QStringList{"0", "", "0", "", "", "V", "", "", "1 7 4 2"};
    QTest::newRow("níveis fora da escala") << QVariantMap{{"PTD", 0}, {"PPI", 8}, {"IAsup", -1}}
                                           << QStringList{"0", "", "0", "", "", "V", "", "", "0 0 0 0"};
}

void TesteMapaImpacto::leituraDaLinha()
{
    QFETCH(QVariantMap, campos);
    QFETCH(QStringList, esperado);
    Teste::Sessao s;
    RecordsetPtr rs = linha(campos);
    const PaginaImpacto p = Ler(*rs);
    const QString recarga = p.recarga == Recarga::Area ? "A" : p.recarga == Recarga::Vazao ? "V" : "-";
    const QStringList obtido{QString::number(p.minima), p.qjmin, QString::number(p.maxima), p.qjmax,
                             p.qalvo, recarga, p.recarga1, p.recarga2,
                             QStringLiteral("%1 %2 %3 %4").arg(p.ptd).arg(p.ppi).arg(p.iasup).arg(p.iasub)};
    QCOMPARE(obtido, esperado);
}

void TesteMapaImpacto::itensCompletos_data()
{
    QTest::addColumn<QStringList>("caixas");  // Text1..Text5
    QTest::addColumn<int>("niveis");          // ratings given (all four or none)
    QTest::addColumn<QString>("itens");       // vazoes recarga ratings complete
    QTest::newRow("tudo") << QStringList{"1", "", "2", "3", "4"} << 1 << "1 1 1 1";
    QTest::newRow("só a máxima e o alvo") << QStringList{"", "5", "2", "3", "4"} << 1 << "1 1 1 1";
    QTest::newRow("só o alvo") << QStringList{"", "", "2", "3", "4"} << 1 << "0 1 1 0";
    QTest::newRow("limites sem alvo") << QStringList{"1", "5", "", "3", "4"} << 1 << "0 1 1 0";
    QTest::newRow("recarga incompleta") << QStringList{"1", "", "2", "3", ""} << 1 << "1 0 1 0";
    QTest::newRow("sem níveis") << QStringList{"1", "", "2", "3", "4"} << 0 << "1 1 0 0";
    QTest::newRow("separador sozinho") << QStringList{",", "", "2", "3", "4"} << 1 << "0 1 1 0";
    QTest::newRow("separador dobrado") << QStringList{"1", "", "2", "1,,5", "4"} << 1 << "1 0 1 0";
    QTest::newRow("só brancos") << QStringList{"1", "", "  ", "3", "4"} << 1 << "0 1 1 0";
}

void TesteMapaImpacto::itensCompletos()
{
    QFETCH(QStringList, caixas);
    QFETCH(int, niveis);
    QFETCH(QString, itens);
    Teste::Sessao s;  // pt_BR: the comma is the separator
    PaginaImpacto p;
    p.qjmin = caixas[0];
    p.qjmax = caixas[1];
    p.qalvo = caixas[2];
    p.recarga1 = caixas[3];
    p.recarga2 = caixas[4];
    p.ptd = p.ppi = p.iasup = p.iasub = niveis ? 4 : 0;
    for (Recarga r : {Recarga::Area, Recarga::Vazao, Recarga::Nenhuma}) {
        p.recarga = r;  // the choice does not enter the rule
        const ItensImpacto i = Avaliar(p);
        const bool niveisOk = i.ptd && i.ppi && i.iasup && i.iasub;
        QCOMPARE(QStringLiteral("%1 %2 %3 %4").arg(i.vazoes).arg(i.recarga).arg(niveisOk).arg(i.Completo()),
                 itens);
    }
}

QTEST_MAIN(TesteMapaImpacto)
#include "tst_mapa_impacto.moc"
