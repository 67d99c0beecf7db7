// The entry-record writer: what the three entry windows show reaches its row, per alternative
// (moving on and emptying) or per criterion (each window its own row); a failed write changes nothing.
#include "Ambiente.h"

#include "common/Banco.h"
#include "common/Janelas.h"
#include "common/ModuloTessaura.h"
#include "entry/GravadorEntrada.h"
#include "entry/frmImpacto.h"
#include "entry/frmInsercao.h"
#include "entry/frmObjetivo.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace MT = ModuloTessaura;
using MapaImpacto::PaginaImpacto;
using MapaImpacto::Recarga;
using MapaInsercao::PaginaInsercao;
using Teste::Controle;

namespace {

struct Entrada { frmObjetivo* objetivo; frmImpacto* impacto; frmInsercao* insercao; };

// Every criterion field of every row holds an old value, so that a field the
// writer leaves alone is told from one it writes.
const char* const kAntigos =
    "UPDATE tblTessaura SET TR = 5, TRD = 50, QJmin = 9, QJmax = 9, Qalvo = 9, Qinf = 9, "
    "Qnat = 9, Ainf = 9, Anat = 9, PTD = 2, PPI = 2, IAsup = 2, IAsub = 2, Aapta1 = 9, "
    "Aapta2 = 9, IP = 2, ARL1 = 9, ARL2 = 9, ICC = 2, PUOF = 5, Ades = 9";
const char* const kLinhaAntiga =
    "5 50 | 9.0 9.0 9.0 | 9.0 9.0 9.0 9.0 | 2 2 2 2 | 9.0 9.0 2 9.0 9.0 2 5 9.0";

// n alternatives with old values; the three entry windows shown in the walk's order.
Entrada abrir(Teste::Sessao& s, int n, bool porAlternativa)
{
    s.Principal();
    Teste::Projeto(n, porAlternativa);
    Teste::Executar(QString::fromLatin1(kAntigos));
    return {s.Mostrar<frmObjetivo>(), s.Mostrar<frmImpacto>(), s.Mostrar<frmInsercao>()};  // in this order
}

// The criterion fields of an alternative's row: objective | flows | recharge
// Qinf Qnat Ainf Anat | ratings | insertion, Null as NULL.
QString linha(int alternativa)
{
    QStringList grupos;
    for (const char* g : {"TR TRD", "QJmin QJmax Qalvo", "Qinf Qnat Ainf Anat", "PTD PPI IAsup IAsub",
                          "Aapta1 Aapta2 IP ARL1 ARL2 ICC PUOF Ades"})
        grupos << "quote(" + QString::fromLatin1(g).split(' ').join(")||' '||quote(") + ')';
    return Teste::Campo(grupos.join("||' | '||"), alternativa).toString();
}

void objetivo(frmObjetivo* o, const QString& tr, const QString& trd) { o->MostrarCaixas({tr, trd}); }

PaginaImpacto impacto(const QString& qjmin, const QString& qalvo, Recarga r, const QString& r1,
                      const QString& r2, std::array<int, 4> n)
{ return {qjmin, {}, qalvo, r1, r2, true, false, r, n[0], n[1], n[2], n[3]}; }
PaginaInsercao insercao(const QString& aapta1, const QString& arl1, const QString& ades, int ip, int icc, int puof)
{ return {aapta1, {}, arl1, {}, ades, ip, icc, puof}; }

bool semSelecao(QWidget* janela, int primeira, int ultima)
{
    for (int i = primeira; i <= ultima; ++i)
        if (Controle<QRadioButton>(janela, QStringLiteral("Option%1").arg(i))->isChecked()) return false;
    return true;
}

}  // namespace

class TesteGravador : public QObject {
    Q_OBJECT
private slots:
    void camposDasTresJanelas()
    {
        const struct {
            const char *caso, *locale; QString tr, trd;
            PaginaImpacto impacto; PaginaInsercao insercao; const char* esperada;
        } casos[] = {
            // Empty boxes store Null, the recharge pair's included, and so does a
            // text that does not read as a number; no selection keeps its field.
            {"áreas", "pt_BR", "15", "", impacto("1,5", "1,,5", Recarga::Area, "100", "", {1, 7, 0, 4}),
             insercao("abc", "3,25", "12", 7, 1, 0),
             "15 NULL | 1.5 NULL NULL | NULL NULL 100.0 NULL | 1 7 2 4 | NULL NULL 7 3.25 NULL 1 5 12.0"},
            {"vazões", "pt_BR", "", "7", impacto("", "2", Recarga::Vazao, "0,5", "0,75", {0, 0, 0, 0}),
             insercao("", "", "", 0, 0, 4),
             "NULL 7 | NULL NULL 2.0 | 0.5 0.75 NULL NULL | 2 2 2 2 | NULL NULL 2 NULL NULL 2 4 NULL"},
            {"nenhuma recarga", "pt_BR", "1", "2", impacto("0", "0", Recarga::Nenhuma, "", "", {3, 3, 3, 3}),
             insercao("0", "0", "0", 5, 6, 7),
             "1 2 | 0.0 NULL 0.0 | 9.0 9.0 9.0 9.0 | 3 3 3 3 | 0.0 NULL 5 0.0 NULL 6 7 0.0"},
            // With the point as separator the comma makes no number.
            {"ponto", "en_US", "15", "16", impacto("1.5", "1,5", Recarga::Vazao, "0.25", "", {0, 0, 0, 0}),
             insercao("2.5", "", "", 0, 0, 0),
             "15 16 | 1.5 NULL NULL | 0.25 NULL NULL NULL | 2 2 2 2 | 2.5 NULL 2 NULL NULL 2 5 NULL"},
        };
        for (const auto& c : casos) {
            Teste::Sessao s(QString::fromLatin1(c.locale));
            const Entrada e = abrir(s, 1, true);
            objetivo(e.objetivo, c.tr, c.trd);
            e.impacto->MostrarPagina(c.impacto);
            e.insercao->MostrarPagina(c.insercao);
            QVERIFY2(GravadorEntrada::GravarJanelasCarregadas() && Teste::TextosMostrados().isEmpty(), c.caso);
            QCOMPARE(linha(1), QString::fromUtf8(c.esperada));
        }

        // Every level of every group, as the options show it.
        Teste::Sessao s;
        const Entrada e = abrir(s, 1, true);
        for (int n = 1; n <= 7; ++n) {
            e.impacto->MostrarPagina(impacto("1", "1", Recarga::Vazao, "1", "1", {n, n, n, n}));
            e.insercao->MostrarPagina(insercao("1", "1", "1", n, n, n));
            QVERIFY(GravadorEntrada::GravarJanelasCarregadas());
            QCOMPARE(Teste::Campo("PTD || PPI || IAsup || IAsub || IP || ICC || PUOF", 1).toString(),
                     QString::number(n).repeated(6) + QString::number(n >= 4 ? n : 5));
        }
    }

    void porCriterioCadaJanelaNaSuaLinha()
    {
        Teste::Sessao s;
        const Entrada e = abrir(s, 3, false);
        // The objective window walks to alt2, the impact window to alt3; the
        // insertion window stays on alt1, like the shared recordset.
        QTest::mouseClick(Controle<QPushButton>(e.objetivo, "Command2"), Qt::LeftButton);
        for (int i = 0; i < 2; ++i)
            QTest::mouseClick(Controle<QPushButton>(e.impacto, "Command2"), Qt::LeftButton);
        MT::rsAlternativas->MoveNext();
        Teste::Executar(QString::fromLatin1(kAntigos));
        objetivo(e.objetivo, "20", "200");
        e.impacto->MostrarPagina(impacto("3", "3", Recarga::Vazao, "3", "3", {3, 3, 3, 3}));
        e.insercao->MostrarPagina(insercao("1", "1", "1", 1, 1, 4));
        const QString alt1 = "5 50 | 9.0 9.0 9.0 | 9.0 9.0 9.0 9.0 | 2 2 2 2 | 1.0 NULL 1 1.0 NULL 1 4 1.0";
        QVERIFY(GravadorEntrada::GravarJanelasCarregadas());
        QCOMPARE(linha(1), alt1);
        QCOMPARE(linha(2), "20 200 | 9.0 9.0 9.0 | 9.0 9.0 9.0 9.0 | 2 2 2 2 | 9.0 9.0 2 9.0 9.0 2 5 9.0");
        QCOMPARE(linha(3), "5 50 | 3.0 NULL 3.0 | 3.0 3.0 NULL NULL | 3 3 3 3 | 9.0 9.0 2 9.0 9.0 2 5 9.0");
        QCOMPARE(MT::rsAlternativas->Campo("Marcador").toString(), QStringLiteral("alt2"));

        // Before a save, a window whose flag is clear is unloaded, not written.
        Teste::Executar(QString::fromLatin1(kAntigos));
        MT::ImpactoCarregado = false;
        QVERIFY(GravadorEntrada::GravarFormulariosAtuais());
        QVERIFY(!Janelas::Carregada(QStringLiteral("frmImpacto")) && Janelas::Carregada(QStringLiteral("frmObjetivo")));
        QCOMPARE(linha(1) + '/' + linha(2).left(6) + '/' + linha(3), alt1 + "/20 200/" + kLinhaAntiga);
    }

    void porAlternativaUmaAUma()
    {
        Teste::Sessao s;
        const Entrada e = abrir(s, 3, true);
        for (int n = 1; n <= 3; ++n) {
            const QString v = QString::number(n);
            objetivo(e.objetivo, v, v);
            e.impacto->MostrarPagina(impacto(v, v, Recarga::Area, v, v, {n, n, n, n}));
            e.insercao->MostrarPagina(insercao(v, v, v, n, n, 4));
            QVERIFY(GravadorEntrada::GravarEAvancarAlternativa());
            // Emptied, options too; the largest expropriation area seen stays beside its box.
            QVERIFY(Controle<QLineEdit>(e.objetivo, "Text2")->text().isEmpty() && e.impacto->Pagina().qalvo.isEmpty());
            QVERIFY(semSelecao(e.impacto, 1, 30) && semSelecao(e.insercao, 1, 18));
            QCOMPARE(Controle<QLineEdit>(e.insercao, "Text6")->text(), v);
        }
        for (int n = 1; n <= 3; ++n)
            QCOMPARE(linha(n), QStringLiteral("%1 %1 | %1.0 NULL %1.0 | NULL NULL %1.0 %1.0 | %1 %1 %1 %1 | "
                                              "%1.0 NULL %1 %1.0 NULL %1 4 %1.0").arg(n));
        QVERIFY(MT::rsAlternativas->EOF_());

        // Past the last alternative nothing is stored, by any of the three.
        objetivo(e.objetivo, "99", "99");
        e.insercao->MostrarPagina(insercao("99", "99", "99", 7, 7, 7));
        QVERIFY(GravadorEntrada::GravarJanelasCarregadas() && GravadorEntrada::GravarEAvancarAlternativa()
                && Teste::TextosMostrados().isEmpty());
        QCOMPARE(Teste::Coluna("SELECT count(*) FROM tblTessaura WHERE TR = 99 OR Ades = 99").value(0), 0);
    }

    void gravacaoQueFalhaNaoMoveNemEsvazia()
    {
        Teste::Sessao s;
        const Entrada e = abrir(s, 3, true);
        Teste::Executar("CREATE TRIGGER recusa BEFORE UPDATE ON tblTessaura WHEN old.Marcador = 'alt2' "
                        "BEGIN SELECT RAISE(ABORT, 'recusada'); END");
        objetivo(e.objetivo, "1", "1");
        QVERIFY(GravadorEntrada::GravarEAvancarAlternativa());

        // alt2 refuses: the shared recordset stays on it and the windows keep it all.
        objetivo(e.objetivo, "2", "2");
        e.impacto->MostrarPagina(impacto("2", "2", Recarga::Area, "2", "2", {2, 2, 2, 2}));
        e.insercao->MostrarPagina(insercao("2", "2", "2", 2, 2, 6));
        QVERIFY(!GravadorEntrada::GravarEAvancarAlternativa() && !GravadorEntrada::GravarJanelasCarregadas());
        QCOMPARE(MT::rsAlternativas->Campo("Marcador").toString() + '|' + Controle<QLineEdit>(e.objetivo, "Text1")->text(),
                 QStringLiteral("alt2|2"));
        QVERIFY(e.impacto->Pagina().recarga == Recarga::Area && e.insercao->Pagina().puof == 6
                && Teste::TextosMostrados().isEmpty());
        QCOMPARE(linha(2), QString::fromLatin1(kLinhaAntiga));

        // Per criterion the rows of one store go together: alt1's is taken back.
        MT::EntradaPorAlternativa = false;
        MT::rsObjetivo->MoveFirst();
        MT::rsImpacto->MoveFirst();
        MT::rsImpacto->MoveNext();
        objetivo(e.objetivo, "3", "3");
        QVERIFY(!GravadorEntrada::GravarFormulariosAtuais());
        QCOMPARE(linha(1).left(3), QStringLiteral("1 1"));

        // Inside a caller's transaction the rows go with it.
        Teste::Executar("DROP TRIGGER recusa");
        {
            Banco::Transacao chamador(Banco::Abrir());
            QVERIFY(GravadorEntrada::GravarFormulariosAtuais());
            QCOMPARE(linha(1).left(3), QStringLiteral("3 3"));
        }
        QCOMPARE(linha(1).left(3) + '|' + linha(2), "1 1|" + QString::fromLatin1(kLinhaAntiga));
    }
};

TESTE_MAIN(TesteGravador)
#include "tst_gravador.moc"
