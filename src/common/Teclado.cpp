#include "common/Teclado.h"

namespace Teclado {

int Ascii(const QKeyEvent* e)
{
    if (e->type() != QEvent::KeyPress)
        return 0;
    switch (e->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return Enter;
    case Qt::Key_Backspace:
        return Backspace;
    case Qt::Key_Escape:
        return 27;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return 0;
    default:
        break;
    }
    static const QKeySequence::StandardKey edicao[] = {
        QKeySequence::Copy, QKeySequence::Cut,  QKeySequence::Paste,
        QKeySequence::SelectAll, QKeySequence::Undo, QKeySequence::Redo};
    for (QKeySequence::StandardKey k : edicao) {
        if (e->matches(k))
            return 0;
    }
    const QString texto = e->text();
    if (texto.size() != 1)
        return 0;
    return texto.at(0).unicode();
}

}  // namespace Teclado
