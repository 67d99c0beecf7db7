// The review of the stored data and the one-datum editor: what the review
// shows for each datum, its walk and chooser, the links to the editor, and the
// editor's write of exactly one field of exactly one row.
#include "Ambiente.h"

#include "common/Janelas.h"
#include "common/ModuloTessaura.h"
#include "review/frmAlterar.h"
#include "review/frmDadosUtilizados.h"
#include "shell/frmMain.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace MT = ModuloTessaura;
using Teste::Controle;

namespace {

const QString Q5 = QStringLiteral("Q     =");
const QString A5 = QStringLiteral("A     =");

// Five alternatives: the first with every datum (flows, a zero, ratings out of
// range), then only Ainf, all four recharge fields, none, only Qnat.
void projetoCompleto()
{
    Teste::Projeto(5, false, QStringLiteral("Bacia "));
    Teste::Executar(QStringLiteral(
        "UPDATE tblTessaura SET TR=10, TRD=25, QJmin=1.5, QJmax=12.25, Qalvo=0, Qinf=3.5, Qnat=4, "
        "PTD=4, PPI=2, IAsup=0, IAsub=8, Aapta1=100, Aapta2=250.5, IP=7, ARL2=30, ICC=1, PUOF=5, "
        "Ades=1234.75 WHERE Marcador='alt1'"));
    Teste::Executar(QStringLiteral("UPDATE tblTessaura SET Ainf=200 WHERE Marcador='alt2'"));
    Teste::Executar(QStringLiteral(
        "UPDATE tblTessaura SET Qinf=1, Qnat=2, Ainf=3, Anat=4 WHERE Marcador='alt3'"));
    Teste::Executar(QStringLiteral("UPDATE tblTessaura SET Qnat=0.25 WHERE Marcador='alt5'"));
}

frmDadosUtilizados* revisao(Teste::Sessao& s)
{
    return s.Mostrar<frmDadosUtilizados>();
}

QLabel* rotulo(frmDadosUtilizados* r, const QString& nome)
{
    return Controle<QLabel>(r, nome);
}

// Shows the frame that holds the label, as a user would, through the chooser.
void escolherQuadroDe(frmDadosUtilizados* r, QLabel* l)
{
    for (int i = 0; i < 3; ++i) {
        r->ComboBox1->setCurrentIndex(i);
        if (l->isVisible())
            return;
    }
    QFAIL("label in no frame");
}

void clicar(QWidget* w)
{
    QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center());
}

// Every field of every row, in row order, for checking that nothing else changed.
QStringList tabela()
{
    QStringList linhas;
    const QString campos = QStringLiteral(
        "Marcador||'|'||Nome||'|'||quote(TR)||'|'||quote(TRD)||'|'||quote(QJmin)||'|'||quote(QJmax)"
        "||'|'||quote(Qalvo)||'|'||quote(Qinf)||'|'||quote(Qnat)||'|'||quote(Ainf)||'|'||quote(Anat)"
        "||'|'||quote(PTD)||'|'||quote(PPI)||'|'||quote(IAsup)||'|'||quote(IAsub)||'|'||quote(Aapta1)"
        "||'|'||quote(Aapta2)||'|'||quote(IP)||'|'||quote(ARL1)||'|'||quote(ARL2)||'|'||quote(ICC)"
        "||'|'||quote(PUOF)||'|'||quote(Ades)");
    for (const QVariant& v :
         Teste::Coluna(QStringLiteral("SELECT %1 FROM tblTessaura ORDER BY id").arg(campos)))
        linhas << v.toString();
    return linhas;
}

QVariant valor(const QString& campo, const QString& marcador)
{
    const QList<QVariant> r = Teste::Coluna(
        QStringLiteral("SELECT %1 FROM tblTessaura WHERE Marcador='%2'").arg(campo, marcador));
    return r.isEmpty() ? QVariant() : r.first();
}

// What the editor was shown with when a link opened it.
struct Editor {
    bool aberto = false;
    QString criterio, nome, descricao, a, b, c, antigo, unidade;
    bool lista = false;
    QStringList niveis;
};

// The unit picture the editor shows.
QString unidadeVisivel(frmAlterar* d)
{
    QStringList v;
    for (QLabel* u : {d->ano, d->m2, d->m3, d->Qualitativo})
        if (!u->isHidden())
            v << u->objectName();
    return v.join(',');
}

// Clicks a value label and records what the editor shows, then cancels it.
Editor abrirPeloElo(frmDadosUtilizados* r, QLabel* l)
{
    Editor e;
    Teste::AoExibirModal([&e](Dialogo* dialogo) {
        auto* d = qobject_cast<frmAlterar*>(dialogo);
        e.aberto = true;
        e.criterio = d->Label2->text();
        e.nome = d->Label6->text();
        e.descricao = d->Label12->text();
        e.lista = !d->ComboBox1->isHidden() && d->Text1->isHidden() && d->lblA->isHidden()
                  && d->ComboBox1->currentIndex() == -1;
        if (!e.lista) {
            e.a = d->lblA->text();
            e.b = d->lblB->text();
            e.c = d->lblC->text();
        }
        e.antigo = d->lblValor->text();
        e.unidade = unidadeVisivel(d);
        e.niveis = Teste::Itens(d->ComboBox1);
        clicar(d->CommandButton2);
    });
    escolherQuadroDe(r, l);
    clicar(l);
    Teste::AoExibirModal(nullptr);
    return e;
}

// Opens the editor from a label and drives it with the given function.
void editar(frmDadosUtilizados* r, const QString& nome, std::function<void(frmAlterar*)> f)
{
    Teste::AoExibirModal([&f](Dialogo* d) { f(qobject_cast<frmAlterar*>(d)); });
    QLabel* l = rotulo(r, nome);
    escolherQuadroDe(r, l);
    clicar(l);
    Teste::AoExibirModal(nullptr);
}

}  // namespace

class TesteRevisao : public QObject {
    Q_OBJECT
private slots:
    void valoresDeCadaQuadro_data();
    void valoresDeCadaQuadro();
    void recargaPeloParGuardado();
    void passeioEscolhaEAtivacao();
    void tabelaVaziaDepoisDeNovo();
    void elosPreparamOEditor();
    void editorGravaUmCampoDaLinhaRevista();
    void editorRecusaEntradas_data();
    void editorRecusaEntradas();
    void editorQinfComParDeAreas();
};

void TesteRevisao::valoresDeCadaQuadro_data()
{
    QTest::addColumn<QString>("locale");
    QTest::newRow("vírgula") << QStringLiteral("pt_BR");
    QTest::newRow("ponto") << QStringLiteral("en_US");
}

void TesteRevisao::valoresDeCadaQuadro()
{
    QFETCH(QString, locale);
    const bool virgula = locale == QLatin1String("pt_BR");
    Teste::Sessao s(locale);
    projetoCompleto();
    frmDadosUtilizados* r = revisao(s);

    struct Linha {
        const char *quadro, *rotulo, *valor;
        bool decimal;
    };
    // Alternative 1; a zero shows as 0, a rating 0 or 8 as nothing, Null as " - ".
    const Linha linhas[] = {
        {"Frame1", "Label5", "10", false},          {"Frame1", "Label6", "25", false},
        {"Frame2", "Label31", "1,5", true},         {"Frame2", "Label32", "12,25", true},
        {"Frame2", "Label33", "0", false},          {"Frame2", "Label34", "3,5", true},
        {"Frame2", "Label35", "4", false},          {"Frame2", "Label36", "Indiferente", false},
        {"Frame2", "Label37", "Sensível piora", false}, {"Frame2", "Label38", "", false},
        {"Frame2", "Label39", "", false},           {"Frame3", "Label59", "100", false},
        {"Frame3", "Label60", "250,5", true},       {"Frame3", "Label61", "Grande melhora", false},
        {"Frame3", "Label62", " - ", false},        {"Frame3", "Label63", "30", false},
        {"Frame3", "Label64", "Grande piora", false}, {"Frame3", "Label65", "Pequena melhora", false},
        {"Frame3", "Label66", "1234,75", true},
    };
    QCOMPARE(rotulo(r, "Label4")->text(), QStringLiteral("Bacia 1"));
    QCOMPARE(r->AlternativaA, QStringLiteral("Bacia 1"));
    for (const Linha& l : linhas) {
        QWidget* quadro = Controle<QGroupBox>(r, QString::fromLatin1(l.quadro));
        QLabel* v = Controle<QLabel>(quadro, QString::fromLatin1(l.rotulo));
        QString esperado = QString::fromUtf8(l.valor);
        if (l.decimal && !virgula)
            esperado.replace(',', '.');
        QVERIFY2(v->text() == esperado, qPrintable(QStringLiteral("%1: '%2'").arg(l.rotulo, v->text())));
        QCOMPARE(v->cursor().shape(), Qt::PointingHandCursor);
    }
    // Alternative 2 has only Ainf: every other datum is " - ".
    clicar(r->Command1);
    for (const Linha& l : linhas) {
        const QString esperado = QString::fromLatin1(l.rotulo) == QLatin1String("Label34")
                                     ? QStringLiteral("200")
                                     : QStringLiteral(" - ");
        QCOMPARE(rotulo(r, QString::fromLatin1(l.rotulo))->text(), esperado);
    }

    // The frames' captions and the chooser's entries as the user reads them.
    QCOMPARE(r->Frame1->title() + '|' + r->Frame2->title() + '|' + r->Frame3->title(),
             QStringLiteral("Objetivo|Impactos Ambientais|Inserção da Obra"));
    QCOMPARE(Teste::Itens(r->ComboBox1),
             QStringList({"Objetivo", "Impactos Ambientais", "Inserção da Obra"}));
    QCOMPARE(r->Label67->text(), QStringLiteral("Clique no dado para alterá-lo!"));
}

void TesteRevisao::recargaPeloParGuardado()
{
    Teste::Sessao s;
    projetoCompleto();
    frmDadosUtilizados* r = revisao(s);
    // Symbols, then the two values, alternative by alternative.
    const QStringList esperados = {
        Q5 + '|' + Q5 + "|3,5|4",      // flows
        A5 + '|' + A5 + "|200| - ",    // only Ainf
        A5 + '|' + A5 + "|3|4",        // all four: the areas
        A5 + '|' + A5 + "| - | - ",    // none: the symbols keep what they showed
        Q5 + '|' + Q5 + "| - |0,25",   // only Qnat
    };
    for (const QString& e : esperados) {
        QCOMPARE(QStringList({r->Label26->text(), r->Label23->text(), rotulo(r, "Label34")->text(),
                              rotulo(r, "Label35")->text()})
                     .join('|'),
                 e);
        clicar(r->Command1);
    }
}

void TesteRevisao::passeioEscolhaEAtivacao()
{
    Teste::Sessao s;
    Teste::Projeto(3, false, QStringLiteral("B"));
    Teste::Executar(QStringLiteral("UPDATE tblTessaura SET Nome='Uma alternativa de nome bem longo' "
                                   "WHERE Marcador='alt2'"));
    frmDadosUtilizados* r = revisao(s);
    auto nome = [r] { return r->Label4->text(); };
    QCOMPARE(nome(), QStringLiteral("B1"));
    clicar(r->Command2);  // before the first lies the last
    QCOMPARE(nome(), QStringLiteral("B3"));
    clicar(r->Command1);  // after the last comes the first
    QCOMPARE(nome(), QStringLiteral("B1"));
    // "<" and ">" follow the name, whatever its length.
    const int curto = r->Command2->x();
    clicar(r->Command1);
    QCOMPARE(nome(), QStringLiteral("Uma alternativa de nome bem longo"));
    QCOMPARE(r->AlternativaA, nome());
    QVERIFY(r->Command2->x() > r->Label4->geometry().right());
    QVERIFY(r->Command1->x() > r->Command2->x());
    QVERIFY(r->Command2->x() > curto + 100);
    clicar(r->Command1);
    QCOMPARE(nome(), QStringLiteral("B3"));
    QVERIFY(r->Command2->x() > r->Label4->geometry().right() && r->Command2->x() < curto + 20);

    // The chooser shows one frame at a time.
    const QList<QGroupBox*> quadros{r->Frame1, r->Frame2, r->Frame3};
    for (int i : {1, 2, 0}) {
        r->ComboBox1->setCurrentIndex(i);
        for (int q = 0; q < 3; ++q)
            QCOMPARE(quadros[q]->isVisible(), q == i);
    }

    // Another window and back: the first alternative and "Objetivo" again, the
    // chooser still with three entries; a value changed meanwhile is read anew.
    r->ComboBox1->setCurrentIndex(2);
    clicar(r->Command1);
    Teste::Executar(QStringLiteral("UPDATE tblTessaura SET TR=40 WHERE Marcador='alt1'"));
    Teste::MostrarOutraJanela();
    s.Principal()->findChild<QAction*>(QStringLiteral("dados"))->setEnabled(true);
    s.Principal()->findChild<QAction*>(QStringLiteral("dados"))->trigger();
    QCOMPARE(Janelas::Obter<frmDadosUtilizados>(), r);
    QCOMPARE(nome(), QStringLiteral("B1"));
    QCOMPARE(r->ComboBox1->count(), 3);
    QVERIFY(r->Frame1->isVisible() && !r->Frame3->isVisible());
    QCOMPARE(rotulo(r, "Label5")->text(), QStringLiteral("40"));

    // One alternative: both arrows keep showing it.
    Teste::Executar(QStringLiteral("DELETE FROM tblTessaura WHERE Marcador<>'alt1'"));
    Teste::MostrarOutraJanela();
    Janelas::Mostrar(r);
    clicar(r->Command1);
    clicar(r->Command2);
    QCOMPARE(nome(), QStringLiteral("B1"));

    clicar(r->Command4);  // "Sair"
    QVERIFY(!Janelas::Carregada("frmDadosUtilizados"));
}

void TesteRevisao::tabelaVaziaDepoisDeNovo()
{
    Teste::Sessao s;
    projetoCompleto();
    frmMain* m = s.Principal();
    QAction* dados = m->findChild<QAction*>(QStringLiteral("dados"));
    dados->setEnabled(true);
    dados->trigger();
    QVERIFY(Janelas::Carregada("frmDadosUtilizados"));
    m->findChild<QAction*>(QStringLiteral("new"))->trigger();
    QVERIFY(!Janelas::Carregada("frmDadosUtilizados"));
    QCOMPARE(Teste::Linhas("tblTessaura"), 0);

    dados->trigger();
    auto* r = Janelas::Obter<frmDadosUtilizados>();
    QVERIFY(r && Janelas::Visivel(r));
    QCOMPARE(r->Label4->text(), QString());
    clicar(r->Command1);
    clicar(r->Command2);
    QCOMPARE(r->Label4->text(), QString());
    Mensagens::LimparHistorico();
    bool editor = false;
    Teste::AoExibirModal([&editor](Dialogo*) { editor = true; });
    for (QLabel* l : std::as_const(r->Valores)) {
        escolherQuadroDe(r, l);
        clicar(l);
    }
    QVERIFY(!editor);
    QCOMPARE(Teste::TextosMostrados().size(), 19);
    QCOMPARE(Teste::TextosMostrados().removeDuplicates(), 18);
    const Mensagens::Mensagem* u = Teste::UltimaMensagem();
    QCOMPARE(u->texto, QStringLiteral("Esse dado ainda não foi fornecido"));
    QCOMPARE(u->icone, Mensagens::Icone::Exclamacao);
    QCOMPARE(u->titulo, QStringLiteral("Avaliação Tessaura"));

    // Without the database file: the message naming it, once, and an empty review.
    QFile::remove(s.CaminhoBanco());
    Mensagens::LimparHistorico();
    Teste::MostrarOutraJanela();
    dados->trigger();
    QCOMPARE(Teste::TextosMostrados().size(), 1);
    QVERIFY(Teste::TextosMostrados().first().startsWith("Não foi possível abrir o banco de dados"));
    QCOMPARE(Teste::UltimaMensagem()->icone, Mensagens::Icone::Critico);
    clicar(r->Command1);
    QCOMPARE(r->Label4->text(), QString());
}

void TesteRevisao::elosPreparamOEditor()
{
    Teste::Sessao s;
    projetoCompleto();
    // Ratings the links can open (0 and 8 show as empty text, not " - ").
    Teste::Executar(QStringLiteral("UPDATE tblTessaura SET IAsup=6, ARL1=12 WHERE Marcador='alt1'"));
    frmDadosUtilizados* r = revisao(s);

    const QString imp = QStringLiteral("Impactos da Obra"), ins = QStringLiteral("Inserção da Obra");
    struct Caso {
        const char* rotulo;
        QString criterio;
        const char *descricao, *a, *b, *c, *antigo, *unidade;
    };
    const Caso casos[] = {
        {"Label5", "Objetivo", "Tempo de retorno de projeto", "T", "", "R", "10", "ano"},
        {"Label6", "Objetivo", "Tempo de retorno desejável", "T", "", "RD", "25", "ano"},
        {"Label31", imp, "Vazão mínima à jusante", "Q", "mín", "jus", "1,5", "m3"},
        {"Label32", imp, "Vazão máxima à jusante", "Q", "máx", "jus", "12,25", "m3"},
        {"Label33", imp, "Vazão alvo", "Q", "", "alvo", "0", "m3"},
        {"Label34", imp, "Recarga do aquífero", "Q", "", "inf", "3,5", "m3"},
        {"Label35", imp, "Recarga do aquífero", "Q", "", "nat", "4", "m3"},
        {"Label36", imp, "Possibilidade de transmissão de doenças", nullptr, nullptr, nullptr, "Indiferente", "Qualitativo"},
        {"Label37", imp, "Possibilidade de proliferação de insetos", nullptr, nullptr, nullptr, "Sensível piora", "Qualitativo"},
        {"Label38", imp, "Impacto nas águas superficiais", nullptr, nullptr, nullptr, "Sensível melhora", "Qualitativo"},
        {"Label39", imp, "Impacto nas águas subterrâneas", nullptr, nullptr, nullptr, "", "Qualitativo"},
        {"Label59", ins, "Criação e preservação de habitats", "A", "", "apta 1", "100", "m2"},
        {"Label60", ins, "Criação e preservação de habitats", "A", "", "apta 2", "250,5", "m2"},
        {"Label61", ins, "Impacto paisagístico", nullptr, nullptr, nullptr, "Grande melhora", "Qualitativo"},
        {"Label62", ins, "Criação de áreas de recreação e lazer e equipamentos urbanos", "A", "", "RL 1", "12", "m2"},
        {"Label63", ins, "Criação de áreas de recreação e lazer e equipamentos urbanos", "A", "", "RL 2", "30", "m2"},
        {"Label64", ins, "Impacto nas condições de circulação", nullptr, nullptr, nullptr, "Grande piora", "Qualitativo"},
        {"Label65", ins, "Possibilidade da utilização para o desempenho de outras funções técnicas", nullptr, nullptr, nullptr, "Pequena melhora", "Qualitativo"},
        {"Label66", ins, "Desapropriação de áreas", "A", "", "des", "1234,75", "m2"},
    };
    const QStringList niveis{"Grande piora",    "Sensível piora",   "Pequena piora", "Indiferente",
                             "Pequena melhora", "Sensível melhora", "Grande melhora"};
    for (const Caso& c : casos) {
        const Editor e = abrirPeloElo(r, rotulo(r, QString::fromLatin1(c.rotulo)));
        const QString qual = QString::fromLatin1(c.rotulo);
        QVERIFY2(e.aberto, c.rotulo);
        QCOMPARE(e.criterio, c.criterio);
        QCOMPARE(e.nome, QStringLiteral("Bacia 1"));
        QCOMPARE(e.descricao, QString::fromUtf8(c.descricao));
        QCOMPARE(e.antigo, QString::fromUtf8(c.antigo));
        QVERIFY2(e.unidade == QString::fromLatin1(c.unidade), qPrintable(qual + ' ' + e.unidade));
        QCOMPARE(e.niveis, niveis);
        QVERIFY2(e.lista == (c.a == nullptr), c.rotulo);
        if (c.a)
            QCOMPARE(e.a + '|' + e.b + '|' + e.c,
                     QString::fromUtf8(c.a) + '|' + QString::fromUtf8(c.b) + '|' + QString::fromUtf8(c.c));
        // Cancelled: the review is back on the same alternative; nothing written.
        QCOMPARE(r->Label4->text(), QStringLiteral("Bacia 1"));
        QVERIFY(!Janelas::Carregada("frmAlterar"));
    }

    // With the area pair on show the pair's links open the area fields.
    clicar(r->Command1);
    const Editor area = abrirPeloElo(r, rotulo(r, "Label34"));
    QCOMPARE(area.a + '|' + area.c + '|' + area.unidade + '|' + area.antigo,
             QStringLiteral("A|inf|m2|200"));

    // A datum not given: the notice, and no editor.
    const Editor nenhum = abrirPeloElo(r, rotulo(r, "Label35"));
    QVERIFY(!nenhum.aberto);
    QCOMPARE(Teste::UltimaMensagem()->texto, QStringLiteral("Esse dado ainda não foi fornecido"));

    // Hovering underlines a value; the frame's background takes every underline away.
    QLabel* tr = rotulo(r, "Label5");
    QLabel* trd = rotulo(r, "Label6");
    r->ComboBox1->setCurrentIndex(0);
    QVERIFY(r->Image1->isVisible());
    const QPoint fundo(r->Frame1->width() - 5, r->Frame1->height() - 5);
    QTest::mouseMove(r->Frame1, fundo);
    QTest::mouseMove(tr);
    QTest::mouseMove(trd);
    QVERIFY(tr->font().underline() && trd->font().underline());
    QVERIFY(!r->Image1->isVisible());
    QTest::mouseMove(r->Frame1, fundo);
    QVERIFY(!tr->font().underline() && !trd->font().underline());
}

void TesteRevisao::editorGravaUmCampoDaLinhaRevista()
{
    Teste::Sessao s;
    // Two alternatives of the same name: the edit reaches the one reviewed.
    Teste::Projeto(3, false, QStringLiteral("Bacia"));
    Teste::Executar(QStringLiteral("UPDATE tblTessaura SET Nome='Bacia', Ades=1, IAsub=2, PUOF=6"));
    frmDadosUtilizados* r = revisao(s);
    clicar(r->Command1);
    QCOMPARE(r->LinhaAtual(), valor("id", "alt2").toLongLong());

    QStringList antes = tabela();
    int prensas = 0;
    connect(r->Command1, &QPushButton::clicked, this, [&prensas] { ++prensas; });
    editar(r, "Label66", [](frmAlterar* d) {
        Teste::Substituir(d->Text1, QStringLiteral("12,5"));
        clicar(d->CommandButton1);
    });
    QCOMPARE(Teste::TextosMostrados().last(), QStringLiteral("O dado foi alterado!"));
    QCOMPARE(Teste::UltimaMensagem()->icone, Mensagens::Icone::Informacao);
    QCOMPARE(Teste::UltimaMensagem()->titulo, QStringLiteral("Análise Tessaura"));
    antes[1].replace(QStringLiteral("|1.0"), QStringLiteral("|12.5"));
    QCOMPARE(tabela(), antes);
    // The closing walk went once round (third, first, second) and shows the new value.
    QCOMPARE(prensas, 3);
    QCOMPARE(r->LinhaAtual(), valor("id", "alt2").toLongLong());
    QCOMPARE(rotulo(r, "Label66")->text(), QStringLiteral("12,5"));
    QVERIFY(!Janelas::Carregada("frmAlterar"));

    // Ratings: every level on offer, PUOF included; the level's place plus one.
    const struct {
        const char *rotulo, *campo, *nivel;
        int gravado;
    } avaliacoes[] = {{"Label39", "IAsub", "Pequena melhora", 5}, {"Label65", "PUOF", "Grande piora", 1}};
    for (const auto& a : avaliacoes) {
        antes = tabela();
        editar(r, QString::fromLatin1(a.rotulo), [&a](frmAlterar* d) {
            d->ComboBox1->setCurrentIndex(d->ComboBox1->findText(QString::fromUtf8(a.nivel)));
            clicar(d->CommandButton1);
        });
        QCOMPARE(valor(QString::fromLatin1(a.campo), "alt2").toInt(), a.gravado);
        QCOMPARE(valor(QString::fromLatin1(a.campo), "alt1"), valor(QString::fromLatin1(a.campo), "alt3"));
        QCOMPARE(rotulo(r, QString::fromLatin1(a.rotulo))->text(), QString::fromUtf8(a.nivel));
        QCOMPARE(r->LinhaAtual(), valor("id", "alt2").toLongLong());
    }
    // A return period takes a whole number; a minus sign nowhere.
    editar(r, "Label5", [](frmAlterar* d) { d->Text1->setText("7"); });
    QVERIFY(valor("TR", "alt2").isNull());  // " - ": the notice, no editor
    Teste::Executar(QStringLiteral("UPDATE tblTessaura SET TR=5"));
    r->Command1->click();
    r->Command1->click();
    r->Command1->click();
    editar(r, "Label5", [](frmAlterar* d) {
        Teste::Substituir(d->Text1, QStringLiteral("50"));
        clicar(d->CommandButton1);
    });
    QCOMPARE(Teste::Coluna("SELECT TR FROM tblTessaura ORDER BY id"),
             QList<QVariant>({5, 50, 5}));
}

void TesteRevisao::editorRecusaEntradas_data()
{
    QTest::addColumn<QString>("rotuloValor");
    QTest::addColumn<QString>("digitado");  // "#" = no level chosen in the list
    QTest::addColumn<QString>("mensagem");
    const QString invalido = QStringLiteral("O valor digitado não é válido para este dado.");
    const QString falta = QStringLiteral("Você deve escolher o novo valor para o dado a ser alterado");
    QTest::newRow("letras") << "Label66" << "abc" << invalido;
    QTest::newRow("negativo") << "Label66" << "-3" << invalido;
    QTest::newRow("separador dobrado") << "Label31" << "1,,5" << invalido;
    QTest::newRow("fração em TR") << "Label5" << "2,5" << invalido;
    QTest::newRow("ponto no pt_BR") << "Label6" << "2.5" << invalido;
    QTest::newRow("caixa vazia") << "Label59" << "" << falta;
    QTest::newRow("nenhum nível") << "Label36" << "#" << falta;
}

void TesteRevisao::editorRecusaEntradas()
{
    QFETCH(QString, rotuloValor);
    QFETCH(QString, digitado);
    QFETCH(QString, mensagem);
    Teste::Sessao s;
    projetoCompleto();
    frmDadosUtilizados* r = revisao(s);
    const QStringList antes = tabela();
    bool abertoDepois = false;
    editar(r, rotuloValor, [&](frmAlterar* d) {
        if (digitado != QLatin1String("#"))
            Teste::Substituir(d->Text1, digitado);
        clicar(d->CommandButton1);
        abertoDepois = Janelas::Carregada("frmAlterar");
    });
    QVERIFY(abertoDepois);
    QCOMPARE(Teste::TextosMostrados(), QStringList{mensagem});
    QCOMPARE(Teste::UltimaMensagem()->icone, Mensagens::Icone::Exclamacao);
    QCOMPARE(Teste::UltimaMensagem()->titulo, QStringLiteral("Análise Tessaura"));
    // Closed by its close box: still nothing written, the review where it was.
    Janelas::Descarregar(QStringLiteral("frmAlterar"));
    QCOMPARE(tabela(), antes);
    QCOMPARE(r->Label4->text(), QStringLiteral("Bacia 1"));
    QCOMPARE(Teste::TextosMostrados().size(), 1);
}

void TesteRevisao::editorQinfComParDeAreas()
{
    Teste::Sessao s("en_US");
    Teste::Projeto(2, false, QStringLiteral("Bacia "));
    Teste::Executar(QStringLiteral("UPDATE tblTessaura SET Ainf=30, Anat=40"));
    frmDadosUtilizados* r = revisao(s);
    // The editor asked for the flow of the alternative that stores areas.
    auto* d = Janelas::Carregar<frmAlterar>();
    MT::PrepararAlteracao(QStringLiteral("Impactos da Obra"), QStringLiteral("Bacia 1"),
                          QStringLiteral("Recarga do aquífero"), QStringLiteral(" - "),
                          QStringLiteral("m3"), QStringLiteral("Q"), QString(), QStringLiteral("inf"));
    Teste::AoExibirModal([](Dialogo* dialogo) {
        auto* d = qobject_cast<frmAlterar*>(dialogo);
        Teste::Substituir(d->Text1, QStringLiteral("2.75"));
        clicar(d->CommandButton1);
    });
    Janelas::ExibirModal(d);
    QCOMPARE(valor("Qinf", "alt1").toDouble(), 2.75);
    QVERIFY(valor("Qnat", "alt1").isNull());
    QCOMPARE(valor("Ainf", "alt1").toDouble() + valor("Anat", "alt1").toDouble(), 70.0);
    QVERIFY(valor("Qinf", "alt2").isNull());
    // The review, walked back to it, still shows the areas.
    QCOMPARE(r->Label4->text(), QStringLiteral("Bacia 1"));
    QCOMPARE(r->Label26->text() + rotulo(r, "Label34")->text(), A5 + "30");
}

QTEST_MAIN(TesteRevisao)
#include "tst_revisao.moc"
