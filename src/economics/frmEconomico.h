#pragma once
// The economic-analysis window: the analysis parameters, each chosen
// alternative's costs, useful life and estimate error entered one alternative
// at a time, and the run that fills the cost grid and the workbook.
#include "common/Janelas.h"

#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>

class frmEconomico : public Formulario {
    Q_OBJECT
public:
    frmEconomico();

    void Form_Load() override;
    void Form_Activate() override;
    void Form_Unload() override;

    void cmdFor_Click();      // ">>"
    void cmdBack_Click();     // "<<"
    void cmdAnalise_Click();  // "Fazer análise"
    void cmdGraf_Click();     // "Ver gráfico"
    void cmdNumAlt_Click();   // "Alterar nº de alternativas"
    void cmdVoltar_Click();   // "Voltar" / "OK"
    void txtVidaUtil_Change();
    // Every chosen alternative has its costs and useful life: the one on show
    // as its boxes hold them, the others as their rows were last read. Nothing
    // is read from the file, so the gate is judged while the user types even
    // when another program holds the file.
    bool VerificaECO() const;
    // The first of the shown alternative's cost and useful-life boxes that is
    // empty or 0 (0 .. 3), -1 when none is.
    int CaixaQueFalta() const;
    void VerII();

    QLabel* Label1;
    QGroupBox *Frame1, *Frame2, *Frame3;
    QLabel *Label6, *Label5, *Label8, *Label2, *Label3, *Label4, *Label7, *Label17;
    QLineEdit *txtTaxa, *txtTempoBase, *txtAlternativa;
    QLineEdit *txtCustoImplantacao, *txtCustoManutencao, *txtCustoOperacao, *txtVidaUtil, *txtErroEco;
    QPushButton *cmdBack, *cmdFor, *cmdAnalise, *cmdGraf, *cmdNumAlt, *cmdVoltar;
    QTableWidget* flexECO;
    QLabel *Label9, *Label10, *Label11, *Label12, *Label13, *Label14, *Label15, *Label16;

private:
    // The values a store writes for the shown alternative, in the order
    // CustoImplantacao, CustoOperacao, CustoManutencao, VidaUtil, ErroEco.
    struct Valores {
        double v[5] = {0, 0, 0, 0, 0};
    };
    // The boxes read as a store reads them (an empty box is 0). False, with
    // the box's label in campo, when a box does not hold a number.
    bool LerCaixas(Valores* valores, QString* campo) const;
    // The move's store, without moving: false (after a message) when a box
    // does not hold a number or the row could not be written.
    bool Armazenar();
    void Mover(bool adiante);
    void MostrarLinha();
    // The inputs of a run, checked; false after a message naming the field.
    bool Validar(int* tempoBase, double* taxa);
    void Executar(int tempoBase, double taxa);
    void EstadoResultados(bool resultados);

    // Reads the chosen alternatives' rows anew into m_completas; false when
    // the table could not be read.
    bool LerEscolhidas();

    bool m_temLinha = false;  // a chosen alternative is on show
    bool m_naoLida = false;   // the table could not be read when the window loaded
    // The chosen alternatives as their rows were last read or stored by this
    // window (nothing else writes them while it is shown): whether each has
    // its costs and useful life, by row.
    QHash<qint64, bool> m_completas;
};
