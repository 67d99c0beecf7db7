// Deleting a weighting: what the deletion dialog lists, the question, the row
// deleted and the refresh of the weighting window.
#include "Ambiente.h"

#include "weighting/frmPesoPond.h"

#include <QTest>

using Mensagens::Resposta;

namespace {

const QString kDialogo = QStringLiteral("frmApagarPon");

// The weighting window over the predefined weightings and the given
// {name, aspect} rows.
frmPesoPond* abrir(Teste::Sessao& s, const QList<QStringList>& linhas = {})
{
    for (const QStringList& l : linhas)
        Teste::Inserir(QStringLiteral("tblPonderacao"), {{"Nome", l[0]}, {"Aspecto", l[1]}});
    return s.Mostrar<frmPesoPond>();
}

QList<QVariant> nomesGuardados() { return Teste::Coluna("SELECT Nome FROM tblPonderacao ORDER BY id"); }
void clicar(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton); }
QComboBox* listaDoDialogo() { return Teste::Controle<QComboBox>(kDialogo, "ComboBox1"); }

// "Apagar ponderação" pressed: the list the dialog opened with, if it opened
// (it stays shown for the test to drive).
QStringList abrirDialogo(frmPesoPond* j)
{
    clicar(j->Command1);
    return Janelas::Carregada(kDialogo) ? Teste::Itens(listaDoDialogo()) : QStringList{"(não abriu)"};
}

// Entry i picked in the dialog and "Apagar" pressed, the question answered r.
void apagar(int i, Resposta r = Resposta::Sim)
{
    listaDoDialogo()->setCurrentIndex(i);
    Teste::EnfileirarResposta(r);
    clicar(Teste::Controle(kDialogo, "CommandButton1"));
}

}  // namespace

class TesteApagarPonderacao : public QObject {
    Q_OBJECT
private slots:
    void apagadaComSimEJanelaRefeita();
    void naoCancelarENomesQuaseIguais();
    void protegidasPorExtensoEEntradaVazia();
    void listaCabeTodasAsApagaveis();
};

void TesteApagarPonderacao::apagadaComSimEJanelaRefeita()
{
    Teste::Sessao s;
    frmPesoPond* j = abrir(s);
    j->ComboBox1->setCurrentIndex(3);
    QCOMPARE(abrirDialogo(j), QStringList{"Referência"});
    apagar(0);
    const Mensagens::Mensagem* m = Teste::UltimaMensagem();
    QCOMPARE(m->titulo + '|' + m->texto, QStringLiteral("Análise tessaura|Tem certeza que deseja apagar essa ponderação?"));
    QCOMPARE(m->botoes, Mensagens::Botoes::SimNao);
    QCOMPARE(nomesGuardados(), (QList<QVariant>{"Hidrológica", "Sanitária", "Ambiental", "Social"}));
    QVERIFY(!Janelas::Carregada(kDialogo));

    // The window shows the table without it, each remaining weighting once, the first selected.
    QCOMPARE(Teste::Itens(j->ComboBox1), (QStringList{"Hidrológica", "Sanitária", "Ambiental", "Social"}));
    QCOMPARE(Teste::Itens(j->ComboBox2), (QStringList{"Hidrológico", "Sanitário", "Ambiental", "Social"}));
    QCOMPARE(j->ComboBox1->currentIndex(), 0);
    QCOMPARE(j->Text[2]->text(), QStringLiteral("20"));
    QVERIFY(j->CommandButton1->isEnabled());

    // With only the four protected ones left there is nothing to delete.
    QCOMPARE(abrirDialogo(j), QStringList{"(não abriu)"});
    m = Teste::UltimaMensagem();
    QCOMPARE(m->titulo + '|' + m->texto, QStringLiteral("Vazora|Não há ponderações a serem apagadas"));
    QCOMPARE(Teste::Linhas("tblPonderacao"), 4);
}

void TesteApagarPonderacao::naoCancelarENomesQuaseIguais()
{
    Teste::Sessao s;
    frmPesoPond* j = abrir(s, {{"Caso", "Geral"}, {"caso", "Geral"}, {"O'Neil", "Geral"}});
    j->ComboBox1->setCurrentIndex(2);
    emit j->ComboBox1->activated(2);
    const QString antes = j->Text[4]->text();
    const QStringList todas{"Referência", "Caso", "caso", "O'Neil"};
    // "Não" keeps the dialog and its list as they were; "Cancelar" deletes nothing.
    QCOMPARE(abrirDialogo(j), todas);
    QCOMPARE(listaDoDialogo()->currentIndex(), 0);
    apagar(2, Resposta::Nao);
    QCOMPARE(Teste::TextosMostrados(), QStringList{"Tem certeza que deseja apagar essa ponderação?"});
    QVERIFY(Janelas::Visivel(Janelas::Obter(kDialogo)));
    QCOMPARE(Teste::Itens(listaDoDialogo()), todas);
    clicar(Teste::Controle(kDialogo, "CommandButton2"));
    QVERIFY(!Janelas::Carregada(kDialogo));
    QCOMPARE(Teste::Linhas("tblPonderacao"), 8);
    QVERIFY(j->ComboBox1->currentIndex() == 2 && j->Text[4]->text() == antes);  // window untouched

    // Names differing in letter case only, or holding a quote: the row picked goes.
    QCOMPARE(abrirDialogo(j), todas);
    apagar(2);
    QCOMPARE(nomesGuardados(), (QList<QVariant>{"Referência", "Hidrológica", "Sanitária", "Ambiental",
                                                "Social", "Caso", "O'Neil"}));
    QCOMPARE(abrirDialogo(j), (QStringList{"Referência", "Caso", "O'Neil"}));
    apagar(2);
    QCOMPARE(nomesGuardados().last(), QVariant("Caso"));
    QCOMPARE(Teste::Itens(j->ComboBox1).last(), QStringLiteral("Caso"));
}

// Only the four aspects written exactly so are protected; the list is padded
// with an empty entry, which deletes nothing.
void TesteApagarPonderacao::protegidasPorExtensoEEntradaVazia()
{
    Teste::Sessao s;
    frmPesoPond* j = abrir(s, {{"Minha social", "Social"}, {"Outra", "social"},
                               {"Hidro", "Hidrológicos"}, {"Sani", "Sanitario"}});
    j->ComboBox1->setCurrentIndex(4);
    QCOMPARE(abrirDialogo(j), (QStringList{"Referência", "Outra", "Hidro", "Sani", ""}));
    apagar(4);
    QVERIFY(Teste::TextosMostrados().isEmpty() && !Janelas::Carregada(kDialogo));
    QCOMPARE(Teste::Linhas("tblPonderacao"), 9);
    QVERIFY(j->ComboBox1->currentIndex() == 0 && j->ComboBox1->count() == 9);  // refreshed
}

void TesteApagarPonderacao::listaCabeTodasAsApagaveis()
{
    Teste::Sessao s;
    // Only three protected weightings: more deletable names than the usual room.
    Teste::Executar("UPDATE tblPonderacao SET Aspecto = 'Geral' WHERE Nome = 'Social'");
    frmPesoPond* j = abrir(s, {{"Extra", "Outro"}});
    QCOMPARE(abrirDialogo(j), (QStringList{"Referência", "Social", "Extra"}));
}

QTEST_MAIN(TesteApagarPonderacao)
#include "tst_apagarponderacao.moc"
