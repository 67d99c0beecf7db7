// The insertion window's own part: pages, help texts and status icons, data
// taken over, the running maximum, what a step stores, and the loop per alternative
// with its checks, ending in the results window.
#include "Ambiente.h"

#include "common/BarraStatus.h"
#include "common/Figuras.h"
#include "common/ModuloTessaura.h"
#include "entry/MapaInsercao.h"
#include "entry/frmInsercao.h"
#include "entry/frmObjetivo.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>
#include <QTextEdit>
#include <functional>
#include <optional>

namespace MT = ModuloTessaura;
using Teste::Controle;

namespace {

// A project of n alternatives, the rows then changed by sql, and the window.
frmInsercao* abrir(Teste::Sessao& s, int n, const QString& sql = {})
{
    Teste::Projeto(n);
    if (!sql.isEmpty())
        Teste::Executar(sql);
    return s.Mostrar<frmInsercao>();
}

void clicar(QWidget* w, const char* nome) { Teste::Clicar(Controle(w, nome)); }
bool marcado(QWidget* w, const char* nome) { return Controle<QAbstractButton>(w, nome)->isChecked(); }
bool portaoAberto(QWidget* w) { return Controle(w, "CommandButton1")->isEnabled(); }
QString texto(QWidget* w, const char* nome) { return Controle<QLabel>(w, nome)->text(); }
QString caixa(QWidget* w, const char* nome) { return Controle<QLineEdit>(w, nome)->text(); }
void digitar(QWidget* w, const char* nome, const QString& t) { Teste::Substituir(Controle<QLineEdit>(w, nome), t); }
void aba(QWidget* w, int i) { Controle<QTabWidget>(w, "TabStrip1")->setCurrentIndex(i); }
QString alternativaNaBarra(QWidget* w) { return texto(w, "Label38") + '|' + MT::sbStatusBar()->Painel(2)->text(); }
bool visivel(const char* janela) { return Janelas::Visivel(Janelas::Obter(QString::fromLatin1(janela))); }

// A social item chosen with the mouse: 0 recreation .. 3 expropriation.
void item(QWidget* w, int i)
{
    aba(w, 1);
    QTest::mouseClick(Controle(w, QStringLiteral("Label%1").arg(12 + i)), Qt::LeftButton);
}
// Types into Text1..Text5 after bringing its page or item in.
void escrever(QWidget* w, const char* nome, const QString& t)
{
    const int n = QByteArray(nome).right(1).toInt();
    n <= 2 ? aba(w, 0) : item(w, n == 5 ? 3 : 0);
    digitar(w, nome, t);
}
// Whether each status icon Image5..Image8 shows the tick: "1010".
QString marcas(QWidget* w)
{
    QString m;
    for (const char* i : {"Image5", "Image6", "Image7", "Image8"})
        m += Controle<QLabel>(w, i)->pixmap().cacheKey() == Figuras::Ok().cacheKey() ? '1' : '0';
    return m;
}
// The eight insertion data stored for an alternative, joined.
QString linha(int alt)
{
    QStringList t;
    for (const char* c : {"Aapta1", "Aapta2", "IP", "ARL1", "ARL2", "ICC", "PUOF", "Ades"})
        t << Teste::Campo(c, alt).toString();
    return t.join('|');
}
// The five boxes' texts, joined.
QString caixas(QWidget* w)
{
    QStringList t;
    for (const char* nome : {"Text1", "Text2", "Text3", "Text4", "Text5"})
        t << caixa(w, nome);
    return t.join('|');
}

// Every datum given: landscape "Indiferente", circulation "Pequena melhora",
// other functions "Sensível melhora", stored as 10|20|4|30.5|40|5|6|<area>.
void completar(QWidget* w, const QString& area = QStringLiteral("10"))
{
    escrever(w, "Text1", "10");
    escrever(w, "Text2", "20");
    clicar(w, "Option6");
    escrever(w, "Text3", "30,5");
    escrever(w, "Text4", "40");
    item(w, 1), clicar(w, "Option12");
    item(w, 2), clicar(w, "Option17");
    escrever(w, "Text5", area);
}

// Fills the objective and impact windows of the alternative on show, going on
// with each one's "Avançar" as a user does, into the insertion window.
frmInsercao* anteriores()
{
    QWidget* objetivo = Janelas::Obter(QStringLiteral("frmObjetivo"))->Widget();
    digitar(objetivo, "Text1", "10");
    digitar(objetivo, "Text2", "25");
    clicar(objetivo, "CommandButton1");
    QWidget* impacto = Janelas::Obter(QStringLiteral("frmImpacto"))->Widget();
    clicar(impacto, "Check1");
    for (const char* c : {"Text1", "Text3", "Text4", "Text5"})
        digitar(impacto, c, "2");
    for (const char* o : {"Option6", "Option13", "Option27", "Option20"})
        aba(impacto, QByteArray(o).mid(6).toInt() < 17 ? 1 : 2), clicar(impacto, o);
    Teste::PassarMouse(Controle(impacto, "Frame5"));
    clicar(impacto, "CommandButton1");
    return Janelas::Obter<frmInsercao>();
}

}  // namespace

class TesteInsercao : public QObject {
    Q_OBJECT
private slots:
    void paginasEDicas();
    void dadosDeOutraAlternativa();
    void maximoCorrente();
    void percursoPorCriterio();
    void porAlternativa();
};

void TesteInsercao::paginasEDicas()
{
    Teste::Sessao s;
    // The second row as only another window could have stored it: a
    // circulation level out of range, a worsening other-functions level.
    frmInsercao* w = abrir(s, 2, "UPDATE tblTessaura SET ARL1 = 1, ARL2 = 2, ICC = 9, PUOF = 2 "
                                 "WHERE Marcador = 'alt2'");
    // Both pages are enabled until the first change of tab; then only the page on show.
    QVERIFY(w->Picture1(0)->isEnabled() && w->Picture1(1)->isEnabled());
    item(w, 0);
    QVERIFY(!w->Picture1(0)->isEnabled() && w->Picture1(1)->isEnabled());

    // Each social item shows its own frame only and closes the help box; each help icon opens its text.
    auto* box = Controle<QTextEdit>(w, "RichTextBox1");
    const char* frames[] = {"Frame4", "Frame3", "Frame5", "Frame6"};
    const struct { int item; const char *icone, *texto; } ajudas[] = {
        {3, "Image13", "Para a utilização de determinadas técnicas alternativas de drenagem urbana, algumas áreas"},
        {1, "Image11", "A utilização de diferentes técnicas de drenagem urbana pode causar um impacto benéfico"},
        {2, "Image12", "Determinadas técnicas utilizadas em sistemas de drenagem podem desempenhar outras funções"},
        {0, "Image4", "Além de seus objetivos principais, de drenagem e o controle de inundações, uma obra de"},
        {-1, "Image1", "um ecossistema pode ser definido como uma comunidade biótica e seu ambiente abiótico."},
        {-1, "Image2", "A avaliação desse critério trata de verificar se o cenário proposto para cada alternativa"}};
    for (const auto& a : ajudas) {
        a.item < 0 ? aba(w, 0) : item(w, a.item);
        for (int f = 0; f < 4 && a.item >= 0; ++f)
            QCOMPARE(Controle(w, frames[f])->isVisible(), f == a.item);
        QVERIFY(a.item < 0 || !box->isVisible());
        clicar(w, a.icone);
        QVERIFY2(box->isVisible() && box->toPlainText().contains(QString::fromUtf8(a.texto)), a.icone);
    }
    // The recreation and expropriation icons follow their boxes: given,
    // missing, and holding text that does not read as a number.
    const char* casos[][4] = {
        {"12", "3", "8", "1001"}, {"12", "", "", "0000"}, {"1,,5", "3", ",", "0000"}, {"0", "0,5", "0", "1001"}};
    for (const auto& c : casos) {
        escrever(w, "Text3", c[0]), escrever(w, "Text4", c[1]), escrever(w, "Text5", c[2]);
        QCOMPARE(marcas(w), QString::fromLatin1(c[3]));
    }
    item(w, 1), clicar(w, "Option11");  // "Indiferente" answers like any other level
    item(w, 2);
    QCOMPARE(marcas(w), QStringLiteral("1101"));
    clicar(w, "Option15");
    QCOMPARE(marcas(w), QStringLiteral("1111"));
    clicar(w, "Command1");  // the icons follow what the loaded row selects
    QCOMPARE(marcas(w), QStringLiteral("1000"));
}

void TesteInsercao::dadosDeOutraAlternativa()
{
    Teste::Sessao s;
    frmInsercao* w = abrir(s, 3, "UPDATE tblTessaura SET Nome = 'O''Brien %', Aapta1 = 100, Aapta2 = 200, IP = 6, "
                                 "ARL1 = 0, ARL2 = 50.5, ICC = NULL, PUOF = 4, Ades = 75 WHERE Marcador = 'alt3'");
    clicar(w, "Command1");  // the second alternative is on show
    const char* escolha = "OptionButton2";  // one datum, then the whole criterion
    Teste::AoExibirModal([&](Dialogo* d) {
        auto* lista = Controle<QComboBox>(d, "Combo1");
        QCOMPARE(Teste::Itens(lista), (QStringList{"Alternativa 1", "O'Brien %"}));
        lista->setCurrentIndex(1);
        clicar(d, escolha);
        clicar(d, "CommandButton1");
    });
    escrever(w, "Text2", "4,5");
    item(w, 0);
    // From the third alternative: the page and its icons as that row gives them, nothing stored.
    QTest::keyClick(Controle(w, "Text4"), Qt::Key_F5);
    QCOMPARE(caixas(w) + '|' + marcas(w), QStringLiteral("|4,5||50,5||0000"));  // ARL1 still missing
    escolha = "OptionButton1";
    QTest::keyClick(Controle(w, "Text3"), Qt::Key_F5);
    QCOMPARE(caixas(w) + '|' + marcas(w), QStringLiteral("100|200|0|50,5|75|1011"));
    QVERIFY(marcado(w, "Option8") && marcado(w, "Option15") && linha(2) == "|||||||");
}

void TesteInsercao::maximoCorrente()
{
    const char* casos[][4] = {{"pt_BR", "", "9", "9"}, {"pt_BR", "9", "10", "10"}, {"pt_BR", "10", "", "10"},
                              {"pt_BR", "10", "1,,5", "10"}, {"pt_BR", "", "1,,5", ""}, {"pt_BR", ",", "0", "0"},
                              {"en_US", "10", "9.75", "10"}};
    for (const auto& c : casos) {
        Teste::Sessao s(QString::fromLatin1(c[0]));
        QCOMPARE(MapaInsercao::MaximoCorrente(c[1], c[2]), QString::fromLatin1(c[3]));
    }
}

void TesteInsercao::percursoPorCriterio()
{
    Teste::Sessao s;
    frmInsercao* w = abrir(s, 3);
    // The areas 10, 9 and 8 stored in turn; an unreadable area is not stored.
    for (const char* area : {"10", "9", "8"}) {
        completar(w, QString::fromLatin1(area));
        if (area[0] == '9')
            escrever(w, "Text2", "1,,5");
        clicar(w, "Command1");
    }
    QCOMPARE(linha(1) + ' ' + linha(2), QStringLiteral("10|20|4|30.5|40|5|6|10 10||4|30.5|40|5|6|9"));
    // The running maximum of the stores (Text6) compares numbers: 10 beats 9 and 8.
    QCOMPARE(caixas(w) + '|' + caixa(w, "Text6") + '|' + texto(w, "Label53"),
             QStringLiteral("10|20|30,5|40|10|10|Todos os dados foram fornecidos"));
    QVERIFY(!portaoAberto(w));
}

void TesteInsercao::porAlternativa()
{
    Teste::Sessao s;
    Teste::Projeto(2, true);
    s.Mostrar<frmObjetivo>();
    frmInsercao* w = anteriores();
    QCOMPARE(alternativaNaBarra(w), QStringLiteral("Alternativa 1|1 de 2"));
    completar(w);
    Teste::PassarMouse(Controle(w, "Frame6"));
    QVERIFY(portaoAberto(w));

    // What stops "Avançar" with the gate open: an earlier window incomplete (that window is shown), a box of
    // this one emptied since (the gate closes), the database held whole or being written by another program
    // (one message). Nothing is stored, moved, emptied or handed on; put right, "Avançar" goes on.
    QWidget* objetivo = Janelas::Obter(QStringLiteral("frmObjetivo"))->Widget();
    const qint64 linha1 = MT::rsAlternativas->Id();
    std::optional<Teste::Trava> trava;
    const QString falha = Teste::Resumo("Análise Tessaura", Mensagens::Icone::Critico,
                                        "Não foi possível gravar os dados no banco de dados.");
    const struct { std::function<void()> estragar, consertar; QString mensagem, caixas, janela; } paradas[] = {
        {[&] { Controle<QLineEdit>(objetivo, "Text2")->clear(); },  // hidden behind this one
         [&] { digitar(objetivo, "Text2", "25"), Janelas::Mostrar(w); },
         Teste::Resumo("Análise Tessaura", Mensagens::Icone::Exclamacao,
                       "Faltam dados desta alternativa no critério \"Objetivo\". Complete-os para avançar."),
         "10|20|30,5|40|10", "oculta, aberta"},
        {[&] { escrever(w, "Text2", ""); },
         [&] { escrever(w, "Text2", "20"), Teste::PassarMouse(Controle(w, "Frame1")); }, "", "10||30,5|40|10",
         "mostrada, fechada"},
        {[&] { trava.emplace(); }, [&] { trava.reset(); }, falha, "10|20|30,5|40|10", "mostrada, aberta"},
        {[&] { trava.emplace(QString(), Teste::Trava::Tipo::Escrita); }, [&] { trava.reset(); }, falha,
         "10|20|30,5|40|10", "mostrada, aberta"},
    };
    for (const auto& p : paradas) {
        Mensagens::LimparHistorico();
        p.estragar();
        QVERIFY(!trava || trava->Tomada());
        clicar(w, "CommandButton1");
        QVERIFY(!MT::Reentrada && MT::rsAlternativas->Id() == linha1 && Janelas::Obter<frmInsercao>() == w);
        QCOMPARE(Teste::UltimaResumida() + ' ' + QString::number(Teste::TextosMostrados().size()) + ' ' + caixas(w)
                     + '|' + caixa(objetivo, "Text1") + (Janelas::Visivel(w) ? " mostrada" : " oculta")
                     + (portaoAberto(w) ? ", aberta" : ", fechada"),
                 p.mensagem + (p.mensagem.isEmpty() ? " 0 " : " 1 ") + p.caixas + "|10 " + p.janela);
        p.consertar();
        QCOMPARE(Teste::Coluna("SELECT count(*) FROM tblTessaura WHERE coalesce(TR, TRD, QJmin, PTD, Aapta1, Aapta2, "
                               "IP, ICC, Ades) IS NULL").value(0).toInt(), 2);
    }
    QVERIFY(portaoAberto(w) && Janelas::Obter(QStringLiteral("frmObjetivo"))->Widget() == objetivo);
    Mensagens::LimparHistorico();

    // Not the last: the loop starts again with fresh windows on the next alternative.
    clicar(w, "CommandButton1");
    QVERIFY(MT::Reentrada && !MT::InsercaoCarregado && !Janelas::Carregada(QStringLiteral("frmImpacto")));
    QVERIFY(Janelas::Obter(QStringLiteral("frmObjetivo"))->Widget() != objetivo && visivel("frmObjetivo"));
    w = anteriores();
    QCOMPARE(alternativaNaBarra(w) + '|' + caixas(w) + '|' + marcas(w),
             QStringLiteral("Alternativa 2|2 de 2||||||0000"));
    QVERIFY(!portaoAberto(w));

    // The last hands over to the results of both.
    completar(w);
    Teste::PassarMouse(Controle(w, "Frame1"));
    clicar(w, "CommandButton1");
    QVERIFY(!MT::Reentrada && !Janelas::Visivel(w) && visivel("frmCalculoIndices"));
    QCOMPARE(linha(1) + ' ' + linha(2), QStringLiteral("10|20|4|30.5|40|5|6|10 10|20|4|30.5|40|5|6|10"));

    // The entry finished: nothing to store or check, straight to the results.
    Janelas::Ocultar(Janelas::Obter(QStringLiteral("frmCalculoIndices")));
    Janelas::Mostrar(w);
    Controle<QLineEdit>(QStringLiteral("frmObjetivo"), QStringLiteral("Text1"))->clear();
    clicar(w, "CommandButton1");
    QVERIFY(visivel("frmCalculoIndices") && Teste::TextosMostrados().isEmpty());
}

TESTE_MAIN(TesteInsercao)
#include "tst_insercao.moc"
