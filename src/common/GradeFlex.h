#pragma once
// A grid of texts in rows and columns, as the results window shows its
// consequence matrix and its classification: fixed header rows and columns
// drawn as headers, widths designed in twips, centred or bold cells and merged
// header cells. Texts are read back with Texto, as a test or the window does.
#include <QTableView>
#include <vector>

class ModeloFlex;

class GradeFlex : public QTableView {
    Q_OBJECT
public:
    explicit GradeFlex(QWidget* parent = nullptr);

    int Linhas() const;
    int Colunas() const;
    // A new shape empties every cell and forgets spans, centring and bold.
    void DefinirForma(int linhas, int colunas);
    void DefinirLinhas(int linhas);
    // The first rows and columns drawn as headers.
    void DefinirFixas(int linhas, int colunas);

    QString Texto(int linha, int coluna) const;
    void DefinirTexto(int linha, int coluna, const QString& texto);
    void DefinirCentralizado(int linha, int coluna);
    void DefinirNegrito(int linha, int coluna, bool negrito);
    bool Negrito(int linha, int coluna) const;
    // Cells shown as one; each keeps its own text.
    void Mesclar(int linha, int coluna, int linhas, int colunas);

    // Designed width of a column in twips. A column is never drawn narrower
    // than the longest text of the columns passed to Acomodar.
    void DefinirLarguraColuna(int coluna, int twips);
    int LarguraColuna(int coluna) const;
    void Acomodar(int coluna);
    // Designed width of the grid itself in twips.
    void DefinirLarguraTwips(int twips);

private:
    void aplicarLargura(int coluna);

    ModeloFlex* m_modelo;
    std::vector<int> m_larguras;
    std::vector<int> m_minimos;
};
