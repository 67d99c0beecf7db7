#include "evaluation/TabelaAvaliacao.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>

namespace TabelaAvaliacao {

bool Ler(const Banco::ConexaoPtr& conexao, std::vector<Avaliacao::Alternativa>& alternativas)
{
    alternativas.clear();
    if (!conexao)
        return false;
    QStringList colunas{QStringLiteral("id"), QStringLiteral("Nome")};
    for (const QString& c : Avaliacao::NomesCampos())
        colunas << c;
    QSqlQuery q(conexao->db());
    q.setForwardOnly(true);
    if (!Banco::Executar(q, QStringLiteral("SELECT %1 FROM tblTessaura ORDER BY id").arg(colunas.join(", "))))
        return false;
    while (q.next()) {
        Avaliacao::Alternativa a;
        a.id = q.value(0).toLongLong();
        a.nome = q.value(1).toString();
        for (int c = 0; c < Avaliacao::NumeroCampos; ++c) {
            const QVariant v = q.value(c + 2);
            if (!v.isNull())
                a.campos[static_cast<size_t>(c)] = v.toDouble();
        }
        alternativas.push_back(std::move(a));
    }
    return q.lastError().type() == QSqlError::NoError;
}

bool GravarIndices(const Banco::ConexaoPtr& conexao, const std::vector<Avaliacao::Linha>& linhas)
{
    if (!conexao)
        return false;
    Banco::Transacao transacao(conexao);
    if (!transacao.Iniciada())
        return false;
    QSqlQuery q(conexao->db());
    if (!Banco::Preparar(q, QStringLiteral("UPDATE tblTessaura SET PerMP = ?, PerPC = ? WHERE id = ?")))
        return false;
    for (const Avaliacao::Linha& l : linhas) {
        q.bindValue(0, l.mp);
        q.bindValue(1, l.pc);
        q.bindValue(2, l.id);
        // A row another program deleted since the run read it fails too.
        if (!Banco::ExecutarNaLinha(q))
            return false;
    }
    return transacao.Confirmar();
}

}  // namespace TabelaAvaliacao
