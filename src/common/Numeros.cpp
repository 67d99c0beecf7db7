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

double ArredondarDuasCasas(double valor)
{
    return std::nearbyint(valor * 100.0) / 100.0;
}

QString FormatarDuasCasas(double valor)
{
    return localeSemGrupos().toString(ArredondarDuasCasas(valor), 'f', 2);
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
