// A project walked as a user walks it: a new project, three named alternatives, a weighting handed on,
// the objective, impact and insertion data entered through the windows, in the order per criterion and
// in the order per alternative, up to the results window's grid and the indices stored; and the window
// that comes back when the user leaves the one covering it.
#include "Ambiente.h"

#include "common/BarraStatus.h"
#include "common/GradeFlex.h"
#include "common/ModuloTessaura.h"
#include "shell/frmMain.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

namespace MT = ModuloTessaura;

namespace {

// Three alternatives as the user types and chooses them: boxes as text, an
// empty flow limit left unticked, ratings as levels.
struct Alternativa {
    QString nome, tr, trd, qjmin, qjmax, qalvo;
    bool areas;
    QString recarga1, recarga2;
    int ptd, ppi, iasup, iasub;
    QString aapta1, aapta2;
    int ip;
    QString arl1, arl2;
    int icc, puof;
    QString ades;
};
const Alternativa kAlternativas[3] = {
    {"Bacia de detenção", "10", "25", "8", "12", "10", false, "3", "2", 5, 4, 6, 3, "100", "150", 5, "0", "50", 4, 5,
     "75"},
    {"Trincheira", "30", "25", "5", "", "10", true, "0", "500", 3, 6, 4, 5, "100", "250", 2, "100", "200", 6, 7, "300"},
    {"Canal", "5", "8", "", "16", "10", false, "5", "8", 7, 2, 1, 7, "80", "60", 4, "40", "50", 5, 4, "0"},
};
// The consequence grid of these data under the weighting "Hidrológica", worked by
// hand: thirteen indicators, then the weighted mean and the compromise distance.
const char* kGrade[3] = {"5,20 6,46 5,50 5,00 4,00 6,00 3,00 5,50 5,00 4,75 4,00 5,00 3,25 5,18 40,67",
                         "7,00 5,50 1,00 3,00 6,00 4,00 5,00 7,00 2,00 7,00 6,00 7,00 1,00 4,67 55,40",
                         "5,86 5,86 2,86 7,00 2,00 1,00 7,00 3,25 4,00 4,75 5,00 4,00 4,00 4,57 59,47"};

bool visivel(const char* nome) { return Janelas::Visivel(Janelas::Obter(QString::fromLatin1(nome))); }
template <class T = QWidget> T* controle(const char* j, const QString& nome) { return Teste::Controle<T>(j, nome); }
void digitar(const char* j, const char* c, const QString& t) { Teste::Substituir(controle<QLineEdit>(j, c), t); }
void clicar(const char* j, const QString& nome) { Teste::Clicar(controle(j, nome)); }
void opcao(const char* j, int numero) { clicar(j, QStringLiteral("Option%1").arg(numero)); }
bool aberto(const char* j) { return controle(j, "CommandButton1")->isEnabled(); }

// A tab chosen on the tab strip with the mouse.
void aba(const char* j, int i)
{
    QTabBar* barra = controle<QTabWidget>(j, "TabStrip1")->tabBar();
    QTest::mouseClick(barra, Qt::LeftButton, {}, barra->tabRect(i).center());
}

void preencherObjetivo(const Alternativa& a)
{
    digitar("frmObjetivo", "Text1", a.tr);
    digitar("frmObjetivo", "Text2", a.trd);
}

void preencherImpacto(const Alternativa& a)
{
    const char* j = "frmImpacto";
    aba(j, 0);
    if (!a.qjmin.isEmpty())
        clicar(j, "Check1"), digitar(j, "Text1", a.qjmin);
    if (!a.qjmax.isEmpty())
        clicar(j, "Check2"), digitar(j, "Text2", a.qjmax);
    digitar(j, "Text3", a.qalvo);
    clicar(j, a.areas ? "Option1" : "Option2");
    digitar(j, "Text4", a.recarga1);
    digitar(j, "Text5", a.recarga2);
    aba(j, 1);
    opcao(j, 2 + a.ptd);
    opcao(j, 9 + a.ppi);
    aba(j, 2);
    opcao(j, 31 - a.iasup);  // these two groups run downwards
    opcao(j, 24 - a.iasub);
}

void preencherInsercao(const Alternativa& a)
{
    const char* j = "frmInsercao";
    auto item = [j](int i) { QTest::mouseClick(controle(j, QStringLiteral("Label%1").arg(12 + i)), Qt::LeftButton); };
    aba(j, 0);
    digitar(j, "Text1", a.aapta1);
    digitar(j, "Text2", a.aapta2);
    opcao(j, 2 + a.ip);
    aba(j, 1);
    item(0);
    digitar(j, "Text3", a.arl1);
    digitar(j, "Text4", a.arl2);
    item(1), opcao(j, QList<int>{1, 2, 10, 11, 12, 13, 14}[a.icc - 1]);
    item(2), opcao(j, 11 + a.puof);
    item(3), digitar(j, "Text5", a.ades);
}

// One window of the order per criterion: every alternative filled and left
// with its "Próxima  >"; the gate opens when the last one is left complete,
// and "Avançar" hands on.
struct Etapa { const char *janela, *proxima; void (*preencher)(const Alternativa&); };
const Etapa kEtapas[] = {{"frmObjetivo", "Command2", preencherObjetivo},
                         {"frmImpacto", "Command2", preencherImpacto},
                         {"frmInsercao", "Command1", preencherInsercao}};

void percorrer(const Etapa& e)
{
    for (const Alternativa& a : kAlternativas)
        e.preencher(a), clicar(e.janela, e.proxima);
    clicar(e.janela, "CommandButton1");
    QVERIFY2(!visivel(e.janela), e.janela);
}

// "Novo", three named alternatives in the chosen order, and the weighting
// "Hidrológica" handed on: the objective window is shown.
void iniciarProjeto(frmMain* principal, bool porAlternativa)
{
    principal->findChild<QAction*>("new")->trigger();
    digitar("frmInicio", "Text3", "3");
    QTest::keyClick(controle<QLineEdit>("frmInicio", "Text3"), Qt::Key_Return);
    for (const Alternativa& a : kAlternativas)
        digitar("frmInicio", "Text1", a.nome), clicar("frmInicio", "Command6");
    if (porAlternativa)
        clicar("frmInicio", "Option1");
    clicar("frmInicio", "CommandButton1");
    QVERIFY(MT::EntradaPorAlternativa == porAlternativa && MT::ProjetoEmAndamento && !visivel("frmInicio"));
    QCOMPARE(Teste::Coluna("SELECT Marcador || ' ' || Nome FROM tblTessaura ORDER BY id"),
             (QList<QVariant>{"alt1 " + kAlternativas[0].nome, "alt2 " + kAlternativas[1].nome,
                              "alt3 " + kAlternativas[2].nome}));

    QVERIFY(visivel("frmPesoPond") && !principal->findChild<QAction*>("dados")->isEnabled());
    auto* lista = controle<QComboBox>("frmPesoPond", "ComboBox1");
    lista->setFocus();
    QTest::keyClick(lista, Qt::Key_Down);  // "Hidrológica"
    clicar("frmPesoPond", "CommandButton1");
    QCOMPARE(MT::PesoPonderacao[1].toDouble() + MT::PesoPonderacao[13].toDouble(), 19.0);
    QVERIFY(principal->findChild<QAction*>("dados")->isEnabled() && visivel("frmObjetivo"));
}

// The rows as the windows stored them, and the results window's grid and
// stored indices.
void verificarResultados()
{
    QVERIFY2(visivel("frmCalculoIndices") && Teste::TextosMostrados().isEmpty(),
             qPrintable(Teste::TextosMostrados().join('|')));
    QCOMPARE(Teste::Coluna("SELECT typeof(TR) || typeof(IAsup) || typeof(Ades) FROM tblTessaura").value(0),
             QVariant("integerintegerreal"));
    // The pair not chosen and the limit not ticked are Null.
    QCOMPARE(Teste::Coluna("SELECT quote(QJmin) || quote(QJmax) || quote(Qinf) || quote(Qnat) || quote(Ainf) "
                           "|| quote(Anat) FROM tblTessaura ORDER BY id"),
             (QList<QVariant>{"8.012.03.02.0NULLNULL", "5.0NULLNULLNULL0.0500.0", "NULL16.05.08.0NULLNULL"}));
    auto* flex = controle<GradeFlex>("frmCalculoIndices", "Flex");
    for (int i = 0; i < 3; ++i) {
        QString linha = flex->Texto(i + 1, 0);
        for (int c = 1; c <= 15; ++c)
            linha += ' ' + flex->Texto(i + 1, c);
        QCOMPARE(linha, kAlternativas[i].nome + ' ' + kGrade[i]);
    }
    QCOMPARE(Teste::Coluna("SELECT PerMP FROM tblTessaura ORDER BY id"), (QList<QVariant>{5.18, 4.67, 4.57}));
}

// The economic analysis run from the results window: every alternative chosen,
// the same costs typed for each, and "Fazer análise".
void analisar()
{
    clicar("frmCalculoIndices", "cmdAnaEco");
    clicar("frmAltEco", "Command2");
    clicar("frmAltEco", "cmdOK");
    const char* caixas[] = {"txtCustoImplantacao", "txtCustoOperacao", "txtCustoManutencao", "txtVidaUtil"};
    for (int i = 0; i < 3; ++i) {
        for (const char* caixa : caixas)
            digitar("frmEconomico", caixa, "10");
        clicar("frmEconomico", "cmdFor");
    }
    clicar("frmEconomico", "cmdAnalise");
    QVERIFY(controle("frmEconomico", "cmdGraf")->isVisible());
}

// The results page scrolled sideways as far as it goes: a click on a cell
// selects that cell, the pointer released where it was pressed.
void clicarNaGradeRolada()
{
    QScrollBar* barra = Janelas::Area()->horizontalScrollBar();
    QVERIFY(barra->maximum() > 0);  // the page is wider than the work area
    clicar("frmCalculoIndices", "ToggleButton1");  // the focus elsewhere
    barra->setValue(barra->maximum());
    auto* flex = controle<GradeFlex>("frmCalculoIndices", "Flex");
    QWidget* v = flex->viewport();
    const QPoint tela = v->mapToGlobal(flex->visualRect(flex->model()->index(2, 6)).center());
    QTest::mousePress(v, Qt::LeftButton, {}, v->mapFromGlobal(tela));
    QTest::mouseRelease(v, Qt::LeftButton, {}, v->mapFromGlobal(tela));
    QCOMPARE(flex->currentIndex(), flex->model()->index(2, 6));
    QVERIFY(flex->Negrito(0, 6) && flex->hasFocus() && barra->value() == barra->maximum());
}

}  // namespace

class TestePercursoProjeto : public QObject {
    Q_OBJECT
private slots:
    void projetoPorCriterio();
    void projetoPorAlternativa();
    void retornos();
};

void TestePercursoProjeto::projetoPorCriterio()
{
    Teste::Sessao s;
    frmMain* principal = s.Principal();
    iniciarProjeto(principal, false);

    for (const Etapa& e : kEtapas)
        percorrer(e);
    verificarResultados();
    clicarNaGradeRolada();

    // A new project closes every window of the old one.
    principal->findChild<QAction*>("new")->trigger();
    for (const char* nome : {"frmPesoPond", "frmObjetivo", "frmImpacto", "frmInsercao", "frmCalculoIndices"})
        QVERIFY2(!Janelas::Carregada(nome), nome);
    QVERIFY(!MT::ObjetivoCarregado && !MT::ImpactoCarregado && !MT::InsercaoCarregado);
    QVERIFY(Teste::Linhas("tblTessaura") == 0 && visivel("frmInicio"));
}

void TestePercursoProjeto::projetoPorAlternativa()
{
    Teste::Sessao s;
    iniciarProjeto(s.Principal(), true);

    for (int i = 0; i < 3; ++i) {
        const Alternativa& a = kAlternativas[i];
        // Each alternative starts on a fresh objective window with its name.
        QCOMPARE(controle<QLabel>("frmObjetivo", "Label15")->text(), a.nome);
        preencherObjetivo(a);
        clicar("frmObjetivo", "CommandButton1");

        preencherImpacto(a);
        QVERIFY(!aberto("frmImpacto"));  // judged only when the pointer passes a frame
        Teste::PassarMouse(controle("frmImpacto", "Frame1"));
        clicar("frmImpacto", "CommandButton1");

        preencherInsercao(a);
        Teste::PassarMouse(controle("frmInsercao", "Frame6"));
        clicar("frmInsercao", "CommandButton1");
        // Nothing of this alternative reached the rows of the others.
        QCOMPARE(Teste::Coluna("SELECT count(*) FROM tblTessaura WHERE TR IS NOT NULL").value(0), i + 1);
    }
    QVERIFY(!MT::Reentrada);
    verificarResultados();
}

// Leaving a window brings back the one it covered: the active child, maximized
// like every child on show, with what its activation shows in the status bar.
void TestePercursoProjeto::retornos()
{
    Teste::Sessao s;
    frmMain* principal = s.Principal();
    iniciarProjeto(principal, false);
    const auto nada = [] {};
    const auto revisar = [principal] { principal->findChild<QAction*>("dados")->trigger(); };
    const auto sairDaRevisao = [] { clicar("frmDadosUtilizados", "Command4"); };
    // Each row goes on from where the last one left; barra: panel 1 and whether panels 3 to 5 are on show
    // (empty: not looked at).
    const struct { std::function<void()> chegar, cobrir, sair; const char* volta; QString barra; } casos[] = {
        {nada, revisar, sairDaRevisao, "frmObjetivo", ""},
        {[] { percorrer(kEtapas[0]); }, revisar, sairDaRevisao, "frmImpacto", ""},
        {[] { percorrer(kEtapas[1]); }, revisar, sairDaRevisao, "frmInsercao", ""},
        {[] { percorrer(kEtapas[2]); }, revisar, sairDaRevisao, "frmCalculoIndices", "Análises 111"},
        {nada, analisar, [] { clicar("frmEconomico", "cmdVoltar"); clicar("frmEconomico", "cmdVoltar"); },
         "frmCalculoIndices", "Análises 111"},
        {analisar, [] { clicar("frmEconomico", "cmdGraf"); }, [] { clicar("frmGrafico", "cmdVoltar"); },
         "frmEconomico", "Análise econômica 000"},
        {[principal] { principal->findChild<QAction*>("new")->trigger(); }, revisar, sairDaRevisao, "frmInicio",
         ""},
    };
    for (const auto& c : casos) {
        c.chegar();
        c.cobrir();
        c.sair();
        QCoreApplication::processEvents();  // the window comes back once the click is handled
        QMdiSubWindow* frente = Janelas::Area()->activeSubWindow();
        QVERIFY2(frente && frente->widget() == Janelas::Obter(c.volta)->Widget(), c.volta);
        for (QMdiSubWindow* sub : Janelas::Area()->subWindowList())
            QVERIFY2(!sub->isVisible() || sub->isMaximized(), qPrintable(sub->objectName()));
        QString barra = MT::sbStatusBar()->Painel(1)->text() + ' ';
        for (int p = 3; p <= 5; ++p)
            barra += MT::sbStatusBar()->Painel(p)->isVisible() ? '1' : '0';
        if (!c.barra.isEmpty())
            QCOMPARE(barra, c.barra);
    }
}

TESTE_MAIN(TestePercursoProjeto)
#include "tst_percurso_projeto.moc"
