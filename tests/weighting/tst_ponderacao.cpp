// The weighting window: the lists, the sum gate, the hand-over, a weighting of
// one's own, and the information icon.
#include "Ambiente.h"

#include "common/BarraStatus.h"
#include "common/ModuloTessaura.h"
#include "common/PortaoAvancar.h"
#include "weighting/Ponderacao.h"
#include "weighting/frmPesoPond.h"

#include <QAction>
#include <QTest>
#include <QTextEdit>

namespace MT = ModuloTessaura;
using Mensagens::Icone;

namespace {

const QString kReferencia = QStringLiteral("10 14,1 4,9 8,1 7,8 10,9 7,7 9,4 5,9 6,1 5,1 4,2 5,6");
const QString kSomaCem = QStringLiteral("A soma dos coeficientes de ponderação deve ser igual a 100%");

frmPesoPond* abrir(Teste::Sessao& s) { return s.Mostrar<frmPesoPond>(); }

// The thirteen boxes, separated by spaces.
QString coeficientes(const frmPesoPond* j)
{
    QStringList t;
    for (int n = 1; n <= 13; ++n)
        t << j->Text[n]->text();
    return t.join(' ');
}

QList<double> pesos()
{
    QList<double> p;
    for (int n = 1; n <= 13; ++n)
        p << MT::PesoPonderacao[static_cast<size_t>(n)].toDouble();
    return p;
}

bool avancar(const frmPesoPond* j) { return j->CommandButton1->isEnabled(); }
void clicar(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton); }

// The user picks entry i of a list.
void escolher(QComboBox* c, int i)
{
    c->setCurrentIndex(i);
    emit c->activated(i);
}

void digitar(QLineEdit* e, const QString& texto)
{
    Teste::Substituir(e, texto);
}

// Thirteen coefficients typed: the given ones first, the rest "0".
void digitarCoeficientes(frmPesoPond* j, const QStringList& textos)
{
    for (int n = 1; n <= 13; ++n)
        digitar(j->Text[n], n <= textos.size() ? textos[n - 1] : QStringLiteral("0"));
}

// "Nova Ponderação", then the coefficients, the name and the aspect typed.
void novaPonderacao(frmPesoPond* j, const QStringList& textos, const QString& nome = {},
                    const QString& aspecto = {})
{
    clicar(j->Command2);
    digitarCoeficientes(j, textos);
    digitar(j->TextBox1, nome);
    digitar(j->TextBox2, aspecto);
}

// A stored weighting; coefficients not given stay Null.
void inserir(const QString& nome, const QString& aspecto, const QList<double>& c)
{
    QVariantMap campos{{"Nome", nome}, {"Aspecto", aspecto}};
    for (int n = 0; n < c.size(); ++n)
        campos.insert(QStringLiteral("c%1").arg(n + 1), c[n]);
    QVERIFY(Teste::Inserir(QStringLiteral("tblPonderacao"), campos));
}

}  // namespace

class TestePonderacao : public QObject {
    Q_OBJECT
private slots:
    void somaDigitada_data();
    void somaDigitada();
    void linhasGuardadasEEntrega();
    void escolhaPorNomeEPorAspecto();
    void tabelaVaziaNaoTrava();
    void refrescoReconstroiAsListasMasNaoODigitado();
    void salvarVerificaNaOrdemDescartarEGravar();
    void iconeEDica();
};

void TestePonderacao::somaDigitada_data()
{
    QTest::addColumn<QStringList>("textos");
    QTest::addColumn<QString>("rotulo");
    // The additions leave these a hair below 99,5: the label's digits still say 99,5.
    QTest::newRow("99,5 sobe") << QStringList{"32,3", "39,9", "27,3"} << "100";
    QTest::newRow("100,5 desce") << QStringList{"50", "50,5"} << "100";
    QTest::newRow("98,5") << QStringList{"90", "8,5"} << "98";
    QTest::newRow("99,4") << QStringList{"90", "9,4"} << "99";
    // Summed in single precision these would fall below 99,5 and round down.
    QTest::newRow("99,5 de parcelas inexatas") << QStringList{"37,6", "56,2", "5,7"} << "100";
    QTest::newRow("negativo") << QStringList{"-5", "105"} << "100";
    QTest::newRow("vazia") << QStringList{"100", ""} << "-";
    QTest::newRow("ponto em pt_BR") << QStringList{"99", "1.0"} << "-";
    QTest::newRow("além do double") << QStringList{"1e308", "1e308"} << "-";
}

// The label follows the typed boxes, the gate stays closed while typing, and
// the save goes through exactly when the total rounds to 100.
void TestePonderacao::somaDigitada()
{
    QFETCH(QStringList, textos);
    QFETCH(QString, rotulo);
    const bool cem = rotulo == "100";
    Teste::Sessao s;
    frmPesoPond* j = abrir(s);
    novaPonderacao(j, textos, "Teste", "Geral");
    QCOMPARE(j->Label27->text(), rotulo);
    QVERIFY(!avancar(j));
    clicar(j->Command3);
    QCOMPARE(Teste::TextosMostrados(), cem ? QStringList() : QStringList{kSomaCem});
    QCOMPARE(Teste::Linhas("tblPonderacao"), cem ? 6 : 5);
    QVERIFY(j->NovaPonderacao() != cem && avancar(j) == cem);
    QCOMPARE(Teste::Coluna("SELECT count(*) FROM tblPonderacao WHERE typeof(c2) <> 'real'").first().toInt(), 0);
}

// Opening shows the first weighting; a stored row's total opens the gate when
// it rounds to 100, and "Avançar" hands on exactly the row shown.
void TestePonderacao::linhasGuardadasEEntrega()
{
    Teste::Sessao s;
    const QList<double> doze(12, 1.0);  // c2..c13: the total is c1 + 12
    inserir("Caso", "Geral", QList<double>{87.5} + doze);
    inserir("caso", "Geral", {0, 0, 0, 0, 0, 0, 0, 0, 25, 25, 25, 12.5, 13});
    inserir("98,5", "Geral", QList<double>{86.5} + doze);
    inserir("sem c13", "Geral", QList<double>{88} + doze.mid(1));
    frmPesoPond* j = abrir(s);
    QCOMPARE(Teste::Itens(j->ComboBox1), (QStringList{"Referência", "Hidrológica", "Sanitária", "Ambiental",
                                               "Social", "Caso", "caso", "98,5", "sem c13"}));
    QCOMPARE(Teste::Itens(j->ComboBox2).mid(0, 6),
             (QStringList{"Geral", "Hidrológico", "Sanitário", "Ambiental", "Social", "Geral"}));
    QVERIFY(j->ComboBox1->currentIndex() == 0 && j->ComboBox2->currentIndex() == 0);
    QCOMPARE(coeficientes(j), kReferencia);
    QCOMPARE(j->Label27->text(), QStringLiteral("100"));
    QVERIFY(avancar(j) && j->Text[1]->isReadOnly() && !j->TextBox1->isVisible());
    QAction* dados = MT::BotaoBarra("dados");
    QVERIFY(MT::PesoPonderacao[1].isNull() && !dados->isEnabled());

    clicar(j->CommandButton1);
    QCOMPARE(pesos(), (QList<double>{10.0, 14.1, 4.9, 8.1, 7.8, 10.9, 7.7, 9.4, 5.9, 6.1, 5.1, 4.2, 5.6}));
    QVERIFY(dados->isEnabled());
    QVERIFY(Janelas::Visivel(j));  // the window stays
    // Names differing in letter case only: each hands on its own row.
    const struct { int indice; const char* rotulo; bool aberto; double c1; } casos[] = {
        {7, "98", false, 10}, {8, "-", false, 10}, {5, "100", true, 87.5}, {6, "100", true, 0}};
    for (const auto& c : casos) {
        escolher(j->ComboBox1, c.indice);
        QCOMPARE(j->Label27->text(), QString(c.rotulo));
        QCOMPARE(avancar(j), c.aberto);
        clicar(j->CommandButton1);
        QCOMPARE(pesos().first(), c.c1);
    }
    QCOMPARE(pesos().last(), 13.0);

    // Bringing the window back shows the first weighting and its status; the
    // vector keeps its values.
    BarraStatus* barra = MT::sbStatusBar();
    barra->Painel(1)->setText("outro");
    barra->Painel(2)->setText("outro");
    Janelas::Ativar(j);
    QVERIFY(j->ComboBox1->currentIndex() == 0 && pesos().last() == 13.0);
    QCOMPARE((QStringList{barra->Painel(1)->text(), barra->Painel(2)->text()}), (QStringList{"Status", ""}));
    // A row removed behind the window's back is not handed on; the lists are rebuilt.
    escolher(j->ComboBox1, 5);
    Teste::Executar("DELETE FROM tblPonderacao WHERE Nome = ?", {"Caso"});
    clicar(j->CommandButton1);
    QCOMPARE(pesos().first(), 0.0);
    QCOMPARE(j->ComboBox1->count(), 8);
}

void TestePonderacao::escolhaPorNomeEPorAspecto()
{
    Teste::Sessao s;
    inserir("Sanitária 2", "Sanitário", {10, 10, 10, 10, 10, 10, 10, 10, 10, 4, 2, 2, 2});
    frmPesoPond* j = abrir(s);
    const struct { QString coeficientes; int primeira; } casos[] = {  // primeira: of the same aspect
        {kReferencia, 0},
        {"15 20 15 6 6 6 6 5 5 4 4 4 4", 1},
        {"8 8 6 18 18 8 8 5 5 4 4 4 4", 2},
        {"8 8 8 5 5 9 9 16 16 4 4 4 4", 3},
        {"8 8 6 6 6 5 5 6 6 11 11 11 11", 4},
        {"10 10 10 10 10 10 10 10 10 4 2 2 2", 2}};
    for (int i = 5; i >= 0; --i) {
        escolher(j->ComboBox1, i);
        QCOMPARE(coeficientes(j), casos[i].coeficientes);
        QCOMPARE(j->ComboBox2->currentIndex(), casos[i].primeira);
        QVERIFY(j->Label27->text() == "100" && avancar(j));
    }
    // Any entry of an aspect shows the first weighting of that aspect.
    for (int i = 1; i <= 5; ++i) {
        escolher(j->ComboBox2, i);
        const int primeira = casos[i].primeira;
        QVERIFY(j->ComboBox1->currentIndex() == primeira && j->ComboBox2->currentIndex() == primeira);
        QCOMPARE(coeficientes(j), casos[primeira].coeficientes);
    }
}

void TestePonderacao::tabelaVaziaNaoTrava()
{
    Teste::Sessao s;
    Teste::Executar("DELETE FROM tblPonderacao");
    frmPesoPond* j = abrir(s);
    QCOMPARE(j->ComboBox1->count(), 0);
    QVERIFY(!avancar(j));
    clicar(j->CommandButton1);
    QVERIFY(MT::PesoPonderacao[1].isNull());
    clicar(j->Command1);
    QCOMPARE(Teste::TextosMostrados(), QStringList{"Não há ponderações a serem apagadas"});

    // The first weighting of an empty table is one's own.
    novaPonderacao(j, {"60", "40"}, "Primeira", "Geral");
    clicar(j->Command3);
    QCOMPARE(Teste::Itens(j->ComboBox1), QStringList{"Primeira"});
    QVERIFY(avancar(j));

    // Discarding on an empty table leaves a closed gate.
    Teste::Executar("DELETE FROM tblPonderacao");
    clicar(j->Command2);
    clicar(j->Command4);  // "Sim"
    QVERIFY(!j->NovaPonderacao() && !avancar(j));
}

void TestePonderacao::refrescoReconstroiAsListasMasNaoODigitado()
{
    Teste::Sessao s;
    frmPesoPond* j = abrir(s);
    escolher(j->ComboBox1, 3);
    inserir("Nova", "Geral", {100, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    j->FocarText16();
    QCOMPARE(j->ComboBox1->count(), 6);
    QCOMPARE(j->ComboBox1->currentIndex(), 0);
    QCOMPARE(coeficientes(j), kReferencia);
    QVERIFY(!j->Text16->hasFocus());

    // Reaching the box with the Tab key runs the same refresh.
    escolher(j->ComboBox1, 2);
    j->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(j->window()));
    j->CommandButton1->setFocus(Qt::TabFocusReason);
    QTest::keyClick(j->CommandButton1, Qt::Key_Tab);
    QCOMPARE(j->ComboBox1->currentIndex(), 0);

    // Neither the activation nor the refresh overwrite a weighting being typed.
    novaPonderacao(j, {"70", "30"});
    Janelas::Ativar(j);
    j->FocarText16();
    QVERIFY(j->NovaPonderacao() && !j->ComboBox1->isVisible() && !avancar(j));
    QCOMPARE(j->Text[1]->text(), QStringLiteral("70"));
    QCOMPARE(j->Label27->text(), QStringLiteral("100"));

    // A coefficient box selects its whole text when it takes the focus.
    digitar(j->Text[3], "12,25");
    QTest::mouseClick(j->Text[3], Qt::LeftButton, {}, QPoint(5, 5));
    QTRY_COMPARE(j->Text[3]->selectedText(), QStringLiteral("12,25"));
    QTest::keyClicks(j->Text[3], "8");
    QCOMPARE(j->Text[3]->text(), QStringLiteral("8"));
    j->Text[6]->setFocus(Qt::TabFocusReason);
    QCOMPARE(j->Text[6]->selectedText(), QStringLiteral("0"));
}

void TestePonderacao::salvarVerificaNaOrdemDescartarEGravar()
{
    Teste::Sessao s;
    frmPesoPond* j = abrir(s);
    escolher(j->ComboBox1, 2);
    clicar(j->Command2);
    QVERIFY(j->NovaPonderacao() && !j->ComboBox1->isVisible() && j->TextBox1->isVisible());
    QVERIFY(!j->Command1->isEnabled() && !j->Text[5]->isReadOnly());
    QCOMPARE(coeficientes(j), QStringList(13, "0").join(' '));

    int mostradas = 0;
    auto confere = [&](const QString& texto, Icone icone) {
        clicar(j->Command3);
        const auto& h = Mensagens::Historico();
        QCOMPARE(int(h.size()), ++mostradas);
        QCOMPARE(h.back().titulo + '|' + h.back().texto, "Análise Tessaura|" + texto);
        QVERIFY(h.back().icone == icone && Teste::Linhas("tblPonderacao") == 5 && j->NovaPonderacao());
    };
    confere(kSomaCem, Icone::Informacao);
    digitarCoeficientes(j, {"30", "30", "20", "19", "0,5"});
    confere("Você deve dar um nome à ponderação antes de salvá-la.", Icone::Informacao);
    digitar(j->TextBox1, "Social");
    confere("Você deve informar em qual aspecto a ponderação se basea.", Icone::Informacao);
    digitar(j->TextBox2, "Urbano");
    confere("Existe outra ponderação com esse nome. Insira outro nome.", Icone::Critico);
    QCOMPARE(j->TextBox1->text(), QString());
    QCOMPARE(j->TextBox2->text(), QStringLiteral("Urbano"));
    QCOMPARE(j->Text[4]->text(), QStringLiteral("19"));
    digitar(j->TextBox1, "Um nome muito comprido");  // at most 13 characters
    QCOMPARE(j->TextBox1->text(), QStringLiteral("Um nome muito"));

    // Discarding asks; "Não" keeps everything typed.
    Teste::EnfileirarResposta(Mensagens::Resposta::Nao);
    clicar(j->Command4);
    const Mensagens::Mensagem* m = Teste::UltimaMensagem();
    QCOMPARE(m->titulo + '|' + m->texto, QStringLiteral("Análise tessaura|Tem certeza que deseja descartar essa ponderação?"));
    QVERIFY(m->botoes == Mensagens::Botoes::SimNao && j->NovaPonderacao());
    QCOMPARE(j->TextBox1->text(), QStringLiteral("Um nome muito"));

    // Another letter case is another name: saved, listed, shown and handed on.
    digitar(j->TextBox1, "social");
    clicar(j->Command3);
    QCOMPARE(int(Mensagens::Historico().size()), mostradas + 1);
    QCOMPARE(Teste::Coluna("SELECT Nome || '|' || Aspecto || '|' || c4 || '|' || c5 || '|' || c13 "
                           "FROM tblPonderacao ORDER BY id DESC LIMIT 1").first().toString(),
             QStringLiteral("social|Urbano|19.0|0.5|0.0"));
    QVERIFY(!j->NovaPonderacao() && j->ComboBox1->isVisible() && j->Command1->isEnabled());
    QCOMPARE(Teste::Itens(j->ComboBox1).last(), QStringLiteral("social"));
    QVERIFY(j->ComboBox1->currentIndex() == 5 && j->ComboBox2->currentIndex() == 5);
    QCOMPARE(coeficientes(j), QStringLiteral("30 30 20 19 0,5 0 0 0 0 0 0 0 0"));
    clicar(j->CommandButton1);
    QCOMPARE(pesos().mid(3, 2), (QList<double>{19, 0.5}));

    // "Sim" shows the first weighting again, not the one shown before.
    clicar(j->Command2);
    QCOMPARE(j->TextBox1->text(), QString());
    Teste::EnfileirarResposta(Mensagens::Resposta::Sim);
    clicar(j->Command4);
    QVERIFY(!j->NovaPonderacao() && !j->TextBox1->isVisible() && avancar(j));
    QCOMPARE(Teste::Linhas("tblPonderacao"), 6);
    QCOMPARE(j->ComboBox1->currentIndex(), 0);
    QCOMPARE(coeficientes(j), kReferencia);
}

void TestePonderacao::iconeEDica()
{
    Teste::Sessao s;
    frmPesoPond* j = abrir(s);
    // The icon's hover picture goes when the mouse moves over the bare window.
    Teste::PassarMouse(j->Image1, QPoint(5, 5));
    QVERIFY(j->Image1->MostraSobre());
    Teste::PassarMouse(j, QPoint(5, 500));
    QVERIFY(!j->Image1->MostraSobre());

    // The information dialog, closed by its button, leaves the choice as it was.
    escolher(j->ComboBox1, 2);
    clicar(j->Image1);
    const QString info = QStringLiteral("frmInformacaoPonderacao");
    QCOMPARE(Janelas::Obter(info)->Widget()->windowTitle(), QStringLiteral("Análise Tessaura"));
    QVERIFY(Teste::Controle<QTextEdit>(info, "RichTextBox1")->toPlainText().startsWith(
        "A análise de importância dos indicadores propostos"));
    clicar(Teste::Controle(info, "Command1"));
    QVERIFY(!Janelas::Carregada(info));
    QCOMPARE(j->ComboBox1->currentIndex(), 2);  // no activation on closing
}

QTEST_MAIN(TestePonderacao)
#include "tst_ponderacao.moc"
