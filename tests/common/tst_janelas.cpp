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
    void carregarEDescarregar()
    {
        Teste::Sessao s;
        s.Principal();
        g_cargas = g_descargas = 0;
        auto* a = Janelas::Carregar<frmTesteA>();
        QVERIFY(a);
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

    void ativacaoAoMostrarETrocar()
    {
        Teste::Sessao s;
        frmMain* principal = s.Principal();
        auto* a = Janelas::Carregar<frmTesteA>();
        auto* b = Janelas::Carregar<frmTesteB>();
        const auto ativacoes = [&] { return QStringLiteral("%1/%2").arg(a->ativacoes).arg(b->ativacoes); };
        Janelas::Mostrar(a);
        QCOMPARE(ativacoes(), QStringLiteral("1/0"));
        auto* sub = qobject_cast<QMdiSubWindow*>(a->parentWidget());
        QVERIFY(sub && sub->isMaximized());
        Janelas::Mostrar(a);  // already shown and active: nothing
        QCOMPARE(ativacoes(), QStringLiteral("1/0"));
        Janelas::Mostrar(b);
        QCOMPARE(ativacoes(), QStringLiteral("1/1"));
        // Coming back to a from another child runs its activation again.
        principal->Area()->setActiveSubWindow(sub);
        QCOMPARE(ativacoes(), QStringLiteral("2/1"));
        // A message box shown during an activation is no activation of its own.
        a->mostrarMensagem = true;
        Janelas::Mostrar(b);
        Janelas::Mostrar(a);
        QCOMPARE(ativacoes(), QStringLiteral("3/2"));
        // Hidden and shown again: activation.
        Janelas::Ocultar(a);
        QVERIFY(!Janelas::Visivel(a));
        Janelas::Mostrar(a);
        QCOMPARE(ativacoes(), QStringLiteral("4/2"));
        // The main window losing the focus and getting it back is none either.
        principal->Area()->setActiveSubWindow(nullptr);
        principal->Area()->setActiveSubWindow(sub);
        QCOMPARE(ativacoes(), QStringLiteral("4/2"));
    }
};

QTEST_MAIN(TesteJanelas)
#include "tst_janelas.moc"
