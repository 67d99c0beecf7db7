// The database file, the recordsets and the number helpers.
#include "Ambiente.h"

#include "common/Banco.h"
#include "common/Numeros.h"

#include <QFile>
#include <QLocale>
#include <QSqlQuery>
#include <QTest>

using namespace Banco;

class TesteBanco : public QObject {
    Q_OBJECT
private slots:
    void cadaTabelaTemSuasColunas();
    void ponderacoesPredefinidasNaOrdem();
    void linhasVoltamNaOrdemDeCriacao();
    void campoRecusadoMantemValorEOsOutrosSaoGravados();
    void nenhumaColunaNumericaGuardaTexto();
    void buscaPorNomeLiteralSemCaixa();
    void excluirAoPercorrer();
    void apagarAlternativas();
    void arquivoAusenteDaMensagemSemTravar();
    void numerosComoORuntimeEscrevia();
};

void TesteBanco::cadaTabelaTemSuasColunas()
{
    Teste::Sessao s;
    ConexaoPtr c = Abrir();
    QVERIFY(c);
    QStringList tessaura;
    for (const auto& [n, t] : c->Colunas("tblTessaura"))
        tessaura << n;
    QCOMPARE(tessaura.join(','),
             QStringLiteral("Marcador,Nome,Anotacao,TR,TRD,QJmin,QJmax,Qalvo,Qinf,Qnat,Ainf,Anat,"
                            "PTD,PPI,IAsup,IAsub,Aapta1,Aapta2,IP,ARL1,ARL2,ICC,PUOF,Ades,PerMP,"
                            "PerPC,Eco,CustoImplantacao,CustoOperacao,CustoManutencao,VidaUtil,ErroEco"));
    QCOMPARE(c->Colunas("tblPonderacao").size(), size_t(15));
    QCOMPARE(c->Colunas("tblSaveNome").size(), size_t(6));
    QCOMPARE(c->Colunas("tblSave").size(), size_t(25));
    QCOMPARE(Teste::Linhas("tblTessaura"), 0);
}

void TesteBanco::ponderacoesPredefinidasNaOrdem()
{
    Teste::Sessao s;
    QCOMPARE(Teste::Coluna("SELECT Nome FROM tblPonderacao ORDER BY id"),
             (QList<QVariant>{"Referência", "Hidrológica", "Sanitária", "Ambiental", "Social"}));
    QCOMPARE(Teste::Coluna("SELECT c2 FROM tblPonderacao ORDER BY id").first().toDouble(), 14.1);
    QCOMPARE(Teste::Coluna("SELECT typeof(c1) FROM tblPonderacao WHERE Nome='Social'").first(),
             QVariant("real"));
}

void TesteBanco::linhasVoltamNaOrdemDeCriacao()
{
    Teste::Sessao s;
    ConexaoPtr c = Abrir();
    RecordsetPtr rs = Recordset::Abrir(c, "tblTessaura");
    QVERIFY(rs->EOF_() && rs->BOF());
    for (int i = 1; i <= 11; ++i) {
        rs->AddNew();
        QVERIFY(rs->Definir("Marcador", QStringLiteral("alt%1").arg(i)));
        QVERIFY(rs->Update());
    }
    RecordsetPtr outro = Recordset::Abrir(c, "tblTessaura");
    QStringList marcas;
    for (outro->MoveFirst(); !outro->EOF_(); outro->MoveNext())
        marcas << outro->Campo("Marcador").toString();
    QCOMPARE(marcas.join(' '), QStringLiteral("alt1 alt2 alt3 alt4 alt5 alt6 alt7 alt8 alt9 alt10 alt11"));
    QCOMPARE(NumeroDoMarcador("alt10"), 10);
    // A change through one recordset is seen by another at its next read.
    outro->MoveFirst();
    rs->MoveFirst();
    rs->Edit();
    rs->Definir("Nome", QStringLiteral("Bacia"));
    rs->Update();
    QCOMPARE(outro->Campo("Nome").toString(), QStringLiteral("Bacia"));
    QVERIFY(outro->Campo("TR").isNull());
}

void TesteBanco::campoRecusadoMantemValorEOsOutrosSaoGravados()
{
    Teste::Sessao s;  // pt_BR
    ConexaoPtr c = Abrir();
    RecordsetPtr rs = Recordset::Abrir(c, "tblTessaura");
    rs->AddNew();
    rs->Definir("Marcador", "alt1");
    rs->Definir("QJmin", "2,5");
    rs->Update();
    rs->MoveFirst();
    rs->Edit();
    QVERIFY(!rs->Definir("QJmin", "1,,5"));
    QVERIFY(!rs->Definir("QJmax", ","));
    QVERIFY(!rs->Definir("Qalvo", "12.5"));  // not a number where the comma is the separator
    QVERIFY(rs->Definir("TR", "25"));
    QVERIFY(rs->Definir("Nome", "O'Brien"));
    QVERIFY(rs->Update());
    QCOMPARE(rs->Campo("QJmin").toDouble(), 2.5);
    QVERIFY(rs->Campo("QJmax").isNull());
    QCOMPARE(rs->Campo("TR").toInt(), 25);
    QCOMPARE(rs->Campo("Nome").toString(), QStringLiteral("O'Brien"));
}

void TesteBanco::nenhumaColunaNumericaGuardaTexto()
{
    Teste::Sessao s(QStringLiteral("en_US"));
    ConexaoPtr c = Abrir();
    RecordsetPtr rs = Recordset::Abrir(c, "tblTessaura");
    rs->AddNew();
    rs->Definir("Marcador", "alt1");
    rs->Definir("QJmin", "12.5");
    rs->Definir("TR", "abc");
    rs->Definir("PTD", "7");
    rs->Update();
    QCOMPARE(Teste::Coluna("SELECT QJmin FROM tblTessaura").first().toDouble(), 12.5);
    QVERIFY(Teste::Coluna("SELECT TR FROM tblTessaura").first().isNull());
    // The file itself refuses text in a numeric column.
    QVERIFY(!Teste::Executar("UPDATE tblTessaura SET QJmax = 'abc'"));
    QCOMPARE(Teste::Coluna("SELECT count(*) FROM tblTessaura WHERE typeof(QJmin) = 'text' OR "
                           "typeof(TR) = 'text' OR typeof(PTD) = 'text'").first().toInt(), 0);
}

void TesteBanco::buscaPorNomeLiteralSemCaixa()
{
    Teste::Sessao s;
    const QStringList nomes{"Área verde", "O'Neil", "a*", "a?", "abc", "%_", "[x]", "Dupla", "dupla"};
    for (int i = 0; i < nomes.size(); ++i)
        Teste::Executar("INSERT INTO tblTessaura (Marcador, Nome) VALUES (?, ?)",
                        {QStringLiteral("alt%1").arg(i + 1), nomes[i]});
    ConexaoPtr c = Abrir();
    auto primeiro = [&](const QString& nome) {
        RecordsetPtr rs = Recordset::AbrirPorNome(c, "tblTessaura", nome);
        return rs && !rs->EOF_() ? rs->Campo("Marcador").toString() : QString();
    };
    QCOMPARE(primeiro("área VERDE"), QStringLiteral("alt1"));
    QCOMPARE(primeiro("o'neil"), QStringLiteral("alt2"));
    QCOMPARE(primeiro("a*"), QStringLiteral("alt3"));
    QCOMPARE(primeiro("a?"), QStringLiteral("alt4"));
    QCOMPARE(primeiro("%_"), QStringLiteral("alt6"));
    QCOMPARE(primeiro("[x]"), QStringLiteral("alt7"));
    QCOMPARE(primeiro("DUPLA"), QStringLiteral("alt8"));
    QCOMPARE(primeiro("a%"), QString());
    QCOMPARE(primeiro("x"), QString());
}

void TesteBanco::excluirAoPercorrer()
{
    Teste::Sessao s;
    for (int i = 1; i <= 4; ++i)
        Teste::Executar("INSERT INTO tblTessaura (Marcador) VALUES (?)", {QStringLiteral("alt%1").arg(i)});
    RecordsetPtr rs = Recordset::Abrir(Abrir(), "tblTessaura");
    rs->MoveFirst();
    rs->MoveNext();
    QVERIFY(rs->Delete());
    rs->MoveNext();
    QCOMPARE(rs->Campo("Marcador").toString(), QStringLiteral("alt3"));
    QCOMPARE(rs->RecordCount(), 3);
}

void TesteBanco::apagarAlternativas()
{
    Teste::Sessao s;
    QVERIFY(ApagarAlternativas());  // empty table: nothing to do, no failure
    for (int i = 1; i <= 3; ++i)
        Teste::Executar("INSERT INTO tblTessaura (Marcador) VALUES (?)", {QStringLiteral("alt%1").arg(i)});
    QVERIFY(ApagarAlternativas());
    QCOMPARE(Teste::Linhas("tblTessaura"), 0);
    QVERIFY(Teste::TextosMostrados().isEmpty());
}

void TesteBanco::arquivoAusenteDaMensagemSemTravar()
{
    Teste::Sessao s;
    QFile::remove(s.CaminhoBanco());
    QVERIFY(!Abrir());
    QVERIFY(!ApagarAlternativas());
    QVERIFY(Teste::UltimaMensagem());
    QCOMPARE(Teste::UltimaMensagem()->icone, Mensagens::Icone::Critico);
    QVERIFY(Teste::UltimaMensagem()->texto.contains("mdbTessaura.mdb"));
    QVERIFY(!QFile::exists(s.CaminhoBanco()));  // opening never creates the file
}

void TesteBanco::numerosComoORuntimeEscrevia()
{
    QLocale::setDefault(QLocale("pt_BR"));
    QCOMPARE(Numeros::Formatar(2.5), QStringLiteral("2,5"));
    QCOMPARE(Numeros::Formatar(1234567.25), QStringLiteral("1234567,25"));
    QCOMPARE(Numeros::Formatar(0.1 + 0.2), QStringLiteral("0,3"));
    QCOMPARE(Numeros::SeparadorDecimal(), QChar(','));
    QCOMPARE(Numeros::FormatarDuasCasas(3), QStringLiteral("3,00"));
    QCOMPARE(Numeros::ArredondarInteiro(2.5), 2.0);
    QCOMPARE(Numeros::ArredondarInteiro(3.5), 4.0);
    QCOMPARE(Numeros::ArredondarInteiro(99.5), 100.0);
    QCOMPARE(Numeros::ArredondarInteiro(100.5), 100.0);
    bool ok = true;
    Numeros::Ler("1.5", &ok);
    QVERIFY(!ok);
    QCOMPARE(Numeros::Ler(" 1,5 ", &ok), 1.5);
    QVERIFY(ok);
    QLocale::setDefault(QLocale("en_US"));
    QCOMPARE(Numeros::Formatar(2.5), QStringLiteral("2.5"));
    QCOMPARE(Numeros::SeparadorDecimal(), QChar('.'));
    Numeros::Ler("1,5", &ok);
    QVERIFY(!ok);
}

QTEST_MAIN(TesteBanco)
#include "tst_banco.moc"
