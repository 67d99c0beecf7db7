#pragma once
// The save dialog: the project's name, optionally a password, a responsible
// person and a description, over the list of the projects already saved. It
// only collects the values; the save writes them.
#include "projects/PainelProjetos.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

class CaixaTextoMultilinha;

class frmSalvar : public Projetos::DialogoProjetos {
    Q_OBJECT
public:
    frmSalvar();

    void Form_Activate() override;
    void FlexSave_Click(int linha);
    void Text1_GotFocus();
    void CommandButton1_Click();  // "Salvar"
    void CommandButton2_Click();  // "Cancelar"

    // The close box and Esc cancel, as "Cancelar" does.
    void reject() override;

    GradeFlex* FlexSave;
    QLineEdit* Text1;
    QLabel* Label4;
    QLineEdit* Text2;
    QLabel* Label5;
    QLineEdit* Text3;
    QLabel* Label6;
    CaixaTextoMultilinha* Text4;

protected:
    bool eventFilter(QObject* obj, QEvent* ev) override;

private:
    void entregarValores();
};
