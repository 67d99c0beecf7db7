#include "common/Fontes.h"

#include <QFont>
#include <QStringList>

namespace Fontes {

void InstalarSubstituicoes()
{
    static bool instaladas = false;
    if (instaladas)
        return;
    instaladas = true;
    // The informal face of the forward buttons: an informal sans when there is
    // one, else a plain sans (never a script face).
    QFont::insertSubstitutions(QStringLiteral("Comic Sans MS"),
                               {QStringLiteral("Comic Neue"), QStringLiteral("DejaVu Sans"),
                                QStringLiteral("Liberation Sans"), QStringLiteral("Sans Serif")});
    const QStringList simples{QStringLiteral("DejaVu Sans"), QStringLiteral("Bitstream Vera Sans"),
                              QStringLiteral("Liberation Sans"), QStringLiteral("Sans Serif")};
    QFont::insertSubstitutions(QStringLiteral("Verdana"), simples);
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"), simples);
}

}  // namespace Fontes
