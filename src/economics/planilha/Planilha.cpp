#include "economics/planilha/Planilha.h"

#include <QRegularExpression>
#include <cmath>

namespace Planilha {

namespace {

bool dentro(int linha, int coluna)
{
    return linha >= 1 && linha <= Folha::MaxLinhas && coluna >= 1 && coluna <= Folha::MaxColunas;
}

// "F" gives 6, "AB" gives 28; 0 when not letters.
int numeroDaColuna(const QString& letras)
{
    int n = 0;
    for (const QChar c : letras) {
        const QChar m = c.toUpper();
        if (m < QLatin1Char('A') || m > QLatin1Char('Z'))
            return 0;
        n = n * 26 + (m.unicode() - 'A' + 1);
        if (n > Folha::MaxColunas)
            return 0;
    }
    return n;
}

bool lerCelulaA1(const QString& texto, int* linha, int* coluna)
{
    static const QRegularExpression re(QStringLiteral("^\\$?([A-Za-z]{1,3})\\$?([0-9]{1,6})$"));
    const auto m = re.match(texto.trimmed());
    if (!m.hasMatch())
        return false;
    *coluna = numeroDaColuna(m.captured(1));
    *linha = m.captured(2).toInt();
    return dentro(*linha, *coluna);
}

// Colours a chart gives its series in turn: dark enough to outline a bubble
// on white, then further hues spread around the colour wheel.
QColor corAutomatica(int indice)
{
    static const QColor paleta[] = {
        QColor(0, 0, 128),   QColor(192, 0, 0),   QColor(0, 128, 0),   QColor(230, 115, 0),
        QColor(128, 0, 128), QColor(0, 128, 128), QColor(128, 128, 0), QColor(0, 0, 255),
        QColor(255, 0, 255), QColor(96, 96, 96)};
    constexpr int n = sizeof(paleta) / sizeof(paleta[0]);
    if (indice >= 1 && indice <= n)
        return paleta[indice - 1];
    const double matiz = std::fmod(0.61803398875 * indice, 1.0);
    return QColor::fromHsvF(static_cast<float>(matiz), 0.85f, 0.7f);
}

}  // namespace

QVariant Folha::Celula(int linha, int coluna) const
{
    return m_celulas.value(qMakePair(linha, coluna));
}

void Folha::DefinirCelula(int linha, int coluna, const QVariant& valor)
{
    if (!dentro(linha, coluna))
        return;
    if (!valor.isValid() || valor.isNull())
        m_celulas.remove(qMakePair(linha, coluna));
    else
        m_celulas.insert(qMakePair(linha, coluna), valor);
}

bool Folha::ClearContents(const QString& intervalo)
{
    const QStringList partes = intervalo.split(QLatin1Char(':'));
    if (partes.size() > 2)
        return false;
    int l1 = 0, c1 = 0, l2 = 0, c2 = 0;
    if (!lerCelulaA1(partes.first(), &l1, &c1) || !lerCelulaA1(partes.last(), &l2, &c2))
        return false;
    if (l1 > l2)
        std::swap(l1, l2);
    if (c1 > c2)
        std::swap(c1, c2);
    for (auto it = m_celulas.begin(); it != m_celulas.end();) {
        const int l = it.key().first, c = it.key().second;
        if (l >= l1 && l <= l2 && c >= c1 && c <= c2)
            it = m_celulas.erase(it);
        else
            ++it;
    }
    return true;
}

Serie* GraficoFolha::SeriesCollection(int i)
{
    return i >= 1 && i <= Quantidade() ? &m_series[static_cast<size_t>(i - 1)] : nullptr;
}

const Serie* GraficoFolha::SeriesCollection(int i) const
{
    return i >= 1 && i <= Quantidade() ? &m_series[static_cast<size_t>(i - 1)] : nullptr;
}

bool GraficoFolha::Delete(int i)
{
    if (i < 1 || i > Quantidade())
        return false;
    m_series.erase(m_series.begin() + (i - 1));
    return true;
}

void GraficoFolha::ApagarSeries()
{
    // Always deleting the first series empties the chart in as many steps as it has series.
    for (int restantes = Quantidade(); restantes > 0; --restantes)
        Delete(1);
}

Serie& GraficoFolha::NewSeries()
{
    Serie s;
    s.CorInterior = corAutomatica(Quantidade() + 1);
    s.CorBorda = s.CorInterior;
    m_series.push_back(s);
    return m_series.back();
}

void GraficoFolha::FormatarBolhaVazada(int i)
{
    Serie* s = SeriesCollection(i);
    if (!s)
        return;
    s->CorBorda = s->CorInterior;
    s->EspessuraBorda = Codigo::EspessuraMedia;
    s->EstiloBorda = Codigo::LinhaContinua;
    s->Sombra = false;
    s->InvertIfNegative = true;
    s->IndiceCorInterior = Codigo::SemPreenchimento;
}

Pasta::Pasta()
    : m_plan1(QStringLiteral("Plan1")),
      m_grafPC(QStringLiteral("GrafPC")),
      m_grafMP(QStringLiteral("GrafMP"))
{
}

Folha* Pasta::Planilha(const QString& nome)
{
    return nome.compare(m_plan1.Nome(), Qt::CaseInsensitive) == 0 ? &m_plan1 : nullptr;
}

const Folha* Pasta::Planilha(const QString& nome) const
{
    return const_cast<Pasta*>(this)->Planilha(nome);
}

GraficoFolha* Pasta::Grafico(const QString& nome)
{
    if (nome.compare(m_grafPC.Nome(), Qt::CaseInsensitive) == 0)
        return &m_grafPC;
    if (nome.compare(m_grafMP.Nome(), Qt::CaseInsensitive) == 0)
        return &m_grafMP;
    return nullptr;
}

const GraficoFolha* Pasta::Grafico(const QString& nome) const
{
    return const_cast<Pasta*>(this)->Grafico(nome);
}

GraficoFolha* Pasta::Select(const QString& nome)
{
    if (GraficoFolha* g = Grafico(nome))
        m_ativo = g;
    return m_ativo;
}

QVariant Pasta::Resolver(const QString& formula) const
{
    static const QRegularExpression re(
        QStringLiteral("^=\\s*([^!]+)!R([0-9]{1,6})C([0-9]{1,3})$"), QRegularExpression::CaseInsensitiveOption);
    const auto m = re.match(formula.trimmed());
    if (!m.hasMatch())
        return QVariant();
    const Folha* f = Planilha(m.captured(1));
    return f ? f->Celula(m.captured(2).toInt(), m.captured(3).toInt()) : QVariant();
}

QString Referencia(int linha, int coluna)
{
    return QStringLiteral("=Plan1!R") + QString::number(linha) + QStringLiteral("C")
           + QString::number(coluna);
}

namespace {
std::unique_ptr<Pasta> g_pasta;
}  // namespace

bool ExcelAberto()
{
    return g_pasta != nullptr;
}

void AbreExcel()
{
    if (!g_pasta)
        g_pasta = std::make_unique<Pasta>();
}

void FechaExcel()
{
    g_pasta.reset();
}

Pasta* xlBook()
{
    return g_pasta.get();
}

Folha* xlSheet()
{
    return g_pasta ? g_pasta->Planilha(QStringLiteral("Plan1")) : nullptr;
}

}  // namespace Planilha
