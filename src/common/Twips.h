#pragma once
// Window geometry is designed in twips; 15 twips make one pixel.
#include <QPoint>
#include <QRect>
#include <QWidget>

namespace Twips {

constexpr int PorPixel = 15;
constexpr int Px(int twips) { return twips / PorPixel; }
inline QRect Retangulo(int left, int top, int width, int height)
{
    return QRect(Px(left), Px(top), Px(width), Px(height));
}
inline void Posicionar(QWidget* w, int left, int top, int width, int height)
{
    w->setGeometry(Retangulo(left, top, width, height));
}

}  // namespace Twips
