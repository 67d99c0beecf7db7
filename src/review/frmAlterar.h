#pragma once
// The one-datum editor: changes one field of one alternative's row, reloads an
// open results window, and on closing brings the review back to the edited
// alternative.
#include "common/Banco.h"
#include "common/Janelas.h"

#include <QString>
#include <QVariant>

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

class frmAlterar : public Dialogo {
    Q_OBJECT
public:
    frmAlterar();

    void Form_Load() override;
    void Form_Activate() override;
    void Form_Unload() override;

    void CommandButton1_Click();  // "Alterar"
    void CommandButton2_Click();  // "Cancelar"
    void lblC_Change();

    // The field of tblTessaura for a datum key, or empty.
    static QString Campo(const QString& Nome);

    // The row the editor was opened for (0: found by the name in Label6).
    qint64 Linha = 0;

    QLabel *Label1, *Label2, *Label3, *Label6, *Label4, *Label12;
    QFrame* Frame1;
    QLabel *Label13, *lblA, *lblB, *lblC, *Label14;
    QLabel *Label5, *lblValor, *Label11, *Label10;
    QLineEdit* Text1;
    QComboBox* ComboBox1;
    QLabel *ano, *m2, *m3, *Qualitativo;
    QPushButton *CommandButton1, *CommandButton2;

private:
    Banco::ConexaoPtr m_db;
    Banco::RecordsetPtr m_rs;
};

namespace ModuloTessaura {

// Fills the loaded editor before it is shown: criterion, alternative (and its
// row), description, present value, unit picture, symbol, and the entry
// control the unit calls for (the seven-level list for "Qualitativo").
void PrepararAlteracao(const QString& criterio, const QString& nome, const QString& descricao,
                       const QVariant& valor, const QString& unidade, const QVariant& letra,
                       const QVariant& qualificador, const QVariant& subscrito, qint64 linha = 0);

}  // namespace ModuloTessaura
