#include "common/Espera.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QThread>
#include <cmath>

namespace Espera {

namespace {
double g_escala = 1.0;
}

void Pausa(double segundos)
{
    if (segundos <= 0)
        return;
    const qint64 alvo = static_cast<qint64>(std::llround(segundos * 1000.0 * g_escala));
    QElapsedTimer relogio;
    relogio.start();
    do {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        if (relogio.elapsed() < alvo)
            QThread::msleep(1);
    } while (relogio.elapsed() < alvo);
}

int Milissegundos(int nominal)
{
    return static_cast<int>(std::lround(nominal * g_escala));
}

void DefinirEscalaParaTestes(double fator) { g_escala = fator < 0 ? 0 : fator; }

}  // namespace Espera
