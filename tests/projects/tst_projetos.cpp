// Saved projects: saving through the dialog (first, replacing, cancelled, failed) and opening with a password.
#include "Ambiente.h"

#include "common/Banco.h"
#include "common/CaixaTexto.h"
#include "common/ModuloTessaura.h"
#include "entry/frmImpacto.h"
#include "entry/frmObjetivo.h"
#include "projects/Senha.h"
#include "projects/frmAbrir.h"
#include "projects/frmSalvar.h"
#include "projects/frmSenha.h"
#include "shell/frmMain.h"

#include <QAction>
#include <QDate>
#include <QFile>
#include <QFileInfo>
#include <QTest>

namespace MT = ModuloTessaura;
using Mensagens::Icone;
using Mensagens::Resposta;

namespace {

const QString kNome = QStringLiteral("Bacia d'Água 50%_x");
const QString kSalvo = QStringLiteral("O projeto foi salvo!");

// Three alternatives, the second with nothing given; one project saved before.
void projeto(const QString& salvo = QStringLiteral("Leito"))
{
    Teste::Projeto(3);
    Teste::Executar("UPDATE tblTessaura SET TR = 25, QJmin = 1.5, PTD = 3, Anotacao = 'Nota ç', "
                    "Ainf = 10.25, PUOF = 7, PerMP = 4.5 WHERE Marcador = 'alt1'");
    Teste::Executar("UPDATE tblTessaura SET Nome = NULL WHERE Marcador = 'alt2'");
    Teste::Executar("UPDATE tblTessaura SET Ades = 1200.75, Aapta2 = 0 WHERE Marcador = 'alt3'");
    Teste::Inserir("tblSaveNome", {{"Projeto", salvo}, {"Data", "2000-02-01"}, {"Time", "08:30:00"},
                                   {"Responsavel", "Rui"}, {"Pass", ""}});
    Teste::Inserir("tblSave", {{"Projeto", salvo}, {"Nome", "antiga"}});
}

int g_dialogos = 0;  // save dialogs or password prompts shown by the last action
// Name, options (the password shown masked) and "Salvar".
void preencher(frmSalvar* d, const QString& nome, const QString& senha = {},
               const QString& descricao = QStringLiteral("Várzea, 2ª etapa"))
{
    Teste::Substituir(d->Text1, nome);
    Teste::Clicar(d->Image3);
    Teste::Digitar(d->Text2, senha);
    QCOMPARE(d->Text2->displayText(), QString(d->Text2->text().size(), '*'));
    Teste::Digitar(d->Text3, QStringLiteral("Eng. Zé"));
    Teste::Digitar(d->Text4, descricao);
    QTest::mouseClick(d->CommandButton1, Qt::LeftButton);
}
// "Salvar" (or "Salvar como"): each save dialog shown is counted and handed to `agir`.
void salvar(Teste::Sessao& s, bool comoNovo = false, std::function<void(frmSalvar*)> agir = {})
{
    g_dialogos = 0;
    Mensagens::LimparHistorico();
    Teste::AoExibirModal([agir](Dialogo* d) {
        if (auto* j = dynamic_cast<frmSalvar*>(d); j && ++g_dialogos && agir)
            agir(j);
    });
    comoNovo ? s.Principal()->mnuFileSalvarComo_Click() : Teste::Controle<QAction>(s.Principal(), "salvar")->trigger();
}
// Every saved copy but the first project's made to look older.
void envelhecer() { Teste::Executar("UPDATE tblSaveNome SET Data = '2000-01-01', Time = '00:00:00' WHERE id > 1"); }
// Everything the store holds, row identities included.
QString loja()
{
    return Teste::Coluna("SELECT (SELECT group_concat(id||quote(Projeto)||quote(Data)||quote(Time)||quote(Pass)||"
                         "quote(Responsavel)||quote(Descricao)) FROM tblSaveNome) || '#' || (SELECT group_concat("
                         "id||quote(Projeto)||quote(Nome)||quote(TR)||quote(Ades)) FROM tblSave)").value(0).toString();
}
// Rows of tblSave under the name holding exactly what the working table holds, Nulls included.
int copiasFieis(QString nome)
{
    QStringList iguais;
    for (const QString& c : QStringLiteral("Nome Anotacao Marcador TR TRD QJmin QJmax Qalvo Qinf Qnat Ainf Anat "
                                           "PTD PPI IAsup IAsub IP ARL1 ARL2 ICC PUOF Ades Aapta1 Aapta2").split(' '))
        iguais << QStringLiteral("s.%1 IS t.%1").arg(c);
    return Teste::Coluna("SELECT count(*) FROM tblSave s JOIN tblTessaura t ON " + iguais.join(" AND ")
                         + " WHERE s.Projeto = '" + nome.replace("'", "''") + "'").value(0).toInt();
}
// The open dialog loaded by name and left shown, with a project clicked.
frmAbrir* abrir(int linha)
{
    auto* d = static_cast<frmAbrir*>(Janelas::Carregar("frmAbrir"));
    Janelas::ExibirModal(d);
    d->FlexAbrir_Click(linha);
    return d;
}
// "Abrir" clicked, the messages shown before forgotten: a save dialog is filled in with `nome`, each password
// prompt (counted) answered with `senha` and Enter, or closed when it is null.
void abrirComSenha(frmAbrir* d, const QString& senha, const QString& nome = {})
{
    g_dialogos = 0;
    Mensagens::LimparHistorico();
    Teste::AoExibirModal([senha, nome](Dialogo* j) {
        if (auto* salvar = dynamic_cast<frmSalvar*>(j))
            return preencher(salvar, nome);
        auto* prompt = dynamic_cast<frmSenha*>(j);
        if (prompt && ++g_dialogos && senha.isNull())
            prompt->close();
        else if (prompt)
            Teste::Digitar(prompt->Text1, senha), QTest::keyClick(prompt->Text1, Qt::Key_Return);
    });
    QTest::mouseClick(d->CommandButton1, Qt::LeftButton);
}

}  // namespace

class TesteProjetos : public QObject {
    Q_OBJECT
private slots:
    // The dialog asks for a name and keeps its boxes' limits; cancelled it saves nothing; "Salvar" then asks
    // nothing and replaces the copy with a fresh date and time; under a saved name the dialog asks before
    // replacing that copy, showing its date in the locale; a failed save keeps it.
    void salvamentos_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("guardado");
        QTest::newRow("pt_BR") << "pt_BR" << "01/01/2000 - 00:00:00";
        QTest::newRow("en_US") << "en_US" << "1/1/00 - 12:00:00 AM";
    }
    void salvamentos()
    {
        QFETCH(QString, locale);
        QFETCH(QString, guardado);
        Teste::Sessao s(locale);
        projeto(kNome.toLower());  // differs only in letter case: another project
        salvar(s, false, [](frmSalvar* d) {
            d->Text1->setText("x");
            d->FlexSave_Click(2);  // the empty row
            QTest::mouseClick(d->CommandButton1, Qt::LeftButton);
            QCOMPARE(Teste::UltimaResumida(), Teste::Resumo("Vazora", Icone::Critico,
                                                            "Você deve dar um nome ao projeto antes de salvá-lo!"));
            QVERIFY(Janelas::Carregada("frmSalvar") && d->focusWidget() == d->Text1);
            preencher(d, kNome, QStringLiteral("Sênha12345"), QString(105, 'd'));
        });
        QVERIFY(g_dialogos == 1 && Teste::TextosMostrados().size() == 2);
        QCOMPARE(Teste::UltimaResumida(), Teste::Resumo("Análise Tessaura", Icone::Informacao, kSalvo));
        // The title, the project's row and its three rows, Nulls staying Null.
        QCOMPARE(s.Principal()->windowTitle() + '|' + QString::number(copiasFieis(kNome)) + '|'
                     + Teste::Coluna("SELECT Projeto||'|'||Data||'|'||Pass||'|'||Responsavel||'|'||Descricao "
                                     "FROM tblSaveNome").value(1).toString(),
                 "Vazora - " + kNome + "|3|" + kNome + '|' + QDate::currentDate().toString(Qt::ISODate) + '|'
                     + Projetos::EmbaralharSenha("Sênha123", Projetos::ChaveSenha) + "|Eng. Zé|" + QString(100, 'd'));
        // Cancelar, the close box and Esc save nothing, even after a row was clicked.
        const QString antes = loja();
        for (int modo = 0; modo < 3; ++modo) {
            salvar(s, true, [modo](frmSalvar* d) {
                d->FlexSave_Click(1);
                modo == 0 ? QTest::mouseClick(d->CommandButton2, Qt::LeftButton)
                          : modo == 1 ? void(d->close()) : QTest::keyClick(d->Text1, Qt::Key_Escape);
            });
            QVERIFY(Teste::TextosMostrados().isEmpty() && !Janelas::Carregada("frmSalvar") && loja() == antes);
        }
        QCOMPARE(s.Principal()->windowTitle(), "Vazora - " + kNome);
        // "Salvar" asks nothing, under the name saved before; what the open entry windows show
        // is written first, each window's entries in the row of the alternative it shows.
        envelhecer();
        Teste::Executar("UPDATE tblTessaura SET Nome = 'Renomeada', TR = NULL WHERE Marcador = 'alt1'");
        auto* objetivo = s.Mostrar<frmObjetivo>();
        s.Mostrar<frmImpacto>()->MostrarPagina({{}, {}, "3", {}, {}, false, false, MapaImpacto::Recarga::Nenhuma});
        QTest::mouseClick(objetivo->Command2, Qt::LeftButton);  // the objective walks to alt2
        objetivo->MostrarCaixas({"20", "200"});
        salvar(s);
        QVERIFY(g_dialogos == 0 && Teste::TextosMostrados() == QStringList{kSalvo});
        QVERIFY(Teste::Linhas("tblSaveNome") + Teste::Linhas("tblSave") == 2 + 4 && copiasFieis(kNome) == 3);
        QCOMPARE(Teste::Coluna("SELECT (SELECT group_concat(Data) FROM tblSaveNome WHERE Time NOT IN ('00:00:00', "
                               "'08:30:00')) || ' ' || (SELECT group_concat(quote(TR)||'|'||quote(TRD)||'|'||"
                               "quote(Qalvo), ';') FROM tblSave WHERE id > 1)").value(0).toString(),
                 QDate::currentDate().toString(Qt::ISODate) + " NULL|NULL|3.0;20|200|NULL;NULL|NULL|NULL");
        // "Salvar como" under a saved name asks first; "Não" goes back to the name.
        envelhecer();
        salvar(s, true, [](frmSalvar* d) {
            Teste::Substituir(d->Text1, kNome);
            Teste::EnfileirarResposta(Resposta::Nao);
            QTest::mouseClick(d->CommandButton1, Qt::LeftButton);
            QVERIFY(Janelas::Carregada("frmSalvar") && d->focusWidget() == d->Text1);
            QTest::mouseClick(d->CommandButton1, Qt::LeftButton);  // answered Sim
        });
        const QStringList m = Teste::TextosMostrados();
        const QString inicio = "Deseja substituir o projeto " + kNome + " ( " + guardado + " )  por " + kNome + " ( "
                               + QLocale().toString(QDate::currentDate(), QLocale::ShortFormat) + " - ";
        QVERIFY2(m.size() == 3 && m[0].startsWith(inicio) && m[1].endsWith(" )  ?") && m[2] == kSalvo
                     && Teste::Linhas("tblSaveNome") + Teste::Linhas("tblSave") == 2 + 4, qPrintable(m.join('\n')));
        // A save refused on the way (a row the database will not take) keeps the earlier copy whole.
        const QString salvo = loja();
        Teste::Executar("UPDATE tblTessaura SET Nome = 'Falha' WHERE Marcador = 'alt3'");
        Teste::Executar("CREATE TRIGGER recusa BEFORE INSERT ON tblSave WHEN NEW.Nome = 'Falha' "
                        "BEGIN SELECT RAISE(ABORT, 'recusada'); END");
        salvar(s);
        QCOMPARE(Teste::UltimaResumida(),
                 Teste::Resumo("Análise Tessaura", Icone::Critico, "Não foi possível salvar o projeto."));
        QVERIFY(Teste::TextosMostrados().size() == 1 && loja() == salvo);
        // A database file damaged (garbage over it), then gone: the one message naming the file, not the
        // failed save's; the file is neither repaired nor created anew.
        for (const bool danificado : {true, false}) {
            QFile f(s.CaminhoBanco());
            Banco::DefinirCaminhoParaTestes(f.fileName());  // closes the program's connection
            QVERIFY(danificado ? f.open(QIODevice::WriteOnly) && f.write(QByteArray(4096, 'x')) == 4096 && f.flush()
                               : f.remove());
            f.close();
            salvar(s);
            const QString inutilizavel =
                "Não foi possível abrir o banco de dados \"" + s.CaminhoBanco()
                + "\". Verifique se o arquivo existe, se pode ser gravado e se não está danificado.";
            QCOMPARE(Teste::TextosMostrados().join(" / "), inutilizavel);
            QVERIFY(Teste::UltimaMensagem()->icone == Icone::Critico && QFile::exists(s.CaminhoBanco()) == danificado
                    && (!danificado || QFileInfo(f).size() == 4096));
        }
    }

    // A project saved with a password and details is listed with them; the password typed at the prompt
    // is checked, case and all, against the project selected, also when the one in progress is saved first.
    void abrir()
    {
        Teste::Sessao s;
        projeto("protegido");  // without a password
        salvar(s, false, [](frmSalvar* d) { preencher(d, "Protegido", QStringLiteral("Chave9ç")); });
        frmAbrir* d = ::abrir(2);  // listed: the header, two projects and an empty row
        QCOMPARE((QStringList{QString::number(d->FlexAbrir->Linhas()), d->FlexAbrir->Texto(1, 1), d->Label4->text(),
                              d->Text3->text(), d->Text4->Texto()}),
                 (QStringList{"4", "01/02/2000 - 08:30:00", "Protegido", "Eng. Zé", "Várzea, 2ª etapa"}));
        // The prompt's close box cancels, even with the right password typed before.
        MT::SenhaDigitada = QStringLiteral("Chave9ç");
        abrirComSenha(d, QString());
        QVERIFY(g_dialogos == 1 && Janelas::Carregada("frmAbrir") && Teste::TextosMostrados().isEmpty());
        for (const char* errada : {"chave9ç", "Chave9çx"}) {
            abrirComSenha(d, QString::fromUtf8(errada));
            QCOMPARE(Teste::UltimaResumida(), Teste::Resumo("Senha incorreta!", Icone::Critico,
                                                            "Verifique a senha e tente novamente. O Vazora faz "
                                                            "distinção entre maiúsculas e minúsculas."));
            QVERIFY(Janelas::Carregada("frmAbrir"));
        }
        abrirComSenha(d, "Chave9ç");
        QVERIFY(Teste::TextosMostrados().isEmpty() && !Janelas::Carregada("frmAbrir"));
        // A project in progress: given up, left after a second question (no prompt then), or saved first.
        MT::ProjetoEmAndamento = true;
        d = ::abrir(1);
        Teste::EnfileirarResposta(Resposta::Nao);
        Teste::EnfileirarResposta(Resposta::Nao);
        abrirComSenha(d, "Chave9ç");
        QCOMPARE(Teste::TextosMostrados(), (QStringList{"Você deseja salvar o projeto atual?",
                                                         "O não salvamento do projeto atual implica na perda de todas "
                                                         "as informações dadas até aqui. Deseja continuar?",
                                                         "Nao continua a abrir"}));
        QVERIFY(Teste::UltimaMensagem()->titulo == "Vazora" && Janelas::Carregada("frmAbrir"));
        Teste::EnfileirarResposta(Resposta::Nao);
        abrirComSenha(d, "Chave9ç");
        QVERIFY(Teste::TextosMostrados().last() == "Continua abrindo" && g_dialogos == 0
                && !Janelas::Carregada("frmAbrir"));
        d = ::abrir(2);
        abrirComSenha(d, "Chave9ç", "Novo nome");
        QCOMPARE(Teste::TextosMostrados(), (QStringList{"Você deseja salvar o projeto atual?", kSalvo}));
        QVERIFY(g_dialogos == 1 && !Janelas::Carregada("frmAbrir") && Teste::Linhas("tblSaveNome") == 3);
    }
};

TESTE_MAIN(TesteProjetos)
#include "tst_projetos.moc"
