#include "entry/AproveitarDados.h"

#include "common/Banco.h"
#include "common/Janelas.h"
#include "common/Mensagens.h"
#include "common/ModuloTessaura.h"
#include "common/Numeros.h"
#include "entry/Aproveitamento.h"

namespace MT = ModuloTessaura;

namespace Aproveitamento {

bool Fornecido(const QVariant& valor)
{
    return !Numeros::TextoDoCampo(valor).isEmpty();
}

QString JanelaDoCriterio(const QString& titulo)
{
    if (titulo == CriterioObjetivo)
        return QStringLiteral("frmObjetivo");
    if (titulo == CriterioImpacto)
        return QStringLiteral("frmImpacto");
    if (titulo == CriterioInsercao)
        return QStringLiteral("frmInsercao");
    return QString();
}

bool DadosChaveFornecidos(const QString& titulo, const LeitorCampo& campo)
{
    auto dado = [&campo](const char* nome) { return Fornecido(campo(QString::fromLatin1(nome))); };
    if (titulo == CriterioObjetivo)
        return dado("TR") && dado("TRD");
    if (titulo == CriterioImpacto)
        return (dado("QJmin") || dado("QJmax")) && dado("Qalvo") && (dado("Qinf") || dado("Ainf"))
            && (dado("Qnat") || dado("Anat"));
    if (titulo == CriterioInsercao)
        return (dado("Aapta1") || dado("Aapta2")) && (dado("ARL1") || dado("ARL2")) && dado("Ades");
    return false;
}

QStringList CamposVaziosNaCopia(const QString& titulo, const LeitorCampo& campo)
{
    // The fields that go into a box without a test of their own, in the copy's order.
    QStringList obrigatorios;
    if (titulo == CriterioObjetivo) {
        obrigatorios = {QStringLiteral("TR"), QStringLiteral("TRD")};
    } else if (titulo == CriterioImpacto) {
        obrigatorios << QStringLiteral("Qalvo");
        // A recharge pair is copied whole once its first value is given.
        if (Fornecido(campo(QStringLiteral("Qinf"))))
            obrigatorios << QStringLiteral("Qnat");
        if (Fornecido(campo(QStringLiteral("Ainf"))))
            obrigatorios << QStringLiteral("Anat");
    } else if (titulo == CriterioInsercao) {
        obrigatorios = {QStringLiteral("Aapta1"), QStringLiteral("Aapta2"), QStringLiteral("ARL1"),
                        QStringLiteral("ARL2"), QStringLiteral("Ades")};
    }
    QStringList vazios;
    for (const QString& nome : obrigatorios) {
        if (!Fornecido(campo(nome)))
            vazios << nome;
    }
    return vazios;
}

Verificacao VerificarCopia(const QString& titulo, const LeitorCampo& campo)
{
    if (!DadosChaveFornecidos(titulo, campo))
        return Verificacao::NaoEstudada;
    if (!CamposVaziosNaCopia(titulo, campo).isEmpty())
        return Verificacao::CamposVazios;
    return Verificacao::Completa;
}

static void falhar(const QString& texto)
{
    MT::FalhaAproveitamento = true;
    Mensagens::Mostrar(texto, Mensagens::Icone::Critico, Mensagens::Botoes::OK,
                       QStringLiteral("Vazora"));
}

void AproveitarDados(const QString& titulo, int numero)
{
    MT::FalhaAproveitamento = false;
    const QString nomeJanela = JanelaDoCriterio(titulo);
    if (nomeJanela.isEmpty())
        return;

    // A file that cannot be read is reported once, as a failed read, and the
    // window stays as it was; it is never taken for an alternative not studied.
    Banco::Acao acao;
    Banco::ConexaoPtr dbAproveitar = Banco::Abrir();
    Banco::RecordsetPtr rsAproveitar =
        dbAproveitar ? Banco::Recordset::Abrir(dbAproveitar, QStringLiteral("tblTessaura")) : nullptr;
    if (!rsAproveitar) {
        MT::FalhaAproveitamento = true;
        return;
    }
    bool achada = false;
    if (numero > 0) {
        for (rsAproveitar->MoveFirst(); !rsAproveitar->EOF_(); rsAproveitar->MoveNext()) {
            if (!rsAproveitar->Ler()) {
                MT::FalhaAproveitamento = true;
                return;
            }
            const QString marcador = rsAproveitar->Campo(QStringLiteral("Marcador")).toString();
            if (Banco::NumeroDoMarcador(marcador) == numero) {
                achada = true;
                break;
            }
        }
    }
    if (!achada) {
        falhar(MsgNaoEstudada);
        return;
    }

    const LeitorCampo campo = [&rsAproveitar](const QString& nome) {
        return rsAproveitar->Campo(nome);
    };
    switch (VerificarCopia(titulo, campo)) {
    case Verificacao::NaoEstudada:
        falhar(MsgNaoEstudada);
        return;
    case Verificacao::CamposVazios:
        falhar(MsgCamposVazios);
        return;
    case Verificacao::Completa:
        break;
    }

    auto* receptor = dynamic_cast<ReceptorCriterio*>(Janelas::Obter(nomeJanela));
    if (!receptor) {
        falhar(MsgNaoEstudada);
        return;
    }
    receptor->PreencherDe(*rsAproveitar);
}

}  // namespace Aproveitamento
