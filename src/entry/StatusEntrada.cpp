#include "entry/StatusEntrada.h"

#include <QLabel>

namespace StatusEntrada {

QString Texto(bool completo)
{
    return completo ? QStringLiteral("Todos os dados foram fornecidos")
                    : QStringLiteral("Faltam alguns dados");
}

QColor Cor(bool completo)
{
    return completo ? QColor(0, 128, 0) : QColor(128, 0, 0);
}

void Mostrar(QLabel* rotulo, bool completo)
{
    if (!rotulo)
        return;
    rotulo->setText(Texto(completo));
    QPalette p = rotulo->palette();
    p.setColor(QPalette::WindowText, Cor(completo));
    rotulo->setPalette(p);
}

}  // namespace StatusEntrada
