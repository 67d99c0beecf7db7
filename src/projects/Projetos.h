#pragma once
// The project store: named copies of the alternatives table kept in the same
// database file. A saved project is one header row in tblSaveNome (name, date
// and time of the last save, scrambled password, responsible person,
// description) and one row per alternative in tblSave. The store is only ever
// written; the open dialog lists its header rows.
#include "common/Banco.h"

#include <QDate>
#include <QString>
#include <QTime>
#include <QVariant>

namespace Projetos {

// Saves the current project: asks for its name first when PedirNomeAoSalvar,
// then replaces every saved row of that name with a fresh copy, all or
// nothing. Reports the outcome in a message.
void SalvarProjeto();

// Dates and times as the system writes them: the locale's short date and its
// time with seconds.
QString TextoData(const QDate& data);
QString TextoHora(const QTime& hora);
// A saved project's last update as shown in the lists: date " - " time.
QString TextoAtualizacao(const QVariant& data, const QVariant& hora);

// The number of header rows of a recordset over tblSaveNome (0 when it could
// not be read), left on its first row.
short ContarProjetos(Banco::Recordset* rs);

}  // namespace Projetos
