#pragma once
// Saved projects: the project save run by the main window's save commands.

namespace Projetos {

// Saves the current project (asking for its name first when PedirNomeAoSalvar).
void SalvarProjeto();

}  // namespace Projetos
