#pragma once
// The view of one chart sheet of the open workbook, as a linked chart: each
// series a hollow bubble outlined in its colour, placed and sized by the cells
// its formulas refer to, named in the legend. Linking draws the chart anew
// from the sheet's current series and cells.
#include <QChartView>
#include <QString>

namespace Planilha {

class VisaoGrafico : public QChartView {
    Q_OBJECT
public:
    explicit VisaoGrafico(QWidget* parent = nullptr);

    // "!GrafPC" or "!GrafMP": the chart sheet shown; an unknown sheet or a
    // closed workbook shows an empty chart.
    void CreateLink(const QString& item);
    // SourceDoc and SourceItem emptied: nothing linked, an empty chart.
    void Desvincular();
    QString SourceItem() const { return m_item; }

    // Diameter in pixels of the largest bubble of a chart.
    static constexpr double DiametroMaximo = 48.0;

private:
    void Desenhar();
    QString m_item;
};

}  // namespace Planilha
