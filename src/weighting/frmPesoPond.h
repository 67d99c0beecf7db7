#pragma once
// The weighting window: the stored weightings of the thirteen indicators, picked
// by name or by aspect, a weighting of the user's own defined, saved or
// discarded, a weighting deleted, and the one shown handed on as the weight
// vector.
#include "common/Banco.h"
#include "common/Janelas.h"
#include "weighting/Ponderacao.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <array>

class IconeAjuda;

class frmPesoPond : public Formulario {
    Q_OBJECT
public:
    frmPesoPond();

    void Form_Load() override;
    void Form_Activate() override;

    // Lists.
    void ComboBox1_Click();  // the name choice
    void ComboBox2_Click();  // the aspect choice
    // Buttons.
    void CommandButton1_Click();  // "Avançar"
    void Command1_Click();        // "Apagar ponderação"
    void Command2_Click();        // "Nova Ponderação"
    void Command3_Click();        // "Salvar ponderação"
    void Command4_Click();        // "Descartar ponderação"
    // Coefficient boxes Text1..Text13 (indice 1..13): any change recomputes the
    // total of all thirteen; the focus selects the whole text.
    void Text_Change(int indice);
    void Text_GotFocus(int indice);
    // The total's label changed: the sum gate.
    void Label27_Change();
    // The refresh hook: the off-screen box taking the focus runs the activation.
    void Text16_GotFocus();
    // Information icon (its hover picture follows the mouse by itself) and the
    // sliding hint.
    void Image1_Click();
    void Form_MouseMove();
    void Timer1_Timer();

    // Gives Text16 the focus, so that the window refreshes itself.
    void FocarText16();
    // The weighting of that row was deleted (0: none was): it leaves both
    // lists, and the window refreshes itself. When the table cannot be read,
    // the weighting shown stays, unless it was the one deleted.
    void PonderacaoApagada(qint64 id);

    bool NovaPonderacao() const { return m_novaPonderacao; }
    // Row of the stored weighting shown (0 when none is shown).
    qint64 IdMostrado() const { return m_idMostrado; }

    QLabel* Label33;
    QLabel* Label27;
    std::array<QLineEdit*, Ponderacao::NumeroIndicadores + 1> Text{};  // Text[1..13]
    QComboBox* ComboBox1;
    QComboBox* ComboBox2;
    QLineEdit* TextBox1;
    QLineEdit* TextBox2;
    QPushButton* Command1;
    QPushButton* Command2;
    QPushButton* Command3;
    QPushButton* Command4;
    QPushButton* CommandButton1;
    IconeAjuda* Image1;
    QLabel* Label32;
    QFrame* Frame1;
    QTimer* Timer1;
    QLineEdit* Text16;

protected:
    bool eventFilter(QObject* obj, QEvent* ev) override;
    void paintEvent(QPaintEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;

private:
    void montarTabela();
    void montarRodape();
    bool abrirTabela();
    bool preencherListas();
    // Lists refilled from rsPonderacao, the first weighting shown.
    void mostrarPrimeira();
    void selecionarNome(int indice);
    // One stored weighting shown whole (name, aspect, coefficients and the
    // total of its stored values), or none at all.
    void mostrar(qint64 id, const QString& aspecto, const QVariantList& valores);
    void mostrarNenhuma();
    // The lists on the weighting shown (no entry chosen when none is).
    void mostrarSelecao();
    void sairDoModoNovo();
    void mostrarStatus();
    void recalcular();
    QStringList textosDosCoeficientes() const;

    Banco::ConexaoPtr dbPonderacao;
    Banco::RecordsetPtr rsPonderacao;
    bool m_novaPonderacao = false;
    bool m_preenchendo = false;
    bool m_refrescou = false;
    qint64 m_idMostrado = 0;
    QString m_aspectoMostrado;
    Ponderacao::Total m_totalMostrado;
    // The slide, in twips.
    int m_esquerdaDica = 4350;
    int m_esquerdaMascara = 3960;
    int m_larguraMascara = 5895;
};
