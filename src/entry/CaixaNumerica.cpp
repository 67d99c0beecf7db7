#include "entry/CaixaNumerica.h"

#include "entry/EntradaDecimal.h"

#include <QKeyEvent>
#include <QPointer>

CaixaNumerica::CaixaNumerica(Filtro filtro, QWidget* parent) : QLineEdit(parent), m_filtro(filtro)
{
    setFont(QFont(QStringLiteral("Verdana")));
}

int CaixaNumerica::CodigoDaTecla(const QKeyEvent* e)
{
    switch (e->key()) {
    case Qt::Key_Backspace:
        return EntradaDecimal::Backspace;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return EntradaDecimal::Enter;
    default:
        break;
    }
    const Qt::KeyboardModifiers mods = e->modifiers();
    if ((mods & Qt::ControlModifier) && !(mods & Qt::AltModifier) && e->key() >= Qt::Key_A
        && e->key() <= Qt::Key_Z)
        return e->key() - Qt::Key_A + 1;
    const QString t = e->text();
    if (t.isEmpty())
        return 0;
    const QChar c = t.at(0);
    if (c.unicode() < 32 && c != QChar('\t'))
        return c.unicode();
    if (c == QChar('\t') || c.unicode() == 127)
        return 0;
    return c.unicode();
}

void CaixaNumerica::keyPressEvent(QKeyEvent* e)
{
    QPointer<CaixaNumerica> guarda(this);
    emit KeyDown(e->key(), e->modifiers());
    if (!guarda)
        return;
    const int k = CodigoDaTecla(e);
    if (m_filtro == Filtro::Nenhum || k == 0) {
        QLineEdit::keyPressEvent(e);
        return;
    }
    const int r = m_filtro == Filtro::Decimal ? EntradaDecimal::FiltrarTecla(k)
                                              : EntradaDecimal::FiltrarTeclaInteira(k);
    if (!guarda)
        return;
    if (r == 0) {
        e->accept();
        return;
    }
    if (r == k) {
        QLineEdit::keyPressEvent(e);
        return;
    }
    // The filter replaced the character (the other decimal separator).
    insert(QString(QChar(r)));
    e->accept();
}
