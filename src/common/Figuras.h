#pragma once
// The pictures of the system, drawn once and shared (the same object for the
// same picture).
#include <QPixmap>

namespace Figuras {

const QPixmap& Avancar();        // icon of the forward button
const QPixmap& DicaPrimeira();   // first picture of the blinking hint icon: a lit light bulb
const QPixmap& DicaSegunda();    // second picture of the blink: the bulb unlit
const QPixmap& AjudaNormal();    // help icon: a letter i in a speech balloon
const QPixmap& AjudaSobre();     // the same under the mouse
const QPixmap& Informacao();     // information icon
const QPixmap& InformacaoSobre();
const QPixmap& Logo();           // the program's logo
const QPixmap& NovoProjeto();    // toolbar: a new project
const QPixmap& Ok();             // status mark: datum given, a grey tick
const QPixmap& Falta();          // status mark: datum missing, a grey cross
const QPixmap& Marcador();       // black arrow pointing right: the chosen item of a menu
// A picture faded for a switched-off button: in grey, much lighter and half
// see-through, so that it reads as off at a glance.
QPixmap Desbotada(const QPixmap& p);
// A unit written as a small picture: "m2" m², "m3" m³/s, "ano" Ano; empty for
// other keys.
QPixmap Unidade(const QString& chave);

}  // namespace Figuras
