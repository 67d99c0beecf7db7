#include "entry/JanelaEntrada.h"

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
    if (MT::Reentrada) {
        if (MT::rsAlternativas)
            MostrarRegistro(*MT::rsAlternativas, nome);
        return false;
    }
    if (aberto) {
        // Back from another window: the alternative on show, the controls and
        // the statuses stay as they are.
        if (Banco::Recordset* mostrado = RegistroMostrado(rs))
            MostrarRegistro(*mostrado, nome);
        return false;
    }
    db = Banco::Abrir();
    if (!db)
        return false;
    rs = Banco::Recordset::Abrir(db, QStringLiteral("tblTessaura"));
    if (!rs)
        return false;
    rs->MoveLast();
    status.Dimensionar(rs->RecordCount());
    rs->MoveFirst();
    aberto = true;
    if (Banco::Recordset* mostrado = RegistroMostrado(rs))
        MostrarRegistro(*mostrado, nome);
    return true;
}

void PedirDado(QLineEdit* caixa, const Banco::RecordsetPtr& proprio, const Aproveitamento::Datum& datum)
{
    Banco::Recordset* rs = RegistroMostrado(proprio);
    const QString marcador =
        rs && rs->TemLinhaAtual() ? rs->Campo(QStringLiteral("Marcador")).toString() : QString();
    Aproveitamento::PedirAproveitamento(caixa, marcador, datum);
}

}  // namespace JanelaEntrada
