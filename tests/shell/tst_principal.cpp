// Start-up, the main window's toolbar, a new project and the exit.
#include "Ambiente.h"

#include "common/BarraStatus.h"
#include "common/Espera.h"
#include "common/Janelas.h"
#include "common/ModuloTessaura.h"
#include "shell/frmInicio.h"
#include "shell/frmMain.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QGroupBox>
#include <QMdiArea>
#include <QSettings>
#include <QTest>
#include <QToolBar>

namespace MT = ModuloTessaura;

namespace {
QAction* Acao(QWidget* w, const char* nome) { return Teste::Controle<QAction>(w, QString::fromLatin1(nome)); }
}  // namespace

class TestePrincipal : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }

    // The splash gives way to one main window, with a fresh module state.
    void inicioPeloSplash()
    {
        Teste::Sessao s;
        MT::Reentrada = MT::ProjetoEmAndamento = true;
        Espera::DefinirEscalaParaTestes(0.02);
        QVERIFY(Janelas::Carregar(QStringLiteral("frmSplash"))->Widget()->isVisible() && !Janelas::Principal());
        QTRY_VERIFY(Janelas::Principal());
        QVERIFY(!Janelas::Carregada("frmSplash"));
        QTest::qWait(200);
        const QWidgetList janelas = QApplication::topLevelWidgets();
        QCOMPARE(std::count_if(janelas.begin(), janelas.end(), [](QWidget* w) { return qobject_cast<frmMain*>(w); }), 1);
        QPointer<frmMain> m = qobject_cast<frmMain*>(Janelas::Principal());
        QVERIFY(m->isVisible() && m->windowTitle() == QStringLiteral("Vazora"));
        for (const char* a : {"abrir", "dados", "new", "salvar", "sair"})
            QVERIFY2(Acao(m, a)->isEnabled() == (a[0] != 'a' && a[0] != 'd'), a);
        QVERIFY(!MT::Reentrada && !MT::ProjetoEmAndamento);
        MT::MostrarAlternativaNaBarra(3, 5);
        QCOMPARE(m->sbStatusBar()->Painel(1)->text() + ' ' + m->sbStatusBar()->Painel(2)->text(),
                 QStringLiteral("Alternativa 3 de 5"));
        m->setAttribute(Qt::WA_DeleteOnClose, false);
        delete m;
    }

    // "Novo" closes every window and forgets the project's name, so its first
    // save asks for one; without the database nothing changes.
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
        m->setWindowTitle(QStringLiteral("Vazora - Bacia do Arroio"));
        MT::NomeProjeto = QStringLiteral("Bacia do Arroio");
        MT::SenhaDigitada = MT::ResponsavelProjeto = MT::DescricaoProjeto = QStringLiteral("x");
        MT::Reentrada = MT::CalculoCarregado = true;
        Acao(m, "salvar")->trigger();  // a named project is saved under its name
        QVERIFY(!MT::PedirNomeAoSalvar);
        QCOMPARE(Teste::TextosMostrados(), QStringList{"O projeto foi salvo!"});
        Mensagens::LimparHistorico();

        Acao(m, "new")->trigger();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(Teste::Linhas("tblTessaura"), 0);
        QVERIFY(!antigo && !Janelas::Carregada("frmTipoEntradaDados"));
        auto* novo = Janelas::Obter<frmInicio>();
        QVERIFY(Janelas::Visivel(novo) && novo->Text3->text().isEmpty() && !novo->Frame1->isVisible());
        QVERIFY(Janelas::Area()->subWindowList().size() == 1 && !MT::Reentrada && !MT::CalculoCarregado);
        QCOMPARE(m->windowTitle(), QStringLiteral("Vazora"));
        QCOMPARE(MT::NomeProjeto + MT::SenhaDigitada + MT::ResponsavelProjeto + MT::DescricaoProjeto, QString());
        Acao(m, "salvar")->trigger();
        QVERIFY(MT::PedirNomeAoSalvar && Teste::TextosMostrados().isEmpty());

        QVERIFY(QFile::remove(s.CaminhoBanco()));
        m->setWindowTitle(QStringLiteral("Vazora - Projeto"));
        Acao(m, "mnuFileNew")->trigger();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(Teste::TextosMostrados().size(), 1);
        QVERIFY(Teste::UltimaMensagem()->texto.contains("mdbTessaura.mdb"));
        QVERIFY(Janelas::Obter<frmInicio>() == novo && m->windowTitle() == QStringLiteral("Vazora - Projeto"));
    }

    // The exit records the outer geometry in twips, except when minimized.
    void sairGravaAGeometria()
    {
        for (const auto estado : {Qt::WindowNoState, Qt::WindowMaximized, Qt::WindowMinimized}) {
            QSettings(QStringLiteral("Vazora"), QStringLiteral("Vazora")).clear();
            Teste::Sessao s;
            QPointer<frmMain> m = s.Principal();
            Acao(m, "new")->trigger();
            m->setWindowState(Qt::WindowNoState);
            m->setGeometry(60, 45, 700, 500);
            m->setWindowState(estado);
            QCoreApplication::processEvents();
            const QRect g = m->frameGeometry();
            Acao(m, "sair")->trigger();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QVERIFY(!m && !Janelas::Carregada("frmInicio"));
            QSettings c(QStringLiteral("Vazora"), QStringLiteral("Vazora"));
            c.beginGroup(QStringLiteral("Settings"));
            QList<int> gravado;
            for (const char* chave : {"MainLeft", "MainTop", "MainWidth", "MainHeight"})
                if (c.contains(chave))
                    gravado << c.value(chave).toInt();
            QCOMPARE(gravado, estado == Qt::WindowMinimized
                                  ? QList<int>{}
                                  : (QList<int>{g.x() * 15, g.y() * 15, g.width() * 15, g.height() * 15}));
            QVERIFY(estado != Qt::WindowNoState || gravado[2] >= 700 * 15);  // frame included
        }
    }

    // A switched-off toolbar button reads as off: its picture stands out far
    // less from the bar than when it is on.
    void botaoDesligadoDesbotado()
    {
        Teste::Sessao s;
        QAction* dados = Acao(s.Principal(), "dados");
        QWidget* botao = Teste::Controle<QToolBar>(s.Principal(), "tbToolBar")->widgetForAction(dados);
        // Mean distance in grey of the button's pixels from its corner (the bar).
        auto contraste = [botao] {
            const QImage im = botao->grab().toImage();
            const int fundo = qGray(im.pixel(1, 1));
            double soma = 0;
            for (int y = 0; y < im.height(); ++y)
                for (int x = 0; x < im.width(); ++x)
                    soma += std::abs(qGray(im.pixel(x, y)) - fundo);
            return soma / (im.width() * im.height());
        };
        QVERIFY(!dados->isEnabled());
        const double desligado = contraste();
        dados->setEnabled(true);
        const double ligado = contraste();
        QVERIFY2(desligado < 0.4 * ligado, qPrintable(QStringLiteral("%1 / %2").arg(desligado).arg(ligado)));
    }
};

TESTE_MAIN(TestePrincipal)
#include "tst_principal.moc"
