#pragma once
// The open dialog: the saved projects with their details; before a project is
// opened it offers to save the project in progress and checks the project's
// password. No part of the system loads a saved project back: a granted open
// only closes the dialog.
#include "common/Banco.h"
#include "projects/PainelProjetos.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

class CaixaTextoMultilinha;

class frmAbrir : public Projetos::DialogoProjetos {
    Q_OBJECT
public:
    frmAbrir();

    void Form_Activate() override;
    void FlexAbrir_Click(int linha);
    void CommandButton1_Click();  // "Abrir"
    void CommandButton2_Click();  // "Cancelar"
    // The close box and Esc close the dialog as "Cancelar" does.
    void reject() override { CommandButton2_Click(); }

    GradeFlex* FlexAbrir;
    QLabel* Label4;
    QLabel* Label5;
    QLineEdit* Text3;
    QLabel* Label6;
    CaixaTextoMultilinha* Text4;

private:
    // The list read again; a project selected before stays selected. False,
    // told once, when it cannot be read.
    bool preencher();
    // Shows the details and takes the stored password of the first saved
    // project of that exact name; false (nothing changed) if there is none.
    bool selecionar(const QString& projeto);
    // The project in progress: saved, or left after a second question.
    // False when the user chose not to go on.
    bool tratarProjetoEmAndamento();

    Banco::ConexaoPtr m_db;
    Banco::RecordsetPtr m_rs;
    short m_numeroProjetos = 0;
    QString m_senhaGuardada;
    bool m_temSelecao = false;
};
