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

    // Variant buttons: the first and the second button of analyses 1..4.
    void Image9_Click();
    void Image10_Click();
    void Image11_Click();
    void Image12_Click();
    void Image13_Click();
    void Image14_Click();
    void Image15_Click();
    void Image16_Click();
    // Tabs "Análise 1" .. "Análise 4".
    void lblAnalise1_Click();
    void lblAnalise2_Click();
    void lblAnalise3_Click();
    void lblAnalise4_Click();

private:
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
