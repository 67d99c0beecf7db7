#pragma once
// The hourglass pointer while a handler runs: shown on construction, the normal
// pointer back on every way out (or earlier, before a message box).
#include <QApplication>

class Ampulheta {
public:
    Ampulheta() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~Ampulheta() { Restaurar(); }
    Ampulheta(const Ampulheta&) = delete;
    Ampulheta& operator=(const Ampulheta&) = delete;

    void Restaurar()
    {
        if (m_ativa) {
            m_ativa = false;
            QApplication::restoreOverrideCursor();
        }
    }

private:
    bool m_ativa = true;
};
