#include "common/CaixaTexto.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QTextCursor>

int CaixaTextoMultilinha::espacoLivre() const
{
    const QTextCursor c = textCursor();
    const int selecionados = c.selectionEnd() - c.selectionStart();
    return m_maximo - (toPlainText().size() - selecionados);
}

void CaixaTextoMultilinha::keyPressEvent(QKeyEvent* e)
{
    const QString texto = e->text();
    const bool insere = !texto.isEmpty() && !texto.at(0).isNull()
                        && (texto.at(0).isPrint() || e->key() == Qt::Key_Return
                            || e->key() == Qt::Key_Enter);
    if (m_maximo > 0 && insere && !(e->modifiers() & Qt::ControlModifier)
        && espacoLivre() < texto.size()) {
        e->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(e);
}

void CaixaTextoMultilinha::insertFromMimeData(const QMimeData* origem)
{
    if (m_maximo <= 0 || !origem->hasText()) {
        QPlainTextEdit::insertFromMimeData(origem);
        return;
    }
    const int livre = espacoLivre();
    if (livre <= 0)
        return;
    textCursor().insertText(origem->text().left(livre));
    ensureCursorVisible();
}
