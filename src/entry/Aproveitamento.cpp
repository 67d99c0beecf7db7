#include "entry/Aproveitamento.h"

#include "common/Janelas.h"
#include "common/ModuloTessaura.h"
#include "common/Numeros.h"

#include <QLineEdit>
#include <QPointer>

namespace MT = ModuloTessaura;

namespace Aproveitamento {

namespace {
QPointer<QLineEdit> g_caixaChamadora;
}  // namespace

QLineEdit* CaixaChamadora()
{
    return g_caixaChamadora;
}

void DefinirDadosPOP(const QString& titulo, const QString& simbolo, const QString& qualificador,
                     const QString& indice, const QString& unidade, const QString& marcador,
                     const QString& campo)
{
    MT::TituloPOP = titulo;
    MT::SimboloPOP = simbolo;
    MT::QualificadorPOP = qualificador;
    MT::IndicePOP = indice;
    MT::UnidadePOP = unidade;
    MT::MarcadorPOP = marcador;
    MT::CampoPOP = campo;
}

void PedirAproveitamento(QLineEdit* caixa, const QString& marcadorAtual, const Datum& d)
{
    if (!caixa || Janelas::Carregada(QStringLiteral("frmPOP")))
        return;
    QPointer<QLineEdit> guarda(caixa);
    MT::ValorPOP = caixa->text();
    MT::MarcadorAtual = marcadorAtual;
    DefinirDadosPOP(d.titulo, d.simbolo, d.qualificador, d.indice, d.unidade, MT::MarcadorAtual,
                    d.campo);
    Janela* pop = Janelas::Carregar(QStringLiteral("frmPOP"));
    if (!pop)
        return;
    g_caixaChamadora = caixa;
    Janelas::ExibirModal(pop);
    g_caixaChamadora = nullptr;
    if (guarda)
        guarda->setText(Numeros::TextoDoCampo(MT::ValorPOP));
}

}  // namespace Aproveitamento
