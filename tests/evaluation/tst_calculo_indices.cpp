// The results window evaluating prepared tables as a user opens it: the
// consequence grid, the classification and the indices stored in each row,
// in both number formats; re-activation; missing data; a refused write.
#include "Ambiente.h"

#include "common/Banco.h"
#include "common/BarraStatus.h"
#include "common/ModuloTessaura.h"
#include "common/GradeFlex.h"
#include "evaluation/frmCalculoIndices.h"

#include <QProgressBar>
#include <QTest>
#include <QTimer>

namespace MT = ModuloTessaura;
using Mensagens::Icone;
using Teste::Controle;

namespace {

// Three alternatives worked by hand under the weighting "Hidrológica". Row 1: Io 10/25 = 0,4;
// IH1 both flows (0,8 + 10/12)/2 = 0,82; IH2 flows (3-2)/2; IA1 (150-100)/100; ISC1 with nothing before 50/200;
// ISC4 -75/300. Row 2: Io 1; IH1 minimum only 5/10; IH2 by areas, none with the works: -1; IA1 1; ISC1 1; ISC4 -1.
// Row 3: Io 5/8 = 0,625 and IH1 maximum only 10/16 = 0,625, both to the even 0,62; IH2 -3/8 = -0,375 to -0,38;
// IA1 -0,25; ISC1 (50-40)/40; no expropriation.
const QList<QVariantMap> kLinhas = {
    {{"TR", 10}, {"TRD", 25}, {"QJmin", 8}, {"QJmax", 12}, {"Qalvo", 10}, {"Qinf", 3}, {"Qnat", 2},
     {"PTD", 5}, {"PPI", 4}, {"IAsup", 6}, {"IAsub", 3}, {"Aapta1", 100}, {"Aapta2", 150}, {"IP", 5},
     {"ARL1", 0}, {"ARL2", 50}, {"ICC", 4}, {"PUOF", 5}, {"Ades", 75}},
    {{"TR", 30}, {"TRD", 25}, {"QJmin", 5}, {"Qalvo", 10}, {"Ainf", 0}, {"Anat", 500},
     {"PTD", 3}, {"PPI", 6}, {"IAsup", 4}, {"IAsub", 5}, {"Aapta1", 100}, {"Aapta2", 250}, {"IP", 2},
     {"ARL1", 100}, {"ARL2", 200}, {"ICC", 6}, {"PUOF", 7}, {"Ades", 300}},
    {{"TR", 5}, {"TRD", 8}, {"QJmax", 16}, {"Qalvo", 10}, {"Qinf", 5}, {"Qnat", 8},
     {"PTD", 7}, {"PPI", 2}, {"IAsup", 1}, {"IAsub", 7}, {"Aapta1", 80}, {"Aapta2", 60}, {"IP", 4},
     {"ARL1", 40}, {"ARL2", 50}, {"ICC", 5}, {"PUOF", 4}, {"Ades", 0}},
};
const QStringList kNomes{"Bacia Norte", "Bacia Sul", "Canal"};
// Indicators, MP and PC of each row as shown (comma form).
const QString kGrade[3] = {"5,20 6,46 5,50 5,00 4,00 6,00 3,00 5,50 5,00 4,75 4,00 5,00 3,25 5,18 40,67",
                           "7,00 5,50 1,00 3,00 6,00 4,00 5,00 7,00 2,00 7,00 6,00 7,00 1,00 4,67 55,40",
                           "5,86 5,86 2,86 7,00 2,00 1,00 7,00 3,25 4,00 4,75 5,00 4,00 4,00 4,57 59,47"};
// The same rows on two rounding boundaries: Aapta2 132 (IA1 0,32) and Ainf 365 (IH2 -0,27) show 4,96 and 3,19, which
// single precision holds as 4,96000004 and 3,19000006 (worst IH2 2,86000013). From the shown values the first MP is
// 5,1550000000000002 (5,16) and the second PC 53,524999999999999 (53,52); from single-precision ones they would show
// 5,15 and 53,53. Cells differing from kGrade:
const struct { int linha, coluna; const char* texto; } kLimites[] = {{0, 7, "4,96"}, {0, 13, "5,16"}, {0, 14, "41,39"},
    {1, 2, "3,19"}, {1, 13, "5,00"}, {1, 14, "53,52"}, {2, 14, "65,67"}};
const double kHidrologica[13] = {15, 20, 15, 6, 6, 6, 6, 5, 5, 4, 4, 4, 4};

QString emLocale(QString t, bool ponto) { return ponto ? t.replace(',', '.') : t; }

void preparar(const QList<QVariantMap>& linhas = kLinhas, const QStringList& nomes = kNomes)
{
    for (int i = 0; i < linhas.size(); ++i) {
        QVariantMap campos = linhas[i];
        campos["Marcador"] = QStringLiteral("alt%1").arg(i + 1);
        campos["Nome"] = nomes[i];
        QVERIFY(Teste::Inserir("tblTessaura", campos));
    }
    for (int j = 0; j < 13; ++j)
        MT::PesoPonderacao[static_cast<size_t>(j + 1)] = kHidrologica[j];
    MT::NumeroAlternativas = static_cast<short>(linhas.size());
}

GradeFlex* flex(QWidget* w) { return Controle<GradeFlex>(w, "Flex"); }
GradeFlex* flexClass(QWidget* w) { return Controle<GradeFlex>(w, "FlexClass"); }

QStringList linhaDe(GradeFlex* g, int linha, int de, int ate)
{
    QStringList t;
    for (int c = de; c <= ate; ++c)
        t << g->Texto(linha, c);
    return t;
}

// The grid's rows, and what the rows store (MP, then PC) against their texts as numbers.
void conferir(GradeFlex* g, const QStringList& nomes, const QStringList* grade)
{
    QList<QVariant> v;
    for (int i = 0; i < 3; ++i)
        QCOMPARE(linhaDe(g, i + 1, 0, 15), QStringList{nomes[i]} + grade[i]);
    for (int coluna : {13, 14})
        for (int i = 0; i < 3; ++i)
            v << emLocale(grade[i][coluna], true).toDouble();
    QCOMPARE(Teste::Coluna("SELECT PerMP FROM tblTessaura ORDER BY id") +
                 Teste::Coluna("SELECT PerPC FROM tblTessaura ORDER BY id"), v);
}

// Whether the progress display shows while the next run pauses.
bool* observarProgresso(QWidget* w)
{
    static bool visto;
    auto* barra = Controle<QProgressBar>(w, "ProgressBar1");
    QTimer::singleShot(0, barra, [barra] { visto = barra->isVisible(); });
    return &(visto = false);
}

}  // namespace

class TesteCalculoIndices : public QObject {
    Q_OBJECT
private slots:
    void avaliacaoCompleta_data();
    void avaliacaoCompleta();
    void semDadosSuficientes_data();
    void semDadosSuficientes();
    void tabelasPequenasEFalhas();
};

void TesteCalculoIndices::avaliacaoCompleta_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<bool>("nomesIguais");
    QTest::addColumn<bool>("limite");  // on the rounding boundaries
    QTest::newRow("vírgula") << "pt_BR" << false << false;
    QTest::newRow("ponto, nomes repetidos") << "en_US" << true << false;
    QTest::newRow("limites, vírgula") << "pt_BR" << false << true;
    QTest::newRow("limites, ponto") << "en_US" << false << true;
}

void TesteCalculoIndices::avaliacaoCompleta()
{
    QFETCH(QString, locale);
    QFETCH(bool, nomesIguais);
    QFETCH(bool, limite);
    Teste::Sessao s(locale);
    const bool ponto = locale == "en_US";
    const QStringList nomes{"Bacia Norte", "Bacia Sul", nomesIguais ? "Bacia Norte" : "Canal"};
    QList<QVariantMap> linhas = kLinhas;
    QStringList grade[3] = {emLocale(kGrade[0], ponto).split(' '), emLocale(kGrade[1], ponto).split(' '),
                            emLocale(kGrade[2], ponto).split(' ')};
    if (limite) {
        linhas[0]["Aapta2"] = 132;
        linhas[1]["Ainf"] = 365;
        for (const auto& c : kLimites)
            grade[c.linha][c.coluna] = emLocale(c.texto, ponto);
    }
    preparar(linhas, nomes);
    s.Principal();
    // The first run shows its progress while it pauses.
    auto* w = Janelas::Carregar<frmCalculoIndices>();
    bool* progresso = observarProgresso(w);
    Janelas::Mostrar(w);
    QVERIFY(*progresso && MT::CalculoCarregado && Teste::TextosMostrados().isEmpty());

    GradeFlex* g = flex(w);
    QVERIFY(g->Linhas() == 4 && g->Colunas() == 16 && flexClass(w)->Linhas() == 5);
    QCOMPARE(linhaDe(g, 0, 0, 15).join('|'), "Alternativa/Indicador|Io|IH1|IH2|IS1|IS2|IQ1|IQ2|IA1|IA2|ISC1|"
                                             "ISC2|ISC3|ISC4|Índice Global (M)|Índice Global (PC)");
    // Each row keeps what is shown beside it, also when names repeat.
    conferir(g, nomes, grade);

    // Both rankings: MP descending, PC ascending (smallest distance first).
    QCOMPARE((linhaDe(flexClass(w), 0, 0, 4) + linhaDe(flexClass(w), 1, 0, 4)).join('|'),
             "Classificação|Média Ponderada|Média Ponderada|Programação de Compromisso|Programação de "
             "Compromisso|Classificação|Alternativa|Índice|Alternativa|Índice");
    for (int k = 0; k < 3; ++k)  // here both orders are the rows' own
        QCOMPARE(linhaDe(flexClass(w), k + 2, 0, 4),
                 (QStringList{QString::number(k + 1), nomes[k], grade[k][13], nomes[k], grade[k][14]}));

    // The status bar turns to the results pages.
    BarraStatus* b = MT::sbStatusBar();
    QVERIFY(b->Painel(1)->text() == "Análises" && b->Painel(2)->isHidden() && b->Painel(3)->isVisible() &&
            b->Painel(5)->isVisible());

    // Coming back: the same grid, computed again without the progress display.
    Teste::Executar("UPDATE tblTessaura SET PerMP = NULL, PerPC = NULL");
    Teste::MostrarOutraJanela();
    progresso = observarProgresso(w);
    Janelas::Mostrar(w);
    QVERIFY(!*progresso && !Controle(w, "ProgressBar1")->isVisible() && !Controle(w, "Label3")->isVisible());
    conferir(g, nomes, grade);

    Janelas::Descarregar(w);
    QVERIFY(!MT::CalculoCarregado);
}

void TesteCalculoIndices::semDadosSuficientes_data()
{
    QTest::addColumn<int>("linha");
    QTest::addColumn<QString>("campo");
    QTest::addColumn<QVariant>("valor");
    QTest::addColumn<QString>("codigo");
    const QVariant nulo;
    QTest::newRow("período desejado") << 2 << "TRD" << nulo << "Io";
    QTest::newRow("nenhuma vazão") << 1 << "QJmin" << nulo << "IH1";
    QTest::newRow("vazão alvo") << 3 << "Qalvo" << nulo << "IH1";
    QTest::newRow("recarga sem par") << 3 << "Qnat" << nulo << "IH2";
    QTest::newRow("nota fora da escala") << 2 << "PUOF" << QVariant(9) << "ISC3";
    QTest::newRow("nota ausente") << 1 << "IAsub" << nulo << "IQ2";
    QTest::newRow("área negativa") << 3 << "Aapta1" << QVariant(-5) << "IA1";
    QTest::newRow("desapropriação") << 2 << "Ades" << nulo << "ISC4";
}

void TesteCalculoIndices::semDadosSuficientes()
{
    QFETCH(int, linha);
    QFETCH(QString, campo);
    QFETCH(QVariant, valor);
    QFETCH(QString, codigo);
    Teste::Sessao s;
    QList<QVariantMap> linhas = kLinhas;
    if (campo == "QJmin")
        linhas[0].remove("QJmax");  // neither flow limit
    linhas[linha - 1][campo] = valor;
    if (linha != 3)
        linhas[2]["TR"] = QVariant();  // a later gap never hides an earlier one
    preparar(linhas);
    s.Principal();
    auto* w = Janelas::Carregar<frmCalculoIndices>();
    // An activation while the run pauses starts no second run (no second message).
    QTimer::singleShot(0, w, [w] { w->Form_Activate(); });
    Janelas::Mostrar(w);
    QCOMPARE(Teste::TextosMostrados().size(), 1);
    QCOMPARE(Teste::UltimaResumida(),
             Teste::Resumo("Análise Tessaura", Icone::Exclamacao,
                           QStringLiteral("Faltam dados da alternativa \"%1\" para o indicador %2. "
                                          "Corrija-os na revisão dos dados.").arg(kNomes[linha - 1], codigo)));
    QVERIFY(flex(w)->Linhas() == 1 && flex(w)->Texto(0, 1).isEmpty() && flexClass(w)->Linhas() == 2);
    QCOMPARE(Teste::Coluna("SELECT count(*) FROM tblTessaura WHERE coalesce(PerMP, PerPC) IS NOT NULL").value(0), 0);
}

void TesteCalculoIndices::tabelasPequenasEFalhas()
{
    {
        // No alternative at all: the headers, nothing to rank or store.
        Teste::Sessao s;
        preparar({}, {});
        auto* w = s.Mostrar<frmCalculoIndices>();
        QVERIFY(Teste::TextosMostrados().isEmpty() && flex(w)->Linhas() == 1 && flexClass(w)->Linhas() == 2);
    }
    {
        // The database refuses the last row: no row keeps a new index.
        Teste::Sessao s;
        preparar();
        Teste::Executar("CREATE TRIGGER recusa BEFORE UPDATE OF PerMP ON tblTessaura "
                        "WHEN NEW.Nome = 'Canal' BEGIN SELECT RAISE(ABORT, 'recusado'); END");
        auto* w = s.Mostrar<frmCalculoIndices>();
        QCOMPARE(Teste::TextosMostrados().size(), 1);
        QCOMPARE(Teste::UltimaResumida(), Teste::Resumo("Análise Tessaura", Icone::Critico,
                                                        "Não foi possível gravar os dados no banco de dados."));
        QCOMPARE(Teste::Coluna("SELECT count(*) FROM tblTessaura WHERE PerMP IS NOT NULL").value(0), 0);
        QCOMPARE(flex(w)->Texto(1, 14), QStringLiteral("5,18"));  // what was computed stays shown
    }
    // One alternative: every span widened to a whole step; it leads both lists.
    Teste::Sessao s;
    const QString longo(60, 'x');
    preparar({kLinhas[0]}, {longo});
    auto* w = s.Mostrar<frmCalculoIndices>();
    QVERIFY(flexClass(w)->Texto(2, 1) == longo && flexClass(w)->Texto(2, 3) == longo);
    QVERIFY(flex(w)->columnWidth(0) >= flex(w)->fontMetrics().horizontalAdvance(longo));
    QCOMPARE(flex(w)->Texto(1, 14) + ' ' + Teste::Coluna("SELECT PerMP FROM tblTessaura").value(0).toString(),
             QStringLiteral("5,18 5.18"));

    // A database file that cannot be opened is named in a message; nothing breaks.
    Banco::DefinirCaminhoParaTestes(QStringLiteral("/nao/existe/mdbTessaura.mdb"));
    Teste::MostrarOutraJanela();
    Janelas::Mostrar(w);
    QVERIFY(Teste::UltimaMensagem()->icone == Icone::Critico && flex(w)->Texto(1, 14) == "5,18" &&
            Teste::UltimaMensagem()->texto.contains("mdbTessaura.mdb"));
}

TESTE_MAIN(TesteCalculoIndices)
#include "tst_calculo_indices.moc"
