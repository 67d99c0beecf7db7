#pragma once
// The arithmetic and the rules of the weightings: the total of the thirteen
// coefficients and the gate it opens, and which weightings may be deleted.
#include "common/ModuloTessaura.h"

#include <QString>
#include <QStringList>
#include <QVariantList>
#include <optional>
#include <vector>

namespace Ponderacao {

constexpr int NumeroIndicadores = 13;

// The total of a weighting; empty when it cannot be formed.
using Total = std::optional<double>;

// The thirteen typed coefficients added in box order, read by the locale's
// rules. A text that is not a number (empty, letters, a lone sign) forms no
// total, nor does a sum beyond the range of a double.
Total SomaDosTextos(const QStringList& textos);
// The stored coefficients added in field order; a Null or a value that is not
// a number forms no total.
Total SomaDosValores(const QVariantList& valores);

// The total as its label shows it: taken to the digits a label can hold, then
// rounded half-to-even to a whole number (99.5 and 100.5 both give 100).
double TotalArredondado(double total);
// The label's text: the rounded total, or "-" when none was formed.
QString TextoDoTotal(const Total& total);
// Whether the total is formed and rounds to 100.
bool SomaCem(const Total& total);
// "Avançar" hands on a stored weighting: only one shown outside new-weighting
// mode and whose total rounds to 100.
bool AvancarDisponivel(bool novaPonderacao, bool linhaMostrada, const Total& total);

// The four aspects whose weightings are never offered for deletion, compared
// exactly (letter case and accents included).
bool AspectoProtegido(const QString& aspecto);

// One entry of the window's lists: the weighting's name, its aspect and its row.
struct Entrada {
    QString nome;
    QString aspecto;
    qint64 id = 0;
};

// The deletion list for the weightings listed: the deletable ones in list
// order, then empty entries up to one fewer than the four protected weightings
// the table is expected to keep (W - 4 entries in all), and never too short for
// a deletable one. Empty when fewer than five weightings are listed.
std::optional<std::vector<ModuloTessaura::PonderacaoListada>>
ListaParaApagar(const std::vector<Entrada>& entradas);

}  // namespace Ponderacao
