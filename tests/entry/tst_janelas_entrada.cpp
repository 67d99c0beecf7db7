// What the objective, impact and insertion windows do alike, each case run on all three: the walk with its
// wrap-around, stores and Nulls, coming back from another window, help boxes, the gate and "Avançar", the order
// per alternative, re-entry, a missing database, typing while the file is held, F5 per box; and the gate's cues,
// also on the alternatives window.
#include "Ambiente.h"

#include "common/Banco.h"
#include "common/BarraStatus.h"
#include "common/Figuras.h"
#include "common/ModuloTessaura.h"
#include "common/PortaoAvancar.h"
#include "shell/frmMain.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
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
    const char* quadro;   // the frame whose passage judges in the order per alternative ("" on change)
    QString abertoPorAlternativa;
    QStringList completar;  // "0".."2" a page, "Caixa=texto" typed, any other name clicked
    const char* lampada = "Image10";  // the blinking hint icon
    const char* status = "";          // the completeness text, where there is one
    bool apagadaAoApontar = false;    // the covered "Avançar" shows the unlit bulb, not the lit one
};

const QString Fechado = "O botão 'Avançar' estará disponível quando todos os dados, referentes à todas alternativas "
                        "estudadas, forem fornecidos.";
const QString Aberto = "Os dados de todas as alternativas foram fornecidos. Você já pode passar para a próxima etapa.";
const QString FechadoAqui = "O botão 'Avançar' estará disponível quando todos os dados referentes a esta alternativa "
                            "foram fornecidos. ";
const QString Depois = "Você deverá preencher os dados referentes as outras alternativas depois. Agora você deve "
                       "avançar e completar a entrada de dados para esta alternativa.";

const JanelaDeEntrada kJanelas[] = {
    {"frmObjetivo", "Command2", "Command1", "Label15", "Text1", "TR", "frmImpacto", "Label44", "Label42", "", "",
     Depois, {"Text1=25", "Text2=50"}},
    {"frmImpacto", "Command2", "Command1", "Label35", "Text3", "Qalvo", "frmInsercao", "Label44", "Label42", "Command4",
     "Frame1", Depois, {"Check1", "Text1=1,5", "Text3=2", "Text4=3", "Text5=4", "1", "Option6", "Option13", "2",
     "Option27", "Option20", "0"}, "Image10", "Label46"},
    {"frmInsercao", "Command1", "Command2", "Label38", "Text1", "Aapta1", "frmCalculoIndices", "Label52", "Label49",
     "Command3", "Frame1",
     "Os dados referentes a esta alternativa foram fornecidos. Agora você deve fornecer os dados referentes as "
     "outras alternativas. Use a tecla 'F5' para aproveitar os dados de outras alternativas.",
     {"Text1=10", "Text2=20", "Option6", "1", "Label12", "Text3=30,5", "Text4=40", "Label13", "Option12", "Label14",
      "Option17", "Label15", "Text5=10", "0"}, "Image17", "Label53", true},
    // Only the gate's cues are run on the alternatives window.
    {"frmInicio", "Command6", "Command5", "Label3", "Text1", "Nome", "frmPesoPond", "Label44", "Label42", "", "",
     {}, {"Text3=3", "Command1", "Text1=A", "Command6", "Text1=B", "Command6", "Text1=C"}},
};

class Entrada {
public:
    // n alternatives, the shared recordset on the row given, and the window shown.
    Entrada(Teste::Sessao& s, int indice, int n, bool porAlternativa = false, int linha = 1) : d(kJanelas[indice])
    {
        s.Principal();
        Teste::Projeto(n, porAlternativa);
        for (MT::Reentrada = linha > 1; linha > 1; --linha)
            MT::rsAlternativas->MoveNext();
        Janelas::Mostrar(j = Janelas::Carregar(QString::fromLatin1(d.nome)));
        w = j->Widget();
    }
    void completar() { seguir(d.completar); }
    void seguir(const QStringList& passos)
    {
        for (const QString& passo : passos)
            if (passo.size() == 1)
                Controle<QTabWidget>(w, "TabStrip1")->setCurrentIndex(passo.toInt());
            else if (passo.contains('='))
                Teste::Substituir(Controle<QLineEdit>(w, passo.section('=', 0, 0)), passo.section('=', 1));
            else
                Teste::Clicar(Controle(w, passo));
    }
    void clicar(const char* nome) { Teste::Clicar(Controle(w, nome)); }
    void proxima() { clicar(d.proxima); }
    void anterior() { clicar(d.anterior); }
    void digitar(const QString& t) { Teste::Substituir(Controle<QLineEdit>(w, d.caixa), t); }
    bool aberto() { return Controle(w, "CommandButton1")->isEnabled(); }
    // The balloon's text with the pointer over the covered "Avançar".
    QString dica() { return Teste::Apontar(Controle(w, d.imitacao)), Controle<QLabel>(w, d.balao)->text(); }
    // The pointer moving onto a control (its middle): is the balloon open then?
    // Or over the window's own background, clear of every control.
    bool apontar(const char* nome) { return QTest::mouseMove(Controle(w, nome)), balao(); }
    void apontarFundo()
    {
        const QRect r = w->visibleRegion().boundingRect();
        for (int y = r.bottom() - 4; y > r.top(); y -= 8)
            for (int x = r.right() - 4; x > r.left(); x -= 8)
                if (!w->childAt(x, y))
                    return QTest::mouseMove(w, QPoint(x, y));
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
        for (; tiques > 0; --tiques, r += lampada())
            w->findChild<PortaoAvancar*>()->Timer1_Timer();
        return r;
    }
    bool balao() { return Controle(w, "Picture3")->isVisible(); }
    // The completeness text and its colour, as "Faltam alguns dados #800000";
    // "" where the window has none.
    QString status()
    {
        auto* l = *d.status ? Controle<QLabel>(w, d.status) : nullptr;
        return l ? l->text() + ' ' + l->palette().color(QPalette::WindowText).name() : QString();
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

// One row per window, the alternatives window's only where asked.
void janelas(int quantas = 3)
{
    QTest::addColumn<int>("indice");
    for (int i = 0; i < quantas; ++i)
        QTest::newRow(kJanelas[i].nome) << i;
}

}  // namespace

class TesteJanelasEntrada : public QObject {
    Q_OBJECT
private slots:
    void percursoComVoltaEReativacao_data() { janelas(); }
    void percursoComVoltaEReativacao()
    {
        QFETCH(int, indice);
        Teste::Sessao s;
        Entrada j(s, indice, 3);
        QCOMPARE(j.mostrada(), QStringLiteral("Alternativa 1|1 de 3|"));
        j.completar();
        j.digitar("7");
        j.proxima();
        QCOMPARE(j.campo() + '#' + j.mostrada(), QStringLiteral("7|-|-#Alternativa 2|2 de 3|"));

        // Another window and back: the alternative and what was typed stay; the counter follows.
        j.digitar("8");
        Teste::MostrarOutraJanela();
        QCOMPARE(MT::sbStatusBar()->Painel(2)->text(), QStringLiteral("9 de 9"));
        Janelas::Mostrar(j.j);
        QCOMPARE(j.mostrada(), QStringLiteral("Alternativa 2|2 de 3|8"));

        j.anterior();  // stores the second, loads the first back
        QCOMPARE(j.campo() + '#' + j.mostrada(), QStringLiteral("7|8|-#Alternativa 1|1 de 3|7"));
        j.anterior();  // before the first lies the last
        QCOMPARE(j.mostrada(), QStringLiteral("Alternativa 3|3 de 3|"));
        j.digitar("5");
        j.proxima();  // after the last comes the first
        QCOMPARE(j.mostrada(), QStringLiteral("Alternativa 1|1 de 3|7"));
        j.digitar("");  // emptied and left: Null
        j.proxima();
        QCOMPARE(j.campo() + '#' + Teste::TextosMostrados().join('/'), QStringLiteral("-|8|5#"));

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
                Teste::Clicar(icone), ++abertas;
                QVERIFY(ajuda->isVisible() && ok->isVisible() && !ajuda->geometry().intersects(ok->geometry())
                        && ajuda->verticalScrollBar()->maximum() == 0);
            }
        }
        QVERIFY(abertas >= 3);
    }

    void portaoEAvancarGravamAntes_data() { janelas(); }
    void portaoEAvancarGravamAntes()
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
        QVERIFY(!j.aberto() && Janelas::Visivel(j.j) && !Janelas::Carregada(QString::fromLatin1(j.d.seguinte)));

        // Changed after the last step: stored, then the next window takes over.
        j.digitar("9");
        j.proxima();
        QVERIFY(j.aberto());
        j.digitar("11");
        j.clicar("CommandButton1");
        QCOMPARE(j.campo().left(5), QStringLiteral("9|11|"));
        QVERIFY(!Janelas::Visivel(j.j) && Janelas::Visivel(Janelas::Obter(QString::fromLatin1(j.d.seguinte))));
    }

    void ordemPorAlternativaEReentrada_data() { janelas(); }
    void ordemPorAlternativaEReentrada()
    {
        QFETCH(int, indice);
        {
            Teste::Sessao s;
            Entrada j(s, indice, 2, true);
            QVERIFY(!Controle(j.w, j.d.proxima)->isEnabled() && !Controle(j.w, j.d.anterior)->isEnabled());
            QCOMPARE(j.dica(), FechadoAqui);
            j.completar();
            QCOMPARE(j.aberto(), !*j.d.quadro);  // with a frame, the pointer over it judges, not typing
            if (*j.d.quadro)
                Teste::PassarMouse(Controle(j.w, j.d.quadro));
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
        Teste::AoExibirModal([&](Dialogo* d) { marcador = MT::MarcadorPOP, Janelas::Descarregar(d); });
        QTest::keyClick(Controle(j.w, j.d.caixa), Qt::Key_F5);
        QCOMPARE(marcador, QStringLiteral("alt2"));
    }

    void semBancoOuSemLinhas_data() { janelas(); }
    void semBancoOuSemLinhas()
    {
        QFETCH(int, indice);
        for (const bool semBanco : {true, false}) {
            Teste::Sessao s;
            if (semBanco)
                QFile::remove(s.CaminhoBanco());
            Entrada j(s, indice, 0);
            const Mensagens::Mensagem* m = Teste::UltimaMensagem();
            QVERIFY(semBanco ? m && m->icone == Mensagens::Icone::Critico && m->texto.contains("mdbTessaura.mdb") : !m);
            Mensagens::LimparHistorico();
            j.completar();
            j.proxima();
            j.anterior();
            QVERIFY2(!j.aberto() && Teste::TextosMostrados().isEmpty(), qPrintable(Teste::TextosMostrados().join('/')));
        }
    }

    // Typing while another program holds the file, in both entry orders: no message, no wait longer than a
    // reaction's, the gate as it was; once the file is free, the next change (or step) judges it again.
    void digitarComOArquivoPreso_data() { janelas(); }
    void digitarComOArquivoPreso()
    {
        QFETCH(int, indice);
        for (const bool porAlternativa : {false, true}) {
            Teste::Sessao s;
            Entrada j(s, indice, 1, porAlternativa);
            auto* caixa = Controle<QLineEdit>(j.w, j.d.caixa);
            // What judges the gate: a step per criterion, a change or the pointer over a frame per alternative.
            const auto julgar = [&] {
                if (!porAlternativa)
                    j.proxima();
                else if (*j.d.quadro)
                    Teste::PassarMouse(Controle(j.w, j.d.quadro));
            };
            j.completar(), julgar();
            QVERIFY(j.aberto());
            {
                Teste::Trava trava(s.CaminhoBanco());
                Mensagens::LimparHistorico();
                Banco::Testes::LimparAcoes();
                QTest::keyClick(caixa, '7');
                if (porAlternativa && *j.d.quadro)
                    Teste::PassarMouse(Controle(j.w, j.d.quadro));
                QCoreApplication::processEvents();
                QCOMPARE(Teste::TextosMostrados().join('/') + QString::number(j.aberto()), QStringLiteral("1"));
                // Typing is no command: whatever it reads is a reaction's, with a reaction's wait at most.
                for (const Banco::Testes::Registro& r : Banco::Testes::Acoes())
                    QVERIFY(!r.comando && r.espera <= Banco::Testes::EsperaDeReacao());
            }
            j.digitar("");
            julgar();
            QVERIFY2(!j.aberto() && Teste::TextosMostrados().isEmpty(), qPrintable(Teste::TextosMostrados().join('/')));
        }
    }

    // Another program deleted the alternative on show: "Próxima" cannot store what the window shows. One
    // message, the failed write's; no row is written or created, and the window stays on that alternative
    // with the typed value.
    void proximaSobreLinhaApagada_data() { janelas(); }
    void proximaSobreLinhaApagada()
    {
        QFETCH(int, indice);
        Teste::Sessao s;
        Entrada j(s, indice, 3);
        j.digitar("7");
        Teste::Executar("DELETE FROM tblTessaura WHERE Marcador = 'alt1'");
        Mensagens::LimparHistorico();
        j.proxima();
        QCOMPARE(Teste::UltimaResumida() + " / " + QString::number(Teste::TextosMostrados().size()) + " | "
                     + j.mostrada() + " | " + j.campo(),
                 Teste::Resumo("Análise Tessaura", Mensagens::Icone::Critico,
                               "Não foi possível gravar os dados no banco de dados.")
                     + " / 1 | Alternativa 1|1 de 3|7 | -|-");
    }

    // F5 in each box, on the second alternative: the datum handed to the dialog
    // (marker|title|symbol|qualifier|index|unit|field|value) and the value coming back.
    void teclaF5PedeODadoDaCaixa()
    {
        const QString o = "Objetivo|T||", i = "Impactos da obra|", n = "Inserção da Obra|A||";
        const struct { int indice; const char *passos, *caixa; QString dado; } casos[] = {  // ";" between steps
            {0, "", "Text1", o + "r|ano|TR|"}, {0, "Text2=12", "Text2", o + "RD|ano|TRD|12"},
            {1, "Check1", "Text1", i + "Q|Mín|jus|m3|QJmin|"}, {1, "", "Text3", i + "Q||alvo|m3|Qalvo|"},
            {1, "Check2;Text2=4,5", "Text2", i + "Q|Máx|jus|m3|QJmax|4,5"}, {1, "", "Text4", i + "Q||inf|m3|Qinf|"},
            {1, "", "Text5", i + "Q||nat|m3|Qnat|"}, {1, "Option1", "Text4", i + "A||inf|m2|Ainf|"},
            {1, "Option1", "Text5", i + "A||nat|m2|Anat|"}, {2, "", "Text1", n + "apta 1|m2|Aapta1|"},
            {2, "Text2=4,5", "Text2", n + "apta 2|m2|Aapta2|4,5"}, {2, "1;Label12", "Text3", n + "RL 1|m2|ARL1|"},
            {2, "1;Label12", "Text4", n + "RL 2|m2|ARL2|"}, {2, "1;Label15", "Text5", n + "des|m2|Ades|"}};
        for (const auto& c : casos) {
            Teste::Sessao s;
            Entrada j(s, c.indice, 2);
            j.proxima();
            j.seguir(QString(c.passos).split(';', Qt::SkipEmptyParts));
            QStringList vistos;
            Teste::AoExibirModal([&](Dialogo* d) {  // the dialog giving back a datum taken over
                vistos << QStringList{MT::MarcadorPOP, MT::TituloPOP, MT::SimboloPOP, MT::QualificadorPOP,
                                      MT::IndicePOP, MT::UnidadePOP, MT::CampoPOP, MT::ValorPOP.toString()}.join('|');
                MT::ValorPOP = QStringLiteral("40"), Janelas::Descarregar(d);
            });
            auto* caixa = Controle<QLineEdit>(j.w, c.caixa);
            QTest::keyClick(caixa, Qt::Key_F4);  // another key opens nothing
            QTest::keyClick(caixa, Qt::Key_F5);
            QCOMPARE(vistos.join('/') + '#' + caixa->text(), "alt2|" + c.dado + "#40");
        }
    }

    // The lamp blinks only once it has been lit: over the covered "Avançar" and
    // while the gate is open; the balloon opens from the lamp and closes, with
    // the lamp, when the pointer crosses the window's background.
    void dicasDoPortao_data() { janelas(4); }
    void dicasDoPortao()
    {
        QFETCH(int, indice);
        Teste::Sessao s;
        // The whole window in sight for the pointer, the pointer away from it.
        s.Principal()->resize(1024, 768);
        QVERIFY(QTest::qWaitForWindowExposed(s.Principal()));
        QTest::mouseMove(s.Principal(), QPoint(1, 1));
        Entrada j(s, indice, 1);
        QCOMPARE(j.piscando(1), QStringLiteral("--"));
        j.apontar(j.d.imitacao);
        QCOMPARE(j.piscando(2), j.d.apagadaAoApontar ? "+0+1+0" : "+1+0+1");
        QVERIFY(!j.balao() && j.apontar(j.d.lampada));
        j.apontarFundo();
        QVERIFY(!j.balao() && !Controle(j.w, j.d.lampada)->isVisible());
        QVERIFY(!j.apontar(j.d.lampada));  // hidden: nothing there to open the balloon

        j.completar();
        j.proxima();  // the gate open
        QCOMPARE(j.piscando(2), QStringLiteral("+1+0+1"));
        QCOMPARE(j.status(), QString(*j.d.status ? "Todos os dados foram fornecidos #008000" : ""));
        j.digitar("");
        j.proxima();  // the gate closed
        QCOMPARE(j.piscando(0).left(1), QStringLiteral("1"));  // hidden with the gate
        QCOMPARE(j.status(), QString(*j.d.status ? "Faltam alguns dados #800000" : ""));
    }

    // The lamp blinks between two different pictures, the lit bulb and the unlit one.
    void lampadaAlternaDuasFiguras()
    {
        Teste::Sessao s;
        s.Principal()->resize(1024, 768);
        QVERIFY(QTest::qWaitForWindowExposed(s.Principal()));
        Entrada j(s, 0, 1);
        j.apontar(j.d.imitacao);  // the lamp lit over the covered "Avançar"
        QList<QImage> vistas;
        for (int tique = 0; tique < 3; ++tique) {
            vistas << Controle<QLabel>(j.w, j.d.lampada)->pixmap().toImage();
            j.w->findChild<PortaoAvancar*>()->Timer1_Timer();
        }
        QVERIFY(!vistas[0].isNull() && vistas[0] != vistas[1]);
        QCOMPARE(vistas[2], vistas[0]);
    }
};

TESTE_MAIN(TesteJanelasEntrada)
#include "tst_janelas_entrada.moc"
