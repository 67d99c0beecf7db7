#include "economics/planilha/VisaoGrafico.h"

#include "economics/planilha/Planilha.h"

#include <QChart>
#include <QLegend>
#include <QLegendMarker>
#include <QLocale>
#include <QScatterSeries>
#include <QValueAxis>
#include <cmath>
#include <optional>

namespace Planilha {

namespace {

std::optional<double> numero(const QVariant& v)
{
    if (!v.isValid() || v.isNull())
        return std::nullopt;
    const int t = v.typeId();
    if (t != QMetaType::Double && t != QMetaType::Int && t != QMetaType::LongLong
        && t != QMetaType::Float)
        return std::nullopt;
    const double d = v.toDouble();
    return std::isfinite(d) ? std::optional<double>(d) : std::nullopt;
}

struct Bolha {
    QString nome;
    QColor cor;
    bool vazada = true;
    std::optional<double> x, y, tamanho;
    bool desenhada() const { return x && y && tamanho; }
};

// Axis range around the values with a margin, so that bubbles on the edge show whole.
void ajustarEixo(QValueAxis* eixo, double menor, double maior)
{
    double faixa = maior - menor;
    if (faixa < 1e-9)
        faixa = std::max(std::fabs(maior), 1.0);
    eixo->setRange(menor - 0.25 * faixa, maior + 0.25 * faixa);
    eixo->applyNiceNumbers();
}

}  // namespace

VisaoGrafico::VisaoGrafico(QWidget* parent) : QChartView(parent)
{
    setRenderHint(QPainter::Antialiasing);
    Desenhar();
}

void VisaoGrafico::CreateLink(const QString& item)
{
    m_item = item;
    Desenhar();
}

void VisaoGrafico::Desvincular()
{
    m_item.clear();
    Desenhar();
}

void VisaoGrafico::Desenhar()
{
    std::vector<Bolha> bolhas;
    const Pasta* pasta = xlBook();
    const QString nome = m_item.startsWith(QLatin1Char('!')) ? m_item.mid(1) : m_item;
    if (const GraficoFolha* g = pasta && !nome.isEmpty() ? pasta->Grafico(nome) : nullptr) {
        for (int i = 1; i <= g->Quantidade(); ++i) {
            const Serie* s = g->SeriesCollection(i);
            Bolha b;
            b.nome = pasta->Resolver(s->Name).toString();
            b.cor = s->CorBorda;
            b.vazada = s->IndiceCorInterior == Codigo::SemPreenchimento;
            b.x = numero(pasta->Resolver(s->XValues));
            b.y = numero(pasta->Resolver(s->Values));
            b.tamanho = numero(pasta->Resolver(s->BubbleSizes));
            bolhas.push_back(b);
        }
    }

    auto* grafico = new QChart();
    grafico->setLocale(QLocale());
    grafico->setLocalizeNumbers(true);
    grafico->legend()->setVisible(true);
    grafico->legend()->setAlignment(Qt::AlignRight);
    grafico->legend()->setMarkerShape(QLegend::MarkerShapeCircle);
    auto* eixoX = new QValueAxis();
    auto* eixoY = new QValueAxis();
    eixoX->setTitleText(QStringLiteral("Custo relativo"));
    eixoY->setTitleText(QStringLiteral("Performance relativa"));
    grafico->addAxis(eixoX, Qt::AlignBottom);
    grafico->addAxis(eixoY, Qt::AlignLeft);

    // The bubble's area follows its size; the largest gets the largest diameter.
    double maiorTamanho = 0;
    double xMin = 0, xMax = 0, yMin = 0, yMax = 0;
    bool algum = false;
    for (const Bolha& b : bolhas) {
        if (!b.desenhada())
            continue;
        maiorTamanho = std::max(maiorTamanho, std::fabs(*b.tamanho));
        xMin = algum ? std::min(xMin, *b.x) : *b.x;
        xMax = algum ? std::max(xMax, *b.x) : *b.x;
        yMin = algum ? std::min(yMin, *b.y) : *b.y;
        yMax = algum ? std::max(yMax, *b.y) : *b.y;
        algum = true;
    }
    for (const Bolha& b : bolhas) {
        auto* serie = new QScatterSeries();
        serie->setName(b.nome);
        serie->setMarkerShape(QScatterSeries::MarkerShapeCircle);
        serie->setPen(QPen(b.cor, 2));
        serie->setBrush(b.vazada ? QBrush(Qt::transparent) : QBrush(b.cor));
        double diametro = DiametroMaximo / 4;
        if (b.desenhada()) {
            if (maiorTamanho > 0)
                diametro = DiametroMaximo * std::sqrt(std::fabs(*b.tamanho) / maiorTamanho);
            serie->append(*b.x, *b.y);
        }
        serie->setMarkerSize(std::max(diametro, 6.0));
        grafico->addSeries(serie);
        serie->attachAxis(eixoX);
        serie->attachAxis(eixoY);
        // The legend names each bubble beside a ring of its colour.
        for (QLegendMarker* marca : grafico->legend()->markers(serie)) {
            marca->setPen(QPen(b.cor, 2));
            marca->setBrush(serie->brush());
        }
    }
    if (algum) {
        ajustarEixo(eixoX, xMin, xMax);
        ajustarEixo(eixoY, yMin, yMax);
    } else {
        eixoX->setRange(0, 2);
        eixoY->setRange(0, 2);
    }

    QChart* antigo = chart();
    setChart(grafico);
    delete antigo;
}

}  // namespace Planilha
