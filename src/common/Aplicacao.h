#pragma once
// The application object: every click and key of the user is dispatched as
// one user action of the database layer (Banco::EntradaDoUsuario), so that a
// command, to its end, waits once for a file held by another program and
// shows at most one message.
#include <QApplication>

class Aplicacao : public QApplication {
public:
    Aplicacao(int& argc, char** argv) : QApplication(argc, argv) {}
    bool notify(QObject* alvo, QEvent* evento) override;
};
