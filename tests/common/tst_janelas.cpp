// Loading, unloading and activating the windows of the main window, modal
// dialogs, the pause, and child windows larger than the work area.
#include "Ambiente.h"

#include "common/Espera.h"
#include "common/ModuloTessaura.h"
#include "shell/frmMain.h"

#include <QApplication>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {
int g_cargas = 0, g_descargas = 0;

class frmTesteA : public Formulario {
    Q_OBJECT
public:
    int ativacoes = 0;
    bool mostrarMensagem = false;
    void Form_Load() override { ++g_cargas; }
    void Form_Unload() override { ++g_descargas; }
    void Form_Activate() override
    {
        ++ativacoes;
        if (mostrarMensagem)
            Mensagens::Mostrar(QStringLiteral("x"));
        // A nested activation while this one runs is ignored.
        Janelas::Ativar(this);
    }
};
class frmTesteB : public frmTesteA {
    Q_OBJECT
};
// A window designed larger than a small screen: a box at the top left, a
// button at the bottom right.
class frmTesteGrande : public Formulario {
    Q_OBJECT
public:
    QLineEdit* caixa = new QLineEdit(this);
    QPushButton* botao = new QPushButton(QStringLiteral("Avançar"), this);
    frmTesteGrande()
    {
        caixa->setGeometry(10, 10, 100, 22);
        botao->setObjectName(QStringLiteral("CommandButton1"));
        botao->setGeometry(900, 700, 94, 39);
    }
};
class frmTesteDialogo : public Dialogo {
    Q_OBJECT
public:
    void Form_Unload() override { ++g_descargas; }
};
REGISTRAR_JANELA(frmTesteA)
REGISTRAR_JANELA(frmTesteB)
REGISTRAR_JANELA(frmTesteGrande)
REGISTRAR_JANELA(frmTesteDialogo)
}  // namespace

class TesteJanelas : public QObject {
    Q_OBJECT
private slots:
    void carregarAtivarEDescarregar()
    {
        Teste::Sessao s;
        frmMain* principal = s.Principal();
        g_cargas = g_descargas = 0;
        auto* a = Janelas::Carregar<frmTesteA>();
        QVERIFY(a && Janelas::Carregar<frmTesteA>() == a && g_cargas == 1);  // loaded once
        QVERIFY(!Janelas::Carregar("frmNaoExiste"));
        auto* b = Janelas::Carregar<frmTesteB>();
        // Each step and the activations it leaves (a/b).
        const std::pair<std::function<void()>, const char*> passos[] = {
            {[&] { Janelas::Mostrar(a); }, "1/0"},
            {[&] { Janelas::Mostrar(a); }, "1/0"},  // already shown and active: nothing
            {[&] { Janelas::Mostrar(b); }, "1/1"},
            // Coming back to a from another child runs its activation again.
            {[&] { principal->Area()->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(a->parentWidget())); }, "2/1"},
            // A message box shown during an activation is no activation of its own.
            {[&] { a->mostrarMensagem = true; Janelas::Mostrar(b); Janelas::Mostrar(a); }, "3/2"},
            {[&] { Janelas::Ocultar(a); Janelas::Mostrar(a); }, "4/2"},
            // The main window losing the focus and getting it back is none either.
            {[&] {
                 principal->Area()->setActiveSubWindow(nullptr);
                 principal->Area()->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(a->parentWidget()));
             }, "4/2"}};
        for (const auto& [passo, esperado] : passos) {
            passo();
            QCOMPARE(QStringLiteral("%1/%2").arg(a->ativacoes).arg(b->ativacoes), QString(esperado));
        }
        Janelas::Descarregar("frmTesteA");
        Janelas::Descarregar("frmTesteA");  // not loaded: passed over
        QVERIFY(!Janelas::Carregada("frmTesteA") && g_descargas == 1);
    }

    // A dialog shown modally and closed by Esc or by its title bar is unloaded
    // like one closed by a button, and its closing activates no window.
    void dialogoModalFechadoPorEscOuBarra()
    {
        for (const bool esc : {true, false}) {
            Teste::Sessao s;
            s.Principal();
            auto* a = Janelas::Carregar<frmTesteA>();
            Janelas::Mostrar(a);
            Janelas::DefinirManipuladorModal(nullptr);  // the real modal loop
            g_descargas = 0;
            QPointer<frmTesteDialogo> d = Janelas::Carregar<frmTesteDialogo>();
            QTimer::singleShot(50, d, [d, esc] {
                QVERIFY(d->isVisible() && QApplication::activeModalWidget() == d);
                if (esc)
                    QTest::keyClick(d, Qt::Key_Escape);
                else
                    d->close();
            });
            Janelas::ExibirModal(d);
            QVERIFY(g_descargas == 1 && !Janelas::Carregada("frmTesteDialogo"));
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QVERIFY(!d && a->ativacoes == 1);
        }
    }

    // A pause lets timers run but holds every click and key back until it ends;
    // a pause of nothing lets nothing run.
    void pausaSemEntradaDoUsuario()
    {
        Teste::Sessao s;
        Espera::DefinirEscalaParaTestes(1.0);
        QPushButton botao(QStringLiteral("OK"));
        QLineEdit caixa;
        botao.show();
        caixa.show();
        int cliques = 0, disparos = 0;
        QObject::connect(&botao, &QPushButton::clicked, [&] { ++cliques; });
        QTimer::singleShot(0, [&] { ++disparos; });
        ModuloTessaura::Pausa(0);
        QCOMPARE(disparos, 0);

        const QPoint meio = botao.rect().center();
        for (QEvent::Type t : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease})
            QCoreApplication::postEvent(&botao, new QMouseEvent(t, meio, botao.mapToGlobal(meio),
                                                                Qt::LeftButton, Qt::LeftButton, Qt::NoModifier));
        QCoreApplication::postEvent(&caixa, new QKeyEvent(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, "a"));
        QString durante;
        QTimer::singleShot(60, [&] { durante = QStringLiteral("%1|%2").arg(cliques).arg(caixa.text()); });
        ModuloTessaura::Pausa(0.15f);
        QCOMPARE(QStringLiteral("%1 %2 %3").arg(disparos).arg(durante).arg(cliques), QStringLiteral("1 0| 0"));
        QCoreApplication::processEvents();
        QCOMPARE(QString::number(cliques) + caixa.text(), QStringLiteral("1a"));
    }

    // A child window larger than the work area scrolls: its controls keep
    // their names and parents, and the one that takes the focus comes into view.
    void janelaMaiorQueAAreaRola()
    {
        Teste::Sessao s;
        frmMain* principal = s.Principal();
        principal->showNormal();
        principal->resize(583, 352);
        principal->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(principal));
        auto* g = Janelas::Carregar<frmTesteGrande>();
        Janelas::Mostrar(g);
        QMdiArea* area = principal->Area();
        QCOMPARE(principal->findChild<QPushButton*>(QStringLiteral("CommandButton1")), g->botao);
        const auto visivel = [area](QWidget* w) {
            return area->viewport()->rect().contains(QRect(w->mapTo(area->viewport(), QPoint()), w->size()));
        };
        QVERIFY(visivel(g->caixa) && !visivel(g->botao));
        g->botao->setFocus(Qt::TabFocusReason);
        QVERIFY(visivel(g->botao));
        g->caixa->setFocus(Qt::BacktabFocusReason);
        QVERIFY(visivel(g->caixa));
    }
};

TESTE_MAIN(TesteJanelas)
#include "tst_janelas.moc"
