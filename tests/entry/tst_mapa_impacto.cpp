// The impact map between the page and the row, both ways, and the items'
// completeness rules.
#include "Ambiente.h"

#include "common/Banco.h"
#include "entry/MapaImpacto.h"

#include <QTest>
#include <functional>

using namespace MapaImpacto;
using Banco::Recordset;
using Banco::RecordsetPtr;

Q_DECLARE_METATYPE(MapaImpacto::PaginaImpacto)

namespace {

// One alternative with the given fields, as the current row of a recordset.
RecordsetPtr linha(QVariantMap campos = {})
{
    campos.insert(QStringLiteral("Marcador"), QStringLiteral("alt1"));
    Teste::Inserir(QStringLiteral("tblTessaura"), campos);
    RecordsetPtr rs = Recordset::Abrir(Banco::Abrir(), "tblTessaura");
    rs->MoveFirst();
    return rs;
}

PaginaImpacto pagina(const std::function<void(PaginaImpacto&)>& preencher)
{
    PaginaImpacto p;
    preencher(p);
    return p;
}

}  // namespace

class TesteMapaImpacto : public QObject {
    Q_OBJECT
private slots:
    void gravar_data();
    void gravar();
    void leituraDaLinha_data();
    void leituraDaLinha();
    void itensCompletos_data();
    void itensCompletos();
};

void TesteMapaImpacto::gravar_data()
{
    QTest::addColumn<QVariantMap>("antes");
    QTest::addColumn<PaginaImpacto>("pagina");
    QTest::addColumn<QVariantMap>("depois");  // field -> "type value" as stored
    const QVariantMap vazoes{{"QJmin", 1.0}, {"QJmax", 2.0}, {"Qalvo", 3.0}, {"Qinf", 4.0}, {"Qnat", 5.0}};
    QTest::newRow("caixas vazias gravam nulo")
        << vazoes << pagina([](PaginaImpacto& p) {
               p.qjmax = "2,5";
               p.recarga1 = "12,75";
           })
        << QVariantMap{{"QJmin", "null"}, {"QJmax", "real 2.5"}, {"Qalvo", "null"},
                       {"Qinf", "real 12.75"}, {"Qnat", "null"}};
    QTest::newRow("texto que não converte mantém o campo")
        << QVariantMap{{"QJmin", 1.5}, {"Qalvo", 3.0}, {"Ainf", 7.0}, {"Anat", 8.0}}
        << pagina([](PaginaImpacto& p) {
               p.qjmin = "1,,5";
               p.qalvo = ",";
               p.recarga = Recarga::Area;
               p.recarga1 = "abc";
               p.recarga2 = "9";
           })
        << QVariantMap{{"QJmin", "real 1.5"}, {"Qalvo", "real 3.0"}, {"Ainf", "real 7.0"}, {"Anat", "real 9.0"}};
    const QVariantMap pares{{"Ainf", 1.0}, {"Anat", 2.0}, {"Qinf", 3.0}, {"Qnat", 4.0}};
    const struct {
        const char* nome;
        Recarga r;
        QVariantMap depois;
    } recargas[] = {
        {"Área", Recarga::Area, {{"Ainf", "real 10.0"}, {"Anat", "real 20.0"}, {"Qinf", "null"}, {"Qnat", "null"}}},
        {"Vazão", Recarga::Vazao, {{"Ainf", "null"}, {"Anat", "null"}, {"Qinf", "real 10.0"}, {"Qnat", "real 20.0"}}},
        {"nenhuma", Recarga::Nenhuma, {{"Ainf", "real 1.0"}, {"Anat", "real 2.0"}, {"Qinf", "real 3.0"}, {"Qnat", "real 4.0"}}},
    };
    for (const auto& c : recargas) {
        QTest::addRow("recarga %s", c.nome) << pares << pagina([&c](PaginaImpacto& p) {
            p.recarga = c.r;
            p.recarga1 = "10";
            p.recarga2 = "20";
        }) << c.depois;
    }
    QTest::newRow("grupo sem seleção mantém o nível")
        << QVariantMap{{"PTD", 5}, {"PPI", 2}} << pagina([](PaginaImpacto& p) {
               p.ppi = 7;
               p.iasub = 1;
           })
        << QVariantMap{{"PTD", "integer 5"}, {"PPI", "integer 7"}, {"IAsup", "null"}, {"IAsub", "integer 1"}};
}

void TesteMapaImpacto::gravar()
{
    QFETCH(QVariantMap, antes);
    QFETCH(PaginaImpacto, pagina);
    QFETCH(QVariantMap, depois);
    Teste::Sessao s;  // pt_BR
    RecordsetPtr rs = linha(antes);
    QVERIFY(rs->Edit());
    Gravar(*rs, pagina);
    QVERIFY(rs->Update());
    for (auto it = depois.begin(); it != depois.end(); ++it) {
        const QString sql = QStringLiteral("SELECT trim(typeof(%1) || ' ' || ifnull(%1, '')) FROM tblTessaura");
        QCOMPARE(Teste::Coluna(sql.arg(it.key())).value(0).toString(), it.value().toString());
    }
}

void TesteMapaImpacto::leituraDaLinha_data()
{
    QTest::addColumn<QVariantMap>("campos");
    // Check1|Text1|Check2|Text2|Text3|recharge choice|Text4|Text5|PTD PPI IAsup IAsub
    QTest::addColumn<QString>("esperado");
    QTest::newRow("vazia") << QVariantMap{} << "0||0|||V|||0 0 0 0";
    QTest::newRow("só a máxima") << QVariantMap{{"QJmax", 3.5}, {"Qalvo", 2.0}} << "0||1|3,5|2|V|||0 0 0 0";
    QTest::newRow("áreas") << QVariantMap{{"QJmin", 0.25}, {"Ainf", 100.0}, {"Anat", 250.5}}
                           << "1|0,25|0|||A|100|250,5|0 0 0 0";
    QTest::newRow("os dois pares: áreas")
        << QVariantMap{{"Qinf", 1.0}, {"Qnat", 2.0}, {"Ainf", 30.0}, {"Anat", 40.0}} << "0||0|||A|30|40|0 0 0 0";
    QTest::newRow("vazões") << QVariantMap{{"Qinf", 1.5}, {"Qnat", 2.0}} << "0||0|||V|1,5|2|0 0 0 0";
    QTest::newRow("par com um só valor") << QVariantMap{{"Anat", 9.0}} << "0||0|||A||9|0 0 0 0";
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
    const PaginaImpacto p = Ler(*rs);
    const QString recarga = p.recarga == Recarga::Area ? "A" : p.recarga == Recarga::Vazao ? "V" : "-";
    const QStringList obtido{QString::number(p.minima), p.qjmin, QString::number(p.maxima), p.qjmax,
                             p.qalvo, recarga, p.recarga1, p.recarga2,
                             QStringLiteral("%1 %2 %3 %4").arg(p.ptd).arg(p.ppi).arg(p.iasup).arg(p.iasub)};
    QCOMPARE(obtido.join('|'), esperado);
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
