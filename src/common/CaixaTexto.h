#pragma once
// Text boxes of several lines: one with a maximum length, and the read-only
// help box that shows its whole text.
#include <QPlainTextEdit>
#include <QPointer>
#include <QTextEdit>

// A multi-line text box with a maximum length: typing beyond it is refused and
// pasted text is cut to the room left.
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

// The help box of a window: read-only, at its designed place and width, it
// grows downwards from its designed height until its whole text fits, so no
// line is ever cut off. A control placed below it (its "OK") keeps its distance
// to the box's bottom edge.
class CaixaAjuda : public QTextEdit {
    Q_OBJECT
public:
    CaixaAjuda(const char* nome, const QRect& projeto, QWidget* parent);
    void ManterAbaixo(QWidget* w);
    // The height the text needs at the box's width.
    int AlturaDoTexto();

private:
    void ajustar();
    int m_alturaProjetada;
    QPointer<QWidget> m_abaixo;
    int m_distancia = 0;
};
