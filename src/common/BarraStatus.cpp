#include "common/BarraStatus.h"

#include <QDate>
#include <QLocale>
#include <QMouseEvent>
#include <QTime>

PainelStatus::PainelStatus(int indice, Estilo estilo, QWidget* parent)
    : QLabel(parent), m_indice(indice), m_estilo(estilo)
{
    setFont(QFont(QStringLiteral("Verdana")));
    setContentsMargins(3, 0, 3, 0);
    DefinirBevel(Inset);
    AtualizarRelogio();
}

void PainelStatus::DefinirBevel(Bevel b)
{
    m_bevel = b;
    switch (b) {
    case SemBevel:
        setFrameStyle(QFrame::NoFrame);
        break;
    case Inset:
        setFrameStyle(QFrame::Panel | QFrame::Sunken);
        break;
    case Raised:
        setFrameStyle(QFrame::Panel | QFrame::Raised);
        break;
    }
}

void PainelStatus::DefinirLarguraTwips(int twips)
{
    // The designed width is what a panel takes when there is room; a longer
    // text (a long date format) widens it, and a narrow window takes the room
    // from the panels' spare blanks, never from their texts.
    m_largura = twips / 15;
    updateGeometry();
}

QSize PainelStatus::sizeHint() const
{
    const QSize texto = QLabel::sizeHint();
    return m_autoSize ? texto : texto.expandedTo(QSize(m_largura, 0));
}

void PainelStatus::DefinirAutoSize(bool preencher)
{
    m_autoSize = preencher;
    if (preencher) {
        setMaximumWidth(QWIDGETSIZE_MAX);
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    }
}

void PainelStatus::DefinirAlinhamentoEsquerda()
{
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

void PainelStatus::AtualizarRelogio()
{
    if (m_estilo == Data)
        setText(QLocale().toString(QDate::currentDate(), QLocale::ShortFormat));
    else if (m_estilo == Hora)
        setText(QLocale().toString(QTime::currentTime(), QLocale::ShortFormat));
}

void PainelStatus::mousePressEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton)
        emit clicado(m_indice);
    QLabel::mousePressEvent(e);
}

BarraStatus::BarraStatus(QWidget* parent) : QStatusBar(parent)
{
    setObjectName(QStringLiteral("sbStatusBar"));
    setSizeGripEnabled(false);
    struct Def {
        const char* chave;
        const char* texto;
        PainelStatus::Estilo estilo;
        int largura;
        bool visivel;
    };
    const Def defs[] = {
        {"painel1", "Status", PainelStatus::Texto, 1500, true},
        {"", "", PainelStatus::Texto, 4800, true},
        {"Consequencia", "Matriz de Consequência", PainelStatus::Texto, 2500, false},
        {"classificacao", "Classificação", PainelStatus::Texto, 2500, false},
        {"sensibilidade", "Análise Gráfica", PainelStatus::Texto, 2500, false},
        {"", "", PainelStatus::Data, 1100, true},
        {"", "", PainelStatus::Hora, 1005, true},
    };
    int indice = 1;
    for (const Def& d : defs) {
        auto* p = new PainelStatus(indice, d.estilo, this);
        p->setObjectName(QString::fromUtf8(d.chave).isEmpty()
                             ? QStringLiteral("Panel%1").arg(indice)
                             : QString::fromUtf8(d.chave));
        if (d.estilo == PainelStatus::Texto) {
            p->setText(QString::fromUtf8(d.texto));
            p->setToolTip(QString::fromUtf8(d.texto));
        }
        p->DefinirLarguraTwips(d.largura);
        if (indice <= 5)
            addWidget(p);
        else
            addPermanentWidget(p);
        p->setVisible(d.visivel);
        connect(p, &PainelStatus::clicado, this, &BarraStatus::PanelClick);
        m_paineis.push_back(p);
        ++indice;
    }
    connect(&m_relogio, &QTimer::timeout, this, [this] {
        m_paineis[5]->AtualizarRelogio();
        m_paineis[6]->AtualizarRelogio();
    });
    m_relogio.start(1000);
}

PainelStatus* BarraStatus::Painel(int indice) const
{
    if (indice < 1 || indice > static_cast<int>(m_paineis.size()))
        return nullptr;
    return m_paineis[static_cast<size_t>(indice - 1)];
}
