// The insertion window driven as a user drives it: tabs and the social
// sub-menu, the status and help cues, the hint lamp, the number boxes' keys and
// F5, the running maximum, the walk per criterion, the check and hand-over per
// alternative, and the way in from a new project in both orders.
#include "Ambiente.h"

#include "common/BarraStatus.h"
#include "common/Figuras.h"
#include "common/Janelas.h"
#include "common/ModuloTessaura.h"
#include "common/PortaoAvancar.h"
#include "entry/CaixaNumerica.h"
#include "entry/MapaInsercao.h"
#include "entry/frmImpacto.h"
#include "entry/frmInsercao.h"
#include "entry/frmObjetivo.h"
#include "shell/frmMain.h"

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTextEdit>

namespace MT = ModuloTessaura;
using Teste::Controle;

namespace {

frmInsercao* abrir(Teste::Sessao& s, int n, bool porAlternativa = false)
{
    s.Principal();
    Teste::Projeto(n, porAlternativa);
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
    if (n <= 2)
        aba(w, 0);
    else
        item(w, n == 5 ? 3 : 0);
    digitar(w, nome, t);
}
// The status icon Image5..Image8 shows the tick.
bool marcaDado(QWidget* w, int icone)
{
    return Controle<QLabel>(w, QStringLiteral("Image%1").arg(icone))->pixmap().cacheKey() == Figuras::Ok().cacheKey();
}
void passarSobre(QWidget* alvo)
{
    const QPointF p(2, alvo->height() - 2);
    QMouseEvent e(QEvent::MouseMove, p, alvo->mapToGlobal(p), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(alvo, &e);
}
QVariant campo(const char* nome, int alternativa)
{
    return Teste::Coluna(QStringLiteral("SELECT %1 FROM tblTessaura WHERE Marcador = 'alt%2'")
                             .arg(QLatin1String(nome))
                             .arg(alternativa))
        .value(0);
}

// Every datum given: four areas, landscape "Indiferente", circulation
// "Pequena melhora", other functions "Sensível melhora", the expropriation.
void completar(QWidget* w, const QString& area = QStringLiteral("10"))
{
    escrever(w, "Text1", area);
    escrever(w, "Text2", "20");
    clicar(w, "Option6");
    escrever(w, "Text3", "30,5");
    escrever(w, "Text4", "40");
    item(w, 1);
    clicar(w, "Option12");
    item(w, 2);
    clicar(w, "Option17");
    escrever(w, "Text5", area);
}

// The lamp changes its picture at each tick of the blink.
bool pisca(QWidget* w)
{
    auto* lampada = Controle<QLabel>(w, "Image17");
    const qint64 antes = lampada->pixmap().cacheKey();
    w->findChild<PortaoAvancar*>()->Timer1_Timer();
    return lampada->isVisible() && lampada->pixmap().cacheKey() != antes;
}

// The results window stands in for the real one.
void registrarResultados()
{
    Janelas::RegistrarFabrica(QStringLiteral("frmCalculoIndices"), [] { return new Formulario; });
}

const QString Completo = QStringLiteral("Todos os dados foram fornecidos");
const QString Faltam = QStringLiteral("Faltam alguns dados");

}  // namespace

class TesteInsercao : public QObject {
    Q_OBJECT
private slots:
    void abasMenuEPortao();
    void iconesEAjuda();
    void teclasDecimais();
    void teclaF5();
    void maximoCorrente();
    void percursoPorCriterio();
    void porAlternativa();
    void chegadaPeloNovo();
};

void TesteInsercao::abasMenuEPortao()
{
    Teste::Sessao s;
    frmInsercao* w = abrir(s, 2);
    QVERIFY(MT::InsercaoCarregado);
    // The gate's three parts, closed together at load.
    QVERIFY(!portaoAberto(w) && Controle(w, "Picture4")->isVisible() && !Controle(w, "Image17")->isVisible());
    QVERIFY(w->Picture1(0)->isEnabled() && !w->Picture1(1)->isEnabled());
    escrever(w, "Text1", "5");
    clicar(w, "Option4");
    escrever(w, "Text3", "7");  // on the other page
    QVERIFY(!w->Picture1(0)->isEnabled() && w->Picture1(1)->isEnabled());

    // Each social item shows its own frame only, points the marker at itself
    // and closes the help box.
    const char* frames[] = {"Frame4", "Frame3", "Frame5", "Frame6"};
    const char* icones[] = {"Image4", "Image11", "Image12", "Image13"};
    for (int i : {3, 1, 2, 0}) {
        item(w, i);
        QVERIFY(!Controle(w, "RichTextBox1")->isVisible() && !Controle(w, "Command3")->isVisible());
        for (int f = 0; f < 4; ++f)
            QCOMPARE(Controle(w, frames[f])->isVisible(), f == i);
        const QRect rotulo = Controle(w, QStringLiteral("Label%1").arg(12 + i))->geometry();
        const QRect marcador = Controle(w, "Image3")->geometry();
        QVERIFY(rotulo.top() <= marcador.center().y() && marcador.top() <= rotulo.bottom());
        clicar(w, icones[i]);
        QVERIFY(Controle(w, "RichTextBox1")->isVisible());
    }
    aba(w, 0);  // nothing typed or chosen is lost on the way
    QVERIFY(caixa(w, "Text1") == "5" && marcado(w, "Option4") && caixa(w, "Text3") == "7");

    // The item under the pointer stays underlined over frames and icons,
    // until the pointer crosses the bare page.
    auto* l13 = Controle<QLabel>(w, "Label13");
    aba(w, 1);
    passarSobre(l13);
    passarSobre(Controle(w, "Frame4"));
    passarSobre(Controle(w, "Image6"));
    QVERIFY(l13->font().underline());
    passarSobre(w->Picture1(1));
    QVERIFY(!l13->font().underline());

    // The running maximum cannot be typed into.
    item(w, 3);
    QTest::keyClicks(Controle(w, "Text6"), "99");
    QVERIFY(!Controle(w, "Text6")->isEnabled() && caixa(w, "Text6").isEmpty());
    Janelas::Descarregar(w);
    QVERIFY(!MT::InsercaoCarregado);
}

void TesteInsercao::iconesEAjuda()
{
    Teste::Sessao s;
    frmInsercao* w = abrir(s, 2);
    for (int icone = 5; icone <= 8; ++icone)
        QVERIFY(!marcaDado(w, icone));
    // Boxes given, missing, and holding text that does not read as a number.
    const struct {
        const char *t3, *t4, *t5;
        bool recreacao, desapropriacao;
    } casos[] = {{"12", "3", "8", true, true}, {"12", "", "", false, false},
                 {"1,,5", "3", ",", false, false}, {"0", "0,5", "0", true, true}};
    for (const auto& c : casos) {
        escrever(w, "Text3", c.t3);
        escrever(w, "Text4", c.t4);
        escrever(w, "Text5", c.t5);
        QVERIFY(marcaDado(w, 5) == c.recreacao && marcaDado(w, 8) == c.desapropriacao);
    }
    item(w, 1);
    clicar(w, "Option11");  // "Indiferente" answers like any other level
    item(w, 2);
    QVERIFY(marcaDado(w, 6) && !marcaDado(w, 7));
    clicar(w, "Option15");
    QVERIFY(marcaDado(w, 7));
    // A loaded row sets every icon by what it selects: a circulation level out
    // of range and a worsening other-functions level select nothing.
    Teste::Executar("UPDATE tblTessaura SET ARL1 = 1, ARL2 = 2, ICC = 9, PUOF = 2 WHERE Marcador = 'alt2'");
    clicar(w, "Command1");
    QVERIFY(marcaDado(w, 5) && !marcaDado(w, 6) && !marcaDado(w, 7) && !marcaDado(w, 8));
    QCOMPARE(w->Pagina().icc + w->Pagina().puof, 0);

    // Each help icon opens its indicator's text.
    auto* box = Controle<QTextEdit>(w, "RichTextBox1");
    const struct {
        int item;
        const char *icone, *inicio;
    } ajudas[] = {
        {-1, "Image1", "Segundo a literatura técnica, um ecossistema pode ser definido como uma comunidade biótica"},
        {-1, "Image2", "A avaliação desse critério trata de verificar se o cenário proposto para cada alternativa"},
        {0, "Image4", "Além de seus objetivos principais, de drenagem e o controle de inundações, uma obra de"},
        {1, "Image11", "A utilização de diferentes técnicas de drenagem urbana pode causar um impacto benéfico"},
        {2, "Image12", "Determinadas técnicas utilizadas em sistemas de drenagem podem desempenhar outras funções"},
        {3, "Image13", "Para a utilização de determinadas técnicas alternativas de drenagem urbana, algumas áreas"}};
    for (const auto& a : ajudas) {
        a.item < 0 ? aba(w, 0) : item(w, a.item);
        clicar(w, a.icone);
        QVERIFY2(box->isVisible() && box->toPlainText().startsWith(QString::fromUtf8(a.inicio)), a.icone);
    }
    clicar(w, "Command3");
    QVERIFY(!box->isVisible() && !Controle(w, "Command3")->isVisible());
}

void TesteInsercao::teclasDecimais()
{
    const struct {
        const char* locale;
        QString digitado, resultado, mensagem;
    } casos[] = {{"pt_BR", "1.5", "1,5", "O separador de decimal é a vírgula"},
                 {"en_US", "1,5", "1.5", "O separador de decimal é o ponto"}};
    for (const auto& c : casos) {
        Teste::Sessao s(QString::fromLatin1(c.locale));
        frmInsercao* w = abrir(s, 1);
        for (const char* nome : {"Text1", "Text2", "Text3", "Text4", "Text5"}) {
            Mensagens::LimparHistorico();
            escrever(w, nome, c.digitado);
            QTest::keyClicks(Controle(w, nome), "-a");
            QCOMPARE(caixa(w, nome), c.resultado);
            QCOMPARE(Teste::TextosMostrados(), (QStringList{c.mensagem, "Insira somente valores numéricos neste campo.",
                                                            "Insira somente valores numéricos neste campo."}));
        }
    }
}

void TesteInsercao::teclaF5()
{
    Teste::Sessao s;
    frmInsercao* w = abrir(s, 3);
    Teste::Executar("UPDATE tblTessaura SET Nome = 'O''Brien %', Aapta1 = 100, Aapta2 = 200, IP = 6, ARL1 = 0, "
                    "ARL2 = 50.5, ICC = NULL, PUOF = 4, Ades = 75 WHERE Marcador = 'alt3'");
    clicar(w, "Command1");  // the second alternative is on show
    QStringList vistos;
    Teste::AoExibirModal([&](Dialogo* d) {
        vistos << QStringList{MT::TituloPOP, MT::MarcadorPOP, MT::SimboloPOP, MT::QualificadorPOP, MT::IndicePOP,
                              MT::UnidadePOP, MT::CampoPOP, MT::ValorPOP.toString()}
                      .join('|');
        clicar(d, "CommandButton2");  // "Descartar dado"
    });
    escrever(w, "Text2", "4,5");
    for (const char* nome : {"Text1", "Text2", "Text3", "Text4", "Text5"}) {
        escrever(w, nome, caixa(w, nome));
        QTest::keyClick(Controle(w, nome), Qt::Key_F5, Qt::ShiftModifier);
    }
    QTest::keyClick(Controle(w, "Command1"), Qt::Key_F5);  // not a box: nothing
    const QString t = QStringLiteral("Inserção da Obra|alt2|A||");
    QCOMPARE(vistos, (QStringList{t + "apta 1|m2|Aapta1|", t + "apta 2|m2|Aapta2|4,5", t + "RL 1|m2|ARL1|",
                                  t + "RL 2|m2|ARL2|", t + "des|m2|Ades|"}));
    QCOMPARE(caixa(w, "Text2"), QStringLiteral("4,5"));

    // One datum, then the whole criterion, from the third alternative; then a
    // whole copy that cannot be done leaves the window exactly as it was.
    bool inteiro = false;
    Teste::AoExibirModal([&](Dialogo* d) {
        QCOMPARE(Teste::Itens(Controle<QComboBox>(d, "Combo1")), (QStringList{"Alternativa 1", "O'Brien %"}));
        Controle<QComboBox>(d, "Combo1")->setCurrentIndex(1);
        clicar(d, inteiro ? "OptionButton1" : "OptionButton2");
        clicar(d, "CommandButton1");
        if (Janelas::Carregada(QStringLiteral("frmPOP")))
            clicar(d, "CommandButton2");
    });
    escrever(w, "Text4", "");
    QTest::keyClick(Controle(w, "Text4"), Qt::Key_F5);
    QCOMPARE(caixa(w, "Text4"), QStringLiteral("50,5"));
    QVERIFY(!marcaDado(w, 5));  // ARL1 still missing
    inteiro = true;
    for (bool falha : {false, true}) {
        Mensagens::LimparHistorico();
        QTest::keyClick(Controle(w, "Text3"), Qt::Key_F5);
        const MapaInsercao::PaginaInsercao p = w->Pagina();
        QCOMPARE(QStringList({p.aapta1, p.aapta2, p.arl1, p.arl2, p.ades}).join('|'),
                 falha ? QStringLiteral("100|200|9|50,5|75") : QStringLiteral("100|200|0|50,5|75"));
        QCOMPARE(p.ip * 100 + p.icc * 10 + p.puof, 604);
        QVERIFY(marcaDado(w, 5) && !marcaDado(w, 6) && marcaDado(w, 7) && marcaDado(w, 8));
        QCOMPARE(Teste::TextosMostrados().size(), falha ? 1 : 0);
        Teste::Executar("UPDATE tblTessaura SET Ades = NULL WHERE Marcador = 'alt3'");
        escrever(w, "Text3", "9");
    }
    QVERIFY(campo("Aapta1", 2).isNull());  // no copy stores anything
}

void TesteInsercao::maximoCorrente()
{
    const struct {
        const char *locale, *maximo, *novo, *resultado;
    } casos[] = {{"pt_BR", "", "9", "9"},    {"pt_BR", "9", "10", "10"},   {"pt_BR", "10", "", "10"},
                 {"pt_BR", "10", "1,,5", "10"}, {"pt_BR", ",", "0", "0"},  {"en_US", "10", "9.75", "10"}};
    for (const auto& c : casos) {
        Teste::Sessao s(QString::fromLatin1(c.locale));
        QCOMPARE(MapaInsercao::MaximoCorrente(c.maximo, c.novo), QString::fromLatin1(c.resultado));
    }
}

void TesteInsercao::percursoPorCriterio()
{
    Teste::Sessao s;
    frmInsercao* w = abrir(s, 3);
    // Over the covered "Avançar": the lamp, and the criterion's hint in the balloon.
    QEvent entrar(QEvent::Enter);
    QApplication::sendEvent(Controle(w, "Label52"), &entrar);
    QVERIFY(Controle(w, "Image17")->isVisible());
    QCOMPARE(texto(w, "Label49"), QStringLiteral("O botão 'Avançar' estará disponível quando todos os dados, "
                                                 "referentes à todas alternativas estudadas, forem fornecidos."));

    completar(w);
    clicar(w, "Command1");
    QCOMPARE(campo("ARL1", 1).toDouble(), 30.5);
    QCOMPARE(campo("IP", 1).toInt() * 100 + campo("ICC", 1).toInt() * 10 + campo("PUOF", 1).toInt(), 456);
    QCOMPARE(alternativaNaBarra(w), QStringLiteral("Alternativa 2|2 de 3"));
    QCOMPARE(w->Pagina().aapta1 + w->Pagina().ades, QString());
    QCOMPARE(w->StatusAlternativas().Valor(1), 1);
    QCOMPARE(texto(w, "Label53"), Faltam);
    QCOMPARE(Controle(w, "Label53")->palette().color(QPalette::WindowText), QColor(128, 0, 0));
    // Backwards to the first, loaded whole, then round to the last.
    clicar(w, "Command2");
    QVERIFY(marcado(w, "Option6") && marcado(w, "Option12") && marcado(w, "Option17"));
    QCOMPARE(caixa(w, "Text3") + '|' + texto(w, "Label53"), "30,5|" + Completo);
    QCOMPARE(Controle(w, "Label53")->palette().color(QPalette::WindowText), QColor(0, 128, 0));
    clicar(w, "Command2");
    QCOMPARE(alternativaNaBarra(w), QStringLiteral("Alternativa 3|3 de 3"));

    // The third, typed before leaving for another window, lands in its own
    // row; an unreadable area is not stored and does not count.
    completar(w, "9");
    escrever(w, "Text2", "1,,5");
    Teste::MostrarOutraJanela();
    Janelas::Mostrar(w);
    QCOMPARE(alternativaNaBarra(w) + '|' + caixa(w, "Text5"), QStringLiteral("Alternativa 3|3 de 3|9"));
    clicar(w, "Command1");  // wraps to the first
    QCOMPARE(texto(w, "Label38"), QStringLiteral("Alternativa 1"));
    QCOMPARE(campo("Ades", 3).toDouble() * 100 + campo("Ades", 1).toDouble(), 910.0);
    QVERIFY(campo("Aapta2", 3).isNull() && campo("Ades", 2).isNull());
    QCOMPARE(w->StatusAlternativas().Valor(3), 0);
    QVERIFY(!portaoAberto(w));

    // The move that leaves the last incomplete one complete opens the gate;
    // the lamp then blinks.
    clicar(w, "Command1");
    completar(w, "8");
    clicar(w, "Command1");
    QVERIFY(!portaoAberto(w) && !Controle(w, "Image17")->isVisible());
    escrever(w, "Text2", "3");
    clicar(w, "Command1");
    QVERIFY(portaoAberto(w) && !Controle(w, "Picture4")->isVisible() && pisca(w) && pisca(w));
    QCOMPARE(texto(w, "Label49"),
             QStringLiteral("Os dados de todas as alternativas foram fornecidos. Você já pode passar para a próxima etapa."));
    // The running maximum of the stores compares numbers: 10 beats 9 and 8.
    QCOMPARE(caixa(w, "Text6"), QStringLiteral("10"));

    // "Avançar" stores what was typed after the last move first: an emptied box
    // closes the gate and nothing is handed on.
    registrarResultados();
    escrever(w, "Text5", "");
    clicar(w, "CommandButton1");
    QVERIFY(campo("Ades", 1).isNull() && !portaoAberto(w) && !pisca(w));
    QVERIFY(Janelas::Visivel(w) && !Janelas::Carregada(QStringLiteral("frmCalculoIndices")));
    escrever(w, "Text5", "12");
    clicar(w, "CommandButton1");  // the gate is judged only by a move
    QVERIFY(campo("Ades", 1).isNull());
    clicar(w, "Command1");
    clicar(w, "Command2");
    clicar(w, "CommandButton1");
    QCOMPARE(campo("Ades", 1).toDouble(), 12.0);
    QVERIFY(!Janelas::Visivel(w) && MT::InsercaoCarregado && visivel("frmCalculoIndices"));
}

void TesteInsercao::porAlternativa()
{
    Teste::Sessao s;
    s.Principal();
    Teste::Projeto(2, true);
    registrarResultados();
    // The alternative's two other windows, complete.
    auto outras = [] {
        auto* objetivo = Janelas::Carregar<frmObjetivo>();
        objetivo->Text1->setText("10");
        objetivo->Text2->setText("25");
        MapaImpacto::PaginaImpacto pi;
        pi.minima = true;
        pi.qjmin = pi.qalvo = pi.recarga1 = pi.recarga2 = "1";
        pi.ptd = pi.ppi = pi.iasup = pi.iasub = 4;
        Janelas::Carregar<frmImpacto>()->MostrarPagina(pi);
        return objetivo;
    };
    frmObjetivo* objetivo = outras();
    frmInsercao* w = s.Mostrar<frmInsercao>();
    QVERIFY(!Controle(w, "Command1")->isEnabled() && !Controle(w, "Command2")->isEnabled());
    QEvent entrar(QEvent::Enter);
    QApplication::sendEvent(Controle(w, "Label52"), &entrar);
    QCOMPARE(texto(w, "Label49"), QStringLiteral("O botão 'Avançar' estará disponível quando todos os dados "
                                                 "referentes a esta alternativa foram fornecidos. "));

    // Typing alone does not judge; the pointer over a frame does.
    completar(w);
    QVERIFY(!portaoAberto(w) && texto(w, "Label53") == "Status");
    passarSobre(Controle(w, "Frame6"));
    QVERIFY(portaoAberto(w) && texto(w, "Label53") == Completo && pisca(w));
    QCOMPARE(texto(w, "Label49"),
             QStringLiteral("Os dados referentes a esta alternativa foram fornecidos. Agora você deve fornecer os "
                            "dados referentes as outras alternativas. Use a tecla 'F5' para aproveitar os dados de "
                            "outras alternativas."));

    // An earlier window incomplete: nothing goes on and that window is shown.
    objetivo->Text2->clear();
    clicar(w, "CommandButton1");
    QCOMPARE(Teste::TextosMostrados().last(),
             QStringLiteral("Faltam dados desta alternativa no critério \"Objetivo\". Complete-os para avançar."));
    QVERIFY(!MT::Reentrada && visivel("frmObjetivo") && !Janelas::Visivel(w));
    objetivo->Text2->setText("25");
    Janelas::Mostrar(w);

    // Not the last: the loop starts again with a fresh objective window.
    clicar(w, "CommandButton1");
    QVERIFY(MT::Reentrada && !MT::InsercaoCarregado && !Janelas::Carregada(QStringLiteral("frmImpacto")));
    QVERIFY(Janelas::Obter<frmObjetivo>() != objetivo && visivel("frmObjetivo"));

    // The last hands over to the results.
    MT::rsAlternativas->MoveLast();
    objetivo = outras();
    w = s.Mostrar<frmInsercao>();
    QCOMPARE(alternativaNaBarra(w), QStringLiteral("Alternativa 2|2 de 2"));
    completar(w);
    passarSobre(Controle(w, "Frame1"));
    clicar(w, "CommandButton1");
    QVERIFY(!MT::Reentrada && !Janelas::Visivel(w) && visivel("frmCalculoIndices"));

    // With the entry finished there is nothing to store or check: straight to the results.
    Janelas::Ocultar(Janelas::Obter(QStringLiteral("frmCalculoIndices")));
    MT::rsAlternativas->MoveNext();
    Janelas::Mostrar(w);
    QVERIFY(w->Pagina().ades.isEmpty());  // the store emptied the window
    completar(w);
    objetivo->Text1->clear();
    passarSobre(Controle(w, "Frame1"));
    clicar(w, "CommandButton1");
    QVERIFY(visivel("frmCalculoIndices") && Janelas::Carregada(QStringLiteral("frmObjetivo")));
}

void TesteInsercao::chegadaPeloNovo()
{
    for (bool porAlternativa : {false, true}) {
        Teste::Sessao s;
        s.Principal()->findChild<QAction*>("new")->trigger();
        QWidget* inicio = Janelas::Obter(QStringLiteral("frmInicio"))->Widget();
        digitar(inicio, "Text3", "3");
        QTest::keyClick(Controle(inicio, "Text3"), Qt::Key_Return);
        for (int i = 1; i <= 3; ++i) {
            digitar(inicio, "Text1", QStringLiteral("Alternativa %1").arg(i));
            clicar(inicio, "Command6");
        }
        if (porAlternativa)
            clicar(inicio, "Option1");
        clicar(inicio, "CommandButton1");
        clicar(Janelas::Obter(QStringLiteral("frmPesoPond"))->Widget(), "CommandButton1");

        // Per criterion every alternative is entered and walked, per
        // alternative the first one.
        const int passos = porAlternativa ? 1 : 3;
        QWidget* objetivo = Janelas::Obter(QStringLiteral("frmObjetivo"))->Widget();
        for (int i = 0; i < passos; ++i) {
            digitar(objetivo, "Text1", "10");
            digitar(objetivo, "Text2", "25");
            if (!porAlternativa)
                clicar(objetivo, "Command2");
        }
        clicar(objetivo, "CommandButton1");
        QWidget* impacto = Janelas::Obter(QStringLiteral("frmImpacto"))->Widget();
        for (int i = 0; i < passos; ++i) {
            aba(impacto, 0);
            clicar(impacto, "Check1");  // each alternative starts with it unticked
            for (const char* c : {"Text1", "Text3", "Text4", "Text5"})
                digitar(impacto, c, "2");
            for (const char* o : {"Option6", "Option13", "Option27", "Option20"}) {
                aba(impacto, QByteArray(o).mid(6).toInt() < 17 ? 1 : 2);
                clicar(impacto, o);
            }
            if (porAlternativa)
                passarSobre(Controle(impacto, "Frame5"));
            else
                clicar(impacto, "Command2");
        }
        clicar(impacto, "CommandButton1");
        QVERIFY(!visivel("frmImpacto") && visivel("frmInsercao"));
        QWidget* w = Janelas::Obter(QStringLiteral("frmInsercao"))->Widget();
        QCOMPARE(alternativaNaBarra(w), QStringLiteral("Alternativa 1|1 de 3"));
        QCOMPARE(Controle(w, "Command1")->isEnabled(), !porAlternativa);
    }
}

QTEST_MAIN(TesteInsercao)
#include "tst_insercao.moc"
