#pragma once
#include "common/Janelas.h"

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

// The data-reuse dialog: lists the other alternatives of the project, shows the
// chosen one's value of the datum whose box asked for it, and either hands that
// value back, copies the whole criterion of that alternative into the entry
// window, or closes without change. It reads its context from the module and
// hands the value back through ValorPOP.
class frmPOP : public Dialogo {
    Q_OBJECT
public:
    frmPOP();

    void Form_Activate() override;
    void PrepararPOP(const QString& titulo, const QString& simbolo, const QString& qualificador,
                     const QString& indice, const QString& unidade, const QString& marcador,
                     const QString& campo);

    void Combo1_Click();
    void CommandButton1_Click();
    void CommandButton2_Click();
    void OptionButton1_Click();
    void OptionButton2_Click();

    // The value shown for a datum not given.
    static inline const QString SemDado = QStringLiteral(" - ");

    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QComboBox* Combo1;
    QLabel* Label4;
    QLabel* lblA;
    QLabel* lblB;
    QLabel* lblC;
    QLabel* Label5;
    QLabel* lblValor;
    QLabel* Label10;
    QLabel* m2;
    QLabel* m3;
    QLabel* ano;
    QLabel* Label6;
    QLineEdit* Text2;
    QRadioButton* OptionButton2;
    QRadioButton* OptionButton1;
    QPlainTextEdit* Text1;
    QPushButton* CommandButton1;
    QPushButton* CommandButton2;
    QFrame* Line1;
    QFrame* Line2;
    QFrame* Line3;
    QFrame* Line4;

private:
    int m_indiceLido = -1;  // the list entry whose value is shown
    QString m_valorLido;    // its datum as read (empty: none given, or none read)
};
