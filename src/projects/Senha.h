#pragma once
// Project passwords are never stored as typed: they are scrambled with the
// program's key, and a typed password is checked by scrambling it the same way
// and comparing the two scrambled texts. Nothing is ever unscrambled.
#include <QString>

namespace Projetos {

// The scrambling key, the same for the save and the open dialog.
inline const QString ChaveSenha = QStringLiteral("qavtem");

// Scrambles texto with chave (lowercase letters a-z). The result has as many
// characters as texto and none whose Windows-1252 code lies in 0..30 or
// 128..158. Characters are taken by their Windows-1252 codes; one that the
// code page cannot represent counts as "?".
QString EmbaralharSenha(const QString& texto, const QString& chave);

}  // namespace Projetos
