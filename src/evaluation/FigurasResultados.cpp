#include "evaluation/FigurasResultados.h"

#include <QPainter>
#include <QPainterPath>

namespace FigurasResultados {

const QPixmap& Grafico()
{
    static const QPixmap p = [] {
        QPixmap p(32, 32);
        p.fill(Qt::transparent);
        QPainter g(&p);
        g.setRenderHint(QPainter::Antialiasing);
        g.setPen(QPen(QColor(90, 90, 90), 1.5));
        g.drawLine(4, 3, 4, 28);
        g.drawLine(4, 28, 30, 28);
        g.setPen(QPen(QColor(31, 119, 180), 2.5));
        g.drawPolyline(QPolygon({QPoint(6, 22), QPoint(12, 12), QPoint(19, 18), QPoint(28, 6)}));
        g.setPen(QPen(QColor(214, 39, 40), 1.5));
        g.drawPolyline(QPolygon({QPoint(6, 17), QPoint(12, 22), QPoint(19, 10), QPoint(28, 15)}));
        return p;
    }();
    return p;
}

const QPixmap& Paginas()
{
    static const QPixmap p = [] {
        QPixmap p(32, 40);
        p.fill(Qt::transparent);
        QPainter g(&p);
        g.setRenderHint(QPainter::Antialiasing);
        QPainterPath seta;
        seta.moveTo(11, 2);
        seta.lineTo(21, 2);
        seta.lineTo(21, 22);
        seta.lineTo(29, 22);
        seta.lineTo(16, 38);
        seta.lineTo(3, 22);
        seta.lineTo(11, 22);
        seta.closeSubpath();
        g.setPen(QPen(QColor(0, 70, 160), 1.5));
        g.setBrush(QColor(60, 130, 220));
        g.drawPath(seta);
        return p;
    }();
    return p;
}

}  // namespace FigurasResultados
