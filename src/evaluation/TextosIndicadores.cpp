#include "evaluation/TextosIndicadores.h"

#include <QHash>

namespace TextosIndicadores {

QString DescricaoIndicador(const QString& codigo)
{
    static const QHash<QString, QString> textos = {
        {QStringLiteral("Io"),
         QStringLiteral("A forma de cálculo deste indicador é por meio da relação entre o tempo de retorno "
                        "previsto no projeto em questão e o tempo de retorno desejável para a obra definida.")},
        {QStringLiteral("IH1"),
         QStringLiteral("Este indicador tem a finalidade de avaliar os impactos do sistema de drenagem "
                        "proposto em relação à vazão desejável de ser mantida a jusante.")},
        {QStringLiteral("IH2"),
         QStringLiteral("Este indicador avalia as condições de recarga do aquífero para a alternativa em questão.")},
        {QStringLiteral("IS1"),
         QStringLiteral("Este indicador avalia os impactos causados pelo sistema de drenagem proposto no que "
                        "se refere à possibilidade de transmissão de doenças.")},
        {QStringLiteral("IS2"),
         QStringLiteral("Este indicador avalia os impactos causados pelo sistema de drenagem proposto no que "
                        "se refere à possibilidade da proliferação de insetos.")},
        {QStringLiteral("IQ1"),
         QStringLiteral("Este indicador avalia a sensibilidade da área frente aos impactos a serem causados "
                        "pela estrutura de drenagem na qualidade das águas superficiais.")},
        {QStringLiteral("IQ2"),
         QStringLiteral("Este indicador avalia a sensibilidade da área frente aos impactos a serem causados "
                        "pela estrutura de drenagem na qualidade das águas subterrâneas.")},
        // This one has no closing full stop.
        {QStringLiteral("IA1"),
         QStringLiteral("Esse indicador de inserção ambiental é calculado pela relação entre as áreas "
                        "ecologicamente aptas criadas a partir da implantação de um determinado sistema de "
                        "drenagem e as áreas ecologicamente aptas antes da implantação do sistema")},
        {QStringLiteral("IA2"),
         QStringLiteral("Esse indicador avalia o impacto paisagístico causado pela implantação do sistema.")},
        {QStringLiteral("ISC1"),
         QStringLiteral("Esse indicador refere-se à criação de áreas de recreação, lazer e equipamentos "
                        "urbanos pela implantação do sistema.")},
        {QStringLiteral("ISC2"),
         QStringLiteral("Esse indicador avalia o impacto nas condições de circulação causado pela implantação "
                        "do sistema.")},
        {QStringLiteral("ISC3"),
         QStringLiteral("Esse indicador refere-se à possibilidade da utilização do sistema para o desempenho "
                        "de outras funções técnicas.")},
        {QStringLiteral("ISC4"),
         QStringLiteral("Esse indicador refere-se à desapropriação de áreas necessária à implantação do sistema.")},
        {QStringLiteral("M"),
         QStringLiteral("Classifica as alternativas segundo a média ponderada dos coeficientes e seus pesos.")},
        {QStringLiteral("PC"),
         QStringLiteral("Classifica as alternativas segundo a 'Programação de Compromisso' (Compromise "
                        "Programming)")},
    };
    return textos.value(codigo);
}

}  // namespace TextosIndicadores
