// The alternatives window: the number of alternatives, naming them, the entry order, the hand-over.
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
        Teste::Substituir(f->Text1, nome);
        f->Text2->clear();
        Teste::Digitar(f->Text2, notas);
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
        QCOMPARE(Teste::UltimaResumida(), Teste::Resumo("Análise tessaura", Mensagens::Icone::Informacao, mensagem));
        QVERIFY(Teste::TextosMostrados().size() == 1 && p.f->Text3->text().isEmpty() && !p.f->Frame1->isVisible()
                && QApplication::focusWidget() == p.f->Text3 && Teste::Linhas("tblTessaura") == 0
                && MT::NumeroAlternativas == 0 && !MT::rsAlternativas);
        // Typed, the box takes digits only and beeps at anything else.
        p.Numero("x3,");
        QCOMPARE(p.f->Text3->text() + ' ' + QString::number(Mensagens::Bipes()) + ' ' + Marcadores() + ' '
                     + MT::rsAlternativas->Campo("Marcador").toString() + ' ' + Teste::Coluna("SELECT count(*) FROM "
                     "tblTessaura WHERE coalesce(Nome, Anotacao, TR, PerMP, Eco) IS NULL").first().toString(),
                 QStringLiteral("3 2 alt1 alt2 alt3 alt1 3"));
        QVERIFY(p.f->Frame1->isVisible() && QApplication::focusWidget() == p.f->Text1);
        p.Numero(recusado, true);
        QCOMPARE(Teste::TextosMostrados(), (QStringList{mensagem, mensagem}));
        QCOMPARE(QString::number(MT::NumeroAlternativas) + ' ' + Marcadores(), QStringLiteral("3 alt1 alt2 alt3"));
    }

    // The hint over the covered "Avançar"; the help icon explains both entry orders in a dialog
    // unloaded on closing. Names and notes stored at each move; the walk goes round; the gate.
    void percursoCircularEPortao()
    {
        Projeto p;
        p.f->Portao->Label44_MouseMove();
        QCOMPARE(p.f->Portao->Label42->text(), QStringLiteral("O botão 'Avançar' estará disponível quando todos os "
                                                              "dados, referentes à todas alternativas estudadas, "
                                                              "forem fornecidos."));
        p.Numero("3");
        QString texto;
        Teste::AoExibirModal([&](Dialogo* d) {
            texto = d->windowTitle() + '|' + qobject_cast<frmTipoEntradaDados*>(d)->RichTextBox1->toPlainText();
            QTest::mouseClick(qobject_cast<frmTipoEntradaDados*>(d)->Command1, Qt::LeftButton);
        });
        QTest::mouseClick(p.f->Image1, Qt::LeftButton);
        QVERIFY(texto.startsWith("Análise Tessaura|") && texto.contains(p.f->Option1->text()));
        QVERIFY(texto.contains(p.f->Option2->text()) && !Janelas::Carregada("frmTipoEntradaDados"));
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
        QCOMPARE(Teste::Campo("typeof(Nome) || Anotacao", 3).toString() + '|' + p.f->Text2->Texto(),
                 QStringLiteral("text|Área a montante"));
        // Round and round either way from alt1, everything in step.
        const QStringList nomes{"Bacia de detenção", "O'Neil", ""};
        const std::pair<bool, int> passos[] = {{false, 3}, {false, 2}, {false, 1}, {false, 3}, {true, 1}, {true, 2}};
        for (const auto& [adiante, n] : passos) {
            adiante ? p.Proximo() : p.Anterior();
            QCOMPARE(p.Contador() + ' ' + MT::rsAlternativas->Campo("Marcador").toString() + ' ' + p.f->Text1->text(),
                     QStringLiteral("%1/3 Alternativa %1 de 3 alt%1 ").arg(n) + nomes[n - 1]);
            QVERIFY(QApplication::focusWidget() == p.f->Text1 && !p.PortaoAberto());  // alt3 has no name
        }
        // The gate opens at the move after the last name, not at the name; a name
        // of blanks counts; an emptied one closes the gate at the move that leaves it.
        p.Proximo();
        p.Nomear("C");
        QVERIFY(!p.PortaoAberto());
        for (const auto& [nome, aberto] : {std::pair{"C", true}, {"   ", true}, {"", false}}) {
            p.Nomear(nome);
            p.Anterior();
            QCOMPARE(p.PortaoAberto(), aberto);
        }
    }

    void segundoNumeroRemodelaAsLinhas()
    {
        Projeto p;
        p.Numero("3");
        p.Nomear("A", "nota A");
        p.Proximo();
        p.Nomear("B"), p.Proximo(), p.Nomear("C"), p.Proximo();  // gate open, on alt1
        // Back in the number box the naming hides until a number is accepted again.
        QTest::mouseClick(p.f->Text3, Qt::LeftButton);
        QVERIFY(!p.f->Frame1->isVisible() && p.f->Frame2->isVisible());
        p.f->Text3->clear();
        QTest::keyClicks(p.f->Text3, "5");
        QTest::keyClick(p.f->Text3, Qt::Key_Return);
        QCOMPARE(Marcadores() + ' ' + p.Contador(), QStringLiteral("alt1 alt2 alt3 alt4 alt5 1/5 Alternativa 1 de 5"));
        QCOMPARE(p.f->Text1->text() + '|' + p.f->Text2->Texto(), QStringLiteral("A|nota A"));
        // The gate is judged again: alt4 and alt5 have no name.
        p.Avancar();
        QVERIFY(!p.PortaoAberto() && Janelas::Visivel(p.f));
        for (const char* nome : {"E", "D"})
            p.Anterior(), p.Nomear(nome);
        p.Anterior();  // alt3
        QVERIFY(p.PortaoAberto());
        // Fewer alternatives: the rows beyond N go, the one on show keeps what its box holds (rows at the end).
        p.Nomear("C2");
        p.Numero("4");
        QCOMPARE(MT::NomePreenchido, (std::vector<short>{0, 1, 1, 1, 1}));
        // What is typed after the last move is stored and judged by "Avançar" itself.
        MT::ObjetivoCarregado = MT::ImpactoCarregado = MT::InsercaoCarregado = true;
        p.Proximo();
        p.Nomear("", "depois do último movimento");
        p.Avancar();
        QCOMPARE(Teste::Campo("Nome || Anotacao", 2).toString(), QStringLiteral("depois do último movimento"));
        QVERIFY(!p.PortaoAberto() && Janelas::Visivel(p.f) && !MT::ProjetoEmAndamento);
        p.Nomear("B2");
        p.Proximo();
        p.Avancar();
        QCOMPARE(Teste::Coluna("SELECT Marcador || Nome FROM tblTessaura ORDER BY id")
                     << MT::rsAlternativas->Campo("Marcador"),
                 (QList<QVariant>{"alt1A", "alt2B2", "alt3C2", "alt4D", "alt1"}));
        QVERIFY(!Janelas::Visivel(p.f) && Janelas::Carregada("frmInicio") && Teste::TextosMostrados().isEmpty()
                && !MT::ObjetivoCarregado && !MT::ImpactoCarregado && !MT::InsercaoCarregado);
    }

    void bancoInutilizavel()
    {
        enum Caso { Ausente, Danificado, Recusa };
        for (const Caso caso : {Ausente, Danificado, Recusa}) {
            Projeto p;
            QFile f(p.sessao.CaminhoBanco());
            if (caso == Danificado)
                Banco::DefinirCaminhoParaTestes(f.fileName());  // closes the program's connection
            QVERIFY(caso == Ausente ? f.remove()
                    : caso == Danificado ? f.open(QIODevice::WriteOnly | QIODevice::Unbuffered)
                                               && f.write(QByteArray(4096, 'x')) == 4096
                                         : Teste::Executar("CREATE TRIGGER recusa BEFORE INSERT ON tblTessaura "
                                                           "BEGIN SELECT RAISE(ABORT, 'recusada'); END"));
            p.Numero("3");
            const Mensagens::Mensagem* m = Teste::UltimaMensagem();
            // A missing or damaged file is named; rows refused get the failed-write message.
            QVERIFY(Teste::TextosMostrados().size() == 1 && m->icone == Mensagens::Icone::Critico
                    && (caso != Recusa ? m->texto.startsWith("Não foi possível abrir o banco de dados")
                                             && m->texto.contains("mdbTessaura.mdb")
                                       : m->texto == "Não foi possível gravar os dados no banco de dados."));
            QVERIFY(MT::NumeroAlternativas == 0 && !MT::rsAlternativas && !p.f->Frame1->isVisible());
            QCOMPARE(QFile::exists(p.sessao.CaminhoBanco()), caso != Ausente);  // never created anew
        }
    }
};

TESTE_MAIN(TesteInicio)
#include "tst_inicio.moc"
