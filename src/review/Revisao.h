#pragma once
// The review of the stored data and the one-datum correction, as plain
// functions: how a field is shown, which pair of the aquifer recharge is on
// show, the links from the shown values to the editor, the key of the field a
// correction writes and the check of a typed value.
#include <QString>
#include <QVariant>
#include <vector>

namespace Revisao {

// The mark of a datum not given.
inline const QString SemDado = QStringLiteral(" - ");
// The recharge symbols: flows or areas (letter, five blanks, "=").
inline const QString SimboloVazao = QStringLiteral("Q     =");
inline const QString SimboloArea = QStringLiteral("A     =");

// A rating 1..7 in words; any other number gives empty text.
QString Quali(int indice);
// A field as the review shows it: " - " for Null or empty text, a rating in
// words, a number in the locale's format.
QString TextoDoValor(const QVariant& valor, bool avaliacao);

// The recharge pair of a row: the symbol both symbol labels take (empty: they
// keep what they show) and the two values. The area pair wins when both are given.
struct ParRecarga {
    QString simbolo;
    QString inf;
    QString nat;
};
ParRecarga Recarga(const QVariant& qinf, const QVariant& qnat, const QVariant& ainf,
                   const QVariant& anat);

// One value label of the review and what its link hands to the editor. The
// recharge labels have no field of their own: their letter, unit and field
// follow the pair on show.
struct Elo {
    QString rotulo;      // the value label
    QString campo;       // field shown (empty for the recharge pair)
    bool avaliacao;      // a rating, shown in words
    QString criterio;
    QString descricao;
    QString letra;
    QString qualificador;
    QString subscrito;
    QString unidade;     // "ano", "m2", "m3" or "Qualitativo"
};
// The 19 links, in the order the review fills its labels.
const std::vector<Elo>& Elos();
const Elo* EloDoRotulo(const QString& rotulo);

// Field of tblTessaura for a datum key; empty for an unknown key.
QString Campo(const QString& chave);
// The key of the datum a correction writes, from the editor's description,
// letter and subscript.
QString ChaveDoDado(const QString& descricao, const QString& letra, const QString& subscrito);

// A typed value for a field, read by the locale's rules: false for a text that
// does not convert, a negative number, or a fraction where only whole years go.
bool LerValorNovo(const QString& campo, const QString& texto, QVariant* valor);

// A row write the database refused: the one critical message that says so.
void AvisarFalhaDeGravacao();

}  // namespace Revisao
