#include "shell/frmSplash.h"

#include "common/Banco.h"
#include "common/Espera.h"
#include "common/Figuras.h"
#include "common/Twips.h"
#include "shell/frmMain.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>

REGISTRAR_JANELA(frmSplash)

frmSplash::frmSplash() : Formulario(nullptr)
{
    setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint);
    setFixedSize(Twips::Px(7320), Twips::Px(5220));
    setFont(QFont(QStringLiteral("Verdana")));
    // The system's window colour, as text areas use it, inside a thin border.
    setAttribute(Qt::WA_StyledBackground);
    setStyleSheet(QStringLiteral("frmSplash { background: palette(base); border: 1px solid palette(mid); }"));

    auto rotulo = [this](const char* nome, const QString& texto, int l, int t, int w, int h) {
        auto* r = new QLabel(texto, this);
        r->setObjectName(QString::fromLatin1(nome));
        Twips::Posicionar(r, l, t, w, h);
        return r;
    };
    QFont grande(QStringLiteral("Verdana"));
    grande.setPixelSize(44);
    grande.setBold(true);
    QFont titulo(QStringLiteral("Verdana"));
    titulo.setPixelSize(30);
    titulo.setBold(true);

    rotulo("Label4", QStringLiteral("V"), 1800, 600, 600, 900)->setFont(grande);
    rotulo("Label5", QStringLiteral("a"), 2350, 600, 600, 900)->setFont(grande);
    QLabel* nome = rotulo("lblTitulo", QStringLiteral("zora"), 2850, 780, 2600, 700);
    nome->setFont(titulo);
    rotulo("lblVersao", QStringLiteral("Versão - 1.0"), 1800, 1800, 3000, 300);
    QLabel* monitor = rotulo(
        "lblMonitor",
        QStringLiteral("Este programa é melhor visualizado em monitores 800 x 600 pixels - True "
                       "Color (32 bits)"),
        600, 3300, 6100, 600);
    monitor->setWordWrap(true);
    QLabel* creditos = rotulo(
        "lblCreditos",
        QStringLiteral("  \"Os créditos, direitos e propriedades do programa podem ser encontrados "
                       "no item 'Sobre' do menu Ajuda.\""),
        600, 4050, 6100, 800);
    creditos->setWordWrap(true);

    auto figura = [this](const char* nome, const QPixmap& p, int l, int t) {
        auto* f = new QLabel(this);
        f->setObjectName(QString::fromLatin1(nome));
        f->setPixmap(p);
        f->move(Twips::Px(l), Twips::Px(t));
        f->resize(p.size());
    };
    figura("Image1", Figuras::Logo(), 600, 600);
    figura("Image2", Figuras::DicaPrimeira(), 6300, 600);
    figura("Image3", Figuras::AjudaNormal(), 6300, 1800);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(Espera::Milissegundos(3000));
    connect(Timer1, &QTimer::timeout, this, &frmSplash::Timer1_Timer);
}

void frmSplash::Form_Load()
{
    if (QScreen* tela = QGuiApplication::primaryScreen())
        move(tela->availableGeometry().center() - rect().center());
    show();
    Timer1->start();
}

void frmSplash::Timer1_Timer()
{
    Banco::Acao acao;
    Timer1->stop();
    Janelas::Descarregar(this);
    auto* principal = new frmMain();
    principal->show();
}
