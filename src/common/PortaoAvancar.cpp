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
}  // namespace

PortaoAvancar::PortaoAvancar(QWidget* janela) : PortaoAvancar(janela, Geometria{}) {}

PortaoAvancar::PortaoAvancar(QWidget* janela, const Geometria& g)
    : PortaoAvancar(janela, g, Nomes{})
{
}

PortaoAvancar::PortaoAvancar(QWidget* janela, const Geometria& g, const Nomes& n)
    : QObject(janela), m_janela(janela)
{
    QFont comic(QStringLiteral("Comic Sans MS"));
    comic.setPointSize(11);
    comic.setBold(true);

    CommandButton1 = new QPushButton(QStringLiteral("Avançar"), janela);
    CommandButton1->setObjectName(QStringLiteral("CommandButton1"));
    CommandButton1->setFont(comic);
    CommandButton1->setIcon(QIcon(Figuras::Avancar()));
    CommandButton1->setGeometry(emPixels(g.botao));
    CommandButton1->setEnabled(false);

    Picture4 = new QFrame(janela);
    Picture4->setObjectName(QStringLiteral("Picture4"));
    Picture4->setGeometry(emPixels(g.imitacao));
    Picture4->setAutoFillBackground(true);
    auto* linha = new QHBoxLayout(Picture4);
    linha->setContentsMargins(6, 0, 6, 0);
    Image13 = new QLabel(Picture4);
    Image13->setObjectName(n.imagemImitacao);
    Image13->setPixmap(Figuras::Avancar());
    Label44 = new QLabel(QStringLiteral("Avançar"), Picture4);
    Label44->setObjectName(n.legendaImitacao);
    Label44->setFont(comic);
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

void PortaoAvancar::Abrir(const QString& textoAberto)
{
    CommandButton1->setEnabled(true);
    Picture4->hide();
    Label42->setText(textoAberto);
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
    Label42->setText(texto);
    mostrarFigura(figura);
    Image10->show();
}

void PortaoAvancar::Image10_Click()
{
    m_dicaVisivel = true;
    Picture3->show();
    Picture3->raise();
    Image10->raise();
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
