// A project walked as a user walks it: a new project, three named alternatives,
// a weighting handed on, the objective and the impact data entered for every
// alternative in the order per criterion.
#include "Ambiente.h"

#include "common/Janelas.h"
#include "common/ModuloTessaura.h"
#include "shell/frmMain.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

namespace MT = ModuloTessaura;

namespace {

void digitar(const QString& janela, const QString& caixa, const QString& texto)
{
    Teste::Substituir(Teste::Controle<QLineEdit>(janela, caixa), texto);
}

void clicar(const QString& janela, const QString& botao)
{
    QTest::mouseClick(Teste::Controle<QPushButton>(janela, botao), Qt::LeftButton);
}

bool visivel(const QString& janela)
{
    return Janelas::Visivel(Janelas::Obter(janela));
}

}  // namespace

class TestePercursoProjeto : public QObject {
    Q_OBJECT
private slots:
    void projetoPorCriterio();
};

void TestePercursoProjeto::projetoPorCriterio()
{
    Teste::Sessao s;
    frmMain* principal = s.Principal();
    Teste::Executar("INSERT INTO tblTessaura (Marcador, Nome) VALUES ('alt9', 'resto')");

    // A new project empties the table and opens the alternatives window.
    principal->findChild<QAction*>("new")->trigger();
    QCOMPARE(Teste::Linhas("tblTessaura"), 0);
    QVERIFY(visivel("frmInicio"));

    digitar("frmInicio", "Text3", "3");
    QTest::keyClick(Teste::Controle<QLineEdit>("frmInicio", "Text3"), Qt::Key_Return);
    QCOMPARE(Teste::Coluna("SELECT Marcador FROM tblTessaura ORDER BY id"),
             (QList<QVariant>{"alt1", "alt2", "alt3"}));
    const QStringList nomes{"Bacia de detenção", "Trincheira", "Canal"};
    for (const QString& nome : nomes) {
        QVERIFY(!Teste::Controle<QPushButton>("frmInicio", "CommandButton1")->isEnabled());
        digitar("frmInicio", "Text1", nome);
        if (nome != nomes.last())
            clicar("frmInicio", "Command6");
    }
    QVERIFY(!Teste::Controle<QPushButton>("frmInicio", "CommandButton1")->isEnabled());
    clicar("frmInicio", "Command6");  // the move after the last name opens the gate
    QVERIFY(Teste::Controle<QPushButton>("frmInicio", "CommandButton1")->isEnabled());
    clicar("frmInicio", "CommandButton1");
    QVERIFY(!MT::EntradaPorAlternativa);
    QVERIFY(MT::ProjetoEmAndamento);
    QVERIFY(!visivel("frmInicio"));
    QCOMPARE(Teste::Coluna("SELECT Nome FROM tblTessaura ORDER BY id"),
             (QList<QVariant>{nomes[0], nomes[1], nomes[2]}));

    // The weighting window shows the reference weighting; handing it on fills
    // the weight vector and opens the objective window.
    QVERIFY(visivel("frmPesoPond"));
    QVERIFY(!principal->findChild<QAction*>("dados")->isEnabled());
    clicar("frmPesoPond", "CommandButton1");
    QCOMPARE(MT::PesoPonderacao[1].toDouble(), 10.0);
    QCOMPARE(MT::PesoPonderacao[13].toDouble(), 5.6);
    QVERIFY(principal->findChild<QAction*>("dados")->isEnabled());
    QVERIFY(visivel("frmObjetivo"));

    // Objective: both return periods of every alternative.
    for (int i = 0; i < 3; ++i) {
        digitar("frmObjetivo", "Text1", QString::number(10 * (i + 1)));
        digitar("frmObjetivo", "Text2", QString::number(100 + i));
        clicar("frmObjetivo", "Command2");
    }
    QCOMPARE(Teste::Coluna("SELECT TR FROM tblTessaura ORDER BY id"),
             (QList<QVariant>{10, 20, 30}));
    QCOMPARE(Teste::Coluna("SELECT typeof(TRD) FROM tblTessaura").first(), QVariant("integer"));
    QCOMPARE(Teste::Controle<QLineEdit>("frmObjetivo", "Text1")->text(), QStringLiteral("10"));
    QVERIFY(Teste::Controle<QPushButton>("frmObjetivo", "CommandButton1")->isEnabled());
    clicar("frmObjetivo", "CommandButton1");
    QVERIFY(!visivel("frmObjetivo"));
    QVERIFY(visivel("frmImpacto"));
    QVERIFY(MT::ObjetivoCarregado && MT::ImpactoCarregado);

    // Impact: the first alternative's flows, recharge by flow and four ratings.
    QTest::mouseClick(Teste::Controle<QCheckBox>("frmImpacto", "Check1"), Qt::LeftButton,
                      {}, QPoint(5, 5));
    digitar("frmImpacto", "Text1", "1,5");
    digitar("frmImpacto", "Text3", "2");
    QVERIFY(Teste::Controle<QRadioButton>("frmImpacto", "Option2")->isChecked());
    digitar("frmImpacto", "Text4", "3");
    digitar("frmImpacto", "Text5", "4");
    // The ratings lie on the other two pages, reached with Ctrl+Tab.
    auto* abas = Teste::Controle<QTabWidget>("frmImpacto", "TabStrip1");
    QTest::keyClick(Teste::Controle<QLineEdit>("frmImpacto", "Text5"), Qt::Key_Tab, Qt::ControlModifier);
    QCOMPARE(abas->currentIndex(), 1);
    Teste::Controle<QRadioButton>("frmImpacto", "Option5")->click();
    Teste::Controle<QRadioButton>("frmImpacto", "Option12")->click();
    QTest::keyClick(abas->currentWidget(), Qt::Key_Tab, Qt::ControlModifier);
    QCOMPARE(abas->currentIndex(), 2);
    Teste::Controle<QRadioButton>("frmImpacto", "Option30")->click();
    Teste::Controle<QRadioButton>("frmImpacto", "Option17")->click();
    clicar("frmImpacto", "Command2");
    QCOMPARE(Teste::Coluna("SELECT QJmin FROM tblTessaura ORDER BY id").first().toDouble(), 1.5);
    QCOMPARE(Teste::Coluna("SELECT Qinf FROM tblTessaura ORDER BY id").first().toDouble(), 3.0);
    QVERIFY(Teste::Coluna("SELECT Ainf FROM tblTessaura ORDER BY id").first().isNull());
    QCOMPARE(Teste::Coluna("SELECT PTD FROM tblTessaura ORDER BY id").first(), QVariant(3));
    QCOMPARE(Teste::Coluna("SELECT PPI FROM tblTessaura ORDER BY id").first(), QVariant(3));
    QCOMPARE(Teste::Coluna("SELECT IAsup FROM tblTessaura ORDER BY id").first(), QVariant(1));
    QCOMPARE(Teste::Coluna("SELECT IAsub FROM tblTessaura ORDER BY id").first(), QVariant(7));
    QVERIFY(!Teste::Controle<QPushButton>("frmImpacto", "CommandButton1")->isEnabled());

    // Coming back to the first alternative shows what was stored.
    clicar("frmImpacto", "Command1");
    QCOMPARE(Teste::Controle<QLineEdit>("frmImpacto", "Text1")->text(), QStringLiteral("1,5"));
    QVERIFY(Teste::Controle<QCheckBox>("frmImpacto", "Check1")->isChecked());
    QVERIFY(Teste::Controle<QRadioButton>("frmImpacto", "Option30")->isChecked());

    // A new project in the middle of it all closes every window.
    principal->findChild<QAction*>("new")->trigger();
    QCOMPARE(Teste::Linhas("tblTessaura"), 0);
    for (const char* nome : {"frmPesoPond", "frmObjetivo", "frmImpacto"})
        QVERIFY2(!Janelas::Carregada(nome), nome);
    QVERIFY(!MT::ObjetivoCarregado && !MT::ImpactoCarregado);
    QVERIFY(visivel("frmInicio"));
}

QTEST_MAIN(TestePercursoProjeto)
#include "tst_percurso_projeto.moc"
