#include "evaluation/GraficoPerfil.h"

#include "evaluation/FonteResultados.h"

#include <QBarCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QGraphicsLayout>
#include <QHBoxLayout>
#include <QLegend>
#include <QLineSeries>
#include <QListWidget>
#include <QPainter>
#include <QValueAxis>

#include <algorithm>

namespace {

using FonteResultados::Verdana;

// Well-separated colours, whatever the number of lines.
QColor cor(int i)
{
    static const QColor base[] = {
        QColor(31, 119, 180), QColor(214, 39, 40),  QColor(44, 160, 44),  QColor(255, 127, 14),
        QColor(148, 103, 189), QColor(140, 86, 75), QColor(227, 119, 194), QColor(23, 190, 207),
        QColor(188, 189, 34),  QColor(0, 0, 128),   QColor(128, 0, 0),    QColor(0, 100, 0),
    };
    constexpr int n = sizeof(base) / sizeof(base[0]);
    QColor c = base[i % n];
    if (i >= n)  // a second and third round lighter and darker
        c = (i / n) % 2 ? c.lighter(140) : c.darker(140);
    return c;
}

}  // namespace

std::vector<GraficoPerfil::Linha> GraficoPerfil::Montar(const std::vector<Alternativa>& alternativas,
                                                       const std::vector<qint64>& ordemPC)
{
    const qint64 lider = ordemPC.size() > 0 ? ordemPC[0] : 0;
    const qint64 segundo = ordemPC.size() > 1 ? ordemPC[1] : 0;
    std::vector<Linha> series;
    series.reserve(alternativas.size());
    for (const Alternativa& a : alternativas) {
        Linha s;
        s.id = a.id;
        s.nome = a.nome;
        s.valores = a.valores;
        s.larguraPontos = a.id == lider ? 2.5 : a.id == segundo ? 1.5 : 1.0;
        series.push_back(s);
    }
    return series;
}

GraficoPerfil::GraficoPerfil(QWidget* parent)
    : QWidget(parent), m_vista(new QChartView(this)), m_legenda(new QListWidget(this))
{
    setObjectName(QStringLiteral("Graf"));
    m_vista->setRenderHint(QPainter::Antialiasing);
    auto* grafico = new QChart();
    grafico->setTitle(QStringLiteral("Análise Gráfica das Alternativas"));
    grafico->setTitleFont(Verdana(10, true));
    grafico->legend()->hide();
    grafico->layout()->setContentsMargins(0, 0, 0, 0);
    grafico->setMargins(QMargins(6, 6, 6, 6));
    grafico->setBackgroundRoundness(0);
    // Axis numbers with the locale's decimal separator.
    grafico->setLocalizeNumbers(true);
    m_vista->setChart(grafico);
    connect(grafico, &QChart::plotAreaChanged, this, &GraficoPerfil::AjustarEscala);

    m_legenda->setObjectName(QStringLiteral("Legenda"));
    m_legenda->setFont(Verdana(8));
    m_legenda->setSelectionMode(QAbstractItemView::NoSelection);
    m_legenda->setFocusPolicy(Qt::NoFocus);
    m_legenda->setTextElideMode(Qt::ElideRight);
    m_legenda->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* disposicao = new QHBoxLayout(this);
    disposicao->setContentsMargins(0, 0, 0, 0);
    disposicao->setSpacing(4);
    disposicao->addWidget(m_vista, 1);
    disposicao->addWidget(m_legenda);
}

void GraficoPerfil::resizeEvent(QResizeEvent* e)
{
    // The plot keeps room for the thirteen indicator codes.
    m_legenda->setFixedWidth(std::clamp(width() / 5, 110, 200));
    QWidget::resizeEvent(e);
}

QChart* GraficoPerfil::Grafico() const
{
    return m_vista->chart();
}

QStringList GraficoPerfil::Legenda() const
{
    Garantir();
    QStringList textos;
    for (int i = 0; i < m_legenda->count(); ++i)
        textos << m_legenda->item(i)->text();
    return textos;
}

void GraficoPerfil::Preencher(const QStringList& indicadores, const std::vector<Alternativa>& alternativas,
                              const std::vector<qint64>& ordemPC)
{
    Esvaziar();
    // Rows that no longer exist forget that they were hidden.
    QSet<qint64> existentes;
    for (const Alternativa& a : alternativas)
        existentes.insert(a.id);
    m_ocultas.intersect(existentes);
    m_indicadores = indicadores;
    m_alternativas = alternativas;
    m_ordemPC = ordemPC;
    m_pendente = true;
    if (isVisible())
        Desenhar();
}

void GraficoPerfil::showEvent(QShowEvent* e)
{
    if (m_pendente)
        Desenhar();
    QWidget::showEvent(e);
}

void GraficoPerfil::Garantir() const
{
    if (m_pendente)
        const_cast<GraficoPerfil*>(this)->Desenhar();
}

int GraficoPerfil::Series() const
{
    Garantir();
    return static_cast<int>(m_series.size());
}

void GraficoPerfil::Desenhar()
{
    m_pendente = false;
    const QStringList& indicadores = m_indicadores;
    const std::vector<Alternativa>& alternativas = m_alternativas;
    const std::vector<qint64>& ordemPC = m_ordemPC;
    QChart* grafico = Grafico();
    m_valores = nullptr;
    for (QAbstractAxis* eixo : grafico->axes()) {
        grafico->removeAxis(eixo);
        delete eixo;
    }
    auto* categorias = new QBarCategoryAxis();
    categorias->append(indicadores);
    categorias->setTitleText(QStringLiteral("Indicadores"));
    categorias->setTitleFont(Verdana(8, true));
    categorias->setLabelsFont(Verdana(7));
    auto* valores = new QValueAxis();
    valores->setRange(-1.0, 1.0);
    valores->setTickType(QValueAxis::TicksDynamic);
    valores->setTickAnchor(0.0);
    valores->setTickInterval(0.25);
    valores->setLabelFormat(QStringLiteral("%.2f"));
    valores->setLabelsFont(Verdana(8));
    grafico->addAxis(categorias, Qt::AlignBottom);
    grafico->addAxis(valores, Qt::AlignLeft);
    m_valores = valores;
    m_raioMarcador = 0;

    const double pxPorPonto = logicalDpiY() / 72.0;
    int i = 0;
    for (const Linha& s : Montar(alternativas, ordemPC)) {
        auto* linha = new QLineSeries();
        linha->setName(s.nome);
        for (int j = 0; j < 13; ++j)
            linha->append(j, s.valores[static_cast<size_t>(j)]);
        QPen caneta(cor(i++));
        caneta.setWidthF(s.larguraPontos * pxPorPonto);
        linha->setPen(caneta);
        // A line's markers are three times as wide as the line.
        m_raioMarcador = std::max(m_raioMarcador, 1.5 * caneta.widthF() + 1);
        QPixmap amostra(18, 12);
        amostra.fill(Qt::transparent);
        QPainter(&amostra).fillRect(QRectF(0, 6 - caneta.widthF() / 2, 18, caneta.widthF()), caneta.color());
        auto* entrada = new QListWidgetItem(QIcon(amostra), s.nome, m_legenda);
        entrada->setToolTip(s.nome);
        linha->setPointsVisible(true);
        grafico->addSeries(linha);
        linha->attachAxis(categorias);
        linha->attachAxis(valores);
        m_series.push_back({s.id, linha});
        if (m_ocultas.contains(s.id))
            MostrarLinha(Series(), false);
    }
    AjustarEscala();
}

void GraficoPerfil::AjustarEscala()
{
    if (!m_valores)
        return;
    // The margin m beyond 1 (and -1) takes the marker's radius r: on a plot
    // of height h spanning 2 (1 + m), m h / (2 (1 + m)) >= r.
    const double h = Grafico()->plotArea().height();
    const double r = m_raioMarcador;
    const double margem = h > 4 * r ? 2 * r / (h - 2 * r) : 0.0;
    if (!qFuzzyCompare(m_valores->max(), 1.0 + margem))
        m_valores->setRange(-1.0 - margem, 1.0 + margem);
}

void GraficoPerfil::Esvaziar()
{
    m_pendente = false;
    m_alternativas.clear();
    m_raioMarcador = 0;
    Grafico()->removeAllSeries();
    m_series.clear();
    m_legenda->clear();
}

QLineSeries* GraficoPerfil::Serie(int i) const
{
    Garantir();
    return i >= 1 && i <= Series() ? m_series[static_cast<size_t>(i - 1)].serie : nullptr;
}

qint64 GraficoPerfil::IdDaSerie(int i) const
{
    Garantir();
    return i >= 1 && i <= Series() ? m_series[static_cast<size_t>(i - 1)].id : 0;
}

QString GraficoPerfil::TextoLegenda(int i) const
{
    QLineSeries* s = Serie(i);
    return s ? s->name() : QString();
}

void GraficoPerfil::MostrarLinha(int i, bool mostrar)
{
    QLineSeries* s = Serie(i);
    if (!s)
        return;
    s->setVisible(mostrar);
    // The legend entry stays, dimmed while the line is hidden.
    if (QListWidgetItem* entrada = m_legenda->item(i - 1))
        entrada->setForeground(mostrar ? palette().text() : palette().brush(QPalette::Disabled, QPalette::Text));
    if (mostrar)
        m_ocultas.remove(IdDaSerie(i));
    else
        m_ocultas.insert(IdDaSerie(i));
}

bool GraficoPerfil::LinhaVisivel(int i) const
{
    QLineSeries* s = Serie(i);
    return s && s->isVisible();
}
