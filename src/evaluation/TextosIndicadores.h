#pragma once
// The help texts of the results window: one per indicator code, and one for
// each of the two global indices ("M" and "PC").
#include <QString>

namespace TextosIndicadores {

// The help text of a code ("Io" .. "ISC4", "M", "PC"), matched exactly (case and
// accents count); an empty text for any other code.
QString DescricaoIndicador(const QString& codigo);

}  // namespace TextosIndicadores
