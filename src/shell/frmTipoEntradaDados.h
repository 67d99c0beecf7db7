#pragma once
#include "common/Janelas.h"

class QLabel;
class QPushButton;
class QTextBrowser;

// The information dialog on the two data-entry orders, opened from the
// alternatives window's help icon.
class frmTipoEntradaDados : public Dialogo {
    Q_OBJECT
public:
    frmTipoEntradaDados();
    void Command1_Click();

    QLabel* Label1;
    QTextBrowser* RichTextBox1;
    QPushButton* Command1;
};
