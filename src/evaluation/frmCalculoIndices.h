#pragma once
// The results window: every activation evaluates all alternatives of the
// table again, fills the consequence grid, the classification and the profile
// chart, and stores each alternative's two global indices in its row. Its
// three pages (consequence matrix, classification, chart) are switched by the
// main window's status-bar panels 3 to 5; a click on the consequence matrix
// explains the clicked indicator and shows the clicked alternative's notes.
#include "common/Banco.h"
#include "common/Janelas.h"
#include "evaluation/Avaliacao.h"

#include <QPointer>

class GradeFlex;
class GraficoPerfil;
class PainelSensibilidade;
class QGroupBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QTextEdit;

class frmCalculoIndices : public Formulario {
    Q_OBJECT
public:
    frmCalculoIndices();

    void Form_Load() override;
    void Form_Unload() override;
    void Form_Activate() override;

    // What the last complete run computed and shows (no rows before the first
    // run, and after a run stopped by missing data).
    const Avaliacao::Resultado& UltimoResultado() const { return m_resultado; }

    // Whether the last run went through to the write-back of the global
    // indices, so that what the window shows and the indices stored follow
    // the data. A run that could not finish (the file held at any of its
    // statements, data missing) leaves the window out of date until a later
    // run goes through.
    bool Atual() const { return m_atual; }
    // Brings an out-of-date window up to date by running again; true when the
    // window is then up to date. Its failure is the action's, told when the
    // command ends.
    bool TornarAtual();

    // A click on the consequence matrix, on the cell at (linha, coluna); -1 for
    // a click outside the cells.
    void Flex_Click(int linha, int coluna);
    void ToggleButton1_Click();  // "Anotações" pressed or released
    void ToggleButton2_Click();  // "Indicadores" pressed or released
    void cmdAnaEco_Click();      // "Análise econômica"
    void Command1_Click();       // chart options: the series dialog

protected:
    bool eventFilter(QObject* obj, QEvent* ev) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    // Layout.
    void montarFrame1();
    void montarFrame2();
    void montarProgresso();
    void montarCabecalho();
    void montarFrame3();
    void montarFrame5();
    // Places the pages and the help panel within the window's size.
    void dispor();

    // The run, by stages.
    void executar();
    void prepararBarraStatus();
    bool pausar(const QPointer<frmCalculoIndices>& guarda);
    bool estagio(const QString& texto, const QPointer<frmCalculoIndices>& guarda);
    void avancar(double passo);
    void posicionarBarra(double valor);
    void montarFlex(const Avaliacao::Resultado& r);
    void montarFlexClass(int n);
    void mostrarCalculados(const Avaliacao::Resultado& r);
    void mostrarEscala(const Avaliacao::Resultado& r);
    void mostrarIndices(const Avaliacao::Resultado& r);
    void mostrarClassificacao(const Avaliacao::Resultado& r);
    void esvaziarGrades();
    void ocultarProgresso();
    // After every run that filled the grids: the parts of the window that
    // follow from its result.
    void aposExecucao();

    QGroupBox* Frame1 = nullptr;
    QGroupBox* Frame2 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label5 = nullptr;
    GradeFlex* Flex = nullptr;
    GradeFlex* FlexClass = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QProgressBar* ProgressBar1 = nullptr;
    QProgressBar* ProgressBar2 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Image1 = nullptr;
    QLabel* Image2 = nullptr;
    QPushButton* cmdAnaEco = nullptr;
    QPushButton* ToggleButton1 = nullptr;
    QPushButton* ToggleButton2 = nullptr;
    QGroupBox* Frame3 = nullptr;
    QTextEdit* RichTextBox1 = nullptr;
    QTextEdit* RichTextBox2 = nullptr;
    PainelSensibilidade* Frame4 = nullptr;
    QGroupBox* Frame5 = nullptr;
    GraficoPerfil* Graf = nullptr;
    QPushButton* Command1 = nullptr;

    Banco::ConexaoPtr m_db;
    Avaliacao::Resultado m_resultado;
    double m_barra = 0;
    bool m_emExecucao = false;
    bool m_atual = false;
    bool m_descarregada = false;
    // The cell of the last click on Flex.
    int m_linhaClicada = 0;
    int m_colunaClicada = 0;
};
