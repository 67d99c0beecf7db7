#include "common/Indices.h"

#include <QFontMetricsF>
#include <QLabel>
#include <algorithm>
#include <cmath>

namespace Indices {

namespace {
// Room left on each side of the small labels inside the run.
constexpr int kFolga = 2;
// Word spacing is widened at most this far.
constexpr int kLimite = 60;
}  // namespace

std::pair<int, int> AbrirVao(QLabel* base, int largura)
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
    // The run is measured as drawn: from the end of the text before it to the
    // start of the text after it, in the label's own font.
    const auto medir = [&](const QFont& f) {
        const QFontMetricsF fm(f);
        const qreal x = fm.horizontalAdvance(t.left(inicio));
        return std::make_pair(x, fm.horizontalAdvance(t.left(inicio + tamanho)) - x);
    };
    QFont f = base->font();
    auto [x, vao] = medir(f);
    const int necessario = largura + 2 * kFolga;
    for (int extra = int(f.wordSpacing()); vao < necessario && extra < kLimite;) {
        extra += 1;
        f.setWordSpacing(extra);
        std::tie(x, vao) = medir(f);
    }
    base->setFont(f);
    base->adjustSize();
    return {int(std::ceil(x)) + kFolga, int(std::floor(vao)) - 2 * kFolga};
}

void Encaixar(QLabel* base, QLabel* acima, QLabel* abaixo)
{
    int largura = 0;
    for (QLabel* l : {acima, abaixo}) {
        if (l) {
            l->adjustSize();
            largura = std::max(largura, l->width());
        }
    }
    const int x = AbrirVao(base, largura).first;
    const QPoint origem = base->pos() + QPoint(x, 0);
    if (acima)
        acima->move(origem + QPoint(0, -4));
    if (abaixo)
        abaixo->move(origem + QPoint(0, base->height() - abaixo->height() + 4));
}

}  // namespace Indices
