#pragma once
// The works-impact criterion of one alternative as its page shows it, and the
// map between that page and the fields of the alternatives table, in both
// directions. Every writer of the impact group (the walk, the per-alternative
// store, the project save, the review) and every reader (the walk's load, the
// whole-criterion copy) goes through these functions.
#include "common/Banco.h"
#include "entry/Aproveitamento.h"

#include <QString>
#include <optional>

namespace MapaImpacto {

// Which pair the two recharge boxes hold: infiltration areas ("Área"),
// infiltrated flows ("Vazão"), or neither option chosen.
enum class Recarga { Nenhuma, Area, Vazao };

// The controls of the impact page, as values. Boxes hold their text as typed;
// a rating is its level 1..7, or 0 when no option of the group is selected.
struct PaginaImpacto {
    QString qjmin;     // Text1, usable while "Mínima" is ticked
    QString qjmax;     // Text2, usable while "Máxima" is ticked
    QString qalvo;     // Text3
    QString recarga1;  // Text4: with the works
    QString recarga2;  // Text5: in the natural state
    bool minima = false;  // Check1
    bool maxima = false;  // Check2
    Recarga recarga = Recarga::Vazao;
    int ptd = 0;
    int ppi = 0;
    int iasup = 0;
    int iasub = 0;

    // An emptied page: every box empty, both limits unticked, no rating, and
    // the recharge choice given ("Vazão" after a step of the walk, none after
    // the per-alternative store).
    static PaginaImpacto Vazia(Recarga r) { PaginaImpacto p; p.recarga = r; return p; }
};

// The six items of the criterion, judged from the page.
struct ItensImpacto {
    bool vazoes = false;    // a limit (minimum or maximum) and the target flow
    bool recarga = false;   // both recharge boxes, whichever pair they hold
    bool ptd = false;
    bool ppi = false;
    bool iasup = false;
    bool iasub = false;
    bool Completo() const { return vazoes && recarga && ptd && ppi && iasup && iasub; }
};

// A box counts as given only when its text reads as a number by the locale.
ItensImpacto Avaliar(const PaginaImpacto& p);

// Writes the page into the current row of rs, which the caller has put into
// edit mode, in this order: QJmin, QJmax, Qalvo; the chosen recharge pair and
// Null in the other pair (nothing with neither choice); PTD, PPI, IAsup, IAsub
// for each group with a selection. An empty box stores Null; a text that does
// not read as a number leaves its field as it was.
void Gravar(Banco::Recordset& rs, const PaginaImpacto& p);

// The page that the current row of rs gives: a limit that holds a value ticks
// its check box; a complete flow pair chooses "Vazão", a complete area pair
// "Área" (areas win when both are complete); without a complete pair, the pair
// that holds any value (areas winning again); a rating outside 1..7 selects none.
// Without a current row, an emptied page with "Vazão".
PaginaImpacto Ler(const Banco::Recordset& rs);

// One field of the current row taken into the control of the page that holds
// it, as Ler reads it: a limit with its check box, a rating with its group.
// A recharge field goes into its box when the page holds its pair; otherwise
// the page takes the field's pair, both boxes from the row, so that the
// page's next write keeps the field. False, and the page untouched, for a
// field the page does not hold.
bool TomarCampo(PaginaImpacto& p, const Banco::Recordset& rs, const QString& campo);

// The datum that F5 in one of the five boxes (1..5) asks the data-reuse
// dialog for. The recharge boxes follow the choice; with neither chosen, and
// for any other box number, there is none.
std::optional<Aproveitamento::Datum> DatumDaCaixa(int caixa, Recarga r);

// Title of the criterion in the data-reuse dialog.
inline const QString Titulo = QStringLiteral("Impactos da obra");

}  // namespace MapaImpacto
