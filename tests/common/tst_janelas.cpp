// Loading, unloading and activating the windows of the main window.
#include "Ambiente.h"

#include "common/Janelas.h"
#include "common/Mensagens.h"
#include "shell/frmMain.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTest>

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
class frmTesteB : public Formulario {
    Q_OBJECT
public:
    int ativacoes = 0;
    void Form_Activate() override { ++ativacoes; }
};
REGISTRAR_JANELA(frmTesteA)
REGISTRAR_JANELA(frmTesteB)
}  // namespace

class TesteJanelas : public QObject {
    Q_OBJECT
private slots:
    void carregarEDescarregar();
    void ativacaoAoMostrarETrocar();
};

void TesteJanelas::carregarEDescarregar()
{
    Teste::Sessao s;
    s.Principal();
    g_cargas = g_descargas = 0;
    auto* a = Janelas::Carregar<frmTesteA>();
    QVERIFY(a);
    QCOMPARE(a->objectName(), QStringLiteral("frmTesteA"));
    QCOMPARE(Janelas::Carregar<frmTesteA>(), a);  // loaded once
    QCOMPARE(g_cargas, 1);
    QVERIFY(Janelas::Carregada("frmTesteA"));
    QVERIFY(!Janelas::Carregar("frmNaoExiste"));
    Janelas::Descarregar("frmTesteA");
    QCOMPARE(g_descargas, 1);
    QVERIFY(!Janelas::Carregada("frmTesteA"));
    Janelas::Descarregar("frmTesteA");  // not loaded: passed over
    QCOMPARE(g_descargas, 1);
}

void TesteJanelas::ativacaoAoMostrarETrocar()
{
    Teste::Sessao s;
    frmMain* principal = s.Principal();
    auto* a = Janelas::Carregar<frmTesteA>();
    auto* b = Janelas::Carregar<frmTesteB>();
    Janelas::Mostrar(a);
    QCOMPARE(a->ativacoes, 1);
    QVERIFY(a->parentWidget() && qobject_cast<QMdiSubWindow*>(a->parentWidget()));
    QVERIFY(a->parentWidget()->isMaximized());
    QVERIFY(principal->windowTitle() == QStringLiteral("Vazora"));
    Janelas::Mostrar(a);  // already shown and active: nothing
    QCOMPARE(a->ativacoes, 1);

    Janelas::Mostrar(b);
    QCOMPARE(b->ativacoes, 1);
    QCOMPARE(a->ativacoes, 1);

    // Coming back to a from another child runs its activation again.
    principal->Area()->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(a->parentWidget()));
    QCOMPARE(a->ativacoes, 2);

    // A message box shown during an activation is no activation of its own.
    a->mostrarMensagem = true;
    Janelas::Mostrar(b);
    QCOMPARE(b->ativacoes, 2);
    Janelas::Mostrar(a);
    QCOMPARE(a->ativacoes, 3);
    QCOMPARE(b->ativacoes, 2);

    // Hidden and shown again: activation.
    Janelas::Ocultar(a);
    QVERIFY(!Janelas::Visivel(a));
    Janelas::Mostrar(a);
    QCOMPARE(a->ativacoes, 4);
}

QTEST_MAIN(TesteJanelas)
#include "tst_janelas.moc"
