#pragma once
// What the save and open dialogs share: the grid of saved projects, the name
// row, the options panel that opens and closes under it, and the two buttons.
#include "common/Banco.h"
#include "common/GradeFlex.h"
#include "common/Janelas.h"
#include "common/Twips.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace Projetos {

// A control of a dialog, named and placed in twips.
template <class T> T* Criar(QWidget* pai, const char* nome, int left, int top, int width, int height)
{
    T* w = new T(pai);
    w->setObjectName(QString::fromLatin1(nome));
    w->setGeometry(Twips::Retangulo(left, top, width, height));
    return w;
}
// A label at (left, top), at least as large as its text.
QLabel* Rotulo(QWidget* pai, const char* nome, const QString& texto, int left, int top);

// Fills the grid: the header row, the first `numero` projects of rs (from its
// first row) in rows 1.., and one empty row after them. Each row is read as it
// is listed: false when one could not be read (the failure is left to the caller).
bool PreencherGrade(GradeFlex* grade, Banco::Recordset* rs, int numero);

// The clickable icon that opens and closes the options panel.
class IconeOpcoes : public QLabel {
    Q_OBJECT
public:
    explicit IconeOpcoes(QWidget* pai);
    bool Aberto() const { return m_aberto; }
    void MostrarAberto(bool aberto);

signals:
    void clicado();

protected:
    void mousePressEvent(QMouseEvent* e) override;

private:
    bool m_aberto = false;
};

// The options panel's two layouts: the dialog's height (in twips, window
// frame included) and the buttons' top for each, and the dialog's top when open.
struct LayoutOpcoes {
    int alturaAberto;
    int alturaFechado;
    int topoAberto;
    int botoesAberto;
    int botoesFechado;
};

// A dialog over the saved projects. Opening the options panel grows the
// dialog, moves it up and puts the buttons below the panel; closing it brings
// the dialog back to the top it had when it was activated.
class DialogoProjetos : public Dialogo {
    Q_OBJECT
public:
    // Built in the closed layout with the buttons at topoBotoes.
    DialogoProjetos(const QString& titulo, const QString& nomeGrade, int alturaFrame,
                    int topoBotoes, const QString& textoBotao1, LayoutOpcoes layout);

    void Image3_Click();

    QLabel* Label2;
    QLabel* Label1;
    QLabel* Label3;
    IconeOpcoes* Image3;
    QGroupBox* Frame1;
    QPushButton* CommandButton1;
    QPushButton* CommandButton2;

protected:
    // At activation: the closed picture, and the dialog's top recorded.
    void IniciarOpcoes();
    GradeFlex* Grade() const { return m_grade; }

private:
    void moverBotoes(int topo);
    void definirAltura(int altura);

    GradeFlex* m_grade;
    LayoutOpcoes m_layout;
    int m_topoAtivacao = 0;
};

}  // namespace Projetos
