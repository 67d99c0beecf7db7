// The impact window driven as a user drives it: tabs, flow limits, the
// recharge choice, the ratings, the walk per criterion with its statuses and
// gate, the order per alternative, re-entry, re-activation, F5 and help.
#include "Ambiente.h"

#include "common/BarraStatus.h"
#include "common/Janelas.h"
#include "common/PortaoAvancar.h"
#include "common/ModuloTessaura.h"
#include "entry/frmImpacto.h"
#include "shell/frmMain.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QTextEdit>

namespace MT = ModuloTessaura;

// Another child window of the main window, to leave the impact window and come back.
class frmOutra : public Formulario {
    Q_OBJECT
};
REGISTRAR_JANELA(frmOutra)

namespace {

frmImpacto* abrir(Teste::Sessao& s, int n, bool porAlternativa = false)
{
    for (int i = 1; i <= n; ++i)
        Teste::Executar("INSERT INTO tblTessaura (Marcador, Nome) VALUES (?, ?)",
                        {QStringLiteral("alt%1").arg(i), QStringLiteral("Alternativa %1").arg(i)});
    MT::NumeroAlternativas = static_cast<short>(n);
    MT::EntradaPorAlternativa = porAlternativa;
    MT::dbAlternativas = Banco::Abrir();
    MT::rsAlternativas = Banco::Recordset::Abrir(MT::dbAlternativas, "tblTessaura");
    s.Principal();
    auto* w = Janelas::Carregar<frmImpacto>();
    Janelas::Mostrar(w);
    return w;
}

template <class T = QWidget>
T* ctl(QWidget* w, const char* nome)
{
    T* c = w->findChild<T*>(QString::fromLatin1(nome));
    if (!c)
        qFatal("no control %s", nome);
    return c;
}

void aba(frmImpacto* w, int i)
{
    ctl<QTabWidget>(w, "TabStrip1")->setCurrentIndex(i);
}

void clicar(QWidget* w, const char* nome)
{
    QTest::mouseClick(ctl(w, nome), Qt::LeftButton);
}

void digitar(frmImpacto* w, const char* caixa, const QString& texto)
{
    auto* e = ctl<QLineEdit>(w, caixa);
    e->selectAll();
    QTest::keyClick(e, Qt::Key_Backspace);
    QTest::keyClicks(e, texto);
}

QString texto(QWidget* w, const char* nome)
{
    if (auto* l = w->findChild<QLabel*>(QString::fromLatin1(nome)))
        return l->text();
    return ctl<QLineEdit>(w, nome)->text();
}

bool marcado(QWidget* w, const char* nome)
{
    return ctl<QAbstractButton>(w, nome)->isChecked();
}

// Every item given: minimum and target flows, a flow pair, four ratings.
void completar(frmImpacto* w, const QString& alvo = QStringLiteral("2"))
{
    aba(w, 0);
    if (!marcado(w, "Check1"))
        clicar(w, "Check1");
    digitar(w, "Text1", "1,5");
    digitar(w, "Text3", alvo);
    digitar(w, "Text4", "3");
    digitar(w, "Text5", "4");
    aba(w, 1);
    clicar(w, "Option6");
    clicar(w, "Option13");
    aba(w, 2);
    clicar(w, "Option27");
    clicar(w, "Option20");
    aba(w, 0);
}

QVariant campo(const char* nome, int alternativa)
{
    return Teste::Coluna(QStringLiteral("SELECT %1 FROM tblTessaura WHERE Marcador = 'alt%2'")
                             .arg(QLatin1String(nome))
                             .arg(alternativa))
        .value(0);
}

QString contador()
{
    return MT::sbStatusBar()->Painel(2)->text();
}

bool portaoAberto(frmImpacto* w)
{
    return ctl<QPushButton>(w, "CommandButton1")->isEnabled();
}

void passarSobre(QWidget* frame)
{
    const QPointF p(4, frame->height() - 4);
    QMouseEvent e(QEvent::MouseMove, p, frame->mapToGlobal(p), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(frame, &e);
}

// Every alternative given whole and walked over: the gate is open and the
// first alternative is on show again.
frmImpacto* abrirCompletas(Teste::Sessao& s, int n)
{
    frmImpacto* w = abrir(s, n);
    for (int i = 1; i <= n; ++i) {
        completar(w);
        clicar(w, "Command2");
    }
    if (!portaoAberto(w))
        qFatal("the gate did not open");
    return w;
}

const QColor VerdeEscuro(0, 128, 0);
const QColor VermelhoEscuro(128, 0, 0);

QColor cor(QWidget* w, const char* nome)
{
    return ctl<QLabel>(w, nome)->palette().color(QPalette::WindowText);
}

}  // namespace

class TesteImpacto : public QObject {
    Q_OBJECT
private slots:
    void aoCarregar();
    void limitesDeVazao();
    void areaOuVazao();
    void cadaOpcaoGravaSeuNivelEVolta_data();
    void cadaOpcaoGravaSeuNivelEVolta();
    void percursoPorCriterio();
    void portaoAbreQuandoTodasCompletas();
    void linhaSemNiveisNaoSelecionaNada();
    void linhaComAreasVoltaComAsDuas();
    void textoQueNaoConverteNaoCompleta();
    void abasComCtrlTabNaJanelaPrincipal();
    void reativacaoMantemAAlternativa();
    void avancarGravaAAlternativaMostrada();
    void avancarComItemApagadoFechaOPortao();
    void ordemPorAlternativa();
    void reentrada();
    void teclaF5PassaODado();
    void preencherDeOutraAlternativa();
    void ajuda();
    void bancoAusente();
    void tabelaVazia();
};

void TesteImpacto::aoCarregar()
{
    Teste::Sessao s;
    s.Principal();
    QVERIFY(!MT::ImpactoCarregado);
    auto* w = Janelas::Carregar<frmImpacto>();
    QVERIFY(MT::ImpactoCarregado);
    QCOMPARE(w->objectName(), QStringLiteral("frmImpacto"));
    QVERIFY(marcado(w, "Option2") && !marcado(w, "Option1"));
    QCOMPARE(texto(w, "Label22") + texto(w, "Label24") + texto(w, "Label23") + texto(w, "Label25"),
             QStringLiteral("QInfQNat"));
    QCOMPARE(texto(w, "Label28") + texto(w, "Label30"), QStringLiteral("m /s3"));
    for (const char* c : {"Text1", "Text2"}) {
        QVERIFY(!ctl(w, c)->isEnabled());
        QCOMPARE(ctl(w, c)->palette().color(QPalette::Base), QColor(109, 109, 109));
    }
    QVERIFY(ctl(w, "Text3")->isEnabled());
    QCOMPARE(ctl(w, "Text3")->palette().color(QPalette::Base), QColor(227, 227, 227));
    QVERIFY(texto(w, "Label46").isEmpty());
    QVERIFY(!portaoAberto(w));
    auto* abas = ctl<QTabWidget>(w, "TabStrip1");
    QCOMPARE(abas->currentIndex(), 0);
    QVERIFY(w->Picture1(0)->isEnabled() && !w->Picture1(1)->isEnabled());
    QVERIFY(texto(w, "Label2").contains("I<sub>H</sub>, os sanitários, I<sub>S</sub>"));
    QCOMPARE(ctl<QAbstractButton>(w, "Option24")->text(), QStringLiteral("Grande melhora"));
    QCOMPARE(ctl<QAbstractButton>(w, "Option17")->text(), QStringLiteral("Grande melhora"));
    Janelas::Descarregar(w);
    QVERIFY(!MT::ImpactoCarregado);
}

void TesteImpacto::limitesDeVazao()
{
    Teste::Sessao s;
    frmImpacto* w = abrir(s, 1);
    clicar(w, "Check1");
    QVERIFY(ctl(w, "Text1")->isEnabled());
    QCOMPARE(ctl(w, "Text1")->palette().color(QPalette::Base), QColor(227, 227, 227));
    digitar(w, "Text1", "1.5");  // the point becomes the comma, with a message
    QCOMPARE(texto(w, "Text1"), QStringLiteral("1,5"));
    QCOMPARE(Teste::TextosMostrados(), QStringList{"O separador de decimal é a vírgula"});
    clicar(w, "Check1");
    QVERIFY(texto(w, "Text1").isEmpty());
    QVERIFY(!ctl(w, "Text1")->isEnabled());
    // The item is judged only at the next step, not by the click.
    QCOMPARE(texto(w, "Label46"), QStringLiteral("Faltam alguns dados"));
}

void TesteImpacto::areaOuVazao()
{
    Teste::Sessao s;
    frmImpacto* w = abrir(s, 1);
    digitar(w, "Text4", "10");
    digitar(w, "Text5", "20");
    clicar(w, "Option1");
    QCOMPARE(texto(w, "Label22") + texto(w, "Label23"), QStringLiteral("AA"));
    QCOMPARE(texto(w, "Label28") + texto(w, "Label30") + texto(w, "Label29") + texto(w, "Label31"),
             QStringLiteral("m2m2"));
    QVERIFY(texto(w, "Text4").isEmpty() && texto(w, "Text5").isEmpty());
    QVERIFY(ctl(w, "Image10")->isVisible());
    QCOMPARE(texto(w, "Label42"), texto(w, "Label41"));
    QVERIFY(texto(w, "Label41").endsWith("ao invés das vazões infiltradas."));
    digitar(w, "Text4", "5");
    clicar(w, "Option2");
    QCOMPARE(texto(w, "Label22") + texto(w, "Label28") + texto(w, "Label30"), QStringLiteral("Qm /s3"));
    QVERIFY(texto(w, "Text4").isEmpty());
    QVERIFY(!ctl(w, "Image10")->isVisible());
}

void TesteImpacto::cadaOpcaoGravaSeuNivelEVolta_data()
{
    QTest::addColumn<QString>("opcao");
    QTest::addColumn<int>("aba");
    QTest::addColumn<QString>("campo");
    QTest::addColumn<int>("nivel");
    struct G {
        const char* campo;
        int aba;
        QList<int> opcoes;
    };
    const G grupos[] = {{"PTD", 1, {3, 4, 5, 6, 7, 8, 9}},
                        {"PPI", 1, {10, 11, 12, 13, 14, 15, 16}},
                        {"IAsup", 2, {30, 29, 28, 27, 26, 25, 24}},
                        {"IAsub", 2, {23, 22, 21, 20, 19, 18, 17}}};
    for (const G& g : grupos)
        for (int k = 0; k < 7; ++k) {
            const QString opcao = QStringLiteral("Option%1").arg(g.opcoes[k]);
            QTest::newRow(qPrintable(opcao)) << opcao << g.aba << QString::fromLatin1(g.campo) << k + 1;
        }
}

void TesteImpacto::cadaOpcaoGravaSeuNivelEVolta()
{
    QFETCH(QString, opcao);
    QFETCH(int, aba);
    QFETCH(QString, campo);
    QFETCH(int, nivel);
    Teste::Sessao s;
    frmImpacto* w = abrir(s, 1);
    ::aba(w, aba);
    clicar(w, qPrintable(opcao));
    clicar(w, "Command2");  // one alternative: stores it, wraps to it and loads it again
    QCOMPARE(Teste::Coluna(QStringLiteral("SELECT %1 FROM tblTessaura").arg(campo)).value(0).toInt(), nivel);
    QVERIFY(marcado(w, qPrintable(opcao)));
    // The other groups were not given and stay Null.
    QCOMPARE(Teste::Coluna("SELECT (PTD IS NULL) + (PPI IS NULL) + (IAsup IS NULL) + (IAsub IS NULL) "
                           "FROM tblTessaura").value(0).toInt(), 3);
}

void TesteImpacto::percursoPorCriterio()
{
    Teste::Sessao s;
    frmImpacto* w = abrir(s, 3);
    QCOMPARE(texto(w, "Label35"), QStringLiteral("Alternativa 1"));
    QCOMPARE(contador(), QStringLiteral("1 de 3"));
    QCOMPARE(texto(w, "Label46"), QStringLiteral("Faltam alguns dados"));
    QCOMPARE(cor(w, "Label46"), VermelhoEscuro);
    completar(w);
    clicar(w, "Command2");
    // The first alternative was stored; the second is empty with "Vazão".
    QCOMPARE(campo("QJmin", 1).toDouble(), 1.5);
    QVERIFY(campo("QJmax", 1).isNull());
    QCOMPARE(campo("Qinf", 1).toDouble(), 3.0);
    QVERIFY(campo("Ainf", 1).isNull());
    QCOMPARE(campo("IAsub", 1).toInt(), 4);
    QCOMPARE(texto(w, "Label35"), QStringLiteral("Alternativa 2"));
    QCOMPARE(contador(), QStringLiteral("2 de 3"));
    QCOMPARE(w->StatusAlternativas().Valor(1), 1);
    QCOMPARE(w->StatusAlternativas().Valor(2), 0);
    QVERIFY(texto(w, "Text1").isEmpty() && !marcado(w, "Check1") && marcado(w, "Option2"));
    QCOMPARE(w->Pagina().ptd + w->Pagina().iasup, 0);
    // "<  Anterior" from the second goes back to the first, loaded whole.
    clicar(w, "Command1");
    QCOMPARE(texto(w, "Label35"), QStringLiteral("Alternativa 1"));
    QVERIFY(marcado(w, "Check1") && ctl(w, "Text1")->isEnabled());
    QCOMPARE(texto(w, "Text1"), QStringLiteral("1,5"));
    QVERIFY(!marcado(w, "Check2") && !ctl(w, "Text2")->isEnabled());
    QCOMPARE(texto(w, "Text4"), QStringLiteral("3"));
    QVERIFY(marcado(w, "Option27") && marcado(w, "Option6"));
    QCOMPARE(texto(w, "Label46"), QStringLiteral("Todos os dados foram fornecidos"));
    QCOMPARE(cor(w, "Label46"), VerdeEscuro);
    // And once more back: from the first to the last.
    clicar(w, "Command1");
    QCOMPARE(texto(w, "Label35"), QStringLiteral("Alternativa 3"));
    QCOMPARE(contador(), QStringLiteral("3 de 3"));
}

void TesteImpacto::portaoAbreQuandoTodasCompletas()
{
    Teste::Sessao s;
    frmImpacto* w = abrir(s, 3);
    for (int i = 1; i <= 2; ++i) {
        completar(w);
        clicar(w, "Command2");
        QVERIFY(!portaoAberto(w));
    }
    completar(w);  // the third, typed but not yet left
    QVERIFY(!portaoAberto(w));
    clicar(w, "Command2");  // leaves the third complete and wraps to the first
    QVERIFY(portaoAberto(w));
    QVERIFY(!ctl(w, "Picture4")->isVisible());
    QCOMPARE(texto(w, "Label42"), texto(w, "Label47"));
    QCOMPARE(texto(w, "Label35"), QStringLiteral("Alternativa 1"));
    // Emptying an item of the first and leaving it closes the gate again.
    digitar(w, "Text3", "");
    clicar(w, "Command2");
    QVERIFY(!portaoAberto(w));
    QVERIFY(campo("Qalvo", 1).isNull());
    QCOMPARE(w->StatusAlternativas().Valor(1), 0);
}

void TesteImpacto::linhaSemNiveisNaoSelecionaNada()
{
    Teste::Sessao s;
    frmImpacto* w = abrir(s, 2);
    Teste::Executar("UPDATE tblTessaura SET PTD = 9, PPI = 0 WHERE Marcador = 'alt2'");
    completar(w);
    clicar(w, "Command2");
    for (int o = 3; o <= 30; ++o)
        QVERIFY2(!marcado(w, qPrintable(QStringLiteral("Option%1").arg(o))), qPrintable(QString::number(o)));
    QVERIFY(marcado(w, "Option2"));
    QCOMPARE(texto(w, "Label46"), QStringLiteral("Faltam alguns dados"));
    // Leaving it stores nothing over the out-of-scale values.
    clicar(w, "Command2");
    QCOMPARE(campo("PTD", 2).toInt(), 9);
}

void TesteImpacto::linhaComAreasVoltaComAsDuas()
{
    Teste::Sessao s;
    frmImpacto* w = abrir(s, 2);
    clicar(w, "Option1");
    digitar(w, "Text4", "100");
    digitar(w, "Text5", "250,5");
    clicar(w, "Command2");
    QCOMPARE(campo("Ainf", 1).toDouble(), 100.0);
    QCOMPARE(campo("Anat", 1).toDouble(), 250.5);
    QVERIFY(campo("Qinf", 1).isNull() && campo("Qnat", 1).isNull());
    QVERIFY(marcado(w, "Option2"));  // the second alternative starts with "Vazão"
    clicar(w, "Command2");
    QVERIFY(marcado(w, "Option1"));
    QCOMPARE(texto(w, "Text4"), QStringLiteral("100"));
    QCOMPARE(texto(w, "Text5"), QStringLiteral("250,5"));
    QCOMPARE(texto(w, "Label22"), QStringLiteral("A"));
}

void TesteImpacto::textoQueNaoConverteNaoCompleta()
{
    Teste::Sessao s;
    frmImpacto* w = abrir(s, 1);
    completar(w);
    // Pasted text bypasses the key filter.
    ctl<QLineEdit>(w, "Text5")->setText(QStringLiteral("1,,5"));
    clicar(w, "Command2");
    QVERIFY(!w->Itens().recarga);
    QCOMPARE(texto(w, "Label46"), QStringLiteral("Faltam alguns dados"));
    QVERIFY(!portaoAberto(w));
    QVERIFY(campo("Qnat", 1).isNull());
    QCOMPARE(texto(w, "Text5"), QString());
}

void TesteImpacto::abasComCtrlTabNaJanelaPrincipal()
{
    Teste::Sessao s;
    frmImpacto* w = abrir(s, 1);
    Janela* outra = Janelas::Carregar(QStringLiteral("frmOutra"));
    Janelas::Mostrar(outra);
    Janelas::Mostrar(w);
    s.Principal()->hide();  // the main window hidden and shown again
    s.Principal()->show();
    QMdiArea* area = s.Principal()->Area();
    QMdiSubWindow* nossa = area->activeSubWindow();
    QCOMPARE(nossa->widget(), w);
    auto* abas = ctl<QTabWidget>(w, "TabStrip1");
    completar(w);
    QWidget* caixa = ctl(w, "Text3");
    caixa->setFocus();
    const int esperado[] = {1, 2, 0, 1};
    for (int i : esperado) {
        QWidget* alvo = QApplication::focusWidget() ? QApplication::focusWidget() : caixa;
        QTest::keyClick(alvo, Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(abas->currentIndex(), i);
        QCOMPARE(area->activeSubWindow(), nossa);
    }
    QVERIFY(w->Picture1(1)->isEnabled() && !w->Picture1(0)->isEnabled() && !w->Picture1(2)->isEnabled());
    // From a button outside the pages as well.
    QTest::keyClick(ctl(w, "Command2"), Qt::Key_Tab, Qt::ControlModifier);
    QCOMPARE(abas->currentIndex(), 2);
    QTest::keyClick(ctl(w, "Command2"), Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    QTest::keyClick(ctl(w, "Option27"), Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(abas->currentIndex(), 2);
    QCOMPARE(area->activeSubWindow(), nossa);
    // What each page holds survives the switching.
    QCOMPARE(texto(w, "Text3"), QStringLiteral("2"));
    QVERIFY(marcado(w, "Option27") && marcado(w, "Option13") && marcado(w, "Check1"));
}

void TesteImpacto::reativacaoMantemAAlternativa()
{
    Teste::Sessao s;
    frmImpacto* w = abrir(s, 3);
    completar(w);
    clicar(w, "Command2");
    digitar(w, "Text3", "7");
    Janelas::Mostrar(Janelas::Carregar(QStringLiteral("frmOutra")));
    MT::MostrarAlternativaNaBarra(QStringLiteral("x"), 0);
    Janelas::Mostrar(w);
    QCOMPARE(texto(w, "Label35"), QStringLiteral("Alternativa 2"));
    QCOMPARE(contador(), QStringLiteral("2 de 3"));
    QCOMPARE(texto(w, "Text3"), QStringLiteral("7"));
    QCOMPARE(w->StatusAlternativas().Valor(1), 1);
    // The next step stores the typed value into the second alternative's row.
    clicar(w, "Command2");
    QCOMPARE(campo("Qalvo", 2).toDouble(), 7.0);
    QVERIFY(campo("Qalvo", 1).toDouble() == 2.0);
}

void TesteImpacto::avancarGravaAAlternativaMostrada()
{
    Teste::Sessao s;
    frmImpacto* w = abrirCompletas(s, 2);
    digitar(w, "Text3", "9,5");  // typed after the last step, on the first alternative
    clicar(w, "CommandButton1");
    QCOMPARE(campo("Qalvo", 1).toDouble(), 9.5);
    QCOMPARE(campo("Qalvo", 2).toDouble(), 2.0);
    if (Janelas::Carregada(QStringLiteral("frmInsercao")))
        QVERIFY(!Janelas::Visivel(w));
    else
        QVERIFY(Janelas::Visivel(w));  // nothing to hand over to: the window stays
    QVERIFY(MT::ImpactoCarregado);
}

void TesteImpacto::avancarComItemApagadoFechaOPortao()
{
    Teste::Sessao s;
    frmImpacto* w = abrirCompletas(s, 2);
    digitar(w, "Text5", "");
    clicar(w, "CommandButton1");
    QVERIFY(!portaoAberto(w));
    QVERIFY(Janelas::Visivel(w));
    QVERIFY(!Janelas::Carregada(QStringLiteral("frmInsercao")));
    QVERIFY(campo("Qnat", 1).isNull());
    QCOMPARE(w->StatusAlternativas().Valor(1), 0);
    QCOMPARE(texto(w, "Label46"), QStringLiteral("Faltam alguns dados"));
}

void TesteImpacto::ordemPorAlternativa()
{
    Teste::Sessao s;
    frmImpacto* w = abrir(s, 2, true);
    QVERIFY(!ctl(w, "Command1")->isEnabled() && !ctl(w, "Command2")->isEnabled());
    QCOMPARE(texto(w, "Label46"), QStringLiteral("Faltam alguns dados"));
    // Over the covered button the balloon explains the per-alternative gate.
    QEvent entrar(QEvent::Enter);
    QApplication::sendEvent(ctl(w, "Label44"), &entrar);
    QCOMPARE(texto(w, "Label42"), texto(w, "Label50"));
    QVERIFY(texto(w, "Label50").endsWith("foram fornecidos. "));
    completar(w);
    QVERIFY(!portaoAberto(w));  // typing alone does not judge
    passarSobre(ctl(w, "Frame4"));
    QVERIFY(portaoAberto(w));
    QCOMPARE(texto(w, "Label46"), QStringLiteral("Todos os dados foram fornecidos"));
    QCOMPARE(texto(w, "Label42"), texto(w, "Label49"));
    digitar(w, "Text3", "");
    passarSobre(ctl(w, "Frame1"));
    QVERIFY(!portaoAberto(w));
    QVERIFY(!ctl(w, "Image10")->isVisible());
    // Nothing is stored in this order.
    QCOMPARE(Teste::Coluna("SELECT count(*) FROM tblTessaura WHERE Qinf IS NOT NULL").value(0).toInt(), 0);
}

void TesteImpacto::reentrada()
{
    Teste::Sessao s;
    for (int i = 1; i <= 3; ++i)
        Teste::Executar("INSERT INTO tblTessaura (Marcador, Nome) VALUES (?, ?)",
                        {QStringLiteral("alt%1").arg(i), QStringLiteral("Alternativa %1").arg(i)});
    s.Principal();
    // As the insertion window leaves it for the second pass.
    MT::NumeroAlternativas = 3;
    MT::EntradaPorAlternativa = true;
    MT::Reentrada = true;
    MT::dbAlternativas = Banco::Abrir();
    MT::rsAlternativas = Banco::Recordset::Abrir(MT::dbAlternativas, "tblTessaura");
    MT::rsAlternativas->MoveNext();
    auto* w = Janelas::Carregar<frmImpacto>();
    Janelas::Mostrar(w);
    QCOMPARE(texto(w, "Label35"), QStringLiteral("Alternativa 2"));
    QCOMPARE(contador(), QStringLiteral("2 de 3"));
    QVERIFY(texto(w, "Label46").isEmpty());
    QVERIFY(!portaoAberto(w));
    QVERIFY(!ctl(w, "Command1")->isEnabled() && !ctl(w, "Command2")->isEnabled());
    QVERIFY(!MT::rsImpacto);
    passarSobre(ctl(w, "Frame2"));
    QCOMPARE(texto(w, "Label46"), QStringLiteral("Faltam alguns dados"));
}

void TesteImpacto::teclaF5PassaODado()
{
    Teste::Sessao s;
    frmImpacto* w = abrir(s, 2);
    Teste::AoExibirModal([](Dialogo* d) { Janelas::Descarregar(d); });
    clicar(w, "Command2");  // the second alternative is on show
    clicar(w, "Check2");
    digitar(w, "Text2", "4,5");
    QTest::keyClick(ctl(w, "Text2"), Qt::Key_F5, Qt::ShiftModifier);
    QCOMPARE(MT::CampoPOP, QStringLiteral("QJmax"));
    QCOMPARE(MT::QualificadorPOP, QStringLiteral("Máx"));
    QCOMPARE(MT::TituloPOP, QStringLiteral("Impactos da obra"));
    QCOMPARE(MT::MarcadorPOP, QStringLiteral("alt2"));
    QCOMPARE(MT::ValorPOP.toString(), QStringLiteral("4,5"));
    QCOMPARE(texto(w, "Text2"), QStringLiteral("4,5"));
    clicar(w, "Option1");
    QTest::keyClick(ctl(w, "Text5"), Qt::Key_F5);
    QCOMPARE(MT::CampoPOP + MT::SimboloPOP + MT::UnidadePOP + MT::IndicePOP, QStringLiteral("AnatAm2nat"));
    clicar(w, "Option2");
    QTest::keyClick(ctl(w, "Text4"), Qt::Key_F5);
    QCOMPARE(MT::CampoPOP + MT::SimboloPOP + MT::UnidadePOP, QStringLiteral("QinfQm3"));
    // With neither recharge option chosen, F5 in a recharge box does nothing.
    w->Esvaziar(MapaImpacto::Recarga::Nenhuma);
    MT::CampoPOP.clear();
    QTest::keyClick(ctl(w, "Text4"), Qt::Key_F5);
    QVERIFY(MT::CampoPOP.isEmpty());
    QTest::keyClick(ctl(w, "Text3"), Qt::Key_F4);
    QVERIFY(MT::CampoPOP.isEmpty());
}

void TesteImpacto::preencherDeOutraAlternativa()
{
    Teste::Sessao s;
    frmImpacto* w = abrir(s, 2);
    Teste::Executar("UPDATE tblTessaura SET QJmax = 8, Qalvo = 6, Ainf = 50, Anat = 70, PTD = 1, "
                    "IAsup = 1, IAsub = 1 WHERE Marcador = 'alt2'");
    completar(w);
    Banco::RecordsetPtr origem = Banco::Recordset::Abrir(Banco::Abrir(), "tblTessaura", "Marcador = ?", {"alt2"});
    w->PreencherDe(*origem);
    QVERIFY(!marcado(w, "Check1") && texto(w, "Text1").isEmpty() && !ctl(w, "Text1")->isEnabled());
    QVERIFY(marcado(w, "Check2"));
    QCOMPARE(texto(w, "Text2"), QStringLiteral("8"));
    QVERIFY(marcado(w, "Option1"));
    QCOMPARE(texto(w, "Text4") + "|" + texto(w, "Text5"), QStringLiteral("50|70"));
    QVERIFY(marcado(w, "Option3") && marcado(w, "Option30") && marcado(w, "Option23"));
    QCOMPARE(w->Pagina().ppi, 0);  // not given there: the group is left off
    QVERIFY(campo("Ainf", 1).isNull());  // the copy stores nothing
}

void TesteImpacto::ajuda()
{
    Teste::Sessao s;
    frmImpacto* w = abrir(s, 1);
    auto* caixa = ctl<QTextEdit>(w, "RichTextBox1");
    QVERIFY(!caixa->isVisible() && !ctl(w, "Command4")->isVisible());
    aba(w, 1);
    clicar(w, "Image3");
    QVERIFY(caixa->isVisible() && ctl(w, "Command4")->isVisible());
    QCOMPARE(caixa->toPlainText(), texto(w, "Label37"));
    QVERIFY(caixa->toPlainText().startsWith("     Segundo a literatura técnica, a ocorrência"));
    aba(w, 2);
    clicar(w, "Image6");  // ground water, in Frame5
    QVERIFY(caixa->toPlainText().contains("Estudos da literatura técnica sugerem a distância de 1,0m"));
    clicar(w, "Command4");
    QVERIFY(!caixa->isVisible() && !ctl(w, "Command4")->isVisible());
    for (const char* l : {"Label32", "Label33", "Label37", "Label38", "Label39", "Label40"}) {
        QVERIFY2(texto(w, l).startsWith("     ") && !texto(w, l).startsWith("      "), l);
        QVERIFY2(!texto(w, l).contains('('), l);
    }
    QVERIFY(texto(w, "Label33").contains(QStringLiteral("urbanizada.") + QString(81, ' ') + "O cálculo"));
    QVERIFY(texto(w, "Label38").endsWith("analisada. "));
    // The icon takes the hover picture under the pointer and the normal one over its frame.
    auto* icone = ctl<IconeAjuda>(w, "Image5");
    QEvent entrar(QEvent::Enter);
    QApplication::sendEvent(icone, &entrar);
    QVERIFY(icone->MostraSobre());
    passarSobre(ctl(w, "Frame6"));
    QVERIFY(!icone->MostraSobre());
}

void TesteImpacto::bancoAusente()
{
    Teste::Sessao s;
    s.Principal();
    Banco::DefinirCaminhoParaTestes(QStringLiteral("/nao/existe/mdbTessaura.mdb"));
    auto* w = Janelas::Carregar<frmImpacto>();
    Janelas::Mostrar(w);
    QVERIFY(Teste::UltimaMensagem());
    QCOMPARE(Teste::UltimaMensagem()->icone, Mensagens::Icone::Critico);
    QVERIFY(Teste::UltimaMensagem()->texto.contains("mdbTessaura.mdb"));
    clicar(w, "Command2");  // no recordset: nothing moves, nothing breaks
    QVERIFY(texto(w, "Label46").isEmpty());
}

void TesteImpacto::tabelaVazia()
{
    Teste::Sessao s;
    frmImpacto* w = abrir(s, 0);
    QCOMPARE(texto(w, "Label35"), QStringLiteral("Nome"));
    completar(w);
    clicar(w, "Command2");
    QVERIFY(!portaoAberto(w));  // nothing to hand on
    QCOMPARE(Teste::Linhas("tblTessaura"), 0);
}

QTEST_MAIN(TesteImpacto)
#include "tst_impacto.moc"
