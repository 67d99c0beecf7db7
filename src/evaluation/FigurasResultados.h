#pragma once
// The pictures of the results window and of its series dialog.
#include <QPixmap>

namespace FigurasResultados {

const QPixmap& Grafico();  // a small line chart: the chart-options button, the dialog's decoration
const QPixmap& Paginas();  // an arrow down to the status bar, where the pages are switched

}  // namespace FigurasResultados
