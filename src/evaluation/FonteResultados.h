#pragma once
// The face of the results window, its chart and dialogs: Verdana at a size.
#include <QFont>

namespace FonteResultados {

inline QFont Verdana(int pontos, bool negrito = false)
{
    QFont f(QStringLiteral("Verdana"));
    f.setPointSize(pontos);
    f.setBold(negrito);
    return f;
}

}  // namespace FonteResultados
