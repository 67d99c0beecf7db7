// The alternatives window: the number of alternatives, naming them, the entry
// order and the hand-over.
#include "Ambiente.h"

#include "common/BarraStatus.h"
#include "common/CaixaTexto.h"
#include "common/ModuloTessaura.h"
#include "common/PortaoAvancar.h"
#include "shell/frmInicio.h"
#include "shell/frmMain.h"
#include "shell/frmTipoEntradaDados.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTextBrowser>

namespace MT = ModuloTessaura;

namespace {

// A new project started from the main window, with its alternatives window.
struct Projeto {
    Teste::Sessao sessao;
    frmInicio* f = nullptr;

    Projeto()
    {
        frmMain* principal = sessao.Principal();
        principal->activateWindow();
        (void)QTest::qWaitForWindowActive(principal);  // focus checks need it
        principal->findChild<QAction*>(QStringLiteral("new"))->trigger();
        f = Janelas::Obter<frmInicio>();
    }
    // Types a number into the number box and presses "OK".
    void Numero(const QString& texto)
    {
        QTest::mouseClick(f->Text3, Qt::LeftButton);
        f->Text3->clear();
        QTest::keyClicks(f->Text3, texto);
        QTest::mouseClick(f->Command1, Qt::LeftButton);
    }
    // Replaces the name and the notes of the alternative on show.
    void Nomear(const QString& nome, const QString& notas = QString())
    {
        f->Text1->clear();
        Teste::Digitar(f->Text1, nome);
        f->Text2->clear();
        Teste::Digitar(f->Text2, notas);
    }
    void NomearTodas(const QStringList& nomes)
    {
        for (const QString& nome : nomes) {
            Nomear(nome);
            Proximo();
        }
    }
    void Proximo() { QTest::mouseClick(f->Command6, Qt::LeftButton); }
    void Anterior() { QTest::mouseClick(f->Command5, Qt::LeftButton); }
    void Avancar() { QTest::mouseClick(f->Portao->CommandButton1, Qt::LeftButton); }
    bool PortaoAberto() const { return f->Portao->Aberto() && !f->Portao->ImitacaoCobre(); }
    // The counter of the window and the one in the status bar.
    QString Contador() const { return f->Label3->text() + '/' + f->Label5->text(); }
    QString Barra() const
    {
        return MT::sbStatusBar()->Painel(1)->text() + ' ' + MT::sbStatusBar()->Painel(2)->text();
    }
};

QString Marcadores()
{
    QStringList r;
    for (const QVariant& v : Teste::Coluna("SELECT Marcador FROM tblTessaura ORDER BY id"))
        r << v.toString();
    return r.join(' ');
}

}  // namespace

class TesteInicio : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }

    void numeroDeAlternativas_data()
    {
        QTest::addColumn<QString>("recusado");
        QTest::addColumn<QString>("mensagem");
        const QString inicio = QStringLiteral("O número de alternativas a serem analisadas ");
        QTest::newRow("vazio") << "" << "Você deve fornecer o número de alternarivas a serem analisadas";
        QTest::newRow("2") << "2" << inicio + "deve ser superior a 2.";
        QTest::newRow("32768") << "32768" << inicio + "não pode ser superior a 32767.";
        QTest::newRow("vinte algarismos") << "99999999999999999999" << inicio + "não pode ser superior a 32767.";
        QTest::newRow("negativo") << "-5" << inicio + "deve ser superior a 2.";
        QTest::newRow("decimal") << "3,5" << inicio + "deve ser um número inteiro, escrito somente com algarismos.";
        QTest::newRow("letras coladas")
            << "4x" << inicio + "deve ser um número inteiro, escrito somente com algarismos.";
    }
    void numeroDeAlternativas()
    {
        QFETCH(QString, recusado);
        QFETCH(QString, mensagem);
        Projeto p;
        // As loaded: only the number asked for, the order per criterion chosen.
        QVERIFY(!p.f->Frame1->isVisible() && !p.f->Frame2->isVisible());
        QVERIFY(p.f->Option2->isChecked() && !p.PortaoAberto());
        const auto recusar = [&] {  // pasted, as the box's context menu does
            QTest::mouseClick(p.f->Text3, Qt::LeftButton);
            p.f->Text3->clear();
            QGuiApplication::clipboard()->setText(recusado);
            p.f->Text3->paste();
            QTest::mouseClick(p.f->Command1, Qt::LeftButton);
        };
        recusar();
        QCOMPARE(Teste::TextosMostrados(), QStringList{mensagem});
        QCOMPARE(Teste::UltimaMensagem()->titulo, QStringLiteral("Análise tessaura"));
        QVERIFY(p.f->Text3->text().isEmpty() && QApplication::focusWidget() == p.f->Text3);
        QCOMPARE(Teste::Linhas("tblTessaura"), 0);
        QCOMPARE(MT::NumeroAlternativas, short(0));
        QVERIFY(!p.f->Frame1->isVisible() && !MT::rsAlternativas);

        // Typed, the box takes digits only and beeps at anything else.
        QTest::keyClicks(p.f->Text3, "x3,");
        QCOMPARE(p.f->Text3->text(), QStringLiteral("3"));
        QCOMPARE(Mensagens::Bipes(), 2);
        QTest::mouseClick(p.f->Command1, Qt::LeftButton);
        QCOMPARE(Teste::TextosMostrados().size(), 1);
        QCOMPARE(Marcadores(), QStringLiteral("alt1 alt2 alt3"));
        QCOMPARE(Teste::Coluna("SELECT count(*) FROM tblTessaura WHERE Nome IS NULL AND Anotacao IS NULL "
                               "AND TR IS NULL AND PerMP IS NULL AND Eco IS NULL").first().toInt(), 3);
        QCOMPARE(MT::NumeroAlternativas, short(3));
        QCOMPARE(MT::rsAlternativas->Campo("Marcador").toString(), QStringLiteral("alt1"));
        QVERIFY(p.f->Frame1->isVisible() && !p.PortaoAberto());
        QCOMPARE(p.Contador() + ' ' + p.Barra(), QStringLiteral("1/3 Alternativa 1 de 3"));
        QCOMPARE(QApplication::focusWidget(), p.f->Text1);

        // A refused number afterwards leaves the project as it was.
        recusar();
        QCOMPARE(Teste::TextosMostrados(), (QStringList{mensagem, mensagem}));
        QCOMPARE(MT::NumeroAlternativas, short(3));
        QCOMPARE(Marcadores(), QStringLiteral("alt1 alt2 alt3"));
    }

    void percursoCircularEPortao()
    {
        Projeto p;
        p.Numero("3");
        // The notes hold 150 characters, typed or pasted.
        QTest::keyClicks(p.f->Text2, QString(160, 'x'));
        QCOMPARE(p.f->Text2->Texto(), QString(150, 'x'));
        p.f->Text2->clear();
        QTest::keyClicks(p.f->Text2, QString(140, 'y'));
        QGuiApplication::clipboard()->setText(QString(30, 'z'));
        QTest::keyClick(p.f->Text2, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(p.f->Text2->Texto(), QString(140, 'y') + QString(10, 'z'));

        p.Nomear("Bacia de detenção", "Área a montante");
        p.Proximo();
        QCOMPARE(Teste::Campo("Nome", 1).toString(), QStringLiteral("Bacia de detenção"));
        QCOMPARE(Teste::Campo("Anotacao", 1).toString(), QStringLiteral("Área a montante"));
        QVERIFY(p.f->Text1->text().isEmpty() && p.f->Text2->Texto().isEmpty());
        // Enter in either box moves on, and no line break reaches the next notes.
        p.Nomear("O'Neil", "linha");
        QTest::keyClick(p.f->Text2, Qt::Key_Enter);
        QCOMPARE(Teste::Campo("Anotacao", 2).toString(), QStringLiteral("linha"));
        QCOMPARE(p.f->Text2->Texto(), QString());
        QVERIFY(Teste::Campo("Nome", 3).isNull());
        // Leaving an alternative whose boxes are empty writes empty texts, not Null.
        QTest::keyClick(p.f->Text1, Qt::Key_Return);
        QCOMPARE(Teste::Campo("typeof(Nome)", 3).toString(), QStringLiteral("text"));
        QCOMPARE(Teste::Campo("Anotacao", 3).toString(), QString(""));
        QCOMPARE(p.f->Text2->Texto(), QStringLiteral("Área a montante"));

        // Round and round either way from alt1, everything in step.
        const QStringList nomes{"Bacia de detenção", "O'Neil", ""};
        const std::pair<bool, int> passos[] = {{false, 3}, {false, 2}, {false, 1},
                                               {false, 3}, {true, 1},  {true, 2}};
        for (const auto& [adiante, n] : passos) {
            adiante ? p.Proximo() : p.Anterior();
            QCOMPARE(p.Contador() + ' ' + p.Barra(), QStringLiteral("%1/3 Alternativa %1 de 3").arg(n));
            QCOMPARE(MT::rsAlternativas->Campo("Marcador").toString(), QStringLiteral("alt%1").arg(n));
            QCOMPARE(p.f->Text1->text(), nomes[n - 1]);
            QCOMPARE(QApplication::focusWidget(), p.f->Text1);
            QVERIFY(!p.PortaoAberto());  // alt3 has no name
        }

        // The gate opens at the move after the last name, not at the name itself.
        p.Proximo();
        p.Nomear("C");
        QVERIFY(!p.PortaoAberto());
        p.Anterior();
        QVERIFY(p.PortaoAberto());
        // A name of blanks counts; an emptied one closes the gate at the move that leaves it.
        p.Nomear("   ");
        p.Proximo();
        QVERIFY(p.PortaoAberto());
        p.Nomear("");
        p.Proximo();
        QVERIFY(!p.PortaoAberto());
    }

    void avancarEntregaOProjeto_data()
    {
        QTest::addColumn<bool>("porAlternativa");
        QTest::addColumn<QString>("nome");
        QTest::newRow("por critério (padrão)") << false << "B2";
        QTest::newRow("por alternativa") << true << "B2";
        QTest::newRow("nome apagado") << false << "";
    }
    void avancarEntregaOProjeto()
    {
        QFETCH(bool, porAlternativa);
        QFETCH(QString, nome);
        Projeto p;
        MT::EntradaPorAlternativa = !porAlternativa;
        MT::ObjetivoCarregado = MT::ImpactoCarregado = MT::InsercaoCarregado = true;
        p.Numero("3");
        p.NomearTodas({"A", "B", "C"});  // back on alt1, gate open
        p.Proximo();
        // What is typed after the last move is stored by "Avançar" itself.
        p.Nomear(nome, "depois do último movimento");
        if (porAlternativa)
            QTest::mouseClick(p.f->Option1, Qt::LeftButton);
        p.Avancar();
        QCOMPARE(Teste::Campo("Nome", 2).toString(), nome);
        QCOMPARE(Teste::Campo("Anotacao", 2).toString(), QStringLiteral("depois do último movimento"));
        QVERIFY(Teste::TextosMostrados().isEmpty());
        if (nome.isEmpty()) {  // and judged again: an emptied name keeps the project back
            QVERIFY(!p.PortaoAberto() && Janelas::Visivel(p.f) && !MT::ProjetoEmAndamento);
            return;
        }
        QCOMPARE(MT::EntradaPorAlternativa, porAlternativa);
        QVERIFY(!MT::ObjetivoCarregado && !MT::ImpactoCarregado && !MT::InsercaoCarregado);
        QVERIFY(MT::ProjetoEmAndamento);
        QCOMPARE(MT::rsAlternativas->Campo("Marcador").toString(), QStringLiteral("alt1"));
        QVERIFY(Janelas::Carregada("frmInicio") && !Janelas::Visivel(p.f));
        QVERIFY(Janelas::Visivel(Janelas::Obter("frmPesoPond")));
    }

    void segundoNumeroRemodelaAsLinhas()
    {
        Projeto p;
        p.Numero("3");
        p.Nomear("A", "nota A");
        p.Proximo();
        p.NomearTodas({"B", "C"});  // gate open, on alt1
        QVERIFY(p.PortaoAberto());

        // Back in the number box the naming hides until a number is accepted again.
        QTest::mouseClick(p.f->Text3, Qt::LeftButton);
        QVERIFY(!p.f->Frame1->isVisible() && p.f->Frame2->isVisible());
        p.f->Text3->clear();
        QTest::keyClicks(p.f->Text3, "5");
        QTest::keyClick(p.f->Text3, Qt::Key_Return);
        QVERIFY(p.f->Frame1->isVisible());
        QCOMPARE(Marcadores(), QStringLiteral("alt1 alt2 alt3 alt4 alt5"));
        QCOMPARE(MT::NumeroAlternativas, short(5));
        QCOMPARE(p.Contador() + ' ' + p.Barra(), QStringLiteral("1/5 Alternativa 1 de 5"));
        QCOMPARE(p.f->Text1->text() + '|' + p.f->Text2->Texto(), QStringLiteral("A|nota A"));
        // The gate is judged again: alt4 and alt5 have no name.
        p.Avancar();
        QVERIFY(!p.PortaoAberto() && Janelas::Visivel(p.f));
        p.Anterior();  // alt5
        p.Nomear("E");
        p.Anterior();  // alt4
        p.Nomear("D");
        p.Anterior();  // alt3
        QVERIFY(p.PortaoAberto());
        QCOMPARE(p.f->Text1->text(), QStringLiteral("C"));

        // Fewer alternatives: the rows beyond N go, the others keep their names,
        // the one on show what its box holds.
        p.Nomear("C2");
        p.Numero("4");
        QCOMPARE(Marcadores(), QStringLiteral("alt1 alt2 alt3 alt4"));
        QCOMPARE(Teste::Coluna("SELECT Nome FROM tblTessaura ORDER BY id"),
                 (QList<QVariant>{"A", "B", "C2", "D"}));
        QCOMPARE(MT::NomePreenchido, (std::vector<short>{0, 1, 1, 1, 1}));
        p.Avancar();
        QVERIFY(!Janelas::Visivel(p.f));
        QCOMPARE(MT::rsAlternativas->Campo("Marcador").toString(), QStringLiteral("alt1"));
        QVERIFY(Teste::TextosMostrados().isEmpty());
    }

    void bancoInutilizavel_data()
    {
        QTest::addColumn<bool>("ausente");
        QTest::addColumn<QString>("inicio");
        QTest::newRow("arquivo ausente") << true << "Não foi possível abrir o banco de dados";
        QTest::newRow("linhas recusadas") << false << "Não foi possível gravar as alternativas";
    }
    void bancoInutilizavel()
    {
        QFETCH(bool, ausente);
        QFETCH(QString, inicio);
        Projeto p;
        if (ausente)
            QVERIFY(QFile::remove(p.sessao.CaminhoBanco()));
        else
            QVERIFY(Teste::Executar("CREATE TRIGGER recusa BEFORE INSERT ON tblTessaura "
                                    "BEGIN SELECT RAISE(ABORT, 'recusada'); END"));
        p.Numero("3");
        QCOMPARE(Teste::TextosMostrados().size(), 1);
        QCOMPARE(Teste::UltimaMensagem()->icone, Mensagens::Icone::Critico);
        QVERIFY(Teste::UltimaMensagem()->texto.startsWith(inicio));
        QVERIFY(Teste::UltimaMensagem()->texto.contains("mdbTessaura.mdb"));
        QCOMPARE(MT::NumeroAlternativas, short(0));
        QVERIFY(!MT::rsAlternativas && !p.f->Frame1->isVisible());
        QCOMPARE(p.f->Text3->text(), QStringLiteral("3"));
        QCOMPARE(QFile::exists(p.sessao.CaminhoBanco()), !ausente);  // never created anew
    }

    void ajudaDasOrdens()
    {
        Projeto p;
        p.f->Portao->Label44_MouseMove();  // over the covered "Avançar"
        QCOMPARE(p.f->Portao->Label42->text(),
                 QStringLiteral("O botão 'Avançar' estará disponível quando todos os dados, referentes "
                                "à todas alternativas estudadas, forem fornecidos."));
        p.Numero("3");
        // The help icon explains both entry orders in a dialog unloaded on closing.
        QString titulo, texto;
        Teste::AoExibirModal([&](Dialogo* d) {
            auto* tipos = qobject_cast<frmTipoEntradaDados*>(d);
            titulo = d->windowTitle();
            texto = tipos->RichTextBox1->toPlainText();
            QTest::mouseClick(tipos->Command1, Qt::LeftButton);
        });
        QTest::mouseClick(p.f->Image1, Qt::LeftButton);
        QCOMPARE(titulo, QStringLiteral("Análise Tessaura"));
        QVERIFY(texto.contains(p.f->Option1->text()) && texto.contains(p.f->Option2->text()));
        QVERIFY(!Janelas::Carregada("frmTipoEntradaDados"));
    }
};

QTEST_MAIN(TesteInicio)
#include "tst_inicio.moc"
