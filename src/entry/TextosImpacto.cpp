#include "entry/TextosImpacto.h"

namespace TextosImpacto {

namespace {

QString blancos(int n)
{
    return QString(n, QLatin1Char(' '));
}

}  // namespace

QString Ajuda(int icone)
{
    switch (icone) {
    case 1:  // downstream flows
        return QStringLiteral(
            "     Este indicador terá a finalidade de avaliar os impactos do sistema de drenagem "
            "proposto em relação à vazão desejável de ser mantida a jusante. Esta vazão, chamada "
            "aqui de \"vazão alvo\", será comparada com as vazões escoadas a jusante por cada uma "
            "das alternativas de projeto propostas, de forma a verificar o atendimento a um "
            "determinado valor pressuposto. Este valor poderá ser uma vazão mínima para manter "
            "alguma captação existente ou uma vazão máxima que levaria à inundação da área a "
            "jusante. Pode ser avaliado, também, ambos os critérios.");
    case 2:  // aquifer recharge: four pieces joined by runs of blanks
        return blancos(5)
            + QStringLiteral(
                "Para que uma obra de drenagem possa contribuir para a recarga de um aqüífero, o "
                "volume total infiltrado sobre a área considerada deverá ser superior ao volume "
                "infiltrado caso a área estivesse inteiramente \"natural\", ou seja, não urbanizada. "
                "Nesse intuito, o indicador proposto para avaliar a recarga do aqüífero tem os "
                "seguintes dados de entrada: Qinf = Vazão infiltrada segundo a alternativa estudada; "
                "Qnat = Vazão infiltrada caso a área não estivesse urbanizada.")
            + blancos(81)
            + QStringLiteral(
                "O cálculo deste indicador pode ser simplificado, em situações em que as áreas de "
                "infiltração forem homogêneas e as cargas hidráulicas forem iguais. Nestes casos, o "
                "cálculo do indicador pode ser feito através das áreas de infiltração, os dados "
                "necessários são:")
            + blancos(3) + QStringLiteral("Ainf = Área de infiltração segundo a alternativa estudada;")
            + blancos(21) + QStringLiteral("Anat = Área de infiltração caso a área não estivesse urbanizada.");
    case 3:  // disease transmission
        return QStringLiteral(
            "     Segundo a literatura técnica, a ocorrência de inundações devido às grandes "
            "chuvas, o empoçamento de águas pluviais, o carreamento de lixo pelo sistema de "
            "drenagem, além da poluição das águas pluviais pelo lançamento de esgotos, são fatores "
            "potenciais para a disseminação de doenças em áreas onde o sistema de drenagem é "
            "inexistente ou ineficaz.  Outro aspecto importante de ser considerado é a existência "
            "de epidemias de veiculação hídrica na área do empreendimento em questão. Caso já haja "
            "uma tendência à existência destas epidemias, o impacto da adoção de determinada "
            "alternativa pode ser bastante negativo.  Além disso, a literatura técnica alerta que, "
            "a proximidade e o contato das pessoas com as águas pluviais desse sistema pode também "
            "contribuir para a transmissão de doenças. A distância de 150m das margens de qualquer "
            "curso de água é determinada por ela como sendo suficiente para reduzir bastante os "
            "riscos de transmissão de doenças.  Com isso, a avaliação proposta para este indicador "
            "é de forma subjetiva, devendo ser realizada pelo decisor de acordo com a influência "
            "de cada alternativa de projeto para o sistema de drenagem a ser adotado em relação "
            "aos efeitos acima enumerados. Sua avaliação, sendo de forma subjetiva, variará, "
            "segundo os níveis informados anteriormente, de uma grande piora, aumentando bastante "
            "a possibilidade de transmissão de doenças até uma grande melhora, significando que a "
            "obra proposta proporcionará uma grande redução na possibilidade de transmissão de "
            "doenças.");
    case 4:  // insect proliferation
        return QStringLiteral(
            "     Para avaliar esse indicador o primeiro fator a ser considerado é a existência de "
            "insetos vetores de doenças, presentes na área do empreendimento em questão. A "
            "implementação do sistema de drenagem pode ter um grande impacto negativo, caso já "
            "exista na área uma tendência à existência e proliferação de insetos.  Por outro lado, "
            "a existência de coleta de lixo e a presença de interceptores de esgotos, fazendo com "
            "que as águas pluviais não sejam contaminadas, pode influenciar positivamente em "
            "relação a este aspecto.  Caso haja alguma contaminação das águas pluviais, é "
            "importante observar o contato destas com o ambiente atmosférico, o que levaria ao "
            "maior contato com os insetos e, conseqüentemente, ao aumento da tendência da "
            "proliferação de insetos.  Outro aspecto a influenciar este indicador é a "
            "possibilidade da formação de poças d'água, podendo ser um fator negativo, a partir do "
            "momento em que levaria a uma maior probabilidade de proliferação de insetos.  Assim "
            "como para o item anterior, a avaliação desse aspecto deverá ser feita pelo decisor, "
            "de forma subjetiva, a partir de análise dos principais fatores intervenientes, "
            "variando na escala proposta de uma grande piora a uma grande melhora, segundo o "
            "aumento ou redução na tendência à proliferação de insetos, segundo a alternativa "
            "analisada. ");
    case 5:  // surface water
        return QStringLiteral(
            "     Para a avaliação desse indicador, devem ser observados na área de drenagem, em "
            "um primeiro momento, quaisquer fatores causadores de poluição às águas a serem "
            "escoadas. Os principais fatores negativos a serem considerados podem ser, a presença "
            "de ligações de esgotos e lixo despejado nas ruas, ou a existência de empreendimentos "
            "produtores de poluentes na área de drenagem. Um efeito negativo que pode ser ainda "
            "citado é o tráfego de cargas perigosas na área do empreendimento, levando ao aumento "
            "do risco de contaminação das águas pluviais. Como efeito positivo, deve ser avaliada "
            "a previsão de implantação de estruturas de tratamento como filtros, decantadores ou "
            "mesmo a utilização de alguma técnica com dispositivos de retenção das águas. A "
            "avaliação do impacto será feita pelo decisor, a partir do conhecimento das "
            "alternativas de projeto e de sua experiência e sensibilidade frente aos impactos a "
            "serem causados pela estrutura de drenagem na qualidade das águas superficiais. O "
            "indicador variará conforme a escala subjetiva proposta, de uma grande piora a uma "
            "grande melhora, devido à proposição de cada alternativa de projeto.");
    case 6:  // ground water
        return QStringLiteral(
            "     No aspecto concernente ao impacto na qualidade das águas infiltradas de forma a "
            "proporcionar a recarga do aqüífero, assim como para as águas superficiais, devem ser "
            "observados quaisquer fatores existentes na área de drenagem que possam causar "
            "poluição ou melhorar a qualidade da água. A presença de ligações de esgotos, despejos "
            "de resíduos sólidos e/ou de empreendimentos produtores de poluentes podem impactar "
            "negativamente as águas a ser infiltradas. De forma contrária, estruturas de depuração "
            "previstas na alternativa de projeto antes que as águas sejam infiltradas, podem levar "
            "à melhoria na qualidade destas águas. Além disso, estes fatores devem ser "
            "relacionados pelo decisor ao nível mais alto do lençol subterrâneo, de forma a "
            "verificar o real impacto no lençol, após a infiltração no solo por uma determinada "
            "profundidade mínima. Estudos da literatura técnica sugerem a distância de 1,0m entre "
            "o nível mais alto do lençol e a base da superfície de infiltração sendo capaz de "
            "reter grande parte da poluição das águas infiltradas. Conforme as águas superficiais, "
            "o impacto deverá ser avaliado pelo decisor observando a presença de quaisquer fatores "
            "causadores de poluição ou de depuração das águas pluviais, que neste caso serão "
            "infiltradas. Sua escala de avaliação, conforme a escala subjetiva proposta variará de "
            "uma grande piora a uma grande melhora, de acordo com a previsão de grande "
            "contaminação ou depuração das águas do aqüífero, devido à infiltração das águas "
            "pluviais. ");
    default:
        return QString();
    }
}

}  // namespace TextosImpacto
