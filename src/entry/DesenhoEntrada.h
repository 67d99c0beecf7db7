#pragma once
// Small pieces the entry windows draw their pages with: labels placed at a
// point or in a rectangle, hidden holders of texts, subscripts and exponents
// set into the blanks of a caption, box colours and buttons.
#include <QColor>
#include <QList>
#include <QPoint>
#include <QRect>
#include <QString>
#include <utility>

class QGroupBox;
class QLabel;
class QObject;
class QRadioButton;
class QPushButton;
class QWidget;

namespace DesenhoEntrada {

// A label at (x, y) sized to its text, or in the rectangle when w is given.
QLabel* rotulo(QWidget* pai, const char* nome, const QString& texto, int x, int y, int w = -1,
               int h = -1);
// A hidden label that only holds a text.
QLabel* oculto(QWidget* pai, const char* nome, const QString& texto);
// A label in three quarters of the normal size: a subscript or an exponent.
QLabel* indice(QWidget* pai, const char* nome, const QString& texto);
// The start, in the label's own coordinates, and the usable width of the
// longest run of blanks of its caption, after widening the blanks from the
// font's own metrics until `largura` pixels fit into the run with room to
// spare, so nothing touches the character after the blanks whatever the font.
std::pair<int, int> abrirVao(QLabel* base, int largura);
// Sets small labels into the blanks of a caption such as "Q    =" or "m /s":
// the upper one raised, the lower one lowered, with `folga` more pixels to spare.
void encaixar(QLabel* base, QLabel* acima, QLabel* abaixo, int folga = 0);
// The background colour of a box, whether it is enabled or not.
void fundo(QWidget* caixa, const QColor& cor);
QPushButton* botao(QWidget* pai, const char* nome, const QString& texto, const QRect& g);
// A frame of a page named "Frame<indice>", whose pointer movements go to filtro.
QGroupBox* moldura(QWidget* pagina, int indice, const QString& titulo, const QRect& g, QObject* filtro);
// The options of a rating group, top to bottom from level primeiroNivel with
// the scale's captions, named "Option<n>" by numeros.
QList<QRadioButton*> opcoes(QGroupBox* f, const QList<int>& numeros, int primeiroNivel, QPoint inicio,
                            int passo);

}  // namespace DesenhoEntrada
