#pragma once
// The series dialog: which alternatives the profile chart draws. Every
// alternative is listed in the order of the consequence matrix; the names moved
// to the second list keep their lines at "OK", the others lose them. Each entry
// carries its alternative's row, so two alternatives of the same name are two
// entries and each moves on its own.
#include "common/Janelas.h"

class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;

class frmSeriesGraf : public Dialogo {
    Q_OBJECT
public:
    frmSeriesGraf();

    // An alternative of the consequence matrix added at the end of List2.
    void AdicionarAlternativa(const QString& nome, qint64 id);

    void Command1_Click();        // ">"
    void List2_DblClick();
    void Command2_Click();        // ">>"
    void Command3_Click();        // "<"
    void Command4_Click();        // "<<"
    void CommandButton1_Click();  // "OK"

    QListWidget* List1 = nullptr;
    QListWidget* List2 = nullptr;

private:
    void adicionar(const QListWidgetItem* item);
};
