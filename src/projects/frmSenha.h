#pragma once
// The password prompt of the open dialog.
#include "common/Janelas.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

class frmSenha : public Dialogo {
    Q_OBJECT
public:
    frmSenha();

    void Command1_Click();  // "OK"
    void Text1_KeyPress(int& KeyAscii);
    // Whether the last prompt shown was answered with "OK" (its close box
    // cancels the attempt and writes nothing).
    static bool Respondida() { return s_respondida; }

    QLabel* Label1;
    QLineEdit* Text1;
    QPushButton* Command1;

protected:
    bool eventFilter(QObject* obj, QEvent* ev) override;

private:
    static inline bool s_respondida = false;
};
