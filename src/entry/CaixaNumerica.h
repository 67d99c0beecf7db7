#pragma once
// An entry box whose typed characters pass through a key filter before they
// reach it (text set by the program does not), and which reports every key
// before that (F5 asks for data reuse).
#include <QLineEdit>

class CaixaNumerica : public QLineEdit {
    Q_OBJECT
public:
    enum class Filtro { Nenhum, Decimal, Inteiro };

    explicit CaixaNumerica(Filtro filtro, QWidget* parent = nullptr);
    Filtro FiltroAtual() const { return m_filtro; }

    // The character code of a key as the filters see it: the typed character,
    // 8 for Backspace, 13 for Enter, a control code for Ctrl+letter; 0 for keys
    // that type nothing (arrows, Delete, function keys, Tab).
    static int CodigoDaTecla(const QKeyEvent* e);

signals:
    // Every key as it goes down, before the filter (KeyDown).
    void KeyDown(int tecla, Qt::KeyboardModifiers modificadores);

protected:
    void keyPressEvent(QKeyEvent* e) override;

private:
    Filtro m_filtro;
};
