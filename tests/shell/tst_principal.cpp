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
#include <QMdiArea>
#include <QSettings>
#include <QTest>

namespace MT = ModuloTessaura;

namespace {

QAction* Acao(QWidget* w, const char* nome)
{
    return Teste::Controle<QAction>(w, QString::fromLatin1(nome));
}

QSettings Configuracao()
{
    return QSettings(QStringLiteral("Vazora"), QStringLiteral("Vazora"));
}

}  // namespace

class TestePrincipal : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }

    void inicioPeloSplash()
    {
        Teste::Sessao s;
        MT::Reentrada = MT::ProjetoEmAndamento = true;
        // Three seconds as designed, shortened here: the splash shows, then gives
        // way to the main window once.
        Espera::DefinirEscalaParaTestes(0.02);
        auto* splash = dynamic_cast<frmSplash*>(Janelas::Carregar(QStringLiteral("frmSplash")));
        QVERIFY(splash->isVisible() && !Janelas::Principal());
        QTRY_VERIFY(Janelas::Principal());
        QVERIFY(!Janelas::Carregada("frmSplash"));
        QTest::qWait(200);
        const QWidgetList janelas = QApplication::topLevelWidgets();
        QCOMPARE(int(std::count_if(janelas.begin(), janelas.end(), [](QWidget* w) { return qobject_cast<frmMain*>(w); })),
                 1);
        QPointer<frmMain> m = qobject_cast<frmMain*>(Janelas::Principal());
        QVERIFY(m->isVisible() && m->windowTitle() == QStringLiteral("Vazora"));
        for (const char* a : {"abrir", "dados"})
            QVERIFY2(!Acao(m, a)->isEnabled(), a);
        for (const char* a : {"new", "salvar", "sair"})
            QVERIFY2(Acao(m, a)->isEnabled(), a);
        BarraStatus* barra = m->sbStatusBar();
        QCOMPARE(barra->Painel(1)->text(), QStringLiteral("Status"));
        QVERIFY(!MT::Reentrada && !MT::ProjetoEmAndamento);

        // The alternative on show goes to the first two panels, plain.
        barra->Painel(2)->hide();
        barra->Painel(1)->DefinirBevel(PainelStatus::Raised);
        MT::MostrarAlternativaNaBarra(3, 5);
        QCOMPARE(barra->Painel(1)->text() + ' ' + barra->Painel(2)->text(),
                 QStringLiteral("Alternativa 3 de 5"));
        QVERIFY(barra->Painel(2)->isVisible() && barra->Painel(1)->BevelAtual() == PainelStatus::SemBevel);
        // A click on a panel with no results to show changes nothing.
        QTest::mouseClick(barra->Painel(1), Qt::LeftButton);
        QCOMPARE(barra->Painel(1)->BevelAtual(), PainelStatus::SemBevel);
        QVERIFY(Janelas::Area()->subWindowList().isEmpty());
        m->setAttribute(Qt::WA_DeleteOnClose, false);
        delete m;
    }

    // "Novo" closes every window and forgets the project's name, so its first
    // save asks for one.
    void novoComJanelasAbertas()
    {
        Teste::Sessao s;
        frmMain* m = s.Principal();
        Acao(m, "mnuFileNew")->trigger();
        QPointer<frmInicio> antigo = Janelas::Obter<frmInicio>();
        QTest::keyClicks(antigo->Text3, "4");
        QTest::keyClick(antigo->Text3, Qt::Key_Return);
        Teste::AoExibirModal([](Dialogo*) {});  // the help dialog stays open
        antigo->Image1_Click();
        QVERIFY(Janelas::Carregada("frmTipoEntradaDados"));
        m->setWindowTitle(QStringLiteral("Vazora - Bacia do Arroio"));
        MT::NomeProjeto = QStringLiteral("Bacia do Arroio");
        MT::SenhaDigitada = QStringLiteral("segredo");
        MT::ResponsavelProjeto = QStringLiteral("Ana");
        MT::DescricaoProjeto = QStringLiteral("Estudo");
        MT::Reentrada = MT::CalculoCarregado = true;
        Acao(m, "salvar")->trigger();  // a named project is saved under its name
        QVERIFY(!MT::PedirNomeAoSalvar);
        QCOMPARE(Teste::TextosMostrados(), QStringList{"O projeto foi salvo!"});
        Mensagens::LimparHistorico();
        m->mnuFileSalvarComo_Click();  // its menu item is switched off
        QVERIFY(MT::PedirNomeAoSalvar);
        MT::PedirNomeAoSalvar = false;

        Acao(m, "new")->trigger();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(Teste::Linhas("tblTessaura"), 0);
        QVERIFY(!antigo && !Janelas::Carregada("frmTipoEntradaDados"));
        auto* novo = Janelas::Obter<frmInicio>();
        QVERIFY(Janelas::Visivel(novo) && novo->Text3->text().isEmpty() && !novo->Frame1->isVisible());
        QCOMPARE(Janelas::Area()->subWindowList().size(), 1);
        QVERIFY(!MT::Reentrada && !MT::CalculoCarregado);
        QCOMPARE(m->windowTitle(), QStringLiteral("Vazora"));
        QCOMPARE(MT::NomeProjeto + MT::SenhaDigitada + MT::ResponsavelProjeto + MT::DescricaoProjeto, QString());
        Acao(m, "salvar")->trigger();
        QVERIFY(MT::PedirNomeAoSalvar);
        QVERIFY(Teste::TextosMostrados().isEmpty());

        // Without the database nothing changes.
        QVERIFY(QFile::remove(s.CaminhoBanco()));
        m->setWindowTitle(QStringLiteral("Vazora - Projeto"));
        Acao(m, "mnuFileNew")->trigger();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(Teste::TextosMostrados().size(), 1);
        QVERIFY(Teste::UltimaMensagem()->texto.contains("mdbTessaura.mdb"));
        QCOMPARE(Janelas::Obter<frmInicio>(), novo);
        QCOMPARE(m->windowTitle(), QStringLiteral("Vazora - Projeto"));
    }

    void sairGravaAGeometria_data()
    {
        QTest::addColumn<int>("estado");
        QTest::newRow("normal") << int(Qt::WindowNoState);
        QTest::newRow("maximizada") << int(Qt::WindowMaximized);
        QTest::newRow("minimizada") << int(Qt::WindowMinimized);
    }
    void sairGravaAGeometria()
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
        QVERIFY(!m && !Janelas::Carregada("frmInicio"));
        QSettings c = Configuracao();
        c.beginGroup(QStringLiteral("Settings"));
        if (estado == Qt::WindowMinimized) {
            QVERIFY(c.childKeys().isEmpty());
            return;
        }
        QCOMPARE(c.childKeys().size(), 4);
        QCOMPARE((QList<int>{c.value("MainLeft").toInt(), c.value("MainTop").toInt(), c.value("MainWidth").toInt(),
                             c.value("MainHeight").toInt()}),
                 (QList<int>{g.x() * 15, g.y() * 15, g.width() * 15, g.height() * 15}));
        if (estado == Qt::WindowNoState)
            QVERIFY(c.value("MainWidth").toInt() >= 700 * 15);  // the outer width, frame included
    }
};

QTEST_MAIN(TestePrincipal)
#include "tst_principal.moc"
