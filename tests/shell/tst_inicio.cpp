// The alternatives window: the number of alternatives, naming them, the entry
// order and the hand-over.
#include "Ambiente.h"

#include "common/BarraStatus.h"
#include "common/CaixaTexto.h"
#include "common/Janelas.h"
#include "common/ModuloTessaura.h"
#include "common/PortaoAvancar.h"
#include "shell/Alternativas.h"
#include "shell/frmInicio.h"
#include "shell/frmMain.h"
#include "shell/frmTipoEntradaDados.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTextBrowser>

namespace MT = ModuloTessaura;

namespace {

const QString kVazio = QStringLiteral("Você deve fornecer o número de alternarivas a serem analisadas");
const QString kAte2 = QStringLiteral("O número de alternativas a serem analisadas deve ser superior a 2.");
const QString kNaoInteiro = QStringLiteral(
    "O número de alternativas a serem analisadas deve ser um número inteiro, escrito somente com "
    "algarismos.");
const QString kAcima =
    QStringLiteral("O número de alternativas a serem analisadas não pode ser superior a 32767.");

// A new project started from the main window, with its alternatives window.
struct Projeto {
    Teste::Sessao sessao;
    frmMain* principal = nullptr;
    frmInicio* f = nullptr;

    Projeto()
    {
        principal = sessao.Principal();
        principal->activateWindow();
        if (!QTest::qWaitForWindowActive(principal))
            qWarning("the main window did not become active");
        principal->findChild<QAction*>(QStringLiteral("new"))->trigger();
        f = Janelas::Obter<frmInicio>();
    }

    // Types a number into the number box and presses "OK".
    void Numero(const QString& texto)
    {
        QTest::mouseClick(f->Text3, Qt::LeftButton);
        f->Text3->selectAll();
        QTest::keyClick(f->Text3, Qt::Key_Backspace);
        QTest::keyClicks(f->Text3, texto);
        QTest::mouseClick(f->Command1, Qt::LeftButton);
    }
    // Replaces the name (and the notes) of the alternative on show.
    void Nomear(const QString& nome, const QString& notas = QString())
    {
        f->Text1->selectAll();
        QTest::keyClick(f->Text1, Qt::Key_Backspace);
        Teste::Digitar(f->Text1, nome);
        if (!notas.isNull()) {
            f->Text2->selectAll();
            QTest::keyClick(f->Text2, Qt::Key_Backspace);
            Teste::Digitar(f->Text2, notas);
        }
    }
    void Proximo() { QTest::mouseClick(f->Command6, Qt::LeftButton); }
    // Names the alternatives one after the other, moving on after each.
    void NomearEmSequencia(const QStringList& nomes)
    {
        for (const QString& nome : nomes) {
            Nomear(nome);
            Proximo();
        }
    }
    void Anterior() { QTest::mouseClick(f->Command5, Qt::LeftButton); }
    void Avancar() { QTest::mouseClick(f->Portao->CommandButton1, Qt::LeftButton); }
    bool PortaoAberto() const
    {
        return f->Portao->CommandButton1->isEnabled() && !f->Portao->Picture4->isVisible();
    }
    QString Contador() const
    {
        return f->Label2->text() + ' ' + f->Label3->text() + ' ' + f->Label4->text() + ' '
               + f->Label5->text();
    }
    QString Barra(int painel) const { return MT::sbStatusBar()->Painel(painel)->text(); }
};

// The mouse moving over a widget (which may lie beyond the small test screen).
void passarMouse(QWidget* w, QPoint pos = QPoint())
{
    if (pos.isNull())
        pos = w->rect().center();
    QMouseEvent e(QEvent::MouseMove, pos, w->mapToGlobal(pos), Qt::NoButton, Qt::NoButton,
                  Qt::NoModifier);
    QCoreApplication::sendEvent(w, &e);
}

QStringList Marcadores()
{
    QStringList r;
    for (const QVariant& v : Teste::Coluna("SELECT Marcador FROM tblTessaura ORDER BY id"))
        r << v.toString();
    return r;
}

QVariant CampoDe(const QString& campo, const QString& marcador)
{
    const QList<QVariant> r = Teste::Coluna(
        QStringLiteral("SELECT %1 FROM tblTessaura WHERE Marcador = '%2'").arg(campo, marcador));
    return r.isEmpty() ? QVariant() : r.first();
}

}  // namespace

class TesteInicio : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }

    void lerNumero_data();
    void lerNumero();
    void janelaAoCarregar();
    void numeroRecusado_data();
    void numeroRecusado();
    void numeroRecusadoMantemOProjeto();
    void tecladoDoNumero();
    void okCriaAsAlternativas_data();
    void okCriaAsAlternativas();
    void focoNoNumeroEscondeANomeacao();
    void percursoCircular();
    void nomesEAnotacoesGravadosAoMover();
    void portaoAbreNoMovimentoSeguinte();
    void enterNasCaixasVaiParaAProxima();
    void anotacaoAte150Caracteres();
    void avancarEntregaOProjeto_data();
    void avancarEntregaOProjeto();
    void avancarComNomeApagadoNaoEntrega();
    void segundoOkRemodelaAsLinhas();
    void bancoAusente();
    void linhasQueNaoPodemSerGravadas();
    void dicaDoPortao();
    void ajudaDosTiposDeEntrada();
};

void TesteInicio::lerNumero_data()
{
    QTest::addColumn<QString>("texto");
    QTest::addColumn<int>("resultado");
    QTest::addColumn<int>("n");
    using N = Alternativas::Numero;
    QTest::newRow("vazio") << "" << int(N::Vazio) << 0;
    QTest::newRow("3") << "3" << int(N::Aceito) << 3;
    QTest::newRow("03") << "03" << int(N::Aceito) << 3;
    QTest::newRow("32767") << "32767" << int(N::Aceito) << 32767;
    QTest::newRow("32768") << "32768" << int(N::AcimaDoLimite) << 0;
    QTest::newRow("muitos algarismos") << "99999999999999999999" << int(N::AcimaDoLimite) << 0;
    QTest::newRow("zeros a esquerda") << "0000000000012" << int(N::Aceito) << 12;
    QTest::newRow("2") << "2" << int(N::NaoSuperiorA2) << 0;
    QTest::newRow("0") << "0" << int(N::NaoSuperiorA2) << 0;
    QTest::newRow("negativo") << "-5" << int(N::NaoSuperiorA2) << 0;
    QTest::newRow("letras") << "abc" << int(N::NaoInteiro) << 0;
    QTest::newRow("misto") << "3a" << int(N::NaoInteiro) << 0;
    QTest::newRow("decimal") << "3,5" << int(N::NaoInteiro) << 0;
    QTest::newRow("so sinal") << "-" << int(N::NaoInteiro) << 0;
    QTest::newRow("brancos") << "  " << int(N::NaoInteiro) << 0;
}

void TesteInicio::lerNumero()
{
    QFETCH(QString, texto);
    QFETCH(int, resultado);
    QFETCH(int, n);
    short lido = 0;
    QCOMPARE(int(Alternativas::LerNumero(texto, &lido)), resultado);
    QCOMPARE(int(lido), n);
}

void TesteInicio::janelaAoCarregar()
{
    MT::Reentrada = true;
    MT::CalculoCarregado = true;
    Projeto p;
    QVERIFY(p.f);
    QVERIFY(Janelas::Visivel(p.f));
    QCOMPARE(p.f->objectName(), QStringLiteral("frmInicio"));
    QCOMPARE(p.f->Label6->text(), QStringLiteral("Dados iniciais"));
    QCOMPARE(p.f->Label1->text(), QStringLiteral("Número de alternativas de drenagem a serem analisadas:"));
    QVERIFY(p.f->Label1->isVisible() && p.f->Text3->isVisible() && p.f->Command1->isVisible());
    QVERIFY(!p.f->Frame1->isVisible());
    QVERIFY(!p.f->Frame2->isVisible());
    QVERIFY(p.f->Option2->isChecked());
    QVERIFY(!p.PortaoAberto());
    QVERIFY(p.f->Portao->Picture4->isVisible());
    QVERIFY(!p.f->Portao->Image10->isVisible());
    QVERIFY(!p.f->Portao->Picture3->isVisible());
    QVERIFY(!MT::Reentrada);
    QVERIFY(!MT::CalculoCarregado);
    QCOMPARE(Teste::Linhas("tblTessaura"), 0);
}

void TesteInicio::numeroRecusado_data()
{
    QTest::addColumn<QString>("texto");
    QTest::addColumn<bool>("colado");
    QTest::addColumn<QString>("mensagem");
    QTest::newRow("vazio") << "" << false << kVazio;
    QTest::newRow("0") << "0" << false << kAte2;
    QTest::newRow("1") << "1" << false << kAte2;
    QTest::newRow("2") << "2" << false << kAte2;
    QTest::newRow("40000") << "40000" << false << kAcima;
    QTest::newRow("letras coladas") << "abc" << true << kNaoInteiro;
    QTest::newRow("numero e letra colados") << "4x" << true << kNaoInteiro;
    QTest::newRow("40000 colado") << "40000" << true << kAcima;
}

void TesteInicio::numeroRecusado()
{
    QFETCH(QString, texto);
    QFETCH(bool, colado);
    QFETCH(QString, mensagem);
    Projeto p;
    QTest::mouseClick(p.f->Text3, Qt::LeftButton);
    if (colado) {
        QGuiApplication::clipboard()->setText(texto);
        p.f->Text3->paste();  // as the box's context menu does
        QCOMPARE(p.f->Text3->text(), texto);
    } else {
        QTest::keyClicks(p.f->Text3, texto);
    }
    QTest::mouseClick(p.f->Command1, Qt::LeftButton);

    QCOMPARE(Teste::TextosMostrados(), QStringList{mensagem});
    QCOMPARE(Teste::UltimaMensagem()->titulo, QStringLiteral("Análise tessaura"));
    QCOMPARE(Teste::UltimaMensagem()->icone, Mensagens::Icone::Informacao);
    QCOMPARE(p.f->Text3->text(), QString());
    QCOMPARE(QApplication::focusWidget(), p.f->Text3);
    QCOMPARE(Teste::Linhas("tblTessaura"), 0);
    QCOMPARE(MT::NumeroAlternativas, short(0));
    QVERIFY(!p.f->Frame1->isVisible());
    QVERIFY(!MT::rsAlternativas);
}

void TesteInicio::numeroRecusadoMantemOProjeto()
{
    Projeto p;
    p.Numero("3");
    for (const QString& t : {QStringLiteral("2"), QStringLiteral("")}) {
        p.Numero(t);
        QCOMPARE(MT::NumeroAlternativas, short(3));
        QCOMPARE(Marcadores(), (QStringList{"alt1", "alt2", "alt3"}));
    }
    QCOMPARE(Teste::TextosMostrados(), (QStringList{kAte2, kVazio}));
}

void TesteInicio::tecladoDoNumero()
{
    Projeto p;
    QLineEdit* t = p.f->Text3;
    QTest::keyClicks(t, "1a2-b ,");
    QCOMPARE(t->text(), QStringLiteral("12"));
    QCOMPARE(Mensagens::Bipes(), 5);
    QTest::keyClick(t, Qt::Key_Backspace);
    QCOMPARE(t->text(), QStringLiteral("1"));
    QTest::keyClick(t, Qt::Key_Left);  // keys that type nothing pass silently
    QCOMPARE(Mensagens::Bipes(), 5);
    QVERIFY(Teste::TextosMostrados().isEmpty());
    QVERIFY(p.f->Command1->isEnabled());
}

void TesteInicio::okCriaAsAlternativas_data()
{
    QTest::addColumn<QString>("texto");
    QTest::addColumn<bool>("enter");
    QTest::newRow("3 e OK") << "3" << false;
    QTest::newRow("03 e OK") << "03" << false;
    QTest::newRow("3 e Enter") << "3" << true;
}

void TesteInicio::okCriaAsAlternativas()
{
    QFETCH(QString, texto);
    QFETCH(bool, enter);
    Projeto p;
    QTest::mouseClick(p.f->Text3, Qt::LeftButton);
    QTest::keyClicks(p.f->Text3, texto);
    if (enter)
        QTest::keyClick(p.f->Text3, Qt::Key_Return);
    else
        QTest::mouseClick(p.f->Command1, Qt::LeftButton);

    QVERIFY(Teste::TextosMostrados().isEmpty());
    QCOMPARE(Marcadores(), (QStringList{"alt1", "alt2", "alt3"}));
    QCOMPARE(Teste::Coluna("SELECT count(*) FROM tblTessaura WHERE Nome IS NULL AND Anotacao IS NULL "
                           "AND TR IS NULL AND PerMP IS NULL AND Eco IS NULL").first().toInt(), 3);
    QCOMPARE(MT::NumeroAlternativas, short(3));
    QVERIFY(MT::rsAlternativas && MT::dbAlternativas);
    QCOMPARE(MT::rsAlternativas->Campo("Marcador").toString(), QStringLiteral("alt1"));
    QVERIFY(p.f->Frame1->isVisible() && p.f->Frame2->isVisible());
    QVERIFY(p.f->Command5->isVisible() && p.f->Command6->isVisible());
    QCOMPARE(p.Contador(), QStringLiteral("Alternativa 1 de 3"));
    QCOMPARE(p.Barra(1), QStringLiteral("Alternativa"));
    QCOMPARE(p.Barra(2), QStringLiteral("1 de 3"));
    QCOMPARE(QApplication::focusWidget(), p.f->Text1);
    QVERIFY(p.f->Text1->text().isEmpty() && p.f->Text2->Texto().isEmpty());
    QVERIFY(!p.PortaoAberto());
}

void TesteInicio::focoNoNumeroEscondeANomeacao()
{
    Projeto p;
    p.Numero("3");
    p.Nomear("A");
    p.Proximo();
    QTest::mouseClick(p.f->Text3, Qt::LeftButton);
    QVERIFY(!p.f->Frame1->isVisible());
    QVERIFY(p.f->Frame2->isVisible());
    QCOMPARE(Marcadores().size(), 3);
    QTest::keyClick(p.f->Text3, Qt::Key_Return);  // the same number again
    QVERIFY(p.f->Frame1->isVisible());
}

void TesteInicio::percursoCircular()
{
    Projeto p;
    p.Numero("3");
    const QStringList adiante{"2", "3", "1", "2"};
    for (const QString& n : adiante) {
        p.Proximo();
        QCOMPARE(p.f->Label3->text(), n);
        QCOMPARE(p.Barra(2), n + QStringLiteral(" de 3"));
        QCOMPARE(QApplication::focusWidget(), p.f->Text1);
    }
    const QStringList atras{"1", "3", "2", "1", "3"};
    for (const QString& n : atras) {
        p.Anterior();
        QCOMPARE(p.f->Label3->text(), n);
        QCOMPARE(p.Barra(2), n + QStringLiteral(" de 3"));
        QCOMPARE(MT::rsAlternativas->Campo("Marcador").toString(), QStringLiteral("alt") + n);
    }
    QCOMPARE(p.Barra(1), QStringLiteral("Alternativa"));
}

void TesteInicio::nomesEAnotacoesGravadosAoMover()
{
    Projeto p;
    p.Numero("3");
    p.Nomear("Bacia de detenção", "Área a montante");
    p.Proximo();
    QCOMPARE(CampoDe("Nome", "alt1").toString(), QStringLiteral("Bacia de detenção"));
    QCOMPARE(CampoDe("Anotacao", "alt1").toString(), QStringLiteral("Área a montante"));
    QVERIFY(p.f->Text1->text().isEmpty() && p.f->Text2->Texto().isEmpty());
    // Leaving an alternative whose boxes are empty writes empty texts, not Null.
    p.Proximo();
    QCOMPARE(CampoDe("typeof(Nome)", "alt2").toString(), QStringLiteral("text"));
    QCOMPARE(CampoDe("Anotacao", "alt2").toString(), QString(""));
    QVERIFY(CampoDe("Nome", "alt3").isNull());
    p.Nomear("O'Neil");
    p.Anterior();
    p.Anterior();
    QCOMPARE(p.f->Text1->text(), QStringLiteral("Bacia de detenção"));
    QCOMPARE(p.f->Text2->Texto(), QStringLiteral("Área a montante"));
    QCOMPARE(CampoDe("Nome", "alt3").toString(), QStringLiteral("O'Neil"));
}

void TesteInicio::portaoAbreNoMovimentoSeguinte()
{
    Projeto p;
    p.Numero("3");
    p.Nomear("A");
    p.Proximo();
    p.Nomear("B");
    p.Proximo();
    p.Nomear("C");
    QVERIFY(!p.PortaoAberto());  // the last name alone opens nothing
    p.Anterior();
    QVERIFY(p.PortaoAberto());
    QVERIFY(p.f->Portao->Image10->isVisible());
    QCOMPARE(p.f->Portao->Label42->text(), p.f->Label47->text());
    QCOMPARE(p.f->Label47->text(),
             QStringLiteral("Os dados de todas as alternativas foram fornecidos. Você já pode "
                            "passar para a próxima etapa."));
    QTRY_COMPARE_WITH_TIMEOUT(p.f->Portao->Figura(), PortaoAvancar::FiguraDica::Segunda, 2000);
    QTRY_COMPARE_WITH_TIMEOUT(p.f->Portao->Figura(), PortaoAvancar::FiguraDica::Primeira, 2000);

    // A name made only of blanks counts; an emptied one closes the gate again.
    p.Nomear("   ");
    p.Proximo();
    QVERIFY(p.PortaoAberto());
    p.Nomear("");
    p.Proximo();  // alt3 left without a name
    QVERIFY(!p.PortaoAberto());
    QVERIFY(!p.f->Portao->Image10->isVisible());
    p.Anterior();
    QCOMPARE(p.f->Text1->text(), QString());
    p.Nomear("C");
    p.Proximo();
    QVERIFY(p.PortaoAberto());
}

void TesteInicio::enterNasCaixasVaiParaAProxima()
{
    Projeto p;
    p.Numero("3");
    p.Nomear("A");
    QTest::keyClick(p.f->Text1, Qt::Key_Return);
    QCOMPARE(p.f->Label3->text(), QStringLiteral("2"));
    QCOMPARE(CampoDe("Nome", "alt1").toString(), QStringLiteral("A"));
    p.Nomear("B", "linha");
    QTest::keyClick(p.f->Text2, Qt::Key_Enter);
    QCOMPARE(p.f->Label3->text(), QStringLiteral("3"));
    QCOMPARE(CampoDe("Anotacao", "alt2").toString(), QStringLiteral("linha"));
    QCOMPARE(p.f->Text2->Texto(), QString());
    p.Anterior();
    QCOMPARE(p.f->Text2->Texto(), QStringLiteral("linha"));
}

void TesteInicio::anotacaoAte150Caracteres()
{
    Projeto p;
    p.Numero("3");
    QTest::keyClicks(p.f->Text2, QString(160, QLatin1Char('x')));
    QCOMPARE(p.f->Text2->Texto().size(), 150);
    p.f->Text2->clear();
    QTest::keyClicks(p.f->Text2, QString(140, QLatin1Char('y')));
    QGuiApplication::clipboard()->setText(QString(30, QLatin1Char('z')));
    QTest::keyClick(p.f->Text2, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(p.f->Text2->Texto(), QString(140, QLatin1Char('y')) + QString(10, QLatin1Char('z')));
    p.Proximo();
    QCOMPARE(CampoDe("length(Anotacao)", "alt1").toInt(), 150);
}

void TesteInicio::avancarEntregaOProjeto_data()
{
    QTest::addColumn<bool>("porAlternativa");
    QTest::newRow("por critério (padrão)") << false;
    QTest::newRow("por alternativa") << true;
}

void TesteInicio::avancarEntregaOProjeto()
{
    QFETCH(bool, porAlternativa);
    Projeto p;
    MT::EntradaPorAlternativa = !porAlternativa;
    MT::ObjetivoCarregado = MT::ImpactoCarregado = MT::InsercaoCarregado = true;
    p.Numero("3");
    p.NomearEmSequencia({"A", "B", "C"});  // back on alt1, gate open
    QVERIFY(p.PortaoAberto());
    p.Proximo();  // on alt2
    p.Nomear("B2", "digitado depois do último movimento");
    if (porAlternativa)
        QTest::mouseClick(p.f->Option1, Qt::LeftButton);
    p.Avancar();

    QCOMPARE(MT::EntradaPorAlternativa, porAlternativa);
    QVERIFY(!MT::ObjetivoCarregado && !MT::ImpactoCarregado && !MT::InsercaoCarregado);
    QVERIFY(MT::ProjetoEmAndamento);
    QCOMPARE(MT::rsAlternativas->Campo("Marcador").toString(), QStringLiteral("alt1"));
    QCOMPARE(CampoDe("Nome", "alt2").toString(), QStringLiteral("B2"));
    QCOMPARE(CampoDe("Anotacao", "alt2").toString(), QStringLiteral("digitado depois do último movimento"));
    QVERIFY(Janelas::Carregada("frmInicio"));
    QVERIFY(!Janelas::Visivel(p.f));
    QVERIFY(Janelas::Visivel(Janelas::Obter("frmPesoPond")));
    QCOMPARE(Marcadores(), (QStringList{"alt1", "alt2", "alt3"}));
    QVERIFY(Teste::TextosMostrados().isEmpty());
}

void TesteInicio::avancarComNomeApagadoNaoEntrega()
{
    Projeto p;
    p.Numero("3");
    p.NomearEmSequencia({"A", "B", "C"});
    QVERIFY(p.PortaoAberto());
    p.Nomear("");
    p.Avancar();
    QVERIFY(!p.PortaoAberto());
    QVERIFY(Janelas::Visivel(p.f));
    QVERIFY(!MT::ProjetoEmAndamento);
    QCOMPARE(CampoDe("Nome", "alt1").toString(), QString(""));
}

void TesteInicio::segundoOkRemodelaAsLinhas()
{
    Projeto p;
    p.Numero("3");
    p.Nomear("A", "nota A");
    p.Proximo();
    p.NomearEmSequencia({"B", "C"});  // gate open, on alt1
    QVERIFY(p.PortaoAberto());

    p.Numero("5");
    QCOMPARE(Marcadores(), (QStringList{"alt1", "alt2", "alt3", "alt4", "alt5"}));
    QCOMPARE(MT::NumeroAlternativas, short(5));
    QCOMPARE(p.Contador(), QStringLiteral("Alternativa 1 de 5"));
    QCOMPARE(p.Barra(2), QStringLiteral("1 de 5"));
    QCOMPARE(p.f->Text1->text(), QStringLiteral("A"));
    QCOMPARE(p.f->Text2->Texto(), QStringLiteral("nota A"));
    // The gate is judged again: alt4 and alt5 have no name.
    p.Avancar();
    QVERIFY(!p.PortaoAberto());
    QVERIFY(Janelas::Visivel(p.f));
    p.Anterior();  // alt5
    p.Nomear("E");
    p.Anterior();  // alt4
    p.Nomear("D");
    p.Anterior();  // alt3
    QVERIFY(p.PortaoAberto());
    QCOMPARE(p.f->Text1->text(), QStringLiteral("C"));

    // Fewer alternatives: the rows beyond N go, the others keep their names.
    p.Numero("4");
    QCOMPARE(Marcadores(), (QStringList{"alt1", "alt2", "alt3", "alt4"}));
    QCOMPARE(Teste::Coluna("SELECT Nome FROM tblTessaura ORDER BY id"),
             (QList<QVariant>{"A", "B", "C", "D"}));
    QCOMPARE(MT::NomePreenchido, (std::vector<short>{0, 1, 1, 1, 1}));
    p.Avancar();
    QVERIFY(!Janelas::Visivel(p.f));
    QCOMPARE(MT::rsAlternativas->Campo("Marcador").toString(), QStringLiteral("alt1"));
    QVERIFY(Teste::TextosMostrados().isEmpty());
}

void TesteInicio::bancoAusente()
{
    Projeto p;
    QVERIFY(QFile::remove(p.sessao.CaminhoBanco()));
    p.Numero("3");
    QCOMPARE(Teste::TextosMostrados().size(), 1);
    QCOMPARE(Teste::UltimaMensagem()->icone, Mensagens::Icone::Critico);
    QVERIFY(Teste::UltimaMensagem()->texto.contains("mdbTessaura.mdb"));
    QCOMPARE(MT::NumeroAlternativas, short(0));
    QVERIFY(!MT::rsAlternativas);
    QVERIFY(!p.f->Frame1->isVisible());
    QCOMPARE(p.f->Text3->text(), QStringLiteral("3"));
    QVERIFY(!QFile::exists(p.sessao.CaminhoBanco()));
}

void TesteInicio::linhasQueNaoPodemSerGravadas()
{
    Projeto p;
    QVERIFY(Teste::Executar("CREATE TRIGGER recusa BEFORE INSERT ON tblTessaura "
                            "BEGIN SELECT RAISE(ABORT, 'recusada'); END"));
    p.Numero("3");
    QCOMPARE(Teste::TextosMostrados().size(), 1);
    QCOMPARE(Teste::UltimaMensagem()->icone, Mensagens::Icone::Critico);
    QVERIFY(Teste::UltimaMensagem()->texto.startsWith("Não foi possível gravar as alternativas"));
    QCOMPARE(MT::NumeroAlternativas, short(0));
    QVERIFY(!p.f->Frame1->isVisible());
}

void TesteInicio::dicaDoPortao()
{
    Projeto p;
    PortaoAvancar* g = p.f->Portao;
    QTest::mouseMove(g->Label44);
    QVERIFY(g->Image10->isVisible());
    QVERIFY(!g->Picture3->isVisible());
    QCOMPARE(g->Label42->text(),
             QStringLiteral("O botão 'Avançar' estará disponível quando todos os dados, referentes "
                            "à todas alternativas estudadas, forem fornecidos."));
    QTest::mouseMove(g->Image10);
    QVERIFY(g->Picture3->isVisible());
    QVERIFY(g->DicaVisivel());
    QTest::mouseMove(p.f, QPoint(100, 450));  // the window's own background
    QVERIFY(!g->Picture3->isVisible());
    QVERIFY(!g->Image10->isVisible());
    QVERIFY(!g->DicaVisivel());
}

void TesteInicio::ajudaDosTiposDeEntrada()
{
    Projeto p;
    p.Numero("3");
    QPointer<frmTipoEntradaDados> visto;
    QString titulo, cabecalho, texto;
    Teste::AoExibirModal([&](Dialogo* d) {
        visto = qobject_cast<frmTipoEntradaDados*>(d);
        QVERIFY(visto);
        titulo = d->windowTitle();
        cabecalho = visto->Label1->text();
        texto = visto->RichTextBox1->toPlainText();
        QTest::mouseClick(visto->Command1, Qt::LeftButton);
    });
    passarMouse(p.f->Image1);
    QVERIFY(p.f->Image1->MostraSobre());
    QTest::mouseClick(p.f->Image1, Qt::LeftButton);
    QCOMPARE(titulo, QStringLiteral("Análise Tessaura"));
    QCOMPARE(cabecalho, QStringLiteral("Tipos de entrada de dados"));
    QVERIFY(texto.contains(p.f->Option1->text()));
    QVERIFY(texto.contains(p.f->Option2->text()));
    QVERIFY(!Janelas::Carregada("frmTipoEntradaDados"));
    passarMouse(p.f->Frame2, QPoint(5, p.f->Frame2->height() - 5));
    QVERIFY(!p.f->Image1->MostraSobre());
}

QTEST_MAIN(TesteInicio)
#include "tst_inicio.moc"
