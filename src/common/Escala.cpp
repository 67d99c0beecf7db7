#include "common/Escala.h"

namespace Escala {

const QStringList& Legendas()
{
    static const QStringList l{
        QStringLiteral("Grande piora"),    QStringLiteral("Sensível piora"),
        QStringLiteral("Pequena piora"),   QStringLiteral("Indiferente"),
        QStringLiteral("Pequena melhora"), QStringLiteral("Sensível melhora"),
        QStringLiteral("Grande melhora")};
    return l;
}

QString Legenda(int nivel)
{
    return NivelValido(nivel) ? Legendas().at(nivel - 1) : QString();
}

float EscalaParaNota(double& x)
{
    const float simples = static_cast<float>(x);
    x = simples;
    if (simples == -1.0f)
        return 1.0f;
    if (simples == 0.0f)
        return 4.0f;
    if (simples == 1.0f)
        return 7.0f;
    const float triplo = 3.0f * simples;
    return triplo + 4.0f;
}

double NotaParaEscala(double& r)
{
    r = static_cast<float>(r);
    return (r - 4.0) / 3.0;
}

}  // namespace Escala
