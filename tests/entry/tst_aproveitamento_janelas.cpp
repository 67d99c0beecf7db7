// Data reuse through the real entry windows: F5 in a box prepares the dialog
// for that box's datum, and a whole-criterion copy fills the window.
#include "Ambiente.h"

#include "common/Janelas.h"
#include "common/ModuloTessaura.h"
#include "entry/AproveitarDados.h"
#include "entry/CaixaNumerica.h"
#include "entry/frmImpacto.h"
#include "entry/frmObjetivo.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace MT = ModuloTessaura;
using Teste::Controle;

namespace {

void alternativa(int n, QVariantMap campos = {})
{
    campos.insert(QStringLiteral("Marcador"), QStringLiteral("alt%1").arg(n));
    campos.insert(QStringLiteral("Nome"), QStringLiteral("Alternativa %1").arg(n));
    QVERIFY(Teste::Inserir(QStringLiteral("tblTessaura"), campos));
}

// The entry window on show, per criterion, standing on alt1 of n alternatives.
template <class T> T* abrir(Teste::Sessao& s, int n)
{
    MT::NumeroAlternativas = static_cast<short>(n);
    s.Principal();
    auto* w = Janelas::Carregar<T>();
    Janelas::Mostrar(w);
    return w;
}

QString texto(QWidget* w, const char* nome)
{
    if (auto* l = w->findChild<QLabel*>(QString::fromLatin1(nome)))
        return l->text();
    return Controle<QLineEdit>(w, nome)->text();
}

bool marcado(QWidget* w, const char* nome) { return Controle<QAbstractButton>(w, nome)->isChecked(); }

// A click on a button, or on an option's or check box's indicator.
void clicar(QWidget* w, const char* nome)
{
    auto* b = Controle<QAbstractButton>(w, nome);
    const bool botao = qobject_cast<QPushButton*>(b);
    QTest::mouseClick(b, Qt::LeftButton, {}, botao ? b->rect().center() : QPoint(8, b->height() / 2));
}

void escolherAlternativa(Dialogo* d, int indice)
{
    auto* combo = Controle<QComboBox>(d, "Combo1");
    while (combo->currentIndex() < indice)
        QTest::keyClick(combo, Qt::Key_Down);
}

// The dialog's description of the datum, as one line.
QString descricao(Dialogo* d)
{
    QString unidade;
    for (const char* u : {"m2", "m3", "ano"}) {
        if (Controle(d, u)->isVisible())
            unidade += QString::fromLatin1(u);
    }
    return QStringList{texto(d, "Label2"), texto(d, "lblA"), texto(d, "lblB"), texto(d, "lblC"),
                       unidade, texto(d, "Label6"), texto(d, "lblValor")}
        .join('|');
}

// Every box's text and state and every tick of a window, to see that it was left alone.
QStringList estado(QWidget* w)
{
    QStringList r;
    for (auto* e : w->findChildren<QLineEdit*>())
        r << e->objectName() + '=' + e->text() + (e->isEnabled() ? "" : " (off)");
    for (auto* b : w->findChildren<QAbstractButton*>()) {
        if (b->isCheckable())
            r << b->objectName() + (b->isChecked() ? " on" : " off");
    }
    r.sort();
    return r;
}

}  // namespace

class TesteAproveitamentoJanelas : public QObject {
    Q_OBJECT
private slots:
    void objetivo();
    void impactoCadaCaixaDescreveSeuDado();
    void impactoInteiroSoComMaximaEAreas();
    void impactoParIncompletoNaoTocaAJanela();
};

void TesteAproveitamentoJanelas::objetivo()
{
    Teste::Sessao s;
    alternativa(1);
    alternativa(2, {{"TR", 10}, {"TRD", 50}});
    alternativa(3);
    auto* janela = abrir<frmObjetivo>(s, 3);

    QStringList vistos;
    Teste::AoExibirModal([&](Dialogo* d) {
        vistos << descricao(d);
        clicar(d, "CommandButton2");
    });
    janela->Text1->setText(QStringLiteral("4"));
    QTest::keyClick(janela->Text1, Qt::Key_F5);
    QTest::keyClick(janela->Text2, Qt::Key_F5, Qt::ControlModifier);
    QCOMPARE(vistos, (QStringList{"Objetivo|T||r|ano|TR|10", "Objetivo|T||RD|ano|TRD|50"}));
    QCOMPARE(MT::MarcadorPOP, QStringLiteral("alt1"));
    QCOMPARE(janela->Text1->text(), QStringLiteral("4"));

    // The whole criterion of the second alternative.
    Teste::AoExibirModal([&](Dialogo* d) {
        clicar(d, "OptionButton1");
        clicar(d, "CommandButton1");
    });
    QTest::keyClick(janela->Text2, Qt::Key_F5);
    QVERIFY(!Janelas::Carregada(QStringLiteral("frmPOP")));
    QCOMPARE(janela->Text1->text() + '|' + janela->Text2->text(), QStringLiteral("10|50"));
}

void TesteAproveitamentoJanelas::impactoCadaCaixaDescreveSeuDado()
{
    Teste::Sessao s;
    alternativa(1);
    alternativa(2, {{"QJmin", 1.25}, {"QJmax", 7.0}, {"Qalvo", 2.5}, {"Qinf", 0.5},
                    {"Qnat", 0.75}, {"Ainf", 300.0}});
    auto* w = abrir<frmImpacto>(s, 2);
    clicar(w, "Check1");
    clicar(w, "Check2");
    QStringList vistos;
    Teste::AoExibirModal([&](Dialogo* d) {
        vistos << descricao(d);
        clicar(d, "CommandButton2");
    });
    for (const char* caixa : {"Text1", "Text2", "Text3", "Text4", "Text5"})
        QTest::keyClick(Controle(w, caixa), Qt::Key_F5);
    clicar(w, "Option1");
    for (const char* caixa : {"Text4", "Text5"})
        QTest::keyClick(Controle(w, caixa), Qt::Key_F5);
    const QString t = QStringLiteral("Impactos da obra|");
    QCOMPARE(vistos, (QStringList{t + "Q|Mín|jus|m3|QJmin|1,25", t + "Q|Máx|jus|m3|QJmax|7",
                                  t + "Q||alvo|m3|Qalvo|2,5", t + "Q||inf|m3|Qinf|0,5",
                                  t + "Q||nat|m3|Qnat|0,75", t + "A||inf|m2|Ainf|300",
                                  t + "A||nat|m2|Anat| - "}));
}

void TesteAproveitamentoJanelas::impactoInteiroSoComMaximaEAreas()
{
    Teste::Sessao s;
    alternativa(1);
    alternativa(2, {{"QJmax", 8.5}, {"Qalvo", 6.0}, {"Ainf", 50.0}, {"Anat", 70.0}, {"PTD", 2},
                    {"PPI", 7}, {"IAsup", 1}, {"IAsub", 4}});
    auto* w = abrir<frmImpacto>(s, 2);
    clicar(w, "Check1");
    QTest::keyClicks(Controle(w, "Text1"), "3");
    QVERIFY(marcado(w, "Option2"));
    int aberturas = 0;
    Teste::AoExibirModal([&](Dialogo* d) {
        ++aberturas;
        QCOMPARE(texto(d, "Label6") + '|' + texto(d, "lblValor"), QStringLiteral("Qinf| - "));
        clicar(d, "OptionButton1");
        clicar(d, "CommandButton1");
    });
    // F5 in the flow box; the copy switches the window to areas. The one key
    // press opens one dialog, and the box keeps the area the copy put there.
    QTest::keyClick(Controle(w, "Text4"), Qt::Key_F5);
    QCOMPARE(aberturas, 1);
    QVERIFY(!Janelas::Carregada(QStringLiteral("frmPOP")));
    QVERIFY(Teste::TextosMostrados().isEmpty());
    QVERIFY(marcado(w, "Option1") && !marcado(w, "Option2"));
    QCOMPARE(texto(w, "Text4") + '|' + texto(w, "Text5"), QStringLiteral("50|70"));
    QCOMPARE(MT::ValorPOP.toString(), QStringLiteral("50"));
    // "Mínima" unticked with its box empty and off (not " - "); "Máxima" ticked and filled.
    QVERIFY(!marcado(w, "Check1") && texto(w, "Text1").isEmpty() && !Controle(w, "Text1")->isEnabled());
    QVERIFY(marcado(w, "Check2") && Controle(w, "Text2")->isEnabled());
    QCOMPARE(texto(w, "Text2") + '|' + texto(w, "Text3"), QStringLiteral("8,5|6"));
    const MapaImpacto::PaginaImpacto p = w->Pagina();
    QCOMPARE(p.ptd * 1000 + p.ppi * 100 + p.iasup * 10 + p.iasub, 2714);
    // The copy stores nothing.
    QVERIFY(Teste::Coluna("SELECT QJmax FROM tblTessaura WHERE Marcador = 'alt1'").first().isNull());
}

void TesteAproveitamentoJanelas::impactoParIncompletoNaoTocaAJanela()
{
    Teste::Sessao s;
    alternativa(1);
    alternativa(2, {{"QJmax", 8.0}, {"Qalvo", 6.0}, {"Qinf", 5.0}, {"Anat", 70.0}, {"PTD", 2}});
    alternativa(3);
    auto* w = abrir<frmImpacto>(s, 3);
    clicar(w, "Check1");
    QTest::keyClicks(Controle(w, "Text1"), "3");
    QTest::keyClicks(Controle(w, "Text4"), "9");
    clicar(w, "Option5");
    const QStringList antes = estado(w);
    Teste::AoExibirModal([&](Dialogo* d) {
        clicar(d, "OptionButton1");
        clicar(d, "CommandButton1");
        QCOMPARE(Teste::TextosMostrados(), QStringList{Aproveitamento::MsgCamposVazios});
        QCOMPARE(estado(w), antes);
        QVERIFY(d->isVisible() && Janelas::Carregada(QStringLiteral("frmPOP")));
        escolherAlternativa(d, 1);
        clicar(d, "CommandButton1");
        QCOMPARE(Teste::TextosMostrados().last(), Aproveitamento::MsgNaoEstudada);
        QCOMPARE(estado(w), antes);
        clicar(d, "CommandButton2");
    });
    QTest::keyClick(Controle(w, "Text1"), Qt::Key_F5);
    QVERIFY(!Janelas::Carregada(QStringLiteral("frmPOP")));
    QCOMPARE(estado(w), antes);
}

QTEST_MAIN(TesteAproveitamentoJanelas)
#include "tst_aproveitamento_janelas.moc"
