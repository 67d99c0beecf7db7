#include "evaluation/PainelSensibilidade.h"

#include "common/GradeFlex.h"
#include "common/Twips.h"
#include "evaluation/FonteResultados.h"

#include <QHeaderView>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include <functional>

namespace {

// A picture or caption that answers a click.
class Clicavel : public QLabel {
public:
    Clicavel(std::function<void()> aoClicar, QWidget* parent) : QLabel(parent), m_aoClicar(std::move(aoClicar))
    {
        setCursor(Qt::PointingHandCursor);
    }

protected:
    void mousePressEvent(QMouseEvent* e) override
    {
        if (e->button() == Qt::LeftButton && m_aoClicar)
            m_aoClicar();
    }

private:
    std::function<void()> m_aoClicar;
};

constexpr int kLarguraAba = 1500, kAlturaAba = 375, kBotao = 375;

QPixmap figuraAba(bool selecionada)
{
    QPixmap p(Twips::Px(kLarguraAba), Twips::Px(kAlturaAba));
    p.fill(Qt::transparent);
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    QPainterPath forma;
    forma.addRoundedRect(QRectF(0.5, 0.5, p.width() - 1, p.height() + 6), 5, 5);
    g.setClipRect(p.rect());
    g.fillPath(forma, selecionada ? QColor(255, 255, 255) : QColor(212, 208, 200));
    g.setPen(QColor(128, 128, 128));
    g.drawPath(forma);
    return p;
}

// The first button stands for the larger step (a double arrow), the second for
// the smaller (a single one); the selected one is lit.
QPixmap figuraBotao(bool primeiro, bool selecionado)
{
    const int lado = Twips::Px(kBotao);
    QPixmap p(lado, lado);
    p.fill(Qt::transparent);
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    g.setPen(QColor(96, 96, 96));
    g.setBrush(selecionado ? QColor(0, 90, 200) : QColor(212, 208, 200));
    g.drawEllipse(QRectF(0.5, 0.5, lado - 1, lado - 1));
    g.setPen(QPen(selecionado ? Qt::white : QColor(64, 64, 64), 2));
    const double meio = lado / 2.0;
    auto seta = [&](double x) {
        g.drawLine(QPointF(x - 2, meio - 4), QPointF(x + 2, meio));
        g.drawLine(QPointF(x + 2, meio), QPointF(x - 2, meio + 4));
    };
    if (primeiro) {
        seta(meio - 2);
        seta(meio + 3);
    } else {
        seta(meio + 0.5);
    }
    return p;
}

const QString kLegendas[5][2] = {
    {},
    {QStringLiteral("Redução de 2 pontos no peso do indicador"),
     QStringLiteral("Redução de 1 ponto no peso do indicador")},
    {QStringLiteral("Aumento de 2 pontos no peso do indicador"),
     QStringLiteral("Aumento de 1 ponto no peso do indicador")},
    {QStringLiteral("Redução de 2 pontos ou 20% nos valores dos indicadores para a solução de base"),
     QStringLiteral("Redução de 1 ponto ou 10% nos valores dos indicadores para a solução de base")},
    {QStringLiteral("Aumento de 1 ponto no peso do indicador"),
     QStringLiteral("Aumento de 0,5 ponto no peso do indicador")},
};

}  // namespace

PainelSensibilidade::PainelSensibilidade(QWidget* parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("Frame4"));
    setFrameStyle(QFrame::Box | QFrame::Sunken);
    Twips::Posicionar(this, 240, 1320, 10935, 5535);

    auto nomear = [](QWidget* w, const QString& nome, int l, int t, int largura, int altura) {
        w->setObjectName(nome);
        Twips::Posicionar(w, l, t, largura, altura);
    };
    using FonteResultados::Verdana;

    auto* Label6 = new QLabel(QStringLiteral("Análises de Sensibilidade: (480)"), this);
    nomear(Label6, QStringLiteral("Label6"), 240, 180, 6000, 300);
    Label6->setFont(Verdana(10, true));

    // The source pictures, never shown themselves.
    auto fonteFigura = [&](QLabel*& rotulo, const char* nome, const QPixmap& figura) {
        rotulo = new QLabel(this);
        rotulo->setObjectName(QString::fromLatin1(nome));
        rotulo->setPixmap(figura);
        rotulo->hide();
    };
    fonteFigura(Image7, "Image7", figuraAba(true));
    fonteFigura(Image8, "Image8", figuraAba(false));
    fonteFigura(Image17, "Image17", figuraBotao(true, true));
    fonteFigura(Image18, "Image18", figuraBotao(true, false));
    fonteFigura(Image19, "Image19", figuraBotao(false, true));
    fonteFigura(Image20, "Image20", figuraBotao(false, false));

    // Decoration: the line under the tabs and the box around the variants.
    auto linha = [&](int n, int l, int t, int largura, int altura) {
        auto* f = new QFrame(this);
        f->setObjectName(QStringLiteral("Line%1").arg(n));
        f->setFrameStyle(QFrame::NoFrame);
        f->setAutoFillBackground(true);
        QPalette p = f->palette();
        p.setColor(QPalette::Window, QColor(128, 128, 128));
        f->setPalette(p);
        f->setGeometry(Twips::Px(l), Twips::Px(t), qMax(1, Twips::Px(largura)), qMax(1, Twips::Px(altura)));
    };
    const int baseAbas = 600 + kAlturaAba;
    linha(5, 120, baseAbas, 10695, 0);
    linha(6, 120, baseAbas, 0, 4300);
    linha(7, 10815, baseAbas, 0, 4300);
    linha(8, 120, baseAbas + 4300, 10695, 0);
    linha(9, 240, 1620, 10455, 0);
    for (int k = 1; k <= 4; ++k)  // the short rules between the tabs
        linha(9 + k, 240 + k * (kLarguraAba + 60) - 30, 660, 0, kAlturaAba - 60);

    for (int k = 1; k <= 4; ++k) {
        const int esquerda = 240 + (k - 1) * (kLarguraAba + 60);
        auto* fundo = new QLabel(this);
        nomear(fundo, QStringLiteral("Image%1").arg(k + 2), esquerda, 600, kLarguraAba, kAlturaAba);
        fundo->setPixmap(Image8->pixmap());
        m_fundos[k] = fundo;

        auto* aba = new Clicavel([this, k] { Aba(k); }, this);
        aba->setText(QStringLiteral("Análise %1").arg(k));
        aba->setAlignment(Qt::AlignCenter);
        aba->setFont(Verdana(8, true));
        nomear(aba, QStringLiteral("lblAnalise%1").arg(k), esquerda, 600, kLarguraAba, kAlturaAba);
        m_abas[k] = aba;

        auto* primeiro = new Clicavel([this, k] { Variante(k, true); }, this);
        nomear(primeiro, QStringLiteral("Image%1").arg(7 + 2 * k), 240, 1140, kBotao, kBotao);
        primeiro->setPixmap(Image18->pixmap());
        primeiro->hide();
        m_primeiro[k] = primeiro;
        auto* segundo = new Clicavel([this, k] { Variante(k, false); }, this);
        nomear(segundo, QStringLiteral("Image%1").arg(8 + 2 * k), 720, 1140, kBotao, kBotao);
        segundo->setPixmap(Image20->pixmap());
        segundo->hide();
        m_segundo[k] = segundo;

        auto* legenda = new QLabel(this);
        nomear(legenda, QStringLiteral("Label%1").arg(6 + k), 1260, 1200, 9435, 300);
        legenda->setFont(Verdana(8, false));
        legenda->hide();
        m_legendas[k] = legenda;

        for (int v = 1; v <= 2; ++v) {
            // An empty grid: one header row and one header column, no texts.
            auto* grade = new GradeFlex(this);
            nomear(grade, QStringLiteral("FlexANA%1%2").arg(k).arg(v), 240, 1740, 10455, 3480);
            grade->DefinirForma(2, 2);
            grade->hide();
            m_grades[k][v] = grade;
        }
    }
    hide();  // no control of the window brings the panel into view
    // A tab caption over its background.
    for (int k = 1; k <= 4; ++k)
        m_abas[k]->raise();
}

void PainelSensibilidade::Variante(int analise, bool primeiro)
{
    m_primeiro[analise]->setPixmap((primeiro ? Image17 : Image18)->pixmap());
    m_segundo[analise]->setPixmap((primeiro ? Image20 : Image19)->pixmap());
    // The first button shows variant 2, the second variant 1.
    GradeFlex* mostrada = m_grades[analise][primeiro ? 2 : 1];
    for (int k = 1; k <= 4; ++k)
        for (int v = 1; v <= 2; ++v)
            m_grades[k][v]->setVisible(m_grades[k][v] == mostrada);
    m_legendas[analise]->setText(kLegendas[analise][primeiro ? 0 : 1]);
}

void PainelSensibilidade::Aba(int analise)
{
    for (int k = 1; k <= 4; ++k) {
        QPalette p = m_abas[k]->palette();
        p.setColor(QPalette::WindowText, k == analise ? QColor(0, 0, 255) : palette().color(QPalette::WindowText));
        m_abas[k]->setPalette(p);
    }
    Variante(analise, true);
    for (int k = 1; k <= 4; ++k) {
        m_fundos[k]->setPixmap((k == analise ? Image7 : Image8)->pixmap());
        m_primeiro[k]->setVisible(k == analise);
        m_segundo[k]->setVisible(k == analise);
        m_legendas[k]->setVisible(k == analise);
    }
}

