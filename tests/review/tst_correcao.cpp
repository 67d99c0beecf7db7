// A datum corrected in the review while the entry windows are still loaded on
// its alternative: the correction survives the review's next activation and
// the project save, and what else the windows hold is still written.
#include "Ambiente.h"

#include "common/ModuloTessaura.h"
#include "entry/CaixaNumerica.h"
#include "entry/frmImpacto.h"
#include "entry/frmInsercao.h"
#include "entry/frmObjetivo.h"
#include "projects/Projetos.h"
#include "review/frmAlterar.h"
#include "review/frmDadosUtilizados.h"
#include "shell/frmMain.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace MT = ModuloTessaura;
using MapaImpacto::Recarga;

namespace {

frmDadosUtilizados* dados(Teste::Sessao& s)
{
    QAction* a = s.Principal()->findChild<QAction*>(QStringLiteral("dados"));
    a->setEnabled(true);
    a->trigger();
    return Janelas::Obter<frmDadosUtilizados>();
}

void clicar(QWidget* w)
{
    QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center());
}

// A click on a value label of the review (its frame chosen first) and, in the
// editor it opens, the new value typed or its level picked, then "Alterar".
void corrigir(frmDadosUtilizados* r, const char* rotulo, const QString& novo)
{
    QLabel* l = Teste::Controle<QLabel>(r, QString::fromLatin1(rotulo));
    for (int i = 0; i < 3 && !l->isVisible(); ++i)
        r->ComboBox1->setCurrentIndex(i);
    Teste::AoExibirModal([&novo](Dialogo* d) {
        auto* e = qobject_cast<frmAlterar*>(d);
        if (e->ComboBox1->isHidden())
            Teste::Substituir(e->Text1, novo);
        else
            e->ComboBox1->setCurrentIndex(e->ComboBox1->findText(novo));
        clicar(e->CommandButton1);
    });
    clicar(l);
    Teste::AoExibirModal(nullptr);
}

// The first alternative's corrected fields, then its recharge pair, in a table.
QString alt1(const char* tabela)
{
    return Teste::Coluna(QStringLiteral("SELECT quote(TR)||' '||quote(TRD)||' '||quote(QJmin)||' '||"
                                        "quote(PTD)||' '||quote(IP)||' | '||quote(Qinf)||' '||quote(Qnat)||' '||"
                                        "quote(Ainf)||' '||quote(Anat) FROM %1 WHERE Marcador = 'alt1'")
                             .arg(QLatin1String(tabela)))
        .value(0)
        .toString();
}

}  // namespace

class TesteCorrecao : public QObject {
    Q_OBJECT
private slots:
    void correcaoSobreviveAsJanelasDeEntrada();
};

void TesteCorrecao::correcaoSobreviveAsJanelasDeEntrada()
{
    const struct {
        const char* caso;
        bool porAlternativa;
        const char* parGravado;      // the recharge pair stored before the review
        Recarga recarga;             // the pair the impact window holds
        const char *caixa4, *caixa5; // its recharge boxes
        const char *rotulo, *novo;   // the recharge value corrected, and to what
        const char* esperado;
    } casos[] = {
        // The window's other box was typed after the stored pair.
        {"por alternativa", true, "Qinf = 3, Qnat = 4", Recarga::Vazao, "3", "4,5", "Label34", "7",
         "30 60 2.5 7 6 | 7.0 4.5 NULL NULL"},
        {"por critério", false, "Ainf = 3, Anat = 4", Recarga::Area, "3,5", "4", "Label35", "8",
         "30 60 2.5 7 6 | NULL NULL 3.5 8.0"},
        // The window switched to areas; the corrected flow brings the stored pair back.
        {"por critério, a janela em outro par", false, "Qinf = 3, Qnat = 4", Recarga::Area, "1", "1",
         "Label34", "7", "30 60 2.5 7 6 | 7.0 4.0 NULL NULL"},
    };
    for (const auto& c : casos) {
        Teste::Sessao s;
        s.Principal();
        Teste::Projeto(2, c.porAlternativa, QStringLiteral("Bacia "));
        Teste::Executar(QStringLiteral("UPDATE tblTessaura SET TR = 5, TRD = 50, QJmin = 1, Qalvo = 2, PTD = 2, "
                                       "PPI = 2, IAsup = 2, IAsub = 2, IP = 2, %1")
                            .arg(QLatin1String(c.parGravado)));

        // The three entry windows on the first alternative, holding its stored
        // values but for a desired return period typed afterwards (and, per
        // criterion, the minimum flow unticked).
        auto* objetivo = s.Mostrar<frmObjetivo>();
        auto* impacto = s.Mostrar<frmImpacto>();
        auto* insercao = s.Mostrar<frmInsercao>();
        Teste::Substituir(objetivo->Text1, QStringLiteral("5"));
        Teste::Substituir(objetivo->Text2, QStringLiteral("60"));
        MapaImpacto::PaginaImpacto p = MapaImpacto::PaginaImpacto::Vazia(c.recarga);
        p.minima = c.porAlternativa;
        p.qjmin = c.porAlternativa ? QStringLiteral("1") : QString();
        p.qalvo = QStringLiteral("2");
        p.recarga1 = QString::fromLatin1(c.caixa4);
        p.recarga2 = QString::fromLatin1(c.caixa5);
        p.ptd = p.ppi = p.iasup = p.iasub = 2;
        impacto->MostrarPagina(p);
        MapaInsercao::PaginaInsercao pi;
        pi.ip = 2;
        insercao->MostrarPagina(pi);

        Mensagens::LimparHistorico();
        frmDadosUtilizados* r = dados(s);
        corrigir(r, "Label5", QStringLiteral("30"));
        corrigir(r, "Label31", QStringLiteral("2,5"));
        corrigir(r, "Label36", QStringLiteral("Grande melhora"));
        corrigir(r, "Label61", QStringLiteral("Sensível melhora"));
        corrigir(r, c.rotulo, QString::fromLatin1(c.novo));
        // The corrected minimum flow ticks its limit again.
        QVERIFY2(Teste::Controle<QCheckBox>(impacto, "Check1")->isChecked(), c.caso);

        // Per alternative the review shown again writes the windows; per
        // criterion only the save does.
        Teste::MostrarOutraJanela();
        dados(s);
        if (c.porAlternativa)
            QVERIFY2(alt1("tblTessaura") == QLatin1String(c.esperado), c.caso);
        MT::NomeProjeto = QStringLiteral("Obra");
        MT::PedirNomeAoSalvar = false;
        Projetos::SalvarProjeto();
        QVERIFY2(alt1("tblTessaura") == QLatin1String(c.esperado), c.caso);
        QVERIFY2(alt1("tblSave") == QLatin1String(c.esperado), c.caso);
        QStringList mostrados(5, QStringLiteral("O dado foi alterado!"));
        mostrados << QStringLiteral("O projeto foi salvo!");
        QCOMPARE(Teste::TextosMostrados(), mostrados);
    }
}

QTEST_MAIN(TesteCorrecao)
#include "tst_correcao.moc"
