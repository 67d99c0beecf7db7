// Start-up, the main window's menus, toolbar and status bar, a new project and
// the exit.
#include "Ambiente.h"

#include "common/BarraStatus.h"
#include "common/Espera.h"
#include "common/Janelas.h"
#include "common/ModuloTessaura.h"
#include "shell/frmInicio.h"
#include "shell/frmMain.h"
#include "shell/frmSplash.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>
#include <QTest>
#include <QToolBar>

namespace MT = ModuloTessaura;

namespace {

QList<frmMain*> JanelasPrincipais()
{
    QList<frmMain*> r;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* m = qobject_cast<frmMain*>(w))
            r << m;
    }
    return r;
}

QSettings Configuracao()
{
    return QSettings(QStringLiteral("Vazora"), QStringLiteral("Vazora"));
}

QAction* Acao(QWidget* w, const char* nome)
{
    return w->findChild<QAction*>(QString::fromLatin1(nome));
}

}  // namespace

class TestePrincipal : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }

    void inicioPeloSplash();
    void novoComJanelasAbertas();
    void novoSemBancoNaoMudaNada();
    void salvarPedeNomeConformeOTitulo_data();
    void salvarPedeNomeConformeOTitulo();
    void contadorNaBarraDeStatus();
    void cliqueNosPaineisSemResultados();
    void sairGravaAGeometria_data();
    void sairGravaAGeometria();
};

void TestePrincipal::inicioPeloSplash()
{
    Teste::Sessao s;
    MT::Reentrada = true;
    MT::ProjetoEmAndamento = true;

    // As designed: three seconds.
    Espera::DefinirEscalaParaTestes(1.0);
    auto* splash = dynamic_cast<frmSplash*>(Janelas::Carregar(QStringLiteral("frmSplash")));
    QVERIFY(splash);
    QCOMPARE(splash->Timer1->interval(), 3000);
    QVERIFY(splash->Timer1->isActive());
    Janelas::Descarregar(splash);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    // Shortened: the splash shows, then gives way to the main window once.
    Espera::DefinirEscalaParaTestes(0.02);
    splash = dynamic_cast<frmSplash*>(Janelas::Carregar(QStringLiteral("frmSplash")));
    QVERIFY(splash->isVisible());
    QVERIFY(!Janelas::Principal());
    QTRY_VERIFY(Janelas::Principal());
    QVERIFY(!Janelas::Carregada("frmSplash"));
    QTest::qWait(200);
    QCOMPARE(JanelasPrincipais().size(), 1);

    QPointer<frmMain> principal = JanelasPrincipais().first();
    QVERIFY(principal->isVisible());
    QCOMPARE(principal->windowTitle(), QStringLiteral("Vazora"));
    QVERIFY(!Acao(principal, "abrir")->isEnabled());
    QVERIFY(!Acao(principal, "dados")->isEnabled());
    QVERIFY(Acao(principal, "new")->isEnabled());
    QVERIFY(Acao(principal, "salvar")->isEnabled());
    QVERIFY(Acao(principal, "sair")->isEnabled());
    BarraStatus* barra = principal->sbStatusBar();
    for (int p = 1; p <= 7; ++p)
        QCOMPARE(barra->Painel(p)->isVisible(), p < 3 || p > 5);
    QCOMPARE(barra->Painel(1)->text(), QStringLiteral("Status"));
    QVERIFY(!MT::Reentrada);
    QVERIFY(!MT::ProjetoEmAndamento);
    QVERIFY(Janelas::Area()->subWindowList().isEmpty());

    principal->setAttribute(Qt::WA_DeleteOnClose, false);
    delete principal;
}

void TestePrincipal::novoComJanelasAbertas()
{
    Teste::Sessao s;
    frmMain* m = s.Principal();
    Acao(m, "mnuFileNew")->trigger();
    QPointer<frmInicio> antigo = Janelas::Obter<frmInicio>();
    QVERIFY(antigo && Janelas::Visivel(antigo));
    QTest::keyClicks(antigo->Text3, "4");
    QTest::keyClick(antigo->Text3, Qt::Key_Return);
    QCOMPARE(Teste::Linhas("tblTessaura"), 4);
    Teste::AoExibirModal([](Dialogo*) {});  // the help dialog stays open
    antigo->Image1_Click();
    QVERIFY(Janelas::Carregada("frmTipoEntradaDados"));
    m->setWindowTitle(QStringLiteral("Vazora - Bacia do Arroio"));
    MT::NomeProjeto = QStringLiteral("Bacia do Arroio");
    MT::SenhaDigitada = QStringLiteral("segredo");
    MT::ResponsavelProjeto = QStringLiteral("Ana");
    MT::DescricaoProjeto = QStringLiteral("Estudo");

    Acao(m, "new")->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    QCOMPARE(Teste::Linhas("tblTessaura"), 0);
    QVERIFY(!antigo);
    QVERIFY(!Janelas::Carregada("frmTipoEntradaDados"));
    auto* novo = Janelas::Obter<frmInicio>();
    QVERIFY(novo && Janelas::Visivel(novo));
    QVERIFY(novo->Text3->text().isEmpty());
    QVERIFY(!novo->Frame1->isVisible());
    QCOMPARE(Janelas::Area()->subWindowList().size(), 1);
    QCOMPARE(m->windowTitle(), QStringLiteral("Vazora"));
    QVERIFY(MT::NomeProjeto.isEmpty() && MT::SenhaDigitada.isEmpty());
    QVERIFY(MT::ResponsavelProjeto.isEmpty() && MT::DescricaoProjeto.isEmpty());
    QVERIFY(Teste::TextosMostrados().isEmpty());
}

void TestePrincipal::novoSemBancoNaoMudaNada()
{
    Teste::Sessao s;
    frmMain* m = s.Principal();
    Acao(m, "new")->trigger();
    QPointer<frmInicio> inicio = Janelas::Obter<frmInicio>();
    m->setWindowTitle(QStringLiteral("Vazora - Projeto"));
    QVERIFY(QFile::remove(s.CaminhoBanco()));

    Acao(m, "mnuFileNew")->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(Teste::TextosMostrados().size(), 1);
    QCOMPARE(Teste::UltimaMensagem()->icone, Mensagens::Icone::Critico);
    QVERIFY(Teste::UltimaMensagem()->texto.contains("mdbTessaura.mdb"));
    QVERIFY(inicio && Janelas::Obter<frmInicio>() == inicio);
    QCOMPARE(m->windowTitle(), QStringLiteral("Vazora - Projeto"));
}

void TestePrincipal::salvarPedeNomeConformeOTitulo_data()
{
    QTest::addColumn<QString>("titulo");
    QTest::addColumn<QString>("comando");
    QTest::addColumn<bool>("pedeNome");
    QTest::newRow("sem nome") << "Vazora" << "salvar" << true;
    QTest::newRow("com nome") << "Vazora - Bacia" << "salvar" << false;
    QTest::newRow("salvar como") << "Vazora - Bacia" << "mnuFileSalvarComo" << true;
}

void TestePrincipal::salvarPedeNomeConformeOTitulo()
{
    QFETCH(QString, titulo);
    QFETCH(QString, comando);
    QFETCH(bool, pedeNome);
    Teste::Sessao s;
    frmMain* m = s.Principal();
    m->setWindowTitle(titulo);
    MT::PedirNomeAoSalvar = !pedeNome;
    if (comando == QLatin1String("salvar"))
        Acao(m, "salvar")->trigger();
    else
        m->mnuFileSalvarComo_Click();  // its menu item is switched off
    QCOMPARE(MT::PedirNomeAoSalvar, pedeNome);
}

void TestePrincipal::contadorNaBarraDeStatus()
{
    Teste::Sessao s;
    BarraStatus* barra = s.Principal()->sbStatusBar();
    barra->Painel(2)->hide();
    barra->Painel(1)->DefinirBevel(PainelStatus::Raised);
    MT::MostrarAlternativaNaBarra(3, 5);
    QCOMPARE(barra->Painel(1)->text(), QStringLiteral("Alternativa"));
    QCOMPARE(barra->Painel(2)->text(), QStringLiteral("3 de 5"));
    QVERIFY(barra->Painel(2)->isVisible());
    QCOMPARE(barra->Painel(1)->BevelAtual(), PainelStatus::SemBevel);
    QCOMPARE(barra->Painel(2)->BevelAtual(), PainelStatus::SemBevel);
    MT::MostrarAlternativaNaBarra(QStringLiteral("12"), short(12));
    QCOMPARE(barra->Painel(2)->text(), QStringLiteral("12 de 12"));
}

void TestePrincipal::cliqueNosPaineisSemResultados()
{
    Teste::Sessao s;
    BarraStatus* barra = s.Principal()->sbStatusBar();
    for (int p = 1; p <= 7; ++p) {
        barra->Painel(p)->show();
        QTest::mouseClick(barra->Painel(p), Qt::LeftButton);
    }
    for (int p = 1; p <= 7; ++p)
        QCOMPARE(barra->Painel(p)->BevelAtual(), PainelStatus::Inset);
    QVERIFY(Janelas::Area()->subWindowList().isEmpty());
}

void TestePrincipal::sairGravaAGeometria_data()
{
    QTest::addColumn<int>("estado");
    QTest::newRow("normal") << int(Qt::WindowNoState);
    QTest::newRow("maximizada") << int(Qt::WindowMaximized);
    QTest::newRow("minimizada") << int(Qt::WindowMinimized);
}

void TestePrincipal::sairGravaAGeometria()
{
    QFETCH(int, estado);
    Configuracao().clear();
    Teste::Sessao s;
    QPointer<frmMain> m = s.Principal();
    Acao(m, "new")->trigger();
    m->setWindowState(Qt::WindowNoState);
    m->setGeometry(60, 45, 700, 500);
    m->setWindowState(Qt::WindowStates(estado));
    QCoreApplication::processEvents();
    const QRect g = m->frameGeometry();

    Acao(m, "sair")->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!m);
    QVERIFY(!Janelas::Carregada("frmInicio"));

    QSettings c = Configuracao();
    c.beginGroup(QStringLiteral("Settings"));
    if (estado == Qt::WindowMinimized) {
        QVERIFY(c.childKeys().isEmpty());
        return;
    }
    QCOMPARE(c.childKeys().size(), 4);
    QCOMPARE(c.value("MainLeft").toString(), QString::number(g.x() * 15));
    QCOMPARE(c.value("MainTop").toString(), QString::number(g.y() * 15));
    QCOMPARE(c.value("MainWidth").toString(), QString::number(g.width() * 15));
    QCOMPARE(c.value("MainHeight").toString(), QString::number(g.height() * 15));
    if (estado == Qt::WindowNoState)
        QVERIFY(c.value("MainWidth").toInt() >= 700 * 15);  // the outer width, frame included
}

QTEST_MAIN(TestePrincipal)
#include "tst_principal.moc"
