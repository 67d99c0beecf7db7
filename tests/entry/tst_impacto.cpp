// The impact window's own part: flow limits, the recharge pair, each rating's
// level, what a step stores and loads back, and a whole criterion taken over.
#include "Ambiente.h"

#include "common/Janelas.h"
#include "common/ModuloTessaura.h"
#include "entry/frmImpacto.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>
#include <QTextEdit>

namespace MT = ModuloTessaura;
using Teste::Controle;

namespace {

frmImpacto* abrir(Teste::Sessao& s, int n)
{
    s.Principal();
    Teste::Projeto(n);
    return s.Mostrar<frmImpacto>();
}

void aba(frmImpacto* w, int i) { Controle<QTabWidget>(w, "TabStrip1")->setCurrentIndex(i); }
void clicar(QWidget* w, const char* nome) { Teste::Clicar(Controle(w, nome)); }
bool marcado(QWidget* w, const char* nome) { return Controle<QAbstractButton>(w, nome)->isChecked(); }
bool ligado(QWidget* w, const char* nome) { return Controle(w, nome)->isEnabled(); }
void digitar(frmImpacto* w, const char* caixa, const QString& t) { Teste::Substituir(Controle<QLineEdit>(w, caixa), t); }
QString texto(QWidget* w, const char* nome)
{
    auto* l = w->findChild<QLabel*>(QString::fromLatin1(nome));
    return l ? l->text() : Controle<QLineEdit>(w, nome)->text();
}

// Every item given: minimum and target flows, a flow pair, four ratings.
void completar(frmImpacto* w)
{
    aba(w, 0);
    clicar(w, "Check1");
    for (auto [caixa, t] : {std::pair{"Text1", "1,5"}, {"Text3", "2"}, {"Text4", "3"}, {"Text5", "4"}})
        digitar(w, caixa, t);
    aba(w, 1);
    clicar(w, "Option6");
    clicar(w, "Option13");
    aba(w, 2);
    clicar(w, "Option27");
    clicar(w, "Option20");
    aba(w, 0);
}

}  // namespace

class TesteImpacto : public QObject {
    Q_OBJECT
private slots:
    void limitesAreaOuVazao()
    {
        Teste::Sessao s;
        QVERIFY(!MT::ImpactoCarregado);
        frmImpacto* w = abrir(s, 2);
        QVERIFY(MT::ImpactoCarregado && marcado(w, "Option2") && !marcado(w, "Option1") && !ligado(w, "CommandButton1"));
        // A flow limit's box is usable only while ticked.
        QVERIFY(!ligado(w, "Text1") && !ligado(w, "Text2") && ligado(w, "Text3"));
        clicar(w, "Check1");
        QVERIFY(ligado(w, "Text1"));
        digitar(w, "Text1", "1.5");  // the point becomes the comma, with a message
        QCOMPARE(texto(w, "Text1"), QStringLiteral("1,5"));
        QCOMPARE(Teste::TextosMostrados(), QStringList{"O separador de decimal é a vírgula"});
        clicar(w, "Check1");
        QVERIFY(texto(w, "Text1").isEmpty() && !ligado(w, "Text1"));
        QCOMPARE(texto(w, "Label46"), QStringLiteral("Faltam alguns dados"));  // judged only at the next step
        digitar(w, "Text4", "10");
        digitar(w, "Text5", "20");
        clicar(w, "Option1");
        QCOMPARE(texto(w, "Label22") + texto(w, "Label23") + texto(w, "Label28") + texto(w, "Label30")
                     + texto(w, "Label29") + texto(w, "Label31"),
                 QStringLiteral("AAm2m2"));
        QVERIFY(texto(w, "Text4").isEmpty() && texto(w, "Text5").isEmpty() && Controle(w, "Image10")->isVisible());
        QVERIFY(texto(w, "Label42").startsWith("O cálculo deste indicador pode ser simplificado"));
        digitar(w, "Text4", "5");
        clicar(w, "Option2");  // back to flows: symbol, unit, emptied boxes, no hint
        QCOMPARE(texto(w, "Label22") + texto(w, "Label28") + texto(w, "Label30"), QStringLiteral("Qm /s3"));
        QVERIFY(texto(w, "Text4").isEmpty() && !Controle(w, "Image10")->isVisible());
        // A help icon opens its text; Ctrl+Tab turns the page.
        aba(w, 1);
        clicar(w, "Image3");
        QVERIFY(Controle<QTextEdit>(w, "RichTextBox1")->toPlainText().startsWith("     Segundo a literatura técnica"));
        QTest::keyClick(Controle(w, "Command2"), Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(Controle<QTabWidget>(w, "TabStrip1")->currentIndex(), 2);
        Janelas::Descarregar(w);
        QVERIFY(!MT::ImpactoCarregado);
    }

    void cadaOpcaoGravaSeuNivelEVolta()
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

    void percursoPorCriterio()
    {
        Teste::Sessao s;
        frmImpacto* w = abrir(s, 3);
        QCOMPARE(texto(w, "Label46"), QStringLiteral("Faltam alguns dados"));
        completar(w);
        clicar(w, "Command2");
        // The first alternative was stored; the second is empty with "Vazão".
        QCOMPARE(Teste::Campo("quote(QJmin)||quote(QJmax)||quote(Qalvo)||quote(Qinf)||quote(Qnat)||quote(Ainf)"
                              "||quote(PTD)||quote(PPI)||quote(IAsup)||quote(IAsub)", 1).toString(),
                 QStringLiteral("1.5NULL2.03.04.0NULL4444"));
        QVERIFY(texto(w, "Text1").isEmpty() && !marcado(w, "Check1") && marcado(w, "Option2"));
        QCOMPARE(w->Pagina().ptd + w->Pagina().iasup, 0);
        // Back to the first, loaded whole.
        clicar(w, "Command1");
        QVERIFY(marcado(w, "Check1") && ligado(w, "Text1") && !marcado(w, "Check2") && !ligado(w, "Text2"));
        QCOMPARE(texto(w, "Text1") + '|' + texto(w, "Text4"), QStringLiteral("1,5|3"));
        QVERIFY(marcado(w, "Option27") && marcado(w, "Option6"));
        QCOMPARE(texto(w, "Label46"), QStringLiteral("Todos os dados foram fornecidos"));
    }

    void criterioInteiroSoComMaximaEAreas()
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
        QVERIFY(aberturas == 1 && !Janelas::Carregada(QStringLiteral("frmPOP")) && Teste::TextosMostrados().isEmpty());
        QVERIFY(marcado(w, "Option1") && !marcado(w, "Option2"));
        QCOMPARE(texto(w, "Text4") + '|' + texto(w, "Text5") + '|' + MT::ValorPOP.toString(), QStringLiteral("50|70|50"));
        // "Mínima" unticked with its box empty and off; "Máxima" ticked and filled.
        QVERIFY(!marcado(w, "Check1") && texto(w, "Text1").isEmpty() && !ligado(w, "Text1"));
        QVERIFY(marcado(w, "Check2") && ligado(w, "Text2"));
        QCOMPARE(texto(w, "Text2") + '|' + texto(w, "Text3"), QStringLiteral("8,5|6"));
        const MapaImpacto::PaginaImpacto p = w->Pagina();
        QCOMPARE(p.ptd * 1000 + p.ppi * 100 + p.iasup * 10 + p.iasub, 2714);
        QVERIFY(Teste::Campo("QJmax", 1).isNull());  // the copy stores nothing
        // With neither recharge option chosen, F5 in a recharge box opens nothing.
        w->Esvaziar(MapaImpacto::Recarga::Nenhuma);
        QTest::keyClick(Controle(w, "Text4"), Qt::Key_F5);
        QCOMPARE(aberturas, 1);
    }
};

TESTE_MAIN(TesteImpacto)
#include "tst_impacto.moc"
