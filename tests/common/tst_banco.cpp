// The database file, the recordsets and the number helpers.
#include "Ambiente.h"

#include "common/Banco.h"
#include "common/Numeros.h"

#include <QLocale>
#include <QTest>

using namespace Banco;

class TesteBanco : public QObject {
    Q_OBJECT
private slots:
    void modeloDoBanco()
    {
        Teste::Sessao s;
        ConexaoPtr c = Abrir();
        QVERIFY(c);
        const std::pair<const char*, size_t> tabelas[] = {
            {"tblTessaura", 32}, {"tblPonderacao", 15}, {"tblSaveNome", 6}, {"tblSave", 25}};
        for (const auto& [tabela, colunas] : tabelas)
            QCOMPARE(c->Colunas(tabela).size(), colunas);
        QCOMPARE(Teste::Linhas("tblTessaura"), 0);
        // The file itself refuses text in a numeric column.
        QVERIFY(!Teste::Executar("INSERT INTO tblTessaura (Marcador, QJmax) VALUES ('alt1', 'abc')"));
        // The predefined weightings, in order.
        QCOMPARE(Teste::Coluna("SELECT Nome FROM tblPonderacao ORDER BY id"),
                 (QList<QVariant>{"Referência", "Hidrológica", "Sanitária", "Ambiental", "Social"}));
        QCOMPARE(Teste::Coluna("SELECT typeof(c1) FROM tblPonderacao WHERE Nome='Social'").first(),
                 QVariant("real"));
    }

    void linhasNaOrdemDeCriacao()
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
        // A row deleted on the way leaves the walk on the one after it.
        outro->MoveNext();
        QVERIFY(outro->Delete());
        outro->MoveNext();
        QCOMPARE(outro->Campo("Marcador").toString(), QStringLiteral("alt3"));
        QCOMPARE(outro->RecordCount(), 10);
    }

    void valorNumerico_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("campo");
        QTest::addColumn<QString>("texto");
        QTest::addColumn<bool>("aceito");
        QTest::addColumn<double>("valor");
        QTest::newRow("decimal") << "pt_BR" << "QJmin" << "2,5" << true << 2.5;
        QTest::newRow("dois separadores") << "pt_BR" << "QJmin" << "1,,5" << false << 0.0;
        QTest::newRow("so separador") << "pt_BR" << "QJmin" << "," << false << 0.0;
        QTest::newRow("outro separador") << "pt_BR" << "QJmin" << "12.5" << false << 0.0;
        QTest::newRow("inteiro") << "pt_BR" << "TR" << "25" << true << 25.0;
        QTest::newRow("inteiro fora do campo") << "pt_BR" << "TR" << "99999999999" << false << 0.0;
        QTest::newRow("en_US decimal") << "en_US" << "QJmin" << "12.5" << true << 12.5;
        QTest::newRow("en_US letras") << "en_US" << "TR" << "abc" << false << 0.0;
    }
    // A text that does not convert by the locale is refused and leaves the
    // stored value; the other fields are written all the same.
    void valorNumerico()
    {
        QFETCH(QString, locale);
        QFETCH(QString, campo);
        QFETCH(QString, texto);
        QFETCH(bool, aceito);
        QFETCH(double, valor);
        Teste::Sessao s(locale);
        QVERIFY(Teste::Inserir("tblTessaura", {{"Marcador", "alt1"}, {campo, 7}}));
        RecordsetPtr rs = Recordset::Abrir(Abrir(), "tblTessaura");
        rs->MoveFirst();
        rs->Edit();
        QCOMPARE(rs->Definir(campo, texto), aceito);
        QVERIFY(rs->Definir("Nome", "O'Brien"));
        QVERIFY(rs->Update());
        QCOMPARE(rs->Campo(campo).toDouble(), aceito ? valor : 7.0);
        QCOMPARE(Teste::Coluna("SELECT typeof(" + campo + ") FROM tblTessaura").first().toString(),
                 QString(campo == "TR" ? "integer" : "real"));
        QCOMPARE(Teste::Coluna("SELECT Nome FROM tblTessaura").first().toString(), QStringLiteral("O'Brien"));
    }

    void buscaPorNomeLiteralSemCaixa()
    {
        Teste::Sessao s;
        const QStringList nomes{"Área verde", "O'Neil", "a*", "a?", "abc", "%_", "[x]", "Dupla", "dupla"};
        for (int i = 0; i < nomes.size(); ++i)
            Teste::Inserir("tblTessaura", {{"Marcador", QStringLiteral("alt%1").arg(i + 1)}, {"Nome", nomes[i]}});
        ConexaoPtr c = Abrir();
        const std::pair<const char*, const char*> casos[] = {
            {"área VERDE", "alt1"}, {"o'neil", "alt2"}, {"a*", "alt3"}, {"a?", "alt4"}, {"%_", "alt6"},
            {"[x]", "alt7"},        {"DUPLA", "alt8"},  {"a%", ""},     {"área", ""}, {"x", ""}};
        for (const auto& [nome, marcador] : casos) {
            RecordsetPtr rs = Recordset::AbrirPorNome(c, "tblTessaura", QString::fromUtf8(nome));
            QCOMPARE(rs && !rs->EOF_() ? rs->Campo("Marcador").toString() : QString(), QString(marcador));
        }
    }

    void numerosComoORuntimeEscrevia()
    {
        QLocale::setDefault(QLocale("pt_BR"));
        QCOMPARE(Numeros::Formatar(1234567.25), QStringLiteral("1234567,25"));
        QCOMPARE(Numeros::Formatar(0.1 + 0.2), QStringLiteral("0,3"));
        // Small numbers are written out, as they can be typed back.
        QCOMPARE(Numeros::Formatar(0.00005), QStringLiteral("0,00005"));
        QCOMPARE(Numeros::Formatar(-1.25e-7), QStringLiteral("-0,000000125"));
        QCOMPARE(Numeros::Formatar(1.0 / 3.0 / 10000), QStringLiteral("0,0000333333333333333"));
        QCOMPARE(Numeros::FormatarDuasCasas(3), QStringLiteral("3,00"));
        QCOMPARE(Numeros::ArredondarInteiro(2.5), 2.0);
        QCOMPARE(Numeros::ArredondarInteiro(3.5), 4.0);
        bool ok = true;
        Numeros::Ler("1.5", &ok);
        QVERIFY(!ok);
        QVERIFY(Numeros::Ler(" 1,5 ", &ok) == 1.5 && ok);
        QLocale::setDefault(QLocale("en_US"));
        QCOMPARE(Numeros::Formatar(2.5), QStringLiteral("2.5"));
        QCOMPARE(Numeros::Formatar(0.00005), QStringLiteral("0.00005"));
        Numeros::Ler("1,5", &ok);
        QVERIFY(!ok);
    }
};

QTEST_MAIN(TesteBanco)
#include "tst_banco.moc"
