#pragma once
// What the weightings are: the information dialog of the weighting window.
#include "common/Janelas.h"

#include <QLabel>
#include <QPushButton>
#include <QTextEdit>

class frmInformacaoPonderacao : public Dialogo {
    Q_OBJECT
public:
    frmInformacaoPonderacao();

    void Command1_Click();  // "OK"

    QLabel* Label1;
    QTextEdit* RichTextBox1;
    QPushButton* Command1;
};
