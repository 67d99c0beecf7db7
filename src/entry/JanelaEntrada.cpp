#include "entry/JanelaEntrada.h"

#include "common/Banco.h"
#include "common/ModuloTessaura.h"

#include <QLabel>
#include <QLineEdit>

namespace MT = ModuloTessaura;

namespace JanelaEntrada {

Banco::Recordset* RegistroMostrado(const Banco::RecordsetPtr& proprio)
{
    if (MT::EntradaPorAlternativa && MT::rsAlternativas)
        return MT::rsAlternativas.get();
    return proprio.get();
}

bool AbrirRegistros(Banco::ConexaoPtr& db, Banco::RecordsetPtr& rs)
{
    Banco::ConexaoPtr novoDb = Banco::Abrir();
    if (!novoDb)
        return false;
    Banco::RecordsetPtr novo = Banco::Recordset::Abrir(novoDb, QStringLiteral("tblTessaura"));
    if (!novo)
        return false;
    novo->MoveFirst();
    Banco::Recordset* mostrado = RegistroMostrado(novo);
    if (mostrado && mostrado->TemLinhaAtual() && !mostrado->Ler())
        return false;
    db = novoDb;
    rs = novo;
    return true;
}

void MostrarRegistro(Banco::Recordset& rs, QLabel* nome)
{
    if (!rs.TemLinhaAtual())
        return;
    const QVariant n = rs.Campo(QStringLiteral("Nome"));
    if (!n.isNull())
        nome->setText(n.toString());
    MT::MostrarAlternativaNaBarra(Banco::NumeroDoMarcador(rs.Campo(QStringLiteral("Marcador")).toString()),
                                  MT::NumeroAlternativas);
}

bool Ativar(Banco::ConexaoPtr& db, Banco::RecordsetPtr& rs, Percurso::Status& status, bool& aberto,
            QLabel* nome, QWidget* anterior, QWidget* proxima)
{
    if (MT::EntradaPorAlternativa) {
        anterior->setEnabled(false);
        proxima->setEnabled(false);
    }
    Banco::Acao acao;
    if (MT::Reentrada) {
        if (MT::rsAlternativas && MT::rsAlternativas->Ler())
            MostrarRegistro(*MT::rsAlternativas, nome);
        return false;
    }
    if (aberto) {
        // Back from another window: the alternative on show, the controls and
        // the statuses stay as they are.
        Banco::Recordset* mostrado = RegistroMostrado(rs);
        if (mostrado && mostrado->Ler())
            MostrarRegistro(*mostrado, nome);
        return false;
    }
    if (!AbrirRegistros(db, rs))
        return false;
    status.Dimensionar(rs->RecordCount());
    aberto = true;
    if (Banco::Recordset* mostrado = RegistroMostrado(rs))
        MostrarRegistro(*mostrado, nome);
    return true;
}

void PedirDado(QLineEdit* caixa, const Banco::RecordsetPtr& proprio, const Aproveitamento::Datum& datum)
{
    Banco::Acao acao;
    // The dialog leaves out the alternative on show: without its marker it
    // does not open.
    Banco::Recordset* rs = RegistroMostrado(proprio);
    QString marcador;
    if (rs && rs->TemLinhaAtual()) {
        if (!rs->Ler())
            return;
        marcador = rs->Campo(QStringLiteral("Marcador")).toString();
    }
    Aproveitamento::PedirAproveitamento(caixa, marcador, datum);
}

}  // namespace JanelaEntrada
