// Saving a project: the save dialog, the rows written, the replacing save, the
// cancelled and the failed save.
#include "Ambiente.h"

#include "common/CaixaTexto.h"
#include "common/ModuloTessaura.h"
#include "projects/Senha.h"
#include "projects/frmSalvar.h"
#include "shell/frmMain.h"

#include <QAction>
#include <QDate>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>

namespace MT = ModuloTessaura;
using Mensagens::Resposta;

namespace {

const QString kNome = QStringLiteral("Bacia d'Água 50%_x");
const char* const kCampos = "Nome,Anotacao,Marcador,TR,TRD,QJmin,QJmax,Qalvo,Qinf,Qnat,Ainf,Anat,PTD,"
                            "PPI,IAsup,IAsub,IP,ARL1,ARL2,ICC,PUOF,Ades,Aapta1,Aapta2";

// Three alternatives, the second with nothing given.
void projeto()
{
    Teste::Projeto(3);
    Teste::Executar("UPDATE tblTessaura SET TR = 25, QJmin = 1.5, PTD = 3, Anotacao = 'Nota ç', "
                    "Ainf = 10.25, PUOF = 7, PerMP = 4.5 WHERE Marcador = 'alt1'");
    Teste::Executar("UPDATE tblTessaura SET Nome = NULL WHERE Marcador = 'alt2'");
    Teste::Executar("UPDATE tblTessaura SET Ades = 1200.75, Aapta2 = 0 WHERE Marcador = 'alt3'");
}

// Each save dialog shown is handed to `agir`; the number shown is counted.
int g_dialogos = 0;
void aoSalvar(std::function<void(frmSalvar*)> agir)
{
    g_dialogos = 0;
    Teste::AoExibirModal([agir](Dialogo* d) {
        ++g_dialogos;
        agir(static_cast<frmSalvar*>(d));
    });
}
void preencher(frmSalvar* d, const QString& nome, const QString& senha = {})
{
    Teste::Substituir(d->Text1, nome);
    Teste::Clicar(d->Image3);
    Teste::Digitar(d->Text2, senha);
    Teste::Digitar(d->Text3, QStringLiteral("Eng. Zé"));
    Teste::Digitar(d->Text4, QStringLiteral("Várzea, 2ª etapa"));
    QTest::mouseClick(d->CommandButton1, Qt::LeftButton);
}

QString cabecalhos() { return Teste::Coluna("SELECT group_concat(quote(Projeto)||quote(Data)||quote(Time)||"
                                            "quote(Pass)||quote(Responsavel)||quote(Descricao), ';') "
                                            "FROM tblSaveNome").value(0).toString(); }
QString copias() { return Teste::Coluna("SELECT group_concat(id||quote(Projeto)||quote(Nome)||quote(TR)||"
                                        "quote(Ades), ';') FROM tblSave").value(0).toString(); }
// Rows of tblSave under the name that hold exactly (Nulls included) what
// the working table holds.
int copiasFieis(const QString& nome)
{
    QStringList iguais;
    for (const QString& c : QString::fromLatin1(kCampos).split(','))
        iguais << QStringLiteral("s.%1 IS t.%1").arg(c);
    Teste::Executar("CREATE TEMP TABLE IF NOT EXISTS nome (n TEXT)");
    Teste::Executar("DELETE FROM nome");
    Teste::Executar("INSERT INTO nome VALUES (?)", {nome});
    return Teste::Coluna("SELECT count(*) FROM tblSave s JOIN tblTessaura t ON " + iguais.join(" AND ")
                         + " WHERE s.Projeto = (SELECT n FROM nome)").value(0).toInt();
}

void salvar(Teste::Sessao& s) { Teste::Controle<QAction>(s.Principal(), "salvar")->trigger(); }

}  // namespace

class TesteSalvar : public QObject {
    Q_OBJECT
private slots:
    void primeiroSalvamentoEOutroEmSeguida()
    {
        Teste::Sessao s;
        projeto();
        // A saved project whose name differs only in letter case is another project.
        Teste::Inserir("tblSaveNome", {{"Projeto", kNome.toLower()}, {"Data", "2001-02-03"}, {"Time", "04:05:06"}});
        Teste::Inserir("tblSave", {{"Projeto", kNome.toLower()}, {"Nome", "antiga"}});
        aoSalvar([](frmSalvar* d) { preencher(d, kNome, QStringLiteral("Sênha12345")); });
        salvar(s);
        QCOMPARE(g_dialogos, 1);
        QCOMPARE(Teste::TextosMostrados(), QStringList{"O projeto foi salvo!"});
        QCOMPARE(Teste::UltimaMensagem()->titulo, QStringLiteral("Análise Tessaura"));
        QCOMPARE(Teste::UltimaMensagem()->icone, Mensagens::Icone::Informacao);
        QCOMPARE(s.Principal()->windowTitle(), "Vazora - " + kNome);
        const QString hoje = QDate::currentDate().toString(Qt::ISODate);
        QCOMPARE(Teste::Coluna("SELECT Projeto||'|'||Data||'|'||Pass||'|'||Responsavel||'|'||Descricao "
                               "FROM tblSaveNome ORDER BY id").value(1).toString(),
                 kNome + '|' + hoje + '|' + Projetos::EmbaralharSenha("Sênha123", Projetos::ChaveSenha)
                     + "|Eng. Zé|Várzea, 2ª etapa");
        QCOMPARE(copiasFieis(kNome), 3);
        QCOMPARE(Teste::Linhas("tblSave"), 4);
        QCOMPARE(Teste::Coluna("SELECT TR IS NULL AND Nome IS NULL FROM tblSave WHERE Marcador = 'alt2'"),
                 QList<QVariant>{1});

        // "Salvar" again asks nothing and replaces the copy with a fresh date and time.
        Teste::Executar("UPDATE tblSaveNome SET Data = '2000-01-01', Time = '00:00:00' WHERE Projeto = ?",
                        {kNome});
        Teste::Executar("UPDATE tblTessaura SET Nome = 'Renomeada', TR = NULL WHERE Marcador = 'alt1'");
        Mensagens::LimparHistorico();
        g_dialogos = 0;
        salvar(s);
        QCOMPARE(g_dialogos, 0);
        QCOMPARE(Teste::TextosMostrados(), QStringList{"O projeto foi salvo!"});
        QCOMPARE(Teste::Coluna("SELECT Data, Time <> '00:00:00' FROM tblSaveNome WHERE Time <> '04:05:06'"),
                 QList<QVariant>{hoje});
        QCOMPARE(Teste::Linhas("tblSaveNome"), 2);
        QCOMPARE(copiasFieis(kNome), 3);
        QCOMPARE(Teste::Linhas("tblSave"), 4);
        QCOMPARE(Teste::Coluna("SELECT Nome FROM tblSave ORDER BY id").first(), QVariant("antiga"));
    }

    void substituirPerguntaAntes_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("guardado");
        QTest::newRow("pt_BR") << "pt_BR" << "01/02/2000 - 08:30:00";
        QTest::newRow("en_US") << "en_US" << "2/1/00 - 8:30:00 AM";
    }
    void substituirPerguntaAntes()
    {
        QFETCH(QString, locale);
        QFETCH(QString, guardado);
        Teste::Sessao s(locale);
        projeto();
        Teste::Inserir("tblSaveNome", {{"Projeto", "Leito"}, {"Data", "2000-02-01"}, {"Time", "08:30:00"}});
        Teste::Inserir("tblSave", {{"Projeto", "Leito"}, {"Nome", "velha"}});
        QStringList perguntas;
        aoSalvar([&](frmSalvar* d) {
            QCOMPARE(d->FlexSave->item(0, 1)->text(), guardado);
            QCOMPARE(d->FlexSave->rowCount(), 2);  // the saved project and an empty row
            Teste::Substituir(d->Text1, "Leito");
            Teste::EnfileirarResposta(Resposta::Nao);
            QTest::mouseClick(d->CommandButton1, Qt::LeftButton);
            QVERIFY(Janelas::Carregada("frmSalvar") && d->focusWidget() == d->Text1);
            QVERIFY(MT::NomeProjeto.isEmpty());
            QTest::mouseClick(d->CommandButton1, Qt::LeftButton);  // the default answer: Sim
            perguntas = Teste::TextosMostrados();
        });
        s.Principal()->mnuFileSalvarComo_Click();
        QCOMPARE(perguntas.size(), 2);
        const QString inicio = "Deseja substituir o projeto Leito ( " + guardado + " )  por Leito ( "
                               + QLocale().toString(QDate::currentDate(), QLocale::ShortFormat) + " - ";
        QVERIFY2(perguntas[1].startsWith(inicio) && perguntas[1].endsWith(" )  ?"), qPrintable(perguntas[1]));
        QCOMPARE(perguntas[0], perguntas[1].left(inicio.size()) + perguntas[0].mid(inicio.size()));
        QCOMPARE(Teste::UltimaMensagem()->texto, QStringLiteral("O projeto foi salvo!"));
        QCOMPARE(Teste::Linhas("tblSaveNome"), 1);
        QCOMPARE(copiasFieis("Leito"), 3);
        QCOMPARE(Teste::Linhas("tblSave"), 3);
    }

    // Cancelar, the close box and Esc save nothing; the name confirmed before
    // stays, and the next "Salvar" saves under it.
    void cancelado_data()
    {
        QTest::addColumn<int>("modo");
        QTest::newRow("Cancelar") << 0;
        QTest::newRow("fechar") << 1;
        QTest::newRow("Esc") << 2;
    }
    void cancelado()
    {
        QFETCH(int, modo);
        Teste::Sessao s;
        projeto();
        Teste::Inserir("tblSaveNome", {{"Projeto", "Outro"}, {"Data", "2000-02-01"}, {"Time", "08:30:00"}});
        aoSalvar([](frmSalvar* d) { preencher(d, "Primeiro"); });
        salvar(s);
        const QString antes = cabecalhos() + copias();
        Mensagens::LimparHistorico();
        aoSalvar([modo](frmSalvar* d) {
            d->FlexSave_Click(0);
            QCOMPARE(d->Text1->text(), QStringLiteral("Outro"));
            if (modo == 0)
                QTest::mouseClick(d->CommandButton2, Qt::LeftButton);
            else if (modo == 1)
                d->close();
            else
                QTest::keyClick(d->Text1, Qt::Key_Escape);
            QVERIFY(!Janelas::Carregada("frmSalvar"));
        });
        s.Principal()->mnuFileSalvarComo_Click();
        QVERIFY(Teste::TextosMostrados().isEmpty());
        QCOMPARE(cabecalhos() + copias(), antes);
        QCOMPARE(s.Principal()->windowTitle(), QStringLiteral("Vazora - Primeiro"));
        g_dialogos = 0;
        salvar(s);
        QCOMPARE(g_dialogos, 0);
        QCOMPARE(Teste::TextosMostrados(), QStringList{"O projeto foi salvo!"});
        QCOMPARE(Teste::Coluna("SELECT DISTINCT Projeto FROM tblSave"), QList<QVariant>{"Primeiro"});
    }

    // A save that fails on the way keeps the earlier copy whole.
    void falhaMantemCopiaAnterior_data()
    {
        QTest::addColumn<bool>("bloqueado");
        QTest::newRow("banco bloqueado por outro") << true;
        QTest::newRow("linha recusada no meio") << false;
    }
    void falhaMantemCopiaAnterior()
    {
        QFETCH(bool, bloqueado);
        Teste::Sessao s;
        projeto();
        aoSalvar([](frmSalvar* d) { preencher(d, kNome, "x"); });
        salvar(s);
        const QString antes = cabecalhos() + copias();
        Teste::Executar("UPDATE tblTessaura SET Nome = 'Falha' WHERE Marcador = 'alt3'");
        if (!bloqueado)
            Teste::Executar("CREATE TRIGGER recusa BEFORE INSERT ON tblSave WHEN NEW.Nome = 'Falha' "
                            "BEGIN SELECT RAISE(ABORT, 'recusada'); END");
        Mensagens::LimparHistorico();
        {
            QSqlDatabase outro = QSqlDatabase::addDatabase("QSQLITE", "outro");
            outro.setDatabaseName(s.CaminhoBanco());
            QVERIFY(outro.open());
            if (bloqueado)
                QVERIFY(QSqlQuery(outro).exec("BEGIN IMMEDIATE"));
            salvar(s);
            outro.rollback();
            outro.close();
        }
        QSqlDatabase::removeDatabase("outro");
        QCOMPARE(Teste::TextosMostrados(), QStringList{"Não foi possível salvar o projeto."});
        QCOMPARE(Teste::UltimaMensagem()->titulo, QStringLiteral("Análise Tessaura"));
        QCOMPARE(Teste::UltimaMensagem()->icone, Mensagens::Icone::Critico);
        QCOMPARE(cabecalhos() + copias(), antes);
    }

    void dialogoNomeVazioEOpcoes()
    {
        Teste::Sessao s;
        aoSalvar([](frmSalvar* d) {
            QCOMPARE(d->windowTitle(), QStringLiteral("Vazora - Salvar como..."));
            QCOMPARE(d->FlexSave->rowCount(), 1);  // empty store: the empty row only
            QCOMPARE(d->FlexSave->horizontalHeaderItem(1)->text(), QStringLiteral("Última atualização"));
            d->Text1->setText("x");
            d->FlexSave_Click(0);
            QTest::mouseClick(d->CommandButton1, Qt::LeftButton);
            QCOMPARE(Teste::TextosMostrados(), QStringList{"Você deve dar um nome ao projeto antes de salvá-lo!"});
            QCOMPARE(Teste::UltimaMensagem()->titulo, QStringLiteral("Vazora"));
            QVERIFY(Janelas::Carregada("frmSalvar") && d->focusWidget() == d->Text1);

            // The panel opens below the name, the dialog growing and the buttons
            // moving under it; closing it brings everything back.
            const QRect antes = d->geometry();
            QVERIFY(!d->Frame1->isVisible());
            Teste::Clicar(d->Image3);
            QVERIFY(d->Frame1->isVisible() && d->height() > antes.height());
            QVERIFY(d->CommandButton1->y() > d->Frame1->geometry().bottom());
            Teste::Digitar(d->Text2, "áb3456789");
            QCOMPARE(d->Text2->text(), QStringLiteral("áb345678"));
            QCOMPARE(d->Text2->displayText(), QStringLiteral("********"));
            Teste::Digitar(d->Text4, QString(105, 'd'));
            QCOMPARE(d->Text4->Texto().size(), 100);
            Teste::Clicar(d->Image3);
            QVERIFY(!d->Frame1->isVisible() && d->geometry() == antes);
            QVERIFY(d->CommandButton1->geometry().bottom() < d->height());
            QTest::mouseClick(d->CommandButton2, Qt::LeftButton);
        });
        salvar(s);
        QCOMPARE(g_dialogos, 1);
        QCOMPARE(Teste::Linhas("tblSaveNome"), 0);
    }
};

QTEST_MAIN(TesteSalvar)
#include "tst_salvar.moc"
