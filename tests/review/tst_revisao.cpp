// The review of the stored data and the one-datum editor: what the review shows for each
// datum, its walk and chooser, its store of the entry windows, the links to the editor, and
// the editor's write of exactly one field of exactly one row, reloading an open evaluation.
#include "Ambiente.h"

#include "common/Banco.h"
#include "common/ModuloTessaura.h"
#include "entry/frmObjetivo.h"
#include "entry/CaixaNumerica.h"
#include "evaluation/frmCalculoIndices.h"
#include "review/frmAlterar.h"
#include "review/frmDadosUtilizados.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTableView>
#include <QTest>

namespace MT = ModuloTessaura;
using Editor = std::function<void(frmAlterar*)>;
using Mensagens::Icone;
using Teste::Clicar;

namespace {

const QString Q5 = QStringLiteral("Q     ="), A5 = QStringLiteral("A     =");
const QString Invalido = QStringLiteral("O valor digitado não é válido para este dado.");
const QString Falta = QStringLiteral("Você deve escolher o novo valor para o dado a ser alterado");
const QString NaoFornecido = QStringLiteral("Esse dado ainda não foi fornecido");

// Five alternatives: the first with every datum (flows, a zero, a rating out
// of range), then only Ainf, all four recharge fields, none, only Qnat.
void projetoCompleto()
{
    Teste::Projeto(5, false, QStringLiteral("Bacia "));
    Teste::Executar(
        "UPDATE tblTessaura SET TR=10, TRD=25, QJmin=1.5, QJmax=12.25, Qalvo=0, Qinf=3.5, Qnat=4, "
        "PTD=4, PPI=2, IAsup=6, IAsub=8, Aapta1=100, Aapta2=250.5, IP=7, ARL1=12, ARL2=30, ICC=1, PUOF=5, "
        "Ades=1234.75 WHERE Marcador='alt1'");
    Teste::Executar("UPDATE tblTessaura SET Ainf=200 WHERE Marcador='alt2'");
    Teste::Executar("UPDATE tblTessaura SET Qinf=1, Qnat=2, Ainf=3, Anat=4 WHERE Marcador='alt3'");
    Teste::Executar("UPDATE tblTessaura SET Qnat=0.25 WHERE Marcador='alt5'");
}

// The toolbar's "dados", as the weighting leaves it enabled.
frmDadosUtilizados* dados(Teste::Sessao& s)
{
    s.Principal();
    MT::BotaoBarra("dados")->setEnabled(true);
    MT::BotaoBarra("dados")->trigger();
    return Janelas::Obter<frmDadosUtilizados>();
}

// A cell of the results window's consequence grid.
QString celula(QWidget* calculo, int linha, int coluna)
{
    return Teste::Controle<QTableView>(calculo, "Flex")->model()->index(linha, coluna).data().toString();
}

QString texto(frmDadosUtilizados* r, const QString& nome) { return Teste::Controle<QLabel>(r, nome)->text(); }

// The one message shown since the history was cleared, as "title [icon] text"
// (all the texts when there were more or none).
QString mensagem()
{
    const QStringList t = Teste::TextosMostrados();
    return t.size() == 1 ? Teste::UltimaResumida() : t.join(" / ");
}
QString analise(Icone i, const QString& t) { return Teste::Resumo(QStringLiteral("Análise Tessaura"), i, t); }

// Every datum field of every row, in row order.
const QStringList Campos = QStringLiteral("Nome TR TRD QJmin QJmax Qalvo Qinf Qnat Ainf Anat PTD PPI IAsup IAsub "
                                          "Aapta1 Aapta2 IP ARL1 ARL2 ICC PUOF Ades").split(' ');
QStringList tabela()
{
    QStringList linhas;
    for (const QVariant& v :
         Teste::Coluna("SELECT quote(" + Campos.join(")||'|'||quote(") + ") FROM tblTessaura ORDER BY id"))
        linhas << v.toString();
    return linhas;
}

// A click on a value label (its frame chosen first, as a user would), with
// the editor it opens driven by f.
void editar(frmDadosUtilizados* r, const QString& nome, const Editor& f)
{
    QLabel* l = Teste::Controle<QLabel>(r, nome);
    Teste::AoExibirModal([&f](Dialogo* d) { f(qobject_cast<frmAlterar*>(d)); });
    for (int i = 0; i < 3 && !l->isVisible(); ++i)
        r->ComboBox1->setCurrentIndex(i);
    Clicar(l);
    Teste::AoExibirModal(nullptr);
}

// The editor given a new value (a level's caption for the list; "#" none) and "Alterar".
Editor alterarPara(const QString& novo)
{
    return [novo](frmAlterar* d) {
        if (d->ComboBox1->isHidden())
            Teste::Substituir(d->Text1, novo);
        else
            d->ComboBox1->setCurrentIndex(novo == "#" ? -1 : d->ComboBox1->findText(novo));
        Clicar(d->CommandButton1);
    };
}

// What the editor shows when a link opens it: old value, criterion, name,
// description, symbol (or "lista" for the seven levels with none chosen), unit.
QString editorDe(frmDadosUtilizados* r, const QString& nome)
{
    QString visto;
    editar(r, nome, [&visto](frmAlterar* d) {
        QStringList unidades;
        for (QLabel* u : {d->ano, d->m2, d->m3, d->Qualitativo})
            if (!u->isHidden())
                unidades << u->objectName();
        const bool lista = !d->ComboBox1->isHidden() && d->ComboBox1->currentIndex() == -1 && d->ComboBox1->count() == 7
                           && d->Text1->isHidden() && d->lblA->isHidden() && d->Label14->isHidden();
        visto = QStringList({d->lblValor->text(), d->Label2->text(), d->Label6->text(), d->Label12->text(),
                             lista ? QString("lista") : d->lblA->text() + '^' + d->lblB->text() + '_' + d->lblC->text(),
                             unidades.join(',')}).join('|');
        Clicar(d->CommandButton2);
    });
    return visto;
}

}  // namespace

class TesteRevisao : public QObject {
    Q_OBJECT
private slots:
    void quadrosEElos_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::newRow("vírgula") << QStringLiteral("pt_BR");
        QTest::newRow("ponto") << QStringLiteral("en_US");
    }
    // Each value label of the first alternative (a zero shows as 0, a rating 8
    // as nothing) and the editor its link opens, leaving the table as it was.
    void quadrosEElos()
    {
        QFETCH(QString, locale);
        Teste::Sessao s(locale);
        projetoCompleto();
        frmDadosUtilizados* r = dados(s);
        auto local = [&locale](QString t) { return locale == QLatin1String("en_US") ? t.replace(',', '.') : t; };
        const QString imp = "|Impactos da Obra|Bacia 1|", ins = "|Inserção da Obra|Bacia 1|";
        const QString rec = "Criação de áreas de recreação e lazer e equipamentos urbanos|";
        const QStringList casos = {
            "Label5|10|Objetivo|Bacia 1|Tempo de retorno de projeto|T^_R|ano",
            "Label6|25|Objetivo|Bacia 1|Tempo de retorno desejável|T^_RD|ano",
            "Label31|1,5" + imp + "Vazão mínima à jusante|Q^mín_jus|m3",
            "Label32|12,25" + imp + "Vazão máxima à jusante|Q^máx_jus|m3",
            "Label33|0" + imp + "Vazão alvo|Q^_alvo|m3",
            "Label34|3,5" + imp + "Recarga do aquífero|Q^_inf|m3",
            "Label35|4" + imp + "Recarga do aquífero|Q^_nat|m3",
            "Label36|Indiferente" + imp + "Possibilidade de transmissão de doenças|lista|Qualitativo",
            "Label37|Sensível piora" + imp + "Possibilidade de proliferação de insetos|lista|Qualitativo",
            "Label38|Sensível melhora" + imp + "Impacto nas águas superficiais|lista|Qualitativo",
            "Label39|" + imp + "Impacto nas águas subterrâneas|lista|Qualitativo",
            "Label59|100" + ins + "Criação e preservação de habitats|A^_apta 1|m2",
            "Label60|250,5" + ins + "Criação e preservação de habitats|A^_apta 2|m2",
            "Label61|Grande melhora" + ins + "Impacto paisagístico|lista|Qualitativo",
            "Label62|12" + ins + rec + "A^_RL 1|m2",
            "Label63|30" + ins + rec + "A^_RL 2|m2",
            "Label64|Grande piora" + ins + "Impacto nas condições de circulação|lista|Qualitativo",
            "Label65|Pequena melhora" + ins
                + "Possibilidade da utilização para o desempenho de outras funções técnicas|lista|Qualitativo",
            "Label66|1234,75" + ins + "Desapropriação de áreas|A^_des|m2",
        };
        const QStringList antes = tabela();
        for (const QString& c : casos) {  // the label's text, then what its editor shows
            const QString nome = c.section('|', 0, 0);
            QCOMPARE(texto(r, nome) + '|' + nome + '|' + editorDe(r, nome), local(c.section('|', 1, 1) + '|' + c));
            QVERIFY(!Janelas::Carregada("frmAlterar") && r->Label4->text() == QLatin1String("Bacia 1"));
        }
        QCOMPARE(tabela(), antes);

        // The recharge pair alternative by alternative: symbol, then both values.
        // Alternative 2 has only Ainf: every other datum is " - ".
        for (const QString& e : {Q5 + "|3,5|4", A5 + "|200| - ", A5 + "|3|4", A5 + "| - | - ", Q5 + "| - |0,25"}) {
            const QString par = r->Label23->text() + '|' + r->Label26->text() + '|' + texto(r, "Label34") + '|';
            QCOMPARE(par + texto(r, "Label35"), local(e.section('|', 0, 0) + '|' + e));
            if (r->Label4->text() == QLatin1String("Bacia 2")) {
                for (const QString& c : casos)
                    QVERIFY(texto(r, c.section('|', 0, 0)) == QLatin1String(" - ") || c.startsWith("Label34|"));
                // With the area pair on show the pair opens the area fields; a
                // datum not given gives the notice and no editor.
                QCOMPARE(editorDe(r, "Label34"), QString("200|Impactos da Obra|Bacia 2|Recarga do aquífero|A^_inf|m2"));
                QCOMPARE(editorDe(r, "Label35"), QString());
                QCOMPARE(Teste::TextosMostrados(), QStringList{NaoFornecido});
            }
            Clicar(r->Command1);
        }
    }

    void passeioEscolhaEAtivacao()
    {
        Teste::Sessao s;
        Teste::Projeto(3, false, QStringLiteral("B"));
        Teste::Executar("UPDATE tblTessaura SET Nome='Uma alternativa de nome bem longo' WHERE Marcador='alt2'");
        frmDadosUtilizados* r = dados(s);
        // Before the first lies the last, after the last the first; "<" and ">"
        // follow the name, whatever its length.
        QStringList vistos;
        for (QPushButton* b : {r->Command2, r->Command1, r->Command1}) {
            Clicar(b);
            vistos << r->Label4->text();
        }
        QCOMPARE(vistos, QStringList({"B3", "B1", "Uma alternativa de nome bem longo"}));
        QVERIFY(r->Command2->x() > r->Label4->geometry().right() && r->Command1->x() > r->Command2->x());

        for (int i : {1, 2, 0}) {  // the chooser shows one frame at a time
            r->ComboBox1->setCurrentIndex(i);
            QCOMPARE(r->Frame1->isVisible() + 2 * r->Frame2->isVisible() + 4 * r->Frame3->isVisible(), 1 << i);
        }
        // Another window and back: the first alternative and "Objetivo" again,
        // three entries in the chooser, the table read anew.
        r->ComboBox1->setCurrentIndex(2);
        Teste::Executar("UPDATE tblTessaura SET TR=40 WHERE Marcador='alt1'");
        Teste::MostrarOutraJanela();
        QCOMPARE(dados(s), r);
        QCOMPARE(r->Label4->text() + '|' + texto(r, "Label5"), QStringLiteral("B1|40"));
        QCOMPARE(Teste::Itens(r->ComboBox1), QStringList({"Objetivo", "Impactos Ambientais", "Inserção da Obra"}));
        QVERIFY(r->Frame1->isVisible() && !r->Frame3->isVisible());
        Clicar(r->Command4);  // "Sair"
        QVERIFY(!Janelas::Carregada("frmDadosUtilizados"));
    }

    void tabelaVaziaOuSemBanco()
    {
        Teste::Sessao s;
        projetoCompleto();
        dados(s);
        MT::BotaoBarra("new")->trigger();
        QVERIFY(!Janelas::Carregada("frmDadosUtilizados") && Teste::Linhas("tblTessaura") == 0);

        frmDadosUtilizados* r = dados(s);
        Clicar(r->Command1);
        Clicar(r->Command2);
        QVERIFY(Janelas::Visivel(r) && r->Label4->text().isEmpty());
        Mensagens::LimparHistorico();
        for (const QString& nome : r->Valores.keys())
            editar(r, nome, [](frmAlterar*) { QFAIL("no editor for a datum not given"); });
        QCOMPARE(Teste::TextosMostrados(), QStringList(19, NaoFornecido));
        QCOMPARE(Teste::UltimaResumida(), Teste::Resumo("Avaliação Tessaura", Icone::Exclamacao, NaoFornecido));

        // Without the database file: the message naming it, once, and no review
        // showing data it could not read.
        QFile::remove(s.CaminhoBanco());
        Mensagens::LimparHistorico();
        Teste::MostrarOutraJanela();
        dados(s);
        QVERIFY(mensagem().contains("] Não foi possível abrir o banco de dados"));
        QVERIFY(!Janelas::Carregada("frmDadosUtilizados"));
    }

    // Three alternatives of one name, the second storing the flow pair, the
    // third the area pair: each edit writes one field of the row reviewed
    // or, refused, nothing.
    // Another program deleted the alternative after the review showed it: "Alterar" writes nothing (no row is
    // created) and tells the failed write once; the editor stays open, for "Cancelar".
    void alterarLinhaApagadaPorOutroPrograma()
    {
        Teste::Sessao s;
        projetoCompleto();
        frmDadosUtilizados* r = dados(s);
        Teste::Executar("DELETE FROM tblTessaura WHERE Marcador='alt1'");
        const QStringList antes = tabela();
        QString editor = QStringLiteral("(não abriu)");
        Teste::NoDialogo([&editor](QDialog* d) {
            Teste::Substituir(Teste::Controle<QLineEdit>(d, "Text1"), "40");
            QTest::mouseClick(Teste::Controle(d, "CommandButton1"), Qt::LeftButton);
            editor = d->isVisible() ? "aberto" : "fechado";
            QTest::mouseClick(Teste::Controle(d, "CommandButton2"), Qt::LeftButton);
        });
        Mensagens::LimparHistorico();
        QLabel* tr = r->Valores.value("Label5");
        QTest::mouseClick(tr, Qt::LeftButton, {}, tr->rect().center());
        QCOMPARE(mensagem() + " | " + editor,
                 analise(Icone::Critico, "Não foi possível gravar os dados no banco de dados.") + " | aberto");
        QCOMPARE(tabela(), antes);
    }

    void editorGravaUmCampoDaLinhaRevista()
    {
        Teste::Sessao s;
        Teste::Projeto(3, false, QStringLiteral("Bacia"));
        Teste::Executar("UPDATE tblTessaura SET Nome='Bacia', Ades=1, IAsub=2, PUOF=6, TR=5");
        Teste::Executar("UPDATE tblTessaura SET Qinf=1, Qnat=2 WHERE Marcador='alt2'");
        Teste::Executar("UPDATE tblTessaura SET Ainf=30, Anat=40 WHERE Marcador='alt3'");
        frmDadosUtilizados* r = dados(s);
        Clicar(r->Command1);
        const qint64 segunda = Teste::Campo("id", 2).toLongLong();
        QStringList antes = tabela();

        // Refused entries: the message, the editor left open; then closed by
        // its close box, nothing written and the review where it was.
        const QString recusas[][3] = {{"Label66", "abc", Invalido}, {"Label66", "-3", Invalido},
                                      {"Label34", "1,,5", Invalido}, {"Label5", "2,5", Invalido},
                                      {"Label5", "2.5", Invalido},  {"Label66", "", Falta},
                                      {"Label39", "#", Falta}};  // "#": no level chosen in the list
        for (const auto& c : recusas) {
            Mensagens::LimparHistorico();
            editar(r, c[0], alterarPara(c[1]));
            QVERIFY2(Janelas::Carregada("frmAlterar"), qPrintable(c[1]));
            Janelas::Descarregar(QStringLiteral("frmAlterar"));
            QCOMPARE(mensagem(), analise(Icone::Exclamacao, c[2]));
            QCOMPARE(r->LinhaAtual(), segunda);
        }
        QCOMPARE(tabela(), antes);

        // A decimal comma, a whole return period, the flow alone of its pair, and
        // ratings (PUOF with a level the insertion window does not offer).
        const char* const edicoes[][4] = {
            {"Label66", "Ades", "12,5", "12.5"}, {"Label5", "TR", "50", "50"}, {"Label34", "Qinf", "2,75", "2.75"},
            {"Label39", "IAsub", "Pequena melhora", "5"}, {"Label65", "PUOF", "Grande piora", "1"}};
        for (const auto& e : edicoes) {
            QStringList linha = antes[1].split('|');
            linha[Campos.indexOf(e[1])] = e[3];
            antes[1] = linha.join('|');
            Mensagens::LimparHistorico();
            editar(r, e[0], alterarPara(QString::fromUtf8(e[2])));
            QCOMPARE(tabela(), antes);
            QCOMPARE(mensagem(), analise(Icone::Informacao, "O dado foi alterado!"));
            // The review back on the row, showing the new value.
            QVERIFY(r->LinhaAtual() == segunda && !Janelas::Carregada("frmAlterar"));
            QCOMPARE(texto(r, e[0]), QString::fromUtf8(e[2]));
        }
        Clicar(r->Command1);  // the third: there the pair's link writes Ainf alone
        editar(r, "Label34", alterarPara("35"));
        antes[2].replace(QStringLiteral("|30.0|40.0|"), QStringLiteral("|35.0|40.0|"));
        QCOMPARE(tabela(), antes);

        // The datum written, the review cannot read the row it walks to (the file taken meanwhile): the
        // editor's word stands, the failure is told as the file in use, and the review shows what it showed.
        auto vistos = [r] {
            QStringList t{r->Label4->text()};
            for (const QString& nome : r->Valores.keys())
                t << nome + '=' + texto(r, nome);
            return t.join(' ');
        };
        const QString mostrados = vistos();
        Mensagens::LimparHistorico();
        editar(r, "Label66", [](frmAlterar* d) {
            Banco::Testes::FalharComando(2);  // the first read after the write
            alterarPara("7")(d);
        });
        Banco::Testes::FalharComando(0);
        QCOMPARE(Teste::TextosMostrados().join(" / "),
                 "O dado foi alterado! / O banco de dados \"" + s.CaminhoBanco()
                     + "\" está em uso por outro programa. Feche-o e tente novamente.");
        QVERIFY(vistos() == mostrados && !Janelas::Carregada("frmAlterar") && Teste::Campo("Ades", 3).toDouble() == 7);
    }

    void edicaoRecalculaResultados()
    {
        Teste::Sessao s;
        Teste::Projeto(2, false, QStringLiteral("Bacia "));
        Teste::Executar("UPDATE tblTessaura SET TR=10, TRD=25, QJmin=8, QJmax=12, Qalvo=10, Qinf=3, Qnat=2, PTD=5, "
                        "PPI=4, IAsup=6, IAsub=3, Aapta1=100, Aapta2=150, IP=5, ARL1=0, ARL2=50, ICC=4, PUOF=5, "
                        "Ades=75");
        for (int j = 1; j <= 13; ++j)
            MT::PesoPonderacao[static_cast<size_t>(j)] = j == 1 ? 28.0 : 6.0;
        auto* calculo = s.Mostrar<frmCalculoIndices>();
        QCOMPARE(celula(calculo, 2, 1), QStringLiteral("5,20"));
        frmDadosUtilizados* r = dados(s);
        Clicar(r->Command1);
        editar(r, "Label5", alterarPara("30"));
        // The results window loaded anew, recomputed (Io of the second from 0,4
        // to 1) and in front; the review behind it on the edited alternative.
        auto* novo = Janelas::Obter<frmCalculoIndices>();
        QVERIFY(novo && novo != calculo && MT::CalculoCarregado);
        QCOMPARE(celula(novo, 1, 1) + '|' + celula(novo, 2, 1), QStringLiteral("5,20|7,00"));
        QCOMPARE(Janelas::Area()->activeSubWindow()->widget(), novo);
        QCOMPARE(r->Label4->text() + '|' + texto(r, "Label5"), QStringLiteral("Bacia 2|30"));

        // A write the database refuses: reported once, the editor stays, nothing else happens.
        Teste::Executar("CREATE TRIGGER recusa BEFORE UPDATE ON tblTessaura BEGIN SELECT RAISE(ABORT, 'x'); END");
        Mensagens::LimparHistorico();
        const QStringList antes = tabela();
        dados(s);
        editar(r, "Label6", [](frmAlterar* d) {
            alterarPara("50")(d);
            QVERIFY(Janelas::Carregada("frmAlterar"));
            Clicar(d->CommandButton2);
        });
        QCOMPARE(mensagem(), analise(Icone::Critico, "Não foi possível gravar os dados no banco de dados."));
        QVERIFY(tabela() == antes && Janelas::Obter<frmCalculoIndices>() == novo);
    }

    // Per alternative the review first stores what the entry windows hold; per criterion it does not.
    void upGravaAsJanelasDeEntrada()
    {
        for (const bool porAlternativa : {true, false}) {
            Teste::Sessao s;
            Teste::Projeto(2, porAlternativa, QStringLiteral("Bacia "));
            auto* objetivo = s.Mostrar<frmObjetivo>();
            Teste::Substituir(objetivo->Text1, QStringLiteral("15"));
            frmDadosUtilizados* r = dados(s);
            QCOMPARE(Teste::Campo("TR", 1).toString() + '|' + texto(r, "Label5") + '|' + objetivo->Text1->text() + '|'
                         + Teste::TextosMostrados().join('/'),
                     QString(porAlternativa ? "15|15|15|" : "| - |15|"));
            if (!porAlternativa)
                continue;
            // The datum changed, the objective window's row cannot be read back: the window keeps its box
            // (never emptied for a value that only could not be read), the review stops where it is, and
            // the failure is told after the editor's word.
            editar(r, "Label5", [](frmAlterar* d) {
                Banco::Testes::FalharComando(2);  // the first read after the write
                alterarPara("30")(d);
            });
            Banco::Testes::FalharComando(0);
            QCOMPARE(Teste::Campo("TR", 1).toString() + '|' + texto(r, "Label5") + '|' + objetivo->Text1->text() + '|'
                         + Teste::TextosMostrados().join('/'),
                     "30|15|15|O dado foi alterado!/O banco de dados \"" + s.CaminhoBanco()
                         + "\" está em uso por outro programa. Feche-o e tente novamente.");
        }
    }
};

TESTE_MAIN(TesteRevisao)
#include "tst_revisao.moc"
