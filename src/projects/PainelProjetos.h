#pragma once
// What the save and open dialogs share: the grid of saved projects and the
// options panel that opens and closes under the name.
#include "common/Banco.h"
#include "common/Twips.h"

#include <QLabel>
#include <QObject>
#include <QPushButton>
#include <QTableWidget>

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

// The grid of saved projects: column "Projetos", column "Última atualização".
QTableWidget* CriarGrade(QWidget* pai, const QString& nome);
// Fills the grid with the first `numero` projects of rs (from its first row)
// and one empty row after them.
void PreencherGrade(QTableWidget* grade, Banco::Recordset* rs, int numero);

// The clickable icon that opens and closes the options panel, with its two
// pictures kept in hidden images (closed, open).
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

// Hidden images holding the icon's pictures, named as the dialogs name them.
void CriarImagensOpcoes(QWidget* pai);

// The panel's two layouts: the dialog's height (in twips, window frame
// included) and the buttons' top for each, and the dialog's top when open.
struct LayoutOpcoes {
    int alturaAberto;
    int alturaFechado;
    int topoAberto;
    int botoesAberto;
    int botoesFechado;
};

// Opens and closes the panel: the dialog grows and moves up, the buttons go
// below the panel; closing brings the dialog back to the top it had when it
// was activated.
class PainelOpcoes {
public:
    PainelOpcoes(QWidget* dialogo, QWidget* frame, IconeOpcoes* icone, QPushButton* botao1,
                 QPushButton* botao2, LayoutOpcoes layout);
    // At activation: the closed picture, and the dialog's top recorded.
    void Iniciar();
    void Alternar();

private:
    void moverBotoes(int topo);
    void definirAltura(int altura);

    QWidget* m_dialogo;
    QWidget* m_frame;
    IconeOpcoes* m_icone;
    QPushButton* m_botao1;
    QPushButton* m_botao2;
    LayoutOpcoes m_layout;
    int m_topoAtivacao = 0;
};

}  // namespace Projetos
