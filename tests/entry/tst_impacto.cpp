// The impact window driven as a user drives it: tabs, flow limits, the
// recharge choice, the ratings, the walk per criterion with its statuses and
// gate, the order per alternative, re-entry, re-activation, F5 and help.
#include "Ambiente.h"

#include "common/BarraStatus.h"
#include "common/Janelas.h"
#include "common/ModuloTessaura.h"
#include "entry/frmImpacto.h"
#include "shell/frmMain.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTabWidget>
#include <QTest>
#include <QTextEdit>

namespace MT = ModuloTessaura;
using Teste::Controle;

namespace {

// n alternatives and the shared recordset on the first (on the second for a
// re-entry), then the window shown.
frmImpacto* abrir(Teste::Sessao& s, int n, bool porAlternativa = false, bool reentrada = false)
{
    s.Principal();  // its load clears Reentrada
    Teste::Projeto(n, porAlternativa);
    MT::Reentrada = reentrada;
    if (reentrada)
        MT::rsAlternativas->MoveNext();
    return s.Mostrar<frmImpacto>();
}

void aba(frmImpacto* w, int i) { Controle<QTabWidget>(w, "TabStrip1")->setCurrentIndex(i); }
void clicar(QWidget* w, const char* nome) { Teste::Clicar(Controle(w, nome)); }
bool marcado(QWidget* w, const char* nome) { return Controle<QAbstractButton>(w, nome)->isChecked(); }
bool ligado(QWidget* w, const char* nome) { return Controle(w, nome)->isEnabled(); }
bool portaoAberto(frmImpacto* w) { return ligado(w, "CommandButton1"); }
QString contador() { return MT::sbStatusBar()->Painel(2)->text(); }

void digitar(frmImpacto* w, const char* caixa, const QString& texto)
{
    Teste::Substituir(Controle<QLineEdit>(w, caixa), texto);
}

QString texto(QWidget* w, const char* nome)
{
    if (auto* l = w->findChild<QLabel*>(QString::fromLatin1(nome)))
        return l->text();
    return Controle<QLineEdit>(w, nome)->text();
}

// Every item given: minimum and target flows, a flow pair, four ratings.
void completar(frmImpacto* w)
{
    aba(w, 0);
    if (!marcado(w, "Check1"))
        clicar(w, "Check1");
    digitar(w, "Text1", "1,5");
    digitar(w, "Text3", "2");
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

const QString Faltam = QStringLiteral("Faltam alguns dados");

}  // namespace

class TesteImpacto : public QObject {
    Q_OBJECT
private slots:
    void limitesAreaOuVazao();
    void cadaOpcaoGravaSeuNivelEVolta();
    void percursoPorCriterio();
    void portaoEAvancar();
    void abasComCtrlTabNaJanelaPrincipal();
    void ordemPorAlternativa();
    void reentrada();
    void teclaF5();
    void criterioInteiroSoComMaximaEAreas();
    void ajuda();
    void semBancoOuSemLinhas();
};

void TesteImpacto::limitesAreaOuVazao()
{
    Teste::Sessao s;
    QVERIFY(!MT::ImpactoCarregado);
    frmImpacto* w = abrir(s, 2);
    QVERIFY(MT::ImpactoCarregado);
    QVERIFY(marcado(w, "Option2") && !marcado(w, "Option1") && !portaoAberto(w));
    // A flow limit's box is usable only while ticked.
    QVERIFY(!ligado(w, "Text1") && !ligado(w, "Text2") && ligado(w, "Text3"));
    clicar(w, "Check1");
    QVERIFY(ligado(w, "Text1"));
    digitar(w, "Text1", "1.5");  // the point becomes the comma, with a message
    QCOMPARE(texto(w, "Text1"), QStringLiteral("1,5"));
    QCOMPARE(Teste::TextosMostrados(), QStringList{"O separador de decimal é a vírgula"});
    clicar(w, "Check1");
    QVERIFY(texto(w, "Text1").isEmpty() && !ligado(w, "Text1"));
    QCOMPARE(texto(w, "Label46"), Faltam);  // judged only at the next step

    digitar(w, "Text4", "10");
    digitar(w, "Text5", "20");
    clicar(w, "Option1");
    QCOMPARE(texto(w, "Label22") + texto(w, "Label23"), QStringLiteral("AA"));
    QCOMPARE(texto(w, "Label28") + texto(w, "Label30") + texto(w, "Label29") + texto(w, "Label31"),
             QStringLiteral("m2m2"));
    QVERIFY(texto(w, "Text4").isEmpty() && texto(w, "Text5").isEmpty() && Controle(w, "Image10")->isVisible());
    QVERIFY(texto(w, "Label42").startsWith("O cálculo deste indicador pode ser simplificado"));
    // The balloon opens from the icon and closes when another page is chosen.
    Teste::Apontar(Controle(w, "Image10"));
    QVERIFY(Controle(w, "Picture3")->isVisible());
    aba(w, 1);
    QVERIFY(!Controle(w, "Picture3")->isVisible());
    aba(w, 0);
    digitar(w, "Text4", "5");
    clicar(w, "Option2");  // back to flows: symbol, unit, emptied boxes, no hint
    QCOMPARE(texto(w, "Label22") + texto(w, "Label28") + texto(w, "Label30"), QStringLiteral("Qm /s3"));
    QVERIFY(texto(w, "Text4").isEmpty() && !Controle(w, "Image10")->isVisible());
    Janelas::Descarregar(w);
    QVERIFY(!MT::ImpactoCarregado);
}

void TesteImpacto::cadaOpcaoGravaSeuNivelEVolta()
{
    Teste::Sessao s;
    frmImpacto* w = abrir(s, 1);
    // Each group's options in level order: the first option's number and the step.
    const struct {
        const char* campo;
        int aba, primeira, passo;
    } grupos[] = {{"PTD", 1, 3, 1}, {"PPI", 1, 10, 1}, {"IAsup", 2, 30, -1}, {"IAsub", 2, 23, -1}};
    for (const auto& g : grupos) {
        QVERIFY2(Teste::Campo(g.campo, 1).isNull(), g.campo);  // a group not given stays Null
        for (int nivel = 1; nivel <= 7; ++nivel) {
            const QByteArray opcao = "Option" + QByteArray::number(g.primeira + g.passo * (nivel - 1));
            aba(w, g.aba);
            clicar(w, opcao);
            clicar(w, "Command2");  // one alternative: stores it, wraps to it and loads it again
            QVERIFY2(Teste::Campo(g.campo, 1).toInt() == nivel && marcado(w, opcao), opcao);
        }
    }
}

void TesteImpacto::percursoPorCriterio()
{
    Teste::Sessao s;
    frmImpacto* w = abrir(s, 3);
    QCOMPARE(texto(w, "Label35") + '|' + contador(), QStringLiteral("Alternativa 1|1 de 3"));
    QCOMPARE(texto(w, "Label46"), Faltam);
    completar(w);
    clicar(w, "Command2");
    // The first alternative was stored; the second is empty with "Vazão".
    QCOMPARE(Teste::Campo("QJmin", 1).toDouble(), 1.5);
    QVERIFY(Teste::Campo("QJmax", 1).isNull() && Teste::Campo("Ainf", 1).isNull());
    QCOMPARE(Teste::Campo("Qinf", 1).toDouble(), 3.0);
    QCOMPARE(Teste::Campo("IAsub", 1).toInt(), 4);
    QCOMPARE(texto(w, "Label35") + '|' + contador(), QStringLiteral("Alternativa 2|2 de 3"));
    QCOMPARE(w->StatusAlternativas().Valor(1) * 10 + w->StatusAlternativas().Valor(2), 10);
    QVERIFY(texto(w, "Text1").isEmpty() && !marcado(w, "Check1") && marcado(w, "Option2"));
    QCOMPARE(w->Pagina().ptd + w->Pagina().iasup, 0);

    // Another window and back: the alternative on show and what was typed stay.
    digitar(w, "Text3", "7");
    Teste::MostrarOutraJanela();
    Janelas::Mostrar(w);
    QCOMPARE(texto(w, "Label35") + '|' + contador() + '|' + texto(w, "Text3"),
             QStringLiteral("Alternativa 2|2 de 3|7"));
    QCOMPARE(w->StatusAlternativas().Valor(1), 1);

    // "<  Anterior" stores the second and goes back to the first, loaded whole.
    clicar(w, "Command1");
    QCOMPARE(Teste::Campo("Qalvo", 2).toDouble(), 7.0);
    QCOMPARE(texto(w, "Label35"), QStringLiteral("Alternativa 1"));
    QVERIFY(marcado(w, "Check1") && ligado(w, "Text1") && !marcado(w, "Check2") && !ligado(w, "Text2"));
    QCOMPARE(texto(w, "Text1") + '|' + texto(w, "Text4"), QStringLiteral("1,5|3"));
    QVERIFY(marcado(w, "Option27") && marcado(w, "Option6"));
    QCOMPARE(texto(w, "Label46"), QStringLiteral("Todos os dados foram fornecidos"));
    // And once more back: from the first to the last.
    clicar(w, "Command1");
    QCOMPARE(texto(w, "Label35") + '|' + contador(), QStringLiteral("Alternativa 3|3 de 3"));
}

void TesteImpacto::portaoEAvancar()
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
    QCOMPARE(texto(w, "Label42"), QStringLiteral("Os dados de todas as alternativas foram fornecidos. "
                                                 "Você já pode passar para a próxima etapa."));
    QCOMPARE(texto(w, "Label35"), QStringLiteral("Alternativa 1"));
    // "Avançar" first stores what was typed after the last step, then hands
    // over to the insertion window.
    digitar(w, "Text3", "9,5");
    clicar(w, "CommandButton1");
    QCOMPARE(Teste::Campo("Qalvo", 1).toDouble(), 9.5);
    QCOMPARE(Teste::Campo("Qalvo", 2).toDouble(), 2.0);
    QVERIFY(!Janelas::Visivel(w));
    QVERIFY(Janelas::Visivel(Janelas::Obter(QStringLiteral("frmInsercao"))));
    Janelas::Mostrar(w);
    // An item emptied after the last step: stored, judged, the gate closed.
    digitar(w, "Text5", "");
    clicar(w, "CommandButton1");
    QVERIFY(!portaoAberto(w));
    QVERIFY(Teste::Campo("Qnat", 1).isNull());
    QCOMPARE(w->StatusAlternativas().Valor(1), 0);
    QCOMPARE(texto(w, "Label46"), Faltam);
}

void TesteImpacto::abasComCtrlTabNaJanelaPrincipal()
{
    Teste::Sessao s;
    frmImpacto* w = abrir(s, 1);
    Teste::MostrarOutraJanela();
    Janelas::Mostrar(w);
    QMdiArea* area = s.Principal()->Area();
    QMdiSubWindow* nossa = area->activeSubWindow();
    auto* abas = Controle<QTabWidget>(w, "TabStrip1");
    Controle(w, "Text3")->setFocus();
    for (int i : {1, 2, 0, 1}) {
        QWidget* alvo = QApplication::focusWidget() ? QApplication::focusWidget() : Controle(w, "Text3");
        QTest::keyClick(alvo, Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(abas->currentIndex(), i);
        QCOMPARE(area->activeSubWindow(), nossa);
    }
    // From a button outside the pages as well; Ctrl+Shift+Tab does nothing.
    QTest::keyClick(Controle(w, "Command2"), Qt::Key_Tab, Qt::ControlModifier);
    QCOMPARE(abas->currentIndex(), 2);
    QTest::keyClick(Controle(w, "Command2"), Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(abas->currentIndex(), 2);
    QCOMPARE(area->activeSubWindow(), nossa);
}

void TesteImpacto::ordemPorAlternativa()
{
    Teste::Sessao s;
    frmImpacto* w = abrir(s, 2, true);
    QVERIFY(!ligado(w, "Command1") && !ligado(w, "Command2"));
    // Over the covered button the balloon explains the per-alternative gate.
    Teste::Apontar(Controle(w, "Label44"));
    QCOMPARE(texto(w, "Label42"), QStringLiteral("O botão 'Avançar' estará disponível quando todos os "
                                                 "dados referentes a esta alternativa foram fornecidos. "));
    completar(w);
    QVERIFY(!portaoAberto(w));  // typing alone does not judge; the pointer over a frame does
    Teste::PassarMouse(Controle(w, "Frame4"));
    QVERIFY(portaoAberto(w));
    QCOMPARE(texto(w, "Label46"), QStringLiteral("Todos os dados foram fornecidos"));
    QVERIFY(texto(w, "Label42").startsWith("Você deverá preencher os dados referentes as outras"));
    digitar(w, "Text3", "");
    Teste::PassarMouse(Controle(w, "Frame1"));
    QVERIFY(!portaoAberto(w));
    QVERIFY(!Controle(w, "Image10")->isVisible());
    // Nothing is stored in this order.
    QCOMPARE(Teste::Coluna("SELECT count(*) FROM tblTessaura WHERE Qinf IS NOT NULL").value(0).toInt(), 0);
}

void TesteImpacto::reentrada()
{
    Teste::Sessao s;
    frmImpacto* w = abrir(s, 3, true, true);  // as the insertion window leaves it for the second pass
    QCOMPARE(texto(w, "Label35") + '|' + contador(), QStringLiteral("Alternativa 2|2 de 3"));
    QVERIFY(texto(w, "Label46").isEmpty() && !portaoAberto(w) && !ligado(w, "Command2"));
    Teste::PassarMouse(Controle(w, "Frame2"));
    QCOMPARE(texto(w, "Label46"), Faltam);
}

void TesteImpacto::teclaF5()
{
    Teste::Sessao s;
    frmImpacto* w = abrir(s, 2);
    QStringList vistos;
    Teste::AoExibirModal([&](Dialogo* d) {
        vistos << QStringList{MT::MarcadorPOP, MT::SimboloPOP, MT::QualificadorPOP, MT::IndicePOP,
                              MT::UnidadePOP, MT::CampoPOP, MT::ValorPOP.toString()}
                      .join('|');
        QCOMPARE(MT::TituloPOP, QStringLiteral("Impactos da obra"));
        Janelas::Descarregar(d);
    });
    clicar(w, "Command2");  // the second alternative is on show
    clicar(w, "Check1");
    clicar(w, "Check2");
    digitar(w, "Text2", "4,5");
    for (const char* caixa : {"Text1", "Text2", "Text3", "Text4", "Text5"})
        QTest::keyClick(Controle(w, caixa), Qt::Key_F5);
    clicar(w, "Option1");
    for (const char* caixa : {"Text4", "Text5"})
        QTest::keyClick(Controle(w, caixa), Qt::Key_F5, Qt::ShiftModifier);
    // With neither recharge option chosen, F5 in a recharge box does nothing;
    // nor does another key.
    w->Esvaziar(MapaImpacto::Recarga::Nenhuma);
    QTest::keyClick(Controle(w, "Text4"), Qt::Key_F5);
    QTest::keyClick(Controle(w, "Text3"), Qt::Key_F4);
    QCOMPARE(vistos, (QStringList{"alt2|Q|Mín|jus|m3|QJmin|", "alt2|Q|Máx|jus|m3|QJmax|4,5",
                                  "alt2|Q||alvo|m3|Qalvo|", "alt2|Q||inf|m3|Qinf|", "alt2|Q||nat|m3|Qnat|",
                                  "alt2|A||inf|m2|Ainf|", "alt2|A||nat|m2|Anat|"}));
}

void TesteImpacto::criterioInteiroSoComMaximaEAreas()
{
    Teste::Sessao s;
    frmImpacto* w = abrir(s, 2);
    Teste::Executar("UPDATE tblTessaura SET QJmax = 8.5, Qalvo = 6, Ainf = 50, Anat = 70, PTD = 2, "
                    "PPI = 7, IAsup = 1, IAsub = 4 WHERE Marcador = 'alt2'");
    clicar(w, "Check1");
    digitar(w, "Text1", "3");
    int aberturas = 0;
    Teste::AoExibirModal([&](Dialogo* d) {
        ++aberturas;
        clicar(d, "OptionButton1");
        clicar(d, "CommandButton1");
    });
    // F5 in the flow box; the copy switches the window to areas. The one key
    // press opens one dialog, and the box keeps the area the copy put there.
    QTest::keyClick(Controle(w, "Text4"), Qt::Key_F5);
    QCOMPARE(aberturas, 1);
    QVERIFY(!Janelas::Carregada(QStringLiteral("frmPOP")));
    QVERIFY(Teste::TextosMostrados().isEmpty());
    QVERIFY(marcado(w, "Option1") && !marcado(w, "Option2"));
    QCOMPARE(texto(w, "Text4") + '|' + texto(w, "Text5"), QStringLiteral("50|70"));
    QCOMPARE(MT::ValorPOP.toString(), QStringLiteral("50"));
    // "Mínima" unticked with its box empty and off; "Máxima" ticked and filled.
    QVERIFY(!marcado(w, "Check1") && texto(w, "Text1").isEmpty() && !ligado(w, "Text1"));
    QVERIFY(marcado(w, "Check2") && ligado(w, "Text2"));
    QCOMPARE(texto(w, "Text2") + '|' + texto(w, "Text3"), QStringLiteral("8,5|6"));
    const MapaImpacto::PaginaImpacto p = w->Pagina();
    QCOMPARE(p.ptd * 1000 + p.ppi * 100 + p.iasup * 10 + p.iasub, 2714);
    QVERIFY(Teste::Campo("QJmax", 1).isNull());  // the copy stores nothing
}

void TesteImpacto::ajuda()
{
    Teste::Sessao s;
    frmImpacto* w = abrir(s, 1);
    auto* caixa = Controle<QTextEdit>(w, "RichTextBox1");
    aba(w, 1);
    clicar(w, "Image3");
    QVERIFY(caixa->isVisible() && caixa->toPlainText().startsWith("     Segundo a literatura técnica, a ocorrência"));
    clicar(w, "Command4");
    QVERIFY(!caixa->isVisible() && !Controle(w, "Command4")->isVisible());
}

void TesteImpacto::semBancoOuSemLinhas()
{
    {
        Teste::Sessao s;
        s.Principal();
        Banco::DefinirCaminhoParaTestes(QStringLiteral("/nao/existe/mdbTessaura.mdb"));
        auto* w = Janelas::Carregar<frmImpacto>();
        Janelas::Mostrar(w);
        QVERIFY(Teste::UltimaMensagem()->texto.contains("mdbTessaura.mdb"));
        clicar(w, "Command2");  // no recordset: nothing moves, nothing breaks
        QVERIFY(texto(w, "Label46").isEmpty());
    }
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
