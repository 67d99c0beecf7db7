#include "evaluation/FigurasResultados.h"

#include "common/Figuras.h"

#include <QPainter>
#include <QTransform>

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
    // The system's arrow, turned to point down.
    static const QPixmap p = Figuras::Marcador().transformed(QTransform().rotate(90), Qt::SmoothTransformation);
    return p;
}

}  // namespace FigurasResultados
