// Data reuse: what a whole-criterion copy requires, the dialog's list and
// value, taking one datum over or discarding it, and the copy's failures.
#include "Ambiente.h"

#include "common/Banco.h"
#include "common/Janelas.h"
#include "common/ModuloTessaura.h"
#include "entry/AproveitarDados.h"
#include "entry/Aproveitamento.h"
#include "entry/CaixaNumerica.h"
#include "entry/frmObjetivo.h"

#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

Q_DECLARE_METATYPE(Aproveitamento::Datum)

namespace MT = ModuloTessaura;
using Aproveitamento::Datum;
using Teste::Controle;

namespace {

// A row of tblTessaura with marker "alt<n>", the name and the given fields.
void alternativa(int n, const QVariant& nome, QVariantMap campos = {})
{
    campos.insert(QStringLiteral("Marcador"), QStringLiteral("alt%1").arg(n));
    campos.insert(QStringLiteral("Nome"), nome);
    QVERIFY(Teste::Inserir(QStringLiteral("tblTessaura"), campos));
}

const Datum kTR{"Objetivo", "T", "", "r", "ano", "TR"};
const Datum kQJmin{"Impactos da obra", "Q", "Mín", "jus", "m3", "QJmin"};
const Datum kAapta1{"Inserção da Obra", "A", "", "apta 1", "m2", "Aapta1"};

QString texto(Dialogo* d, const char* nome) { return Controle<QLabel>(d, nome)->text(); }
bool dialogoAberto() { return Janelas::Visivel(Janelas::Obter(QStringLiteral("frmPOP"))); }

void clicar(Dialogo* d, const char* nome) { Teste::Clicar(Controle(d, nome)); }
QStringList itens(Dialogo* d) { return Teste::Itens(Controle<QComboBox>(d, "Combo1")); }

// An entry window standing in for the real one: it counts the copies it received.
class Receptor : public Formulario, public ReceptorCriterio {
public:
    void PreencherDe(Banco::Recordset&) override { ++copias; }
    QLineEdit* caixa = new QLineEdit(QStringLiteral("antes"), this);
    int copias = 0;
};

Receptor* receptor(const QString& janela)
{
    Janelas::RegistrarFabrica(janela, [] { return new Receptor; });
    return dynamic_cast<Receptor*>(Janelas::Carregar(janela));
}

// A row's fields with some changed (a Null one is a field not given).
QVariantMap com(QVariantMap m, const QVariantMap& mudancas) { m.insert(mudancas); return m; }
// A complete impact criterion with the given changes.
QVariantMap impactos(const QVariantMap& mudancas = {})
{
    return com({{"QJmin", 1.5}, {"QJmax", 3.25}, {"Qalvo", 2.0}, {"Qinf", 0.5}, {"Qnat", 0.75}, {"PTD", 3},
                {"PPI", 4}, {"IAsup", 5}, {"IAsub", 6}}, mudancas);
}

}  // namespace

class TesteAproveitamento : public QObject {
    Q_OBJECT
private slots:
    void requisitosDaCopia_data()
    {
        QTest::addColumn<QString>("titulo");
        QTest::addColumn<QVariantMap>("linha");
        QTest::addColumn<int>("esperado");
        using V = Aproveitamento::Verificacao;
        const int completa = int(V::Completa), naoEstudada = int(V::NaoEstudada), vazios = int(V::CamposVazios);
        const QString objetivo = "Objetivo", impacto = "Impactos da obra", insercao = "Inserção da Obra";
        const QVariant nulo;
        QTest::newRow("objetivo completo") << objetivo << QVariantMap{{"TR", 10}, {"TRD", 25}} << completa;
        QTest::newRow("objetivo sem TRD") << objetivo << QVariantMap{{"TR", 10}} << naoEstudada;
        QTest::newRow("impactos completos") << impacto << impactos() << completa;
        QTest::newRow("so maxima") << impacto << impactos({{"QJmin", nulo}}) << completa;
        QTest::newRow("sem vazoes a jusante") << impacto << impactos({{"QJmin", nulo}, {"QJmax", nulo}}) << naoEstudada;
        QTest::newRow("por area")
            << impacto << impactos({{"Qinf", nulo}, {"Qnat", nulo}, {"Ainf", 100}, {"Anat", 80}}) << completa;
        QTest::newRow("sem recarga") << impacto << impactos({{"Qinf", nulo}, {"Qnat", nulo}}) << naoEstudada;
        QTest::newRow("vazao com par de area") << impacto << impactos({{"Qnat", nulo}, {"Anat", 80}}) << vazios;
        QTest::newRow("sem avaliacoes")
            << impacto << impactos({{"PTD", nulo}, {"PPI", nulo}, {"IAsup", nulo}, {"IAsub", nulo}}) << completa;
        const QVariantMap completo{{"Aapta1", 10}, {"Aapta2", 12}, {"ARL1", 5}, {"ARL2", 6}, {"Ades", 3}};
        QTest::newRow("insercao completa") << insercao << completo << completa;
        QTest::newRow("insercao sem Aapta2") << insercao << com(completo, {{"Aapta2", nulo}}) << vazios;
        QTest::newRow("insercao sem areas de lazer") << insercao << com(completo, {{"ARL1", nulo}, {"ARL2", nulo}})
                                                     << naoEstudada;
    }

    void requisitosDaCopia()
    {
        QFETCH(QString, titulo);
        QFETCH(QVariantMap, linha);
        QFETCH(int, esperado);
        const auto campo = [&linha](const QString& n) { return linha.value(n); };
        QCOMPARE(int(Aproveitamento::VerificarCopia(titulo, campo)), esperado);
    }

    void listaTemAsOutrasNaOrdemComSuasLinhas()
    {
        Teste::Sessao s;
        const QVariant nomes[] = {"Canal", QVariant(), "Dique", "Canal", "Bacia"};
        for (int n = 1; n <= 5; ++n)
            alternativa(n, nomes[n - 1], {{"TR", 3 + 2 * n}});
        QLineEdit caixa(QStringLiteral("1"));
        Teste::AoExibirModal([&](Dialogo* d) {
            // The caller (alt3) is left out; the others in creation order, the
            // nameless one as an empty entry.
            QCOMPARE(itens(d), (QStringList{"Canal", "", "Canal", "Bacia"}));
            QCOMPARE(texto(d, "lblValor"), QStringLiteral("5"));
            QTest::keyClick(Controle(d, "Combo1"), Qt::Key_Down);
            QCOMPARE(texto(d, "lblValor") + '|' + Controle<QLineEdit>(d, "Text2")->text(), QStringLiteral("7|2"));
            // The second "Canal" is its own row, not the first one of that name.
            QTest::keyClick(Controle(d, "Combo1"), Qt::Key_Down);
            QCOMPARE(texto(d, "lblValor") + '|' + Controle<QLineEdit>(d, "Text2")->text(), QStringLiteral("11|4"));
            clicar(d, "CommandButton1");
        });
        Aproveitamento::PedirAproveitamento(&caixa, QStringLiteral("alt3"), kTR);
        QCOMPARE(caixa.text() + '|' + MT::ValorPOP.toString() + '|' + MT::MarcadorPOP, QStringLiteral("11|11|alt3"));
    }

    void umDado_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<Datum>("datum");
        QTest::addColumn<QVariant>("valor");
        QTest::addColumn<QString>("botao");
        QTest::addColumn<QString>("mostrado");
        QTest::addColumn<QString>("caixaDepois");

        // The dialog's criterion, symbol and value as it shows them; the box after.
        const QString aproveitar = "CommandButton1", q = "Impactos da obra|QMínjus|";
        QTest::newRow("virgula") << "pt_BR" << kQJmin << QVariant(2.5) << aproveitar << q + "2,5" << "2,5";
        QTest::newRow("ponto") << "en_US" << kQJmin << QVariant(2.5) << aproveitar << q + "2.5" << "2.5";
        QTest::newRow("sem agrupamento") << "pt_BR" << kAapta1 << QVariant(1234567.125) << aproveitar
                                         << "Inserção da Obra|Aapta 1|1234567,125" << "1234567,125";
        QTest::newRow("zero e dado") << "pt_BR" << kTR << QVariant(0) << aproveitar << "Objetivo|Tr|0" << "0";
        QTest::newRow("nao fornecido") << "pt_BR" << kQJmin << QVariant() << aproveitar << q + " - " << "9";
        QTest::newRow("descartado") << "pt_BR" << kQJmin << QVariant(8.5) << "CommandButton2" << q + "8,5" << "9";
    }

    void umDado()
    {
        QFETCH(QString, locale);
        QFETCH(Datum, datum);
        QFETCH(QVariant, valor);
        QFETCH(QString, botao);
        QFETCH(QString, mostrado);
        QFETCH(QString, caixaDepois);
        Teste::Sessao s(locale);
        alternativa(1, "Origem", {{datum.campo, valor}});
        alternativa(2, "Destino");
        CaixaNumerica caixa(CaixaNumerica::Filtro::Decimal);
        caixa.setText(QStringLiteral("9"));
        QString visto;
        Teste::AoExibirModal([&](Dialogo* d) {
            visto = d->windowTitle() + '|' + texto(d, "Label2") + '|' + texto(d, "lblA") + texto(d, "lblB")
                    + texto(d, "lblC") + '|' + texto(d, "lblValor");
            clicar(d, qPrintable(botao));
        });
        Aproveitamento::PedirAproveitamento(&caixa, QStringLiteral("alt2"), datum);
        QCOMPARE(visto + " > " + caixa.text(), "Reaproveitamento de dados|" + mostrado + " > " + caixaDepois);
        QVERIFY(!Janelas::Carregada(QStringLiteral("frmPOP")) && Teste::TextosMostrados().isEmpty());
    }

    void criterioInteiroQueFalhaNaoTocaAJanela()
    {
        const struct { const char* janela; Datum datum; QVariantMap origem; QString mensagem, valor; } casos[] = {
            {"frmObjetivo", kTR, {}, Aproveitamento::MsgNaoEstudada, " - "},
            {"frmImpacto", kQJmin, impactos({{"Qnat", QVariant()}, {"Anat", 80}}), Aproveitamento::MsgCamposVazios,
             "1,5"},
        };
        for (const auto& c : casos) {
            Teste::Sessao s;
            alternativa(1, "Origem", c.origem);
            alternativa(2, "Atual");
            Receptor* r = receptor(c.janela);
            Teste::AoExibirModal([&](Dialogo* d) {
                clicar(d, "OptionButton1");
                clicar(d, "CommandButton1");
                QCOMPARE(Teste::UltimaResumida(), Teste::Resumo("Vazora", Mensagens::Icone::Critico, c.mensagem));
                // The dialog stays as it was: the alternative and the choice.
                QVERIFY(MT::FalhaAproveitamento && dialogoAberto());
                QCOMPARE(texto(d, "lblValor"), c.valor);
                QVERIFY(Controle<QRadioButton>(d, "OptionButton1")->isChecked());
                clicar(d, "CommandButton2");
            });
            Aproveitamento::PedirAproveitamento(r->caixa, QStringLiteral("alt2"), c.datum);
            QVERIFY(!Janelas::Carregada(QStringLiteral("frmPOP")) && Teste::TextosMostrados().size() == 1);
            QCOMPARE(r->caixa->text() + QString::number(r->copias), QStringLiteral("antes0"));
        }
    }

    void copiaSemJanelaOuAlternativa()
    {
        Teste::Sessao s;
        alternativa(1, "Origem", {{"TR", 10}, {"TRD", 20}});
        // The only alternative asks: the list is empty and nothing can be taken.
        QLineEdit caixa(QStringLiteral("3"));
        Teste::AoExibirModal([&](Dialogo* d) {
            QVERIFY(itens(d).isEmpty());
            QCOMPARE(texto(d, "lblValor"), QStringLiteral(" - "));
            clicar(d, "CommandButton1");  // no datum to take: as "Descartar dado"
        });
        Aproveitamento::PedirAproveitamento(&caixa, QStringLiteral("alt1"), kTR);
        QVERIFY(!Janelas::Carregada(QStringLiteral("frmPOP")));
        QCOMPARE(caixa.text(), QStringLiteral("3"));

        // The entry window is not loaded: nothing is created for it.
        Aproveitamento::AproveitarDados(QStringLiteral("Objetivo"), 1);
        QVERIFY(MT::FalhaAproveitamento && !Janelas::Carregada(QStringLiteral("frmObjetivo")));
        QCOMPARE(Teste::TextosMostrados(), QStringList{Aproveitamento::MsgNaoEstudada});

        Receptor* r = receptor(QStringLiteral("frmObjetivo"));
        Aproveitamento::AproveitarDados(QStringLiteral("Objetivo"), 1);
        QVERIFY(!MT::FalhaAproveitamento && r->copias == 1);

        // A number no alternative has, or an unknown criterion (no failure).
        for (int numero : {0, 2})
            Aproveitamento::AproveitarDados(QStringLiteral("Objetivo"), numero);
        QVERIFY(MT::FalhaAproveitamento);
        Aproveitamento::AproveitarDados(QStringLiteral("Outro"), 1);
        QVERIFY(!MT::FalhaAproveitamento && r->copias == 1);
        QCOMPARE(Teste::TextosMostrados().size(), 3);
    }

    // F5 in the objective window on alt1: a switch to alt3 that fails under another program's hold leaves
    // the dialog on alt2 with the value it read, and "Aproveitar dado" hands back that value, the one shown,
    // even though another program has rewritten alt2's row since.
    void umDadoAposTrocaQueFalhou()
    {
        Teste::Sessao s;
        Banco::Testes::DefinirEspera(30);
        // The real entry window, where other cases stand a receiver in for it.
        Janelas::RegistrarFabrica(QStringLiteral("frmObjetivo"), [] { return new frmObjetivo; });
        Teste::Projeto(3);
        Teste::Executar("UPDATE tblTessaura SET TR = 10 WHERE Marcador = 'alt2'");
        Teste::Executar("UPDATE tblTessaura SET TR = 30 WHERE Marcador = 'alt3'");
        frmObjetivo* o = s.Mostrar<frmObjetivo>();
        Teste::Substituir(o->Text1, "5");
        QStringList visto;
        Teste::NoDialogo([&](QDialog* d) {
            auto* lista = Controle<QComboBox>(d, "Combo1");
            const auto mostrado = [&] { return lista->currentText() + '|' + Controle<QLabel>(d, "lblValor")->text(); };
            visto << mostrado();
            Mensagens::LimparHistorico();
            {
                Teste::Trava trava(s.CaminhoBanco());
                QTest::keyClick(lista, Qt::Key_Down);
            }
            visto << mostrado() + '|' + QString::number(Teste::TextosMostrados().size()) + ' '
                         + Teste::UltimaResumida();
            Teste::Executar("UPDATE tblTessaura SET TR = 12 WHERE Marcador = 'alt2'");
            Teste::Clicar(Controle(d, "CommandButton1"));
        });
        QTest::keyClick(o->Text1, Qt::Key_F5);
        const QString emUso = "O banco de dados \"" + s.CaminhoBanco()
                            + "\" está em uso por outro programa. Feche-o e tente novamente.";
        QCOMPARE(visto, (QStringList{"Alternativa 2|10", "Alternativa 2|10|1 "
                                         + Teste::Resumo("Análise Tessaura", Mensagens::Icone::Critico, emUso)}));
        QVERIFY(!Janelas::Carregada(QStringLiteral("frmPOP")));
        QCOMPARE(o->Text1->text(), QStringLiteral("10"));
    }
};

TESTE_MAIN(TesteAproveitamento)
#include "tst_aproveitamento.moc"
