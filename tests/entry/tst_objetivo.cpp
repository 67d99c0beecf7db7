// The objective window: its walk per criterion, its gate, the order per
// alternative with re-entry, F5 and the field map.
#include "Ambiente.h"

#include "common/Banco.h"
#include "common/BarraStatus.h"
#include "common/Janelas.h"
#include "common/ModuloTessaura.h"
#include "common/PortaoAvancar.h"
#include "entry/CaixaNumerica.h"
#include "entry/frmObjetivo.h"

#include <QFile>
#include <QPushButton>
#include <QTest>

namespace MT = ModuloTessaura;
using Banco::Recordset;

namespace {

const QString Aberto47 = QStringLiteral(
    "Os dados de todas as alternativas foram fornecidos. Você já pode passar para a próxima etapa.");
const QString Fechado43 = QStringLiteral(
    "O botão 'Avançar' estará disponível quando todos os dados, referentes à todas alternativas "
    "estudadas, forem fornecidos.");
const QString Aberto21 = QStringLiteral(
    "Você deverá preencher os dados referentes as outras alternativas depois. Agora você deve "
    "avançar e completar a entrada de dados para esta alternativa.");
const QString Fechado22 = QStringLiteral(
    "O botão 'Avançar' estará disponível quando todos os dados referentes a esta alternativa "
    "foram fornecidos. ");

// The project as the alternatives window leaves it: n named rows, the shared
// recordset on the first, the order chosen. Then the objective window shown.
frmObjetivo* abrir(Teste::Sessao& s, int n, bool porAlternativa = false)
{
    Teste::Projeto(n, porAlternativa, QStringLiteral("Bacia "));
    return s.Mostrar<frmObjetivo>();
}

using Teste::Controle;

void clicar(QWidget* b) { Teste::Clicar(b); }
void digitar(QLineEdit* c, const QString& t) { Teste::Substituir(c, t); }

// Number, name and both boxes of the alternative on show.
QString mostrada(frmObjetivo* f)
{
    return QStringList{f->Label20->text(), f->Label15->text(), f->Text1->text(), f->Text2->text()}
        .join('|');
}

// One field of every alternative, in row order, "-" for Null.
QString campo(const QString& nome)
{
    QStringList r;
    for (const QVariant& v :
         Teste::Coluna(QStringLiteral("SELECT %1 FROM tblTessaura ORDER BY id").arg(nome)))
        r << (v.isNull() ? QStringLiteral("-") : v.toString());
    return r.join(QLatin1Char('|'));
}

QString contador()
{
    return MT::sbStatusBar()->Painel(1)->text() + '|' + MT::sbStatusBar()->Painel(2)->text();
}

// Every alternative given 25 and 50, one step each: the walk is back on the first.
void preencherTodas(frmObjetivo* f)
{
    for (int i = 1; i <= MT::NumeroAlternativas; ++i) {
        digitar(f->Text1, QStringLiteral("25"));
        digitar(f->Text2, QStringLiteral("50"));
        clicar(f->Command2);
    }
}

bool portaoAberto(frmObjetivo* f)
{
    return f->Portao->Aberto() && !f->Portao->ImitacaoCobre();
}

}  // namespace

class TesteObjetivo : public QObject {
    Q_OBJECT
private slots:
    void passoGravaEMostraComVolta();
    void portaoSegueOsPassos();
    void avancarGravaAntes();
    void porAlternativaEReentrada();
    void teclaF5();
    void semBancoOuSemLinhasNaoTrava();
};

void TesteObjetivo::passoGravaEMostraComVolta()
{
    Teste::Sessao s;
    frmObjetivo* f = abrir(s, 3);
    QCOMPARE(mostrada(f) + '|' + f->Label18->text() + '|' + contador(), QStringLiteral("1|Bacia 1|||3|Alternativa|1 de 3"));
    QVERIFY(!portaoAberto(f));

    digitar(f->Text1, "10");
    digitar(f->Text2, "20");
    clicar(f->Command2);
    QCOMPARE(campo("TR") + ' ' + campo("TRD"), QStringLiteral("10|-|- 20|-|-"));
    QCOMPARE(campo("typeof(TR)"), QStringLiteral("integer|null|null"));
    QCOMPARE(mostrada(f) + '|' + contador(), QStringLiteral("2|Bacia 2|||Alternativa|2 de 3"));

    // Another window and back: the alternative on show, its boxes, the
    // recordset and the statuses stay; the counter follows it.
    digitar(f->Text1, "7");
    Recordset* antes = MT::rsObjetivo.get();
    Teste::MostrarOutraJanela();
    QCOMPARE(contador(), QStringLiteral("Alternativa|9 de 9"));
    Janelas::Mostrar(f);
    QCOMPARE(MT::rsObjetivo.get(), antes);
    QCOMPARE(mostrada(f) + '|' + contador(), QStringLiteral("2|Bacia 2|7||Alternativa|2 de 3"));
    QCOMPARE(f->StatusAlternativas().Valor(1), 1);

    clicar(f->Command1);  // back: the first's values come back into the boxes
    QCOMPARE(mostrada(f), QStringLiteral("1|Bacia 1|10|20"));
    clicar(f->Command1);  // before the first lies the last
    QCOMPARE(mostrada(f) + '|' + contador(), QStringLiteral("3|Bacia 3|||Alternativa|3 de 3"));
    digitar(f->Text1, "5");
    clicar(f->Command2);  // after the last comes the first
    QCOMPARE(f->Label20->text(), QStringLiteral("1"));
    QCOMPARE(campo("TR") + ' ' + campo("TRD"), QStringLiteral("10|7|5 20|-|-"));

    // A value emptied and left is stored as Null.
    digitar(f->Text2, "");
    clicar(f->Command2);
    QCOMPARE(campo("TRD"), QStringLiteral("-|-|-"));
    QVERIFY(Teste::TextosMostrados().isEmpty());
    // An alternative without a name leaves the name shown before it.
    Teste::Executar(QStringLiteral("UPDATE tblTessaura SET Nome = NULL WHERE Marcador = 'alt3'"));
    clicar(f->Command2);
    QCOMPARE(mostrada(f), QStringLiteral("3|Bacia 2|5|"));
}

void TesteObjetivo::portaoSegueOsPassos()
{
    Teste::Sessao s;
    frmObjetivo* f = abrir(s, 3);
    for (int i = 1; i <= 3; ++i) {
        digitar(f->Text1, QString::number(10 * i));
        digitar(f->Text2, QString::number(100 * i));
        QVERIFY(!portaoAberto(f));  // typing alone never opens the gate; only a step judges
        if (i < 3)
            clicar(f->Command2);
    }
    f->Portao->Label44_MouseMove();  // over the covered button: what is missing
    QCOMPARE(f->Portao->Label42->text(), Fechado43);

    clicar(f->Command2);  // leaves the third complete, reaches the first complete
    QVERIFY(portaoAberto(f));
    QCOMPARE(f->Portao->Label42->text(), Aberto47);

    // Pasted letters, and digits beyond what a whole-number field holds, are
    // not given: the step that leaves them neither counts nor stores them, and
    // closes the gate.
    for (const bool colado : {true, false}) {
        if (colado)
            f->Text2->setText(QStringLiteral("abc"));
        else
            digitar(f->Text2, QStringLiteral("99999999999"));
        clicar(f->Command2);
        QCOMPARE(campo("TR") + ' ' + campo("TRD"), QStringLiteral("10|20|30 100|200|300"));
        QCOMPARE(f->StatusAlternativas().Valor(colado ? 1 : 2), 0);
        QVERIFY(!portaoAberto(f));
    }
    // Per alternative, the same digits keep the gate closed as well.
    MT::EntradaPorAlternativa = true;
    digitar(f->Text1, QStringLiteral("99999999999"));
    QVERIFY(!portaoAberto(f));
    digitar(f->Text1, QStringLiteral("9"));
    QVERIFY(portaoAberto(f));
}

void TesteObjetivo::avancarGravaAntes()
{
    Teste::Sessao s;
    frmObjetivo* f = abrir(s, 3);
    preencherTodas(f);
    QVERIFY(portaoAberto(f));

    // A box emptied after the last step leaves the gate open; "Avançar"
    // stores it, judges, closes the gate and hands nothing over.
    digitar(f->Text2, "");
    QVERIFY(portaoAberto(f));
    clicar(f->Portao->CommandButton1);
    QCOMPARE(campo("TRD"), QStringLiteral("-|50|50"));
    QVERIFY(!portaoAberto(f) && Janelas::Visivel(f) && !Janelas::Carregada(QStringLiteral("frmImpacto")));

    // A value changed after the last step is stored by "Avançar", then the
    // impact window takes over; this one stays loaded with its data.
    digitar(f->Text2, "60");
    clicar(f->Command2);
    clicar(f->Command1);
    QVERIFY(portaoAberto(f));
    digitar(f->Text1, "100");
    clicar(f->Portao->CommandButton1);
    QCOMPARE(campo("TR") + ' ' + campo("TRD"), QStringLiteral("100|25|25 60|50|50"));
    QVERIFY(MT::ObjetivoCarregado && !Janelas::Visivel(f));
    QVERIFY(Janelas::Visivel(Janelas::Obter(QStringLiteral("frmImpacto"))));
}

void TesteObjetivo::porAlternativaEReentrada()
{
    Teste::Sessao s;
    frmObjetivo* f = abrir(s, 3, true);
    QVERIFY(!f->Command1->isEnabled() && !f->Command2->isEnabled());

    // The gate follows the boxes as they change.
    digitar(f->Text1, "10");
    QVERIFY(!portaoAberto(f));
    f->Portao->Label44_MouseMove();
    QCOMPARE(f->Portao->Label42->text(), Fechado22);
    digitar(f->Text2, "2");
    QVERIFY(portaoAberto(f));
    QCOMPARE(f->Portao->Label42->text(), Aberto21);
    digitar(f->Text1, "");
    QVERIFY(!portaoAberto(f));
    // A whole criterion taken over from another alternative counts as typed.
    Teste::Executar(QStringLiteral("UPDATE tblTessaura SET TR = 10, TRD = 25 WHERE Marcador = 'alt3'"));
    Teste::AoExibirModal([](Dialogo* d) {
        QTest::keyClick(Controle(d, "Combo1"), Qt::Key_Down);  // the list: alt2, alt3
        clicar(Controle(d, "OptionButton1"));
        clicar(Controle(d, "CommandButton1"));
    });
    QTest::keyClick(f->Text2, Qt::Key_F5);
    QVERIFY(!Janelas::Carregada(QStringLiteral("frmPOP")));
    QCOMPARE(f->Text1->text() + '|' + f->Text2->text(), QStringLiteral("10|25"));
    QVERIFY(portaoAberto(f));

    // F5 on the open "Avançar" only gives the notice.
    QTest::keyClick(f->Portao->CommandButton1, Qt::Key_F5);
    QCOMPARE(Teste::TextosMostrados().size(), 1);
    // In this order the window itself stores nothing.
    clicar(f->Portao->CommandButton1);
    QCOMPARE(campo("TR"), QStringLiteral("-|-|10"));

    // Re-entry, as the insertion window leaves it for the next alternative.
    MT::rsAlternativas->MoveNext();
    MT::Reentrada = true;
    Janelas::Descarregar(QStringLiteral("frmObjetivo"));
    QVERIFY(!MT::ObjetivoCarregado);
    f = Janelas::Carregar<frmObjetivo>();
    Janelas::Mostrar(f);
    QCOMPARE(mostrada(f) + '|' + contador(), QStringLiteral("2|Bacia 2|||Alternativa|2 de 3"));
    QVERIFY(!portaoAberto(f) && !f->Command2->isEnabled());
    // Data reuse asks for the alternative on show, the shared recordset's.
    QString marcador;
    Teste::AoExibirModal([&](Dialogo* d) {
        marcador = MT::MarcadorPOP;
        Janelas::Descarregar(d);
    });
    QTest::keyClick(f->Text1, Qt::Key_F5);
    QCOMPARE(marcador, QStringLiteral("alt2"));
}

void TesteObjetivo::teclaF5()
{
    Teste::Sessao s;
    frmObjetivo* f = abrir(s, 3);
    // The dialog is handed the box's datum and value, and gives back 40.
    QStringList vistos;
    Teste::AoExibirModal([&](Dialogo* d) {
        vistos << QStringList{MT::MarcadorPOP, MT::TituloPOP, MT::SimboloPOP, MT::QualificadorPOP,
                              MT::IndicePOP, MT::UnidadePOP, MT::CampoPOP, MT::ValorPOP.toString()}
                      .join('|');
        MT::ValorPOP = QStringLiteral("40");
        Janelas::Descarregar(d);
    });
    clicar(f->Command2);
    digitar(f->Text2, "12");
    QTest::keyClick(f->Text2, Qt::Key_F5);
    QTest::keyClick(f->Text1, Qt::Key_F5, Qt::ControlModifier);
    QTest::keyClick(f->Text1, Qt::Key_F4);  // other keys open nothing
    QCOMPARE(vistos, (QStringList{"alt2|Objetivo|T||RD|ano|TRD|12", "alt2|Objetivo|T||r|ano|TR|"}));
    QCOMPARE(f->Text1->text() + '|' + f->Text2->text(), QStringLiteral("40|40"));
    QVERIFY(!Janelas::Carregada(QStringLiteral("frmPOP")));

    // On a button F5 only tells where reuse starts.
    QTest::keyClick(f->Command1, Qt::Key_F5);
    QCOMPARE(Teste::TextosMostrados(),
             QStringList{"Selecione o campo onde você quer aproveitar os dados de outras alternativas"});
    QCOMPARE(Teste::UltimaMensagem()->titulo, QStringLiteral("Tessaura"));
    QCOMPARE(f->Label20->text() + QString::number(vistos.size()), QStringLiteral("22"));
}

void TesteObjetivo::semBancoOuSemLinhasNaoTrava()
{
    for (const bool semBanco : {false, true}) {
        Teste::Sessao s;
        if (semBanco)
            QFile::remove(s.CaminhoBanco());
        frmObjetivo* f = abrir(s, 0);
        if (semBanco) {
            QVERIFY(Teste::UltimaMensagem()->texto.contains(QStringLiteral("mdbTessaura.mdb")));
            QCOMPARE(Teste::UltimaMensagem()->icone, Mensagens::Icone::Critico);
            Mensagens::LimparHistorico();
        }
        digitar(f->Text1, "5");
        digitar(f->Text2, "5");
        clicar(f->Command2);
        clicar(f->Command1);
        QVERIFY(!portaoAberto(f));
        QCOMPARE(f->Text1->text(), QStringLiteral("5"));
        QVERIFY(Teste::TextosMostrados().isEmpty());
    }
}

QTEST_MAIN(TesteObjetivo)
#include "tst_objetivo.moc"
