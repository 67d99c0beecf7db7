#pragma once
// What the evaluation reads from and writes to the alternatives table.
#include "common/Banco.h"
#include "evaluation/Avaliacao.h"

#include <vector>

namespace TabelaAvaliacao {

// Every row of tblTessaura in creation order with its identity, its name and
// the fields the indicators read, in one query. False when it cannot be read.
bool Ler(const Banco::ConexaoPtr& conexao, std::vector<Avaliacao::Alternativa>& alternativas);

// PerMP and PerPC of each row, by its identity, from the values shown. All
// rows or none: false, with nothing written, when any row cannot be written.
bool GravarIndices(const Banco::ConexaoPtr& conexao, const std::vector<Avaliacao::Linha>& linhas);

}  // namespace TabelaAvaliacao
