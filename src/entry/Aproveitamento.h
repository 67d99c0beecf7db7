#pragma once
// Data reuse: an entry box hands its datum's description to the data-reuse
// dialog through the module's context, and gets the chosen value back.
#include "common/Banco.h"

#include <QString>

class QLineEdit;

namespace Aproveitamento {

// Copies the seven texts into the context (TituloPOP, SimboloPOP,
// QualificadorPOP, IndicePOP, UnidadePOP, MarcadorPOP, CampoPOP).
void DefinirDadosPOP(const QString& titulo, const QString& simbolo, const QString& qualificador,
                     const QString& indice, const QString& unidade, const QString& marcador,
                     const QString& campo);

// What an entry box's F5 does: ValorPOP = the box's text, MarcadorAtual = the
// shown alternative's marker, the context set, the dialog "frmPOP" shown
// modally, and then the box's text = ValorPOP. A second F5 while a dialog is
// already open does nothing.
struct Datum {
    QString titulo, simbolo, qualificador, indice, unidade, campo;
};
void PedirAproveitamento(QLineEdit* caixa, const QString& marcadorAtual, const Datum& datum);

// The box whose F5 opened the dialog now shown; nullptr when none is open.
QLineEdit* CaixaChamadora();

}  // namespace Aproveitamento

// An entry window that can take every datum of its criterion from another
// alternative's row: it fills its controls from the row by its load map, each
// option or check box before its box, as a user's change would.
class ReceptorCriterio {
public:
    virtual ~ReceptorCriterio() = default;
    virtual void PreencherDe(Banco::Recordset& origem) = 0;
};
