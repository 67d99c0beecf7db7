#pragma once
// The review window: every stored datum of one alternative, one criterion at a
// time, read straight from the alternatives table. Each shown value is a link
// to the one-datum editor.
#include "common/Banco.h"
#include "common/Janelas.h"

#include <QHash>
#include <QString>

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;

class frmDadosUtilizados : public Formulario {
    Q_OBJECT
public:
    frmDadosUtilizados();

    void Form_Activate() override;

    // Label4 and the 19 value labels from the current row.
    void Preenche();
    // A rating in words; empty outside 1..7.
    static QString Quali(int indice);
    // The review's store of the open entry windows (order per alternative);
    // false, reported, when it failed.
    bool Up();

    void Command1_Click();  // ">"
    void Command2_Click();  // "<"
    void Command4_Click();  // "Sair"
    void ComboBox1_Change();
    void Label4_Change();
    // A click on a value label: the editor for that datum, or the notice that
    // it was never given.
    void Valor_Click(QLabel* rotulo);

    // The name of the alternative on show (Label4's caption).
    QString AlternativaA;
    // The row on show (0 when there is none).
    qint64 LinhaAtual() const;
    int Linhas() const;

    QLabel *Label1, *Label2, *Label3, *Label4, *Label67;
    QPushButton *Command1, *Command2, *Command4;
    QComboBox* ComboBox1;
    QGroupBox *Frame1, *Frame2, *Frame3;
    QLabel *Label23, *Label26;  // the recharge pair's symbols
    QLabel* Image1;             // the callout over the objective frame
    QHash<QString, QLabel*> Valores;  // the 19 value labels by name

protected:
    bool eventFilter(QObject* obj, QEvent* ev) override;

private:
    QGroupBox* montarFrame(const char* nome, const QString& titulo, int largura);
    QLabel* valor(QGroupBox* f, const char* nome, int x, int y);
    int simbolo(QGroupBox* f, int x, int y, const QStringList& nomes, const QString& letra,
                const QString& acima, const QString& abaixo, bool igualNegrito = false);
    int recarga(QGroupBox* f, int x, int y, const char* nome, const char* nomeIndice,
                const QString& indice, QLabel** rotulo);
    void Passo(bool avancar);
    void sublinhar(QLabel* rotulo, bool sim);
    void abrirEditor(QLabel* rotulo, const QString& letra, const QString& unidade);

    Banco::ConexaoPtr m_db;
    Banco::RecordsetPtr m_rs;
};
