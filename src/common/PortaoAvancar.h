#pragma once
// The look shared by the windows with a forward gate: the "Avançar" button
// covered by a look-alike while the window's data are incomplete, the blinking
// hint icon that opens a hint balloon, and the help icon whose picture follows
// the mouse. Each window supplies its own texts and decides when to open or
// close the gate.
#include <QFrame>
#include <QLabel>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QPushButton>
#include <QRect>
#include <QTimer>

class PortaoAvancar : public QObject {
    Q_OBJECT
public:
    // Geometry in twips, as designed on the alternatives window.
    struct Geometria {
        QRect botao{9960, 6360, 1410, 585};
        QRect imitacao{9990, 6390, 1355, 530};
        QRect balao{6120, 4440, 4215, 1215};
        QRect icone{10320, 5640, 480, 480};
    };
    // Names of the look-alike's icon and caption, the hint icon and the
    // balloon's text, as each window calls them.
    struct Nomes {
        QString imagemImitacao = QStringLiteral("Image13");
        QString legendaImitacao = QStringLiteral("Label44");
        QString icone = QStringLiteral("Image10");
        QString textoBalao = QStringLiteral("Label42");
    };
    enum class FiguraDica { Nenhuma, Primeira, Segunda };

    explicit PortaoAvancar(QWidget* janela);
    PortaoAvancar(QWidget* janela, const Geometria& g);
    PortaoAvancar(QWidget* janela, const Geometria& g, const Nomes& n);

    // The look of every "Avançar": the informal caption and the forward icon at
    // the sizes the look-alike uses.
    static void VestirBotao(QPushButton* botao);

    // Controls, named as on the alternatives window unless the window gives
    // its own names.
    QPushButton* CommandButton1;  // the real "Avançar"
    QFrame* Picture4;             // the look-alike lying over it
    QLabel* Image13;              // the look-alike's icon
    QLabel* Label44;              // the look-alike's caption, light grey
    QLabel* Image10;              // blinking hint icon
    QFrame* Picture3;             // hint balloon
    QLabel* Label42;              // balloon text
    QTimer* Timer1;               // blink, every 700 ms

    // Open: button enabled, look-alike out of the way, the balloon takes
    // textoAberto, the hint icon shows the first picture.
    void Abrir(const QString& textoAberto);
    // Closed: button disabled, look-alike back over it, hint icon hidden (an open
    // balloon stays open).
    void Fechar();
    // Open with textoAberto when aberto, closed otherwise.
    void Definir(bool aberto, const QString& textoAberto);
    bool Aberto() const { return CommandButton1->isEnabled(); }
    bool ImitacaoCobre() const { return Picture4->isVisible(); }

    // The mouse over the covered button: the balloon's text becomes texto and the
    // hint icon shows the given picture (the balloon opens only from the icon).
    void MostrarDica(const QString& texto, FiguraDica figura = FiguraDica::Primeira);

    // Closes an open balloon (the hint icon stays as it is).
    void FecharBalao();
    // The balloon never lies over w: it closes when w is shown and does not open
    // while w is on show (a help box, for instance).
    void NaoCobrir(QWidget* w);

    // Handlers of the look.
    void Image10_Click();      // also the mouse over the icon
    void Form_MouseMove();     // over the window's background
    void Timer1_Timer();

    bool DicaVisivel() const { return m_dicaVisivel; }
    void DefinirDicaVisivel(bool v) { m_dicaVisivel = v; }
    FiguraDica Figura() const { return m_figura; }

signals:
    // The mouse moved over the look-alike's caption; the window calls MostrarDica.
    void Label44_MouseMove();

protected:
    bool eventFilter(QObject* obj, QEvent* ev) override;

private:
    void mostrarFigura(FiguraDica f);
    void definirTextoDoBalao(const QString& texto);

    QWidget* m_janela;
    bool m_dicaVisivel = false;
    FiguraDica m_figura = FiguraDica::Nenhuma;
    QList<QPointer<QWidget>> m_naoCobrir;
};

// A help or information icon: the hover picture under the mouse, the normal
// picture again when the window calls Normal (the mouse over its frame).
class IconeAjuda : public QLabel {
    Q_OBJECT
public:
    IconeAjuda(const QPixmap& normal, const QPixmap& sobre, QWidget* parent);
    void Normal();
    bool MostraSobre() const { return m_sobre; }

signals:
    void clicado();
    void mouseSobre();

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void enterEvent(QEnterEvent* e) override;

private:
    void sobre();
    QPixmap m_normal, m_hover;
    bool m_sobre = false;
};
