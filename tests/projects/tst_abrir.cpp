// The open dialog: the saved projects with their details, the project in
// progress, and the password of a protected project.
#include "Ambiente.h"

#include "common/CaixaTexto.h"
#include "common/ModuloTessaura.h"
#include "projects/frmAbrir.h"
#include "projects/frmSalvar.h"
#include "projects/frmSenha.h"
#include "shell/frmMain.h"

#include <QAction>
#include <QTest>

namespace MT = ModuloTessaura;
using Mensagens::Resposta;

namespace {

// A project saved through the save dialog with a password and its details,
// and one stored without a password.
void guardarProjetos(Teste::Sessao& s)
{
    Teste::Projeto(2);
    Teste::AoExibirModal([](Dialogo* d) {
        auto* salvar = static_cast<frmSalvar*>(d);
        Teste::Substituir(salvar->Text1, "Protegido");
        Teste::Digitar(salvar->Text2, "Chave9ç");
        Teste::Digitar(salvar->Text3, "Ana");
        Teste::Digitar(salvar->Text4, "Bacia norte");
        QTest::mouseClick(salvar->CommandButton1, Qt::LeftButton);
    });
    s.Principal()->mnuFileSalvarComo_Click();
    Teste::AoExibirModal(nullptr);
    Teste::Inserir("tblSaveNome", {{"Projeto", "Livre"}, {"Data", "2000-02-01"}, {"Time", "08:30:00"},
                                   {"Responsavel", "Rui"}, {"Pass", ""}});
    Mensagens::LimparHistorico();
}

// The open dialog loaded by name and left shown.
frmAbrir* abrir()
{
    auto* d = static_cast<frmAbrir*>(Janelas::Carregar("frmAbrir"));
    Janelas::ExibirModal(d);
    return d;
}

// Each password prompt is answered with `senha` (typed, then Enter), or
// closed by its close box when senha is null.
int g_prompts = 0;
void responderSenha(const QString& senha)
{
    g_prompts = 0;
    Teste::AoExibirModal([senha](Dialogo* d) {
        auto* prompt = dynamic_cast<frmSenha*>(d);
        if (!prompt)
            return;  // the open dialog itself stays shown
        ++g_prompts;
        QCOMPARE(prompt->windowTitle(), QStringLiteral("Abrir - Senha"));
        if (senha.isNull()) {
            prompt->close();
            return;
        }
        Teste::Digitar(prompt->Text1, senha);
        QCOMPARE(prompt->Text1->displayText(), QString(senha.size(), '*'));
        QTest::keyClick(prompt->Text1, Qt::Key_Return);
    });
}

void clicarAbrir(frmAbrir* d) { QTest::mouseClick(d->CommandButton1, Qt::LeftButton); }

}  // namespace

class TesteAbrir : public QObject {
    Q_OBJECT
private slots:
    void listaEDetalhes()
    {
        Teste::Sessao s;
        guardarProjetos(s);
        QVERIFY(!Teste::Controle<QAction>(s.Principal(), "abrir")->isEnabled());
        frmAbrir* d = abrir();
        QCOMPARE(d->windowTitle(), QStringLiteral("Abrir Projeto"));
        QCOMPARE(d->FlexAbrir->rowCount(), 3);
        QCOMPARE(d->FlexAbrir->item(1, 1)->text(), QStringLiteral("01/02/2000 - 08:30:00"));
        QCOMPARE(d->Label4->text(), QStringLiteral("Projeto"));
        Teste::Clicar(d->Image3);
        QVERIFY(d->Frame1->isVisible());
        d->FlexAbrir_Click(0);
        QCOMPARE((QStringList{d->Label4->text(), d->Text3->text(), d->Text4->Texto()}),
                 (QStringList{"Protegido", "Ana", "Bacia norte"}));
        // The empty last row empties the name and leaves the details.
        d->FlexAbrir_Click(2);
        QCOMPARE((QStringList{d->Label4->text(), d->Text3->text()}), (QStringList{"", "Ana"}));
        d->FlexAbrir_Click(1);
        QCOMPARE(d->Text3->text(), QStringLiteral("Rui"));
        QVERIFY(d->Text4->Texto().isEmpty());
        QTest::mouseClick(d->CommandButton2, Qt::LeftButton);
        QVERIFY(!Janelas::Carregada("frmAbrir"));
        QVERIFY(Teste::TextosMostrados().isEmpty());
    }

    void senhaConferida()
    {
        Teste::Sessao s;
        guardarProjetos(s);
        frmAbrir* d = abrir();
        d->FlexAbrir_Click(0);
        // The prompt's close box cancels, even with the right password typed before.
        MT::SenhaDigitada = QStringLiteral("Chave9ç");
        responderSenha(QString());
        clicarAbrir(d);
        QCOMPARE(g_prompts, 1);
        QVERIFY(Janelas::Carregada("frmAbrir") && Teste::TextosMostrados().isEmpty());

        for (const char* errada : {"chave9ç", "Chave9çx"}) {
            responderSenha(QString::fromUtf8(errada));
            clicarAbrir(d);
            QCOMPARE(Teste::TextosMostrados().last(),
                     QStringLiteral("Verifique a senha e tente novamente. O Vazora faz distinção entre "
                                    "maiúsculas e minúsculas."));
            QCOMPARE(Teste::UltimaMensagem()->titulo, QStringLiteral("Senha incorreta!"));
            QCOMPARE(Teste::UltimaMensagem()->icone, Mensagens::Icone::Critico);
            QVERIFY(Janelas::Carregada("frmAbrir"));
        }
        responderSenha("Chave9ç");
        clicarAbrir(d);
        QCOMPARE(Teste::TextosMostrados().size(), 2);
        QVERIFY(!Janelas::Carregada("frmAbrir"));

        // Without a password no prompt is shown.
        g_prompts = 0;
        d = abrir();
        d->FlexAbrir_Click(1);
        clicarAbrir(d);
        QCOMPARE(g_prompts, 0);
        QVERIFY(!Janelas::Carregada("frmAbrir"));
    }

    // The project in progress: saved first, left after a second question, or
    // the open given up. The project selected at "Abrir" is the one checked.
    void projetoEmAndamento()
    {
        Teste::Sessao s;
        guardarProjetos(s);
        MT::ProjetoEmAndamento = true;
        frmAbrir* d = abrir();
        d->FlexAbrir_Click(1);
        Teste::EnfileirarResposta(Resposta::Nao);
        Teste::EnfileirarResposta(Resposta::Nao);
        clicarAbrir(d);
        QCOMPARE(Teste::TextosMostrados(),
                 (QStringList{"Você deseja salvar o projeto atual?",
                              "O não salvamento do projeto atual implica na perda de todas as "
                              "informações dadas até aqui. Deseja continuar?",
                              "Nao continua a abrir"}));
        QCOMPARE(Teste::UltimaMensagem()->titulo, QStringLiteral("Vazora"));
        QVERIFY(Janelas::Carregada("frmAbrir"));
        Mensagens::LimparHistorico();
        Teste::EnfileirarResposta(Resposta::Nao);
        clicarAbrir(d);
        QCOMPARE(Teste::TextosMostrados().last(), QStringLiteral("Continua abrindo"));
        QVERIFY(!Janelas::Carregada("frmAbrir"));

        // Saved first under a new name: the list shows it, the selection stays.
        d = abrir();
        d->FlexAbrir_Click(0);
        Mensagens::LimparHistorico();
        Teste::AoExibirModal([](Dialogo* j) {
            if (auto* salvar = dynamic_cast<frmSalvar*>(j)) {
                Teste::Substituir(salvar->Text1, "Novo nome");
                QTest::mouseClick(salvar->CommandButton1, Qt::LeftButton);
            } else {
                auto* prompt = static_cast<frmSenha*>(j);
                QCOMPARE(Janelas::Obter<frmAbrir>()->FlexAbrir->rowCount(), 4);
                QCOMPARE(Janelas::Obter<frmAbrir>()->Label4->text(), QStringLiteral("Protegido"));
                Teste::Digitar(prompt->Text1, "Chave9ç");
                QTest::mouseClick(prompt->Command1, Qt::LeftButton);
            }
        });
        clicarAbrir(d);
        QCOMPARE(Teste::TextosMostrados(),
                 (QStringList{"Você deseja salvar o projeto atual?", "O projeto foi salvo!"}));
        QVERIFY(!Janelas::Carregada("frmAbrir"));
        QCOMPARE(Teste::Linhas("tblSaveNome"), 3);
    }
};

QTEST_MAIN(TesteAbrir)
#include "tst_abrir.moc"
