#pragma once
#include "common/Janelas.h"
#include "common/Percurso.h"
#include "entry/CaixaNumerica.h"

class CaixaTextoMultilinha;
class IconeAjuda;
class PortaoAvancar;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// The alternatives window: the number of alternatives, their names and notes,
// the data-entry order, and the hand-over to the weighting.
class frmInicio : public Formulario {
    Q_OBJECT
public:
    frmInicio();
    void Form_Load() override;

    void Command1_Click();        // "OK"
    void Command5_Click();        // "Anterior"
    void Command6_Click();        // "Próximo"
    void CommandButton1_Click();  // "Avançar"
    void Frame2_MouseMove();
    void Image1_Click();
    void Label44_MouseMove();
    void Text1_KeyPress(int& KeyAscii);
    void Text2_KeyPress(int& KeyAscii);
    void Text3_Change();
    void Text3_GotFocus();

    QLabel* Label6;
    QLabel* Label1;
    CaixaNumerica* Text3;
    QPushButton* Command1;
    QGroupBox* Frame1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;
    QLabel* Label5;
    QLabel* Label13;
    QLineEdit* Text1;
    QLabel* Label14;
    CaixaTextoMultilinha* Text2;
    QPushButton* Command5;
    QPushButton* Command6;
    QGroupBox* Frame2;
    QRadioButton* Option1;
    QRadioButton* Option2;
    IconeAjuda* Image1;
    QLabel* Label43;
    QLabel* Label47;
    PortaoAvancar* Portao;  // CommandButton1, Picture4, Image10, Picture3, Timer1, ...

protected:
    bool eventFilter(QObject* obj, QEvent* ev) override;

private:
    void mover(Percurso::Direcao direcao);
    void guardarNome(Banco::Recordset& rs);
    bool guardarAtual();
    void carregarAtual();
    // Records the naming flag of the alternative on show and sets the gate.
    bool avaliarAtual();
    void recusarNumero(const QString& texto);

    bool m_numeroAceito = false;  // an "OK" has created the rows of this project
};
