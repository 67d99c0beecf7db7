// The results window never passes old indices off as current. A run that could not finish (another program
// holding the file at a read or at the write-back, or deleting a row meanwhile) leaves the window out of date:
// it runs again when it is next brought to the front, and "Análise econômica" (or the menu's way into the
// economic analysis) runs it first, so the economic analysis starts only from indices of the data as they are.
#include "Ambiente.h"

#include "common/Banco.h"
#include "common/Espera.h"
#include "common/GradeFlex.h"
#include "common/ModuloTessaura.h"
#include "evaluation/Avaliacao.h"
#include "evaluation/TabelaAvaliacao.h"
#include "evaluation/frmCalculoIndices.h"
#include "review/frmDadosUtilizados.h"

#include <QAction>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMainWindow>
#include <QTest>
#include <memory>

namespace MT = ModuloTessaura;
using Tipo = Teste::Trava::Tipo;

namespace {

const QString kGravar = QStringLiteral("Não foi possível gravar os dados no banco de dados.");
const QString kEmUso =
    QStringLiteral("O banco de dados \"%1\" está em uso por outro programa. Feche-o e tente novamente.");
const QString kTitulo = QStringLiteral("Análise Tessaura");

std::array<double, Avaliacao::NI> pesos()
{
    return {15, 20, 15, 6, 6, 6, 6, 5, 5, 4, 4, 4, 4};
}

// Three alternatives the evaluation can run on, all chosen for the economic analysis, the weighting
// "Hidrológica" handed on.
void projeto()
{
    Teste::Projeto(3, false, QStringLiteral("Alt "));
    Teste::Executar("UPDATE tblTessaura SET TR=25, TRD=25, QJmin=10, Qalvo=10, Qinf=3, Qnat=2, PTD=1, PPI=4, "
                    "IAsup=7, IAsub=4, Aapta1=100, Aapta2=200, IP=4, ARL1=0, ARL2=50, ICC=4, PUOF=4, Ades=0, Eco=1");
    Teste::Executar("UPDATE tblTessaura SET TR=10, PTD=5 WHERE Marcador='alt1'");
    Teste::Executar("UPDATE tblTessaura SET IP=6, ARL1=20 WHERE Marcador='alt3'");
    const auto p = pesos();
    for (size_t k = 0; k < p.size(); ++k)
        MT::PesoPonderacao[k + 1] = p[k];
}

QString par(double mp, double pc) { return QString::number(mp, 'g', 15) + ' ' + QString::number(pc, 'g', 15); }

// The global indices stored in every row, in row order.
QString guardados()
{
    const QList<QVariant> mp = Teste::Coluna("SELECT PerMP FROM tblTessaura ORDER BY id"),
                          pc = Teste::Coluna("SELECT PerPC FROM tblTessaura ORDER BY id");
    QStringList r;
    for (int i = 0; i < mp.size(); ++i)
        r << par(mp[i].toDouble(), pc[i].toDouble());
    return r.join('|');
}

// The indices the data as they are now give: what a run with the file free shows and stores.
QString daTabela()
{
    std::vector<Avaliacao::Alternativa> alternativas;
    if (!TabelaAvaliacao::Ler(Banco::Abrir(), alternativas))
        return QStringLiteral("(não lida)");
    QStringList r;
    for (const Avaliacao::Linha& l : Avaliacao::Calcular(alternativas, pesos()).linhas)
        r << par(l.mp, l.pc);
    return r.join('|');
}

// The two global indices the consequence grid shows, read back by the locale.
QString naGrade(frmCalculoIndices* calculo)
{
    auto* flex = Teste::Controle<GradeFlex>(calculo, QStringLiteral("Flex"));
    QStringList r;
    for (int i = 1; i < flex->Linhas(); ++i)
        r << par(QLocale().toDouble(flex->Texto(i, Avaliacao::NI + 1)),
                 QLocale().toDouble(flex->Texto(i, Avaliacao::NI + 2)));
    return r.join('|');
}

// The toolbar's "dados": the review, in front.
frmDadosUtilizados* dados()
{
    QAction* a = MT::BotaoBarra(QStringLiteral("dados"));
    a->setEnabled(true);
    a->trigger();
    return Janelas::Obter<frmDadosUtilizados>();
}

// "title [icon] text" of each message shown since the history was cleared.
QString mensagens()
{
    QStringList r;
    for (const Mensagens::Mensagem& m : Mensagens::Historico())
        r << Teste::Resumo(m.titulo, m.icone, m.texto);
    return r.join(" / ");
}

}  // namespace

class TesteIndicesAtuais : public QObject {
    Q_OBJECT
private slots:
    // In the review, a datum changed with the one-datum editor; another program takes the file while "O dado
    // foi alterado!" is up. The reload of the results cannot read: one message, the file in use (the datum is
    // stored), and an empty window. Once the file is free, "Análise econômica" runs first and its chooser opens
    // on the indices of the changed data; or the results window, brought to the front again by leaving the
    // review, fills its grid.
    // Under a hold that lets reads through, the reload fills the grid but cannot store its indices: the same
    // one message, and the window is out of date all the same.
    void recargaDoEditorComOBancoOcupado_data()
    {
        QTest::addColumn<bool>("analise");
        QTest::addColumn<int>("tipo");
        const char* const nomes[] = {"exclusiva", "escrita", "leitura"};
        for (const Tipo t : {Tipo::Exclusiva, Tipo::Escrita, Tipo::Leitura}) {
            QTest::addRow("Análise econômica, %s", nomes[int(t)]) << true << int(t);
            QTest::addRow("Sair da revisão, %s", nomes[int(t)]) << false << int(t);
        }
    }
    void recargaDoEditorComOBancoOcupado()
    {
        QFETCH(bool, analise);
        QFETCH(int, tipo);
        Teste::Sessao s;
        Banco::Testes::DefinirEspera(30);
        projeto();
        auto* calculo = s.Mostrar<frmCalculoIndices>();
        const QString antes = guardados();
        frmDadosUtilizados* revisao = dados();
        std::unique_ptr<Teste::Trava> trava;
        Mensagens::DefinirRespondedor([&](const Mensagens::Mensagem& m) {
            if (m.texto == QStringLiteral("O dado foi alterado!"))
                trava = std::make_unique<Teste::Trava>(s.CaminhoBanco(), Tipo(tipo));
            return Mensagens::Resposta::OK;
        });
        Teste::NoDialogo([](QDialog* d) {
            Teste::Substituir(Teste::Controle<QLineEdit>(d, QStringLiteral("Text1")), QStringLiteral("40"));
            QTest::mouseClick(Teste::Controle(d, QStringLiteral("CommandButton1")), Qt::LeftButton);
        });
        QLabel* tr = revisao->Valores.value(QStringLiteral("Label5"));
        QTest::mouseClick(tr, Qt::LeftButton, {}, tr->rect().center());
        QVERIFY(trava && trava->Tomada());
        trava.reset();
        calculo = Janelas::Obter<frmCalculoIndices>();
        QVERIFY(calculo);
        const QString novos = daTabela();
        QCOMPARE(mensagens() + " | TR " + Teste::Campo("TR", 1).toString() + ", "
                     + QString::number(calculo->Atual()) + ", " + naGrade(calculo) + " | " + guardados(),
                 Teste::Resumo(kTitulo, Mensagens::Icone::Informacao, "O dado foi alterado!") + " / "
                     + Teste::Resumo(kTitulo, Mensagens::Icone::Critico, kEmUso.arg(s.CaminhoBanco()))
                     + " | TR 40, 0, " + (Tipo(tipo) == Tipo::Exclusiva ? QString() : novos) + " | " + antes);

        Teste::ResponderMensagens();
        Mensagens::LimparHistorico();
        QVERIFY(novos != antes);
        QString naEscolha = QStringLiteral("(não abriu)");
        if (analise) {
            Teste::NoDialogo([&](QDialog* d) { naEscolha = d->objectName() + ' ' + guardados(); });
            QTest::mouseClick(Teste::Controle(calculo, QStringLiteral("cmdAnaEco")), Qt::LeftButton);
        } else {
            QTest::mouseClick(Teste::Controle(dados(), QStringLiteral("Command4")), Qt::LeftButton);
            naEscolha = guardados();
        }
        QCoreApplication::processEvents();
        QCOMPARE(mensagens() + naEscolha + " | " + naGrade(calculo) + ' ' + QString::number(calculo->Atual()),
                 (analise ? "frmAltEco " : "") + novos + " | " + novos + " 1");
    }

    // A run whose write-back fails: the file taken, or a row deleted, by another program while the run pauses
    // after the grid is filled. The grid shows the new results, one message tells the failed write, and the
    // stored indices stay as they were: the window is out of date. Once the file is free, "Análise econômica"
    // (or the menu's "&About ") runs again first, and the economic analysis opens on stored indices equal to
    // the grid's.
    void gravacaoDosIndicesQueFalha_data()
    {
        QTest::addColumn<int>("trava");  // -1: a row deleted instead
        QTest::addColumn<bool>("menu");
        QTest::newRow("exclusiva") << int(Tipo::Exclusiva) << false;
        QTest::newRow("escrita") << int(Tipo::Escrita) << false;
        QTest::newRow("leitura") << int(Tipo::Leitura) << false;
        QTest::newRow("linha apagada") << -1 << false;
        QTest::newRow("exclusiva, &About") << int(Tipo::Exclusiva) << true;
    }
    void gravacaoDosIndicesQueFalha()
    {
        QFETCH(int, trava);
        QFETCH(bool, menu);
        Teste::Sessao s;
        Banco::Testes::DefinirEspera(30);
        projeto();
        auto* calculo = s.Mostrar<frmCalculoIndices>();
        // Another program changes a datum; the window is then brought to the front again.
        Teste::Executar("UPDATE tblTessaura SET TR=40 WHERE Marcador='alt1'");
        const QString antes = guardados();
        int pausas = 0;
        bool tomar = true;
        std::unique_ptr<Teste::Trava> presa;
        Espera::DefinirAoPausarParaTestes([&] {
            // The sixth pause comes after the grid is filled, before the indices are stored.
            if (++pausas != 6 || !tomar)
                return;
            if (trava < 0)
                Teste::Executar("DELETE FROM tblTessaura WHERE Marcador='alt3'");
            else
                presa = std::make_unique<Teste::Trava>(s.CaminhoBanco(), Tipo(trava));
        });
        Mensagens::LimparHistorico();
        Teste::MostrarOutraJanela();
        Janelas::Mostrar(calculo);
        QVERIFY(trava < 0 || (presa && presa->Tomada()));
        presa.reset();
        const QString novos = daTabela(), mostrados = naGrade(calculo);
        QCOMPARE(mensagens() + " | " + QString::number(calculo->Atual()) + " | " + guardados(),
                 Teste::Resumo(kTitulo, Mensagens::Icone::Critico, kGravar) + " | 0 | "
                     + (trava < 0 ? antes.section('|', 0, 1) : antes));
        QVERIFY(mostrados != antes.section('|', 0, mostrados.count('|')));

        tomar = false;
        pausas = 0;
        Mensagens::LimparHistorico();
        QString naEscolha = QStringLiteral("(não abriu)");
        if (menu) {
            QAction* about = Janelas::Principal()->findChild<QAction*>(QStringLiteral("mnuHelpAbout"));
            about->trigger();
            naEscolha = Teste::Frente() + ' ' + guardados();
        } else {
            Teste::NoDialogo([&](QDialog* d) { naEscolha = d->objectName() + ' ' + guardados(); });
            QTest::mouseClick(Teste::Controle(calculo, QStringLiteral("cmdAnaEco")), Qt::LeftButton);
        }
        QCOMPARE(mensagens() + QString::number(pausas) + ' ' + naEscolha + " | " + naGrade(calculo),
                 QStringLiteral("6 ") + (menu ? "frmEconomico " : "frmAltEco ") + novos + " | " + novos);
    }

    // A run stopped by missing data renews nothing either: "Análise econômica" runs again, tells the gap once
    // more and opens no chooser.
    void dadosQueFaltam()
    {
        Teste::Sessao s;
        projeto();
        Teste::Executar("UPDATE tblTessaura SET PTD=NULL WHERE Marcador='alt2'");
        auto* calculo = s.Mostrar<frmCalculoIndices>();
        const QString falta = Teste::Resumo(kTitulo, Mensagens::Icone::Exclamacao,
                                            "Faltam dados da alternativa \"Alt 2\" para o indicador IS1. "
                                            "Corrija-os na revisão dos dados.");
        QCOMPARE(mensagens(), falta);
        Mensagens::LimparHistorico();
        bool escolha = false;
        Teste::NoDialogo([&escolha](QDialog*) { escolha = true; });
        QTest::mouseClick(Teste::Controle(calculo, QStringLiteral("cmdAnaEco")), Qt::LeftButton);
        QCOMPARE(mensagens() + ' ' + QString::number(escolha), falta + " 0");
    }
};

TESTE_MAIN(TesteIndicesAtuais)
#include "tst_indices_atuais.moc"
