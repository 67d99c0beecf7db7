#include "common/CaixaTexto.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QTextCursor>
#include <QTextDocument>
#include <cmath>

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

CaixaAjuda::CaixaAjuda(const char* nome, const QRect& projeto, QWidget* parent)
    : QTextEdit(parent), m_alturaProjetada(projeto.height())
{
    setObjectName(QString::fromLatin1(nome));
    setReadOnly(true);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setGeometry(projeto);
    connect(this, &QTextEdit::textChanged, this, &CaixaAjuda::ajustar);
}

void CaixaAjuda::ManterAbaixo(QWidget* w)
{
    m_abaixo = w;
    m_distancia = w->y() - geometry().bottom();
}

int CaixaAjuda::AlturaDoTexto()
{
    // The box lays its text out only once shown; the width it will have is known.
    document()->setTextWidth(width() - 2 * frameWidth());
    return static_cast<int>(std::ceil(document()->size().height())) + 2 * frameWidth();
}

void CaixaAjuda::ajustar()
{
    resize(width(), std::max(m_alturaProjetada, AlturaDoTexto()));
    if (m_abaixo)
        m_abaixo->move(m_abaixo->x(), geometry().bottom() + m_distancia);
}
