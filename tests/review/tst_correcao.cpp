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

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QTest>

namespace MT = ModuloTessaura;
using MapaImpacto::Recarga;

namespace {

// The review opened from the toolbar.
frmDadosUtilizados* dados()
{
    MT::BotaoBarra("dados")->setEnabled(true);
    MT::BotaoBarra("dados")->trigger();
    return Janelas::Obter<frmDadosUtilizados>();
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
        Teste::Clicar(e->CommandButton1);
    });
    Teste::Clicar(l);
    Teste::AoExibirModal(nullptr);
}

// The first alternative's corrected fields, then its recharge pair, in a table.
QString alt1(const char* tabela)
{
    return Teste::Coluna(QStringLiteral("SELECT quote(TR)||' '||quote(TRD)||' '||quote(QJmin)||' '||quote(PTD)||' '||"
                                        "quote(IP)||' | '||quote(Qinf)||' '||quote(Qnat)||' '||quote(Ainf)||' '||"
                                        "quote(Anat) FROM ") + tabela + " WHERE Marcador = 'alt1'").value(0).toString();
}

}  // namespace

class TesteCorrecao : public QObject {
    Q_OBJECT
private slots:
    void correcaoSobreviveAsJanelasDeEntrada();
};

void TesteCorrecao::correcaoSobreviveAsJanelasDeEntrada()
{
    // The recharge pair stored before the review; the pair the impact window
    // holds and its two boxes; the recharge value corrected, to what; the outcome.
    const struct {
        bool porAlternativa;
        const char* parGravado;
        Recarga recarga;
        const char *caixa4, *caixa5, *rotulo, *novo, *esperado;
    } casos[] = {
        // The window's other box was typed after the stored pair.
        {true, "Qinf = 3, Qnat = 4", Recarga::Vazao, "3", "4,5", "Label34", "7", "| 7.0 4.5 NULL NULL"},
        {false, "Ainf = 3, Anat = 4", Recarga::Area, "3,5", "4", "Label35", "8", "| NULL NULL 3.5 8.0"},
        // The window switched to areas; the corrected flow brings the stored pair back.
        {false, "Qinf = 3, Qnat = 4", Recarga::Area, "1", "1", "Label34", "7", "| 7.0 4.0 NULL NULL"},
    };
    for (const auto& c : casos) {
        Teste::Sessao s;
        s.Principal();
        Teste::Projeto(2, c.porAlternativa, QStringLiteral("Bacia "));
        Teste::Executar(QStringLiteral("UPDATE tblTessaura SET TR = 5, TRD = 50, QJmin = 1, Qalvo = 2, PTD = 2, "
                                       "PPI = 2, IAsup = 2, IAsub = 2, IP = 2, ") + c.parGravado);
        const QString esperado = QStringLiteral("30 60 2.5 7 6 ") + c.esperado;

        // The three entry windows on the first alternative, holding its stored
        // values but for a desired return period typed afterwards (and, per
        // criterion, the minimum flow unticked).
        auto* objetivo = s.Mostrar<frmObjetivo>();
        auto* impacto = s.Mostrar<frmImpacto>();
        Teste::Substituir(objetivo->Text1, QStringLiteral("5"));
        Teste::Substituir(objetivo->Text2, QStringLiteral("60"));
        MapaImpacto::PaginaImpacto p = MapaImpacto::PaginaImpacto::Vazia(c.recarga);
        p.minima = c.porAlternativa;
        p.qjmin = c.porAlternativa ? "1" : "";
        p.qalvo = "2";
        p.recarga1 = c.caixa4;
        p.recarga2 = c.caixa5;
        p.ptd = p.ppi = p.iasup = p.iasub = 2;
        impacto->MostrarPagina(p);
        MapaInsercao::PaginaInsercao pi;
        pi.ip = 2;
        s.Mostrar<frmInsercao>()->MostrarPagina(pi);

        Mensagens::LimparHistorico();
        frmDadosUtilizados* r = dados();
        const std::pair<const char*, const char*> correcoes[] = {
            {"Label5", "30"}, {"Label31", "2,5"}, {"Label36", "Grande melhora"}, {"Label61", "Sensível melhora"},
            {c.rotulo, c.novo}};
        for (const auto& [rotulo, novo] : correcoes)
            corrigir(r, rotulo, QString::fromUtf8(novo));
        // The corrected minimum flow ticks its limit again.
        QVERIFY(Teste::Controle<QCheckBox>(impacto, "Check1")->isChecked());

        // Per alternative the review shown again writes the windows; per
        // criterion only the save does.
        Teste::MostrarOutraJanela();
        dados();
        if (c.porAlternativa)
            QCOMPARE(alt1("tblTessaura"), esperado);
        MT::NomeProjeto = QStringLiteral("Obra");
        MT::PedirNomeAoSalvar = false;
        Projetos::SalvarProjeto();
        QCOMPARE(alt1("tblTessaura") + " / " + alt1("tblSave"), esperado + " / " + esperado);
        QCOMPARE(Teste::TextosMostrados(), QStringList(5, "O dado foi alterado!") << "O projeto foi salvo!");
    }
}

TESTE_MAIN(TesteCorrecao)
#include "tst_correcao.moc"
