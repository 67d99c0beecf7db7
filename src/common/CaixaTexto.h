#pragma once
// A multi-line text box with a maximum length: typing beyond it is refused and
// pasted text is cut to the room left.
#include <QPlainTextEdit>

class CaixaTextoMultilinha : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit CaixaTextoMultilinha(QWidget* parent = nullptr) : QPlainTextEdit(parent) {}
    void DefinirTamanhoMaximo(int caracteres) { m_maximo = caracteres; }
    int TamanhoMaximo() const { return m_maximo; }
    QString Texto() const { return toPlainText(); }

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void insertFromMimeData(const QMimeData* origem) override;

private:
    int espacoLivre() const;
    int m_maximo = 0;  // 0: no limit
};
