#pragma once
// The help texts of the impact window's six items, each opening with five
// blanks as the help box shows it.
#include <QString>

namespace TextosImpacto {

// Text of help icon 1..6: downstream flows, aquifer recharge, disease
// transmission, insect proliferation, surface water, ground water.
QString Ajuda(int icone);

}  // namespace TextosImpacto
