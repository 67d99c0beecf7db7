#pragma once
// What the entry windows do alike: the row they show, its name
// and counter, their activation in both entry orders, and F5 in a box.
#include "common/Banco.h"
#include "common/Percurso.h"
#include "entry/Aproveitamento.h"

class QLabel;
class QLineEdit;
class QWidget;

namespace JanelaEntrada {

// The row the window shows: the current row of rsAlternativas in the order
// per alternative, of the window's own recordset otherwise.
Banco::Recordset* RegistroMostrado(const Banco::RecordsetPtr& proprio);

// The window's own handle and recordset opened on the first row, and the row
// the window shows read. False when the file cannot be read (the failure is
// the command's): db and rs then stay as they were, for the next activation
// to try again.
bool AbrirRegistros(Banco::ConexaoPtr& db, Banco::RecordsetPtr& rs);

// The row's alternative in the name label and the status-bar counter (the
// number after "alt" of N); nothing without a current row.
void MostrarRegistro(Banco::Recordset& rs, QLabel* nome);

// The activation: with Reentrada, the alternative of rsAlternativas' current
// row; on the first activation after the load (aberto false), the window's own
// handle and recordset opened on the first row and the statuses sized, aberto
// then true; later, the alternative on show kept as it is. In the order per
// alternative both arrows are disabled. True when the recordset was opened now.
// A file that cannot be read leaves the window as it was (the next activation
// tries again).
bool Ativar(Banco::ConexaoPtr& db, Banco::RecordsetPtr& rs, Percurso::Status& status, bool& aberto,
            QLabel* nome, QWidget* anterior, QWidget* proxima);

// F5 in a box: the data-reuse dialog for its datum, leaving out the
// alternative on show.
void PedirDado(QLineEdit* caixa, const Banco::RecordsetPtr& proprio, const Aproveitamento::Datum& datum);

}  // namespace JanelaEntrada
