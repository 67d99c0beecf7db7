#pragma once
// Walking the alternatives one at a time with wrap-around, and the per
// alternative completeness statuses of an entry window.
#include "common/Banco.h"

#include <functional>
#include <vector>

namespace Percurso {

enum class Direcao { Anterior, Proxima };

// "Próxima": past the end goes to the first row, then next, and from the last
// row to the first. "Anterior": the mirror. Nothing happens without rows.
void Mover(Banco::Recordset& rs, Direcao d);

// One step of a walk: judge the alternative left, store it into its row,
// empty the page, move, show the alternative reached, judge it.
struct Etapas {
    std::function<void()> avaliar;                  // completeness and gate
    std::function<void(Banco::Recordset&)> gravar;  // fields put between Edit and Update
    std::function<void()> esvaziar;
    std::function<void(Banco::Recordset&)> mostrar; // number, name, status bar, page
};
// A step whose store or read fails reports it once and stays where it was:
// nothing is emptied or moved, the typed values stay in their boxes (false).
bool Passo(Banco::Recordset* rs, Direcao d, const Etapas& etapas);
// The store of a step alone, without moving (the "Avançar" of an entry window
// first stores the alternative on show). False, reported, when it failed.
bool Gravar(Banco::Recordset* rs, const std::function<void(Banco::Recordset&)>& gravar);

// Completeness per alternative, indexed by the alternative's number 1..n.
class Status {
public:
    void Dimensionar(int n) { m_v.assign(static_cast<size_t>(n > 0 ? n : 0), 0); }
    int Total() const { return static_cast<int>(m_v.size()); }
    // A number outside 1..n records nothing.
    void Marcar(int numero, bool completo);
    int Valor(int numero) const;
    // Every alternative complete: the sum equals the upper bound.
    bool TodosCompletos() const;

private:
    std::vector<short> m_v;
};

// A field text as a box shows it (Null gives the empty text).
QString TextoParaCaixa(const QVariant& valor);
// A box's text as a writer stores it: Null for an empty box, the text otherwise.
QVariant ValorDaCaixa(const QString& texto);
// Puts a numeric box into its field: Null when the box is empty, or when its
// text does not convert or does not fit the field (a box that counts as not
// given never leaves an older value in the row).
void GravarCaixa(Banco::Recordset& rs, const QString& campo, const QString& texto);

}  // namespace Percurso

namespace Percurso {
// A numeric box counts as given only when its text converts by the locale;
// for a whole-number field, only when the number also fits the field.
bool NumeroFornecido(const QString& texto, bool inteiro = false);
}  // namespace Percurso
