#include "common/GradeFlex.h"

#include "common/Numeros.h"
#include "common/Twips.h"

#include <QAbstractTableModel>
#include <QFontMetrics>
#include <QHeaderView>
#include <QPalette>
#include <algorithm>

class ModeloFlex : public QAbstractTableModel {
public:
    enum Marca : unsigned char { Centro = 1, Negrito = 2 };

    explicit ModeloFlex(QObject* parent) : QAbstractTableModel(parent) {}

    int rowCount(const QModelIndex& p = {}) const override { return p.isValid() ? 0 : m_linhas; }
    int columnCount(const QModelIndex& p = {}) const override { return p.isValid() ? 0 : m_colunas; }

    void Forma(int linhas, int colunas)
    {
        beginResetModel();
        m_linhas = std::max(0, linhas);
        m_colunas = std::max(0, colunas);
        m_textos.assign(static_cast<size_t>(m_linhas) * m_colunas, QString());
        m_marcas.assign(m_textos.size(), 0);
        endResetModel();
    }

    void Linhas(int linhas)
    {
        linhas = std::max(0, linhas);
        if (linhas == m_linhas)
            return;
        if (linhas > m_linhas) {
            beginInsertRows({}, m_linhas, linhas - 1);
            m_linhas = linhas;
            m_textos.resize(static_cast<size_t>(m_linhas) * m_colunas);
            m_marcas.resize(m_textos.size(), 0);
            endInsertRows();
        } else {
            beginRemoveRows({}, linhas, m_linhas - 1);
            m_linhas = linhas;
            m_textos.resize(static_cast<size_t>(m_linhas) * m_colunas);
            m_marcas.resize(m_textos.size());
            endRemoveRows();
        }
    }

    bool Valida(int l, int c) const { return l >= 0 && c >= 0 && l < m_linhas && c < m_colunas; }
    size_t Pos(int l, int c) const { return static_cast<size_t>(l) * m_colunas + c; }
    const QString& Texto(int l, int c) const { return m_textos[Pos(l, c)]; }

    void Definir(int l, int c, const QString& t)
    {
        m_textos[Pos(l, c)] = t;
        avisar();
    }

    void Marcar(int l, int c, Marca m, bool ligar)
    {
        unsigned char& v = m_marcas[Pos(l, c)];
        v = ligar ? (v | m) : (v & ~m);
        avisar();
    }

    // Views learn of changed cells once, when the window's events next run:
    // a grid filled cell by cell is drawn once, not once per cell.
    void avisar()
    {
        if (m_avisoPendente)
            return;
        m_avisoPendente = true;
        QMetaObject::invokeMethod(
            this,
            [this] {
                m_avisoPendente = false;
                if (m_linhas > 0 && m_colunas > 0)
                    emit dataChanged(index(0, 0), index(m_linhas - 1, m_colunas - 1));
            },
            Qt::QueuedConnection);
    }
    bool Marcada(int l, int c, Marca m) const { return m_marcas[Pos(l, c)] & m; }

    void Fixas(int linhas, int colunas)
    {
        m_fixasLinhas = linhas;
        m_fixasColunas = colunas;
    }

    QVariant data(const QModelIndex& i, int papel) const override
    {
        if (!i.isValid())
            return {};
        const int l = i.row(), c = i.column();
        switch (papel) {
        case Qt::DisplayRole:
        case Qt::ToolTipRole:
            return Texto(l, c);
        case Qt::TextAlignmentRole: {
            if (Marcada(l, c, Centro))
                return QVariant::fromValue(Qt::AlignCenter);
            // Numbers to the right, other texts to the left.
            bool numero = false;
            Numeros::Ler(Texto(l, c), &numero);
            return QVariant::fromValue((numero ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
        }
        case Qt::FontRole:
            if (Marcada(l, c, Negrito)) {
                QFont f;
                f.setBold(true);
                return f;
            }
            return {};
        case Qt::BackgroundRole:
            if (l < m_fixasLinhas || c < m_fixasColunas)
                return QPalette().button();
            return {};
        default:
            return {};
        }
    }

    Qt::ItemFlags flags(const QModelIndex& i) const override
    {
        return i.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
    }

private:
    int m_linhas = 0, m_colunas = 0;
    int m_fixasLinhas = 1, m_fixasColunas = 1;
    bool m_avisoPendente = false;
    std::vector<QString> m_textos;
    std::vector<unsigned char> m_marcas;
};

GradeFlex::GradeFlex(QWidget* parent) : QTableView(parent), m_modelo(new ModeloFlex(this))
{
    setModel(m_modelo);
    horizontalHeader()->hide();
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(std::max(16, fontMetrics().height() + 4));
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setWordWrap(false);
}

int GradeFlex::Linhas() const { return m_modelo->rowCount(); }
int GradeFlex::Colunas() const { return m_modelo->columnCount(); }

void GradeFlex::DefinirForma(int linhas, int colunas)
{
    clearSpans();
    m_modelo->Forma(linhas, colunas);
    m_larguras.resize(static_cast<size_t>(std::max(0, colunas)), 0);
    m_minimos.assign(m_larguras.size(), 0);
    for (int c = 0; c < colunas; ++c)
        aplicarLargura(c);
}

void GradeFlex::DefinirLinhas(int linhas) { m_modelo->Linhas(linhas); }

void GradeFlex::DefinirFixas(int linhas, int colunas) { m_modelo->Fixas(linhas, colunas); }

QString GradeFlex::Texto(int linha, int coluna) const
{
    return m_modelo->Valida(linha, coluna) ? m_modelo->Texto(linha, coluna) : QString();
}

void GradeFlex::DefinirTexto(int linha, int coluna, const QString& texto)
{
    if (m_modelo->Valida(linha, coluna))
        m_modelo->Definir(linha, coluna, texto);
}

void GradeFlex::DefinirCentralizado(int linha, int coluna)
{
    if (m_modelo->Valida(linha, coluna))
        m_modelo->Marcar(linha, coluna, ModeloFlex::Centro, true);
}

void GradeFlex::DefinirNegrito(int linha, int coluna, bool negrito)
{
    if (m_modelo->Valida(linha, coluna))
        m_modelo->Marcar(linha, coluna, ModeloFlex::Negrito, negrito);
}

bool GradeFlex::Negrito(int linha, int coluna) const
{
    return m_modelo->Valida(linha, coluna) && m_modelo->Marcada(linha, coluna, ModeloFlex::Negrito);
}

void GradeFlex::Mesclar(int linha, int coluna, int linhas, int colunas)
{
    setSpan(linha, coluna, linhas, colunas);
}

void GradeFlex::DefinirLarguraColuna(int coluna, int twips)
{
    if (coluna < 0 || coluna >= static_cast<int>(m_larguras.size()))
        return;
    m_larguras[static_cast<size_t>(coluna)] = twips;
    aplicarLargura(coluna);
}

int GradeFlex::LarguraColuna(int coluna) const
{
    if (coluna < 0 || coluna >= static_cast<int>(m_larguras.size()))
        return 0;
    return m_larguras[static_cast<size_t>(coluna)];
}

void GradeFlex::Acomodar(int coluna)
{
    if (coluna < 0 || coluna >= static_cast<int>(m_minimos.size()))
        return;
    // Measured in bold: a header cell may be shown bold.
    QFont f = font();
    f.setBold(true);
    const QFontMetrics negrito(f);
    int maior = 0;
    for (int l = 0; l < Linhas(); ++l) {
        const QString& t = m_modelo->Texto(l, coluna);
        // A text merged across columns has their joint width.
        if (!t.isEmpty() && columnSpan(l, coluna) == 1)
            maior = std::max(maior, negrito.horizontalAdvance(t));
    }
    m_minimos[static_cast<size_t>(coluna)] = maior ? maior + 10 : 0;
    aplicarLargura(coluna);
}

void GradeFlex::aplicarLargura(int coluna)
{
    const size_t c = static_cast<size_t>(coluna);
    setColumnWidth(coluna, std::max(Twips::Px(m_larguras[c]), m_minimos[c]));
}

void GradeFlex::DefinirLarguraTwips(int twips)
{
    resize(Twips::Px(twips), height());
}
