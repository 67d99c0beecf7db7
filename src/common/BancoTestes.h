#pragma once
// What tests may do to the database layer and read of it; the program never
// includes this.
#include <vector>

namespace Banco::Testes {

// The wait of a command for a held file, in milliseconds (negative: the
// program's own, about two seconds); a reaction waits a tenth of it.
void DefinirEspera(int ms);
int EsperaDeComando();
int EsperaDeReacao();

// Only the k-th statement run from now fails, as if the file were held,
// without running; the statements before and after it run as usual. Counted
// over commands only (a reaction's statements are no part of them). 0: none.
void FalharComando(int k);
// Whether that statement was reached.
bool FalhaProvocada();

// Each action that ended since the record was cleared: a command's or a
// reaction's, the waits for a held file it was granted, the wait the first of
// them was given (milliseconds, -1 without any), whether it failed and whether
// its message was shown; and how long it spent waiting in all (milliseconds).
struct Registro {
    bool comando = false;
    int esperas = 0;
    int espera = -1;
    double esperado = 0;
    bool falhou = false;
    bool avisou = false;
};
const std::vector<Registro>& Acoes();
void LimparAcoes();

}  // namespace Banco::Testes
