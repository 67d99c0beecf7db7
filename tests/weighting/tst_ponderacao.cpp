// The weighting window: the lists, the sum gate, the hand-over, one's own weighting, deleting one, the information.
#include "Ambiente.h"

#include "common/PortaoAvancar.h"
#include "common/ModuloTessaura.h"
#include "weighting/frmPesoPond.h"

#include <QAbstractItemView>
#include <QTest>
#include <QTextEdit>

namespace MT = ModuloTessaura;
using Mensagens::Icone;
using Mensagens::Resposta;

namespace {

const QString kReferencia = QStringLiteral("10 14,1 4,9 8,1 7,8 10,9 7,7 9,4 5,9 6,1 5,1 4,2 5,6");
const QString kSomaCem = QStringLiteral("A soma dos coeficientes de ponderação deve ser igual a 100%");
const QString kDialogo = QStringLiteral("frmApagarPon");
const QStringList kPredefinidas{"Referência", "Hidrológica", "Sanitária", "Ambiental", "Social"};

// The thirteen boxes, separated by spaces.
QString coeficientes(const frmPesoPond* j)
{
    QStringList t;
    for (int n = 1; n <= 13; ++n)
        t << j->Text[n]->text();
    return t.join(' ');
}

QList<double> pesos()
{
    QList<double> p;
    for (size_t n = 1; n <= 13; ++n)
        p << MT::PesoPonderacao[n].toDouble();
    return p;
}

bool avancar(const frmPesoPond* j) { return j->CommandButton1->isEnabled(); }
void clicar(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton); }
QString nomes() { return Teste::Coluna("SELECT group_concat(Nome, '|') FROM tblPonderacao")[0].toString(); }
void escolher(QComboBox* c, int i) { c->setCurrentIndex(i), emit c->activated(i); }  // the user picks entry i

// "Nova Ponderação" (unless already new), then the coefficients (the rest "0"), the name and the aspect typed.
void novaPonderacao(frmPesoPond* j, const QStringList& c, const QString& nome = {}, const QString& aspecto = {})
{
    if (!j->NovaPonderacao())
        clicar(j->Command2);
    for (int n = 1; n <= 13; ++n)
        Teste::Substituir(j->Text[n], n <= c.size() ? c[n - 1] : QStringLiteral("0"));
    Teste::Substituir(j->TextBox1, nome);
    Teste::Substituir(j->TextBox2, aspecto);
}

// A stored weighting; coefficients not given stay Null.
void inserir(const QString& nome, const QString& aspecto, const QList<double>& c = {})
{
    QVariantMap campos{{"Nome", nome}, {"Aspecto", aspecto}};
    for (int n = 0; n < c.size(); ++n)
        campos.insert(QStringLiteral("c%1").arg(n + 1), c[n]);
    QVERIFY(Teste::Inserir(QStringLiteral("tblPonderacao"), campos));
}

// The deletion dialog's list; "Apagar ponderação" pressed: the names the dialog opened with, or "-" if it did not.
QComboBox* lista() { return Teste::Controle<QComboBox>(kDialogo, "ComboBox1"); }
QString abrirDialogo(frmPesoPond* j)
{
    clicar(j->Command1);
    return Janelas::Carregada(kDialogo) ? Teste::Itens(lista()).join('|') : "-";
}

// Entry i picked in the dialog and "Apagar" pressed, the question answered r.
void apagar(int i, Resposta r = Resposta::Sim)
{
    lista()->setCurrentIndex(i);
    Teste::EnfileirarResposta(r);
    clicar(Teste::Controle(kDialogo, "CommandButton1"));
}

}  // namespace

class TestePonderacao : public QObject {
    Q_OBJECT
private slots:
    void somaDigitada_data();
    void somaDigitada();
    void linhasGuardadasEscolhaEEntrega();
    void salvarDescartarEApagar();
    void listasAbremComSuasLinhas();
};

void TestePonderacao::somaDigitada_data()
{
    QTest::addColumn<QStringList>("textos");
    QTest::addColumn<QString>("rotulo");
    // The additions leave these a hair below 99,5: the label's digits still say 99,5.
    QTest::newRow("99,5 sobe") << QStringList{"32,3", "39,9", "27,3"} << "100";
    QTest::newRow("100,5 desce") << QStringList{"50", "50,5"} << "100";
    QTest::newRow("98,5") << QStringList{"90", "8,5"} << "98";
    QTest::newRow("99,4") << QStringList{"90", "9,4"} << "99";
    // Summed in single precision these would fall below 99,5 and round down.
    QTest::newRow("99,5 de parcelas inexatas") << QStringList{"37,6", "56,2", "5,7"} << "100";
    QTest::newRow("negativo") << QStringList{"-5", "105"} << "100";
    QTest::newRow("vazia") << QStringList{"100", ""} << "-";
    QTest::newRow("ponto em pt_BR") << QStringList{"99", "1.0"} << "-";
    QTest::newRow("além do double") << QStringList{"1e308", "1e308"} << "-";
}

// The label follows the boxes, the gate stays closed while typing; the save goes through iff the total rounds to 100.
void TestePonderacao::somaDigitada()
{
    QFETCH(QStringList, textos);
    QFETCH(QString, rotulo);
    const bool cem = rotulo == "100";
    Teste::Sessao s;
    frmPesoPond* j = s.Mostrar<frmPesoPond>();
    novaPonderacao(j, textos, "Teste", "Geral");
    QCOMPARE(j->Label27->text() + (avancar(j) ? " aberto" : ""), rotulo);
    clicar(j->Command3);
    QCOMPARE(Teste::TextosMostrados(), cem ? QStringList() : QStringList{kSomaCem});
    QVERIFY(Teste::Linhas("tblPonderacao") == (cem ? 6 : 5) && j->NovaPonderacao() != cem && avancar(j) == cem);
    QCOMPARE(Teste::Coluna("SELECT count(*) FROM tblPonderacao WHERE typeof(c2) <> 'real'").first().toInt(), 0);
}

// A stored row's total opens the gate when it rounds to 100, and "Avançar" hands on exactly the row shown.
void TestePonderacao::linhasGuardadasEscolhaEEntrega()
{
    Teste::Sessao s;
    const QList<double> doze(12, 1.0);  // c2..c13: the total is c1 + 12
    inserir("Caso", "Geral", QList<double>{87.5} + doze);
    inserir("caso", "Geral", {0, 0, 0, 0, 0, 0, 0, 0, 25, 25, 25, 12.5, 13});
    inserir("98,5", "Geral", QList<double>{86.5} + doze);
    inserir("sem c13", "Geral", QList<double>{88} + doze.mid(1));
    inserir("Sanit 2", "Sanitário", {10, 10, 10, 10, 10, 10, 10, 10, 10, 4, 2, 2, 2});
    frmPesoPond* j = s.Mostrar<frmPesoPond>();
    QCOMPARE(Teste::Itens(j->ComboBox1), (kPredefinidas + QStringList{"Caso", "caso", "98,5", "sem c13", "Sanit 2"}));
    QCOMPARE(Teste::Itens(j->ComboBox2).mid(0, 6).join(' '), "Geral Hidrológico Sanitário Ambiental Social Geral");
    QVERIFY(j->ComboBox1->currentIndex() == 0 && coeficientes(j) == kReferencia && j->Label27->text() == "100");
    QVERIFY(avancar(j) && j->Text[1]->isReadOnly() && !j->TextBox1->isVisible() && MT::PesoPonderacao[1].isNull());
    clicar(j->CommandButton1);
    QCOMPARE(pesos(), (QList<double>{10.0, 14.1, 4.9, 8.1, 7.8, 10.9, 7.7, 9.4, 5.9, 6.1, 5.1, 4.2, 5.6}));
    // Names differing in letter case only: each hands on its own row.
    const struct { int indice; const char* rotulo; double c1; } casos[] = {
        {7, "98", 10}, {8, "-", 10}, {5, "100 aberto", 87.5}, {6, "100 aberto", 0}};
    for (const auto& c : casos) {
        escolher(j->ComboBox1, c.indice);
        QCOMPARE(j->Label27->text() + (avancar(j) ? " aberto" : ""), QString(c.rotulo));
        clicar(j->CommandButton1);
        QCOMPARE(pesos().first(), c.c1);
    }
    // Brought back, the window shows the first weighting; the vector keeps its values.
    Janelas::Ativar(j);
    QVERIFY(j->ComboBox1->currentIndex() == 0 && pesos().last() == 13.0);
    // A row removed behind the window's back is not handed on; the lists are rebuilt.
    escolher(j->ComboBox1, 5);
    Teste::Executar("DELETE FROM tblPonderacao WHERE Nome = ?", {"Caso"});
    clicar(j->CommandButton1);
    QVERIFY(pesos().first() == 0.0 && j->ComboBox1->count() == 9 && Janelas::Visivel(j));  // the window stays

    // Any entry of an aspect shows the first weighting of that aspect, as if chosen by its name, and opens the gate.
    const int primeira[] = {0, 1, 2, 3, 4, 0, 0, 0, 2};
    for (int i = 8; i >= 0; --i) {
        escolher(j->ComboBox1, primeira[i]);
        const QString porNome = coeficientes(j);
        escolher(j->ComboBox1, 0);
        escolher(j->ComboBox2, i);
        QVERIFY(j->ComboBox1->currentIndex() == primeira[i] && j->ComboBox2->currentIndex() == primeira[i]);
        QVERIFY(coeficientes(j) == porNome && j->Label27->text() == "100" && avancar(j));
    }
    // Reaching Text16 refreshes the lists but never overwrites a weighting being typed; a focused box selects its text.
    escolher(j->ComboBox1, 3);
    inserir("Nova", "Geral", {100, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    j->FocarText16();
    QVERIFY(j->ComboBox1->count() == 10 && j->ComboBox1->currentIndex() == 0 && !j->Text16->hasFocus());
    QCOMPARE(coeficientes(j), kReferencia);
    novaPonderacao(j, {"70", "30"});
    Janelas::Ativar(j);
    j->FocarText16();
    QVERIFY(j->NovaPonderacao() && !j->ComboBox1->isVisible() && !avancar(j));
    QVERIFY(j->Text[1]->text() == "70" && j->Label27->text() == "100");
    Teste::Substituir(j->Text[3], "12,25");
    QTest::mouseClick(j->Text[3], Qt::LeftButton, {}, QPoint(5, 5));
    QTRY_COMPARE(j->Text[3]->selectedText(), QStringLiteral("12,25"));
    QTest::keyClicks(j->Text[3], "8");
    QCOMPARE(j->Text[3]->text(), QStringLiteral("8"));
    clicar(j->Command4);  // "Sim"

    // The information dialog, closed by its button, leaves the choice as it was.
    escolher(j->ComboBox1, 3);
    clicar(j->Image1);
    const QString info = QStringLiteral("frmInformacaoPonderacao");
    QCOMPARE(Janelas::Obter(info)->Widget()->windowTitle() + '|' +
                 Teste::Controle<QTextEdit>(info, "RichTextBox1")->toPlainText().left(50),
             QStringLiteral("Análise Tessaura|A análise de importância dos indicadores propostos"));
    clicar(Teste::Controle(info, "Command1"));
    QVERIFY(!Janelas::Carregada(info) && j->ComboBox1->currentIndex() == 3);  // no activation on closing
}

void TestePonderacao::salvarDescartarEApagar()
{
    Teste::Sessao s;
    frmPesoPond* j = s.Mostrar<frmPesoPond>();
    escolher(j->ComboBox1, 2);
    clicar(j->Command2);
    QVERIFY(j->NovaPonderacao() && !j->ComboBox1->isVisible() && j->TextBox1->isVisible() &&
            !j->Command1->isEnabled() && !j->Text[5]->isReadOnly());
    QCOMPARE(coeficientes(j), QStringList(13, "0").join(' '));

    const QStringList cem{"30", "30", "20", "19", "0,5"};
    const struct { QStringList coeficientes; QString nome, aspecto, texto; Icone icone; } recusas[] = {
        {{}, "", "", kSomaCem, Icone::Informacao},
        {cem, "", "", "Você deve dar um nome à ponderação antes de salvá-la.", Icone::Informacao},
        {cem, "Social", "", "Você deve informar em qual aspecto a ponderação se basea.", Icone::Informacao},
        {cem, "Social", "Urbano", "Existe outra ponderação com esse nome. Insira outro nome.", Icone::Critico}};
    for (const auto& r : recusas) {  // each refusal in turn, the row count unchanged
        novaPonderacao(j, r.coeficientes, r.nome, r.aspecto);
        Mensagens::LimparHistorico();
        clicar(j->Command3);
        QCOMPARE(Teste::UltimaResumida(), Teste::Resumo("Análise Tessaura", r.icone, r.texto));
        QVERIFY(Teste::TextosMostrados().size() == 1 && Teste::Linhas("tblPonderacao") == 5 && j->NovaPonderacao());
    }
    QVERIFY(j->TextBox1->text().isEmpty() && j->TextBox2->text() == "Urbano" && j->Text[4]->text() == "19");
    Teste::Substituir(j->TextBox1, "Um nome muito comprido");  // at most 13 characters
    QCOMPARE(j->TextBox1->text(), QStringLiteral("Um nome muito"));

    // Discarding asks; "Não" keeps everything typed.
    Teste::EnfileirarResposta(Resposta::Nao);
    clicar(j->Command4);
    QCOMPARE(Teste::UltimaResumida(),
             Teste::Resumo("Análise tessaura", Icone::Pergunta, "Tem certeza que deseja descartar essa ponderação?"));
    QVERIFY(Teste::UltimaMensagem()->botoes == Mensagens::Botoes::SimNao && j->NovaPonderacao() &&
            j->TextBox1->text() == "Um nome muito");

    // Another letter case is another name: saved, listed, shown and handed on.
    Teste::Substituir(j->TextBox1, "social");
    Mensagens::LimparHistorico();
    clicar(j->Command3);
    QCOMPARE(Teste::Coluna("SELECT Aspecto||'|'||c4||'|'||c5||'|'||c13 FROM tblPonderacao WHERE Nome = 'social'")
                 .value(0).toString() + Teste::TextosMostrados().join(' '), QStringLiteral("Urbano|19.0|0.5|0.0"));
    QVERIFY(!j->NovaPonderacao() && j->ComboBox1->isVisible() && j->Command1->isEnabled() &&
            j->ComboBox1->currentIndex() == 5 && j->ComboBox2->currentIndex() == 5);
    QCOMPARE(coeficientes(j), QStringLiteral("30 30 20 19 0,5 0 0 0 0 0 0 0 0"));
    clicar(j->CommandButton1);
    QCOMPARE(pesos().mid(3, 2), (QList<double>{19, 0.5}));

    // "Sim" shows the first weighting again, not the one shown before.
    clicar(j->Command2);
    clicar(j->Command4);  // "Sim"
    QVERIFY(!j->NovaPonderacao() && !j->TextBox1->isVisible() && avancar(j) && Teste::Linhas("tblPonderacao") == 6);
    QVERIFY(j->ComboBox1->currentIndex() == 0 && coeficientes(j) == kReferencia);

    // "Não" and "Cancelar" delete nothing; "Sim" deletes the row picked (letter case and quotes count); lists rebuilt.
    for (const char* nome : {"Caso", "caso", "O'Neil"})
        inserir(nome, "Geral");
    Janelas::Ativar(j);
    escolher(j->ComboBox1, 2);
    const QString antes = coeficientes(j);
    const QString todas = "Referência|social|Caso|caso|O'Neil";
    QCOMPARE(abrirDialogo(j), todas);
    apagar(3, Resposta::Nao);
    QCOMPARE(Teste::UltimaResumida(),
             Teste::Resumo("Análise tessaura", Icone::Pergunta, "Tem certeza que deseja apagar essa ponderação?"));
    QVERIFY(Teste::UltimaMensagem()->botoes == Mensagens::Botoes::SimNao && Janelas::Visivel(Janelas::Obter(kDialogo)));
    QCOMPARE(Teste::Itens(lista()).join('|'), todas);
    clicar(Teste::Controle(kDialogo, "CommandButton2"));
    QVERIFY(!Janelas::Carregada(kDialogo) && Teste::Linhas("tblPonderacao") == 9);
    QVERIFY(j->ComboBox1->currentIndex() == 2 && coeficientes(j) == antes);  // window untouched

    QCOMPARE(abrirDialogo(j), todas);
    apagar(3);
    QCOMPARE(nomes(), (kPredefinidas + QStringList{"social", "Caso", "O'Neil"}).join('|'));
    QVERIFY(!Janelas::Carregada(kDialogo));
    QCOMPARE(abrirDialogo(j), QString("Referência|social|Caso|O'Neil"));
    apagar(3);
    abrirDialogo(j);
    apagar(0);
    QCOMPARE(nomes(), (kPredefinidas.mid(1) + QStringList{"social", "Caso"}).join('|'));
    QCOMPARE(Teste::Itens(j->ComboBox1).join('|'), nomes());
    QVERIFY(j->ComboBox1->currentIndex() == 0 && j->Text[2]->text() == "20" && avancar(j));

    // Only the four aspects written exactly so are protected; the list has room for every deletable name and is
    // padded with an empty entry, which deletes nothing.
    for (const auto& [nome, aspecto] : {std::pair{"Minha social", "Social"}, {"Outra", "social"},
                                        {"Hidro", "Hidrológicos"}, {"Sani", "Sanitario"}})
        inserir(nome, aspecto);
    Janelas::Ativar(j);
    escolher(j->ComboBox1, 4);
    QCOMPARE(abrirDialogo(j), QString("social|Caso|Outra|Hidro|Sani|"));
    Mensagens::LimparHistorico();
    apagar(5);
    QVERIFY(Teste::TextosMostrados().isEmpty() && !Janelas::Carregada(kDialogo));
    QVERIFY(Teste::Linhas("tblPonderacao") == 10 && j->ComboBox1->currentIndex() == 0);  // refreshed
    // Only three protected weightings: more deletable names than the usual room.
    Teste::Executar("UPDATE tblPonderacao SET Aspecto = 'Geral' WHERE Aspecto = 'Social'");
    Teste::Executar("DELETE FROM tblPonderacao WHERE Nome IN ('Hidro', 'Sani')");
    Janelas::Ativar(j);
    QCOMPARE(abrirDialogo(j).section('|', 0, 4), QString("Social|social|Caso|Minha social|Outra"));

    // Opened on an empty table, the window does not lock up.
    clicar(Teste::Controle(kDialogo, "CommandButton2"));
    Teste::Executar("DELETE FROM tblPonderacao");
    Janelas::Descarregar(j);
    j = s.Mostrar<frmPesoPond>();
    QVERIFY(j->ComboBox1->count() == 0 && !avancar(j));
    clicar(j->CommandButton1);
    QCOMPARE(pesos().first(), 30.0);  // still what "social" handed on
    QCOMPARE(abrirDialogo(j), QString("-"));
    QCOMPARE(Teste::UltimaResumida(), Teste::Resumo("Vazora", Icone::Nenhum, "Não há ponderações a serem apagadas"));
    // The first weighting of an empty table is one's own.
    novaPonderacao(j, {"60", "40"}, "Primeira", "Geral");
    clicar(j->Command3);
    QVERIFY(Teste::Itens(j->ComboBox1) == QStringList{"Primeira"} && avancar(j));
    // Discarding on an empty table leaves a closed gate.
    Teste::Executar("DELETE FROM tblPonderacao");
    clicar(j->Command2);
    clicar(j->Command4);  // "Sim"
    QVERIFY(!j->NovaPonderacao() && !avancar(j));
}

// Opened, the name list shows 6 rows and the aspect list 4, the rest a scroll away.
void TestePonderacao::listasAbremComSuasLinhas()
{
    Teste::Sessao s;
    for (const char* nome : {"Caso 1", "Caso 2", "Caso 3"})
        inserir(nome, "Geral");
    frmPesoPond* j = s.Mostrar<frmPesoPond>();
    for (const auto& [lista, linhas] : {std::pair{j->ComboBox1, 6}, std::pair{j->ComboBox2, 4}}) {
        QVERIFY(lista->count() == 8 && !lista->isEditable());
        clicar(lista);
        QAbstractItemView* v = lista->view();
        QVERIFY(v->isVisible());
        int inteiras = 0;  // rows wholly in sight, top to bottom
        for (int i = 0; i < lista->count(); ++i) {
            const QRect r = v->visualRect(v->model()->index(i, 0));
            inteiras += r.top() >= 0 && r.bottom() < v->viewport()->height();
        }
        QCOMPARE(inteiras, linhas);
        QCOMPARE(v->indexAt(QPoint(2, v->viewport()->height() - 2)).row(), linhas - 1);
        lista->hidePopup();
    }
}

TESTE_MAIN(TestePonderacao)
#include "tst_ponderacao.moc"
