#pragma once
// The deletion dialog: one of the deletable weightings is picked and, after a
// question, deleted; the weighting window then shows the table without it.
#include "common/Banco.h"
#include "common/Janelas.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

class frmApagarPon : public Dialogo {
    Q_OBJECT
public:
    frmApagarPon();

    void Form_Load() override;
    void Form_Activate() override;
    void CommandButton1_Click();  // "Apagar"
    void CommandButton2_Click();  // "Cancelar"

    QLabel* Label1;
    QComboBox* ComboBox1;
    QLineEdit* Text1;  // highest index of the deletion list, not shown
    QPushButton* CommandButton1;
    QPushButton* CommandButton2;

private:
    bool abrirTabela();
    Banco::ConexaoPtr dbPonderacao;
    Banco::RecordsetPtr rsPonderacao;
};
