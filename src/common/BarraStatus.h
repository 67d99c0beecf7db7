#pragma once
// The main window's status bar: seven panels addressed by index 1..7, each
// with a text, visibility, enabled state, bevel, width and alignment.
#include <QLabel>
#include <QStatusBar>
#include <QTimer>
#include <vector>

class PainelStatus : public QLabel {
    Q_OBJECT
public:
    enum Bevel { SemBevel = 0, Inset = 1, Raised = 2 };
    enum Estilo { Texto, Data, Hora };

    PainelStatus(int indice, Estilo estilo, QWidget* parent);
    int Indice() const { return m_indice; }
    QString Chave() const { return objectName(); }

    void DefinirBevel(Bevel b);
    Bevel BevelAtual() const { return m_bevel; }
    // Width in twips (1 px = 15 twips); AutoSize 1 makes the panel take the spare width.
    void DefinirLarguraTwips(int twips);
    void DefinirAutoSize(bool preencher);
    bool AutoSize() const { return m_autoSize; }
    void DefinirAlinhamentoEsquerda();
    void AtualizarRelogio();
    QSize sizeHint() const override;

signals:
    void clicado(int indice);

protected:
    void mousePressEvent(QMouseEvent* e) override;

private:
    int m_indice;
    Estilo m_estilo;
    Bevel m_bevel = Inset;
    bool m_autoSize = false;
    int m_largura = 0;  // designed width, pixels
};

class BarraStatus : public QStatusBar {
    Q_OBJECT
public:
    explicit BarraStatus(QWidget* parent);
    PainelStatus* Painel(int indice) const;  // 1..7
    int Paineis() const { return static_cast<int>(m_paineis.size()); }

signals:
    void PanelClick(int indice);

private:
    std::vector<PainelStatus*> m_paineis;
    QTimer m_relogio;
};
