#include "entry/DesenhoEntrada.h"

#include "common/Escala.h"

#include <QFontMetrics>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>
#include <cmath>
#include <tuple>

namespace DesenhoEntrada {

QLabel* rotulo(QWidget* pai, const char* nome, const QString& texto, int x, int y, int w,
               int h)
{
    auto* l = new QLabel(texto, pai);
    l->setObjectName(QString::fromLatin1(nome));
    if (w < 0) {
        l->adjustSize();
        l->move(x, y);
    } else {
        l->setGeometry(x, y, w, h);
    }
    return l;
}

QLabel* oculto(QWidget* pai, const char* nome, const QString& texto)
{
    QLabel* l = rotulo(pai, nome, texto, 0, 0, 0, 0);
    l->hide();
    return l;
}

QLabel* indice(QWidget* pai, const char* nome, const QString& texto)
{
    QLabel* l = rotulo(pai, nome, texto, 0, 0);
    QFont f = l->font();
    f.setPointSizeF(f.pointSizeF() * 0.75);
    l->setFont(f);
    l->adjustSize();
    return l;
}

// Room left on each side of the small labels inside a run of blanks, and the
// most the blanks are ever widened by.
constexpr int kFolgaVao = 2;
constexpr int kLimiteVao = 60;

// The run is measured as drawn, in the label's own font: from the end of the
// text before it to the start of the text after it. Its blanks are widened
// until the small labels fit with room to spare, whatever font the machine
// supplies for the caption.
std::pair<int, int> abrirVao(QLabel* base, int largura)
{
    const QString t = base->text();
    int inicio = -1, tamanho = 0;
    for (int i = 0; i < t.size();) {
        if (t.at(i) != QLatin1Char(' ')) {
            ++i;
            continue;
        }
        int j = i;
        while (j < t.size() && t.at(j) == QLatin1Char(' '))
            ++j;
        if (j - i > tamanho) {
            inicio = i;
            tamanho = j - i;
        }
        i = j;
    }
    if (inicio < 0) {
        base->adjustSize();
        return {int(std::ceil(QFontMetricsF(base->font()).horizontalAdvance(t))), 0};
    }
    const auto medir = [&](const QFont& f) {
        const QFontMetricsF fm(f);
        const qreal x = fm.horizontalAdvance(t.left(inicio));
        return std::make_pair(x, fm.horizontalAdvance(t.left(inicio + tamanho)) - x);
    };
    QFont f = base->font();
    auto [x, vao] = medir(f);
    const int necessario = largura + 2 * kFolgaVao;
    for (int extra = int(f.wordSpacing()); vao < necessario && extra < kLimiteVao;) {
        f.setWordSpacing(++extra);
        std::tie(x, vao) = medir(f);
    }
    base->setFont(f);
    base->adjustSize();
    return {int(std::ceil(x)) + kFolgaVao, int(std::floor(vao)) - 2 * kFolgaVao};
}

void encaixar(QLabel* base, QLabel* acima, QLabel* abaixo, int folga)
{
    int largura = 0;
    for (QLabel* l : {acima, abaixo}) {
        if (l) {
            l->adjustSize();
            largura = std::max(largura, l->width());
        }
    }
    const int x = abrirVao(base, largura + folga).first;
    const QPoint origem = base->pos() + QPoint(x, 0);
    if (acima)
        acima->move(origem + QPoint(0, -4));
    if (abaixo)
        abaixo->move(origem + QPoint(0, base->height() - abaixo->height() + 4));
}

void fundo(QWidget* caixa, const QColor& cor)
{
    QPalette p = caixa->palette();
    for (auto g : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        p.setColor(g, QPalette::Base, cor);
    // A switched-off box stays readable on its grey: dark grey text, as the
    // system draws disabled text.
    p.setColor(QPalette::Disabled, QPalette::Text, QColor(0x6D, 0x6D, 0x6D));
    caixa->setPalette(p);
}

QPushButton* botao(QWidget* pai, const char* nome, const QString& texto, const QRect& g)
{
    auto* b = new QPushButton(texto, pai);
    b->setObjectName(QString::fromLatin1(nome));
    b->setGeometry(g);
    return b;
}

QGroupBox* moldura(QWidget* pagina, int indice, const QString& titulo, const QRect& g, QObject* filtro)
{
    auto* f = new QGroupBox(titulo, pagina);
    f->setObjectName(QStringLiteral("Frame%1").arg(indice));
    f->setGeometry(g);
    f->setMouseTracking(true);
    f->installEventFilter(filtro);
    return f;
}

QList<QRadioButton*> opcoes(QGroupBox* f, const QList<int>& numeros, int primeiroNivel, QPoint inicio,
                            int passo)
{
    QList<QRadioButton*> botoes;
    for (int k = 0; k < numeros.size(); ++k) {
        auto* o = new QRadioButton(Escala::Legenda(primeiroNivel + k), f);
        o->setObjectName(QStringLiteral("Option%1").arg(numeros[k]));
        o->move(inicio + QPoint(0, passo * k));
        o->adjustSize();
        botoes << o;
    }
    return botoes;
}

}  // namespace DesenhoEntrada
