#include "evaluation/Indicadores.h"

#include "common/Numeros.h"

namespace Indicadores {

const std::array<QString, Quantidade>& Codigos()
{
    static const std::array<QString, Quantidade> c{
        QStringLiteral("Io"),   QStringLiteral("IH1"),  QStringLiteral("IH2"),
        QStringLiteral("IS1"),  QStringLiteral("IS2"),  QStringLiteral("IQ1"),
        QStringLiteral("IQ2"),  QStringLiteral("IA1"),  QStringLiteral("IA2"),
        QStringLiteral("ISC1"), QStringLiteral("ISC2"), QStringLiteral("ISC3"),
        QStringLiteral("ISC4")};
    return c;
}

static bool dados(const Valor& a, const Valor& b) { return a.has_value() && b.has_value(); }

Valor CalcularIo(const Valor& tr, const Valor& trd)
{
    if (!dados(tr, trd))
        return std::nullopt;
    return *tr >= *trd ? 1.0 : *tr / *trd;
}

static Valor razaoMinima(const Valor& qmin, const Valor& qalvo)
{
    if (!dados(qmin, qalvo))
        return std::nullopt;
    return *qmin >= *qalvo ? 1.0 : *qmin / *qalvo;
}

static Valor razaoMaxima(const Valor& qmax, const Valor& qalvo)
{
    if (!dados(qmax, qalvo))
        return std::nullopt;
    return *qmax <= *qalvo ? 1.0 : *qalvo / *qmax;
}

Valor CalcularIH1(QStringView tipo, const Valor& qmin, const Valor& qmax, const Valor& qalvo)
{
    if (tipo == u"1")
        return razaoMinima(qmin, qalvo);
    if (tipo == u"2")
        return razaoMaxima(qmax, qalvo);
    if (tipo == u"3") {
        const Valor a = razaoMinima(qmin, qalvo);
        const Valor b = razaoMaxima(qmax, qalvo);
        if (!dados(a, b))
            return std::nullopt;
        return (*a + *b) / 2.0;
    }
    return std::nullopt;
}

Valor CalcularIH2(const Valor& a, const Valor& b)
{
    if (!dados(a, b))
        return std::nullopt;
    return *a >= 2.0 * *b ? 1.0 : (*a - *b) / *b;
}

Valor CalcularIA1(const Valor& a, const Valor& b)
{
    if (!dados(a, b))
        return std::nullopt;
    return *b >= 2.0 * *a ? 1.0 : (*b - *a) / *a;
}

Valor CalcularISC1(const Valor& a, const Valor& b, const Valor& c)
{
    if (!dados(a, b) || !c)
        return std::nullopt;
    if (*a == 0)
        return *c == 0 ? 0.0 : *b / *c;
    return *b >= 2.0 * *a ? 1.0 : (*b - *a) / *a;
}

Valor CalcularISC4(const Valor& a, const Valor& b)
{
    if (!dados(a, b))
        return std::nullopt;
    if (*b == 0)
        return 0.0;
    const double diferenca = *b - *a;
    const double quociente = diferenca / *b;
    return quociente - 1.0;
}

double Arredondar(const Valor& v)
{
    return v ? Numeros::ArredondarDuasCasas(*v) : 0.0;
}

}  // namespace Indicadores
