#pragma once
// Drop-down lists that open with a set number of rows and scroll for the rest.
// The program's style opens a non-editable list as a menu over the box, as tall
// as its entries need, and ignores the row count; such a list is given a style
// of its own that drops a plain, scrolling list below the box instead. The box
// itself is drawn by the program's style as before.
class QComboBox;

namespace Listas {

// The list opens showing at most linhas rows.
void LimitarLinhas(QComboBox* lista, int linhas);

}  // namespace Listas
