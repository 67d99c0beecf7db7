#pragma once
// The alternatives chooser: which alternatives take part in the economic
// analysis. Each list entry carries its row, so with repeated names exactly
// the rows chosen are marked. Its OK opens the economic window anew.
#include "common/Janelas.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

class frmAltEco : public Dialogo {
    Q_OBJECT
public:
    frmAltEco();

    void Form_Load() override;
    void Form_Activate() override;
    void Command1_Click();  // ">"
    void Command2_Click();  // ">>"
    void Command3_Click();  // "<"
    void Command4_Click();  // "<<"
    void List1_Click();
    void List2_DblClick();
    void cmdOK_Click();
    void VerList1();

    QLabel *Label3, *Label1, *Label2, *Image21;
    QListWidget *List2, *List1;
    QPushButton *Command1, *Command2, *Command3, *Command4, *cmdOK;

protected:
    // Without a caption there is no closing but OK: Esc does nothing.
    void reject() override {}

private:
    void Escolher(const QListWidgetItem* item);

    bool m_naoLida = false;  // the names could not be read: the dialog does not open
};
