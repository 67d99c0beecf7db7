#pragma once
// The save dialog: the project's name, optionally a password, a responsible
// person and a description, over the list of the projects already saved. It
// only collects the values; the save writes them.
#include "common/Janelas.h"
#include "projects/PainelProjetos.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <memory>

class CaixaTextoMultilinha;

class frmSalvar : public Dialogo {
    Q_OBJECT
public:
    frmSalvar();

    void Form_Activate() override;
    void FlexSave_Click(int linha);
    void Text1_GotFocus();
    void Image3_Click();
    void CommandButton1_Click();  // "Salvar"
    void CommandButton2_Click();  // "Cancelar"

    // The close box and Esc cancel, as "Cancelar" does.
    void reject() override;

    QLabel* Label2;
    QTableWidget* FlexSave;
    QLabel* Label1;
    QLineEdit* Text1;
    QLabel* Label3;
    Projetos::IconeOpcoes* Image3;
    QGroupBox* Frame1;
    QLabel* Label4;
    QLineEdit* Text2;
    QLabel* Label5;
    QLineEdit* Text3;
    QLabel* Label6;
    CaixaTextoMultilinha* Text4;
    QPushButton* CommandButton1;
    QPushButton* CommandButton2;

protected:
    bool eventFilter(QObject* obj, QEvent* ev) override;

private:
    void entregarValores();

    std::unique_ptr<Projetos::PainelOpcoes> m_painel;
};
