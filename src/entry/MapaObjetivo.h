#pragma once
// The objective criterion's two boxes and their fields of tblTessaura: the
// design return period TR (Text1) and the desired return period TRD (Text2).
// The walk, the per-alternative writer and the review all use this one map.
#include "common/Banco.h"

#include <QString>

namespace MapaObjetivo {

struct Textos {
    QString tr;   // Text1
    QString trd;  // Text2
};

// Puts the two boxes into the row being edited (between Edit and Update): an
// empty box stores Null; a text that does not convert leaves its field as it was.
void Gravar(Banco::Recordset& rs, const Textos& caixas);
// The two boxes' texts for the current row (a Null field gives an empty box).
Textos Ler(const Banco::Recordset& rs);
// One field of the current row (TR or TRD) taken into the box that holds it,
// as Ler reads it; false, and the boxes untouched, for any other field.
bool TomarCampo(Textos& caixas, const Banco::Recordset& rs, const QString& campo);
// A box holds a whole number that its field can store.
bool Fornecido(const QString& caixa);
// The alternative is complete for this criterion: both boxes are given.
bool Completo(const Textos& caixas);

}  // namespace MapaObjetivo
