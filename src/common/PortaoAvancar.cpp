#include "common/PortaoAvancar.h"

#include "common/Figuras.h"
#include "common/Twips.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QMouseEvent>

namespace {
QRect emPixels(const QRect& t)
{
    return Twips::Retangulo(t.x(), t.y(), t.width(), t.height());
}

// The forward button's icon, its gap to the caption and the room kept free on
// either side of the look-alike's content, in pixels.
constexpr int kIcone = 20;
constexpr int kEspaco = 4;
constexpr int kMargem = 3;
}  // namespace

PortaoAvancar::PortaoAvancar(QWidget* janela) : PortaoAvancar(janela, Geometria{}) {}

void PortaoAvancar::VestirBotao(QPushButton* botao)
{
    // The caption takes the largest size that fits beside the icon inside the
    // look-alike, whatever face stands in for the informal font.
    static const QFont comic = [] {
        QFont f(QStringLiteral("Comic Sans MS"));
        f.setBold(true);
        const int livre = emPixels(Geometria{}.imitacao).width() - 2 * kMargem - kIcone - kEspaco;
        for (int pontos = 11; pontos >= 7; --pontos) {
            f.setPointSize(pontos);
            if (QFontMetrics(f).horizontalAdvance(QStringLiteral("Avançar")) <= livre)
                break;
        }
        return f;
    }();
    botao->setFont(comic);
    botao->setIcon(QIcon(Figuras::Avancar()));
    botao->setIconSize(QSize(kIcone, kIcone));
}

PortaoAvancar::PortaoAvancar(QWidget* janela, const Geometria& g)
    : PortaoAvancar(janela, g, Nomes{})
{
}

PortaoAvancar::PortaoAvancar(QWidget* janela, const Geometria& g, const Nomes& n)
    : QObject(janela), m_janela(janela)
{
    // The look-alike lies 2 px inside the button's face and centres the same
    // icon and caption the same way, so nothing moves when the gate opens.
    const QSize tamanhoIcone(kIcone, kIcone);
    CommandButton1 = new QPushButton(QStringLiteral("Avançar"), janela);
    CommandButton1->setObjectName(QStringLiteral("CommandButton1"));
    VestirBotao(CommandButton1);
    CommandButton1->setGeometry(emPixels(g.botao));
    CommandButton1->setEnabled(false);

    Picture4 = new QFrame(janela);
    Picture4->setObjectName(QStringLiteral("Picture4"));
    Picture4->setGeometry(emPixels(g.imitacao));
    Picture4->setAutoFillBackground(true);
    auto* linha = new QHBoxLayout(Picture4);
    linha->setContentsMargins(0, 0, 0, 0);
    linha->setSpacing(kEspaco);
    Image13 = new QLabel(Picture4);
    Image13->setObjectName(n.imagemImitacao);
    Image13->setPixmap(Figuras::Avancar().scaled(tamanhoIcone, Qt::KeepAspectRatio,
                                                 Qt::SmoothTransformation));
    Label44 = new QLabel(QStringLiteral("Avançar"), Picture4);
    Label44->setObjectName(n.legendaImitacao);
    Label44->setFont(CommandButton1->font());
    Label44->setStyleSheet(QStringLiteral("color: #c0c0c0;"));
    Label44->setMouseTracking(true);
    Label44->installEventFilter(this);
    linha->addStretch();
    linha->addWidget(Image13);
    linha->addWidget(Label44);
    linha->addStretch();
    Picture4->raise();

    Picture3 = new QFrame(janela);
    Picture3->setObjectName(QStringLiteral("Picture3"));
    Picture3->setGeometry(emPixels(g.balao));
    Picture3->setFrameStyle(QFrame::Box | QFrame::Plain);
    Picture3->setStyleSheet(QStringLiteral("QFrame#Picture3 { background: #ffffe1; }"));
    auto* caixa = new QHBoxLayout(Picture3);
    caixa->setContentsMargins(6, 4, 6, 4);
    Label42 = new QLabel(Picture3);
    Label42->setObjectName(n.textoBalao);
    Label42->setWordWrap(true);
    Label42->setFont(QFont(QStringLiteral("Verdana")));
    Label42->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    Label42->setStyleSheet(QStringLiteral("background: #ffffe1;"));
    caixa->addWidget(Label42);
    Picture3->hide();

    Image10 = new QLabel(janela);
    Image10->setObjectName(n.icone);
    Image10->setGeometry(emPixels(g.icone));
    Image10->setMouseTracking(true);
    Image10->installEventFilter(this);
    Image10->hide();
    Image10->raise();

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(700);
    connect(Timer1, &QTimer::timeout, this, &PortaoAvancar::Timer1_Timer);
    Timer1->start();

    janela->setMouseTracking(true);
    janela->installEventFilter(this);
}

void PortaoAvancar::mostrarFigura(FiguraDica f)
{
    m_figura = f;
    if (f == FiguraDica::Primeira)
        Image10->setPixmap(Figuras::DicaPrimeira());
    else if (f == FiguraDica::Segunda)
        Image10->setPixmap(Figuras::DicaSegunda());
    else
        Image10->clear();
}

void PortaoAvancar::definirTextoDoBalao(const QString& texto)
{
    Label42->setText(texto);
    // The balloon keeps its size: the text takes the largest size that fits it.
    const QRect area = Picture3->contentsRect().marginsRemoved(Picture3->layout()->contentsMargins());
    QFont f = Label42->font();
    for (int pontos = 9; pontos >= 6; --pontos) {
        f.setPointSize(pontos);
        Label42->setFont(f);
        if (Label42->heightForWidth(area.width()) <= area.height())
            break;
    }
}

void PortaoAvancar::Abrir(const QString& textoAberto)
{
    CommandButton1->setEnabled(true);
    Picture4->hide();
    definirTextoDoBalao(textoAberto);
    mostrarFigura(FiguraDica::Primeira);
    Image10->show();
}

void PortaoAvancar::Fechar()
{
    CommandButton1->setEnabled(false);
    Picture4->show();
    Picture4->raise();
    Image10->hide();
}

void PortaoAvancar::Definir(bool aberto, const QString& textoAberto)
{
    if (aberto)
        Abrir(textoAberto);
    else
        Fechar();
}

void PortaoAvancar::MostrarDica(const QString& texto, FiguraDica figura)
{
    definirTextoDoBalao(texto);
    mostrarFigura(figura);
    Image10->show();
}

void PortaoAvancar::Image10_Click()
{
    for (const QPointer<QWidget>& w : m_naoCobrir) {
        if (w && w->isVisible())
            return;
    }
    m_dicaVisivel = true;
    Picture3->show();
    Picture3->raise();
    Image10->raise();
}

void PortaoAvancar::FecharBalao()
{
    m_dicaVisivel = false;
    Picture3->hide();
}

void PortaoAvancar::NaoCobrir(QWidget* w)
{
    m_naoCobrir.append(w);
    w->installEventFilter(this);
}

void PortaoAvancar::Form_MouseMove()
{
    if (!m_dicaVisivel)
        return;
    m_dicaVisivel = false;
    Picture3->hide();
    Image10->hide();
}

void PortaoAvancar::Timer1_Timer()
{
    if (m_figura == FiguraDica::Segunda)
        mostrarFigura(FiguraDica::Primeira);
    else if (m_figura == FiguraDica::Primeira)
        mostrarFigura(FiguraDica::Segunda);
}

bool PortaoAvancar::eventFilter(QObject* obj, QEvent* ev)
{
    const QEvent::Type t = ev->type();
    if (t == QEvent::Show && obj != m_janela && m_naoCobrir.contains(qobject_cast<QWidget*>(obj)))
        FecharBalao();
    if (obj == Label44 && (t == QEvent::MouseMove || t == QEvent::Enter)) {
        emit Label44_MouseMove();
    } else if (obj == Image10
               && (t == QEvent::MouseMove || t == QEvent::Enter || t == QEvent::MouseButtonPress)) {
        Image10_Click();
    } else if (obj == m_janela && t == QEvent::MouseMove) {
        auto* me = static_cast<QMouseEvent*>(ev);
        if (!m_janela->childAt(me->position().toPoint()))
            Form_MouseMove();
    }
    return QObject::eventFilter(obj, ev);
}

IconeAjuda::IconeAjuda(const QPixmap& normal, const QPixmap& sobre, QWidget* parent)
    : QLabel(parent), m_normal(normal), m_hover(sobre)
{
    setPixmap(m_normal);
    setMouseTracking(true);
    setCursor(Qt::PointingHandCursor);
}

void IconeAjuda::Normal()
{
    if (m_sobre) {
        m_sobre = false;
        setPixmap(m_normal);
    }
}

void IconeAjuda::sobre()
{
    if (!m_sobre) {
        m_sobre = true;
        setPixmap(m_hover);
    }
    emit mouseSobre();
}

void IconeAjuda::mousePressEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton)
        emit clicado();
}

void IconeAjuda::mouseMoveEvent(QMouseEvent*) { sobre(); }
void IconeAjuda::enterEvent(QEnterEvent*) { sobre(); }
