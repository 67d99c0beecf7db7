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

}  // namespace Escala
