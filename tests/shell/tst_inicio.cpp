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
    // Types (or pastes) a number into the number box and presses "OK".
    void Numero(const QString& texto, bool colar = false)
    {
        QTest::mouseClick(f->Text3, Qt::LeftButton);
        f->Text3->clear();
        QGuiApplication::clipboard()->setText(texto);
        colar ? f->Text3->paste() : QTest::keyClicks(f->Text3, texto);
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
        for (const QString& nome : nomes)
            Nomear(nome), Proximo();
    }
    void Proximo() { QTest::mouseClick(f->Command6, Qt::LeftButton); }
    void Anterior() { QTest::mouseClick(f->Command5, Qt::LeftButton); }
    void Avancar() { QTest::mouseClick(f->Portao->CommandButton1, Qt::LeftButton); }
    bool PortaoAberto() const { return f->Portao->Aberto() && !f->Portao->ImitacaoCobre(); }
    // The counter of the window and the one in the status bar.
    QString Contador() const
    {
        return f->Label3->text() + '/' + f->Label5->text() + ' ' + MT::sbStatusBar()->Painel(1)->text() + ' ' +
               MT::sbStatusBar()->Painel(2)->text();
    }
};

QString Marcadores() { return Teste::Coluna("SELECT group_concat(Marcador, ' ') FROM tblTessaura").value(0).toString(); }

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
        const QString inteiro = inicio + "deve ser um número inteiro, escrito somente com algarismos.";
        QTest::newRow("vazio") << "" << "Você deve fornecer o número de alternarivas a serem analisadas";
        QTest::newRow("2") << "2" << inicio + "deve ser superior a 2.";
        QTest::newRow("negativo") << "-5" << inicio + "deve ser superior a 2.";
        QTest::newRow("32768") << "32768" << inicio + "não pode ser superior a 32767.";
        QTest::newRow("vinte algarismos") << "99999999999999999999" << inicio + "não pode ser superior a 32767.";
        QTest::newRow("decimal") << "3,5" << inteiro;
        QTest::newRow("letras coladas") << "4x" << inteiro;
    }
    // A refused number, pasted as the box's context menu does, creates no row
    // and, after an accepted one, leaves the project as it was.
    void numeroDeAlternativas()
    {
        QFETCH(QString, recusado);
        QFETCH(QString, mensagem);
        Projeto p;
        QVERIFY(!p.f->Frame1->isVisible() && p.f->Option2->isChecked() && !p.PortaoAberto());
        p.Numero(recusado, true);
        QCOMPARE(Teste::TextosMostrados(), QStringList{mensagem});
        QCOMPARE(Teste::UltimaMensagem()->titulo, QStringLiteral("Análise tessaura"));
        QVERIFY(p.f->Text3->text().isEmpty() && QApplication::focusWidget() == p.f->Text3);
        QVERIFY(Teste::Linhas("tblTessaura") == 0 && MT::NumeroAlternativas == 0 && !MT::rsAlternativas);
        QVERIFY(!p.f->Frame1->isVisible());

        // Typed, the box takes digits only and beeps at anything else.
        p.Numero("x3,");
        QCOMPARE(p.f->Text3->text(), QStringLiteral("3"));
        QCOMPARE(Mensagens::Bipes(), 2);
        QCOMPARE(Marcadores(), QStringLiteral("alt1 alt2 alt3"));
        QCOMPARE(Teste::Coluna("SELECT count(*) FROM tblTessaura WHERE Nome IS NULL AND Anotacao IS NULL "
                               "AND TR IS NULL AND PerMP IS NULL AND Eco IS NULL").first().toInt(), 3);
        QCOMPARE(MT::rsAlternativas->Campo("Marcador").toString(), QStringLiteral("alt1"));
        QVERIFY(p.f->Frame1->isVisible() && QApplication::focusWidget() == p.f->Text1);

        p.Numero(recusado, true);
        QCOMPARE(Teste::TextosMostrados(), (QStringList{mensagem, mensagem}));
        QCOMPARE(MT::NumeroAlternativas, short(3));
        QCOMPARE(Marcadores(), QStringLiteral("alt1 alt2 alt3"));
    }

    void percursoCircularEPortao()
    {
        Projeto p;
        p.Numero("3");
        QTest::keyClicks(p.f->Text2, QString(160, 'x'));  // the notes hold 150 characters
        QCOMPARE(p.f->Text2->Texto(), QString(150, 'x'));
        p.Nomear("Bacia de detenção", "Área a montante");
        p.Proximo();
        QCOMPARE(Teste::Campo("Nome || '|' || Anotacao", 1).toString(),
                 QStringLiteral("Bacia de detenção|Área a montante"));
        QVERIFY(p.f->Text1->text().isEmpty() && p.f->Text2->Texto().isEmpty());
        // Enter in either box moves on, and no line break reaches the next notes.
        p.Nomear("O'Neil", "linha");
        QTest::keyClick(p.f->Text2, Qt::Key_Enter);
        QCOMPARE(Teste::Campo("Anotacao", 2).toString(), QStringLiteral("linha"));
        QVERIFY(p.f->Text2->Texto().isEmpty() && Teste::Campo("Nome", 3).isNull());
        // Leaving an alternative whose boxes are empty writes empty texts, not Null.
        QTest::keyClick(p.f->Text1, Qt::Key_Return);
        QCOMPARE(Teste::Campo("typeof(Nome) || Anotacao", 3).toString(), QStringLiteral("text"));
        QCOMPARE(p.f->Text2->Texto(), QStringLiteral("Área a montante"));

        // Round and round either way from alt1, everything in step.
        const QStringList nomes{"Bacia de detenção", "O'Neil", ""};
        const std::pair<bool, int> passos[] = {{false, 3}, {false, 2}, {false, 1}, {false, 3}, {true, 1}, {true, 2}};
        for (const auto& [adiante, n] : passos) {
            adiante ? p.Proximo() : p.Anterior();
            QCOMPARE(p.Contador(), QStringLiteral("%1/3 Alternativa %1 de 3").arg(n));
            QCOMPARE(MT::rsAlternativas->Campo("Marcador").toString(), QStringLiteral("alt%1").arg(n));
            QCOMPARE(p.f->Text1->text(), nomes[n - 1]);
            QVERIFY(QApplication::focusWidget() == p.f->Text1 && !p.PortaoAberto());  // alt3 has no name
        }
        // The gate opens at the move after the last name, not at the name; a name
        // of blanks counts; an emptied one closes the gate at the move that leaves it.
        p.Proximo();
        p.Nomear("C");
        QVERIFY(!p.PortaoAberto());
        const std::pair<const char*, bool> depois[] = {{"C", true}, {"   ", true}, {"", false}};
        for (const auto& [nome, aberto] : depois) {
            p.Nomear(nome);
            p.Anterior();
            QCOMPARE(p.PortaoAberto(), aberto);
        }
    }

    // What is typed after the last move is stored and judged by "Avançar" itself.
    void avancarGuardaOUltimoDigitado()
    {
        Projeto p;
        MT::ObjetivoCarregado = MT::ImpactoCarregado = MT::InsercaoCarregado = true;
        p.Numero("3");
        p.NomearTodas({"A", "B", "C"});
        p.Proximo();
        p.Nomear("", "depois do último movimento");
        p.Avancar();
        QCOMPARE(Teste::Campo("Nome || Anotacao", 2).toString(), QStringLiteral("depois do último movimento"));
        QVERIFY(!p.PortaoAberto() && Janelas::Visivel(p.f) && !MT::ProjetoEmAndamento);
        p.Nomear("B2");
        p.Proximo();
        p.Avancar();
        QCOMPARE(Teste::Campo("Nome", 2).toString(), QStringLiteral("B2"));
        QVERIFY(Teste::TextosMostrados().isEmpty() && Janelas::Carregada("frmInicio"));
        QVERIFY(!MT::ObjetivoCarregado && !MT::ImpactoCarregado && !MT::InsercaoCarregado);
        QCOMPARE(MT::rsAlternativas->Campo("Marcador").toString(), QStringLiteral("alt1"));
    }

    void segundoNumeroRemodelaAsLinhas()
    {
        Projeto p;
        p.Numero("3");
        p.Nomear("A", "nota A");
        p.Proximo();
        p.NomearTodas({"B", "C"});  // gate open, on alt1
        // Back in the number box the naming hides until a number is accepted again.
        QTest::mouseClick(p.f->Text3, Qt::LeftButton);
        QVERIFY(!p.f->Frame1->isVisible() && p.f->Frame2->isVisible());
        p.f->Text3->clear();
        QTest::keyClicks(p.f->Text3, "5");
        QTest::keyClick(p.f->Text3, Qt::Key_Return);
        QCOMPARE(Marcadores(), QStringLiteral("alt1 alt2 alt3 alt4 alt5"));
        QCOMPARE(p.Contador(), QStringLiteral("1/5 Alternativa 1 de 5"));
        QCOMPARE(p.f->Text1->text() + '|' + p.f->Text2->Texto(), QStringLiteral("A|nota A"));
        // The gate is judged again: alt4 and alt5 have no name.
        p.Avancar();
        QVERIFY(!p.PortaoAberto() && Janelas::Visivel(p.f));
        for (const char* nome : {"E", "D"})
            p.Anterior(), p.Nomear(nome);
        p.Anterior();  // alt3
        QVERIFY(p.PortaoAberto());
        // Fewer alternatives: the rows beyond N go, the others keep their names,
        // the one on show what its box holds.
        p.Nomear("C2");
        p.Numero("4");
        QCOMPARE(Teste::Coluna("SELECT Marcador || Nome FROM tblTessaura ORDER BY id"),
                 (QList<QVariant>{"alt1A", "alt2B", "alt3C2", "alt4D"}));
        QCOMPARE(MT::NomePreenchido, (std::vector<short>{0, 1, 1, 1, 1}));
        p.Avancar();
        QVERIFY(!Janelas::Visivel(p.f) && Teste::TextosMostrados().isEmpty());
    }

    void bancoInutilizavel()
    {
        enum Caso { Ausente, Danificado, Recusa };
        for (const Caso caso : {Ausente, Danificado, Recusa}) {
            Projeto p;
            if (caso == Ausente) {
                QVERIFY(QFile::remove(p.sessao.CaminhoBanco()));
            } else if (caso == Danificado) {
                Banco::DefinirCaminhoParaTestes(p.sessao.CaminhoBanco());  // closes the program's connection
                QFile f(p.sessao.CaminhoBanco());
                QVERIFY(f.open(QIODevice::WriteOnly) && f.write(QByteArray(4096, 'x')) == 4096);
            } else {
                QVERIFY(Teste::Executar("CREATE TRIGGER recusa BEFORE INSERT ON tblTessaura "
                                        "BEGIN SELECT RAISE(ABORT, 'recusada'); END"));
            }
            p.Numero("3");
            QCOMPARE(Teste::TextosMostrados().size(), 1);
            QCOMPARE(Teste::UltimaMensagem()->icone, Mensagens::Icone::Critico);
            // A missing or damaged file is named; rows refused get the failed-write message.
            QVERIFY(caso != Recusa ? Teste::UltimaMensagem()->texto.startsWith("Não foi possível abrir o banco de dados")
                                         && Teste::UltimaMensagem()->texto.contains("mdbTessaura.mdb")
                                   : Teste::UltimaMensagem()->texto == "Não foi possível gravar os dados no banco de dados.");
            QVERIFY(MT::NumeroAlternativas == 0 && !MT::rsAlternativas && !p.f->Frame1->isVisible());
            QCOMPARE(QFile::exists(p.sessao.CaminhoBanco()), caso != Ausente);  // never created anew
        }
    }

    // The hint over the covered "Avançar"; the help icon explains both entry
    // orders in a dialog unloaded on closing.
    void ajudaDasOrdens()
    {
        Projeto p;
        p.f->Portao->Label44_MouseMove();
        QCOMPARE(p.f->Portao->Label42->text(),
                 QStringLiteral("O botão 'Avançar' estará disponível quando todos os dados, referentes "
                                "à todas alternativas estudadas, forem fornecidos."));
        p.Numero("3");
        QString texto;
        Teste::AoExibirModal([&](Dialogo* d) {
            texto = d->windowTitle() + '|' + qobject_cast<frmTipoEntradaDados*>(d)->RichTextBox1->toPlainText();
            QTest::mouseClick(qobject_cast<frmTipoEntradaDados*>(d)->Command1, Qt::LeftButton);
        });
        QTest::mouseClick(p.f->Image1, Qt::LeftButton);
        QVERIFY(texto.startsWith("Análise Tessaura|") && texto.contains(p.f->Option1->text()));
        QVERIFY(texto.contains(p.f->Option2->text()) && !Janelas::Carregada("frmTipoEntradaDados"));
    }
};

QTEST_MAIN(TesteInicio)
#include "tst_inicio.moc"
