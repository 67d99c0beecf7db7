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
#include <QRadioButton>
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
// A social item chosen with the mouse: 0 recreation .. 3 expropriation.
void item(QWidget* w, int i)
{
    aba(w, 1);
    QTest::mouseClick(Controle(w, QStringLiteral("Label%1").arg(12 + i)), Qt::LeftButton);
}
bool marcaDado(QWidget* w, int icone)
{
    return Controle<QLabel>(w, QStringLiteral("Image%1").arg(icone))->pixmap().cacheKey()
           == Figuras::Ok().cacheKey();
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

// Types into one of the five boxes after bringing its page or item in.
void escrever(QWidget* w, const char* nome, const QString& t)
{
    const int n = QByteArray(nome).right(1).toInt();
    if (n <= 2)
        aba(w, 0);
    else
        item(w, n == 5 ? 3 : 0);
    digitar(w, nome, t);
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

// The results window stands in for the real one: it counts its activations.
class Resultados : public Formulario {
public:
    void Form_Activate() override { ++ativacoes; }
    int ativacoes = 0;
};
void registrarResultados()
{
    Janelas::RegistrarFabrica(QStringLiteral("frmCalculoIndices"), [] { return new Resultados; });
}
bool visivel(const char* janela) { return Janelas::Visivel(Janelas::Obter(QString::fromLatin1(janela))); }

const QString Label51 = QStringLiteral(
    "O botão 'Avançar' estará disponível quando todos os dados, referentes à todas alternativas "
    "estudadas, forem fornecidos.");
const QString Label54 = QStringLiteral(
    "Os dados de todas as alternativas foram fornecidos. Você já pode passar para a próxima etapa.");
const QString Label55 = QStringLiteral(
    "O botão 'Avançar' estará disponível quando todos os dados referentes a esta alternativa foram "
    "fornecidos. ");
const QString Label56 = QStringLiteral(
    "Os dados referentes a esta alternativa foram fornecidos. Agora você deve fornecer os dados "
    "referentes as outras alternativas. Use a tecla 'F5' para aproveitar os dados de outras "
    "alternativas.");
const QString Completo = QStringLiteral("Todos os dados foram fornecidos");
const QString Faltam = QStringLiteral("Faltam alguns dados");

}  // namespace

class TesteInsercao : public QObject {
    Q_OBJECT
private slots:
    void abasEMenuSocial();
    void iconesDeStatus();
    void ajuda();
    void lampadaEBalao();
    void teclasDecimais();
    void teclaF5();
    void maximoCorrente();
    void percursoPorCriterio();
    void avancarPorCriterio();
    void avancarPorAlternativa();
    void chegadaPeloNovo();
};

void TesteInsercao::abasEMenuSocial()
{
    Teste::Sessao s;
    QVERIFY(!MT::InsercaoCarregado);
    frmInsercao* w = abrir(s, 2);
    QVERIFY(MT::InsercaoCarregado);
    QCOMPARE(texto(w, "Label38") + '|' + MT::sbStatusBar()->Painel(2)->text(),
             QStringLiteral("Alternativa 1|1 de 2"));
    // The gate's three parts, closed together at load.
    QVERIFY(!portaoAberto(w) && Controle(w, "Picture4")->isVisible() && !Controle(w, "Image17")->isVisible());
    QVERIFY(w->Picture1(0)->isEnabled() && !w->Picture1(1)->isEnabled());

    escrever(w, "Text1", "5");
    clicar(w, "Option4");
    aba(w, 1);
    QVERIFY(!w->Picture1(0)->isEnabled() && w->Picture1(1)->isEnabled());
    // Each social item shows its own frame only, points the marker at itself
    // and closes the help box; what the other frames hold stays.
    const char* frames[] = {"Frame4", "Frame3", "Frame5", "Frame6"};
    QVERIFY(Controle(w, "Frame4")->isVisible() && !Controle(w, "Frame6")->isVisible());
    escrever(w, "Text3", "7");
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
    aba(w, 0);
    QVERIFY(caixa(w, "Text1") == "5" && marcado(w, "Option4") && caixa(w, "Text3") == "7");

    // The sub-menu item under the pointer is underlined until the pointer
    // crosses the bare page.
    auto* l13 = Controle<QLabel>(w, "Label13");
    aba(w, 1);
    passarSobre(l13);
    QVERIFY(l13->font().underline());
    passarSobre(Controle(w, "Frame4"));
    passarSobre(Controle(w, "Image6"));
    QVERIFY(l13->font().underline());
    passarSobre(w->Picture1(1));
    QVERIFY(!l13->font().underline());

    // The running maximum cannot be typed into.
    item(w, 3);
    auto* maximo = Controle<QLineEdit>(w, "Text6");
    QVERIFY(!maximo->isEnabled());
    QTest::keyClicks(maximo, "99");
    QVERIFY(maximo->text().isEmpty());
    Janelas::Descarregar(w);
    QVERIFY(!MT::InsercaoCarregado);
}

void TesteInsercao::iconesDeStatus()
{
    Teste::Sessao s;
    frmInsercao* w = abrir(s, 2);
    for (int icone = 5; icone <= 8; ++icone)
        QVERIFY(!marcaDado(w, icone));
    // Boxes: given, missing, and text that does not read as a number.
    const struct {
        const char *t3, *t4, *t5;
        bool recreacao, desapropriacao;
    } casos[] = {{"12", "3", "8", true, true},
                 {"12", "", "", false, false},
                 {"1,,5", "3", ",", false, false},
                 {"0", "0,5", "0", true, true}};
    for (const auto& c : casos) {
        escrever(w, "Text3", c.t3);
        escrever(w, "Text4", c.t4);
        escrever(w, "Text5", c.t5);
        QCOMPARE(marcaDado(w, 5), c.recreacao);
        QCOMPARE(marcaDado(w, 8), c.desapropriacao);
    }
    // "Indiferente" is a circulation answer like any other.
    item(w, 1);
    clicar(w, "Option11");
    item(w, 2);
    QVERIFY(marcaDado(w, 6) && !marcaDado(w, 7));
    clicar(w, "Option15");
    QVERIFY(marcaDado(w, 7));

    // A row loaded by the walk sets every icon by what it selects: a
    // circulation level out of range and a worsening other-functions level
    // select nothing.
    Teste::Executar("UPDATE tblTessaura SET ARL1 = 1, ARL2 = 2, ICC = 9, PUOF = 2, Ades = NULL "
                    "WHERE Marcador = 'alt2'");
    clicar(w, "Command1");
    QVERIFY(marcaDado(w, 5) && !marcaDado(w, 6) && !marcaDado(w, 7) && !marcaDado(w, 8));
    QCOMPARE(w->Pagina().icc + w->Pagina().puof, 0);
    QCOMPARE(texto(w, "Label53"), Faltam);
}

void TesteInsercao::ajuda()
{
    Teste::Sessao s;
    frmInsercao* w = abrir(s, 1);
    auto* box = Controle<QTextEdit>(w, "RichTextBox1");
    QVERIFY(!box->isVisible() && !Controle(w, "Command3")->isVisible());
    const struct {
        int pagina, item;
        const char* icone;
        QString inicio;
    } ajudas[] = {
        {0, -1, "Image1",
         "Segundo a literatura técnica, um ecossistema pode ser definido como uma comunidade biótica e "
         "seu ambiente abiótico."},
        {0, -1, "Image2",
         "A avaliação desse critério trata de verificar se o cenário proposto para cada alternativa de "
         "projeto está ou não de acordo com o desejo ou as características urbanas determinadas pelo "
         "plano diretor de uso e ocupação do solo."},
        {1, 0, "Image4",
         "Além de seus objetivos principais, de drenagem e o controle de inundações, uma obra de "
         "drenagem urbana pode ainda impactar o tecido urbano"},
        {1, 1, "Image11",
         "A utilização de diferentes técnicas de drenagem urbana pode causar um impacto benéfico ou "
         "prejudicial às condições de circulação."},
        {1, 2, "Image12",
         "Determinadas técnicas utilizadas em sistemas de drenagem podem desempenhar outras funções "
         "técnicas importantes."},
        {1, 3, "Image13",
         "Para a utilização de determinadas técnicas alternativas de drenagem urbana, algumas áreas "
         "devem ser desapropriadas de forma a serem utilizadas pelo sistema proposto."},
    };
    for (const auto& a : ajudas) {
        if (a.item >= 0)
            item(w, a.item);
        else
            aba(w, a.pagina);
        clicar(w, a.icone);
        QVERIFY2(box->isVisible() && Controle(w, "Command3")->isVisible(), a.icone);
        QVERIFY2(box->toPlainText().startsWith(a.inicio), a.icone);
    }
    QVERIFY(box->toPlainText().endsWith("(Amax des)."));
    clicar(w, "Command3");
    QVERIFY(!box->isVisible() && !Controle(w, "Command3")->isVisible());

    // The icon takes the hover picture under the pointer and the normal one
    // over its frame.
    auto* icone = Controle<IconeAjuda>(w, "Image13");
    QEvent entrar(QEvent::Enter);
    QApplication::sendEvent(icone, &entrar);
    QVERIFY(icone->MostraSobre());
    passarSobre(Controle(w, "Frame6"));
    QVERIFY(!icone->MostraSobre());
}

void TesteInsercao::lampadaEBalao()
{
    for (bool porAlternativa : {false, true}) {
        Teste::Sessao s;
        frmInsercao* w = abrir(s, 1, porAlternativa);
        auto* lampada = Controle<QLabel>(w, "Image17");
        auto* balao = Controle(w, "Picture3");
        // Over the covered "Avançar": the lamp, not yet the balloon.
        QEvent entrar(QEvent::Enter);
        QApplication::sendEvent(Controle(w, "Label52"), &entrar);
        QVERIFY(lampada->isVisible() && !balao->isVisible());
        QCOMPARE(texto(w, "Label49"), porAlternativa ? Label55 : Label51);
        passarSobre(lampada);
        QVERIFY(balao->isVisible());
        // Over the window's own background both go.
        const QPoint fundo(w->width() - 3, w->height() - 3);
        QVERIFY(!w->childAt(fundo));
        QMouseEvent mover(QEvent::MouseMove, fundo, w->mapToGlobal(fundo), Qt::NoButton, Qt::NoButton,
                          Qt::NoModifier);
        QApplication::sendEvent(w, &mover);
        QVERIFY(!balao->isVisible() && !lampada->isVisible());

        // The lamp blinks while the gate is open and is gone once it closes.
        completar(w);
        if (porAlternativa)
            passarSobre(Controle(w, "Frame6"));
        else
            clicar(w, "Command1");
        QVERIFY(portaoAberto(w) && lampada->isVisible() && !Controle(w, "Picture4")->isVisible());
        QCOMPARE(texto(w, "Label49"), porAlternativa ? Label56 : Label54);
        auto* portao = w->findChild<PortaoAvancar*>();
        const qint64 antes = lampada->pixmap().cacheKey();
        portao->Timer1_Timer();
        QVERIFY(lampada->pixmap().cacheKey() != antes);
        portao->Timer1_Timer();
        QCOMPARE(lampada->pixmap().cacheKey(), antes);
        escrever(w, "Text5", "");
        if (porAlternativa)
            passarSobre(Controle(w, "Frame6"));
        else
            clicar(w, "Command1");
        QVERIFY(!portaoAberto(w) && !lampada->isVisible() && Controle(w, "Picture4")->isVisible());
    }
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
        for (const char* nome : {"Text1", "Text2", "Text5"}) {
            Mensagens::LimparHistorico();
            escrever(w, nome, c.digitado);
            QCOMPARE(caixa(w, nome), c.resultado);
            QCOMPARE(Teste::TextosMostrados(), QStringList{c.mensagem});
            QTest::keyClicks(Controle(w, nome), "-a");
            QCOMPARE(caixa(w, nome), c.resultado);
            QCOMPARE(Teste::TextosMostrados().count("Insira somente valores numéricos neste campo."), 2);
        }
    }
}

void TesteInsercao::teclaF5()
{
    Teste::Sessao s;
    frmInsercao* w = abrir(s, 3);
    Teste::Executar("UPDATE tblTessaura SET Nome = 'O''Brien %', Aapta1 = 100, Aapta2 = 200, IP = 6, "
                    "ARL1 = 0, ARL2 = 50.5, ICC = NULL, PUOF = 4, Ades = 75 WHERE Marcador = 'alt3'");
    clicar(w, "Command1");  // the second alternative is on show
    QStringList vistos;
    Teste::AoExibirModal([&](Dialogo* d) {
        vistos << QStringList{MT::TituloPOP, MT::MarcadorPOP, MT::SimboloPOP, MT::QualificadorPOP,
                              MT::IndicePOP, MT::UnidadePOP, MT::CampoPOP, MT::ValorPOP.toString()}
                      .join('|');
        clicar(d, "CommandButton2");  // "Descartar dado"
    });
    escrever(w, "Text2", "4,5");
    for (const char* nome : {"Text1", "Text2", "Text3", "Text4", "Text5"}) {
        escrever(w, nome, caixa(w, nome));
        QTest::keyClick(Controle(w, nome), Qt::Key_F5, Qt::ShiftModifier);
    }
    QTest::keyClick(Controle(w, "Command1"), Qt::Key_F5);  // not a box: nothing
    QCOMPARE(vistos, (QStringList{"Inserção da Obra|alt2|A||apta 1|m2|Aapta1|",
                                  "Inserção da Obra|alt2|A||apta 2|m2|Aapta2|4,5",
                                  "Inserção da Obra|alt2|A||RL 1|m2|ARL1|",
                                  "Inserção da Obra|alt2|A||RL 2|m2|ARL2|",
                                  "Inserção da Obra|alt2|A||des|m2|Ades|"}));
    QCOMPARE(caixa(w, "Text2"), QStringLiteral("4,5"));

    // One datum taken from the third alternative, whose name is listed as it is.
    Teste::AoExibirModal([&](Dialogo* d) {
        QCOMPARE(Teste::Itens(Controle<QComboBox>(d, "Combo1")),
                 (QStringList{"Alternativa 1", "O'Brien %"}));
        Controle<QComboBox>(d, "Combo1")->setCurrentIndex(1);
        clicar(d, "OptionButton2");
        clicar(d, "CommandButton1");
    });
    escrever(w, "Text4", "");
    QTest::keyClick(Controle(w, "Text4"), Qt::Key_F5);
    QCOMPARE(caixa(w, "Text4"), QStringLiteral("50,5"));
    QVERIFY(!marcaDado(w, 5));  // ARL1 still missing

    // The whole criterion: every box and option, icons by what came over.
    Teste::AoExibirModal([&](Dialogo* d) {
        Controle<QComboBox>(d, "Combo1")->setCurrentIndex(1);
        clicar(d, "OptionButton1");
        clicar(d, "CommandButton1");
    });
    QTest::keyClick(Controle(w, "Text3"), Qt::Key_F5);
    const MapaInsercao::PaginaInsercao p = w->Pagina();
    QCOMPARE(QStringList({p.aapta1, p.aapta2, p.arl1, p.arl2, p.ades}).join('|'),
             QStringLiteral("100|200|0|50,5|75"));
    QCOMPARE(p.ip * 100 + p.icc * 10 + p.puof, 604);
    QVERIFY(marcaDado(w, 5) && !marcaDado(w, 6) && marcaDado(w, 7) && marcaDado(w, 8));
    QVERIFY(campo("Aapta1", 2).isNull());  // the copy stores nothing

    // A copy that cannot be done leaves the window exactly as it was.
    Teste::Executar("UPDATE tblTessaura SET Ades = NULL WHERE Marcador = 'alt3'");
    escrever(w, "Text3", "9");
    Teste::AoExibirModal([&](Dialogo* d) {
        Controle<QComboBox>(d, "Combo1")->setCurrentIndex(1);
        clicar(d, "OptionButton1");
        clicar(d, "CommandButton1");
        clicar(d, "CommandButton2");
    });
    Mensagens::LimparHistorico();
    QTest::keyClick(Controle(w, "Text3"), Qt::Key_F5);
    QCOMPARE(Teste::TextosMostrados().size(), 1);
    QCOMPARE(caixa(w, "Text3"), QStringLiteral("9"));
    const MapaInsercao::PaginaInsercao depois = w->Pagina();
    QCOMPARE(QStringList({depois.aapta1, depois.arl2, depois.ades}).join('|'), QStringLiteral("100|50,5|75"));
    QCOMPARE(depois.ip * 100 + depois.icc * 10 + depois.puof, 604);
}

void TesteInsercao::maximoCorrente()
{
    {
        Teste::Sessao s;
        const struct {
            const char *maximo, *novo, *resultado;
        } casos[] = {{"", "9", "9"},       {"9", "10", "10"},  {"10", "9", "10"},
                     {"10", "", "10"},     {"10", "1,,5", "10"}, {",", "0", "0"},
                     {"2,5", "2,75", "2,75"}};
        for (const auto& c : casos)
            QCOMPARE(MapaInsercao::MaximoCorrente(c.maximo, c.novo), QString::fromLatin1(c.resultado));
    }
    Teste::Sessao s("en_US");
    QCOMPARE(MapaInsercao::MaximoCorrente("9.5", "10"), QStringLiteral("10"));
    QCOMPARE(MapaInsercao::MaximoCorrente("10", "9.75"), QStringLiteral("10"));
    // In the window, by the walk's stores.
    frmInsercao* w = abrir(s, 2);
    for (const char* ades : {"9", "10", "9.5"}) {
        escrever(w, "Text5", ades);
        clicar(w, "Command1");
    }
    QCOMPARE(caixa(w, "Text6"), QStringLiteral("10"));
}

void TesteInsercao::percursoPorCriterio()
{
    Teste::Sessao s;
    frmInsercao* w = abrir(s, 3);
    completar(w);
    clicar(w, "Command1");
    QCOMPARE(campo("Aapta1", 1).toDouble(), 10.0);
    QCOMPARE(campo("ARL1", 1).toDouble(), 30.5);
    QCOMPARE(campo("IP", 1).toInt() * 100 + campo("ICC", 1).toInt() * 10 + campo("PUOF", 1).toInt(), 456);
    QCOMPARE(texto(w, "Label38") + '|' + MT::sbStatusBar()->Painel(2)->text(),
             QStringLiteral("Alternativa 2|2 de 3"));
    QCOMPARE(w->Pagina().aapta1 + w->Pagina().ades, QString());
    QCOMPARE(w->StatusAlternativas().Valor(1), 1);
    QCOMPARE(texto(w, "Label53"), Faltam);
    QCOMPARE(Controle(w, "Label53")->palette().color(QPalette::WindowText), QColor(128, 0, 0));

    // Backwards from the second to the first, then round to the last.
    clicar(w, "Command2");
    QCOMPARE(texto(w, "Label38"), QStringLiteral("Alternativa 1"));
    QVERIFY(marcado(w, "Option6") && marcado(w, "Option12") && marcado(w, "Option17"));
    QCOMPARE(caixa(w, "Text3"), QStringLiteral("30,5"));
    QCOMPARE(texto(w, "Label53"), Completo);
    QCOMPARE(Controle(w, "Label53")->palette().color(QPalette::WindowText), QColor(0, 128, 0));
    clicar(w, "Command2");
    QCOMPARE(texto(w, "Label38") + '|' + MT::sbStatusBar()->Painel(2)->text(),
             QStringLiteral("Alternativa 3|3 de 3"));

    // The third: an unreadable area is not stored and does not count; the
    // data typed before leaving for another window land in its own row.
    completar(w, "7");
    escrever(w, "Text2", "1,,5");
    Teste::MostrarOutraJanela();
    Janelas::Mostrar(w);
    QCOMPARE(texto(w, "Label38") + '|' + MT::sbStatusBar()->Painel(2)->text() + '|' + caixa(w, "Text5"),
             QStringLiteral("Alternativa 3|3 de 3|7"));
    clicar(w, "Command1");  // wraps to the first
    QCOMPARE(texto(w, "Label38"), QStringLiteral("Alternativa 1"));
    QCOMPARE(campo("Ades", 3).toDouble(), 7.0);
    QVERIFY(campo("Aapta2", 3).isNull());
    QCOMPARE(campo("Ades", 1).toDouble(), 10.0);
    QVERIFY(campo("Ades", 2).isNull());
    QCOMPARE(w->StatusAlternativas().Valor(3), 0);
    QVERIFY(!portaoAberto(w));

    // Every alternative complete: the move that leaves the last one open opens the gate.
    clicar(w, "Command1");
    completar(w, "8");
    clicar(w, "Command1");
    QVERIFY(!portaoAberto(w));
    escrever(w, "Text2", "3");
    clicar(w, "Command1");
    QVERIFY(portaoAberto(w));
    QCOMPARE(texto(w, "Label38"), QStringLiteral("Alternativa 1"));
}

void TesteInsercao::avancarPorCriterio()
{
    Teste::Sessao s;
    frmInsercao* w = abrir(s, 1);
    completar(w);
    clicar(w, "Command1");
    QVERIFY(portaoAberto(w));
    registrarResultados();
    // What was typed after the last move is stored first; an emptied box
    // closes the gate and nothing is handed over.
    escrever(w, "Text5", "");
    clicar(w, "CommandButton1");
    QVERIFY(campo("Ades", 1).isNull());
    QVERIFY(!portaoAberto(w) && Janelas::Visivel(w) && !Janelas::Carregada("frmCalculoIndices"));
    escrever(w, "Text5", "12");
    clicar(w, "Command1");
    clicar(w, "CommandButton1");
    QCOMPARE(campo("Ades", 1).toDouble(), 12.0);
    QVERIFY(!Janelas::Visivel(w) && MT::InsercaoCarregado);
    QVERIFY(visivel("frmCalculoIndices"));
}

void TesteInsercao::avancarPorAlternativa()
{
    Teste::Sessao s;
    s.Principal();
    Teste::Projeto(2, true);
    registrarResultados();
    // The other two windows of the alternative, complete.
    auto* objetivo = Janelas::Carregar<frmObjetivo>();
    auto* impacto = Janelas::Carregar<frmImpacto>();
    objetivo->Text1->setText("10");
    objetivo->Text2->setText("25");
    MapaImpacto::PaginaImpacto pi;
    pi.minima = true;
    pi.qjmin = pi.qalvo = pi.recarga1 = pi.recarga2 = "1";
    pi.ptd = pi.ppi = pi.iasup = pi.iasub = 4;
    impacto->MostrarPagina(pi);
    frmInsercao* w = s.Mostrar<frmInsercao>();
    QVERIFY(!Controle(w, "Command1")->isEnabled() && !Controle(w, "Command2")->isEnabled());

    // Typing alone does not judge; the pointer over a frame does.
    completar(w);
    QVERIFY(!portaoAberto(w));
    QCOMPARE(texto(w, "Label53"), QStringLiteral("Status"));
    passarSobre(Controle(w, "Frame6"));
    QVERIFY(portaoAberto(w));
    QCOMPARE(texto(w, "Label53"), Completo);

    // A criterion of an earlier window incomplete: nothing goes on, that window is shown.
    objetivo->Text2->clear();
    clicar(w, "CommandButton1");
    QCOMPARE(Teste::TextosMostrados().last(),
             QStringLiteral("Faltam dados desta alternativa no critério \"Objetivo\". Complete-os para avançar."));
    QVERIFY(!MT::Reentrada && visivel("frmObjetivo") && !Janelas::Visivel(w));
    objetivo->Text2->setText("25");
    Janelas::Mostrar(w);

    // Not the last: the loop starts again with a fresh objective window.
    clicar(w, "CommandButton1");
    QVERIFY(MT::Reentrada);
    QVERIFY(!Janelas::Carregada("frmInsercao") && !MT::InsercaoCarregado && !Janelas::Carregada("frmImpacto"));
    QVERIFY(Janelas::Obter<frmObjetivo>() != objetivo && visivel("frmObjetivo"));

    // The last alternative hands over to the results.
    MT::rsAlternativas->MoveLast();
    objetivo = Janelas::Obter<frmObjetivo>();
    objetivo->Text1->setText("10");
    objetivo->Text2->setText("25");
    Janelas::Carregar<frmImpacto>()->MostrarPagina(pi);
    w = s.Mostrar<frmInsercao>();
    completar(w);
    passarSobre(Controle(w, "Frame1"));
    clicar(w, "CommandButton1");
    QVERIFY(!MT::Reentrada);
    QVERIFY(!Janelas::Visivel(w) && visivel("frmCalculoIndices"));

    // After the entry has finished there is nothing to store: straight to the results.
    Janelas::Ocultar(Janelas::Obter("frmCalculoIndices"));
    MT::rsAlternativas->MoveLast();
    MT::rsAlternativas->MoveNext();
    Janelas::Mostrar(w);
    objetivo->Text1->clear();
    passarSobre(Controle(w, "Frame1"));
    clicar(w, "CommandButton1");
    QVERIFY(visivel("frmCalculoIndices") && Janelas::Carregada("frmObjetivo"));
}

void TesteInsercao::chegadaPeloNovo()
{
    for (bool porAlternativa : {false, true}) {
        Teste::Sessao s;
        s.Principal()->findChild<QAction*>("new")->trigger();
        QWidget* inicio = Janelas::Obter("frmInicio")->Widget();
        digitar(inicio, "Text3", "3");
        QTest::keyClick(Controle(inicio, "Text3"), Qt::Key_Return);
        for (int i = 1; i <= 3; ++i) {
            digitar(inicio, "Text1", QStringLiteral("Alternativa %1").arg(i));
            clicar(inicio, "Command6");
        }
        if (porAlternativa)
            clicar(inicio, "Option1");
        clicar(inicio, "CommandButton1");
        clicar(Janelas::Obter("frmPesoPond")->Widget(), "CommandButton1");

        QWidget* objetivo = Janelas::Obter("frmObjetivo")->Widget();
        const int passes = porAlternativa ? 1 : 3;
        for (int i = 0; i < passes; ++i) {
            digitar(objetivo, "Text1", "10");
            digitar(objetivo, "Text2", "25");
            if (!porAlternativa)
                clicar(objetivo, "Command2");
        }
        clicar(objetivo, "CommandButton1");
        QVERIFY(visivel("frmImpacto"));
        QWidget* impacto = Janelas::Obter("frmImpacto")->Widget();
        for (int i = 0; i < passes; ++i) {
            aba(impacto, 0);
            if (!marcado(impacto, "Check1"))
                clicar(impacto, "Check1");
            for (const char* c : {"Text1", "Text3", "Text4", "Text5"})
                digitar(impacto, c, "2");
            aba(impacto, 1);
            clicar(impacto, "Option6");
            clicar(impacto, "Option13");
            aba(impacto, 2);
            clicar(impacto, "Option27");
            clicar(impacto, "Option20");
            if (porAlternativa)
                passarSobre(Controle(impacto, "Frame5"));
            else
                clicar(impacto, "Command2");
        }
        clicar(impacto, "CommandButton1");
        QVERIFY2(!visivel("frmImpacto") && visivel("frmInsercao"), porAlternativa ? "alt" : "crit");
        QWidget* w = Janelas::Obter("frmInsercao")->Widget();
        QCOMPARE(texto(w, "Label38") + '|' + MT::sbStatusBar()->Painel(2)->text(),
                 QStringLiteral("Alternativa 1|1 de 3"));
        QCOMPARE(Controle(w, "Command1")->isEnabled(), !porAlternativa);
    }
}

QTEST_MAIN(TesteInsercao)
#include "tst_insercao.moc"
