// What the objective, impact and insertion windows do alike, each case run on
// all three: the walk per criterion with its wrap-around, stores and Nulls,
// coming back from another window, the help boxes, the gate and "Avançar", the
// order per alternative, re-entry and a missing database; and the cues of the
// forward gate, on them and on the alternatives window.
#include "Ambiente.h"

#include "common/BarraStatus.h"
#include "common/Figuras.h"
#include "common/ModuloTessaura.h"
#include "common/PortaoAvancar.h"
#include "shell/frmMain.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTest>
#include <QTextEdit>

namespace MT = ModuloTessaura;
using Teste::Controle;

namespace {

struct JanelaDeEntrada {
    const char *nome, *proxima, *anterior, *rotuloNome, *caixa, *campo, *seguinte, *imitacao, *balao;
    const char* okAjuda;  // the button that closes the help box ("" without one)
    const char* quadro;  // the frame whose passage judges in the order per alternative ("" on change)
    QString abertoPorAlternativa;
    QStringList completar;  // "0".."2" a page, "Caixa=texto" typed, any other name clicked
    Banco::RecordsetPtr* rs;
    const char* lampada = "Image10";  // the blinking hint icon
    const char* status = "";          // the completeness text, where there is one
    bool apagadaAoApontar = false;    // the covered "Avançar" shows the unlit bulb, not the lit one
};

const QString Fechado = QStringLiteral(
    "O botão 'Avançar' estará disponível quando todos os dados, referentes à todas alternativas estudadas, "
    "forem fornecidos.");
const QString Aberto = QStringLiteral(
    "Os dados de todas as alternativas foram fornecidos. Você já pode passar para a próxima etapa.");
const QString FechadoAqui = QStringLiteral(
    "O botão 'Avançar' estará disponível quando todos os dados referentes a esta alternativa foram fornecidos. ");
const QString Depois = QStringLiteral(
    "Você deverá preencher os dados referentes as outras alternativas depois. Agora você deve avançar e "
    "completar a entrada de dados para esta alternativa.");

const JanelaDeEntrada kJanelas[] = {
    {"frmObjetivo", "Command2", "Command1", "Label15", "Text1", "TR", "frmImpacto", "Label44", "Label42", "", "",
     Depois, {"Text1=25", "Text2=50"}, &MT::rsObjetivo},
    {"frmImpacto", "Command2", "Command1", "Label35", "Text3", "Qalvo", "frmInsercao", "Label44", "Label42",
     "Command4", "Frame1", Depois,
     {"Check1", "Text1=1,5", "Text3=2", "Text4=3", "Text5=4", "1", "Option6", "Option13", "2", "Option27",
      "Option20", "0"},
     &MT::rsImpacto, "Image10", "Label46"},
    {"frmInsercao", "Command1", "Command2", "Label38", "Text1", "Aapta1", "frmCalculoIndices", "Label52",
     "Label49", "Command3", "Frame1",
     QStringLiteral("Os dados referentes a esta alternativa foram fornecidos. Agora você deve fornecer os dados "
                    "referentes as outras alternativas. Use a tecla 'F5' para aproveitar os dados de outras "
                    "alternativas."),
     {"Text1=10", "Text2=20", "Option6", "1", "Label12", "Text3=30,5", "Text4=40", "Label13", "Option12",
      "Label14", "Option17", "Label15", "Text5=10", "0"},
     &MT::rsInsercao, "Image17", "Label53", true},
    // Only the gate's cues are run on the alternatives window.
    {"frmInicio", "Command6", "Command5", "Label3", "Text1", "Nome", "frmPesoPond", "Label44", "Label42", "", "",
     {}, {"Text3=3", "Command1", "Text1=A", "Command6", "Text1=B", "Command6", "Text1=C"}, &MT::rsAlternativas},
};

class Entrada {
public:
    // n alternatives, the shared recordset on the row given, and the window shown.
    Entrada(Teste::Sessao& s, int indice, int n, bool porAlternativa = false, int linha = 1)
        : d(kJanelas[indice])
    {
        s.Principal();
        Teste::Projeto(n, porAlternativa);
        for (MT::Reentrada = linha > 1; linha > 1; --linha)
            MT::rsAlternativas->MoveNext();
        Janelas::Mostrar(j = Janelas::Carregar(QString::fromLatin1(d.nome)));
        w = j->Widget();
    }
    bool visivel() { return Janelas::Visivel(j); }
    void completar() { seguir(d.completar); }
    void seguir(const QStringList& passos)
    {
        for (const QString& passo : passos) {
            if (passo.size() == 1)
                Controle<QTabWidget>(w, "TabStrip1")->setCurrentIndex(passo.toInt());
            else if (passo.contains('='))
                Teste::Substituir(Controle<QLineEdit>(w, passo.section('=', 0, 0)), passo.section('=', 1));
            else
                Teste::Clicar(Controle(w, passo));
        }
    }
    void clicar(const char* nome) { Teste::Clicar(Controle(w, nome)); }
    void proxima() { clicar(d.proxima); }
    void anterior() { clicar(d.anterior); }
    void digitar(const QString& t) { Teste::Substituir(Controle<QLineEdit>(w, d.caixa), t); }
    bool aberto() { return Controle(w, "CommandButton1")->isEnabled(); }
    // The balloon's text with the pointer over the covered "Avançar".
    QString dica()
    {
        Teste::Apontar(Controle(w, d.imitacao));
        return Controle<QLabel>(w, d.balao)->text();
    }
    // The pointer moving onto a control (its middle), or over the window's
    // own background, clear of every control.
    void apontar(const char* nome) { QTest::mouseMove(Controle(w, nome)); }
    void apontarFundo()
    {
        const QRect r = w->visibleRegion().boundingRect();
        for (int y = r.bottom() - 4; y > r.top(); y -= 8) {
            for (int x = r.right() - 4; x > r.left(); x -= 8) {
                if (!w->childAt(x, y))
                    return QTest::mouseMove(w, QPoint(x, y));
            }
        }
        QFAIL("no background in sight");
    }
    // The hint icon as seen: "+" when shown, then "1" lit, "0" unlit, "-" no
    // picture; then after each of some ticks of the blink.
    QString lampada()
    {
        auto* l = Controle<QLabel>(w, d.lampada);
        const qint64 k = l->pixmap().cacheKey();
        return QString(l->isVisible() ? "+" : "")
               + (k == Figuras::DicaPrimeira().cacheKey() ? '1' : k == Figuras::DicaSegunda().cacheKey() ? '0' : '-');
    }
    QString piscando(int tiques)
    {
        QString r = lampada();
        while (tiques-- > 0) {
            w->findChild<PortaoAvancar*>()->Timer1_Timer();
            r += lampada();
        }
        return r;
    }
    bool balao() { return Controle(w, "Picture3")->isVisible(); }
    // The completeness text and its colour, as "Faltam alguns dados #800000".
    QString status()
    {
        auto* l = Controle<QLabel>(w, d.status);
        return l->text() + ' ' + l->palette().color(QPalette::WindowText).name();
    }
    // Name label, counter and the box, as "Alternativa 2|2 de 3|7".
    QString mostrada()
    {
        return Controle<QLabel>(w, d.rotuloNome)->text() + '|' + MT::sbStatusBar()->Painel(2)->text() + '|'
               + Controle<QLineEdit>(w, d.caixa)->text();
    }
    // The box's field in every row, "-" for Null.
    QString campo()
    {
        QStringList r;
        for (const QVariant& v : Teste::Coluna(QStringLiteral("SELECT %1 FROM tblTessaura ORDER BY id").arg(d.campo)))
            r << (v.isNull() ? QStringLiteral("-") : v.toString());
        return r.join('|');
    }
    const JanelaDeEntrada& d;
    Janela* j;
    QWidget* w;
};

}  // namespace

class TesteJanelasEntrada : public QObject {
    Q_OBJECT
private slots:
    void percursoComVoltaEReativacao_data() { janelas(); }
    void percursoComVoltaEReativacao();
    void portaoEAvancarGravamAntes_data() { janelas(); }
    void portaoEAvancarGravamAntes();
    void ordemPorAlternativaEReentrada_data() { janelas(); }
    void ordemPorAlternativaEReentrada();
    void semBancoOuSemLinhas_data() { janelas(); }
    void semBancoOuSemLinhas();
    void teclaF5PedeODadoDaCaixa_data();
    void teclaF5PedeODadoDaCaixa();
    void dicasDoPortao_data() { janelas(4); }
    void dicasDoPortao();

private:
    void janelas(int quantas = 3)
    {
        QTest::addColumn<int>("indice");
        for (int i = 0; i < quantas; ++i)
            QTest::newRow(kJanelas[i].nome) << i;
    }
};

void TesteJanelasEntrada::percursoComVoltaEReativacao()
{
    QFETCH(int, indice);
    Teste::Sessao s;
    Entrada j(s, indice, 3);
    QCOMPARE(j.mostrada(), QStringLiteral("Alternativa 1|1 de 3|"));
    QVERIFY(!j.aberto());
    j.completar();
    j.digitar("7");
    j.proxima();
    QCOMPARE(j.campo(), QStringLiteral("7|-|-"));
    QCOMPARE(j.mostrada(), QStringLiteral("Alternativa 2|2 de 3|"));

    // Another window and back: the alternative on show, what was typed and
    // the recordset stay; the counter follows it.
    j.digitar("8");
    Banco::Recordset* antes = j.d.rs->get();
    Teste::MostrarOutraJanela();
    QCOMPARE(MT::sbStatusBar()->Painel(2)->text(), QStringLiteral("9 de 9"));
    Janelas::Mostrar(j.j);
    QCOMPARE(j.mostrada(), QStringLiteral("Alternativa 2|2 de 3|8"));
    QCOMPARE(j.d.rs->get(), antes);

    j.anterior();  // stores the second, loads the first back
    QCOMPARE(j.campo(), QStringLiteral("7|8|-"));
    QCOMPARE(j.mostrada(), QStringLiteral("Alternativa 1|1 de 3|7"));
    j.anterior();  // before the first lies the last
    QCOMPARE(j.mostrada(), QStringLiteral("Alternativa 3|3 de 3|"));
    j.digitar("5");
    j.proxima();  // after the last comes the first
    QCOMPARE(j.mostrada(), QStringLiteral("Alternativa 1|1 de 3|7"));
    j.digitar("");  // emptied and left: Null
    j.proxima();
    QCOMPARE(j.campo(), QStringLiteral("-|8|5"));
    QCOMPARE(Teste::TextosMostrados(), QStringList());

    // Every help icon on each page opens its whole text, clear of the box's "OK".
    if (!*j.d.okAjuda)
        return;
    auto* ajuda = Controle<QTextEdit>(j.w, "RichTextBox1");
    auto* ok = Controle(j.w, j.d.okAjuda);
    auto* abas = Controle<QTabWidget>(j.w, "TabStrip1");
    int abertas = 0;
    for (int p = 0; p < abas->count(); ++p) {
        abas->setCurrentIndex(p);
        for (IconeAjuda* icone : j.w->findChildren<IconeAjuda*>()) {
            if (!icone->isVisible())
                continue;
            Teste::Clicar(icone);
            ++abertas;
            QVERIFY(ajuda->isVisible() && ok->isVisible() && !ajuda->geometry().intersects(ok->geometry()));
            QCOMPARE(ajuda->verticalScrollBar()->maximum(), 0);
        }
    }
    QVERIFY(abertas >= 3);
}

void TesteJanelasEntrada::portaoEAvancarGravamAntes()
{
    QFETCH(int, indice);
    Teste::Sessao s;
    Entrada j(s, indice, 3);
    for (int i = 1; i <= 3; ++i) {
        j.completar();
        QVERIFY(!j.aberto());  // typing alone never opens the gate; only a step judges
        if (i < 3)
            j.proxima();
    }
    QCOMPARE(j.dica(), Fechado);
    j.proxima();  // leaves the third complete, reaches the first complete
    QVERIFY(j.aberto());
    QCOMPARE(Controle<QLabel>(j.w, j.d.balao)->text(), Aberto);

    // Emptied after the last step: "Avançar" stores it, judges, closes the
    // gate and hands nothing over.
    j.digitar("");
    QVERIFY(j.aberto());
    j.clicar("CommandButton1");
    QCOMPARE(j.campo().left(2), QStringLiteral("-|"));
    QVERIFY(!j.aberto() && j.visivel());
    QVERIFY(!Janelas::Carregada(QString::fromLatin1(j.d.seguinte)));

    // Changed after the last step: stored, then the next window takes over.
    j.digitar("9");
    j.proxima();
    QVERIFY(j.aberto());
    j.digitar("11");
    j.clicar("CommandButton1");
    QCOMPARE(j.campo().left(5), QStringLiteral("9|11|"));
    QVERIFY(!j.visivel() && Janelas::Visivel(Janelas::Obter(QString::fromLatin1(j.d.seguinte))));
}

void TesteJanelasEntrada::ordemPorAlternativaEReentrada()
{
    QFETCH(int, indice);
    {
        Teste::Sessao s;
        Entrada j(s, indice, 2, true);
        QVERIFY(!Controle(j.w, j.d.proxima)->isEnabled() && !Controle(j.w, j.d.anterior)->isEnabled());
        QCOMPARE(j.dica(), FechadoAqui);
        j.completar();
        if (*j.d.quadro) {  // there the pointer over a frame judges, not typing
            QVERIFY(!j.aberto());
            Teste::PassarMouse(Controle(j.w, j.d.quadro));
        }
        QVERIFY(j.aberto());
        QCOMPARE(Controle<QLabel>(j.w, j.d.balao)->text(), j.d.abertoPorAlternativa);
        j.digitar("");
        if (*j.d.quadro)
            Teste::PassarMouse(Controle(j.w, j.d.quadro));
        QVERIFY(!j.aberto());
        QCOMPARE(j.campo(), QStringLiteral("-|-"));  // the window itself stores nothing in this order
    }
    // Re-entry, as the insertion window leaves it for the next alternative:
    // the shared recordset's row on show, and F5 asks for it.
    Teste::Sessao s;
    Entrada j(s, indice, 3, true, 2);
    QCOMPARE(j.mostrada(), QStringLiteral("Alternativa 2|2 de 3|"));
    QVERIFY(!j.aberto() && !Controle(j.w, j.d.proxima)->isEnabled());
    QString marcador;
    Teste::AoExibirModal([&](Dialogo* d) {
        marcador = MT::MarcadorPOP;
        Janelas::Descarregar(d);
    });
    QTest::keyClick(Controle(j.w, j.d.caixa), Qt::Key_F5);
    QCOMPARE(marcador, QStringLiteral("alt2"));
}

void TesteJanelasEntrada::semBancoOuSemLinhas()
{
    QFETCH(int, indice);
    for (const bool semBanco : {true, false}) {
        Teste::Sessao s;
        if (semBanco)
            QFile::remove(s.CaminhoBanco());
        Entrada j(s, indice, 0);
        if (semBanco) {
            QVERIFY(Teste::UltimaMensagem()->texto.contains(QStringLiteral("mdbTessaura.mdb")));
            QCOMPARE(Teste::UltimaMensagem()->icone, Mensagens::Icone::Critico);
            Mensagens::LimparHistorico();
        }
        j.completar();
        j.proxima();
        j.anterior();
        QVERIFY(!j.aberto());  // nothing to hand on
        QCOMPARE(Teste::TextosMostrados(), QStringList());
    }
}

void TesteJanelasEntrada::teclaF5PedeODadoDaCaixa_data()
{
    QTest::addColumn<int>("indice");
    QTest::addColumn<QString>("passos");  // as for completing, ";" between them
    QTest::addColumn<QString>("caixa");
    QTest::addColumn<QString>("dado");  // title|symbol|qualifier|index|unit|field|value
    const QString o = "Objetivo|T||", i = "Impactos da obra|", n = "Inserção da Obra|A||";
    QTest::newRow("TR") << 0 << "" << "Text1" << o + "r|ano|TR|";
    QTest::newRow("TRD") << 0 << "Text2=12" << "Text2" << o + "RD|ano|TRD|12";
    QTest::newRow("QJmin") << 1 << "Check1" << "Text1" << i + "Q|Mín|jus|m3|QJmin|";
    QTest::newRow("QJmax") << 1 << "Check2;Text2=4,5" << "Text2" << i + "Q|Máx|jus|m3|QJmax|4,5";
    QTest::newRow("Qalvo") << 1 << "" << "Text3" << i + "Q||alvo|m3|Qalvo|";
    QTest::newRow("Qinf") << 1 << "" << "Text4" << i + "Q||inf|m3|Qinf|";
    QTest::newRow("Qnat") << 1 << "" << "Text5" << i + "Q||nat|m3|Qnat|";
    QTest::newRow("Ainf") << 1 << "Option1" << "Text4" << i + "A||inf|m2|Ainf|";
    QTest::newRow("Anat") << 1 << "Option1" << "Text5" << i + "A||nat|m2|Anat|";
    QTest::newRow("Aapta1") << 2 << "" << "Text1" << n + "apta 1|m2|Aapta1|";
    QTest::newRow("Aapta2") << 2 << "Text2=4,5" << "Text2" << n + "apta 2|m2|Aapta2|4,5";
    QTest::newRow("ARL1") << 2 << "1;Label12" << "Text3" << n + "RL 1|m2|ARL1|";
    QTest::newRow("ARL2") << 2 << "1;Label12" << "Text4" << n + "RL 2|m2|ARL2|";
    QTest::newRow("Ades") << 2 << "1;Label15" << "Text5" << n + "des|m2|Ades|";
}

void TesteJanelasEntrada::teclaF5PedeODadoDaCaixa()
{
    QFETCH(int, indice);
    QFETCH(QString, passos);
    QFETCH(QString, caixa);
    QFETCH(QString, dado);
    Teste::Sessao s;
    Entrada j(s, indice, 2);
    j.proxima();  // the second alternative on show
    j.seguir(passos.split(';', Qt::SkipEmptyParts));
    QStringList vistos;
    Teste::AoExibirModal([&](Dialogo* d) {
        vistos << QStringList{MT::MarcadorPOP, MT::TituloPOP, MT::SimboloPOP, MT::QualificadorPOP, MT::IndicePOP,
                              MT::UnidadePOP, MT::CampoPOP, MT::ValorPOP.toString()}
                      .join('|');
        MT::ValorPOP = QStringLiteral("40");  // as the dialog gives back a datum taken over
        Janelas::Descarregar(d);
    });
    auto* c = Controle<QLineEdit>(j.w, caixa);
    QTest::keyClick(c, Qt::Key_F4);  // another key opens nothing
    QTest::keyClick(c, Qt::Key_F5);
    QCOMPARE(vistos, QStringList{"alt2|" + dado});
    QCOMPARE(c->text(), QStringLiteral("40"));
}

// The lamp blinks only once it has been lit: over the covered "Avançar" and
// while the gate is open; the balloon opens from the lamp and closes, with the
// lamp, when the pointer crosses the window's background.
void TesteJanelasEntrada::dicasDoPortao()
{
    QFETCH(int, indice);
    Teste::Sessao s;
    // The whole window in sight, for the pointer to reach every control, and
    // the pointer away from it.
    s.Principal()->resize(1024, 768);
    QVERIFY(QTest::qWaitForWindowExposed(s.Principal()));
    QTest::mouseMove(s.Principal(), QPoint(1, 1));
    Entrada j(s, indice, 1);
    QCOMPARE(j.piscando(1), QStringLiteral("--"));
    j.apontar(j.d.imitacao);
    QCOMPARE(j.piscando(2), j.d.apagadaAoApontar ? "+0+1+0" : "+1+0+1");
    QVERIFY(!j.balao());
    j.apontar(j.d.lampada);
    QVERIFY(j.balao());
    j.apontarFundo();
    QVERIFY(!j.balao() && !Controle(j.w, j.d.lampada)->isVisible());
    j.apontar(j.d.lampada);  // hidden: nothing there to open the balloon
    QVERIFY(!j.balao());

    j.completar();
    j.proxima();
    QVERIFY(j.aberto());
    QCOMPARE(j.piscando(2), QStringLiteral("+1+0+1"));
    if (*j.d.status)
        QCOMPARE(j.status(), QStringLiteral("Todos os dados foram fornecidos #008000"));
    j.digitar("");
    j.proxima();
    QVERIFY(!j.aberto());
    QCOMPARE(j.piscando(0).left(1), QStringLiteral("1"));  // hidden with the gate
    if (*j.d.status)
        QCOMPARE(j.status(), QStringLiteral("Faltam alguns dados #800000"));
}

QTEST_MAIN(TesteJanelasEntrada)
#include "tst_janelas_entrada.moc"
