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
    return localeSemGrupos().toString(valor, 'g', 15);
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
    const bool impar = std::fmod(p, 2.0) != 0;
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
    if (!m_algarismosLatinos || !std::isfinite(centesimos) || std::fabs(centesimos) >= 1e15)
        return localeSemGrupos().toString(centesimos / 100.0 + 0.0, 'f', 2);
    const bool negativo = centesimos < 0;
    unsigned long long n = static_cast<unsigned long long>(std::fabs(centesimos));
    char16_t digitos[24];
    int i = 24;
    digitos[--i] = u'0' + static_cast<char16_t>(n % 10);
    n /= 10;
    digitos[--i] = u'0' + static_cast<char16_t>(n % 10);
    n /= 10;
    const int inicioDecimais = i;
    do {
        digitos[--i] = u'0' + static_cast<char16_t>(n % 10);
        n /= 10;
    } while (n);
    QString t;
    t.reserve(m_menos.size() + (24 - i) + m_separador.size());
    if (negativo)
        t += m_menos;
    t.append(reinterpret_cast<const QChar*>(digitos + i), inicioDecimais - i);
    t += m_separador;
    t.append(reinterpret_cast<const QChar*>(digitos + inicioDecimais), 2);
    return t;
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
