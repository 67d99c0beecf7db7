#pragma once
// The sensitivity-analysis panel of the results window: four tabs, each with
// two variant buttons, a caption naming the variant shown and one result grid
// per variant. The grids are left empty: no analysis fills them.
#include <QFrame>
#include <array>

class QLabel;
class GradeFlex;

class PainelSensibilidade : public QFrame {
    Q_OBJECT
public:
    explicit PainelSensibilidade(QWidget* parent = nullptr);

private:
    // A variant button (the first or the second of analyses 1..4), and a tab
    // "Análise 1" .. "Análise 4".
    void Variante(int analise, bool primeiro);
    void Aba(int analise);

    std::array<QLabel*, 5> m_abas{};      // lblAnalise1..4 at 1..4
    std::array<QLabel*, 5> m_fundos{};    // Image3..6 at 1..4
    std::array<QLabel*, 5> m_primeiro{};  // Image9, 11, 13, 15 at 1..4
    std::array<QLabel*, 5> m_segundo{};   // Image10, 12, 14, 16 at 1..4
    std::array<QLabel*, 5> m_legendas{};  // Label7..10 at 1..4
    // FlexANA<analysis><variant>: [analysis][variant], both from 1.
    std::array<std::array<GradeFlex*, 3>, 5> m_grades{};
    QLabel *Image7 = nullptr, *Image8 = nullptr;                        // tab selected / not
    QLabel *Image17 = nullptr, *Image18 = nullptr;                      // first button selected / not
    QLabel *Image19 = nullptr, *Image20 = nullptr;                      // second button selected / not
};
