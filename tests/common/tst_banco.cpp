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
    void linhasNaOrdemDeCriacao()
    {
        Teste::Sessao s;
        ConexaoPtr c = Abrir();
        RecordsetPtr rs = Recordset::Abrir(c, "tblTessaura");
        QVERIFY(rs->EOF_() && rs->BOF());
        // The file itself refuses text in a numeric column.
        QVERIFY(!Teste::Executar("INSERT INTO tblTessaura (Marcador, QJmax) VALUES ('alt1', 'abc')"));
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

    // A text that does not convert by the locale is refused and leaves the
    // stored value; the other fields are written all the same, quote included.
    void valorNumerico()
    {
        const struct { const char *locale, *campo, *texto; double valor; } casos[] = {  // valor 7: refused
            {"pt_BR", "QJmin", "2,5", 2.5},        {"pt_BR", "QJmin", "1,,5", 7}, {"pt_BR", "QJmin", ",", 7},
            {"pt_BR", "QJmin", "12.5", 7},         {"pt_BR", "TR", "25", 25},    {"pt_BR", "TR", "99999999999", 7},
            {"en_US", "QJmin", "12.5", 12.5},      {"en_US", "TR", "abc", 7}};
        for (const auto& c : casos) {
            Teste::Sessao s(c.locale);
            const QString campo = c.campo;
            QVERIFY(Teste::Inserir("tblTessaura", {{"Marcador", "alt1"}, {campo, 7}}));
            RecordsetPtr rs = Recordset::Abrir(Abrir(), "tblTessaura");
            rs->MoveFirst();
            rs->Edit();
            QVERIFY2(rs->Definir(campo, c.texto) == (c.valor != 7), c.texto);
            QVERIFY(rs->Definir("Nome", "O'Brien") && rs->Update());
            QCOMPARE(rs->Campo(campo).toDouble(), c.valor);
            QCOMPARE(Teste::Coluna("SELECT typeof(" + campo + ") || Nome FROM tblTessaura").first().toString(),
                     QString(campo == "TR" ? "integerO'Brien" : "realO'Brien"));
        }
    }

    void buscaPorNomeLiteralSemCaixa()
    {
        Teste::Sessao s;
        const QStringList nomes{"Área verde", "O'Neil", "a*", "a?", "abc", "%_", "[x]", "Dupla", "dupla"};
        for (int i = 0; i < nomes.size(); ++i)
            Teste::Inserir("tblTessaura", {{"Marcador", QStringLiteral("alt%1").arg(i + 1)}, {"Nome", nomes[i]}});
        ConexaoPtr c = Abrir();
        const std::pair<const char*, const char*> casos[] = {
            {"ÁREA VERDE", "alt1"}, {"o'neil", "alt2"}, {"a*", "alt3"}, {"a?", "alt4"}, {"%_", "alt6"},
            {"[x]", "alt7"},        {"DUPLA", "alt8"},  {"a%", ""},     {"área", ""}, {"x", ""}};
        for (const auto& [nome, marcador] : casos) {
            RecordsetPtr rs = Recordset::AbrirPorNome(c, "tblTessaura", QString::fromUtf8(nome));
            QCOMPARE(rs && !rs->EOF_() ? rs->Campo("Marcador").toString() : QString(), QString(marcador));
        }
    }

    void numerosComoORuntimeEscrevia()
    {
        QLocale::setDefault(QLocale("pt_BR"));
        // Small numbers are written out, as they can be typed back.
        const std::pair<double, const char*> casos[] = {{1234567.25, "1234567,25"},
                                                        {0.1 + 0.2, "0,3"},
                                                        {0.00005, "0,00005"},
                                                        {-1.25e-7, "-0,000000125"},
                                                        {1.0 / 3.0 / 10000, "0,0000333333333333333"}};
        for (const auto& [numero, texto] : casos)
            QCOMPARE(Numeros::Formatar(numero), QString(texto));
        QCOMPARE(Numeros::FormatarDuasCasas(3), QStringLiteral("3,00"));
        QVERIFY(Numeros::ArredondarInteiro(2.5) == 2.0 && Numeros::ArredondarInteiro(3.5) == 4.0);
        bool ok = true;
        Numeros::Ler("1.5", &ok);
        QVERIFY(!ok);
        QVERIFY(Numeros::Ler(" 1,5 ", &ok) == 1.5 && ok);
        QLocale::setDefault(QLocale("en_US"));
        QCOMPARE(Numeros::Formatar(0.00005), QStringLiteral("0.00005"));
        Numeros::Ler("1,5", &ok);
        QVERIFY(!ok);
    }
};

QTEST_MAIN(TesteBanco)
#include "tst_banco.moc"
