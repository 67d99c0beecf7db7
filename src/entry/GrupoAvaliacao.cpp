#include "entry/GrupoAvaliacao.h"

GrupoAvaliacao::GrupoAvaliacao(const QList<QRadioButton*>& opcoes, int primeiroNivel, QObject* parent)
    : QObject(parent), m_opcoes(opcoes), m_primeiro(primeiroNivel), m_grupo(new QButtonGroup(this))
{
    m_grupo->setExclusive(true);
    for (int i = 0; i < m_opcoes.size(); ++i) {
        m_grupo->addButton(m_opcoes[i], m_primeiro + i);
        connect(m_opcoes[i], &QRadioButton::toggled, this, [this, i](bool marcado) {
            if (marcado)
                emit alterado(m_primeiro + i);
        });
    }
}

int GrupoAvaliacao::Nivel() const
{
    const int id = m_grupo->checkedId();
    return id < 0 ? 0 : id;
}

QRadioButton* GrupoAvaliacao::Opcao(int nivel) const
{
    const int i = nivel - m_primeiro;
    return i >= 0 && i < m_opcoes.size() ? m_opcoes[i] : nullptr;
}

void GrupoAvaliacao::DefinirNivel(int nivel)
{
    if (QRadioButton* o = Opcao(nivel)) {
        o->setChecked(true);
        return;
    }
    if (Nivel() == 0)
        return;
    m_grupo->setExclusive(false);
    for (QRadioButton* o : m_opcoes)
        o->setChecked(false);
    m_grupo->setExclusive(true);
    emit alterado(0);
}
