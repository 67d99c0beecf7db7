#include "common/Figuras.h"

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

namespace Figuras {

namespace {

// The status marks of a datum, given or missing: grey, so that they tell
// without standing out.
const QColor CinzaMarca(110, 110, 110);

QPixmap tela(int w = 32, int h = 32)
{
    QPixmap p(w, h);
    p.fill(Qt::transparent);
    return p;
}

// A light bulb, lit (yellow glass, a glowing filament and rays around it)
// or unlit (grey glass, a cold filament): the two pictures of the blinking
// hint, drawn alike so that only the light changes.
QPixmap lampada(bool acesa)
{
    QPixmap p = tela();
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    const QPointF centro(16, 13);
    const qreal raio = 8;
    if (acesa) {
        g.setPen(QPen(QColor(255, 160, 0), 1.6, Qt::SolidLine, Qt::RoundCap));
        for (int grau : {0, 30, 60, 90, 120, 150, 180}) {
            const QLineF raioLuz = QLineF::fromPolar(13, grau).translated(centro);
            g.drawLine(QLineF(centro, raioLuz.p2()).pointAt(10.5 / 13), raioLuz.p2());
        }
    }
    QPainterPath vidro;
    vidro.moveTo(12.5, 23);
    vidro.cubicTo(12.5, 19, 8, 17.5, 8, 13);
    vidro.arcTo(QRectF(centro.x() - raio, centro.y() - raio, 2 * raio, 2 * raio), 180, -180);
    vidro.cubicTo(24, 17.5, 19.5, 19, 19.5, 23);
    vidro.closeSubpath();
    QRadialGradient luz(centro - QPointF(2, 2), raio + 4);
    luz.setColorAt(0, acesa ? QColor(255, 255, 210) : QColor(250, 250, 250));
    luz.setColorAt(1, acesa ? QColor(255, 205, 0) : QColor(175, 175, 175));
    g.setPen(QPen(acesa ? QColor(160, 110, 0) : QColor(100, 100, 100), 1.2));
    g.setBrush(luz);
    g.drawPath(vidro);
    g.setBrush(Qt::NoBrush);
    g.setPen(QPen(acesa ? QColor(215, 80, 0) : QColor(120, 120, 120), 1.1));
    g.drawPolyline(QPolygonF({QPointF(14, 22), QPointF(14, 15), QPointF(15, 13), QPointF(16, 15),
                              QPointF(17, 13), QPointF(18, 15), QPointF(18, 22)}));
    // The screw cap, the same on both.
    g.setPen(QPen(QColor(70, 70, 70), 1));
    g.setBrush(QColor(170, 170, 170));
    g.drawRoundedRect(QRectF(12, 23, 8, 5), 1, 1);
    g.drawLine(QPointF(12, 25.5), QPointF(20, 25.5));
    g.setBrush(QColor(70, 70, 70));
    g.drawRoundedRect(QRectF(14, 28, 4, 2), 1, 1);
    return p;
}

// A letter i in a speech balloon: dark letter on white, or, under the mouse,
// the colours turned round.
QPixmap balaoComLetraI(bool sobre)
{
    const QColor azul(40, 90, 200);
    QPixmap p = tela();
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    QPainterPath balao;
    balao.addRoundedRect(QRectF(2, 2, 28, 21), 7, 7);
    QPainterPath ponta;
    ponta.moveTo(8, 20);
    ponta.lineTo(5, 30);
    ponta.lineTo(16, 21);
    ponta.closeSubpath();
    balao = balao.united(ponta).simplified();
    g.setPen(QPen(sobre ? azul.darker(140) : azul, 1.5));
    g.setBrush(sobre ? azul : QColor(Qt::white));
    g.drawPath(balao);
    // The letter drawn, not typeset, so it looks the same whatever fonts the
    // machine has: a dot, a stem with a serif on top and a foot.
    g.setPen(Qt::NoPen);
    g.setBrush(sobre ? QColor(Qt::white) : azul);
    g.drawEllipse(QPointF(16.5, 6.8), 2.2, 2.2);
    g.drawRects(QList<QRectF>{QRectF(15, 10.5, 3.2, 8.5), QRectF(13, 10.5, 2.5, 1.6),
                              QRectF(12.8, 17.6, 7.6, 1.8)});
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
    static const QPixmap p = lampada(true);
    return p;
}

const QPixmap& DicaSegunda()
{
    static const QPixmap p = lampada(false);
    return p;
}

const QPixmap& AjudaNormal()
{
    static const QPixmap p = balaoComLetraI(false);
    return p;
}

const QPixmap& AjudaSobre()
{
    static const QPixmap p = balaoComLetraI(true);
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
        g.setPen(QPen(CinzaMarca, 3, Qt::SolidLine, Qt::RoundCap));
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
        g.setPen(QPen(CinzaMarca, 3, Qt::SolidLine, Qt::RoundCap));
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

QPixmap Desbotada(const QPixmap& p)
{
    QImage im = p.toImage().convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < im.height(); ++y) {
        auto* linha = reinterpret_cast<QRgb*>(im.scanLine(y));
        for (int x = 0; x < im.width(); ++x) {
            // Black comes out a light grey; every line shows through the bar.
            const int cinza = 255 - (255 - qGray(linha[x])) * 2 / 5;
            linha[x] = qRgba(cinza, cinza, cinza, qAlpha(linha[x]) * 3 / 5);
        }
    }
    QPixmap r = QPixmap::fromImage(im);
    r.setDevicePixelRatio(p.devicePixelRatio());
    return r;
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
