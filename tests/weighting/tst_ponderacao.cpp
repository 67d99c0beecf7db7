// The weighting window: the lists, the sum gate, the hand-over, a weighting of
// one's own, and the information icon.
#include "Ambiente.h"

#include "common/BarraStatus.h"
#include "common/Janelas.h"
#include "common/ModuloTessaura.h"
#include "common/PortaoAvancar.h"
#include "shell/frmMain.h"
#include "weighting/Ponderacao.h"
#include "weighting/frmPesoPond.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextEdit>
#include <QTest>

namespace MT = ModuloTessaura;
using Mensagens::Icone;

namespace {

const QStringList kReferencia{"10", "14,1", "4,9", "8,1", "7,8", "10,9", "7,7",
                              "9,4", "5,9", "6,1", "5,1", "4,2", "5,6"};

frmPesoPond* abrirJanela(Teste::Sessao& s)
{
    s.Principal();
    auto* j = Janelas::Carregar<frmPesoPond>();
    Janelas::Mostrar(j);
    return j;
}

template <class T> T* controle(QWidget* janela, const QString& nome)
{
    T* c = janela->findChild<T*>(nome);
    if (!c)
        qFatal("control %s not found", qPrintable(nome));
    return c;
}

QLineEdit* caixa(QWidget* j, int n) { return controle<QLineEdit>(j, QStringLiteral("Text%1").arg(n)); }
QPushButton* botao(QWidget* j, const char* nome) { return controle<QPushButton>(j, nome); }
QComboBox* lista(QWidget* j, const char* nome) { return controle<QComboBox>(j, nome); }
QString total(QWidget* j) { return controle<QLabel>(j, "Label27")->text(); }
bool avancar(QWidget* j) { return botao(j, "CommandButton1")->isEnabled(); }

QStringList coeficientes(QWidget* j)
{
    QStringList t;
    for (int n = 1; n <= 13; ++n)
        t << caixa(j, n)->text();
    return t;
}

QStringList itens(QComboBox* c)
{
    QStringList t;
    for (int i = 0; i < c->count(); ++i)
        t << c->itemText(i);
    return t;
}

// The user picks entry i of a list.
void escolher(QComboBox* c, int i)
{
    c->setCurrentIndex(i);
    emit c->activated(i);
}

void clicar(QPushButton* b)
{
    QTest::mouseClick(b, Qt::LeftButton);
}

void digitar(QLineEdit* e, const QString& texto)
{
    e->selectAll();
    if (texto.isEmpty())
        QTest::keyClick(e, Qt::Key_Delete);
    else
        QTest::keyClicks(e, texto);
}

// Thirteen coefficients: the given ones first, the rest "0".
void digitarCoeficientes(QWidget* j, const QStringList& textos)
{
    for (int n = 1; n <= 13; ++n)
        digitar(caixa(j, n), n <= textos.size() ? textos[n - 1] : QStringLiteral("0"));
}

void inserir(const QString& nome, const QString& aspecto, const QList<double>& c)
{
    QVariantList v{nome, aspecto};
    for (double x : c)
        v << x;
    QVERIFY(Teste::Executar("INSERT INTO tblPonderacao (Nome, Aspecto, c1, c2, c3, c4, c5, c6, c7, "
                            "c8, c9, c10, c11, c12, c13) VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)",
                            v));
}

QList<double> pesos()
{
    QList<double> p;
    for (int n = 1; n <= 13; ++n)
        p << MT::PesoPonderacao[static_cast<size_t>(n)].toDouble();
    return p;
}

}  // namespace

class TestePonderacao : public QObject {
    Q_OBJECT
private slots:
    void somaDasFuncoes_data();
    void somaDasFuncoes();
    void portaoDigitado_data();
    void portaoDigitado();
    void portaoDaLinhaGuardada_data();
    void portaoDaLinhaGuardada();
    void aspectosProtegidos();

    void ativacaoListaAsPredefinidasNaOrdem();
    void escolhaPorNomeEPorAspecto();
    void avancarEntregaALinhaMostrada();
    void tabelaVaziaNaoTrava();
    void refrescoReconstroiAsListas();

    void salvarVerificaNaOrdem();
    void salvarGravaEMostraANova();
    void descartarComSimENao();
    void ativacaoNaoApagaODigitado();
    void caixasSelecionamTudoAoFocar();

    void iconeDeInformacao();
    void dicaDesliza();
};

// ---------------------------------------------------------------------------
// The arithmetic

void TestePonderacao::somaDasFuncoes_data()
{
    QTest::addColumn<QStringList>("textos");
    QTest::addColumn<QString>("rotulo");
    QTest::addColumn<bool>("cem");
    QTest::newRow("99,5 sobe") << QStringList{"50", "49,5"} << "100" << true;
    QTest::newRow("100,5 desce") << QStringList{"50", "50,5"} << "100" << true;
    QTest::newRow("98,5") << QStringList{"90", "8,5"} << "98" << false;
    QTest::newRow("99,4") << QStringList{"90", "9,4"} << "99" << false;
    QTest::newRow("101,5") << QStringList{"100", "1,5"} << "102" << false;
    QTest::newRow("terços") << QStringList{"33,33", "33,33", "33,34"} << "100" << true;
    QTest::newRow("treze iguais") << QStringList(13, "7,6923") << "100" << true;
    QTest::newRow("negativo") << QStringList{"-5", "105"} << "100" << true;
    QTest::newRow("vazia") << QStringList{"100", ""} << "-" << false;
    QTest::newRow("letras") << QStringList{"100", "abc"} << "-" << false;
    QTest::newRow("separador dobrado") << QStringList{"98", "1,,5"} << "-" << false;
    QTest::newRow("ponto em pt_BR") << QStringList{"99", "1.0"} << "-" << false;
    QTest::newRow("além do double") << QStringList{"1e308", "1e308"} << "-" << false;
}

void TestePonderacao::somaDasFuncoes()
{
    QFETCH(QStringList, textos);
    QFETCH(QString, rotulo);
    QFETCH(bool, cem);
    QLocale::setDefault(QLocale("pt_BR"));
    const Ponderacao::Total t = Ponderacao::SomaDosTextos(textos);
    QCOMPARE(Ponderacao::TextoDoTotal(t), rotulo);
    QCOMPARE(Ponderacao::SomaCem(t), cem);
    QCOMPARE(Ponderacao::AvancarDisponivel(false, true, t), cem);
    QVERIFY(!Ponderacao::AvancarDisponivel(true, true, t));   // never while typing
    QVERIFY(!Ponderacao::AvancarDisponivel(false, false, t));  // never without a stored row
}

void TestePonderacao::portaoDigitado_data()
{
    somaDasFuncoes_data();
}

// Typed in the window: the label follows every box and the save goes through
// exactly when the total rounds to 100.
void TestePonderacao::portaoDigitado()
{
    QFETCH(QStringList, textos);
    QFETCH(QString, rotulo);
    QFETCH(bool, cem);
    Teste::Sessao s;
    frmPesoPond* j = abrirJanela(s);
    clicar(botao(j, "Command2"));
    QCOMPARE(total(j), QStringLiteral("0"));
    digitarCoeficientes(j, textos);
    QCOMPARE(total(j), rotulo);
    QVERIFY(!avancar(j));
    digitar(controle<QLineEdit>(j, "TextBox1"), "Teste");
    digitar(controle<QLineEdit>(j, "TextBox2"), "Geral");
    clicar(botao(j, "Command3"));
    QCOMPARE(Teste::Linhas("tblPonderacao"), cem ? 6 : 5);
    QCOMPARE(j->NovaPonderacao(), !cem);
    if (!cem)
        QCOMPARE(Teste::TextosMostrados(),
                 QStringList{"A soma dos coeficientes de ponderação deve ser igual a 100%"});
    QCOMPARE(Teste::Coluna("SELECT count(*) FROM tblPonderacao WHERE typeof(c2) <> 'real'").first().toInt(), 0);
}

void TestePonderacao::portaoDaLinhaGuardada_data()
{
    QTest::addColumn<double>("c1");
    QTest::addColumn<QString>("rotulo");
    QTest::addColumn<bool>("aberto");
    // c2..c13 hold 1 each: the total is c1 + 12.
    QTest::newRow("100") << 88.0 << "100" << true;
    QTest::newRow("99,5") << 87.5 << "100" << true;
    QTest::newRow("100,5") << 88.5 << "100" << true;
    QTest::newRow("98,5") << 86.5 << "98" << false;
    QTest::newRow("101,5") << 89.5 << "102" << false;
    QTest::newRow("99,4") << 87.4 << "99" << false;
}

void TestePonderacao::portaoDaLinhaGuardada()
{
    QFETCH(double, c1);
    QFETCH(QString, rotulo);
    QFETCH(bool, aberto);
    Teste::Sessao s;
    inserir("Minha", "Geral", {c1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1});
    frmPesoPond* j = abrirJanela(s);
    escolher(lista(j, "ComboBox1"), 5);
    QCOMPARE(total(j), rotulo);
    QCOMPARE(avancar(j), aberto);
    // A row with a missing coefficient forms no total.
    Teste::Executar("UPDATE tblPonderacao SET c13 = NULL WHERE Nome = 'Minha'");
    escolher(lista(j, "ComboBox1"), 5);
    QCOMPARE(total(j), QStringLiteral("-"));
    QVERIFY(!avancar(j));
    QCOMPARE(caixa(j, 13)->text(), QString());
}

void TestePonderacao::aspectosProtegidos()
{
    for (const char* a : {"Hidrológico", "Social", "Ambiental", "Sanitário"})
        QVERIFY(Ponderacao::AspectoProtegido(QString::fromUtf8(a)));
    for (const char* a : {"Hidrológicos", "social", "Sanitario", "Geral", " Social", ""})
        QVERIFY2(!Ponderacao::AspectoProtegido(QString::fromUtf8(a)), a);
}

// ---------------------------------------------------------------------------
// Lists, choices and the hand-over

void TestePonderacao::ativacaoListaAsPredefinidasNaOrdem()
{
    Teste::Sessao s;
    frmPesoPond* j = abrirJanela(s);
    QCOMPARE(itens(lista(j, "ComboBox1")),
             (QStringList{"Referência", "Hidrológica", "Sanitária", "Ambiental", "Social"}));
    QCOMPARE(itens(lista(j, "ComboBox2")),
             (QStringList{"Geral", "Hidrológico", "Sanitário", "Ambiental", "Social"}));
    QCOMPARE(lista(j, "ComboBox1")->currentIndex(), 0);
    QCOMPARE(lista(j, "ComboBox2")->currentIndex(), 0);
    QCOMPARE(coeficientes(j), kReferencia);
    QCOMPARE(total(j), QStringLiteral("100"));
    QVERIFY(avancar(j));
    QVERIFY(!controle<QLineEdit>(j, "TextBox1")->isVisible());
    QVERIFY(!botao(j, "Command3")->isVisible() && !botao(j, "Command4")->isVisible());
    QVERIFY(caixa(j, 1)->isReadOnly());
    BarraStatus* barra = MT::sbStatusBar();
    QCOMPARE(barra->Painel(1)->text(), QStringLiteral("Status"));
    QCOMPARE(barra->Painel(2)->text(), QString());
    QCOMPARE(barra->Painel(1)->BevelAtual(), PainelStatus::Inset);
    QCOMPARE(controle<QLabel>(j, "Label16")->text(),
             QStringLiteral("Possibilidade da utilização com outra função técnica"));
    QCOMPARE(controle<QLabel>(j, "Label8")->text(), QStringLiteral("Possibilidade de transmição de doenças"));
    QVERIFY(MT::PesoPonderacao[1].isNull());  // nothing handed on yet
}

void TestePonderacao::escolhaPorNomeEPorAspecto()
{
    Teste::Sessao s;
    inserir("Sanitária 2", "Sanitário", {10, 10, 10, 10, 10, 10, 10, 10, 10, 4, 2, 2, 2});
    frmPesoPond* j = abrirJanela(s);
    QComboBox* nomes = lista(j, "ComboBox1");
    QComboBox* aspectos = lista(j, "ComboBox2");

    escolher(nomes, 1);
    QCOMPARE(coeficientes(j).join(' '), QStringLiteral("15 20 15 6 6 6 6 5 5 4 4 4 4"));
    QCOMPARE(aspectos->currentIndex(), 1);

    // The second weighting of a shared aspect, by name: the aspect list shows the first entry.
    escolher(nomes, 5);
    QCOMPARE(coeficientes(j).join(' '), QStringLiteral("10 10 10 10 10 10 10 10 10 4 2 2 2"));
    QCOMPARE(aspectos->currentIndex(), 2);

    // Either entry of a shared aspect shows the first weighting of that aspect.
    escolher(aspectos, 5);
    QCOMPARE(nomes->currentIndex(), 2);
    QCOMPARE(aspectos->currentIndex(), 2);
    QCOMPARE(coeficientes(j).join(' '), QStringLiteral("8 8 6 18 18 8 8 5 5 4 4 4 4"));
    escolher(aspectos, 4);
    QCOMPARE(nomes->currentText(), QStringLiteral("Social"));
    QCOMPARE(total(j), QStringLiteral("100"));
}

void TestePonderacao::avancarEntregaALinhaMostrada()
{
    Teste::Sessao s;
    inserir("Caso", "Geral", {20, 20, 20, 20, 20, 0, 0, 0, 0, 0, 0, 0, 0});
    inserir("caso", "Geral", {0, 0, 0, 0, 0, 0, 0, 0, 25, 25, 25, 12.5, 12.5});
    inserir("O'Brien", "Geral", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 22});
    frmPesoPond* j = abrirJanela(s);
    QAction* dados = MT::BotaoBarra("dados");
    QVERIFY(!dados->isEnabled());

    clicar(botao(j, "CommandButton1"));
    QCOMPARE(pesos(), (QList<double>{10.0, 14.1, 4.9, 8.1, 7.8, 10.9, 7.7, 9.4, 5.9, 6.1, 5.1, 4.2, 5.6}));
    QVERIFY(dados->isEnabled());
    QVERIFY(Janelas::Visivel(j));  // the window stays

    const struct {
        int indice;
        QList<double> esperado;
    } casos[] = {
        {5, {20, 20, 20, 20, 20, 0, 0, 0, 0, 0, 0, 0, 0}},
        {6, {0, 0, 0, 0, 0, 0, 0, 0, 25, 25, 25, 12.5, 12.5}},
        {7, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 22}},
        {3, {8, 8, 8, 5, 5, 9, 9, 16, 16, 4, 4, 4, 4}},
    };
    for (const auto& c : casos) {
        escolher(lista(j, "ComboBox1"), c.indice);
        QVERIFY(avancar(j));
        clicar(botao(j, "CommandButton1"));
        QCOMPARE(pesos(), c.esperado);
    }
    QCOMPARE(caixa(j, 12)->text(), QStringLiteral("4"));

    // Bringing the window back shows the first weighting; the vector keeps its values.
    Janelas::Ativar(j);
    QCOMPARE(lista(j, "ComboBox1")->currentIndex(), 0);
    QCOMPARE(lista(j, "ComboBox1")->count(), 8);
    QCOMPARE(pesos().first(), 8.0);

    // A row removed behind the window's back is not handed on.
    escolher(lista(j, "ComboBox1"), 7);
    Teste::Executar("DELETE FROM tblPonderacao WHERE Nome = ?", {"O'Brien"});
    clicar(botao(j, "CommandButton1"));
    QCOMPARE(pesos().first(), 8.0);
    QCOMPARE(lista(j, "ComboBox1")->count(), 7);
}

void TestePonderacao::tabelaVaziaNaoTrava()
{
    Teste::Sessao s;
    Teste::Executar("DELETE FROM tblPonderacao");
    frmPesoPond* j = abrirJanela(s);
    QCOMPARE(lista(j, "ComboBox1")->count(), 0);
    QVERIFY(!avancar(j));
    clicar(botao(j, "CommandButton1"));
    QVERIFY(MT::PesoPonderacao[1].isNull());
    clicar(botao(j, "Command1"));
    QCOMPARE(Teste::TextosMostrados(), QStringList{"Não há ponderações a serem apagadas"});

    // The first weighting of an empty table is one's own.
    clicar(botao(j, "Command2"));
    digitarCoeficientes(j, {"60", "40"});
    digitar(controle<QLineEdit>(j, "TextBox1"), "Primeira");
    digitar(controle<QLineEdit>(j, "TextBox2"), "Geral");
    clicar(botao(j, "Command3"));
    QCOMPARE(itens(lista(j, "ComboBox1")), QStringList{"Primeira"});
    QVERIFY(avancar(j));

    // Discarding on an empty table leaves the typed boxes and a closed gate.
    Teste::Executar("DELETE FROM tblPonderacao");
    Janelas::Ativar(j);
    clicar(botao(j, "Command2"));
    Teste::EnfileirarResposta(Mensagens::Resposta::Sim);
    clicar(botao(j, "Command4"));
    QVERIFY(!j->NovaPonderacao());
    QVERIFY(!avancar(j));
}

void TestePonderacao::refrescoReconstroiAsListas()
{
    Teste::Sessao s;
    frmPesoPond* j = abrirJanela(s);
    escolher(lista(j, "ComboBox1"), 3);
    inserir("Nova", "Geral", {100, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    j->FocarText16();
    QCOMPARE(lista(j, "ComboBox1")->count(), 6);
    QCOMPARE(lista(j, "ComboBox1")->currentIndex(), 0);
    QCOMPARE(coeficientes(j), kReferencia);
    QVERIFY(!controle<QLineEdit>(j, "Text16")->hasFocus());

    // Reaching the box with the Tab key runs the same refresh.
    escolher(lista(j, "ComboBox1"), 2);
    j->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(j->window()));
    botao(j, "CommandButton1")->setFocus(Qt::TabFocusReason);
    QTest::keyClick(botao(j, "CommandButton1"), Qt::Key_Tab);
    QCOMPARE(lista(j, "ComboBox1")->currentIndex(), 0);
}

// ---------------------------------------------------------------------------
// A weighting of one's own

void TestePonderacao::salvarVerificaNaOrdem()
{
    Teste::Sessao s;
    frmPesoPond* j = abrirJanela(s);
    clicar(botao(j, "Command2"));
    QVERIFY(j->NovaPonderacao());
    QVERIFY(!lista(j, "ComboBox1")->isVisible() && !lista(j, "ComboBox2")->isVisible());
    QVERIFY(controle<QLineEdit>(j, "TextBox1")->isVisible());
    QCOMPARE(controle<QLineEdit>(j, "TextBox1")->x(), 3240 / 15);
    QVERIFY(botao(j, "Command3")->isVisible() && botao(j, "Command4")->isVisible());
    QVERIFY(!botao(j, "Command2")->isEnabled() && !botao(j, "Command1")->isEnabled());
    QVERIFY(!caixa(j, 5)->isReadOnly());
    QCOMPARE(coeficientes(j), QStringList(13, "0"));
    QCOMPARE(total(j), QStringLiteral("0"));
    QVERIFY(!avancar(j));

    QLineEdit* nome = controle<QLineEdit>(j, "TextBox1");
    QLineEdit* aspecto = controle<QLineEdit>(j, "TextBox2");
    QPushButton* salvar = botao(j, "Command3");
    struct Recusa {
        QString texto;
        Icone icone;
    };
    QList<Recusa> esperadas;
    auto confere = [&](const QString& texto, Icone icone) {
        esperadas << Recusa{texto, icone};
        clicar(salvar);
        const auto& h = Mensagens::Historico();
        QCOMPARE(int(h.size()), esperadas.size());
        QCOMPARE(h.back().texto, texto);
        QCOMPARE(h.back().icone, icone);
        QCOMPARE(h.back().titulo, QStringLiteral("Análise Tessaura"));
        QCOMPARE(h.back().botoes, Mensagens::Botoes::OK);
        QCOMPARE(Teste::Linhas("tblPonderacao"), 5);
        QVERIFY(j->NovaPonderacao());
    };
    confere("A soma dos coeficientes de ponderação deve ser igual a 100%", Icone::Informacao);
    digitarCoeficientes(j, {"30", "30", "20", "19"});
    confere("A soma dos coeficientes de ponderação deve ser igual a 100%", Icone::Informacao);
    digitar(caixa(j, 5), "0,5");
    QCOMPARE(total(j), QStringLiteral("100"));
    QVERIFY(!avancar(j));  // typed coefficients are not handed on
    confere("Você deve dar um nome à ponderação antes de salvá-la.", Icone::Informacao);
    digitar(nome, "Social");
    confere("Você deve informar em qual aspecto a ponderação se basea.", Icone::Informacao);
    digitar(aspecto, "Urbano");
    confere("Existe outra ponderação com esse nome. Insira outro nome.", Icone::Critico);
    QCOMPARE(nome->text(), QString());
    QCOMPARE(aspecto->text(), QStringLiteral("Urbano"));
    QCOMPARE(caixa(j, 4)->text(), QStringLiteral("19"));
    digitar(caixa(j, 13), "2");
    QCOMPARE(total(j), QStringLiteral("102"));  // the sum still follows the boxes

    // At most 13 characters in the name and aspect boxes.
    digitar(nome, "Um nome muito comprido");
    QCOMPARE(nome->text(), QStringLiteral("Um nome muito"));
}

void TestePonderacao::salvarGravaEMostraANova()
{
    Teste::Sessao s;
    frmPesoPond* j = abrirJanela(s);
    clicar(botao(j, "Command2"));
    const QStringList digitados{"7,5", "12,5", "10", "10", "10", "10", "10", "5", "5", "5", "5", "5", "5"};
    digitarCoeficientes(j, digitados);
    digitar(controle<QLineEdit>(j, "TextBox1"), "social");  // another case: another name
    digitar(controle<QLineEdit>(j, "TextBox2"), "Geral");
    clicar(botao(j, "Command3"));
    QVERIFY(Teste::TextosMostrados().isEmpty());
    QVERIFY(!j->NovaPonderacao());
    QCOMPARE(Teste::Coluna("SELECT Nome || '|' || Aspecto || '|' || c1 || '|' || c2 || '|' || c13 "
                           "FROM tblPonderacao ORDER BY id DESC LIMIT 1").first().toString(),
             QStringLiteral("social|Geral|7.5|12.5|5.0"));
    QComboBox* nomes = lista(j, "ComboBox1");
    QVERIFY(nomes->isVisible());
    QCOMPARE(nomes->count(), 6);
    QCOMPARE(nomes->currentIndex(), 5);
    QCOMPARE(lista(j, "ComboBox2")->currentIndex(), 0);
    QCOMPARE(coeficientes(j), digitados);
    QVERIFY(caixa(j, 1)->isReadOnly());
    QVERIFY(botao(j, "Command2")->isEnabled() && botao(j, "Command1")->isEnabled());
    QVERIFY(!botao(j, "Command3")->isVisible());
    QVERIFY(avancar(j));
    clicar(botao(j, "CommandButton1"));
    QCOMPARE(pesos().mid(0, 2), (QList<double>{7.5, 12.5}));
}

void TestePonderacao::descartarComSimENao()
{
    Teste::Sessao s;
    frmPesoPond* j = abrirJanela(s);
    escolher(lista(j, "ComboBox1"), 2);
    clicar(botao(j, "Command2"));
    digitarCoeficientes(j, {"50", "50"});
    digitar(controle<QLineEdit>(j, "TextBox1"), "Rascunho");

    Teste::EnfileirarResposta(Mensagens::Resposta::Nao);
    clicar(botao(j, "Command4"));
    const Mensagens::Mensagem* m = Teste::UltimaMensagem();
    QVERIFY(m);
    QCOMPARE(m->texto, QStringLiteral("Tem certeza que deseja descartar essa ponderação?"));
    QCOMPARE(m->icone, Icone::Pergunta);
    QCOMPARE(m->botoes, Mensagens::Botoes::SimNao);
    QCOMPARE(m->titulo, QStringLiteral("Análise tessaura"));
    QVERIFY(j->NovaPonderacao());
    QCOMPARE(caixa(j, 2)->text(), QStringLiteral("50"));
    QCOMPARE(controle<QLineEdit>(j, "TextBox1")->text(), QStringLiteral("Rascunho"));

    Teste::EnfileirarResposta(Mensagens::Resposta::Sim);
    clicar(botao(j, "Command4"));
    QVERIFY(!j->NovaPonderacao());
    QCOMPARE(Teste::Linhas("tblPonderacao"), 5);
    QCOMPARE(lista(j, "ComboBox1")->currentIndex(), 0);  // the first, not the one shown before
    QCOMPARE(coeficientes(j), kReferencia);
    QVERIFY(avancar(j));
    QVERIFY(!controle<QLineEdit>(j, "TextBox1")->isVisible());
}

void TestePonderacao::ativacaoNaoApagaODigitado()
{
    Teste::Sessao s;
    frmPesoPond* j = abrirJanela(s);
    clicar(botao(j, "Command2"));
    digitarCoeficientes(j, {"70", "30"});
    Janelas::Ativar(j);
    j->FocarText16();
    QVERIFY(j->NovaPonderacao());
    QCOMPARE(caixa(j, 1)->text(), QStringLiteral("70"));
    QCOMPARE(total(j), QStringLiteral("100"));
    QVERIFY(!avancar(j));
    QVERIFY(!lista(j, "ComboBox1")->isVisible());
}

void TestePonderacao::caixasSelecionamTudoAoFocar()
{
    Teste::Sessao s;
    frmPesoPond* j = abrirJanela(s);
    clicar(botao(j, "Command2"));
    digitar(caixa(j, 3), "12,25");
    j->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(j->window()));
    QTest::mouseClick(caixa(j, 3), Qt::LeftButton, {}, QPoint(5, 5));
    QTRY_COMPARE(caixa(j, 3)->selectedText(), QStringLiteral("12,25"));
    QTest::keyClicks(caixa(j, 3), "8");
    QCOMPARE(caixa(j, 3)->text(), QStringLiteral("8"));
    caixa(j, 6)->setFocus(Qt::TabFocusReason);
    QCOMPARE(caixa(j, 6)->selectedText(), QStringLiteral("0"));
}

// ---------------------------------------------------------------------------
// The information icon and the hint

void TestePonderacao::iconeDeInformacao()
{
    Teste::Sessao s;
    frmPesoPond* j = abrirJanela(s);
    auto* icone = controle<IconeAjuda>(j, "Image1");
    QVERIFY(QTest::qWaitForWindowActive(j->window()));
    QTest::mouseMove(icone, QPoint(5, 5));
    QTRY_VERIFY(icone->MostraSobre());
    QMouseEvent fundo(QEvent::MouseMove, QPointF(5, 500), j->mapToGlobal(QPointF(5, 500)),
                      Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(j, &fundo);
    QVERIFY(!icone->MostraSobre());

    escolher(lista(j, "ComboBox1"), 2);
    QString titulo, texto;
    Teste::AoExibirModal([&](Dialogo* d) {
        titulo = d->windowTitle();
        texto = d->findChild<QTextEdit*>("RichTextBox1")->toPlainText();
        QCOMPARE(d->findChild<QLabel*>("Label1")->text(), QStringLiteral("Informações sobre as ponderações"));
        QTest::mouseClick(d->findChild<QPushButton*>("Command1"), Qt::LeftButton);
    });
    QTest::mouseClick(icone, Qt::LeftButton);
    QCOMPARE(titulo, QStringLiteral("Análise Tessaura"));
    QVERIFY(texto.startsWith("A análise de importância dos indicadores propostos"));
    QVERIFY(texto.endsWith("A soma total dos coeficientes atribuídos deve ser igual a 100."));
    QVERIFY(!Janelas::Carregada("frmInformacaoPonderacao"));
    QCOMPARE(lista(j, "ComboBox1")->currentIndex(), 2);  // no activation on closing
}

void TestePonderacao::dicaDesliza()
{
    Teste::Sessao s;
    frmPesoPond* j = abrirJanela(s);
    QLabel* dica = controle<QLabel>(j, "Label32");
    QFrame* mascara = controle<QFrame>(j, "Frame1");
    QCOMPARE(dica->text(), QStringLiteral("<--- Clique aqui para obter informações sobre este formulário!"));
    QVERIFY(mascara->geometry().contains(dica->geometry().topLeft()));
    j->Timer1->stop();
    for (int i = 0; i < 21; ++i)
        j->Timer1_Timer();
    QCOMPARE(dica->x(), 1200 / 15);
    QCOMPARE(mascara->x(), 3960 / 15);
    for (int i = 0; i < 60; ++i)
        j->Timer1_Timer();
    QCOMPARE(dica->x(), 1200 / 15);
    QCOMPARE(mascara->x(), 9660 / 15);
    QVERIFY(mascara->geometry().left() > dica->x() + dica->fontMetrics().horizontalAdvance(dica->text()));
}

QTEST_MAIN(TestePonderacao)
#include "tst_ponderacao.moc"
