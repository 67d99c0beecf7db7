#pragma once
// The profile chart of the results window: one line per alternative across the
// thirteen indicators, each taken back to the range -1..1; the leader of the
// compromise-programming ranking drawn heaviest, the runner-up a little less.
// Series follow the alternatives' rows: a line hidden through the series dialog
// stays hidden after the chart is filled again, while its alternative exists.
#include <QSet>
#include <QWidget>
#include <QString>
#include <QStringList>
#include <array>
#include <vector>

class QChart;
class QChartView;
class QLineSeries;
class QListWidget;
class QValueAxis;

// The chart and, beside it, its legend: one entry per line in grid order, as
// long a list as there are alternatives (it scrolls), each name in full in its
// tool tip.
class GraficoPerfil : public QWidget {
    Q_OBJECT
public:
    // One row of the consequence grid: the alternative's row in the table, its
    // name and its thirteen values on the chart's scale (-1..1).
    struct Alternativa {
        qint64 id = 0;
        QString nome;
        std::array<double, 13> valores{};
    };
    // A line as drawn: pen width in points.
    struct Linha {
        qint64 id = 0;
        QString nome;
        std::array<double, 13> valores{};
        double larguraPontos = 1.0;
    };

    // The lines in grid order; ordemPC holds the rows in the order of the
    // compromise-programming ranking (leader first).
    static std::vector<Linha> Montar(const std::vector<Alternativa>& alternativas,
                                     const std::vector<qint64>& ordemPC);

    explicit GraficoPerfil(QWidget* parent = nullptr);

    // Draws the lines anew; indicadores are the thirteen category labels. The
    // drawing itself waits until the chart is shown or asked about, so that a
    // run does not pay for a page the user is not looking at.
    void Preencher(const QStringList& indicadores, const std::vector<Alternativa>& alternativas,
                   const std::vector<qint64>& ordemPC);

    QChart* Grafico() const;
    // The legend's entries, in order.
    QStringList Legenda() const;

    // No lines at all (a run that found data missing); lines hidden by the user
    // stay hidden when the chart is filled again.
    void Esvaziar();

    // Series 1..Series(), in legend order.
    int Series() const;
    QLineSeries* Serie(int i) const;
    qint64 IdDaSerie(int i) const;
    QString TextoLegenda(int i) const;
    // The line of series i shown or hidden; its legend entry stays either way.
    void MostrarLinha(int i, bool mostrar);
    bool LinhaVisivel(int i) const;

protected:
    void resizeEvent(QResizeEvent* e) override;
    void showEvent(QShowEvent* e) override;

private:
    void Desenhar();
    // The lines given to the last Preencher, drawn if they are not yet.
    void Garantir() const;
    // The value axis a little beyond -1 and 1, just enough for the markers of
    // those values to be drawn whole inside the plot; its ticks still run
    // from -1 to 1.
    void AjustarEscala();

    struct Desenhada {
        qint64 id;
        QLineSeries* serie;
    };
    QChartView* m_vista;
    QListWidget* m_legenda;
    QValueAxis* m_valores = nullptr;
    double m_raioMarcador = 0;  // pixels, of the heaviest line's markers
    std::vector<Desenhada> m_series;
    QSet<qint64> m_ocultas;  // rows whose line the user hid
    // What the last Preencher gave, until it is drawn.
    QStringList m_indicadores;
    std::vector<Alternativa> m_alternativas;
    std::vector<qint64> m_ordemPC;
    bool m_pendente = false;
};
