#pragma once
// The insertion criterion of one alternative as its window shows it, and the
// map between that window and the fields of the alternatives table, in both
// directions. The walk, the per-alternative store, the project save, the
// review and the whole-criterion copy all go through these functions.
#include "common/Banco.h"
#include "entry/Aproveitamento.h"

#include <QString>
#include <array>
#include <optional>

namespace MapaInsercao {

// The controls of the insertion window, as values. Boxes hold their text as
// typed; a rating is its level (1..7, PUOF 4..7), or 0 when no option of the
// group is selected.
struct PaginaInsercao {
    QString aapta1;  // Text1
    QString aapta2;  // Text2
    QString arl1;    // Text3
    QString arl2;    // Text4
    QString ades;    // Text5
    int ip = 0;      // Option3..Option9
    int icc = 0;     // Option1, Option2, Option10..Option14
    int puof = 0;    // Option15..Option18: levels 4..7
};

// Writes the page into the current row of rs, which the caller has put into
// edit mode, in this order: Aapta1, Aapta2, IP, ARL1, ARL2, ICC, PUOF, Ades.
// An empty box stores Null; a text that does not read as a number leaves its
// field as it was; a group with nothing selected leaves its field.
void Gravar(Banco::Recordset& rs, const PaginaInsercao& p);

// The page that the current row of rs gives (Null gives an empty box; a
// rating outside its group's levels selects nothing). Without a current row,
// an emptied page.
PaginaInsercao Ler(const Banco::Recordset& rs);
// One field of the current row taken into the control of the page that holds
// it, as Ler reads it; false, and the page untouched, for a field the page
// does not hold.
bool TomarCampo(PaginaInsercao& p, const Banco::Recordset& rs, const QString& campo);

// Levels the four-option group offers.
inline bool NivelPUOFValido(int n) { return n >= 4 && n <= 7; }

// Whether the page gives each of its eight data, in this order: Aapta1, Aapta2,
// IP, ARL1, ARL2, ICC, PUOF, Ades. A box counts only when its text reads as a
// number by the locale; a group when one of its options is selected.
std::array<bool, 8> DadosFornecidos(const PaginaInsercao& p);
// Every one of the eight data given.
bool Completo(const PaginaInsercao& p);

// The four items of the social page, each with its status icon.
enum class ItemSocial { Recreacao, Circulacao, OutrasFuncoes, Desapropriacao };
// The item's data given: both recreation areas; the circulation rating; the
// other-functions rating; the area to expropriate.
bool ItemFornecido(const PaginaInsercao& p, ItemSocial item);

// The datum that F5 in box 1..5 (Text1..Text5) asks the data-reuse dialog
// for; none for any other number.
std::optional<Aproveitamento::Datum> DatumDaCaixa(int caixa);

// The largest area to expropriate seen so far, after the page's area novo is
// stored: novo when it reads as a number larger than maximo (or maximo does
// not read as one), maximo otherwise. Compared as numbers: "10" beats "9".
QString MaximoCorrente(const QString& maximo, const QString& novo);

// Title of the criterion in the data-reuse dialog.
inline const QString Titulo = QStringLiteral("Inserção da Obra");

}  // namespace MapaInsercao
