#include "shell/Alternativas.h"

#include "common/Janelas.h"
#include "common/ModuloTessaura.h"

#include <QLineEdit>
#include <limits>

namespace Alternativas {

QString Marcador(int i)
{
    return QStringLiteral("alt") + QString::number(i);
}

Numero LerNumero(const QString& texto, short* n)
{
    if (texto.isEmpty())
        return Numero::Vazio;
    QString t = texto.trimmed();
    bool negativo = false;
    if (t.startsWith(QLatin1Char('+')) || t.startsWith(QLatin1Char('-'))) {
        negativo = t.at(0) == QLatin1Char('-');
        t.remove(0, 1);
    }
    if (t.isEmpty())
        return Numero::NaoInteiro;
    for (const QChar c : t) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return Numero::NaoInteiro;
    }
    while (t.size() > 1 && t.startsWith(QLatin1Char('0')))
        t.remove(0, 1);
    if (negativo)
        return Numero::NaoSuperiorA2;
    if (t.size() > 5 || t.toInt() > std::numeric_limits<short>::max())
        return Numero::AcimaDoLimite;
    const int valor = t.toInt();
    if (valor <= 2)
        return Numero::NaoSuperiorA2;
    *n = static_cast<short>(valor);
    return Numero::Aceito;
}

bool AjustarLinhas(const Banco::RecordsetPtr& rs, int n)
{
    if (!rs)
        return false;
    bool ok = true;
    int esperado = 1;
    rs->MoveFirst();
    while (!rs->EOF_()) {
        // Past the n-th row every row goes; before it, a row that cannot be
        // read is never taken for one to delete.
        bool manter = false;
        if (esperado <= n) {
            if (!rs->Ler())
                return false;
            manter = rs->Campo(QStringLiteral("Marcador")).toString() == Marcador(esperado);
        }
        if (manter)
            ++esperado;
        else if (!rs->Delete())
            ok = false;
        rs->MoveNext();
    }
    for (; esperado <= n; ++esperado) {
        rs->AddNew();
        rs->Definir(QStringLiteral("Marcador"), Marcador(esperado));
        if (!rs->Update())
            ok = false;
    }
    return ok;
}

bool AjustarLinhasDeUmaVez(const Banco::RecordsetPtr& rs, int n)
{
    if (!rs)
        return false;
    Banco::Transacao t(rs->Conexao_());
    if (!t.Iniciada())
        return false;
    return AjustarLinhas(rs, n) && t.Confirmar();
}

bool FlagsDasLinhas(const Banco::RecordsetPtr& rs, int n, std::vector<short>& flags)
{
    std::vector<short> lidas(static_cast<size_t>(n < 0 ? 1 : n + 1), 0);
    if (rs) {
        for (rs->MoveFirst(); !rs->EOF_(); rs->MoveNext()) {
            if (!rs->Ler())
                return false;
            const int i = Banco::NumeroDoMarcador(rs->Campo(QStringLiteral("Marcador")).toString());
            if (i >= 1 && i <= n)
                lidas[static_cast<size_t>(i)] = rs->Campo(QStringLiteral("Nome")).toString().isEmpty() ? 0 : 1;
        }
    }
    flags = std::move(lidas);
    return true;
}

bool RegistrarNome(std::vector<short>& flags, int n, int i, bool preenchido)
{
    if (n < 1)
        return false;
    flags.resize(static_cast<size_t>(n) + 1, 0);
    if (i >= 1 && i <= n)
        flags[static_cast<size_t>(i)] = preenchido ? 1 : 0;
    int soma = 0;
    for (int k = 1; k <= n; ++k)
        soma += flags[static_cast<size_t>(k)];
    return soma == n;
}

bool MarcarNomePreenchido(QString& marcador)
{
    marcador = marcador.mid(3);
    bool ok = false;
    const int i = marcador.trimmed().toInt(&ok);
    bool preenchido = false;
    if (Janela* inicio = Janelas::Obter(QStringLiteral("frmInicio"))) {
        if (auto* nome = inicio->Widget()->findChild<QLineEdit*>(QStringLiteral("Text1")))
            preenchido = !nome->text().isEmpty();
    }
    return RegistrarNome(ModuloTessaura::NomePreenchido, ModuloTessaura::NumeroAlternativas,
                         ok ? i : 0, preenchido);
}

}  // namespace Alternativas
