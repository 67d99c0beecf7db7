#include "common/Numeros.h"

#include <QLocale>
#include <cmath>

namespace Numeros {

static QLocale localeSemGrupos()
{
    QLocale loc;
    loc.setNumberOptions(QLocale::OmitGroupSeparator | QLocale::RejectGroupSeparator);
    return loc;
}

QString Formatar(double valor)
{
    if (valor == 0)
        return QStringLiteral("0");
    const QLocale loc = localeSemGrupos();
    const QString t = loc.toString(valor, 'g', 15);
    if (std::fabs(valor) >= 1 || !t.contains(QLatin1Char('e'), Qt::CaseInsensitive))
        return t;
    // A small number is written out, as the user would type it back: the
    // decimals its 15 significant digits need, without trailing zeros.
    const int expoente = static_cast<int>(std::floor(std::log10(std::fabs(valor))));
    QString f = loc.toString(valor, 'f', 14 - expoente);
    while (f.endsWith(QLatin1Char('0')))
        f.chop(1);
    if (f.endsWith(loc.decimalPoint()))
        f.chop(loc.decimalPoint().size());
    return f;
}

QString TextoDoCampo(const QVariant& valor)
{
    if (valor.isNull() || !valor.isValid())
        return QString();
    switch (valor.typeId()) {
    case QMetaType::Double:
    case QMetaType::Float:
        return Formatar(valor.toDouble());
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::Short:
    case QMetaType::UInt:
    case QMetaType::ULongLong:
        return QString::number(valor.toLongLong());
    default:
        return valor.toString();
    }
}

double ArredondarInteiro(double valor)
{
    return std::nearbyint(valor);
}

double Centesimos(double valor)
{
    double p = std::nearbyint(valor * 100.0);
    if (!std::isfinite(p) || std::fabs(p) >= 0x1p52)
        return p + 0.0;
    // The product was rounded, so p may be one off. The exact distance of
    // valor x 100 from the midpoints p - 1/2 and p + 1/2 (one rounding each,
    // which keeps its sign and whether it is zero) decides.
    const double acima = std::fma(valor, 100.0, -(p + 0.5));
    const double abaixo = std::fma(valor, 100.0, -(p - 0.5));
    const bool impar = static_cast<long long>(p) % 2 != 0;
    if (acima > 0 || (acima == 0 && impar))
        p += 1;
    else if (abaixo < 0 || (abaixo == 0 && impar))
        p -= 1;
    return p + 0.0;
}

double ArredondarDuasCasas(double valor)
{
    return Centesimos(valor) / 100.0 + 0.0;
}

QString FormatarDuasCasas(double valor)
{
    return FormatoDuasCasas().DeCentesimos(Centesimos(valor));
}

FormatoDuasCasas::FormatoDuasCasas()
{
    const QLocale loc;
    m_separador = loc.decimalPoint();
    m_menos = loc.negativeSign();
    m_algarismosLatinos = loc.zeroDigit() == QLatin1String("0");
}

QString FormatoDuasCasas::DeCentesimos(double centesimos) const
{
    QString t;
    Acrescentar(centesimos, t);
    return t;
}

void FormatoDuasCasas::Acrescentar(double centesimos, QString& destino) const
{
    if (!m_algarismosLatinos || !std::isfinite(centesimos) || std::fabs(centesimos) >= 1e15
        || m_menos.size() > 4 || m_separador.size() > 4) {
        destino += localeSemGrupos().toString(centesimos / 100.0 + 0.0, 'f', 2);
        return;
    }
    // Written from the right: two decimals, the separator, the whole part, the sign.
    char16_t texto[32];
    int i = 32;
    unsigned long long n = static_cast<unsigned long long>(std::fabs(centesimos));
    for (int casa = 0; casa < 2; ++casa, n /= 10)
        texto[--i] = static_cast<char16_t>(u'0' + n % 10);
    for (int s = static_cast<int>(m_separador.size()) - 1; s >= 0; --s)
        texto[--i] = m_separador.at(s).unicode();
    do {
        texto[--i] = static_cast<char16_t>(u'0' + n % 10);
        n /= 10;
    } while (n);
    if (centesimos < 0)
        for (int s = static_cast<int>(m_menos.size()) - 1; s >= 0; --s)
            texto[--i] = m_menos.at(s).unicode();
    destino.append(reinterpret_cast<const QChar*>(texto + i), 32 - i);
}

QString FormatoDuasCasas::Simples(double centesimos) const
{
    if (!m_algarismosLatinos || !std::isfinite(centesimos) || std::fabs(centesimos) >= 1e15)
        return Formatar(centesimos / 100.0);
    QString t = DeCentesimos(centesimos);
    int fim = static_cast<int>(t.size());
    while (t.at(fim - 1) == QLatin1Char('0') && fim > 1)
        --fim;
    if (t.mid(0, fim).endsWith(m_separador))
        fim -= static_cast<int>(m_separador.size());
    t.truncate(fim);
    return t == m_menos + QLatin1Char('0') ? QStringLiteral("0") : t;
}

double Ler(const QString& texto, bool* ok)
{
    const QString t = texto.trimmed();
    bool convertido = false;
    double v = t.isEmpty() ? 0.0 : localeSemGrupos().toDouble(t, &convertido);
    if (convertido && !std::isfinite(v))
        convertido = false;
    if (ok)
        *ok = convertido;
    return convertido ? v : 0.0;
}

QChar SeparadorDecimal()
{
    const QString t = QLocale().toString(5.0 / 2.0);
    return t.size() > 1 ? t.at(1) : QChar('.');
}

}  // namespace Numeros
