#pragma once
// The workbook of the economic analysis, kept in memory: the worksheet "Plan1"
// whose cells hold text or numbers, and the chart sheets "GrafPC" and "GrafMP"
// whose series refer to cells of the worksheet by R1C1 formulas
// ("=Plan1!R3C4"), read each time the chart is drawn. Nothing is read from or
// written to a file.
#include <QColor>
#include <QHash>
#include <QPair>
#include <QString>
#include <QVariant>
#include <memory>
#include <vector>

namespace Planilha {

// A worksheet: cells addressed from row 1, column 1; an empty cell is an
// invalid QVariant.
class Folha {
public:
    explicit Folha(QString nome) : m_nome(std::move(nome)) {}
    const QString& Nome() const { return m_nome; }

    QVariant Celula(int linha, int coluna) const;
    // Text or a number; an invalid value empties the cell. Addresses outside
    // the sheet are ignored.
    void DefinirCelula(int linha, int coluna, const QVariant& valor);
    // Empties a range given in A1 form ("A3:F65000"); false when unreadable.
    bool ClearContents(const QString& intervalo);
    int CelulasOcupadas() const { return static_cast<int>(m_celulas.size()); }

    static constexpr int MaxLinhas = 65536;
    static constexpr int MaxColunas = 256;

private:
    QString m_nome;
    QHash<QPair<int, int>, QVariant> m_celulas;
};

// Excel's codes for what the chart formatting sets.
namespace Codigo {
constexpr int GraficoBolhas = 15;  // ChartType of a bubble chart
constexpr int EspessuraMedia = -4138;
constexpr int LinhaContinua = 1;
constexpr int SemPreenchimento = -4142;  // Interior.ColorIndex: no fill
}  // namespace Codigo

// One series of a chart sheet.
struct Serie {
    QString XValues, Values, Name, BubbleSizes;  // "=Plan1!R<r>C<c>"
    QColor CorInterior;                          // the colour the chart gave the series
    int IndiceCorInterior = 0;                   // SemPreenchimento: hollow
    QColor CorBorda;
    int EspessuraBorda = 2;
    int EstiloBorda = 1;
    bool Sombra = false;
    bool InvertIfNegative = false;
};

class GraficoFolha {
public:
    explicit GraficoFolha(QString nome) : m_nome(std::move(nome)) {}
    const QString& Nome() const { return m_nome; }

    int ChartType = Codigo::GraficoBolhas;

    int Quantidade() const { return static_cast<int>(m_series.size()); }
    // Series i, numbered from 1; nullptr when there is none.
    Serie* SeriesCollection(int i);
    const Serie* SeriesCollection(int i) const;
    // Deletes series i; false (an error the caller may ignore) when there is none.
    bool Delete(int i);
    // Every series deleted, errors ignored: the chart is empty.
    void ApagarSeries();
    // A new last series in the next colour of the chart's palette.
    Serie& NewSeries();
    // Series i formatted as a hollow bubble outlined in its own colour.
    void FormatarBolhaVazada(int i);

private:
    QString m_nome;
    std::vector<Serie> m_series;
};

class Pasta {
public:
    Pasta();
    Folha* Planilha(const QString& nome);
    const Folha* Planilha(const QString& nome) const;
    GraficoFolha* Grafico(const QString& nome);
    const GraficoFolha* Grafico(const QString& nome) const;
    // "Select" on a chart sheet makes it the active chart.
    GraficoFolha* Select(const QString& nome);
    GraficoFolha* ActiveChart() { return m_ativo; }

    // The value a formula "=<folha>!R<r>C<c>" refers to now; invalid when the
    // formula is unreadable or the cell empty.
    QVariant Resolver(const QString& formula) const;

private:
    Folha m_plan1;
    GraficoFolha m_grafPC, m_grafMP;
    GraficoFolha* m_ativo = nullptr;
};

// A reference to a cell of "Plan1" in R1C1 form.
QString Referencia(int linha, int coluna);

// The workbook of the running analysis.
bool ExcelAberto();
// Opens the workbook (with empty sheets) unless it is open already.
void AbreExcel();
// Closes the workbook without saving.
void FechaExcel();
Pasta* xlBook();
Folha* xlSheet();

}  // namespace Planilha
