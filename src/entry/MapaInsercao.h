#pragma once
// The insertion criterion of one alternative as its window shows it, and the
// map between that window and the fields of the alternatives table, in both
// directions. The walk, the per-alternative store, the project save, the
// review and the whole-criterion copy all go through these functions.
#include "common/Banco.h"

#include <QString>

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

// Levels the four-option group offers.
inline bool NivelPUOFValido(int n) { return n >= 4 && n <= 7; }

// Title of the criterion in the data-reuse dialog.
inline const QString Titulo = QStringLiteral("Inserção da Obra");

}  // namespace MapaInsercao
