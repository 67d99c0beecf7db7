// The economic analysis through its windows: the chooser marking rows, the
// costs stored and walked over the chosen alternatives, the run filling the
// grid and the workbook, the charts, every refusal and every failed write.
#include "Ambiente.h"

#include "common/Banco.h"
#include "common/ModuloTessaura.h"
#include "economics/frmAltEco.h"
#include "economics/frmEconomico.h"
#include "economics/frmGrafico.h"
#include "economics/planilha/Planilha.h"
#include "economics/planilha/VisaoGrafico.h"
#include "shell/frmMain.h"

#include <QAction>
#include <QChart>
#include <QScatterSeries>
#include <QTest>

namespace MT = ModuloTessaura;
using Mensagens::Icone;
using Teste::Clicar;

namespace {

const QString kTitulo = QStringLiteral("Análise Tessaura");

// custos: "CI CO CM VU erro" (and Eco) stored beforehand, or empty.
struct Linha { QString nome; double PerPC, PerMP; QString custos; };

// The alternatives as the evaluation leaves them, weighted by half the reference weights.
void projeto(const QList<Linha>& linhas)
{
    const char* nomes[6] = {"CustoImplantacao", "CustoOperacao", "CustoManutencao", "VidaUtil", "ErroEco", "Eco"};
    int i = 0;
    for (const Linha& l : linhas) {
        QVariantMap campos{{"Marcador", QStringLiteral("alt%1").arg(++i)}, {"Nome", l.nome},
                           {"PerPC", l.PerPC}, {"PerMP", l.PerMP}};
        const QStringList c = l.custos.split(' ', Qt::SkipEmptyParts);
        for (int k = 0; k < c.size(); ++k)
            campos.insert(nomes[k], c[k].toDouble());
        Teste::Inserir("tblTessaura", campos);
    }
    MT::NumeroAlternativas = static_cast<short>(linhas.size());
    const double ref[13] = {10.0, 14.1, 4.9, 8.1, 7.8, 10.9, 7.7, 9.4, 5.9, 6.1, 5.1, 4.2, 5.6};
    for (int k = 1; k <= 13; ++k)
        MT::PesoPonderacao[static_cast<size_t>(k)] = ref[k - 1] / 2;
}

// f(0) .. f(n - 1) joined with '|'.
QString juntar(int n, const std::function<QString(int)>& f)
{
    QStringList t;
    for (int i = 0; i < n; ++i)
        t << f(i);
    return t.join('|');
}
QString itens(const QListWidget* l) { return juntar(l->count(), [l](int i) { return l->item(i)->text(); }); }
// Row `l` of the results grid.
QString grade(QTableWidget* g, int l) { return juntar(g->columnCount(), [=](int k) { return g->item(l, k)->text(); }); }
// A column of the alternatives' rows ("-" for Null).
QString campo(const QString& nome)
{
    const QList<QVariant> v = Teste::Coluna("SELECT " + nome + " FROM tblTessaura ORDER BY id");
    return juntar(v.size(), [&](int i) { return v[i].isNull() ? QStringLiteral("-") : v[i].toString(); });
}
// The name box, then the five cost boxes in the order "CI CO CM VU erro".
QList<QLineEdit*> caixas(frmEconomico* e)
{
    return {e->txtAlternativa,    e->txtCustoImplantacao, e->txtCustoOperacao,
            e->txtCustoManutencao, e->txtVidaUtil,        e->txtErroEco};
}
// Name and the five boxes of the alternative on show.
QString mostrada(frmEconomico* e) { return juntar(6, [e](int i) { return caixas(e)[i]->text(); }); }
// Types "CI CO CM VU erro" into the five boxes ("-" leaves a box empty).
void digitar(frmEconomico* e, const QString& valores)
{
    const QStringList v = valores.split(' ');
    for (int i = 0; i < 5; ++i)
        Teste::Substituir(caixas(e)[i + 1], v[i] == "-" ? QString() : v[i]);
}

void clicarItem(QListWidget* l, int i, bool duplo = false)
{
    const QPoint p = l->visualItemRect(l->item(i)).center();
    QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, p);
    if (duplo)
        QTest::mouseDClick(l->viewport(), Qt::LeftButton, {}, p);
}
frmAltEco* abrirEscolha(Teste::Sessao& s)
{
    s.Principal();
    Janelas::ExibirModal(Janelas::Carregar<frmAltEco>());
    return Janelas::Obter<frmAltEco>();
}
// The chooser's OK after picking these rows of its left list.
frmEconomico* escolher(frmAltEco* d, const QList<int>& linhas)
{
    for (int i : linhas)
        clicarItem(d->List2, i, true);
    Clicar(d->cmdOK);
    return Janelas::Obter<frmEconomico>();
}

bool dadosLigado() { return MT::BotaoBarra("dados")->isEnabled(); }
bool emResultados(frmEconomico* e) { return e->cmdVoltar->text() == "OK" && e->flexECO->isVisible(); }

QScatterSeries* bolha(frmGrafico* g, int i) { return static_cast<QScatterSeries*>(g->OLE1->chart()->series()[i]); }

}  // namespace

class TesteEconomico : public QObject {
    Q_OBJECT
private slots:
    void escolhaMarcaAsLinhas();
    void custosGuardadosAoPercorrer();
    void analiseEGraficos();
    void recusas();
    void digitarComOBancoOcupado();
    void custoEsvaziadoPorOutroPrograma();
    void zeroDigitadoContaComoFalta();
};

// The chooser tells rows apart by identity, not by name; a choice that cannot
// be written leaves the earlier one whole, and so does a cost that cannot.
void TesteEconomico::escolhaMarcaAsLinhas()
{
    Teste::Sessao s;
    projeto({{"Canal", .5, 5, ""}, {"Bacia", .4, 4, ""}, {"Canal", .3, 3, ""}});
    Teste::Executar("UPDATE tblTessaura SET Eco = 1");  // an earlier choice
    frmAltEco* d = abrirEscolha(s);
    clicarItem(d->List2, 2);
    Clicar(d->Command1), Clicar(d->Command1);  // added once
    QCOMPARE(itens(d->List2) + " > " + itens(d->List1), QStringLiteral("Canal|Bacia|Canal > Canal"));
    clicarItem(d->List2, 0, true);  // the other "Canal" is another alternative
    QCOMPARE(itens(d->List1), QStringLiteral("Canal|Canal"));
    clicarItem(d->List1, 0);  // a click removes at once
    QCOMPARE(d->List1->count(), 1);
    Clicar(d->Command2);  // all, then none: the choice below is the only one
    Clicar(d->Command4);
    QVERIFY(!d->cmdOK->isEnabled());

    const QString falha = QStringLiteral("Não foi possível gravar os dados no banco de dados.");
    const QString travar = "CREATE TRIGGER travar BEFORE UPDATE ON tblTessaura %1 BEGIN SELECT RAISE(ABORT, 'x'); END";
    Teste::Executar(travar.arg("WHEN OLD.Marcador = 'alt3'"));
    frmEconomico* e = escolher(d, {2});
    QCOMPARE(Teste::UltimaResumida() + ' ' + campo("Eco"), Teste::Resumo(kTitulo, Icone::Critico, falha) + " 1|1|1");
    QVERIFY(!e && Janelas::Carregada("frmAltEco"));

    Teste::Executar("DROP TRIGGER travar");
    e = escolher(d, {});
    QVERIFY(!Janelas::Carregada("frmAltEco") && e && Janelas::Visivel(e) && !dadosLigado());
    QCOMPARE(campo("Eco") + ' ' + mostrada(e) + e->txtTaxa->text() + e->txtTempoBase->text(),
             QStringLiteral("0|0|1 Canal|||||1030"));

    Teste::Executar(travar.arg(""));
    Mensagens::LimparHistorico();
    Teste::Substituir(e->txtCustoImplantacao, "5");
    Clicar(e->cmdFor);
    Clicar(e->cmdVoltar);
    QCOMPARE(Teste::TextosMostrados().join('/') + ' ' + mostrada(e), falha + '/' + falha + " Canal|5||||");
    QVERIFY(Janelas::Carregada("frmEconomico"));
}

void TesteEconomico::custosGuardadosAoPercorrer()
{
    Teste::Sessao s;
    projeto({{"A", .5, 5, ""}, {"B", .5, 5, ""}, {"C", .5, 5, ""}, {"D", .5, 5, ""}});
    frmEconomico* e = escolher(abrirEscolha(s), {0, 2, 3});
    digitar(e, "1000 10,5 - 10 5");
    QCOMPARE(campo("CustoImplantacao"), QStringLiteral("-|-|-|-"));  // stored only when leaving
    Clicar(e->cmdFor);
    QCOMPARE(mostrada(e), QStringLiteral("C|||||"));  // B is skipped
    Clicar(e->cmdFor), Clicar(e->cmdFor);  // past the last chosen: the first again
    QCOMPARE(mostrada(e), QStringLiteral("A|1000|10,5|0|10|5"));
    Clicar(e->cmdBack);  // before the first: the last
    QCOMPARE(mostrada(e), QStringLiteral("D|0|0|0|0|0"));

    // A box that is no number: the move is refused and nothing is lost.
    Teste::Substituir(e->txtCustoOperacao, "abc");
    Clicar(e->cmdFor);
    QCOMPARE(Teste::UltimaResumida() + ' ' + mostrada(e),
             Teste::Resumo(kTitulo, Icone::Exclamacao, "O campo \"Custos de operação ($/ano)\" deve conter um número.")
                 + " D|0|abc|0|0|0");

    // The useful life must divide the base time (30).
    Teste::Substituir(e->txtVidaUtil, "7");
    QCOMPARE(Teste::UltimaResumida() + ' ' + e->txtVidaUtil->text(),
             Teste::Resumo("Aviso", Icone::Critico, "O tempo de base deve ser um múltiplo da vida util!") + " 0");
    Teste::Substituir(e->txtVidaUtil, "15");
    e->txtVidaUtil->clear();
    QCOMPARE(Teste::TextosMostrados().size(), 2);  // the one above and this rule's

    // Typed values are kept when the choice changes; one chosen alternative walks onto itself.
    Teste::Substituir(e->txtCustoOperacao, "3");
    Clicar(e->cmdNumAlt);
    QCOMPARE(campo("CustoOperacao"), QStringLiteral("10.5|-|0|3"));
    e = escolher(Janelas::Obter<frmAltEco>(), {1});
    Clicar(e->cmdFor);
    QCOMPARE(mostrada(e), QStringLiteral("B|0|0|0|0|0"));

    // "Voltar" stores what was typed, closes, and gives "dados" back.
    Teste::Substituir(e->txtCustoImplantacao, "77");
    Clicar(e->cmdVoltar);
    QCOMPARE(campo("CustoImplantacao"), QStringLiteral("1000|77|0|0"));
    QVERIFY(!Janelas::Carregada("frmEconomico") && dadosLigado());
}

// A run in each locale, its charts, and a second run after "OK".
void TesteEconomico::analiseEGraficos()
{
    for (const char* locale : {"pt_BR", "en_US"}) {
        Teste::Sessao s(locale);
        auto local = [](QString t) { return QLocale().decimalPoint() == "." ? t.replace(',', '.') : t; };
        // A is best on every indicator (PerPC 0): no relative performance by compromise programming.
        projeto({{"A", 0, 5, ""}, {"B", .9, 9, "1 1 1 1 0"}, {"C", .25, 3, ""}});
        frmEconomico* e = escolher(abrirEscolha(s), {0, 2});
        Teste::Substituir(e->txtTempoBase, "2");
        digitar(e, "100 10 5 1 0");
        Clicar(e->cmdFor);
        digitar(e, local("200 20 10 2 12,5"));
        QVERIFY(e->cmdAnalise->isEnabled());  // C's typed costs count before they are stored
        Clicar(e->cmdAnalise);

        QCOMPARE(campo("ErroEco"), QStringLiteral("0|0|12.5"));  // stored before the run
        QCOMPARE(grade(e->flexECO, 1) + "/" + grade(e->flexECO, 2), local("A|310|21|10,5|341,5/C|420|42|21|483"));
        QCOMPARE(Teste::UltimaResumida(),
                 Teste::Resumo(kTitulo, Icone::Informacao,
                               "Não foi possível calcular a performance ou o custo relativo de: \"A\". Essas "
                               "alternativas ficam sem bolha nos gráficos em que o valor falta."));
        QVERIFY(MT::NumAltEco == 2 && emResultados(e) && e->cmdGraf->isVisible()
                && !e->txtCustoImplantacao->isEnabled());

        Clicar(e->cmdGraf);
        auto* g = Janelas::Obter<frmGrafico>();
        QVERIFY(g && Janelas::Visivel(g) && !dadosLigado());
        QVERIFY(g->OLE1->chart()->series().size() == 2 && bolha(g, 0)->name() == "A" && bolha(g, 1)->name() == "C");
        QVERIFY(bolha(g, 0)->points().isEmpty());  // its legend entry stays
        const double mediaCT = (341.5 + 483) / 2;
        QCOMPARE(bolha(g, 1)->points(), (QList<QPointF>{{mediaCT / 483, 0.125 / 0.25}}));
        Clicar(g->cmdMP);
        QCOMPARE(bolha(g, 0)->points() + bolha(g, 1)->points(),
                 (QList<QPointF>{{mediaCT / 341.5, 5 / 4.0}, {mediaCT / 483, 3 / 4.0}}));
        QVERIFY(bolha(g, 1)->markerSize() > bolha(g, 0)->markerSize());  // the larger estimate error

        // Each activation draws both charts anew from the sheet, a series per alternative, showing "GrafPC".
        for (int i = 0; i < 2; ++i)
            Teste::MostrarOutraJanela(), Janelas::Mostrar(g);
        Planilha::Pasta* pasta = Planilha::xlBook();
        QVERIFY(pasta->Grafico("GrafPC")->Quantidade() == 2 && pasta->Grafico("GrafMP")->Quantidade() == 2);
        QVERIFY(g->OLE1->SourceItem() == "!GrafPC" && g->OLE1->chart()->series().size() == 2);
        Clicar(g->cmdVoltar);
        QVERIFY(pasta->Grafico("GrafPC")->Quantidade() == 0 && !Janelas::Carregada("frmGrafico"));
        Clicar(e->cmdGraf);  // left open through the next run

        // "OK" goes back to the entry; a changed cost runs again over the same rows.
        Clicar(e->cmdVoltar);
        QVERIFY(!emResultados(e) && !e->cmdGraf->isVisible() && e->txtCustoImplantacao->isEnabled());
        Teste::Substituir(e->txtCustoImplantacao, "300");
        Clicar(e->cmdAnalise);
        QCOMPARE(grade(e->flexECO, 2), QStringLiteral("C|630|42|21|693"));
        QCOMPARE(Planilha::xlSheet()->Celula(4, 4).toDouble(), (341.5 + 693) / 2 / 693);

        // Closing the window takes the chart window and the workbook with it.
        QVERIFY(Janelas::Carregada("frmGrafico"));
        Clicar(e->cmdVoltar), Clicar(e->cmdVoltar);
        QVERIFY(!Janelas::Carregada("frmEconomico") && !Janelas::Carregada("frmGrafico"));
        QVERIFY(!Planilha::ExcelAberto() && dadosLigado());
    }
}

// Both alternatives chosen beforehand, the window opened from the menu; a
// refusal shows its one message and leaves the run undone.
void TesteEconomico::recusas()
{
    const QString taxa = "O campo \"Taxa de juros anual (%)\" deve conter um número maior que -100.";
    const QString base = "O campo \"Base de Tempo (anos)\" deve conter um número inteiro de 0 a 32767.";
    // SQL before the window opens, then a text typed into a box; no message: the run stays closed.
    const struct { const char* antes; QLineEdit* frmEconomico::*caixa; const char* texto; QString aviso; } casos[] = {
        {"", &frmEconomico::txtTaxa, "abc", taxa}, {"", &frmEconomico::txtTaxa, "-100", taxa},
        {"", &frmEconomico::txtTempoBase, "2,5", base}, {"", &frmEconomico::txtTempoBase, "40000", base},
        {"", &frmEconomico::txtCustoImplantacao, "12a", "O campo \"Custos de implantação ($)\" deve conter um número."},
        {"VidaUtil = -5 WHERE Nome = 'B'", nullptr, "",
         "O campo \"Vida útil (anos)\" da alternativa \"B\" deve ser maior que zero."},
        {"VidaUtil = 0.001 WHERE Nome = 'B'", &frmEconomico::txtTempoBase, "40",
         "O campo \"Vida útil (anos)\" da alternativa \"B\" é pequeno demais para a base de tempo: a base "
         "de tempo dividida pela vida útil não pode passar de 32767."},
        {"PerPC = NULL WHERE Nome = 'B'", nullptr, "",
         "A alternativa \"B\" ainda não tem os índices globais. Faça a avaliação antes da análise econômica."},
        {"Eco = 0", nullptr, "", "Nenhuma alternativa foi escolhida para a análise econômica."},  // the walk finds none
        {"CustoOperacao = NULL WHERE Nome = 'B'", nullptr, "", ""},  // never stored
        {"CustoManutencao = 0 WHERE Nome = 'B'", nullptr, "", ""},
    };
    for (const auto& c : casos) {
        Teste::Sessao s;
        projeto({{"A", .5, 5, "100 1 1 10 0 1"}, {"B", .5, 5, "100 1 1 10 0 1"}});
        if (*c.antes)
            Teste::Executar(QStringLiteral("UPDATE tblTessaura SET ") + QString::fromUtf8(c.antes));
        s.Principal()->mnuHelpAbout_Click();
        frmEconomico* e = Janelas::Obter<frmEconomico>();
        QVERIFY2(e->cmdAnalise->isEnabled() == !c.aviso.isEmpty(), c.antes);  // B not on show
        if (c.aviso.isEmpty())
            continue;
        Clicar(e->cmdFor);
        if (c.caixa)
            Teste::Substituir(e->*c.caixa, QString::fromUtf8(c.texto));
        Clicar(e->cmdAnalise);
        QCOMPARE(Teste::UltimaResumida(), Teste::Resumo(kTitulo, Icone::Exclamacao, c.aviso));
        QVERIFY2(Teste::TextosMostrados().size() == 1 && !emResultados(e) && !Planilha::ExcelAberto(), c.antes);
    }
}

// "Fazer análise" while another program holds the file: it follows the boxes as they are typed, hold or not,
// since judging it reads nothing; once the file is free it still agrees, with no key typed, and a press never
// runs on a missing cost nor stores an empty box as 0. Aberto: A complete, its maintenance cost emptied under
// the hold; fechado: A's maintenance cost missing, the last missing value typed under the hold.
void TesteEconomico::digitarComOBancoOcupado()
{
    for (const bool aberto : {true, false}) {
        Teste::Sessao s;
        projeto({{"A", .5, 5, "100 1 1 10 0 1"}, {"B", .5, 5, "100 1 1 10 0 1"}});
        if (!aberto)
            Teste::Executar("UPDATE tblTessaura SET CustoManutencao = NULL WHERE Nome = 'A'");
        s.Principal()->mnuHelpAbout_Click();
        frmEconomico* e = Janelas::Obter<frmEconomico>();
        QLineEdit* cm = e->txtCustoManutencao;
        QCOMPARE(e->cmdAnalise->isEnabled(), aberto);
        Mensagens::LimparHistorico();
        Banco::Testes::LimparAcoes();
        {
            Teste::Trava trava(s.CaminhoBanco());
            aberto ? Teste::Substituir(cm, QString()) : Teste::Digitar(cm, "7");
            QVERIFY2(e->cmdAnalise->isEnabled() != aberto, "sob a trava");
        }
        QTest::qWait(50);
        QCOMPARE(QString::number(Banco::Testes::Acoes().size()) + Teste::TextosMostrados().join('/'), "0");
        QVERIFY2(e->cmdAnalise->isEnabled() != aberto, "liberado");
        // Pressed even so (as if the button had stayed on): nothing runs, nothing is stored, the field is named.
        e->cmdAnalise->setEnabled(true);
        Clicar(e->cmdAnalise);
        QCOMPARE(Teste::UltimaResumida(), aberto ? Teste::Resumo(kTitulo, Icone::Exclamacao,
                                                                  "Falta o campo \"" + e->Label3->text()
                                                                      + "\" da alternativa \"A\".")
                                                 : QString());
        QCOMPARE(Teste::Coluna("SELECT ifnull(CustoManutencao, '-') FROM tblTessaura WHERE Nome = 'A'").value(0)
                     .toString() + (emResultados(e) ? " resultados" : ""),
                 QString(aberto ? "1" : "7 resultados"));
        QCOMPARE(e->cmdAnalise->isEnabled(), !aberto);
    }
}

// Another program empties a cost of a chosen alternative not on show once the window is open: the button
// still follows the rows as they were read, so the press finds it. The run names the field and the
// alternative, computes nothing, and the button then follows the rows as they are now.
void TesteEconomico::custoEsvaziadoPorOutroPrograma()
{
    Teste::Sessao s;
    projeto({{"A", .5, 5, "100 1 1 10 0 1"}, {"B", .4, 4, "200 2 2 10 0 1"}, {"C", .3, 3, "300 3 3 10 0 1"}});
    s.Principal()->mnuHelpAbout_Click();
    frmEconomico* e = Janelas::Obter<frmEconomico>();
    QVERIFY(e->txtAlternativa->text() == "A" && e->cmdAnalise->isEnabled());
    Teste::Executar("UPDATE tblTessaura SET CustoOperacao = NULL WHERE Nome = 'C'");
    Mensagens::LimparHistorico();
    Clicar(e->cmdAnalise);
    QCOMPARE(Teste::TextosMostrados().size(), 1);
    QCOMPARE(Teste::UltimaResumida(),
             Teste::Resumo(kTitulo, Icone::Exclamacao,
                           "Falta o campo \"Custos de operação ($/ano)\" da alternativa \"C\"."));
    QVERIFY(!emResultados(e) && e->flexECO->rowCount() == 0 && !Planilha::ExcelAberto() && MT::NumAltEco == 0);
    QCOMPARE(campo("CustoOperacao"), QStringLiteral("1|2|-"));
    QVERIFY(!e->cmdAnalise->isEnabled() && e->txtCustoImplantacao->isEnabled());
}

// A 0 typed into a cost or the useful life of the alternative on show counts as missing, as an empty box
// does; stored so by a move, it still does; a non-zero value typed back opens the run again.
void TesteEconomico::zeroDigitadoContaComoFalta()
{
    Teste::Sessao s;
    projeto({{"A", .5, 5, "100 1 1 10 0 1"}, {"B", .4, 4, "200 2 2 10 0 1"}});
    s.Principal()->mnuHelpAbout_Click();
    frmEconomico* e = Janelas::Obter<frmEconomico>();
    const QStringList antes = mostrada(e).split('|');
    for (int i = 1; i <= 4; ++i) {
        Teste::Substituir(caixas(e)[i], i == 2 ? "0,0" : "0");
        QVERIFY2(!e->cmdAnalise->isEnabled(), qPrintable(caixas(e)[i]->objectName()));
        Teste::Substituir(caixas(e)[i], antes[i]);
        QVERIFY2(e->cmdAnalise->isEnabled(), qPrintable(caixas(e)[i]->objectName()));
    }
    Teste::Substituir(e->txtCustoManutencao, "0");
    Clicar(e->cmdFor);
    QCOMPARE(mostrada(e) + ' ' + campo("CustoManutencao"), QStringLiteral("B|200|2|2|10|0 0|2"));
    QVERIFY(!e->cmdAnalise->isEnabled());
    Clicar(e->cmdBack);
    Teste::Substituir(e->txtCustoManutencao, "5");
    QVERIFY(e->cmdAnalise->isEnabled() && Teste::TextosMostrados().isEmpty());
}

TESTE_MAIN(TesteEconomico)
#include "tst_economico.moc"
