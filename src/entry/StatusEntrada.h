#pragma once
// The status line of an entry window: whether the alternative on show has
// every datum of the window's criterion.
#include <QColor>
#include <QString>

class QLabel;

namespace StatusEntrada {

// "Todos os dados foram fornecidos" in dark green, or "Faltam alguns dados"
// in dark red.
QString Texto(bool completo);
QColor Cor(bool completo);
void Mostrar(QLabel* rotulo, bool completo);

}  // namespace StatusEntrada
