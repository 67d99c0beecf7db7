#pragma once
// A group of option buttons that rates one item: one option per level, of which
// at most one is selected and possibly none (the rating not given).
#include <QButtonGroup>
#include <QList>
#include <QObject>
#include <QRadioButton>

class GrupoAvaliacao : public QObject {
    Q_OBJECT
public:
    // opcoes in level order; the first has level primeiroNivel (1, or 4 for a
    // group of four options on levels 4..7).
    GrupoAvaliacao(const QList<QRadioButton*>& opcoes, int primeiroNivel, QObject* parent);

    // Level of the selected option; 0 when none is selected.
    int Nivel() const;
    bool Fornecido() const { return Nivel() != 0; }
    // Selects the option of a level as a click would; a level outside the
    // group's range selects none.
    void DefinirNivel(int nivel);
    void Limpar() { DefinirNivel(0); }
    QRadioButton* Opcao(int nivel) const;
    const QList<QRadioButton*>& Opcoes() const { return m_opcoes; }
    int PrimeiroNivel() const { return m_primeiro; }

signals:
    // A user's click or a selection made by the program.
    void alterado(int nivel);

private:
    QList<QRadioButton*> m_opcoes;
    int m_primeiro;
    QButtonGroup* m_grupo;
};
