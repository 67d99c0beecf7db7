// The objective window's own part: its two whole-number boxes and their
// fields, the name label, F5 on a button, and a whole criterion taken over in
// the order per alternative.
#include "Ambiente.h"

#include "common/ModuloTessaura.h"
#include "common/PortaoAvancar.h"
#include "entry/CaixaNumerica.h"
#include "entry/frmObjetivo.h"

#include <QPushButton>
#include <QTest>

namespace MT = ModuloTessaura;
using Teste::Controle;

namespace {

frmObjetivo* abrir(Teste::Sessao& s, int n, bool porAlternativa = false)
{
    Teste::Projeto(n, porAlternativa, QStringLiteral("Bacia "));
    return s.Mostrar<frmObjetivo>();
}

void clicar(QWidget* b) { Teste::Clicar(b); }
void digitar(QLineEdit* c, const QString& t) { Teste::Substituir(c, t); }
bool portaoAberto(frmObjetivo* f) { return f->Portao->Aberto() && !f->Portao->ImitacaoCobre(); }

QString campos()
{
    QStringList r;
    for (const QVariant& v : Teste::Coluna("SELECT quote(TR) || ' ' || quote(TRD) || ' ' || typeof(TR) "
                                           "FROM tblTessaura ORDER BY id"))
        r << v.toString();
    return r.join('|');
}

}  // namespace

class TesteObjetivo : public QObject {
    Q_OBJECT
private slots:
    void caixasInteirasESeusCampos();
    void teclaF5NumBotao();
    void criterioInteiroPorAlternativa();
};

void TesteObjetivo::caixasInteirasESeusCampos()
{
    Teste::Sessao s;
    frmObjetivo* f = abrir(s, 3);
    QCOMPARE(f->Label20->text() + '|' + f->Label18->text(), QStringLiteral("1|3"));
    for (int i = 1; i <= 3; ++i) {
        digitar(f->Text1, QString::number(10 * i));
        digitar(f->Text2, QString::number(100 * i));
        clicar(f->Command2);
    }
    QVERIFY(portaoAberto(f));
    QCOMPARE(campos(), QStringLiteral("10 100 integer|20 200 integer|30 300 integer"));

    // Pasted letters, and digits beyond what a whole-number field holds, are
    // not given: the step stores them as Null, does not count them, and closes
    // the gate.
    for (const bool colado : {true, false}) {
        if (colado)
            f->Text2->setText(QStringLiteral("abc"));
        else
            digitar(f->Text2, QStringLiteral("99999999999"));
        clicar(f->Command2);
        QCOMPARE(campos(), colado ? QStringLiteral("10 NULL integer|20 200 integer|30 300 integer")
                                  : QStringLiteral("10 NULL integer|20 NULL integer|30 300 integer"));
        QCOMPARE(f->StatusAlternativas().Valor(colado ? 1 : 2), 0);
        QVERIFY(!portaoAberto(f));
    }
    // An alternative without a name leaves the name shown before it.
    Teste::Executar(QStringLiteral("UPDATE tblTessaura SET Nome = NULL WHERE Marcador = 'alt1'"));
    clicar(f->Command2);
    QCOMPARE(f->Label20->text() + '|' + f->Label15->text(), QStringLiteral("1|Bacia 3"));
    // Per alternative, the same digits keep the gate closed as well.
    MT::EntradaPorAlternativa = true;
    digitar(f->Text1, QStringLiteral("99999999999"));
    QVERIFY(!portaoAberto(f));
    digitar(f->Text1, QStringLiteral("9"));
    digitar(f->Text2, QStringLiteral("100"));
    QVERIFY(portaoAberto(f));
}

void TesteObjetivo::teclaF5NumBotao()
{
    Teste::Sessao s;
    frmObjetivo* f = abrir(s, 3);
    QTest::keyClick(f->Command1, Qt::Key_F5);  // on a button F5 only tells where reuse starts
    QCOMPARE(Teste::UltimaResumida(),
             Teste::Resumo("Tessaura", Mensagens::Icone::Informacao,
                           "Selecione o campo onde você quer aproveitar os dados de outras alternativas"));
    QVERIFY(!Janelas::Carregada(QStringLiteral("frmPOP")) && f->Label20->text() == "1");
}

void TesteObjetivo::criterioInteiroPorAlternativa()
{
    Teste::Sessao s;
    frmObjetivo* f = abrir(s, 3, true);
    digitar(f->Text1, "10");
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
}

TESTE_MAIN(TesteObjetivo)
#include "tst_objetivo.moc"
