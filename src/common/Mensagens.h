#pragma once
// The one way the system shows a message box or beeps, the database layer's
// one message of a failed action included. Tests install a
// responder so that no message box ever waits for a real user.
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

namespace Mensagens {

enum class Icone { Nenhum, Critico, Exclamacao, Informacao, Pergunta };
enum class Botoes { OK, SimNao };
enum class Resposta { OK, Sim, Nao };

struct Mensagem {
    QString texto;
    Icone icone = Icone::Nenhum;
    Botoes botoes = Botoes::OK;
    QString titulo;
};

// The application's title, used when a box has none of its own.
inline const QString TituloPadrao = QStringLiteral("Vazora");

Resposta Mostrar(const QString& texto, Icone icone = Icone::Nenhum,
                 Botoes botoes = Botoes::OK, const QString& titulo = TituloPadrao);
void Bipe();

// Test hooks.
using Respondedor = std::function<Resposta(const Mensagem&)>;
void DefinirRespondedor(Respondedor r);  // empty function = real boxes again
const std::vector<Mensagem>& Historico();
int Bipes();
void LimparHistorico();

}  // namespace Mensagens
