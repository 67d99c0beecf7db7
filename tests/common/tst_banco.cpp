// The database file, the recordsets and the number helpers.
#include "Ambiente.h"

#include "common/Banco.h"
#include "common/BarraStatus.h"
#include "common/CaixaTexto.h"
#include "common/ModuloTessaura.h"
#include "common/Numeros.h"
#include "economics/frmAltEco.h"
#include "economics/frmEconomico.h"
#include "entry/frmImpacto.h"
#include "entry/frmInsercao.h"
#include "entry/frmObjetivo.h"
#include "evaluation/frmCalculoIndices.h"
#include "projects/Projetos.h"
#include "projects/frmAbrir.h"
#include "projects/frmSalvar.h"
#include "review/frmAlterar.h"
#include "review/frmDadosUtilizados.h"
#include "shell/frmInicio.h"
#include "weighting/frmApagarPon.h"
#include "weighting/frmPesoPond.h"

#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <algorithm>
#include <memory>

using namespace Banco;
namespace MT = ModuloTessaura;

namespace {

const char* const kGravar = "Não foi possível gravar os dados no banco de dados.";
const char* const kSalvar = "Não foi possível salvar o projeto.";
const char* const kEmUso = "O banco de dados \"%1\" está em uso por outro programa. Feche-o e tente novamente.";
// The editor's write went through and it said so; the walk back of the review could not read.
const char* const kAlteradoEmUso = "O dado foi alterado! / O banco de dados \"%1\" está em uso por outro programa. "
                                   "Feche-o e tente novamente.";

// One user action while another program holds the database file.
struct AcaoComBancoOcupado {
    const char* caso;
    std::function<void(Teste::Sessao&)> preparar;  // windows and rows before the file is held
    std::function<void()> agir;                    // what the user does
    const char* mensagem;                          // the one message it gets
    std::function<QString()> estado;               // rows and boxes the failure must leave alone
    const char* depois = nullptr;                  // the state once the same action succeeds
    // The holds it runs under; none given: every kind for an action that writes, the exclusive one for a read.
    std::vector<Teste::Trava::Tipo> travas = {};
    const char* pergunta = nullptr;                // asked first when the hold lets the reads through
    // An action that goes on after its write went through (it says it is done, a dialog closes): a statement
    // that fails after that leaves the window so and gets this message.
    const char* janelaAposGravar = nullptr;
    const char* mensagemAposGravar = nullptr;
};

// The given fields of every row in creation order, rows split by '|' (Null as -).
QString linhas(const QString& campos, const QString& tabela = "tblTessaura")
{
    const QString linha = "ifnull(" + campos.split(' ').join(", '-') || ' ' || ifnull(") + ", '-')";
    return Teste::Coluna("SELECT group_concat(l, '|') FROM (SELECT " + linha + " AS l FROM " + tabela + " ORDER BY id)")
        .value(0).toString();
}

// The saved copies: header rows first.
QString copiasSalvas() { return linhas("'H' Projeto", "tblSaveNome") + '|' + linhas("Projeto Nome TR", "tblSave"); }

// The texts of named controls of a loaded window ("-" when it is not loaded).
QString textos(const char* janela, const QString& nomes)
{
    Janela* j = Janelas::Obter(QString::fromLatin1(janela));
    QStringList r;
    for (const QString& nome : j ? nomes.split(' ') : QStringList()) {
        QWidget* w = Teste::Controle(j->Widget(), nome);
        r << w->property(qobject_cast<QComboBox*>(w)         ? "currentText"
                         : qobject_cast<QPlainTextEdit*>(w) ? "plainText" : "text").toString();
    }
    return j ? r.join(',') : QStringLiteral("-");
}

// What a row checks: fields of every row, '#', the texts of a window's controls, " name" of each
// of the given windows that is loaded.
std::function<QString()> estado(const char* campos, const char* janela = nullptr, const char* controles = "",
                                const char* janelas = "")
{
    return [=] {
        QString r = linhas(campos) + '#' + (janela ? textos(janela, controles) : "");
        for (const QString& j : QString(janelas).split(' ', Qt::SkipEmptyParts))
            r += Janelas::Carregada(j) ? ' ' + j : QString();
        return r;
    };
}


// What the user does: a click on a window's control, a menu item or toolbar button of the
// main window (enabled and chosen), a window shown after another one, as a user comes back to it.
std::function<void()> clique(const char* janela, const char* controle)
{
    // A window that is gone has nothing to click: the state shows it.
    return [=] {
        Janela* j = Janelas::Obter(QString::fromLatin1(janela));
        if (QWidget* w = j ? j->Widget()->findChild<QWidget*>(QString::fromLatin1(controle)) : nullptr)
            Teste::Clicar(w);
    };
}
std::function<void()> menu(const char* nome)
{
    return [=] {
        QAction* a = Janelas::Principal()->findChild<QAction*>(QString::fromLatin1(nome));
        a->setEnabled(true), a->trigger();
    };
}
std::function<void()> reativar(const char* janela)
{
    return [=] { Teste::MostrarOutraJanela(), Janelas::Mostrar(Janelas::Carregar(QString::fromLatin1(janela))); };
}
void escolherAlternativas() { Janelas::ExibirModal(Janelas::Carregar("frmAltEco")); }
void f5NoObjetivo() { QTest::keyClick(Teste::Controle("frmObjetivo", "Text1"), Qt::Key_F5); }
// Boxes of a window typed into as a user would ("Text1=5 Text2=7").
void escrever(const QString& janela, const char* caixas)
{
    for (const QString& c : QString::fromUtf8(caixas).split(' '))
        Teste::Substituir(Teste::Controle<QLineEdit>(janela, c.section('=', 0, 0)), c.section('=', 1));
}

// Three alternatives, alt1 with TR 5, saved once as "Bacia"; then alt1 renamed.
void projetoSalvo(Teste::Sessao&)
{
    Teste::Projeto(3, false, "Alt ");
    Teste::Executar("UPDATE tblTessaura SET TR = 5 WHERE Marcador = 'alt1'");
    MT::NomeProjeto = "Bacia";
    MT::PedirNomeAoSalvar = false;
    Projetos::SalvarProjeto();
    Teste::Executar("UPDATE tblTessaura SET Nome = 'Nova', TR = 6 WHERE Marcador = 'alt1'");
}

// ---- The review, the editor, the results, the economic analysis, the open dialog, the weighting.

// Two alternatives "Alt 1" and "Alt 2" the evaluation can run on (alt1's TR 10, alt2's 25), both
// chosen for the economic analysis with their global indices, and a weighting handed on.
void alternativasCompletas(Teste::Sessao& s, bool porAlternativa = false)
{
    s.Principal();
    Teste::Projeto(2, porAlternativa, "Alt ");
    Teste::Executar("UPDATE tblTessaura SET TR=25, TRD=25, QJmin=10, Qalvo=10, Qinf=3, Qnat=2, PTD=1, PPI=4, "
                    "IAsup=7, IAsub=4, Aapta1=100, Aapta2=200, IP=4, ARL1=0, ARL2=50, ICC=4, PUOF=4, Ades=0, "
                    "Eco=1, PerPC=50, PerMP=5");
    Teste::Executar("UPDATE tblTessaura SET TR=10, PTD=5 WHERE Marcador='alt1'");
    for (int k = 1; k <= 13; ++k)
        MT::PesoPonderacao[static_cast<size_t>(k)] = k < 4 ? 20 : 4;
}
void completas(Teste::Sessao& s) { alternativasCompletas(s); }

// The objective window on alt1 with 5 and 7 typed.
void objetivoDigitado(Teste::Sessao& s) { s.Mostrar<frmObjetivo>(), escrever("frmObjetivo", "Text1=5 Text2=7"); }
// The review open; the one-datum editor opened from it on alt1's TR, 40 typed.
void revisaoAberta(Teste::Sessao& s) { alternativasCompletas(s), menu("dados")(); }
void editorDigitado(Teste::Sessao& s)
{
    revisaoAberta(s);
    QLabel* tr = Janelas::Obter<frmDadosUtilizados>()->Valores.value("Label5");
    QTest::mouseClick(tr, Qt::LeftButton, {}, tr->rect().center());
    escrever("frmAlterar", "Text1=40");
}
// The economic window on alt1 with a cost typed.
void custoDigitado(Teste::Sessao& s)
{
    alternativasCompletas(s);
    Teste::Executar("UPDATE tblTessaura SET CustoImplantacao=1, CustoOperacao=2, CustoManutencao=3, VidaUtil=10");
    s.Mostrar<frmEconomico>(), escrever("frmEconomico", "txtCustoImplantacao=100");
}
const auto economico = estado("CustoImplantacao", "frmEconomico", "txtAlternativa txtCustoImplantacao");
const auto escolha = estado("Eco", nullptr, "", "frmAltEco frmEconomico");
// The weighting window with a weighting of the user's own stored ("Minha", half on each of the first two
// coefficients), and a new one typed ("Nova", all on the first coefficient).
void ponderacaoDigitada(Teste::Sessao& s)
{
    QVariantMap minha{{"Nome", "Minha"}, {"Aspecto", "Urbano"}};
    for (int n = 1; n <= 13; ++n)
        minha.insert(QStringLiteral("c%1").arg(n), n <= 2 ? 50 : 0);
    Teste::Inserir("tblPonderacao", minha);
    Teste::Clicar(s.Mostrar<frmPesoPond>()->Command2);
    escrever("frmPesoPond", "Text1=100 Text2=0 Text3=0 Text4=0 Text5=0 Text6=0 Text7=0 Text8=0 Text9=0 Text10=0 "
                            "Text11=0 Text12=0 Text13=0 TextBox1=Nova TextBox2=Urbano");
}
// The names stored '#' the weighting being typed (name, first coefficient), or the one shown: name, aspect,
// the thirteen coefficients and whether "Avançar" is enabled; " apagar" while the deletion dialog is open.
QString ponderacoes()
{
    const frmPesoPond* j = Janelas::Obter<frmPesoPond>();
    QStringList coeficientes;
    for (int n = 1; n <= 13; ++n)
        coeficientes << j->Text[n]->text();
    return linhas("Nome", "tblPonderacao") + '#'
         + (j->NovaPonderacao() ? textos("frmPesoPond", "TextBox1 Text1")
                                : textos("frmPesoPond", "ComboBox1 ComboBox2") + ',' + coeficientes.join(' ')
                                      + (j->CommandButton1->isEnabled() ? " avançar" : ""))
         + (Janelas::Carregada("frmApagarPon") ? " apagar" : "");
}

// ---- The alternatives window and the entry windows: walks, "OK", "&Novo", "Avançar" and its
// hand-over, opening a window, data reuse.

// The alternatives window after "OK" with 3, alt1's name and notes typed.
void inicioNomeando(Teste::Sessao& s)
{
    frmInicio* f = s.Mostrar<frmInicio>();
    Teste::Digitar(f->Text3, "3"), Teste::Clicar(f->Command1);
    Teste::Digitar(f->Text1, "Rio"), Teste::Digitar(f->Text2, "nota");
}
// Three alternatives per criterion, alt2 with TR 10 and TRD 20 stored, alt3 with TR 30; the
// objective window on alt1 with 5 and 7 typed.
void objetivoPorCriterio(Teste::Sessao& s)
{
    Teste::Projeto(3);
    Teste::Executar("UPDATE tblTessaura SET TR = 10, TRD = 20 WHERE Marcador = 'alt2'");
    Teste::Executar("UPDATE tblTessaura SET TR = 30 WHERE Marcador = 'alt3'");
    objetivoDigitado(s);
}
// The data-reuse dialog left open by F5 in the objective window's first box, on alt2.
void reaproveitamento(Teste::Sessao& s) { objetivoPorCriterio(s), f5NoObjetivo(); }

const MapaImpacto::PaginaImpacto kImpactoCompleto{"1", {}, "2", "3", "4", true, false,
                                                   MapaImpacto::Recarga::Vazao, 4, 4, 4, 4};
// The impact window per criterion with every alternative complete (gate open, back on alt1)
// and alt1's target flow changed to 7 since.
void impactoCompleto(Teste::Sessao& s)
{
    Teste::Projeto(3);
    frmImpacto* f = s.Mostrar<frmImpacto>();
    for (int i = 0; i < 3; ++i)
        f->MostrarPagina(kImpactoCompleto), clique("frmImpacto", "Command2")();
    escrever("frmImpacto", "Text3=7");
}
// The insertion window per criterion on alt1 with two areas typed; alt2 has 10 stored.
void insercaoDigitada(Teste::Sessao& s)
{
    Teste::Projeto(3);
    Teste::Executar("UPDATE tblTessaura SET Aapta1 = 10 WHERE Marcador = 'alt2'");
    s.Mostrar<frmInsercao>(), escrever("frmInsercao", "Text1=5");
    Teste::Controle<QLineEdit>("frmInsercao", "Text5")->setText("8");  // Ades lies on the other tab
}
// The objective window per criterion with every alternative complete (gate open, back on alt1) and
// alt1's first box changed to 8 since.
void objetivoCompleto(Teste::Sessao& s)
{
    Teste::Projeto(3);
    s.Mostrar<frmObjetivo>();
    for (int i = 0; i < 3; ++i)
        escrever("frmObjetivo", "Text1=5 Text2=7"), clique("frmObjetivo", "Command2")();
    escrever("frmObjetivo", "Text1=8");
}
// The impact window per criterion on alt1 with two flows typed; alt2 has a target flow of 2 stored.
void impactoDigitado(Teste::Sessao& s)
{
    Teste::Projeto(3);
    Teste::Executar("UPDATE tblTessaura SET Qalvo = 2 WHERE Marcador = 'alt2'");
    s.Mostrar<frmImpacto>(), escrever("frmImpacto", "Text3=7 Text4=3");
}
// Two alternatives the evaluation can run on, the insertion window per criterion walked round with
// both complete (gate open, back on alt1), alt1's first area and its expropriated area changed since.
void insercaoCompleta(Teste::Sessao& s)
{
    alternativasCompletas(s);
    frmInsercao* f = s.Mostrar<frmInsercao>();
    for (int i = 0; i < 2; ++i)
        f->MostrarPagina({"1", "2", "3", "4", "5", 4, 4, 4}), clique("frmInsercao", "Command1")();
    escrever("frmInsercao", "Text1=7");
    Teste::Controle<QLineEdit>("frmInsercao", "Text5")->setText("9");  // Ades lies on the other tab
}
// Per alternative, the three windows of alt1 filled and the insertion gate open.
void porAlternativaCompleta(Teste::Sessao& s)
{
    s.Principal();
    Teste::Projeto(2, true);
    s.Mostrar<frmObjetivo>()->MostrarCaixas({"10", "25"});
    s.Mostrar<frmImpacto>()->MostrarPagina(kImpactoCompleto);
    s.Mostrar<frmInsercao>()->MostrarPagina({"1", "2", "3", "4", "5", 4, 4, 4});
    Teste::PassarMouse(Teste::Controle("frmInsercao", "Frame1"));
}
QString entradaPorAlternativa()
{
    return estado("TR Aapta1", "frmObjetivo", "Text1")() + (MT::Reentrada ? " R " : " ")
         + textos("frmInsercao", "Text1") + ' ' + MT::rsAlternativas->Campo("Marcador").toString();
}

// The wait for a held file in the table's rows: short, as only whether it is granted matters.
const int kEsperaCurta = 30;

// The holds a case runs under.
std::vector<Teste::Trava::Tipo> travasDe(const AcaoComBancoOcupado& c)
{
    using Tipo = Teste::Trava::Tipo;
    if (!c.travas.empty())
        return c.travas;
    if (QString::fromUtf8(c.mensagem) == QString::fromUtf8(kEmUso))
        return {Tipo::Exclusiva};
    return {Tipo::Exclusiva, Tipo::Escrita, Tipo::Leitura};
}
QString mensagemDe(const AcaoComBancoOcupado& c, const Teste::Sessao& s)
{
    return QString::fromUtf8(c.mensagem).replace("%1", s.CaminhoBanco());
}
// The messages shown since the history was last cleared, each followed by " / ": the critical ones,
// and all but the questions.
QString criticas()
{
    QString r;
    for (const Mensagens::Mensagem& m : Mensagens::Historico())
        r += m.icone == Mensagens::Icone::Critico ? m.texto + " / " : QString();
    return r;
}
QString semPerguntas()
{
    QString r;
    for (const Mensagens::Mensagem& m : Mensagens::Historico())
        r += m.icone != Mensagens::Icone::Pergunta ? m.texto + " / " : QString();
    return r;
}

// The commands that failed since the record was cleared: the waits each was granted, the first one's length,
// whether it was told ("1 espera de 30 ms, avisada"), joined by " + ".
QString comandosQueFalharam()
{
    QStringList r;
    for (const Banco::Testes::Registro& a : Banco::Testes::Acoes()) {
        if (a.comando && a.falhou)
            r << QStringLiteral("%1 espera de %2 ms%3").arg(a.esperas).arg(a.espera).arg(a.avisou ? ", avisada" : "");
    }
    return r.join(" + ");
}

// The first project the save dialog listed.
QString listaDoSalvar;

// Whether the dialog a row's action opens got as far as its modal loop.
bool dialogoNoLaco = false;
// What the user does to open a dialog, which runs its real modal loop; there the user closes it with a click on
// the given button.
std::function<void()> abrirDialogo(std::function<void()> agir, const char* dialogo, const char* fechar)
{
    return [=] {
        dialogoNoLaco = false;
        Teste::NoDialogo([=](QDialog* d) {
            if (d->objectName() != QLatin1String(dialogo))
                return;
            dialogoNoLaco = true;
            QTest::mouseClick(Teste::Controle(d, fechar), Qt::LeftButton);
        });
        agir();
    };
}
// A row's state, and " no laço" once its dialog got to its loop.
std::function<QString()> eDialogo(std::function<QString()> estado)
{
    return [=] { return estado() + (dialogoNoLaco ? " no laço" : ""); };
}

// ---- Every user action the table of held-file cases runs.

const std::vector<AcaoComBancoOcupado>& acoes()
{
    const auto leitura = Teste::Trava::Tipo::Leitura;
    static const std::vector<AcaoComBancoOcupado> casos = {
        {"salvar por cima de uma cópia", projetoSalvo, [] { Projetos::SalvarProjeto(); }, kSalvar,
         copiasSalvas, "H Bacia|Bacia Nova 6|Bacia Alt 2 -|Bacia Alt 3 -"},
        // ---- The review, the editor, the results, the economic analysis, the open dialog, weighting.
        {"revisão: gravação das janelas de entrada",
         [](Teste::Sessao& s) { alternativasCompletas(s, true), objetivoDigitado(s); }, menu("dados"), kGravar,
         estado("TR TRD", "frmObjetivo", "Text1 Text2", "frmDadosUtilizados"), "5 7|25 25#5,7 frmDadosUtilizados"},
        {"revisão: >", revisaoAberta, clique("frmDadosUtilizados", "Command1"), kEmUso,
         estado("TR", "frmDadosUtilizados", "Label4 Label5"), "10|25#Alt 2,25"},
        {"editor: OK", editorDigitado, clique("frmAlterar", "CommandButton1"), kGravar,
         estado("TR", "frmAlterar", "Text1"), "40|25#-", {}, nullptr, "-", kAlteradoEmUso},
        {"resultados: índices gravados", completas, reativar("frmCalculoIndices"), kGravar, estado("PerMP PerPC")},
        {"resultados: índices lidos mas não gravados", completas, reativar("frmCalculoIndices"), kGravar,
         estado("PerMP PerPC"), nullptr, {leitura}},
        {"econômica: passo", custoDigitado, clique("frmEconomico", "cmdFor"), kGravar, economico,
         "100.0|1.0#Alt 2,1"},
        {"econômica: Fazer análise", custoDigitado, clique("frmEconomico", "cmdAnalise"), kGravar, economico},
        {"econômica: abrir", completas, reativar("frmEconomico"), kEmUso, economico, "-|-#Alt 1,"},
        {"escolha: abrir", completas, escolherAlternativas, kEmUso, escolha, "1|1# frmAltEco"},
        // Every alternative picked in the chooser, and no choice stored yet.
        {"escolha: OK", [](Teste::Sessao& s) {
             completas(s), Teste::Executar("UPDATE tblTessaura SET Eco = NULL");
             escolherAlternativas(), clique("frmAltEco", "Command2")();
         }, clique("frmAltEco", "cmdOK"), kGravar, escolha, "1|1# frmEconomico"},
        // "Salvar como": the save dialog lists the saved projects before it asks for the name.
        // The state: the copies, and the first project the dialog listed, if it opened (under a hold
        // that lets reads through it opens, and a save left without a name writes nothing).
        {"salvar: lista dos projetos", [](Teste::Sessao& s) {
             s.Principal(), projetoSalvo(s), listaDoSalvar.clear();
             Teste::AoExibirModal([](Dialogo*) {
                 if (const frmSalvar* d = Janelas::Obter<frmSalvar>())
                     listaDoSalvar = d->FlexSave->Texto(1, 0);
             });
         }, menu("mnuFileSalvarComo"), kSalvar, [] { return copiasSalvas() + '#' + listaDoSalvar; },
         "H Bacia|Bacia Alt 1 5|Bacia Alt 2 -|Bacia Alt 3 -#Bacia", {Teste::Trava::Tipo::Exclusiva}},
        {"abrir: lista dos projetos", [](Teste::Sessao& s) { s.Principal(), projetoSalvo(s); }, menu("mnuFileOpen"),
         kEmUso, [] { const frmAbrir* d = Janelas::Obter<frmAbrir>(); return d ? d->FlexAbrir->Texto(1, 0) : "-"; },
         "Bacia"},
        // The results window in front, computed; the economic window opened over it from the menu.
        {"econômica: abrir sobre os resultados",
         [](Teste::Sessao& s) { completas(s), s.Mostrar<frmCalculoIndices>(); }, menu("mnuHelpAbout"), kEmUso,
         [] { return estado("PerMP PerPC", nullptr, "", "frmEconomico")() + ' ' + Teste::Frente(); },
         "5.54 54.0|5.74 38.0# frmEconomico frmEconomico"},
        {"editor: abrir", revisaoAberta, clique("frmDadosUtilizados", "Label5"), kEmUso,
         estado("TR", "frmDadosUtilizados", "Label4 Label5", "frmAlterar"), "10|25#Alt 1,10 frmAlterar"},
        // Once stored, the new weighting is shown whole even when the lists cannot be read anew.
        {"ponderação: Salvar", ponderacaoDigitada, clique("frmPesoPond", "Command3"), kGravar, ponderacoes,
         "Referência|Hidrológica|Sanitária|Ambiental|Social|Minha|Nova#Nova,Urbano,100 0 0 0 0 0 0 0 0 0 0 0 0 "
         "avançar", {}, nullptr, "Nova,Urbano,100 0 0 0 0 0 0 0 0 0 0 0 0 avançar", kEmUso},
        // "Minha" shown, and the deletion dialog opened on it.
        {"ponderação: Apagar", [](Teste::Sessao& s) {
             ponderacaoDigitada(s), clique("frmPesoPond", "Command4")();
             QComboBox* nomes = Janelas::Obter<frmPesoPond>()->ComboBox1;
             QTest::keyClick(nomes, Qt::Key_End), clique("frmPesoPond", "Command1")();
             QComboBox* lista = Janelas::Obter<frmApagarPon>()->ComboBox1;
             lista->setCurrentIndex(lista->findText("Minha"));
         }, clique("frmApagarPon", "CommandButton1"), kGravar, ponderacoes,
         "Referência|Hidrológica|Sanitária|Ambiental|Social#Referência,Geral,10 14,1 4,9 8,1 7,8 10,9 7,7 9,4 5,9 6,1 "
         "5,1 4,2 5,6 avançar", {}, "Tem certeza que deseja apagar essa ponderação?",
         // Deleted, but the table not read anew: no weighting shown.
         ",,0 0 0 0 0 0 0 0 0 0 0 0 0", kEmUso},
        // The deletion dialog opened on a stored weighting of the user's. It reads the table as it opens and
        // does not look at that read itself: a dialog that could not read must not get to its loop.
        {"ponderação: abrir Apagar", [](Teste::Sessao& s) {
             dialogoNoLaco = false;
             Teste::Inserir("tblPonderacao", {{"Nome", "Minha"}, {"Aspecto", "Urbano"}, {"c1", 100}});
             s.Mostrar<frmPesoPond>();
         }, abrirDialogo(clique("frmPesoPond", "Command1"), "frmApagarPon", "CommandButton2"), kEmUso,
         eDialogo(ponderacoes), "Referência|Hidrológica|Sanitária|Ambiental|Social|Minha#Referência,Geral,10 14,1 4,9 "
                                "8,1 7,8 10,9 7,7 9,4 5,9 6,1 5,1 4,2 5,6 avançar no laço"},
        // The next name chosen from the keyboard: shown whole, or not at all.
        {"ponderação: escolher", [](Teste::Sessao& s) { s.Mostrar<frmPesoPond>(); },
         [] { QTest::keyClick(Janelas::Obter<frmPesoPond>()->ComboBox1, Qt::Key_Down); }, kEmUso, ponderacoes,
         "Referência|Hidrológica|Sanitária|Ambiental|Social#Hidrológica,Hidrológico,15 20 15 6 6 6 6 5 5 4 4 4 4 "
         "avançar"},
        // "Sanitária" chosen, handed on to the objective window: the weights and the window in front.
        {"ponderação: Avançar", [](Teste::Sessao& s) {
             Teste::Projeto(3), s.Mostrar<frmPesoPond>();
             for (int i = 0; i < 2; ++i)
                 QTest::keyClick(Janelas::Obter<frmPesoPond>()->ComboBox1, Qt::Key_Down);
         }, clique("frmPesoPond", "CommandButton1"), kEmUso,
         [] { return ponderacoes() + ' ' + MT::PesoPonderacao[4].toString() + ' ' + Teste::Frente(); },
         "Referência|Hidrológica|Sanitária|Ambiental|Social#Sanitária,Sanitário,8 8 6 18 18 8 8 5 5 4 4 4 4 avançar "
         "18 frmObjetivo"},
        // ---- The alternatives window and the entry windows.
        {"alternativas: Próximo", inicioNomeando, clique("frmInicio", "Command6"), kGravar,
         estado("Nome Anotacao", "frmInicio", "Label3 Text1 Text2"), "Rio nota|- -|- -#2,,"},
        {"alternativas: OK de novo", [](Teste::Sessao& s) { inicioNomeando(s), escrever("frmInicio", "Text3=4"); },
         clique("frmInicio", "Command1"), kGravar, estado("Nome", "frmInicio", "Label5 Text1 Text2"),
         "Rio|-|-|-#4,Rio,nota"},
        // Every alternative named by the walk (gate open, back on alt1), alt1 renamed since.
        {"alternativas: Avançar", [](Teste::Sessao& s) {
             inicioNomeando(s);
             for (const char* nome : {"Text1=Mar", "Text1=Lago", "Text1=Rio2"})
                 clique("frmInicio", "Command6")(), escrever("frmInicio", nome);
         }, clique("frmInicio", "CommandButton1"), kGravar,
         estado("Nome", "frmInicio", "Text1", "frmPesoPond"), "Rio2|Mar|Lago#Rio2 frmPesoPond"},
        {"&Novo", [](Teste::Sessao& s) { Teste::Projeto(3), s.Principal(); }, menu("mnuFileNew"), kGravar,
         estado("Marcador", nullptr, "", "frmInicio"), "# frmInicio"},
        {"objetivo: Próxima", objetivoPorCriterio, clique("frmObjetivo", "Command2"), kGravar,
         estado("TR TRD", "frmObjetivo", "Label20 Text1 Text2"), "5 7|10 20|30 -#2,10,20"},
        {"objetivo aberto",
         [](Teste::Sessao& s) { Teste::Projeto(3), s.Principal(), Janelas::Carregar("frmObjetivo"); },
         reativar("frmObjetivo"), kEmUso, estado("TR", "frmObjetivo", "Label20 Label18 Label15"),
         "-|-|-#1,3,Alternativa 1"},
        {"impacto reativado",
         [](Teste::Sessao& s) { Teste::Projeto(3), s.Mostrar<frmImpacto>(), Teste::MostrarOutraJanela(); },
         reativar("frmImpacto"), kEmUso,
         [] { return textos("frmImpacto", "Label35") + ' ' + MT::sbStatusBar()->Painel(2)->text(); },
         "Alternativa 1 1 de 3"},
        {"objetivo: F5", [](Teste::Sessao& s) {
             objetivoPorCriterio(s);
             Teste::AoExibirModal([](Dialogo* d) { Teste::Clicar(Teste::Controle(d, "CommandButton1")); });
         }, f5NoObjetivo, kEmUso, estado("TR", "frmObjetivo", "Text1"), "-|10|30#10"},
        // The reuse dialog opened by F5 and left by "Descartar dado": the box keeps its value. F5 reads the
        // alternative on show, then the dialog reads the others as it opens, without looking at that read
        // itself: a dialog that could not read must not get to its loop.
        {"reaproveitamento: abrir", [](Teste::Sessao& s) { dialogoNoLaco = false, objetivoPorCriterio(s); },
         abrirDialogo(f5NoObjetivo, "frmPOP", "CommandButton2"), kEmUso,
         eDialogo(estado("TR", "frmObjetivo", "Text1")), "-|10|30#5 no laço"},
        {"reaproveitamento: outra alternativa", reaproveitamento,
         [] { Teste::Controle<QComboBox>("frmPOP", "Combo1")->setCurrentIndex(1); }, kEmUso,
         estado("TR", "frmPOP", "Combo1 lblValor Text2"), "-|10|30#Alternativa 3,30,3"},
        {"reaproveitamento: critério inteiro",
         [](Teste::Sessao& s) { reaproveitamento(s), clique("frmPOP", "OptionButton1")(); },
         clique("frmPOP", "CommandButton1"), kEmUso, estado("TR TRD", "frmObjetivo", "Text1 Text2", "frmPOP"),
         "- -|10 20|30 -#10,20"},
        {"impacto: Avançar", impactoCompleto, clique("frmImpacto", "CommandButton1"), kGravar,
         estado("Qalvo", "frmImpacto", "Text3", "frmInsercao"), "7.0|2.0|2.0#7 frmInsercao"},
        {"inserção: Próxima", insercaoDigitada, clique("frmInsercao", "Command1"), kGravar,
         estado("Aapta1 Ades", "frmInsercao", "Label38 Text1 Text5 Text6"),
         "5.0 8.0|10.0 -|- -#Alternativa 2,10,,8"},
        {"inserção: Avançar por alternativa", porAlternativaCompleta, clique("frmInsercao", "CommandButton1"),
         kGravar, entradaPorAlternativa, "10 1.0|- -# R - alt2"},
        {"inserção: Avançar por alternativa, escrita recusada", porAlternativaCompleta,
         clique("frmInsercao", "CommandButton1"), kGravar, entradaPorAlternativa, "10 1.0|- -# R - alt2", {leitura}},
        {"impacto: Próxima", impactoDigitado, clique("frmImpacto", "Command2"), kGravar,
         estado("Qalvo Qinf", "frmImpacto", "Label35 Text3 Text4"), "7.0 3.0|2.0 -|- -#Alternativa 2,2,"},
        {"objetivo: Avançar", objetivoCompleto, clique("frmObjetivo", "CommandButton1"), kGravar,
         estado("TR", "frmObjetivo", "Text1", "frmImpacto"), "8|5|5#8 frmImpacto"},
        {"inserção: Avançar", insercaoCompleta, clique("frmInsercao", "CommandButton1"), kGravar,
         estado("Aapta1 Ades", "frmInsercao", "Text1 Text5 Text6", "frmCalculoIndices"),
         "7.0 9.0|1.0 5.0#7,9,9 frmCalculoIndices"},
        // The review asked for while an entry window with typed values is in front.
        {"dados por critério", [](Teste::Sessao& s) { alternativasCompletas(s), objetivoDigitado(s); }, menu("dados"),
         kEmUso, estado("TR TRD", "frmObjetivo", "Text1 Text2", "frmDadosUtilizados"),
         "10 25|25 25#5,7 frmDadosUtilizados"},
    };
    return casos;
}

// The table's rows for QTest: each case, under each of its holds when comTravas.
void casos(bool comTravas)
{
    QTest::addColumn<int>("caso");
    QTest::addColumn<int>("trava");
    static const char* const nomes[] = {"exclusiva", "escrita", "leitura"};
    for (size_t i = 0; i < acoes().size(); ++i) {
        const AcaoComBancoOcupado& c = acoes()[i];
        if (!comTravas) {
            QTest::newRow(c.caso) << int(i) << 0;
            continue;
        }
        for (const Teste::Trava::Tipo tipo : travasDe(c))
            QTest::addRow("%s (%s)", c.caso, nomes[int(tipo)]) << int(i) << int(tipo);
    }
}

// ---- Commands given in modal dialogs, each through the dialog's real modal loop.

// A command given in a modal dialog while another program holds the file: an action of its own.
struct ComandoEmDialogo {
    const char* caso;
    std::function<void(Teste::Sessao&)> preparar;  // windows and rows before the dialog opens
    std::function<void()> abrir;                   // opens the dialog; returns once its loop has ended
    std::function<void(QDialog*)> escolher;        // what the user sets in the dialog as it opens
    std::function<void(QDialog*, bool)> comando;   // the command, by mouse or by keyboard
    const char* mensagem;                          // the one message it gets
    std::function<QString()> estado;               // rows and windows, the dialog's name while it is loaded
    const char* depois;                            // the messages and state once it went through
    std::function<void(QDialog*, bool)> concluir = {};  // what closes the dialog after the command
    bool reabre = false;  // the command closes the dialog and the opener's action writes: each try reopens it
};

// A button of a dialog pressed by mouse, or by keyboard: focus and Space (no default button), or
// Enter in the box that has the focus, which the dialog's default button takes.
std::function<void(QDialog*, bool)> botao(const char* nome, bool enter = false)
{
    return [=](QDialog* d, bool teclado) {
        auto* b = Teste::Controle<QPushButton>(d, nome);
        if (!teclado)
            QTest::mouseClick(b, Qt::LeftButton);
        else if (enter)
            QTest::keyClick(d->focusWidget() ? d->focusWidget() : d, Qt::Key_Return);
        else
            b->setFocus(), QTest::keyClick(b, Qt::Key_Space);
    };
}
// The reuse dialog's next alternative: the arrow key, or its entry clicked in the open list.
void outraAlternativa(QDialog* d, bool teclado)
{
    auto* lista = Teste::Controle<QComboBox>(d, "Combo1");
    if (teclado)
        return QTest::keyClick(lista, Qt::Key_Down);
    QTest::mouseClick(lista, Qt::LeftButton);
    QAbstractItemView* v = lista->view();
    const QPoint entrada = v->visualRect(v->model()->index(1, 0)).center();
    Teste::PassarMouse(v->viewport(), entrada);
    QTest::mouseClick(v->viewport(), Qt::LeftButton, {}, entrada);
}
// Only "Alt 2" left chosen in the economic chooser.
void soAlt2(QDialog* d)
{
    Teste::Clicar(Teste::Controle(d, "Command4"));
    auto* l = Teste::Controle<QListWidget>(d, "List2");
    QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, l->visualItemRect(l->item(1)).center());
    Teste::Clicar(Teste::Controle(d, "Command1"));
}
const auto escolhaNaFrente = [] { return estado("Eco", nullptr, "", "frmAltEco")() + ' ' + Teste::Frente(); };
// Each action ended since the record was cleared that met the held file.
QString acoesRegistradas()
{
    QStringList r;
    for (const Banco::Testes::Registro& a : Banco::Testes::Acoes())
        if (a.esperas > 0 || a.falhou)
            r << QStringLiteral("%1 %2x%3ms%4%5")
                     .arg(a.comando ? "comando" : "reação")
                     .arg(a.esperas)
                     .arg(a.espera)
                     .arg(a.falhou ? " falhou" : "", a.avisou ? " avisou" : "");
    return r.join(", ");
}

const std::vector<ComandoEmDialogo>& comandosEmDialogos()
{
    static const std::vector<ComandoEmDialogo> casos = {
        // The editor opened on alt1's TR, 40 typed.
        {"editor: Alterar", revisaoAberta, clique("frmDadosUtilizados", "Label5"),
         [](QDialog* d) { Teste::Substituir(Teste::Controle<QLineEdit>(d, "Text1"), "40"); },
         botao("CommandButton1"), kGravar, estado("TR", "frmDadosUtilizados", "Label4 Label5", "frmAlterar"),
         "O dado foi alterado! / 40|25#Alt 1,40"},
        // The economic chooser opened from the results and from the economic window, only "Alt 2" chosen.
        {"escolha: OK sobre os resultados", [](Teste::Sessao& s) { completas(s), s.Mostrar<frmCalculoIndices>(); },
         clique("frmCalculoIndices", "cmdAnaEco"), soAlt2, botao("cmdOK"), kGravar, escolhaNaFrente,
         "0|1# frmEconomico"},
        {"escolha: OK sobre a análise econômica", [](Teste::Sessao& s) { completas(s), s.Mostrar<frmEconomico>(); },
         clique("frmEconomico", "cmdNumAlt"), soAlt2, botao("cmdOK"), kGravar, escolhaNaFrente, "0|1# frmEconomico"},
        {"reaproveitamento: critério inteiro", objetivoPorCriterio, f5NoObjetivo,
         [](QDialog* d) { Teste::Clicar(Teste::Controle(d, "OptionButton1")); }, botao("CommandButton1"), kEmUso,
         estado("TR TRD", "frmObjetivo", "Text1 Text2", "frmPOP"), "- -|10 20|30 -#10,20"},
        // The value of the alternative chosen handed back into the box by "Aproveitar dado".
        {"reaproveitamento: um dado", objetivoPorCriterio, f5NoObjetivo, nullptr, outraAlternativa, kEmUso,
         [] { return estado("TR", "frmObjetivo", "Text1", "frmPOP")() + ' ' + textos("frmPOP", "Combo1 lblValor"); },
         "-|10|30#30 -", botao("CommandButton1")},
        // "Salvar como", a new name typed.
        {"salvar como", [](Teste::Sessao& s) { s.Principal(), projetoSalvo(s); }, menu("mnuFileSalvarComo"),
         [](QDialog* d) { Teste::Substituir(Teste::Controle<QLineEdit>(d, "Text1"), "Rio"); },
         botao("CommandButton1", true), kSalvar, copiasSalvas,
         "O projeto foi salvo! / H Bacia|H Rio|Bacia Alt 1 5|Bacia Alt 2 -|Bacia Alt 3 -|Rio Nova 6|Rio Alt 2 -|"
         "Rio Alt 3 -", {}, true},
        // The typed weighting discarded; "Minha", after "Referência", chosen in the deletion dialog. The state:
        // the names stored '#' the weighting window's list, and the dialog's choice.
        {"ponderação: Apagar", [](Teste::Sessao& s) { ponderacaoDigitada(s), clique("frmPesoPond", "Command4")(); },
         clique("frmPesoPond", "Command1"),
         [](QDialog* d) { QTest::keyClick(Teste::Controle(d, "ComboBox1"), Qt::Key_Down); },
         botao("CommandButton1", true), kGravar, [] {
             return linhas("Nome", "tblPonderacao") + '#'
                  + Teste::Itens(Janelas::Obter<frmPesoPond>()->ComboBox1).join('|') + ' '
                  + textos("frmApagarPon", "ComboBox1");
         }, "Referência|Hidrológica|Sanitária|Ambiental|Social#"
            "Referência|Hidrológica|Sanitária|Ambiental|Social -"},
    };
    return casos;
}

}  // namespace

class TesteBanco : public QObject {
    Q_OBJECT
private slots:
    void linhasNaOrdemDeCriacao()
    {
        Teste::Sessao s;
        ConexaoPtr c = Abrir();
        RecordsetPtr rs = Recordset::Abrir(c, "tblTessaura");
        QVERIFY(rs->EOF_() && rs->BOF());
        // The file itself refuses text in a numeric column.
        QVERIFY(!Teste::Executar("INSERT INTO tblTessaura (Marcador, QJmax) VALUES ('alt1', 'abc')"));
        for (int i = 1; i <= 11; ++i) {
            rs->AddNew();
            QVERIFY(rs->Definir("Marcador", QStringLiteral("alt%1").arg(i)) && rs->Update());
        }
        RecordsetPtr outro = Recordset::Abrir(c, "tblTessaura");
        QStringList marcas;
        for (outro->MoveFirst(); !outro->EOF_(); outro->MoveNext())
            marcas << outro->Campo("Marcador").toString();
        QCOMPARE(marcas.join(' '), QStringLiteral("alt1 alt2 alt3 alt4 alt5 alt6 alt7 alt8 alt9 alt10 alt11"));
        QCOMPARE(NumeroDoMarcador("alt10"), 10);
        // A change through one recordset is seen by another at its next read.
        outro->MoveFirst(), rs->MoveFirst(), rs->Edit();
        QVERIFY(rs->Definir("Nome", QStringLiteral("Bacia")) && rs->Update());
        QVERIFY(outro->Campo("Nome").toString() == "Bacia" && outro->Campo("TR").isNull());
        // A row deleted on the way leaves the walk on the one after it.
        outro->MoveNext();
        QVERIFY(outro->Delete());
        outro->MoveNext();
        QCOMPARE(outro->Campo("Marcador").toString() + ' ' + QString::number(outro->RecordCount()), "alt3 10");
    }

    // A text that does not convert by the locale is refused and leaves the
    // stored value; the other fields are written all the same, quote included.
    void valorNumerico()
    {
        const struct { const char *locale, *campo, *texto; double valor; } casos[] = {  // valor 7: refused
            {"pt_BR", "QJmin", "2,5", 2.5},        {"pt_BR", "QJmin", "1,,5", 7}, {"pt_BR", "QJmin", ",", 7},
            {"pt_BR", "QJmin", "12.5", 7},         {"pt_BR", "TR", "25", 25},    {"pt_BR", "TR", "99999999999", 7},
            {"en_US", "QJmin", "12.5", 12.5},      {"en_US", "TR", "abc", 7}};
        for (const auto& c : casos) {
            Teste::Sessao s(c.locale);
            const QString campo = c.campo;
            QVERIFY(Teste::Inserir("tblTessaura", {{"Marcador", "alt1"}, {campo, 7}}));
            RecordsetPtr rs = Recordset::Abrir(Abrir(), "tblTessaura");
            rs->MoveFirst(), rs->Edit();
            QVERIFY2(rs->Definir(campo, c.texto) == (c.valor != 7), c.texto);
            QVERIFY(rs->Definir("Nome", "O'Brien") && rs->Update());
            QCOMPARE(rs->Campo(campo).toDouble(), c.valor);
            QCOMPARE(Teste::Coluna("SELECT typeof(" + campo + ") || Nome FROM tblTessaura").first().toString(),
                     QString(campo == "TR" ? "integerO'Brien" : "realO'Brien"));
        }
    }

    // The layer's rules for a held file, without windows: a command waits once and tells once, when its
    // outermost scope ends and after the steps left to its end; what runs outside any command (typing) waits a
    // reaction's wait and tells nobody; a command given while another is set aside (a modal dialog's) is an
    // action of its own, and the one set aside goes on as it was.
    void acoesERegras()
    {
        Teste::Sessao s;
        Banco::Testes::DefinirEspera(kEsperaCurta);
        const auto ler = [] { return Banco::Abrir() != nullptr; };
        QVERIFY(ler());
        QStringList passos;
        Banco::Testes::LimparAcoes();
        {
            Teste::Trava trava(s.CaminhoBanco());
            QVERIFY(!ler() && !ler() && Banco::HouveFalha());  // a reaction: until control returns to the loop
            QCoreApplication::processEvents();
            {
                Banco::Acao comando;
                Banco::AoTerminar([&] { passos << "passo " + Teste::TextosMostrados().join('/'); });
                {
                    Banco::Acao interna(Banco::TipoAcao::Gravacao);
                    QVERIFY(!ler() && !ler());
                }
                QVERIFY(Teste::TextosMostrados().isEmpty());
                {
                    Banco::AcaoSuspensa dialogo;
                    QVERIFY(!Banco::HouveFalha());
                    Banco::Acao comandoDoDialogo;
                    QVERIFY(!ler());
                }
                passos << Teste::TextosMostrados().join('/');
                QVERIFY(Banco::HouveFalha());
            }
        }
        const QString emUso = QString::fromUtf8(kEmUso).replace("%1", s.CaminhoBanco());
        QCOMPARE(passos.join(" | ") + " | " + Teste::TextosMostrados().join(" / "),
                 emUso + " | passo " + emUso + " | " + emUso + " / " + kGravar);
        QString registro;
        for (const Banco::Testes::Registro& r : Banco::Testes::Acoes())
            registro += QStringLiteral("%1 %2x%3%4 ").arg(r.comando ? "comando" : "reação").arg(r.esperas)
                            .arg(r.espera).arg(r.avisou ? " avisada" : "");
        QCOMPARE(registro, QStringLiteral("reação 1x%1 comando 1x%2 avisada comando 1x%2 avisada ")
                               .arg(Banco::Testes::EsperaDeReacao()).arg(kEsperaCurta));
        QVERIFY(ler() && !Banco::HouveFalha());  // the file free: the next reaction goes through
    }

    // A command's wait for a held file is one deadline for the whole command. Holds that come and go within it
    // share that wait: each statement waits only while the file is held, and what it used is gone for the next.
    // A hold that lets go early costs its own length; one that outlasts the wait costs the wait once, however
    // many statements are left.
    void umaEsperaPorComando()
    {
        using Tipo = Teste::Trava::Tipo;
        Teste::Sessao s;
        // One command of reads under the given wait; before each read, a hold of its own of the given length
        // is taken (-1: one hold, taken before the first read, that lasts the whole command). What it
        // leaves: a '+' for each read that went through, a '-' for each that failed, then its record.
        const auto comando = [&](int espera, const std::vector<int>& travas) {
            Banco::Testes::DefinirEspera(espera);
            Banco::Testes::LimparAcoes();
            QString lidas;
            {
                Banco::Acao acao;
                std::unique_ptr<Teste::Trava> duradoura;
                for (const int ms : travas) {
                    if (ms >= 0 || !duradoura) {
                        duradoura.reset();
                        duradoura = std::make_unique<Teste::Trava>(s.CaminhoBanco(), Tipo::Exclusiva, ms);
                    }
                    lidas += Banco::Abrir() != nullptr ? '+' : '-';
                }
            }
            const auto& acoes = Banco::Testes::Acoes();
            return acoes.size() != 1 ? lidas + QStringLiteral(" %1 ações").arg(acoes.size())
                                     : lidas + QStringLiteral(" %1 espera(s)%2").arg(acoes[0].esperas)
                                                   .arg(acoes[0].falhou ? ", falhou" : "");
        };
        const struct {
            const char* caso;
            int espera;  // -1: the program's own
            std::vector<int> travas;
            const char* resultado;
            double minimo, maximo;  // what it spent waiting (ms), with margins for a loaded machine
        } casos[] = {
            {"travas breves a cada leitura", -1, {50, 50, 50}, "+++ 1 espera(s)", 75, 1000},
            {"o que resta da espera", 1000, {400, 400, 400}, "++- 1 espera(s), falhou", 800, 1600},
            {"trava que termina logo", -1, {50}, "+ 1 espera(s)", 25, 1000},
            {"trava que não termina", 400, {-1, -1}, "-- 1 espera(s), falhou", 360, 640},
        };
        for (const auto& c : casos) {
            const QString caso = QString::fromUtf8(c.caso) + ": ";
            QCOMPARE(caso + comando(c.espera, c.travas), caso + c.resultado);
            const double esperado = Banco::Testes::Acoes().front().esperado;
            QVERIFY2(esperado >= c.minimo && esperado < c.maximo,
                     qPrintable(caso + QStringLiteral("esperou %1 ms").arg(esperado)));
        }
    }

    void buscaPorNomeLiteralSemCaixa()
    {
        Teste::Sessao s;
        const QStringList nomes{"Área verde", "O'Neil", "a*", "a?", "abc", "%_", "[x]", "Dupla", "dupla"};
        for (int i = 0; i < nomes.size(); ++i)
            Teste::Inserir("tblTessaura", {{"Marcador", QStringLiteral("alt%1").arg(i + 1)}, {"Nome", nomes[i]}});
        ConexaoPtr c = Abrir();
        const std::pair<const char*, const char*> casos[] = {
            {"ÁREA VERDE", "alt1"}, {"o'neil", "alt2"}, {"a*", "alt3"}, {"a?", "alt4"}, {"%_", "alt6"},
            {"[x]", "alt7"},        {"DUPLA", "alt8"},  {"a%", ""},     {"área", ""}, {"x", ""}};
        for (const auto& [nome, marcador] : casos) {
            RecordsetPtr rs = Recordset::AbrirPorNome(c, "tblTessaura", QString::fromUtf8(nome));
            QCOMPARE(rs && !rs->EOF_() ? rs->Campo("Marcador").toString() : QString(), QString(marcador));
        }
    }

    // Another program holds the file while the user acts (each case under each of its holds, a row of its own):
    // the action waits once, the whole wait, and gets exactly one message, which names the failure rightly and
    // stands over the window the user is left with; rows and window stay as they were; once the file is free the
    // same action succeeds.
    void acoesComOBancoOcupado_data() { casos(true); }
    void acoesComOBancoOcupado()
    {
        QFETCH(int, caso);
        QFETCH(int, trava);
        const AcaoComBancoOcupado& c = acoes()[static_cast<size_t>(caso)];
        const auto tipo = static_cast<Teste::Trava::Tipo>(trava);
        Teste::Sessao s;
        Banco::Testes::DefinirEspera(kEsperaCurta);
        c.preparar(s);
        const QString antes = c.estado();
        Mensagens::LimparHistorico();
        Banco::Testes::LimparAcoes();
        {
            Teste::Trava trava(s.CaminhoBanco(), tipo);
            QVERIFY(trava.Tomada());
            c.agir();
            // Back in the event loop while the file is still held: a window the failure brings back shows no
            // second message.
            QCoreApplication::processEvents();
        }
        QCoreApplication::processEvents();
        // Exactly one message, the right one, critical, titled; the state untouched.
        const QString mensagem = mensagemDe(c, s),
                      perguntas = tipo != Teste::Trava::Tipo::Exclusiva && c.pergunta ? c.pergunta + QString(" / ") : "";
        QCOMPARE(c.estado() + " | " + Teste::TextosMostrados().join(" / ") + " | " + Teste::UltimaResumida(),
                 antes + " | " + perguntas + mensagem + " | "
                     + Teste::Resumo("Análise Tessaura", Mensagens::Icone::Critico, mensagem));
        // One command failed: it was granted one wait, the whole of it, and told its failure once, over the
        // window in front once it was done.
        QCOMPARE(comandosQueFalharam() + " / " + Teste::JanelasDasMensagens().value(-1 + int(Mensagens::Historico().size())),
                 QStringLiteral("1 espera de %1 ms, avisada / ").arg(kEsperaCurta) + Teste::Frente());
        Mensagens::LimparHistorico();
        c.agir();
        QCoreApplication::processEvents();
        const QString depois = c.estado();
        QCOMPARE(criticas() + depois, c.depois ? QString::fromUtf8(c.depois) : depois);
        QVERIFY(depois != antes);
    }

    // The k-th statement of each action fails as if the file were held, for k = 1, 2, ... until the action
    // runs through. Each time: one message, the right one; the rows as they were, or as the whole action
    // leaves them, never half-written; the window as it was, typed values included (or, where the action
    // goes on after its write went through, as the case says); and the same action succeeds once nothing
    // fails.
    void falhaEmCadaComando_data() { casos(false); }
    void falhaEmCadaComando()
    {
        QFETCH(int, caso);
        const AcaoComBancoOcupado& c = acoes()[static_cast<size_t>(caso)];
        QStringList diferencas;
        for (int k = 1;; ++k) {
            Teste::Sessao s;
            c.preparar(s);
            const QString antes = c.estado(), rotulo = QStringLiteral("k = %1: ").arg(k);
            Mensagens::LimparHistorico();
            Banco::Testes::FalharComando(k);
            c.agir();
            QCoreApplication::processEvents();
            const bool provocada = Banco::Testes::FalhaProvocada();
            Banco::Testes::FalharComando(0);
            const QString falha = c.estado(), mensagens = rotulo + semPerguntas(), criticasFalha = criticas();
            // The message stood over the window the user is left with (a hand-over taken back: the one that
            // handed over).
            const QString sobre = Teste::JanelasDasMensagens().value(int(Mensagens::Historico().size()) - 1),
                          frente = Teste::Frente();
            if (!provocada) {
                if (!criticasFalha.isEmpty())
                    diferencas << rotulo + criticasFalha;
                break;
            }
            Mensagens::LimparHistorico();
            c.agir();
            QCoreApplication::processEvents();
            const QString depois = c.estado(), linhas = falha.section('#', 0, 0), janela = falha.section('#', 1);
            const bool gravada = linhas != antes.section('#', 0, 0);
            const auto comparar = [&](const QString& real, const QString& esperado) {
                if (real != esperado)
                    diferencas << real + "\n    esperado: " + esperado;
            };
            comparar(rotulo + "sobre " + sobre, rotulo + "sobre " + frente);
            if (gravada && linhas != depois.section('#', 0, 0)) {
                comparar(rotulo + "linhas " + linhas,
                         rotulo + "linhas " + antes.section('#', 0, 0) + " ou " + depois.section('#', 0, 0));
            } else if (gravada && c.janelaAposGravar && janela == QString::fromUtf8(c.janelaAposGravar)) {
                // The action went on after its write: what failed later is a read.
                comparar(mensagens, rotulo + QString::fromUtf8(c.mensagemAposGravar).replace("%1", s.CaminhoBanco())
                                        + " / ");
            } else {
                comparar(mensagens + "| " + janela, rotulo + mensagemDe(c, s) + " / | " + antes.section('#', 1));
                comparar(rotulo + criticas() + depois, rotulo + (c.depois ? QString::fromUtf8(c.depois) : depois));
            }
        }
        QVERIFY2(diferencas.isEmpty(), qPrintable(diferencas.join('\n')));
    }

    // A lock that ends while the save is under way: the file keeps the whole
    // new copy when the save could finish in its wait, the whole old one when
    // it could not.
    void salvamentoComTravaQueTermina()
    {
        using Tipo = Teste::Trava::Tipo;
        const struct { const char* caso; Tipo tipo; int ms; const char* copia; } casos[] = {
            {"escrita liberada", Tipo::Exclusiva, 300, "H Bacia|Bacia Nova 6|Bacia Alt 2 -|Bacia Alt 3 -"},
            {"leitura liberada", Tipo::Leitura, 300, "H Bacia|Bacia Nova 6|Bacia Alt 2 -|Bacia Alt 3 -"},
            {"leitura que não termina", Tipo::Leitura, -1, "H Bacia|Bacia Alt 1 5|Bacia Alt 2 -|Bacia Alt 3 -"}};
        for (const auto& c : casos) {
            Teste::Sessao s;
            projetoSalvo(s);
            Banco::Testes::DefinirEspera(c.ms < 0 ? 300 : 3000);
            Mensagens::LimparHistorico();
            {
                Teste::Trava trava(s.CaminhoBanco(), c.tipo, c.ms);
                Projetos::SalvarProjeto();
            }
            QCOMPARE(copiasSalvas() + " / " + Teste::TextosMostrados().join(" / "),
                     QString::fromUtf8(c.copia) + " / " + (c.ms < 0 ? kSalvar : "O projeto foi salvo!"));
        }
    }

    // A retry while the other program still holds the file, which lets go about a second into the wait: with
    // the program's own wait the retry goes through, however the try before it failed.
    void novaTentativaComTravaQueTermina()
    {
        const struct { const char *caso, *mensagens; } casos[] = {
            {"salvar por cima de uma cópia", "O projeto foi salvo! / "}, {"inserção: Avançar por alternativa", ""}};
        for (const auto& t : casos) {
            const auto& c = *std::find_if(acoes().begin(), acoes().end(), [&](const AcaoComBancoOcupado& a) {
                return QString::fromUtf8(a.caso) == QString::fromUtf8(t.caso);
            });
            const QString caso = QString::fromUtf8(t.caso) + ": ";
            Teste::Sessao s;
            c.preparar(s);
            {  // a hold that outlasts the (test's short) wait
                Teste::Trava trava(s.CaminhoBanco());
                c.agir();
                QCoreApplication::processEvents();
            }
            QCOMPARE(caso + criticas(), caso + mensagemDe(c, s) + " / ");
            Mensagens::LimparHistorico();
            Banco::Testes::DefinirEspera(-1);
            {
                Teste::Trava trava(s.CaminhoBanco(), Teste::Trava::Tipo::Exclusiva, 1000);
                c.agir();
                QCoreApplication::processEvents();
            }
            Banco::Testes::DefinirEspera(300);
            QCOMPARE(caso + semPerguntas() + c.estado(), caso + t.mensagens + c.depois);
        }
    }

    // A command given in a modal dialog is an action of its own: under the hold it fails with the whole
    // wait and one message, the dialog stays and nothing is written; tried again, the same; once the file
    // is free it goes through and the window behind shows what was stored.
    void dialogosComOBancoOcupado_data()
    {
        QTest::addColumn<int>("caso");
        QTest::addColumn<bool>("teclado");
        QTest::addColumn<int>("trava");
        using Tipo = Teste::Trava::Tipo;
        const char* const nomes[] = {"exclusiva", "escrita", "leitura"};
        for (size_t i = 0; i < comandosEmDialogos().size(); ++i) {
            const ComandoEmDialogo& c = comandosEmDialogos()[i];
            const bool le = QString::fromUtf8(c.mensagem) == QString::fromUtf8(kEmUso);
            for (const bool teclado : {false, true})
                for (const Tipo tipo : le ? std::vector<Tipo>{Tipo::Exclusiva}
                                          : std::vector<Tipo>{Tipo::Exclusiva, Tipo::Escrita, Tipo::Leitura})
                    QTest::addRow("%s, %s, %s", c.caso, teclado ? "teclado" : "mouse", nomes[int(tipo)])
                        << int(i) << teclado << int(tipo);
        }
    }
    void dialogosComOBancoOcupado()
    {
        QFETCH(int, caso);
        QFETCH(bool, teclado);
        QFETCH(int, trava);
        const ComandoEmDialogo& c = comandosEmDialogos()[size_t(caso)];
        Teste::Sessao s;
        Banco::Testes::DefinirEspera(kEsperaCurta);
        c.preparar(s);
        std::unique_ptr<Teste::Trava> presa;
        QPointer<QDialog> dialogo;
        QStringList falhas;
        QString antes;
        // One try of the command in the open dialog; the state before the first is what a failure leaves.
        const auto tentar = [&](QDialog* d, bool livre) {
            dialogo = d;
            if (antes.isEmpty())
                antes = c.estado();
            if (!livre)
                presa = std::make_unique<Teste::Trava>(s.CaminhoBanco(), Teste::Trava::Tipo(trava));
            Mensagens::LimparHistorico(), Banco::Testes::LimparAcoes();
            c.comando(d, teclado);
        };
        // What a try under the hold left, back in the event loop while the file is still held; the rows
        // read once it is free.
        const auto falhou = [&] {
            QCoreApplication::processEvents();
            presa.reset();
            falhas << semPerguntas() + "| " + Teste::UltimaResumida() + " | " + acoesRegistradas() + " | "
                          + (dialogo && dialogo->isVisible() ? "aberto " : "fechado ") + c.estado();
        };
        // The dialog opened and the tries from..3 given in it (the third with the file free).
        const auto abrir = [&](int de, int ate) {
            Teste::NoDialogo([&, de, ate](QDialog* d) {
                if (c.escolher)
                    c.escolher(d);
                for (int i = de; i <= ate; ++i) {
                    tentar(d, i == 3);
                    if (i < 3 && !c.reabre)
                        falhou();
                }
                if (ate == 3 && c.concluir)
                    c.concluir(d, teclado);
            });
            c.abrir();
        };
        if (c.reabre) {
            for (int i = 1; i <= 3; ++i) {
                abrir(i, i);
                if (i < 3)
                    falhou();
            }
        } else {
            abrir(1, 3);
        }
        QCoreApplication::processEvents();
        const QString mensagem = QString::fromUtf8(c.mensagem).replace("%1", s.CaminhoBanco());
        const QString falha = mensagem + " / | "
                            + Teste::Resumo("Análise Tessaura", Mensagens::Icone::Critico, mensagem)
                            + QStringLiteral(" | comando 1x%1ms falhou avisou | ").arg(Banco::Testes::EsperaDeComando())
                            + (c.reabre ? "fechado " : "aberto ") + antes;
        QCOMPARE(falhas.join('\n'), QStringList(2, falha).join('\n'));
        QCOMPARE(semPerguntas() + c.estado(), QString::fromUtf8(c.depois));
    }

    void numerosComoORuntimeEscrevia()
    {
        QLocale::setDefault(QLocale("pt_BR"));
        // Small numbers are written out, as they can be typed back.
        const std::pair<double, const char*> casos[] = {{1234567.25, "1234567,25"}, {0.1 + 0.2, "0,3"},
                                                        {0.00005, "0,00005"}, {-1.25e-7, "-0,000000125"},
                                                        {1.0 / 3.0 / 10000, "0,0000333333333333333"}};
        for (const auto& [numero, texto] : casos)
            QCOMPARE(Numeros::Formatar(numero), QString(texto));
        QCOMPARE(Numeros::FormatarDuasCasas(3), QStringLiteral("3,00"));
        QVERIFY(Numeros::ArredondarInteiro(2.5) == 2.0 && Numeros::ArredondarInteiro(3.5) == 4.0);
        bool recusado = true, lido = false, recusadoEmIngles = true;
        Numeros::Ler("1.5", &recusado);
        QVERIFY(!recusado && Numeros::Ler(" 1,5 ", &lido) == 1.5 && lido);
        QLocale::setDefault(QLocale("en_US"));
        QCOMPARE(Numeros::Formatar(0.00005), QStringLiteral("0.00005"));
        Numeros::Ler("1,5", &recusadoEmIngles);
        QVERIFY(!recusadoEmIngles);
    }
};

TESTE_MAIN(TesteBanco)
#include "tst_banco.moc"
