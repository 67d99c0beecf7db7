#include "entry/GravadorEntrada.h"

#include "common/Banco.h"
#include "common/Janelas.h"
#include "common/ModuloTessaura.h"
#include "entry/MapaImpacto.h"
#include "entry/MapaInsercao.h"
#include "entry/MapaObjetivo.h"
#include "entry/frmImpacto.h"
#include "entry/frmInsercao.h"
#include "entry/frmObjetivo.h"

#include <optional>
#include <utility>
#include <vector>

namespace MT = ModuloTessaura;

namespace GravadorEntrada {

namespace {

// One row of the alternatives table and the windows whose groups go into it;
// a window left out (nullptr) keeps its fields in that row as they are.
struct Linha {
    Banco::Recordset* rs = nullptr;
    frmObjetivo* objetivo = nullptr;
    frmImpacto* impacto = nullptr;
    frmInsercao* insercao = nullptr;
};

// The field writes of one row, between Edit and Update, in the windows' order:
// objective, impact, insertion. Each window's map decides its fields.
void GravarCampos(const Linha& l)
{
    if (l.objetivo)
        MapaObjetivo::Gravar(*l.rs, l.objetivo->Caixas());
    if (l.impacto)
        MapaImpacto::Gravar(*l.rs, l.impacto->Pagina());
    if (l.insercao)
        MapaInsercao::Gravar(*l.rs, l.insercao->Pagina());
}

// Adds a window to the row it writes into: the current row of rs, joined with
// the other windows bound for the same row. Without a current row the window
// has nothing to write into and is left out.
template <class Campo>
void Juntar(std::vector<Linha>& linhas, Banco::Recordset* rs, Campo campo)
{
    if (!rs || !rs->TemLinhaAtual())
        return;
    for (Linha& l : linhas) {
        if (l.rs->Id() == rs->Id()) {
            campo(l);
            return;
        }
    }
    Linha l;
    l.rs = rs;
    campo(l);
    linhas.push_back(l);
}

// Writes the rows, all or none. Inside a caller's transaction (the project
// save) the rows join it: its roll-back takes them back with the rest.
bool Escrever(const std::vector<Linha>& linhas)
{
    if (linhas.empty())
        return true;
    Banco::Transacao transacao(linhas.front().rs->Conexao_());
    if (!transacao.Iniciada())
        return false;
    for (const Linha& l : linhas) {
        if (!l.rs->Edit())
            return false;
        GravarCampos(l);
        if (!l.rs->Update())
            return false;
    }
    return transacao.Confirmar();
}

// The loaded entry windows (by their flags), each bound for the row it shows:
// the current row of rsAlternativas in the order per alternative, its own
// recordset's current row in the order per criterion.
std::vector<Linha> LinhasDasJanelasCarregadas()
{
    frmObjetivo* objetivo = MT::ObjetivoCarregado ? Janelas::Obter<frmObjetivo>() : nullptr;
    frmImpacto* impacto = MT::ImpactoCarregado ? Janelas::Obter<frmImpacto>() : nullptr;
    frmInsercao* insercao = MT::InsercaoCarregado ? Janelas::Obter<frmInsercao>() : nullptr;
    auto linhaDe = [](const Banco::RecordsetPtr& proprio) {
        return MT::EntradaPorAlternativa ? MT::rsAlternativas.get() : proprio.get();
    };
    std::vector<Linha> linhas;
    if (objetivo)
        Juntar(linhas, linhaDe(MT::rsObjetivo), [&](Linha& l) { l.objetivo = objetivo; });
    if (impacto)
        Juntar(linhas, linhaDe(MT::rsImpacto), [&](Linha& l) { l.impacto = impacto; });
    if (insercao)
        Juntar(linhas, linhaDe(MT::rsInsercao), [&](Linha& l) { l.insercao = insercao; });
    return linhas;
}

// After the insertion window's boxes were stored: the largest expropriation
// area seen follows them.
void AtualizarMaximo(const std::vector<Linha>& linhas)
{
    for (const Linha& l : linhas) {
        if (l.insercao)
            l.insercao->AtualizarMaximo();
    }
}

}  // namespace

bool GravarEAvancarAlternativa()
{
    Linha l;
    l.rs = MT::rsAlternativas.get();
    l.objetivo = Janelas::Obter<frmObjetivo>();
    l.impacto = Janelas::Obter<frmImpacto>();
    l.insercao = Janelas::Obter<frmInsercao>();

    // Past the last alternative (or before any was created) there is no row:
    // nothing is stored and nothing moves, and the windows are still emptied.
    const bool temLinha = l.rs && l.rs->TemLinhaAtual();
    if (temLinha && !Escrever({l}))
        return false;
    AtualizarMaximo({l});
    if (temLinha)
        l.rs->MoveNext();

    if (l.objetivo)
        l.objetivo->Esvaziar();
    if (l.impacto)
        l.impacto->Esvaziar(MapaImpacto::Recarga::Nenhuma);
    if (l.insercao)
        l.insercao->Esvaziar();
    return true;
}

std::function<void()> GuardarPaginas()
{
    std::optional<MapaObjetivo::Textos> objetivo;
    std::optional<MapaImpacto::PaginaImpacto> impacto;
    std::optional<std::pair<MapaInsercao::PaginaInsercao, QString>> insercao;
    if (auto* o = Janelas::Obter<frmObjetivo>())
        objetivo = o->Caixas();
    if (auto* i = Janelas::Obter<frmImpacto>())
        impacto = i->Pagina();
    if (auto* i = Janelas::Obter<frmInsercao>())
        insercao = std::make_pair(i->Pagina(), i->Maximo());
    return [=] {
        if (auto* o = objetivo ? Janelas::Carregar<frmObjetivo>() : nullptr)
            o->MostrarCaixas(*objetivo);
        if (auto* i = impacto ? Janelas::Carregar<frmImpacto>() : nullptr)
            i->MostrarPagina(*impacto);
        if (auto* i = insercao ? Janelas::Carregar<frmInsercao>() : nullptr) {
            i->MostrarPagina(insercao->first);
            i->MostrarMaximo(insercao->second);
        }
    };
}

bool GravarJanelasCarregadas()
{
    const std::vector<Linha> linhas = LinhasDasJanelasCarregadas();
    if (!Escrever(linhas))
        return false;
    AtualizarMaximo(linhas);
    return true;
}

void TomarCampoAlterado(qint64 linha, const QString& campo)
{
    for (const Linha& l : LinhasDasJanelasCarregadas()) {
        // A row that cannot be read now leaves the window showing what it
        // showed, never an empty box for a value that only could not be read.
        if (l.rs->Id() != linha || !l.rs->Ler())
            continue;
        if (l.objetivo) {
            MapaObjetivo::Textos t = l.objetivo->Caixas();
            if (MapaObjetivo::TomarCampo(t, *l.rs, campo))
                l.objetivo->MostrarCaixas(t);
        }
        if (l.impacto) {
            MapaImpacto::PaginaImpacto p = l.impacto->Pagina();
            if (MapaImpacto::TomarCampo(p, *l.rs, campo))
                l.impacto->MostrarPagina(p);
        }
        if (l.insercao) {
            MapaInsercao::PaginaInsercao p = l.insercao->Pagina();
            if (MapaInsercao::TomarCampo(p, *l.rs, campo))
                l.insercao->MostrarPagina(p);
        }
    }
}

bool GravarFormulariosAtuais()
{
    const bool gravado = GravarJanelasCarregadas();
    if (!MT::ObjetivoCarregado)
        Janelas::Descarregar(QStringLiteral("frmObjetivo"));
    if (!MT::ImpactoCarregado)
        Janelas::Descarregar(QStringLiteral("frmImpacto"));
    if (!MT::InsercaoCarregado)
        Janelas::Descarregar(QStringLiteral("frmInsercao"));
    return gravado;
}

}  // namespace GravadorEntrada
