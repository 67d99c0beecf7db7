#include "common/Figuras.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>

namespace Figuras {

namespace {

QPixmap tela(int w = 32, int h = 32)
{
    QPixmap p(w, h);
    p.fill(Qt::transparent);
    return p;
}

QPixmap lampada(const QColor& cor)
{
    QPixmap p = tela();
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    g.setPen(QPen(Qt::black, 1.5));
    g.setBrush(cor);
    g.drawEllipse(QRectF(7, 3, 18, 18));
    g.setBrush(QColor(170, 170, 170));
    g.drawRect(QRectF(12, 21, 8, 6));
    g.drawLine(QPointF(12, 24), QPointF(20, 24));
    g.drawLine(QPointF(14, 29), QPointF(18, 29));
    return p;
}

QPixmap circuloComLetra(const QColor& fundo, const QString& letra)
{
    QPixmap p = tela();
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    g.setPen(QPen(fundo.darker(150), 1.5));
    g.setBrush(fundo);
    g.drawEllipse(QRectF(2, 2, 28, 28));
    QFont f(QStringLiteral("Verdana"));
    f.setBold(true);
    f.setPixelSize(20);
    g.setFont(f);
    g.setPen(Qt::white);
    g.drawText(QRectF(2, 2, 28, 28), Qt::AlignCenter, letra);
    return p;
}

// A thick arrow pointing right.
QPixmap seta(const QPen& caneta, const QColor& cor)
{
    QPixmap p = tela(24, 24);
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    g.setPen(caneta);
    g.setBrush(cor);
    QPainterPath contorno;
    contorno.moveTo(3, 8);
    contorno.lineTo(12, 8);
    contorno.lineTo(12, 3);
    contorno.lineTo(21, 12);
    contorno.lineTo(12, 21);
    contorno.lineTo(12, 16);
    contorno.lineTo(3, 16);
    contorno.closeSubpath();
    g.drawPath(contorno);
    return p;
}

}  // namespace

const QPixmap& NovoProjeto()
{
    // A blank sheet drawn firmly, with a green plus: plainly enabled beside the
    // greyed pictures of disabled buttons.
    static const QPixmap p = [] {
        QPixmap p = tela(24, 24);
        QPainter g(&p);
        g.setRenderHint(QPainter::Antialiasing);
        g.setPen(QPen(QColor(40, 40, 40), 1.2));
        g.setBrush(Qt::white);
        g.drawPolygon(QPolygonF({QPointF(4.5, 1.5), QPointF(14.5, 1.5), QPointF(19.5, 6.5),
                                 QPointF(19.5, 22.5), QPointF(4.5, 22.5)}));
        g.setBrush(QColor(200, 200, 200));
        g.drawPolygon(QPolygonF({QPointF(14.5, 1.5), QPointF(14.5, 6.5), QPointF(19.5, 6.5)}));
        g.setPen(Qt::NoPen);
        g.setBrush(QColor(30, 150, 30));
        g.drawRect(QRectF(13, 12, 10, 4));
        g.drawRect(QRectF(16, 9, 4, 10));
        return p;
    }();
    return p;
}

const QPixmap& Avancar()
{
    static const QPixmap p = seta(QPen(QColor(0, 90, 0), 1), QColor(40, 160, 40));
    return p;
}

const QPixmap& DicaPrimeira()
{
    static const QPixmap p = lampada(QColor(255, 230, 60));
    return p;
}

const QPixmap& DicaSegunda()
{
    static const QPixmap p = lampada(QColor(255, 150, 20));
    return p;
}

const QPixmap& AjudaNormal()
{
    static const QPixmap p = circuloComLetra(QColor(40, 90, 200), QStringLiteral("?"));
    return p;
}

const QPixmap& AjudaSobre()
{
    static const QPixmap p = circuloComLetra(QColor(230, 120, 20), QStringLiteral("?"));
    return p;
}

const QPixmap& Informacao()
{
    static const QPixmap p = circuloComLetra(QColor(40, 90, 200), QStringLiteral("i"));
    return p;
}

const QPixmap& InformacaoSobre()
{
    static const QPixmap p = circuloComLetra(QColor(230, 120, 20), QStringLiteral("i"));
    return p;
}

const QPixmap& Logo()
{
    static const QPixmap p = [] {
        QPixmap p = tela(64, 64);
        QPainter g(&p);
        g.setRenderHint(QPainter::Antialiasing);
        g.setPen(Qt::NoPen);
        g.setBrush(QColor(30, 110, 190));
        QPainterPath gota;
        gota.moveTo(32, 4);
        gota.cubicTo(44, 24, 54, 34, 54, 42);
        gota.cubicTo(54, 54, 44, 62, 32, 62);
        gota.cubicTo(20, 62, 10, 54, 10, 42);
        gota.cubicTo(10, 34, 20, 24, 32, 4);
        g.drawPath(gota);
        g.setBrush(QColor(255, 255, 255, 120));
        g.drawEllipse(QRectF(20, 36, 8, 14));
        return p;
    }();
    return p;
}

const QPixmap& Ok()
{
    static const QPixmap p = [] {
        QPixmap p = tela(16, 16);
        QPainter g(&p);
        g.setRenderHint(QPainter::Antialiasing);
        g.setPen(QPen(QColor(0, 140, 0), 3));
        g.drawLine(QPointF(3, 8), QPointF(7, 12));
        g.drawLine(QPointF(7, 12), QPointF(13, 3));
        return p;
    }();
    return p;
}

const QPixmap& Falta()
{
    static const QPixmap p = [] {
        QPixmap p = tela(16, 16);
        QPainter g(&p);
        g.setRenderHint(QPainter::Antialiasing);
        g.setPen(QPen(QColor(200, 0, 0), 3));
        g.drawLine(QPointF(4, 4), QPointF(12, 12));
        g.drawLine(QPointF(12, 4), QPointF(4, 12));
        return p;
    }();
    return p;
}

const QPixmap& Marcador()
{
    static const QPixmap p = seta(Qt::NoPen, Qt::black);
    return p;
}

QPixmap Unidade(const QString& chave)
{
    // "m" with a raised exponent, then what follows it ("/s" for flows).
    QString base, expoente, resto;
    if (chave == QLatin1String("m2")) {
        base = QStringLiteral("m");
        expoente = QStringLiteral("2");
    } else if (chave == QLatin1String("m3")) {
        base = QStringLiteral("m");
        expoente = QStringLiteral("3");
        resto = QStringLiteral("/s");
    } else if (chave == QLatin1String("ano")) {
        base = QStringLiteral("Ano");
    } else {
        return QPixmap();
    }
    QPixmap p = tela(48, 24);
    QPainter g(&p);
    g.setRenderHint(QPainter::TextAntialiasing);
    QFont f(QStringLiteral("Verdana"));
    f.setPixelSize(14);
    QFont pequena = f;
    pequena.setPixelSize(9);
    g.setPen(Qt::black);
    g.setFont(f);
    const int baseLinha = 18;
    int x = 2;
    g.drawText(x, baseLinha, base);
    x += QFontMetrics(f).horizontalAdvance(base);
    if (!expoente.isEmpty()) {
        g.setFont(pequena);
        g.drawText(x, baseLinha - 7, expoente);
        x += QFontMetrics(pequena).horizontalAdvance(expoente) + 1;
    }
    if (!resto.isEmpty()) {
        g.setFont(f);
        g.drawText(x, baseLinha, resto);
    }
    return p;
}

}  // namespace Figuras
