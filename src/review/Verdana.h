#pragma once
// The review's windows are drawn in Verdana; sizes in points as designed.
#include <QFont>

inline QFont Verdana(double pontos, bool negrito = false)
{
    QFont fonte(QStringLiteral("Verdana"), -1, negrito ? QFont::Bold : QFont::Normal);
    fonte.setPointSizeF(pontos);
    return fonte;
}
