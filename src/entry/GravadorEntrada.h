#pragma once
// The entry-record writer: what the three entry windows (objective, impact,
// insertion) show, written into an alternative's row of tblTessaura through
// the windows' maps, in its three framings. None of them shows a message: each
// tells its caller whether the row was written, and the caller reports.
#include <QString>
#include <functional>

namespace GravadorEntrada {

// Per-alternative hand-over: stores the three windows into the current row of
// rsAlternativas, moves it to the next row and empties the three windows
// (both recharge options deselected). False when the row could not be
// written: then nothing is moved or emptied.
bool GravarEAvancarAlternativa();

// The three entry windows as they are now (pages and running maximum), and
// what puts them back so: a window unloaded meanwhile is loaded again, hidden,
// with its page. For a hand-over to the next alternative that is taken back.
std::function<void()> GuardarPaginas();

// Before a save: writes each loaded entry window (in the order per criterion
// into the row that window shows, otherwise into the current row of
// rsAlternativas) and unloads the entry windows that are not loaded-flagged.
// Moves nothing. False when a row write failed.
bool GravarFormulariosAtuais();

// The review's store (frmDadosUtilizados::Up): as GravarFormulariosAtuais,
// but unloads nothing. False when a row write failed.
bool GravarJanelasCarregadas();

// After one field of a row was changed from outside the entry windows (the
// review's one-datum editor): each loaded entry window that shows that row
// and has a control for the field takes the row's value into it, so that the
// window's next write keeps the change. Everything else the window holds
// stays as it is.
void TomarCampoAlterado(qint64 linha, const QString& campo);

}  // namespace GravadorEntrada
