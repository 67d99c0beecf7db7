// Creating and removing the rows of the alternatives table, as the alternatives
// window's "OK" and "&Novo" do, on a fresh copy of the database.
#include "BancoDeMedida.h"
#include "common/Banco.h"
#include "shell/Alternativas.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>

namespace {

int contarLinhas(const Banco::ConexaoPtr& c)
{
    Banco::RecordsetPtr rs = Banco::Recordset::Abrir(c, QStringLiteral("tblTessaura"));
    return rs ? rs->RecordCount() : -1;
}

void medir(int n)
{
    Banco::ConexaoPtr c = Banco::Abrir();
    Banco::RecordsetPtr rs = Banco::Recordset::Abrir(c, QStringLiteral("tblTessaura"));
    if (!rs) {
        std::printf("alternativas: the database could not be opened\n");
        return;
    }
    QElapsedTimer relogio;
    relogio.start();
    const bool criadas = Alternativas::AjustarLinhasDeUmaVez(rs, n);
    const double criar = relogio.nsecsElapsed() / 1e6;
    const int depois = contarLinhas(c);

    // A later "OK" with a smaller number: all rows but three removed row by row.
    relogio.restart();
    const bool reduzidas = Alternativas::AjustarLinhasDeUmaVez(rs, 3);
    const double reduzir = relogio.nsecsElapsed() / 1e6;
    const int reduzidasLinhas = contarLinhas(c);

    relogio.restart();
    const bool apagadas = Banco::ApagarAlternativas();
    const double apagar = relogio.nsecsElapsed() / 1e6;
    const int restantes = contarLinhas(c);

    std::printf("alternativas N = %5d: created (OK) %8.2f ms (%5.2f us each, %d rows%s); "
                "reshaped to 3 (OK) %8.2f ms (%d rows%s); removed (Novo) %7.2f ms (%d rows left%s)\n",
                n, criar, 1000.0 * criar / n, depois, criadas ? "" : ", FAILED", reduzir,
                reduzidasLinhas, reduzidas ? "" : ", FAILED", apagar, restantes,
                apagadas ? "" : ", FAILED");
}

}  // namespace

void MedirAlternativas()
{
    BancoDeMedida banco("alternativas");
    if (!banco.Pronto())
        return;
    for (int n : {1000, 32767})
        medir(n);
    Banco::DefinirCaminhoParaTestes(QString());
}
