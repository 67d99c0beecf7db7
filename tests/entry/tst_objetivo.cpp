// The objective window: its walk per criterion, its gate, the order per
// alternative with re-entry, the data-reuse keys and the field map.
#include "Ambiente.h"

#include "common/Banco.h"
#include "common/BarraStatus.h"
#include "common/Janelas.h"
#include "common/ModuloTessaura.h"
#include "common/PortaoAvancar.h"
#include "entry/MapaObjetivo.h"
#include "entry/frmObjetivo.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace MT = ModuloTessaura;
using Banco::Recordset;

namespace {

const QString Aberto47 = QStringLiteral(
    "Os dados de todas as alternativas foram fornecidos. Você já pode passar para a próxima etapa.");
const QString Fechado43 = QStringLiteral(
    "O botão 'Avançar' estará disponível quando todos os dados, referentes à todas alternativas "
    "estudadas, forem fornecidos.");
const QString Aberto21 = QStringLiteral(
    "Você deverá preencher os dados referentes as outras alternativas depois. Agora você deve "
    "avançar e completar a entrada de dados para esta alternativa.");
const QString Fechado22 = QStringLiteral(
    "O botão 'Avançar' estará disponível quando todos os dados referentes a esta alternativa "
    "foram fornecidos. ");

// Another child window, to leave the objective window and come back.
class OutraJanela : public Formulario {
public:
    void Form_Activate() override { MT::MostrarAlternativaNaBarra(QStringLiteral("9"), 9); }
};

// Stands in for the data-reuse dialog: notes the context it was opened with
// and answers with a value of its own.
struct ContextoVisto {
    QString valor, marcadorAtual, titulo, simbolo, qualificador, indice, unidade, marcador, campo;
    int aberturas = 0;
};
ContextoVisto g_visto;

class DialogoReusoSimulado : public Dialogo {
public:
    void Form_Activate() override
    {
        g_visto = {MT::ValorPOP.toString(), MT::MarcadorAtual, MT::TituloPOP, MT::SimboloPOP,
                   MT::QualificadorPOP, MT::IndicePOP, MT::UnidadePOP, MT::MarcadorPOP,
                   MT::CampoPOP, g_visto.aberturas + 1};
        MT::ValorPOP = QStringLiteral("40");
    }
};

// The project as the alternatives window leaves it: n named rows, the shared
// recordset on the first, the order chosen. Then the objective window shown.
frmObjetivo* abrirJanela(Teste::Sessao& s, int n, bool porAlternativa)
{
    s.Principal();
    for (int i = 1; i <= n; ++i)
        Teste::Executar(QStringLiteral("INSERT INTO tblTessaura (Marcador, Nome) VALUES (?, ?)"),
                        {QStringLiteral("alt%1").arg(i), QStringLiteral("Bacia %1").arg(i)});
    MT::NumeroAlternativas = static_cast<short>(n);
    MT::EntradaPorAlternativa = porAlternativa;
    MT::dbAlternativas = Banco::AbrirSilencioso();
    MT::rsAlternativas = Recordset::Abrir(MT::dbAlternativas, QStringLiteral("tblTessaura"));
    if (MT::rsAlternativas)
        MT::rsAlternativas->MoveFirst();
    auto* f = dynamic_cast<frmObjetivo*>(Janelas::Carregar(QStringLiteral("frmObjetivo")));
    Janelas::Mostrar(f);
    return f;
}

QString texto(QWidget* f, const char* nome)
{
    if (auto* l = f->findChild<QLabel*>(QString::fromLatin1(nome)))
        return l->text();
    if (auto* b = f->findChild<QPushButton*>(QString::fromLatin1(nome)))
        return b->text();
    if (auto* e = f->findChild<QLineEdit*>(QString::fromLatin1(nome)))
        return e->text();
    return QStringLiteral("<no control %1>").arg(QString::fromLatin1(nome));
}

QLineEdit* caixa(QWidget* f, const char* nome)
{
    return f->findChild<QLineEdit*>(QString::fromLatin1(nome));
}

void clicar(QWidget* f, const char* nome)
{
    QTest::mouseClick(f->findChild<QPushButton*>(QString::fromLatin1(nome)), Qt::LeftButton);
}

void digitar(QWidget* f, const char* nome, const QString& t)
{
    QTest::keyClicks(caixa(f, nome), t);
}

void apagar(QWidget* f, const char* nome)
{
    QLineEdit* c = caixa(f, nome);
    c->end(false);
    while (!c->text().isEmpty())
        QTest::keyClick(c, Qt::Key_Backspace);
}

// One field of every alternative, in row order, "-" for Null.
QString campo(const QString& nome)
{
    QStringList r;
    for (const QVariant& v :
         Teste::Coluna(QStringLiteral("SELECT %1 FROM tblTessaura ORDER BY id").arg(nome)))
        r << (v.isNull() ? QStringLiteral("-") : v.toString());
    return r.join(QLatin1Char('|'));
}

QString contadorNaBarra()
{
    return MT::sbStatusBar()->Painel(1)->text() + QLatin1Char('|') + MT::sbStatusBar()->Painel(2)->text();
}

// Every alternative given 25 and 50, one step each: the walk is back on the first.
void preencherTodas(frmObjetivo* f)
{
    for (int i = 1; i <= MT::NumeroAlternativas; ++i) {
        digitar(f, "Text1", QStringLiteral("25"));
        digitar(f, "Text2", QStringLiteral("50"));
        clicar(f, "Command2");
    }
}

bool portaoAberto(frmObjetivo* f)
{
    const bool aberto = f->Portao->Aberto();
    if (aberto == f->Portao->ImitacaoCobre())
        qWarning("the look-alike does not follow the button");
    return aberto && !f->Portao->ImitacaoCobre();
}

}  // namespace

class TesteObjetivo : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void carregarEAtivar();
    void passoGravaEMostraComVolta();
    void portaoSegueOsPassos();
    void textoQueNaoConverteNaoContaNemGrava();
    void reativacaoMantemAlternativaMostrada();
    void avancarPorCriterioGravaAntes();
    void porAlternativaPortaoSegueCaixasEReentrada();
    void f5NasCaixasAbreReusoComContexto();
    void f5NosBotoesSoAvisa();
    void criterioInteiroDeOutraAlternativa();
    void mapaDoCriterio();
    void semBancoOuSemLinhasNaoTrava();
};

void TesteObjetivo::initTestCase()
{
    Janelas::RegistrarFabrica(QStringLiteral("frmOutraJanela"), [] { return new OutraJanela(); });
    // Registered after start-up, so it stands in for any dialog of that name.
    Janelas::RegistrarFabrica(QStringLiteral("frmPOP"), [] { return new DialogoReusoSimulado(); });
}

void TesteObjetivo::carregarEAtivar()
{
    Teste::Sessao s;
    s.Principal();
    auto* f = dynamic_cast<frmObjetivo*>(Janelas::Carregar(QStringLiteral("frmObjetivo")));
    QVERIFY(f);
    QVERIFY(MT::ObjetivoCarregado);
    // Before the activation the counter reads "TT de TT".
    QCOMPARE(texto(f, "Label20") + texto(f, "Label18"), QStringLiteral("TTTT"));
    const QList<std::pair<const char*, QString>> textos{
        {"Label1", QStringLiteral("Critério \"Objetivo\" ")},
        {"Label3", QStringLiteral("Você deve informar para cada alternativa os seguintes dados:")},
        {"Label4", QStringLiteral("T     = Tempo de retorno de projeto")},
        {"Label7", QStringLiteral("R")},
        {"Label5", QStringLiteral("T     = Tempo de retorno desejável")},
        {"Label6", QStringLiteral("RD")},
        {"Label11", QStringLiteral("R")},
        {"Label12", QStringLiteral("RD")},
        {"Label16", QStringLiteral("Alternativa:")},
        {"Label19", QStringLiteral("de")},
        {"Label8", QStringLiteral("Nome:")},
        {"Label17", QStringLiteral("Tecle F5 para aproveitar os dados fornecidos para as outras alternativas.")},
        {"Command1", QStringLiteral("<  Anterior")},
        {"Command2", QStringLiteral("Próxima  >")},
        {"CommandButton1", QStringLiteral("Avançar")},
        {"Label44", QStringLiteral("Avançar")},
        {"Label21", Aberto21},
        {"Label22", Fechado22},
        {"Label43", Fechado43},
        {"Label47", Aberto47},
    };
    for (const auto& [nome, t] : textos)
        QCOMPARE(texto(f, nome), t);
    QVERIFY(texto(f, "Label2").startsWith(QStringLiteral("Para a avaliação desse critério, serão")));
    for (const char* oculto : {"Label21", "Label22", "Label43", "Label47"})
        QVERIFY(!f->findChild<QLabel*>(oculto)->isVisible());
    Janelas::Descarregar(f);
    QVERIFY(!MT::ObjetivoCarregado);

    // Shown with three alternatives: the first one, the gate closed, the arrows usable.
    f = abrirJanela(s, 3, false);
    QCOMPARE(texto(f, "Label20"), QStringLiteral("1"));
    QCOMPARE(texto(f, "Label18"), QStringLiteral("3"));
    QCOMPARE(texto(f, "Label15"), QStringLiteral("Bacia 1"));
    QCOMPARE(contadorNaBarra(), QStringLiteral("Alternativa|1 de 3"));
    QVERIFY(!f->Portao->Aberto());
    QVERIFY(f->Portao->ImitacaoCobre());
    QVERIFY(f->Command1->isEnabled() && f->Command2->isEnabled());
    QVERIFY(MT::rsObjetivo);
    QCOMPARE(f->StatusAlternativas().Total(), 3);
}

void TesteObjetivo::passoGravaEMostraComVolta()
{
    Teste::Sessao s;
    frmObjetivo* f = abrirJanela(s, 3, false);
    digitar(f, "Text1", "10");
    digitar(f, "Text2", "20");
    clicar(f, "Command2");
    QCOMPARE(campo("TR"), QStringLiteral("10|-|-"));
    QCOMPARE(campo("TRD"), QStringLiteral("20|-|-"));
    QCOMPARE(campo("typeof(TR)"), QStringLiteral("integer|null|null"));
    QCOMPARE(texto(f, "Label20") + texto(f, "Label15") + texto(f, "Text1") + texto(f, "Text2"),
             QStringLiteral("2Bacia 2"));
    QCOMPARE(contadorNaBarra(), QStringLiteral("Alternativa|2 de 3"));

    // Back to the first: its values come back into the boxes; the second,
    // left empty, is stored as Null.
    clicar(f, "Command1");
    QCOMPARE(texto(f, "Label20") + "|" + texto(f, "Text1") + "|" + texto(f, "Text2"),
             QStringLiteral("1|10|20"));
    // Before the first lies the last.
    clicar(f, "Command1");
    QCOMPARE(texto(f, "Label20") + texto(f, "Label15"), QStringLiteral("3Bacia 3"));
    QCOMPARE(contadorNaBarra(), QStringLiteral("Alternativa|3 de 3"));
    digitar(f, "Text1", "5");
    // After the last comes the first.
    clicar(f, "Command2");
    QCOMPARE(texto(f, "Label20"), QStringLiteral("1"));
    QCOMPARE(campo("TR"), QStringLiteral("10|-|5"));
    QCOMPARE(campo("TRD"), QStringLiteral("20|-|-"));

    // A value emptied and left is stored as Null.
    apagar(f, "Text2");
    clicar(f, "Command2");
    QCOMPARE(campo("TRD"), QStringLiteral("-|-|-"));
    QVERIFY(Teste::TextosMostrados().isEmpty());
}

void TesteObjetivo::portaoSegueOsPassos()
{
    Teste::Sessao s;
    frmObjetivo* f = abrirJanela(s, 3, false);
    for (int i = 1; i <= 3; ++i) {
        digitar(f, "Text1", QString::number(10 * i));
        digitar(f, "Text2", QString::number(100 * i));
        // Typing alone never opens the gate; only a step judges.
        QVERIFY(!portaoAberto(f));
        QCOMPARE(f->Portao->Figura(), PortaoAvancar::FiguraDica::Nenhuma);
        if (i < 3) {
            clicar(f, "Command2");
            QVERIFY(!portaoAberto(f));
        }
    }
    // Over the covered button the hint tells what is missing.
    f->Portao->Label44_MouseMove();
    QCOMPARE(f->Portao->Label42->text(), Fechado43);

    clicar(f, "Command2");  // leaves the third complete, reaches the first complete
    QVERIFY(portaoAberto(f));
    QCOMPARE(f->Portao->Label42->text(), Aberto47);
    QVERIFY(f->Portao->Image10->isVisibleTo(f));
    QCOMPARE(f->Portao->Figura(), PortaoAvancar::FiguraDica::Primeira);

    // Emptying a box changes nothing until the step that leaves it.
    apagar(f, "Text1");
    QVERIFY(portaoAberto(f));
    clicar(f, "Command1");
    QVERIFY(!portaoAberto(f));
    QVERIFY(!f->Portao->Image10->isVisibleTo(f));
    QCOMPARE(f->StatusAlternativas().Valor(1), 0);
    QVERIFY(campo("TR").startsWith(QLatin1Char('-')));

    // Going back and filling it in opens the gate again at the next step.
    clicar(f, "Command2");
    digitar(f, "Text1", "15");
    clicar(f, "Command2");
    QVERIFY(portaoAberto(f));
}

void TesteObjetivo::textoQueNaoConverteNaoContaNemGrava()
{
    Teste::Sessao s;
    frmObjetivo* f = abrirJanela(s, 3, false);
    preencherTodas(f);
    QVERIFY(portaoAberto(f));
    // Pasted letters reach the box past the key filter.
    caixa(f, "Text2")->setText(QStringLiteral("abc"));
    clicar(f, "Command2");
    QVERIFY(campo("TRD").startsWith(QStringLiteral("50|")));
    QCOMPARE(f->StatusAlternativas().Valor(1), 0);
    QVERIFY(!portaoAberto(f));
}

void TesteObjetivo::reativacaoMantemAlternativaMostrada()
{
    Teste::Sessao s;
    frmObjetivo* f = abrirJanela(s, 3, false);
    digitar(f, "Text1", "10");
    digitar(f, "Text2", "20");
    clicar(f, "Command2");
    digitar(f, "Text1", "7");
    digitar(f, "Text2", "8");
    Recordset* antes = MT::rsObjetivo.get();

    Janela* outra = Janelas::Carregar(QStringLiteral("frmOutraJanela"));
    Janelas::Mostrar(outra);
    QCOMPARE(contadorNaBarra(), QStringLiteral("Alternativa|9 de 9"));
    Janelas::Mostrar(f);

    QCOMPARE(MT::rsObjetivo.get(), antes);
    QCOMPARE(texto(f, "Label20") + "|" + texto(f, "Text1") + "|" + texto(f, "Text2"),
             QStringLiteral("2|7|8"));
    QCOMPARE(contadorNaBarra(), QStringLiteral("Alternativa|2 de 3"));
    QCOMPARE(f->StatusAlternativas().Valor(1), 1);

    clicar(f, "Command2");
    QCOMPARE(campo("TR"), QStringLiteral("10|7|-"));
    QCOMPARE(campo("TRD"), QStringLiteral("20|8|-"));
    QCOMPARE(texto(f, "Label20"), QStringLiteral("3"));
}

void TesteObjetivo::avancarPorCriterioGravaAntes()
{
    Teste::Sessao s;
    frmObjetivo* f = abrirJanela(s, 3, false);
    preencherTodas(f);
    QVERIFY(portaoAberto(f));

    // A box emptied after the last step: stored, judged, and no hand-over.
    apagar(f, "Text2");
    clicar(f, "CommandButton1");
    QVERIFY(campo("TRD").startsWith(QLatin1Char('-')));
    QVERIFY(!portaoAberto(f));
    QVERIFY(Janelas::Visivel(f));
    QVERIFY(!Janelas::Carregada(QStringLiteral("frmImpacto")));

    // A value changed after the last step is stored by "Avançar".
    digitar(f, "Text2", QStringLiteral("60"));
    clicar(f, "Command2");
    clicar(f, "Command1");
    QVERIFY(portaoAberto(f));
    apagar(f, "Text1");
    digitar(f, "Text1", QStringLiteral("100"));
    clicar(f, "CommandButton1");
    QCOMPARE(campo("TR"), QStringLiteral("100|25|25"));
    QCOMPARE(campo("TRD"), QStringLiteral("60|50|50"));
    // The window stays loaded with its data; it hands over when the impact window exists.
    QVERIFY(MT::ObjetivoCarregado);
    QCOMPARE(Janelas::Visivel(f), !Janelas::Carregada(QStringLiteral("frmImpacto")));
    QCOMPARE(texto(f, "Text1"), QStringLiteral("100"));
}

void TesteObjetivo::porAlternativaPortaoSegueCaixasEReentrada()
{
    Teste::Sessao s;
    frmObjetivo* f = abrirJanela(s, 3, true);
    QVERIFY(!f->Command1->isEnabled() && !f->Command2->isEnabled());
    QCOMPARE(texto(f, "Label20") + texto(f, "Label15"), QStringLiteral("1Bacia 1"));

    digitar(f, "Text1", "10");
    QVERIFY(!portaoAberto(f));
    f->Portao->Label44_MouseMove();
    QCOMPARE(f->Portao->Label42->text(), Fechado22);
    digitar(f, "Text2", "2");
    QVERIFY(portaoAberto(f));
    QCOMPARE(f->Portao->Label42->text(), Aberto21);
    apagar(f, "Text1");
    QVERIFY(!portaoAberto(f));
    digitar(f, "Text1", "10");
    digitar(f, "Text2", "5");
    QVERIFY(portaoAberto(f));

    // F5 on the open "Avançar" only gives the notice.
    QTest::keyClick(f->Portao->CommandButton1, Qt::Key_F5);
    QCOMPARE(Teste::TextosMostrados().size(), 1);

    // In this order the window itself stores nothing.
    clicar(f, "CommandButton1");
    QVERIFY(campo("TR").startsWith(QLatin1Char('-')));

    // The insertion window's hand-over, reduced to what concerns this window.
    Recordset& rs = *MT::rsAlternativas;
    rs.Edit();
    MapaObjetivo::Gravar(rs, {texto(f, "Text1"), texto(f, "Text2")});
    rs.Update();
    rs.MoveNext();
    caixa(f, "Text1")->clear();
    caixa(f, "Text2")->clear();
    MT::Reentrada = true;
    Janelas::Descarregar(QStringLiteral("frmObjetivo"));
    QVERIFY(!MT::ObjetivoCarregado);
    f = dynamic_cast<frmObjetivo*>(Janelas::Carregar(QStringLiteral("frmObjetivo")));
    Janelas::Mostrar(f);

    QCOMPARE(campo("TR"), QStringLiteral("10|-|-"));
    QCOMPARE(campo("TRD"), QStringLiteral("25|-|-"));
    QCOMPARE(texto(f, "Label20") + " de " + texto(f, "Label18") + " " + texto(f, "Label15"),
             QStringLiteral("2 de 3 Bacia 2"));
    QCOMPARE(contadorNaBarra(), QStringLiteral("Alternativa|2 de 3"));
    QVERIFY(texto(f, "Text1").isEmpty() && texto(f, "Text2").isEmpty());
    QVERIFY(!portaoAberto(f));
    QVERIFY(!f->Command1->isEnabled() && !f->Command2->isEnabled());

    // Data reuse asks for the alternative on show, the shared recordset's.
    g_visto = {};
    QTest::keyClick(caixa(f, "Text1"), Qt::Key_F5);
    QCOMPARE(g_visto.marcadorAtual, QStringLiteral("alt2"));
    QCOMPARE(g_visto.marcador, QStringLiteral("alt2"));
}

void TesteObjetivo::f5NasCaixasAbreReusoComContexto()
{
    Teste::Sessao s;
    frmObjetivo* f = abrirJanela(s, 3, false);
    Teste::AoExibirModal([](Dialogo* d) { Janelas::Descarregar(d); });
    clicar(f, "Command2");
    digitar(f, "Text2", "12");
    g_visto = {};
    QTest::keyClick(caixa(f, "Text2"), Qt::Key_F5);
    QCOMPARE(g_visto.aberturas, 1);
    const QStringList visto{g_visto.valor,  g_visto.marcadorAtual, g_visto.titulo,
                            g_visto.simbolo, g_visto.qualificador,  g_visto.indice,
                            g_visto.unidade, g_visto.marcador,      g_visto.campo};
    QCOMPARE(visto, (QStringList{"12", "alt2", "Objetivo", "T", "", "RD", "ano", "alt2", "TRD"}));
    QCOMPARE(texto(f, "Text2"), QStringLiteral("40"));
    QVERIFY(!Janelas::Carregada(QStringLiteral("frmPOP")));

    QTest::keyClick(caixa(f, "Text1"), Qt::Key_F5);
    QCOMPARE(g_visto.aberturas, 2);
    QCOMPARE(g_visto.indice + "|" + g_visto.campo + "|" + g_visto.valor, QStringLiteral("r|TR|"));
    QCOMPARE(texto(f, "Text1"), QStringLiteral("40"));
    // Other keys never open it.
    QTest::keyClick(caixa(f, "Text1"), Qt::Key_F4);
    QCOMPARE(g_visto.aberturas, 2);
    QVERIFY(Teste::TextosMostrados().isEmpty());
}

void TesteObjetivo::f5NosBotoesSoAvisa()
{
    Teste::Sessao s;
    frmObjetivo* f = abrirJanela(s, 3, false);
    g_visto = {};
    for (QPushButton* b : {f->Command2, f->Command1}) {
        Mensagens::LimparHistorico();
        QTest::keyClick(b, Qt::Key_F5);
        QCOMPARE(Teste::TextosMostrados(),
                 QStringList{"Selecione o campo onde você quer aproveitar os dados de outras alternativas"});
        QCOMPARE(Teste::UltimaMensagem()->titulo, QStringLiteral("Tessaura"));
        QCOMPARE(Teste::UltimaMensagem()->icone, Mensagens::Icone::Informacao);
        QCOMPARE(texto(f, "Label20"), QStringLiteral("1"));
    }
    Mensagens::LimparHistorico();
    QTest::keyClick(f->Command2, Qt::Key_F6);
    QVERIFY(Teste::TextosMostrados().isEmpty());
    QCOMPARE(g_visto.aberturas, 0);
    QVERIFY(MT::CampoPOP.isEmpty());
}

void TesteObjetivo::criterioInteiroDeOutraAlternativa()
{
    Teste::Sessao s;
    frmObjetivo* f = abrirJanela(s, 3, true);
    Teste::Executar(QStringLiteral("UPDATE tblTessaura SET TR = 100, TRD = 50 WHERE Marcador = 'alt3'"));
    digitar(f, "Text1", "9");
    Banco::RecordsetPtr origem = Recordset::Abrir(Banco::Abrir(), QStringLiteral("tblTessaura"));
    origem->MoveLast();
    auto* receptor = dynamic_cast<ReceptorCriterio*>(Janelas::Obter(QStringLiteral("frmObjetivo")));
    QVERIFY(receptor);
    receptor->PreencherDe(*origem);
    QCOMPARE(texto(f, "Text1") + "|" + texto(f, "Text2"), QStringLiteral("100|50"));
    QVERIFY(portaoAberto(f));  // the boxes' own change reaction ran
    QVERIFY(campo("TR").startsWith(QLatin1Char('-')));  // nothing stored
}

void TesteObjetivo::mapaDoCriterio()
{
    Teste::Sessao s;
    Teste::Executar(QStringLiteral("INSERT INTO tblTessaura (Marcador, TR, TRD) VALUES ('alt1', 5, 6)"));
    Banco::RecordsetPtr rs = Recordset::Abrir(Banco::Abrir(), QStringLiteral("tblTessaura"));
    rs->MoveFirst();
    auto gravar = [&](const QString& tr, const QString& trd) {
        rs->Edit();
        MapaObjetivo::Gravar(*rs, {tr, trd});
        rs->Update();
        const MapaObjetivo::Textos t = MapaObjetivo::Ler(*rs);
        return t.tr + "|" + t.trd;
    };
    QCOMPARE(gravar("15", ""), QStringLiteral("15|"));
    QCOMPARE(gravar("abc", "30"), QStringLiteral("15|30"));  // refused text keeps the field
    QCOMPARE(gravar("2,5", "3,5"), QStringLiteral("2|4"));    // whole years, half to even
    QCOMPARE(campo("typeof(TRD)"), QStringLiteral("integer"));

    QVERIFY(MapaObjetivo::Completo({"15", "30"}));
    QVERIFY(!MapaObjetivo::Completo({"15", ""}));
    QVERIFY(!MapaObjetivo::Completo({"", "30"}));
    QVERIFY(!MapaObjetivo::Completo({"abc", "30"}));
    QVERIFY(!MapaObjetivo::Completo({" ", "30"}));
}

void TesteObjetivo::semBancoOuSemLinhasNaoTrava()
{
    {
        Teste::Sessao s;
        frmObjetivo* f = abrirJanela(s, 0, false);
        QCOMPARE(texto(f, "Label18"), QStringLiteral("0"));
        digitar(f, "Text1", "5");
        digitar(f, "Text2", "5");
        clicar(f, "Command2");
        clicar(f, "Command1");
        QVERIFY(!portaoAberto(f));
        QCOMPARE(texto(f, "Text1"), QStringLiteral("5"));
        QTest::keyClick(caixa(f, "Text1"), Qt::Key_F5);
        QVERIFY(Teste::TextosMostrados().isEmpty());
    }
    {
        Teste::Sessao s;
        QFile::remove(s.CaminhoBanco());
        frmObjetivo* f = abrirJanela(s, 0, false);
        QVERIFY(f);
        QVERIFY(!Teste::TextosMostrados().isEmpty());
        QVERIFY(Teste::UltimaMensagem()->texto.contains(QStringLiteral("mdbTessaura.mdb")));
        QCOMPARE(Teste::UltimaMensagem()->icone, Mensagens::Icone::Critico);
        digitar(f, "Text1", "5");
        clicar(f, "Command2");
        QVERIFY(!portaoAberto(f));
        QCOMPARE(texto(f, "Text1"), QStringLiteral("5"));
    }
}

QTEST_MAIN(TesteObjetivo)
#include "tst_objetivo.moc"
