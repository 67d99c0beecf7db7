#include "projects/PainelProjetos.h"

#include "common/Twips.h"
#include "projects/Projetos.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

namespace Projetos {

namespace {

// The icon's pictures: a round button with an arrow down (panel closed) or up.
QPixmap figuraOpcoes(bool aberto)
{
    QPixmap p(18, 18);
    p.fill(Qt::transparent);
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    g.setPen(QPen(QColor(0, 0, 128), 1));
    g.setBrush(QColor(220, 228, 245));
    g.drawEllipse(QRectF(1, 1, 16, 16));
    QPainterPath seta;
    if (aberto) {
        seta.moveTo(5, 11);
        seta.lineTo(9, 6);
        seta.lineTo(13, 11);
    } else {
        seta.moveTo(5, 7);
        seta.lineTo(9, 12);
        seta.lineTo(13, 7);
    }
    g.setBrush(Qt::NoBrush);
    g.setPen(QPen(QColor(0, 0, 128), 2));
    g.drawPath(seta);
    return p;
}

// Window frame (title bar and borders) included in a dialog's designed height.
constexpr int kMoldura = 405;

}  // namespace

QLabel* Rotulo(QWidget* pai, const char* nome, const QString& texto, int left, int top)
{
    auto* l = Criar<QLabel>(pai, nome, left, top, 1800, 255);
    l->setText(texto);
    l->resize(std::max(l->width(), l->sizeHint().width()), std::max(l->height(), l->sizeHint().height()));
    return l;
}

bool PreencherGrade(GradeFlex* grade, Banco::Recordset* rs, int numero)
{
    grade->DefinirForma(std::max(numero, 0) + 2, 2);
    grade->DefinirFixas(1, 0);
    grade->DefinirTexto(0, 0, QStringLiteral("Projetos"));
    grade->DefinirTexto(0, 1, QStringLiteral("Última atualização"));
    grade->DefinirLarguraColuna(0, 3000);
    grade->DefinirLarguraColuna(1, 2000);
    bool lido = true;
    if (rs) {
        rs->MoveFirst();
        for (int linha = 1; !rs->EOF_() && linha <= numero && lido; ++linha) {
            lido = rs->Ler();
            if (!lido)
                break;
            grade->DefinirTexto(linha, 0, rs->Campo(QStringLiteral("Projeto")).toString());
            grade->DefinirTexto(
                linha, 1, TextoAtualizacao(rs->Campo(QStringLiteral("Data")), rs->Campo(QStringLiteral("Time"))));
            rs->MoveNext();
        }
    }
    // A date and time longer than the column in this locale widens it.
    grade->Acomodar(1);
    grade->setCurrentIndex(QModelIndex());
    return lido;
}

IconeOpcoes::IconeOpcoes(QWidget* pai) : QLabel(pai)
{
    setCursor(Qt::PointingHandCursor);
    setToolTip(QString());
    MostrarAberto(false);
}

void IconeOpcoes::MostrarAberto(bool aberto)
{
    m_aberto = aberto;
    setPixmap(figuraOpcoes(aberto));
}

void IconeOpcoes::mousePressEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton)
        emit clicado();
    QLabel::mousePressEvent(e);
}

DialogoProjetos::DialogoProjetos(const QString& titulo, const QString& nomeGrade, int alturaFrame,
                                 int topoBotoes, const QString& textoBotao1, LayoutOpcoes layout)
    : Dialogo(nullptr), m_layout(layout)
{
    setWindowTitle(titulo);
    setFixedSize(Twips::Px(6855), Twips::Px(layout.alturaFechado - kMoldura));
    Label2 = Rotulo(this, "Label2", QStringLiteral("Projetos "), 240, 400);
    m_grade = new GradeFlex(this);
    m_grade->setObjectName(nomeGrade);
    m_grade->setSelectionBehavior(QAbstractItemView::SelectRows);
    Twips::Posicionar(m_grade, 240, 720, 6375, 1575);
    Label1 = Rotulo(this, "Label1", QStringLiteral("Nome do projeto:"), 240, 2550);
    Image3 = new IconeOpcoes(this);
    Image3->setObjectName(QStringLiteral("Image3"));
    Twips::Posicionar(Image3, 240, 3000, 270, 270);
    Label3 = Rotulo(this, "Label3", QStringLiteral("Opções"), 600, 3015);
    // The icon's two pictures, kept in hidden images: closed, open.
    for (const bool aberto : {false, true}) {
        auto* imagem = new QLabel(this);
        imagem->setObjectName(aberto ? QStringLiteral("Image2") : QStringLiteral("Image1"));
        imagem->setPixmap(figuraOpcoes(aberto));
        imagem->hide();
    }
    Frame1 = Criar<QGroupBox>(this, "Frame1", 240, 3480, 6375, alturaFrame);
    Frame1->hide();
    CommandButton1 = Criar<QPushButton>(this, "CommandButton1", 1320, topoBotoes, 1695, 480);
    CommandButton1->setText(textoBotao1);
    CommandButton1->setDefault(true);
    CommandButton2 = Criar<QPushButton>(this, "CommandButton2", 3840, topoBotoes, 1695, 480);
    CommandButton2->setText(QStringLiteral("Cancelar"));
    connect(Image3, &IconeOpcoes::clicado, this, &DialogoProjetos::Image3_Click);
}

void DialogoProjetos::IniciarOpcoes()
{
    Image3->MostrarAberto(false);
    m_topoAtivacao = y();
}

void DialogoProjetos::Image3_Click()
{
    const bool abrir = !Image3->Aberto();
    Frame1->setVisible(abrir);
    definirAltura(abrir ? m_layout.alturaAberto : m_layout.alturaFechado);
    move(x(), abrir ? Twips::Px(m_layout.topoAberto) : m_topoAtivacao);
    moverBotoes(abrir ? m_layout.botoesAberto : m_layout.botoesFechado);
    Image3->MostrarAberto(abrir);
}

void DialogoProjetos::moverBotoes(int topo)
{
    CommandButton1->move(CommandButton1->x(), Twips::Px(topo));
    CommandButton2->move(CommandButton2->x(), Twips::Px(topo));
}

void DialogoProjetos::definirAltura(int altura)
{
    setFixedHeight(Twips::Px(altura - kMoldura));
}

}  // namespace Projetos
