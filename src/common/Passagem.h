#pragma once
// Handing the work on from the window in front to the next one (an "Avançar").
// The next window's opening, its load and its activation, is part of the
// action that hands over: when a statement fails there, the hand-over is taken
// back whole within the same action, so the user sees the action's one
// message over the window that handed over, as it was, and can press again.
#include "common/Banco.h"

#include <QString>
#include <functional>
#include <vector>

class Janela;

class Passagem {
public:
    // Notes what every hand-over may change and puts back when it is taken
    // back: the row of rsAlternativas, Reentrada, the entry order and the entry
    // windows' loaded flags. The window that hands over is hidden when the
    // next one is shown, unless ocultar is false (it then stays behind).
    explicit Passagem(Janela* de, bool ocultar = true);

    // What the hand-over changes besides, put back (the latest first) when it
    // is taken back.
    void AoDesfazer(std::function<void()> desfazer);

    // Loads the next window (by name) unless it is loaded, hides the window
    // that hands over and shows the next one. When the action has failed by
    // then (earlier, or in the next window's load or activation), the
    // hand-over is taken back: the next window unloaded if it was loaded here,
    // hidden otherwise; what AoDesfazer gave and the noted state put back; the
    // window that handed over brought back as it was, without its activation
    // (it never really left), so that the command's one message stands over
    // it. False then; nothing else is to be done.
    bool Para(const QString& nome);

private:
    void Desfazer();

    Janela* m_de;
    bool m_ocultar;
    Banco::RecordsetPtr m_rs;
    qint64 m_linha;
    bool m_reentrada, m_porAlternativa, m_objetivo, m_impacto, m_insercao;
    std::vector<std::function<void()>> m_desfazer;
};
