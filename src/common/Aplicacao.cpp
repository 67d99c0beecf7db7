#include "common/Aplicacao.h"

#include "common/Banco.h"

bool Aplicacao::notify(QObject* alvo, QEvent* evento)
{
    if (!Banco::EntradaDoUsuario::Trata(evento->type()))
        return QApplication::notify(alvo, evento);
    Banco::EntradaDoUsuario entrada(alvo, evento->type());
    return QApplication::notify(alvo, evento);
}
