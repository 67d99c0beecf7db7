// The project save at N = 1 000, 10 000 and 32 767 alternatives: the first
// save under a name and its replacement by a later save, each the whole of
// SalvarProjeto (delete the earlier copy, header, copy of every row, commit).
#include "BancoDeMedida.h"
#include "common/Banco.h"
#include "common/Mensagens.h"
#include "common/ModuloTessaura.h"
#include "projects/Projetos.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>

namespace {

namespace MT = ModuloTessaura;

// n complete alternatives written in one statement.
void preencher(int n)
{
    Banco::ConexaoPtr c = Banco::Abrir();
    Banco::Executar(c, QStringLiteral("DELETE FROM tblTessaura"));
    Banco::Executar(c, QStringLiteral(
        "WITH RECURSIVE k(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM k WHERE i < ?) "
        "INSERT INTO tblTessaura (Marcador, Nome, Anotacao, TR, TRD, QJmin, QJmax, Qalvo, Qinf, Qnat, "
        "PTD, PPI, IAsup, IAsub, IP, ARL1, ARL2, ICC, PUOF, Ades, Aapta1, Aapta2) "
        "SELECT 'alt' || i, 'Alternativa ' || i, 'Nota da alternativa ' || i, 10 + i % 90, 25, "
        "i * 0.37, i * 0.41, 12.5, i % 17 + 0.5, 3.25, 1 + i % 7, 1 + (i + 1) % 7, 1 + (i + 2) % 7, "
        "1 + (i + 3) % 7, 1 + (i + 4) % 7, i * 1.5, 250.75, 1 + i % 7, 1 + i % 6, i * 2.25, "
        "i % 1000 + 0.125, 512.5 FROM k"),
        {n});
}

int linhasSalvas()
{
    Banco::ConexaoPtr c = Banco::Abrir();
    QSqlQuery q(c->db());
    q.prepare(QStringLiteral("SELECT count(*) FROM tblSave WHERE Projeto = ?"));
    q.addBindValue(MT::NomeProjeto);
    return q.exec() && q.next() ? q.value(0).toInt() : -1;
}

double salvar()
{
    QElapsedTimer t;
    t.start();
    Projetos::SalvarProjeto();
    return t.nsecsElapsed() / 1e6;
}

}  // namespace

void MedirSalvamento()
{
    BancoDeMedida banco("salvamento");
    if (!banco.Pronto())
        return;
    int salvos = 0;
    Mensagens::DefinirRespondedor([&salvos](const Mensagens::Mensagem& m) {
        if (m.texto == QStringLiteral("O projeto foi salvo!"))
            ++salvos;
        else
            std::printf("salvamento: unexpected message: %s\n", qPrintable(m.texto));
        return Mensagens::Resposta::OK;
    });
    MT::PedirNomeAoSalvar = false;
    MT::SenhaDigitada = QStringLiteral("abc");

    std::printf("salvamento: whole save, in ms (replacement: best of 5)\n");
    std::printf("%8s %14s %14s %10s\n", "N", "first save", "replacement", "rows");
    for (int n : {1000, 10000, 32767}) {
        preencher(n);
        MT::NomeProjeto = QStringLiteral("Projeto %1").arg(n);
        salvos = 0;
        const double primeiro = salvar();
        double substituicao = 1e300;
        for (int r = 0; r < 5; ++r)
            substituicao = std::min(substituicao, salvar());
        const int linhas = linhasSalvas();
        std::printf("%8d %14.2f %14.2f %10d%s\n", n, primeiro, substituicao, linhas,
                    linhas == n && salvos == 6 ? "" : "  FAILED");
    }
    std::printf("targets: 10 000 alternatives < 100 ms, 32 767 < 300 ms\n");
    Mensagens::DefinirRespondedor(nullptr);
}
