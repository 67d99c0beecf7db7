#include "entry/EntradaDecimal.h"

#include "common/Mensagens.h"
#include "common/Numeros.h"

namespace EntradaDecimal {

namespace {
constexpr int Virgula = 44;
constexpr int Ponto = 46;

bool digito(int k) { return k >= '0' && k <= '9'; }

int recusar()
{
    Mensagens::Bipe();
    Mensagens::Mostrar(QStringLiteral("Insira somente valores numéricos neste campo."),
                       Mensagens::Icone::Critico, Mensagens::Botoes::OK,
                       QStringLiteral("Tessaura - Erro de entrada"));
    return 0;
}

void avisarSeparador(const QString& texto)
{
    Mensagens::Mostrar(texto, Mensagens::Icone::Critico, Mensagens::Botoes::OK,
                       QStringLiteral("Tessaura - Erro na entrada de dados"));
}
}  // namespace

int FiltrarTecla(int k)
{
    const QChar s = Numeros::SeparadorDecimal();
    if (s == QChar(',')) {
        if (digito(k) || k == Virgula)
            return k;
        if (k == Ponto) {
            avisarSeparador(QStringLiteral("O separador de decimal é a vírgula"));
            return Virgula;
        }
        if (k == Backspace || k == Enter)
            return k;
        return recusar();
    }
    if (s == QChar('.')) {
        if (digito(k))
            return k;
        if (k == Virgula) {
            avisarSeparador(QStringLiteral("O separador de decimal é o ponto"));
            return Ponto;
        }
        if (k == Ponto || k == Backspace || k == Enter)
            return k;
        return recusar();
    }
    return k;
}

int FiltrarTeclaInteira(int k)
{
    if (digito(k) || k == Backspace || k == Enter)
        return k;
    Mensagens::Bipe();
    return 0;
}

}  // namespace EntradaDecimal
