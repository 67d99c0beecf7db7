#pragma once
// Copying a whole criterion of another alternative into the entry window of
// that criterion. Every field the copy needs is checked before the window is
// touched: a copy that cannot be completed leaves the window as it was.
#include <QString>
#include <QStringList>
#include <QVariant>
#include <functional>

namespace Aproveitamento {

// The criterion titles the copy knows.
inline const QString CriterioObjetivo = QStringLiteral("Objetivo");
inline const QString CriterioImpacto = QStringLiteral("Impactos da obra");
inline const QString CriterioInsercao = QStringLiteral("Inserção da Obra");

// The two messages of a failed copy.
inline const QString MsgNaoEstudada = QStringLiteral(
    "Ocorreu um erro desconhecido ao realizar o processo. Talvez você tenha tentado aproveitar "
    "dados de uma alternativa ainda não estudada");
inline const QString MsgCamposVazios = QStringLiteral(
    "A alternativa escolhida contém campos vazios. Escolha outra alternativa para aproveitar os "
    "dados ou clique em 'Descatar dado'");

// A field counts as given when it holds a value whose text is not empty.
bool Fornecido(const QVariant& valor);

// Reads a field of the source row by its name.
using LeitorCampo = std::function<QVariant(const QString&)>;

// The entry window of a criterion ("frmObjetivo", "frmImpacto", "frmInsercao");
// empty for a title the copy does not know.
QString JanelaDoCriterio(const QString& titulo);

// The key data a criterion must have to be copied at all (an alternative not yet
// studied lacks them): objective TR and TRD; impacts QJmin or QJmax, Qalvo,
// Qinf or Ainf, Qnat or Anat; insertion Aapta1 or Aapta2, ARL1 or ARL2, Ades.
bool DadosChaveFornecidos(const QString& titulo, const LeitorCampo& campo);

// The fields the copy would put into a box while they are not given, in the
// order the copy reaches them: in the impacts a recharge pair whose first value
// is given needs its partner (Qinf with Qnat, Ainf with Anat); in the insertion
// all four areas go into their boxes unconditionally.
QStringList CamposVaziosNaCopia(const QString& titulo, const LeitorCampo& campo);

enum class Verificacao { Completa, NaoEstudada, CamposVazios };
// Both checks, in the order the copy runs them.
Verificacao VerificarCopia(const QString& titulo, const LeitorCampo& campo);

// Copies the criterion of the alternative whose marker number is numero into
// its loaded entry window (through the window's ReceptorCriterio). Clears
// FalhaAproveitamento first; a copy that cannot be done sets it and shows the
// matching message, leaving the window untouched. An unknown title does nothing.
void AproveitarDados(const QString& titulo, int numero);

}  // namespace Aproveitamento
