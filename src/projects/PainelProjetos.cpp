#include "projects/PainelProjetos.h"

#include "common/Twips.h"
#include "projects/Projetos.h"

#include <QHeaderView>
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

QTableWidget* CriarGrade(QWidget* pai, const QString& nome)
{
    auto* grade = new QTableWidget(0, 2, pai);
    grade->setObjectName(nome);
    grade->setHorizontalHeaderLabels({QStringLiteral("Projetos"), QStringLiteral("Última atualização")});
    grade->verticalHeader()->hide();
    grade->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grade->setSelectionBehavior(QAbstractItemView::SelectRows);
    grade->setSelectionMode(QAbstractItemView::SingleSelection);
    grade->horizontalHeader()->setHighlightSections(false);
    grade->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    grade->verticalHeader()->setDefaultSectionSize(grade->fontMetrics().height() + 6);
    return grade;
}

void PreencherGrade(QTableWidget* grade, Banco::Recordset* rs, int numero)
{
    grade->clearContents();
    grade->setRowCount(std::max(numero, 0) + 1);
    for (int linha = 0; linha < grade->rowCount(); ++linha) {
        for (int coluna = 0; coluna < 2; ++coluna)
            grade->setItem(linha, coluna, new QTableWidgetItem());
    }
    if (rs) {
        rs->MoveFirst();
        for (int linha = 0; !rs->EOF_() && linha < numero; ++linha) {
            grade->item(linha, 0)->setText(rs->Campo(QStringLiteral("Projeto")).toString());
            grade->item(linha, 1)->setText(
                TextoAtualizacao(rs->Campo(QStringLiteral("Data")), rs->Campo(QStringLiteral("Time"))));
            rs->MoveNext();
        }
    }
    grade->setColumnWidth(0, Twips::Px(3000));
    grade->setColumnWidth(1, Twips::Px(2000));
    // A date and time longer than the column in this locale widens it.
    int largura = grade->columnWidth(1);
    for (int linha = 0; linha < grade->rowCount(); ++linha)
        largura = std::max(largura, grade->fontMetrics().horizontalAdvance(grade->item(linha, 1)->text()) + 12);
    grade->setColumnWidth(1, largura);
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

void CriarImagensOpcoes(QWidget* pai)
{
    for (const bool aberto : {false, true}) {
        auto* imagem = new QLabel(pai);
        imagem->setObjectName(aberto ? QStringLiteral("Image2") : QStringLiteral("Image1"));
        imagem->setPixmap(figuraOpcoes(aberto));
        imagem->hide();
    }
}

PainelOpcoes::PainelOpcoes(QWidget* dialogo, QWidget* frame, IconeOpcoes* icone,
                           QPushButton* botao1, QPushButton* botao2, LayoutOpcoes layout)
    : m_dialogo(dialogo), m_frame(frame), m_icone(icone), m_botao1(botao1), m_botao2(botao2),
      m_layout(layout)
{
}

void PainelOpcoes::Iniciar()
{
    m_icone->MostrarAberto(false);
    m_topoAtivacao = m_dialogo->y();
}

void PainelOpcoes::Alternar()
{
    if (!m_icone->Aberto()) {
        m_frame->show();
        definirAltura(m_layout.alturaAberto);
        m_dialogo->move(m_dialogo->x(), Twips::Px(m_layout.topoAberto));
        moverBotoes(m_layout.botoesAberto);
        m_icone->MostrarAberto(true);
    } else {
        m_frame->hide();
        definirAltura(m_layout.alturaFechado);
        m_dialogo->move(m_dialogo->x(), m_topoAtivacao);
        moverBotoes(m_layout.botoesFechado);
        m_icone->MostrarAberto(false);
    }
}

void PainelOpcoes::moverBotoes(int topo)
{
    m_botao1->move(m_botao1->x(), Twips::Px(topo));
    m_botao2->move(m_botao2->x(), Twips::Px(topo));
}

void PainelOpcoes::definirAltura(int altura)
{
    m_dialogo->setFixedHeight(Twips::Px(altura - kMoldura));
}

}  // namespace Projetos
