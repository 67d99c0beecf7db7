// Deleting a weighting: the protected aspects, the deletion dialog and the
// refresh of the weighting window.
#include "Ambiente.h"

#include "common/Janelas.h"
#include "common/ModuloTessaura.h"
#include "weighting/frmApagarPon.h"
#include "weighting/frmPesoPond.h"

#include <QComboBox>
#include <QPushButton>
#include <QTest>

namespace MT = ModuloTessaura;
using Mensagens::Resposta;

namespace {

frmPesoPond* abrirJanela(Teste::Sessao& s)
{
    s.Principal();
    auto* j = Janelas::Carregar<frmPesoPond>();
    Janelas::Mostrar(j);
    return j;
}

QStringList itens(const QComboBox* c)
{
    QStringList t;
    for (int i = 0; i < c->count(); ++i)
        t << c->itemText(i);
    return t;
}

void inserir(const QString& nome, const QString& aspecto)
{
    QVERIFY(Teste::Executar("INSERT INTO tblPonderacao (Nome, Aspecto, c1, c2, c3, c4, c5, c6, c7, c8, "
                            "c9, c10, c11, c12, c13) VALUES (?, ?, 100, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0)",
                            {nome, aspecto}));
}

QList<QVariant> nomesGuardados()
{
    return Teste::Coluna("SELECT Nome FROM tblPonderacao ORDER BY id");
}

// What the dialog showed when it opened, and the dialog itself for the test to drive.
struct Aberto {
    int vezes = 0;
    QString titulo;
    QStringList lista;
    int selecionada = -1;
};

void registrarAbertura(Aberto& a, Dialogo* d)
{
    ++a.vezes;
    a.titulo = d->windowTitle();
    auto* c = d->findChild<QComboBox*>("ComboBox1");
    a.lista = itens(c);
    a.selecionada = c->currentIndex();
}

void clicar(Dialogo* d, const char* nome)
{
    QTest::mouseClick(d->findChild<QPushButton*>(nome), Qt::LeftButton);
}

void apagarPonderacao(frmPesoPond* j)
{
    QTest::mouseClick(j->findChild<QPushButton*>("Command1"), Qt::LeftButton);
}

}  // namespace

class TesteApagarPonderacao : public QObject {
    Q_OBJECT
private slots:
    void quatroProtegidasSoDaoMensagem();
    void quintaListadaEApagadaComSim();
    void naoMantemODialogoECancelarNaoApaga();
    void protegidaSalvaDeixaEntradaVazia();
    void nomesQuaseIguaisApagamALinhaEscolhida();
    void listaCabeTodasAsApagaveis();
};

void TesteApagarPonderacao::quatroProtegidasSoDaoMensagem()
{
    Teste::Sessao s;
    Teste::Executar("DELETE FROM tblPonderacao WHERE Aspecto = 'Geral'");
    frmPesoPond* j = abrirJanela(s);
    Aberto aberto;
    Teste::AoExibirModal([&](Dialogo* d) { registrarAbertura(aberto, d); });
    apagarPonderacao(j);
    QCOMPARE(aberto.vezes, 0);
    const Mensagens::Mensagem* m = Teste::UltimaMensagem();
    QVERIFY(m);
    QCOMPARE(m->texto, QStringLiteral("Não há ponderações a serem apagadas"));
    QCOMPARE(m->icone, Mensagens::Icone::Nenhum);
    QCOMPARE(m->botoes, Mensagens::Botoes::OK);
    QCOMPARE(m->titulo, QStringLiteral("Vazora"));
    QCOMPARE(Teste::Linhas("tblPonderacao"), 4);
}

void TesteApagarPonderacao::quintaListadaEApagadaComSim()
{
    Teste::Sessao s;
    frmPesoPond* j = abrirJanela(s);
    j->findChild<QComboBox*>("ComboBox1")->setCurrentIndex(3);
    Aberto aberto;
    Teste::AoExibirModal([&](Dialogo* d) {
        registrarAbertura(aberto, d);
        Teste::EnfileirarResposta(Resposta::Sim);
        clicar(d, "CommandButton1");
    });
    apagarPonderacao(j);
    QCOMPARE(aberto.vezes, 1);
    QCOMPARE(aberto.titulo, QStringLiteral("Apagar Ponderação"));
    QCOMPARE(aberto.lista, QStringList{"Referência"});
    QCOMPARE(aberto.selecionada, 0);
    const Mensagens::Mensagem* m = Teste::UltimaMensagem();
    QCOMPARE(m->texto, QStringLiteral("Tem certeza que deseja apagar essa ponderação?"));
    QCOMPARE(m->icone, Mensagens::Icone::Pergunta);
    QCOMPARE(m->botoes, Mensagens::Botoes::SimNao);
    QCOMPARE(m->titulo, QStringLiteral("Análise tessaura"));

    QCOMPARE(nomesGuardados(), (QList<QVariant>{"Hidrológica", "Sanitária", "Ambiental", "Social"}));
    QVERIFY(!Janelas::Carregada("frmApagarPon"));
    // The window shows the table without it, each remaining weighting once, the first selected.
    QCOMPARE(itens(j->ComboBox1), (QStringList{"Hidrológica", "Sanitária", "Ambiental", "Social"}));
    QCOMPARE(itens(j->ComboBox2), (QStringList{"Hidrológico", "Sanitário", "Ambiental", "Social"}));
    QCOMPARE(j->ComboBox1->currentIndex(), 0);
    QCOMPARE(j->Text[2]->text(), QStringLiteral("20"));
    QVERIFY(j->CommandButton1->isEnabled());

    // With only the four protected ones left there is nothing to delete.
    apagarPonderacao(j);
    QCOMPARE(aberto.vezes, 1);
    QCOMPARE(Teste::UltimaMensagem()->texto, QStringLiteral("Não há ponderações a serem apagadas"));
}

void TesteApagarPonderacao::naoMantemODialogoECancelarNaoApaga()
{
    Teste::Sessao s;
    inserir("Minha", "Geral");
    frmPesoPond* j = abrirJanela(s);
    j->ComboBox1->setCurrentIndex(2);
    emit j->ComboBox1->activated(2);
    const QString antes = j->Text[4]->text();
    bool abertoDepoisDoNao = false;
    QStringList listaDepoisDoNao;
    Teste::AoExibirModal([&](Dialogo* d) {
        d->findChild<QComboBox*>("ComboBox1")->setCurrentIndex(1);
        Teste::EnfileirarResposta(Resposta::Nao);
        clicar(d, "CommandButton1");
        abertoDepoisDoNao = Janelas::Obter("frmApagarPon") == d && d->isVisible();
        listaDepoisDoNao = itens(d->findChild<QComboBox*>("ComboBox1"));
        clicar(d, "CommandButton2");
    });
    apagarPonderacao(j);
    QVERIFY(abertoDepoisDoNao);
    QCOMPARE(listaDepoisDoNao, (QStringList{"Referência", "Minha"}));
    QCOMPARE(Teste::TextosMostrados(), QStringList{"Tem certeza que deseja apagar essa ponderação?"});
    QVERIFY(!Janelas::Carregada("frmApagarPon"));
    QCOMPARE(Teste::Linhas("tblPonderacao"), 6);
    // "Cancelar" leaves the window as it was.
    QCOMPARE(j->ComboBox1->currentIndex(), 2);
    QCOMPARE(j->Text[4]->text(), antes);
}

void TesteApagarPonderacao::protegidaSalvaDeixaEntradaVazia()
{
    Teste::Sessao s;
    inserir("Minha social", "Social");
    inserir("Outra", "social");
    inserir("Hidro", "Hidrológicos");
    frmPesoPond* j = abrirJanela(s);
    j->ComboBox1->setCurrentIndex(4);
    Aberto aberto;
    Teste::AoExibirModal([&](Dialogo* d) {
        registrarAbertura(aberto, d);
        auto* c = d->findChild<QComboBox*>("ComboBox1");
        c->setCurrentIndex(c->count() - 1);
        clicar(d, "CommandButton1");  // the empty entry: no question, nothing deleted
    });
    apagarPonderacao(j);
    QCOMPARE(aberto.lista, (QStringList{"Referência", "Outra", "Hidro", ""}));
    QVERIFY(Teste::TextosMostrados().isEmpty());
    QCOMPARE(Teste::Linhas("tblPonderacao"), 8);
    QVERIFY(!Janelas::Carregada("frmApagarPon"));
    QCOMPARE(j->ComboBox1->currentIndex(), 0);  // refreshed
    QCOMPARE(j->ComboBox1->count(), 8);
}

void TesteApagarPonderacao::nomesQuaseIguaisApagamALinhaEscolhida()
{
    Teste::Sessao s;
    inserir("Caso", "Geral");
    inserir("caso", "Geral");
    inserir("O'Neil", "Geral");
    frmPesoPond* j = abrirJanela(s);
    Aberto aberto;
    int escolhida = 2;
    Teste::AoExibirModal([&](Dialogo* d) {
        registrarAbertura(aberto, d);
        d->findChild<QComboBox*>("ComboBox1")->setCurrentIndex(escolhida);
        clicar(d, "CommandButton1");
    });
    apagarPonderacao(j);
    QCOMPARE(aberto.lista, (QStringList{"Referência", "Caso", "caso", "O'Neil"}));
    QCOMPARE(nomesGuardados(), (QList<QVariant>{"Referência", "Hidrológica", "Sanitária", "Ambiental",
                                                "Social", "Caso", "O'Neil"}));
    escolhida = 2;
    apagarPonderacao(j);
    QCOMPARE(aberto.lista, (QStringList{"Referência", "Caso", "O'Neil"}));
    QCOMPARE(nomesGuardados().last(), QVariant("Caso"));
    QCOMPARE(itens(j->ComboBox1).last(), QStringLiteral("Caso"));
}

void TesteApagarPonderacao::listaCabeTodasAsApagaveis()
{
    Teste::Sessao s;
    // Only three protected weightings: more deletable names than the usual room.
    Teste::Executar("UPDATE tblPonderacao SET Aspecto = 'Geral' WHERE Nome = 'Social'");
    inserir("Extra", "Outro");
    frmPesoPond* j = abrirJanela(s);
    Aberto aberto;
    Teste::AoExibirModal([&](Dialogo* d) {
        registrarAbertura(aberto, d);
        clicar(d, "CommandButton2");
    });
    apagarPonderacao(j);
    QCOMPARE(aberto.lista, (QStringList{"Referência", "Social", "Extra"}));
    QCOMPARE(int(MT::ListaPonderacoes.size()), 3);
    QCOMPARE(Teste::Linhas("tblPonderacao"), 6);
}

QTEST_MAIN(TesteApagarPonderacao)
#include "tst_apagarponderacao.moc"
