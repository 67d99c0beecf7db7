// Data reuse: the dialog's list and value, taking one datum over, discarding,
// and copying a whole criterion into the entry window that asked.
#include "Ambiente.h"

#include "common/Banco.h"
#include "common/Janelas.h"
#include "common/ModuloTessaura.h"
#include "common/Numeros.h"
#include "entry/AproveitarDados.h"
#include "entry/Aproveitamento.h"
#include "entry/CaixaNumerica.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

Q_DECLARE_METATYPE(Aproveitamento::Datum)

namespace MT = ModuloTessaura;
using Aproveitamento::Datum;

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
const Datum kQJmax{"Impactos da obra", "Q", "Máx", "jus", "m3", "QJmax"};
const Datum kQinf{"Impactos da obra", "Q", "", "inf", "m3", "Qinf"};
const Datum kAapta1{"Inserção da Obra", "A", "", "apta 1", "m2", "Aapta1"};

template <class T> T* controle(Dialogo* d, const char* nome)
{
    T* c = d->findChild<T*>(QString::fromLatin1(nome));
    if (!c)
        qWarning("control %s not found", nome);
    return c;
}

QString texto(Dialogo* d, const char* nome) { return controle<QLabel>(d, nome)->text(); }

void clicar(Dialogo* d, const char* botao)
{
    QTest::mouseClick(controle<QPushButton>(d, botao), Qt::LeftButton);
}

void escolherOpcao(Dialogo* d, const char* opcao)
{
    auto* o = controle<QRadioButton>(d, opcao);
    QTest::mouseClick(o, Qt::LeftButton, {}, QPoint(8, o->height() / 2));
}

// Chooses a list entry with the arrow keys, as a user would.
void escolherAlternativa(Dialogo* d, int indice)
{
    auto* combo = controle<QComboBox>(d, "Combo1");
    combo->setFocus();
    while (combo->currentIndex() < indice)
        QTest::keyClick(combo, Qt::Key_Down);
    while (combo->currentIndex() > indice)
        QTest::keyClick(combo, Qt::Key_Up);
}

QStringList itens(Dialogo* d)
{
    QStringList r;
    auto* combo = controle<QComboBox>(d, "Combo1");
    for (int i = 0; i < combo->count(); ++i)
        r << combo->itemText(i);
    return r;
}

bool dialogoAberto()
{
    Janela* j = Janelas::Obter(QStringLiteral("frmPOP"));
    return j && j->Widget()->isVisible();
}

// An entry window standing in for the real ones: its boxes Text1.. take the
// given fields from the source row, and it counts the copies it received.
class Receptor : public Formulario, public ReceptorCriterio {
public:
    explicit Receptor(QStringList campos) : m_campos(std::move(campos))
    {
        for (int i = 0; i < m_campos.size(); ++i) {
            auto* t = new QLineEdit(this);
            t->setObjectName(QStringLiteral("Text%1").arg(i + 1));
            t->setText(QStringLiteral("antes %1").arg(i + 1));
        }
    }
    void PreencherDe(Banco::Recordset& origem) override
    {
        ++copias;
        for (int i = 0; i < m_campos.size(); ++i) {
            // "Qinf|Ainf": the first given of the alternatives, as the recharge pair.
            QString valor;
            for (const QString& campo : m_campos[i].split('|')) {
                if (valor.isEmpty())
                    valor = Numeros::TextoDoCampo(origem.Campo(campo));
            }
            Caixa(i + 1)->setText(valor);
        }
    }
    QLineEdit* Caixa(int n) { return findChild<QLineEdit*>(QStringLiteral("Text%1").arg(n)); }
    QStringList Textos()
    {
        QStringList r;
        for (int i = 1; i <= m_campos.size(); ++i)
            r << Caixa(i)->text();
        return r;
    }
    int copias = 0;

private:
    QStringList m_campos;
};

void registrarReceptores()
{
    Janelas::RegistrarFabrica(QStringLiteral("frmObjetivo"),
                              [] { return new Receptor({"TR", "TRD"}); });
    Janelas::RegistrarFabrica(QStringLiteral("frmImpacto"), [] {
        return new Receptor({"QJmin", "QJmax", "Qalvo", "Qinf|Ainf", "Qnat|Anat"});
    });
    Janelas::RegistrarFabrica(QStringLiteral("frmInsercao"), [] {
        return new Receptor({"Aapta1", "Aapta2", "ARL1", "ARL2", "Ades"});
    });
}

Receptor* receptor(const char* nome)
{
    return dynamic_cast<Receptor*>(Janelas::Carregar(QString::fromLatin1(nome)));
}

// A complete impact criterion with the given changes.
QVariantMap impactos(const QVariantMap& mudancas = {})
{
    QVariantMap m{{"QJmin", 1.5}, {"QJmax", 3.25}, {"Qalvo", 2.0},  {"Qinf", 0.5},
                  {"Qnat", 0.75}, {"PTD", 3},      {"PPI", 4},      {"IAsup", 5}, {"IAsub", 6}};
    for (auto it = mudancas.begin(); it != mudancas.end(); ++it)
        m.insert(it.key(), it.value());
    return m;
}

}  // namespace

class TesteAproveitamento : public QObject {
    Q_OBJECT
private slots:
    void requisitosDaCopia_data();
    void requisitosDaCopia();
    void dialogoMostraODado();
    void listaTemAsOutrasNaOrdemComSuasLinhas();
    void umDado_data();
    void umDado();
    void descartarMantemACaixa();
    void f5NaCaixaAbreUmSoDialogo();
    void listaVazia();
    void criterioInteiroSemDadosNaoTocaAJanela();
    void criterioInteiroComParIncompletoNaoTocaAJanela();
    void criterioInteiroCopiaEFecha();
    void copiaSemJanelaOuAlternativa();
};

void TesteAproveitamento::requisitosDaCopia_data()
{
    QTest::addColumn<QString>("titulo");
    QTest::addColumn<QVariantMap>("linha");
    QTest::addColumn<int>("esperado");
    using V = Aproveitamento::Verificacao;
    const int completa = int(V::Completa), naoEstudada = int(V::NaoEstudada),
              vazios = int(V::CamposVazios);

    QTest::newRow("objetivo completo") << "Objetivo" << QVariantMap{{"TR", 10}, {"TRD", 25}}
                                       << completa;
    QTest::newRow("objetivo sem TRD") << "Objetivo" << QVariantMap{{"TR", 10}} << naoEstudada;
    QTest::newRow("objetivo com zero") << "Objetivo" << QVariantMap{{"TR", 0}, {"TRD", 0}}
                                       << completa;

    QTest::newRow("impactos completos") << "Impactos da obra" << impactos() << completa;
    QTest::newRow("impactos so maxima")
        << "Impactos da obra" << impactos({{"QJmin", QVariant()}}) << completa;
    QTest::newRow("impactos sem vazoes a jusante")
        << "Impactos da obra" << impactos({{"QJmin", QVariant()}, {"QJmax", QVariant()}})
        << naoEstudada;
    QTest::newRow("impactos sem alvo")
        << "Impactos da obra" << impactos({{"Qalvo", QVariant()}}) << naoEstudada;
    QTest::newRow("impactos por area")
        << "Impactos da obra"
        << impactos({{"Qinf", QVariant()}, {"Qnat", QVariant()}, {"Ainf", 100}, {"Anat", 80}})
        << completa;
    QTest::newRow("impactos sem recarga")
        << "Impactos da obra" << impactos({{"Qinf", QVariant()}, {"Qnat", QVariant()}})
        << naoEstudada;
    QTest::newRow("vazao com par de area")
        << "Impactos da obra" << impactos({{"Qnat", QVariant()}, {"Anat", 80}}) << vazios;
    QTest::newRow("area com par de vazao")
        << "Impactos da obra" << impactos({{"Qinf", QVariant()}, {"Ainf", 100}}) << vazios;
    QTest::newRow("impactos sem avaliacoes")
        << "Impactos da obra"
        << impactos({{"PTD", QVariant()}, {"PPI", QVariant()}, {"IAsup", QVariant()},
                     {"IAsub", QVariant()}})
        << completa;

    const QVariantMap insercao{{"Aapta1", 10}, {"Aapta2", 12}, {"ARL1", 5}, {"ARL2", 6},
                               {"Ades", 3}};
    QTest::newRow("insercao completa") << "Inserção da Obra" << insercao << completa;
    QVariantMap semApta2 = insercao;
    semApta2.remove("Aapta2");
    QTest::newRow("insercao sem Aapta2") << "Inserção da Obra" << semApta2 << vazios;
    QVariantMap semRL = insercao;
    semRL.remove("ARL1");
    semRL.remove("ARL2");
    QTest::newRow("insercao sem areas de lazer") << "Inserção da Obra" << semRL << naoEstudada;
    QVariantMap semDes = insercao;
    semDes.remove("Ades");
    QTest::newRow("insercao sem Ades") << "Inserção da Obra" << semDes << naoEstudada;
}

void TesteAproveitamento::requisitosDaCopia()
{
    QFETCH(QString, titulo);
    QFETCH(QVariantMap, linha);
    QFETCH(int, esperado);
    const auto campo = [&linha](const QString& n) { return linha.value(n); };
    QCOMPARE(int(Aproveitamento::VerificarCopia(titulo, campo)), esperado);
}

void TesteAproveitamento::dialogoMostraODado()
{
    Teste::Sessao s;
    alternativa(1, "Bacia");
    alternativa(2, "Canal", impactos());
    QLineEdit caixa;
    bool visto = false;
    Teste::AoExibirModal([&](Dialogo* d) {
        visto = true;
        QCOMPARE(d->objectName(), QStringLiteral("frmPOP"));
        QCOMPARE(d->windowTitle(), QStringLiteral("Reaproveitamento de dados"));
        QCOMPARE(texto(d, "Label1"), QStringLiteral("Critério em análise:"));
        QCOMPARE(texto(d, "Label2"), QStringLiteral("Impactos da obra"));
        QCOMPARE(texto(d, "Label3"), QStringLiteral("Alternativa:"));
        QCOMPARE(texto(d, "Label4"), QStringLiteral("Dado"));
        QCOMPARE(texto(d, "Label5"), QStringLiteral("Valor"));
        QCOMPARE(texto(d, "Label10"), QStringLiteral("Unidade"));
        QCOMPARE(texto(d, "Label6"), QStringLiteral("QJmax"));
        auto* a = controle<QLabel>(d, "lblA");
        auto* b = controle<QLabel>(d, "lblB");
        auto* c = controle<QLabel>(d, "lblC");
        QCOMPARE(a->text() + b->text() + c->text(), QStringLiteral("QMáxjus"));
        QCOMPARE(b->x(), a->x() + a->width());
        QCOMPARE(c->x(), a->x() + a->width());
        QVERIFY(b->y() < a->y() + a->height() / 2 && c->y() > b->y());
        QVERIFY(controle<QLabel>(d, "m3")->isVisible());
        QVERIFY(!controle<QLabel>(d, "m2")->isVisible());
        QVERIFY(!controle<QLabel>(d, "ano")->isVisible());
        QCOMPARE(texto(d, "lblValor"), QStringLiteral("3,25"));
        QCOMPARE(controle<QLineEdit>(d, "Text2")->text(), QStringLiteral("2"));
        QVERIFY(!controle<QLineEdit>(d, "Text2")->isVisible());
        QVERIFY(!controle<QLabel>(d, "Label6")->isVisible());
        QCOMPARE(controle<QPushButton>(d, "CommandButton1")->text(),
                 QStringLiteral("Aproveitar dado"));
        QCOMPARE(controle<QPushButton>(d, "CommandButton2")->text(),
                 QStringLiteral("Descartar dado"));

        // One datum is the choice on opening; the explanation shows only
        // while the whole criterion is chosen.
        auto* explicacao = controle<QPlainTextEdit>(d, "Text1");
        QVERIFY(controle<QRadioButton>(d, "OptionButton2")->isChecked());
        QVERIFY(!explicacao->isVisible());
        escolherOpcao(d, "OptionButton1");
        QVERIFY(controle<QRadioButton>(d, "OptionButton1")->isChecked());
        QVERIFY(explicacao->isVisible());
        QVERIFY(explicacao->toPlainText().startsWith(
            QStringLiteral("Com essa opção você vai aproveitar todos os dados da alternativa "
                           "selecionada acima para o critério analisado.")));
        escolherOpcao(d, "OptionButton2");
        QVERIFY(!explicacao->isVisible());
        clicar(d, "CommandButton2");
    });
    Aproveitamento::PedirAproveitamento(&caixa, QStringLiteral("alt1"), kQJmax);
    QVERIFY(visto);
    QVERIFY(!Janelas::Carregada(QStringLiteral("frmPOP")));
}

void TesteAproveitamento::listaTemAsOutrasNaOrdemComSuasLinhas()
{
    Teste::Sessao s;
    alternativa(1, "Canal", {{"TR", 5}});
    alternativa(2, QVariant(), {{"TR", 7}});
    alternativa(3, "Dique", {{"TR", 9}});
    alternativa(4, "Canal", {{"TR", 11}});
    alternativa(5, "Bacia", {{"TR", 13}});
    QLineEdit caixa(QStringLiteral("1"));
    Teste::AoExibirModal([&](Dialogo* d) {
        // The caller (alt3) is left out; the others in creation order, the
        // nameless one as an empty entry.
        QCOMPARE(itens(d), (QStringList{"Canal", "", "Canal", "Bacia"}));
        QCOMPARE(controle<QComboBox>(d, "Combo1")->currentIndex(), 0);
        QCOMPARE(texto(d, "lblValor"), QStringLiteral("5"));
        escolherAlternativa(d, 1);
        QCOMPARE(texto(d, "lblValor"), QStringLiteral("7"));
        QCOMPARE(controle<QLineEdit>(d, "Text2")->text(), QStringLiteral("2"));
        // The second "Canal" is its own row, not the first one of that name.
        escolherAlternativa(d, 2);
        QCOMPARE(texto(d, "lblValor"), QStringLiteral("11"));
        QCOMPARE(controle<QLineEdit>(d, "Text2")->text(), QStringLiteral("4"));
        clicar(d, "CommandButton1");
    });
    Aproveitamento::PedirAproveitamento(&caixa, QStringLiteral("alt3"), kTR);
    QCOMPARE(caixa.text(), QStringLiteral("11"));
    QCOMPARE(MT::ValorPOP.toString(), QStringLiteral("11"));
    QCOMPARE(MT::MarcadorPOP, QStringLiteral("alt3"));
}

void TesteAproveitamento::umDado_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<Datum>("datum");
    QTest::addColumn<QVariant>("valor");
    QTest::addColumn<QString>("mostrado");
    QTest::addColumn<QString>("caixaDepois");

    QTest::newRow("virgula") << "pt_BR" << kQJmin << QVariant(2.5) << "2,5" << "2,5";
    QTest::newRow("ponto") << "en_US" << kQJmin << QVariant(2.5) << "2.5" << "2.5";
    QTest::newRow("sem agrupamento") << "pt_BR" << kAapta1 << QVariant(1234567.125)
                                     << "1234567,125" << "1234567,125";
    QTest::newRow("inteiro") << "pt_BR" << kTR << QVariant(25) << "25" << "25";
    QTest::newRow("zero e dado") << "pt_BR" << kQJmin << QVariant(0.0) << "0" << "0";
    QTest::newRow("nao fornecido") << "pt_BR" << kQJmin << QVariant() << " - " << "9";
}

void TesteAproveitamento::umDado()
{
    QFETCH(QString, locale);
    QFETCH(Datum, datum);
    QFETCH(QVariant, valor);
    QFETCH(QString, mostrado);
    QFETCH(QString, caixaDepois);
    Teste::Sessao s(locale);
    alternativa(1, "Origem", {{datum.campo, valor}});
    alternativa(2, "Destino");
    CaixaNumerica caixa(CaixaNumerica::Filtro::Decimal);
    caixa.setText(QStringLiteral("9"));
    QString visto;
    Teste::AoExibirModal([&](Dialogo* d) {
        visto = texto(d, "lblValor");
        clicar(d, "CommandButton1");
    });
    Aproveitamento::PedirAproveitamento(&caixa, QStringLiteral("alt2"), datum);
    QCOMPARE(visto, mostrado);
    QCOMPARE(caixa.text(), caixaDepois);
    QVERIFY(!Janelas::Carregada(QStringLiteral("frmPOP")));
    QVERIFY(Teste::TextosMostrados().isEmpty());
}

void TesteAproveitamento::descartarMantemACaixa()
{
    for (const QString& antes : {QStringLiteral("1,25"), QString()}) {
        Teste::Sessao s;
        alternativa(1, "Origem", {{"QJmin", 8.5}});
        alternativa(2, "Destino");
        QLineEdit caixa(antes);
        Teste::AoExibirModal([&](Dialogo* d) {
            QCOMPARE(texto(d, "lblValor"), QStringLiteral("8,5"));
            clicar(d, "CommandButton2");
        });
        Aproveitamento::PedirAproveitamento(&caixa, QStringLiteral("alt2"), kQJmin);
        QCOMPARE(caixa.text(), antes);
        QVERIFY(!Janelas::Carregada(QStringLiteral("frmPOP")));
    }
}

void TesteAproveitamento::f5NaCaixaAbreUmSoDialogo()
{
    Teste::Sessao s;
    alternativa(1, "Origem", {{"TR", 50}});
    alternativa(2, "Destino");
    CaixaNumerica caixa(CaixaNumerica::Filtro::Inteiro);
    QObject::connect(&caixa, &CaixaNumerica::KeyDown, &caixa, [&caixa](int tecla) {
        if (tecla == Qt::Key_F5)
            Aproveitamento::PedirAproveitamento(&caixa, QStringLiteral("alt2"), kTR);
    });
    int aberturas = 0;
    Teste::AoExibirModal([&](Dialogo* d) {
        ++aberturas;
        // F5 again while the dialog is open opens nothing more.
        QTest::keyClick(&caixa, Qt::Key_F5);
        QCOMPARE(Janelas::Obter(QStringLiteral("frmPOP"))->Widget(), static_cast<QWidget*>(d));
        clicar(d, "CommandButton1");
    });
    QTest::keyClick(&caixa, Qt::Key_F5, Qt::ShiftModifier);
    QCOMPARE(aberturas, 1);
    QCOMPARE(caixa.text(), QStringLiteral("50"));
    // Other keys ask for nothing.
    QTest::keyClick(&caixa, Qt::Key_F4);
    QCOMPARE(aberturas, 1);
}

void TesteAproveitamento::listaVazia()
{
    Teste::Sessao s;
    alternativa(1, "Sozinha", {{"TR", 5}});
    QLineEdit caixa(QStringLiteral("3"));
    Teste::AoExibirModal([&](Dialogo* d) {
        QVERIFY(itens(d).isEmpty());
        QCOMPARE(texto(d, "lblValor"), QStringLiteral(" - "));
        escolherOpcao(d, "OptionButton1");
        clicar(d, "CommandButton1");
        QCOMPARE(Teste::TextosMostrados(), QStringList{Aproveitamento::MsgNaoEstudada});
        QVERIFY(dialogoAberto());
        escolherOpcao(d, "OptionButton2");
        clicar(d, "CommandButton1");
    });
    Aproveitamento::PedirAproveitamento(&caixa, QStringLiteral("alt1"), kTR);
    QVERIFY(!Janelas::Carregada(QStringLiteral("frmPOP")));
    QCOMPARE(caixa.text(), QStringLiteral("3"));
}

void TesteAproveitamento::criterioInteiroSemDadosNaoTocaAJanela()
{
    struct Caso {
        const char* janela;
        Datum datum;
    };
    for (const Caso& caso : {Caso{"frmObjetivo", kTR}, Caso{"frmImpacto", kQJmin},
                             Caso{"frmInsercao", kAapta1}}) {
        Teste::Sessao s;
        registrarReceptores();
        alternativa(1, "Nova");
        alternativa(2, "Atual");
        Receptor* r = receptor(caso.janela);
        const QStringList antes = r->Textos();
        Teste::AoExibirModal([&](Dialogo* d) {
            escolherOpcao(d, "OptionButton1");
            clicar(d, "CommandButton1");
            const Mensagens::Mensagem* m = Teste::UltimaMensagem();
            QVERIFY(m);
            QCOMPARE(m->texto, Aproveitamento::MsgNaoEstudada);
            QCOMPARE(m->titulo, QStringLiteral("Vazora"));
            QCOMPARE(int(m->icone), int(Mensagens::Icone::Critico));
            QVERIFY(MT::FalhaAproveitamento);
            QVERIFY(dialogoAberto());
            QCOMPARE(r->copias, 0);
            QCOMPARE(r->Textos(), antes);
            // The dialog stays as it was: the alternative and the choice.
            QCOMPARE(texto(d, "lblValor"), QStringLiteral(" - "));
            QVERIFY(controle<QRadioButton>(d, "OptionButton1")->isChecked());
            clicar(d, "CommandButton2");
        });
        Aproveitamento::PedirAproveitamento(r->Caixa(1), QStringLiteral("alt2"), caso.datum);
        QVERIFY(!Janelas::Carregada(QStringLiteral("frmPOP")));
        QCOMPARE(r->Textos(), antes);
        QCOMPARE(Teste::TextosMostrados().size(), 1);
    }
}

void TesteAproveitamento::criterioInteiroComParIncompletoNaoTocaAJanela()
{
    Teste::Sessao s;
    registrarReceptores();
    alternativa(1, "Meia recarga", impactos({{"Qnat", QVariant()}, {"Anat", 80}}));
    alternativa(2, "Completa", impactos({{"QJmin", 9.5}}));
    alternativa(3, "Atual");
    Receptor* r = receptor("frmImpacto");
    const QStringList antes = r->Textos();
    Teste::AoExibirModal([&](Dialogo* d) {
        escolherOpcao(d, "OptionButton1");
        clicar(d, "CommandButton1");
        QCOMPARE(Teste::TextosMostrados(), QStringList{Aproveitamento::MsgCamposVazios});
        QCOMPARE(Teste::UltimaMensagem()->titulo, QStringLiteral("Vazora"));
        QCOMPARE(int(Teste::UltimaMensagem()->icone), int(Mensagens::Icone::Critico));
        QVERIFY(dialogoAberto());
        QCOMPARE(r->copias, 0);
        QCOMPARE(r->Textos(), antes);
        // Another alternative can then be chosen and copied.
        escolherAlternativa(d, 1);
        clicar(d, "CommandButton1");
        QVERIFY(!MT::FalhaAproveitamento);
    });
    Aproveitamento::PedirAproveitamento(r->Caixa(1), QStringLiteral("alt3"), kQJmin);
    QCOMPARE(r->copias, 1);
    QCOMPARE(r->Textos(), (QStringList{"9,5", "3,25", "2", "0,5", "0,75"}));
    QCOMPARE(Teste::TextosMostrados().size(), 1);
}

void TesteAproveitamento::criterioInteiroCopiaEFecha()
{
    Teste::Sessao s;
    registrarReceptores();
    alternativa(1, "Atual", {{"TR", 1}, {"TRD", 2}});
    alternativa(2, "Origem", {{"TR", 10}, {"TRD", 100}});
    Receptor* r = receptor("frmObjetivo");
    Teste::AoExibirModal([&](Dialogo* d) {
        QCOMPARE(texto(d, "lblValor"), QStringLiteral("100"));
        escolherOpcao(d, "OptionButton1");
        clicar(d, "CommandButton1");
    });
    Aproveitamento::PedirAproveitamento(r->Caixa(2), QStringLiteral("alt1"),
                                        Datum{"Objetivo", "T", "", "RD", "ano", "TRD"});
    QVERIFY(!Janelas::Carregada(QStringLiteral("frmPOP")));
    QVERIFY(Teste::TextosMostrados().isEmpty());
    QCOMPARE(r->Textos(), (QStringList{"10", "100"}));
    QCOMPARE(MT::ValorPOP.toString(), QStringLiteral("100"));
    // The copy stores nothing.
    QCOMPARE(Teste::Coluna("SELECT TR FROM tblTessaura WHERE Marcador='alt1'").first().toInt(), 1);
}

void TesteAproveitamento::copiaSemJanelaOuAlternativa()
{
    Teste::Sessao s;
    registrarReceptores();
    alternativa(1, "Origem", {{"TR", 10}, {"TRD", 20}});
    // The entry window is not loaded: nothing is created for it.
    Aproveitamento::AproveitarDados(QStringLiteral("Objetivo"), 1);
    QVERIFY(MT::FalhaAproveitamento);
    QVERIFY(!Janelas::Carregada(QStringLiteral("frmObjetivo")));
    QCOMPARE(Teste::TextosMostrados(), QStringList{Aproveitamento::MsgNaoEstudada});

    Receptor* r = receptor("frmObjetivo");
    Aproveitamento::AproveitarDados(QStringLiteral("Objetivo"), 1);
    QVERIFY(!MT::FalhaAproveitamento);
    QCOMPARE(r->copias, 1);

    // A number no alternative has.
    for (int numero : {0, 2, -1}) {
        Aproveitamento::AproveitarDados(QStringLiteral("Objetivo"), numero);
        QVERIFY(MT::FalhaAproveitamento);
    }
    QCOMPARE(r->copias, 1);
    QCOMPARE(Teste::TextosMostrados().size(), 4);

    // An unknown criterion does nothing and is no failure.
    Aproveitamento::AproveitarDados(QStringLiteral("Outro"), 1);
    QVERIFY(!MT::FalhaAproveitamento);
    QCOMPARE(Teste::TextosMostrados().size(), 4);
    QCOMPARE(Aproveitamento::JanelaDoCriterio(QStringLiteral("Inserção da Obra")),
             QStringLiteral("frmInsercao"));
}

QTEST_MAIN(TesteAproveitamento)
#include "tst_aproveitamento.moc"
