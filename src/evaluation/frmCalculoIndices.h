#pragma once
// The results window: every activation evaluates all alternatives of the
// table again, fills the consequence grid and the classification, and stores
// each alternative's two global indices in its row.
#include "common/Banco.h"
#include "common/Janelas.h"
#include "evaluation/Avaliacao.h"

#include <QPointer>

class GradeFlex;
class QGroupBox;
class QLabel;
class QProgressBar;

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
    bool EmExecucao() const { return m_emExecucao; }

private:
    // Layout.
    void montarFrame1();
    void montarFrame2();
    void montarProgresso();

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

    Banco::ConexaoPtr m_db;
    Avaliacao::Resultado m_resultado;
    double m_barra = 0;
    bool m_emExecucao = false;
    bool m_descarregada = false;
};
