#include "common/Espera.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QPointer>
#include <memory>
#include <vector>
#include <QThread>
#include <cmath>

namespace Espera {

namespace {
double g_escala = 1.0;
std::function<void()> g_aoPausar;

bool entradaDoUsuario(QEvent::Type t)
{
    switch (t) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::Wheel:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::ContextMenu:
        return true;
    default:
        return false;
    }
}

// While a pause runs, clicks and keys that reach the application anyway (the
// platform's own queue is left alone) are held back and delivered, in order,
// once the pause is over.
class Retencao : public QObject {
public:
    Retencao() { QCoreApplication::instance()->installEventFilter(this); }
    ~Retencao() override
    {
        QCoreApplication::instance()->removeEventFilter(this);
        for (auto& [alvo, ev] : m_retidos) {
            if (alvo)
                QCoreApplication::postEvent(alvo, ev.release());
        }
    }

protected:
    bool eventFilter(QObject* obj, QEvent* ev) override
    {
        if (!obj->isWidgetType() && !obj->isWindowType())
            return false;
        if (!entradaDoUsuario(ev->type()))
            return false;
        m_retidos.emplace_back(QPointer<QObject>(obj), std::unique_ptr<QEvent>(ev->clone()));
        return true;
    }

private:
    std::vector<std::pair<QPointer<QObject>, std::unique_ptr<QEvent>>> m_retidos;
};
}  // namespace

void Pausa(double segundos)
{
    if (g_aoPausar)
        g_aoPausar();
    if (segundos <= 0)
        return;
    const qint64 alvo = static_cast<qint64>(std::llround(segundos * 1000.0 * g_escala));
    QElapsedTimer relogio;
    relogio.start();
    Retencao retencao;
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

void DefinirAoPausarParaTestes(std::function<void()> f) { g_aoPausar = std::move(f); }

}  // namespace Espera
