#include "weighting/Ponderacao.h"

#include "common/Numeros.h"

#include <cmath>

namespace Ponderacao {

static Total somaFinita(double soma)
{
    if (!std::isfinite(soma))
        return std::nullopt;
    return soma;
}

Total SomaDosTextos(const QStringList& textos)
{
    double soma = 0.0;
    for (const QString& t : textos) {
        bool ok = false;
        const double v = Numeros::Ler(t, &ok);
        if (!ok)
            return std::nullopt;
        soma += v;
    }
    return somaFinita(soma);
}

Total SomaDosValores(const QVariantList& valores)
{
    double soma = 0.0;
    for (const QVariant& v : valores) {
        if (v.isNull() || !v.isValid() || v.typeId() == QMetaType::QString)
            return std::nullopt;
        bool ok = false;
        const double d = v.toDouble(&ok);
        if (!ok)
            return std::nullopt;
        soma += d;
    }
    return somaFinita(soma);
}

double TotalArredondado(double total)
{
    // The label holds the total as written with 15 significant digits, so an
    // exact 99.5 that the additions left a hair below still counts as 99.5.
    const double escrito = QString::number(total, 'g', 15).toDouble();
    return Numeros::ArredondarInteiro(escrito);
}

QString TextoDoTotal(const Total& total)
{
    if (!total)
        return QStringLiteral("-");
    return Numeros::Formatar(TotalArredondado(*total));
}

bool SomaCem(const Total& total)
{
    return total && TotalArredondado(*total) == 100.0;
}

bool AvancarDisponivel(bool novaPonderacao, bool linhaMostrada, const Total& total)
{
    return !novaPonderacao && linhaMostrada && SomaCem(total);
}

bool AspectoProtegido(const QString& aspecto)
{
    static const QStringList protegidos{QStringLiteral("Hidrológico"), QStringLiteral("Social"),
                                        QStringLiteral("Ambiental"), QStringLiteral("Sanitário")};
    return protegidos.contains(aspecto, Qt::CaseSensitive);
}

std::optional<std::vector<ModuloTessaura::PonderacaoListada>>
ListaParaApagar(const std::vector<Entrada>& entradas)
{
    const int n = static_cast<int>(entradas.size()) - 5;
    if (n < 0)
        return std::nullopt;
    std::vector<ModuloTessaura::PonderacaoListada> lista;
    for (const Entrada& e : entradas) {
        if (!AspectoProtegido(e.aspecto))
            lista.push_back({e.nome, e.id});
    }
    if (static_cast<int>(lista.size()) < n + 1)
        lista.resize(static_cast<size_t>(n + 1));
    return lista;
}

}  // namespace Ponderacao
