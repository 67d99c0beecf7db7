#pragma once
// The alternatives of a project: the number the user types, the rows alt1..altN
// of the alternatives table, and the naming flags behind the alternatives
// window's forward gate.
#include "common/Banco.h"

#include <QString>
#include <vector>

namespace Alternativas {

// Marker of alternative i: "alt" followed by i, without leading zeros.
QString Marcador(int i);

// What the number box holds.
enum class Numero {
    Vazio,          // nothing typed
    NaoInteiro,     // not a whole number (pasted letters, signs in the middle, ...)
    AcimaDoLimite,  // above 32767
    NaoSuperiorA2,  // 2 or less
    Aceito
};
// Reads the number box; *n gets the number when it is accepted.
Numero LerNumero(const QString& texto, short* n);

// Brings the table behind rs to exactly the rows alt1..altN in creation order:
// the rows that are already in place keep their data, every other row is
// deleted and the missing ones are added with only their marker. False when a
// row could not be deleted or added.
bool AjustarLinhas(const Banco::RecordsetPtr& rs, int n);
// AjustarLinhas as one write: every row is deleted and added in a single
// transaction, which is kept only when all of them succeeded (the table is left
// as it was otherwise).
bool AjustarLinhasDeUmaVez(const Banco::RecordsetPtr& rs, int n);

// The naming flags (1..n, element 0 unused) of the rows behind rs: 1 where the
// row's Nome is a non-empty text. False when a row could not be read (flags
// then untouched).
bool FlagsDasLinhas(const Banco::RecordsetPtr& rs, int n, std::vector<short>& flags);

// Records in flags (re-dimensioned to 1..n, keeping the remaining values)
// whether alternative i's name is given, and returns whether all n are named.
// An i outside 1..n records nothing.
bool RegistrarNome(std::vector<short>& flags, int n, int i, bool preenchido);

// Records whether the name box Text1 of frmInicio is filled for the alternative
// whose marker is given (the argument becomes the marker's number part), in
// NomePreenchido, and returns whether every alternative is now named.
bool MarcarNomePreenchido(QString& marcador);

}  // namespace Alternativas
