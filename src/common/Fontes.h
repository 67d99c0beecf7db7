#pragma once
// The windows ask for their fonts by the family names they were designed with
// (Comic Sans MS, Verdana, MS Sans Serif); a machine without those families
// gets the installed faces listed here instead of whatever happens to match.

namespace Fontes {

// Installs the replacement lists once for the whole application: every window
// and dialog created afterwards picks them up. Calling it again does nothing.
void InstalarSubstituicoes();

}  // namespace Fontes
